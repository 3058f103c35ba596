// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The calculation driver: the full and the simplified calculation run their stages on the data
// set in a fixed order and stop where a stage clears the run flag. The full calculation opens
// with the check of the gear bodies.
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

inline constexpr std::string_view kInternalOnlyCsn = "Vnitřní ozubení lze počítat pouze podle ČSN 01 4686.";

/// "Úplný výpočet". The outcome is `runFlag`; every value is left in the data set, and `lastRun`,
/// `contactChecked` and `stopMessage` say how far the run got and what it stopped on.
void runFullCalculation(GearPairData& data, Ui& ui);

/// "Zjednodušený výpočet": no body check, fixed transverse and dynamic factors, KHbeta as set.
void runSimplifiedCalculation(GearPairData& data, Ui& ui);

/// The calculation the data set is set for: the simplified one when `Zjednoduseny` (the second
/// tab), otherwise the full one.
void runCalculation(GearPairData& data, Ui& ui);

/// Checks that hub, web and rim fit inside the root circle of each gear and that the rims are
/// thick enough; clears `runFlag` and asks for the dimensions dialog when they are not.
void checkGearBodies(GearPairData& data, Ui& ui);

/// Only ČSN 01 4686 rates an internal wheel (the DIN - ISO methods have no root factors for it):
/// both calculations ask this before any stage runs, so a refused pair leaves every value as it
/// was. Clears `runFlag` and returns false when the pair cannot be rated.
bool checkStandardRatesPair(GearPairData& data, Ui& ui);

/// A tip circle inside its base circle leaves no path of contact, so no transverse contact ratio
/// of this pair (Epsalfa would keep the value of earlier inputs): both calculations stop on it
/// after the contact geometry (false, geometry dialog requested).
bool checkPathOfContact(GearPairData& data, Ui& ui);

/// The contact-ratio checks common to both calculations: Epsgama of 1 or less stops the run
/// (false, geometry dialog requested); with ČSN 01 4686 an Epsalfa of 2 or more only warns.
bool checkContactRatios(GearPairData& data, Ui& ui);

/// Elements of a gear body fit inside its root diameter (0.1 mm tolerance).
[[nodiscard]] bool bodyElementsFit(double df, double dh, double sd, double sr);

}  // namespace soukoli
