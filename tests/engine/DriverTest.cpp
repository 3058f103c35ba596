// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The calculation driver: the refusal of an internal pair under DIN - ISO, the body check with
// every way out, the contact-ratio stop and warning, and what the simplified calculation sets on
// its own.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/BasicGeometry.h"
#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::DialogRequest;
using testing::RecordingUi;

const DialogRequest kDimensionsModal{DialogId::Dimensions, Modality::Modal};

// The default pair with its geometry computed (df1 = 70, df2 = 150 or -250, Epsalfa of about
// 1.63 or 1.95).
GearPairData pair(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    RecordingUi quiet;
    updateCentreDistance(g, quiet);
    updateDiameters(g, quiet);
    return g;
}

// Fields that differ between two data sets (NaN equal to NaN), the run flag left aside.
std::vector<std::string_view> changedFields(const GearPairData& before, const GearPairData& after) {
    std::vector<std::string_view> changed;
    for (const NumericField& f : numericFields()) {
        if (f.name == "runFlag") continue;
        const double a = readField(before, f), b = readField(after, f);
        if (a != b && !(std::isnan(a) && std::isnan(b))) changed.push_back(f.name);
    }
    return changed;
}

TEST(StandardCheck, InternalPairUnderDinIsoStopsBeforeAnyStage) {
    for (const bool simplified : {false, true}) {
        for (const Standard standard : {Standard::DIN_B, Standard::DIN_C}) {
            SCOPED_TRACE(::testing::Message() << "simplified " << simplified << ", DIN " << (standard == Standard::DIN_B ? 'B' : 'C'));
            GearPairData g = pair(Toothing::Internal);
            g.standard = standard;
            g.Zjednoduseny = simplified;
            // Results of an earlier run, and a body that would stop the full calculation first.
            g.SigmaH1 = g.SigmaF2 = g.SF1 = g.KHv = 123.25;
            g.sR1 = -1;
            const GearPairData before = g;
            RecordingUi ui;
            simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
            EXPECT_FALSE(g.runFlag);
            EXPECT_EQ(ui.texts(), std::vector<std::string>{"Vnitřní ozubení lze počítat pouze podle ČSN 01 4686."});
            EXPECT_TRUE(ui.dialogs.empty());
            EXPECT_TRUE(ui.rimWarnings.empty());
            EXPECT_EQ(changedFields(before, g), std::vector<std::string_view>{});
        }
    }
    // Under ČSN 01 4686 the same internal pair runs through, and an external pair under DIN - ISO.
    for (const bool simplified : {false, true}) {
        for (const Toothing type : {Toothing::Internal, Toothing::External}) {
            GearPairData g = pair(type);
            if (type == Toothing::External) g.standard = Standard::DIN_C;
            RecordingUi ui;
            simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
            EXPECT_TRUE(g.runFlag);
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST(BodyCheck, DefaultBodiesPassWithoutAWord) {
    GearPairData g = pair();
    RecordingUi ui;
    runFullCalculation(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.dialogs.empty());
    EXPECT_TRUE(ui.rimWarnings.empty());
    EXPECT_FALSE(g.TenkyVenec1 || g.TenkyVenec2);
}

TEST(BodyCheck, ElementFitHasItsTenthOfAMillimetre) {
    // (df - dh)/2 - sr + 0.1 >= sd, dh < df + 0.1, dh <= df - 2(sr + sd) + 0.1
    EXPECT_TRUE(bodyElementsFit(70, 30, 0, 20));
    EXPECT_TRUE(bodyElementsFit(70, 30, 0, 20.04));   // within the tolerance
    EXPECT_FALSE(bodyElementsFit(70, 30, 0, 20.2));   // rim too thick for the hub
    EXPECT_FALSE(bodyElementsFit(70, 30, 5, 20));     // web does not fit
    EXPECT_FALSE(bodyElementsFit(70, 70.1, 0, -1));   // hub not smaller than the root circle
    EXPECT_TRUE(bodyElementsFit(70, 70.05, 0, -0.1));
}

TEST(BodyCheck, PinionOrWheelThatDoesNotFitStopsWithItsMessage) {
    {
        GearPairData g = pair();
        g.sd1 = 10;
        RecordingUi ui;
        runFullCalculation(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{
                                  "Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit."});
        EXPECT_EQ(ui.dialogs, std::vector{kDimensionsModal});
    }
    {
        GearPairData g = pair();
        g.dh2 = 100;
        RecordingUi ui;
        runFullCalculation(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(),
                  std::vector<std::string>{"Prvky se nevlezou do patního průměru kola, rozměry se musí upravit."});
        EXPECT_EQ(ui.dialogs, std::vector{kDimensionsModal});
    }
}

TEST(BodyCheck, InternalWheelGetsNoFitTest) {
    GearPairData g = pair(Toothing::Internal);
    g.dh2 = 400;  // would never fit inside df2 of an external wheel
    g.sd2 = 30;
    RecordingUi ui;
    runFullCalculation(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(BodyCheck, ThinRimWarningAnsweredEitherWay) {
    for (const bool goOn : {true, false}) {
        GearPairData g = pair();
        g.sR1 = 10;  // below srmin = 14
        RecordingUi ui;
        ui.rimAnswers = {goOn};
        runFullCalculation(g, ui);
        EXPECT_EQ(ui.rimWarnings, std::vector{Gear::Pinion});
        EXPECT_TRUE(g.TenkyVenec1);
        EXPECT_EQ(g.runFlag, goOn);
        EXPECT_TRUE(ui.messages.empty());
        if (goOn)
            EXPECT_TRUE(ui.dialogs.empty());
        else
            EXPECT_EQ(ui.dialogs, std::vector{kDimensionsModal});
    }
    {
        GearPairData g = pair();
        g.sR2 = 13.99;
        RecordingUi ui;
        ui.rimAnswers = {false};
        runFullCalculation(g, ui);
        EXPECT_EQ(ui.rimWarnings, std::vector{Gear::Wheel});
        EXPECT_TRUE(g.TenkyVenec2);
        EXPECT_FALSE(g.TenkyVenec1);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.dialogs, std::vector{kDimensionsModal});
    }
}

TEST(BodyCheck, RimExactlyAtTheLimitIsNotThin) {
    GearPairData g = pair();
    g.sR1 = g.srmin;
    g.sR2 = g.srmin;
    g.TenkyVenec1 = g.TenkyVenec2 = true;  // from an earlier run
    RecordingUi ui;
    runFullCalculation(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.rimWarnings.empty());
    EXPECT_FALSE(g.TenkyVenec1 || g.TenkyVenec2);
}

TEST(BodyCheck, RimOfZeroOrLessSkipsTheWarningAndStops) {
    for (const double sR : {0.0, -3.0}) {
        GearPairData g = pair();
        g.sR1 = sR;
        RecordingUi ui;
        runFullCalculation(g, ui);
        EXPECT_FALSE(g.runFlag);
        EXPECT_TRUE(ui.rimWarnings.empty());
        EXPECT_TRUE(g.TenkyVenec1);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Záporný rozměr sr1 je nutno upravit."});
        EXPECT_EQ(ui.dialogs, std::vector{kDimensionsModal});
    }
    GearPairData g = pair(Toothing::Internal);
    g.sR2 = 0;
    RecordingUi ui;
    runFullCalculation(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Záporný rozměr sr2 je nutno upravit."});
}

TEST(ContactRatio, TotalRatioOfOneOrLessStops) {
    for (const double epsgama : {1.0, 0.5}) {
        GearPairData g = pair();
        g.runFlag = true;
        g.Epsgama = epsgama;
        RecordingUi ui;
        EXPECT_FALSE(checkContactRatios(g, ui));
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Součinitel Epsilongama <=1. Uprav geometrii."});
        EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Geometry, Modality::Modal}}));
    }
    GearPairData g = pair();
    g.runFlag = true;
    g.Epsalfa = 1.5;
    g.Epsgama = std::nextafter(1.0, 2.0);
    RecordingUi ui;
    EXPECT_TRUE(checkContactRatios(g, ui));
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ContactRatio, TransverseRatioOfTwoWarnsOnlyUnderCsn) {
    const std::string warning = "Součinitel Epsilonalfa >2. Výpočet je neplatný.\r        Ve výpočtu lze však pokračovat.";
    {
        GearPairData g = pair();
        g.runFlag = true;
        g.Epsalfa = 2.0;
        g.Epsgama = 2.0;
        RecordingUi ui;
        EXPECT_TRUE(checkContactRatios(g, ui));
        EXPECT_TRUE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector{warning});
        EXPECT_TRUE(ui.dialogs.empty());
    }
    {
        GearPairData g = pair();
        g.Epsalfa = std::nextafter(2.0, 0.0);
        g.Epsgama = 2.0;
        RecordingUi ui;
        EXPECT_TRUE(checkContactRatios(g, ui));
        EXPECT_TRUE(ui.messages.empty());
    }
    for (const bool dinB : {true, false}) {
        GearPairData g = pair();
        g.standard = dinB ? Standard::DIN_B : Standard::DIN_C;
        g.Epsalfa = 2.5;
        g.Epsgama = 2.5;
        RecordingUi ui;
        EXPECT_TRUE(checkContactRatios(g, ui));
        EXPECT_TRUE(ui.messages.empty());
    }
}

