// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Tooth form factors: the auxiliary-angle search (first points, scan step and end, bisection,
// negative roots, failure), the ČSN construction checked against DIN 3990 method C where the two
// coincide, the internal wheel, direct entries and impossible geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/ToothForm.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;
using testing::DialogRequest;
using testing::RecordingUi;

TEST(AuxiliaryAngleSearch, StartsAtMinus008AndBisectsTheFirstBracket) {
    std::vector<double> points;
    int sa = 0, sb = 0;
    const auto result = searchAuxiliaryAngle(
        [&](double x) {
            points.push_back(x);
            return x - 0.01;
        },
        sa, sb);
    ASSERT_GE(points.size(), 2u);
    EXPECT_DOUBLE_EQ(points[0], -0.08);
    EXPECT_DOUBLE_EQ(points[1], 0.02);
    EXPECT_EQ(result.outcome, AngleSearchOutcome::Root);
    EXPECT_NEAR(result.angle, 0.01, 1e-6);
}

TEST(AuxiliaryAngleSearch, ScansInTenthsAndNeverPastOneAndAHalf) {
    std::vector<double> points;
    int sa = 0, sb = 0;
    const auto result = searchAuxiliaryAngle(
        [&](double x) {
            points.push_back(x);
            return 1.0;
        },
        sa, sb);
    EXPECT_EQ(result.outcome, AngleSearchOutcome::NotFound);
    // Pairs (a, b) = (−0.08, 0.02), (0.02, 0.12) ... (1.32, 1.42); the next b, 1.52, is not evaluated.
    ASSERT_EQ(points.size(), 30u);
    EXPECT_NEAR(points[3], 0.12, 1e-12);
    EXPECT_NEAR(*std::max_element(points.begin(), points.end()), 1.42, 1e-12);
}

TEST(AuxiliaryAngleSearch, NegativeRootIsKeptUnlessALaterRootReplacesIt) {
    int sa = 0, sb = 0;
    auto result = searchAuxiliaryAngle([](double x) { return x + 0.05; }, sa, sb);
    EXPECT_EQ(result.outcome, AngleSearchOutcome::NegativeRootOnly);
    EXPECT_NEAR(result.angle, -0.05, 1e-6);

    result = searchAuxiliaryAngle([](double x) { return (x + 0.05) * (x - 0.5); }, sa, sb);
    EXPECT_EQ(result.outcome, AngleSearchOutcome::Root);
    EXPECT_NEAR(result.angle, 0.5, 1e-5);
}

TEST(AuxiliaryAngleSearch, AJumpInsteadOfARootEndsTheSearch) {
    int sa = 0, sb = 0;
    const auto result = searchAuxiliaryAngle([](double x) { return x < 0.3 ? -1.0 : 1.0; }, sa, sb);
    EXPECT_EQ(result.outcome, AngleSearchOutcome::NotFound);
}

TEST(ToothForm, FailedSearchAsksForTheFactorsAndStoresTheFallback) {
    GearPairData g = defaultPair();
    g.runFlag = true;
    g.zv1 = 1;  // no root between −0.08 and 1.5 rad
    g.YFa1 = 2.2;
    RecordingUi ui;
    computeToothForm(g, ui, Gear::Pinion);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{
                              "Výpočtem nelze stanovit pomocný úhel FIe (ČSN 01 4686,vzorec 65).\r\rNelze proto "
                              "výpočtem stanovit YFa1 a YFa2 (viz ČSN 01 4686,část 3,obr.6-8).\rZadej tyto "
                              "součinitele přímo."});
    EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Coefficients, Modality::Modeless}}));
    EXPECT_DOUBLE_EQ(g.RoFn1, 0.38 * 4);
    EXPECT_DOUBLE_EQ(g.hFa1, 8);
    EXPECT_EQ(g.YFa1, 2.2);
}

