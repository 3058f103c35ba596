// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The load spectrum dialog's rules: the number of steps, the ordering of cumulative counts and of
// the levels in each form with the exact messages, the fixed levels, the display of counts, and
// the lives and hand-over of "O&k" and "&Esc".
#include <gtest/gtest.h>

#include "engine/FieldEntry.h"
#include "engine/LoadingInput.h"
#include "engine/LoadLevelsInput.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

GearPairData defaults() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.d1 = 80;
    g.z1 = 20;
    g.z2 = 40;
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsFromLevels;
    return g;
}

// The message of a refused entry, or "accepted".
std::string entry(GearPairData& g, FieldId field, std::string_view text) {
    testing::RecordingUi ui;
    const FieldEntry e = enterField(g, field, text, ui);
    return e.accepted() ? "accepted" : e.message;
}
std::string steps(GearPairData& g, std::string_view text) { return entry(g, {InputWindow::LoadLevels, 1}, text); }
std::string count(GearPairData& g, int step, std::string_view text) { return entry(g, levelCountField(step), text); }
std::string level(GearPairData& g, int step, std::string_view text) { return entry(g, levelValueField(step), text); }

TEST(LevelsInput, NumberOfStepsOneToTwentyClearsTheTable) {
    GearPairData g = defaults();
    EXPECT_EQ(steps(g, "21"), "Neplatné zadání");
    EXPECT_EQ(steps(g, "0"), "Neplatné zadání");
    EXPECT_EQ(steps(g, "2.5"), "Neplatné zadání");
    EXPECT_EQ(steps(g, "3;"), "Neplatné zadání");
    EXPECT_EQ(g.j, 3);
    EXPECT_EQ(g.Nj[0], 60000);  // same or rejected number: the table stays
    EXPECT_EQ(steps(g, "3"), "accepted");
    EXPECT_EQ(g.Nj[0], 60000);
    g.Ft1 = 4500;
    EXPECT_EQ(steps(g, "20"), "accepted");
    EXPECT_EQ(g.j, 20);
    EXPECT_EQ(g.Nj[0], 0);
    EXPECT_EQ(g.Fj[0], 4500);  // absolute levels start at the pinion's load
    EXPECT_EQ(g.Fj[1], 0);
}

TEST(LevelsInput, CumulativeCountsGrowRelativeOnesNeedNoOrder) {
    GearPairData g = defaults();
    clearLevels(g);
    EXPECT_EQ(count(g, 1, "0"), "Neplatné zadání");
    EXPECT_EQ(count(g, 1, "1e6"), "accepted");
    EXPECT_EQ(count(g, 2, "5e5"), "Údaj musí být větší než předchozí");
    EXPECT_EQ(count(g, 2, "1e6"), "Údaj musí být větší než předchozí");  // equal is not greater
    EXPECT_EQ(count(g, 3, "3e6"), "accepted");
    EXPECT_EQ(count(g, 2, "3e6"), "Údaj musí být menší než následující");
    EXPECT_EQ(count(g, 2, "2e6"), "accepted");
    EXPECT_EQ(g.Nj[1], 2e6);

    g.SpektrumNAbs = false;
    EXPECT_EQ(count(g, 2, "5e5"), "accepted");
}

TEST(LevelsInput, LevelsFallOrGrowByTheirForm) {
    GearPairData g = defaults();
    clearLevels(g);
    EXPECT_EQ(level(g, 1, "4000"), "accepted");
    EXPECT_EQ(level(g, 2, "5000"), "Údaj musí být menší než předchozí");
    EXPECT_EQ(level(g, 2, "4000"), "Údaj musí být menší než předchozí");
    EXPECT_EQ(level(g, 2, "2000"), "accepted");
    EXPECT_EQ(level(g, 3, "-1"), "Neplatné zadání");

    chooseLevelsForm(g, LevelsForm::RatioFjF1);
    EXPECT_EQ(fixedLevelStep(g), 1);
    EXPECT_EQ(levelsLevelText(g, g.Fj[0]), " 1.000");
    EXPECT_EQ(level(g, 2, "1.2"), "Neplatné zadání");
    EXPECT_EQ(level(g, 2, "1"), "Neplatné zadání");
    EXPECT_EQ(level(g, 2, "0.5"), "accepted");

    chooseLevelsForm(g, LevelsForm::RatioF1Fj);
    EXPECT_EQ(g.Fj[0], 1);
    EXPECT_EQ(level(g, 2, "0.5"), "Neplatné zadání");
    EXPECT_EQ(level(g, 2, "2"), "accepted");
    EXPECT_EQ(level(g, 3, "2"), "Údaj musí být větší než předchozí");
    EXPECT_EQ(level(g, 3, "4"), "accepted");
    EXPECT_EQ(level(g, 2, "4"), "Údaj musí být menší než následující");

    chooseLevelsForm(g, LevelsForm::RatioFjFmin);
    EXPECT_EQ(fixedLevelStep(g), 3);
    EXPECT_EQ(g.Fj[2], 1);
    EXPECT_EQ(g.Fj[0], 0);
    EXPECT_EQ(level(g, 1, "1"), "Neplatné zadání");  // the first step lies above the minimum too
    EXPECT_EQ(level(g, 1, "4"), "accepted");
    EXPECT_EQ(level(g, 2, "2"), "accepted");

    EXPECT_EQ(steps(g, "1"), "accepted");
    EXPECT_EQ(fixedLevelStep(g), 0);  // a single step is always open
}

