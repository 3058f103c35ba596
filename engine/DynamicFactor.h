// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Dynamic factors KHv, KFv after ČSN 01 4686 part 3 and what they rest on: masses and moments of
// inertia of the gear bodies, single-pair and mesh stiffness, reduced mass, resonance speed, the
// running-smoothness limit and the resonance ranges.
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

struct DynamicFactors {
    double KHv = 1;
    double KFv = 1;
};

/// mass1, mass2 and, unless TetaGiven, Teta1, Teta2 from the body dimensions (every part a
/// hollow steel cylinder). A mass that is not positive tells of impossible dimensions.
void computeBodyMasses(GearPairData& g);

/// Re-runs the contact geometry, then CR, cs, Cgama (unless CgamaGiven), mred and nE1.
void computeMeshStiffness(GearPairData& g, Ui& ui);

/// The part of computeMeshStiffness after the contact geometry: rim factor, single-pair
/// stiffness, Cgama (unless entered), reduced mass and resonance speed of the pinion.
void computeStiffnessAndResonance(GearPairData& g);

/// v and the dynamic factors for the current FtH, FtF. Checks the grades, the smoothness limit,
/// EPSILONalfa ≥ 1.2 and the resonance ranges; on a stop it shows the message, asks for the
/// dialog to correct and clears runFlag. Stores neither KHv nor KFv: callers decide which
/// factor may be overwritten.
[[nodiscard]] DynamicFactors computeDynamicFactors(GearPairData& g, Ui& ui);

/// The dynamic stage of the run: computeDynamicFactors, then KHv and KFv stored unless entered.
void computeRunDynamicFactors(GearPairData& g, Ui& ui);

}  // namespace soukoli
