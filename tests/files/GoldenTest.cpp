// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Golden files: tests/data/<case>/ holds a project file and the reports expected from it. Each
// case loads the project, recomputes, gives the results fixed values, and compares the project
// file written back, the input report, the results report and the printout byte for byte.
// SOUKOLI_UPDATE_GOLDEN=1 writes the files instead (review the difference before committing).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "engine/BasicGeometry.h"
#include "engine/FieldTable.h"
#include "files/PostLoad.h"
#include "files/ProjectFile.h"
#include "files/Reports.h"
#include "files/TextFile.h"
#include "tests/files/Projects.h"
#include "tests/support/RecordingUi.h"

namespace soukoli::files {
namespace {

namespace fs = std::filesystem;

const LocalTime kSaved{2026, 3, 14, 16, 2, 9};

struct GoldenCase {
    const char* name;
    std::function<GearPairData()> project;
};

// Results as a calculation might leave them, distinct per field so a swapped row shows.
void giveResults(GearPairData& d) {
    const char* names[] = {"SigmaF1", "SigmaF2", "SigmaFP1", "SigmaFP2", "SF1", "SF2", "SigmaFmax1", "SigmaFmax2",
                           "SigmaFPmax1", "SigmaFPmax2", "SigmaH1", "SigmaH2", "SigmaHP1", "SigmaHP2", "SH1", "SH2",
                           "SigmaHmax1", "SigmaHmax2", "SigmaHPmax1", "SigmaHPmax2", "KF", "KH", "KF1", "KH1", "YFe1",
                           "YFe2", "YSe1", "YSe2", "YSarel1", "YSarel2", "Ybeta", "YX1", "YX2", "Ydelta1", "Ydelta2",
                           "YS1", "YS2", "YdeltaSt1", "YdeltaSt2", "YdeltaStT1", "YdeltaStT2", "Zepsilon", "ZE", "ZH",
                           "Epsalfa", "Epsbeta"};
    double value = 0.8125;
    for (const char* name : names) {
        const auto* field = findNumericField(name);
        ASSERT_NE(field, nullptr) << name;
        ASSERT_TRUE(writeField(d, *field, value));
        value = std::fmod(value * 1.37 + 0.011, 1500.0);
    }
    d.TenkyVenec1 = true;
}

std::string joinedPrintout(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\n";
    return out;
}

void compareOrUpdate(const fs::path& file, const std::string& actual, bool update) {
    if (update) {
        std::ofstream(file, std::ios::binary) << actual;
        return;
    }
    const auto expected = readWholeFile(file);
    ASSERT_TRUE(expected.has_value()) << file << " is missing; run with SOUKOLI_UPDATE_GOLDEN=1";
    EXPECT_EQ(actual, *expected) << file;
}

TEST(Golden, ProjectsAndTheirReports) {
    const bool update = std::getenv("SOUKOLI_UPDATE_GOLDEN") != nullptr;
    const GoldenCase cases[] = {
        {"default", [] { return testing::defaultProject(); }},
        {"internal", [] { return testing::defaultProject(Toothing::Internal); }},
        {"spektrum", testing::levelsProject},
        {"classes-din-b", testing::classesProject},
        {"entered-simplified", testing::enteredProject},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path dir = fs::path(SOUKOLI_TEST_DATA_DIR) / c.name;
        if (update) {
            fs::create_directories(dir);
            // As the geometry dialog leaves it: centre distance and tip diameters agree with the rest.
            GearPairData source = c.project();
            soukoli::testing::RecordingUi quiet;
            updateCentreDistance(source, quiet);
            recomputeAfterLoad(source, quiet);
            const auto project = writeString(source);
            ASSERT_TRUE(project.ok()) << project.reason;
            std::ofstream(dir / "projekt.PEV", std::ios::binary) << project.bytes;
        }
        const auto bytes = readWholeFile(dir / "projekt.PEV");
        ASSERT_TRUE(bytes.has_value());
        GearPairData d = testing::defaultProject();
        const auto read = readString(*bytes, d);
        ASSERT_TRUE(read.ok()) << read.reason << " at line " << read.line;
        EXPECT_EQ(writeString(d).bytes, *bytes);
        // The recomputed tip diameters may differ from the stored ones in the last digit: they
        // follow from the centre distance as it was rounded in the file.
        soukoli::testing::RecordingUi ui;
        recomputeAfterLoad(d, ui);
        EXPECT_TRUE(ui.messages.empty());
        giveResults(d);

        const auto input = encodeLines(inputReportLines(d, kSaved, "C:\\Data\\projekt"));
        const auto results = encodeLines(resultsReportLines(d, kSaved, "C:\\Data\\projekt.VYS"));
        ASSERT_TRUE(input.ok() && results.ok());
        compareOrUpdate(dir / "projekt", input.bytes, update);
        compareOrUpdate(dir / "projekt.VYS", results.bytes, update);
        compareOrUpdate(dir / "tisk.txt", joinedPrintout(simplifiedPrintoutLines(d, kSaved)), update);
    }
}

}  // namespace
}  // namespace soukoli::files
