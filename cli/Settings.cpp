// Settings of soukoli-cli. Names are those of the field table (printed or data-set spelling),
// plus the texts MetodaVypoctu, Material1, Material2 and Schema. Angles are radians, or degrees
// with the suffix "deg". Geometry entries follow the rules of the geometry dialog.
#include "cli/Settings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>

#include "engine/Accuracy.h"
#include "engine/BasicGeometry.h"
#include "engine/FieldTable.h"
#include "engine/GeometryInput.h"
#include "engine/Loads.h"
#include "engine/Numbers.h"
#include "files/Cp1250.h"
#include "files/PostLoad.h"

namespace soukoli::cli {

namespace {

constexpr std::size_t kMaxText = 255;
constexpr auto kSchemes = std::to_array<std::string_view>({"1", "1a", "2", "2a", "3", "4", "5", "6", "7", "8"});
// Entering one of these moves the centre distance (or, with aw, the shift sum).
constexpr auto kToothingInputs = std::to_array<std::string_view>({"z1", "z2", "mn", "Beta", "Alfan", "x1", "x2"});

std::string printedName(std::string_view name) {
    constexpr std::string_view star = "_star";
    if (name.size() > star.size() && name.ends_with(star))
        return std::string(name.substr(0, name.size() - star.size())) + "*";
    return std::string(name);
}

bool readFlag(std::string_view text, bool& out) {
    if (text == "1" || text == "true") return out = true, true;
    if (text == "0" || text == "false") return out = false, true;
    return false;
}

bool setText(GearPairData& g, const std::string& name, const std::string& value, std::string& error) {
    if (name == "MetodaVypoctu") {
        if (value != "A" && value != "B") return error = "MetodaVypoctu is A or B", false;
        g.MetodaVypoctu = value[0];
        return true;
    }
    if (name == "Schema") {
        if (std::find(kSchemes.begin(), kSchemes.end(), value) == kSchemes.end())
            return error = "Schema is one of 1, 1a, 2, 2a, 3, 4, 5, 6, 7, 8", false;
        g.Schema = value;
        return true;
    }
    // Material1, Material2: what the project file can hold.
    const auto encoded = files::toCp1250(value);
    if (!encoded || encoded->size() > kMaxText || encoded->find_first_of("\r\n") != std::string::npos)
        return error = name + " must be one line of at most 255 Windows-1250 characters", false;
    (name == "Material1" ? g.Material1 : g.Material2) = value;
    return true;
}

bool setNumber(GearPairData& g, const NumericField& field, const std::string& name, std::string_view value,
               std::string& error) {
    if (isFlag(field)) {
        bool flag = false;
        if (!readFlag(value, flag)) return error = name + " is a flag: 0, 1, true or false", false;
        if (!writeField(g, field, flag ? 1 : 0))
            return error = name + " is one of a choice: set another of its flags to 1 instead", false;
        return true;
    }
    const bool angle = name == "Alfan" || name == "Beta";
    const bool degrees = angle && value.ends_with("deg");
    if (degrees) value.remove_suffix(3);
    const NumberParse number = parseNumber(value);
    if (!number.ok() || !std::isfinite(number.value))
        return error = "unreadable value for " + name + " (position " + std::to_string(number.status) + ")", false;
    const double v = degrees ? number.value * std::numbers::pi / 180 : number.value;
    if (!writeField(g, field, v))
        return error = name == "TypSoukoli" ? std::string("TypSoukoli is 1 or 2") : name + " takes a whole number in its range",
               false;
    return true;
}

// "Fj[i]" or "Nj[i]" with i = 1 ... 20: one value of the load spectrum.
bool spectrumStep(const std::string& name, std::size_t& step) {
    if (name.size() < 5 || (name.rfind("Fj[", 0) != 0 && name.rfind("Nj[", 0) != 0) || name.back() != ']') return false;
    const NumberParse index = parseNumber(std::string_view(name).substr(3, name.size() - 4));
    step = index.ok() && index.value >= 1 && index.value <= kMaxSpectrumSteps && std::trunc(index.value) == index.value
               ? static_cast<std::size_t>(index.value)
               : 0;
    return true;
}

bool setSpectrum(GearPairData& g, const std::string& name, std::size_t step, std::string_view value, std::string& error) {
    if (step == 0) return error = name + ": the steps of a spectrum are numbered 1 to 20", false;
    const NumberParse number = parseNumber(value);
    if (!number.ok() || !std::isfinite(number.value))
        return error = "unreadable value for " + name + " (position " + std::to_string(number.status) + ")", false;
    (name[0] == 'F' ? g.Fj : g.Nj)[step - 1] = number.value;
    return true;
}

// The fields of the accuracy window take their entries by the window's rule.
constexpr std::array<std::pair<std::string_view, AccuracyField>, 8> kAccuracyFields = {{
    {"IT1", AccuracyField::IT1},         {"IT2", AccuracyField::IT2},         {"fpbr1", AccuracyField::fpbr1},
    {"fpbr2", AccuracyField::fpbr2},     {"Fbetar1", AccuracyField::Fbetar1}, {"Fbetar2", AccuracyField::Fbetar2},
    {"fxr", AccuracyField::fxr},         {"fyr", AccuracyField::fyr},
}};

const AccuracyField* accuracyField(std::string_view name) {
    for (const auto& [n, f] : kAccuracyFields)
        if (n == name) return &f;
    return nullptr;
}

bool setAccuracy(GearPairData& g, AccuracyField field, const std::string& name, std::string_view value,
                 std::string& error) {
    const NumberParse number = parseNumber(value);
    const bool readable = number.ok() && std::isfinite(number.value);
    if (!commitAccuracy(g, field, readable ? number.value : 0, readable).accepted())
        return error = name + ": " + std::string(accuracyMessage(field)), false;
    return true;
}

// The centre distance entered as in the geometry dialog: 0 returns to the zero-shift pair,
// otherwise the shift sum follows from aw and is split equally, or the coefficient that was set
// keeps its value and the other takes up the rest.
bool enterCentreDistance(GearPairData& g, double aw, bool x1Set, bool x2Set, Ui& ui, std::string& error) {
    if (aw != 0 && x1Set && x2Set) return error = "aw, x1 and x2 cannot all be set: the shift sum follows from aw", false;
    const double x1 = g.x1;
    const double x2 = g.x2;
    const FieldEntry r = enterGeometryValue(g, GeometryField::aw, aw, ui);
    if (!r.accepted()) return error = r.message, false;
    if (r.outcome != EntryOutcome::Accepted || !(x1Set || x2Set)) return true;
    const FieldEntry s = x1Set ? enterGeometryValue(g, GeometryField::x1, x1, ui)
                                        : enterGeometryValue(g, GeometryField::x2, x2, ui);
    if (!s.accepted()) return error = s.message, false;
    return true;
}

}  // namespace

std::string dataSetName(std::string_view printed) {
    std::string name(printed);
    if (!name.empty() && name.back() == '*') name.replace(name.size() - 1, 1, "_star");
    return name;
}

bool parseSetting(std::string_view text, Setting& out, std::string& error) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        error = "--set takes NAME=VALUE, not '" + std::string(text) + "'";
        return false;
    }
    out.name = std::string(text.substr(0, eq));
    out.value = std::string(text.substr(eq + 1));
    return true;
}

