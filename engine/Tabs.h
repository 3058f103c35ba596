// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What the program does to the data set when the user picks a toothing type or a calculation
// tab: the desktop program and soukoli-cli call these same functions, so both give the same
// numbers for the same project.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// The project of a new start: the defaults of the data set for the toothing type in
/// `TypSoukoli`, the centre distance and diameter updates of the basic geometry, the four
/// lookups of the limiting deviations, and the loads and lives derived from those entered. The desktop program at start, the toothing switch and
/// soukoli-cli (--defaults, and before it loads a project) all begin from it.
void resetToDefaults(GearPairData& data, Ui& ui);

/// The program as it starts with toothing `type`: the project of resetToDefaults with the first
/// tab shown (Ft1 = F1·KAS, the load the simplified tab and the spectrum window start from).
void startNewProject(GearPairData& data, Toothing type, Ui& ui);

/// What a change of the toothing type does to the other inputs: a choice of the user starts a new
/// project; while a project or a tab is being set up the inputs stay.
enum class ToothingInputs { Reset, Keep };

/// "Vnější" / "Vnitřní" chosen: sets the type and method "A" and enters the face load factor
/// directly as 1.3; with Reset the project is that of a new start (startNewProject), so every tab
/// shows afterwards what it shows after a new start.
void switchToothing(GearPairData& data, Toothing type, ToothingInputs inputs, Ui& ui);

/// "Úplný výpočet" shown: leaves the simplified calculation. A face load factor that came from
/// the simplified scheme picture is fixed by its formula and kept as entered; Ft1 = F1·KAS.
void prepareFullTab(GearPairData& data);

/// "Zjednodušený výpočet" shown: method "A", the layout mapped to a simplified scheme, KHbeta
/// fixed (from bcal when that is its source) and entered directly, F1 = Ft1/KAS (and with
/// torques T1 = F1·d1/2000, the member the user enters).
void prepareSimplifiedTab(GearPairData& data);

/// The simplified scheme (1 ... 7) that stands for a full-calculation layout label, or nothing
/// for a label outside "1", "1a", "2", "2a", "3" ... "8".
std::optional<std::uint16_t> simplifiedSchemeFor(std::string_view label);

/// KHbeta of a simplified scheme 1 ... 7: 1 + k1·ψ + k2·ψ² with ψ = min(b1, b2)/d1, the
/// coefficients of hard flanks when both exceed 350 HV. Nothing for another scheme number or a
/// pair without a reference diameter.
std::optional<double> simplifiedSchemeKHbeta(const GearPairData& data, int scheme);

}  // namespace soukoli
