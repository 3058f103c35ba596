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

#include "bench/BenchSupport.h"
#include "files/Reports.h"
#include "files/TextFile.h"

namespace soukoli {
namespace {

namespace fs = std::filesystem;
using bench::example;
using bench::SilentUi;

void calculate(benchmark::State& state, const char* name) {
    GearPairData start;
    if (!bench::loadExample(start, name)) return state.SkipWithError("project not loaded");
    if (!bench::completes(state, start)) return;
    SilentUi ui;
    for (auto _ : state) {
        GearPairData g = start;
        bench::calculate(g, ui);
        benchmark::DoNotOptimize(g.SH1);
    }
}
BENCHMARK_CAPTURE(calculate, FullDefaultExternal, "default-external.PEV");
BENCHMARK_CAPTURE(calculate, FullDefaultInternal, "default-internal.PEV");
BENCHMARK_CAPTURE(calculate, FullHelicalDinBLevels, "helical-din-b-spektrum.PEV");
BENCHMARK_CAPTURE(calculate, Simplified, "simplified.PEV");

void BM_LoadCalculateReport(benchmark::State& state) {
    SilentUi ui;
    const GearPairData start = bench::startUp();
    const files::LocalTime now{2026, 12, 8, 9, 5, 7};
    const fs::path project = example("helical-din-b-spektrum.PEV");
    GearPairData probe;
    if (!bench::loadExample(probe, "helical-din-b-spektrum.PEV")) return state.SkipWithError("project not loaded");
    if (!bench::completes(state, probe)) return;
    for (auto _ : state) {
        GearPairData g = start;
        if (files::loadProject(g, project, ui).status != files::LoadStatus::Loaded) return state.SkipWithError("load");
        runFullCalculation(g, ui);
        if (!g.runFlag) return state.SkipWithError("the run stopped: the report would show no results");
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
