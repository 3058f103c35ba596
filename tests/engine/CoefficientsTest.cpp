// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Entries of the coefficients dialog through the one entry path: direct-entry marks, the exclusive tooth-root factors, the
// DIN - ISO B twins, YT under an entered SigmaFlimb, and the notch check of "&Ok".
#include <gtest/gtest.h>

#include "engine/Coefficients.h"
#include "engine/FieldEntry.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;

FieldEntry entry(GearPairData& g, int field, std::string_view text) {
    testing::RecordingUi ui;
    return enterField(g, {InputWindow::Coefficients, field}, text, ui);
}
bool enter(GearPairData& g, int field, std::string_view text) { return entry(g, field, text).accepted(); }

TEST(CoefficientFields, NumberedOneToThirtyFourWithTheirFormats) {
    for (int n = 1; n <= 34; ++n) ASSERT_EQ(coefficientField(n)->number, n);
    EXPECT_EQ(coefficientField(0), nullptr);
    EXPECT_EQ(coefficientField(35), nullptr);
    GearPairData g = defaultPair();
    g.tg1 = 0.05;
    EXPECT_EQ(coefficientText(g, 1), " 0.050");  // 6:3
    EXPECT_EQ(coefficientText(g, 7), "1.000");   // ZLZRZV 5:3
    g.SigmaFlimb1 = 412.34;
    g.SigmaFlimb1Given = true;
    EXPECT_EQ(coefficientText(g, 23), " 412.3");  // 6:1
    EXPECT_EQ(coefficientText(g, 24), "");         // not entered: empty
    EXPECT_FALSE(isOptionalCoefficient(7));
    EXPECT_TRUE(isOptionalCoefficient(8));
    EXPECT_TRUE(isOptionalCoefficient(34));
}

TEST(CoefficientEntry, NonZeroMarksZeroAndEmptyClear) {
    GearPairData g = defaultPair();
    EXPECT_TRUE(enter(g, 8, "1.25"));
    EXPECT_TRUE(g.KFalfaGiven);
    EXPECT_EQ(g.KFalfa, 1.25);
    EXPECT_EQ(coefficientText(g, 8), "1.250");
    EXPECT_TRUE(enter(g, 8, "0"));
    EXPECT_FALSE(g.KFalfaGiven);
    EXPECT_EQ(coefficientText(g, 8), "");
    EXPECT_TRUE(enter(g, 34, "1.1"));
    EXPECT_TRUE(enter(g, 34, "  "));
    EXPECT_FALSE(g.ZDGiven);
    EXPECT_EQ(g.ZD, 0);
    EXPECT_TRUE(enter(g, 32, " +1.5E0"));
    EXPECT_TRUE(g.KHbeta1Given);
}

// Every field, under method B where all are open: a positive number is stored (and marks an
// optional factor as entered), a negative or unreadable one is refused, 0 is accepted and makes
// an optional factor computed again (shown empty).
TEST(CoefficientEntry, EveryFieldTakesZeroAndPositiveNumbers) {
    for (int n = 1; n <= 34; ++n) {
        SCOPED_TRACE(n);
        GearPairData g = defaultPair();
        g.MetodaVypoctu = 'B';
        const CoefficientField& f = *coefficientField(n);
        EXPECT_TRUE(enter(g, n, " 1.25E0"));
        EXPECT_EQ(g.*(f.quantity), 1.25);
        if (f.given) {
            EXPECT_TRUE(g.*(f.given));
        }
        EXPECT_EQ(entry(g, n, "-0.001").message, "Neplatné zadání");
        EXPECT_EQ(entry(g, n, "1,5").message, "Neplatné zadání");
        EXPECT_EQ(g.*(f.quantity), 1.25);
        EXPECT_TRUE(enter(g, n, "0"));
        if (f.given) {
            EXPECT_FALSE(g.*(f.given));
            EXPECT_EQ(coefficientText(g, n), "");
        } else {
            EXPECT_EQ(g.*(f.quantity), 0);
            EXPECT_NE(coefficientText(g, n), "");
        }
    }
}

TEST(CoefficientEntry, RefusedEntriesLeaveValueAndMark) {
    struct Row {
        int field;
        const char* text;
        bool unreadable;  // refused with the position of the bad character
    };
    const Row rows[] = {
        {19, "-0.5", false}, {19, "1,2", true},
        {1, "", true},  // a mandatory input is never empty
        {1, "-0.001", false}, {23, "abc", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.field << " '" << r.text << "'");
        GearPairData g = defaultPair();
        ASSERT_TRUE(enter(g, 19, "1.2"));
        const GearPairData before = g;
        const FieldEntry e = entry(g, r.field, r.text);
        EXPECT_FALSE(e.accepted());
        EXPECT_EQ(e.message, "Neplatné zadání");
        EXPECT_EQ(e.parseStatus > 0, r.unreadable);
        EXPECT_EQ(g.YN1, 1.2);
        EXPECT_TRUE(g.YN1Given);
        EXPECT_EQ(g.tg1, before.tg1);
        EXPECT_EQ(g.SigmaFlimb1Given, before.SigmaFlimb1Given);
    }
    GearPairData g = defaultPair();
    EXPECT_TRUE(enter(g, 1, "0"));  // 0 is a valid notch depth
}

