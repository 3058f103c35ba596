// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// `soukoli-cli sweep`: the loaded project calculated for every combination of a few varied inputs,
// each variant set up exactly as `--set` sets it, filtered, sorted and written as CSV or JSON lines,
// optionally plotted. The grammar of --vary and --where is exposed for the tests.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace soukoli::cli {

/// The largest number of variants a sweep takes.
inline constexpr std::size_t kMaxSweepVariants = 100'000'000;

/// Removes a trailing "deg" (an angle in degrees, as --set takes it); true when there was one.
bool stripDegrees(std::string_view& text);

/// One `--vary`: the values in the order they are tried, each as `--set` takes it.
struct VaryAxis {
    std::string name;                 // as typed
    std::vector<std::string> values;  // "18", "-0.2", "15deg", "B"
    std::vector<double> numbers;      // the values as numbers (degrees as written); NaN for a text
};

/// "NAME=FROM:TO:STEP" (both ends included; decimals as many as the three numbers have; a `deg`
/// suffix on FROM and TO makes every value degrees) or "NAME=V1,V2,...".
[[nodiscard]] bool parseVary(std::string_view text, VaryAxis& out, std::string& error);

enum class CompareOp { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };

/// One `--where`: FIELD OP NUMBER with OP one of < <= > >= == (or =) !=.
struct Condition {
    std::string field;
    CompareOp op = CompareOp::Greater;
    double value = 0;

    /// An empty value (a refused variant, a value that cannot be formed) never satisfies.
    [[nodiscard]] bool holds(double v) const;
};

[[nodiscard]] bool parseCondition(std::string_view text, Condition& out, std::string& error);

/// The number of variants of a product, or 0 when it would exceed `cap`.
std::size_t productSize(const std::vector<VaryAxis>& axes, std::size_t cap);

/// `soukoli-cli sweep ...` with argv[0] = "sweep". Returns 0 when the table was written, 3 on a
/// usage error, an unreadable project or an output that cannot be written.
int runSweep(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace soukoli::cli
