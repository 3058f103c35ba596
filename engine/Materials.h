// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Material constants of pinion and wheel: the rules of their input fields and what choosing a
// row of the material table (ČSN 01 4686 part 5, table 12) puts into the data set.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/MaterialTables.h"
#include "engine/Ui.h"

namespace soukoli {

/// The field numbers of the materials window: pinion 1 ... 13, wheel 14 ... 26 (13 and 26 are
/// the designations); the wheel's field is the pinion's plus this offset.
inline constexpr int kWheelMaterialOffset = 13;

/// What one row of the material table gives, values and the texts the fields show.
struct MaterialChoice {
    double Rm = 0, Re = 0, JHV = 0, VHV = 0, Sigma0Hlim = 0, Sigma0Flimb = 0;
    std::string_view designation;
    std::uint16_t Zpracovani = 0;
    double qF = 0, qH = 10, NFlim = 3e6, NHlim = 0, E = 0, Ny = 0.3;
    std::string_view qFText, qHText = "10", NFlimText = "3e6", NHlimText, EText, NyText = "0.3";
};

/// Row `row` (1 ... kMaterialRows) of the table. The strengths come from the leading digits of
/// their cells, a hardness range gives its lower bound.
[[nodiscard]] MaterialChoice materialChoice(int row);

/// Puts a chosen row into the quantities of one gear.
void applyMaterialChoice(GearPairData& g, Gear gear, const MaterialChoice& choice);

/// The rule of numeric field `field` (1 ... 12 pinion, 14 ... 25 wheel): every constant must be
/// positive, Poisson's ratio at most 1.
[[nodiscard]] bool materialValueAccepted(int field, double value);

/// The quantity of numeric field `field` (as above), or nullptr.
[[nodiscard]] double* materialQuantity(GearPairData& g, int field);

/// Field `field` left or confirmed with `value`: stored, then judged by the rule above (refused
/// with the general message, as is a field that holds no number).
[[nodiscard]] FieldEntry commitMaterial(GearPairData& g, int field, double value);

}  // namespace soukoli
