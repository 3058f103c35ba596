// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Which input window enters a quantity named as the program prints it ("z1", "ha1*", "IT1",
// "Nj[3]"), in the current state of the data set: the loading window shows F1 or T1 by the
// choice of forces or torques, the coefficients window YT1 or ZR1 by the calculation, and a
// window hides or locks some fields in some modes. soukoli-cli enters its settings through it.
#pragma once

#include <string>
#include <string_view>

#include "engine/FieldEntry.h"
#include "engine/GearPairData.h"

namespace soukoli {

enum class NameKind : std::uint8_t {
    Field,     // a numeric field of `input.window`: enter it with enterField
    Option,    // a radio button, check box or choice of `input.window`
    NotShown,  // a window has it, but not in the current state: `needs` says what it needs
    Unowned,   // no input window has it (a derived value, a flag of the project file)
};

struct NamedInput {
    NameKind kind = NameKind::Unowned;
    FieldId input;      // Field: the field; Option: the window (number 0)
    std::string needs;  // NotShown: the setting or calculation under which the window shows it
};

/// The window input printed under `name` in the state of `g`. Spectrum steps are "Nj[k]" and
/// "Fj[k]" (k = 1 ... 20), the number of steps "j".
[[nodiscard]] NamedInput findNamedInput(const GearPairData& g, std::string_view name);

/// The window a window opens from (the load spectrum from the loading window, the layout
/// schemes from the face-load window); the window itself when it opens from the main window.
[[nodiscard]] InputWindow parentWindow(InputWindow window);

}  // namespace soukoli
