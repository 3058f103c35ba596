// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The data set of a new program start (defaults, basic geometry, limiting deviations), for the
// tests of the entry path and of soukoli-cli's settings.
#pragma once

#include "engine/Tabs.h"
#include "support/RecordingUi.h"

namespace soukoli::testing {

inline GearPairData startUpPair(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    RecordingUi ui;
    resetToDefaults(g, ui);
    return g;
}

}  // namespace soukoli::testing
