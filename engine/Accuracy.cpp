// Limiting deviations of ČSN 01 4682 for the grades, diameters and widths of the pair.
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

// The tabulated base pitch deviation; grade 2 from its pitch deviations as fpt·cos αt to 0.1 µm.
double basePitch(int grade, int module, int diameter, double alfat) {
    const auto m = static_cast<std::size_t>(module - 1);
    const auto d = static_cast<std::size_t>(diameter - 1);
    if (grade >= kLowestTabulatedPitchGrade)
        return kBasePitch[static_cast<std::size_t>(grade - kLowestTabulatedPitchGrade)][m][d];
    if (m >= kGrade2Pitch.size() || d >= kGrade2Pitch[0].size()) return 0;
    if (kGrade2Pitch[m][d] == kNotEntered) return kNotEntered;
    return std::round(10 * std::cos(alfat) * kGrade2Pitch[m][d]) / 10;
}

}  // namespace

int moduleClass(double mn) {
    const int c = classOf(kModuleClassBounds, mn);
    return c == 0 ? static_cast<int>(kModuleClasses) : c;
}

int diameterClass(double d) { return classOf(kDiameterClassBounds, d); }

int widthClass(double b) { return classOf(kWidthClassBounds, b); }

void lookupBasePitch(GearPairData& g, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    bool& given = pinion ? g.fpb1Given : g.fpb2Given;
    double& fpb = pinion ? g.fpb1 : g.fpb2;
    const int grade = pinion ? g.IT1 : g.IT2;
    const int diameter = diameterClass(std::abs(pinion ? g.d1 : g.d2));
    if (diameter == 0 || !gradeKnown(grade)) {
        given = false;
        return;
    }
    if (given) {
        const double value = basePitch(grade, moduleClass(g.mn), diameter, g.alfat);
        if (value == kNotEntered) return;
        fpb = value;
    }
    if (fpb < 0.01) given = false;
}

void lookupAlignment(GearPairData& g, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    bool& given = pinion ? g.Fbeta1Given : g.Fbeta2Given;
    double& Fbeta = pinion ? g.Fbeta1 : g.Fbeta2;
    const int grade = pinion ? g.IT1 : g.IT2;
    const int width = widthClass(pinion ? g.b1 : g.b2);
    if (width == 0 || !gradeKnown(grade)) {
        given = false;
        return;
    }
    const auto row = static_cast<std::size_t>(grade - kLowestAccuracyGrade);
    const auto column = static_cast<std::size_t>(width - 1);
    const bool alignmentEntered = kAlignment[row][column] != kNotEntered;
    const bool parallelismEntered = kParallelismY[row][column] != kNotEntered;
    if (given) {
        if (alignmentEntered) Fbeta = kAlignment[row][column];
        if (pinion && alignmentEntered) g.fx = g.Fbeta1;
        if (pinion && parallelismEntered) g.fy = kParallelismY[row][column];
    }
    if (alignmentEntered && Fbeta < 0.01) given = false;
    if (pinion) {
        if (alignmentEntered && g.fx < 0.1) g.fxGiven = false;
        if (parallelismEntered && g.fy < 0.1) g.fyGiven = false;
    }
}

void lookupAllDeviations(GearPairData& g) {
    for (Gear gear : {Gear::Pinion, Gear::Wheel}) {
        lookupBasePitch(g, gear);
        lookupAlignment(g, gear);
    }
}

void resetMeasuredDeviations(GearPairData& g) {
    g.fpb1Given = g.fpb2Given = g.Fbeta1Given = g.Fbeta2Given = g.fxGiven = g.fyGiven = true;
    g.fpbr1 = g.fpbr2 = g.Fbetar1 = g.Fbetar2 = g.fxr = g.fyr = 0;
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

bool commitAccuracy(GearPairData& g, AccuracyField field, double value, bool readable) {
    const auto grade = [&](std::uint16_t& it, Gear gear) {
        const bool whole = readable && std::trunc(value) == value && value >= 0 && value <= 65535;
        if (whole) it = static_cast<std::uint16_t>(value);
        if (!whole || !gradeKnown(it)) return false;
        lookupBasePitch(g, gear);
        lookupAlignment(g, gear);
        return true;
    };
    const auto measured = [&](double& x, bool& given, bool positive) {
        x = value;
        if (!readable || (positive && !(value >= 0))) return false;
        given = false;
        return true;
    };
    switch (field) {
        case AccuracyField::IT1: return grade(g.IT1, Gear::Pinion);
        case AccuracyField::IT2: return grade(g.IT2, Gear::Wheel);
        case AccuracyField::fpbr1: return measured(g.fpbr1, g.fpb1Given, false);
        case AccuracyField::fpbr2: return measured(g.fpbr2, g.fpb2Given, false);
        case AccuracyField::Fbetar1: return measured(g.Fbetar1, g.Fbeta1Given, true);
        case AccuracyField::Fbetar2: return measured(g.Fbetar2, g.Fbeta2Given, true);
        case AccuracyField::fxr: return measured(g.fxr, g.fxGiven, false);
        case AccuracyField::fyr: return measured(g.fyr, g.fyGiven, false);
    }
    return false;
}

}  // namespace soukoli
