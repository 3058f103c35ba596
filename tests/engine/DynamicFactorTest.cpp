// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Body masses, mesh stiffness and the dynamic factors: the worked numbers of the default pair,
// the internal wheel, the smoothness and contact-ratio stops, the resonance ranges with their
// boundaries and messages, and which coefficient field gets the focus.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/DynamicFactor.h"
#include "engine/BasicGeometry.h"
#include "engine/Driver.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::DialogRequest;
using testing::RecordingUi;

const DialogRequest kCoefficientsModal{DialogId::Coefficients, Modality::Modal};

constexpr std::string_view kResonanceTail =
    "\rNelze proto výpočtem stanovit KHv a KFv (viz ČSN 01 4686,část 3,str.33)"
    "\r(pro metodu výpočtu B ani KHv1 a KFv1).\r";

// The default pair 20/40, mn 4, 20°, with the derived geometry the geometry stages give it.
GearPairData pair(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    g.d1 = 80;
    g.d2 = type == Toothing::External ? 160 : -240;
    g.df1 = 70;
    g.df2 = type == Toothing::External ? 150 : -250;
    g.alfat = g.Alfan;
    g.db1 = g.d1 * std::cos(g.alfat);
    g.db2 = g.d2 * std::cos(g.alfat);
    g.u = g.z2 / g.z1;
    g.Epsgama = g.Epsalfa;
    g.bwFmin = 60;
    g.runFlag = true;
    return g;
}

// Ready for the dynamic stage: masses, stiffness and resonance speed of the default pair.
GearPairData stiffPair() {
    GearPairData g = pair();
    computeBodyMasses(g);
    computeStiffnessAndResonance(g);
    return g;
}

TEST(BodyMasses, DefaultBodiesGiveTheInertiaOfANewProject) {
    GearPairData g = pair();
    g.Teta1 = g.Teta2 = 0;
    computeBodyMasses(g);
    // A new project shows 1.764E+3 and 2.944E+4 kg·mm².
    EXPECT_NEAR(g.Teta1, 1763.609, 1e-3);
    EXPECT_NEAR(g.Teta2, 29435.150, 1e-3);
    EXPECT_NEAR(g.mass1, 1.975756, 1e-6);
    EXPECT_NEAR(g.mass2, 8.760136, 1e-6);

    g.TetaGiven = true;
    g.Teta1 = 5;
    g.Teta2 = 6;
    g.b1 = 30;
    computeBodyMasses(g);
    EXPECT_EQ(g.Teta1, 5);
    EXPECT_EQ(g.Teta2, 6);
    EXPECT_NEAR(g.mass1, 1.975756 / 2, 1e-6);
}

TEST(BodyMasses, WiderBodyCarriesTheHubOverItsWidth) {
    GearPairData g = pair();
    g.da1 = g.df1 = 100;  // no toothed ring
    g.sr1 = 0;            // no rim
    g.sd1 = 10;           // web from 100 down to 50
    g.dh1 = 30;           // hub from 50 down to 30
    g.b1 = 20;
    g.bs1 = 40;
    computeBodyMasses(g);
    const double k = std::numbers::pi / 4 * 7.85e-6;
    const double web = 40 * (100.0 * 100 - 50 * 50) * k;
    const double hub = 20 * (50.0 * 50 - 30 * 30) * k * 2;
    EXPECT_NEAR(g.mass1, web + hub, 1e-12);
    EXPECT_NEAR(g.Teta1, web * (100.0 * 100 + 50 * 50) / 8 + hub * (50.0 * 50 + 30 * 30) / 8, 1e-9);
}

TEST(BodyMasses, InternalWheelIsARingOfPositiveMass) {
    GearPairData g = pair(Toothing::Internal);  // da2 = -232, df2 = -250, sR2 = 55
    computeBodyMasses(g);
    const double k = std::numbers::pi / 4 * 7.85e-6 * 60;
    const double teeth = (250.0 * 250 - 241.0 * 241) * k;
    const double rim = (360.0 * 360 - 250.0 * 250) * k;
    EXPECT_NEAR(g.mass2, teeth + rim, 1e-9);
    EXPECT_NEAR(g.mass2, 26.456490, 1e-6);
    EXPECT_NEAR(g.Teta2, teeth * (250.0 * 250 + 241.0 * 241) / 8 + rim * (360.0 * 360 + 250.0 * 250) / 8, 1e-6);
}

