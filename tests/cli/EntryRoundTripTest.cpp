// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Random entries typed into the windows (through the settings of soukoli-cli, which enter every
// field by its window's rule), then a calculation, a save and the project opened again: the
// reopened project calculates to the same results and prints the same reports. A derived value that keeps a value of earlier inputs (a life after z1, z2 or n1) shows
// here as a difference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Settings.h"
#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/ResultGuard.h"
#include "engine/Tabs.h"
#include "files/FileCommands.h"
#include "files/PostLoad.h"
#include "files/ProjectFile.h"
#include "files/Reports.h"
#include "support/RecordingUi.h"

using namespace soukoli;

namespace {

struct Draw {
    const char* name;
    double from, to;
    int decimals;  // the decimals typed; -1 for an exponent
    const char* unit = "";
};

// Entries of every input window, in ranges a designer types (some beyond what a window or the
// calculation accepts, so that refusals and stops are part of the sequences). Angles are typed in
// degrees, as the windows take them: the project file keeps degrees.
constexpr Draw kDraws[] = {
    {"z1", 12, 40, 0},       {"z2", 25, 110, 0},      {"x1", -0.4, 0.9, 2},    {"x2", -0.4, 0.9, 2},
    {"mn", 1.5, 8, 1},       {"Beta", 0, 25, 1, "deg"}, {"Alfan", 17, 25, 1, "deg"}, {"b1", 15, 90, 0},
    {"b2", 15, 90, 0},       {"IT1", 4, 10, 0},       {"IT2", 4, 10, 0},       {"fpbr1", 0, 25, 1},
    {"Fbetar2", 0, 25, 1},   {"n1", 50, 3000, 0},     {"F1", 500, 30000, 0},   {"T1", 20, 900, 0},
    {"NK1", 1e5, 1e9, -1},   {"NK2", 1e5, 1e9, -1},   {"NK1hod", 10, 20000, 0}, {"NK2hod", 10, 20000, 0},
    {"KA", 1, 2.25, 2},      {"KAS", 1, 3, 2},        {"YA1", 0.7, 1, 2},      {"KHbeta", 1, 2, 2},
    {"NKvCyklech", 0, 1, 0}, {"SilyF", 0, 1, 0},      {"Sigma0Hlim1", 600, 1600, 0},
    {"Sigma0Flimb2", 200, 500, 0},
};

std::string typed(const Draw& d, std::mt19937& rng) {
    const double v = std::uniform_real_distribution<double>(d.from, d.to)(rng);
    char text[32];
    if (d.decimals < 0)
        std::snprintf(text, sizeof text, "%.3e", v);
    else
        std::snprintf(text, sizeof text, "%.*f", d.decimals, v);
    return text + std::string(d.unit);
}

// A sequence of entries on a new project: a toothing, a tab, a standard, then several entries,
// each in its own showing of its window. A refused entry leaves the project as before it.
GearPairData randomProject(std::mt19937& rng) {
    soukoli::testing::RecordingUi ui;
    GearPairData g;
    const bool internal = rng() % 4 == 0;
    startNewProject(g, internal ? Toothing::Internal : Toothing::External, ui);
    const char* standards[] = {"", "din-b", "din-c"};
    cli::showTabAndStandard(g, rng() % 4 == 0 ? cli::Tab::Simplified : cli::Tab::AsSaved,
                            internal ? "" : standards[rng() % 3]);
    const int entries = 2 + static_cast<int>(rng() % 7);
    for (int i = 0; i < entries; ++i) {
        const Draw& d = kDraws[rng() % std::size(kDraws)];
        std::string value = typed(d, rng);
        if (internal && std::string_view(d.name) == "z2") value = "-" + value;
        GearPairData before = g;
        std::string error;
        if (!cli::applySettings(g, {{d.name, value}}, ui, error)) g = std::move(before);
        if (std::getenv("TRACE_ENTRIES")) std::fprintf(stderr, "%s=%s %s | Epsalfa=%g std=%d simp=%d int=%d KHa=%d\n", d.name, value.c_str(), error.c_str(), g.Epsalfa, (int)g.standard, g.Zjednoduseny, (int)g.TypSoukoli, g.KHalfaGiven);
    }
    return g;
}

// The project as soukoli-cli opens it: a new start, the file with its recomputation, and the tab
// it was saved from shown.
GearPairData reopened(const std::string& bytes) {
    soukoli::testing::RecordingUi ui;
    GearPairData g;
    startNewProject(g, Toothing::External, ui);
    EXPECT_TRUE(files::readString(bytes, g).ok());
    files::recomputeAfterLoad(g, ui);
    cli::showTabAndStandard(g, cli::Tab::AsSaved, "");
    return g;
}

// The values of a completed run compared one by one: what the panels and reports show, and the
// derived inputs (loads, lives, diameters, centre distance) that the windows show.
bool comparedOneByOne(std::string_view name) {
    for (const ShownResult& r : shownResults())
        if (r.name == name) return true;
    constexpr std::string_view derived[] = {"F1", "T1", "Ft1", "NK1", "NK2", "NK1hod", "NK2hod", "d1", "d2",
                                            "da1", "da2", "df1", "df2", "aw", "alfatw", "xmez", "u"};
    return std::find(std::begin(derived), std::end(derived), name) != std::end(derived);
}

// The file keeps 15 significant digits: an angle typed in degrees, or a centre distance that
// follows from the shifts, comes back within its last digits, and everything computed from it
// with it; what is printed is the same to the last character.
constexpr double kDigits = 1e-9;

void expectSameLines(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
}

// Two project files line by line; numbers within the digits the file keeps.
void expectSameFile(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string p, q;
    int line = 0;
    while (std::getline(x, p)) {
        ++line;
        ASSERT_TRUE(std::getline(y, q)) << "line " << line;
        char* endP = nullptr;
        char* endQ = nullptr;
        const double u = std::strtod(p.c_str(), &endP);
        const double v = std::strtod(q.c_str(), &endQ);
        if (endP != p.c_str() && endQ != q.c_str() && *endP == '\r' && *endQ == '\r')
            EXPECT_NEAR(u, v, kDigits * std::max(1.0, std::abs(u))) << "line " << line;
        else
            EXPECT_EQ(p, q) << "line " << line;
    }
    EXPECT_FALSE(std::getline(y, q));
}

TEST(EntryRoundTrip, SavedAndReopenedProjectCalculatesTheSame) {
    std::mt19937 rng(20261209);
    int compared = 0;
    for (int sequence = 0; sequence < 1000; ++sequence) {
        if (std::getenv("TRACE_ENTRIES")) std::fprintf(stderr, "--- %d\n", sequence);
        GearPairData entered = randomProject(rng);
        soukoli::testing::RecordingUi ui;
        runCalculation(entered, ui);
        const auto saved = files::writeString(entered);
        if (!saved.ok()) continue;
        GearPairData back = reopened(saved.bytes);
        runCalculation(back, ui);
        ++compared;

        SCOPED_TRACE("sequence " + std::to_string(sequence));
        if (std::getenv("TRACE_ENTRIES")) for (const GearPairData* x : {&entered, &back}) std::fprintf(stderr, "Epsalfa=%.9g da1=%.12g da2=%.12g df1=%.12g df2=%.12g a0w=%.12g z0=%g aw=%.12g alfatw=%.12g d2=%.12g x1=%g x2=%g\n", x->Epsalfa, x->da1, x->da2, x->df1, x->df2, x->a0w, x->z0, x->aw, x->alfatw, x->d2, x->x1, x->x2);
        EXPECT_EQ(back.lastRun, entered.lastRun);
        EXPECT_EQ(back.stopMessage, entered.stopMessage);
        const files::LocalTime now;
        expectSameLines(files::resultsReportLines(back, now, "x"), files::resultsReportLines(entered, now, "x"));
        expectSameLines(files::inputReportLines(back, now, "x"), files::inputReportLines(entered, now, "x"));
        expectSameFile(files::writeString(back).bytes, saved.bytes);
        // What a stopped run left beside its stop is no result: only a completed run is compared
        // value by value, every value it shows and the derived inputs the windows show.
        if (entered.lastRun != RunEnd::Completed) continue;
        for (const auto& f : numericFields()) {
            if (!comparedOneByOne(f.name)) continue;
            const double a = readField(entered, f);
            const double b = readField(back, f);
            EXPECT_NEAR(a, b, kDigits * std::max(1.0, std::abs(a))) << f.name;
        }
        if (::testing::Test::HasFailure()) break;  // one sequence tells enough
    }
    EXPECT_GT(compared, 900);
}

}  // namespace
