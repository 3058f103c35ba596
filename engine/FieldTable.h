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

struct NumericField {
    using Member = std::variant<double GearPairData::*, std::uint16_t GearPairData::*, bool GearPairData::*>;

    std::string_view name;  // as printed: "z1", "ha1*", "SigmaHP1"
    Member member;
};

/// Every numeric field and flag, each name once, in the order of the data set.
std::span<const NumericField> numericFields();

/// The field printed under `name`, or nullptr.
const NumericField* findNumericField(std::string_view name);

/// The value of a field; a flag reads 0 or 1.
double readField(const GearPairData& data, const NumericField& field);

[[nodiscard]] inline bool isFlag(const NumericField& field) {
    return std::holds_alternative<bool GearPairData::*>(field.member);
}

/// Stores `value`; an integer field takes it only when it is a whole number in its range, a flag
/// only 0 or 1.
[[nodiscard]] bool writeField(GearPairData& data, const NumericField& field, double value);

}  // namespace soukoli
