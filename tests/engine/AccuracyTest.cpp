// Lookups of the limiting deviations after ČSN 01 4682 and the rules of the accuracy fields.
#include <gtest/gtest.h>

#include "engine/Accuracy.h"
#include "engine/AccuracyTables.h"
#include "support/GearPairs.h"

using namespace soukoli;
using soukoli::testing::defaultPair;

TEST(Accuracy, ClassBoundariesAreInclusive) {
    EXPECT_EQ(moduleClass(3.5), 1);
    EXPECT_EQ(moduleClass(4), 2);
    EXPECT_EQ(moduleClass(6.3), 2);
    EXPECT_EQ(moduleClass(55), 7);
    EXPECT_EQ(diameterClass(80), 1);
    EXPECT_EQ(diameterClass(125), 1);
    EXPECT_EQ(diameterClass(125.01), 2);
    EXPECT_EQ(diameterClass(6300), 7);
    EXPECT_EQ(diameterClass(6300.01), 0);
    EXPECT_EQ(widthClass(40), 1);
    EXPECT_EQ(widthClass(60), 2);
    EXPECT_EQ(widthClass(1250), 8);
    EXPECT_EQ(widthClass(1300), 0);
}

TEST(Accuracy, TabulatedBasePitchRows) {
    EXPECT_DOUBLE_EQ(kBasePitch[8 - 3][0][0], 19);
    EXPECT_DOUBLE_EQ(kBasePitch[8 - 3][0][4], 30);
    EXPECT_DOUBLE_EQ(kBasePitch[8 - 3][0][5], 0);
    EXPECT_DOUBLE_EQ(kBasePitch[8 - 3][1][5], 38);
    EXPECT_DOUBLE_EQ(kBasePitch[8 - 3][2][6], 48);
    EXPECT_DOUBLE_EQ(kBasePitch[3 - 3][0][0], 2.4);
    EXPECT_DOUBLE_EQ(kBasePitch[3 - 3][0][4], 3.8);
}

TEST(Accuracy, PitchLookupOfTheDefaultPair) {
    GearPairData g = defaultPair();  // grade 8, mn = 4: module class 2
    lookupAllDeviations(g);
    EXPECT_TRUE(g.fpb1Given);
    EXPECT_DOUBLE_EQ(g.fpb1, 24);  // d1 = 80: class 1
    EXPECT_TRUE(g.fpb2Given);
    EXPECT_DOUBLE_EQ(g.fpb2, 26);  // d2 = 160: class 2
}

TEST(Accuracy, UndefinedValuesClearTheFlag) {
    GearPairData g = defaultPair();
    g.d1 = 7000;
    lookupBasePitch(g, Gear::Pinion);
    EXPECT_FALSE(g.fpb1Given);
    g = defaultPair();
    g.d1 = 5000;  // class 7, undefined for module class 2
    lookupBasePitch(g, Gear::Pinion);
    EXPECT_FALSE(g.fpb1Given);
    g = defaultPair();
    g.b1 = 1300;
    lookupAlignment(g, Gear::Pinion);
    EXPECT_FALSE(g.Fbeta1Given);
    // An internal wheel is looked up by the size of its diameter.
    g = defaultPair(Toothing::Internal);
    lookupBasePitch(g, Gear::Wheel);
    EXPECT_TRUE(g.fpb2Given);
    EXPECT_DOUBLE_EQ(g.fpb2, 26);
}

TEST(Accuracy, AClearedFlagStaysUntilReset) {
    GearPairData g = defaultPair();
    g.fpb1Given = false;
    g.fpb1 = 5;
    lookupBasePitch(g, Gear::Pinion);
    EXPECT_FALSE(g.fpb1Given);
    EXPECT_DOUBLE_EQ(g.fpb1, 5);
    g.fpbr1 = 3;
    resetMeasuredDeviations(g);
    EXPECT_TRUE(g.fpb1Given && g.fpb2Given && g.Fbeta1Given && g.Fbeta2Given && g.fxGiven && g.fyGiven);
    EXPECT_DOUBLE_EQ(g.fpbr1, 0);
    lookupBasePitch(g, Gear::Pinion);
    EXPECT_DOUBLE_EQ(g.fpb1, 24);
}

TEST(Accuracy, EntriesNotInTheTableLeaveTheDeviation) {
    GearPairData g = defaultPair();
    g.IT1 = 9;
    g.fpb1 = 7;
    g.Fbeta1 = 0;
    lookupAllDeviations(g);
    EXPECT_TRUE(g.fpb1Given);
    EXPECT_DOUBLE_EQ(g.fpb1, 7);
    EXPECT_TRUE(g.Fbeta1Given && g.fxGiven && g.fyGiven);
}

TEST(AccuracyFields, GradesFromTwoToTwelve) {
    GearPairData g = defaultPair();
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT1, 1, true));
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT1, 13, true));
    EXPECT_EQ(g.IT1, 13);  // stored before it is judged
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT2, 8.5, true));
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::IT2, 0, false));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::IT1, 2, true));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::IT2, 12, true));
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::IT1, 8, true));
    EXPECT_DOUBLE_EQ(g.fpb1, 24);
    EXPECT_EQ(accuracyMessage(AccuracyField::IT2), "Stupeň přesnosti vol od 2 do 12");
}

TEST(AccuracyFields, MeasuredDeviationsReplaceTheLimits) {
    GearPairData g = defaultPair();
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::Fbetar1, -2, true));
    EXPECT_TRUE(g.Fbeta1Given);
    EXPECT_EQ(accuracyMessage(AccuracyField::Fbetar1), "Úchylku zadej kladnou");
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::Fbetar1, 0, true));
    EXPECT_FALSE(g.Fbeta1Given);
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fpbr1, -2, true));
    EXPECT_FALSE(g.fpb1Given);
    EXPECT_DOUBLE_EQ(g.fpbr1, -2);
    EXPECT_FALSE(commitAccuracy(g, AccuracyField::fyr, 0, false));
    EXPECT_TRUE(g.fyGiven);
    EXPECT_EQ(accuracyMessage(AccuracyField::fyr), "Chyba vstupu");
    EXPECT_TRUE(commitAccuracy(g, AccuracyField::fxr, 4, true));
    EXPECT_FALSE(g.fxGiven);
    EXPECT_TRUE(g.fpb2Given && g.Fbeta2Given && g.fyGiven);
}
