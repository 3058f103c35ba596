// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Loads of the run: the forces for contact and bending and the maximum force, from the nominal
// load (method "A") or from equivalent loads (method "B"), which come from a step spectrum, from
// the load-spectrum classes or from direct entry.
#pragma once

#include <cstdint>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// FtH, FtF and Ft1 of the run after the method letter; torques are converted through d1 first.
void computeLoads(GearPairData& g, Ui& ui);

/// The spectrum dialog's conversion of the step spectrum into Ft1 (absolute forms), NK1, NK2 and
/// the eight equivalent forces and torques (level method of ČSN 01 4686).
void computeEquivalentLoadsFromLevels(GearPairData& g);

/// The equivalent forces and torques of the chosen load-spectrum classes CHSZ1, CHSZ2.
void computeEquivalentLoadsFromClasses(GearPairData& g);

/// NK1 and NK2 in cycles as the stored spectrum gives them (hours taken at 60·n1 cycles each).
void computeLevelsLives(GearPairData& g);

/// The loads the user did not enter, from those entered (the member `SilyF` chooses) through
/// F = 2000·T/d1: T1 and Ft1 = F1·KAS of method "A", T1 and F1 = Ft1/KAS of method "B", and
/// the equivalent forces or torques unless they are entered directly. Run after loading and after
/// every accepted entry, so that a load never keeps the value of an earlier diameter.
void deriveLoads(GearPairData& g);

/// The lives the user did not enter, from those entered: NK1hod = NK1/(60·n1) and
/// NK2hod = NK2·|z2|/(60·n1·z1) when the lives are given in cycles, NK1 = 60·n1·NK1hod and
/// NK2 = 60·n1·NK2hod·z1/|z2| when in hours. A spectrum project's lives follow from its spectrum
/// in cycles. Run after loading and after every accepted entry of z1, z2 or n1, so that a life
/// never keeps the value of an earlier ratio or speed.
void deriveLives(GearPairData& g);

/// K(k, q) of the class table, q limited to 3 … 12 and interpolated linearly between the
/// columns; 0 for a class outside 1 … 17.
[[nodiscard]] double loadClassFactor(std::uint16_t k, double q);

}  // namespace soukoli
