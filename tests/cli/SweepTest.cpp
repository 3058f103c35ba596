// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli-cli sweep: the grammar of --vary and --where in-process, and the real binary for the
// rest: rows equal to separate --set runs, output independent of the thread count, filtering and
// sorting against the full table, usage errors, and the structure of the SVG chart.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <chrono>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "cli/Sweep.h"

#include "tests/support/CliRun.h"

namespace {

namespace fs = std::filesystem;
using soukoli::cli::CompareOp;
using soukoli::cli::Condition;
using soukoli::cli::VaryAxis;

TEST(SweepGrammar, Vary) {
    struct Row {
        const char* text;
        std::vector<std::string> values;  // empty: refused
    };
    const Row rows[] = {
        {"z1=18:30:4", {"18", "22", "26", "30"}},
        {"x1=-0.2:0.2:0.1", {"-0.2", "-0.1", "0.0", "0.1", "0.2"}},  // no 0.30000000000000004, no -0.0
        {"x1=0:0.25:0.125", {"0.000", "0.125", "0.250"}},
        {"b1=40:30:-5", {"40", "35", "30"}},
        {"Beta=0deg:20deg:10", {"0deg", "10deg", "20deg"}},
        {"z1=25:25:1", {"25"}},
        {"z1=18:21:2", {"18", "20"}},  // the end need not be hit
        {"Schema=1,2a,7", {"1", "2a", "7"}},
        {"ha1*=1,1.25", {"1", "1.25"}},
        {"z1", {}},
        {"=1,2", {}},
        {"z1=", {}},
        {"z1=1:2", {}},
        {"z1=1:2:3:4", {}},
        {"z1=18:30:0", {}},
        {"z1=30:18:1", {}},
        {"z1=a:30:1", {}},
        {"Beta=0deg:20:5", {}},
        {"z1=18,,20", {}},
    };
    for (const auto& r : rows) {
        VaryAxis axis;
        std::string error;
        const bool ok = soukoli::cli::parseVary(r.text, axis, error);
        EXPECT_EQ(ok, !r.values.empty()) << r.text << ": " << error;
        if (!ok) {
            EXPECT_FALSE(error.empty()) << r.text;
            continue;
        }
        EXPECT_EQ(axis.values, r.values) << r.text;
        ASSERT_EQ(axis.numbers.size(), axis.values.size()) << r.text;
    }
    VaryAxis axis;
    std::string error;
    ASSERT_TRUE(soukoli::cli::parseVary("x1=-0.2:0.2:0.1", axis, error));
    EXPECT_EQ(axis.numbers[3], 0.1);  // the number --set reads from "0.1"
}

TEST(SweepGrammar, Where) {
    struct Row {
        const char* text;
        bool ok;
        const char* field;
        double below, at, above;  // values just below, at and just above the bound
        bool holdsBelow, holdsAt, holdsAbove;
    };
    const Row rows[] = {
        {"SF1>1.4", true, "SF1", 1.39, 1.4, 1.41, false, false, true},
        {"SH2>=1.1", true, "SH2", 1.09, 1.1, 1.11, false, true, true},
        {"SigmaH1<900", true, "SigmaH1", 899, 900, 901, true, false, false},
        {"SigmaH1 <= 900", true, "SigmaH1", 899, 900, 901, true, true, false},
        {"status==0", true, "status", -1, 0, 1, false, true, false},
        {"z1=20", true, "z1", 19, 20, 21, false, true, false},
        {"status!=2", true, "status", 1, 2, 3, true, false, true},
        {"SF1", false, "", 0, 0, 0, false, false, false},
        {">1", false, "", 0, 0, 0, false, false, false},
        {"SF1>abc", false, "", 0, 0, 0, false, false, false},
        {"SF1=>1", false, "", 0, 0, 0, false, false, false},
        {"SF1<>1", false, "", 0, 0, 0, false, false, false},
    };
    for (const auto& r : rows) {
        Condition c;
        std::string error;
        ASSERT_EQ(soukoli::cli::parseCondition(r.text, c, error), r.ok) << r.text << ": " << error;
        if (!r.ok) continue;
        EXPECT_EQ(c.field, r.field) << r.text;
        EXPECT_EQ(c.holds(r.below), r.holdsBelow) << r.text;
        EXPECT_EQ(c.holds(r.at), r.holdsAt) << r.text;
        EXPECT_EQ(c.holds(r.above), r.holdsAbove) << r.text;
        EXPECT_FALSE(c.holds(std::nan(""))) << r.text << ": a refused variant never satisfies";
    }
}

TEST(SweepGrammar, ProductSizeRefusesOverflow) {
    VaryAxis a{"z1", std::vector<std::string>(1000, "1"), {}};
    EXPECT_EQ(soukoli::cli::productSize({a, a}, 10'000'000), 1'000'000u);
    EXPECT_EQ(soukoli::cli::productSize({a, a, a}, 10'000'000), 0u);
}

// ---- through the binary ----

using Result = soukoli::testing::CliResult;
using soukoli::testing::slurp;

std::string quote(const std::string& s) { return soukoli::testing::shellQuote(s); }

std::vector<std::string> split(const std::string& text, char by) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, by)) parts.push_back(part);
    if (!text.empty() && text.back() == by) parts.emplace_back();
    return parts;
}

