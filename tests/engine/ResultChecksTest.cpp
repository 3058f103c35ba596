// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The pass/fail rules of the results, at their boundaries.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ResultChecks.h"

namespace soukoli {
namespace {

GearPairData passingResults() {
    GearPairData g;
    g.SigmaF1 = g.SigmaF2 = 300;
    g.SigmaFP1 = g.SigmaFP2 = 400;
    g.SigmaFmax1 = g.SigmaFmax2 = 600;
    g.SigmaFPmax1 = g.SigmaFPmax2 = 1000;
    g.SigmaH1 = g.SigmaH2 = 900;
    g.SigmaHP1 = g.SigmaHP2 = 1200;
    g.SigmaHmax1 = g.SigmaHmax2 = 1300;
    g.SigmaHPmax1 = g.SigmaHPmax2 = 2600;
    g.SF1 = g.SF2 = 1.33;
    g.SH1 = g.SH2 = 1.33;
    return g;
}

TEST(ResultChecks, StressEqualToItsLimitAndSafetyOfOneFail) {
    EXPECT_FALSE(stressFails(399.9, 400));
    EXPECT_TRUE(stressFails(400, 400));
    EXPECT_TRUE(stressFails(std::nan(""), 400));
    EXPECT_FALSE(safetyFails(1.0001));
    EXPECT_TRUE(safetyFails(1.0));
    EXPECT_TRUE(safetyFails(std::nan("")));

    EXPECT_FALSE(anyCheckFails(passingResults()));
    GearPairData g = passingResults();
    g.SigmaHmax2 = g.SigmaHPmax2;
    EXPECT_TRUE(anyCheckFails(g));
    g = passingResults();
    g.SF2 = 1;
    EXPECT_TRUE(anyCheckFails(g));
}

}  // namespace
}  // namespace soukoli
