// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Stress correction factors: the DIN closed formula, the two ČSN charts with their selection and
// interpolation by rof*, the range checks and their messages (skipped while the tooth-root factors
// dialog is active), and the rules of the internal wheel.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/StressCorrection.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;
using testing::DialogRequest;
using testing::RecordingUi;

const DialogRequest kCoefficientsModal{DialogId::Coefficients, Modality::Modal};

GearPairData csnPair() {
    GearPairData g = defaultPair();
    g.runFlag = true;
    return g;
}

double ySa1(GearPairData g, double rof) {
    g.Rof1_star = rof;
    RecordingUi ui;
    computeStressCorrection(g, ui, Gear::Pinion, false);
    EXPECT_TRUE(g.runFlag) << rof;
    return g.YSa1;
}

TEST(StressCorrection, ClosedFormula) {
    // (1.2 + 0.13·1)·2^(1/(1.21 + 2.3)) = 1.33·2^(1/3.51)
    EXPECT_NEAR(closedFormStressCorrection(2, 1), 1.620374, 1e-6);
    EXPECT_NEAR(closedFormStressCorrection(1, 0.5), 1.265, 1e-12);
}

TEST(StressCorrection, ChartAtZeroShiftIsTheFirstSumAlone) {
    // Set A, x = 0, zv = 20 by hand: Σ (a_i·ln 20 + b_i)·0.95^(3−i) = 1.634906.
    EXPECT_NEAR(stressChartValue(kChartRof020, 0, 20), 1.6349060, 1e-7);
    // Any shift, however small, adds the second sum with its constant terms T1[i][3].
    const double l = std::log(20.0);
    const double constantTerms =
        1.0 * -0.027062 * (0.20051 * l * l - 1.452808 * l + 2.5065986) +
        (1.0 / 81) * 56 * (-0.028853 * l * l + 0.29341 * l - 0.722182);
    EXPECT_NEAR(stressChartValue(kChartRof020, 1e-12, 20) - stressChartValue(kChartRof020, 0, 20), constantTerms,
                1e-9);
}

TEST(StressCorrection, ChartChosenOrInterpolatedByToolRadius) {
    const GearPairData g = csnPair();
    const double yA = stressChartValue(kChartRof020, 0, 20), yB = stressChartValue(kChartRof038, 0, 20);
    EXPECT_DOUBLE_EQ(ySa1(g, 0.2), yA);
    EXPECT_DOUBLE_EQ(ySa1(g, 0.2005), yA);
    EXPECT_DOUBLE_EQ(ySa1(g, 0.38), yB);
    EXPECT_NEAR(ySa1(g, 0.29), (yA + yB) / 2, 1e-12);
    // 0.381 passes the range check but lies outside the window of set B: interpolated.
    EXPECT_NEAR(ySa1(g, 0.381), yA + (yB - yA) * 0.181 / 0.18, 1e-12);
    EXPECT_NE(ySa1(g, 0.381), yB);
}

TEST(StressCorrection, ShiftRangeStopsPinionWithoutDialogAndWheelWithIt) {
    for (const double x : {1.4, -0.4}) {
        GearPairData g = csnPair();
        g.x1 = x;
        RecordingUi ui;
        computeStressCorrection(g, ui, Gear::Pinion, false);
        EXPECT_TRUE(g.runFlag) << x;
        EXPECT_TRUE(ui.messages.empty());
    }
    GearPairData g = csnPair();
    g.x1 = 1.4001;
    g.YSa1 = 0.5;
    RecordingUi ui;
    computeStressCorrection(g, ui, Gear::Pinion, false);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(g.YSa1, 0.5);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{
                              "Pro tak velkou korekci pastorku nelze numericky řešit součinitel YSa1\r(ČSN 01 4686, "
                              "část 3, strana 28).\r\rZadej součinitel YSa1 přímo."});
    EXPECT_TRUE(ui.dialogs.empty());

    g = csnPair();
    g.x2 = -0.41;
    RecordingUi wheelUi;
    computeStressCorrection(g, wheelUi, Gear::Wheel, false);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(wheelUi.texts(), std::vector<std::string>{
                                   "Pro tak velkou korekci kola nelze numericky řešit součinitel YSa2\r(ČSN 01 4686, "
                                   "část 3, strana 28).\r\rZadej součinitel YSa2 přímo."});
    EXPECT_EQ(wheelUi.dialogs, std::vector{kCoefficientsModal});
}

