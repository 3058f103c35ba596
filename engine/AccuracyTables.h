// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Limiting deviations after ČSN 01 4682 in µm: the base pitch deviation fpb by grade, module
// class and diameter class, and the tooth alignment deviation Fbeta by grade and face-width
// class, with the bounds of the classes.
//
// Where the values come from: ČSN 01 4682 is the Czech edition of ST SEV 641-77, whose tables
// are those of GOST 1643-81. The fpb and Fbeta rows of grades 6 ... 9 are taken from a public
// table of GOST 1643-81 (the constant tables of a gear-strength program written for it; only its
// numbers were used). Grade 8, module classes 1 ... 3, and grade 3, module class 1, agree with
// the values stated for this program. Every other cell is not known to us (kUnknown).
#pragma once

#include <array>
#include <cstddef>

namespace soukoli {

inline constexpr int kLowestAccuracyGrade = 2;
inline constexpr int kHighestAccuracyGrade = 12;
inline constexpr std::size_t kAccuracyGrades = kHighestAccuracyGrade - kLowestAccuracyGrade + 1;

inline constexpr std::size_t kModuleClasses = 7;
inline constexpr std::size_t kDiameterClasses = 7;
inline constexpr std::size_t kWidthClasses = 8;

/// Upper bounds of the module classes [mm], each inclusive (a module of 4 mm is class 2); above
/// the last the deviation is undefined.
inline constexpr std::array<double, kModuleClasses> kModuleClassBounds = {3.5, 6.3, 10, 16, 25, 40, 55};
/// Upper bounds of the diameter classes [mm]; above the last the deviation is undefined.
inline constexpr std::array<double, kDiameterClasses> kDiameterClassBounds = {125, 400, 800, 1600, 2500, 4000, 6300};
/// Upper bounds of the face-width classes [mm]; above the last the deviation is undefined.
inline constexpr std::array<double, kWidthClasses> kWidthClassBounds = {40, 100, 160, 250, 400, 630, 1000, 1250};

using DiameterRow = std::array<double, kDiameterClasses>;
using ModuleRows = std::array<DiameterRow, kModuleClasses>;
using WidthRow = std::array<double, kWidthClasses>;

/// A cell the standard leaves empty is 0. A cell whose value we do not know is kUnknown: it is
/// looked up as undefined too (the user enters the measured deviation), never guessed.
inline constexpr double kUnknown = 0;
inline constexpr DiameterRow kUnknownRow = {kUnknown, kUnknown, kUnknown, kUnknown, kUnknown, kUnknown, kUnknown};
inline constexpr ModuleRows kUnknownGrade = {kUnknownRow, kUnknownRow, kUnknownRow, kUnknownRow,
                                             kUnknownRow, kUnknownRow, kUnknownRow};

// Base pitch limit deviation ±fpb, grades 2 ... 12; rows: module class 1 ... 7, columns:
// diameter class 1 ... 7. Grade 2 follows in the standard from its single pitch deviations
// (fpt·cos αt), none of which we know; module classes 6 and 7 are unknown in every grade.
inline constexpr std::array<ModuleRows, kAccuracyGrades> kBasePitch = {{
    /* 2 */ kUnknownGrade,
    /* 3 */ {{{2.4, 2.8, 3.2, 3.4, 3.8, kUnknown, kUnknown},
              kUnknownRow, kUnknownRow, kUnknownRow, kUnknownRow, kUnknownRow, kUnknownRow}},
    /* 4 */ kUnknownGrade,
    /* 5 */ kUnknownGrade,
    /* 6 */ {{{9.5, 10, 12, 13, 15, 0, 0},
              {12, 13, 13, 15, 17, 19, 0},
              {13, 15, 17, 17, 19, 21, 24},
              {0, 17, 19, 19, 21, 24, 26},  // 26: the source prints 25 (see below)
              kUnknownRow, kUnknownRow, kUnknownRow}},
    /* 7 */ {{{13, 15, 17, 19, 21, 0, 0},
              {17, 19, 19, 21, 24, 26, 0},
              {19, 21, 24, 24, 26, 30, 34},
              {0, 24, 26, 26, 30, 34, 38},
              {0, 30, 34, 34, 38, 38, 42},
              kUnknownRow, kUnknownRow}},
    /* 8 */ {{{19, 21, 24, 26, 30, 0, 0},
              {24, 26, 26, 30, 34, 38, 0},
              {26, 30, 34, 34, 38, 42, 48},
              {0, 34, 38, 38, 42, 48, 53},
              {0, 42, 48, 48, 53, 53, 60},
              kUnknownRow, kUnknownRow}},
    /* 9 */ {{{26, 30, 34, 38, 42, 0, 0},
              {34, 38, 38, 42, 48, 53, 0},
              {38, 42, 48, 48, 53, 60, 67},  // 48 in class d3: the source prints 45 (see below)
              {0, 48, 53, 53, 60, 67, 75},
              {0, 60, 67, 67, 75, 75, 85},
              kUnknownRow, kUnknownRow}},
    /* 10 */ kUnknownGrade,
    /* 11 */ kUnknownGrade,
    /* 12 */ kUnknownGrade,
}};
// The two corrected cells: every base pitch deviation of these tables is a single pitch
// deviation of the preferred series times cos 20°, rounded back to the series (22→21, 25→24,
// 28→26, 32→30, 36→34, 40→38, 45→42, 50→48, 56→53). The printed 25 and 45 cannot arise so, and
// their neighbours point to 26 and 48: both are misprints.

// Tooth alignment limit deviation Fbeta, grades 2 ... 12; columns: face-width class 1 ... 8.
inline constexpr WidthRow kUnknownWidthRow = {kUnknown, kUnknown, kUnknown, kUnknown,
                                              kUnknown, kUnknown, kUnknown, kUnknown};
inline constexpr std::array<WidthRow, kAccuracyGrades> kAlignment = {{
    /* 2 */ kUnknownWidthRow,
    /* 3 */ kUnknownWidthRow,
    /* 4 */ kUnknownWidthRow,
    /* 5 */ kUnknownWidthRow,
    //       ≤40 ≤100 ≤160 ≤250 ≤400 ≤630  ≤1000     ≤1250
    /* 6 */ {9, 12, 16, 20, 25, 28, kUnknown, kUnknown},
    /* 7 */ {11, 16, 20, 25, 28, 32, kUnknown, kUnknown},
    /* 8 */ {18, 25, 32, 40, 45, 56, kUnknown, kUnknown},
    /* 9 */ {28, 40, 50, 63, 71, 90, kUnknown, kUnknown},
    /* 10 */ kUnknownWidthRow,
    /* 11 */ kUnknownWidthRow,
    /* 12 */ kUnknownWidthRow,
}};

/// Axis parallelism: fx equals Fbeta of the pinion's grade and width class, fy is half of it
/// (the relation these standards keep for the deviation of the axes' skew).
inline constexpr double kSkewToAlignment = 0.5;

/// Below these a looked-up deviation counts as undefined.
inline constexpr double kLeastDeviation = 0.01;          // fpb, Fbeta
inline constexpr double kLeastParallelismDeviation = 0.1;  // fx, fy

}  // namespace soukoli
