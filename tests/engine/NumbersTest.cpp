// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Number formats and the number reader, on their boundaries: half-way values, widths, signs,
// values wider than their field, exponent digits, and what the reader refuses.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "engine/Numbers.h"

namespace soukoli {
namespace {

TEST(Str, RightAlignsWithExactlyTheDecimalsAndGrowsWhenNeeded) {
    EXPECT_EQ(str(0, 5, 1), "  0.0");
    EXPECT_EQ(str(120, 7, 3), "120.000");
    EXPECT_EQ(str(-232, 7, 3), "-232.000");  // wider than its field
    EXPECT_EQ(str(3.14159, 1, 2), "3.14");
    EXPECT_EQ(str(0.35888, 7, 5), "0.35888");
    EXPECT_EQ(str(42, 3, 0), " 42");
    EXPECT_EQ(str(123456789.0, 3, 0), "123456789");
    EXPECT_EQ(str(-0.5, 6, 3), "-0.500");
    EXPECT_EQ(str(1e20, 0, 1), "100000000000000000000.0");
}

TEST(Str, HalfWayValuesGoAwayFromZeroOthersToNearest) {
    EXPECT_EQ(str(0.125, 0, 2), "0.13");   // exactly half-way in binary
    EXPECT_EQ(str(0.375, 0, 2), "0.38");
    EXPECT_EQ(str(-0.125, 0, 2), "-0.13");
    EXPECT_EQ(str(2.5, 0, 0), "3");
    EXPECT_EQ(str(-2.5, 0, 0), "-3");
    EXPECT_EQ(str(0.5, 0, 0), "1");
    EXPECT_EQ(str(9.5, 0, 0), "10");
    EXPECT_EQ(str(99.95, 0, 1), "100.0");  // 99.95 is stored a little above half-way
    EXPECT_EQ(str(2.675, 0, 2), "2.67");   // stored a little below: no tie
    EXPECT_EQ(str(1.005, 0, 2), "1.00");
    EXPECT_EQ(str(0.0625, 0, 3), "0.063");
    EXPECT_EQ(str(1e-7, 8, 3), "   0.000");
}

TEST(Str, NegativeValuesThatRoundToZeroHaveNoSign) {
    EXPECT_EQ(str(-0.04, 5, 1), "  0.0");
    EXPECT_EQ(str(-0.0, 5, 1), "  0.0");
    EXPECT_EQ(str(-0.05, 5, 1), " -0.1");  // 0.05 is stored a little above half-way
}

TEST(Str, NonFiniteValuesAreWrittenReadably) {
    EXPECT_EQ(str(std::numeric_limits<double>::quiet_NaN(), 5, 1), "  NaN");
    EXPECT_EQ(str(std::numeric_limits<double>::infinity(), 5, 1), "  Inf");
    EXPECT_EQ(str(-std::numeric_limits<double>::infinity(), 2, 1), "-Inf");
}

TEST(formatFloat, ExponentPicturesOfLivesAndSNCurves) {
    EXPECT_EQ(formatFloat(kPictureShort, 3e6), "3E+6");
    EXPECT_EQ(formatFloat(kPictureLives, 1.25e7), "1.25E+7");
    EXPECT_EQ(formatFloat(kPictureTwoDigits, 5e7), "50E+6");
    EXPECT_EQ(formatFloat(kPictureTwoDigits, 1e8), "10E+7");
    EXPECT_EQ(formatFloat(kPictureLives, 2.5e5), "2.5E+5");
    EXPECT_EQ(formatFloat(kPictureLives, 6e7), "6E+7");
    EXPECT_EQ(formatFloat(kPictureShort, 210000), "2.1E+5");
    EXPECT_EQ(formatFloat(kPictureLives, 1764), "1.764E+3");
    EXPECT_EQ(formatFloat(kPictureLives, 29440), "2.944E+4");
}

TEST(formatFloat, RoundsToThePictureAndCarriesIntoTheExponent) {
    EXPECT_EQ(formatFloat(kPictureLives, 12345000), "1.235E+7");  // exact tie goes up
    EXPECT_EQ(formatFloat(kPictureLives, 12344999), "1.234E+7");
    EXPECT_EQ(formatFloat(kPictureLives, 99999), "1E+5");
    EXPECT_EQ(formatFloat(kPictureShort, 9.96e6), "1E+7");
    EXPECT_EQ(formatFloat(kPictureTwoDigits, 99.6e6), "10E+7");
    EXPECT_EQ(formatFloat(kPictureLives, 0.00125), "1.25E-3");
    EXPECT_EQ(formatFloat(kPictureTwoDigits, 3), "30E-1");
    EXPECT_EQ(formatFloat(kPictureLives, -2.5e5), "-2.5E+5");
    EXPECT_EQ(formatFloat(kPictureLives, 0), "0E+0");
    EXPECT_EQ(formatFloat(kPictureLives, 1e300), "1E+300");
}

TEST(FileReal, TwentyThreeCharactersWithFifteenDigits) {
    EXPECT_EQ(formatFileReal(20), " 2.00000000000000E+0001");
    EXPECT_EQ(formatFileReal(0.25), " 2.50000000000000E-0001");
    EXPECT_EQ(formatFileReal(0), " 0.00000000000000E+0000");
    EXPECT_EQ(formatFileReal(-0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(formatFileReal(-60), "-6.00000000000000E+0001");
    EXPECT_EQ(formatFileReal(0.3490658503988659), " 3.49065850398866E-0001");
    EXPECT_EQ(formatFileReal(1.0 / 3.0), " 3.33333333333333E-0001");
    EXPECT_EQ(formatFileReal(2.0 / 3.0), " 6.66666666666667E-0001");
    EXPECT_EQ(formatFileReal(9.999999999999999), " 1.00000000000000E+0001");
    EXPECT_EQ(formatFileReal(1234567890123455.0), " 1.23456789012346E+0015");  // exact tie
    EXPECT_EQ(formatFileReal(1e-300), " 1.00000000000000E-0300");
    EXPECT_EQ(formatFileReal(std::numeric_limits<double>::max()), " 1.79769313486232E+0308");
    EXPECT_EQ(formatFileReal(std::numeric_limits<double>::denorm_min()), " 4.94065645841247E-0324");
    for (const double x : {20.0, -60.0, 0.1, 1e-300, 123.456}) EXPECT_EQ(formatFileReal(x).size(), 23u);
}

TEST(ParseNumber, AcceptsTheDecimalSyntaxWithAPoint) {
    for (const auto* text : {"12.5", " 12.5", "+12.5", "1.25E1", "1.25e+1", "125e-1", "   +0.125E+2"}) {
        const NumberParse r = parseNumber(text);
        EXPECT_EQ(r.status, 0) << text;
        EXPECT_EQ(r.value, 12.5) << text;
    }
    EXPECT_EQ(parseNumber("-60").value, -60);
    EXPECT_EQ(parseNumber(".5").value, 0.5);
    EXPECT_EQ(parseNumber("5.").value, 5);
    EXPECT_EQ(parseNumber("1e-400").value, 0);  // too small to represent
    EXPECT_TRUE(parseNumber("1e-400").ok());
}

TEST(ParseNumber, GivesThePositionOfTheFirstUnreadableCharacter) {
    EXPECT_EQ(parseNumber("12,5").status, 3);
    EXPECT_EQ(parseNumber("").status, 1);
    EXPECT_EQ(parseNumber("   ").status, 4);
    EXPECT_EQ(parseNumber("-").status, 2);
    EXPECT_EQ(parseNumber("+").status, 2);
    EXPECT_EQ(parseNumber("abc").status, 1);
    EXPECT_EQ(parseNumber("1E").status, 3);
    EXPECT_EQ(parseNumber("1E+").status, 4);
    EXPECT_EQ(parseNumber("1Ex").status, 3);
    EXPECT_EQ(parseNumber("12.5 ").status, 5);
    EXPECT_EQ(parseNumber("1..2").status, 3);
    EXPECT_EQ(parseNumber(".").status, 2);
    EXPECT_EQ(parseNumber("inf").status, 1);
    EXPECT_EQ(parseNumber("nan").status, 1);
    EXPECT_EQ(parseNumber("0x10").status, 2);
    EXPECT_EQ(parseNumber("12,5").value, 0);
    // Beyond the range of a double: refused at the number's first character.
    EXPECT_EQ(parseNumber("  1e400").status, 3);
    EXPECT_EQ(parseNumber("1e99999999999999999999").status, 1);
}

TEST(ParseNumber, IgnoresTheLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(parseNumber("12.5").value, 12.5);
        EXPECT_EQ(parseNumber("12,5").status, 3);
        EXPECT_EQ(str(12.5, 0, 1), "12.5");
        EXPECT_EQ(formatFileReal(0.25), " 2.50000000000000E-0001");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseLeadingNumber, TakesTheNumberAtTheStartOfALine) {
    EXPECT_EQ(parseLeadingNumber(" 2.00000000000000E+0001").value, 20);
    EXPECT_TRUE(parseLeadingNumber(" 2.00000000000000E+0001").ok());
    const NumberParse tail = parseLeadingNumber("12.5 mm");
    EXPECT_EQ(tail.value, 12.5);
    EXPECT_EQ(tail.status, 5);
    EXPECT_EQ(parseLeadingNumber("1E").value, 1);
    EXPECT_EQ(parseLeadingNumber("").value, 0);
    EXPECT_EQ(parseLeadingNumber("text").value, 0);
    EXPECT_FALSE(parseLeadingNumber("text").ok());
}

TEST(Numbers, FileRealsReadBackExactlyEnoughForFifteenDigits) {
    for (const double x : {0.3490658503988659, -232.0, 18.88, 2654.9, 1e8, 0.38, 6e7}) {
        const double back = parseNumber(formatFileReal(x)).value;
        EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << x;
        EXPECT_EQ(formatFileReal(back), formatFileReal(x));
    }
}

}  // namespace
}  // namespace soukoli
