// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The tooth-root factors dialog's computations: choosing the standard, the informative closed
// formulas, the chart range marks of ČSN 01 4686, the refresh and the grinding-wheel notch radius.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/ToothRootFactors.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;
using testing::RecordingUi;

void enterAllRootFactors(GearPairData& g) {
    g.YFa1Given = g.YFa2Given = g.YSa1Given = g.YSa2Given = g.YFS1Given = g.YFS2Given = true;
    g.YepsilonGiven = g.ZbetaGiven = true;
}

TEST(RootFactorsStandard, SwitchingClearsTheEnteredToothRootFactors) {
    GearPairData g = defaultPair();
    enterAllRootFactors(g);
    chooseStandard(g, Standard::DIN_B);
    EXPECT_EQ(g.standard, Standard::DIN_B);
    EXPECT_FALSE(g.YFa1Given || g.YFa2Given || g.YSa1Given || g.YSa2Given || g.YFS1Given || g.YFS2Given);
    EXPECT_FALSE(g.YepsilonGiven || g.ZbetaGiven);

    enterAllRootFactors(g);
    chooseStandard(g, Standard::CSN);
    EXPECT_EQ(g.standard, Standard::CSN);
    EXPECT_FALSE(g.YFa1Given || g.YSa2Given || g.YFS2Given);
    EXPECT_TRUE(g.YepsilonGiven && g.ZbetaGiven);  // entered through the informative panel of ČSN

    chooseStandard(g, Standard::DIN_C);
    EXPECT_EQ(g.standard, Standard::DIN_C);
    EXPECT_FALSE(g.YepsilonGiven || g.ZbetaGiven);
}

TEST(RootFactorsInformative, ClosedFormulas) {
    GearPairData g = defaultPair();
    g.sFn1 = 16;
    g.RoFn1 = 1;  // qs = 8
    g.sFn2 = 2;
    g.RoFn2 = 1;  // qs = 1
    g.Epsalfa = 1.6;
    g.Epsbeta = 1;
    g.Beta = 15 * std::numbers::pi / 180;
    InformativeRootFactors r = informativeRootFactors(g);
    EXPECT_NEAR(r.YSa1L, 2.44, 1e-12);
    EXPECT_NEAR(r.YSa2L, 1.22, 1e-12);
    EXPECT_NEAR(r.YepsL, 1 / 1.6, 1e-12);
    EXPECT_NEAR(r.ZbetaL, std::sqrt(std::cos(g.Beta)), 1e-12);
    g.Epsbeta = 0.99;
    r = informativeRootFactors(g);
    EXPECT_NEAR(r.YepsL, 0.25 + 0.75 / 1.6, 1e-12);
}

TEST(RootFactorsCharts, RangeLimitsAreInclusive) {
    GearPairData g = defaultPair();
    EXPECT_FALSE(outsideStressCharts(g, Gear::Pinion));
    EXPECT_FALSE(outsideStressCharts(g, Gear::Wheel));
    g.x1 = 1.4;
    EXPECT_FALSE(outsideStressCharts(g, Gear::Pinion));
    g.x1 = 1.5;
    EXPECT_TRUE(outsideStressCharts(g, Gear::Pinion));
    g.x1 = -0.4;
    EXPECT_FALSE(outsideStressCharts(g, Gear::Pinion));
    g.x1 = -0.41;
    EXPECT_TRUE(outsideStressCharts(g, Gear::Pinion));
    g.x1 = 0;
    g.Rof1_star = 0.381;
    EXPECT_FALSE(outsideStressCharts(g, Gear::Pinion));
    g.Rof1_star = 0.3811;
    EXPECT_TRUE(outsideStressCharts(g, Gear::Pinion));
    EXPECT_FALSE(outsideStressCharts(g, Gear::Wheel));
    g.Rof1_star = 0.38;
    g.Alfan = 15 * std::numbers::pi / 180;  // a 15° tool is never in the charts
    EXPECT_TRUE(outsideStressCharts(g, Gear::Pinion));
    EXPECT_TRUE(outsideStressCharts(g, Gear::Wheel));
    g.Alfan = 20.009 * std::numbers::pi / 180;
    EXPECT_FALSE(outsideStressCharts(g, Gear::Wheel));
    g.ca2_star = 0.3;  // tool addendum of the pinion 1.3
    EXPECT_TRUE(outsideStressCharts(g, Gear::Pinion));
    EXPECT_FALSE(outsideStressCharts(g, Gear::Wheel));
}

