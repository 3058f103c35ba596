// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The loading dialog's rules: field storage and ranges, the recomputations after a field, the
// choices of method, mode, units and lives, and the checks of "&Ok". Forces and torques convert
// through d1 (F = 2000·T/d1 [N, N·m, mm]); lives in hours count 60·n1 cycles an hour.
#include "engine/LoadingInput.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "engine/Loads.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

// The quantity a field stores; several fields share one (n1 in 2, 10, 18 ...).
template <class Data>
auto fieldQuantity(Data& g, int field) -> decltype(&g.F1) {
    switch (field) {
        case 1: return g.SilyF ? &g.F1 : &g.T1;
        case 9:
        case 26: return g.SilyF ? &g.Ft1 : &g.T1;
        case 2:
        case 10:
        case 18: return &g.n1;
        case 3:
        case 11: return g.NKvCyklech ? &g.NK1 : &g.NK1hod;
        case 4:
        case 12: return g.NKvCyklech ? &g.NK2 : &g.NK2hod;
        case 5:
        case 13:
        case 19: return &g.YA1;
        case 6:
        case 14:
        case 20: return &g.YA2;
        case 7:
        case 15:
        case 21: return &g.KA;
        case 8: return &g.KAS;
        case 22: return g.SilyF ? &g.FtFe1 : &g.TFe1;
        case 23: return g.SilyF ? &g.FtHe1 : &g.THe1;
        case 24: return g.SilyF ? &g.FtFe2 : &g.TFe2;
        case 25: return g.SilyF ? &g.FtHe2 : &g.THe2;
        default: return nullptr;
    }
}

template <class Data>
auto directFlag(Data& g, int field) -> decltype(&g.FtFe1Given) {
    switch (field) {
        case 22: return &g.FtFe1Given;
        case 23: return &g.FtHe1Given;
        case 24: return &g.FtFe2Given;
        case 25: return &g.FtHe2Given;
        default: return nullptr;
    }
}

std::string directEntryMessage(const GearPairData& g, int field) {
    static constexpr std::array<std::string_view, 4> forces{"FtFe1", "FtHe1", "FtFe2", "FtHe2"};
    static constexpr std::array<std::string_view, 4> torques{"TFe1", "THe1", "TFe2", "THe2"};
    const auto i = static_cast<std::size_t>(field - 22);
    return g.SilyF ? std::string(forces[i]) + " nemůže být větší než Ft1"
                   : std::string(torques[i]) + " nemůže být větší než T1";
}

// A class field: an integer 1 … 17. A value that is no integer of the 16-bit field is not
// stored, so the data set never holds a wrapped class.
FieldEntry commitClass(GearPairData& g, std::uint16_t& chsz, double value, std::string_view message) {
    const bool integral = value >= 0 && value <= 65535 && std::floor(value) == value;
    if (integral) chsz = static_cast<std::uint16_t>(value);
    if (!integral || value < 1 || value > 17) return refusedEntry(message);
    computeEquivalentLoadsFromClasses(g);
    return acceptedEntry();
}

// b·factor/divisor into `target`, unless the divisor is 0 (the target keeps its value then).
void convert(double& target, double value, double factor, double divisor) {
    if (divisor != 0) target = value * factor / divisor;
}

double wheelShare(const GearPairData& g) { return g.z2 != 0 ? g.z1 / std::abs(g.z2) : 0; }

}  // namespace

