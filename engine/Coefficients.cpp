// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Entries of the coefficients dialog: direct-entry flags and the exclusive tooth-root factors.
#include "engine/Coefficients.h"

#include <cmath>

#include "engine/Numbers.h"

namespace soukoli {

namespace {

bool blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// The factor that an entry of YFa/YSa (one gear) resets and the fields behind it.
void clearProductFactor(GearPairData& g, bool pinion) {
    (pinion ? g.YFS1Given : g.YFS2Given) = false;
    (pinion ? g.YFS1 : g.YFS2) = 1.0;
}

void clearSingleFactors(GearPairData& g, bool pinion) {
    (pinion ? g.YFa1Given : g.YFa2Given) = false;
    (pinion ? g.YSa1Given : g.YSa2Given) = false;
    (pinion ? g.YFa1 : g.YFa2) = 1.0;
    (pinion ? g.YFe1 : g.YFe2) = 1.0;
    (pinion ? g.YSa1 : g.YSa2) = 1.0;
    (pinion ? g.YSe1 : g.YSe2) = 1.0;
}

// Under "DIN - ISO  B" fields 13-16 stand for YFe1, YFe2, YSe1, YSe2.
double* dinBTwin(GearPairData& g, int number) {
    switch (number) {
    case 13: return &g.YFe1;
    case 14: return &g.YFe2;
    case 15: return &g.YSe1;
    case 16: return &g.YSe2;
    default: return nullptr;
    }
}

}  // namespace

const CoefficientField* coefficientField(int number) {
    if (number < 1 || number > static_cast<int>(kCoefficientFieldCount)) return nullptr;
    return &kCoefficientFields[static_cast<std::size_t>(number - 1)];
}

double& coefficientQuantity(GearPairData& g, int number) {
    if (g.Zjednoduseny && number == kCoefficientFieldYT1) return g.ZR1;
    if (g.Zjednoduseny && number == kCoefficientFieldYT2) return g.ZR2;
    return g.*(coefficientField(number)->quantity);
}

double coefficientQuantity(const GearPairData& g, int number) {
    if (g.Zjednoduseny && number == kCoefficientFieldYT1) return g.ZR1;
    if (g.Zjednoduseny && number == kCoefficientFieldYT2) return g.ZR2;
    return g.*(coefficientField(number)->quantity);
}

std::string coefficientText(const GearPairData& g, int number) {
    const CoefficientField* f = coefficientField(number);
    if (!f) return {};
    if (f->given && !(g.*(f->given))) return {};
    return str(coefficientQuantity(g, number), f->width, f->decimals);
}

bool coefficientEditable(const GearPairData& g, int number) {
    if (!g.Zjednoduseny && number == kCoefficientFieldYT1 && g.SigmaFlimb1Given) return false;
    if (!g.Zjednoduseny && number == kCoefficientFieldYT2 && g.SigmaFlimb2Given) return false;
    if (number >= kFirstMaximumLoadFactor && number <= kLastMaximumLoadFactor) return g.MetodaVypoctu == 'B';
    return true;
}

void applyEnteredLimitStresses(GearPairData& g) {
    if (g.SigmaFlimb1Given) g.YT1 = 1.0;
    if (g.SigmaFlimb2Given) g.YT2 = 1.0;
}

FieldEntry enterCoefficient(GearPairData& g, int number, std::string_view text) {
    const CoefficientField* f = coefficientField(number);
    if (!f) return refusedEntry();
    const bool optional = f->given != nullptr;
    // An emptied optional field is the same as 0: the factor is computed again. (Keeping the
    // mark with the value 0 would let a run use a factor of 0.)
    const NumberParse p = optional && blank(text) ? NumberParse{} : parseNumber(text);
    double& quantity = coefficientQuantity(g, number);
    quantity = p.value;
    double* twin = loadsAtSinglePairPoint(g.standard) ? dinBTwin(g, number) : nullptr;
    if (twin) *twin = p.value;
    if (!p.ok() || !(p.value >= 0)) return refusedEntry(kRefusedEntry, p.status);

    if (optional) g.*(f->given) = p.value != 0;
    if (optional && p.value != 0) {
        switch (number) {
        case 13:
        case 15: clearProductFactor(g, true); break;
        case 14:
        case 16: clearProductFactor(g, false); break;
        case 17: clearSingleFactors(g, true); break;
        case 18: clearSingleFactors(g, false); break;
        default: break;
        }
    }
    // A bending limit entered directly fixes YT at 1, as the window shows it.
    applyEnteredLimitStresses(g);
    return acceptedEntry();
}

std::optional<NotchProblem> notchCombinationProblem(const GearPairData& g) {
    const auto oneOnly = [](double tg, double Rog) { return (Rog > 0 && tg == 0) || (Rog == 0 && tg > 0); };
    if (oneOnly(g.tg1, g.Rog1)) return NotchProblem{kNotchCombination1, 1};
    if (oneOnly(g.tg2, g.Rog2)) return NotchProblem{kNotchCombination2, 2};
    return std::nullopt;
}

}  // namespace soukoli
