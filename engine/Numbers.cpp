// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Formatting and reading of numbers. Rounding is done on the exact binary value of a double:
// a value exactly half-way between two printable results goes away from zero, as the reports
// of the program always did; every other value is rounded to the nearest printable result.
#include "engine/Numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace soukoli {

namespace {

constexpr int kMaxDecimals = 40;
constexpr int kMaxSignificant = 40;

std::string nonFinite(double x) {
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Inf" : "Inf";
}

std::string padLeft(std::string s, int width) {
    if (width > 0 && s.size() < static_cast<std::size_t>(width))
        s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

// Number of decimals in the exact decimal expansion of a finite, non-negative double.
int exactFractionDigits(double ax) {
    if (ax == 0) return 0;
    int e = 0;
    const double f = std::frexp(ax, &e);  // ax = f·2^e, f in [0.5, 1)
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(f, 53));
    const int e2 = e - 53 + std::countr_zero(mantissa);
    return e2 < 0 ? -e2 : 0;
}

// Adds one unit in the last digit of a plain decimal text ("129.99" -> "130.00").
void incrementLastDigit(std::string& s) {
    for (auto i = s.size(); i-- > 0;) {
        if (s[i] == '.') continue;
        if (s[i] != '9') {
            ++s[i];
            return;
        }
        s[i] = '0';
    }
    s.insert(s.begin(), '1');
}

// The first `count` significant digits of a positive finite double, rounded half away from
// zero, as value = 0.d1 d2 ... dcount · 10^exp10.
struct Significant {
    std::array<char, kMaxSignificant> digits{};
    int count = 0;
    int exp10 = 0;
};

// Splits the output of to_chars(scientific) into its digits and its exponent.
void splitScientific(const char* first, const char* last, std::string& digits, int& exponent) {
    digits.clear();
    const char* p = first;
    for (; p != last && *p != 'e'; ++p)
        if (*p != '.') digits.push_back(*p);
    exponent = 0;
    if (p != last) std::from_chars(p + 1 + (p[1] == '+'), last, exponent);
}

Significant roundSignificant(double ax, int count) {
    Significant r;
    r.count = count;
    std::string digits;
    int exponent = 0;
    // count + 1 correctly rounded digits: unless the last of them is a 5 the value cannot be a
    // tie at `count` digits, and to_chars rounds it correctly. Otherwise take the exact value.
    std::array<char, 64> probe{};
    auto res = std::to_chars(probe.data(), probe.data() + probe.size(), ax,
                             std::chars_format::scientific, count);
    splitScientific(probe.data(), res.ptr, digits, exponent);
    if (digits.back() == '5') {
        std::array<char, 800> exact{};  // 767 significant digits suffice for any double
        res = std::to_chars(exact.data(), exact.data() + exact.size(), ax,
                            std::chars_format::scientific, 766);
        splitScientific(exact.data(), res.ptr, digits, exponent);
        const bool up = digits[static_cast<std::size_t>(count)] >= '5';
        digits.resize(static_cast<std::size_t>(count));
        if (up) incrementLastDigit(digits);
    } else {
        res = std::to_chars(probe.data(), probe.data() + probe.size(), ax,
                            std::chars_format::scientific, count - 1);
        splitScientific(probe.data(), res.ptr, digits, exponent);
    }
    if (digits.size() > static_cast<std::size_t>(count)) {  // 9.99 -> 10.0
        digits.resize(static_cast<std::size_t>(count));
        ++exponent;
    }
    std::copy(digits.begin(), digits.end(), r.digits.begin());
    r.exp10 = exponent + 1;
    return r;
}

}  // namespace

std::string str(double x, int w, int d) {
    if (!std::isfinite(x)) return padLeft(nonFinite(x), w);
    d = std::clamp(d, 0, kMaxDecimals);
    const double ax = std::fabs(x);
    std::array<char, 400> buf{};  // 309 integer digits, the point and the decimals
    std::string s;
    if (exactFractionDigits(ax) == d + 1) {
        // Exactly half-way: print the exact value and round its last digit (a 5) away from 0.
        auto res = std::to_chars(buf.data(), buf.data() + buf.size(), ax, std::chars_format::fixed, d + 1);
        s.assign(buf.data(), res.ptr - 1);
        if (d == 0) s.pop_back();  // the point before the dropped digit
        incrementLastDigit(s);
    } else {
        auto res = std::to_chars(buf.data(), buf.data() + buf.size(), ax, std::chars_format::fixed, d);
        s.assign(buf.data(), res.ptr);
    }
    const bool allZero = std::all_of(s.begin(), s.end(), [](char c) { return c == '0' || c == '.'; });
    if (std::signbit(x) && !allZero) s.insert(s.begin(), '-');
    return padLeft(std::move(s), w);
}

