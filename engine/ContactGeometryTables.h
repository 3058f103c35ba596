// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Start values of the Newton iteration for the end of the undercut, by how far the profile
// shift lies below its undercut limit: the deeper the undercut, the farther the end point from
// the base circle.
#pragma once

#include <array>
#include <cstddef>

namespace soukoli {

struct UndercutStartRow {
    double maxShortfall;  // the row applies when xmin − x is at most this; rows narrow downwards
    double rho, phi, psi;
};

inline constexpr std::size_t kUndercutStartRows = 5;

/// Above 0.71 the values {1.05, 0.6, 0.08} apply; otherwise the last row whose bound is not
/// exceeded.
inline constexpr UndercutStartRow kUndercutStartDeep{0, 1.05, 0.6, 0.08};
inline constexpr std::array<UndercutStartRow, kUndercutStartRows> kUndercutStart{{
    {0.71, 1.02, 0.2, 0.0001},
    {0.31, 1.0007, 0.07, 0.00002},
    {0.12, 1.00007, 0.02, 0.0000007},
    {0.008, 1.0000007, 0.002, 4e-10},
    {0.001, 1.000000007, 0.0002, 4e-14},
}};

}  // namespace soukoli
