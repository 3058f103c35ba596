// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What a project file may hold: the rules the input windows apply to each stored value, checked
// once on the whole data set. The reader refuses a file that breaks one of them, the writer
// refuses to save one, so every file the program writes opens again.
#pragma once

#include <optional>
#include <string_view>

#include "engine/GearPairData.h"

namespace soukoli::files {

/// A stored value the windows would refuse: its member and the name the program prints for it.
struct RefusedInput {
    double GearPairData::*member = nullptr;
    std::string_view name;
};

/// The first value, in file order, among those the project file stores under the options of `d`,
/// that breaks the rule of its window; nothing when every stored value passes.
[[nodiscard]] std::optional<RefusedInput> refusedInput(const GearPairData& d);

}  // namespace soukoli::files
