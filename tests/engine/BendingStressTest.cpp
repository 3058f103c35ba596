// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Bending side: KFbeta and NF, YN caps, Ydelta by material and treatment, the root stresses per
// standard, the simplified calculation, the static stage, and the internal/DIN stop.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/BendingStress.h"
#include "engine/ContactStress.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;
using testing::RecordingUi;

GearPairData runnable(Toothing type = Toothing::External) {
    GearPairData g = defaultPair(type);
    g.runFlag = true;
    return g;
}

TEST(BendingStage, FaceLoadExponent) {
    GearPairData g = defaultPair();
    g.Beta = 0.2;
    g.b = 2 * g.mn;  // r = 1
    EXPECT_DOUBLE_EQ(faceLoadExponent(g), 1.0 / 3);
    g.Beta = 0;
    g.Epsalfa = 1.5;  // h = 2·mn/1.5, r = 1.5
    EXPECT_DOUBLE_EQ(faceLoadExponent(g), 2.25 / 4.75);
}

TEST(BendingStage, KFbetaFromKHbetaOrEnteredOrSimplified) {
    GearPairData g = runnable();
    g.KHbeta = 1.3;
    RecordingUi ui;
    runBendingStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_DOUBLE_EQ(g.KFbeta, std::pow(1.3, faceLoadExponent(g)));
    EXPECT_DOUBLE_EQ(g.KF, g.KFbeta);  // KA = KFv = KFalfa = 1

    g.Zjednoduseny = true;
    runBendingStage(g, ui);
    EXPECT_EQ(g.KFbeta, 1.3);

    g.KFbetaGiven = true;
    g.KFbeta = 1.05;
    runBendingStage(g, ui);
    EXPECT_EQ(g.KFbeta, 1.05);
}

