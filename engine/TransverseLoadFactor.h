// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Transverse load factors KHalfa, KFalfa after ČSN 01 4686 part 3 from the effective base-pitch
// deviation, its running-in allowance and the mesh stiffness; for method "B" also KHalfa1,
// KFalfa1 at the maximum load of the spectrum.
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// True when the run computes a transverse load factor (one of KHalfa, KFalfa, or for method
/// "B" KHalfa1, KFalfa1, is not entered directly): only then does it read the base pitch
/// deviations.
[[nodiscard]] bool transverseFactorsNeeded(const GearPairData& g);

/// fpbeff, yalfa1, yalfa2, yalfa and v.
void computeBasePitchAllowance(GearPairData& g);

/// The stage of the run: KHalfa and KFalfa unless entered, for FtH and KA·KHv·KHbeta. With
/// ČSN 01 4686 and EPSILONalfa ≥ 2 a factor still to be computed (for method "B" also KHalfa1,
/// KFalfa1) stops the run with the coefficients dialog. The method-B factors are not touched.
void computeTransverseFactors(GearPairData& g, Ui& ui);

/// The method-B stage: KHalfa1 and KFalfa1 unless entered, for FtH (the spectrum maximum) and
/// KHv1·KHbeta1, with the same stop.
void computeTransverseFactorsMaxLoad(GearPairData& g, Ui& ui);

}  // namespace soukoli
