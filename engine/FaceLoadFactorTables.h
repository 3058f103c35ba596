// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Layout schemes of shafts and bearings for the face load factor (ČSN 01 4686 part 4): for each
// scheme 1 … 10 the deflection factors of pinion and wheel shaft and the signs of their terms.
#pragma once

#include <array>
#include <cstdint>

namespace soukoli {

/// How the deflection factor of one shaft is given: a constant, or one of the two functions of
/// the diameter ratio q and the lever ratio S of a shaft carrying a further gear,
/// g(q, S) = −0.5·(1 + 1.8·q − 3.18·q·S) and h(q, S) = −0.5·(1 − 1.8·q + 3.18·q·S).
enum class ShaftFactor : std::uint8_t { Constant, G, H };

struct ShaftTerm {
    ShaftFactor kind;
    double K;  // the constant (kind Constant)
    double G;  // coefficient of the shaft's deflection term
};

struct LayoutScheme {
    ShaftTerm pinion;
    ShaftTerm wheel;
};

inline constexpr std::uint16_t kLayoutSchemes = 10;

/// Schemes 1 … 10 ("1", "1a", "2", "2a", "3" … "8") at index number − 1.
inline constexpr std::array<LayoutScheme, kLayoutSchemes> kLayoutSchemeTable{{
    {{ShaftFactor::Constant, 0.5, 0.0155}, {ShaftFactor::Constant, -0.5, -0.0155}},   // 1
    {{ShaftFactor::Constant, -0.5, 0.0155}, {ShaftFactor::Constant, 0.5, -0.0155}},   // 2
    {{ShaftFactor::Constant, -0.5, 0.0155}, {ShaftFactor::Constant, -0.5, 0.0155}},   // 3
    {{ShaftFactor::Constant, 0.5, 0.0155}, {ShaftFactor::Constant, 0.5, 0.0155}},     // 4
    {{ShaftFactor::Constant, 0.5, 0.0155}, {ShaftFactor::G, 0, -0.0155}},             // 5
    {{ShaftFactor::Constant, -0.5, -0.0155}, {ShaftFactor::G, 0, -0.0155}},           // 6
    {{ShaftFactor::Constant, -0.5, 0.0155}, {ShaftFactor::H, 0, -0.0155}},            // 7
    {{ShaftFactor::Constant, 1.3, 0.0155}, {ShaftFactor::G, 0, -0.0155}},             // 8
    {{ShaftFactor::Constant, 1.3, 0.0155}, {ShaftFactor::H, 0, -0.0155}},             // 9
    {{ShaftFactor::G, 0, -0.0155}, {ShaftFactor::G, 0, -0.0155}},                     // 10
}};

/// Upper limit of KHbeta.
inline constexpr double kKHbetaMax = 2.5;

}  // namespace soukoli
