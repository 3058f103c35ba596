// Limiting deviations after ČSN 01 4682 in µm: base pitch deviations fpb by grade, module class
// and diameter class; tooth alignment deviations Fbeta and axis parallelism deviations fy by
// grade and face-width class; the grade-2 pitch deviations from which the grade-2 base pitch
// deviations are derived. An entry 0 is a value the standard does not define.
#pragma once

#include <array>
#include <cstddef>

namespace soukoli {

inline constexpr int kLowestAccuracyGrade = 2;
inline constexpr int kHighestAccuracyGrade = 12;
inline constexpr int kLowestTabulatedPitchGrade = 3;  // grade 2 is derived from kGrade2Pitch

inline constexpr std::size_t kModuleClasses = 7;
inline constexpr std::size_t kDiameterClasses = 7;
inline constexpr std::size_t kWidthClasses = 8;
inline constexpr std::size_t kPitchGrades = kHighestAccuracyGrade - kLowestTabulatedPitchGrade + 1;
inline constexpr std::size_t kAlignmentGrades = kHighestAccuracyGrade - kLowestAccuracyGrade + 1;

/// Upper bounds of the module classes [mm] (a module up to the bound falls in the class).
inline constexpr std::array<double, kModuleClasses> kModuleClassBounds = {3.5, 6.3, 10, 16, 25, 40, 55};
/// Upper bounds of the diameter classes [mm]; above the last the deviation is undefined.
inline constexpr std::array<double, kDiameterClasses> kDiameterClassBounds = {125, 400, 800, 1600, 2500, 4000, 6300};
/// Upper bounds of the face-width classes [mm]; above the last the deviation is undefined.
inline constexpr std::array<double, kWidthClasses> kWidthClassBounds = {40, 100, 160, 250, 400, 630, 1000, 1250};

using DiameterRow = std::array<double, kDiameterClasses>;
using ModuleRows = std::array<DiameterRow, kModuleClasses>;
using WidthRow = std::array<double, kWidthClasses>;

/// An entry the program's tables do not hold yet (as opposed to 0, which the standard leaves
/// undefined): a lookup leaves the deviation and its flag as they are.
inline constexpr double kNotEntered = -1;

namespace detail {
template <typename Row>
constexpr Row notEntered() {
    Row r{};
    for (auto& x : r) x = kNotEntered;
    return r;
}
template <typename Row, std::size_t N>
constexpr std::array<Row, N> notEnteredTable() {
    std::array<Row, N> t{};
    for (auto& r : t) r = notEntered<Row>();
    return t;
}
constexpr ModuleRows pitchRows(std::array<DiameterRow, 3> entered, std::size_t count) {
    ModuleRows rows{};
    for (std::size_t m = 0; m < kModuleClasses; ++m) rows[m] = m < count ? entered[m] : notEntered<DiameterRow>();
    return rows;
}
}  // namespace detail

// Base pitch deviations fpb, grades 3 ... 12, by module class and diameter class.
inline constexpr std::array<ModuleRows, kPitchGrades> kBasePitch = {
    /* 3 */ detail::pitchRows({{{2.4, 2.8, 3.2, 3.4, 3.8, kNotEntered, kNotEntered}}}, 1),
    /* 4 */ detail::pitchRows({}, 0),
    /* 5 */ detail::pitchRows({}, 0),
    /* 6 */ detail::pitchRows({}, 0),
    /* 7 */ detail::pitchRows({}, 0),
    /* 8 */ detail::pitchRows({{{19, 21, 24, 26, 30, 0, 0}, {24, 26, 26, 30, 34, 38, 0}, {26, 30, 34, 34, 38, 42, 48}}}, 3),
    /* 9 */ detail::pitchRows({}, 0),
    /* 10 */ detail::pitchRows({}, 0),
    /* 11 */ detail::pitchRows({}, 0),
    /* 12 */ detail::pitchRows({}, 0),
};

// Grade-2 pitch deviations (module classes 1 ... 3, diameter classes 1 ... 6).
using Grade2Row = std::array<double, 6>;
inline constexpr std::array<Grade2Row, 3> kGrade2Pitch = {
    detail::notEntered<Grade2Row>(), detail::notEntered<Grade2Row>(), detail::notEntered<Grade2Row>()};

// Tooth alignment deviations Fbeta and axis parallelism deviations fy, grades 2 ... 12, by
// face-width class.
inline constexpr std::array<WidthRow, kAlignmentGrades> kAlignment =
    detail::notEnteredTable<WidthRow, kAlignmentGrades>();
inline constexpr std::array<WidthRow, kAlignmentGrades> kParallelismY =
    detail::notEnteredTable<WidthRow, kAlignmentGrades>();

}  // namespace soukoli
