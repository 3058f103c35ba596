// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The settings of soukoli-cli typed into the windows, in-process: each step once (no second
// recomputation after the tab), one window session per run of settings with its Ok, options
// through the window handlers, and the errors that name the window's message or the mode needed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Settings.h"
#include "engine/LoadingInput.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"
#include "support/StartUp.h"

using namespace soukoli;
using soukoli::cli::Setting;
using soukoli::testing::RecordingUi;

namespace {

GearPairData startUp() { return soukoli::testing::startUpPair(); }

// Applies `settings` to `g`; gives the error ("" when accepted).
std::string apply(GearPairData& g, const std::vector<Setting>& settings) {
    RecordingUi ui;
    std::string error;
    return cli::applySettings(g, settings, ui, error) ? std::string() : error;
}

TEST(CliSteps, SimplifiedTabIsNotUndoneByTheSettings) {
    GearPairData g = startUp();
    chooseEquivalentMethod(g);
    g.SilyF = false;
    g.KAS = 1.5;
    g.Ft1 = 6000;
    g.T1 = 100;  // of an earlier load: 2000·T1/d1 = 2500
    g.Schema = "1";
    cli::showTabAndStandard(g, cli::Tab::Simplified, "");
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    EXPECT_DOUBLE_EQ(g.T1, 4000 * g.d1 / 2000);  // the torque the user sees follows the tab's force
    const std::uint16_t scheme = g.SchemaIndex;
    EXPECT_EQ(scheme, 6);  // layout "1" is simplified scheme 6
    ASSERT_EQ(apply(g, {{"Rm1", "900"}}), "");  // a window that leaves the loads alone
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    EXPECT_EQ(g.SchemaIndex, scheme);
}

TEST(CliSteps, StandardSwitchClearsEnteredRootFactors) {
    GearPairData g = startUp();
    ASSERT_EQ(apply(g, {{"YFa1", "2.2"}}), "");
    ASSERT_TRUE(g.YFa1Given);
    cli::showTabAndStandard(g, cli::Tab::AsSaved, "din-b");
    EXPECT_EQ(g.standard, Standard::DIN_B);
    EXPECT_FALSE(g.YFa1Given);
    // The same as a setting of the coefficients window.
    ASSERT_EQ(apply(g, {{"YFa1", "2.2"}, {"StandardCSN", "1"}}), "");
    EXPECT_EQ(g.standard, Standard::CSN);
    EXPECT_FALSE(g.YFa1Given);
}

TEST(CliSettings, ErrorsNameTheWindowsMessageOrTheModeNeeded) {
    struct Row {
        std::vector<Setting> settings;
        const char* error;  // a part of the error
    };
    const Row rows[] = {
        {{{"z1", "12,5"}}, "z1: Neplatné zadání"},
        {{{"IT1", "13"}}, "IT1: Stupeň přesnosti vol od 2 do 12"},
        {{{"KA", "3"}}, "KA: Neplatné zadání, součinitel KA musí být >=1 a nesmí být větší než KAS"},
        {{{"T1", "100"}}, "SilyF=0"},
        {{{"CHSZ1", "4"}}, "ZadaniSil=2"},
        {{{"MetodaVypoctu", "B"}, {"ZadaniSil", "3"}, {"FtFe1", "1000"}},
         "\"Zatěžující údaje\" refuses Ok: Nejsou zadané všechny síly."},
        // Ticking the layout scheme opens the layout window; its Ok wants the shaft spans.
        {{{"KHbetaZeSchematu", "1"}}, "refuses Ok: "},
        {{{"MetodaVypoctu", "C"}}, "MetodaVypoctu is A or B"},
        {{{"StandardCSN", "0"}}, "one of a choice"},
        {{{"Fj[21]", "1"}}, "numbered 1 to 20"},
        {{{"nonsense", "1"}}, "unknown field 'nonsense'"},
    };
    for (const Row& r : rows) {
        GearPairData g = startUp();
        const std::string error = apply(g, r.settings);
        EXPECT_NE(error.find(r.error), std::string::npos) << r.settings.front().name << ": " << error;
    }
}

TEST(CliSettings, LevelsIsEnteredInItsWindowOverTheLoadingWindow) {
    GearPairData g = startUp();
    const std::string error = apply(g, {{"MetodaVypoctu", "B"},
                                        {"ZadaniSil", "1"},
                                        {"j", "2"},
                                        {"Fj[1]", "4000"},
                                        {"Fj[2]", "2000"},
                                        {"Nj[1]", "100000"},
                                        {"Nj[2]", "10000000"},
                                        {"KA", "1.25"}});
    ASSERT_EQ(error, "");
    // The spectrum's Ok gave the equivalent loads before the loading window's Ok checked them.
    EXPECT_GT(g.FtFe1, 0);
    EXPECT_GT(g.FtHe2, 0);
    EXPECT_EQ(g.KA, 1.25);
    EXPECT_DOUBLE_EQ(g.Ft1, 4000);  // the first absolute level is the pinion's load
}

TEST(CliSettings, OptionsActAsTheWindowsButtons) {
    GearPairData g = startUp();
    const double d1 = g.d1;
    ASSERT_EQ(apply(g, {{"F1", "5000"}, {"SilyF", "0"}}), "");
    EXPECT_DOUBLE_EQ(g.T1, 5000 * d1 / 2000);  // converted through d1, not left behind

    g = startUp();
    ASSERT_EQ(apply(g, {{"KHbetaZbcal", "1"}, {"bcal", "30"}}), "");
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromBcal);
    EXPECT_EQ(g.bcal, 30);

    // Without its value the contact band refuses the face-load window's Ok.
    g = startUp();
    EXPECT_NE(apply(g, {{"KHbetaZbcal", "1"}}).find("Neplatné zadání šířky pásma dotyku"), std::string::npos);
}

}  // namespace
