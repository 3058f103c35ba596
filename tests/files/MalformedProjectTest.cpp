// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Project files the reader must refuse, each leaving the data set exactly as it was, and a seeded
// random mutator over valid files: nothing may crash, and what is accepted must write back into a
// file that reads again to the same bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "files/PostLoad.h"
#include "files/ProjectFile.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

using testing::classesProject;
using testing::defaultProject;
using testing::enteredProject;
using testing::levelsProject;

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

struct Case {
    const char* what;
    GearPairData source;
    std::function<void(std::vector<std::string>&)> edit;
};

TEST(MalformedProject, EveryBrokenFileIsRefusedAndChangesNothing) {
    const std::vector<Case> cases = {
        {"ends before its last record", defaultProject(), [](auto& l) { l.pop_back(); }},
        {"ends inside the spectrum", levelsProject(), [](auto& l) { l.resize(60); }},
        {"empty file", defaultProject(), [](auto& l) { l.clear(); }},
        {"real line without a number", defaultProject(), [](auto& l) { l[4] = "modul"; }},
        {"empty real line", defaultProject(), [](auto& l) { l[4] = ""; }},
        {"text after the number", defaultProject(), [](auto& l) { l[4] += " mm"; }},
        {"number beyond a double", defaultProject(), [](auto& l) { l[4] = " 1.0E+9999"; }},
        {"NaN", defaultProject(), [](auto& l) { l[4] = "NaN"; }},
        {"j above 20", levelsProject(), [](auto& l) { l[50] = "21"; }},
        {"j of 0", levelsProject(), [](auto& l) { l[50] = "0"; }},
        {"j not an integer", levelsProject(), [](auto& l) { l[50] = "2.0"; }},
        {"spectrum step of one number", levelsProject(), [](auto& l) { l[52].resize(23); }},
        {"line of 256 characters", defaultProject(), [](auto& l) { l[42] = std::string(256, 'x'); }},
        {"long line after the last record", defaultProject(), [](auto& l) { l.push_back(std::string(300, ' ')); }},
        {"accuracy grade 1", defaultProject(), [](auto& l) { l[64] = "1 8"; }},
        {"accuracy grade 13", defaultProject(), [](auto& l) { l[64] = "8 13"; }},
        {"one accuracy grade", defaultProject(), [](auto& l) { l[64] = "8"; }},
        {"three accuracy grades", defaultProject(), [](auto& l) { l[64] = "8 8 8"; }},
        {"class 18", classesProject(), [](auto& l) { l[53] = "18"; }},
        {"class 0", classesProject(), [](auto& l) { l[52] = "0"; }},
        {"heat treatment 9", defaultProject(), [](auto& l) { l[44] = "59"; }},
        {"one heat treatment", defaultProject(), [](auto& l) { l[44] = "5"; }},
        {"heat treatment not a digit", defaultProject(), [](auto& l) { l[44] = "5x"; }},
        {"toothing type 3", defaultProject(), [](auto& l) { l[1][1] = '3'; }},
        {"toothing type not a digit", defaultProject(), [](auto& l) { l[1][1] = 'x'; }},
        {"method C", defaultProject(), [](auto& l) { l[1][2] = 'C'; }},
        {"method A with loads from a spectrum", defaultProject(), [](auto& l) { l[1][6] = '1'; }},
        {"method B with static loads", classesProject(), [](auto& l) { l[1][6] = '0'; }},
        {"method B with ZadaniSil 4", classesProject(), [](auto& l) { l[1][6] = '4'; }},
        {"flag neither 0 nor 1", defaultProject(), [](auto& l) { l[1][20] = '2'; }},
        {"option line of 62 characters", defaultProject(), [](auto& l) { l[1].pop_back(); }},
        {"option line of 64 characters", defaultProject(), [](auto& l) { l[1] += "0"; }},
        {"empty option line", defaultProject(), [](auto& l) { l[1].clear(); }},
        {"two standards", defaultProject(), [](auto& l) { l[1][60] = '1'; }},
        {"no source of KHbeta", defaultProject(), [](auto& l) { l[1][30] = '0'; }},
        {"unknown layout scheme", levelsProject(), [](auto& l) { l[93] = "9"; }},
        {"text after the last record", defaultProject(), [](auto& l) { l.push_back("navíc"); }},
        {"undefined Windows-1250 byte", defaultProject(), [](auto& l) { l[42] = "14\x81" "220"; }},
        {"control character in a text", defaultProject(), [](auto& l) { l[42] = "14\t220"; }},
    };
    for (const auto& c : cases) {
        auto lines = linesOf(writeString(c.source).bytes);
        c.edit(lines);
        GearPairData target = enteredProject();
        target.d1 = 77;  // not in the file
        const std::string before = writeString(target).bytes;
        const auto read = readString(joined(lines), target);
        EXPECT_FALSE(read.ok()) << c.what;
        EXPECT_FALSE(read.reason.empty()) << c.what;
        EXPECT_EQ(writeString(target).bytes, before) << c.what;
        EXPECT_EQ(target.d1, 77) << c.what;
    }
}