FieldEntry commitLoadingField(GearPairData& g, int field, double value) {
    if (field == 16) return commitClass(g, g.CHSZ1, value, kCHSZ1Message);
    if (field == 17) return commitClass(g, g.CHSZ2, value, kCHSZ2Message);
    double* q = fieldQuantity(g, field);
    if (!q) return refusedEntry(kInvalidEntry);
    const double before = *q;
    *q = value;
    switch (field) {
        case 1:
        case 9:
        case 26:
            if (!(value > 0)) return refusedEntry(kInvalidEntry);
            if (field == 9 && g.ZadaniSil == kLoadsFromClasses) computeEquivalentLoadsFromClasses(g);
            // A new nominal load voids the spectrum's results; leaving the field unchanged does not.
            if (field == 26 && value != before) clearEquivalentLoads(g);
            return acceptedEntry();
        case 5:
        case 6:
        case 13:
        case 14:
        case 19:
        case 20: {
            // The static panel allows 0.6999999, the others 0.699999: both take 0.7 as typed.
            const double low = field <= 6 ? 0.6999999 : 0.699999;
            if (value >= low && value <= 1) return acceptedEntry();
            return refusedEntry(field == 5 || field == 13 || field == 19 ? kYA1Message : kYA2Message);
        }
        case 7: return value >= 1 && value <= g.KAS ? acceptedEntry() : refusedEntry(kKAStaticMessage);
        case 15:
        case 21: return value >= 1 ? acceptedEntry() : refusedEntry(kKAMessage);
        case 8: return value >= 1 && value >= g.KA ? acceptedEntry() : refusedEntry(kKASMessage);
        case 22:
        case 23:
        case 24:
        case 25: {
            const double limit = g.SilyF ? g.Ft1 : g.T1;
            if (!(value > 0) || value > limit) return refusedEntry(directEntryMessage(g, field));
            *directFlag(g, field) = true;
            return acceptedEntry();
        }
        default:  // n1 and the lives
            return value > 0 ? acceptedEntry() : refusedEntry(kInvalidEntry);
    }
}

std::string loadingFieldText(const GearPairData& g, int field) {
    if (field == 16) return str(g.CHSZ1, 3, 0);
    if (field == 17) return str(g.CHSZ2, 3, 0);
    const double* q = fieldQuantity(g, field);
    if (!q) return {};
    if (const bool* flag = directFlag(g, field); flag && !*flag) return {};
    const bool life = field == 3 || field == 4 || field == 11 || field == 12;
    if (life && g.NKvCyklech) return formatFloat(kPictureLives, *q);
    const bool factor = (field >= 5 && field <= 8) || (field >= 13 && field <= 15) || (field >= 19 && field <= 21);
    return factor ? str(*q, 5, 3) : str(*q, 5, 1);
}

std::string equivalentLoadText(const GearPairData& g, int index) {
    const std::array<double, 4> forces{g.FtFe1, g.FtHe1, g.FtFe2, g.FtHe2};
    const std::array<double, 4> torques{g.TFe1, g.THe1, g.TFe2, g.THe2};
    const auto i = static_cast<std::size_t>(index);
    return i < 4 ? str(g.SilyF ? forces[i] : torques[i], 5, 1) : std::string();
}

void clearEquivalentLoads(GearPairData& g) {
    g.FtFe1 = g.FtHe1 = g.FtFe2 = g.FtHe2 = 0;
    g.TFe1 = g.THe1 = g.TFe2 = g.THe2 = 0;
    g.FtFe1Given = g.FtHe1Given = g.FtFe2Given = g.FtHe2Given = false;
}

void chooseStaticMethod(GearPairData& g) {
    g.MetodaVypoctu = 'A';
    g.ZadaniSil = kLoadsStatic;
    g.FtFe1Given = g.FtHe1Given = g.FtFe2Given = g.FtHe2Given = false;
}

void chooseEquivalentMethod(GearPairData& g) {
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsStatic;  // the three check boxes start unticked
}

void chooseLevelsInput(GearPairData& g) {
    g.ZadaniSil = kLoadsFromLevels;
    clearEquivalentLoads(g);
}

void chooseClassInput(GearPairData& g) {
    g.ZadaniSil = kLoadsFromClasses;
    computeEquivalentLoadsFromClasses(g);
    g.FtFe1Given = g.FtHe1Given = g.FtFe2Given = g.FtHe2Given = false;
}