// Without a path of contact Epsalfa would be that of earlier inputs: the run stops instead.
TEST(ContactRatio, TipInsideItsBaseCircleStopsBothCalculations) {
    for (const bool simplified : {false, true}) {
        for (const Gear gear : {Gear::Pinion, Gear::Wheel}) {
            GearPairData g = pair();
            g.Epsalfa = 1.7;  // of an earlier pair
            if (gear == Gear::Pinion)
                g.da1 = 0.99 * g.db1;
            else
                g.da2 = 0.99 * g.db2;
            RecordingUi ui;
            simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
            EXPECT_FALSE(g.runFlag);
            ASSERT_EQ(ui.texts().size(), 1u);
            EXPECT_TRUE(ui.texts()[0].starts_with(gear == Gear::Pinion ? "Hlavová kružnice pastorku" : "Hlavová kružnice kola"))
                << ui.texts()[0];
            EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Geometry, Modality::Modal}}));
        }
    }
}

// A pair whose tips were entered too small: the driver computes Epsalfa ≈ 0.92 itself.
TEST(ContactRatio, BothCalculationsStopOnShortTips) {
    for (const bool simplified : {false, true}) {
        GearPairData g = pair();
        g.da1 = 80.5;
        RecordingUi ui;
        simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
        EXPECT_LT(g.Epsgama, 1);
        EXPECT_GT(g.Epsgama, 0.8);
        EXPECT_FALSE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector<std::string>{"Součinitel Epsilongama <=1. Uprav geometrii."});
        EXPECT_EQ(ui.dialogs, (std::vector{DialogRequest{DialogId::Geometry, Modality::Modal}}));
    }
}

