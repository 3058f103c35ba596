// Accuracy grades and deviations: the lookups of the limiting deviations after ČSN 01 4682 for
// the current grades, diameters and face widths, and the rules of the accuracy fields.
#pragma once

#include <string_view>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// Class 1 ... 7 of a module, of a reference diameter (0 above 6300 mm) and class 1 ... 8 of a
/// face width (0 above 1250 mm).
[[nodiscard]] int moduleClass(double mn);
[[nodiscard]] int diameterClass(double d);
[[nodiscard]] int widthClass(double b);

/// Pitch lookup: fpb1 from d1 and IT1 (pinion) or fpb2 from |d2| and IT2 (wheel), while the
/// deviation's flag is set; an undefined value clears the flag.
void lookupBasePitch(GearPairData& g, Gear gear);

/// Alignment lookup: Fbeta1 with fx and fy from b1 and IT1 (pinion), Fbeta2 from b2 and IT2.
void lookupAlignment(GearPairData& g, Gear gear);

/// Both lookups for both gears.
void lookupAllDeviations(GearPairData& g);

/// "&Nuluj": the limiting deviations are used again, the measured ones are 0.
void resetMeasuredDeviations(GearPairData& g);

/// Field numbers of the accuracy window.
enum class AccuracyField { IT1 = 1, IT2, fpbr1, fpbr2, Fbetar1, Fbetar2, fxr, fyr };

/// The message of a rejected accuracy field.
[[nodiscard]] std::string_view accuracyMessage(AccuracyField field);

/// Stores the entry (a grade only when it is a whole number that fits), judges it and runs what
/// follows: the lookups of the gear for a grade, the flag of a measured deviation cleared.
[[nodiscard]] bool commitAccuracy(GearPairData& g, AccuracyField field, double value, bool readable);

}  // namespace soukoli
