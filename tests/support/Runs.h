// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// One calculation as the main window starts it: the tab is shown (its preparation runs), then
// "Výpočet" on that tab. Shared by the engine tests, the fuzz findings and the fuzz targets.
#pragma once

#include "engine/Driver.h"
#include "engine/Tabs.h"

namespace soukoli::testing {

inline void runOnTab(GearPairData& g, Ui& ui, bool simplified) {
    if (simplified) {
        prepareSimplifiedTab(g);
        runSimplifiedCalculation(g, ui);
    } else {
        prepareFullTab(g);
        runFullCalculation(g, ui);
    }
}

}  // namespace soukoli::testing
