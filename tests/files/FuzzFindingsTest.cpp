// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The inputs the fuzzer once got through (and one whose material name "1NaN20" once passed for a
// printed non-number), kept in tests/fuzz/regressions, and the sample projects that seed it: each
// goes the whole road of the fuzz target here too, and the two findings end as they must (the run
// stopped with the message, the save refused).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/StageGuard.h"
#include "tests/fuzz/ProjectChain.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

std::string content(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(FuzzFindings, SeedsAndFindingsKeepEveryPromise) {
    int files = 0;
    for (const char* dir : {SOUKOLI_FUZZ_REGRESSIONS, SOUKOLI_EXAMPLES_DIR}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".PEV") continue;
            ++files;
            EXPECT_EQ(fuzz::checkProjectChain(content(entry.path())), "") << entry.path();
        }
    }
    EXPECT_GE(files, 2);
}

TEST(FuzzFindings, AbsurdLimitStopsTheRunAndTheLargestDoubleIsNotSaved) {
    const std::filesystem::path dir = SOUKOLI_FUZZ_REGRESSIONS;
    fuzz::SilentUi quiet;

    GearPairData absurd;
    absurd.TypSoukoli = Toothing::External;
    resetToDefaults(absurd, quiet);
    ASSERT_TRUE(readString(content(dir / "absurd-limit-tiny-helix.PEV"), absurd).ok());
    recomputeAfterLoad(absurd, quiet);
    for (const bool simplified : {false, true}) {
        GearPairData g = absurd;
        soukoli::testing::RecordingUi ui;
        soukoli::testing::runOnTab(g, ui, simplified);
        EXPECT_FALSE(g.runFlag);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, kImpossiblePairMessage);
    }

    GearPairData largest;
    largest.TypSoukoli = Toothing::External;
    resetToDefaults(largest, quiet);
    ASSERT_TRUE(readString(content(dir / "largest-double.PEV"), largest).ok());
    EXPECT_FALSE(writeString(largest).ok());
}

}  // namespace
}  // namespace soukoli::files
