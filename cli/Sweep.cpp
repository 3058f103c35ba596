// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli-cli sweep. The project is loaded once; each variant is a copy of it with the varied
// entries applied by applySettings, exactly as `--set` applies them, then calculated. Threads take
// chunks of consecutive variants from an atomic counter and fill a ring of chunk buffers; the main
// thread writes the chunks in order, so the output follows the product whatever the thread count,
// and memory stays bounded by the ring, not by the number of variants.
#include "cli/Sweep.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <limits>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "cli/Cli.h"
#include "cli/CliUi.h"
#include "cli/Settings.h"
#include "cli/SvgPlot.h"
#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "engine/Numbers.h"
#include "engine/ResultChecks.h"
#include "engine/Tabs.h"
#include "files/FileCommands.h"

namespace soukoli::cli {

namespace {

constexpr std::size_t kMaxVariants = 100'000'000;
constexpr std::size_t kChunk = 128;  // variants per chunk: a few hundred µs of work per hand-over
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr const char* kDescription =
    "soukoli-cli sweep - the project calculated for every combination of the varied inputs.\n"
    "\n"
    "Each variant is the loaded project with the --set entries and one value of each --vary applied\n"
    "by the rules of --set, so a row equals `soukoli-cli --json PROJECT --set ...` for its values.\n"
    "The first --vary changes slowest. Columns: the varied names, status (0 every check passed,\n"
    "1 a check fails, 2 the run stopped or an entry was refused: its fields are empty), the fields.\n"
    "\n"
    "Exit status: 0 the table was written (whatever the rows' status), 3 usage error, unreadable\n"
    "project or an output that cannot be written.";

std::string printed(std::string_view name) {
    constexpr std::string_view star = "_star";
    if (name.size() > star.size() && name.ends_with(star))
        return std::string(name.substr(0, name.size() - star.size())) + "*";
    return std::string(name);
}

bool stripDegrees(std::string_view& text) {
    if (!text.ends_with("deg")) return false;
    text.remove_suffix(3);
    return true;
}

// Digits after the decimal point as typed; -1 for a number with an exponent.
int decimalsOf(std::string_view text) {
    if (text.find_first_of("eE") != std::string_view::npos) return -1;
    const auto dot = text.find('.');
    return dot == std::string_view::npos ? 0 : static_cast<int>(text.size() - dot - 1);
}

void appendNumber(std::string& s, double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, r.ptr);
}

// A range value written with the decimals of the range, so "-0.2:0.6:0.1" gives 0.1, not
// 0.10000000000000003, and never "-0.0".
std::string rangeValue(double v, int decimals) {
    char buf[64];
    const auto r = decimals < 0 ? std::to_chars(buf, buf + sizeof buf, v)
                                : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
    return s;
}

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto at = text.find(by, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
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

}  // namespace

bool parseVary(std::string_view text, VaryAxis& out, std::string& error) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        error = "--vary takes NAME=FROM:TO:STEP or NAME=V1,V2,..., not '" + std::string(text) + "'";
        return false;
    }
    out = VaryAxis{std::string(text.substr(0, eq)), {}, {}};
    const std::string_view list = text.substr(eq + 1);
    const std::string what = "--vary " + out.name + ": ";
    if (list.find(':') != std::string_view::npos) {
        const auto parts = split(list, ':');
        if (parts.size() != 3) return error = what + "a range is FROM:TO:STEP, not '" + std::string(list) + "'", false;
        double v[3];
        bool degrees[3];
        int decimals = 0;
        for (int i = 0; i < 3; ++i) {
            std::string_view p = parts[static_cast<std::size_t>(i)];
            degrees[i] = stripDegrees(p);
            const NumberParse n = parseNumber(p);
            if (!n.ok() || !std::isfinite(n.value))
                return error = what + "'" + std::string(parts[static_cast<std::size_t>(i)]) + "' is not a number", false;
            v[i] = n.value;
            const int d = decimalsOf(p);
            decimals = (d < 0 || decimals < 0) ? -1 : std::max(decimals, d);
        }
        if (degrees[0] != degrees[1] || (degrees[2] && !degrees[0]))
            return error = what + "write deg on both ends of the range or on none", false;
        if (v[2] == 0) return error = what + "the step must not be 0", false;
        const double span = (v[1] - v[0]) / v[2];
        if (span < -1e-9) return error = what + "the step leads away from the end of the range", false;
        if (span + 1 > static_cast<double>(kMaxVariants)) return error = what + "too many values", false;
        const auto count = static_cast<std::size_t>(std::floor(span + 1e-9)) + 1;
        for (std::size_t i = 0; i < count; ++i) {
            std::string value = rangeValue(v[0] + static_cast<double>(i) * v[2], decimals);
            out.numbers.push_back(parseNumber(value).value);
            if (degrees[0]) value += "deg";
            out.values.push_back(std::move(value));
        }
        return true;
    }
    for (std::string_view p : split(list, ',')) {
        if (p.empty()) return error = what + "an empty value in '" + std::string(list) + "'", false;
        out.values.emplace_back(p);
        stripDegrees(p);
        const NumberParse n = parseNumber(p);
        out.numbers.push_back(n.ok() && std::isfinite(n.value) ? n.value : kNaN);
    }
    return true;
}