TEST(MeshStiffness, DefaultPairGivesTheStiffnessOfANewProject) {
    GearPairData g = stiffPair();
    EXPECT_EQ(g.CR, 1);
    EXPECT_NEAR(g.cs, 13.018026, 1e-6);
    EXPECT_NEAR(g.Cgama, 18.876138, 1e-6);  // shown as 18.88
    EXPECT_NEAR(g.mred, 1.0069504, 1e-6);
    EXPECT_NEAR(g.nE1, 16012.883, 1e-3);

    g.CgamaGiven = true;
    g.Cgama = 10;
    computeStiffnessAndResonance(g);
    EXPECT_EQ(g.Cgama, 10);
    EXPECT_NEAR(g.nE1, 16012.883 * std::sqrt(10 / 18.876138), 1e-2);
}

TEST(MeshStiffness, RimFactorAndInternalFlexibility) {
    GearPairData g = stiffPair();
    g.bs1 = 30;  // β = 0.5, sR1/mn = 5
    computeStiffnessAndResonance(g);
    EXPECT_NEAR(g.CR, 1 + std::log(0.5) / (5 * std::exp(1.0)), 1e-12);

    g.bs1 = 6;  // β = 0.1 is taken as 0.2, a rim under one module as one module
    g.sR1 = 2;
    computeStiffnessAndResonance(g);
    EXPECT_NEAR(g.CR, 1 + std::log(0.2) / (5 * std::exp(0.2)), 1e-12);

    g.bs1 = 60;
    g.bs2 = 600;  // β = 1.2 or more: CR above 1, the pinion's 1 is the smaller
    g.sR1 = 20;
    computeStiffnessAndResonance(g);
    EXPECT_EQ(g.CR, 1);

    // Internal toothing drops the terms in zv2.
    GearPairData i = pair(Toothing::Internal);
    computeBodyMasses(i);
    computeStiffnessAndResonance(i);
    EXPECT_NEAR(i.cs, 0.8 / (0.04723 + 0.15551 / 20), 1e-9);
}