// 40/80 teeth at 15° pressure angle: Epsalfa ≈ 2.12, a warning under ČSN and the run goes on.
TEST(ContactRatio, BothCalculationsWarnOnAHighTransverseRatio) {
    const std::string warning = "Součinitel Epsilonalfa >2. Výpočet je neplatný.\r        Ve výpočtu lze však pokračovat.";
    for (const bool simplified : {false, true}) {
        GearPairData g = pair();
        g.z1 = 40;
        g.z2 = 80;
        g.Alfan = 15 * std::numbers::pi / 180;
        RecordingUi quiet;
        updateCentreDistance(g, quiet);
        updateDiameters(g, quiet);
        g.Epsalfa = 0;  // computed by the driver
        g.KFalfaGiven = g.KHalfaGiven = true;  // else the transverse stage stops on this ratio
        // The ČSN charts of YSa know only a 20° tool: the factors are entered.
        g.YSa1Given = g.YSa2Given = true;
        g.YSa1 = g.YSa2 = 1.6;
        RecordingUi ui;
        simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
        EXPECT_NEAR(g.Epsalfa, 2.1165, 1e-4);
        EXPECT_TRUE(g.runFlag);
        EXPECT_EQ(ui.texts(), std::vector{warning});
    }
}

TEST(SimplifiedCalculation, NeverChecksTheBodies) {
    GearPairData g = pair();
    g.sd1 = 50;   // would not fit
    g.sR2 = -1;   // would stop the full calculation
    RecordingUi ui;
    runSimplifiedCalculation(g, ui);
    EXPECT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.rimWarnings.empty());
    EXPECT_FALSE(g.TenkyVenec2);
}

TEST(SimplifiedCalculation, TakesLimitsFromTheMaterialAndFixedFactorsUnlessEntered) {
    GearPairData g = pair();
    g.YA1 = 0.7;
    g.SigmaHlim1Given = true;  // not consulted by the simplified calculation
    g.SigmaHlim1 = 999;
    g.KHalfaGiven = true;
    g.KHalfa = 1.45;
    g.KHbeta = 1.3;
    RecordingUi ui;
    runSimplifiedCalculation(g, ui);
    EXPECT_EQ(g.SigmaHlim1, 1270);
    EXPECT_EQ(g.SigmaHlim2, 1270);
    EXPECT_EQ(g.SigmaFlimb1, 700 * 0.7);
    EXPECT_EQ(g.SigmaFlimb2, 700);
    EXPECT_EQ(g.KFalfa, 1.2);
    EXPECT_EQ(g.KHalfa, 1.45);
    EXPECT_EQ(g.KFv, 1.0);
    EXPECT_EQ(g.KHv, 1.0);
    EXPECT_EQ(g.KHbeta, 1.3);
}

}  // namespace
}  // namespace soukoli
