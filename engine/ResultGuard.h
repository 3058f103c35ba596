// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The last check of a run before its results are shown, printed or saved: every value of the data
// set is a finite number, and every result the panels, the results report and the printout show
// lies within a magnitude no real gear pair reaches. A run that fails it stops with
// "Výpočet nelze dokončit, nemožné parametry soukolí." instead of showing Inf or 4·10^42 MPa.
#pragma once

#include <span>
#include <string_view>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// The largest magnitude of a shown result. Stresses of real gears stay below 10^4 MPa, their
/// factors and safety factors below 10^3; 10^6 keeps every shown value within a few characters of
/// its report column (at most 999999.9 in 6.1, 999999.999 in 5.3) while refusing only nonsense.
inline constexpr double kLargestShownResult = 1e6;

/// When a shown result belongs to the run.
enum class ShownIn { Both, FullOnly, MethodB };

struct ShownResult {
    std::string_view name;  // as in the field table
    ShownIn when;
    double GearPairData::*member;  // resolved when compiled: a check looks up no name
};

/// The results the panels, the results report and the printout show.
[[nodiscard]] std::span<const ShownResult> shownResults();

/// True when the run that just ended left nothing that cannot be shown: in the full calculation
/// every numeric field is finite; in both, every shown result of that calculation is finite and
/// not above kLargestShownResult in magnitude.
[[nodiscard]] bool resultsShowable(const GearPairData& g);

/// Ends a run that is still going: stops it with the impossible-pair message when its results are
/// not showable.
void guardResults(GearPairData& g, Ui& ui);

}  // namespace soukoli
