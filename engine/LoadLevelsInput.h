// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The rules of the load spectrum dialog (level method of ČSN 01 4686) without its widgets: the
// number of steps, the counts and levels of each step with their ordering rules, clearing the
// table, the display of the values, and what "O&k" and "&Esc" do to the loading data.
#pragma once

#include <string>
#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"

namespace soukoli {

inline constexpr std::string_view kMustExceedPrevious = "Údaj musí být větší než předchozí";
inline constexpr std::string_view kMustBeBelowNext = "Údaj musí být menší než následující";
inline constexpr std::string_view kMustBeBelowPrevious = "Údaj musí být menší než předchozí";
inline constexpr std::string_view kLevelsIncomplete = "Neúplně zadání - některé vstupy jsou nulové";

/// Sets the form of the levels (y axis, `levelsForm`) and clears the table.
void chooseLevelsForm(GearPairData& g, LevelsForm form);

/// "&Nulování": every count and level 0, then the fixed values of the form: the first level 1
/// ("Poměr  1/ j", "Poměr  j / 1"), the last level 1 ("Poměr j / min"), or the first level the
/// pinion's load Ft1 or T1 (absolute).
void clearLevels(GearPairData& g);

/// The step (1 … j) whose level is fixed at 1 and cannot be edited; 0 when every level field is
/// open (absolute levels, or a single step).
[[nodiscard]] int fixedLevelStep(const GearPairData& g);

/// Field 1, the number of steps: an integer 1 … 20. A new number clears the table. Refused with
/// the rule's message, as are the two below.
[[nodiscard]] FieldEntry commitLevelsSteps(GearPairData& g, double value);
/// The count of step `step` (1 … 20): > 0, and growing when the counts are cumulative.
[[nodiscard]] FieldEntry commitLevelsCount(GearPairData& g, int step, double value);
/// The level of step `step` (1 … 20): > 0, within the range of its form and ordered as the
/// form requires; an absolute first level is also the pinion's load.
[[nodiscard]] FieldEntry commitLevelsLevel(GearPairData& g, int step, double value);

/// A count: "  0" when cleared, str(x:8:2) below 10, str(x:5:0) up to 99999, "#.###E+0;" above.
[[nodiscard]] std::string levelsCountText(double x);
/// A level: str(x:7:1) when absolute, str(x:6:3) for ratios.
[[nodiscard]] std::string levelsLevelText(const GearPairData& g, double y);

/// The loading data the loading dialog hands over on opening; "&Esc" puts them back.
struct LevelsHandover {
    double F1 = 0, Ft1 = 0, T1 = 0;
    bool NKvCyklech = false, SilyF = false;
};
[[nodiscard]] LevelsHandover takeLevelsHandover(const GearPairData& g);

/// Opening the dialog: an absolute first level shows the pinion's load (Ft1 or T1).
void openLevels(GearPairData& g);

/// Every step 1 … j has a count and a level.
[[nodiscard]] bool levelsComplete(const GearPairData& g);

/// "O&k" on a complete table: the absolute first level becomes the pinion's load, the lives
/// follow from the counts, and the equivalent loads from the spectrum.
void confirmLevels(GearPairData& g);

/// "&Esc": the handed-over data back, and no equivalent loads.
void cancelLevels(GearPairData& g, const LevelsHandover& handover);

}  // namespace soukoli
