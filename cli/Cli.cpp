// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The command line of soukoli-cli and what it does with each project file, each step once: load
// (with the recomputation after loading), show the tab the project or the options ask for,
// switch the standard, type the --set entries into the windows, calculate, and print the results
// report or one JSON object. Nothing is recomputed between these steps.
#include "cli/Cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/CliUi.h"
#include "cli/Settings.h"
#include "cli/Sweep.h"
#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/ResultChecks.h"
#include "engine/Tabs.h"
#include "files/Clock.h"
#include "files/FileCommands.h"
#include "files/ProjectFile.h"
#include "files/Reports.h"

namespace soukoli::cli {

namespace {

struct Options {
    std::vector<std::string> files;
    bool json = false;
    bool full = false;
    bool simplified = false;
    std::string standard;
    std::vector<std::string> sets;
    std::string rim = "continue";
    std::string save;
    bool defaults = false;
    bool internal = false;
    std::string time;
};

constexpr const char* kDescription =
    "soukoli-cli - load capacity of a cylindrical gear pair after CSN 01 4686, without a display.\n"
    "\n"
    "Loads each project file (.PEV), runs the calculation it is set for (the simplified one when the\n"
    "project was saved from the second tab) and prints the results report as the .VYS file has it,\n"
    "or with --json one JSON object per file and line:\n"
    "  {\"file\", \"run_ok\", \"messages\": [{\"text\", \"caption\"}], \"dialogs\": [...], \"fields\": {...}}\n"
    "where \"fields\" holds every named field of the data set (ha1* as ha1_star, flags as booleans,\n"
    "angles in radians) and the texts MetodaVypoctu, Material1, Material2, Schema.\n"
    "Steps for each file, each once and in this order: load, show the tab (--full, --simplified),\n"
    "switch the standard (--standard), type the --set entries into the input windows, calculate.\n"
    "Messages of the calculation go to stderr in the order they arise.\n"
    "\n"
    "Exit status: 0 every run completed and every check passed; 1 a run completed but a stress\n"
    "reaches its permissible value or a safety factor is not above 1; 2 a run stopped on its input;\n"
    "3 usage error, unreadable project file or failed save. With several files the worst counts.\n"
    "\n"
    "soukoli-cli sweep PROJECT --vary NAME=FROM:TO:STEP ...: design variants, see soukoli-cli sweep --help.";

files::LocalTime parseTime(const std::string& text, bool& ok) {
    files::LocalTime t;
    ok = std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                     &t.second) == 6 &&
         t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 && t.hour < 24 &&
         t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60;
    return t;
}

// The data set as the program has it at start-up.
GearPairData startUpData(Ui& ui, bool internal) {
    GearPairData g;
    startNewProject(g, internal ? Toothing::Internal : Toothing::External, ui);
    return g;
}

nlohmann::ordered_json number(double v) {
    if (!std::isfinite(v)) return nullptr;
    return v;
}

nlohmann::ordered_json fieldsJson(const GearPairData& g) {
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const auto& f : numericFields()) {
        const std::string name = dataSetName(f.name);
        if (isFlag(f))
            fields[name] = readField(g, f) != 0;
        else if (isWholeNumber(f))
            fields[name] = static_cast<int>(readField(g, f));
        else
            fields[name] = number(readField(g, f));
    }
    fields["MetodaVypoctu"] = std::string(1, g.MetodaVypoctu);
    fields["Material1"] = g.Material1;
    fields["Material2"] = g.Material2;
    fields["Schema"] = g.Schema;
    nlohmann::ordered_json Fj = nlohmann::ordered_json::array(), Nj = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < std::min<std::size_t>(g.j, kMaxLoadLevels); ++i) {
        Fj.push_back(number(g.Fj[i]));
        Nj.push_back(number(g.Nj[i]));
    }
    fields["Fj"] = std::move(Fj);
    fields["Nj"] = std::move(Nj);
    return fields;
}