class Sweep : public soukoli::testing::CliFixture {
protected:
    Sweep() : CliFixture(SOUKOLI_CLI, "soukoli-sweep-") {}

    // Rows of a CSV table without its header.
    static std::vector<std::vector<std::string>> rows(const std::string& csv) {
        std::vector<std::vector<std::string>> table;
        for (const auto& line : split(csv, '\n'))
            if (!line.empty()) table.push_back(split(line, ','));
        if (!table.empty()) table.erase(table.begin());
        return table;
    }

    static std::string example(const char* name) { return quote(std::string(SOUKOLI_EXAMPLES) + "/" + name); }

};

TEST_F(Sweep, RowsEqualSeparateSetRuns) {
    const std::vector<std::string> fields = {"SF1", "SH1", "SigmaH1"};
    const Result r = run("sweep " + example("default-external.PEV") +
                         " --vary z1=18:30:1 --vary x1=-0.2:0.6:0.1 --fields SF1,SH1,SigmaH1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "z1,x1,status,SF1,SH1,SigmaH1");
    const auto table = rows(r.out);
    ASSERT_EQ(table.size(), 117u);
    EXPECT_EQ(table[0][0] + "," + table[0][1], "18,-0.2");  // the first --vary changes slowest
    EXPECT_EQ(table[1][0] + "," + table[1][1], "18,-0.1");
    EXPECT_EQ(table[116][0] + "," + table[116][1], "30,0.6");
    std::set<std::string> statuses;
    for (std::size_t i = 0; i < table.size(); i += 8) {
        const auto& row = table[i];
        ASSERT_EQ(row.size(), 6u);
        const Result single = run("--json " + example("default-external.PEV") + " --set z1=" + row[0] +
                                  " --set x1=" + row[1]);
        EXPECT_EQ(row[2], std::to_string(single.status)) << row[0] << " " << row[1];
        statuses.insert(row[2]);
        if (row[2] == "2") continue;  // no results: the output rules below
        const auto json = nlohmann::json::parse(single.out.substr(0, single.out.find('\n')));
        for (std::size_t f = 0; f < fields.size(); ++f)
            EXPECT_EQ(std::stod(row[3 + f]), json["fields"][fields[f]].get<double>())
                << fields[f] << " at z1=" << row[0] << " x1=" << row[1];
    }
    EXPECT_GE(statuses.size(), 2u) << "the sample should hold both stopped and completed runs";
}

TEST_F(Sweep, RowsEqualSeparateSetRunsAcrossWindows) {
    // A worker keeps the entries shared with the previous variant: inputs of two windows in
    // turn (geometry, dimensions, geometry) must still give each row what one run gives.
    const Result r = run("sweep " + example("helical-din-b-spektrum.PEV") +
                         " --vary z1=30,36 --vary b1=30,40 --vary x1=0,0.3 --fields SF1,SH2 --threads 1");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto table = rows(r.out);
    ASSERT_EQ(table.size(), 8u);
    for (const auto& row : table) {
        const Result single = run("--json " + example("helical-din-b-spektrum.PEV") + " --set z1=" + row[0] +
                                  " --set b1=" + row[1] + " --set x1=" + row[2]);
        ASSERT_EQ(row[3], "0") << "the sample's variants should complete";
        ASSERT_EQ(single.status, 0) << single.err;
        const auto json = nlohmann::json::parse(single.out.substr(0, single.out.find('\n')));
        EXPECT_EQ(std::stod(row[4]), json["fields"]["SF1"].get<double>()) << row[0] << " " << row[1] << " " << row[2];
        EXPECT_EQ(std::stod(row[5]), json["fields"]["SH2"].get<double>()) << row[0] << " " << row[1] << " " << row[2];
    }
}

TEST_F(Sweep, OutputIndependentOfThreadCount) {
    const std::string base = "sweep " + example("helical-din-b-spektrum.PEV") +
                             " --vary z1=15:40:1 --vary b1=20:60:10 --vary x1=-0.1,0.3 --fields SF1,SF2,SH1,KHbeta";
    for (const std::string extra : {"", " --json", " --sort=-SH1 --limit 17", " --where 'SF1>1' --limit 40"}) {
        const Result one = run(base + extra + " --threads 1");
        ASSERT_EQ(one.status, 0) << one.err;
        for (const char* threads : {"2", "3", "7"}) {
            const Result many = run(base + extra + " --threads " + threads);
            EXPECT_EQ(many.out, one.out) << extra << " with " << threads << " threads";
        }
    }
}

TEST_F(Sweep, WhereSortLimitAgreeWithTheFullTable) {
    const std::string base = "sweep " + example("default-external.PEV") +
                             " --vary z1=18:34:2 --vary x1=-0.2:0.6:0.2 --fields SF1,SH1";
    const Result all = run(base);
    ASSERT_EQ(all.status, 0) << all.err;
    auto expected = rows(all.out);
    // The bound lies half-way between two middle SF1 values of the passing rows, so the filter
    // keeps about half of them whatever the sample project's numbers are, and no printed value
    // sits on the bound itself.
    std::vector<double> sf1;
    for (const auto& r : expected)
        if (r[2] == "0") sf1.push_back(std::stod(r[3]));
    ASSERT_GE(sf1.size(), 12u);
    std::sort(sf1.begin(), sf1.end());
    const std::size_t mid = sf1.size() / 2;
    ASSERT_LT(sf1[mid - 1], sf1[mid]);
    const double bound = (sf1[mid - 1] + sf1[mid]) / 2;
    std::ostringstream boundText;
    boundText.precision(17);
    boundText << bound;
    const std::string where = " --where 'SF1>" + boundText.str() + "' --where status==0";
    std::erase_if(expected, [&](const auto& r) { return r[2] != "0" || std::stod(r[3]) <= bound; });
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return std::stod(a[4]) > std::stod(b[4]); });
    ASSERT_GE(expected.size(), 6u) << "the bound should keep a few rows";

    const Result filtered = run(base + where);
    EXPECT_EQ(rows(filtered.out).size(), expected.size());
    const Result top = run(base + where + " --sort=-SH1 --limit 5");
    ASSERT_EQ(top.status, 0) << top.err;
    expected.resize(5);
    EXPECT_EQ(rows(top.out), expected);
    const Result ascending = run(base + " --sort z1 --limit 3");
    for (const auto& row : rows(ascending.out)) EXPECT_EQ(row[0], "18");
}

