// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Constants of the tab preparations: the simplified face load factor of the seven layouts of
// the simplified scheme picture, and the map from full-calculation layouts to those seven.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace soukoli {

inline constexpr std::size_t kSimplifiedSchemes = 7;

/// KHbeta = 1 + k1·ψ + k2·ψ² (ČSN 01 4686 part 4, fig. 1), by scheme 1 ... 7.
struct SchemeCoefficients {
    double k2, k1;
};

/// Both flanks harder than 350 HV.
inline constexpr std::array<SchemeCoefficients, kSimplifiedSchemes> kSchemeHard{{
    {0.25, 0.95}, {0.8125, 0.2475}, {0.1406, 0.2438}, {0.1093, 0.1613},
    {0.1076, 0.0779}, {0.0893, 0.0271}, {0.0625, 0.0},
}};

/// At least one flank of 350 HV or softer.
inline constexpr std::array<SchemeCoefficients, kSimplifiedSchemes> kSchemeSoft{{
    {0.125, 0.385}, {0.1607, 0.2064}, {0.0312, 0.1325}, {0.0535, 0.0385},
    {0.0468, 0.0191}, {0.0424, 0.0037}, {0.0366, -0.0136},
}};

inline constexpr double kHardFlankHV = 350;

/// Layout of the full calculation (its label) and the simplified scheme that matches it.
struct SchemeMapping {
    std::string_view label;
    std::uint16_t simplified;
};

inline constexpr std::array<SchemeMapping, 10> kSimplifiedSchemeOf{{
    {"1", 6}, {"1a", 6}, {"2", 6}, {"2a", 6}, {"3", 5},
    {"4", 5}, {"5", 5}, {"6", 1}, {"7", 1}, {"8", 3},
}};

/// A scheme number the simplified calculation cannot use becomes this one.
inline constexpr std::uint16_t kFallbackScheme = 2;
inline constexpr std::uint16_t kLastScheme = 10;

}  // namespace soukoli