class Runner {
public:
    Runner(const Options& o, std::ostream& out, std::ostream& err, const files::Clock& clock)
        : o_(o), out_(out), err_(err), clock_(clock) {}

    int runFile(const std::string& file) {
        CliUi ui(err_, o_.rim == "continue");
        GearPairData g = startUpData(ui, false);
        const auto loaded = files::loadProject(g, std::filesystem::path(file), ui);
        if (loaded.status != files::LoadStatus::Loaded) {
            err_ << "soukoli-cli: " << file << ": " << loaded.reason << '\n';
            emitJson(file, false, ui, nullptr);
            return kUsageError;
        }
        showTabAndStandard(g, o_.simplified ? Tab::Simplified : o_.full ? Tab::Full : Tab::AsSaved, o_.standard);

        std::vector<Setting> settings;
        std::string error;
        for (const auto& text : o_.sets) {
            Setting s;
            if (!parseSetting(text, s, error)) return usage(file, error, ui);
            settings.push_back(std::move(s));
        }
        if (!applySettings(g, settings, ui, error)) return usage(file, error, ui);

        runCalculation(g, ui);

        int status = !g.runFlag ? kRunStopped : anyCheckFails(g) ? kCheckFailed : kAllPassed;
        if (o_.json)
            emitJson(file, g.runFlag, ui, &g);
        else if (g.runFlag)
            for (const auto& line : files::resultsReportLines(g, clock_.now(), files::saveNamesFor(file).results.string()))
                out_ << line << '\n';
        if (!o_.save.empty()) {
            // A failure is on stderr already, with its Czech reason; the detail says which call failed.
            const auto saved = files::saveProject(g, std::filesystem::path(o_.save), ui, clock_);
            if (!saved.ok()) {
                if (!saved.detail.empty()) err_ << "soukoli-cli: " << saved.detail << '\n';
                status = kUsageError;
            }
        }
        return status;
    }

private:
    int usage(const std::string& file, const std::string& error, CliUi& ui) {
        err_ << "soukoli-cli: " << file << ": " << error << '\n';
        emitJson(file, false, ui, nullptr);
        return kUsageError;
    }

    void emitJson(const std::string& file, bool runOk, const CliUi& ui, const GearPairData* g) {
        if (!o_.json) return;
        nlohmann::ordered_json j;
        j["file"] = file;
        j["run_ok"] = runOk;
        j["messages"] = nlohmann::ordered_json::array();
        for (const auto& m : ui.messages()) j["messages"].push_back({{"text", m.text}, {"caption", m.caption}});
        j["dialogs"] = ui.dialogs();
        j["fields"] = g ? fieldsJson(*g) : nlohmann::ordered_json::object();
        out_ << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    }

    const Options& o_;
    std::ostream& out_;
    std::ostream& err_;
    const files::Clock& clock_;
};

