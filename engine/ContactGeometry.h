// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Geometry of the meshing: undercut of both gears, tip diameters effective for contact, the
// contact ratios Epsalfa, Epsbeta, Epsgama, and the face widths for contact and bending.
#pragma once

#include <optional>

#include "engine/GearPairData.h"
#include "engine/UndercutSystem.h"
#include "engine/Ui.h"

namespace soukoli {

/// Undercut limits xmin1, xmin2 and flags, the end of an undercut (dNu, alfaNu), the effective
/// tip diameters da1eff, da2eff and the contact ratios. Epsalfa keeps its previous value when a
/// tip diameter lies inside its base circle.
void computeContactGeometry(GearPairData& g, Ui& ui);

/// The gear whose (effective) tip circle lies inside its base circle, so that the transverse
/// contact ratio cannot be formed and Epsalfa would keep a value of earlier inputs; nothing when
/// both tips reach beyond their base circles.
[[nodiscard]] std::optional<Gear> tipInsideBaseCircle(const GearPairData& g);

/// Common face width b, bending face widths bwF1, bwF2 (an overhang counts up to one module on
/// each side) and their minimum bwFmin, from b1, b2, the signed offset db and mn.
void computeFaceWidths(GearPairData& g);

/// Start values (ρ, φ, ψ) of the undercut iteration for a shortfall xmin − x.
[[nodiscard]] Vector3 undercutStartValues(double shortfall);

}  // namespace soukoli