bool Condition::holds(double v) const {
    if (!std::isfinite(v)) return false;
    switch (op) {
        case CompareOp::Less: return v < value;
        case CompareOp::LessEqual: return v <= value;
        case CompareOp::Greater: return v > value;
        case CompareOp::GreaterEqual: return v >= value;
        case CompareOp::Equal: return v == value;
        case CompareOp::NotEqual: return v != value;
    }
    return false;
}

bool parseCondition(std::string_view text, Condition& out, std::string& error) {
    const auto at = text.find_first_of("<>=!");
    std::string_view field = text.substr(0, at);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    if (at == std::string_view::npos || field.empty()) {
        error = "--where takes FIELD<VALUE (or <=, >, >=, ==, !=), not '" + std::string(text) + "'";
        return false;
    }
    struct Spelling {
        std::string_view text;
        CompareOp op;
    };
    // Two-character operators first, so "<=" is not read as "<" followed by "=1.2".
    constexpr Spelling kOps[] = {{"<=", CompareOp::LessEqual}, {">=", CompareOp::GreaterEqual},
                                 {"==", CompareOp::Equal},     {"!=", CompareOp::NotEqual},
                                 {"<", CompareOp::Less},       {">", CompareOp::Greater},
                                 {"=", CompareOp::Equal}};
    const std::string_view rest = text.substr(at);
    for (const auto& s : kOps) {
        if (!rest.starts_with(s.text)) continue;
        const NumberParse n = parseNumber(rest.substr(s.text.size()));
        if (!n.ok() || !std::isfinite(n.value)) {
            error = "--where " + std::string(text) + ": '" + std::string(rest.substr(s.text.size())) +
                    "' is not a number";
            return false;
        }
        out = Condition{std::string(field), s.op, n.value};
        return true;
    }
    error = "--where " + std::string(text) + ": unknown comparison";
    return false;
}

std::size_t productSize(const std::vector<VaryAxis>& axes, std::size_t cap) {
    std::size_t n = 1;
    for (const auto& a : axes) {
        if (a.values.empty() || n > cap / a.values.size()) return 0;
        n *= a.values.size();
    }
    return n;
}

namespace {

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
    std::string sort, csv = "-", json, plot, x, standard, rim = "continue";
    std::size_t limit = 0;
    unsigned threads = 0;
    bool full = false, simplified = false, messages = false, jsonGiven = false, limitGiven = false;
};

// Where a column, a condition or the sort key takes its value from.
struct Column {
    enum class Source { Axis, Status, Field } source = Source::Field;
    std::size_t axis = 0;
    const NumericField* field = nullptr;
};

struct Plan {
    GearPairData base;
    std::vector<Setting> settings;  // --set entries, then one slot per varied input
    std::size_t fixedCount = 0;
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
    std::size_t total = 0;
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

struct Worker {
    GearPairData g;
    SweepUi ui;
    std::vector<Setting> settings;
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
    plan.fixedCount = plan.settings.size();
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
        plan.settings.push_back({axis.name, axis.values.front()});
        plan.axes.push_back(std::move(axis));
    }
    plan.total = productSize(plan.axes, kMaxVariants);
    if (plan.total == 0) return usage(err, "more than 100000000 variants");

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
    return kAllPassed;
}

double columnValue(const Plan& plan, const Column& c, const Worker& w, bool ok, int status) {
    switch (c.source) {
        case Column::Source::Axis: return plan.axes[c.axis].numbers[w.digits[c.axis]];
        case Column::Source::Status: return status;
        case Column::Source::Field: return ok ? readField(w.g, *c.field) : kNaN;
    }
    return kNaN;
}

