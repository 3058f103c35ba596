// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Contact side: limit stresses with the raise of the weaker flank, Z factors, the helix and
// contact-ratio factors per standard, ZB/ZD, ZN, and the contact and static contact stages.
// Hand values are worked out from the default 20/40 pair (module 4, 20°, x = 0, b = 60, 4000 N).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/ContactStress.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;
using testing::DialogRequest;
using testing::RecordingUi;

constexpr double kDeg = std::numbers::pi / 180;

TEST(LimitStresses, WeakerFlankIsRaisedBySpurOrHelicalLimit) {
    // d = 0.45·1600 = 720; spur: 720 > 1.1·600 = 660 gives 660; helical: 720 ≤ 1.2·600 gives 720.
    for (const double beta : {0.0, 10 * kDeg}) {
        GearPairData g = defaultPair();
        g.Beta = beta;
        g.Sigma0Hlim1 = 1000;
        g.Sigma0Hlim2 = 600;
        computeLimitStresses(g);
        EXPECT_EQ(g.SigmaHlim1, 1000);
        EXPECT_DOUBLE_EQ(g.SigmaHlim2, beta == 0 ? 660 : 720);
    }
    // The pinion may be the weaker one; 0.45·(700 + 650) = 607.5 < 650: nothing to raise.
    GearPairData g = defaultPair();
    g.Sigma0Hlim1 = 600;
    g.Sigma0Hlim2 = 1000;
    computeLimitStresses(g);
    EXPECT_DOUBLE_EQ(g.SigmaHlim1, 660);
    g.Sigma0Hlim1 = 650;
    g.Sigma0Hlim2 = 700;
    computeLimitStresses(g);
    EXPECT_EQ(g.SigmaHlim1, 650);
    // Between S and k·S the value becomes d: 0.45·(1000 + 700) = 765 in (700, 770].
    g.Sigma0Hlim1 = 1000;
    g.Sigma0Hlim2 = 700;
    computeLimitStresses(g);
    EXPECT_DOUBLE_EQ(g.SigmaHlim2, 765);
}

TEST(LimitStresses, ExactlyOneMegapascalApartOrEnteredStaysAlone) {
    GearPairData g = defaultPair();
    g.Sigma0Hlim1 = 1001;
    g.Sigma0Hlim2 = 1000;
    computeLimitStresses(g);
    EXPECT_EQ(g.SigmaHlim2, 1000);

    // A limit entered directly is never raised.
    g = defaultPair();
    g.Sigma0Hlim1 = 1000;
    g.SigmaHlim2Given = true;
    g.SigmaHlim2 = 600;
    computeLimitStresses(g);
    EXPECT_EQ(g.SigmaHlim2, 600);
}

TEST(LimitStresses, BendingLimitCarriesAlternatingAndTechnologicalFactors) {
    GearPairData g = defaultPair();
    g.YA1 = 0.7;
    g.YT2 = 0.9;
    g.SigmaFlimb2Given = true;
    g.SigmaFlimb2 = 333;
    computeLimitStresses(g);
    EXPECT_DOUBLE_EQ(g.SigmaFlimb1, 700 * 0.7);
    EXPECT_EQ(g.SigmaFlimb2, 333);
}

