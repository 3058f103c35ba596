// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Loads of the run and the equivalent loads of method "B": the level method of a step spectrum
// (weights up to NL, the crossing step, the wheel's cycles), the load forms and units, and the
// load-spectrum classes with their interpolation in q.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Loads.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

GearPairData defaults() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.d1 = 80;
    return g;
}

// Four steps 4000/2000/1000/500 N ending at 1e6, 2.5e6, 5e6 and 1e8 cycles: bending (NL = 3e6)
// counts 1/3, 1/2 and 1/6 of NL in the first three steps and nothing of the fourth; contact
// (NL = 1e8) counts every step.
GearPairData fourSteps() {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsFromLevels;
    g.j = 4;
    g.Fj = {4000, 2000, 1000, 500};
    g.Nj = {1e6, 2.5e6, 5e6, 1e8};
    return g;
}

TEST(Loads, MethodAUsesTheNominalLoadAndKAS) {
    GearPairData g = defaults();
    RecordingUi ui;
    computeLoads(g, ui);
    EXPECT_EQ(g.FtH, 4000);
    EXPECT_EQ(g.FtF, 4000);
    EXPECT_EQ(g.Ft1, 8000);  // KAS = 2

    g.KAS = 1;
    g.SilyF = false;  // torque 160 N·m on d1 = 80 mm
    g.F1 = 0;
    computeLoads(g, ui);
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    EXPECT_DOUBLE_EQ(g.Ft1, g.F1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Loads, MethodBTakesTheLargerEquivalentLoadOfTheTwoGears) {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    g.FtFe1 = 3000;
    g.FtFe2 = 2500;
    g.FtHe1 = 2000;
    g.FtHe2 = 2200;
    RecordingUi ui;
    computeLoads(g, ui);
    EXPECT_EQ(g.FtF, 3000);
    EXPECT_EQ(g.FtH, 2200);

    // Torques are converted first: F = 2000·T/d1.
    g.SilyF = false;
    g.T1 = 200;
    g.TFe1 = 100;
    g.TFe2 = 120;
    g.THe1 = 90;
    g.THe2 = 80;
    computeLoads(g, ui);
    EXPECT_DOUBLE_EQ(g.Ft1, 5000);
    EXPECT_DOUBLE_EQ(g.FtF, 3000);
    EXPECT_DOUBLE_EQ(g.FtH, 2250);
}

TEST(Spectrum, CrossingStepCountsOnlyUpToNL) {
    GearPairData g = fourSteps();
    computeEquivalentLoadsFromLevels(g);
    EXPECT_EQ(g.Ft1, 4000);
    EXPECT_DOUBLE_EQ(g.T1, 160);
    EXPECT_EQ(g.NK1, 1e8);
    EXPECT_EQ(g.NK2, 5e7);
    // (1/3 + 0.5^9/2 + 0.25^9/6)^(1/9)·4000
    EXPECT_NEAR(g.FtFe1, 3541.5043, 1e-3);
    // (0.01 + 0.5^5·0.015 + 0.25^5·0.025 + 0.125^5·0.95)^(1/5)·4000
    EXPECT_NEAR(g.FtHe1, 1608.7218, 1e-3);
    // The wheel runs half the cycles: weights 1/6, 1/4, 5/12, 1/6 for bending.
    EXPECT_NEAR(g.FtFe2, 3278.9921, 1e-3);
    EXPECT_NEAR(g.FtHe2, 1608.7218, 1e-3);
    EXPECT_DOUBLE_EQ(g.TFe1, g.FtFe1 * 80 / 2000);
    EXPECT_DOUBLE_EQ(g.THe2, g.FtHe2 * 80 / 2000);

    // The load of the last step changes nothing in bending: the step lies beyond NL.
    const double FtFe1 = g.FtFe1;
    g.Fj[3] = 3999;
    computeEquivalentLoadsFromLevels(g);
    EXPECT_DOUBLE_EQ(g.FtFe1, FtFe1);
    EXPECT_GT(g.FtHe1, 1608.73);
}

TEST(Spectrum, SingleStepBeyondNLHasFullWeight) {
    GearPairData g = fourSteps();
    g.j = 1;
    g.levelsForm = LevelsForm::RatioFjF1;  // ratio Fj/F1: Ft1 stays that of the loading dialog
    g.Ft1 = 5000;
    g.Fj[0] = 0.8;
    g.Nj[0] = 1e9;
    computeEquivalentLoadsFromLevels(g);
    EXPECT_EQ(g.Ft1, 5000);
    EXPECT_DOUBLE_EQ(g.FtFe1, 4000);
    EXPECT_DOUBLE_EQ(g.FtHe1, 4000);
    EXPECT_DOUBLE_EQ(g.FtFe2, 4000);
    EXPECT_DOUBLE_EQ(g.FtHe2, 4000);
}

TEST(Spectrum, RatioFormsReferToTheLoadOfTheLoadingDialog) {
    GearPairData reference = fourSteps();
    computeEquivalentLoadsFromLevels(reference);

    GearPairData g = fourSteps();
    g.levelsForm = LevelsForm::RatioFjFmin;  // Fj/Fmin: 8, 4, 2, 1
    g.Fj = {8, 4, 2, 1};
    g.Ft1 = 4000;
    computeEquivalentLoadsFromLevels(g);
    EXPECT_EQ(g.Ft1, 4000);  // not the ratio 8
    EXPECT_NEAR(g.FtFe1, reference.FtFe1, 1e-9);
    EXPECT_NEAR(g.FtHe2, reference.FtHe2, 1e-9);
    g.levelsForm = LevelsForm::RatioF1Fj;  // F1/Fj: 1, 2, 4, 8
    g.Fj = {1, 2, 4, 8};
    computeEquivalentLoadsFromLevels(g);
    EXPECT_NEAR(g.FtFe1, reference.FtFe1, 1e-9);

    // With torques the reference is the torque entered: 200 N·m on d1 = 80 mm.
    g.SilyF = false;
    g.T1 = 200;
    computeEquivalentLoadsFromLevels(g);
    EXPECT_DOUBLE_EQ(g.Ft1, 5000);
    EXPECT_NEAR(g.FtFe1, reference.FtFe1 * 5000 / 4000, 1e-9);
}

TEST(Spectrum, AbsoluteTorquesAndHoursPerStep) {
    GearPairData g = fourSteps();
    g.SilyF = false;
    g.Fj = {160, 80, 40, 20};  // N·m, the same spectrum as forces on d1 = 80 mm
    computeEquivalentLoadsFromLevels(g);
    EXPECT_DOUBLE_EQ(g.Ft1, 4000);
    EXPECT_DOUBLE_EQ(g.T1, 160);
    EXPECT_NEAR(g.FtFe1, 3541.5043, 1e-3);

    // Hours per step at n1 = 1000 1/min: 1e6/60000 h and so on.
    GearPairData h = fourSteps();
    h.NKvCyklech = false;
    h.SpektrumNAbs = false;
    h.Nj = {1e6 / 6e4, 1.5e6 / 6e4, 2.5e6 / 6e4, 9.5e7 / 6e4};
    computeEquivalentLoadsFromLevels(h);
    EXPECT_NEAR(h.NK1, 1e8, 1e-6);
    EXPECT_NEAR(h.FtFe1, 3541.5043, 1e-3);
    EXPECT_NEAR(h.FtFe2, 3278.9921, 1e-3);
}

TEST(Spectrum, LivesOfTheStoredLevels) {
    GearPairData g = fourSteps();
    g.NK1 = g.NK2 = 0;
    computeLevelsLives(g);
    EXPECT_EQ(g.NK1, 1e8);
    EXPECT_EQ(g.NK2, 5e7);

    g.SpektrumNAbs = false;  // per step: the sum
    g.Nj = {1e5, 2e5, 3e5, 0};
    g.j = 3;
    computeLevelsLives(g);
    EXPECT_EQ(g.NK1, 6e5);

    // An internal wheel counts |z2|; a step count beyond the table reads the 20 steps only.
    g.TypSoukoli = Toothing::Internal;
    g.z2 = -40;
    g.j = 60;
    g.Nj.fill(1);
    computeLevelsLives(g);
    EXPECT_EQ(g.NK1, 20);
    EXPECT_EQ(g.NK2, 10);
    computeEquivalentLoadsFromLevels(g);
    EXPECT_TRUE(std::isfinite(g.FtFe1));
}

TEST(LoadClasses, TableColumnsAndInterpolationInQ) {
    EXPECT_EQ(loadClassFactor(1, 3), 0.127);
    EXPECT_EQ(loadClassFactor(1, 6), 0.045);
    EXPECT_EQ(loadClassFactor(1, 9), 0.025);
    EXPECT_EQ(loadClassFactor(1, 12), 0.016);
    EXPECT_EQ(loadClassFactor(17, 12), 0.001);
    EXPECT_DOUBLE_EQ(loadClassFactor(1, 4.5), (0.127 + 0.045) / 2);
    EXPECT_DOUBLE_EQ(loadClassFactor(4, 7.5), (0.219 + 0.132) / 2);
    EXPECT_DOUBLE_EQ(loadClassFactor(13, 11), 0.125 + (0.2 - 0.125) / 3);
    EXPECT_EQ(loadClassFactor(12, 2), 9e-05);   // below 3
    EXPECT_EQ(loadClassFactor(12, 20), 2e-09);  // above 12
    EXPECT_EQ(loadClassFactor(0, 6), 0);
    EXPECT_EQ(loadClassFactor(18, 6), 0);
}

TEST(LoadClasses, EquivalentLoadsOfTheChosenClasses) {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsFromClasses;
    computeEquivalentLoadsFromClasses(g);
    // Class 1: K(1, 9)^(1/9)·4000 and K(1, 5)^(1/5)·4000, the values of a new project.
    EXPECT_NEAR(g.FtFe1, 2654.9, 0.05);
    EXPECT_NEAR(g.FtHe1, 2365.5, 0.05);
    EXPECT_DOUBLE_EQ(g.TFe1, g.FtFe1 * 80 / 2000);

    // The limited q is also the exponent: q = 2 reads K(k, 3)^(1/3).
    g.qF2 = 2;
    g.CHSZ2 = 4;
    computeEquivalentLoadsFromClasses(g);
    EXPECT_DOUBLE_EQ(g.FtFe2, std::pow(0.42, 1.0 / 3) * 4000);

    // Torques: T1 = 200 N·m gives Ft1 = 5000 N.
    g.SilyF = false;
    g.T1 = 200;
    computeEquivalentLoadsFromClasses(g);
    EXPECT_DOUBLE_EQ(g.Ft1, 5000);
    EXPECT_DOUBLE_EQ(g.T1, 200);
    EXPECT_NEAR(g.FtFe1, 2654.9 * 1.25, 0.1);
}

}  // namespace
}  // namespace soukoli
