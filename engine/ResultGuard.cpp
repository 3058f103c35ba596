// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The result guard: one table of the shown results, each with its member, and the members of the
// numeric fields of the field table gathered once, so that a check reads members and looks up no
// name.
#include "engine/ResultGuard.h"

#include <array>
#include <cmath>
#include <variant>
#include <vector>

#include "engine/FieldTable.h"
#include "engine/StageGuard.h"

namespace soukoli {

namespace {

#define S(member, when) ShownResult{#member, when, &GearPairData::member}

constexpr auto B = ShownIn::Both;
constexpr auto F = ShownIn::FullOnly;
constexpr auto M = ShownIn::MethodB;

constexpr auto kShown = std::to_array<ShownResult>({
    // Bending: "OHYB", the results report and the printout
    S(SigmaF1, B), S(SigmaF2, B), S(SigmaFP1, B), S(SigmaFP2, B), S(SF1, B), S(SF2, B),
    S(SigmaFmax1, B), S(SigmaFmax2, B), S(SigmaFPmax1, B), S(SigmaFPmax2, B),
    S(KF, B), S(KFv, B), S(KFalfa, B), S(KFbeta, B), S(Yepsilon, B), S(Ybeta, B),
    S(YFS1, B), S(YFS2, B), S(YFa1, B), S(YFa2, B), S(YFe1, B), S(YFe2, B),
    S(YSa1, B), S(YSa2, B), S(YSe1, B), S(YSe2, B),
    S(YSarel1, F), S(YSarel2, F), S(YN1, F), S(YN2, F), S(YX1, F), S(YX2, F),
    S(Ydelta1, F), S(Ydelta2, F), S(YS1, F), S(YS2, F),
    S(YdeltaSt1, F), S(YdeltaSt2, F), S(YdeltaStT1, F), S(YdeltaStT2, F),
    S(KF1, M), S(KFv1, M), S(KFalfa1, M), S(KFbeta1, M),
    // Contact: "DOTYK"
    S(SigmaH1, B), S(SigmaH2, B), S(SigmaHP1, B), S(SigmaHP2, B), S(SH1, B), S(SH2, B),
    S(SigmaHmax1, B), S(SigmaHmax2, B), S(SigmaHPmax1, B), S(SigmaHPmax2, B),
    S(SigmaHO1, B), S(SigmaHO2, B), S(ZB, F), S(ZD, F),
    S(KH, B), S(KHv, B), S(KHalfa, B), S(KHbeta, B), S(KA, B), S(KAS, B),
    S(Zepsilon, B), S(ZH, B), S(ZN1, F), S(ZN2, F), S(ZE, B), S(Zbeta, B),
    S(KH1, M), S(KHv1, M), S(KHalfa1, M), S(KHbeta1, M),
    // Contact ratios of the printout and the informative row of the report
    S(Epsalfa, B), S(Epsbeta, B),
});

bool belongsToRun(ShownIn when, const GearPairData& g) {
    switch (when) {
        case ShownIn::Both: return true;
        case ShownIn::FullOnly: return !g.Zjednoduseny;
        case ShownIn::MethodB: return g.MetodaVypoctu == 'B';
    }
    return true;
}

// The numbers of the field table held as doubles, gathered on the first check: the other kinds
// (whole numbers, flags, options) cannot be anything but finite.
const std::vector<double GearPairData::*>& realMembers() {
    static const std::vector<double GearPairData::*> members = [] {
        std::vector<double GearPairData::*> m;
        for (const auto& f : numericFields())
            if (const auto* d = std::get_if<double GearPairData::*>(&f.member)) m.push_back(*d);
        return m;
    }();
    return members;
}

}  // namespace

std::span<const ShownResult> shownResults() { return kShown; }

bool resultsShowable(const GearPairData& g) {
    // The simplified calculation leaves the bodies, masses and dynamics of the full one alone:
    // what a stopped full run left there is not its business.
    if (!g.Zjednoduseny) {
        // x - x is 0 for a finite x and NaN otherwise: one test after the pass, no branch in it.
        double sum = 0;
        for (const auto member : realMembers()) sum += g.*member - g.*member;
        if (sum != 0) return false;
    }
    for (const auto& shown : kShown)
        if (belongsToRun(shown.when, g) && !(std::abs(g.*shown.member) <= kLargestShownResult)) return false;
    return true;
}

void guardResults(GearPairData& g, Ui& ui) {
    if (g.runFlag && !resultsShowable(g)) stopImpossiblePair(g, ui);
}

}  // namespace soukoli
