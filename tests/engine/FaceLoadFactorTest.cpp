// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The face load factor: KHbeta from bcal at its boundaries, and from the layout schemes with the
// shaft deflection (sign change, the functions g and h), limit or measured deviations, the
// running-in allowance, the hardness coefficient and the limits 1 and 2.5.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/FaceLoadFactor.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::DialogRequest;
using testing::RecordingUi;

// The default pair (d1 = 80, d2 = 160, b = 60, 20°, spur) at 4000 N, hardened flanks, scheme
// "2" (number 3) with bearings 200 mm apart, shafts of 40 mm and the gears in the middle.
GearPairData schemePair() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.d1 = 80;
    g.d2 = 160;
    g.b = 60;
    g.alfat = g.Alfan;
    g.betab = 0;
    g.FtH = 4000;
    g.cs = 0.8 / 0.06145325;
    g.SigmaHlim1 = g.SigmaHlim2 = 1270;
    g.KHbetaFrom = KHbetaSource::FromScheme;
    g.SchemaIndex = 3;
    g.lw1 = g.lw2 = 200;
    g.dsh1 = g.dsh2 = 40;
    g.runFlag = true;
    return g;
}

TEST(FaceLoadFactor, FromTheCalculationWidth) {
    GearPairData g = schemePair();
    g.bcal = 60;
    computeKHbetaFromBcal(g);
    EXPECT_DOUBLE_EQ(g.KHbeta, 2);
    g.bcal = 240;
    computeKHbetaFromBcal(g);
    EXPECT_DOUBLE_EQ(g.KHbeta, 8.0 / 7);
    g.bcal = 30;  // 4, lowered to 2.5
    computeKHbetaFromBcal(g);
    EXPECT_EQ(g.KHbeta, 2.5);
    g.bcal = 50;  // 2·60/50
    computeKHbetaFromBcal(g);
    EXPECT_DOUBLE_EQ(g.KHbeta, 2.4);
    g.bcal = 0;  // no band at all (a damaged project): the upper limit, not a division by zero
    computeKHbetaFromBcal(g);
    EXPECT_EQ(g.KHbeta, 2.5);
}

