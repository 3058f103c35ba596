// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Constants of the dynamic factor after ČSN 01 4686 part 3: K1 and the limits of running
// smoothness by accuracy grade, and K2 for spur and helical gears.
#pragma once

#include <array>
#include <cstdint>

namespace soukoli {

struct DynamicGradeRow {
    double K1spur;
    double K1helical;
    double limitSpur;     // smoothness limit [m/s]
    double limitHelical;
};

inline constexpr std::uint16_t kLowestGrade = 2;
inline constexpr std::uint16_t kHighestGrade = 12;

/// Rows for the grades 2 … 12 (grades 2 and 3 share their values).
inline constexpr std::array<DynamicGradeRow, kHighestGrade - kLowestGrade + 1> kDynamicGradeRows{{
    {2.15, 1.91, 10.0, 8.0},     // 2
    {2.15, 1.91, 10.0, 8.0},     // 3
    {3.91, 3.48, 10.0, 8.0},     // 4
    {7.51, 6.68, 10.0, 8.0},     // 5
    {14.94, 13.3, 10.0, 8.0},    // 6
    {26.81, 23.87, 10.0, 8.0},   // 7
    {39.07, 34.79, 7.0, 5.7},    // 8
    {52.85, 47.06, 5.0, 4.3},    // 9
    {76.6, 68.21, 3.6, 3.0},     // 10
    {102.64, 91.4, 2.3, 2.0},    // 11
    {146.31, 130.28, 1.5, 1.3},  // 12
}};

inline constexpr double kK2Spur = 0.0193;
inline constexpr double kK2Helical = 0.0087;

/// Line loads KA·Ft/b below this value are taken at it [N/mm].
inline constexpr double kMinimumLineLoad = 150;

/// Density of steel for the gear bodies [kg/mm³].
inline constexpr double kSteelDensity = 7.85e-6;

}  // namespace soukoli