TEST(MalformedProject, BlanksAroundNumbersIntegersOptionsAndSchemeAreAccepted) {
    auto lines = linesOf(writeString(levelsProject()).bytes);
    lines[4] = "   4.5  ";
    lines[50] = " 20 ";
    lines[86] = "  7   9 ";
    lines[2] = "2e1";
    lines[1] = "  " + lines[1].substr(1) + "   ";  // the option line
    lines[93] = " 8  ";                              // the scheme
    GearPairData target = defaultProject();
    const auto read = readString(joined(lines), target);
    ASSERT_TRUE(read.ok()) << read.reason << " at line " << read.line;
    EXPECT_EQ(target.mn, 4.5);
    EXPECT_EQ(target.z1, 20);
    EXPECT_EQ(target.IT1, 7);
    EXPECT_EQ(target.IT2, 9);
    EXPECT_EQ(target.Schema, "8");
    EXPECT_EQ(target.dI, levelsProject().dI);  // read only under scheme "8"
    auto unchanged = levelsProject();
    unchanged.mn = 4.5;
    unchanged.z1 = 20;
    unchanged.IT1 = 7;
    unchanged.IT2 = 9;
    EXPECT_EQ(writeString(target).bytes, writeString(unchanged).bytes);

    // An older option line (58 positions) with a blank after it.
    lines = linesOf(writeString(defaultProject()).bytes);
    lines[1] = lines[1].substr(0, 59) + " ";
    target = defaultProject();
    target.standard = Standard::DIN_C;
    ASSERT_TRUE(readString(joined(lines), target).ok());
    EXPECT_EQ(target.standard, Standard::DIN_C);  // kept: the older layout does not hold the standard
}

// ---- Fuzzing -----------------------------------------------------------------------------------

std::string mutate(std::string s, std::mt19937& rng) {
    const auto pick = [&](std::size_t n) { return n == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    static const std::vector<std::string> tokens = {"\r\n", "\n", "0", "1", "2", "9", "20", "21", "-", "E", "e+9999",
                                                    " ", "B", "A", "\x81", "8", ".", "NaN", std::string(300, '7')};
    const int edits = 1 + static_cast<int>(pick(4));
    for (int e = 0; e < edits; ++e) {
        switch (pick(7)) {
            case 0:  // flip a byte
                if (!s.empty()) s[pick(s.size())] = static_cast<char>(pick(256));
                break;
            case 1:  // insert a token
                s.insert(pick(s.size() + 1), tokens[pick(tokens.size())]);
                break;
            case 2: {  // delete a range
                const auto at = pick(s.size() + 1);
                s.erase(at, pick(40));
                break;
            }
            case 3:  // truncate
                s.resize(pick(s.size() + 1));
                break;
            case 4: {  // duplicate a line
                const auto at = s.find('\n', pick(s.size() + 1));
                if (at != std::string::npos) {
                    const auto end = s.find('\n', at + 1);
                    s.insert(at + 1, s.substr(at + 1, end == std::string::npos ? std::string::npos : end - at));
                }
                break;
            }
            case 5: {  // change a digit in the option line
                const auto first = s.find('\n');
                if (first != std::string::npos && first + 2 + 63 < s.size()) s[first + 2 + pick(63)] = static_cast<char>('0' + pick(4));
                break;
            }
            default:  // replace with random bytes
                if (!s.empty()) {
                    const auto at = pick(s.size());
                    for (std::size_t i = at; i < std::min(s.size(), at + pick(8)); ++i) s[i] = static_cast<char>(pick(256));
                }
                break;
        }
    }
    return s;
}

TEST(ProjectFuzz, SeededMutationsNeverCrashAndAcceptedFilesAreStable) {
    const std::vector<std::string> corpus = {
        writeString(defaultProject()).bytes, writeString(defaultProject(Toothing::Internal)).bytes,
        writeString(levelsProject()).bytes, writeString(classesProject()).bytes, writeString(enteredProject()).bytes,
    };
    constexpr int kInputs = 30000;
    std::mt19937 rng(20261208);
    int accepted = 0;
    for (int i = 0; i < kInputs; ++i) {
        const std::string input = mutate(corpus[static_cast<std::size_t>(i) % corpus.size()], rng);
        GearPairData d = defaultProject();
        const std::string before = writeString(d).bytes;
        const auto read = readString(input, d);
        if (!read.ok()) {
            ASSERT_EQ(writeString(d).bytes, before) << "refused input " << i << " changed the data set";
            continue;
        }
        ++accepted;
        const auto once = writeString(d);
        ASSERT_TRUE(once.ok()) << "accepted input " << i << " cannot be written: " << once.reason;
        GearPairData again = defaultProject();
        ASSERT_TRUE(readString(once.bytes, again).ok()) << "input " << i;
        ASSERT_EQ(writeString(again).bytes, once.bytes) << "input " << i;
        soukoli::testing::RecordingUi ui;
        recomputeAfterLoad(d, ui);  // must not crash, whatever the values
    }
    RecordProperty("inputs", kInputs);
    RecordProperty("accepted", accepted);
    std::printf("fuzz: %d inputs ran clean, %d of them accepted\n", kInputs, accepted);
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, kInputs);
}

TEST(ProjectFuzz, RandomBytesAreRefused) {
    std::mt19937 rng(4686);
    for (int i = 0; i < 2000; ++i) {
        std::string input(std::uniform_int_distribution<std::size_t>(0, 3000)(rng), '\0');
        for (auto& c : input) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        GearPairData d = defaultProject();
        EXPECT_FALSE(readString(input, d).ok());
    }
}

}  // namespace
}  // namespace soukoli::files