TEST(FaceLoadFactor, WorkedSchemeWithGearsBetweenTheBearings) {
    GearPairData g = schemePair();
    RecordingUi ui;
    computeKHbetaFromScheme(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    // S1 = S2 = 0: fsh = (b/d1)²·0.0155·w + (b/d2)²·0.0155·w with w = 4000/60.
    EXPECT_DOUBLE_EQ(g.fsh, 0.7265625);
    EXPECT_EQ(g.fma, 0);
    EXPECT_NEAR(g.ybeta, 0.075 * 2 * 0.7265625 / std::cos(g.alfat), 1e-12);
    EXPECT_NEAR(g.Fbx, 0.61058375, 1e-8);
    EXPECT_NEAR(g.Wbeta, 5.4497652, 1e-7);
    EXPECT_NEAR(g.KHbeta, 1.0448154, 1e-7);

    // Scheme "1": the wheel's term has the opposite sign.
    g.SchemaIndex = 1;
    computeKHbetaFromScheme(g, ui);
    EXPECT_DOUBLE_EQ(g.fsh, 0.58125 - 0.1453125);
}

TEST(FaceLoadFactor, FurtherGearOnTheShaftAndTheSignOfItsTerm) {
    GearPairData g = schemePair();
    g.s2 = 40;
    g.lw2 = 160;  // S2 = 0.25
    g.dsh2 = 80;
    g.dII = 80;  // q2 = 2
    RecordingUi ui;
    // Scheme "3": K2 = g(2, 0.25) = -1.505, X2 = -6.02, so G2 turns positive.
    g.SchemaIndex = 5;
    computeKHbetaFromScheme(g, ui);
    EXPECT_NEAR(g.fsh, 1.39790625, 1e-12);
    // Scheme "7": K2 = h(2, 0.25) = 0.505, X2 = 2.02, K1 = 1.3.
    g.SchemaIndex = 9;
    computeKHbetaFromScheme(g, ui);
    EXPECT_NEAR(g.fsh, 0.14240625, 1e-12);
    // Scheme "8": the pinion shaft carries a further gear too (q1 = 2, S1 = 0.25).
    g.SchemaIndex = 10;
    g.s1 = 50;
    g.dI = 40;
    computeKHbetaFromScheme(g, ui);
    EXPECT_NEAR(g.fsh, 22.4536875, 1e-9);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FaceLoadFactor, LimitOrMeasuredDeviations) {
    GearPairData g = schemePair();
    g.Fbeta1 = 10;
    g.Fbeta2 = 4;
    g.fx = 8;
    g.fy = 3;
    RecordingUi ui;
    computeKHbetaFromScheme(g, ui);
    // All four limit deviations: √((tan αt·fx)² + (0.7·Fβ1)² + (0.7·Fβ2)² + fy²)·cos αt.
    EXPECT_NEAR(g.fma, 8.1009111, 1e-7);
    EXPECT_NEAR(g.Fbx, g.fsh + g.fma - g.ybeta, 1e-12);

    // fx measured: the measured sum, the other three at their limit values.
    g.fxGiven = false;
    g.fxr = 5;
    computeKHbetaFromScheme(g, ui);
    EXPECT_NEAR(g.fma, 8.4758876, 1e-7);
    EXPECT_NEAR(g.Fbx, std::abs(g.fsh - g.fma) - g.ybeta, 1e-12);
    EXPECT_GT(g.KHbeta, 1);
    EXPECT_LT(g.KHbeta, 2.5);

    // A large misalignment: lowered to 2.5.
    g.fyr = 100;
    g.fyGiven = false;
    computeKHbetaFromScheme(g, ui);
    EXPECT_EQ(g.KHbeta, 2.5);
}

TEST(FaceLoadFactor, HardnessCoefficientAndLowerLimit) {
    GearPairData g = schemePair();
    g.VHV2 = 300;  // one gear soft: 0.35
    RecordingUi ui;
    computeKHbetaFromScheme(g, ui);
    ASSERT_GT(g.Fbx, 0);
    EXPECT_NEAR((g.KHbeta - 1) * g.Wbeta / g.Fbx, 0.35, 1e-12);

    g.VHV1 = 360;  // 360 is not hardened: both soft, 0.3
    computeKHbetaFromScheme(g, ui);
    EXPECT_NEAR((g.KHbeta - 1) * g.Wbeta / g.Fbx, 0.3, 1e-12);

    // A running-in allowance larger than the misalignment: Fbx < 0 and KHbeta = 1.
    g.SigmaHlim1 = g.SigmaHlim2 = 100;
    computeKHbetaFromScheme(g, ui);
    EXPECT_LT(g.Fbx, 0);
    EXPECT_EQ(g.KHbeta, 1);
}

TEST(FaceLoadFactor, SchemeOutsideTheTableLeavesKHbeta) {
    for (const std::uint16_t scheme : {0, 11}) {
        GearPairData g = schemePair();
        g.SchemaIndex = scheme;
        g.KHbeta = 1.37;
        RecordingUi ui;
        computeKHbetaFromScheme(g, ui);
        EXPECT_EQ(g.KHbeta, 1.37);
        EXPECT_TRUE(g.runFlag);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(FaceLoadFactor, MissingSchemeDimensionStopsTheRun) {
    const DialogRequest faceLoad{DialogId::FaceLoad, Modality::Modal};
    {
        GearPairData g = schemePair();
        g.dsh1 = 0;
        g.KHbeta = 1.37;
        RecordingUi ui;
        computeKHbetaFromScheme(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(g.KHbeta, 1.37);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Rozměr dsh1 musí být větší než 0"});
        EXPECT_EQ(ui.dialogs, std::vector{faceLoad});
    }
    {
        GearPairData g = schemePair();
        g.SchemaIndex = 5;  // needs dII
        RecordingUi ui;
        computeKHbetaFromScheme(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Rozměr dII musí být větší než 0"});
    }
    {
        GearPairData g = schemePair();
        g.s1 = 101;  // lw1 < 2·s1
        RecordingUi ui;
        computeKHbetaFromScheme(g, ui);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{
                                  "Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1"});
    }
}

TEST(FaceLoadFactor, RunStageFollowsTheSource) {
    GearPairData g = schemePair();
    RecordingUi ui;
    g.KHbetaFrom = KHbetaSource::Entered;
    g.KHbeta = 1.7;
    computeRunFaceLoadFactor(g, ui);
    EXPECT_EQ(g.KHbeta, 1.7);
    g.KHbetaFrom = KHbetaSource::FromBcal;
    g.bcal = 60;
    computeRunFaceLoadFactor(g, ui);
    EXPECT_EQ(g.KHbeta, 2);
    g.KHbetaFrom = KHbetaSource::FromScheme;
    computeRunFaceLoadFactor(g, ui);
    EXPECT_NEAR(g.KHbeta, 1.0448154, 1e-7);
}

}  // namespace
}  // namespace soukoli
