// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The project file: the default file line by line, byte-identical round trips over every
// conditional record, the older option line, and what the writer refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Numbers.h"
#include "files/Cp1250.h"
#include "files/ProjectFile.h"
#include "tests/files/Projects.h"

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
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string written(const GearPairData& d) {
    auto encoded = writeString(d);
    EXPECT_TRUE(encoded.ok()) << encoded.reason;
    return encoded.bytes;
}

TEST(ProjectFile, DefaultProjectHasItsSeventySevenLines) {
    const auto lines = linesOf(written(defaultProject()));
    ASSERT_EQ(lines.size(), 77u);
    EXPECT_EQ(fromCp1250(lines[0]).value(), "Tento soubor je určen pro načítání dat, NESMÍ SE MĚNIT !!");
    EXPECT_EQ(lines[0].size(), 57u);  // single-byte code page
    EXPECT_EQ(lines[1], " 1A0000111000100000000111111001000000000000000000000000000010000");
    EXPECT_EQ(lines[2], " 2.00000000000000E+0001");                  // z1
    EXPECT_EQ(lines[5], " 3.49065850398866E-0001");                  // Alfan in radians
    EXPECT_EQ(lines[6], " 0.00000000000000E+0000");                  // Beta
    EXPECT_EQ(lines[16], " 3.80000000000000E-0001");                 // Rof1*
    EXPECT_EQ(lines[42], "14 220");
    EXPECT_EQ(lines[43], "14 220");
    EXPECT_EQ(lines[44], "55");
    EXPECT_EQ(lines[45], " 4.00000000000000E+0003");  // F1
    EXPECT_EQ(lines[47], " 6.00000000000000E+0007");  // NK1
    EXPECT_EQ(lines[52], " 2.00000000000000E+0000");  // KAS
    EXPECT_EQ(lines[63], " 0.00000000000000E+0000");  // db, last body line
    EXPECT_EQ(lines[64], "8 8");
    EXPECT_EQ(lines[67], " 1.30000000000000E+0000");  // KHbeta
    EXPECT_EQ(lines[76], " 1.00000000000000E+0000");  // ZR2
}

TEST(ProjectFile, InternalToothingKeepsItsSigns) {
    const auto d = defaultProject(Toothing::Internal);
    const auto lines = linesOf(written(d));
    EXPECT_EQ(lines[1].substr(1, 1), "2");
    EXPECT_EQ(lines[3], "-6.00000000000000E+0001");  // z2
    EXPECT_EQ(lines[9], "-2.00000000000000E+0001");  // aw
    EXPECT_EQ(lines[11], "-2.32000000000000E+0002");  // da2
    GearPairData back = defaultProject();
    ASSERT_TRUE(readString(written(d), back).ok());
    EXPECT_EQ(back.TypSoukoli, Toothing::Internal);
    EXPECT_EQ(back.z2, -60);
    EXPECT_EQ(back.aw, -20);
    EXPECT_EQ(back.da2, -232);
}

// Method A with torques and hours, a scheme without a second shaft element, every deviation
// measured, solid bodies.
GearPairData measuredSchemeProject() {
    auto d = defaultProject();
    d.SilyF = false;
    d.NKvCyklech = false;
    d.KHbetaFrom = KHbetaSource::FromScheme;
    d.Schema = "2a";
    d.fpb1Given = d.fpb2Given = d.Fbeta1Given = d.Fbeta2Given = d.fxGiven = d.fyGiven = false;
    d.fpbr1 = 1;
    d.fpbr2 = 2;
    d.Fbetar1 = 3;
    d.Fbetar2 = 4;
    d.fxr = 5;
    d.fyr = 6;
    d.PlnyPastorek = d.PlneKolo = true;
    return d;
}

