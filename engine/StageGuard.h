// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The stop of a run whose gear pair leads a formula outside its real domain (the root of a
// negative number, an arccosine of more than 1, a division by zero): the stage says so and clears
// the run flag instead of leaving a NaN or an infinite value to be shown as a result.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

inline constexpr std::string_view kImpossiblePairMessage = "Výpočet nelze dokončit, nemožné parametry soukolí.";

inline void stopImpossiblePair(GearPairData& g, Ui& ui) {
    ui.message(kImpossiblePairMessage);
    g.runFlag = false;
}

/// True when every value is finite; otherwise the run stops with the message above.
inline bool requireFinite(GearPairData& g, Ui& ui, std::initializer_list<double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) {
            stopImpossiblePair(g, ui);
            return false;
        }
    }
    return true;
}

/// True when x lies in [-1, 1], the domain of arccos; otherwise the run stops.
inline bool requireCosine(GearPairData& g, Ui& ui, double x) {
    if (x >= -1.0 && x <= 1.0) return true;
    stopImpossiblePair(g, ui);
    return false;
}

}  // namespace soukoli