TEST(ContactFactors, KnownValuesOfASpurPair) {
    GearPairData g = defaultPair();
    RecordingUi ui;
    computeContactFactors(g, ui);
    // ZE = √(1/(π·2·0.91/210000)); ZH of a 20° spur pair at x = 0 is 2.4946 (ISO 6336-2, fig. 3).
    EXPECT_NEAR(g.ZE, 191.6457, 1e-4);
    EXPECT_NEAR(g.ZH, 2.49457, 1e-5);
    EXPECT_NEAR(g.Zepsilon, std::sqrt((4 - g.Epsalfa) / 3), 1e-12);
    g.Epsbeta = 1.0;
    computeContactFactors(g, ui);
    EXPECT_DOUBLE_EQ(g.Zepsilon, std::sqrt(1 / g.Epsalfa));
    g.Epsbeta = 0.5;
    g.Epsalfa = 1.5;
    computeContactFactors(g, ui);
    EXPECT_NEAR(g.Zepsilon, std::sqrt(2.5 * 0.5 / 3 + 0.5 / 1.5), 1e-12);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(HelixFactors, PerStandard) {
    GearPairData g = defaultPair();
    g.Epsalfa = 1.6;
    RecordingUi ui;
    computeHelixFactors(g, ui);
    EXPECT_EQ(g.Ybeta, 1);
    EXPECT_EQ(g.Zbeta, 1);
    EXPECT_DOUBLE_EQ(g.Yepsilon, 0.2 + 0.8 / 1.6);

    // Ybeta = 1 − Epsbeta·beta/120°; beyond 30° the helix counts as 30°.
    g.Beta = 20 * kDeg;
    g.Epsbeta = 1.0;
    computeHelixFactors(g, ui);
    EXPECT_NEAR(g.Ybeta, 1 - 20.0 / 120, 1e-12);
    EXPECT_DOUBLE_EQ(g.Yepsilon, 1 / 1.6);
    g.Beta = 40 * kDeg;
    g.Epsbeta = 1.2;
    computeHelixFactors(g, ui);
    EXPECT_NEAR(g.Ybeta, 0.75, 1e-12);

    // Entered values count under ČSN only.
    g.YepsilonGiven = g.ZbetaGiven = true;
    g.Yepsilon = 0.66;
    g.Zbeta = 0.99;
    computeHelixFactors(g, ui);
    EXPECT_EQ(g.Yepsilon, 0.66);
    EXPECT_EQ(g.Zbeta, 0.99);
    g.standard = Standard::DIN_B;
    computeHelixFactors(g, ui);
    EXPECT_EQ(g.Yepsilon, 1);
    EXPECT_DOUBLE_EQ(g.Zbeta, std::sqrt(std::cos(40 * kDeg)));

    // DIN C: Epsalfan = Epsalfa/cos² betab, at most 2.
    g.standard = Standard::DIN_C;
    g.betab = 30 * kDeg;
    computeHelixFactors(g, ui);
    EXPECT_DOUBLE_EQ(g.Epsalfan, 2.0);
    EXPECT_DOUBLE_EQ(g.Yepsilon, 0.25 + 0.75 / 2);
    g.betab = 10 * kDeg;
    computeHelixFactors(g, ui);
    EXPECT_NEAR(g.Yepsilon, 0.25 + 0.75 * std::pow(std::cos(10 * kDeg), 2) / 1.6, 1e-12);
}

TEST(SinglePairFactors, SpurHelicalAndInternal) {
    GearPairData g = defaultPair();
    RecordingUi ui;
    computeSinglePairFactors(g, ui);
    // Worked by hand: Q1 = 0.60850, Q2 = 0.49856, P1 = 0.29434·0.39878, M1 = tan 20°/√P1.
    EXPECT_NEAR(g.M1, 1.062339, 1e-6);
    EXPECT_DOUBLE_EQ(g.ZB, g.M1);
    EXPECT_LT(g.M2, 1);
    EXPECT_EQ(g.ZD, 1);

    g.Beta = 10 * kDeg;
    g.Epsbeta = 0.5;
    computeSinglePairFactors(g, ui);
    EXPECT_NEAR(g.ZB, g.M1 - 0.5 * (g.M1 - 1), 1e-12);
    g.Epsbeta = 1.0;
    computeSinglePairFactors(g, ui);
    EXPECT_EQ(g.ZB, 1);

    // P1 < 0 (tip barely above the base circle): M1 = 1 and ZB keeps its value.
    g = defaultPair();
    g.da1 = g.db1 * 1.01;
    g.ZB = 1.7;
    computeSinglePairFactors(g, ui);
    EXPECT_EQ(g.M1, 1);
    EXPECT_EQ(g.ZB, 1.7);

    // Entered ZB stays; an internal wheel has ZD = 1.
    g = defaultPair(Toothing::Internal);
    g.ZBGiven = true;
    g.ZB = 1.25;
    g.ZD = 3;
    computeSinglePairFactors(g, ui);
    EXPECT_EQ(g.ZB, 1.25);
    EXPECT_EQ(g.ZD, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(LifeFactors, CapsAndFloor) {
    // (NHlim/NK)^(1/qH) = 1.8 → 1.6, nitrided 1.3; 0.9 → 1.
    EXPECT_DOUBLE_EQ(lifeFactor(1e8, 1e8 / std::pow(1.8, 10), 10, 1.6, 1.3, false), 1.6);
    EXPECT_DOUBLE_EQ(lifeFactor(1e8, 1e8 / std::pow(1.8, 10), 10, 1.6, 1.3, true), 1.3);
    EXPECT_DOUBLE_EQ(lifeFactor(1e8, 1e8 / std::pow(0.9, 10), 10, 1.6, 1.3, false), 1);
    EXPECT_NEAR(lifeFactor(1e8, 6e7, 10, 1.6, 1.3, false), 1.0524098, 1e-7);

    GearPairData g = defaultPair();
    g.runFlag = true;
    g.Zpracovani2 = kNitrided;
    g.NK2 = 1e8 / std::pow(1.4, 10);
    g.ZN1Given = true;
    g.ZN1 = 1.11;
    RecordingUi ui;
    computeContactLifeFactors(g, ui);
    EXPECT_EQ(g.ZN1, 1.11);
    EXPECT_DOUBLE_EQ(g.ZN2, 1.3);
}

TEST(ContactStage, DefaultPairByHand) {
    GearPairData g = defaultPair();
    g.runFlag = true;
    g.ZLZRZV = 0.95;
    g.ZR1 = g.ZR2 = 0.5;  // not used by the full calculation
    RecordingUi ui;
    computeLimitStresses(g);
    computeContactFactors(g, ui);
    runContactStage(g, ui);
    ASSERT_TRUE(g.runFlag);
    // t = √(3·4000/(2·60·80)) = 1.118034; SigmaHO1 = t·ZE·ZH·ZB·Zε with the values above.
    EXPECT_NEAR(g.SigmaHO1, 504.13997, 1e-4);
    EXPECT_NEAR(g.SigmaHO2, 504.13997 / 1.0623387, 1e-3);
    EXPECT_DOUBLE_EQ(g.KH, 1.3);  // KA·KHbeta·KHalfa·KHv = 1·1.3·1·1
    EXPECT_NEAR(g.SigmaH1, 574.80800, 1e-4);
    EXPECT_EQ(g.ZR1, 1);
    // ZN1 = (1e8/6e7)^0.1, ZN2 = (1e8/3e7)^0.1.
    EXPECT_NEAR(g.SigmaHP1, 1270 * 1.0524098 * 0.95, 1e-3);
    EXPECT_NEAR(g.SigmaHP2, 1270 * std::pow(1e8 / 3e7, 0.1) * 0.95, 1e-9);
    EXPECT_NEAR(g.SH1, g.SigmaHP1 / g.SigmaH1, 1e-12);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ContactStage, SimplifiedSetsSinglePairLifeAndLubricationFactorsToOne) {
    GearPairData g = defaultPair();
    g.runFlag = true;
    g.Zjednoduseny = true;
    g.ZLZRZV = 0.9;
    g.ZR1 = 0.95;
    g.ZR2 = 1.0;
    g.SigmaHlim1 = g.SigmaHlim2 = 1270;
    RecordingUi ui;
    computeContactFactors(g, ui);
    runContactStage(g, ui);
    EXPECT_EQ(g.ZB, 1);
    EXPECT_EQ(g.ZD, 1);
    EXPECT_EQ(g.ZN1, 1);
    EXPECT_EQ(g.ZLZRZV, 1);
    EXPECT_DOUBLE_EQ(g.SigmaHP1, 1270 * 0.95);
    EXPECT_DOUBLE_EQ(g.SigmaHP2, 1270);
    EXPECT_DOUBLE_EQ(g.SigmaHO1, g.SigmaHO2);
}

TEST(ContactStage, ImpossiblePairStopsInsteadOfShowingNaN) {
    GearPairData g = defaultPair();
    g.runFlag = true;
    g.b = 0;  // zero face width: division by zero
    RecordingUi ui;
    computeContactFactors(g, ui);
    runContactStage(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Výpočet nelze dokončit, nemožné parametry soukolí."});
    EXPECT_EQ(g.SigmaH1, 0);  // nothing stored
}

TEST(StaticContactStage, LimitByTreatmentAndMaximumStressOfMethodA) {
    GearPairData g = defaultPair();
    g.runFlag = true;
    g.Re1 = 500;
    g.VHV2 = 600;
    RecordingUi ui;
    for (std::uint16_t group = 0; group <= 8; ++group) {
        g.Zpracovani1 = g.Zpracovani2 = group;
        runStaticContactStage(g, ui);
        const double expected1 = (group >= 3 && group <= 6) ? 4 * 650 : group == 7 ? 3 * 650 : 2.8 * 500;
        const double expected2 = (group >= 3 && group <= 6) ? 4 * 600 : group == 7 ? 3 * 600 : 2.8 * 588;
        EXPECT_DOUBLE_EQ(g.SigmaHPmax1, expected1) << group;
        EXPECT_DOUBLE_EQ(g.SigmaHPmax2, expected2) << group;
    }
    g.SigmaHO1 = 500;
    g.SigmaHO2 = 400;
    g.KH = 1.3;
    runStaticContactStage(g, ui);  // Ft1 = 8000 (KAS = 2), FtH = 4000
    EXPECT_DOUBLE_EQ(g.SigmaHmax1, 500 * std::sqrt(2 * 1.3));
    EXPECT_DOUBLE_EQ(g.SigmaHmax2, 400 * std::sqrt(2 * 1.3));
    EXPECT_TRUE(g.runFlag);
}

TEST(StaticContactStage, MethodBWithKHbetaEnteredOrFromBcalNeedsKHbeta1) {
    for (const bool fromBcal : {false, true}) {
        GearPairData g = defaultPair();
        g.runFlag = true;
        g.MetodaVypoctu = 'B';
        g.KHbetaFrom = fromBcal ? KHbetaSource::FromBcal : KHbetaSource::Entered;
        g.SigmaHmax1 = -1;
        RecordingUi ui;
        runStaticContactStage(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Pro metodu výpočtu B, a při přímém zadání KHbeta nebo bcal\rje "
                                                       "nutno zadat přímo i součinitel KHbeta1."});
        EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Coefficients, Modality::Modal}}));
        EXPECT_EQ(ui.activeFields, (std::vector<std::pair<DialogId, int>>{{DialogId::Coefficients, 32}}));
        EXPECT_EQ(g.SigmaHmax1, -1);
    }
}

}  // namespace
}  // namespace soukoli
