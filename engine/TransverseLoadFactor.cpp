// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Transverse load factors after ČSN 01 4686 part 3: the effective base-pitch deviation less its
// running-in allowance against the load per unit of mesh stiffness, between 1 and the limits
// the contact ratios allow.
#include "engine/TransverseLoadFactor.h"

#include <cmath>
#include <numbers>
#include <string>

#include "engine/Numbers.h"
#include "engine/RunningIn.h"

namespace soukoli {

namespace {

// Field numbers of the coefficients dialog.
constexpr int kFieldKFalfa = 8;
constexpr int kFieldKHalfa = 9;
constexpr int kFieldKFalfa1 = 27;
constexpr int kFieldKHalfa1 = 28;

bool methodB(const GearPairData& g) { return g.MetodaVypoctu == 'B'; }

// With ČSN 01 4686 the factors are not defined for EPSILONalfa ≥ 2 (part 3, p. 37): the user
// enters them. False when the run stops.
bool contactRatioAllowsFactors(GearPairData& g, Ui& ui) {
    if (!limitsTransverseContactRatio(g.standard) || g.Epsalfa < 2) return true;
    ui.message("Součinitel záběru EPSILONalfa pro toto soukolí je větší než 2 (" + str(g.Epsalfa, 5, 3) +
               ").\rNelze proto výpočtem stanovit KHalfa a KFalfa (viz ČSN 01 4686,část 3,str.37)\r"
               "(pro metodu výpočtu B ani KHalfa1 a KFalfa1).\rZadej tyto součinitele přímo.");
    ui.openDialog(DialogId::Coefficients, Modality::Modal);
    // Focus on the last of KHalfa1, KFalfa1, KHalfa, KFalfa still to be entered.
    int field = 0;
    if (methodB(g) && !g.KHalfa1Given) field = kFieldKHalfa1;
    if (methodB(g) && !g.KFalfa1Given) field = kFieldKFalfa1;
    if (!g.KHalfaGiven) field = kFieldKHalfa;
    if (!g.KFalfaGiven) field = kFieldKFalfa;
    if (field != 0) ui.setActiveField(DialogId::Coefficients, field);
    g.runFlag = false;
    return false;
}

// The unlimited factor for the load F and the product K of the other load factors.
double transverseFactor(const GearPairData& g, double F, double K) {
    const double D = std::abs(g.fpbeff) - std::abs(g.yalfa);
    const double load = F * K;
    // A pair without load has no term of its own (the dialogs admit none).
    const double term = load > 0 ? 0.4 * g.Cgama * g.b * D / load : 0;
    if (g.Epsgama > 2) return 0.9 + term * std::sqrt(2 * (g.Epsgama - 1) / g.Epsgama);
    return (0.9 + term) * g.Epsgama / 2;
}

double limitKHalfa(const GearPairData& g, double K) {
    if (g.Beta == 0) K = 1.0;  // spur gears
    if (!(K >= 1)) K = 1;
    const double upper = g.Epsgama / (g.Epsalfa * g.Zepsilon * g.Zepsilon);
    if (K > upper) K = upper;
    return K;
}

double limitKFalfa(const GearPairData& g, double K) {
    if (!(K >= 1)) K = 1;
    if (K > g.Epsgama) K = g.Epsgama;
    return K;
}

}  // namespace

bool transverseFactorsNeeded(const GearPairData& g) {
    return !g.KFalfaGiven || !g.KHalfaGiven || (methodB(g) && (!g.KFalfa1Given || !g.KHalfa1Given));
}

void computeBasePitchAllowance(GearPairData& g) {
    g.v = std::numbers::pi * g.d1 * g.n1 / 60000;
    const double p1 = g.fpb1Given ? g.fpb1 : g.fpbr1;
    const double p2 = g.fpb2Given ? g.fpb2 : g.fpbr2;
    g.fpbeff = std::abs(p1) > std::abs(p2) ? p1 : p2;
    g.yalfa1 = runningInAllowance(g.fpbeff, g.VHV1, g.SigmaHlim1, g.v, kTransverseRunningIn);
    g.yalfa2 = runningInAllowance(g.fpbeff, g.VHV2, g.SigmaHlim2, g.v, kTransverseRunningIn);
    g.yalfa = (g.yalfa1 + g.yalfa2) / 2;
}

void computeTransverseFactors(GearPairData& g, Ui& ui) {
    computeBasePitchAllowance(g);
    if (!transverseFactorsNeeded(g)) return;
    if (!contactRatioAllowsFactors(g, ui)) return;
    const double K = transverseFactor(g, g.FtH, g.KA * g.KHv * g.KHbeta);
    if (!g.KHalfaGiven) g.KHalfa = limitKHalfa(g, K);
    if (!g.KFalfaGiven) g.KFalfa = limitKFalfa(g, K);
}

void computeTransverseFactorsMaxLoad(GearPairData& g, Ui& ui) {
    computeBasePitchAllowance(g);
    if (g.KFalfa1Given && g.KHalfa1Given) return;
    if (!contactRatioAllowsFactors(g, ui)) return;
    // At the maximum load the application factor is not applied.
    const double K = transverseFactor(g, g.FtH, g.KHv1 * g.KHbeta1);
    if (!g.KHalfa1Given) g.KHalfa1 = limitKHalfa(g, K);
    if (!g.KFalfa1Given) g.KFalfa1 = limitKFalfa(g, K);
}

}  // namespace soukoli
