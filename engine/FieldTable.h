// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The named numeric fields and flags of the data set: the name the program prints for a quantity
// and the member that holds it. One table serves the CLI's JSON output and --set, and the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "engine/GearPairData.h"

namespace soukoli {

/// One value of an either/or option shown as a flag of its own, under the name the project file
/// gives that flag (`StandardDIN_B` for `standard` == DIN_B): it reads 1 when the option holds
/// `value`; writing 1 chooses `value`, writing 0 is taken only while another value is chosen.
template <class Option>
struct ChoiceFlag {
    Option GearPairData::*member;
    Option value;
};

struct NumericField {
    using Member = std::variant<double GearPairData::*, std::uint16_t GearPairData::*, bool GearPairData::*,
                                Toothing GearPairData::*, ChoiceFlag<Standard>, ChoiceFlag<KHbetaSource>,
                                ChoiceFlag<LevelsForm>>;

    std::string_view name;  // as printed: "z1", "ha1*", "SigmaHP1"
    Member member;
};

/// Every numeric field and flag, each name once, in the order of the data set.
std::span<const NumericField> numericFields();

/// The field printed under `name`, or nullptr.
const NumericField* findNumericField(std::string_view name);

/// The value of a field; a flag reads 0 or 1, the toothing type 1 or 2.
double readField(const GearPairData& data, const NumericField& field);

/// A yes/no flag or one flag of an either/or option.
[[nodiscard]] bool isFlag(const NumericField& field);

/// A field of whole numbers (the toothing type among them).
[[nodiscard]] bool isWholeNumber(const NumericField& field);

/// Stores `value`; an integer field takes it only when it is a whole number in its range, the
/// toothing type only 1 or 2, a flag only 0 or 1 (and a flag of an either/or option 0 only
/// while another of its values is chosen: an option always holds one).
[[nodiscard]] bool writeField(GearPairData& data, const NumericField& field, double value);

}  // namespace soukoli
