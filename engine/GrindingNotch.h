// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The grinding notch factor YSarel: how much a notch left in the tooth root by grinding after
// hardening (depth tg, radius Rog) raises the root stress, and the notch radius that follows from
// the edge radius of the grinding wheel.
#pragma once

#include <optional>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// YSarel = 1.3 / (1.3 − 0.6·√(tg/Rog)), at most 2.0 (also where the denominator reaches zero).
[[nodiscard]] double grindingNotchFactor(double tg, double Rog);

/// YSarel1 or YSarel2 of one gear. With `grindingWheelRadius` (Roa0g, mm) the notch radius Rog1
/// or Rog2 is first computed from the root fillet construction of the tooth form (Ac, FIe under
/// ČSN 01 4686, the fillet radius RoFn under DIN 3990) with the wheel's edge radius in place of the
/// tool tip radius; an internal wheel takes half the edge radius. A notch whose depth and radius give
/// no real factor stops the run.
void computeGrindingNotch(GearPairData& data, Ui& ui, Gear gear,
                          std::optional<double> grindingWheelRadius = std::nullopt);

}  // namespace soukoli
