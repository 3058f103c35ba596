// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Method-B stage: the factors of the maximum load come from the dynamic, face and transverse
// stages run on Ft1, and the run's loads and factors are put back, also after a stop.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/BasicGeometry.h"
#include "engine/BendingStress.h"
#include "engine/ContactGeometry.h"
#include "engine/ContactStress.h"
#include "engine/DynamicFactor.h"
#include "engine/Loads.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

// The default pair under method "B" with equivalent loads entered, prepared as the full
// calculation does up to the loads.
GearPairData methodBPair() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    RecordingUi quiet;
    updateCentreDistance(g, quiet);
    updateDiameters(g, quiet);
    computeFaceWidths(g);
    computeContactGeometry(g, quiet);
    computeBodyMasses(g);
    computeMeshStiffness(g, quiet);
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsEntered;
    g.FtFe1 = 3000;
    g.FtFe2 = 3200;
    g.FtHe1 = 2800;
    g.FtHe2 = 2700;
    g.Ft1 = 5000;
    computeLoads(g, quiet);
    g.KHv = 1.07;
    g.KFv = 1.08;
    g.runFlag = true;
    return g;
}

TEST(MethodBStage, DynamicFactorsAtTheMaximumLoad) {
    GearPairData g = methodBPair();
    g.KHalfa1Given = g.KFalfa1Given = true;
    g.KHalfa1 = 1.1;
    g.KFalfa1 = 1.15;
    RecordingUi ui;
    GearPairData atMaximum = g;
    atMaximum.FtH = atMaximum.FtF = 5000;
    const DynamicFactors expected = computeDynamicFactors(atMaximum, ui);
    ASSERT_TRUE(atMaximum.runFlag);

    runMethodBStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_DOUBLE_EQ(g.KHv1, expected.KHv);
    EXPECT_DOUBLE_EQ(g.KFv1, expected.KFv);
    EXPECT_NE(g.KHv1, 1.07);
    // KHbeta entered directly (1.3) stands for the maximum load too; KFbeta1 = KHbeta1^NF.
    EXPECT_EQ(g.KHbeta1, 1.3);
    EXPECT_DOUBLE_EQ(g.KFbeta1, std::pow(1.3, faceLoadExponent(g)));
    EXPECT_DOUBLE_EQ(g.KF1, g.KFbeta1 * 1.15 * g.KFv1);
    EXPECT_DOUBLE_EQ(g.KH1, 1.3 * 1.1 * g.KHv1);
    // The run's own values are back.
    EXPECT_EQ(g.FtH, 2800);
    EXPECT_EQ(g.FtF, 3200);
    EXPECT_EQ(g.KHv, 1.07);
    EXPECT_EQ(g.KFv, 1.08);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(MethodBStage, EnteredFactorsStay) {
    GearPairData g = methodBPair();
    g.KHv1Given = g.KFv1Given = g.KHalfa1Given = g.KFalfa1Given = g.KHbeta1Given = g.KFbeta1Given = true;
    g.KHv1 = 1.01;
    g.KFv1 = 1.02;
    g.KHalfa1 = 1.03;
    g.KFalfa1 = 1.04;
    g.KHbeta1 = 1.05;
    g.KFbeta1 = 1.06;
    RecordingUi ui;
    runMethodBStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_DOUBLE_EQ(g.KF1, 1.06 * 1.04 * 1.02);
    EXPECT_DOUBLE_EQ(g.KH1, 1.05 * 1.03 * 1.01);
}

TEST(MethodBStage, KeptValuesComeBackAfterAStop) {
    // A layout scheme without its dimensions stops the scheme stage inside the method-B stage.
    GearPairData g = methodBPair();
    g.KHbetaFrom = KHbetaSource::FromScheme;
    g.KHv1Given = g.KFv1Given = true;
    g.KHv1 = 1.4;
    g.KFv1 = 1.5;
    g.KH1 = -1;
    RecordingUi ui;
    runMethodBStage(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_FALSE(ui.messages.empty());
    EXPECT_EQ(g.FtH, 2800);
    EXPECT_EQ(g.FtF, 3200);
    EXPECT_EQ(g.KHbeta, 1.3);
    EXPECT_EQ(g.KHv, 1.07);  // set to KHv1 for the scheme, then restored
    EXPECT_EQ(g.KFv, 1.08);
    EXPECT_EQ(g.KH1, -1);
}

TEST(MethodBStage, StaticContactUsesKH1) {
    GearPairData g = methodBPair();
    g.KHv1Given = g.KFv1Given = g.KHalfa1Given = g.KFalfa1Given = g.KHbeta1Given = true;
    g.KHv1 = g.KFv1 = g.KHalfa1 = g.KFalfa1 = 1;
    g.KHbeta1 = 1.21;
    g.SigmaHO1 = 400;
    RecordingUi ui;
    runStaticContactStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_DOUBLE_EQ(g.KH1, 1.21);
    EXPECT_DOUBLE_EQ(g.SigmaHmax1, 400 * std::sqrt(5000 * 1.21 / 2800));
}

}  // namespace
}  // namespace soukoli
