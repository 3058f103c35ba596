// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A run never takes an open limiting deviation as 0: which deviations a run needs (base pitch for
// the transverse factors, alignment and axis deviations for a layout scheme), a measured value in
// place of an open limit, and the stop with its message and the accuracy window at the field.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/Accuracy.h"
#include "engine/Driver.h"
#include "engine/FieldEntry.h"
#include "engine/RequiredDeviations.h"
#include "support/RecordingUi.h"
#include "support/StartUp.h"

namespace soukoli {
namespace {

void enter(GearPairData& g, AccuracyField field, const char* text) {
    testing::RecordingUi ui;
    ASSERT_TRUE(enterField(g, {InputWindow::Accuracy, static_cast<int>(field)}, text, ui).accepted()) << text;
}

// Grade 5 has no tabulated deviation (base pitch nor alignment): every limit is open.
void openGrades(GearPairData& g) {
    enter(g, AccuracyField::IT1, "5");
    enter(g, AccuracyField::IT2, "5");
}

TEST(RequiredDeviations, WhatTheRunNeedsAndHasNot) {
    struct Row {
        const char* what;
        std::function<void(GearPairData&)> setUp;
        std::string missing;
    };
    const Row rows[] = {
        {"tabulated grades", [](GearPairData&) {}, ""},
        {"open grades", openGrades, "fpb1 (IT1 = 5), fpb2 (IT2 = 5)"},
        {"one measured",
         [](GearPairData& g) {
             openGrades(g);
             enter(g, AccuracyField::fpbr2, "-12");  // a measured deviation may be negative
         },
         "fpb1 (IT1 = 5)"},
        {"measured then cleared",
         [](GearPairData& g) {
             openGrades(g);
             enter(g, AccuracyField::fpbr1, "9");
             enter(g, AccuracyField::fpbr1, "");
         },
         "fpb1 (IT1 = 5), fpb2 (IT2 = 5)"},
        {"transverse factors entered",
         [](GearPairData& g) {
             openGrades(g);
             g.KHalfaGiven = g.KFalfaGiven = true;
         },
         ""},
        {"method B still computes its maximum-load factors",
         [](GearPairData& g) {
             openGrades(g);
             g.KHalfaGiven = g.KFalfaGiven = true;
             g.MetodaVypoctu = 'B';
         },
         "fpb1 (IT1 = 5), fpb2 (IT2 = 5)"},
        {"layout scheme",
         [](GearPairData& g) {
             openGrades(g);
             g.KHalfaGiven = g.KFalfaGiven = true;
             g.KHbetaFrom = KHbetaSource::FromScheme;
             enter(g, AccuracyField::Fbetar2, "14");
         },
         "Fbeta1 (IT1 = 5), fx (IT1 = 5), fy (IT1 = 5)"},
    };
    for (const Row& r : rows) {
        GearPairData g = testing::startUpPair();
        r.setUp(g);
        EXPECT_EQ(missingDeviations(g), r.missing) << r.what;
    }
}

TEST(RequiredDeviations, StopNamesThemAndOpensTheAccuracyWindowAtTheFirst) {
    GearPairData g = testing::startUpPair();
    openGrades(g);
    enter(g, AccuracyField::fpbr1, "11");
    testing::RecordingUi ui;
    runFullCalculation(g, ui);
    EXPECT_FALSE(g.runFlag);
    EXPECT_EQ(g.lastRun, RunEnd::Stopped);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Nedefinované mezní úchylky podle ČSN 01 4682:\rfpb2 (IT2 = 5).\r"
              "Pro nedefinované mezní úchylky je nutno zadat tyto přímo jako změřené.");
    EXPECT_EQ(g.stopMessage, ui.messages[0].text);
    // The field is set before the window opens, so that it opens there.
    ASSERT_EQ(ui.activeFields.size(), 1u);
    EXPECT_EQ(ui.activeFields[0], std::make_pair(DialogId::Accuracy, static_cast<int>(AccuracyField::fpbr2)));
    EXPECT_EQ(ui.dialogs, (std::vector<testing::DialogRequest>{{DialogId::Accuracy, Modality::Modal}}));

    enter(g, AccuracyField::fpbr2, "13");
    testing::RecordingUi again;
    runFullCalculation(g, again);
    EXPECT_TRUE(g.runFlag);
    EXPECT_EQ(g.lastRun, RunEnd::Completed);
    EXPECT_TRUE(g.stopMessage.empty());
}

}  // namespace
}  // namespace soukoli
