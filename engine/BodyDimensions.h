// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Face widths and gear-body dimensions as the dimensions window takes them: the rule of each
// field with its message, the solid-gear options, the reset, the warnings the window shows and
// the checks before it may close. Masses, inertia and stiffness come from the dynamic stage.
#pragma once

#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// Field numbers of the dimensions window.
enum class DimensionField {
    b1 = 1, b2, bs1, bs2, sr1, sr2, sd1, sd2, dh1, dh2, db, Teta1, Teta2, Cgama,
};
inline constexpr int kDimensionFields = 14;

inline constexpr std::string_view kDoesNotFit = "Nevleze se do patního průměru";

/// Stores `value` in the field's quantity, then judges it and recomputes the dimensions that
/// depend on it. Accepted, the gear bodies are due again (`effects.bodies`) and, for b1 or b2,
/// the alignment lookup of that gear; refused with the field's message (a rule may already have
/// adjusted a related dimension, which enterField puts back with the entry).
[[nodiscard]] FieldEntry commitDimension(GearPairData& g, DimensionField field, double value);

/// The quantity behind a field.
[[nodiscard]] double& dimensionQuantity(GearPairData& g, DimensionField field);

/// sR = sr when the body is not wider than the face, else sr + sd; the thin-rim flags follow.
void updateEffectiveRims(GearPairData& g);

/// "Plný pastorek" / "Plné kolo" ticked or unticked.
void setSolidGear(GearPairData& g, Gear gear, bool solid);

/// "&Nuluj": every dimension 0, both solid-gear options off.
void resetDimensions(GearPairData& g);

/// What the window recomputes whenever it is painted in the full calculation: masses and (unless
/// entered) moments of inertia; impossible bodies give Teta 0 and Cgama 0 (values entered
/// directly are kept); otherwise Cgama (unless entered), mred and nE1.
void refreshBodyQuantities(GearPairData& g, Ui& ui);

/// The gear bodies as the dimensions window recomputes them whenever it is painted: srmin, and
/// in the full calculation the quantities above.
void refreshBodies(GearPairData& g, Ui& ui);

/// The warnings of the window (full calculation only).
struct DimensionWarnings {
    bool thinRim1 = false;         // "Rozměr s    je nedostatečný  " r1
    bool thinRim2 = false;         // the same, r2
    bool impossiblePinion = false; // "Nemožné rozměry pastorku"
    bool impossibleWheel = false;  // "Nemožné rozměry kola" (external toothing only)
    bool apart = false;            // "Kola jsou mimo sebe"
    bool noCgama = false;          // "Nelze určit c" g
};
[[nodiscard]] DimensionWarnings dimensionWarnings(const GearPairData& g);

/// "&Ok": face widths, then in the full calculation masses, the fit of the bodies, the rims and
/// the masses; the first failed check gives its message and the window stays open. When all
/// pass, Cgama and its dependants are recomputed. Empty result: the window may close.
[[nodiscard]] std::string_view checkDimensionsForClosing(GearPairData& g, Ui& ui);

}  // namespace soukoli