bool applySettings(GearPairData& g, const std::vector<Setting>& settings, Ui& ui, std::string& error) {
    std::set<std::string> set;
    double aw = 0;
    for (const auto& s : settings) {
        const std::string name = printedName(s.name);
        std::size_t step = 0;
        if (spectrumStep(name, step)) {
            if (!setSpectrum(g, name, step, s.value, error)) return false;
        } else if (name == "MetodaVypoctu" || name == "Schema" || name == "Material1" || name == "Material2") {
            if (!setText(g, name, s.value, error)) return false;
        } else if (const AccuracyField* accuracy = accuracyField(name)) {
            if (!setAccuracy(g, *accuracy, name, s.value, error)) return false;
        } else if (const NumericField* field = findNumericField(name)) {
            if (!setNumber(g, *field, name, s.value, error)) return false;
        } else {
            error = "unknown field '" + s.name + "'";
            return false;
        }
        if (name == "aw") aw = g.aw;
        set.insert(name);
    }
    const auto was = [&](std::string_view n) { return set.count(std::string(n)) > 0; };

    if (g.isInternal() ? g.z2 >= 0 : g.z2 <= 0)
        return error = g.isInternal() ? "an internal wheel has a negative z2" : "an external wheel has a positive z2", false;

    const bool toothing = std::any_of(kToothingInputs.begin(), kToothingInputs.end(), was);
    if (toothing || was("ha1*") || was("ha2*") || was("ca1*") || was("ca2*") || was("aw")) {
        if (!was("da1")) g.da1Given = false;
        if (!was("da2")) g.da2Given = false;
    }
    if (was("da1")) g.da1Given = true;
    if (was("da2")) g.da2Given = true;

    if (was("aw")) {
        const double da1 = g.da1;
        const double da2 = g.da2;
        if (!enterCentreDistance(g, aw, was("x1"), was("x2"), ui, error)) return false;
        // Tip diameters set beside aw stay as set.
        if (was("da1")) g.da1 = da1, g.da1Given = true;
        if (was("da2")) g.da2 = da2, g.da2Given = true;
    } else if (toothing) {
        updateDiameters(g, ui);
        if (shiftSumBeyondLimit(g, limitingShiftSum(g)))
            return error = "Nemožný součet jednotkových korekcí x1+x2  (xmez= " + str(limitingShiftSum(g), 8, 5) + ")",
                   false;
        updateCentreDistance(g, ui);
    }
    files::recomputeAfterLoad(g, ui);
    // The lookups of the limiting deviations that these entries run in the geometry and body
    // dimensions windows.
    if (was("z1") || was("mn") || was("Beta")) lookupBasePitch(g, Gear::Pinion);
    if (was("z2") || was("mn") || was("Beta")) lookupBasePitch(g, Gear::Wheel);
    if (was("b1") || was("mn")) lookupAlignment(g, Gear::Pinion);
    if (was("b2") || was("mn")) lookupAlignment(g, Gear::Wheel);
    // Equivalent loads that come from a spectrum or from spectrum classes follow their inputs,
    // as the loading and spectrum dialogs recompute them.
    if (!settings.empty() && g.MetodaVypoctu == 'B') {
        if (g.ZadaniSil == kLoadsFromSpectrum) computeEquivalentLoadsFromSpectrum(g);
        if (g.ZadaniSil == kLoadsFromClasses) computeEquivalentLoadsFromClasses(g);
    }
    if (!files::recomputedValuesFinite(g)) return error = "the settings give a pair whose geometry cannot be formed", false;
    return true;
}

}  // namespace soukoli::cli
