// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Basic geometry of the gear pair: pressure angles, centre distance or shift sum, and the
// reference, base, root and tip diameters. The geometry dialog runs these after every accepted
// entry; the main window after start-up, loading and switching the toothing type.
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// Transverse pressure angle atan(tan alfan / cos beta).
[[nodiscard]] double transversePressureAngle(double Alfan, double Beta);

/// The angle alfa in (0, 1.5] rad with tan(alfa) - alfa = v, found by a stepped search and
/// bisection; 0 when there is none in that range (also for v <= 0 or NaN).
[[nodiscard]] double solveInvolute(double v);

/// xmez = inv(alfat)·(-(z1 + z2)/2)/tan(alfan): the shift sum at which the working pressure
/// angle becomes 0.
[[nodiscard]] double limitingShiftSum(const GearPairData& g);

/// True when x1 + x2 lies beyond xmez (external: at or below, internal: at or above).
[[nodiscard]] bool shiftSumBeyondLimit(const GearPairData& g, double xmez);

/// The pre-check of the working angle: false with the message "Neexistuje řešení - součet
/// korekcí je menší než mezní - " + str(xmez:7:5) when the shift sum lies beyond xmez.
bool checkShiftSum(const GearPairData& g, Ui& ui);

/// awmin: the working centre distance at the shift sum xmez (signed as aw).
[[nodiscard]] double minimumCentreDistance(const GearPairData& g);

/// Tooth number z0 of the pinion-type cutter of an internal wheel, chosen from |z2|; nothing
/// for external toothing.
void chooseCutter(GearPairData& g);

/// Centre distance update: alfat, invalfat, xmez, invalfatw, alfatw and aw from the shift sum
/// (or, when aw was entered and `awFieldIsCurrent`, back to the zero-shift pair); clears
/// `awGiven`.
void updateCentreDistance(GearPairData& g, Ui& ui, bool awFieldIsCurrent = false);

/// Diameter update: betab, a, d, db, xs, k, addenda, dedenda, root diameters (of an internal
/// wheel from its cutter, chosen afresh), form dedenda of the tool, and the tip diameters
/// unless entered.
void updateDiameters(GearPairData& g, Ui& ui);

/// Form dedenda of the tools hFfP1*, hFfP2* and hFfP1, hFfP2 [mm] (ČSN 01 4686 basic rack:
/// addendum plus clearance of the mating gear, less the part taken by the root fillet; an
/// internal wheel is cut by a pinion-type cutter and keeps the whole ha1* + ca1*).
void updateFormDedenda(GearPairData& g);

}  // namespace soukoli
