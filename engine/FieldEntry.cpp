// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The one entry path of the input windows. Each window's rule stays in its own unit (geometry,
// body dimensions, accuracy, loading, load levels, materials, face load, layout, coefficients) and
// answers with a FieldEntry; this unit reads the text, runs the rule on the data set, puts the
// data set back when the rule refuses, and runs what the rule made due after an accepted entry.
#include "engine/FieldEntry.h"

#include <charconv>
#include <cmath>

#include "engine/Accuracy.h"
#include "engine/BodyDimensions.h"
#include "engine/Coefficients.h"
#include "engine/FaceLoadInput.h"
#include "engine/LoadLevelsInput.h"
#include "engine/LoadingInput.h"
#include "engine/Loads.h"
#include "engine/Materials.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

// The rule of a field that takes a plain number, run on `value` (0 for an unreadable text, which
// the caller refuses in the end). An unreadable text is judged too where that gives it the
// rule's own message (a rule that refuses 0 as well).
FieldEntry judgeNumber(GearPairData& g, FieldId id, double value, bool readable) {
    switch (id.window) {
        case InputWindow::Geometry:
        case InputWindow::Coefficients:
            return refusedEntry();  // entered as text through their own rules
        case InputWindow::Dimensions:
            if (!readable) return refusedEntry();
            return commitDimension(g, static_cast<DimensionField>(id.number), value);
        case InputWindow::Accuracy:
            return commitAccuracy(g, static_cast<AccuracyField>(id.number), value, readable);
        case InputWindow::Loading:
            return commitLoadingField(g, id.number, value);
        case InputWindow::LoadLevels: {
            constexpr int steps = static_cast<int>(kMaxLoadLevels);
            if (id.number == 1) return commitLevelsSteps(g, value);
            if (id.number <= 1 + steps) return commitLevelsCount(g, id.number - 1, value);
            return commitLevelsLevel(g, id.number - 1 - steps, value);
        }
        case InputWindow::Materials:
            return commitMaterial(g, id.number, value);
        case InputWindow::FaceLoad:
            return id.number == 1 ? commitBcal(g, value) : commitKHbeta(g, value);
        case InputWindow::Layout:
            // A text that is no number gets the field's message, never a warning.
            if (!readable) return refusedEntry(layoutFieldMessage(id.number));
            return commitLayoutField(g, id.number, value);
    }
    return refusedEntry();
}

bool fieldExists(FieldId id) {
    const int n = id.number;
    switch (id.window) {
        case InputWindow::Geometry: return n >= 1 && n <= kGeometryFieldCount;
        case InputWindow::Dimensions: return n >= 1 && n <= kDimensionFields;
        case InputWindow::Accuracy: return n >= 1 && n <= static_cast<int>(AccuracyField::fyr);
        case InputWindow::Loading: return n >= 1 && n <= kLoadingFields;
        case InputWindow::LoadLevels: return n >= 1 && n <= 1 + 2 * static_cast<int>(kMaxLoadLevels);
        case InputWindow::Materials:
            return n >= 1 && n <= 2 * kWheelMaterialOffset && n != kWheelMaterialOffset &&
                   n != 2 * kWheelMaterialOffset;
        case InputWindow::FaceLoad: return n == 1 || n == 2;
        case InputWindow::Layout: return n >= 1 && n <= kLayoutFields;
        case InputWindow::Coefficients: return coefficientField(n) != nullptr;
    }
    return false;
}

// What an accepted entry made due outside its own rule: the accuracy lookups, the gear bodies
// (after a geometry entry only in the full calculation, where the dimensions window shows them),
// and the loads and lives that were not entered, which follow d1, z1, z2, n1 and the spectrum
// whichever window changed them, as the reader of a project file derives them.
void runConsequences(GearPairData& g, FieldId id, FieldEntry& e, Ui& ui) {
    if (e.outcome == EntryOutcome::Unchanged) return;
    deriveLoads(g);
    deriveLives(g);
    const AccuracyLookups& due = e.effects.lookups;
    if (due.pinionPitch) lookupBasePitch(g, Gear::Pinion);
    if (due.wheelPitch) lookupBasePitch(g, Gear::Wheel);
    if (due.pinionAlignment) lookupAlignment(g, Gear::Pinion);
    if (due.wheelAlignment) lookupAlignment(g, Gear::Wheel);
    if (id.window == InputWindow::Geometry) e.effects.bodies = !g.Zjednoduseny;
    if (e.effects.bodies) refreshBodies(g, ui);
}

// Runs `rule` on the data set; a refusal puts every quantity back as it was, an acceptance runs
// its consequences.
template <class Rule>
FieldEntry guarded(GearPairData& g, FieldId id, Ui& ui, Rule rule) {
    if (!fieldExists(id)) return refusedEntry();
    GearPairData before = g;
    FieldEntry e = rule();
    if (!e.accepted()) {
        g = std::move(before);
        e.effects = {};
        return e;
    }
    runConsequences(g, id, e, ui);
    return e;
}

FieldEntry enterNumber(GearPairData& g, FieldId id, double value, std::int32_t parseStatus) {
    FieldEntry e = judgeNumber(g, id, value, parseStatus == 0);
    if (!e.accepted()) {
        e.parseStatus = parseStatus;
        return e;
    }
    if (parseStatus != 0) return refusedEntry(kRefusedEntry, parseStatus);
    return e;
}

}  // namespace

FieldEntry enterField(GearPairData& g, FieldId id, std::string_view text, Ui& ui) {
    return guarded(g, id, ui, [&] {
        switch (id.window) {
            case InputWindow::Geometry:
                return enterGeometryField(g, static_cast<GeometryField>(id.number), text, ui);
            case InputWindow::Coefficients:
                return enterCoefficient(g, id.number, text);
            case InputWindow::Accuracy: {
                // An emptied measured deviation is the entry 0, "not measured".
                const bool measured = id.number >= static_cast<int>(AccuracyField::fpbr1);
                if (measured && text.find_first_not_of(' ') == std::string_view::npos) return enterNumber(g, id, 0, 0);
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
        return enterNumber(g, id, p.value, p.status);
    });
}

FieldEntry enterFieldValue(GearPairData& g, FieldId id, double value, Ui& ui) {
    return guarded(g, id, ui, [&] {
        switch (id.window) {
            case InputWindow::Geometry:
                return enterGeometryValue(g, static_cast<GeometryField>(id.number), value, ui);
            case InputWindow::Coefficients: {
                // The shortest text that reads back as the same number.
                char buffer[32];
                const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
                return enterCoefficient(g, id.number, std::string_view(buffer, static_cast<std::size_t>(r.ptr - buffer)));
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
        return enterNumber(g, id, value, std::isfinite(value) ? 0 : 1);
    });
}

}  // namespace soukoli
