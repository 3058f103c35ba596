// The one entry path of the input windows. Each window's rule stays in its own unit (geometry,
// body dimensions, accuracy, loading, spectrum, materials, face load, layout, coefficients);
// this unit reads the text, runs the rule on the data set, puts the data set back when the rule
// refuses, and runs what the windows run after an accepted entry.
#include "engine/FieldEntry.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "engine/Accuracy.h"
#include "engine/BodyDimensions.h"
#include "engine/Coefficients.h"
#include "engine/FaceLoadInput.h"
#include "engine/LoadLevelsInput.h"
#include "engine/LoadingInput.h"
#include "engine/Materials.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

FieldEntry fromGeometry(const GeometryEntryResult& r) {
    FieldEntry e;
    e.outcome = r.outcome;
    e.message = r.message;
    e.parseStatus = r.parseStatus;
    e.focusField = r.focusField;
    e.effects.lookups = r.accuracy;
    return e;
}

FieldEntry refused(std::string_view message, std::int32_t parseStatus) {
    FieldEntry e;
    e.outcome = EntryOutcome::Rejected;
    e.message = message.empty() ? std::string(kRefusedEntry) : std::string(message);
    e.parseStatus = parseStatus;
    return e;
}

// A rule's judgement of a number: refused with its own message (empty: the field's message).
struct Judgement {
    bool accepted = true;
    std::string message;
};

Judgement accept(std::string_view warning = {}) { return {true, std::string(warning)}; }
Judgement refuse(std::string_view message = {}) { return {false, std::string(message)}; }
Judgement judged(const std::optional<std::string>& rejection) {
    return rejection ? Judgement{false, *rejection} : Judgement{};
}

// The number `value` (0 for an unreadable text) judged by the rule of a field that takes a
// plain number; `effects` receives what the accepted value ran. An unreadable text is judged
// too, so that it gets the rule's message where the rule refuses 0 as well.
Judgement judgeNumber(GearPairData& g, FieldId id, double value, bool readable, FieldEffects& effects) {
    switch (id.window) {
        case InputWindow::Geometry:
            return refuse();  // entered through its own rule
        case InputWindow::Dimensions: {
            if (!readable) return refuse();
            const auto field = static_cast<DimensionField>(id.number);
            const DimensionVerdict v = commitDimension(g, field, value);
            if (!v.accepted) return refuse(v.message);
            if (v.faceWidth) {
                const Gear gear = field == DimensionField::b1 ? Gear::Pinion : Gear::Wheel;
                lookupAlignment(g, gear);
                (gear == Gear::Pinion ? effects.lookups.pinionAlignment : effects.lookups.wheelAlignment) = true;
            }
            effects.bodies = true;
            return accept();
        }
        case InputWindow::Accuracy: {
            const auto field = static_cast<AccuracyField>(id.number);
            if (!commitAccuracy(g, field, value, readable)) return refuse(accuracyMessage(field));
            return accept();
        }
        case InputWindow::Loading:
            return judged(commitLoadingField(g, id.number, value));
        case InputWindow::LoadLevels: {
            constexpr int steps = static_cast<int>(kMaxSpectrumSteps);
            if (id.number == 1) return judged(commitSpectrumSteps(g, value));
            if (id.number <= 1 + steps) return judged(commitSpectrumCount(g, id.number - 1, value));
            return judged(commitSpectrumLevel(g, id.number - 1 - steps, value));
        }
        case InputWindow::Materials: {
            double* quantity = materialQuantity(g, id.number);
            if (quantity == nullptr || !materialValueAccepted(id.number, value)) return refuse();
            *quantity = value;
            return accept();
        }
        case InputWindow::FaceLoad:
            if (id.number == 1) return commitBcal(g, value) ? accept() : refuse(kMsgBcal);
            return commitKHbeta(g, value) ? accept() : refuse(kMsgKHbeta);
        case InputWindow::Layout: {
            const LayoutFieldResult r = commitLayoutField(g, id.number, value);
            // A text that is no number gets the field's message, never a warning.
            if (!r.accepted || !readable) return refuse(layoutFieldMessage(id.number));
            return accept(r.message);
        }
        case InputWindow::Coefficients:
            return refuse();  // entered through its own rule
    }
    return refuse();
}

bool fieldExists(FieldId id) {
    const int n = id.number;
    switch (id.window) {
        case InputWindow::Geometry: return n >= 1 && n <= kGeometryFieldCount;
        case InputWindow::Dimensions: return n >= 1 && n <= kDimensionFields;
        case InputWindow::Accuracy: return n >= 1 && n <= static_cast<int>(AccuracyField::fyr);
        case InputWindow::Loading: return n >= 1 && n <= kLoadingFields;
        case InputWindow::LoadLevels: return n >= 1 && n <= 1 + 2 * static_cast<int>(kMaxSpectrumSteps);
        case InputWindow::Materials:
            return n >= 1 && n <= 2 * kWheelMaterialOffset && n != kWheelMaterialOffset &&
                   n != 2 * kWheelMaterialOffset;
        case InputWindow::FaceLoad: return n == 1 || n == 2;
        case InputWindow::Layout: return n >= 1 && n <= kLayoutFields;
        case InputWindow::Coefficients: return coefficientField(n) != nullptr;
    }
    return false;
}

