// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The save and load commands on real files in a scratch folder: the three names, the order of
// the files and their messages, a failed save that keeps the previous file, a refused load that
// keeps the data set, and the recomputation after loading.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>

#include "files/FileCommands.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

namespace fs = std::filesystem;
using soukoli::testing::Message;
using soukoli::testing::RecordingUi;
using testing::defaultProject;

const FixedClock kClock({2026, 12, 8, 14, 30, 0});

class FileCommands : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("soukoli-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
               std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string content(const fs::path& p) { return readWholeFile(p).value_or("<missing>"); }
};

TEST(SaveNames, ReplaceTheExtensionAndKeepTheInputReportApart) {
    auto n = saveNamesFor("data/projekt");
    EXPECT_EQ(n.inputReport, "data/projekt");
    EXPECT_EQ(n.project, "data/projekt.PEV");
    EXPECT_EQ(n.results, "data/projekt.VYS");
    n = saveNamesFor("data/projekt.txt");
    EXPECT_EQ(n.inputReport, "data/projekt.txt");
    EXPECT_EQ(n.project, "data/projekt.PEV");
    n = saveNamesFor("data/projekt.pev");
    EXPECT_EQ(n.inputReport, "data/projekt.TXT");
    EXPECT_EQ(n.project, "data/projekt.PEV");
    EXPECT_EQ(saveNamesFor("a.b/c.Vys").inputReport, "a.b/c.TXT");
    EXPECT_EQ(saveNamesFor("a.b/c").project, "a.b/c.PEV");
}

TEST_F(FileCommands, SaveWritesTheThreeFiles) {
    RecordingUi ui;
    const auto d = defaultProject();
    const auto outcome = saveProject(d, dir / "prevod", ui, kClock);
    ASSERT_TRUE(outcome.ok()) << outcome.reason;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(outcome.names.project, dir / "prevod.PEV");
    EXPECT_EQ(content(dir / "prevod.PEV"), writeString(d).bytes);
    const std::string input = content(dir / "prevod");
    EXPECT_EQ(input.rfind(" Vstupn\xED " "\xFA" "daje", 0), 0u);  // Windows-1250
    EXPECT_NE(input.find("Jm\xE9no souboru - " + (dir / "prevod").string() + "\r\n"), std::string::npos);
    EXPECT_NE(input.find("\xC8" "as   - 14:30:00\r\nDatum - 8.12.2026\r\n"), std::string::npos);
    const std::string results = content(dir / "prevod.VYS");
    EXPECT_NE(results.find("Jm\xE9no souboru - " + (dir / "prevod.VYS").string() + "\r\n"), std::string::npos);
    for (const auto& entry : fs::directory_iterator(dir)) EXPECT_EQ(entry.path().filename().string().find("tmp"), std::string::npos);
}

TEST_F(FileCommands, UnwritableProjectKeepsThePreviousFileAndEndsTheSave) {
    RecordingUi ui;
    ASSERT_TRUE(saveProject(defaultProject(), dir / "p.pev", ui, kClock).ok());
    EXPECT_TRUE(fs::exists(dir / "p.TXT"));
    const std::string good = content(dir / "p.PEV");
    const std::string goodResults = content(dir / "p.VYS");

    auto bad = defaultProject();
    bad.Material2 = "ocel ✓";  // no place in Windows-1250
    bad.SigmaF1 = 1;
    const auto outcome = saveProject(bad, dir / "p.pev", ui, kClock);
    EXPECT_FALSE(outcome.inputReportSaved);
    EXPECT_FALSE(outcome.projectSaved);
    EXPECT_FALSE(outcome.resultsSaved);
    EXPECT_EQ(outcome.error, SaveError::TextNotRepresentable);
    EXPECT_EQ(outcome.failedFile, dir / "p.TXT");
    const auto reasoned = [&](SaveError e, const char* file) {
        return "Soubor nelze uložit.\r" + std::string(saveErrorText(e)) + "\r" + (dir / file).string();
    };
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{{reasoned(SaveError::TextNotRepresentable, "p.TXT"), "Ukládáni dat", MessageIcon::Error},
                                    {reasoned(SaveError::ValuesNotWritable, "p.PEV"), "Ukládáni", MessageIcon::None}}));
    EXPECT_EQ(content(dir / "p.PEV"), good);
    EXPECT_EQ(content(dir / "p.VYS"), goodResults);
}

TEST_F(FileCommands, FailedResultsReportIsReportedAfterTheProjectFile) {
    RecordingUi ui;
    fs::create_directories(dir / "q.VYS");  // a folder where the report should go
    const auto outcome = saveProject(defaultProject(), dir / "q", ui, kClock);
    EXPECT_TRUE(outcome.inputReportSaved);
    EXPECT_TRUE(outcome.projectSaved);
    EXPECT_FALSE(outcome.resultsSaved);
    EXPECT_EQ(outcome.error, SaveError::TargetIsFolder);
    EXPECT_EQ(outcome.reason, saveErrorText(SaveError::TargetIsFolder));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Ukládáni");
    EXPECT_EQ(ui.messages[0].text.rfind("Soubor nelze uložit.\r", 0), 0u);
}

TEST_F(FileCommands, MissingFolderFailsEveryFile) {
    RecordingUi ui;
    const auto outcome = saveProject(defaultProject(), dir / "none" / "p", ui, kClock);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error, SaveError::FolderMissing);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(FileCommands, LoadReplacesTheDataSetOnlyWithAUsableFile) {
    RecordingUi ui;
    auto source = testing::classesProject();
    ASSERT_TRUE(writeProjectFile(source, dir / "c.PEV").ok());

    GearPairData d = defaultProject(Toothing::Internal);
    const auto loaded = loadProject(d, dir / "c.PEV", ui);
    ASSERT_EQ(loaded.status, LoadStatus::Loaded) << loaded.reason;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(writeString(d).bytes, writeString(source).bytes);

    // A broken copy: the message with its caption and icon, and nothing changes.
    std::string bytes = content(dir / "c.PEV");
    bytes.resize(bytes.size() - 30);
    std::ofstream(dir / "broken.PEV", std::ios::binary) << bytes;
    const std::string before = writeString(d).bytes;
    const auto refused = loadProject(d, dir / "broken.PEV", ui);
    EXPECT_EQ(refused.status, LoadStatus::Refused);
    EXPECT_NE(refused.reason.find("řádek "), std::string::npos) << refused.reason;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Tento soubor nelze použít. Soubor má obvykle příponu PEV. Verze programu 1.1\r", 0), 0u);
    EXPECT_NE(ui.messages[0].text.find("(řádek "), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].caption, "Načítání dat");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(writeString(d).bytes, before);

    ui.messages.clear();
    EXPECT_EQ(loadProject(d, dir / "absent.PEV", ui).status, LoadStatus::Refused);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(loadProject(d, dir, ui).status, LoadStatus::Refused);  // a folder
}

TEST_F(FileCommands, CancelledLoadRecomputesTheCurrentData) {
    RecordingUi ui;
    GearPairData d = defaultProject();
    d.SchemaIndex = 0;
    d.NK1 = 1.2e6;
    d.n1 = 1000;
    EXPECT_EQ(loadProject(d, std::nullopt, ui).status, LoadStatus::Cancelled);
    EXPECT_EQ(d.SchemaIndex, 2);
    EXPECT_DOUBLE_EQ(d.NK1hod, 20);
}

}  // namespace
}  // namespace soukoli::files