int writeDefaults(const Options& o, std::ostream& err) {
    CliUi ui(err, true);
    GearPairData g = startUpData(ui, o.internal);
    // A new start with the entries typed into the windows, as saved before any calculation.
    showTabAndStandard(g, o.simplified ? Tab::Simplified : Tab::AsSaved, o.standard);
    std::vector<Setting> settings;
    std::string error;
    for (const auto& text : o.sets) {
        Setting s;
        if (!parseSetting(text, s, error)) return err << "soukoli-cli: " << error << "\n", kUsageError;
        settings.push_back(std::move(s));
    }
    if (!applySettings(g, settings, ui, error)) return err << "soukoli-cli: " << error << "\n", kUsageError;
    const auto written = files::writeProjectFile(g, std::filesystem::path(o.files.front()));
    if (!written.ok()) {
        err << "soukoli-cli: " << o.files.front() << ": " << written.reason << " (" << written.detail << ")\n";
        return kUsageError;
    }
    return kAllPassed;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc >= 2 && std::string_view(argv[1]) == "sweep") return runSweep(argc - 1, argv + 1, out, err);
    Options o;
    CLI::App app(kDescription, "soukoli-cli");
    app.add_option("files", o.files, "Project files (.PEV) to calculate");
    app.add_flag("--json", o.json, "Print one JSON object per file instead of the results report");
    auto* full = app.add_flag("--full", o.full, "Run the full calculation, whatever the project was saved as");
    auto* simplified =
        app.add_flag("--simplified", o.simplified, "Run the simplified calculation, whatever the project was saved as");
    full->excludes(simplified);
    app.add_option("--standard", o.standard, "Calculation standard: csn, din-b or din-c")
        ->check(CLI::IsMember({"csn", "din-b", "din-c"}));
    app.add_option("--set", o.sets,
                   "NAME=VALUE: type a value into the input window that shows NAME, in the order given "
                   "(repeatable; ha1* or ha1_star; angles in radians or with the suffix deg; flags 0/1; texts "
                   "MetodaVypoctu, Material1, Material2, Schema; spectrum j, Fj[i], Nj[i]). Each entry follows its "
                   "window's rule and recomputes what the window recomputes; consecutive settings of one window "
                   "end with its Ok and its checks. Options (MetodaVypoctu, ZadaniSil, SilyF, NKvCyklech, "
                   "KHbeta sources, standards, spectrum form, solid gears, Schema) act as the window's buttons. "
                   "A refused entry or Ok stops with the window's message; a field the window does not show "
                   "in the current mode names the setting it needs")
        ->allow_extra_args(false);
    app.add_option("--rim", o.rim, "Answer to the thin-rim warning: continue (default) or fix")
        ->check(CLI::IsMember({"continue", "fix"}));
    app.add_option("--save", o.save,
                   "Save the project after the calculation as the program does: input report under NAME, "
                   "NAME.PEV and NAME.VYS (one project file only)");
    auto* defaults = app.add_flag("--defaults", o.defaults,
                                  "--defaults [--internal] [--simplified] [--standard S] [--set N=V ...] OUT.PEV: write the project of "
                                  "a new program start, with the settings typed into its windows (no calculation)");
    app.add_flag("--internal", o.internal, "With --defaults: the defaults of internal toothing")->needs(defaults);
    app.add_option("--time", o.time, "Time printed in the reports, \"YYYY-MM-DD HH:MM:SS\" (default: now)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kAllPassed;
    } catch (const CLI::ParseError& e) {
        err << "soukoli-cli: " << e.what() << "\nRun with --help for more information.\n";
        return kUsageError;
    }

    if (o.defaults) {
        if (o.files.size() != 1 || !o.save.empty() || o.json || o.full) {
            err << "soukoli-cli: --defaults takes exactly one output file, and only --internal, --simplified, "
                   "--standard and --set beside it\n";
            return kUsageError;
        }
        return writeDefaults(o, err);
    }
    if (o.files.empty()) {
        err << "soukoli-cli: no project file given\nRun with --help for more information.\n";
        return kUsageError;
    }
    if (!o.save.empty() && o.files.size() != 1) {
        err << "soukoli-cli: --save takes exactly one project file\n";
        return kUsageError;
    }
    if (!o.save.empty() && files::saveNameIsFolder(o.save)) {
        err << "soukoli-cli: --save " << o.save << ": names a folder, not a file\n";
        return kUsageError;
    }

    std::unique_ptr<files::Clock> clock;
    if (o.time.empty()) {
        clock = std::make_unique<files::SystemClock>();
    } else {
        bool ok = false;
        const files::LocalTime t = parseTime(o.time, ok);
        if (!ok) {
            err << "soukoli-cli: --time takes \"YYYY-MM-DD HH:MM:SS\"\n";
            return kUsageError;
        }
        clock = std::make_unique<files::FixedClock>(t);
    }

    Runner runner(o, out, err, *clock);
    int worst = kAllPassed;
    for (const auto& file : o.files) worst = std::max(worst, runner.runFile(file));
    return worst;
}

}  // namespace soukoli::cli
