// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The opening and the Ok of the input windows on the data set: each Ok check refuses with the
// window's message and keeps the window open; opening runs what the window runs when shown.
#include <gtest/gtest.h>

#include <functional>

#include "engine/LoadLevelsInput.h"
#include "engine/LoadingInput.h"
#include "engine/Tabs.h"
#include "engine/WindowSessions.h"
#include "support/RecordingUi.h"
#include "support/StartUp.h"

using namespace soukoli;
using soukoli::testing::RecordingUi;

namespace {

GearPairData startUp() { return soukoli::testing::startUpPair(); }

TEST(WindowSessions, EachOkCheckRefusesWithItsMessage) {
    struct Row {
        InputWindow window;
        std::function<void(GearPairData&)> set;
        const char* message;
        int focus;
    };
    const Row rows[] = {
        {InputWindow::Dimensions, [](GearPairData& g) { g.dh1 = 500; },
         "Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit.", 0},
        {InputWindow::Loading, [](GearPairData& g) { chooseEquivalentMethod(g), chooseClassInput(g), g.FtHe2 = 0; }, "Nejsou zadané všechny síly.", 0},
        {InputWindow::LoadLevels, [](GearPairData& g) { chooseEquivalentMethod(g), chooseLevelsInput(g), clearLevels(g); },
         "Neúplně zadání - některé vstupy jsou nulové", 2},
        {InputWindow::FaceLoad, [](GearPairData& g) { g.KHbetaFrom = KHbetaSource::None; }, "Není zadaná žádná možnost", 0},
        {InputWindow::FaceLoad, [](GearPairData& g) { g.KHbetaFrom = KHbetaSource::FromBcal, g.bcal = 0; },
         "Neplatné zadání šířky pásma dotyku zatížených zubů bcal", 1},
        {InputWindow::Layout, [](GearPairData& g) { g.Schema.clear(), g.SchemaIndex = 0; }, "Není vybrané půdorysné schéma", 0},
        {InputWindow::Coefficients, [](GearPairData& g) { g.tg1 = 0.2, g.Rog1 = 0; },
         "Kombinace rog1 a tg1 je nemožná, obě hodnoty musí být buď nulové nebo nenulové", 1},
    };
    for (const Row& r : rows) {
        GearPairData g = startUp();
        RecordingUi ui;
        r.set(g);
        const FieldEntry e = confirmWindow(g, r.window, ui);
        EXPECT_FALSE(e.accepted()) << r.message;
        EXPECT_EQ(e.message, r.message);
        EXPECT_EQ(e.focusField, r.focus) << r.message;
        EXPECT_TRUE(ui.messages.empty()) << r.message;  // the refusal is returned, not shown
    }
}

TEST(WindowSessions, OkOfTheDefaultsIsAcceptedWhereNothingIsMissing) {
    for (InputWindow w : {InputWindow::Geometry, InputWindow::Dimensions, InputWindow::Accuracy, InputWindow::Loading,
                          InputWindow::Materials, InputWindow::FaceLoad, InputWindow::Coefficients}) {
        GearPairData g = startUp();
        RecordingUi ui;
        EXPECT_TRUE(confirmWindow(g, w, ui).accepted()) << static_cast<int>(w);
    }
}

TEST(WindowSessions, OpeningRunsWhatTheWindowRunsWhenShown) {
    GearPairData g = startUp();
    RecordingUi ui;
    // An entered bending limit fixes YT in the coefficients window and YA in the loading window.
    g.SigmaFlimb1Given = true;
    g.YT1 = 0.8;
    g.YA1 = 0.8;
    openWindow(g, InputWindow::Coefficients, ui);
    EXPECT_EQ(g.YT1, 1.0);
    EXPECT_EQ(g.YA1, 0.8);
    openWindow(g, InputWindow::Loading, ui);
    EXPECT_EQ(g.YA1, 1.0);

    // The layout window shows the layout of the scheme number with its label.
    g.SchemaIndex = 4;
    g.Schema.clear();
    openWindow(g, InputWindow::Layout, ui);
    EXPECT_EQ(g.Schema, "2a");

    // The dimensions window shows the gear bodies of the current dimensions.
    g.mass1 = 0;
    openWindow(g, InputWindow::Dimensions, ui);
    EXPECT_GT(g.mass1, 0);
}

TEST(WindowSessions, CompleteLevelsGivesTheEquivalentLoadsOnOk) {
    GearPairData g = startUp();
    RecordingUi ui;
    chooseEquivalentMethod(g);
    chooseLevelsInput(g);
    openWindow(g, InputWindow::LoadLevels, ui);
    g.j = 2;
    g.Fj = {g.Ft1, g.Ft1 / 2};
    g.Nj = {1e5, 1e7};
    ASSERT_TRUE(confirmWindow(g, InputWindow::LoadLevels, ui).accepted());
    EXPECT_GT(g.FtFe1, 0);
    EXPECT_GT(g.FtHe2, 0);
    EXPECT_TRUE(confirmWindow(g, InputWindow::Loading, ui).accepted());
}

}  // namespace