TEST(BendingStage, LifeFactorCaps) {
    // (3e6/NK)^(1/9) = 3.0 → 2.5; 2.0 stays, nitrided 1.6.
    EXPECT_DOUBLE_EQ(lifeFactor(3e6, 3e6 / std::pow(3.0, 9), 9, 2.5, 1.6, false), 2.5);
    EXPECT_NEAR(lifeFactor(3e6, 3e6 / std::pow(2.0, 9), 9, 2.5, 1.6, false), 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(lifeFactor(3e6, 3e6 / std::pow(2.0, 9), 9, 2.5, 1.6, true), 1.6);

    GearPairData g = runnable();
    g.Zpracovani1 = kNitrided;
    g.NK1 = 3e6 / std::pow(2.0, 9);
    g.NK2 = 3e6 / std::pow(2.0, 9);
    RecordingUi ui;
    runBendingStage(g, ui);
    EXPECT_DOUBLE_EQ(g.YN1, 1.6);
    EXPECT_NEAR(g.YN2, 2.0, 1e-12);
}

TEST(BendingStage, NotchSensitivityByMaterialAndTreatment) {
    GearPairData g = defaultPair();
    g.YSarel1 = 1;
    g.RoFn1 = 2.3;  // χ = 1, so Ydelta = 1 + 10^q
    g.Rm1 = 635;
    g.Re1 = 360;
    g.Material1 = "42 2306";
    EXPECT_NEAR(notchSensitivity(g, Gear::Pinion), 1 + std::pow(10.0, -0.27 - 0.2), 1e-12);
    g.Material1 = "42 2750";
    EXPECT_NEAR(notchSensitivity(g, Gear::Pinion), 1 + std::pow(10.0, -0.37 - 0.1), 1e-12);
    g.Material1 = "12 050";
    g.Zpracovani1 = 4;
    EXPECT_NEAR(notchSensitivity(g, Gear::Pinion), 1 + std::pow(10.0, -0.72), 1e-12);
    g.Zpracovani1 = 2;
    g.Re1 = 350;
    EXPECT_NEAR(notchSensitivity(g, Gear::Pinion), 1 + std::pow(10.0, -0.47 - 0.4), 1e-12);
    // χ enters with the power p.
    g.RoFn1 = 2.3 / 4;
    EXPECT_NEAR(notchSensitivity(g, Gear::Pinion), 1 + std::pow(4.0, 0.55) * std::pow(10.0, -0.87), 1e-12);
}

TEST(BendingStage, RootStressesPerStandard) {
    GearPairData g = runnable();
    RecordingUi ui;
    runBendingStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    const double unit1 = 4000.0 / (60 * 4) * g.KF * g.Ybeta;
    EXPECT_DOUBLE_EQ(g.YFS1, g.YFa1 * g.YSa1 * g.YSarel1);
    EXPECT_NEAR(g.SigmaF1, unit1 * g.YFS1 * g.Yepsilon, 1e-9);
    EXPECT_NEAR(g.SigmaFP1, g.SigmaFlimb1 * g.YN1 * g.Ydelta1, 1e-9);
    EXPECT_NEAR(g.SF1, g.SigmaFP1 / g.SigmaF1, 1e-12);

    // DIN B: YFe·YSe, and Yepsilon (1 there) left out of SigmaF.
    g.standard = Standard::DIN_B;
    g.Yepsilon = 0.5;
    runBendingStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_DOUBLE_EQ(g.YFS2, g.YFe2 * g.YSe2 * g.YSarel2);
    EXPECT_NEAR(g.SigmaF2, 4000.0 / (60 * 4) * g.KF * g.Ybeta * g.YFS2, 1e-9);

    // An entered YFS is used as it is.
    g.YFS1Given = true;
    g.YFS1 = 4.4;
    runBendingStage(g, ui);
    EXPECT_EQ(g.YFS1, 4.4);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(BendingStage, SimplifiedUsesTheLimitAsPermissible) {
    GearPairData g = runnable();
    g.Zjednoduseny = true;
    g.SigmaFlimb1 = 700;
    g.SigmaFlimb2 = 650;
    g.YN1Given = true;
    g.YN1 = 1.4;
    RecordingUi ui;
    runBendingStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_EQ(g.SigmaFP1, 700);
    EXPECT_EQ(g.SigmaFP2, 650);
    EXPECT_EQ(g.YN1, 1);
    EXPECT_EQ(g.Ydelta2, 1);
    runStaticBendingStage(g, ui);
    EXPECT_DOUBLE_EQ(g.SigmaFPmax1, 0.8 * 2.5 * 700);
}

// Under DIN - ISO the driver refuses an internal pair before any stage (DriverTest).
TEST(BendingStage, InternalPairUnderCsn) {
    GearPairData g = runnable(Toothing::Internal);
    RecordingUi ui;
    runBendingStage(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(StaticBendingStage, StrengthAndNotchSensitivityByTreatment) {
    GearPairData g = defaultPair();
    g.Epsalfa = 1.5;  // 0.2·1.5 + 0.8 = 1.1
    g.YSa1 = g.YSa2 = 2;
    g.YSarel1 = g.YSarel2 = 1;
    g.YX1 = g.YX2 = 1;
    g.Material1 = g.Material2 = "12 050";
    g.Re1 = g.Re2 = 300;
    g.SigmaF1 = g.SigmaF2 = 100;
    RecordingUi ui;
    const auto check = [&](std::uint16_t group, double YdeltaSt, double YdeltaStT) {
        g.Zpracovani1 = group;
        runStaticBendingStage(g, ui);
        EXPECT_NEAR(g.YS1, 2.2, 1e-12);
        EXPECT_NEAR(g.YdeltaSt1, YdeltaSt, 1e-12) << group;
        EXPECT_EQ(g.YdeltaStT1, YdeltaStT) << group;
        EXPECT_DOUBLE_EQ(g.SigmaFSt1, 700 * (group == kNitrided ? 1.6 : 2.5));
        EXPECT_NEAR(g.SigmaFPmax1, g.SigmaFSt1 * YdeltaSt / YdeltaStT, 1e-9);
    };
    check(2, 1 + 0.82 * 1.2, 1.5);                                     // (300/Re)^(1/4) = 1
    check(0, 1 + 0.93 * 1.2 * std::pow(200.0 / 300, 0.25), 1.6);
    check(7, 0.27 * 2.2 + 0.72, 1.2);
    check(8, 0.27 * 2.2 + 0.72, 1.2);
    check(5, 0.77 * 2.2 + 0.22, 1.6);
    g.Material1 = "42 2307";
    check(5, 1 + 0.82 * 1.2, 1.5);
    g.Material1 = "42 2306";
    check(5, 1.0, 1.0);
}

TEST(StaticBendingStage, DinBUsesYSeAndMaximumStressByMethod) {
    GearPairData g = defaultPair();
    g.standard = Standard::DIN_B;
    g.Epsalfa = 1.5;
    g.YSa1 = 9;  // stale under DIN B
    g.YSe1 = 2;
    g.YSarel1 = 1;
    g.SigmaF1 = 100;
    g.SigmaF2 = 50;
    g.KF = 1.25;
    g.KF1 = 2.5;
    RecordingUi ui;
    runStaticBendingStage(g, ui);
    EXPECT_NEAR(g.YS1, 2.2, 1e-12);
    EXPECT_DOUBLE_EQ(g.SigmaFmax1, 100 * 8000.0 / 4000);  // letter A: Ft1/FtF
    g.MetodaVypoctu = 'B';
    runStaticBendingStage(g, ui);
    EXPECT_DOUBLE_EQ(g.SigmaFmax2, 50 * 2 * 2.5 / 1.25);  // letter B: also KF1/KF
}

}  // namespace
}  // namespace soukoli
