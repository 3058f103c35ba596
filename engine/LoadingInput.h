// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The rules of the loading dialog ("Zatěžující údaje") without its widgets: what each numbered
// field stores, accepts and recomputes, how it is shown, the choices of method, input mode, units
// and lives, and the checks of "&Ok". The desktop dialog and the tests call these.
#pragma once

#include <string>
#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

inline constexpr std::string_view kInvalidEntry = "Neplatné zadání";
inline constexpr std::string_view kYA1Message = "Neplatné zadání, součinitel YA1 může být od 0.7 do 1 ";
inline constexpr std::string_view kYA2Message = "Neplatné zadání, součinitel YA2 může být od 0.7 do 1 ";
inline constexpr std::string_view kKAStaticMessage =
    "Neplatné zadání, součinitel KA musí být >=1 a nesmí být větší než KAS";
inline constexpr std::string_view kKAMessage = "Neplatné zadání, součinitel KA musí být >=1";
inline constexpr std::string_view kKASMessage =
    "Neplatné zadání, součinitel KAS musí být >=1 a nesmí být menší než KA";
inline constexpr std::string_view kCHSZ1Message = "Neplatné zadání, CHSZ1 musí být od 1 do 17";
inline constexpr std::string_view kCHSZ2Message = "Neplatné zadání, CHSZ2 musí být od 1 do 17";
inline constexpr std::string_view kHoursDifferMessage =
    "Neplatné zadání, životnost pastorku a kola v hodinách by se měly rovnat";
inline constexpr std::string_view kForcesMissingMessage = "Nejsou zadané všechny síly.";
inline constexpr std::string_view kTorquesMissingMessage = "Nejsou zadané všechny momenty.";

/// Number of the highest field of the loading dialog.
inline constexpr int kLoadingFields = 26;

/// Field `field` (1 … 26) left or confirmed with `value`: the quantity is stored (before it is
/// judged), judged, and on acceptance its dependants are recomputed (classes, cleared
/// equivalent loads, the own flag of a directly entered load). Refused with the field's message.
[[nodiscard]] FieldEntry commitLoadingField(GearPairData& g, int field, double value);

/// What field `field` shows: str(x:5:1), the lives picture in cycles, str(x:5:3) for the
/// factors, width 3 for the classes; a directly entered load only when its flag is set.
[[nodiscard]] std::string loadingFieldText(const GearPairData& g, int field);

/// The equivalent load `index` (0 FtFe1, 1 FtHe1, 2 FtFe2, 3 FtHe2) of "Výsledek schematizace",
/// as force or torque by `SilyF`, str(x:5:1).
[[nodiscard]] std::string equivalentLoadText(const GearPairData& g, int index);

/// "A - Statické zatížení": method "A", no input mode, no directly entered loads.
void chooseStaticMethod(GearPairData& g);
/// "B - Ekvivalentní zatížení": method "B" with no input mode chosen yet.
void chooseEquivalentMethod(GearPairData& g);
/// "Schematizace": loads from the spectrum dialog; the previous equivalent loads are void.
void chooseLevelsInput(GearPairData& g);
/// "Volba CHSZ": the equivalent loads follow from the classes CHSZ1, CHSZ2.
void chooseClassInput(GearPairData& g);
/// "Zadání ekv. sil (momentů)": the loads not entered directly are cleared.
void chooseDirectInput(GearPairData& g);

/// The eight equivalent loads set to 0 and none marked as entered directly.
void clearEquivalentLoads(GearPairData& g);

/// Forces or torques chosen: the entered load is converted through d1 (F = 2000·T/d1).
void chooseForces(GearPairData& g);
void chooseTorques(GearPairData& g);
/// Lives in cycles or hours chosen: converted at 60·n1 cycles an hour, the wheel's by z1/|z2|.
void chooseCycles(GearPairData& g);
void chooseHours(GearPairData& g);

/// A bending limit entered directly fixes the gear's YA at 1 (its fields are disabled then).
/// Gives whether YA1 and YA2 are fixed.
struct FixedYA {
    bool YA1 = false;
    bool YA2 = false;
};
FixedYA applyFixedYA(GearPairData& g);

enum class LoadingVerdict { Accepted, HoursDiffer, ForcesMissing, TorquesMissing };

struct LoadingConfirmation {
    LoadingVerdict verdict = LoadingVerdict::Accepted;
    std::string_view message;  // empty when accepted
    int focusField = 0;        // the field that gets the focus after the message (0: none)
};

/// "&Ok": lives in hours converted to cycles, the hours of both gears checked, every
/// equivalent load of method "B" present; when accepted the loads of the run are derived.
[[nodiscard]] LoadingConfirmation confirmLoading(GearPairData& g, Ui& ui);

/// The help topic of the dialog's current mode: 42 for method "A"; 41, 43, 45, 46 for "B".
[[nodiscard]] int loadingHelpTopic(const GearPairData& g);

}  // namespace soukoli
