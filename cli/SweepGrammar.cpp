// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The grammar of soukoli-cli sweep: --vary ranges and lists, --where conditions, and the size of
// the product of the varied inputs.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "cli/Sweep.h"
#include "engine/Numbers.h"

namespace soukoli::cli {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Digits after the decimal point as typed; -1 for a number with an exponent.
int decimalsOf(std::string_view text) {
    if (text.find_first_of("eE") != std::string_view::npos) return -1;
    const auto dot = text.find('.');
    return dot == std::string_view::npos ? 0 : static_cast<int>(text.size() - dot - 1);
}

// A range value written with the decimals of the range, so "-0.2:0.6:0.1" gives 0.1, not
// 0.10000000000000003, and never "-0.0".
std::string rangeValue(double v, int decimals) {
    char buf[64];
    const auto r = decimals < 0 ? std::to_chars(buf, buf + sizeof buf, v)
                                : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
    return s;
}

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(by, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

}  // namespace

bool stripDegrees(std::string_view& text) {
    if (!text.ends_with("deg")) return false;
    text.remove_suffix(3);
    return true;
}

bool parseVary(std::string_view text, VaryAxis& out, std::string& error) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        error = "--vary takes NAME=FROM:TO:STEP or NAME=V1,V2,..., not '" + std::string(text) + "'";
        return false;
    }
    out = VaryAxis{std::string(text.substr(0, eq)), {}, {}};
    const std::string_view list = text.substr(eq + 1);
    const std::string what = "--vary " + out.name + ": ";
    if (list.find(':') != std::string_view::npos) {
        const auto parts = split(list, ':');
        if (parts.size() != 3) return error = what + "a range is FROM:TO:STEP, not '" + std::string(list) + "'", false;
        double v[3];
        bool degrees[3];
        int decimals = 0;
        for (int i = 0; i < 3; ++i) {
            std::string_view p = parts[static_cast<std::size_t>(i)];
            degrees[i] = stripDegrees(p);
            const NumberParse n = parseNumber(p);
            if (!n.ok() || !std::isfinite(n.value))
                return error = what + "'" + std::string(parts[static_cast<std::size_t>(i)]) + "' is not a number", false;
            v[i] = n.value;
            const int d = decimalsOf(p);
            decimals = (d < 0 || decimals < 0) ? -1 : std::max(decimals, d);
        }
        if (degrees[0] != degrees[1] || (degrees[2] && !degrees[0]))
            return error = what + "write deg on both ends of the range or on none", false;
        if (v[2] == 0) return error = what + "the step must not be 0", false;
        const double span = (v[1] - v[0]) / v[2];
        if (span < -1e-9) return error = what + "the step leads away from the end of the range", false;
        if (span + 1 > static_cast<double>(kMaxSweepVariants)) return error = what + "too many values", false;
        const auto count = static_cast<std::size_t>(std::floor(span + 1e-9)) + 1;
        for (std::size_t i = 0; i < count; ++i) {
            std::string value = rangeValue(v[0] + static_cast<double>(i) * v[2], decimals);
            out.numbers.push_back(parseNumber(value).value);
            if (degrees[0]) value += "deg";
            out.values.push_back(std::move(value));
        }
        return true;
    }
    for (std::string_view p : split(list, ',')) {
        if (p.empty()) return error = what + "an empty value in '" + std::string(list) + "'", false;
        out.values.emplace_back(p);
        stripDegrees(p);
        const NumberParse n = parseNumber(p);
        out.numbers.push_back(n.ok() && std::isfinite(n.value) ? n.value : kNaN);
    }
    return true;
}

bool Condition::holds(double v) const {
    if (!std::isfinite(v)) return false;
    switch (op) {
        case CompareOp::Less: return v < value;
        case CompareOp::LessEqual: return v <= value;
        case CompareOp::Greater: return v > value;
        case CompareOp::GreaterEqual: return v >= value;
        case CompareOp::Equal: return v == value;
        case CompareOp::NotEqual: return v != value;
    }
    return false;
}

bool parseCondition(std::string_view text, Condition& out, std::string& error) {
    const auto at = text.find_first_of("<>=!");
    std::string_view field = text.substr(0, at);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    if (at == std::string_view::npos || field.empty()) {
        error = "--where takes FIELD<VALUE (or <=, >, >=, ==, !=), not '" + std::string(text) + "'";
        return false;
    }
    struct Spelling {
        std::string_view text;
        CompareOp op;
    };
    // Two-character operators first, so "<=" is not read as "<" followed by "=1.2".
    constexpr Spelling kOps[] = {{"<=", CompareOp::LessEqual}, {">=", CompareOp::GreaterEqual},
                                 {"==", CompareOp::Equal},     {"!=", CompareOp::NotEqual},
                                 {"<", CompareOp::Less},       {">", CompareOp::Greater},
                                 {"=", CompareOp::Equal}};
    const std::string_view rest = text.substr(at);
    for (const auto& s : kOps) {
        if (!rest.starts_with(s.text)) continue;
        const NumberParse n = parseNumber(rest.substr(s.text.size()));
        if (!n.ok() || !std::isfinite(n.value)) {
            error = "--where " + std::string(text) + ": '" + std::string(rest.substr(s.text.size())) +
                    "' is not a number";
            return false;
        }
        out = Condition{std::string(field), s.op, n.value};
        return true;
    }
    error = "--where " + std::string(text) + ": unknown comparison";
    return false;
}

std::size_t productSize(const std::vector<VaryAxis>& axes, std::size_t cap) {
    std::size_t n = 1;
    for (const auto& a : axes) {
        if (a.values.empty() || n > cap / a.values.size()) return 0;
        n *= a.values.size();
    }
    return n;
}
}  // namespace soukoli::cli