TEST_F(Sweep, JsonLinesCarryTheSameValues) {
    const std::string base = "sweep " + example("default-external.PEV") + " --vary Beta=0deg:20deg:10 --fields SF1";
    const auto csv = rows(run(base).out);
    std::istringstream lines(run(base + " --json").out);
    std::string line;
    std::size_t i = 0;
    for (; std::getline(lines, line); ++i) {
        ASSERT_LT(i, csv.size());
        const auto j = nlohmann::json::parse(line);
        EXPECT_EQ(j["Beta"], csv[i][0]);
        EXPECT_EQ(std::to_string(j["status"].get<int>()), csv[i][1]);
        EXPECT_EQ(j["SF1"].get<double>(), std::stod(csv[i][2]));
    }
    EXPECT_EQ(i, 3u);
}

TEST_F(Sweep, UsageErrors) {
    struct Row {
        const char* args;
        const char* said;  // part of the message
    };
    const Row rows[] = {
        {"--vary zz=1,2", "zz"},
        {"--vary z1=a:3:1", "'a'"},
        {"--vary z1=18:30:0", "step"},
        {"--vary StandardCSN=2", "flag"},
        {"--vary Schema=9", "Schema"},
        {"--vary z1=18,19 --fields SF1,Nothing", "Nothing"},
        {"--vary z1=18,19 --where 'SF>1'", "unknown field 'SF'"},
        {"--vary z1=18,19 --where SF1~1", "SF1~1"},
        {"--vary z1=18,19 --sort=-Nothing", "Nothing"},
        {"--vary z1=18,19 --vary z1=20", "twice"},
        {"--vary z1=18,19 --plot p.svg --x x1 --y SF1", "--x"},
        {"--vary z1=18,19 --vary x1=0,1 --vary b1=30,40 --plot p.svg --x z1 --y SF1", "--plot"},
        {"--vary z1=18,19 --set Nothing=1", "Nothing"},
    };
    for (const auto& r : rows) {
        const Result res = run("sweep " + example("default-external.PEV") + " " + r.args);
        EXPECT_EQ(res.status, 3) << r.args;
        EXPECT_NE(res.err.find(r.said), std::string::npos) << r.args << ": " << res.err;
        EXPECT_TRUE(res.out.empty()) << r.args;
    }
    EXPECT_EQ(run("sweep missing.PEV --vary z1=18,19").status, 3);
}

