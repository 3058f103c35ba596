// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Speed of one calculation on the data set, without any file or report around it: the pair of a
// new start, and examples/default-external.PEV with and without the check of the shown results
// that ends every run (BM_ResultCheckShare measures both in one run and gives their ratio).
#include <benchmark/benchmark.h>

#include <time.h>

#include "bench/BenchSupport.h"
#include "engine/ResultGuard.h"

namespace soukoli {
namespace {

using bench::SilentUi;

void BM_FullCalculationStartUpPair(benchmark::State& state) {
    const GearPairData start = bench::startUp();
    if (!bench::completes(state, start)) return;
    SilentUi ui;
    for (auto _ : state) {
        GearPairData g = start;
        runFullCalculation(g, ui);
        benchmark::DoNotOptimize(g.SH1);
    }
}
BENCHMARK(BM_FullCalculationStartUpPair);

void BM_SimplifiedCalculationStartUpPair(benchmark::State& state) {
    GearPairData start = bench::startUp();
    prepareSimplifiedTab(start);
    if (!bench::completes(state, start)) return;
    SilentUi ui;
    for (auto _ : state) {
        GearPairData g = start;
        runSimplifiedCalculation(g, ui);
        benchmark::DoNotOptimize(g.SH1);
    }
}
BENCHMARK(BM_SimplifiedCalculationStartUpPair);

// The check alone, on the results of a completed run of the sample project.
void BM_ResultCheck(benchmark::State& state) {
    GearPairData g;
    if (!bench::loadExample(g, "default-external.PEV")) return state.SkipWithError("project not loaded");
    if (!bench::completes(state, g)) return;
    SilentUi ui;
    runFullCalculation(g, ui);
    for (auto _ : state) {
        benchmark::DoNotOptimize(g);
        benchmark::DoNotOptimize(resultsShowable(g));
    }
}
BENCHMARK(BM_ResultCheck);

// CPU time of this thread in nanoseconds: on a shared machine steadier than the wall clock.
double threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// The full calculation of the sample project, which ends with the check, against the same
// calculation less the check: "check_share" is the check's CPU time over that of the rest (at
// most 0.3), measured in turns within one run so that the load of a shared machine falls on both
// alike.
void BM_ResultCheckShare(benchmark::State& state) {
    GearPairData start;
    if (!bench::loadExample(start, "default-external.PEV")) return state.SkipWithError("project not loaded");
    if (!bench::completes(state, start)) return;
    SilentUi ui;
    GearPairData done = start;
    runFullCalculation(done, ui);
    constexpr int kRounds = 200;
    double full = 0, check = 0;
    for (auto _ : state) {
        const double t0 = threadCpuNs();
        for (int i = 0; i < kRounds; ++i) {
            GearPairData g = start;
            runFullCalculation(g, ui);
            benchmark::DoNotOptimize(g.SH1);
        }
        const double t1 = threadCpuNs();
        for (int i = 0; i < kRounds; ++i) {
            benchmark::DoNotOptimize(done);
            benchmark::DoNotOptimize(resultsShowable(done));
        }
        const double t2 = threadCpuNs();
        full += t1 - t0;
        check += t2 - t1;
    }
    const double runs = static_cast<double>(state.iterations()) * kRounds;
    const double fullNs = full / runs;
    const double checkNs = check / runs;
    state.counters["full_ns"] = fullNs;
    state.counters["check_ns"] = checkNs;
    state.counters["without_check_ns"] = fullNs - checkNs;
    state.counters["check_share"] = checkNs / (fullNs - checkNs);
}
BENCHMARK(BM_ResultCheckShare);

}  // namespace
}  // namespace soukoli
