// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Contact stress and safety after ČSN 01 4686 (and the factors of DIN 3990 where that standard
// is chosen). Every factor with a direct-entry flag keeps the entered value.
#include "engine/ContactStress.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/ContactGeometry.h"
#include "engine/StageGuard.h"

namespace soukoli {

namespace {

constexpr double kPi = std::numbers::pi;

// √((da/db)² − 1): the roll angle of the tip circle.
double tipRoll(double da, double db) { return std::sqrt((da / db) * (da / db) - 1); }

// Single-pair factor from M: spur gears take M itself (at least 1); helical gears with
// Epsbeta below 1 interpolate towards 1.
double singlePairFactor(const GearPairData& g, double M) {
    if (std::abs(g.Beta) < 1e-5) return M > 1 ? M : 1.0;
    if (g.Epsbeta >= 1) return 1.0;
    return std::max(M - g.Epsbeta * (M - 1), 1.0);
}

// M from P = (roll at the own tip − 2π/z)·(roll at the mating tip − (Epsalfa − 1)·2π/z mate).
// P < 0: M = 1 and `valid` false (the factor keeps its value). P = 0 or no number: the run stops
// (returns false).
bool auxiliaryM(GearPairData& g, Ui& ui, double P, double& M, bool& valid) {
    valid = false;
    if (P < 0) {
        M = 1;
        return true;
    }
    const double value = std::tan(g.alfatw) / std::sqrt(P);
    if (!requireFinite(g, ui, {value})) return false;
    M = value;
    valid = true;
    return true;
}

// SigmaHPmax by treatment group (ČSN 01 4686 part 2).
double staticContactLimit(std::uint16_t group, double Re, double VHV) {
    switch (group) {
        case 3: case 4: case 5: case 6: return 4 * VHV;
        case kNitrided: return 3 * VHV;
        default: return 2.8 * Re;
    }
}

}  // namespace

void computeLimitStresses(GearPairData& g) {
    if (!g.SigmaHlim1Given) g.SigmaHlim1 = g.Sigma0Hlim1;
    if (!g.SigmaHlim2Given) g.SigmaHlim2 = g.Sigma0Hlim2;
    // The weaker flank may be raised towards the stronger one (ČSN 01 4686 part 2); a value the
    // user entered stays as entered.
    if (std::abs(g.SigmaHlim1 - g.SigmaHlim2) > 1) {
        const bool pinionWeaker = g.SigmaHlim1 < g.SigmaHlim2;
        double& S = pinionWeaker ? g.SigmaHlim1 : g.SigmaHlim2;
        const bool entered = pinionWeaker ? g.SigmaHlim1Given : g.SigmaHlim2Given;
        if (!entered) {
            const double d = 0.45 * (g.SigmaHlim1 + g.SigmaHlim2);
            const double k = g.Beta == 0 ? 1.1 : 1.2;
            const double S0 = S;
            if (d > k * S0)
                S = k * S0;
            else if (d > S0)
                S = d;
        }
    }
    if (!g.SigmaFlimb1Given) g.SigmaFlimb1 = g.Sigma0Flimb1 * g.YA1 * g.YT1;
    if (!g.SigmaFlimb2Given) g.SigmaFlimb2 = g.Sigma0Flimb2 * g.YA2 * g.YT2;
}

void computeContactFactors(GearPairData& g, Ui& ui) {
    const double ZE = std::sqrt(1 / (kPi * ((1 - g.Ny1 * g.Ny1) / g.E1 + (1 - g.Ny2 * g.Ny2) / g.E2)));
    const double ZH = std::sqrt(2 * std::cos(g.betab) / std::tan(g.alfatw)) / std::cos(g.alfat);
    const double Zepsilon = g.Epsbeta >= 1
                                ? std::sqrt(1 / g.Epsalfa)
                                : std::sqrt((4 - g.Epsalfa) * (1 - g.Epsbeta) / 3 + g.Epsbeta / g.Epsalfa);
    if (!requireFinite(g, ui, {ZE, ZH, Zepsilon})) return;
    g.ZE = ZE;
    g.ZH = ZH;
    g.Zepsilon = Zepsilon;
}

void computeHelixFactors(GearPairData& g, Ui& ui) {
    const double beta = std::min(g.Beta, kPi / 6);
    double Ybeta = 1 - std::min(g.Epsbeta, 1.0) * 3 * beta / (2 * kPi);
    Ybeta = std::max(Ybeta, std::max(1 - 0.25 * g.Epsbeta, 0.75));
    double Yepsilon = g.Yepsilon, Zbeta = g.Zbeta, Epsalfan = g.Epsalfan;
    switch (g.standard) {
        case Standard::CSN:
            if (!g.ZbetaGiven) Zbeta = 1;
            if (!g.YepsilonGiven) Yepsilon = g.Epsbeta >= 1 ? 1 / g.Epsalfa : 0.2 + 0.8 / g.Epsalfa;
            break;
        case Standard::DIN_B:
            Zbeta = std::sqrt(std::cos(g.Beta));
            Yepsilon = 1;
            break;
        case Standard::DIN_C: {
            Zbeta = std::sqrt(std::cos(g.Beta));
            const double cosBb = std::cos(g.betab);
            Epsalfan = std::min(g.Epsalfa / (cosBb * cosBb), 2.0);
            Yepsilon = 0.25 + 0.75 / Epsalfan;
            break;
        }
    }
    if (!requireFinite(g, ui, {Ybeta, Yepsilon, Zbeta})) return;
    g.Ybeta = Ybeta;
    g.Yepsilon = Yepsilon;
    g.Zbeta = Zbeta;
    g.Epsalfan = Epsalfan;
}

void runHelixStep(GearPairData& g, Ui& ui) {
    computeContactGeometry(g, ui);
    computeHelixFactors(g, ui);
}

void computeSinglePairFactors(GearPairData& g, Ui& ui) {
    const double roll1 = tipRoll(g.da1, g.db1), roll2 = tipRoll(g.da2, g.db2);
    const double P1 = (roll1 - 2 * kPi / g.z1) * (roll2 - (g.Epsalfa - 1) * 2 * kPi / g.z2);
    const double P2 = (roll2 - 2 * kPi / g.z2) * (roll1 - (g.Epsalfa - 1) * 2 * kPi / g.z1);
    if (!requireFinite(g, ui, {P1, P2})) return;
    bool valid = false;
    if (!auxiliaryM(g, ui, P1, g.M1, valid)) return;
    if (valid && !g.ZBGiven) g.ZB = singlePairFactor(g, g.M1);
    if (g.isInternal()) {
        // The wheel of an internal pair has no single-pair raise (ZD = 1); M2 only for show.
        const double M2 = P2 < 0 ? 1.0 : std::tan(g.alfatw) / std::sqrt(P2);
        g.M2 = std::isfinite(M2) ? M2 : 1.0;
        if (!g.ZDGiven) g.ZD = 1;
        return;
    }
    if (!auxiliaryM(g, ui, P2, g.M2, valid)) return;
    if (valid && !g.ZDGiven) g.ZD = singlePairFactor(g, g.M2);
}

double lifeFactor(double Nlim, double N, double q, double cap, double nitridedCap, bool nitrided) {
    double Y = std::pow(Nlim / N, 1 / q);
    if (Y > cap) Y = cap;
    if (nitrided && Y > nitridedCap) Y = nitridedCap;
    if (Y < 1) Y = 1;
    return Y;
}

void computeContactLifeFactors(GearPairData& g, Ui& ui) {
    const double ZN1 = lifeFactor(g.NHlim1, g.NK1, g.qH1, 1.6, 1.3, g.Zpracovani1 == kNitrided);
    const double ZN2 = lifeFactor(g.NHlim2, g.NK2, g.qH2, 1.6, 1.3, g.Zpracovani2 == kNitrided);
    if (!requireFinite(g, ui, {g.ZN1Given ? 1.0 : ZN1, g.ZN2Given ? 1.0 : ZN2})) return;
    if (!g.ZN1Given) g.ZN1 = ZN1;
    if (!g.ZN2Given) g.ZN2 = ZN2;
}

void runContactStage(GearPairData& g, Ui& ui) {
    runHelixStep(g, ui);
    if (!g.runFlag) return;
    computeSinglePairFactors(g, ui);
    if (!g.runFlag) return;
    computeContactLifeFactors(g, ui);
    if (!g.runFlag) return;
    g.KH = g.KA * g.KHbeta * g.KHalfa * g.KHv;
    if (g.Zjednoduseny) {
        g.ZB = g.ZD = g.ZN1 = g.ZN2 = g.ZLZRZV = 1;
    } else {
        g.ZR1 = g.ZR2 = 1;
    }
    // ČSN 01 4686 part 2: σH0 = ZE·ZH·ZB(D)·Zε·Zβ·√(Ft·(u + 1)/(b·d1·u)).
    const double t = std::sqrt((g.u + 1) * g.FtH / (g.u * g.b * g.d1));
    const double common = t * g.ZE * g.ZH * g.Zepsilon * g.Zbeta;
    const double SigmaHO1 = common * g.ZB, SigmaHO2 = common * g.ZD;
    const double SigmaH1 = SigmaHO1 * std::sqrt(g.KH), SigmaH2 = SigmaHO2 * std::sqrt(g.KH);
    const double SigmaHP1 = g.SigmaHlim1 * g.ZN1 * g.ZLZRZV * g.ZR1;
    const double SigmaHP2 = g.SigmaHlim2 * g.ZN2 * g.ZLZRZV * g.ZR2;
    const double SH1 = SigmaHP1 / SigmaH1, SH2 = SigmaHP2 / SigmaH2;
    if (!requireFinite(g, ui, {SigmaHO1, SigmaHO2, SigmaH1, SigmaH2, SigmaHP1, SigmaHP2, SH1, SH2})) return;
    g.SigmaHO1 = SigmaHO1;
    g.SigmaHO2 = SigmaHO2;
    g.SigmaH1 = SigmaH1;
    g.SigmaH2 = SigmaH2;
    g.SigmaHP1 = SigmaHP1;
    g.SigmaHP2 = SigmaHP2;
    g.SH1 = SH1;
    g.SH2 = SH2;
}

void runStaticContactStage(GearPairData& g, Ui& ui) {
    const bool methodB = usesMethodB(g);
    // Only a layout scheme gives KHbeta for the maximum load; otherwise the user enters it.
    bool KHbeta1Computable = false;
    switch (g.KHbetaFrom) {
        case KHbetaSource::Entered:
        case KHbetaSource::FromBcal: break;
        case KHbetaSource::FromScheme:
        case KHbetaSource::None: KHbeta1Computable = true; break;
    }
    if (methodB && !g.KHbeta1Given && !KHbeta1Computable) {
        ui.message("Pro metodu výpočtu B, a při přímém zadání KHbeta nebo bcal\rje nutno zadat přímo i součinitel "
                   "KHbeta1.");
        // The field is enabled and chosen before the window opens, so that the user can enter
        // there and then what the message asks for.
        ui.setActiveField(DialogId::Coefficients, kCoefficientsFieldKHbeta1);
        ui.openDialog(DialogId::Coefficients, Modality::Modal);
        g.runFlag = false;
        return;
    }
    g.SigmaHPmax1 = staticContactLimit(g.Zpracovani1, g.Re1, g.VHV1);
    g.SigmaHPmax2 = staticContactLimit(g.Zpracovani2, g.Re2, g.VHV2);
    double K = g.KH;
    if (methodB) {
        runMethodBStage(g, ui);
        if (!g.runFlag) return;
        K = g.KH1;
    }
    const double root = std::sqrt(g.Ft1 * K / g.FtH);
    const double SigmaHmax1 = g.SigmaHO1 * root, SigmaHmax2 = g.SigmaHO2 * root;
    if (!requireFinite(g, ui, {SigmaHmax1, SigmaHmax2})) return;
    g.SigmaHmax1 = SigmaHmax1;
    g.SigmaHmax2 = SigmaHmax2;
}

}  // namespace soukoli
