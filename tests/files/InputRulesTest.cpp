// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What a project file may hold: a value its window refuses makes the reader refuse the file with
// the line and the name of the value, values the program itself stores are taken, and the writer
// refuses what the reader would not take back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <numbers>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/Numbers.h"
#include "files/FileCommands.h"
#include "files/ProjectFile.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

using soukoli::testing::RecordingUi;
using testing::defaultProject;

constexpr double kDegree = std::numbers::pi / 180;

// The default project with line `line` (1-based) replaced.
std::string withLine(std::size_t line, const std::string& text, Toothing toothing = Toothing::External) {
    std::string bytes = writeString(defaultProject(toothing)).bytes;
    std::size_t at = 0;
    for (std::size_t i = 1; i < line; ++i) at = bytes.find("\r\n", at) + 2;
    return bytes.replace(at, bytes.find("\r\n", at) - at, text);
}

TEST(InputRules, AValueItsWindowRefusesIsRefusedWithItsLineAndName) {
    struct Case {
        std::size_t line;
        std::string text;
        const char* location;
    };
    // Lines of the default project: geometry 3-18, materials 19-42, loads 46-53 (F1, n1, NK1,
    // NK2, YA1, YA2, KA, KAS), bodies 54-64, grades 65, fpb1 66, fpb2 67, KHbeta 68, tg1 69.
    const std::vector<Case> cases = {
        {4, "3", "řádek 4: z2"},
        {5, "0", "řádek 5: mn"},
        {5, "modul", "řádek 5: mn"},
        {6, formatFileReal(0.5 * kDegree), "řádek 6: Alfan"},
        {6, formatFileReal(51 * kDegree), "řádek 6: Alfan"},
        {7, formatFileReal(90 * kDegree), "řádek 7: Beta"},
        {13, "-2.5", "řádek 13: ha1*"},
        {16, "-0.1", "řádek 16: ca2*"},
        {21, "-1", "řádek 21: Sigma0Hlim1"},
        {41, "1.5", "řádek 41: Ny1"},
        {46, "0", "řádek 46: F1"},
        {47, "-1000", "řádek 47: n1"},
        {49, "0", "řádek 49: NK2"},
        {50, "0.69", "řádek 50: YA1"},
        {51, "1.01", "řádek 51: YA2"},
        {52, "0.99", "řádek 52: KA"},
        {53, "0.5", "řádek 53: KAS"},
        {54, "-1", "řádek 54: b1"},
        {65, "1 8", "řádek 65: IT1"},
        {67, "-1", "řádek 67: fpb2"},
        {68, "0.99", "řádek 68: KHbeta"},
        {69, "-0.1", "řádek 69: tg1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.location);
        GearPairData target = testing::enteredProject();
        const std::string before = writeString(target).bytes;
        const auto read = readString(withLine(c.line, c.text), target);
        EXPECT_FALSE(read.ok());
        EXPECT_EQ(read.location(), c.location);
        EXPECT_EQ(writeString(target).bytes, before);
    }
    // An internal ring with fewer teeth than its pinion (z1 = 20).
    GearPairData target = defaultProject();
    EXPECT_EQ(readString(withLine(4, "-19", Toothing::Internal), target).location(), "řádek 4: z2");
}

TEST(InputRules, ValuesTheProgramItselfStoresAreTaken) {
    struct Case {
        std::size_t line;
        std::string text;
        const char* what;
    };
    const std::vector<Case> cases = {
        {6, formatFileReal(50 * kDegree), "the largest pressure angle, rounded to 15 digits"},
        {6, formatFileReal(1 * kDegree), "the smallest pressure angle"},
        {7, formatFileReal(-15 * kDegree), "a left-hand helix"},
        {7, "1.0E-551", "a helix angle too small for a double"},
        {23, "0", "a material constant the material table leaves empty"},
        {54, "0", "a face width after the reset of the dimensions window"},
        {66, "0", "a deviation after the reset of the accuracy window"},
        {68, "0", "KHbeta cleared by a change of its source"},
        {50, "0.7", "the lower limit of YA1"},
    };
    for (const auto& c : cases) {
        GearPairData target = defaultProject();
        const auto read = readString(withLine(c.line, c.text), target);
        EXPECT_TRUE(read.ok()) << c.what << ": " << read.reason << " at " << read.location();
    }
}

TEST(InputRules, TheWriterRefusesWhatTheReaderWouldNotTakeBack) {
    const auto dir = std::filesystem::temp_directory_path() / ("soukoli-rules-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "p.PEV";
    ASSERT_TRUE(writeProjectFile(defaultProject(), path).ok());
    const std::string good = writeString(defaultProject()).bytes;

    struct Case {
        const char* what;
        void (*edit)(GearPairData&);
        bool saved;
    };
    const Case cases[] = {
        {"the largest double", [](GearPairData& g) { g.Sigma0Hlim1 = std::numeric_limits<double>::max(); }, false},
        {"the largest negative double", [](GearPairData& g) { g.x1 = std::numeric_limits<double>::lowest(); }, false},
        {"the largest 15-digit real", [](GearPairData& g) { g.Sigma0Hlim1 = 1.79769313486231e308; }, true},
        {"the smallest positive double", [](GearPairData& g) { g.Sigma0Hlim1 = std::numeric_limits<double>::denorm_min(); }, true},
        {"a modulus of 0", [](GearPairData& g) { g.mn = 0; }, false},
        // The accuracy window takes a negative measured base pitch deviation, not a negative
        // measured alignment deviation.
        {"a negative measured fpbr1", [](GearPairData& g) { g.fpb1Given = false; g.fpbr1 = -2; }, true},
        {"a negative measured Fbetar1",
         [](GearPairData& g) {
             g.KHbetaFrom = KHbetaSource::FromScheme;
             g.Schema = "1";
             g.Fbeta1Given = false;
             g.Fbetar1 = -2;
         },
         false},
        {"the same project with a positive measured Fbetar1",
         [](GearPairData& g) {
             g.KHbetaFrom = KHbetaSource::FromScheme;
             g.Schema = "1";
             g.Fbeta1Given = false;
             g.Fbetar1 = 2;
         },
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GearPairData d = defaultProject();
        c.edit(d);
        const auto encoded = writeString(d);
        EXPECT_EQ(encoded.ok(), c.saved) << encoded.reason;
        EXPECT_EQ(writeProjectFile(d, path).ok(), c.saved);
        if (c.saved) {
            GearPairData back = defaultProject();
            ASSERT_TRUE(readString(encoded.bytes, back).ok());
            EXPECT_EQ(writeString(back).bytes, encoded.bytes);
            ASSERT_TRUE(writeProjectFile(defaultProject(), path).ok());
        } else {
            std::ifstream in(path, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), good) << "the previous file stays";
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(InputRules, TheLoadMessageNamesTheRefusedLine) {
    const auto dir = std::filesystem::temp_directory_path() / ("soukoli-rules-load-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "bad.PEV", std::ios::binary) << withLine(5, "0");
    RecordingUi ui;
    GearPairData d = defaultProject();
    const auto outcome = loadProject(d, dir / "bad.PEV", ui);
    EXPECT_EQ(outcome.status, LoadStatus::Refused);
    EXPECT_NE(outcome.reason.find("řádek 5: mn"), std::string::npos) << outcome.reason;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("(řádek 5: mn)"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].caption, kLoadCaption);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace soukoli::files
