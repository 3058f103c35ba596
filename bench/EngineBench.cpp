// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Speed of one calculation on the data set, without any file or report around it.
#include <benchmark/benchmark.h>

#include "engine/Driver.h"
#include "engine/GearPairData.h"

namespace soukoli {
namespace {

class SilentUi : public Ui {
public:
    using Ui::message;
    void message(std::string_view, std::string_view, MessageIcon) override {}
    bool rimWarningContinue(Gear) override { return true; }
    void openDialog(DialogId, Modality) override {}
    void setActiveField(DialogId, int) override {}
};

GearPairData defaultPair() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    return g;
}

void BM_FullCalculationDefaultPair(benchmark::State& state) {
    const GearPairData start = defaultPair();
    SilentUi ui;
    for (auto _ : state) {
        GearPairData g = start;
        runFullCalculation(g, ui);
        benchmark::DoNotOptimize(g.SigmaH1);
    }
}
BENCHMARK(BM_FullCalculationDefaultPair);

void BM_SimplifiedCalculationDefaultPair(benchmark::State& state) {
    GearPairData start = defaultPair();
    start.Zjednoduseny = true;
    SilentUi ui;
    for (auto _ : state) {
        GearPairData g = start;
        runSimplifiedCalculation(g, ui);
        benchmark::DoNotOptimize(g.SigmaH1);
    }
}
BENCHMARK(BM_SimplifiedCalculationDefaultPair);

}  // namespace
}  // namespace soukoli
