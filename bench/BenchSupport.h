// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What every benchmark shares: a user that answers nothing, a sample project loaded as the
// program loads it, and the check that a run completed before it is timed: a pair that stops at
// once times nothing.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "engine/Driver.h"
#include "engine/GearPairData.h"
#include "engine/Tabs.h"
#include "engine/Ui.h"
#include "files/FileCommands.h"

namespace soukoli::bench {

class SilentUi : public Ui {
public:
    using Ui::message;
    void message(std::string_view, std::string_view, MessageIcon) override {}
    bool rimWarningContinue(Gear) override { return true; }
    void openDialog(DialogId, Modality) override {}
    void setActiveField(DialogId, int) override {}
};

inline std::filesystem::path example(const char* name) { return std::filesystem::path(SOUKOLI_EXAMPLES) / name; }

/// The external pair of a new start, as the program shows it.
inline GearPairData startUp() {
    SilentUi ui;
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    resetToDefaults(g, ui);
    return g;
}

/// A sample project of examples/, loaded over the start-up pair; false when it cannot be.
inline bool loadExample(GearPairData& g, const char* name) {
    SilentUi ui;
    g = startUp();
    return files::loadProject(g, example(name), ui).status == files::LoadStatus::Loaded;
}

/// The calculation the project was saved for.
inline void calculate(GearPairData& g, Ui& ui) {
    g.Zjednoduseny ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
}

/// Runs `start` once and says why it cannot be timed: the run flag must stay set and the contact
/// safety of the pinion must be a real number, SigmaHP1 / SigmaH1 as the results show it.
/// Empty when the run completed.
inline std::string whyNotTimed(const GearPairData& start) {
    SilentUi ui;
    GearPairData g = start;
    calculate(g, ui);
    if (!g.runFlag) return "the run stopped: it would time nothing";
    if (!(g.SH1 > 0) || !(g.SigmaH1 > 0) || std::abs(g.SH1 - g.SigmaHP1 / g.SigmaH1) > 1e-9 * g.SH1)
        return "the run completed without its results";
    return {};
}

/// Skips the benchmark with the reason when a run of `start` does not complete.
inline bool completes(benchmark::State& state, const GearPairData& start) {
    const std::string why = whyNotTimed(start);
    if (why.empty()) return true;
    state.SkipWithError(why.c_str());
    return false;
}

}  // namespace soukoli::bench
