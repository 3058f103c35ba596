// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The curves of the 17 load-spectrum classes of ČSN 01 4686 as drawn in the CHSZ chart: the
// ratio Ft/Ft1 over a = −log Φ is P(a)/10, P a polynomial per class.
#pragma once

#include <array>
#include <cstddef>

namespace soukoli {

inline constexpr std::size_t kClassCurveDegree = 6;

/// Coefficients of P(a) for the classes 1 … 17 (row k − 1), from a⁰ up to a⁶.
inline constexpr std::array<std::array<double, kClassCurveDegree + 1>, 17> kClassCurves{{
    {1.95, 6.3, -1.23, 0, 0, 0, 0},
    {0.886, 4.126, -0.463, 0, 0, 0, 0},
    {0.3, 2.69, -0.177, 0, 0, 0, 0},
    {5.3, 5.442, -1.576, 0, 0, 0, 0},
    {4.237, 6.95, -4.618, 1.383, -0.143, 0, 0},
    {2.55, 6.11, -4.02, 1.39, -0.2205, 0.013, 0},
    {0.876, 3.987, -1.507, 0.321, -0.023, 0, 0},
    {7.0128, 3.2747, -2.9319, 1.0532, -0.1195, 0, 0},
    {4.2317, 4.1099, -2.5701, 0.3806, 0.09471, -0.0183, 0},
    {2.5077, 0.9905, 2.3072, -2.4346, 0.8385, -0.1162, 0.0056},
    {1.507, 0.7821, 0.3304, -0.4859, 0.1351, -0.0101, 0},
    {-0.02364, 1.20755, -0.6253, 0.11093, -0.00417, -0.000087, 0},
    {5.2, 12.1133, -15.3, 10.05, -3.2, 0.39, 0},
    {0, 18.9214, -12.5857, 2.9, 0, 0, 0},
    {2, 10.2809, -6.3571, 2.2, -0.2, 0, 0},
    {0.13, 11.728, -6.01635, 1.3654, -0.11103, 0, 0},
    {0, 7.327, -2.402, 0.3621, -0.01995, 0, 0},
}};

/// Ft/Ft1 of class k (1 … 17) at a = −log Φ; 0 for another class.
[[nodiscard]] constexpr double loadClassRatio(int k, double a) {
    if (k < 1 || k > 17) return 0;
    const auto& c = kClassCurves[static_cast<std::size_t>(k - 1)];
    double p = 0;
    for (std::size_t i = c.size(); i-- > 0;) p = p * a + c[i];
    return p / 10;
}

}  // namespace soukoli
