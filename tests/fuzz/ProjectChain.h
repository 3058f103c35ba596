// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The road of one project file through the program, with the promises that hold on it: read,
// recompute after loading, run the full and the simplified calculation, report, write and read
// again. Shared by the libFuzzer target and the unit test that replays its seeds and findings.
#pragma once

#include <cmath>
#include <string>
#include <vector>
#include <string_view>

#include "engine/Driver.h"
#include "engine/ResultGuard.h"
#include "engine/Tabs.h"
#include "files/PostLoad.h"
#include "files/ProjectFile.h"
#include "files/Reports.h"
#include "tests/support/Runs.h"

namespace soukoli::fuzz {

// A user who answers every question and closes every dialog at once.
class SilentUi : public Ui {
public:
    void message(std::string_view, std::string_view, MessageIcon) override {}
    bool rimWarningContinue(Gear) override { return true; }
    void openDialog(DialogId, Modality) override {}
    void setActiveField(DialogId, int) override {}
};

// A non-finite number printed as such; the material names are the user's text and may say anything.
inline bool showsNonNumber(const std::vector<std::string>& lines, const GearPairData& g) {
    for (std::string line : lines) {
        for (const std::string* text : {&g.Material1, &g.Material2})
            for (auto at = text->empty() ? std::string::npos : line.find(*text); at != std::string::npos;
                 at = line.find(*text))
                line.erase(at, text->size());
        for (const char* word : {"nan", "NaN", "inf", "Inf"})
            if (line.find(word) != std::string::npos) return true;
    }
    return false;
}

// A saved project reads back and writes the same bytes again.
inline std::string checkRoundTrip(const GearPairData& data, const GearPairData& start, const char* what) {
    const auto written = files::writeString(data);
    if (!written.ok()) return {};  // refused to save: the previous file stays
    GearPairData back = start;
    const auto read = files::readString(written.bytes, back);
    if (!read.ok()) return std::string(what) + ": the saved file is refused: " + read.reason;
    if (files::writeString(back).bytes != written.bytes) return std::string(what) + ": the saved file reads back differently";
    return {};
}

// One calculation: a run that completes shows only finite numbers of sane size.
inline std::string checkRun(GearPairData g, bool simplified, const GearPairData& start) {
    SilentUi ui;
    soukoli::testing::runOnTab(g, ui, simplified);
    const char* what = simplified ? "simplified calculation" : "full calculation";
    if (g.runFlag) {
        if (!resultsShowable(g)) return std::string(what) + ": completed with a result that cannot be shown";
        const files::LocalTime now;
        if (showsNonNumber(files::resultsReportLines(g, now, "x.VYS"), g))
            return std::string(what) + ": the results report shows a non-number";
        if (simplified && showsNonNumber(files::simplifiedPrintoutLines(g, now), g))
            return std::string(what) + ": the printout shows a non-number";
    }
    return checkRoundTrip(g, start, what);
}

/// Empty when every promise held for `bytes`, otherwise what broke.
inline std::string checkProjectChain(std::string_view bytes) {
    static const GearPairData start = [] {
        SilentUi ui;
        GearPairData g;
        g.TypSoukoli = Toothing::External;
        resetToDefaults(g, ui);
        return g;
    }();
    GearPairData g = start;
    if (!files::readString(bytes, g).ok()) return {};
    if (auto problem = checkRoundTrip(g, start, "loaded project"); !problem.empty()) return problem;
    SilentUi ui;
    files::recomputeAfterLoad(g, ui);
    if (!files::recomputedValuesFinite(g)) return {};  // the load command refuses such a file
    if (auto problem = checkRun(g, false, start); !problem.empty()) return problem;
    return checkRun(g, true, start);
}

}  // namespace soukoli::fuzz