// Runs `rule` on the data set; a refusal puts every quantity back as it was.
template <class Rule>
FieldEntry guarded(GearPairData& g, FieldId id, Rule rule) {
    if (!fieldExists(id)) return refused({}, 0);
    GearPairData before = g;
    FieldEntry e = rule();
    if (!e.accepted()) {
        g = std::move(before);
        e.effects = {};
    }
    return e;
}

// What follows an accepted geometry entry outside its own rule: the accuracy lookups it made due,
// and in the full calculation the gear bodies (the dimensions window shows them).
void runConsequences(GearPairData& g, FieldId id, FieldEntry& e) {
    if (id.window != InputWindow::Geometry || e.outcome == EntryOutcome::Unchanged) return;
    const AccuracyLookups& due = e.effects.lookups;
    if (due.pinionPitch) lookupBasePitch(g, Gear::Pinion);
    if (due.wheelPitch) lookupBasePitch(g, Gear::Wheel);
    if (due.pinionAlignment) lookupAlignment(g, Gear::Pinion);
    if (due.wheelAlignment) lookupAlignment(g, Gear::Wheel);
    e.effects.bodies = !g.Zjednoduseny;
}

FieldEntry enterNumber(GearPairData& g, FieldId id, double value, std::int32_t parseStatus, Ui& ui) {
    FieldEntry e;
    const Judgement j = judgeNumber(g, id, value, parseStatus == 0, e.effects);
    if (!j.accepted) return refused(j.message, parseStatus);
    if (parseStatus != 0) return refused({}, parseStatus);
    e.message = j.message;
    if (e.effects.bodies) refreshBodies(g, ui);
    return e;
}

FieldEntry enterCoefficientText(GearPairData& g, int number, std::string_view text) {
    if (enterCoefficient(g, number, text) == CoefficientEntry::Rejected)
        return refused({}, parseNumber(text).status);
    // A bending limit entered directly fixes YT at 1, as the window shows it.
    applyEnteredLimitStresses(g);
    return {};
}

}  // namespace

void refreshBodies(GearPairData& g, Ui& ui) {
    g.srmin = 3.5 * g.mn;
    if (!g.Zjednoduseny) refreshBodyQuantities(g, ui);
}

FieldEntry enterField(GearPairData& g, FieldId id, std::string_view text, Ui& ui) {
    return guarded(g, id, [&] {
        switch (id.window) {
            case InputWindow::Geometry: {
                FieldEntry e = fromGeometry(enterGeometryField(g, static_cast<GeometryField>(id.number), text, ui));
                if (e.accepted()) runConsequences(g, id, e);
                if (e.effects.bodies) refreshBodies(g, ui);
                return e;
            }
            case InputWindow::Coefficients:
                return enterCoefficientText(g, id.number, text);
            case InputWindow::Accuracy: {
                // An emptied measured deviation is the entry 0, "not measured".
                const bool measured = id.number >= static_cast<int>(AccuracyField::fpbr1);
                if (measured && text.find_first_not_of(' ') == std::string_view::npos) return enterNumber(g, id, 0, 0, ui);
                break;
            }
            case InputWindow::Dimensions:
            case InputWindow::Loading:
            case InputWindow::LoadLevels:
            case InputWindow::Materials:
            case InputWindow::FaceLoad:
            case InputWindow::Layout:
                break;
        }
        const NumberParse p = parseNumber(text);
        return enterNumber(g, id, p.value, p.status, ui);
    });
}

FieldEntry enterFieldValue(GearPairData& g, FieldId id, double value, Ui& ui) {
    return guarded(g, id, [&] {
        switch (id.window) {
            case InputWindow::Geometry: {
                FieldEntry e = fromGeometry(enterGeometryValue(g, static_cast<GeometryField>(id.number), value, ui));
                if (e.accepted()) runConsequences(g, id, e);
                if (e.effects.bodies) refreshBodies(g, ui);
                return e;
            }
            case InputWindow::Coefficients: {
                // The shortest text that reads back as the same number.
                char buffer[32];
                const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
                return enterCoefficientText(g, id.number, std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer)));
            }
            case InputWindow::Dimensions:
            case InputWindow::Accuracy:
            case InputWindow::Loading:
            case InputWindow::LoadLevels:
            case InputWindow::Materials:
            case InputWindow::FaceLoad:
            case InputWindow::Layout:
                break;
        }
        return enterNumber(g, id, value, std::isfinite(value) ? 0 : 1, ui);
    });
}

}  // namespace soukoli
