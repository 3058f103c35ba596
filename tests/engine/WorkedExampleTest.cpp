// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The worked example of the help (topic 1) quotes the start-up pair: every "NAME = number" or
// "NAME ≈ number" it writes for a quantity of the data set must be what the program computes for
// that pair, within the last digit written. The text then cannot drift from the program again.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

std::string topic(int number) {
    std::ifstream in(SOUKOLI_HELP_SOURCE);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    const std::string heading = "\n@" + std::to_string(number) + " ";
    const auto start = text.find(heading);
    if (start == std::string::npos) return {};
    const auto end = text.find("\n@", start + heading.size());
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

struct Quote {
    std::string name;
    double value = 0;
    double halfUnit = 0;  // half a unit of the last digit written
};

bool nameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// "6·10⁷": the power of ten written with superscript digits after a number.
std::optional<int> superscriptPower(std::string_view& rest) {
    constexpr std::string_view times = "·10";
    if (!rest.starts_with(times)) return std::nullopt;
    std::string_view s = rest.substr(times.size());
    constexpr std::string_view digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    int power = 0;
    bool any = false;
    for (bool more = true; more;) {
        more = false;
        for (int d = 0; d < 10; ++d) {
            if (!s.starts_with(digits[d])) continue;
            power = power * 10 + d;
            s.remove_prefix(digits[d].size());
            any = more = true;
        }
    }
    if (!any) return std::nullopt;
    rest = s;
    return power;
}

// Every quantity of the data set quoted with "=" or "≈" and a number. A name joined to what is
// before it ("3.5·mn = 14") is part of an expression, not a quote.
std::vector<Quote> quotes(std::string_view text) {
    std::vector<Quote> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!std::isalpha(static_cast<unsigned char>(text[i])) || (i > 0 && (nameChar(text[i - 1]) || text[i - 1] == '.')))
            continue;
        if (i >= 2 && text.substr(i - 2, 2) == "·") continue;
        std::size_t end = i;
        while (end < text.size() && nameChar(text[end])) ++end;
        std::string_view rest = text.substr(end);
        while (rest.starts_with(" ")) rest.remove_prefix(1);
        if (rest.starts_with("=")) rest.remove_prefix(1);
        else if (rest.starts_with("≈")) rest.remove_prefix(std::string_view("≈").size());
        else continue;
        while (rest.starts_with(" ")) rest.remove_prefix(1);
        std::size_t n = 0;
        while (n < rest.size() && (std::isdigit(static_cast<unsigned char>(rest[n])) || rest[n] == '.')) ++n;
        if (n == 0 || rest[n - 1] == '.') continue;
        const std::string number(rest.substr(0, n));
        const auto point = number.find('.');
        const int decimals = point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
        Quote q{std::string(text.substr(i, end - i)), std::stod(number), 0.5 * std::pow(10.0, -decimals)};
        rest.remove_prefix(n);
        if (const auto power = superscriptPower(rest)) {
            q.value *= std::pow(10.0, *power);
            q.halfUnit *= std::pow(10.0, *power);
        }
        out.push_back(q);
    }
    return out;
}

TEST(WorkedExample, HelpQuotesWhatTheProgramComputesForTheStartUpPair) {
    const std::string text = topic(1);
    ASSERT_FALSE(text.empty()) << SOUKOLI_HELP_SOURCE;
    GearPairData g;
    testing::RecordingUi ui;
    startNewProject(g, Toothing::External, ui);
    runFullCalculation(g, ui);
    ASSERT_TRUE(g.runFlag);

    int checked = 0;
    for (const Quote& q : quotes(text)) {
        const NumericField* f = findNumericField(q.name);
        if (!f) continue;
        ++checked;
        EXPECT_LE(std::abs(readField(g, *f) - q.value), q.halfUnit * (1 + 1e-9))
            << q.name << " is quoted as " << q.value << ", the program gives " << readField(g, *f);
    }
    // The results of both checks and the inputs of every window are quoted.
    EXPECT_GE(checked, 50);
}

}  // namespace
}  // namespace soukoli