TEST(ProjectFile, EveryConditionalRecordSurvivesARoundTrip) {
    for (const auto& project : {defaultProject(), defaultProject(Toothing::Internal), levelsProject(), classesProject(),
                                enteredProject(), measuredSchemeProject()}) {
        const std::string first = written(project);
        GearPairData back = defaultProject();
        const auto read = readString(first, back);
        ASSERT_TRUE(read.ok()) << read.reason << " at line " << read.line;
        EXPECT_EQ(written(back), first);
    }
}

TEST(ProjectFile, RecordsFollowTheirConditions) {
    // Spectrum: loading is T1, n1, YA1, YA2, KA, j, 20 steps, four torques.
    const auto spectrum = linesOf(written(levelsProject()));
    // 2 B ... ZadaniSil 1; Fj/Fmin (12); fpb2, Fbeta2, fx given; scheme (28); KFalfa1, KHbeta1; ČSN.
    EXPECT_EQ(spectrum[1], " 2B0001" "0000010" "00000000" "010110" "100" "000000000000000000000" "100001" "0" "10000");
    EXPECT_EQ(spectrum[45], " 2.12500000000000E+0002");  // T1
    EXPECT_EQ(spectrum[50], "20");
    for (int i = 0; i < 20; ++i) EXPECT_EQ(spectrum[static_cast<std::size_t>(51 + i)].size(), 47u);
    EXPECT_EQ(spectrum[51], " 3.50000000000000E+0000  5.00000000000000E+0000");
    EXPECT_EQ(spectrum[71], " 1.01250000000000E+0002");  // TFe1
    // Bodies (11), grades, then fpb2 given; Fbeta2, fx given; measured fpbr1, Fbetar1, fyr.
    EXPECT_EQ(spectrum[86], "8 8");
    EXPECT_EQ(spectrum[88], " 1.10000000000000E+0001");  // Fbeta2
    EXPECT_EQ(spectrum[89], " 6.00000000000000E+0000");  // fx
    EXPECT_EQ(spectrum[90], " 1.25000000000000E+0001");  // fpbr1
    EXPECT_EQ(spectrum[92], " 7.00000000000000E+0000");  // fyr
    EXPECT_EQ(spectrum[93], "8");                        // Schema
    EXPECT_EQ(spectrum[100], " 4.50000000000000E+0001"); // dII
    EXPECT_EQ(spectrum[101], " 3.50000000000000E+0001"); // dI
    ASSERT_EQ(spectrum.size(), 102u + 9u + 2u);          // record 52 and KFalfa1, KHbeta1
    EXPECT_EQ(spectrum.back(), " 1.45000000000000E+0000");

    // Classes: lives before YA, then CHSZ1 and CHSZ2; Teta and Cgama; bcal; all factors.
    const auto classes = linesOf(written(classesProject()));
    EXPECT_EQ(classes[47], " 1.25000000000000E+0007");  // NK1
    EXPECT_EQ(classes[52], "7");
    EXPECT_EQ(classes[53], "17");
    EXPECT_EQ(classes[54], " 3.10050000000000E+0003");  // FtFe1
    EXPECT_EQ(classes[69], " 1.23450000000000E+0003");  // Teta1
    EXPECT_EQ(classes[71], " 2.05000000000000E+0001");  // Cgama
    EXPECT_EQ(classes[72], "2 12");
    EXPECT_EQ(classes[73], " 0.00000000000000E+0000");  // fpb1; no Fbeta, fx, fy without a scheme
    EXPECT_EQ(classes[75], " 4.80000000000000E+0001");  // bcal
    ASSERT_EQ(classes.size(), 76u + 9u + 23u + 6u);
    EXPECT_EQ(classes[76 + 9 + 21], " 7.00000000000000E-0001");  // Yepsilon after the 21 others
    EXPECT_EQ(fromCp1250(classes[43]).value(), "Ěščřžýáíé");
    EXPECT_EQ(classes[43].size(), 9u);
    EXPECT_EQ(classes[44], "08");

    // Measured deviations only, after the two lines of record 49; no dII, dI for scheme "2a".
    const auto measured = linesOf(written(measuredSchemeProject()));
    EXPECT_EQ(measured[45], " 1.60000000000000E+0002");  // T1
    EXPECT_EQ(measured[47], " 1.00000000000000E+0003");  // NK1hod
    EXPECT_EQ(measured[64], "8 8");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(measured[static_cast<std::size_t>(65 + i)], formatFileReal(i + 1.0));
    EXPECT_EQ(measured[71], "2a");
    ASSERT_EQ(measured.size(), 72u + 6u + 9u);

    // Method A writes ZadaniSil as 0 whatever the field holds.
    auto a = defaultProject();
    a.ZadaniSil = 3;
    EXPECT_EQ(linesOf(written(a))[1].substr(6, 1), "0");
    GearPairData back = defaultProject();
    back.ZadaniSil = 2;
    ASSERT_TRUE(readString(written(a), back).ok());
    EXPECT_EQ(back.ZadaniSil, 0);
}

