// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Tooth-root bending stress and safety after ČSN 01 4686 part 3 (and DIN 3990 part 3 where that
// standard is chosen).
#include "engine/BendingStress.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/ContactStress.h"
#include "engine/GrindingNotch.h"
#include "engine/StageGuard.h"
#include "engine/StressCorrection.h"
#include "engine/ToothForm.h"

namespace soukoli {

namespace {

bool isOneOf(const std::string& material, std::initializer_list<std::string_view> designations) {
    return std::find(designations.begin(), designations.end(), std::string_view(material)) != designations.end();
}

// Tooth-form factors of both gears in the order of the standard; false when the run stopped.
bool toothRootFactors(GearPairData& g, Ui& ui, bool dialogActive) {
    computeToothForm(g, ui, Gear::Pinion);
    if (!g.runFlag) return false;
    computeToothForm(g, ui, Gear::Wheel);
    if (!g.runFlag) return false;
    if (!g.YSa1Given) {
        computeStressCorrection(g, ui, Gear::Pinion, dialogActive);
        if (!g.runFlag) return false;
    }
    if (!g.YSa2Given) {
        computeStressCorrection(g, ui, Gear::Wheel, dialogActive);
        if (!g.runFlag) return false;
    }
    computeGrindingNotch(g, ui, Gear::Pinion);
    if (!g.runFlag) return false;
    computeGrindingNotch(g, ui, Gear::Wheel);
    return g.runFlag;
}

// Static notch sensitivity YdeltaSt and its reference value YdeltaStT of one gear.
void staticNotchSensitivity(const std::string& material, std::uint16_t group, double YS, double Re,
                            double& YdeltaSt, double& YdeltaStT) {
    if (isOneOf(material, {"42 2306"})) {
        YdeltaSt = YdeltaStT = 1.0;
    } else if (isOneOf(material, {"42 2307", "42 2308"}) || group == 2) {
        YdeltaSt = 1 + 0.82 * (YS - 1) * std::pow(300 / Re, 0.25);
        YdeltaStT = 1.5;
    } else if (group == 0 || group == 1) {
        YdeltaSt = 1 + 0.93 * (YS - 1) * std::pow(200 / Re, 0.25);
        YdeltaStT = 1.6;
    } else if (group == 7 || group == 8) {
        YdeltaSt = 0.27 * YS + 0.72;
        YdeltaStT = 1.2;
    } else {
        YdeltaSt = 0.77 * YS + 0.22;
        YdeltaStT = 1.6;
    }
}

}  // namespace

double faceLoadExponent(const GearPairData& g) {
    const double h = g.Beta == 0 ? 2 * g.mn / g.Epsalfa : 2 * g.mn;
    const double r = g.b / h;
    return r * r / (1 + r + r * r);
}

double notchSensitivity(const GearPairData& g, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    const std::string& M = pinion ? g.Material1 : g.Material2;
    const std::uint16_t group = pinion ? g.Zpracovani1 : g.Zpracovani2;
    const double YSarel = pinion ? g.YSarel1 : g.YSarel2;
    const double RoFn = pinion ? g.RoFn1 : g.RoFn2;
    const double Rm = pinion ? g.Rm1 : g.Rm2, Re = pinion ? g.Re1 : g.Re2;
    // Relative stress gradient in the root fillet and the material's notch sensitivity.
    const double chi = 2.3 * YSarel * YSarel * YSarel / RoFn;
    double p = 0.55, q = -0.47 - Re / 875;
    if (isOneOf(M, {"42 2306", "42 2307", "42 2308"})) {
        p = 0.713;
        q = -0.27 - Rm / 3175;
    } else if (isOneOf(M, {"42 2650", "42 2660", "42 2719", "42 2750", "42 2767"})) {
        p = 0.65;
        q = -0.37 - Re / 3600;
    } else if (group >= 4 && group <= 8) {
        p = 0.55;
        q = -0.72;
    }
    return 1 + std::pow(chi, p) * std::pow(10.0, q);
}

void runBendingStage(GearPairData& g, Ui& ui, bool rootFactorsDialogActive) {
    if (!g.KFbetaGiven) {
        if (g.Zjednoduseny) {
            g.KFbeta = g.KHbeta;
        } else {
            g.NF = faceLoadExponent(g);
            g.KFbeta = std::pow(g.KHbeta, g.NF);
        }
    }
    g.KF = g.KA * g.KFv * g.KFbeta * g.KFalfa;
    runHelixStep(g, ui);
    if (!g.runFlag) return;
    if (!toothRootFactors(g, ui, rootFactorsDialogActive)) return;

    const double unit1 = g.FtF / (g.bwF1 * g.mn) * g.KF * g.Ybeta;
    const double unit2 = g.FtF / (g.bwF2 * g.mn) * g.KF * g.Ybeta;
    double SigmaF1 = 0, SigmaF2 = 0;
    if (loadsAtSinglePairPoint(g.standard)) {
        if (!g.YFS1Given) g.YFS1 = g.YFe1 * g.YSe1 * g.YSarel1;
        if (!g.YFS2Given) g.YFS2 = g.YFe2 * g.YSe2 * g.YSarel2;
        SigmaF1 = unit1 * g.YFS1;
        SigmaF2 = unit2 * g.YFS2;
    } else {
        if (!g.YFS1Given) g.YFS1 = g.YFa1 * g.YSa1 * g.YSarel1;
        if (!g.YFS2Given) g.YFS2 = g.YFa2 * g.YSa2 * g.YSarel2;
        SigmaF1 = unit1 * g.YFS1 * g.Yepsilon;
        SigmaF2 = unit2 * g.YFS2 * g.Yepsilon;
    }

    double YN1 = g.YN1, YN2 = g.YN2;
    if (!g.YN1Given) YN1 = lifeFactor(g.NFlim1, g.NK1, g.qF1, 2.5, 1.6, g.Zpracovani1 == kNitrided);
    if (!g.YN2Given) YN2 = lifeFactor(g.NFlim2, g.NK2, g.qF2, 2.5, 1.6, g.Zpracovani2 == kNitrided);
    double Ydelta1 = notchSensitivity(g, Gear::Pinion), Ydelta2 = notchSensitivity(g, Gear::Wheel);
    double YX1 = 1, YX2 = 1;
    if (g.Zjednoduseny) YN1 = YN2 = Ydelta1 = Ydelta2 = YX1 = YX2 = 1;
    const double SigmaFP1 = g.SigmaFlimb1 * YN1 * Ydelta1 * YX1;
    const double SigmaFP2 = g.SigmaFlimb2 * YN2 * Ydelta2 * YX2;
    const double SF1 = SigmaFP1 / SigmaF1, SF2 = SigmaFP2 / SigmaF2;
    if (!requireFinite(g, ui, {SigmaF1, SigmaF2, YN1, YN2, Ydelta1, Ydelta2, SigmaFP1, SigmaFP2, SF1, SF2})) return;
    g.SigmaF1 = SigmaF1;
    g.SigmaF2 = SigmaF2;
    g.YN1 = YN1;
    g.YN2 = YN2;
    g.Ydelta1 = Ydelta1;
    g.Ydelta2 = Ydelta2;
    g.YX1 = YX1;
    g.YX2 = YX2;
    g.SigmaFP1 = SigmaFP1;
    g.SigmaFP2 = SigmaFP2;
    g.SF1 = SF1;
    g.SF2 = SF2;
}

void runStaticBendingStage(GearPairData& g, Ui& ui) {
    g.SigmaFSt1 = g.Sigma0Flimb1 * (g.Zpracovani1 == kNitrided ? 1.6 : 2.5);
    g.SigmaFSt2 = g.Sigma0Flimb2 * (g.Zpracovani2 == kNitrided ? 1.6 : 2.5);
    // Under DIN 3990 method B the stress correction at the load point is YSe (YSa is not computed
    // there).
    const bool singlePairPoint = loadsAtSinglePairPoint(g.standard);
    const double YSa1 = singlePairPoint ? g.YSe1 : g.YSa1;
    const double YSa2 = singlePairPoint ? g.YSe2 : g.YSa2;
    const double contact = 0.2 * g.Epsalfa + 0.8;
    const double YS1 = contact * YSa1 * g.YSarel1, YS2 = contact * YSa2 * g.YSarel2;
    double YdeltaSt1 = 0, YdeltaStT1 = 0, YdeltaSt2 = 0, YdeltaStT2 = 0;
    staticNotchSensitivity(g.Material1, g.Zpracovani1, YS1, g.Re1, YdeltaSt1, YdeltaStT1);
    staticNotchSensitivity(g.Material2, g.Zpracovani2, YS2, g.Re2, YdeltaSt2, YdeltaStT2);
    double ratio = g.Ft1 / g.FtF;
    if (usesMethodB(g)) ratio *= g.KF1 / g.KF;
    const double SigmaFmax1 = g.SigmaF1 * ratio, SigmaFmax2 = g.SigmaF2 * ratio;
    double SigmaFPmax1 = g.SigmaFSt1 * YdeltaSt1 * g.YX1 / YdeltaStT1;
    double SigmaFPmax2 = g.SigmaFSt2 * YdeltaSt2 * g.YX2 / YdeltaStT2;
    if (g.Zjednoduseny) {
        SigmaFPmax1 = 0.8 * g.SigmaFSt1;
        SigmaFPmax2 = 0.8 * g.SigmaFSt2;
    }
    if (!requireFinite(g, ui, {YS1, YS2, YdeltaSt1, YdeltaSt2, SigmaFmax1, SigmaFmax2, SigmaFPmax1, SigmaFPmax2}))
        return;
    g.YS1 = YS1;
    g.YS2 = YS2;
    g.YdeltaSt1 = YdeltaSt1;
    g.YdeltaSt2 = YdeltaSt2;
    g.YdeltaStT1 = YdeltaStT1;
    g.YdeltaStT2 = YdeltaStT2;
    g.SigmaFmax1 = SigmaFmax1;
    g.SigmaFmax2 = SigmaFmax2;
    g.SigmaFPmax1 = SigmaFPmax1;
    g.SigmaFPmax2 = SigmaFPmax2;
}

}  // namespace soukoli
