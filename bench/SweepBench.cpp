// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Speed of soukoli-cli sweep in-process: about 120,000 variants of a sample project with one
// output field, against one full calculation of the same project. The counter "per_variant_x_threads"
// (wall time per variant times the threads) should stay within 3x the full calculation's time;
// "cpu_per_variant_us" is the same on CPU time, steadier on a shared machine;
// "peak_rss_MB" shows that memory does not grow with the number of variants.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/Sweep.h"
#include "engine/Driver.h"
#include "engine/GearPairData.h"
#include "engine/Tabs.h"
#include "files/FileCommands.h"

namespace {

constexpr const char* kProject = SOUKOLI_EXAMPLES "/default-external.PEV";
constexpr double kVariants = 40.0 * 100 * 30;

class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

class SilentUi : public soukoli::Ui {
public:
    using Ui::message;
    void message(std::string_view, std::string_view, soukoli::MessageIcon) override {}
    bool rimWarningContinue(soukoli::Gear) override { return true; }
    void openDialog(soukoli::DialogId, soukoli::Modality) override {}
    void setActiveField(soukoli::DialogId, int) override {}
};

// User and system time of the whole process so far, in seconds: on a shared machine the CPU time a
// variant costs is steadier than the wall time.
double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double peakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FullCalculationOfTheProject(benchmark::State& state) {
    SilentUi ui;
    soukoli::GearPairData start;
    start.TypSoukoli = soukoli::Toothing::External;
    soukoli::resetToDefaults(start, ui);
    if (soukoli::files::loadProject(start, kProject, ui).status != soukoli::files::LoadStatus::Loaded) {
        state.SkipWithError("project not loaded");
        return;
    }
    for (auto _ : state) {
        soukoli::GearPairData g = start;
        soukoli::runFullCalculation(g, ui);
        benchmark::DoNotOptimize(g.SF1);
    }
}
BENCHMARK(BM_FullCalculationOfTheProject);

void BM_Sweep120kVariants(benchmark::State& state) {
    const std::string threads = std::to_string(state.range(0));
    const std::vector<const char*> argv = {"sweep",  kProject,           "--vary", "z1=18:57:1",
                                           "--vary", "x1=-0.2:0.79:0.01", "--vary", "b1=20:49:1",
                                           "--fields", "SF1",             "--threads", threads.c_str()};
    NullBuffer null;
    std::ostream out(&null), err(&null);
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state) {
        const int status = soukoli::cli::runSweep(static_cast<int>(argv.size()), argv.data(), out, err);
        if (status != 0) state.SkipWithError("sweep failed");
    }
    state.counters["per_variant_x_threads"] = benchmark::Counter(
        kVariants / static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
    state.counters["cpu_per_variant_us"] =
        (processCpuSeconds() - cpuBefore) * 1e6 / (kVariants * static_cast<double>(state.iterations()));
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}
BENCHMARK(BM_Sweep120kVariants)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
