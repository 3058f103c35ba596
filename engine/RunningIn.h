// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Running-in allowance of a flank pair after ČSN 01 4686 part 3, shared by the transverse and the
// face load factor: a fraction of the deviation, limited by hardness and pitch-line speed.
#pragma once

#include <limits>

namespace soukoli {

/// Flanks harder than this (HV) count as hardened.
inline constexpr double kHardenedFlankHV = 360;

struct RunningInLimits {
    double hardened;       // limit of a hardened flank [µm]
    double moderateSpeed;  // limit·SigmaHlim for 5 ≤ v ≤ 10 m/s
    double highSpeed;      // limit·SigmaHlim for v > 10 m/s
};

/// Transverse load factor: allowance of the base-pitch deviation fpbeff.
inline constexpr RunningInLimits kTransverseRunningIn{3.0, 12800, 6400};
/// Face load factor: allowance of the initial misalignment F0.
inline constexpr RunningInLimits kFaceRunningIn{6.0, 25600, 12800};

/// y = 0.075·deviation for a hardened flank, else 160·deviation/SigmaHlim, limited as the
/// hardness and the speed v [m/s] say (no limit for a soft flank below 5 m/s).
inline double runningInAllowance(double deviation, double VHV, double SigmaHlim, double v,
                                 const RunningInLimits& limits) {
    double y = 0;
    double limit = std::numeric_limits<double>::infinity();
    if (VHV > kHardenedFlankHV) {
        y = 0.075 * deviation;
        limit = limits.hardened;
    } else {
        y = 160 * deviation / SigmaHlim;
        if (v >= 5 && v <= 10)
            limit = limits.moderateSpeed / SigmaHlim;
        else if (v > 10)
            limit = limits.highSpeed / SigmaHlim;
    }
    return y < limit ? y : limit;
}

}  // namespace soukoli