// What a script may rely on, one rule a row: the fields of a refused or stopped row are empty and
// neither --where nor --sort picks it by them; --limit is a count from 1; the header names a
// varied input as typed; a redirected stderr gets no progress; the parts of --shard joined in
// order are the whole output byte for byte. z1 = 18 and 19 stop on the sample project, x1 = -3
// is refused, and z1 = 21 with x1 = -0.5 stops at both face widths.
TEST_F(Sweep, OutputRulesAndShards) {
    struct Case {
        const char* rule;
        std::string args;
        int status;           // exit status
        int rows, stopped;    // rows written and rows with status 2 (-1: not counted)
        std::string header;   // "": not checked
        int shards = 0;       // run in this many parts too and join them
    };
    const std::string fields = ",status,SF1,SF2,SH1,SH2";
    const Case cases[] = {
        {"a refused entry", "--vary x1=-3,0.2", 0, 2, 1, "x1" + fields},
        {"a stopped run", "--vary z1=21 --vary x1=-0.5 --vary b1=10,40", 0, 2, 2, "z1,x1,b1" + fields},
        {"--where on an empty field", "--vary z1=21 --vary x1=-0.5 --vary b1=10,40 --where 'SH1>0.5'", 0, 0, 0, ""},
        {"--where on status", "--vary z1=18:22:1 --where status==2", 0, 2, 2, ""},
        {"--sort puts empty keys last", "--vary z1=18:22:1 --sort SF1", 0, 5, 2, ""},
        {"--limit with --sort", "--vary z1=18:22:1 --sort=-SF1 --limit 4", 0, 3, 0, ""},
        {"--limit alone", "--vary z1=18:22:1 --limit 4", 0, 4, 2, ""},
        {"--limit 0", "--vary z1=18:22:1 --limit 0", 3, 0, 0, ""},
        {"--limit -1", "--vary z1=18:22:1 --limit -1", 3, 0, 0, ""},
        {"--limit beyond any count", "--vary z1=18:22:1 --limit 99999999999999999999999", 3, 0, 0, ""},
        {"the name as typed", "--vary ha1_star=1,1.1 --vary 'ha2*=1'", 0, 2, -1, "ha1_star,ha2*" + fields},
        {"CSV in parts", "--vary z1=18:30:1 --vary x1=-0.2:0.6:0.1 --fields SF1,SH1", 0, 117, -1, "", 3},
        {"JSON in parts", "--vary z1=18:30:1 --vary b1=30,40 --json --messages", 0, 26, -1, "", 3},
        {"fewer variants than parts", "--vary z1=21,22", 0, 2, 0, "", 3},
        {"--shard with --sort", "--vary z1=18:22:1 --shard 1/2 --sort SF1", 3, 0, 0, ""},
        {"--shard with --limit", "--vary z1=18:22:1 --shard 1/2 --limit 2", 3, 0, 0, ""},
        {"--shard beyond its parts", "--vary z1=18:22:1 --shard 3/2", 3, 0, 0, ""},
        {"--shard 0/2", "--vary z1=18:22:1 --shard 0/2", 3, 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rule) + ": " + c.args);
        const std::string base = "sweep " + example("default-external.PEV") + " " + c.args;
        const Result r = run(base);
        ASSERT_EQ(r.status, c.status) << r.err;
        if (c.status != 0) {
            EXPECT_TRUE(r.out.empty());
            EXPECT_FALSE(r.err.empty());
            continue;
        }
        EXPECT_EQ(r.err, "") << "no progress line on a redirected stderr";
        const bool json = c.args.find("--json") != std::string::npos;
        std::vector<std::vector<std::string>> table;
        if (json) {
            for (const auto& line : split(r.out, '\n')) {
                if (line.empty()) continue;
                const auto j = nlohmann::json::parse(line);
                const bool stopped = j["status"] == 2;
                for (const char* f : {"SF1", "SF2", "SH1", "SH2"}) EXPECT_EQ(j[f].is_null(), stopped) << line;
                table.push_back({"", std::to_string(j["status"].get<int>())});
            }
        } else {
            if (!c.header.empty()) {
                EXPECT_EQ(r.out.substr(0, r.out.find('\n')), c.header);
            }
            std::size_t axes = 0;
            for (auto at = c.args.find("--vary"); at != std::string::npos; at = c.args.find("--vary", at + 1)) ++axes;
            for (const auto& row : rows(r.out)) {
                const std::vector<std::string> fieldsOnly(row.begin() + static_cast<long>(axes) + 1, row.end());
                const bool stopped = row[axes] == "2";
                for (const auto& f : fieldsOnly) EXPECT_EQ(f.empty(), stopped) << "row of status " << row[axes];
                table.push_back({"", row[axes]});
            }
        }
        EXPECT_EQ(static_cast<int>(table.size()), c.rows);
        const auto stopped = std::count_if(table.begin(), table.end(), [](const auto& row) { return row[1] == "2"; });
        if (c.stopped >= 0) {
            EXPECT_EQ(stopped, c.stopped);
        }
        if (c.args.find("--sort") != std::string::npos) {
            for (std::size_t i = 0; i + 1 < table.size(); ++i)
                EXPECT_FALSE(table[i][1] == "2" && table[i + 1][1] != "2") << "a row without the key before one with it";
        }
        std::string joined;
        for (int k = 1; k <= c.shards; ++k) {
            const Result part = run(base + " --shard " + std::to_string(k) + "/" + std::to_string(c.shards));
            ASSERT_EQ(part.status, 0) << part.err;
            joined += part.out;
        }
        if (c.shards > 0) {
            EXPECT_EQ(joined, r.out);
        }
    }
}

