// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Which results fail their check: the values the main window shows in red and that make the
// command-line tool end with status 1.
#pragma once

#include "engine/GearPairData.h"

namespace soukoli {

/// A stress fails when it reaches its permissible value (equal is already a failure).
[[nodiscard]] inline bool stressFails(double stress, double permissible) { return !(stress < permissible); }

/// A safety factor passes only above 1 (1.000 itself fails).
[[nodiscard]] inline bool safetyFails(double safety) { return !(safety > 1); }

/// True when any stress or safety factor of the finished run fails its check.
[[nodiscard]] bool anyCheckFails(const GearPairData& g);

}  // namespace soukoli
