// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Stress correction factors of the tooth root: YSe (load at the outer point of single tooth
// contact, DIN 3990 method B), YSa (load at the tip, DIN 3990 method C and ČSN 01 4686). The ČSN
// values come from the fitted charts of ČSN 01 4686 part 3, figures 12 and 13.
#pragma once

#include "engine/GearPairData.h"
#include "engine/StressCorrectionTables.h"
#include "engine/Ui.h"

namespace soukoli {

/// (1.2 + 0.13·L)·qs^(1/(1.21 + 2.3/L)), DIN 3990 part 3.
[[nodiscard]] double closedFormStressCorrection(double qs, double L);

/// One fitted chart at profile shift x and virtual number of teeth zv (x exactly 0 leaves the
/// correction sum out).
[[nodiscard]] double stressChartValue(const StressChart& chart, double x, double zv);

/// YSa of an internal wheel under ČSN 01 4686 outside 1 ≤ qs ≤ 8 (ČSN 01 4686 part 3, table 8).
[[nodiscard]] double internalWheelStressCorrection(double Rof2_star);

/// The stress correction factor of one gear under the current standard (written unless it was
/// entered directly), with qs and L. The range checks of the ČSN charts, with their messages and
/// the coefficients dialog, are made only while the tooth-root factors dialog is not the active
/// window (`rootFactorsDialogActive` false); a failing check clears the run flag.
void computeStressCorrection(GearPairData& data, Ui& ui, Gear gear, bool rootFactorsDialogActive);

}  // namespace soukoli
