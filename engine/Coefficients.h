// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Rules of the coefficients dialog ("Ostatní součinitelé a vstupy") without widgets: what an
// entry writes into the data set, which direct-entry flags it sets or clears, how each field is
// shown, and the check of the grinding notch on "&Ok".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/CoefficientsTables.h"
#include "engine/EntryResult.h"
#include "engine/GearPairData.h"

namespace soukoli {

inline constexpr int kCoefficientFieldYT1 = 5;
inline constexpr int kCoefficientFieldYT2 = 6;
inline constexpr int kCoefficientFieldZLZRZV = 7;
inline constexpr int kFirstOptionalCoefficient = 8;
inline constexpr int kFirstMaximumLoadFactor = 27;  // fields 27-32: method "B" only
inline constexpr int kLastMaximumLoadFactor = 32;

inline constexpr std::string_view kNotchCombination1 =
    "Kombinace rog1 a tg1 je nemožná, obě hodnoty musí být buď nulové nebo nenulové";
inline constexpr std::string_view kNotchCombination2 =
    "Kombinace rog2 a tg2 je nemožná, obě hodnoty musí být buď nulové nebo nenulové";

/// The field `number` (1 ... 34), or nullptr.
[[nodiscard]] const CoefficientField* coefficientField(int number);

[[nodiscard]] inline bool isOptionalCoefficient(int number) {
    return number >= kFirstOptionalCoefficient && number <= static_cast<int>(kCoefficientFieldCount);
}

/// The quantity a field edits: fields 5 and 6 edit ZR1, ZR2 in the simplified calculation.
[[nodiscard]] double& coefficientQuantity(GearPairData& data, int number);
[[nodiscard]] double coefficientQuantity(const GearPairData& data, int number);

/// The text of a field: a mandatory input always in its format, an optional factor only when it
/// is entered directly (otherwise empty).
[[nodiscard]] std::string coefficientText(const GearPairData& data, int number);

/// YT1 (YT2) belongs to the computed SigmaFlimb1 (SigmaFlimb2): with SigmaFlimb entered directly
/// it is 1.0 and cannot be edited in the full calculation; fields 27-32 need method "B".
[[nodiscard]] bool coefficientEditable(const GearPairData& data, int number);

/// YT1 := 1.0 while SigmaFlimb1 is entered directly, YT2 likewise.
void applyEnteredLimitStresses(GearPairData& data);

/// The entry `text` of field `number`. The value is stored before it is judged. An optional
/// factor entered as a non-zero value is marked as entered directly; 0 or an empty field clears
/// the mark. YFa, YSa and YFS of one gear exclude each other (an entered YFa or YSa resets YFS to
/// 1.0, an entered YFS resets YFa and YSa to 1.0); under "DIN - ISO  B" fields 13-16 also write
/// YFe1, YFe2, YSe1, YSe2. An entered bending limit fixes YT (applyEnteredLimitStresses). Refused
/// (not a number of 0 or more) with the general message and the position of an unreadable
/// character.
[[nodiscard]] FieldEntry enterCoefficient(GearPairData& data, int number, std::string_view text);

struct NotchProblem {
    std::string_view message;
    int field;  // 1 (tg1) or 2 (tg2)
};

/// A notch with only one of depth and radius non-zero, pinion first.
[[nodiscard]] std::optional<NotchProblem> notchCombinationProblem(const GearPairData& data);

}  // namespace soukoli
