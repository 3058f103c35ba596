// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The load-spectrum classes of ČSN 01 4686: the factor K(k, q) of class k for the S-N exponents
// q = 3, 6, 9 and 12, from which the equivalent loads of a chosen class follow.
#pragma once

#include <array>
#include <cstddef>

namespace soukoli {

inline constexpr std::size_t kLoadClasses = 17;
inline constexpr std::size_t kLoadClassColumns = 4;

/// The exponents of the table columns.
inline constexpr std::array<double, kLoadClassColumns> kLoadClassExponents{3, 6, 9, 12};

/// K(k, q): row k − 1, columns q = 3, 6, 9, 12.
inline constexpr std::array<std::array<double, kLoadClassColumns>, kLoadClasses> kLoadClassK{{
    {0.127, 0.045, 0.025, 0.016},
    {0.04, 0.007, 0.002, 0.001},
    {0.007, 0.0006, 0.0002, 6e-05},
    {0.42, 0.219, 0.132, 0.088},
    {0.262, 0.086, 0.033, 0.014},
    {0.093, 0.013, 0.002, 0.0006},
    {0.017, 0.0009, 0.0001, 2e-05},
    {0.472, 0.228, 0.112, 0.056},
    {0.152, 0.027, 0.005, 0.001},
    {0.035, 0.002, 0.0001, 2e-05},
    {0.006, 5e-05, 3e-06, 2e-06},
    {9e-05, 2e-08, 2e-09, 2e-09},
    {0.5, 0.3, 0.2, 0.125},
    {0.25, 0.143, 0.1, 0.069},
    {0.18, 0.065, 0.036, 0.018},
    {0.125, 0.038, 0.016, 0.007},
    {0.063, 0.013, 0.004, 0.001},
}};

}  // namespace soukoli