TEST(RootFactorsCharts, InternalWheelIsJudgedByTheBasicRack) {
    GearPairData g = defaultPair(Toothing::Internal);
    EXPECT_FALSE(outsideStressCharts(g, Gear::Wheel));
    g.x2 = 3;  // the shift of an internal wheel is no chart quantity
    EXPECT_FALSE(outsideStressCharts(g, Gear::Wheel));
    g.ca1_star = 0.26;
    EXPECT_TRUE(outsideStressCharts(g, Gear::Wheel));
    g.ca1_star = 0.25;
    g.ha1_star = 1.0011;
    EXPECT_TRUE(outsideStressCharts(g, Gear::Wheel));
}

TEST(RootFactorsRefresh, DefaultPairUnderEachStandard) {
    for (const Standard s : {Standard::CSN, Standard::DIN_B, Standard::DIN_C}) {
        GearPairData g = defaultPair();
        chooseStandard(g, s);
        RecordingUi ui;
        g.runFlag = false;
        const RootFactorsView v = refreshRootFactors(g, ui);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FALSE(g.runFlag);  // left as it was
        const bool dinB = s == Standard::DIN_B;
        EXPECT_EQ(v.YF1, dinB ? g.YFe1 : g.YFa1);
        EXPECT_EQ(v.YS2, dinB ? g.YSe2 : g.YSa2);
        EXPECT_EQ(v.hF1, dinB ? g.hFe1 : g.hFa1);
        EXPECT_GT(v.YF1, 1.5);
        EXPECT_LT(v.YF1, 4.0);
        EXPECT_GT(v.YS1, 1.2);
        EXPECT_LT(v.YS1, 2.5);
        EXPECT_DOUBLE_EQ(v.YFS1, v.YF1 * v.YS1);
        EXPECT_DOUBLE_EQ(g.YFS2, v.YF2 * v.YS2);
        EXPECT_EQ(v.qs1Shown, s != Standard::CSN);
        EXPECT_EQ(v.qs2Shown, s != Standard::CSN);
        EXPECT_FALSE(v.outsideChart1 || v.outsideChart2);
    }
}

TEST(RootFactorsRefresh, MarksValuesOutsideTheChartsWithoutAMessage) {
    GearPairData g = defaultPair();
    g.x1 = 1.5;
    RecordingUi ui;
    RootFactorsView v = refreshRootFactors(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.dialogs.empty());
    EXPECT_TRUE(v.outsideChart1);
    EXPECT_FALSE(v.outsideChart2);
    EXPECT_TRUE(std::isfinite(v.YF1));
    // An entered YSa1 is no chart value.
    g.YSa1Given = true;
    g.YSa1 = 2.0;
    v = refreshRootFactors(g, ui);
    EXPECT_FALSE(v.outsideChart1);
    EXPECT_EQ(v.YS1, 2.0);
}

TEST(RootFactorsRefresh, InternalWheelShowsItsNotchParameter) {
    GearPairData g = defaultPair(Toothing::Internal);
    RecordingUi ui;
    const RootFactorsView v = refreshRootFactors(g, ui);
    EXPECT_FALSE(v.qs1Shown);
    EXPECT_TRUE(v.qs2Shown);
    EXPECT_NEAR(g.qs2, g.sFn2 / (2 * g.RoFn2), 1e-12);
}

TEST(RootFactorsRefresh, EnteredProductStaysAsEntered) {
    GearPairData g = defaultPair();
    g.YFS1Given = true;
    g.YFS1 = 4.4;
    RecordingUi ui;
    const RootFactorsView v = refreshRootFactors(g, ui);
    EXPECT_EQ(v.YFS1, 4.4);
    EXPECT_EQ(g.YFS1, 4.4);
    EXPECT_DOUBLE_EQ(v.YFS2, v.YF2 * v.YS2);
}