TEST(ProjectFile, OlderLayoutKeepsStandardAndItsFlags) {
    auto source = classesProject();  // DIN B, Yepsilon and Zbeta given
    auto lines = linesOf(written(source));
    lines[1].resize(1 + 58);
    lines.erase(lines.begin() + 76 + 9 + 21, lines.begin() + 76 + 9 + 23);  // no Yepsilon, Zbeta lines
    std::string older;
    for (const auto& l : lines) older += l + "\r\n";

    GearPairData target = defaultProject();  // ČSN, Yepsilon and Zbeta not given
    target.Yepsilon = 0.5;
    const auto read = readString(older, target);
    ASSERT_TRUE(read.ok()) << read.reason << " at line " << read.line;
    EXPECT_EQ(target.standard, Standard::CSN);
    EXPECT_FALSE(target.YepsilonGiven);
    EXPECT_FALSE(target.ZbetaGiven);
    EXPECT_EQ(target.Yepsilon, 0.5);
    EXPECT_EQ(target.KFalfa1, 1.11);  // the lines after record 53 are still in step
    EXPECT_EQ(target.KHbeta1, 1.16);
    EXPECT_EQ(target.CHSZ2, 17);
}

TEST(ProjectFile, ReaderAcceptsBareLineFeedsAndATrailingEmptyLine) {
    std::string bytes = written(defaultProject());
    std::string lf;
    for (const char c : bytes)
        if (c != '\r') lf += c;
    GearPairData back = defaultProject(Toothing::Internal);
    ASSERT_TRUE(readString(lf + "\n", back).ok());
    EXPECT_EQ(back.TypSoukoli, Toothing::External);
    EXPECT_EQ(written(back), bytes);
}

TEST(ProjectFile, WriterRefusesWhatItCouldNotReadBack) {
    auto d = defaultProject();
    d.Material1 = "ocel €";  // the euro sign exists in Windows-1250
    EXPECT_TRUE(writeString(d).ok());
    d.Material1 = "ocel ✓";
    EXPECT_FALSE(writeString(d).ok());
    d.Material1 = "a\rb";
    EXPECT_FALSE(writeString(d).ok());
    d.Material1 = std::string(256, 'x');
    EXPECT_FALSE(writeString(d).ok());
    d = defaultProject();
    d.mn = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(writeString(d).ok());
    d = defaultProject();
    d.IT2 = 13;
    EXPECT_FALSE(writeString(d).ok());
    d = defaultProject();
    d.standard = static_cast<Standard>(3);  // a standard no flag of the file names
    EXPECT_FALSE(writeString(d).ok());
    d = levelsProject();
    d.j = 21;
    EXPECT_FALSE(writeString(d).ok());
    d.j = 0;
    EXPECT_FALSE(writeString(d).ok());
    EXPECT_TRUE(writeString(d).bytes.empty());
}

}  // namespace
}  // namespace soukoli::files