TEST(CoefficientEntry, FormAndCorrectionFactorsExcludeTheirProduct) {
    GearPairData g = defaultPair();
    ASSERT_TRUE(enter(g, 13, "2.5"));
    ASSERT_TRUE(enter(g, 15, "1.7"));
    EXPECT_TRUE(enter(g, 17, "2.1"));
    EXPECT_TRUE(g.YFS1Given);
    EXPECT_FALSE(g.YFa1Given);
    EXPECT_FALSE(g.YSa1Given);
    EXPECT_EQ(g.YFa1, 1.0);
    EXPECT_EQ(g.YFe1, 1.0);
    EXPECT_EQ(g.YSa1, 1.0);
    EXPECT_EQ(g.YSe1, 1.0);
    EXPECT_EQ(coefficientText(g, 13), "");
    EXPECT_EQ(coefficientText(g, 15), "");
    EXPECT_EQ(coefficientText(g, 17), "2.100");

    EXPECT_TRUE(enter(g, 13, "2.4"));
    EXPECT_FALSE(g.YFS1Given);
    EXPECT_EQ(g.YFS1, 1.0);
    EXPECT_EQ(coefficientText(g, 17), "");

    // The wheel's factors are a pair of their own.
    ASSERT_TRUE(enter(g, 18, "2.0"));
    EXPECT_TRUE(g.YFa1Given);
    EXPECT_TRUE(enter(g, 16, "1.9"));
    EXPECT_FALSE(g.YFS2Given);
    // Entering 0 clears only the factor itself.
    ASSERT_TRUE(enter(g, 17, "2.2"));
    EXPECT_TRUE(enter(g, 17, "0"));
    EXPECT_FALSE(g.YFa1Given || g.YSa1Given || g.YFS1Given);
}

TEST(CoefficientEntry, DinIsoBWritesTheTwinsOfTheToothRootFactors) {
    GearPairData g = defaultPair();
    g.standard = Standard::DIN_B;
    EXPECT_TRUE(enter(g, 13, "2.6"));
    EXPECT_TRUE(enter(g, 16, "1.8"));
    EXPECT_EQ(g.YFa1, 2.6);
    EXPECT_EQ(g.YFe1, 2.6);
    EXPECT_EQ(g.YSa2, 1.8);
    EXPECT_EQ(g.YSe2, 1.8);
    // Not under DIN - ISO C.
    g.standard = Standard::DIN_C;
    EXPECT_TRUE(enter(g, 14, "2.7"));
    EXPECT_EQ(g.YFa2, 2.7);
    EXPECT_NE(g.YFe2, 2.7);
}

TEST(CoefficientEntry, FieldsFiveAndSixEditZrInTheSimplifiedCalculation) {
    GearPairData g = defaultPair();
    g.Zjednoduseny = true;
    EXPECT_TRUE(enter(g, 5, "0.85"));
    EXPECT_EQ(g.ZR1, 0.85);
    EXPECT_EQ(g.YT1, 1.0);
    EXPECT_EQ(coefficientText(g, 5), "0.850");
    g.Zjednoduseny = false;
    EXPECT_TRUE(enter(g, 6, "1.3"));
    EXPECT_EQ(g.YT2, 1.3);
    EXPECT_EQ(g.ZR2, 1.0);
}

TEST(CoefficientEntry, EnteredSigmaFlimbFixesYt) {
    GearPairData g = defaultPair();
    g.YT1 = 1.3;
    EXPECT_TRUE(coefficientEditable(g, 5));
    EXPECT_TRUE(enter(g, 23, "400"));
    EXPECT_EQ(g.YT1, 1.0);
    EXPECT_FALSE(coefficientEditable(g, 5));
    EXPECT_TRUE(coefficientEditable(g, 6));
    EXPECT_EQ(coefficientText(g, 5), "1.000");
    g.Zjednoduseny = true;  // field 5 is ZR1 there
    EXPECT_TRUE(coefficientEditable(g, 5));
    g.Zjednoduseny = false;
    g.YT2 = 1.4;
    g.SigmaFlimb2Given = true;
    applyEnteredLimitStresses(g);
    EXPECT_EQ(g.YT2, 1.0);
}

TEST(CoefficientEntry, MaximumLoadFactorsBelongToMethodB) {
    GearPairData g = defaultPair();
    g.MetodaVypoctu = 'A';
    for (int n = 27; n <= 32; ++n) EXPECT_FALSE(coefficientEditable(g, n)) << n;
    EXPECT_TRUE(coefficientEditable(g, 26));
    EXPECT_TRUE(coefficientEditable(g, 33));
    g.MetodaVypoctu = 'B';
    for (int n = 27; n <= 32; ++n) EXPECT_TRUE(coefficientEditable(g, n)) << n;
}

TEST(NotchCombination, DepthAndRadiusAreBothZeroOrBothNonZero) {
    GearPairData g = defaultPair();
    EXPECT_FALSE(notchCombinationProblem(g));
    g.tg1 = 0.05;
    auto p = notchCombinationProblem(g);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->message, "Kombinace rog1 a tg1 je nemožná, obě hodnoty musí být buď nulové nebo nenulové");
    EXPECT_EQ(p->field, 1);
    g.Rog1 = 0.4;
    EXPECT_FALSE(notchCombinationProblem(g));
    g.tg1 = 0;
    EXPECT_EQ(notchCombinationProblem(g)->field, 1);
    g.Rog1 = 0;
    g.Rog2 = 0.3;
    p = notchCombinationProblem(g);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->message, "Kombinace rog2 a tg2 je nemožná, obě hodnoty musí být buď nulové nebo nenulové");
    EXPECT_EQ(p->field, 2);
    // The pinion is reported first.
    g.tg1 = 0.1;
    EXPECT_EQ(notchCombinationProblem(g)->field, 1);
}

}  // namespace
}  // namespace soukoli
