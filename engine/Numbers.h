// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Numbers as the program shows, prints, stores and reads them: fixed-point str(x:w:d), the
// exponent pictures of lives and S-N curve data, the 23-character real of the project file, and
// the reader of numeric input fields. All of them use the decimal point whatever the locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace soukoli {

/// The exponent pictures: lives, moments of inertia and spectrum cycles above 99999;
/// NFlim1, NFlim2, E1, E2; NHlim1, NHlim2.
inline constexpr std::string_view kPictureLives = "#.###E+0;";
inline constexpr std::string_view kPictureShort = "#.#E+0;";
inline constexpr std::string_view kPictureTwoDigits = "##E+0;";

/// str(x:w:d): exactly d decimals, right-aligned in at least w characters, "-" for negative
/// values. Half-way values are rounded away from zero; a value that rounds to zero is printed
/// without a sign.
std::string str(double x, int w, int d);

/// formatFloat with an exponent picture such as "#.###E+0;": as many digits before the point
/// as the picture has digit places there (the exponent adjusted to it), trailing zero decimals
/// and a bare point dropped, the exponent with its sign. 3e6 in "#.#E+0;" gives "3E+6".
std::string formatFloat(std::string_view picture, double x);

/// The real of the project file: 23 characters, sign position, 15 significant digits and a
/// four-digit exponent; 20 gives " 2.00000000000000E+0001".
std::string formatFileReal(double x);

/// `x` as the project file gives it back: rounded to the 15 significant digits of formatFileReal.
/// A value the program itself converts (an angle typed in degrees and kept in radians) is kept
/// so, and a saved and reopened project calculates with exactly what it calculated with before.
[[nodiscard]] double asStoredInFile(double x);

/// The result of reading a number: `status` is 0 for a valid number, otherwise the 1-based
/// position of the first character that cannot be read (the "parse status" of the input
/// fields). A failed conversion gives the value 0.
struct NumberParse {
    double value = 0;
    std::int32_t status = 0;

    [[nodiscard]] bool ok() const { return status == 0; }
};

/// Reads a whole text as one number: leading blanks, an optional sign, digits with an optional
/// fraction after ".", an optional exponent "E"/"e" with optional sign. Nothing else may follow.
/// A number beyond the range of a double is rejected at its first character; one too small to
/// be represented reads as 0.
NumberParse parseNumber(std::string_view text);

/// Reads the longest number at the start of a text (after leading blanks) and ignores the rest;
/// `status` tells where the number ended if anything followed it. No number at all gives 0.
NumberParse parseLeadingNumber(std::string_view text);

}  // namespace soukoli
