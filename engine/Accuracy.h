// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Accuracy grades and deviations: the lookups of the limiting deviations after ČSN 01 4682 for
// the current grades, diameters and face widths, and the rules of the accuracy fields.
#pragma once

#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// Class 1 ... 7 of a module, class 1 ... 7 of a reference diameter and class 1 ... 8 of a face
/// width; 0 beyond the last class (the deviation is undefined there).
[[nodiscard]] int moduleClass(double mn);
[[nodiscard]] int diameterClass(double d);
[[nodiscard]] int widthClass(double b);

/// The tabulated base pitch deviation fpb of a grade, normal module and reference diameter, and
/// the tooth alignment deviation Fbeta of a grade and face width [µm]; 0 where the standard
/// defines none or the value is not known.
[[nodiscard]] double tabulatedBasePitch(int grade, double mn, double d);
[[nodiscard]] double tabulatedAlignment(int grade, double b);

/// Pitch lookup: fpb1 from IT1, mn and d1 (pinion) or fpb2 from IT2, mn and |d2| (wheel). The
/// limiting deviation is always the one of the current entries (0 when undefined). Its flag is
/// set when it is defined and no measured deviation replaces it.
void lookupBasePitch(GearPairData& g, Gear gear);

/// Alignment lookup: Fbeta1 with fx and fy from IT1 and b1 (pinion), Fbeta2 from IT2 and b2;
/// the flags as in the pitch lookup.
void lookupAlignment(GearPairData& g, Gear gear);

/// Both lookups for both gears.
void lookupAllDeviations(GearPairData& g);

/// "&Nuluj": no deviation is measured any more, the limiting deviations apply where defined.
void resetMeasuredDeviations(GearPairData& g);

/// Field numbers of the accuracy window.
enum class AccuracyField { IT1 = 1, IT2, fpbr1, fpbr2, Fbetar1, Fbetar2, fxr, fyr };

/// The message of a rejected accuracy field.
[[nodiscard]] std::string_view accuracyMessage(AccuracyField field);

/// Stores the entry (a grade only when it is a whole number that fits), judges it and runs what
/// follows: the lookups of the gear for a grade; for a measured deviation its flag, cleared by
/// a measured value and set again by 0 ("not measured": the limiting deviation applies when
/// the standard defines one). The window passes an empty measured field as a readable 0.
/// Refused with accuracyMessage(field).
[[nodiscard]] FieldEntry commitAccuracy(GearPairData& g, AccuracyField field, double value, bool readable);

}  // namespace soukoli
