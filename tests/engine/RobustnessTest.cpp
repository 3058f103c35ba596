// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Any input, however odd, either stops the run with a message or ends with finite results: a
// seeded random walk over the inputs of the data set (zeros, negatives, huge values, every
// option), each case run through the full and the simplified calculation.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cmath>
#include <cstdio>
#include <random>
#include <string_view>

#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/Tabs.h"
#include "engine/BasicGeometry.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

constexpr std::array<std::string_view, 34> kShownResults = {
    "SigmaF1", "SigmaF2", "SigmaFP1", "SigmaFP2", "SF1", "SF2", "SigmaFmax1", "SigmaFmax2", "SigmaFPmax1",
    "SigmaFPmax2", "SigmaH1", "SigmaH2", "SigmaHP1", "SigmaHP2", "SH1", "SH2", "SigmaHmax1", "SigmaHmax2",
    "SigmaHPmax1", "SigmaHPmax2", "KF", "KH", "KFv", "KHv", "KFalfa", "KHalfa", "KFbeta", "KHbeta",
    "YFS1", "YFS2", "ZB", "ZD", "ZH", "ZE"};

// Inputs a user can give, with a typical value to scatter around.
constexpr std::array<std::string_view, 40> kInputs = {
    "z1", "z2", "mn", "Alfan", "Beta", "x1", "x2", "ha1*", "ha2*", "ca1*", "ca2*", "Rof1*", "Rof2*",
    "b1", "b2", "bs1", "bs2", "sr1", "sr2", "sd1", "sd2", "dh1", "dh2", "db", "F1", "T1", "Ft1", "n1",
    "NK1", "NK2", "KA", "KAS", "VHV1", "VHV2", "E1", "Ny1", "qF1", "qH2", "bcal", "fpb1"};

double oddValue(std::mt19937& rng, double typical) {
    switch (std::uniform_int_distribution<int>(0, 7)(rng)) {
        case 0: return 0;
        case 1: return -typical;
        case 2: return typical * 1e6;
        case 3: return typical * 1e-6;
        default: return typical * std::uniform_real_distribution<double>(0.2, 3.0)(rng);
    }
}

TEST(Robustness, AnyInputStopsOrGivesFiniteResults) {
    std::mt19937 rng(20261208);
    int finished = 0, stopped = 0;
    const int cases = std::getenv("SOUKOLI_ROBUSTNESS_CASES") ? std::atoi(std::getenv("SOUKOLI_ROBUSTNESS_CASES")) : 1500;
    for (int n = 0; n < cases; ++n) {
        RecordingUi ui;
        GearPairData g;
        g.TypSoukoli = rng() % 4 == 0 ? Toothing::Internal : Toothing::External;
        resetToDefaults(g, ui);
        const int changes = 1 + static_cast<int>(rng() % 4);
        for (int c = 0; c < changes; ++c) {
            const auto& field = *findNumericField(kInputs[rng() % kInputs.size()]);
            const double typical = readField(g, field) == 0 ? 1 : readField(g, field);
            (void)writeField(g, field, oddValue(rng, typical));
        }
        g.MetodaVypoctu = rng() % 3 == 0 ? 'B' : 'A';
        if (g.MetodaVypoctu == 'B') g.ZadaniSil = static_cast<std::uint16_t>(1 + rng() % 3);
        g.standard = rng() % 3 == 0 ? Standard::DIN_B : rng() % 2 ? Standard::DIN_C : Standard::CSN;
        if (rng() % 3 == 0) {
            g.KHbetaFrom = KHbetaSource::FromBcal;
        }
        // What a dialog or a project load recomputes after such entries.
        updateCentreDistance(g, ui);
        updateDiameters(g, ui);
        g.srmin = 3.5 * g.mn;
        g.sR1 = g.sr1;
        g.sR2 = g.sr2;

        const bool simplified = rng() % 3 == 0;
        if (simplified) prepareSimplifiedTab(g);
        simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
        if (!g.runFlag) {
            ++stopped;
            EXPECT_FALSE(ui.messages.empty() && ui.rimWarnings.empty() && ui.dialogs.empty())
                << "case " << n << ": a run stopped without telling the user why";
            continue;
        }
        ++finished;
        for (const auto name : kShownResults)
            EXPECT_TRUE(std::isfinite(readField(g, *findNumericField(name)))) << "case " << n << ": " << name;
    }
    std::printf("%d runs finished, %d stopped\n", finished, stopped);
    EXPECT_GT(finished, 300);
    EXPECT_GT(stopped, 100);
}

}  // namespace
}  // namespace soukoli
