// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The deviations a run reads from the accuracy window. ČSN 01 4682 leaves some limiting
// deviations open ("nedefin." in that window); the user then has to enter the measured one. A run
// that needs such a deviation stops and says which, instead of taking 0, which would make the
// pair look more accurate than any grade and its safeties too high.
#pragma once

#include <string>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// The deviations the run needs and has neither as a limit nor as a measured value, as the
/// message lists them ("fpb1 (IT1 = 5), fpb2 (IT2 = 5)"); empty when nothing is missing.
/// Base pitch fpb1, fpb2 whenever a transverse load factor is computed; tooth alignment Fbeta1,
/// Fbeta2 and the axis deviations fx, fy when KHbeta comes from the layout scheme.
[[nodiscard]] std::string missingDeviations(const GearPairData& g);

/// Stops the run when missingDeviations is not empty: the message names them, the accuracy
/// window opens at the first measured field to fill in.
void checkDeviationsDefined(GearPairData& g, Ui& ui);

}  // namespace soukoli
