// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// One path for every number the user types into a field of an input window: the field's
// identity, and the one function that reads the text, judges it by the window's rule, stores it
// only when it is accepted and runs what an accepted entry triggers (recomputed geometry, the
// accuracy lookups, the gear bodies). The windows and soukoli-cli both enter fields through it,
// so the same entries give the same data set in either. Its answer, FieldEntry (EntryResult.h),
// is the shape every window's rule answers in.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/GeometryInput.h"
#include "engine/Ui.h"

namespace soukoli {

/// The input windows whose numeric fields go through enterField.
enum class InputWindow : std::uint8_t {
    Geometry,      // "Geometrie ozubení": GeometryField numbering, 1 ... 16
    Dimensions,    // body dimensions: DimensionField numbering, 1 ... 14
    Accuracy,      // "Stupně přesnosti a úchylky kol": AccuracyField numbering, 1 ... 8
    Loading,       // "Zatěžující údaje": 1 ... kLoadingFields (the field of the current mode)
    LoadLevels,    // load spectrum: 1 the number of steps, 2 ... 21 the counts, 22 ... 41 the levels
    Materials,     // 1 ... 12 pinion, 14 ... 25 wheel (13 and 26 are the designations, text)
    FaceLoad,      // "Stanovení součinitele KHß": 1 bcal, 2 KHbeta
    Layout,        // layout scheme: 1 ... kLayoutFields (s1, s2, lw1, lw2, dsh1, dsh2, dII, dI)
    Coefficients,  // "Ostatní součinitelé a vstupy": 1 ... kCoefficientFieldCount
};

/// A numeric field of an input window, numbered as the window numbers its edits.
struct FieldId {
    InputWindow window = InputWindow::Geometry;
    int number = 0;

    bool operator==(const FieldId&) const = default;
};

/// The load-level window's fields of step `step` (1 ... kMaxLoadLevels).
[[nodiscard]] constexpr FieldId levelCountField(int step) { return {InputWindow::LoadLevels, step + 1}; }
[[nodiscard]] constexpr FieldId levelValueField(int step) {
    return {InputWindow::LoadLevels, step + 1 + static_cast<int>(kMaxLoadLevels)};
}

/// Enters `text` into field `id` as the window does when the field is left or Enter is pressed:
/// read with the decimal point (degrees for the geometry's angles), judged by the field's rule
/// and the rules between fields; accepted, it is stored and its consequences run; refused,
/// nothing of it stays in the data set. Messages of the recomputations themselves go through
/// `ui`; the refusal is returned, not shown.
FieldEntry enterField(GearPairData& g, FieldId id, std::string_view text, Ui& ui);

/// The same for a number already read, in the unit the data set stores (radians for angles).
FieldEntry enterFieldValue(GearPairData& g, FieldId id, double value, Ui& ui);

}  // namespace soukoli