TEST(DynamicFactor, DefaultPairBelowResonance) {
    GearPairData g = stiffPair();
    RecordingUi ui;
    const DynamicFactors f = computeDynamicFactors(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NEAR(g.v, 4.1887902, 1e-7);
    // W = 0.749314; line loads 66.7 N/mm are taken as 150: (39.07/150 + 0.0193)·W + 1.
    EXPECT_NEAR(f.KHv, 1.2096330, 1e-7);
    EXPECT_NEAR(f.KFv, 1.2096330, 1e-7);
    EXPECT_EQ(g.KHv, 1);  // the values are handed back, not stored
}

TEST(DynamicFactor, LineLoadOf120IsTakenAs150) {
    GearPairData g = stiffPair();
    RecordingUi ui;
    g.FtH = 7200;  // 120 N/mm on b = 60
    g.FtF = 9000;  // 150 N/mm on bwFmin = 60
    const DynamicFactors at120 = computeDynamicFactors(g, ui);
    EXPECT_DOUBLE_EQ(at120.KHv, at120.KFv);
    g.FtF = 12000;  // 200 N/mm
    const DynamicFactors at200 = computeDynamicFactors(g, ui);
    EXPECT_NEAR(at200.KFv, (39.07 / 200 + 0.0193) * 0.74931357 + 1, 1e-7);
    EXPECT_DOUBLE_EQ(at200.KHv, at120.KHv);
}

TEST(DynamicFactor, OverlapRatioBlendsSpurAndHelicalValues) {
    GearPairData g = stiffPair();
    RecordingUi ui;
    const double W = 0.74931357131101;
    const double spur = (39.07 / 150 + 0.0193) * W + 1;
    const double helical = (34.79 / 150 + 0.0087) * W + 1;
    g.Epsbeta = 1;
    EXPECT_NEAR(computeDynamicFactors(g, ui).KHv, helical, 1e-12);
    g.Epsbeta = 2.5;
    EXPECT_NEAR(computeDynamicFactors(g, ui).KHv, helical, 1e-12);
    g.Epsbeta = 0.5;
    EXPECT_NEAR(computeDynamicFactors(g, ui).KFv, (spur + helical) / 2, 1e-12);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(DynamicFactor, SmoothnessLimitStopsWithoutADialog) {
    const std::string text =
        "    Pro toto soukolí je překročena mezní hodnota plynulosti chodu,\r    viz ČSN 01 4686,část 3,vz.158.\r\r"
        "    Toto soukolí je nevhodné pro praktický provoz, nelze ani vypočíst KHv a KFv.\r"
        "    Proveď vhodnou změnu vstupu.";
    // Grade 8 spur: limit 7 m/s; W = v·z1/100·√(u²/(1 + u²)) reaches it at v = 39.13 m/s.
    const double vAtLimit = 7 / (0.2 * std::sqrt(0.8));
    const double n1AtLimit = vAtLimit * 60000 / (std::numbers::pi * 80);
    GearPairData g = stiffPair();
    g.KHvGiven = g.KFvGiven = true;  // checked even when nothing is to be computed
    g.n1 = n1AtLimit * 1.0001;
    RecordingUi ui;
    (void)computeDynamicFactors(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), std::vector{text});
    EXPECT_TRUE(ui.dialogs.empty());

    // Epsbeta = 0.5 lowers the limit to 6.35 m/s.
    g = stiffPair();
    g.KHvGiven = g.KFvGiven = true;
    g.Epsbeta = 0.5;
    g.n1 = n1AtLimit * 6.35 / 7 * 0.9999;
    RecordingUi below;
    (void)computeDynamicFactors(g, below);
    EXPECT_TRUE(g.runFlag);
    g.n1 = n1AtLimit * 6.35 / 7 * 1.0001;
    (void)computeDynamicFactors(g, below);
    EXPECT_FALSE(g.runFlag);
}

TEST(DynamicFactor, TransverseContactRatioBelow1_2) {
    GearPairData g = stiffPair();
    g.Epsalfa = 1.2;
    RecordingUi ui;
    (void)computeDynamicFactors(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());

    g.Epsalfa = 1.19;
    (void)computeDynamicFactors(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{
                              "Součinitel záběru EPSILONalfa pro toto soukolí je menší než 1.2 (1.190).\r"
                              "Nelze proto výpočtem stanovit KHv a KFv (viz ČSN 01 4686,část 3,str.35)\r"
                              "(pro metodu výpočtu B ani KHv1 a KFv1).\rZadej tyto součinitele přímo."});
    EXPECT_EQ(ui.dialogs, std::vector{kCoefficientsModal});
    EXPECT_EQ(ui.activeFields, (std::vector<std::pair<DialogId, int>>{{DialogId::Coefficients, 10}}));

    // Both factors entered (method "A"): nothing to compute, nothing to say.
    g = stiffPair();
    g.Epsalfa = 1.1;
    g.KHvGiven = g.KFvGiven = true;
    RecordingUi quiet;
    (void)computeDynamicFactors(g, quiet);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(quiet.messages.empty());
}

TEST(DynamicFactor, ResonanceRangesAndTheirBoundaries) {
    const auto run = [](double ratio, RecordingUi& ui) {
        GearPairData g = stiffPair();
        g.nE1 = 10000;
        g.n1 = ratio * g.nE1;
        g.IT1 = g.IT2 = 5;  // smoothness limit 10 m/s even at 7000 1/min
        (void)computeDynamicFactors(g, ui);
        return g.runFlag;
    };
    {
        RecordingUi ui;
        EXPECT_TRUE(run(0.7, ui));  // exactly 0.7·nE1 is not supercritical
        EXPECT_TRUE(run(0.575, ui));
        EXPECT_TRUE(run(0.2, ui));
        EXPECT_TRUE(ui.messages.empty());
    }
    {
        RecordingUi ui;
        EXPECT_FALSE(run(0.71, ui));
        EXPECT_EQ(ui.texts(), std::vector<std::string>{
                                  "Otáčky pastorku n1 leží v nadkritické oblasti.\r(n1 >  7000) viz ČSN 01 4686, část 3, vz.153." +
                                  std::string(kResonanceTail) +
                                  "Zadej tyto součinitele přímo, nebo proveď změnu vstupu (přeladění)."});
        EXPECT_EQ(ui.dialogs, std::vector{kCoefficientsModal});
    }
    {
        RecordingUi ui;  // overlap of the second and third ranges: the second one
        EXPECT_FALSE(run(0.36, ui));
        EXPECT_EQ(ui.texts(),
                  std::vector<std::string>{"Otáčky pastorku n1 leží v oblasti druhé subharmonické rezonance.\r( 3500 < n1 <  5750) "
                                           "viz ČSN 01 4686, část 3, vz.154." +
                                           std::string(kResonanceTail) +
                                           "Zadej tyto součinitele přímo,nebo proveď změnu vstupu (přeladění)."});
    }
    {
        RecordingUi ui;  // exactly 0.35·nE1 is outside the second range, inside the third
        EXPECT_FALSE(run(0.35, ui));
        EXPECT_EQ(ui.texts(),
                  std::vector<std::string>{"Otáčky pastorku n1 leží v oblasti třetí subharmonické rezonance.\r( 2333 < n1 <  3833) "
                                           "viz ČSN 01 4686, část 3, vz.155." +
                                           std::string(kResonanceTail) +
                                           "Zadej součinitele přímo,nebo proveď změnu vstupu (přeladění)."});
    }
}

TEST(DynamicFactor, FocusGoesToTheLastFactorStillToBeEntered) {
    const auto focus = [](char method, bool KFv, bool KHv, bool KFv1, bool KHv1) {
        GearPairData g = stiffPair();
        g.MetodaVypoctu = method;
        g.KFvGiven = KFv;
        g.KHvGiven = KHv;
        g.KFv1Given = KFv1;
        g.KHv1Given = KHv1;
        g.Epsalfa = 1.1;
        RecordingUi ui;
        (void)computeDynamicFactors(g, ui);
        EXPECT_FALSE(g.runFlag);
        return ui.activeFields.empty() ? 0 : ui.activeFields.back().second;
    };
    EXPECT_EQ(focus('A', false, false, false, false), 10);
    EXPECT_EQ(focus('A', true, false, false, false), 11);
    EXPECT_EQ(focus('B', false, false, false, false), 10);
    EXPECT_EQ(focus('B', true, true, false, false), 29);
    EXPECT_EQ(focus('B', true, true, true, false), 30);
}

TEST(DynamicFactor, GradeOutsideTheTableStopsOnTheAccuracyDialog) {
    for (const auto& [IT1, IT2, field] : {std::tuple{13, 8, 1}, std::tuple{8, 1, 2}, std::tuple{0, 0, 1}}) {
        GearPairData g = stiffPair();
        g.IT1 = static_cast<std::uint16_t>(IT1);
        g.IT2 = static_cast<std::uint16_t>(IT2);
        RecordingUi ui;
        (void)computeDynamicFactors(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Stupeň přesnosti vol od 2 do 12"});
        EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Accuracy, Modality::Modal}}));
        EXPECT_EQ(ui.activeFields, (std::vector<std::pair<DialogId, int>>{{DialogId::Accuracy, field}}));
    }
    GearPairData g = stiffPair();
    g.IT1 = 2;
    g.IT2 = 12;
    RecordingUi ui;
    (void)computeDynamicFactors(g, ui);
    EXPECT_TRUE(g.runFlag);
}

