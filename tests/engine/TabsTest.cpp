// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The toothing switch and the tab preparations: what they reset, what they keep, the scheme map
// of the simplified calculation and the face load factors they fix.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/FieldTable.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

GearPairData defaults(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    testing::RecordingUi ui;
    resetToDefaults(g, ui);
    return g;
}

TEST(ToothingSwitch, ResetsEveryInputOutsideLoading) {
    GearPairData g = defaults();
    testing::RecordingUi ui;
    g.z1 = 31;
    g.MetodaVypoctu = 'B';
    g.KHbetaFrom = KHbetaSource::FromBcal;
    g.KHbeta = 1.7;
    switchToothing(g, Toothing::Internal, ToothingInputs::Reset, ui);
    EXPECT_EQ(g.TypSoukoli, Toothing::Internal);
    EXPECT_EQ(g.z1, 20);
    EXPECT_EQ(g.z2, -60);
    EXPECT_NEAR(g.aw, -80, 1e-6);  // the centre distance of the zero-shift pair
    EXPECT_EQ(g.MetodaVypoctu, 'A');
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    EXPECT_DOUBLE_EQ(g.KHbeta, 1.3);

    EXPECT_NEAR(g.d2, -240, 1e-9);  // the geometry follows the new pair
    switchToothing(g, Toothing::External, ToothingInputs::Reset, ui);
    EXPECT_EQ(g.z2, 40);
    EXPECT_NEAR(g.aw, 120, 1e-6);
    EXPECT_NEAR(g.df1, 70, 1e-9);
    EXPECT_NEAR(g.df2, 150, 1e-9);
    EXPECT_TRUE(ui.messages.empty());
}

// Every named field and text of two data sets, NaN equal to NaN; the working values of the
// internal wheel's cutter stay behind an internal pair, unread by an external one.
void expectSameProject(const GearPairData& a, const GearPairData& b, const char* what) {
    for (const auto& f : numericFields()) {
        if (f.name == "a0w" || f.name == "alfa0w" || f.name == "da0") continue;
        const double x = readField(a, f);
        const double y = readField(b, f);
        if (!(std::isnan(x) && std::isnan(y))) {
            EXPECT_EQ(x, y) << what << ": " << f.name;
        }
    }
    EXPECT_EQ(a.MetodaVypoctu, b.MetodaVypoctu) << what;
    EXPECT_EQ(a.Schema, b.Schema) << what;
    EXPECT_EQ(a.Material1, b.Material1) << what;
}

GearPairData newStart(Toothing type = Toothing::External) {
    GearPairData g;
    testing::RecordingUi ui;
    startNewProject(g, type, ui);
    return g;
}

TEST(ToothingSwitch, EitherWayGivesTheProjectOfANewStart) {
    GearPairData g = newStart();
    testing::RecordingUi ui;
    g.IT1 = 5;
    g.fpbr2 = 7;
    g.fpb2Given = false;
    g.fx = 3;
    g.b1 = 90;
    g.Ft1 = 1234;
    switchToothing(g, Toothing::Internal, ToothingInputs::Reset, ui);
    expectSameProject(g, newStart(Toothing::Internal), "Vnitřní");
    switchToothing(g, Toothing::External, ToothingInputs::Reset, ui);
    expectSameProject(g, newStart(), "Vnější");

    // The second tab then starts from the nominal load of a new start, not from half of it.
    GearPairData started = newStart();
    prepareSimplifiedTab(g);
    prepareSimplifiedTab(started);
    expectSameProject(g, started, "Vnější, then the second tab");
    EXPECT_DOUBLE_EQ(g.F1, defaults().F1);
}

TEST(ToothingSwitch, KeepsTheInputsWhileLoading) {
    GearPairData g = defaults();
    g.z1 = 31;
    testing::RecordingUi ui;
    switchToothing(g, Toothing::Internal, ToothingInputs::Keep, ui);
    EXPECT_EQ(g.TypSoukoli, Toothing::Internal);
    EXPECT_EQ(g.z1, 31);
    EXPECT_EQ(g.z2, 40);  // the loaded project brings its own wheel
}

TEST(SimplifiedTab, MapsEveryLayoutLabelToItsScheme) {
    const std::pair<const char*, int> rows[] = {
        {"1", 6}, {"1a", 6}, {"2", 6}, {"2a", 6}, {"3", 5}, {"4", 5}, {"5", 5}, {"6", 1}, {"7", 1}, {"8", 3},
    };
    for (const auto& [label, scheme] : rows) {
        GearPairData g = defaults();
        g.Schema = label;
        g.SchemaIndex = 9;
        prepareSimplifiedTab(g);
        EXPECT_EQ(g.SchemaIndex, scheme) << label;
    }
}

