// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What the tooth-root factors dialog ("YFa1,2     YSa1,2") and the grinding-notch dialog
// compute without widgets: the choice of the calculation standard, the tooth-root factors of the
// current geometry as that standard gives them, the informative closed formulas of the lower
// panel, and the notch radius from the grinding wheel's edge radius.
#pragma once

#include <optional>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// Chooses the standard and clears the directly entered tooth-root factors (YFa, YSa, YFS of both
/// gears); the DIN-ISO standards also clear the entered YSa from the informative panel, Yepsilon
/// and Zbeta.
void chooseStandard(GearPairData& data, Standard standard);

/// The informative values of the lower panel: YSaL = 1.22·qs^(1/3) with qs = sFn/(2·RoFn),
/// YepsL = 1/Epsalfa for Epsbeta ≥ 1 (else 0.25 + 0.75/Epsalfa), ZbetaL = √(cos β).
struct InformativeRootFactors {
    double YSa1L = 0, YSa2L = 0, YepsL = 0, ZbetaL = 0;
};
[[nodiscard]] InformativeRootFactors informativeRootFactors(const GearPairData& data);

/// The tooth-root quantities as the dialog shows them after a refresh.
struct RootFactorsView {
    double YF1 = 0, YF2 = 0;      // YFe (DIN - ISO B) or YFa
    double YS1 = 0, YS2 = 0;      // YSe or YSa
    double YFS1 = 0, YFS2 = 0;
    double hF1 = 0, hF2 = 0;      // hFe (DIN - ISO B) or hFa
    bool outsideChart1 = false;   // ČSN 01 4686: YSa1 and YFS1 shown as " - - -"
    bool outsideChart2 = false;
    bool qs1Shown = false;        // qs is no quantity of the ČSN charts
    bool qs2Shown = false;
};

/// Whether a gear lies outside the charts of ČSN 01 4686 part 3 (figures 12, 13; for an internal
/// wheel the basic rack of table 8). Limits are inclusive.
[[nodiscard]] bool outsideStressCharts(const GearPairData& data, Gear gear);

/// The helix and contact-ratio factors, then the tooth form and stress correction of both gears
/// under the current standard (the chart range checks skipped: the dialog marks such values
/// itself), and YFS = YF·YS unless YFS is entered directly. The run flag is left as it was.
RootFactorsView refreshRootFactors(GearPairData& data, Ui& ui);

/// Check box "--->ČSN" of the informative panel: 1 YSa1, 2 YSa2, 3 Yepsilon, 4 Zbeta. Checking it
/// adopts the informative value as entered directly (YSa also renews YFS = YFa·YSa); unchecking
/// clears the mark. Checking a factor that is already entered leaves it. False (nothing changed)
/// when the informative value is no finite number.
bool adoptInformativeFactor(GearPairData& data, int box, bool checked, const InformativeRootFactors& values);

/// The grinding-notch dialog's rule for the edge radius ρa0g of the grinding wheel, read as `Roa0g`
/// with the number conversion's `parseStatus`: a number ≥ 0, for a gear with a notch (tg1 or tg2
/// not 0), since without one there is no notch radius to compute.
[[nodiscard]] FieldEntry judgeGrindingWheelRadius(const GearPairData& data, Gear gear, double Roa0g,
                                                  std::int32_t parseStatus);

/// The grinding-notch dialog's computation for one gear: the tooth form, then the notch factor,
/// with the notch radius from the grinding wheel's edge radius `Roa0g` when it is given. The run
/// flag is left as it was.
void computeNotchFromGrindingWheel(GearPairData& data, Ui& ui, Gear gear, std::optional<double> Roa0g);

}  // namespace soukoli
