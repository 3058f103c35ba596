// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Transverse load factors: effective base-pitch deviation, running-in allowance by hardness and
// speed band, both formulas by EPSILONgama, the limits, the EPSILONalfa ≥ 2 stop of ČSN 01 4686
// and the separation of the run's factors from those of the maximum load.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/RunningIn.h"
#include "engine/TransverseLoadFactor.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::DialogRequest;
using testing::RecordingUi;

// Helical pair with fpbeff = 20 µm on hardened flanks (allowance 1.5 µm, D = 18.5 µm),
// Cgama = 20, b = 50 and 20000 N: the load term 0.4·Cgama·b·D/F is 0.37.
GearPairData transversePair() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.d1 = 80;
    g.b = 50;
    g.Beta = 0.2;
    g.Cgama = 20;
    g.Epsalfa = 1.4;
    g.Epsgama = 1.6;
    g.Zepsilon = 0.9;
    g.KHbeta = 1;
    g.FtH = 20000;
    g.fpb1 = 20;
    g.fpb2 = 10;
    g.SigmaHlim1 = g.SigmaHlim2 = 1270;
    g.runFlag = true;
    return g;
}

TEST(TransverseLoadFactor, BothFormulasByTotalContactRatio) {
    GearPairData g = transversePair();
    RecordingUi ui;
    computeTransverseFactors(g, ui);
    EXPECT_EQ(g.fpbeff, 20);
    EXPECT_DOUBLE_EQ(g.yalfa, 1.5);
    EXPECT_DOUBLE_EQ(g.KFalfa, (0.9 + 0.37) * 1.6 / 2);
    EXPECT_DOUBLE_EQ(g.KHalfa, g.KFalfa);

    g.Epsalfa = 1.5;
    g.Epsgama = 2.5;
    g.Zepsilon = 0.8;
    computeTransverseFactors(g, ui);
    EXPECT_NEAR(g.KFalfa, 1.3053147, 1e-7);  // 0.9 + 0.37·√(2·1.5/2.5)
    EXPECT_NEAR(g.KHalfa, 1.3053147, 1e-7);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TransverseLoadFactor, Limits) {
    GearPairData g = transversePair();
    g.FtH = 1000;  // large term: the upper limits
    RecordingUi ui;
    computeTransverseFactors(g, ui);
    EXPECT_DOUBLE_EQ(g.KFalfa, 1.6);
    EXPECT_DOUBLE_EQ(g.KHalfa, 1.6 / (1.4 * 0.81));

    // Spur gears: KHalfa = 1 whatever the deviations; KFalfa is still computed.
    g.Beta = 0;
    computeTransverseFactors(g, ui);
    EXPECT_EQ(g.KHalfa, 1);
    EXPECT_DOUBLE_EQ(g.KFalfa, 1.6);

    // An allowance larger than the deviation (soft flanks, 160·2/100 = 3.2 > 2): both 1.
    g = transversePair();
    g.fpb1 = 2;
    g.fpb2 = 0;
    g.VHV1 = g.VHV2 = 300;
    g.SigmaHlim1 = g.SigmaHlim2 = 100;
    computeTransverseFactors(g, ui);
    EXPECT_LT(std::abs(g.fpbeff) - std::abs(g.yalfa), 0);
    EXPECT_EQ(g.KHalfa, 1);
    EXPECT_EQ(g.KFalfa, 1);
}

TEST(TransverseLoadFactor, EffectiveDeviationAndHardenedFlanks) {
    GearPairData g = transversePair();
    g.fpb1 = -8;
    g.fpb2 = 5;
    computeBasePitchAllowance(g);
    EXPECT_EQ(g.fpbeff, -8);

    g.fpb1Given = false;  // measured 5 against the limit -5: equal magnitudes take the wheel's
    g.fpbr1 = 5;
    g.fpb2 = -5;
    computeBasePitchAllowance(g);
    EXPECT_EQ(g.fpbeff, -5);

    g = transversePair();
    g.VHV1 = 360;  // not hardened
    g.VHV2 = 361;
    computeBasePitchAllowance(g);
    EXPECT_DOUBLE_EQ(g.yalfa1, 160.0 * 20 / 1270);
    EXPECT_DOUBLE_EQ(g.yalfa2, 1.5);
    EXPECT_DOUBLE_EQ(g.yalfa, (g.yalfa1 + g.yalfa2) / 2);
}

