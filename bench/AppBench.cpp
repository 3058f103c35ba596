// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Start-up of the desktop program: the application object with the main window and every other
// window created, the first tab shown, defaults set and the geometry computed. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/SoukoliApp.h"

namespace {

void BM_StartUpAllWindows(benchmark::State& state) {
    for (auto _ : state) {
        soukoli::SoukoliApp app(QStringLiteral("help_csn.hlp"));
        // Start-up ends with the geometry of the default pair computed.
        if (!(app.data.aw > 0 && app.data.d1 > 0)) return state.SkipWithError("start-up left no geometry");
        benchmark::DoNotOptimize(app.data.aw);
    }
}
BENCHMARK(BM_StartUpAllWindows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
