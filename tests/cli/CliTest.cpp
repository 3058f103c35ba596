// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli-cli through the real binary: every option and every exit status, on projects the tool
// writes itself with --defaults and the examples shipped with the program.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

#include "tests/support/CliRun.h"

namespace {

namespace fs = std::filesystem;

using Result = soukoli::testing::CliResult;
using soukoli::testing::slurp;

std::string quote(const std::string& s) { return soukoli::testing::shellQuote(s); }

class Cli : public soukoli::testing::CliFixture {
protected:
    Cli() : CliFixture(SOUKOLI_CLI, "soukoli-cli-") {}

    // A new project as the program starts it.
    std::string defaults(const std::string& name = "p.PEV", bool internal = false) {
        const Result r = run(std::string("--defaults ") + (internal ? "--internal " : "") + name);
        EXPECT_EQ(r.status, 0) << r.err;
        return name;
    }

    static nlohmann::json json(const Result& r) {
        std::istringstream lines(r.out);
        std::string first;
        std::getline(lines, first);
        return nlohmann::json::parse(first);
    }

};

TEST_F(Cli, HelpAndUsageErrors) {
    const Result help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
    EXPECT_NE(help.out.find("--set"), std::string::npos);

    EXPECT_EQ(run("").status, 3);
    EXPECT_EQ(run("--no-such-option x.PEV").status, 3);
    EXPECT_EQ(run("--standard iso x.PEV").status, 3);
    EXPECT_EQ(run("--rim maybe x.PEV").status, 3);
    EXPECT_EQ(run("--full --simplified x.PEV").status, 3);
    EXPECT_EQ(run("--internal").status, 3);  // only with --defaults
    const std::string p = defaults();
    EXPECT_EQ(run("--defaults q.PEV " + p).status, 3);
    EXPECT_EQ(run("--defaults").status, 3);
    EXPECT_EQ(run("--defaults --json q.PEV").status, 3);
    EXPECT_EQ(run("--save s " + p + " " + p).status, 3);
    EXPECT_EQ(run("--time yesterday " + p).status, 3);
}

TEST_F(Cli, DefaultProjectPassesAndPrintsTheResultsReport) {
    const std::string p = defaults();
    const Result r = run("--time '2026-12-08 09:05:07' " + p);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("9:05:07"), std::string::npos);
    EXPECT_NE(r.out.find("8.12.2026"), std::string::npos);
    EXPECT_NE(r.out.find("KONTROLA NA OHYB"), std::string::npos);  // UTF-8 on the terminal
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(Cli, JsonHoldsEveryNamedFieldUnderTheDataSetNames) {
    const std::string p = defaults();
    const Result r = run("--json " + p);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = json(r);
    EXPECT_EQ(j["file"], p);
    EXPECT_EQ(j["run_ok"], true);
    EXPECT_TRUE(j["messages"].empty());
    EXPECT_TRUE(j["dialogs"].empty());
    const auto& f = j["fields"];
    EXPECT_EQ(f["z1"], 20);
    EXPECT_EQ(f["ha1_star"], 1);
    EXPECT_FALSE(f.contains("ha1*"));
    EXPECT_EQ(f["StandardCSN"], true);
    EXPECT_EQ(f["IT1"], 8);
    EXPECT_EQ(f["MetodaVypoctu"], "A");
    EXPECT_NEAR(f["Alfan"].get<double>(), 0.3490658503988659, 1e-15);
    EXPECT_GT(f["SH1"].get<double>(), 1);
    EXPECT_EQ(f["Fj"].size(), 3u);
}

TEST_F(Cli, SetChangesInputsAndRecomputesWhatFollows) {
    const std::string p = defaults();
    auto j = json(run("--json --set z2=50 --set Beta=15deg --set ha1_star=0.9 " + p));
    EXPECT_EQ(j["fields"]["z2"], 50);
    EXPECT_NEAR(j["fields"]["d2"].get<double>(), 200 / std::cos(15 * std::numbers::pi / 180), 1e-9);
    EXPECT_NEAR(j["fields"]["u"].get<double>(), 2.5, 1e-15);
    EXPECT_NEAR(j["fields"]["ha1_star"].get<double>(), 0.9, 1e-15);

    // A centre distance entered: the shift sum follows and is split equally.
    j = json(run("--json --set aw=122 " + p));
    EXPECT_NEAR(j["fields"]["aw"].get<double>(), 122, 1e-12);
    EXPECT_EQ(j["fields"]["x1"], j["fields"]["x2"]);
    EXPECT_GT(j["fields"]["x1"].get<double>(), 0.2);

    j = json(run("--json --set MetodaVypoctu=B --set ZadaniSil=2 --set CHSZ1=4 " + p));
    EXPECT_EQ(j["fields"]["MetodaVypoctu"], "B");
    EXPECT_NE(j["fields"]["FtFe1"], 2654.9);  // class 4, not the default class 1

    const Result unknown = run("--set nonsense=1 " + p);
    EXPECT_EQ(unknown.status, 3);
    EXPECT_NE(unknown.err.find("unknown field 'nonsense'"), std::string::npos);
    EXPECT_EQ(run("--set z1=12,5 " + p).status, 3);
    EXPECT_EQ(run("--set z1 " + p).status, 3);
    EXPECT_EQ(run("--set IT1=7.5 " + p).status, 3);
    EXPECT_EQ(run("--set KHbetaZbcal=2 " + p).status, 3);
    EXPECT_EQ(run("--set Fj[21]=1 " + p).status, 3);
    EXPECT_EQ(run("--set z2=-40 " + p).status, 3);  // external wheel with a negative z2
}

TEST_F(Cli, SetAccuracyFieldsAsTheAccuracyWindowDoes) {
    const std::string p = defaults();
    struct Row {
        const char* sets;
        const char* field;
        double value;  // the limit of ČSN 01 4682, or -1 for a cleared flag only
        const char* flag;
        bool given;
    };
    const Row rows[] = {
        {"", "fpb1", 24, "fpb1Given", true},                  // looked up at the new start
        {"", "fy", 12.5, "fyGiven", true},
        {"--set IT1=7", "fpb1", 17, "fpb1Given", true},
        {"--set IT1=7", "Fbeta1", 16, "Fbeta1Given", true},
        {"--set IT2=5", "fpb2", 0, "fpb2Given", false},       // "nedefin."
        {"--set fpbr2=3", "fpbr2", 3, "fpb2Given", false},    // measured replaces the limit
        {"--set fpbr2=3 --set fpbr2=0", "fpb2", 26, "fpb2Given", true},
        {"--set z1=40", "fpb1", 26, "fpb1Given", true},       // d1 = 160: diameter class 2
        {"--set mn=8", "fpb2", 30, "fpb2Given", true},        // module class 3, d2 = 320: class 2
        {"--set b2=30", "Fbeta2", 18, "Fbeta2Given", true},
        {"--set b1=700", "fx", 0, "fxGiven", false},
    };
    for (const Row& r : rows) {
        const Result result = run(std::string("--json ") + r.sets + " " + p);
        ASSERT_NE(result.status, 3) << r.sets << ": " << result.err;
        const auto j = json(result);
        EXPECT_DOUBLE_EQ(j["fields"][r.field].get<double>(), r.value) << r.sets << " " << r.field;
        EXPECT_EQ(j["fields"][r.flag], r.given) << r.sets << " " << r.flag;
    }
    const Result refused = run("--set IT1=13 " + p);
    EXPECT_EQ(refused.status, 3);
    EXPECT_NE(refused.err.find("Stupeň přesnosti vol od 2 do 12"), std::string::npos) << refused.err;
    EXPECT_EQ(run("--set Fbetar1=-2 " + p).status, 3);
}

TEST_F(Cli, StandardOption) {
    const std::string p = defaults();
    const auto j = json(run("--json --standard din-b " + p));
    EXPECT_EQ(j["fields"]["StandardDIN_B"], true);
    EXPECT_EQ(j["fields"]["StandardCSN"], false);
}

TEST_F(Cli, ThinRimIsAnsweredFromTheCommandLine) {
    const std::string p = defaults();
    const Result go = run("--json --set sr1=10 " + p);
    EXPECT_EQ(go.status, 0) << go.err;
    EXPECT_EQ(json(go)["fields"]["TenkyVenec1"], true);
    EXPECT_NE(go.err.find("Rozměr sr1 je menší než doporučuje norma."), std::string::npos);

    const Result fix = run("--json --rim fix --set sr1=10 " + p);
    EXPECT_EQ(fix.status, 2);
    EXPECT_EQ(json(fix)["run_ok"], false);
    EXPECT_EQ(json(fix)["dialogs"], nlohmann::json::array({"dimensions"}));
}

TEST_F(Cli, StoppedRunAndFailedCheck) {
    const std::string p = defaults();
    const Result stopped = run("--json --set da1=80.5 " + p);  // contact ratio below 1
    EXPECT_EQ(stopped.status, 2);
    EXPECT_NE(stopped.err.find("Součinitel Epsilongama <=1. Uprav geometrii."), std::string::npos);
    EXPECT_EQ(json(stopped)["messages"][0]["text"], "Součinitel Epsilongama <=1. Uprav geometrii.");

    // An accuracy grade without tabulated deviations and nothing measured: the run stops and
    // names them; a save of it says so in the results report instead of printing results.
    const Result open = run("--json --set IT1=5 --set IT2=5 --save stopped " + p);
    EXPECT_EQ(open.status, 2);
    EXPECT_NE(open.err.find("fpb1 (IT1 = 5), fpb2 (IT2 = 5)"), std::string::npos) << open.err;
    EXPECT_EQ(json(open)["dialogs"], nlohmann::json::array({"accuracy"}));
    const std::string report = slurp(dir_ / "stopped.VYS");
    EXPECT_NE(report.find("NEBYL DOKON"), std::string::npos);
    EXPECT_NE(report.find("fpb1 (IT1 = 5), fpb2 (IT2 = 5)"), std::string::npos);
    EXPECT_NE(report.find(" SF1= -----                   SF2= -----"), std::string::npos);
    EXPECT_NE(report.find(" SH1= -----                   SH2= -----"), std::string::npos);

    const Result overloaded = run("--json --set F1=60000 " + p);
    EXPECT_EQ(overloaded.status, 1) << overloaded.err;
    EXPECT_EQ(json(overloaded)["run_ok"], true);
}

TEST_F(Cli, UnreadableFilesAndTheWorstStatusOfABatch) {
    std::ofstream(dir_ / "bad.PEV") << "not a project\r\n";
    EXPECT_EQ(run("bad.PEV").status, 3);
    EXPECT_EQ(run("missing.PEV").status, 3);
    const std::string p = defaults();
    EXPECT_EQ(run(p + " bad.PEV").status, 3);
    EXPECT_EQ(run(p + " " + p).status, 0);
}

TEST_F(Cli, FullAndSimplifiedOptionsSwitchTheCalculation) {
    const std::string p = defaults();
    auto j = json(run("--json --simplified " + p));
    EXPECT_EQ(j["fields"]["Zjednoduseny"], true);
    EXPECT_EQ(j["fields"]["KHalfa"], 1.2);  // fixed by the simplified calculation
    ASSERT_EQ(run("--simplified --save simple " + p).status, 0);
    j = json(run("--json simple.PEV"));
    EXPECT_EQ(j["fields"]["Zjednoduseny"], true);
    j = json(run("--json --full simple.PEV"));
    EXPECT_EQ(j["fields"]["Zjednoduseny"], false);
}

TEST_F(Cli, SaveWritesTheThreeFilesAndDefaultsOfInternalToothing) {
    const std::string p = defaults("i.PEV", true);
    ASSERT_EQ(run("--save result " + p).status, 0);
    EXPECT_TRUE(fs::exists(dir_ / "result"));
    EXPECT_TRUE(fs::exists(dir_ / "result.PEV"));
    EXPECT_TRUE(fs::exists(dir_ / "result.VYS"));
    const std::string project = slurp(dir_ / "result.PEV");
    EXPECT_EQ(project.substr(0, 2), "Te");
    EXPECT_NE(project.find("\r\n 2"), std::string::npos);
    const auto j = json(run("--json result.PEV"));
    EXPECT_EQ(j["fields"]["z2"], -60);
    EXPECT_EQ(j["fields"]["TypSoukoli"], 2);
}

TEST_F(Cli, FailedSaveSaysWhyAndNamesOfFoldersAreUsageErrors) {
    const std::string p = defaults();
    fs::create_directory(dir_ / "out");
    for (const std::string name : {"out/", "out", ".", "missing/"}) {
        const Result r = run("--save " + name + " " + p);
        EXPECT_EQ(r.status, 3) << name;
        EXPECT_NE(r.err.find("names a folder"), std::string::npos) << name << ": " << r.err;
    }
    EXPECT_TRUE(fs::is_empty(dir_ / "out"));
    EXPECT_FALSE(fs::exists(dir_ / ".PEV"));

    ASSERT_EQ(mkfifo((dir_ / "f.PEV").c_str(), 0644), 0);
    const Result r = run("--save f " + p);
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Soubor nelze uložit.\nNa místě souboru je zařízení, roura nebo soket, ne obyčejný soubor.\nf.PEV\n"),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(fs::is_fifo(dir_ / "f.PEV"));
}

TEST_F(Cli, EverySampleProjectCalculatesAsItsNameSays) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(SOUKOLI_EXAMPLES)) {
        if (entry.path().extension() != ".PEV") continue;
        ++count;
        const std::string name = entry.path().stem().string();
        const Result r = run("--json " + quote(entry.path().string()));
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        const auto f = json(r)["fields"];
        EXPECT_EQ(f["TypSoukoli"], name == "default-internal" ? 2 : 1) << name;
        EXPECT_EQ(f["Zjednoduseny"], name == "simplified") << name;
        EXPECT_EQ(f["StandardDIN_B"], name == "helical-din-b-spektrum") << name;
        EXPECT_EQ(f["KHbetaZeSchematu"], name == "layout-scheme-measured") << name;
        if (name == "helical-din-b-spektrum") {
            EXPECT_EQ(f["ZadaniSil"], 1);
        }
        if (name == "chsz-classes") {
            EXPECT_EQ(f["ZadaniSil"], 2);
        }
    }
    EXPECT_EQ(count, 6u);
}

}  // namespace