TEST_F(Sweep, InterruptKeepsThePreviousFile) {
    // Twelve million variants: the sweep is still running when it is interrupted.
    const fs::path out = dir_ / "out.csv";
    std::ofstream(out) << "the previous table\n";
    const std::string project = std::string(SOUKOLI_EXAMPLES) + "/default-external.PEV";
    const std::string file = out.string();
    const char* argv[] = {SOUKOLI_CLI, "sweep", project.c_str(), "--vary", "z1=21:44:1", "--vary", "x1=-0.4:0.9:0.01",
                          "--vary", "b1=20:60:0.01", "--csv", file.c_str(), nullptr};
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    // The temporary file beside the target shows that the sweep is writing.
    const auto temporaries = [&] {
        return std::count_if(fs::directory_iterator(dir_), fs::directory_iterator(),
                             [](const auto& e) { return e.path().filename().string().starts_with("out.csv.sweep-"); });
    };
    for (int i = 0; i < 1000 && temporaries() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(temporaries(), 1);
    kill(pid, SIGINT);
    int raw = 0;
    ASSERT_EQ(waitpid(pid, &raw, 0), pid);
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 130);
    EXPECT_EQ(slurp(out), "the previous table\n");
    EXPECT_EQ(temporaries(), 0);
}

// A tiny well-formedness check: every tag closes in order; returns the start tags met.
std::vector<std::string> xmlTags(const std::string& xml, bool& wellFormed) {
    std::vector<std::string> open, seen;
    wellFormed = true;
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const auto end = xml.find('>', at);
        if (end == std::string::npos) return wellFormed = false, seen;
        const std::string tag = xml.substr(at + 1, end - at - 1);
        if (tag[0] == '?') continue;
        const std::string name = tag.substr(tag[0] == '/', tag.find_first_of(" />", 1) - (tag[0] == '/'));
        if (tag[0] == '/') {
            if (open.empty() || open.back() != name) return wellFormed = false, seen;
            open.pop_back();
        } else {
            seen.push_back(tag);
            if (tag.back() != '/') open.push_back(name);
        }
    }
    wellFormed = wellFormed && open.empty();
    return seen;
}