// One variant: set up, calculate, filter and append its row to the chunk.
void runVariant(const Plan& plan, std::size_t index, Worker& w, ChunkOut& out) {
    for (std::size_t k = plan.axes.size(), rest = index; k-- > 0;) {
        w.digits[k] = rest % plan.axes[k].values.size();
        rest /= plan.axes[k].values.size();
        w.settings[plan.fixedCount + k].value = plan.axes[k].values[w.digits[k]];
    }
    w.g = plan.base;
    w.ui.messages.clear();
    const bool ok = applySettings(w.g, w.settings, w.ui, w.error);
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
    for (std::size_t i = 0; i < plan.where.size(); ++i)
        if (!plan.where[i].holds(columnValue(plan, plan.whereColumns[i], w, ok, status))) return;

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
            if (ok)
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
            s += ok ? "]" : "," + jsonString(w.error) + "]";
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
            if (ok) appendField(s, w.g, *f, false);
        }
        s += '\n';
    }
    ++out.rows;
    if (plan.sort) out.sorted.push_back({columnValue(plan, *plan.sort, w, ok, status), index, begin, s.size()});
    if (plan.plot) {
        out.plot.push_back(plan.axes[plan.plotX].numbers[w.digits[plan.plotX]]);
        out.plot.push_back(plan.plotSeries ? static_cast<double>(w.digits[*plan.plotSeries]) : 0.0);
        // A run that stopped leaves a gap in its curves.
        for (const NumericField* f : plan.plotY) out.plot.push_back(status != kRunStopped ? readField(w.g, *f) : kNaN);
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

class Progress {
public:
    Progress(std::ostream& err, bool enabled, std::size_t total) : err_(err), enabled_(enabled), total_(total) {}
    void update(std::size_t done) {
        if (!enabled_) return;
        const auto now = Clock::now();
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250)) return;
        last_ = now;
        shown_ = true;
        err_ << "\rsoukoli-cli sweep: " << done << " / " << total_ << " variants" << std::flush;
    }
    void finish(std::size_t done) {
        if (shown_) err_ << "\rsoukoli-cli sweep: " << done << " / " << total_ << " variants\n" << std::flush;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool enabled_;
    std::size_t total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
    bool shown_ = false;
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
    std::ofstream svg(file, std::ios::binary | std::ios::trunc);
    svg << renderSvg(chart);
    svg.close();
    if (!svg) {
        err << "soukoli-cli sweep: " << file << ": cannot be written\n";
        return kUsageError;
    }
    return kAllPassed;
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
    auto* limit = app.add_option("--limit", o.limit, "At most N rows");
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
    o.limitGiven = limit->count() > 0;
    if (o.messages && !o.jsonGiven) return usage(err, "--messages goes with --json");

    Plan plan;
    if (const int status = makePlan(o, plan, err); status != kAllPassed) return status;

    const std::string target = o.jsonGiven ? (o.json.empty() ? "-" : o.json) : o.csv;
    std::ofstream file;
    if (target != "-") {
        file.open(target, std::ios::binary | std::ios::trunc);
        if (!file) {
            err << "soukoli-cli sweep: " << target << ": cannot be written\n";
            return kUsageError;
        }
    }
    std::ostream& dest = target == "-" ? out : file;
    if (!plan.json) dest << header(plan);

    const std::size_t chunks = (plan.total + kChunk - 1) / kChunk;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t threadCount = std::min<std::size_t>(o.threads ? o.threads : cores, chunks);
    const std::size_t ring = std::max<std::size_t>(8, 4 * threadCount);
    std::vector<ChunkOut> slots(ring);
    std::mutex mutex;
    std::condition_variable chunkReady, slotFree;
    std::size_t written = 0;  // chunks the writer has taken out of the ring
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};

    const auto work = [&] {
        Worker w{plan.base, SweepUi(plan.continueOnRim, plan.messages), plan.settings,
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
            const std::size_t end = std::min(plan.total, (c + 1) * kChunk);
            for (std::size_t i = c * kChunk; i < end && !stop; ++i) runVariant(plan, i, w, slot);
            {
                std::lock_guard lock(mutex);
                slot.chunk = c;
                slot.ready = true;
            }
            chunkReady.notify_one();
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < threadCount; ++t) threads.emplace_back(work);

    Progress progress(err, target != "-" || isatty(STDERR_FILENO) == 1, plan.total);
    const bool limited = o.limitGiven;
    std::size_t rowsOut = 0;
    std::vector<SortedRow> sorted;  // with --limit a heap of the best rows so far
    std::vector<double> plotPoints;
    const SortOrder order{plan.descending};
    for (std::size_t c = 0; c < chunks && !stop; ++c) {
        ChunkOut& slot = slots[c % ring];
        {
            std::unique_lock lock(mutex);
            while (!(slot.ready && slot.chunk == c)) {
                chunkReady.wait_for(lock, std::chrono::milliseconds(250));
                progress.update(c * kChunk);
            }
        }
        if (plan.sort) {
            for (const auto& e : slot.sorted) {
                sorted.push_back({e.key, e.index, slot.text.substr(e.begin, e.end - e.begin)});
                if (limited) {
                    std::push_heap(sorted.begin(), sorted.end(), order);
                    if (sorted.size() > o.limit) {
                        std::pop_heap(sorted.begin(), sorted.end(), order);
                        sorted.pop_back();
                    }
                }
            }
        } else if (limited && rowsOut + slot.rows >= o.limit) {
            std::size_t cut = 0;
            for (std::size_t n = 0; n < o.limit - rowsOut; ++n) cut = slot.text.find('\n', cut) + 1;
            dest.write(slot.text.data(), static_cast<std::streamsize>(cut));
            rowsOut = o.limit;
            if (!plan.plot) stop = true;
        } else if (!limited || rowsOut < o.limit) {
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
    for (auto& t : threads) t.join();
    progress.finish(std::min(plan.total, written * kChunk));

    if (plan.sort) {
        std::sort(sorted.begin(), sorted.end(), order);
        for (const auto& r : sorted) dest << r.line;
    }
    dest.flush();
    if (!dest) {
        err << "soukoli-cli sweep: " << target << ": cannot be written\n";
        return kUsageError;
    }
    if (plan.plot) return writePlot(plan, plotPoints, o.project, o.plot, err);
    return kAllPassed;
}

}  // namespace soukoli::cli
