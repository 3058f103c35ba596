// Lookups of the limiting deviations after ČSN 01 4682 and the rules of the accuracy fields.
// Expected deviations are the printed values of the standard's tables (grades 6 ... 9, grade 8
// as stated for the program, grade 3 module class 1); 0 means "nedefin.".
#include <gtest/gtest.h>

#include "engine/Accuracy.h"
#include "support/GearPairs.h"

using namespace soukoli;
using soukoli::testing::defaultPair;

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

    ASSERT_TRUE(commitAccuracy(g, AccuracyField::IT1, 7, true));
    EXPECT_DOUBLE_EQ(g.fpb1, 17);
    EXPECT_DOUBLE_EQ(g.Fbeta1, 16);
    EXPECT_DOUBLE_EQ(g.fy, 8);
    for (int grade : {5, 10}) {
        ASSERT_TRUE(commitAccuracy(g, AccuracyField::IT1, grade, true));
        EXPECT_FALSE(g.fpb1Given || g.Fbeta1Given || g.fxGiven || g.fyGiven) << grade;
        EXPECT_EQ(g.fpb1, 0);
        EXPECT_EQ(g.fx, 0);
        EXPECT_TRUE(g.fpb2Given && g.Fbeta2Given) << "the wheel keeps its grade";
    }
    ASSERT_TRUE(commitAccuracy(g, AccuracyField::IT1, 8, true));
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

TEST(AccuracyFields, GradesFromTwoToTwelve) {
    GearPairData g = defaultPair();
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT1, 1, true));
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT1, 13, true));
    EXPECT_EQ(g.IT1, 13);  // stored before it is judged
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT2, 8.5, true));
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT2, 0, false));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::IT1, 2, true));
    EXPECT_FALSE(g.fpb1Given);  // grade 2 is not tabulated
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::IT2, 12, true));
    EXPECT_EQ(accuracyMessage(AccuracyField::IT2), "Stupeň přesnosti vol od 2 do 12");
}

TEST(AccuracyFields, MeasuredDeviationsReplaceTheLimitsUntilTakenBack) {
    GearPairData g = defaultPair();
    lookupAllDeviations(g);
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::Fbetar1, -2, true));
    EXPECT_TRUE(g.Fbeta1Given);
    EXPECT_EQ(accuracyMessage(AccuracyField::Fbetar1), "Úchylku zadej kladnou");
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fpbr1, -2, true));
    EXPECT_FALSE(g.fpb1Given);
    EXPECT_DOUBLE_EQ(g.fpbr1, -2);
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::fyr, 0, false));
    EXPECT_TRUE(g.fyGiven);
    EXPECT_EQ(accuracyMessage(AccuracyField::fyr), "Chyba vstupu");
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fxr, 4, true));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::Fbetar2, 3, true));
    EXPECT_FALSE(g.fxGiven || g.Fbeta2Given);
    EXPECT_TRUE(g.fpb2Given && g.Fbeta1Given && g.fyGiven);

    // 0 (or an empty field) takes a measured value back: the limit applies again.
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fpbr1, 0, true));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fxr, 0, true));
    EXPECT_TRUE(g.fpb1Given && g.fxGiven);
    EXPECT_DOUBLE_EQ(g.fpb1, 24);
    // ... but only where the standard defines one.
    ASSERT_TRUE(commitAccuracy(g, AccuracyField::IT1, 5, true));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fpbr1, 0, true));
    EXPECT_FALSE(g.fpb1Given);

    // "&Nuluj": nothing measured, every defined limit applies.
    g.fyr = 2;
    resetMeasuredDeviations(g);
    EXPECT_EQ(g.Fbetar2, 0);
    EXPECT_EQ(g.fyr, 0);
    EXPECT_TRUE(g.Fbeta2Given && g.fpb2Given);
    EXPECT_FALSE(g.fpb1Given || g.fyGiven);  // grade 5 stays undefined
}