TEST(StressCorrection, AtypicalToolStops) {
    const std::string pinionTool =
        "Atypický nástroj pro pastorek (viz ČSN 01 4686, díl 3,obr.12-13).\r\rJe nutno zadat součinitel YSa1 "
        "přímo v zadáni (nebo změnit nástroj).";
    const auto run = [](GearPairData g, Gear gear) {
        RecordingUi ui;
        computeStressCorrection(g, ui, gear, false);
        EXPECT_EQ(g.runFlag, ui.messages.empty());
        if (!ui.messages.empty()) {
            EXPECT_EQ(ui.dialogs, std::vector{kCoefficientsModal});
        }
        return ui.texts();
    };
    GearPairData g = csnPair();
    g.Alfan = 20.009 * std::numbers::pi / 180;
    EXPECT_TRUE(run(g, Gear::Pinion).empty());
    g.Alfan = 20.011 * std::numbers::pi / 180;
    EXPECT_EQ(run(g, Gear::Pinion), std::vector{pinionTool});
    g = csnPair();
    g.ca2_star = 0.3;  // ha01* = 1.3
    EXPECT_EQ(run(g, Gear::Pinion), std::vector{pinionTool});
    g.ca1_star = 0.2;  // ha02* = 1.2
    EXPECT_EQ(run(g, Gear::Wheel),
              std::vector<std::string>{"Atypický nástroj pro kolo (viz ČSN 01 4686, díl 3,obr.12-13).\r\rJe nutno "
                                       "zadat součinitel YSa2 přímo v zadáni (nebo změnit nástroj)."});
    g = csnPair();
    g.Rof1_star = 0.1989;
    EXPECT_EQ(run(g, Gear::Pinion),
              std::vector<std::string>{"Atypický nástroj pro pastorek (viz ČSN 01 4686, díl 3,obr.12-13),\r(rof1* je "
                                       "mimo interval 0.2 *mn až 0.38*mn).\r\rJe nutno zadat součinitel YSa1 přímo "
                                       "v zadáni (nebo změnit nástroj)."});
    g.Rof2_star = 0.3811;
    EXPECT_EQ(run(g, Gear::Wheel),
              std::vector<std::string>{"Atypický nástroj pro kolo (viz ČSN 01 4686, díl 3,obr.12-13),\r(rof2* je mimo "
                                       "interval 0.2 *mn až 0.38*mn).\r\rJe nutno zadat součinitel YSa2 přímo v "
                                       "zadáni (nebo změnit nástroj)."});
}

TEST(StressCorrection, DialogActiveSkipsChecksAndExtrapolates) {
    GearPairData g = csnPair();
    g.Rof1_star = 0.47;
    g.x1 = 1.6;
    RecordingUi ui;
    computeStressCorrection(g, ui, Gear::Pinion, true);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    const double yA = stressChartValue(kChartRof020, 1.6, 20), yB = stressChartValue(kChartRof038, 1.6, 20);
    EXPECT_NEAR(g.YSa1, yA + (yB - yA) * 0.27 / 0.18, 1e-12);
}

TEST(StressCorrection, EnteredFactorIsKept) {
    GearPairData g = csnPair();
    g.YSa1Given = true;
    g.YSa1 = 1.77;
    RecordingUi ui;
    computeStressCorrection(g, ui, Gear::Pinion, false);
    EXPECT_EQ(g.YSa1, 1.77);
}

TEST(StressCorrection, InternalWheel) {
    GearPairData g = defaultPair(Toothing::Internal);
    g.runFlag = true;
    g.RoFn2 = 0.5;
    g.hFa2 = 8;
    g.Rof2_star = 0.25;
    RecordingUi ui;
    // qs = 8 exactly: closed formula with L = sFn/hFa.
    g.sFn2 = 8.0;
    computeStressCorrection(g, ui, Gear::Wheel, false);
    EXPECT_DOUBLE_EQ(g.qs2, 8.0);
    EXPECT_NEAR(g.YSa2, closedFormStressCorrection(8.0, 1.0), 1e-12);
    // qs = 8.01: table 8, 5.76·0.0625 − 6.328·0.25 + 4.037 = 2.815.
    g.sFn2 = 8.01;
    computeStressCorrection(g, ui, Gear::Wheel, false);
    EXPECT_NEAR(g.YSa2, 2.815, 1e-12);
    EXPECT_TRUE(ui.messages.empty());

    // Outside the table: the tool radius first, then the tool.
    g.Rof2_star = 0.45;
    computeStressCorrection(g, ui, Gear::Wheel, false);
    EXPECT_FALSE(g.runFlag);
    g.runFlag = true;
    g.Rof2_star = 0.25;
    g.Alfan = 25 * std::numbers::pi / 180;
    computeStressCorrection(g, ui, Gear::Wheel, false);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "Atypický nástroj pro kolo (viz ČSN 01 4686, díl 3, tab.8)\r(rof2* je mimo interval "
                              "0.2 *mn az 0.38*mn)\r\rJe nutno zadat součinitel YSa2 přímo v zadáni (nebo změnit "
                              "nástroj).",
                              "Atypické vnitřní ozubení (viz ČSN 01 4686, díl 3, poznamka pod tab.8)\r\rJe nutno "
                              "zadat součinitel YSa2 přímo v zadáni (nebo změnit nástroj)"}));
    EXPECT_EQ(ui.dialogs, (std::vector{kCoefficientsModal, kCoefficientsModal}));

    // While the dialog is active the table applies without a word.
    g.runFlag = true;
    RecordingUi quiet;
    computeStressCorrection(g, quiet, Gear::Wheel, true);
    EXPECT_TRUE(g.runFlag);
    EXPECT_NEAR(g.YSa2, 2.815, 1e-12);
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(StressCorrection, DinMethodsUseTheirMomentArm) {
    GearPairData g = defaultPair();
    g.standard = Standard::DIN_B;
    g.sFn1 = 8;
    g.RoFn1 = 2;
    g.hFe1 = 8;
    g.hFa1 = 16;
    g.YSa1 = 0.1;
    RecordingUi ui;
    computeStressCorrection(g, ui, Gear::Pinion, false);
    EXPECT_DOUBLE_EQ(g.qs1, 2);
    EXPECT_NEAR(g.YSe1, 1.620374, 1e-6);
    EXPECT_EQ(g.YSa1, 0.1);
    g.standard = Standard::DIN_C;
    computeStressCorrection(g, ui, Gear::Pinion, false);
    EXPECT_NEAR(g.YSa1, closedFormStressCorrection(2, 0.5), 1e-12);
    // No range limit on qs under DIN.
    g.RoFn1 = 0.01;
    computeStressCorrection(g, ui, Gear::Pinion, false);
    EXPECT_DOUBLE_EQ(g.qs1, 400);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace soukoli
