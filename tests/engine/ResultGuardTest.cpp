// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The guard at the end of a run: absurd but finite inputs that the stages compute through, and
// values left non-finite in the data set, stop the run with the impossible-pair message instead
// of being shown.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/ResultGuard.h"
#include "engine/StageGuard.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"
#include "support/Runs.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

GearPairData startUp() {
    RecordingUi quiet;
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    resetToDefaults(g, quiet);
    return g;
}

TEST(ResultGuard, AbsurdInputsStopBothCalculationsWithTheMessage) {
    struct Case {
        const char* what;
        std::function<void(GearPairData&)> edit;
        bool stops;
    };
    const Case cases[] = {
        {"the defaults", [](GearPairData&) {}, false},
        {"a contact fatigue limit of 4e41 MPa", [](GearPairData& g) { g.Sigma0Hlim2 = 4e41; }, true},
        {"a bending fatigue limit of 1e300 MPa", [](GearPairData& g) { g.Sigma0Flimb1 = 1e300; }, true},
        {"a load of 1e-12 N (safety factors beyond any column)", [](GearPairData& g) { g.F1 = g.Ft1 = g.T1 = 1e-12; }, true},
        {"an application factor above what is shown", [](GearPairData& g) { g.KAS = 2 * kLargestShownResult; }, true},
    };
    for (const bool simplified : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (simplified ? ", simplified" : ", full"));
            GearPairData g = startUp();
            c.edit(g);
            RecordingUi ui;
            testing::runOnTab(g, ui, simplified);
            EXPECT_EQ(g.runFlag, !c.stops);
            const auto texts = ui.texts();
            const bool told = !texts.empty() && texts.back() == kImpossiblePairMessage;
            EXPECT_EQ(told, c.stops);
        }
    }
}

TEST(ResultGuard, WhatCountsInWhichCalculation) {
    RecordingUi quiet;
    GearPairData full = startUp();
    testing::runOnTab(full, quiet, false);
    ASSERT_TRUE(full.runFlag);
    ASSERT_TRUE(resultsShowable(full));
    GearPairData simplified = startUp();
    testing::runOnTab(simplified, quiet, true);
    ASSERT_TRUE(simplified.runFlag);

    struct Case {
        const char* field;
        double value;
        bool fullShowable, simplifiedShowable;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"nE1", nan, false, true},                           // an intermediate of the full calculation only
        {"mass1", inf, false, true},
        {"SigmaH1", nan, false, false},                      // shown by both
        {"SigmaHPmax2", -2 * kLargestShownResult, false, false},
        {"SigmaHPmax2", kLargestShownResult, true, true},    // the bound itself is shown
        {"YN1", 2 * kLargestShownResult, false, true},       // a row of the full calculation only
        {"KF1", inf, false, true},                           // every field counts in the full one
        {"KF1", 2 * kLargestShownResult, true, true},        // shown with method "B" only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = " + std::to_string(c.value));
        const NumericField* f = findNumericField(c.field);
        ASSERT_NE(f, nullptr);
        GearPairData a = full, b = simplified;
        ASSERT_TRUE(writeField(a, *f, c.value));
        ASSERT_TRUE(writeField(b, *f, c.value));
        EXPECT_EQ(resultsShowable(a), c.fullShowable);
        EXPECT_EQ(resultsShowable(b), c.simplifiedShowable);
    }
}

TEST(ResultGuard, EveryShownResultIsTheFieldOfItsName) {
    // The check reads members, the reports and the JSON output read fields by name: a marker
    // written into the field of a name must be what the check reads for it.
    GearPairData g = startUp();
    for (const auto& shown : shownResults()) {
        const NumericField* f = findNumericField(shown.name);
        ASSERT_NE(f, nullptr) << shown.name;
        ASSERT_TRUE(writeField(g, *f, 12345.5)) << shown.name;
        EXPECT_EQ(g.*shown.member, 12345.5) << shown.name;
    }
}

}  // namespace
}  // namespace soukoli
