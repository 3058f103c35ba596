// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Lookups of the limiting deviations after ČSN 01 4682 and the rules of the accuracy fields,
// entered through the one entry path.
// Expected deviations are the printed values of the standard's tables (grades 6 ... 9, grade 8
// as stated for the program, grade 3 module class 1); 0 means "nedefin.".
#include <gtest/gtest.h>

#include "engine/Accuracy.h"
#include "engine/FieldEntry.h"
#include "support/RecordingUi.h"
#include "support/GearPairs.h"

using namespace soukoli;
using soukoli::testing::defaultPair;

namespace {

using A = AccuracyField;

FieldEntry enter(GearPairData& g, A field, std::string_view text) {
    soukoli::testing::RecordingUi ui;
    return enterField(g, {InputWindow::Accuracy, static_cast<int>(field)}, text, ui);
}

}  // namespace

TEST(Accuracy, BasePitchOverGradesAndClasses) {
    struct Row {
        int grade;
        double mn, d, fpb;
    };
    const Row rows[] = {
        {8, 4, 80, 24},       {8, 4, 160, 26},                   // the default pair
        {8, 3.5, 125, 19},    {8, 3.51, 125.01, 26},             // upper bounds belong to the class
        {8, 6.3, 400, 26},    {8, 6.31, 400.01, 34},             //
        {8, 10, 6300, 48},    {8, 16, 2000, 42},   {8, 25, 6300, 60},
        {7, 4, 80, 17},       {7, 25, 200, 30},    {6, 1, 100, 9.5},  {6, 12, 1000, 19},
        {6, 12, 5000, 26},    {9, 8, 600, 48},                   // the two misprints read as 26 and 48
        {9, 20, 6000, 85},    {3, 2, 100, 2.4},    {3, 1, 2000, 3.8},
        {8, 12, 100, 0},      {8, 3, 3000, 0},     {8, 4, 5000, 0},   // undefined corners
        {8, 4, 6300.01, 0},   {8, 25.01, 1000, 0}, {8, 55, 1000, 0},  {8, 56, 1000, 0},
        {6, 20, 500, 0},      {3, 2, 3000, 0},     {3, 4, 100, 0},    // not known to us
        {2, 2, 100, 0},       {4, 4, 80, 0},       {5, 4, 80, 0},     {10, 4, 80, 0}, {12, 4, 80, 0},
        {1, 4, 80, 0},        {13, 4, 80, 0},
    };
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(tabulatedBasePitch(r.grade, r.mn, r.d), r.fpb)
            << "grade " << r.grade << ", mn " << r.mn << ", d " << r.d;
}

TEST(Accuracy, AlignmentOverGradesAndWidths) {
    struct Row {
        int grade;
        double b, Fbeta;
    };
    const Row rows[] = {
        {8, 60, 25},  {8, 40, 18},  {8, 40.01, 25}, {8, 100, 25}, {8, 100.01, 32}, {8, 630, 56},
        {7, 60, 16},  {7, 400, 28}, {6, 630, 28},   {9, 20, 28},  {9, 630, 90},
        {9, 630.01, 0}, {8, 1250, 0}, {8, 1300, 0},                // unknown or beyond the table
        {2, 60, 0},   {5, 60, 0},   {10, 60, 0},    {12, 60, 0},
    };
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(tabulatedAlignment(r.grade, r.b), r.Fbeta) << "grade " << r.grade << ", b " << r.b;
}

TEST(Accuracy, LookupsFollowTheGradeAndNeverKeepAnEarlierValue) {
    GearPairData g = defaultPair();
    g.fpb1 = g.Fbeta1 = g.fx = 99;
    g.fpb1Given = g.Fbeta1Given = g.fxGiven = g.fyGiven = false;
    lookupAllDeviations(g);
    EXPECT_DOUBLE_EQ(g.fpb1, 24);
    EXPECT_DOUBLE_EQ(g.fpb2, 26);
    EXPECT_DOUBLE_EQ(g.Fbeta1, 25);
    EXPECT_DOUBLE_EQ(g.Fbeta2, 25);
    EXPECT_DOUBLE_EQ(g.fx, 25);
    EXPECT_DOUBLE_EQ(g.fy, 12.5);
    EXPECT_TRUE(g.fpb1Given && g.fpb2Given && g.Fbeta1Given && g.Fbeta2Given && g.fxGiven && g.fyGiven);

    ASSERT_TRUE(enter(g, A::IT1, "7").accepted());
    EXPECT_DOUBLE_EQ(g.fpb1, 17);
    EXPECT_DOUBLE_EQ(g.Fbeta1, 16);
    EXPECT_DOUBLE_EQ(g.fy, 8);
    for (int grade : {5, 10}) {
        ASSERT_TRUE(enter(g, A::IT1, std::to_string(grade)).accepted());
        EXPECT_FALSE(g.fpb1Given || g.Fbeta1Given || g.fxGiven || g.fyGiven) << grade;
        EXPECT_EQ(g.fpb1, 0);
        EXPECT_EQ(g.fx, 0);
        EXPECT_TRUE(g.fpb2Given && g.Fbeta2Given) << "the wheel keeps its grade";
    }
    ASSERT_TRUE(enter(g, A::IT1, "8").accepted());
    EXPECT_TRUE(g.fpb1Given && g.Fbeta1Given && g.fxGiven && g.fyGiven);

    g.b1 = 700;  // wider than the known classes
    lookupAlignment(g, Gear::Pinion);
    EXPECT_FALSE(g.Fbeta1Given || g.fxGiven || g.fyGiven);

    // An internal wheel is looked up by the size of its diameter.
    g = defaultPair(Toothing::Internal);
    lookupBasePitch(g, Gear::Wheel);
    EXPECT_TRUE(g.fpb2Given);
    EXPECT_DOUBLE_EQ(g.fpb2, 26);  // |d2| = 240: class 2
}

