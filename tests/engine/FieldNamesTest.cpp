// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Printed names to the window fields that enter them: the same name lands in another field (or
// in none) as the data set's mode changes, and a name hidden in the current mode says what it needs.
#include <gtest/gtest.h>

#include <functional>

#include "engine/FieldNames.h"
#include "engine/LoadingInput.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

using namespace soukoli;
using soukoli::testing::RecordingUi;

namespace {

GearPairData startUp(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    RecordingUi ui;
    resetToDefaults(g, ui);
    return g;
}

using W = InputWindow;

struct Row {
    const char* state;
    std::function<void(GearPairData&)> set;
    const char* name;
    NameKind kind;
    W window;
    int number;         // Field: the window's field number
    const char* needs;  // NotShown: a part of what the window needs
};

void none(GearPairData&) {}
void torques(GearPairData& g) { g.SilyF = false; }
void hours(GearPairData& g) { g.NKvCyklech = false; }
void byMode(GearPairData& g, std::uint16_t mode) {
    chooseEquivalentMethod(g);
    g.ZadaniSil = mode;
}
void spectrum(GearPairData& g) { byMode(g, kLoadsFromLevels); }
void classes(GearPairData& g) { byMode(g, kLoadsFromClasses); }
void entered(GearPairData& g) { byMode(g, kLoadsEntered); }
void simplified(GearPairData& g) { prepareSimplifiedTab(g); }
void scheme(GearPairData& g) {
    g.KHbetaFrom = KHbetaSource::FromScheme;
    g.SchemaIndex = 2;  // "1a": no dII, no dI
}

TEST(FieldNames, NamesFollowTheModeOfTheDataSet) {
    const Row rows[] = {
        {"start", none, "z1", NameKind::Field, W::Geometry, 1, ""},
        {"start", none, "ha1*", NameKind::Field, W::Geometry, 9, ""},
        {"start", none, "da2", NameKind::Field, W::Geometry, 16, ""},
        {"start", none, "b1", NameKind::Field, W::Dimensions, 1, ""},
        {"start", none, "db", NameKind::Field, W::Dimensions, 11, ""},
        {"start", none, "IT2", NameKind::Field, W::Accuracy, 2, ""},
        {"start", none, "F1", NameKind::Field, W::Loading, 1, ""},
        {"start", none, "n1", NameKind::Field, W::Loading, 2, ""},
        {"start", none, "KAS", NameKind::Field, W::Loading, 8, ""},
        {"start", none, "Rm1", NameKind::Field, W::Materials, 5, ""},
        {"start", none, "Rm2", NameKind::Field, W::Materials, 18, ""},
        {"start", none, "KHbeta", NameKind::Field, W::FaceLoad, 2, ""},
        {"start", none, "YT1", NameKind::Field, W::Coefficients, 5, ""},
        {"start", none, "YFa1", NameKind::Field, W::Coefficients, 13, ""},
        {"start", none, "T1", NameKind::NotShown, W::Loading, 1, "SilyF=0"},
        {"start", none, "NK1hod", NameKind::NotShown, W::Loading, 3, "NKvCyklech=0"},
        {"start", none, "Ft1", NameKind::NotShown, W::Loading, 9, "MetodaVypoctu=B"},
        {"start", none, "Nj[3]", NameKind::NotShown, W::LoadLevels, 4, "ZadaniSil=1"},
        {"start", none, "bcal", NameKind::NotShown, W::FaceLoad, 1, "KHbetaZbcal=1"},
        {"start", none, "s1", NameKind::NotShown, W::Layout, 1, "KHbetaZeSchematu=1"},
        {"start", none, "ZR1", NameKind::NotShown, W::Coefficients, 5, "simplified"},
        {"start", none, "KHbeta1", NameKind::NotShown, W::Coefficients, 32, "MetodaVypoctu=B"},
        {"start", none, "Teta1", NameKind::NotShown, W::Dimensions, 12, "TetaGiven=1"},
        {"start", none, "SilyF", NameKind::Option, W::Loading, 0, ""},
        {"start", none, "StandardDIN_B", NameKind::Option, W::Coefficients, 0, ""},
        {"start", none, "SigmaHP1", NameKind::Unowned, W::Geometry, 0, ""},
        {"start", none, "nonsense", NameKind::Unowned, W::Geometry, 0, ""},
        {"torques", torques, "T1", NameKind::Field, W::Loading, 1, ""},
        {"torques", torques, "F1", NameKind::NotShown, W::Loading, 1, "SilyF=1"},
        {"hours", hours, "NK1hod", NameKind::Field, W::Loading, 3, ""},
        {"spectrum", spectrum, "n1", NameKind::Field, W::Loading, 18, ""},
        {"spectrum", spectrum, "Ft1", NameKind::Field, W::Loading, 26, ""},
        {"spectrum", spectrum, "j", NameKind::Field, W::LoadLevels, 1, ""},
        {"spectrum", spectrum, "Nj[3]", NameKind::Field, W::LoadLevels, 4, ""},
        {"spectrum", spectrum, "Fj[3]", NameKind::Field, W::LoadLevels, 24, ""},
        {"spectrum", spectrum, "Fj[4]", NameKind::NotShown, W::LoadLevels, 25, "j=4"},
        {"spectrum", spectrum, "NKvCyklech", NameKind::Option, W::LoadLevels, 0, ""},
        {"spectrum", spectrum, "KHbeta1", NameKind::Field, W::Coefficients, 32, ""},
        {"classes", classes, "Ft1", NameKind::Field, W::Loading, 9, ""},
        {"classes", classes, "CHSZ2", NameKind::Field, W::Loading, 17, ""},
        {"classes", classes, "NKvCyklech", NameKind::Option, W::Loading, 0, ""},
        {"entered", entered, "FtHe2", NameKind::Field, W::Loading, 25, ""},
        {"entered", entered, "CHSZ1", NameKind::NotShown, W::Loading, 16, "ZadaniSil=2"},
        {"B, no mode", [](GearPairData& g) { chooseEquivalentMethod(g); }, "SilyF", NameKind::NotShown, W::Loading, 0, "ZadaniSil"},
        {"simplified", simplified, "ZR1", NameKind::Field, W::Coefficients, 5, ""},
        {"simplified", simplified, "YT1", NameKind::NotShown, W::Coefficients, 5, "full"},
        {"simplified", simplified, "n1", NameKind::NotShown, W::Loading, 2, "full"},
        {"simplified", simplified, "qF1", NameKind::NotShown, W::Materials, 7, "full"},
        {"simplified", simplified, "sr1", NameKind::NotShown, W::Dimensions, 5, "full"},
        {"simplified", simplified, "b1", NameKind::Field, W::Dimensions, 1, ""},
        {"simplified, solid", [](GearPairData& g) { g.PlnyPastorek = true; prepareSimplifiedTab(g); }, "b1", NameKind::Field, W::Dimensions, 1, ""},
        {"solid pinion", [](GearPairData& g) { g.PlnyPastorek = true; }, "b1", NameKind::NotShown, W::Dimensions, 1, "PlnyPastorek=0"},
        {"entered bending limit", [](GearPairData& g) { g.SigmaFlimb1Given = true; }, "YA1", NameKind::NotShown, W::Loading, 5, "SigmaFlimb1"},
        {"entered bending limit", [](GearPairData& g) { g.SigmaFlimb1Given = true; }, "YT1", NameKind::NotShown, W::Coefficients, 5, "SigmaFlimb1"},
        {"entered bending limit", [](GearPairData& g) { g.SigmaFlimb1Given = true; }, "YT2", NameKind::Field, W::Coefficients, 6, ""},
        {"scheme", scheme, "s1", NameKind::Field, W::Layout, 1, ""},
        {"scheme", scheme, "dII", NameKind::NotShown, W::Layout, 7, "Schema=3"},
        {"scheme", scheme, "Schema", NameKind::Option, W::Layout, 0, ""},
        {"scheme", scheme, "Fbetar1", NameKind::Field, W::Accuracy, 5, ""},
        {"start", none, "Fbetar1", NameKind::NotShown, W::Accuracy, 5, "KHbetaZeSchematu=1"},
        {"simplified scheme", [](GearPairData& g) { scheme(g); prepareSimplifiedTab(g); g.KHbetaFrom = KHbetaSource::FromScheme; },
         "Schema", NameKind::Option, W::FaceLoad, 0, ""},
    };
    for (const Row& r : rows) {
        GearPairData g = startUp();
        r.set(g);
        const NamedInput in = findNamedInput(g, r.name);
        const std::string what = std::string(r.state) + ": " + r.name;
        ASSERT_EQ(in.kind, r.kind) << what << " (" << in.needs << ")";
        if (r.kind == NameKind::Unowned) continue;
        EXPECT_EQ(in.input.window, r.window) << what;
        EXPECT_EQ(in.input.number, r.number) << what;
        EXPECT_NE(in.needs.find(r.needs), std::string::npos) << what << ": " << in.needs;
    }
}

TEST(FieldNames, InternalToothingHidesTheOuterWheelBody) {
    const GearPairData g = startUp(Toothing::Internal);
    for (const char* name : {"bs2", "sd2", "dh2", "PlneKolo", "KHbetaZeSchematu"}) {
        const NamedInput in = findNamedInput(g, name);
        EXPECT_EQ(in.kind, NameKind::NotShown) << name;
        EXPECT_NE(in.needs.find("external"), std::string::npos) << name << ": " << in.needs;
    }
    EXPECT_EQ(findNamedInput(g, "sr2").kind, NameKind::Field);
}

TEST(FieldNames, ChildWindowsOpenFromTheirWindow) {
    EXPECT_EQ(parentWindow(W::LoadLevels), W::Loading);
    EXPECT_EQ(parentWindow(W::Layout), W::FaceLoad);
    EXPECT_EQ(parentWindow(W::Geometry), W::Geometry);
}

}  // namespace