TEST_F(Sweep, SvgChartHasACurvePerSeriesAndField) {
    const Result r = run("sweep " + example("default-external.PEV") +
                         " --vary z1=18:30:2 --vary x1=0,0.3 --plot chart.svg --x z1 --y SF1,SF2");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string svg = slurp(dir_ / "chart.svg");
    bool wellFormed = false;
    const auto tags = xmlTags(svg, wellFormed);
    ASSERT_TRUE(wellFormed);
    ASSERT_FALSE(tags.empty());
    EXPECT_EQ(tags.front().rfind("svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
    // z1 = 18 stops (status 2), so each curve starts at the second value: lines, not single dots.
    const auto polylines = std::count_if(tags.begin(), tags.end(), [](const auto& t) { return t.rfind("polyline", 0) == 0; });
    EXPECT_EQ(polylines, 4);
    for (const char* label : {">SF1, x1=0<", ">SF2, x1=0<", ">SF1, x1=0.3<", ">SF2, x1=0.3<", ">z1 [–]<", "SF1, SF2 [–]<"})
        EXPECT_NE(svg.find(label), std::string::npos) << label;
    EXPECT_GE(std::count_if(tags.begin(), tags.end(), [](const auto& t) { return t.rfind("text", 0) == 0; }), 12);
}

}  // namespace
