// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Why a project cannot be loaded, as the user and the CLI hear it: each kind of failure gives its
// own reason with the file's name, a refused file names its line and value, and the data set
// stays as it was. Also the project files an editor saved as UTF-8.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "files/Cp1250.h"
#include "files/FileCommands.h"
#include "files/ProjectFile.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

namespace fs = std::filesystem;
using soukoli::testing::RecordingUi;
using testing::defaultProject;
using testing::levelsProject;

void write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// `bytes` with line `index` (0-based) edited.
std::string edited(std::string bytes, std::size_t index, const std::function<void(std::string&)>& edit) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) start = bytes.find("\r\n", start) + 2;
    std::string line = bytes.substr(start, bytes.find("\r\n", start) - start);
    const std::size_t length = line.size();
    edit(line);
    return bytes.replace(start, length, line);
}

// The project file of `d` with line `index` edited.
std::string edited(const GearPairData& d, std::size_t index, const std::function<void(std::string&)>& edit) {
    return edited(writeString(d).bytes, index, edit);
}

class LoadFailures : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("soukoli-load-" + std::to_string(::getpid()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
};

struct LoadCase {
    const char* what;
    std::function<void(const fs::path& file)> prepare;  // puts what the case loads at `file`
    LoadError expected;
    std::string where;  // the line and value named in the message, if any
};

TEST_F(LoadFailures, EachReasonWithTheFileAndTheRefusedValue) {
    const std::vector<LoadCase> cases = {
        {"missing file", [](const fs::path&) {}, LoadError::Missing, ""},
        {"folder", [](const fs::path& f) { fs::create_directory(f); }, LoadError::IsFolder, ""},
        {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }, LoadError::NotAFile, ""},
        {"over 1 MiB", [](const fs::path& f) { write(f, writeString(defaultProject()).bytes + std::string(1 << 20, ' ')); },
         LoadError::TooLarge, ""},
        {"number missing", [](const fs::path& f) { write(f, edited(defaultProject(), 4, [](auto& l) { l = "modul"; })); },
         LoadError::NotAProject, "řádek 5: mn"},
        {"spectrum level -1e300",
         [](const fs::path& f) { write(f, edited(levelsProject(), 51, [](auto& l) { l = "-1E300 " + l.substr(24); })); },
         LoadError::NotAProject, "řádek 52: Fj[1]"},
        {"spectrum count -1",
         [](const fs::path& f) { write(f, edited(levelsProject(), 52, [](auto& l) { l = l.substr(0, 24) + "-1"; })); },
         LoadError::NotAProject, "řádek 53: Nj[2]"},
        {"spectrum levels rising",
         [](const fs::path& f) { write(f, edited(levelsProject(), 53, [](auto& l) { l = "9" + l.substr(1); })); },
         LoadError::NotAProject, "řádek 54: Fj[3]"},
        {"no speed", [](const fs::path& f) { write(f, edited(defaultProject(), 46, [](auto& l) { l = "0"; })); },
         LoadError::NotAProject, "řádek 47: n1"},
        {"lives beyond a double",  // each value passes its window; the lives in hours overflow
         [](const fs::path& f) {
             const auto slow = edited(defaultProject(), 46, [](auto& l) { l = "1E-300"; });
             write(f, edited(slow, 47, [](auto& l) { l = "1E300"; }));
         },
         LoadError::NotAProject, "nelze spočítat NK1hod"},
    };
    // Root reads everything: the row of a file without permission means something only to others.
    std::vector<LoadCase> all = cases;
    if (::geteuid() != 0)
        all.push_back({"no permission",
                       [](const fs::path& f) {
                           write(f, writeString(defaultProject()).bytes);
                           fs::permissions(f, fs::perms::none);
                       },
                       LoadError::NoPermission, ""});

    for (const auto& c : all) {
        SCOPED_TRACE(c.what);
        const fs::path file = dir / (std::string(c.what) + ".PEV");
        c.prepare(file);
        GearPairData d = defaultProject(Toothing::Internal);
        const std::string before = writeString(d).bytes;
        RecordingUi ui;
        const auto loaded = loadProject(d, file, ui);
        EXPECT_EQ(loaded.status, LoadStatus::Refused);
        EXPECT_EQ(loaded.error, c.expected);
        EXPECT_EQ(writeString(d).bytes, before);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, kLoadCaption);
        std::string reason(loadErrorText(c.expected));
        if (!c.where.empty()) reason = reason.substr(0, reason.size() - 1) + " (" + c.where + ").";
        EXPECT_EQ(ui.messages[0].text, std::string(kLoadFailedText) + "\r" + reason + "\r" + file.string());
        // The CLI prints the reason: the sentence, where, and what exactly failed.
        EXPECT_TRUE(loaded.reason.starts_with(reason.substr(0, reason.find(" ("))) ) << loaded.reason;
        EXPECT_NE(loaded.reason.find(c.where), std::string::npos) << loaded.reason;
    }

    // Each kind is its own sentence, one the project file's code page can hold.
    std::set<std::string_view> texts;
    for (int e = static_cast<int>(LoadError::Missing); e <= static_cast<int>(LoadError::Other); ++e) {
        const auto text = loadErrorText(static_cast<LoadError>(e));
        EXPECT_TRUE(text.ends_with(".")) << e;
        EXPECT_TRUE(toCp1250(text).has_value()) << e;
        EXPECT_TRUE(texts.insert(text).second) << e;
    }
}

// A project an editor saved as UTF-8 reads with its names intact and saves back as the program
// writes it; a name Windows-1250 cannot hold is refused, as a save could not write it.
TEST(Utf8Project, ReadAsUtf8AndSavedInWindows1250) {
    GearPairData d = defaultProject();
    d.Material1 = "Ocel 14 220 – cementovaná, žíhaná";
    d.Material2 = "Šedá litina ČSN 42 2420";
    const std::string cp1250 = writeString(d).bytes;
    const std::string utf8 = *fromCp1250(cp1250);
    ASSERT_NE(utf8, cp1250);

    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        GearPairData read = defaultProject(Toothing::Internal);
        ASSERT_TRUE(readString(bytes, read).ok());
        EXPECT_EQ(read.Material1, d.Material1);
        EXPECT_EQ(read.Material2, d.Material2);
        EXPECT_EQ(writeString(read).bytes, cp1250);
    }
    // The program's own file, with its Windows-1250 header, is never taken for UTF-8.
    EXPECT_FALSE(readAsUtf8(cp1250));
    EXPECT_TRUE(readAsUtf8(utf8));

    GearPairData read = defaultProject();
    const auto refused = readString(edited(utf8, 43, [](auto& l) { l = "Сталь 45"; }), read);
    EXPECT_EQ(refused.error, LoadError::NotAProject);
    EXPECT_EQ(refused.location(), "řádek 44: Material2");
}

}  // namespace
}  // namespace soukoli::files