TEST(DynamicFactor, ResonanceSpeedThatCannotBeComputedIsNoPass) {
    GearPairData g = stiffPair();
    g.nE1 = std::nan("");
    RecordingUi ui;
    (void)computeDynamicFactors(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Dimensions, Modality::Modal}}));
}

TEST(DynamicFactor, RunStoresOnlyFactorsNotEntered) {
    GearPairData g = stiffPair();
    g.KHvGiven = true;
    g.KHv = 1.05;
    RecordingUi ui;
    computeRunDynamicFactors(g, ui);
    EXPECT_EQ(g.KHv, 1.05);
    EXPECT_NEAR(g.KFv, 1.2096330, 1e-7);

    // A stopped stage stores nothing.
    g.KFv = 1.5;
    g.KHvGiven = false;
    g.Epsalfa = 1.0;
    computeRunDynamicFactors(g, ui);
    EXPECT_EQ(g.KFv, 1.5);
    EXPECT_EQ(g.KHv, 1.05);
}

TEST(FullCalculation, RunsLoadsStiffnessAndLoadFactors) {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    RecordingUi quiet;
    updateCentreDistance(g, quiet);
    updateDiameters(g, quiet);
    g.Teta1 = g.Teta2 = g.Cgama = 0;
    g.KHbetaFrom = KHbetaSource::FromBcal;
    g.bcal = 240;  // 4·b
    RecordingUi ui;
    runFullCalculation(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NEAR(g.Teta1, 1763.609, 1e-3);
    EXPECT_NEAR(g.Epsalfa, 1.635, 1e-3);  // of the real geometry, not the 1.6 of a new project
    EXPECT_NEAR(g.Cgama, (0.75 * g.Epsalfa + 0.25) * 13.018026, 1e-5);
    EXPECT_EQ(g.Ft1, 8000);
    EXPECT_NEAR(g.KHv, 1.2096330, 1e-7);
    EXPECT_DOUBLE_EQ(g.KHbeta, 8.0 / 7);
    EXPECT_EQ(g.KHalfa, 1);  // spur

    // A resonance stops the run before the face and transverse stages.
    g.n1 = 0.5 * g.nE1;
    g.KHbeta = g.KHalfa = 7;
    RecordingUi stop;
    runFullCalculation(g, stop);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(g.KHbeta, 7);
    EXPECT_EQ(g.KHalfa, 7);
}

}  // namespace
}  // namespace soukoli