std::string formatFloat(std::string_view picture, double x) {
    picture = picture.substr(0, picture.find(';'));
    const auto ePos = picture.find_first_of("Ee");
    const auto mantissa = picture.substr(0, ePos);
    const auto point = mantissa.find('.');
    const auto isPlace = [](char c) { return c == '#' || c == '0'; };
    const auto intPart = mantissa.substr(0, point);
    const auto fracPart = point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const int intPlaces = std::max(1, static_cast<int>(std::count_if(intPart.begin(), intPart.end(), isPlace)));
    const int fracPlaces = static_cast<int>(std::count_if(fracPart.begin(), fracPart.end(), isPlace));
    const auto lastZero = fracPart.rfind('0');
    const int minFrac = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero) + 1;

    if (ePos == std::string_view::npos) {  // a fixed picture: only its decimals matter here
        return str(x, 0, fracPlaces);
    }
    if (!std::isfinite(x)) return nonFinite(x);

    const auto exponentPart = picture.substr(ePos + 1);
    const bool alwaysSign = !exponentPart.empty() && exponentPart[0] == '+';
    const int minExpDigits = std::max(1, static_cast<int>(std::count(exponentPart.begin(), exponentPart.end(), '0')));

    std::string intDigits = "0";
    std::string fracDigits;
    int exponent = 0;
    if (x != 0) {
        const int count = std::min(intPlaces + fracPlaces, kMaxSignificant);
        const Significant r = roundSignificant(std::fabs(x), count);
        const std::string_view all(r.digits.data(), static_cast<std::size_t>(r.count));
        const auto split = static_cast<std::size_t>(std::min(intPlaces, r.count));
        intDigits.assign(all.substr(0, split));
        intDigits.append(static_cast<std::size_t>(intPlaces) - split, '0');
        fracDigits.assign(all.substr(split));
        exponent = r.exp10 - intPlaces;
    }
    while (static_cast<int>(fracDigits.size()) > minFrac && fracDigits.back() == '0') fracDigits.pop_back();

    std::string s;
    if (x < 0) s.push_back('-');
    s += intDigits;
    if (!fracDigits.empty()) {
        s.push_back('.');
        s += fracDigits;
    }
    s.push_back(picture[ePos]);
    if (exponent < 0)
        s.push_back('-');
    else if (alwaysSign)
        s.push_back('+');
    std::string expDigits = std::to_string(std::abs(exponent));
    s.append(static_cast<std::size_t>(std::max(0, minExpDigits - static_cast<int>(expDigits.size()))), '0');
    s += expDigits;
    return s;
}

std::string formatFileReal(double x) {
    constexpr int kWidth = 23;
    constexpr int kDigits = 15;
    if (!std::isfinite(x)) return padLeft(nonFinite(x), kWidth);
    if (x == 0) return " 0.00000000000000E+0000";
    const Significant r = roundSignificant(std::fabs(x), kDigits);
    const int exponent = r.exp10 - 1;
    std::string s;
    s.reserve(kWidth);
    s.push_back(x < 0 ? '-' : ' ');
    s.push_back(r.digits[0]);
    s.push_back('.');
    s.append(r.digits.data() + 1, kDigits - 1);
    s.push_back('E');
    s.push_back(exponent < 0 ? '-' : '+');
    std::array<char, 4> e{'0', '0', '0', '0'};
    for (int i = 3, a = std::abs(exponent); i >= 0 && a > 0; --i, a /= 10) e[static_cast<std::size_t>(i)] = static_cast<char>('0' + a % 10);
    s.append(e.data(), e.size());
    return s;
}

double asStoredInFile(double x) {
    if (!std::isfinite(x)) return x;
    return parseNumber(formatFileReal(x)).value;
}

namespace {

struct Scan {
    std::size_t start = 0;     // first character of the number (after blanks)
    std::size_t end = 0;       // end of the longest valid number; == start when there is none
    std::size_t failure = 0;   // index of the first unreadable character, npos when all is read
    int decimalMagnitude = 0;  // about log10 of the value, to tell overflow from underflow
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Scan scan(std::string_view t) {
    Scan s;
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    s.start = s.end = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int intDigits = 0, leadingZeros = 0, fracZeros = 0;
    bool seenNonZero = false;
    for (; i < t.size() && isDigit(t[i]); ++i, ++intDigits) {
        if (t[i] != '0') seenNonZero = true;
        if (!seenNonZero) ++leadingZeros;
    }
    int fracDigits = 0;
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (; i < t.size() && isDigit(t[i]); ++i, ++fracDigits) {
            if (t[i] != '0') seenNonZero = true;
            if (!seenNonZero) ++fracZeros;
        }
    }
    if (intDigits + fracDigits == 0) {
        s.failure = i;
        return s;
    }
    s.end = i;
    s.decimalMagnitude = intDigits > leadingZeros ? intDigits - leadingZeros : -fracZeros;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        std::size_t k = i + 1;
        bool negative = false;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) negative = t[k++] == '-';
        const std::size_t digitsStart = k;
        long exponent = 0;
        for (; k < t.size() && isDigit(t[k]); ++k) exponent = std::min(exponent * 10 + (t[k] - '0'), 100000L);
        if (k == digitsStart) {
            s.failure = k;
            return s;
        }
        i = s.end = k;
        s.decimalMagnitude += static_cast<int>(negative ? -exponent : exponent);
    }
    s.failure = i == t.size() ? std::string_view::npos : i;
    return s;
}

// Converts the valid span of a scan. A value beyond the range of a double fails (false).
bool convert(std::string_view t, const Scan& s, double& value) {
    std::string_view number = t.substr(s.start, s.end - s.start);
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) number.remove_prefix(1);
    double v = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        if (s.decimalMagnitude > 0) return false;  // overflow
        v = 0;                                      // underflow
    }
    value = negative ? -v : v;
    return true;
}

std::int32_t position(std::size_t index) { return static_cast<std::int32_t>(index + 1); }

}  // namespace

NumberParse parseNumber(std::string_view text) {
    const Scan s = scan(text);
    if (s.failure != std::string_view::npos) return {0, position(s.failure)};
    NumberParse r;
    if (!convert(text, s, r.value)) return {0, position(s.start)};
    return r;
}

NumberParse parseLeadingNumber(std::string_view text) {
    const Scan s = scan(text);
    NumberParse r;
    if (s.end == s.start || !convert(text, s, r.value)) return {0, position(s.start)};
    if (s.end != text.size()) r.status = position(s.end);
    return r;
}

}  // namespace soukoli
