// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Speed of soukoli-cli sweep in-process against the full calculation of the same project,
// measured in the same run: the million variants of examples/default-external.PEV
// (--vary z1=21:44:1 --vary x1=-0.4:0.9:0.01 --vary b1=20:60:0.125, about 87% complete) on one
// and two threads. Counters: "full_calculation_us" (CPU time of one full calculation, measured
// just before the sweep), "cpu_per_variant_us" (CPU time of the whole process per variant, i.e.
// per variant and thread), "cpu_ratio" (the two divided: at most 1.5), "per_variant_x_threads_us"
// (the same on wall time, inflated by whatever else runs on a shared machine), "completed" (the
// share of variants whose run completed) and "peak_rss_MB" (memory does not grow with the
// variants). The wall time of the 2-thread run is the million-variant time (target: under 5 s
// on 2 cores of their own).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <chrono>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "cli/Sweep.h"

namespace {

constexpr const char* kProject = SOUKOLI_EXAMPLES "/default-external.PEV";

// Counts the rows written and those of a stopped run (its last field empty: the line ends in
// a comma), and throws the text away.
class RowCounter : public std::streambuf {
public:
    std::size_t rows = 0, stopped = 0;

protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) see(static_cast<char>(c));
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i) see(s[i]);
        return n;
    }

private:
    void see(char c) {
        if (c == '\n') {
            ++rows;
            stopped += last_ == ',';
        }
        last_ = c;
    }
    char last_ = 0;
};

// User and system time of the whole process so far, in seconds: on a shared machine the CPU time a
// variant costs is steadier than the wall time.
double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double peakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// CPU seconds of one full calculation of the project; 0 when it does not complete.
double fullCalculationSeconds(benchmark::State& state) {
    soukoli::GearPairData start;
    if (!soukoli::bench::loadExample(start, "default-external.PEV")) return state.SkipWithError("project not loaded"), 0;
    if (!soukoli::bench::completes(state, start)) return 0;
    soukoli::bench::SilentUi ui;
    constexpr int kRuns = 20000;
    const double before = threadCpuSeconds();
    for (int i = 0; i < kRuns; ++i) {
        soukoli::GearPairData g = start;
        soukoli::runFullCalculation(g, ui);
        benchmark::DoNotOptimize(g.SF1);
    }
    return (threadCpuSeconds() - before) / kRuns;
}

void BM_FullCalculationOfTheProject(benchmark::State& state) {
    soukoli::GearPairData start;
    if (!soukoli::bench::loadExample(start, "default-external.PEV")) return state.SkipWithError("project not loaded");
    if (!soukoli::bench::completes(state, start)) return;
    soukoli::bench::SilentUi ui;
    for (auto _ : state) {
        soukoli::GearPairData g = start;
        soukoli::runFullCalculation(g, ui);
        benchmark::DoNotOptimize(g.SF1);
    }
}
BENCHMARK(BM_FullCalculationOfTheProject);

void BM_SweepMillionVariants(benchmark::State& state) {
    const std::string threads = std::to_string(state.range(0));
    const std::vector<const char*> argv = {"sweep",    kProject,       "--vary",    "z1=21:44:1",
                                           "--vary",   "x1=-0.4:0.9:0.01", "--vary", "b1=20:60:0.125",
                                           "--fields", "SF1",          "--threads", threads.c_str()};
    std::ostringstream err;
    {
        // The sweep must complete variants: its first completed row, or nothing to time.
        std::vector<const char*> first = argv;
        for (const char* a : {"--where", "status!=2", "--limit", "1"}) first.push_back(a);
        RowCounter counter;
        std::ostream rows(&counter);
        if (soukoli::cli::runSweep(static_cast<int>(first.size()), first.data(), rows, err) != 0 ||
            counter.rows != 2)
            return state.SkipWithError("no variant of the sweep completes");
    }
    const double full = fullCalculationSeconds(state);
    if (full == 0) return;
    RowCounter counter;
    std::ostream out(&counter);
    const double cpuBefore = processCpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    for (auto _ : state) {
        const int status = soukoli::cli::runSweep(static_cast<int>(argv.size()), argv.data(), out, err);
        if (status != 0) return state.SkipWithError("sweep failed");
    }
    const auto iterations = static_cast<double>(state.iterations());
    const double variants = static_cast<double>(counter.rows) / iterations - 1;  // less the header
    const double cpuPerVariant = (processCpuSeconds() - cpuBefore) / (variants * iterations);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    state.counters["full_calculation_us"] = full * 1e6;
    state.counters["cpu_per_variant_us"] = cpuPerVariant * 1e6;
    state.counters["cpu_ratio"] = cpuPerVariant / full;
    state.counters["per_variant_x_threads_us"] = wall * static_cast<double>(state.range(0)) / (variants * iterations) * 1e6;
    state.counters["completed"] = 1 - static_cast<double>(counter.stopped) / iterations / variants;
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}
BENCHMARK(BM_SweepMillionVariants)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