TEST(ToothForm, CsnAgreesWithDinMethodCOnASpurPair) {
    // For a spur gear the construction of formula 65 and that of DIN 3990 method C describe the
    // same critical section (FIe = 60° − θ) and the same load at the tip.
    for (const double x : {0.0, 0.3, -0.2}) {
        GearPairData csn = defaultPair();
        csn.runFlag = true;
        csn.x1 = x;
        csn.da1 = 80 + 2 * 4 * (1 + x);
        csn.x2 = -x;
        csn.da2 = 160 + 2 * 4 * (1 - x);
        GearPairData din = csn;
        din.standard = Standard::DIN_C;
        RecordingUi ui;
        for (const Gear gear : {Gear::Pinion, Gear::Wheel}) {
            computeToothForm(csn, ui, gear);
            computeToothForm(din, ui, gear);
        }
        ASSERT_TRUE(csn.runFlag && din.runFlag);
        EXPECT_NEAR(csn.FIe1, std::numbers::pi / 3 - din.FIe1, 1e-5) << x;
        EXPECT_NEAR(csn.sFn1, din.sFn1, 1e-4) << x;
        EXPECT_NEAR(csn.RoFn1, din.RoFn1, 1e-4) << x;
        EXPECT_NEAR(csn.hFa1, din.hFa1, 1e-4) << x;
        EXPECT_NEAR(csn.YFa1, din.YFa1, 1e-4) << x;
        EXPECT_NEAR(csn.YFa2, din.YFa2, 1e-4) << x;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(ToothForm, DefaultPairMatchesTheChartsOfTheStandard) {
    // Tip-load form factors of a 20° rack (ha0* = 1.25, rho* = 0.38) at x = 0, read from the charts
    // of DIN 3990 part 3 / ČSN 01 4686 part 3: about 2.80 for z = 20 and 2.40 for z = 40.
    GearPairData g = defaultPair();
    g.runFlag = true;
    RecordingUi ui;
    computeToothForm(g, ui, Gear::Pinion);
    computeToothForm(g, ui, Gear::Wheel);
    EXPECT_NEAR(g.YFa1, 2.80, 0.01);
    EXPECT_NEAR(g.YFa2, 2.40, 0.01);
    EXPECT_DOUBLE_EQ(g.ha01_star, 1.25);
    EXPECT_DOUBLE_EQ(g.Ac1, (1.25 - 0.38) * 4);
}

TEST(ToothForm, EnteredFormFactorStillGivesTheRootGeometry) {
    GearPairData g = defaultPair();
    g.runFlag = true;
    g.YFa1Given = true;
    g.YFa1 = 3.1;
    RecordingUi ui;
    computeToothForm(g, ui, Gear::Pinion);
    EXPECT_EQ(g.YFa1, 3.1);
    EXPECT_GT(g.sFn1, 0);
    EXPECT_GT(g.hFa1, 0);
    EXPECT_GT(g.RoFn1, 0);
}

TEST(ToothForm, InternalWheelUnderCsn) {
    GearPairData g = defaultPair(Toothing::Internal);
    g.runFlag = true;
    RecordingUi ui;
    computeToothForm(g, ui, Gear::Wheel);
    // By hand: sFn2/mn = 2·(π/4 + 1.05·tan 20° + 0.2/cos 20° − 0.2·cos 30°) = 2.414395;
    // h* = (−232 + 250)/8 = 2.25; hFa2/mn = 2.25 − tan 20°·(π/4 − tan 20°) − 0.2·0.5 = 1.996613.
    EXPECT_NEAR(g.sFn2, 4 * 2.414395, 1e-5);
    EXPECT_DOUBLE_EQ(g.RoFn2, 0.4);  // Rof2*·mn/2
    EXPECT_NEAR(g.hFa2, 4 * 1.996613, 1e-5);
    EXPECT_NEAR(g.YFa2, 6 * 1.996613 / (2.414395 * 2.414395), 1e-5);
    EXPECT_DOUBLE_EQ(g.alfaFan2, g.Alfan);

    // A tool without tip radius takes the fillet of the generated root.
    g.Rof2_star = 0;
    computeToothForm(g, ui, Gear::Wheel);
    const double an = g.Alfan;
    EXPECT_NEAR(g.RoFn2,
                4 * std::abs(0.5 * -60 * std::sin(an) + 0.5 * std::cos(an) * (g.sFn2 + 60 * (an - std::numbers::pi / 6))),
                1e-9);
    EXPECT_TRUE(ui.messages.empty());

    // Under DIN the internal wheel gets nothing.
    g.standard = Standard::DIN_B;
    g.sFn2 = -1;
    computeToothForm(g, ui, Gear::Wheel);
    EXPECT_EQ(g.sFn2, -1);
}

TEST(ToothForm, TipInsideTheBaseCircleStopsTheRun) {
    for (const bool csn : {true, false}) {
        GearPairData g = defaultPair();
        g.runFlag = true;
        g.standard = csn ? Standard::CSN : Standard::DIN_C;
        g.da1 = 70;  // below db1 = 75.2
        RecordingUi ui;
        computeToothForm(g, ui, Gear::Pinion);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Výpočet nelze dokončit, nemožné parametry soukolí."});
    }
}

}  // namespace
}  // namespace soukoli
