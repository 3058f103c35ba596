// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The tooth-root factors dialog and the grinding-notch dialog over the stages of the tooth form,
// the stress correction and the grinding notch.
#include "engine/ToothRootFactors.h"

#include <cmath>
#include <numbers>

#include "engine/ContactStress.h"
#include "engine/GrindingNotch.h"
#include "engine/StressCorrection.h"
#include "engine/ToothForm.h"

namespace soukoli {

namespace {

// Runs `work` as a part of no calculation: the run flag is set for it and restored afterwards.
template <class Work>
void outsideRun(GearPairData& g, Work&& work) {
    const bool runFlag = g.runFlag;
    g.runFlag = true;
    work();
    g.runFlag = runFlag;
}

bool outside(double value, double low, double high) { return value > high || value < low; }

}  // namespace

void chooseStandard(GearPairData& g, Standard standard) {
    g.standard = standard;
    g.YFa1Given = g.YFa2Given = g.YSa1Given = g.YSa2Given = g.YFS1Given = g.YFS2Given = false;
    switch (standard) {
        case Standard::CSN: break;
        case Standard::DIN_B:
        case Standard::DIN_C: g.YepsilonGiven = g.ZbetaGiven = false; break;
    }
}

InformativeRootFactors informativeRootFactors(const GearPairData& g) {
    InformativeRootFactors r;
    // Stress correction after the notch parameter alone, YSa = 1.22·qs^(1/3).
    r.YSa1L = 1.22 * std::cbrt(g.sFn1 / (2 * g.RoFn1));
    r.YSa2L = 1.22 * std::cbrt(g.sFn2 / (2 * g.RoFn2));
    r.YepsL = g.Epsbeta >= 1 ? 1 / g.Epsalfa : 0.25 + 0.75 / g.Epsalfa;
    r.ZbetaL = std::sqrt(std::cos(g.Beta));
    return r;
}

bool outsideStressCharts(const GearPairData& g, Gear gear) {
    const double alfanDeg = g.Alfan * 180.0 / std::numbers::pi;
    const bool tool = outside(alfanDeg, 19.99, 20.01);
    if (gear == Gear::Pinion)
        return outside(g.x1, -0.4, 1.4) || tool || outside(g.ha2_star + g.ca2_star, 1.249, 1.251) ||
               outside(g.Rof1_star, 0.199, 0.381);
    if (g.isInternal())
        return outside(g.Rof2_star, 0.199, 0.381) || tool || outside(g.ca1_star, 0.249, 0.251) ||
               outside(g.ha1_star, 0.999, 1.001);
    return outside(g.x2, -0.4, 1.4) || tool || outside(g.ha1_star + g.ca1_star, 1.249, 1.251) ||
           outside(g.Rof2_star, 0.199, 0.381);
}

RootFactorsView refreshRootFactors(GearPairData& g, Ui& ui) {
    outsideRun(g, [&] {
        runHelixStep(g, ui);
        computeToothForm(g, ui, Gear::Pinion);
        computeToothForm(g, ui, Gear::Wheel);
        computeStressCorrection(g, ui, Gear::Pinion, true);
        computeStressCorrection(g, ui, Gear::Wheel, true);
    });
    const bool dinB = loadsAtSinglePairPoint(g.standard);
    RootFactorsView v;
    v.YF1 = dinB ? g.YFe1 : g.YFa1;
    v.YF2 = dinB ? g.YFe2 : g.YFa2;
    v.YS1 = dinB ? g.YSe1 : g.YSa1;
    v.YS2 = dinB ? g.YSe2 : g.YSa2;
    // An entered YFS stays as entered (the product would replace the user's value unseen).
    if (!g.YFS1Given) g.YFS1 = v.YF1 * v.YS1;
    if (!g.YFS2Given) g.YFS2 = v.YF2 * v.YS2;
    v.YFS1 = g.YFS1;
    v.YFS2 = g.YFS2;
    v.hF1 = dinB ? g.hFe1 : g.hFa1;
    v.hF2 = dinB ? g.hFe2 : g.hFa2;
    const bool charts = usesCsnRootCharts(g.standard);
    if (charts) {
        v.outsideChart1 = !g.YSa1Given && outsideStressCharts(g, Gear::Pinion);
        v.outsideChart2 = !g.YSa2Given && outsideStressCharts(g, Gear::Wheel);
    }
    v.qs1Shown = !charts;
    v.qs2Shown = !charts || g.isInternal();
    return v;
}

bool adoptInformativeFactor(GearPairData& g, int box, bool checked, const InformativeRootFactors& values) {
    const double value = box == 1 ? values.YSa1L : box == 2 ? values.YSa2L : box == 3 ? values.YepsL : values.ZbetaL;
    if (checked && !std::isfinite(value)) return false;  // nothing sound to adopt
    const auto adopt = [&](double& factor, bool& given) {
        if (checked && !given) factor = value;
        given = checked;
    };
    switch (box) {
    case 1:
        adopt(g.YSa1, g.YSa1Given);
        if (checked) {
            // An entered YSa excludes an entered YFS, as in the coefficients dialog.
            g.YFS1Given = false;
            g.YFS1 = g.YFa1 * g.YSa1;
        }
        break;
    case 2:
        adopt(g.YSa2, g.YSa2Given);
        if (checked) {
            g.YFS2Given = false;
            g.YFS2 = g.YFa2 * g.YSa2;
        }
        break;
    case 3: adopt(g.Yepsilon, g.YepsilonGiven); break;
    case 4: adopt(g.Zbeta, g.ZbetaGiven); break;
    default: return false;
    }
    return true;
}

FieldEntry judgeGrindingWheelRadius(const GearPairData& g, Gear gear, double Roa0g, std::int32_t parseStatus) {
    if (parseStatus != 0 || !(Roa0g >= 0) || !std::isfinite(Roa0g)) return refusedEntry(kRefusedEntry, parseStatus);
    const bool pinion = gear == Gear::Pinion;
    if ((pinion ? g.tg1 : g.tg2) == 0)
        return refusedEntry(pinion ? "Poloměr vrubu lze určit jen pro nenulovou hloubku vrubu tg1."
                                   : "Poloměr vrubu lze určit jen pro nenulovou hloubku vrubu tg2.");
    return acceptedEntry();
}

void computeNotchFromGrindingWheel(GearPairData& g, Ui& ui, Gear gear, std::optional<double> Roa0g) {
    outsideRun(g, [&] {
        computeToothForm(g, ui, gear);
        computeGrindingNotch(g, ui, gear, Roa0g);
    });
}

}  // namespace soukoli
