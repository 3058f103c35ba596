// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Speed of whole projects: the full calculation of three sample projects, the simplified one,
// load + calculation + results report, and soukoli-cli over a batch of 1000 project files with
// its peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/Tabs.h"
#include "engine/Driver.h"
#include "files/FileCommands.h"
#include "files/Reports.h"
#include "files/TextFile.h"

namespace soukoli {
namespace {

namespace fs = std::filesystem;

class SilentUi : public Ui {
public:
    using Ui::message;
    void message(std::string_view, std::string_view, MessageIcon) override {}
    bool rimWarningContinue(Gear) override { return true; }
    void openDialog(DialogId, Modality) override {}
    void setActiveField(DialogId, int) override {}
};

fs::path example(const char* name) { return fs::path(SOUKOLI_EXAMPLES) / name; }

GearPairData startUp(Ui& ui) {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    resetToDefaults(g, ui);
    return g;
}

GearPairData loaded(const char* name) {
    SilentUi ui;
    GearPairData g = startUp(ui);
    if (files::loadProject(g, example(name), ui).status != files::LoadStatus::Loaded) std::abort();
    return g;
}

void calculate(benchmark::State& state, const char* name) {
    const GearPairData start = loaded(name);
    SilentUi ui;
    for (auto _ : state) {
        GearPairData g = start;
        g.Zjednoduseny ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
        if (!g.runFlag) state.SkipWithError("the run stopped");
        benchmark::DoNotOptimize(g.SH1);
    }
}
BENCHMARK_CAPTURE(calculate, FullDefaultExternal, "default-external.PEV");
BENCHMARK_CAPTURE(calculate, FullDefaultInternal, "default-internal.PEV");
BENCHMARK_CAPTURE(calculate, FullHelicalDinBLevels, "helical-din-b-spektrum.PEV");
BENCHMARK_CAPTURE(calculate, Simplified, "simplified.PEV");

void BM_LoadCalculateReport(benchmark::State& state) {
    SilentUi ui;
    const GearPairData start = startUp(ui);
    const files::LocalTime now{2026, 12, 8, 9, 5, 7};
    const fs::path project = example("helical-din-b-spektrum.PEV");
    for (auto _ : state) {
        GearPairData g = start;
        if (files::loadProject(g, project, ui).status != files::LoadStatus::Loaded) state.SkipWithError("load");
        runFullCalculation(g, ui);
        const auto encoded = files::encodeLines(files::resultsReportLines(g, now, "helical-din-b-spektrum.VYS"));
        benchmark::DoNotOptimize(encoded);
    }
}
BENCHMARK(BM_LoadCalculateReport);

// soukoli-cli --json over 1000 copies of the sample projects; the counter peak_rss_kB is the
// largest resident set of the tool.
void BM_CliBatchOf1000(benchmark::State& state) {
    const fs::path dir = fs::temp_directory_path() / "soukoli-bench-batch";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string command = std::string(SOUKOLI_CLI) + " --json";
    const char* samples[] = {"default-external.PEV", "default-internal.PEV", "helical-din-b-spektrum.PEV",
                             "chsz-classes.PEV", "layout-scheme-measured.PEV", "simplified.PEV"};
    // Names and the command line are built by appending: GCC 12 at -O3 mistakes the inlined
    // `"literal" + std::string&&` for an overlapping memcpy (-Wrestrict, GCC bug 105329).
    for (int i = 0; i < 1000; ++i) {
        std::string name = "p";
        name += std::to_string(i);
        name += ".PEV";
        const fs::path copy = dir / name;
        fs::copy_file(example(samples[i % 6]), copy);
        command += ' ';
        command += copy.string();
    }
    command += " > /dev/null";
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) state.SkipWithError("soukoli-cli failed");
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["peak_rss_kB"] = static_cast<double>(usage.ru_maxrss);
    fs::remove_all(dir);
}
BENCHMARK(BM_CliBatchOf1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
}  // namespace soukoli
