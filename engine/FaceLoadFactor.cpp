// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The face load factor KHbeta after ČSN 01 4686 part 4: from the calculation width of the
// contact band, or from the shaft deflection of the layout scheme, the manufacturing
// misalignment and the running-in allowance (effective misalignment Fbx against Wbeta).
#include "engine/FaceLoadFactor.h"

#include <cmath>
#include <numbers>

#include "engine/FaceLoadFactorTables.h"
#include "engine/RunningIn.h"
#include "engine/Trig.h"

namespace soukoli {

namespace {

double limitKHbeta(double K) {
    if (!(K >= 1)) K = 1;  // also 0/0 of a pair without misalignment and without load
    if (K > kKHbetaMax) K = kKHbetaMax;
    return K;
}

double shaftFactor(const ShaftTerm& term, double q, double S) {
    switch (term.kind) {
        case ShaftFactor::G: return -0.5 * (1 + 1.8 * q - 3.18 * q * S);
        case ShaftFactor::H: return -0.5 * (1 - 1.8 * q + 3.18 * q * S);
        case ShaftFactor::Constant: break;
    }
    return term.K;
}

// The dimensions of the scheme checked as the layout scheme dialog checks them on "Ok": a
// project file may bring a scheme without them. False (run stopped) when one is missing.
bool schemeDimensionsValid(GearPairData& g, Ui& ui, std::uint16_t scheme) {
    const char* problem = nullptr;
    if (!(g.lw1 > 0 && g.lw1 >= 2 * g.s1))
        problem = "Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1";
    else if (!(g.lw2 > 0 && g.lw2 >= 2 * g.s2))
        problem = "Rozměr lw2 musí být větší než 0 a alespoň 2x větší než rozměr s2";
    else if (!(g.dsh1 > 0))
        problem = "Rozměr dsh1 musí být větší než 0";
    else if (!(g.dsh2 > 0))
        problem = "Rozměr dsh2 musí být větší než 0";
    else if (scheme >= 5 && !(g.dII > 0))
        problem = "Rozměr dII musí být větší než 0";
    else if (scheme == 10 && !(g.dI > 0))
        problem = "Rozměr dI musí být větší než 0";
    if (problem == nullptr) return true;
    ui.message(problem);
    ui.openDialog(DialogId::FaceLoad, Modality::Modal);
    g.runFlag = false;
    return false;
}

// Deflection term of one shaft: (b/d)²·G·(0.3 + |0.7 + X|) with X = (lw/d)²·K·S/(dsh/d)⁴; the
// sign of G turns when 0.7 + X ≤ 0.
double deflectionTerm(double b, double d, double lw, double dsh, double K, double S, double G) {
    const double X = (lw / d) * (lw / d) * K * S / std::pow(dsh / d, 4);
    if (0.7 + X <= 0) G = -G;
    return (b / d) * (b / d) * G * (0.3 + std::abs(0.7 + X));
}

}  // namespace

void computeKHbetaFromBcal(GearPairData& g) {
    if (!(g.bcal > 0)) {
        // No contact band at all: the factor's upper limit.
        g.KHbeta = kKHbetaMax;
        return;
    }
    const double K = g.bcal >= g.b ? g.bcal / (g.bcal - g.b / 2) : 2 * g.b / g.bcal;
    g.KHbeta = K > kKHbetaMax ? kKHbetaMax : K;
}

void computeKHbetaFromScheme(GearPairData& g, Ui& ui) {
    // Only the schemes 1 … 10 have factors; with any other number (a damaged project file)
    // KHbeta keeps the value it has.
    const std::uint16_t scheme = g.SchemaIndex;
    if (scheme < 1 || scheme > kLayoutSchemes) return;
    if (!schemeDimensionsValid(g, ui, scheme)) return;
    const LayoutScheme& layout = kLayoutSchemeTable[scheme - 1];

    // 1. Shaft deflection under the line load of the run.
    const double S1 = g.s1 / g.lw1;
    const double S2 = g.s2 / g.lw2;
    const double q1 = scheme == 10 ? g.d1 / g.dI : 0;
    const double q2 = scheme >= 5 ? g.d2 / g.dII : 0;
    const double K1 = shaftFactor(layout.pinion, q1, S1);
    const double K2 = shaftFactor(layout.wheel, q2, S2);
    const double w = g.FtH * g.KA * g.KHv / g.b;
    g.fsh = std::abs(deflectionTerm(g.b, g.d1, g.lw1, g.dsh1, K1, S1, layout.pinion.G) * w +
                     deflectionTerm(g.b, g.d2, g.lw2, g.dsh2, K2, S2, layout.wheel.G) * w);

    // 2. Manufacturing misalignment. With every limit deviation entered they add up
    // statistically; otherwise the measured ones add up directly, a deviation still given as a
    // limit standing in for its measured value.
    const bool limitDeviations = g.Fbeta1Given && g.Fbeta2Given && g.fxGiven && g.fyGiven;
    const double tanA = guardedTan(g.alfat, ui);
    const double cosAB = std::cos(g.alfat) * std::cos(g.betab);
    if (limitDeviations) {
        g.fma = std::sqrt(std::pow(tanA * g.fx, 2) + std::pow(0.7 * g.Fbeta1, 2) + std::pow(0.7 * g.Fbeta2, 2) +
                          g.fy * g.fy) *
                cosAB;
    } else {
        const double fx = g.fxGiven ? g.fx : g.fxr;
        const double fy = g.fyGiven ? g.fy : g.fyr;
        const double Fbeta1 = g.Fbeta1Given ? g.Fbeta1 : g.Fbetar1;
        const double Fbeta2 = g.Fbeta2Given ? g.Fbeta2 : g.Fbetar2;
        g.fma = (tanA * fx + 0.7 * std::abs(Fbeta1 - Fbeta2) + fy) * cosAB;
    }

    // 3. Running-in allowance of the initial misalignment.
    const double F0 = 2 * (std::abs(g.fsh) + std::abs(g.fma)) / cosAB;
    g.v = std::numbers::pi * g.d1 * g.n1 / 60000;
    const double y1 = runningInAllowance(F0, g.VHV1, g.SigmaHlim1, g.v, kFaceRunningIn);
    const double y2 = runningInAllowance(F0, g.VHV2, g.SigmaHlim2, g.v, kFaceRunningIn);
    g.ybeta = (y1 + y2) / 2;

    // 4.-7. Effective misalignment against the deformation of the mesh.
    g.Fbx = limitDeviations ? std::abs(g.fsh) + g.fma - g.ybeta : std::abs(g.fsh - g.fma) - g.ybeta;
    g.Wbeta = g.Zepsilon * g.Zepsilon * g.FtH / (std::cos(g.alfat) * g.b * g.cs);
    const double k1 = g.VHV1 > kHardenedFlankHV ? 0.4 : 0.3;
    const double k2 = g.VHV2 > kHardenedFlankHV ? 0.4 : 0.3;
    const double coefficient = k1 == k2 ? k1 : 0.35;
    g.KHbeta = limitKHbeta(1 + g.Fbx * coefficient / (g.KA * g.KHv * g.Wbeta));
}

void computeRunFaceLoadFactor(GearPairData& g, Ui& ui) {
    switch (g.KHbetaFrom) {
        case KHbetaSource::FromBcal: computeKHbetaFromBcal(g); break;
        case KHbetaSource::FromScheme: computeKHbetaFromScheme(g, ui); break;
        case KHbetaSource::Entered:
        case KHbetaSource::None: break;  // KHbeta stays as entered
    }
}

}  // namespace soukoli
