// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Limiting deviations of ČSN 01 4682 for the grades, diameters and widths of the pair, and the
// rules of the accuracy fields.
#include "engine/Accuracy.h"

#include <cmath>

#include "engine/AccuracyTables.h"

namespace soukoli {

namespace {

template <std::size_t N>
int classOf(const std::array<double, N>& bounds, double x) {
    for (std::size_t i = 0; i < N; ++i)
        if (x <= bounds[i]) return static_cast<int>(i) + 1;
    return 0;
}

bool gradeKnown(int grade) { return grade >= kLowestAccuracyGrade && grade <= kHighestAccuracyGrade; }

std::size_t row(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

// A measured deviation replaces the limiting one; 0 means "not measured". A measured Fbeta
// counts only when positive, as its field accepts no other.
bool measured(double value) { return value != 0; }
bool measuredAlignment(double value) { return value > 0; }

}  // namespace

int moduleClass(double mn) { return classOf(kModuleClassBounds, mn); }

int diameterClass(double d) { return classOf(kDiameterClassBounds, d); }

int widthClass(double b) { return classOf(kWidthClassBounds, b); }

double tabulatedBasePitch(int grade, double mn, double d) {
    const int module = moduleClass(mn);
    const int diameter = diameterClass(d);
    if (!gradeKnown(grade) || module == 0 || diameter == 0) return 0;
    return kBasePitch[static_cast<std::size_t>(grade - kLowestAccuracyGrade)][row(module)][row(diameter)];
}

double tabulatedAlignment(int grade, double b) {
    const int width = widthClass(b);
    if (!gradeKnown(grade) || width == 0) return 0;
    return kAlignment[static_cast<std::size_t>(grade - kLowestAccuracyGrade)][row(width)];
}

void lookupBasePitch(GearPairData& g, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    double& fpb = pinion ? g.fpb1 : g.fpb2;
    fpb = tabulatedBasePitch(pinion ? g.IT1 : g.IT2, g.mn, std::abs(pinion ? g.d1 : g.d2));
    (pinion ? g.fpb1Given : g.fpb2Given) = fpb >= kLeastDeviation && !measured(pinion ? g.fpbr1 : g.fpbr2);
}

void lookupAlignment(GearPairData& g, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    double& Fbeta = pinion ? g.Fbeta1 : g.Fbeta2;
    Fbeta = tabulatedAlignment(pinion ? g.IT1 : g.IT2, pinion ? g.b1 : g.b2);
    (pinion ? g.Fbeta1Given : g.Fbeta2Given) =
        Fbeta >= kLeastDeviation && !measuredAlignment(pinion ? g.Fbetar1 : g.Fbetar2);
    if (!pinion) return;
    g.fx = g.Fbeta1;
    g.fy = kSkewToAlignment * g.Fbeta1;
    g.fxGiven = g.fx >= kLeastParallelismDeviation && !measured(g.fxr);
    g.fyGiven = g.fy >= kLeastParallelismDeviation && !measured(g.fyr);
}

void lookupAllDeviations(GearPairData& g) {
    for (Gear gear : {Gear::Pinion, Gear::Wheel}) {
        lookupBasePitch(g, gear);
        lookupAlignment(g, gear);
    }
}

void resetMeasuredDeviations(GearPairData& g) {
    g.fpbr1 = g.fpbr2 = g.Fbetar1 = g.Fbetar2 = g.fxr = g.fyr = 0;
    lookupAllDeviations(g);
}

std::string_view accuracyMessage(AccuracyField field) {
    switch (field) {
        case AccuracyField::IT1:
        case AccuracyField::IT2: return "Stupeň přesnosti vol od 2 do 12";
        case AccuracyField::Fbetar1:
        case AccuracyField::Fbetar2: return "Úchylku zadej kladnou";
        default: return "Chyba vstupu";
    }
}

namespace {

bool accuracyAccepted(GearPairData& g, AccuracyField field, double value, bool readable) {
    const auto grade = [&](std::uint16_t& it, Gear gear) {
        const bool whole = readable && std::trunc(value) == value && value >= 0 && value <= 65535;
        if (whole) it = static_cast<std::uint16_t>(value);
        if (!whole || !gradeKnown(it)) return false;
        lookupBasePitch(g, gear);
        lookupAlignment(g, gear);
        return true;
    };
    // The flag of a measured deviation follows from the lookup of its gear.
    const auto measuredEntry = [&](double& x, bool positive, void (*lookup)(GearPairData&, Gear), Gear gear) {
        x = value;
        if (!readable || (positive && !(value >= 0))) return false;
        lookup(g, gear);
        return true;
    };
    switch (field) {
        case AccuracyField::IT1: return grade(g.IT1, Gear::Pinion);
        case AccuracyField::IT2: return grade(g.IT2, Gear::Wheel);
        case AccuracyField::fpbr1: return measuredEntry(g.fpbr1, false, lookupBasePitch, Gear::Pinion);
        case AccuracyField::fpbr2: return measuredEntry(g.fpbr2, false, lookupBasePitch, Gear::Wheel);
        case AccuracyField::Fbetar1: return measuredEntry(g.Fbetar1, true, lookupAlignment, Gear::Pinion);
        case AccuracyField::Fbetar2: return measuredEntry(g.Fbetar2, true, lookupAlignment, Gear::Wheel);
        case AccuracyField::fxr: return measuredEntry(g.fxr, false, lookupAlignment, Gear::Pinion);
        case AccuracyField::fyr: return measuredEntry(g.fyr, false, lookupAlignment, Gear::Pinion);
    }
    return false;
}

}  // namespace

FieldEntry commitAccuracy(GearPairData& g, AccuracyField field, double value, bool readable) {
    return accuracyAccepted(g, field, value, readable) ? acceptedEntry() : refusedEntry(accuracyMessage(field));
}

}  // namespace soukoli