TEST(RunningIn, SpeedBandsIncludeFiveAndTen) {
    // Soft flank, SigmaHlim = 1000, deviation 100 µm: y = 16 µm before its limit.
    const auto transverse = [](double v) { return runningInAllowance(100, 300, 1000, v, kTransverseRunningIn); };
    EXPECT_DOUBLE_EQ(transverse(4.99), 16);
    EXPECT_DOUBLE_EQ(transverse(5), 12.8);
    EXPECT_DOUBLE_EQ(transverse(10), 12.8);
    EXPECT_DOUBLE_EQ(transverse(10.01), 6.4);
    const auto face = [](double v) { return runningInAllowance(200, 300, 1000, v, kFaceRunningIn); };
    EXPECT_DOUBLE_EQ(face(4.99), 32);
    EXPECT_DOUBLE_EQ(face(5), 25.6);
    EXPECT_DOUBLE_EQ(face(10), 25.6);
    EXPECT_DOUBLE_EQ(face(10.01), 12.8);
    // Hardened flanks: 0.075 of the deviation, at most 3 and 6 µm.
    EXPECT_DOUBLE_EQ(runningInAllowance(20, 361, 1000, 20, kTransverseRunningIn), 1.5);
    EXPECT_DOUBLE_EQ(runningInAllowance(100, 361, 1000, 1, kTransverseRunningIn), 3);
    EXPECT_DOUBLE_EQ(runningInAllowance(100, 361, 1000, 1, kFaceRunningIn), 6);
}

TEST(TransverseLoadFactor, ContactRatioOfTwoStopsUnderCsn) {
    GearPairData g = transversePair();
    g.Epsalfa = 2;
    g.Epsgama = 2.3;
    g.KHalfa = g.KFalfa = 7;
    RecordingUi ui;
    computeTransverseFactors(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{
                              "Součinitel záběru EPSILONalfa pro toto soukolí je větší než 2 (2.000).\r"
                              "Nelze proto výpočtem stanovit KHalfa a KFalfa (viz ČSN 01 4686,část 3,str.37)\r"
                              "(pro metodu výpočtu B ani KHalfa1 a KFalfa1).\rZadej tyto součinitele přímo."});
    EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Coefficients, Modality::Modal}}));
    EXPECT_EQ(ui.activeFields, (std::vector<std::pair<DialogId, int>>{{DialogId::Coefficients, 8}}));
    EXPECT_EQ(g.KHalfa, 7);

    // Both factors entered: no stop, no message.
    g.runFlag = true;
    g.KHalfaGiven = g.KFalfaGiven = true;
    RecordingUi quiet;
    computeTransverseFactors(g, quiet);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(quiet.messages.empty());

    // Method "B" still needs the maximum-load factors: the focus goes to them.
    g.MetodaVypoctu = 'B';
    RecordingUi b;
    computeTransverseFactors(g, b);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(b.activeFields.back().second, 27);
    g.KFalfa1Given = true;
    computeTransverseFactors(g, b);
    EXPECT_EQ(b.activeFields.back().second, 28);

    // The DIN methods compute the factors for any EPSILONalfa.
    g = transversePair();
    g.standard = Standard::DIN_C;
    g.Epsalfa = 2.1;
    RecordingUi din;
    computeTransverseFactors(g, din);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(din.messages.empty());
    EXPECT_GE(g.KFalfa, 1);
}

TEST(TransverseLoadFactor, MaximumLoadFactorsApartFromTheRun) {
    GearPairData g = transversePair();
    g.MetodaVypoctu = 'B';
    g.KA = 2;
    g.KHv1 = 1.1;
    g.KHbeta1 = 1.2;
    RecordingUi ui;
    computeTransverseFactors(g, ui);
    EXPECT_EQ(g.KHalfa1, 0);
    EXPECT_EQ(g.KFalfa1, 0);

    // At the spectrum maximum KA does not count: term 0.4·20·50·18.5/(10000·1.1·1.2).
    g.FtH = 10000;
    computeTransverseFactorsMaxLoad(g, ui);
    EXPECT_NEAR(g.KFalfa1, 1.1684848, 1e-7);
    EXPECT_NEAR(g.KHalfa1, 1.1684848, 1e-7);

    g.KHalfa1Given = true;
    g.KHalfa1 = 1.05;
    computeTransverseFactorsMaxLoad(g, ui);
    EXPECT_EQ(g.KHalfa1, 1.05);

    // Both entered: no EPSILONalfa message from this stage.
    g.KFalfa1Given = true;
    g.Epsalfa = 2.2;
    computeTransverseFactorsMaxLoad(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace soukoli
