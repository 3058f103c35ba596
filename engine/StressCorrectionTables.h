// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Coefficients of the two fitted surfaces that stand for the stress correction charts of
// ČSN 01 4686 part 3 (figures 12 and 13): one for a tool tip radius rof* = 0.2, one for 0.38.
#pragma once

#include <array>
#include <cstddef>

namespace soukoli {

inline constexpr std::size_t kChartTerms = 3;

using ChartRow = std::array<double, kChartTerms>;
using ChartMatrix = std::array<ChartRow, kChartTerms>;

/// YSa(x, zv) = Σ (a_i·ln zv + b_i)·(x + c0)^(3−i) + Σ w_i·P_i(x)·Q_i(ln zv), with
/// P_i(x) = Σ T1[i][k]·x^(3−k) and Q_i(l) = Σ T2[i][k]·l^(3−k).
struct StressChart {
    double rof;  // tool tip radius coefficient of the chart
    double c0;
    ChartRow a, b, w;
    ChartMatrix T1, T2;
};

inline constexpr StressChart kChartRof020{
    0.2,
    0.95,
    {0.08791, -0.36596, 0.45622},
    {-0.58538, 2.40574, -0.68513},
    {1.0, 1.0 / 81, 0.0},
    {{{0.132531, -0.184142, -0.027062}, {-100, 100, 56}, {0, 0, 0}}},
    {{{0.20051, -1.452808, 2.5065986}, {-0.028853, 0.29341, -0.722182}, {0, 0, 0}}},
};

inline constexpr StressChart kChartRof038{
    0.38,
    0.8,
    {0.06878, -0.24309, 0.26525},
    {-0.44919, 1.51991, 0.20807},
    {1.0 / 162, 1.0 / 810, 1.0 / 810},
    {{{10, -19, 7}, {25, -25, -14}, {-10, 1, 2}}},
    {{{-0.120306, 0.428401, 0.751957}, {0.922347, -7.822789, 15.759852}, {0.401021, -4.805402, 14.395695}}},
};

}  // namespace soukoli