void chooseDirectInput(GearPairData& g) {
    g.ZadaniSil = kLoadsEntered;
    const auto keep = [](bool given, double& force, double& torque) {
        if (!given) force = torque = 0;
    };
    keep(g.FtFe1Given, g.FtFe1, g.TFe1);
    keep(g.FtHe1Given, g.FtHe1, g.THe1);
    keep(g.FtFe2Given, g.FtFe2, g.TFe2);
    keep(g.FtHe2Given, g.FtHe2, g.THe2);
}

void chooseForces(GearPairData& g) {
    g.SilyF = true;
    if (g.MetodaVypoctu != 'B') {
        convert(g.F1, g.T1, 2000, g.d1);
        return;
    }
    convert(g.Ft1, g.T1, 2000, g.d1);
    if (g.ZadaniSil == kLoadsEntered) return;
    convert(g.FtFe1, g.TFe1, 2000, g.d1);
    convert(g.FtHe1, g.THe1, 2000, g.d1);
    convert(g.FtFe2, g.TFe2, 2000, g.d1);
    convert(g.FtHe2, g.THe2, 2000, g.d1);
}

void chooseTorques(GearPairData& g) {
    g.SilyF = false;
    if (g.MetodaVypoctu != 'B') {
        convert(g.T1, g.F1, g.d1, 2000);
        return;
    }
    convert(g.T1, g.Ft1, g.d1, 2000);
    if (g.ZadaniSil == kLoadsEntered) return;
    convert(g.TFe1, g.FtFe1, g.d1, 2000);
    convert(g.THe1, g.FtHe1, g.d1, 2000);
    convert(g.TFe2, g.FtFe2, g.d1, 2000);
    convert(g.THe2, g.FtHe2, g.d1, 2000);
}

void chooseCycles(GearPairData& g) {
    g.NKvCyklech = true;
    g.NK1 = g.NK1hod * 60 * g.n1;
    g.NK2 = g.NK2hod * 60 * g.n1 * wheelShare(g);
}

void chooseHours(GearPairData& g) {
    g.NKvCyklech = false;
    convert(g.NK1hod, g.NK1, 1, 60 * g.n1);
    convert(g.NK2hod, g.NK2, 1, 60 * g.n1 * wheelShare(g));
}

FixedYA applyFixedYA(GearPairData& g) {
    if (g.SigmaFlimb1Given) g.YA1 = 1;
    if (g.SigmaFlimb2Given) g.YA2 = 1;
    return {g.SigmaFlimb1Given, g.SigmaFlimb2Given};
}

LoadingConfirmation confirmLoading(GearPairData& g, Ui& ui) {
    if (!g.NKvCyklech) {
        g.NK1 = g.NK1hod * 60 * g.n1;
        g.NK2 = g.n1 * g.NK2hod * 60 * wheelShare(g);
        if (std::abs(g.z2) != g.z1 && g.NK1hod != g.NK2hod) {
            const int field = g.MetodaVypoctu != 'B' ? 4 : g.ZadaniSil >= kLoadsFromClasses ? 12 : 0;
            return {LoadingVerdict::HoursDiffer, kHoursDifferMessage, field};
        }
    }
    if (g.MetodaVypoctu == 'B') {
        if (g.SilyF && !(g.FtFe1 > 0 && g.FtHe1 > 0 && g.FtFe2 > 0 && g.FtHe2 > 0))
            return {LoadingVerdict::ForcesMissing, kForcesMissingMessage, 0};
        if (!g.SilyF && !(g.TFe1 > 0 && g.THe1 > 0 && g.TFe2 > 0 && g.THe2 > 0))
            return {LoadingVerdict::TorquesMissing, kTorquesMissingMessage, 0};
    }
    computeLoads(g, ui);
    return {};
}

int loadingHelpTopic(const GearPairData& g) {
    if (g.MetodaVypoctu != 'B') return 42;
    switch (g.ZadaniSil) {
        case kLoadsFromLevels: return 43;
        case kLoadsFromClasses: return 45;
        case kLoadsEntered: return 46;
        default: return 41;
    }
}

}  // namespace soukoli
