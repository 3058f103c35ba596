// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli-cli sweep (its grammar in SweepGrammar.cpp, its output file in SweepOutput.cpp). The
// project is loaded once; each variant is a copy of it with the varied entries applied as `--set`
// applies them (a worker keeps what consecutive variants share), then calculated. Threads take
// chunks of consecutive variants from an atomic counter and fill a ring of chunk buffers; the main
// thread writes the chunks in order, so the output follows the product whatever the thread count,
// and memory stays bounded by the ring, not by the number of variants.
#include "cli/Sweep.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <limits>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "cli/Cli.h"
#include "cli/CliUi.h"
#include "cli/Settings.h"
#include "cli/SvgPlot.h"
#include "cli/SweepOutput.h"
#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/Numbers.h"
#include "engine/ResultChecks.h"
#include "engine/Tabs.h"
#include "files/FileCommands.h"

namespace soukoli::cli {

namespace {

constexpr std::size_t kChunk = 128;  // variants per chunk: a few hundred µs of work per hand-over
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr const char* kDescription =
    "soukoli-cli sweep - the project calculated for every combination of the varied inputs.\n"
    "\n"
    "Each variant is the loaded project with the --set entries and one value of each --vary applied\n"
    "by the rules of --set, so a row equals `soukoli-cli --json PROJECT --set ...` for its values.\n"
    "The first --vary changes slowest. Columns: the varied names as given, status (0 every check\n"
    "passed, 1 a check fails, 2 the run stopped or an entry was refused: its fields are empty), the\n"
    "fields. --where never holds and --sort never ranks on an empty field (such rows come last, and\n"
    "--limit leaves them out). A file is written beside its name and renamed over it at the end.\n"
    "\n"
    "Exit status: 0 the table was written (whatever the rows' status), 3 usage error, unreadable\n"
    "project or an output that cannot be written, 130 interrupted (Ctrl-C; 143 on TERM): an output\n"
    "file is then left as it was.";

std::string printed(std::string_view name) {
    constexpr std::string_view star = "_star";
    if (name.size() > star.size() && name.ends_with(star))
        return std::string(name.substr(0, name.size() - star.size())) + "*";
    return std::string(name);
}

void appendNumber(std::string& s, double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, r.ptr);
}

std::string csvQuoted(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string q = "\"";
    for (const char c : text) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string jsonString(std::string_view text) {
    return nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The user of one worker thread: no terminal, messages kept only when asked for.
class SweepUi : public Ui {
public:
    SweepUi(bool continueOnThinRim, bool keepMessages) : continue_(continueOnThinRim), keep_(keepMessages) {}
    using Ui::message;
    void message(std::string_view text, std::string_view, MessageIcon) override {
        if (keep_) messages.emplace_back(text);
    }
    bool rimWarningContinue(Gear gear) override {
        if (keep_)
            messages.emplace_back(gear == Gear::Pinion ? "Rozměr sr1 je menší než doporučuje norma."
                                                       : "Rozměr sr2 je menší než doporučuje norma.");
        return continue_;
    }
    void openDialog(DialogId, Modality) override {}
    void setActiveField(DialogId, int) override {}

    std::vector<std::string> messages;

private:
    bool continue_;
    bool keep_;
};

struct Options {
    std::string project;
    std::vector<std::string> vary, fields, where, sets, y;
    std::string sort, csv = "-", json, plot, x, standard, rim = "continue", limit, shard;
    unsigned threads = 0;
    bool full = false, simplified = false, messages = false, jsonGiven = false;
};

// Where a column, a condition or the sort key takes its value from.
struct Column {
    enum class Source { Axis, Status, Field } source = Source::Field;
    std::size_t axis = 0;
    const NumericField* field = nullptr;
};

// Where a worker stands after the fixed entries and the values of the first varied inputs.
struct Prefix {
    GearPairData g;
    SettingsEntry entry;                // the windows still open
    std::vector<std::string> messages;  // kept with --messages
    bool ok = true;                     // false: an entry was refused, with `error`
    std::string error;
    std::size_t digit = std::numeric_limits<std::size_t>::max();  // the value of its input, none yet
};

struct Plan {
    GearPairData base;
    std::vector<Setting> settings;  // the --set entries
    Prefix start;                   // the project with them entered
    std::vector<VaryAxis> axes;
    std::vector<std::vector<std::string>> shownValues;  // per axis and value: as written in a row
    std::vector<std::string> fieldNames;
    std::vector<const NumericField*> fields;
    std::vector<std::string> fieldKeys;  // JSON: ,"SF1":
    std::vector<Condition> where;
    std::vector<Column> whereColumns;
    std::optional<Column> sort;
    bool descending = false;
    bool json = false;
    bool messages = false;
    bool continueOnRim = true;
    std::size_t total = 0;           // variants of the whole product
    std::size_t first = 0, end = 0;  // the variants of this part (--shard)
    bool header = true;
    std::size_t limit = 0;           // 0: every row
    // The plot: x axis, the axis of the curves (or none) and the plotted fields.
    bool plot = false;
    std::size_t plotX = 0;
    std::optional<std::size_t> plotSeries;
    std::vector<const NumericField*> plotY;
    std::vector<std::string> plotYNames;
};

struct SortEntry {
    double key = 0;
    std::size_t index = 0;
    std::size_t begin = 0, end = 0;  // the row's line in the chunk text
};

struct ChunkOut {
    std::string text;
    std::size_t rows = 0;
    std::vector<SortEntry> sorted;
    std::vector<double> plot;  // per row: x, curve set, then one value per plotted field
    std::size_t chunk = 0;
    bool ready = false;
};

// A worker keeps the state after each varied input but the last, and before the last value with
// its window in front: consecutive variants share all but the last value, so mostly only the
// last entry and the Ok after it are made again, the rest copied.
struct Worker {
    GearPairData g;
    SettingsEntry entry;
    SweepUi ui;
    std::vector<Prefix> levels;  // per varied input but the last, then the one before the last value
    std::vector<std::size_t> digits;
    std::string error;
};

std::optional<Column> resolve(const Plan& plan, const std::string& name) {
    const std::string p = printed(name);
    for (std::size_t i = 0; i < plan.axes.size(); ++i)
        if (printed(plan.axes[i].name) == p) return Column{Column::Source::Axis, i, nullptr};
    if (name == "status") return Column{Column::Source::Status, 0, nullptr};
    if (const NumericField* f = findNumericField(p)) return Column{Column::Source::Field, 0, f};
    return std::nullopt;
}

// A field as the JSON output of --json writes it: flags true/false, whole-number fields as
// integers, a value that is not finite as null.
void appendField(std::string& s, const GearPairData& g, const NumericField& f, bool json) {
    const double v = readField(g, f);
    if (isFlag(f))
        s += json ? (v != 0 ? "true" : "false") : (v != 0 ? "1" : "0");
    else if (!std::isfinite(v))
        s += json ? "null" : "";
    else
        appendNumber(s, v);
}

// Checks a varied value the way --set reads it, without the entry rules: a value that cannot be
// read is a mistake of the command line; a value the rules refuse is a row with status 2.
bool checkValue(const Plan& plan, const std::string& name, const std::string& value, std::string& error) {
    const std::string p = printed(name);
    const std::string what = "--vary " + name + ": ";
    if (p == "MetodaVypoctu" || p == "Schema" || p == "Material1" || p == "Material2") {
        GearPairData g = plan.base;
        SweepUi ui(true, false);
        if (!applySettings(g, {Setting{p, value}}, ui, error)) return error = what + error, false;
        return true;
    }
    if (std::size_t step = 0; levelStepOfName(p, step)) {
        if (step == 0) return error = what + "the steps of a spectrum are numbered 1 to 20", false;
        const NumberParse n = parseNumber(value);
        if (!n.ok() || !std::isfinite(n.value)) return error = what + "unreadable value '" + value + "'", false;
        return true;
    }
    const NumericField* f = findNumericField(p);
    if (f == nullptr) return error = what + "unknown field '" + name + "'", false;
    if (isFlag(*f)) {
        if (value != "0" && value != "1" && value != "true" && value != "false")
            return error = what + "a flag takes 0, 1, true or false, not '" + value + "'", false;
        return true;
    }
    std::string_view v = value;
    if (p == "Alfan" || p == "Beta") stripDegrees(v);
    const NumberParse n = parseNumber(v);
    if (!n.ok() || !std::isfinite(n.value)) return error = what + "unreadable value '" + value + "'", false;
    GearPairData scratch = plan.base;
    if (!writeField(scratch, *f, n.value)) return error = what + "'" + value + "' is not a whole number in range", false;
    return true;
}

int usage(std::ostream& err, const std::string& text) {
    err << "soukoli-cli sweep: " << text << "\nRun soukoli-cli sweep --help for more information.\n";
    return kUsageError;
}

// "N": a whole number from 1 on, as a count of rows or parts is written.
bool readCount(std::string_view text, std::size_t& n) {
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && n >= 1;
}

// --shard K/N: the K-th of N nearly equal runs of consecutive variants, so that the parts joined
// in order are the whole product in its order.
int planShard(const Options& o, Plan& plan, std::ostream& err) {
    plan.first = 0;
    plan.end = plan.total;
    if (o.shard.empty()) return kAllPassed;
    constexpr std::size_t kMaxShards = 1'000'000;
    const auto slash = o.shard.find('/');
    std::size_t k = 0, n = 0;
    if (slash == std::string::npos || !readCount(std::string_view(o.shard).substr(0, slash), k) ||
        !readCount(std::string_view(o.shard).substr(slash + 1), n) || k > n || n > kMaxShards)
        return usage(err, "--shard takes K/N with 1 <= K <= N <= 1000000, not '" + o.shard + "'");
    // Sorting, cutting and plotting need the whole table; a part of it would mislead.
    if (!o.sort.empty() || !o.limit.empty() || !o.plot.empty())
        return usage(err, "--shard goes without --sort, --limit and --plot: join the parts first, then sort or cut "
                          "them (e.g. sort -t, -k4,4gr all.csv | head)");
    plan.first = plan.total / n * (k - 1) + plan.total % n * (k - 1) / n;
    plan.end = plan.total / n * k + plan.total % n * k / n;
    plan.header = k == 1;
    return kAllPassed;
}

// Builds the plan from the options: loads the project, checks every name and value.
int makePlan(const Options& o, Plan& plan, std::ostream& err) {
    CliUi loadUi(err, o.rim == "continue");
    plan.base.TypSoukoli = Toothing::External;
    resetToDefaults(plan.base, loadUi);
    const auto loaded = files::loadProject(plan.base, std::filesystem::path(o.project), loadUi);
    if (loaded.status != files::LoadStatus::Loaded) {
        err << "soukoli-cli sweep: " << o.project << ": " << loaded.reason << '\n';
        return kUsageError;
    }
    showTabAndStandard(plan.base, o.simplified ? Tab::Simplified : o.full ? Tab::Full : Tab::AsSaved, o.standard);

    std::string error;
    for (const auto& text : o.sets) {
        Setting s;
        if (!parseSetting(text, s, error)) return usage(err, error);
        plan.settings.push_back(std::move(s));
    }
    {
        // The fixed entries alone must be accepted, or every row would only say so.
        GearPairData g = plan.base;
        SweepUi ui(true, false);
        if (!plan.settings.empty() && !applySettings(g, plan.settings, ui, error)) return usage(err, "--set: " + error);
    }

    for (const auto& text : o.vary) {
        VaryAxis axis;
        if (!parseVary(text, axis, error)) return usage(err, error);
        for (const auto& other : plan.axes)
            if (printed(other.name) == printed(axis.name)) return usage(err, "--vary " + axis.name + " is given twice");
        for (const auto& v : axis.values)
            if (!checkValue(plan, axis.name, v, error)) return usage(err, error);
        plan.axes.push_back(std::move(axis));
    }
    plan.total = productSize(plan.axes, kMaxSweepVariants);
    if (plan.total == 0) return usage(err, "more than " + std::to_string(kMaxSweepVariants) + " variants");
    if (!o.limit.empty() && !readCount(o.limit, plan.limit))
        return usage(err, "--limit takes a whole number of rows from 1 on, not '" + o.limit + "'");
    if (const int status = planShard(o, plan, err); status != kAllPassed) return status;

    plan.json = o.jsonGiven;
    for (const auto& a : plan.axes) {
        std::vector<std::string> shown;
        for (std::size_t i = 0; i < a.values.size(); ++i) {
            const bool plain = std::isfinite(a.numbers[i]) && !a.values[i].ends_with("deg");
            if (!plan.json)
                shown.push_back(csvQuoted(a.values[i]));
            else if (plain) {
                std::string n;
                appendNumber(n, a.numbers[i]);
                shown.push_back(n);
            } else
                shown.push_back(jsonString(a.values[i]));
        }
        plan.shownValues.push_back(std::move(shown));
    }

    const std::vector<std::string> fieldNames =
        o.fields.empty() ? std::vector<std::string>{"SF1", "SF2", "SH1", "SH2"} : o.fields;
    for (const auto& name : fieldNames) {
        const NumericField* f = findNumericField(printed(name));
        if (f == nullptr) return usage(err, "--fields: unknown field '" + name + "'");
        plan.fieldNames.push_back(name);
        plan.fields.push_back(f);
        plan.fieldKeys.push_back("," + jsonString(dataSetName(f->name)) + ":");
    }
    for (const auto& text : o.where) {
        Condition c;
        if (!parseCondition(text, c, error)) return usage(err, error);
        const auto column = resolve(plan, c.field);
        if (!column) return usage(err, "--where " + text + ": unknown field '" + c.field + "'");
        plan.where.push_back(c);
        plan.whereColumns.push_back(*column);
    }
    if (!o.sort.empty()) {
        plan.descending = o.sort[0] == '-';
        const std::string name = plan.descending ? o.sort.substr(1) : o.sort;
        plan.sort = resolve(plan, name);
        if (!plan.sort) return usage(err, "--sort: unknown field '" + name + "'");
    }
    plan.messages = o.messages;
    plan.continueOnRim = o.rim == "continue";

    if (!o.plot.empty()) {
        plan.plot = true;
        if (o.x.empty() || o.y.empty()) return usage(err, "--plot needs --x NAME and --y FIELD[,FIELD...]");
        const auto x = resolve(plan, o.x);
        if (!x || x->source != Column::Source::Axis) return usage(err, "--x " + o.x + ": not a varied input");
        plan.plotX = x->axis;
        for (const double v : plan.axes[plan.plotX].numbers)
            if (!std::isfinite(v)) return usage(err, "--x " + o.x + ": its values are not all numbers");
        for (std::size_t i = 0; i < plan.axes.size(); ++i) {
            if (i == plan.plotX || plan.axes[i].values.size() < 2) continue;
            if (plan.plotSeries) return usage(err, "--plot draws over --x and at most one more varied input");
            plan.plotSeries = i;
        }
        for (const auto& name : o.y) {
            const NumericField* f = findNumericField(printed(name));
            if (f == nullptr) return usage(err, "--y: unknown field '" + name + "'");
            plan.plotY.push_back(f);
            plan.plotYNames.push_back(name);
        }
    } else if (!o.x.empty() || !o.y.empty()) {
        return usage(err, "--x and --y belong to --plot");
    }

    plan.start.g = plan.base;
    SweepUi ui(plan.continueOnRim, plan.messages);
    for (const auto& setting : plan.settings)
        if (!plan.start.entry.apply(plan.start.g, setting, ui, error)) return usage(err, "--set: " + error);
    plan.start.messages = std::move(ui.messages);
    return kAllPassed;
}

// Level k of the worker from the one before: the state after varied input k with its value in
// w.digits or, for the last input, the state before it with its window in front (what every
// value of it starts from).
void makeLevel(const Plan& plan, std::size_t k, Worker& w) {
    const bool beforeLast = k + 1 == plan.axes.size();
    const Prefix& from = k == 0 ? plan.start : w.levels[k - 1];
    Prefix& to = w.levels[k];
    to.g = from.g;
    to.entry = from.entry;
    to.ok = from.ok;
    to.error = from.error;
    to.digit = beforeLast ? 0 : w.digits[k];
    w.ui.messages = from.messages;
    const Setting setting{plan.axes[k].name, plan.axes[k].values[to.digit]};
    if (to.ok)
        to.ok = beforeLast ? to.entry.prepare(to.g, setting, w.ui, to.error) : to.entry.apply(to.g, setting, w.ui, to.error);
    to.messages = w.ui.messages;
}

// Enters the variant in w.digits into w.g as applySettings would enter the --set entries and
// the varied values in one go; false with w.error when an entry is refused.
bool enterVariant(const Plan& plan, Worker& w) {
    const std::size_t last = plan.axes.size() - 1;
    bool stale = w.levels[last].digit != 0;  // never made
    for (std::size_t k = 0; k < last; ++k) {
        stale = stale || w.levels[k].digit != w.digits[k];
        if (stale) makeLevel(plan, k, w);
    }
    if (stale) makeLevel(plan, last, w);
    const Prefix& from = w.levels[last];
    w.g = from.g;
    w.entry = from.entry;
    w.ui.messages = from.messages;
    w.error = from.error;
    if (!from.ok) return false;
    return w.entry.apply(w.g, {plan.axes[last].name, plan.axes[last].values[w.digits[last]]}, w.ui, w.error) &&
           w.entry.finish(w.g, w.ui, w.error);
}

// `computed`: the entries were accepted and the run completed; otherwise a field has no value.
double columnValue(const Plan& plan, const Column& c, const Worker& w, bool computed, int status) {
    switch (c.source) {
        case Column::Source::Axis: return plan.axes[c.axis].numbers[w.digits[c.axis]];
        case Column::Source::Status: return status;
        case Column::Source::Field: return computed ? readField(w.g, *c.field) : kNaN;
    }
    return kNaN;
}

// One variant: set up, calculate, filter and append its row to the chunk.
void runVariant(const Plan& plan, std::size_t index, Worker& w, ChunkOut& out) {
    for (std::size_t k = plan.axes.size(), rest = index; k-- > 0;) {
        w.digits[k] = rest % plan.axes[k].values.size();
        rest /= plan.axes[k].values.size();
    }
    const bool ok = enterVariant(plan, w);
    int status = kRunStopped;
    if (ok) {
        static const NumericField* const simplified = findNumericField("Zjednoduseny");
        static const NumericField* const runFlag = findNumericField("runFlag");
        if (readField(w.g, *simplified) != 0)
            runSimplifiedCalculation(w.g, w.ui);
        else
            runFullCalculation(w.g, w.ui);
        status = readField(w.g, *runFlag) == 0 ? kRunStopped : anyCheckFails(w.g) ? kCheckFailed : kAllPassed;
    }
    // What a stopped run left in the data set are not its results: its fields stay empty, and
    // neither --where nor --sort can pick it by them.
    const bool computed = status != kRunStopped;
    for (std::size_t i = 0; i < plan.where.size(); ++i)
        if (!plan.where[i].holds(columnValue(plan, plan.whereColumns[i], w, computed, status))) return;

    std::string& s = out.text;
    const std::size_t begin = s.size();
    if (plan.json) {
        s += '{';
        for (std::size_t k = 0; k < plan.axes.size(); ++k) {
            if (k) s += ',';
            s += '"';
            s += plan.axes[k].name;
            s += "\":";
            s += plan.shownValues[k][w.digits[k]];
        }
        s += plan.axes.empty() ? "\"status\":" : ",\"status\":";
        s += static_cast<char>('0' + status);
        for (std::size_t f = 0; f < plan.fields.size(); ++f) {
            s += plan.fieldKeys[f];
            if (computed)
                appendField(s, w.g, *plan.fields[f], true);
            else
                s += "null";
        }
        if (plan.messages) {
            s += ",\"messages\":[";
            for (std::size_t m = 0; m < w.ui.messages.size(); ++m) {
                if (m) s += ',';
                s += jsonString(w.ui.messages[m]);
            }
            // A refused entry ends the list with its reason: after a comma only behind a message.
            if (!ok) {
                if (!w.ui.messages.empty()) s += ',';
                s += jsonString(w.error);
            }
            s += ']';
        }
        s += "}\n";
    } else {
        for (std::size_t k = 0; k < plan.axes.size(); ++k) {
            s += plan.shownValues[k][w.digits[k]];
            s += ',';
        }
        s += static_cast<char>('0' + status);
        for (const NumericField* f : plan.fields) {
            s += ',';
            if (computed) appendField(s, w.g, *f, false);
        }
        s += '\n';
    }
    ++out.rows;
    if (plan.sort) out.sorted.push_back({columnValue(plan, *plan.sort, w, computed, status), index, begin, s.size()});
    if (plan.plot) {
        out.plot.push_back(plan.axes[plan.plotX].numbers[w.digits[plan.plotX]]);
        out.plot.push_back(plan.plotSeries ? static_cast<double>(w.digits[*plan.plotSeries]) : 0.0);
        // A run that stopped leaves a gap in its curves.
        for (const NumericField* f : plan.plotY) out.plot.push_back(computed ? readField(w.g, *f) : kNaN);
    }
}

struct SortedRow {
    double key;
    std::size_t index;
    std::string line;
};

// Sort order: by key (ascending or descending), rows without a value last, ties in product order.
struct SortOrder {
    bool descending;
    bool operator()(const SortedRow& a, const SortedRow& b) const {
        const bool an = std::isnan(a.key), bn = std::isnan(b.key);
        if (an != bn) return bn;
        if (!an && a.key != b.key) return descending ? a.key > b.key : a.key < b.key;
        return a.index < b.index;
    }
};

std::string header(const Plan& plan) {
    std::string s;
    for (const auto& a : plan.axes) s += csvQuoted(a.name) + ",";
    s += "status";
    for (const auto& f : plan.fieldNames) s += "," + csvQuoted(f);
    return s + "\n";
}

int writePlot(const Plan& plan, const std::vector<double>& points, const std::string& project, const std::string& file,
              std::ostream& err) {
    const std::size_t stride = 2 + plan.plotY.size();
    const std::size_t sets = plan.plotSeries ? plan.axes[*plan.plotSeries].values.size() : 1;
    PlotChart chart;
    const auto& xAxis = plan.axes[plan.plotX];
    const bool xDegrees = xAxis.values.front().ends_with("deg");
    const std::string xUnit = unitOf(printed(xAxis.name), xDegrees);
    chart.xTitle = xAxis.name + (xUnit.empty() ? "" : " [" + xUnit + "]");
    std::string yUnit = unitOf(printed(plan.plotYNames.front()), false);
    for (const auto& n : plan.plotYNames) {
        if (unitOf(printed(n), false) != yUnit) yUnit.clear();
        chart.yTitle += (chart.yTitle.empty() ? "" : ", ") + n;
    }
    if (!yUnit.empty()) chart.yTitle += " [" + yUnit + "]";
    chart.title = std::filesystem::path(project).filename().string();
    for (std::size_t set = 0; set < sets; ++set)
        for (const auto& y : plan.plotYNames) {
            PlotCurve c;
            c.label = y;
            if (plan.plotSeries)
                c.label += ", " + plan.axes[*plan.plotSeries].name + "=" + plan.axes[*plan.plotSeries].values[set];
            chart.curves.push_back(std::move(c));
        }
    for (std::size_t at = 0; at + stride <= points.size(); at += stride) {
        const auto set = static_cast<std::size_t>(points[at + 1]);
        for (std::size_t y = 0; y < plan.plotY.size(); ++y)
            chart.curves[set * plan.plotY.size() + y].points.emplace_back(points[at], points[at + 2 + y]);
    }
    for (auto& c : chart.curves)
        std::stable_sort(c.points.begin(), c.points.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    ReplacingFile svg;
    std::string error;
    if (svg.open(file, error)) {
        svg.stream() << renderSvg(chart);
        if (svg.commit(error)) return kAllPassed;
    }
    err << "soukoli-cli sweep: " << error << '\n';
    return kUsageError;
}

// Calculates the variants of the plan's part on `threads` threads (0: every core) and writes
// their rows to `dest` in product order (sorted and cut when asked). False when a signal stopped
// it: the rows written so far are not the table.
bool writeRows(const Plan& plan, unsigned threads, std::ostream& dest, std::vector<double>& plotPoints,
               std::ostream& err, const InterruptCatcher& interrupt) {
    const std::size_t count = plan.end - plan.first;
    const std::size_t chunks = (count + kChunk - 1) / kChunk;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threadCount = std::min<std::size_t>(threads ? threads : cores, chunks);
    const std::size_t ring = std::max<std::size_t>(8, 4 * threadCount);
    std::vector<ChunkOut> slots(ring);
    std::mutex mutex;
    std::condition_variable chunkReady, slotFree;
    std::size_t written = 0;  // chunks the writer has taken out of the ring
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};

    const auto work = [&] {
        Worker w{plan.base, {}, SweepUi(plan.continueOnRim, plan.messages), std::vector<Prefix>(plan.axes.size()),
                 std::vector<std::size_t>(plan.axes.size()), {}};
        for (;;) {
            const std::size_t c = next.fetch_add(1);
            if (c >= chunks || stop) return;
            {
                std::unique_lock lock(mutex);
                slotFree.wait(lock, [&] { return c < written + ring || stop; });
                if (stop) return;
            }
            ChunkOut& slot = slots[c % ring];
            slot.text.clear();
            slot.rows = 0;
            slot.sorted.clear();
            slot.plot.clear();
            const std::size_t end = std::min(plan.end, plan.first + (c + 1) * kChunk);
            for (std::size_t i = plan.first + c * kChunk; i < end && !stop; ++i) runVariant(plan, i, w, slot);
            {
                std::lock_guard lock(mutex);
                slot.chunk = c;
                slot.ready = true;
            }
            chunkReady.notify_one();
        }
    };
    std::vector<std::thread> workers;
    for (std::size_t t = 0; t < threadCount; ++t) workers.emplace_back(work);

    Progress progress(err, count);
    const bool limited = plan.limit > 0;
    std::size_t rowsOut = 0;
    std::vector<SortedRow> sorted;  // with --limit a heap of the best rows so far
    std::vector<SortedRow> keyless;  // rows without the sort field: after the sorted ones
    const SortOrder order{plan.descending};
    for (std::size_t c = 0; c < chunks && !stop; ++c) {
        ChunkOut& slot = slots[c % ring];
        {
            std::unique_lock lock(mutex);
            while (!(slot.ready && slot.chunk == c) && interrupt.caught() == 0) {
                chunkReady.wait_for(lock, std::chrono::milliseconds(250));
                progress.update(c * kChunk);
            }
        }
        if (interrupt.caught() != 0) break;
        if (plan.sort) {
            for (const auto& e : slot.sorted) {
                SortedRow row{e.key, e.index, slot.text.substr(e.begin, e.end - e.begin)};
                if (std::isnan(e.key)) {
                    // A row without the field is never among the first N of --limit.
                    if (!limited) keyless.push_back(std::move(row));
                    continue;
                }
                sorted.push_back(std::move(row));
                if (limited) {
                    std::push_heap(sorted.begin(), sorted.end(), order);
                    if (sorted.size() > plan.limit) {
                        std::pop_heap(sorted.begin(), sorted.end(), order);
                        sorted.pop_back();
                    }
                }
            }
        } else if (limited && rowsOut + slot.rows >= plan.limit) {
            std::size_t cut = 0;
            for (std::size_t n = 0; n < plan.limit - rowsOut; ++n) cut = slot.text.find('\n', cut) + 1;
            dest.write(slot.text.data(), static_cast<std::streamsize>(cut));
            rowsOut = plan.limit;
            if (!plan.plot) stop = true;
        } else if (!limited || rowsOut < plan.limit) {
            dest.write(slot.text.data(), static_cast<std::streamsize>(slot.text.size()));
            rowsOut += slot.rows;
        }
        plotPoints.insert(plotPoints.end(), slot.plot.begin(), slot.plot.end());
        {
            std::lock_guard lock(mutex);
            slot.ready = false;
            written = c + 1;
        }
        slotFree.notify_all();
        progress.update((c + 1) * kChunk);
    }
    {
        std::lock_guard lock(mutex);
        stop = true;
    }
    slotFree.notify_all();
    for (auto& t : workers) t.join();
    progress.finish(std::min(count, written * kChunk));
    if (interrupt.caught() != 0) return false;

    if (plan.sort) {
        std::sort(sorted.begin(), sorted.end(), order);
        for (const auto& r : sorted) dest << r.line;
        for (const auto& r : keyless) dest << r.line;
    }
    return true;
}

}  // namespace

int runSweep(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    Options o;
    CLI::App app(kDescription, "soukoli-cli sweep");
    app.add_option("project", o.project, "The project file (.PEV)")->required();
    app.add_option("--vary", o.vary,
                   "NAME=FROM:TO:STEP or NAME=V1,V2,...: values of an input, as --set takes them (repeatable; "
                   "ranges include both ends; angles with deg on both ends, e.g. Beta=0deg:20deg:5)")
        ->required();
    app.add_option("--fields", o.fields, "F1,F2,...: result fields to write, as --json names them (default SF1,SF2,SH1,SH2)")
        ->delimiter(',');
    app.add_option("--where", o.where,
                   "FIELD<VALUE, <=, >, >=, ==, !=: keep only the variants for which it holds (repeatable; all must "
                   "hold; FIELD may be any field, a varied input or status)");
    app.add_option("--sort", o.sort, "FIELD or -FIELD (write --sort=-FIELD): order of the rows, descending with -");
    app.add_option("--limit", o.limit, "At most N rows (N >= 1); with --sort the first N that have the sort field");
    app.add_option("--shard", o.shard,
                   "K/N: only the K-th of N consecutive parts of the variants; the N outputs joined in order are the "
                   "whole table (the CSV header comes with part 1); not with --sort, --limit or --plot");
    auto* csv = app.add_option("--csv", o.csv, "Write CSV to FILE, - for stdout (the default)");
    auto* json = app.add_option("--json", o.json, "Write one JSON object per row to FILE (- or nothing: stdout)")
                     ->expected(0, 1);
    csv->excludes(json);
    app.add_option("--threads", o.threads, "Worker threads (default: all cores)")->check(CLI::Range(1u, 1024u));
    app.add_option("--plot", o.plot, "FILE.svg: a line chart of --y over --x");
    app.add_option("--x", o.x, "With --plot: the varied input along the horizontal axis");
    app.add_option("--y", o.y, "With --plot: FIELD[,FIELD...] to draw; one curve per value of a second varied input")
        ->delimiter(',');
    app.add_option("--set", o.sets, "NAME=VALUE applied to every variant before the varied values (as soukoli-cli --set)");
    app.add_option("--standard", o.standard, "Calculation standard: csn, din-b or din-c")
        ->check(CLI::IsMember({"csn", "din-b", "din-c"}));
    auto* full = app.add_flag("--full", o.full, "Run the full calculation, whatever the project was saved as");
    auto* simplified = app.add_flag("--simplified", o.simplified, "Run the simplified calculation");
    full->excludes(simplified);
    app.add_option("--rim", o.rim, "Answer to the thin-rim warning: continue (default) or fix")
        ->check(CLI::IsMember({"continue", "fix"}));
    app.add_flag("--messages", o.messages, "With --json: the messages of each variant in \"messages\"");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kAllPassed;
    } catch (const CLI::ParseError& e) {
        return usage(err, e.what());
    }
    o.jsonGiven = json->count() > 0;
    if (o.messages && !o.jsonGiven) return usage(err, "--messages goes with --json");

    Plan plan;
    if (const int status = makePlan(o, plan, err); status != kAllPassed) return status;

    const std::string target = o.jsonGiven ? (o.json.empty() ? "-" : o.json) : o.csv;
    // Caught before the file exists: whenever the temporary file stands, Ctrl-C removes it.
    const InterruptCatcher interrupt;
    ReplacingFile file;
    std::string error;
    if (target != "-" && !file.open(target, error)) {
        err << "soukoli-cli sweep: " << error << '\n';
        return kUsageError;
    }
    std::ostream& dest = target == "-" ? out : file.stream();
    if (plan.header && !plan.json) dest << header(plan);

    std::vector<double> plotPoints;
    const bool complete = writeRows(plan, o.threads, dest, plotPoints, err, interrupt);
    if (!complete) {
        err << "soukoli-cli sweep: interrupted; "
            << (target == "-" ? std::string("the table is incomplete") : target + " left as it was") << '\n';
        return 128 + interrupt.caught();
    }
    dest.flush();
    if (!dest || (target != "-" && !file.commit(error))) {
        err << "soukoli-cli sweep: " << (error.empty() ? target + ": cannot be written" : error) << '\n';
        return kUsageError;
    }
    if (plan.plot) return writePlot(plan, plotPoints, o.project, o.plot, err);
    return kAllPassed;
}

}  // namespace soukoli::cli
