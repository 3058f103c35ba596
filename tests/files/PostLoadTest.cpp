// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The recomputation after loading: geometry with the cutter of an internal wheel, face widths,
// loads and lives in their other units (with |z2|), the outer-point factors of "DIN - ISO  B",
// the scheme index, and the refusal of a project whose derived values cannot be formed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "engine/BasicGeometry.h"
#include "engine/Driver.h"
#include "files/FileCommands.h"
#include "files/PostLoad.h"
#include "files/ProjectFile.h"
#include "files/Reports.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

using soukoli::testing::RecordingUi;
using testing::defaultProject;

TEST(PostLoad, InternalPairGetsItsCutterDiametersFaceWidthsAndPositiveLives) {
    RecordingUi ui;
    auto d = defaultProject(Toothing::Internal);
    d.aw = -80;
    d.z0 = 0;  // whatever the previous project left
    d.NKvCyklech = false;
    d.NK1hod = 1000;
    d.NK2hod = 500;
    d.b1 = 50;
    d.b2 = 60;
    d.db = 5;
    d.b = 0;
    recomputeAfterLoad(d, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(d.z0, 35);
    EXPECT_DOUBLE_EQ(d.d1, 80);
    EXPECT_DOUBLE_EQ(d.d2, -240);
    EXPECT_DOUBLE_EQ(d.a, -80);
    EXPECT_NEAR(d.alfatw, 20.0 * 3.14159265358979 / 180, 1e-9);
    EXPECT_DOUBLE_EQ(d.u, -3);
    EXPECT_DOUBLE_EQ(d.srmin, 14);
    EXPECT_EQ(d.b, 45);  // b1 − db: the wheel covers the pinion's end
    EXPECT_GT(d.bwF1, 0);
    EXPECT_DOUBLE_EQ(d.NK1, 6e7);                // 60·1000·1000
    EXPECT_DOUBLE_EQ(d.NK2, 1000 * 500 * 60.0 * 20 / 60);  // uses |z2|
    EXPECT_GT(d.NK2, 0);
}

TEST(PostLoad, LoadsFollowTheEnteredUnit) {
    RecordingUi ui;
    auto a = defaultProject();
    a.SilyF = false;
    a.T1 = 200;
    recomputeAfterLoad(a, ui);
    EXPECT_DOUBLE_EQ(a.F1, 5000);  // 200·2000/80
    EXPECT_DOUBLE_EQ(a.Ft1, 10000);

    auto b = testing::classesProject();  // method B, forces, classes
    b.KAS = 2.5;
    recomputeAfterLoad(b, ui);
    EXPECT_DOUBLE_EQ(b.T1, 5200 * 80 / 2000.0);
    EXPECT_DOUBLE_EQ(b.F1, 5200 / 2.5);
    EXPECT_DOUBLE_EQ(b.TFe1, 80 * 3100.5 / 2000);
    EXPECT_DOUBLE_EQ(b.THe2, 80 * 2800 / 2000.0);
    EXPECT_DOUBLE_EQ(b.NK1hod, 1.25e7 / 60 / 1000);
    EXPECT_DOUBLE_EQ(b.NK2hod, 6.25e6 / 60 / 1000 * 40 / 20);

    auto e = testing::enteredProject();  // entered equivalent torques: forces are not derived
    e.FtFe1 = 1234;
    recomputeAfterLoad(e, ui);
    EXPECT_EQ(e.FtFe1, 1234);
    EXPECT_GT(e.Ft1, 0);
}

TEST(PostLoad, LevelsProjectTakesItsLivesFromTheLevels) {
    RecordingUi ui;
    auto d = defaultProject();  // cumulative counts 6e4, 2e6, 6e7 in cycles
    d.MetodaVypoctu = 'B';
    d.ZadaniSil = kLoadsFromLevels;
    d.NK1 = 1;  // left over from an earlier project: not in the file
    d.NK2 = 2;
    recomputeAfterLoad(d, ui);
    EXPECT_DOUBLE_EQ(d.NK1, 6e7);
    EXPECT_DOUBLE_EQ(d.NK2, 3e7);  // z1/|z2| of the pinion's cycles
    EXPECT_DOUBLE_EQ(d.NK1hod, 1000);
    EXPECT_DOUBLE_EQ(d.NK2hod, 1000);

    auto h = testing::levelsProject();  // hours per step, internal 20/-60, n1 = 1450
    double hours = 0;
    for (const double n : h.Nj) hours += n;
    recomputeAfterLoad(h, ui);
    EXPECT_DOUBLE_EQ(h.NK1, hours * 60 * 1450);
    EXPECT_DOUBLE_EQ(h.NK2, hours * 60 * 1450 * 20 / 60);
    EXPECT_DOUBLE_EQ(h.NK1hod, hours);
    EXPECT_GT(h.NK2hod, 0);
}

TEST(PostLoad, DinBStoresEnteredFactorsForTheOuterPointToo) {
    RecordingUi ui;
    auto d = testing::classesProject();  // DIN B, YFa1 ... YSa2 given
    d.YFa2Given = false;
    d.YFe2 = 7;
    recomputeAfterLoad(d, ui);
    EXPECT_EQ(d.YFe1, 2.5);
    EXPECT_EQ(d.YFe2, 7);
    EXPECT_EQ(d.YSe1, 1.65);
    EXPECT_EQ(d.YSe2, 1.75);

    auto c = testing::classesProject();
    c.standard = Standard::CSN;
    c.YFe1 = 3;
    recomputeAfterLoad(c, ui);
    EXPECT_EQ(c.YFe1, 3);
}

TEST(PostLoad, SchemeIndexFromItsText) {
    GearPairData d = defaultProject();
    for (const auto& [schema, index] : std::initializer_list<std::pair<const char*, int>>{
             {"1", 1}, {"1a", 2}, {"2", 3}, {"2a", 4}, {"3", 5}, {"4", 6}, {"5", 7}, {"6", 8}, {"7", 9}, {"8", 10}}) {
        d.Schema = schema;
        d.SchemaIndex = 0;
        updateSchemeIndex(d);
        EXPECT_EQ(d.SchemaIndex, index) << schema;
    }
    d.Schema = "9";
    d.SchemaIndex = 7;
    updateSchemeIndex(d);
    EXPECT_EQ(d.SchemaIndex, 7);
    d.SchemaIndex = 11;
    updateSchemeIndex(d);
    EXPECT_EQ(d.SchemaIndex, 2);
}

TEST(PostLoad, ProjectWithoutTeethOrSpeedIsRefused) {
    const auto dir = std::filesystem::temp_directory_path() / ("soukoli-postload-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    // The writer refuses to save such a project, so the files are edited by hand: z1, n1, mn of 0.
    for (const std::size_t line : {3u, 47u, 5u}) {
        std::string bytes = writeString(defaultProject()).bytes;
        std::size_t at = 0;
        for (std::size_t i = 1; i < line; ++i) at = bytes.find("\r\n", at) + 2;
        bytes.replace(at, bytes.find("\r\n", at) - at, " 0.00000000000000E+0000");
        std::ofstream(dir / "bad.PEV", std::ios::binary) << bytes;
        RecordingUi ui;
        GearPairData d = testing::levelsProject();
        const auto before = writeString(d).bytes;
        const auto outcome = loadProject(d, dir / "bad.PEV", ui);
        EXPECT_EQ(outcome.status, LoadStatus::Refused);
        EXPECT_EQ(writeString(d).bytes, before);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().caption, "Načítání dat");
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace soukoli::files

namespace soukoli::files {
namespace {

// What was calculated before saving is what a loaded project calculates again.
TEST(PostLoad, LoadedProjectCalculatesAsItDidWhenSaved) {
    for (auto project : {testing::defaultProject(), testing::defaultProject(Toothing::Internal), testing::classesProject(),
                         testing::levelsProject()}) {
        RecordingUi ui;
        project.Zjednoduseny = false;
        if (project.lw2 == 0) project.lw2 = 300;  // the spectrum project's scheme needs a bearing span
        updateCentreDistance(project, ui);
        recomputeAfterLoad(project, ui);  // as the dialogs leave the data set
        runFullCalculation(project, ui);
        const auto saved = writeString(project);
        ASSERT_TRUE(saved.ok());

        GearPairData loaded = testing::defaultProject();
        ASSERT_TRUE(readString(saved.bytes, loaded).ok());
        recomputeAfterLoad(loaded, ui);
        runFullCalculation(loaded, ui);
        EXPECT_TRUE(project.runFlag) << (ui.messages.empty() ? std::string("-") : ui.messages.front().text);
        EXPECT_EQ(loaded.runFlag, project.runFlag);
        EXPECT_GT(loaded.SigmaH1, 0);
        const LocalTime t{};
        EXPECT_EQ(resultsReportLines(loaded, t, "x"), resultsReportLines(project, t, "x"));
    }
}

}  // namespace
}  // namespace soukoli::files
