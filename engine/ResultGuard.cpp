// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The result guard: one table of the shown results and one pass over the field table.
#include "engine/ResultGuard.h"

#include <array>
#include <cmath>

#include "engine/FieldTable.h"
#include "engine/StageGuard.h"

namespace soukoli {

namespace {

constexpr auto B = ShownIn::Both;
constexpr auto F = ShownIn::FullOnly;
constexpr auto M = ShownIn::MethodB;

constexpr auto kShown = std::to_array<ShownResult>({
    // Bending: "OHYB", the results report and the printout
    {"SigmaF1", B}, {"SigmaF2", B}, {"SigmaFP1", B}, {"SigmaFP2", B}, {"SF1", B}, {"SF2", B},
    {"SigmaFmax1", B}, {"SigmaFmax2", B}, {"SigmaFPmax1", B}, {"SigmaFPmax2", B},
    {"KF", B}, {"KFv", B}, {"KFalfa", B}, {"KFbeta", B}, {"Yepsilon", B}, {"Ybeta", B},
    {"YFS1", B}, {"YFS2", B}, {"YFa1", B}, {"YFa2", B}, {"YFe1", B}, {"YFe2", B},
    {"YSa1", B}, {"YSa2", B}, {"YSe1", B}, {"YSe2", B},
    {"YSarel1", F}, {"YSarel2", F}, {"YN1", F}, {"YN2", F}, {"YX1", F}, {"YX2", F},
    {"Ydelta1", F}, {"Ydelta2", F}, {"YS1", F}, {"YS2", F},
    {"YdeltaSt1", F}, {"YdeltaSt2", F}, {"YdeltaStT1", F}, {"YdeltaStT2", F},
    {"KF1", M}, {"KFv1", M}, {"KFalfa1", M}, {"KFbeta1", M},
    // Contact: "DOTYK"
    {"SigmaH1", B}, {"SigmaH2", B}, {"SigmaHP1", B}, {"SigmaHP2", B}, {"SH1", B}, {"SH2", B},
    {"SigmaHmax1", B}, {"SigmaHmax2", B}, {"SigmaHPmax1", B}, {"SigmaHPmax2", B},
    {"SigmaHO1", B}, {"SigmaHO2", B}, {"ZB", F}, {"ZD", F},
    {"KH", B}, {"KHv", B}, {"KHalfa", B}, {"KHbeta", B}, {"KA", B}, {"KAS", B},
    {"Zepsilon", B}, {"ZH", B}, {"ZN1", F}, {"ZN2", F}, {"ZE", B}, {"Zbeta", B},
    {"KH1", M}, {"KHv1", M}, {"KHalfa1", M}, {"KHbeta1", M},
    // Contact ratios of the printout and the informative row of the report
    {"Epsalfa", B}, {"Epsbeta", B},
});

bool belongsToRun(ShownIn when, const GearPairData& g) {
    switch (when) {
        case ShownIn::Both: return true;
        case ShownIn::FullOnly: return !g.Zjednoduseny;
        case ShownIn::MethodB: return g.MetodaVypoctu == 'B';
    }
    return true;
}

}  // namespace

std::span<const ShownResult> shownResults() { return kShown; }

bool resultsShowable(const GearPairData& g) {
    // The simplified calculation leaves the bodies, masses and dynamics of the full one alone:
    // what a stopped full run left there is not its business.
    if (!g.Zjednoduseny)
        for (const auto& f : numericFields())
            if (!std::isfinite(readField(g, f))) return false;
    for (const auto& shown : kShown) {
        if (!belongsToRun(shown.when, g)) continue;
        const NumericField* f = findNumericField(shown.name);
        if (!f) continue;
        const double v = readField(g, *f);
        if (!(std::abs(v) <= kLargestShownResult)) return false;
    }
    return true;
}

void guardResults(GearPairData& g, Ui& ui) {
    if (g.runFlag && !resultsShowable(g)) stopImpossiblePair(g, ui);
}

}  // namespace soukoli
