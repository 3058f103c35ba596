// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The rules of the geometry inputs as the user enters them one by one: what each entry accepts,
// the exact message of a refused one, and what is recomputed after an accepted one (centre
// distance, shift sum, diameters). The geometry dialog and soukoli-cli both run them.
#pragma once

#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// The fields of the geometry dialog, numbered as its `current field`.
enum class GeometryField {
    z1 = 1, z2, mn, Beta, Alfan, x1, x2, aw,
    ha1_star, ha2_star, ca1_star, ca2_star, Rof1_star, Rof2_star, da1, da2,
};
inline constexpr int kGeometryFieldCount = 16;

/// The message of a refused entry in `field` (the range or readability message; the rules
/// between fields have their own, returned with the refusal).
[[nodiscard]] std::string_view geometryFieldMessage(GeometryField field);

/// Enters the text of a field: reads it with the decimal point (degrees for Beta and Alfan),
/// stores the number (the centre distance only once accepted), judges it and recomputes what
/// follows. Messages of the geometry operations themselves go through `ui`; the refusal message
/// is returned, not shown. The accuracy lookups the entry makes due come back in
/// `effects.lookups` (enterField runs them; it also puts back a refused entry).
FieldEntry enterGeometryField(GearPairData& g, GeometryField field, std::string_view text, Ui& ui);

/// The same for a number already read (angles in radians). The centre distance taken this way
/// has no "unchanged" step: 0 returns to the zero-shift pair, any other value is judged.
FieldEntry enterGeometryValue(GearPairData& g, GeometryField field, double value, Ui& ui);

/// A centre distance entered: refused when its sign does not fit the toothing or when it is not
/// above awmin (the distance at the limiting shift sum); otherwise aw is taken as given, the
/// shift sum follows from the involute relation and is split equally, and the diameters follow.
FieldEntry enterCentreDistance(GearPairData& g, double aw, Ui& ui);

/// Back to the zero-shift pair: x1 = x2 = 0, aw = a, the centre distance no longer given, the
/// diameters recomputed.
void resetToZeroShift(GearPairData& g, Ui& ui);

/// The pair can be formed: an internal ring has more teeth than its pinion, and the derived
/// geometry is made of finite numbers only (a helix angle near 90°, for one, fails).
[[nodiscard]] bool geometryFormed(const GearPairData& g);

}  // namespace soukoli
