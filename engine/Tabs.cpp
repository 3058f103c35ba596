// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The toothing switch and the preparations of the two calculation tabs, shared by the main
// window and soukoli-cli.
#include "engine/Tabs.h"

#include <algorithm>
#include <cmath>

#include "engine/Accuracy.h"
#include "engine/BasicGeometry.h"
#include "engine/FaceLoadFactor.h"
#include "engine/Loads.h"
#include "engine/TabsTables.h"

namespace soukoli {

namespace {

void markKHbetaEntered(GearPairData& g) { g.KHbetaFrom = KHbetaSource::Entered; }

}  // namespace

void resetToDefaults(GearPairData& g, Ui& ui) {
    setDefaults(g);
    updateCentreDistance(g, ui);
    updateDiameters(g, ui);
    lookupAllDeviations(g);
    // The defaults give both members of each pair; the derived one follows this pair's ratio
    // and diameter (an internal wheel of 60 teeth turns at a third of the pinion's speed).
    deriveLoads(g);
    deriveLives(g);
}

void startNewProject(GearPairData& g, Toothing type, Ui& ui) {
    g.TypSoukoli = type;
    resetToDefaults(g, ui);
    prepareFullTab(g);
}

void switchToothing(GearPairData& g, Toothing type, ToothingInputs inputs, Ui& ui) {
    g.TypSoukoli = type;
    g.MetodaVypoctu = 'A';
    switch (inputs) {
        case ToothingInputs::Reset:
            startNewProject(g, type, ui);
            break;
        case ToothingInputs::Keep:
            break;
    }
    markKHbetaEntered(g);
    g.KHbeta = 1.3;
}

void prepareFullTab(GearPairData& g) {
    g.Zjednoduseny = false;
    switch (g.KHbetaFrom) {
        case KHbetaSource::Entered: break;
        case KHbetaSource::FromBcal:
        case KHbetaSource::FromScheme:
        case KHbetaSource::None:
            if (const auto k = simplifiedSchemeKHbeta(g, g.SchemaIndex)) g.KHbeta = *k;
            break;
    }
    markKHbetaEntered(g);
    g.Ft1 = g.F1 * g.KAS;
}

void prepareSimplifiedTab(GearPairData& g) {
    g.Zjednoduseny = true;
    g.MetodaVypoctu = 'A';
    if (const auto s = simplifiedSchemeFor(g.Schema)) g.SchemaIndex = *s;
    if (g.SchemaIndex == 0 || g.SchemaIndex > kLastScheme) g.SchemaIndex = kFallbackScheme;
    switch (g.KHbetaFrom) {
        case KHbetaSource::FromBcal: computeKHbetaFromBcal(g); break;
        case KHbetaSource::Entered:
        case KHbetaSource::FromScheme:
        case KHbetaSource::None: break;
    }
    markKHbetaEntered(g);
    // KAS is at least 1 when entered through the loading dialog; a project file may hold 0.
    if (g.KAS != 0) g.F1 = g.Ft1 / g.KAS;
    // With torques the tab's force is entered as its torque, which the loads derive from.
    if (!g.SilyF) g.T1 = g.F1 * g.d1 / 2000;
}

std::optional<std::uint16_t> simplifiedSchemeFor(std::string_view label) {
    for (const auto& m : kSimplifiedSchemeOf)
        if (m.label == label) return m.simplified;
    return std::nullopt;
}

std::optional<double> simplifiedSchemeKHbeta(const GearPairData& g, int scheme) {
    if (scheme < 1 || scheme > static_cast<int>(kSimplifiedSchemes)) return std::nullopt;
    const double d1 = g.z1 * g.mn / std::cos(g.Beta);
    if (!(std::abs(d1) > 0) || !std::isfinite(d1)) return std::nullopt;
    const double psi = std::min(g.b1, g.b2) / d1;
    const bool hard = std::min(g.VHV1, g.VHV2) > kHardFlankHV;
    const SchemeCoefficients c = (hard ? kSchemeHard : kSchemeSoft)[static_cast<std::size_t>(scheme - 1)];
    return 1 + c.k1 * psi + c.k2 * psi * psi;
}

}  // namespace soukoli