TEST(LevelsInput, AbsoluteFirstLevelIsThePinionLoad) {
    GearPairData g = defaults();
    g.SilyF = false;
    g.T1 = 160;
    clearLevels(g);
    EXPECT_EQ(g.Fj[0], 160);
    EXPECT_EQ(level(g, 1, "200"), "accepted");
    EXPECT_EQ(g.T1, 200);
    g.Ft1 = 5000;
    g.SilyF = true;
    openLevels(g);
    EXPECT_EQ(g.Fj[0], 5000);
}

TEST(LevelsInput, CountsAreShownByTheirSize) {
    EXPECT_EQ(levelsCountText(0), "  0");
    EXPECT_EQ(levelsCountText(5), "    5.00");
    EXPECT_EQ(levelsCountText(10), "   10");
    EXPECT_EQ(levelsCountText(99999), "99999");
    EXPECT_EQ(levelsCountText(250000), "2.5E+5");
    GearPairData g = defaults();
    EXPECT_EQ(levelsLevelText(g, 4000), " 4000.0");
}

TEST(LevelsInput, OkGivesTheLivesAndTheEquivalentLoads) {
    GearPairData g = defaults();
    g.j = 3;
    g.Nj = {1e5, 2e5, 3e5};
    g.Fj = {4000, 2000, 1000};
    ASSERT_TRUE(levelsComplete(g));
    g.SpektrumNAbs = false;
    confirmLevels(g);
    EXPECT_DOUBLE_EQ(g.NK1, 6e5);
    EXPECT_DOUBLE_EQ(g.NK2, 3e5);
    EXPECT_EQ(g.Ft1, 4000);
    EXPECT_EQ(g.F1, 4000);
    EXPECT_GT(g.FtFe1, 0);
    g.SpektrumNAbs = true;
    confirmLevels(g);
    EXPECT_DOUBLE_EQ(g.NK1, 3e5);

    // Hours: the total is the life of both gears; the cycles follow at 60·n1 an hour.
    g.NKvCyklech = false;
    g.n1 = 1000;
    g.Nj = {10, 20, 30};
    confirmLevels(g);
    EXPECT_EQ(g.NK1hod, 30);
    EXPECT_EQ(g.NK2hod, 30);
    EXPECT_DOUBLE_EQ(g.NK1, 1.8e6);
    EXPECT_DOUBLE_EQ(g.NK2, 9e5);

    g.Fj[1] = 0;
    EXPECT_FALSE(levelsComplete(g));
}

TEST(LevelsInput, EscRestoresTheHandedOverLoadingData) {
    GearPairData g = defaults();
    const LevelsHandover before = takeLevelsHandover(g);
    g.Ft1 = 9999;
    g.SilyF = false;
    g.NKvCyklech = false;
    g.FtFe1Given = true;
    cancelLevels(g, before);
    EXPECT_EQ(g.Ft1, 4000);
    EXPECT_TRUE(g.SilyF);
    EXPECT_TRUE(g.NKvCyklech);
    EXPECT_EQ(g.FtFe1, 0);
    EXPECT_FALSE(g.FtFe1Given);
}

}  // namespace
}  // namespace soukoli

#include "engine/ChszCurvesTables.h"

namespace soukoli {
namespace {

// Class 1 rises to Ft/Ft1 = 1 between a = 2.4 and 2.5 (its top, 1.0017, lies at a = 2.56); the
// polynomials give the printed coefficients.
TEST(LoadClassCurves, ClassOneReachesOneBeforeItsTop) {
    EXPECT_NEAR(loadClassRatio(1, 0), 0.195, 1e-12);
    EXPECT_LT(loadClassRatio(1, 2.4), 1);
    EXPECT_GT(loadClassRatio(1, 2.5), 1);
    EXPECT_NEAR(loadClassRatio(1, 6.3 / 2.46), 1.0017073, 1e-6);
    EXPECT_NEAR(loadClassRatio(14, 1), (2.9 - 12.5857 + 18.9214) / 10, 1e-12);
    EXPECT_NEAR(loadClassRatio(10, 1), (0.0056 - 0.1162 + 0.8385 - 2.4346 + 2.3072 + 0.9905 + 2.5077) / 10, 1e-12);
    EXPECT_EQ(loadClassRatio(18, 1), 0);
}

}  // namespace
}  // namespace soukoli
