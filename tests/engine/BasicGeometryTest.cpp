// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Basic geometry: the default pairs in both toothing types, the involute solver, the limiting
// shift sum with its message, the cutter of an internal wheel and the entered tip diameters.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/BasicGeometry.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

constexpr double kDeg = std::numbers::pi / 180;

GearPairData defaults(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    return g;
}

void recompute(GearPairData& g, RecordingUi& ui) {
    updateCentreDistance(g, ui);
    updateDiameters(g, ui);
}

TEST(BasicGeometry, DefaultExternalPair) {
    GearPairData g = defaults();
    RecordingUi ui;
    recompute(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NEAR(g.a, 120, 1e-12);
    EXPECT_NEAR(g.aw, 120, 1e-9);
    EXPECT_NEAR(g.alfatw, 20 * kDeg, 1e-10);
    EXPECT_NEAR(g.d1, 80, 1e-12);
    EXPECT_NEAR(g.d2, 160, 1e-12);
    EXPECT_NEAR(g.db1, 80 * std::cos(20 * kDeg), 1e-12);
    EXPECT_NEAR(g.df1, 70, 1e-12);
    EXPECT_NEAR(g.df2, 150, 1e-12);
    EXPECT_NEAR(g.da1, 88, 1e-8);
    EXPECT_NEAR(g.da2, 168, 1e-8);
    EXPECT_NEAR(g.k, 0, 1e-9);
    EXPECT_NEAR(g.ha1, 4, 1e-8);
    EXPECT_NEAR(g.hf2, 5, 1e-12);
    // 1.25 − (1 − sin 20°)·0.38 of the ČSN basic rack
    EXPECT_NEAR(g.hFfP1_star, 1.25 - (1 - std::sin(20 * kDeg)) * 0.38, 1e-15);
    EXPECT_NEAR(g.hFfP2, 4 * g.hFfP2_star, 1e-15);
    EXPECT_FALSE(g.awGiven);
}

TEST(BasicGeometry, HelicalPairUsesTransverseValues) {
    GearPairData g = defaults();
    g.Beta = 15 * kDeg;
    RecordingUi ui;
    recompute(g, ui);
    EXPECT_NEAR(g.alfat, std::atan(std::tan(20 * kDeg) / std::cos(15 * kDeg)), 1e-15);
    EXPECT_NEAR(g.alfat / kDeg, 20.646896, 1e-6);
    EXPECT_NEAR(g.betab, std::asin(std::sin(15 * kDeg) * std::cos(20 * kDeg)), 1e-15);
    EXPECT_NEAR(g.d1, 80 / std::cos(15 * kDeg), 1e-12);
    EXPECT_NEAR(g.aw, 120 / std::cos(15 * kDeg), 1e-8);
}

TEST(BasicGeometry, RatioAndVirtualToothNumbersFollowTheTeethAndHelix) {
    GearPairData g = defaults();
    g.z1 = 23;
    g.z2 = 61;
    g.Beta = 15 * kDeg;
    RecordingUi ui;
    recompute(g, ui);
    EXPECT_DOUBLE_EQ(g.u, 61.0 / 23.0);
    // zv = z/cos³β = 23/0.9659258³ = 25.5209
    EXPECT_NEAR(g.zv1, 25.5209, 1e-4);
    EXPECT_NEAR(g.zv2, 61 / std::pow(std::cos(15 * kDeg), 3), 1e-12);

    GearPairData in = defaults(Toothing::Internal);
    recompute(in, ui);
    EXPECT_EQ(in.u, -3);
    EXPECT_EQ(in.zv2, -60);
}

TEST(BasicGeometry, InternalPairTakesItsRootFromTheCutter) {
    GearPairData g = defaults(Toothing::Internal);
    g.z0 = 99;  // stale
    RecordingUi ui;
    recompute(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(g.z0, 35);
    EXPECT_NEAR(g.a, -80, 1e-12);
    EXPECT_NEAR(g.aw, -80, 1e-9);
    EXPECT_NEAR(g.d2, -240, 1e-12);
    EXPECT_NEAR(g.db2, -240 * std::cos(20 * kDeg), 1e-12);
    // a0w = (35 − 60)·4/2 at zero shift, da0 = 2·4·(35/2 + 1.25), df2 = 2·a0w − da0
    EXPECT_NEAR(g.alfa0w, 20 * kDeg, 1e-10);
    EXPECT_NEAR(g.a0w, -50, 1e-9);
    EXPECT_NEAR(g.da0, 150, 1e-12);
    EXPECT_NEAR(g.df2, -250, 1e-8);
    EXPECT_NEAR(g.da1, 88, 1e-8);
    EXPECT_NEAR(g.da2, -232, 1e-8);
    EXPECT_NEAR(g.hFfP2_star, 1.25, 1e-15);  // pinion-type cutter: no fillet share
}

TEST(BasicGeometry, CutterFollowsEveryChangeOfZ2) {
    GearPairData g = defaults(Toothing::Internal);
    RecordingUi ui;
    g.z2 = -22;
    recompute(g, ui);
    EXPECT_EQ(g.z0, 15);
    // Shifted cutter: the root follows a0w at the cutter's working angle.
    g.z2 = -60;
    g.x2 = 0.3;
    recompute(g, ui);
    EXPECT_EQ(g.z0, 35);
    const double alfat = 20 * kDeg;
    const double v = std::tan(alfat) - alfat + 2 * std::tan(alfat) * 0.3 / (35 - 60);
    EXPECT_NEAR(std::tan(g.alfa0w) - g.alfa0w, v, 1e-11);
    EXPECT_NEAR(g.a0w, -50 * std::cos(alfat) / std::cos(g.alfa0w), 1e-9);
    EXPECT_NEAR(g.df2, 2 * g.a0w - 150, 1e-9);
}

TEST(BasicGeometry, CutterTableAndItsBoundaries) {
    const std::pair<double, double> rows[] = {
        {-120, 35}, {-50, 35}, {-49.5, 30}, {-45, 30}, {-44, 25}, {-40, 25}, {-39, 23}, {-35, 23},
        {-34, 20},  {-30, 20}, {-29, 18},   {-25, 18}, {-24, 15}, {-20, 15}, {-19, 13}, {-18, 13},
        {-17, 10},  {-15, 10}, {-14, 12},   {-6, 4},
    };
    for (const auto& [z2, z0] : rows) {
        GearPairData g = defaults(Toothing::Internal);
        g.z2 = z2;
        chooseCutter(g);
        EXPECT_EQ(g.z0, z0) << "z2 = " << z2;
    }
    GearPairData g = defaults();
    g.z2 = 22;
    chooseCutter(g);
    EXPECT_EQ(g.z0, 35);  // external: no cutter
}

TEST(BasicGeometry, EnteredTipDiameterSurvivesTheUpdate) {
    GearPairData g = defaults();
    g.da1 = 90.5;
    g.da1Given = true;
    RecordingUi ui;
    recompute(g, ui);
    EXPECT_EQ(g.da1, 90.5);
    EXPECT_NEAR(g.da2, 168, 1e-8);
    g.da2 = 170;
    g.da2Given = true;
    g.da1Given = false;
    g.x1 = 0.2;
    recompute(g, ui);
    EXPECT_EQ(g.da2, 170);
    EXPECT_NEAR(g.da1, 2 * (g.aw - 1) - g.df2, 1e-12);
}

TEST(BasicGeometry, ShiftedPairMovesTheCentreAndShortensTheTips) {
    GearPairData g = defaults();
    g.x1 = 0.5;
    g.x2 = 0.3;
    RecordingUi ui;
    recompute(g, ui);
    const double alfan = 20 * kDeg;
    // inv αtw = 2·tan αn·xs/(z1 + z2) + inv αn, aw = a·cos αn / cos αtw
    EXPECT_NEAR(std::tan(g.alfatw) - g.alfatw, 2 * std::tan(alfan) * 0.8 / 60 + std::tan(alfan) - alfan, 1e-11);
    EXPECT_NEAR(g.aw, 120 * std::cos(alfan) / std::cos(g.alfatw), 1e-12);
    EXPECT_GT(g.aw, 120);
    EXPECT_LT(g.aw, 120 + 0.8 * 4);  // a + xs·mn is reached only without tip shortening
    EXPECT_NEAR(g.k, 0.8 - (g.aw - 120) / 4, 1e-12);
    EXPECT_GT(g.k, 0);
    EXPECT_NEAR(g.df1, 80 - 2 * (1.25 - 0.5) * 4, 1e-12);
    EXPECT_NEAR(g.da1, 2 * (g.aw - 1) - g.df2, 1e-12);
}

TEST(InvoluteSolver, InvertsTheInvoluteAcrossItsRange) {
    for (const double alpha : {0.01, 0.1, 20 * kDeg, 0.5, 1.0, 1.3, 1.45}) {
        const double v = std::tan(alpha) - alpha;
        const double found = solveInvolute(v);
        EXPECT_NEAR(std::tan(found) - found, v, 1e-11) << alpha;
        EXPECT_NEAR(found, alpha, 1e-6) << alpha;
    }
    EXPECT_EQ(solveInvolute(0), 0);
    EXPECT_EQ(solveInvolute(-0.01), 0);
    EXPECT_EQ(solveInvolute(std::tan(1.5) - 1.5 + 0.1), 0);  // beyond 1.5 rad
    EXPECT_EQ(solveInvolute(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(solveInvolute(std::numeric_limits<double>::infinity()), 0);
}

TEST(LimitingShiftSum, ExternalSumAtTheLimitIsRejected) {
    GearPairData g = defaults();
    const double xmez = limitingShiftSum(g);
    EXPECT_NEAR(xmez, -1.2284837437917193, 1e-13);
    EXPECT_NEAR(minimumCentreDistance(g), 120 * std::cos(20 * kDeg), 1e-6);
    for (const double x1 : {xmez, xmez - 0.1}) {
        g.x1 = x1;
        g.alfatw = 0.3;  // from an earlier run
        RecordingUi ui;
        updateCentreDistance(g, ui);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Neexistuje řešení - součet korekcí je menší než mezní - -1.22848"});
        EXPECT_EQ(g.alfatw, 0.3);
    }
    g.x1 = xmez + 1e-6;
    RecordingUi ui;
    updateCentreDistance(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GT(g.alfatw, 0);
    EXPECT_LT(g.alfatw, 0.02);
}

TEST(LimitingShiftSum, InternalSumAtTheLimitIsRejected) {
    GearPairData g = defaults(Toothing::Internal);
    const double xmez = limitingShiftSum(g);
    EXPECT_NEAR(xmez, 0.8189891625278128, 1e-13);
    EXPECT_NEAR(minimumCentreDistance(g), -80 * std::cos(20 * kDeg), 1e-6);
    for (const double x2 : {xmez, xmez + 0.5}) {
        g.x2 = x2;
        RecordingUi ui;
        EXPECT_FALSE(checkShiftSum(g, ui));
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Neexistuje řešení - součet korekcí je menší než mezní - 0.81899"});
    }
    g.x2 = xmez - 1e-6;
    RecordingUi ui;
    updateCentreDistance(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GT(g.alfatw, 0);
    EXPECT_LT(g.aw, -75);  // |aw| above awmin
}

TEST(CentreDistance, EnteredDistanceReturnsToZeroShiftOnlyFromItsOwnField) {
    GearPairData g = defaults();
    g.aw = 122;
    g.x1 = g.x2 = 0.25;
    g.awGiven = true;
    RecordingUi ui;
    updateCentreDistance(g, ui, true);
    EXPECT_EQ(g.aw, 120);
    EXPECT_EQ(g.x1, 0);
    EXPECT_EQ(g.x2, 0);
    EXPECT_FALSE(g.awGiven);

    g.x1 = g.x2 = 0.25;
    g.awGiven = true;
    updateCentreDistance(g, ui, false);
    EXPECT_GT(g.aw, 121);
    EXPECT_EQ(g.x1, 0.25);
    EXPECT_FALSE(g.awGiven);
}

}  // namespace
}  // namespace soukoli
