// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Stress correction factors per standard. The charts of ČSN 01 4686 part 3 exist for a 20° rack
// with tool addendum 1.25 and tip radii 0.2 and 0.38; between the two radii the chart values are
// interpolated linearly, outside them the factor has to be entered directly.
#include "engine/StressCorrection.h"

#include <cmath>
#include <numbers>
#include <string_view>

#include "engine/StageGuard.h"

namespace soukoli {

namespace {

struct CsnTexts {
    std::string_view shift, tool, radius;
};

constexpr CsnTexts kPinionTexts{
    "Pro tak velkou korekci pastorku nelze numericky řešit součinitel YSa1\r(ČSN 01 4686, část 3, strana 28).\r\r"
    "Zadej součinitel YSa1 přímo.",
    "Atypický nástroj pro pastorek (viz ČSN 01 4686, díl 3,obr.12-13).\r\r"
    "Je nutno zadat součinitel YSa1 přímo v zadáni (nebo změnit nástroj).",
    "Atypický nástroj pro pastorek (viz ČSN 01 4686, díl 3,obr.12-13),\r(rof1* je mimo interval 0.2 *mn až 0.38*mn).\r\r"
    "Je nutno zadat součinitel YSa1 přímo v zadáni (nebo změnit nástroj).",
};

constexpr CsnTexts kWheelTexts{
    "Pro tak velkou korekci kola nelze numericky řešit součinitel YSa2\r(ČSN 01 4686, část 3, strana 28).\r\r"
    "Zadej součinitel YSa2 přímo.",
    "Atypický nástroj pro kolo (viz ČSN 01 4686, díl 3,obr.12-13).\r\r"
    "Je nutno zadat součinitel YSa2 přímo v zadáni (nebo změnit nástroj).",
    "Atypický nástroj pro kolo (viz ČSN 01 4686, díl 3,obr.12-13),\r(rof2* je mimo interval 0.2 *mn až 0.38*mn).\r\r"
    "Je nutno zadat součinitel YSa2 přímo v zadáni (nebo změnit nástroj).",
};

constexpr std::string_view kInternalRadiusText =
    "Atypický nástroj pro kolo (viz ČSN 01 4686, díl 3, tab.8)\r(rof2* je mimo interval 0.2 *mn az 0.38*mn)\r\r"
    "Je nutno zadat součinitel YSa2 přímo v zadáni (nebo změnit nástroj).";
constexpr std::string_view kInternalToolText =
    "Atypické vnitřní ozubení (viz ČSN 01 4686, díl 3, poznamka pod tab.8)\r\r"
    "Je nutno zadat součinitel YSa2 přímo v zadáni (nebo změnit nástroj)";

double degrees(double rad) { return rad * 180.0 / std::numbers::pi; }

bool standardPressureAngle(const GearPairData& g) {
    const double deg = degrees(g.Alfan);
    return !(deg > 20.01 || deg < 19.99);
}

bool chartRadius(double rof) { return !(rof > 0.381 || rof < 0.199); }

// Stops with a message and the coefficients dialog so the factor can be entered there.
void stopForEntry(GearPairData& g, Ui& ui, std::string_view text) {
    ui.message(text);
    ui.openDialog(DialogId::Coefficients, Modality::Modal);
    g.runFlag = false;
}

// DIN 3990 methods B and C: the closed formula on the root chord and the moment arm.
void closedForm(GearPairData& g, Ui& ui, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    const double sFn = pinion ? g.sFn1 : g.sFn2;
    const double RoFn = pinion ? g.RoFn1 : g.RoFn2;
    const bool singlePairPoint = loadsAtSinglePairPoint(g.standard);
    const double hF = singlePairPoint ? (pinion ? g.hFe1 : g.hFe2) : (pinion ? g.hFa1 : g.hFa2);
    const double qs = sFn / (2 * RoFn);
    const double L = sFn / hF;
    const double Y = closedFormStressCorrection(qs, L);
    if (!requireFinite(g, ui, {qs, L, Y})) return;
    (pinion ? g.qs1 : g.qs2) = qs;
    g.L = L;
    if (pinion ? g.YSa1Given : g.YSa2Given) return;
    if (singlePairPoint)
        (pinion ? g.YSe1 : g.YSe2) = Y;
    else
        (pinion ? g.YSa1 : g.YSa2) = Y;
}

// ČSN 01 4686 for the pinion and an external wheel: range checks, then the charts.
void csnChart(GearPairData& g, Ui& ui, Gear gear, bool dialogActive) {
    const bool pinion = gear == Gear::Pinion;
    const double x = pinion ? g.x1 : g.x2;
    const double ha0 = pinion ? g.ha2_star + g.ca2_star : g.ha1_star + g.ca1_star;
    const double rof = pinion ? g.Rof1_star : g.Rof2_star;
    const double zv = pinion ? g.zv1 : g.zv2;
    const CsnTexts& texts = pinion ? kPinionTexts : kWheelTexts;

    if (!dialogActive) {
        if (x > 1.4 || x < -0.4) {
            ui.message(texts.shift);
            g.runFlag = false;
            if (!pinion) ui.openDialog(DialogId::Coefficients, Modality::Modal);
            return;
        }
        if (!standardPressureAngle(g) || ha0 < 1.249 || ha0 > 1.251) {
            stopForEntry(g, ui, texts.tool);
            return;
        }
        if (!chartRadius(rof)) {
            stopForEntry(g, ui, texts.radius);
            return;
        }
    }

    double Y = 0;
    if (rof > 0.199 && rof < 0.201) {
        Y = stressChartValue(kChartRof020, x, zv);
    } else if (rof > 0.3799 && rof < 0.381) {
        Y = stressChartValue(kChartRof038, x, zv);
    } else {
        const double yA = stressChartValue(kChartRof020, x, zv);
        const double yB = stressChartValue(kChartRof038, x, zv);
        Y = yA + (yB - yA) * (rof - kChartRof020.rof) / (kChartRof038.rof - kChartRof020.rof);
    }
    if (!requireFinite(g, ui, {Y})) return;
    if (!(pinion ? g.YSa1Given : g.YSa2Given)) (pinion ? g.YSa1 : g.YSa2) = Y;
}

// ČSN 01 4686, internal wheel: the closed formula within 1 ≤ qs ≤ 8, table 8 outside.
void csnInternalWheel(GearPairData& g, Ui& ui, bool dialogActive) {
    const double L = g.sFn2 / g.hFa2;
    const double qs = g.sFn2 / (2 * g.RoFn2);
    if (!requireFinite(g, ui, {L, qs})) return;
    g.L = L;
    g.qs2 = qs;
    if (g.YSa2Given) return;
    if (qs >= 1 && qs <= 8) {
        const double Y = closedFormStressCorrection(qs, L);
        if (!requireFinite(g, ui, {Y})) return;
        g.YSa2 = Y;
        return;
    }
    if (!dialogActive) {
        if (!chartRadius(g.Rof2_star)) {
            stopForEntry(g, ui, kInternalRadiusText);
            return;
        }
        const double ha02 = g.ha1_star + g.ca1_star;
        if (!standardPressureAngle(g) || ha02 < 1.249 || ha02 > 1.251) {
            stopForEntry(g, ui, kInternalToolText);
            return;
        }
    }
    g.YSa2 = internalWheelStressCorrection(g.Rof2_star);
}

}  // namespace

double closedFormStressCorrection(double qs, double L) {
    return (1.2 + 0.13 * L) * std::pow(qs, 1.0 / (1.21 + 2.3 / L));
}

double stressChartValue(const StressChart& c, double x, double zv) {
    const double l = std::log(zv);
    const double xc = x + c.c0;
    double S1 = 0;
    for (std::size_t i = 0; i < kChartTerms; ++i)
        S1 += (c.a[i] * l + c.b[i]) * std::pow(xc, static_cast<double>(kChartTerms - 1 - i));
    if (x == 0) return S1;
    double S2 = 0;
    for (std::size_t i = 0; i < kChartTerms; ++i) {
        double P = 0, Q = 0;
        for (std::size_t k = 0; k < kChartTerms; ++k) {
            const double power = static_cast<double>(kChartTerms - 1 - k);
            P += c.T1[i][k] * std::pow(x, power);
            Q += c.T2[i][k] * std::pow(l, power);
        }
        S2 += c.w[i] * P * Q;
    }
    return S1 + S2;
}

double internalWheelStressCorrection(double r) { return 5.76 * r * r - 6.328 * r + 4.037; }

void computeStressCorrection(GearPairData& g, Ui& ui, Gear gear, bool rootFactorsDialogActive) {
    const bool internalWheel = gear == Gear::Wheel && g.isInternal();
    switch (g.standard) {
        case Standard::CSN:
            if (internalWheel)
                csnInternalWheel(g, ui, rootFactorsDialogActive);
            else
                csnChart(g, ui, gear, rootFactorsDialogActive);
            break;
        case Standard::DIN_B:
        case Standard::DIN_C:
            // An internal wheel has root factors under ČSN 01 4686 only.
            if (!internalWheel) closedForm(g, ui, gear);
            break;
    }
}

}  // namespace soukoli