TEST(RootFactorsInformative, AdoptingAValueEntersIt) {
    GearPairData g = defaultPair();
    RecordingUi ui;
    refreshRootFactors(g, ui);
    const InformativeRootFactors r = informativeRootFactors(g);
    g.YFS1Given = true;
    EXPECT_TRUE(adoptInformativeFactor(g, 1, true, r));
    EXPECT_TRUE(g.YSa1Given);
    EXPECT_FALSE(g.YFS1Given);
    EXPECT_EQ(g.YSa1, r.YSa1L);
    EXPECT_DOUBLE_EQ(g.YFS1, g.YFa1 * r.YSa1L);
    // Already entered: the value stays.
    g.YSa2Given = true;
    g.YSa2 = 1.777;
    EXPECT_TRUE(adoptInformativeFactor(g, 2, true, r));
    EXPECT_EQ(g.YSa2, 1.777);
    EXPECT_TRUE(adoptInformativeFactor(g, 2, false, r));
    EXPECT_FALSE(g.YSa2Given);
    EXPECT_TRUE(adoptInformativeFactor(g, 3, true, r));
    EXPECT_EQ(g.Yepsilon, r.YepsL);
    EXPECT_TRUE(g.YepsilonGiven);
    EXPECT_TRUE(adoptInformativeFactor(g, 4, true, r));
    EXPECT_EQ(g.Zbeta, r.ZbetaL);
    InformativeRootFactors broken = r;
    broken.ZbetaL = std::nan("");
    g.ZbetaGiven = false;
    EXPECT_FALSE(adoptInformativeFactor(g, 4, true, broken));
    EXPECT_FALSE(g.ZbetaGiven);
}

// ρa0g: a number ≥ 0 (0 included), and only for a gear with a notch depth; each refusal says why.
TEST(GrindingWheelNotch, EdgeRadiusIsTakenForAGearWithANotch) {
    struct Case {
        Gear gear;
        double tg1, tg2, Roa0g;
        std::int32_t parseStatus;
        bool accepted;
        const char* mentions;  // in the refusal message
    };
    const Case cases[] = {
        {Gear::Pinion, 0.1, 0, 0.5, 0, true, ""},   {Gear::Pinion, 0.1, 0, 0, 0, true, ""},
        {Gear::Pinion, 0.1, 0, -0.5, 0, false, "Neplatné"}, {Gear::Pinion, 0.1, 0, 0.5, 3, false, "Neplatné"},
        {Gear::Pinion, 0, 0.1, 0.5, 0, false, "tg1"}, {Gear::Wheel, 0.1, 0, 0.5, 0, false, "tg2"},
        {Gear::Wheel, 0, 0.1, 0.5, 0, true, ""},
    };
    for (const auto& c : cases) {
        GearPairData g = defaultPair();
        g.tg1 = c.tg1;
        g.tg2 = c.tg2;
        const FieldEntry e = judgeGrindingWheelRadius(g, c.gear, c.Roa0g, c.parseStatus);
        EXPECT_EQ(e.accepted(), c.accepted) << c.Roa0g << " " << c.tg1 << " " << c.tg2;
        if (!c.accepted) {
            EXPECT_NE(e.message.find(c.mentions), std::string::npos) << e.message;
        }
    }
}

TEST(GrindingWheelNotch, RadiusFromTheEdgeRadiusOfTheWheel) {
    GearPairData g = defaultPair();
    g.tg1 = 0.1;
    g.Rog1 = 0;
    RecordingUi ui;
    computeNotchFromGrindingWheel(g, ui, Gear::Pinion, 0.5);
    EXPECT_TRUE(ui.messages.empty());
    // The root fillet construction with the edge radius in place of the tool tip radius.
    EXPECT_NEAR(g.Rog1, g.RoFn1 - g.Rof1_star * g.mn + 0.5, 1e-9);
    EXPECT_NEAR(g.YSarel1, 1.3 / (1.3 - 0.6 * std::sqrt(0.1 / g.Rog1)), 1e-12);
    EXPECT_FALSE(g.runFlag);

    // Without the edge radius the entered notch radius stays; the factor follows it.
    g.Rog2 = 0.6;
    g.tg2 = 0.15;
    computeNotchFromGrindingWheel(g, ui, Gear::Wheel, std::nullopt);
    EXPECT_EQ(g.Rog2, 0.6);
    EXPECT_NEAR(g.YSarel2, 1.3 / (1.3 - 0.6 * 0.5), 1e-12);

    // An internal wheel takes half the edge radius.
    GearPairData i = defaultPair(Toothing::Internal);
    i.tg2 = 0.1;
    computeNotchFromGrindingWheel(i, ui, Gear::Wheel, 0.8);
    EXPECT_EQ(i.Rog2, 0.4);
}

}  // namespace
}  // namespace soukoli