TEST(AccuracyFields, EachFieldAcceptsOrRefusesWithItsMessage) {
    struct Row {
        A field;
        const char* text;
        const char* refusal;  // nullptr: accepted
    };
    const Row rows[] = {
        {A::IT1, "2", nullptr},     {A::IT2, "12", nullptr},
        {A::IT1, "1", "Stupeň přesnosti vol od 2 do 12"},   {A::IT1, "13", "Stupeň přesnosti vol od 2 do 12"},
        {A::IT2, "8.5", "Stupeň přesnosti vol od 2 do 12"}, {A::IT2, "x", "Stupeň přesnosti vol od 2 do 12"},
        {A::IT2, "", "Stupeň přesnosti vol od 2 do 12"},
        {A::Fbetar1, "-2", "Úchylku zadej kladnou"},         {A::Fbetar2, "3", nullptr},
        {A::fpbr1, "-2", nullptr},  // a base pitch deviation has a direction
        {A::fpbr2, "1,5", "Chyba vstupu"},                   {A::fyr, "abc", "Chyba vstupu"},
        {A::fxr, "", nullptr},      // an emptied measured field: "not measured"
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(r.field) << " '" << r.text << "'");
        GearPairData g = defaultPair();
        const GearPairData before = g;
        const FieldEntry e = enter(g, r.field, r.text);
        EXPECT_EQ(e.accepted(), r.refusal == nullptr);
        if (r.refusal) {
            EXPECT_EQ(e.message, r.refusal);
            EXPECT_EQ(g.IT1, before.IT1);
            EXPECT_EQ(g.IT2, before.IT2);
        }
    }
    // Grade 2 is accepted, but not tabulated.
    GearPairData g = defaultPair();
    ASSERT_TRUE(enter(g, A::IT1, "2").accepted());
    EXPECT_EQ(g.IT1, 2);
    EXPECT_FALSE(g.fpb1Given);
}

TEST(AccuracyFields, MeasuredDeviationsReplaceTheLimitsUntilTakenBack) {
    GearPairData g = defaultPair();
    lookupAllDeviations(g);
    EXPECT_FALSE(enter(g, A::Fbetar1, "-2").accepted());
    EXPECT_TRUE(g.Fbeta1Given);
    EXPECT_TRUE(enter(g, A::fpbr1, "-2").accepted());
    EXPECT_FALSE(g.fpb1Given);
    EXPECT_DOUBLE_EQ(g.fpbr1, -2);
    EXPECT_FALSE(enter(g, A::fyr, "x").accepted());
    EXPECT_TRUE(g.fyGiven);
    EXPECT_TRUE(enter(g, A::fxr, "4").accepted());
    EXPECT_TRUE(enter(g, A::Fbetar2, "3").accepted());
    EXPECT_FALSE(g.fxGiven || g.Fbeta2Given);
    EXPECT_TRUE(g.fpb2Given && g.Fbeta1Given && g.fyGiven);

    // 0 (or an empty field) takes a measured value back: the limit applies again.
    EXPECT_TRUE(enter(g, A::fpbr1, "0").accepted());
    EXPECT_TRUE(enter(g, A::fxr, " ").accepted());
    EXPECT_TRUE(g.fpb1Given && g.fxGiven);
    EXPECT_DOUBLE_EQ(g.fpb1, 24);
    // ... but only where the standard defines one.
    ASSERT_TRUE(enter(g, A::IT1, "5").accepted());
    EXPECT_TRUE(enter(g, A::fpbr1, "0").accepted());
    EXPECT_FALSE(g.fpb1Given);

    // "&Nuluj": nothing measured, every defined limit applies.
    g.fyr = 2;
    resetMeasuredDeviations(g);
    EXPECT_EQ(g.Fbetar2, 0);
    EXPECT_EQ(g.fyr, 0);
    EXPECT_TRUE(g.Fbeta2Given && g.fpb2Given);
    EXPECT_FALSE(g.fpb1Given || g.fyGiven);  // grade 5 stays undefined
}