TEST(SimplifiedTab, UnknownLabelKeepsTheNumberUnlessItIsUnusable) {
    GearPairData g = defaults();
    g.Schema = "";
    g.SchemaIndex = 7;
    prepareSimplifiedTab(g);
    EXPECT_EQ(g.SchemaIndex, 7);
    g.SchemaIndex = 0;
    prepareSimplifiedTab(g);
    EXPECT_EQ(g.SchemaIndex, 2);
    g.SchemaIndex = 10;
    prepareSimplifiedTab(g);
    EXPECT_EQ(g.SchemaIndex, 10);  // 10 is still a number; only above it falls back
    g.SchemaIndex = 11;
    prepareSimplifiedTab(g);
    EXPECT_EQ(g.SchemaIndex, 2);
}

TEST(SimplifiedTab, SetsTheSimplifiedStateAndDerivesF1FromFt1) {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    g.Ft1 = 9000;
    g.KAS = 2.25;
    prepareSimplifiedTab(g);
    EXPECT_TRUE(g.Zjednoduseny);
    EXPECT_EQ(g.MetodaVypoctu, 'A');
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
}

TEST(SimplifiedTab, ZeroKASLeavesF1Finite) {
    GearPairData g = defaults();
    g.KAS = 0;
    prepareSimplifiedTab(g);
    EXPECT_DOUBLE_EQ(g.F1, 4000);
}

TEST(SimplifiedTab, KHbetaFromBcalIsComputedAndThenEnteredDirectly) {
    GearPairData g = defaults();
    g.KHbetaFrom = KHbetaSource::FromBcal;
    g.b = 60;
    g.bcal = 240;  // 4·b gives 8/7
    prepareSimplifiedTab(g);
    EXPECT_DOUBLE_EQ(g.KHbeta, 8.0 / 7.0);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
}

TEST(SimplifiedSchemeKHbeta, HardAndSoftFlanks) {
    GearPairData g = defaults();
    g.b1 = g.b2 = 80;  // ψ = 80/80 = 1 with d1 = 20·4
    EXPECT_DOUBLE_EQ(*simplifiedSchemeKHbeta(g, 1), 2.2);
    g.VHV2 = 350;  // 350 is not hard
    EXPECT_DOUBLE_EQ(*simplifiedSchemeKHbeta(g, 1), 1 + 0.385 + 0.125);
    EXPECT_DOUBLE_EQ(*simplifiedSchemeKHbeta(g, 7), 1 - 0.0136 + 0.0366);
    g.b2 = 40;  // the narrower face counts: ψ = 0.5
    EXPECT_DOUBLE_EQ(*simplifiedSchemeKHbeta(g, 7), 1 - 0.0136 * 0.5 + 0.0366 * 0.25);
    EXPECT_FALSE(simplifiedSchemeKHbeta(g, 0));
    EXPECT_FALSE(simplifiedSchemeKHbeta(g, 8));
    g.z1 = 0;
    EXPECT_FALSE(simplifiedSchemeKHbeta(g, 1));
}

TEST(FullTab, LeavesTheSimplifiedCalculation) {
    GearPairData g = defaults();
    g.Zjednoduseny = true;
    g.F1 = 5000;
    g.KAS = 1.5;
    prepareFullTab(g);
    EXPECT_FALSE(g.Zjednoduseny);
    EXPECT_DOUBLE_EQ(g.Ft1, 7500);
    EXPECT_DOUBLE_EQ(g.KHbeta, 1.3);  // entered directly: untouched
}

TEST(FullTab, SchemeFromThePictureIsFixedByItsFormula) {
    GearPairData g = defaults();
    g.KHbetaFrom = KHbetaSource::FromScheme;
    g.SchemaIndex = 1;
    g.b1 = g.b2 = 80;
    prepareFullTab(g);
    EXPECT_DOUBLE_EQ(g.KHbeta, 2.2);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    g.KHbetaFrom = KHbetaSource::FromScheme;
    g.SchemaIndex = 9;  // a layout of the full calculation: no simplified formula
    g.KHbeta = 1.45;
    prepareFullTab(g);
    EXPECT_DOUBLE_EQ(g.KHbeta, 1.45);
}

TEST(Tabs, RoundTripFromStartUpKeepsTheForces) {
    GearPairData g = defaults();
    prepareFullTab(g);  // start-up shows the first tab: Ft1 = 4000·2
    EXPECT_DOUBLE_EQ(g.Ft1, 8000);
    prepareSimplifiedTab(g);
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    prepareFullTab(g);
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    EXPECT_DOUBLE_EQ(g.Ft1, 8000);
    EXPECT_FALSE(g.Zjednoduseny);
}

}  // namespace
}  // namespace soukoli
