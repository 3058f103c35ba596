// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Loads of the run and the equivalent loads of method "B" (ČSN 01 4686, level method of a step
// spectrum and the load-spectrum classes). Forces and torques convert through d1:
// F = 2000·T/d1 [N, N·m, mm].
#include "engine/Loads.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/LoadsTables.h"

namespace soukoli {

namespace {

using Steps = std::array<double, kMaxLoadLevels>;

double toForce(double torque, double d1) { return d1 != 0 ? 2000 * torque / d1 : 0; }

// Method "B" given in torques: the maximum and the four equivalent loads as forces on d1.
void maximumAndEquivalentForcesFromTorques(GearPairData& g) {
    g.Ft1 = toForce(g.T1, g.d1);
    g.FtFe1 = toForce(g.TFe1, g.d1);
    g.FtHe1 = toForce(g.THe1, g.d1);
    g.FtFe2 = toForce(g.TFe2, g.d1);
    g.FtHe2 = toForce(g.THe2, g.d1);
}
double toTorque(double force, double d1) { return force * d1 / 2000; }

// a/b, or 0 where the quotient does not exist (an unfilled spectrum step).
double quotient(double a, double b) { return b != 0 ? a / b : 0; }

// The number of spectrum steps that may be read, whatever a project file put into `j`.
std::size_t stepCount(const GearPairData& g) { return std::min<std::size_t>(g.j, kMaxLoadLevels); }

// Cycles of each step of the pinion and the pinion's life NK1: hours count 60·n1 cycles each;
// cumulative durations are differenced, per-step durations summed.
Steps pinionStepCycles(const GearPairData& g, double& NK1) {
    Steps N{};
    const std::size_t steps = stepCount(g);
    const double perUnit = g.NKvCyklech ? 1.0 : 60 * g.n1;
    double previous = 0;
    double sum = 0;
    for (std::size_t i = 0; i < steps; ++i) {
        const double A = g.Nj[i] * perUnit;
        N[i] = g.SpektrumNAbs ? A - previous : A;
        previous = A;
        sum += N[i];
    }
    NK1 = g.SpektrumNAbs ? previous : sum;
    return N;
}

double wheelCycles(const GearPairData& g, double pinionCycles) { return pinionCycles * g.z1 / std::abs(g.z2); }

// Σ R_i^q·W_i: each step weighted by its share of the cycles up to NL = min(NK, Nlim); a step
// that runs past NL counts only with the cycles up to NL, later steps not at all.
double weightedSum(const Steps& R, const Steps& N, std::size_t steps, double NK, double Nlim, double q) {
    const double NL = std::min(NK, Nlim);
    if (steps == 0 || !(NL > 0)) return 0;
    Steps W{};
    W[0] = N[0] > NL ? 1 : N[0] / NL;
    if (N[0] < NL) {
        double total = N[0];
        for (std::size_t i = 1; i < steps && total <= NL; ++i) {
            total += N[i];
            W[i] = total > NL ? (NL + N[i] - total) / NL : N[i] / NL;
        }
    }
    double S = 0;
    for (std::size_t i = 0; i < steps; ++i)
        if (W[i] != 0) S += std::pow(std::max(R[i], 0.0), q) * W[i];
    return S;
}

void equivalentTorquesFromForces(GearPairData& g) {
    g.T1 = toTorque(g.Ft1, g.d1);
    g.TFe1 = toTorque(g.FtFe1, g.d1);
    g.THe1 = toTorque(g.FtHe1, g.d1);
    g.TFe2 = toTorque(g.FtFe2, g.d1);
    g.THe2 = toTorque(g.FtHe2, g.d1);
}

}  // namespace

void computeLoads(GearPairData& g, Ui& /*ui*/) {
    if (g.MetodaVypoctu != 'B') {
        // Method "A" (any other letter of a damaged project file is taken as "A").
        if (!g.SilyF) g.F1 = toForce(g.T1, g.d1);
        g.FtF = g.F1;
        g.FtH = g.F1;
        g.Ft1 = g.F1 * g.KAS;
        return;
    }
    if (!g.SilyF) maximumAndEquivalentForcesFromTorques(g);
    // The larger equivalent load of the two gears; the wheel's on a tie.
    g.FtF = g.FtFe1 > g.FtFe2 ? g.FtFe1 : g.FtFe2;
    g.FtH = g.FtHe1 > g.FtHe2 ? g.FtHe1 : g.FtHe2;
}

void computeLevelsLives(GearPairData& g) {
    double NK1 = 0;
    (void)pinionStepCycles(g, NK1);
    g.NK1 = NK1;
    g.NK2 = wheelCycles(g, NK1);
}

void deriveLoads(GearPairData& d) {
    const bool methodA = d.MetodaVypoctu == 'A';
    const bool equivalentLoadsStored = !methodA && d.ZadaniSil != kLoadsEntered;
    if (d.SilyF) {
        if (methodA) {
            d.T1 = d.F1 * d.d1 / 2000;
            d.Ft1 = d.F1 * d.KAS;
        } else {
            d.T1 = d.Ft1 * d.d1 / 2000;
            d.F1 = d.Ft1 / d.KAS;
            if (equivalentLoadsStored) {
                d.TFe1 = d.d1 * d.FtFe1 / 2000;
                d.THe1 = d.d1 * d.FtHe1 / 2000;
                d.TFe2 = d.d1 * d.FtFe2 / 2000;
                d.THe2 = d.d1 * d.FtHe2 / 2000;
            }
        }
    } else {
        if (methodA) {
            d.F1 = d.T1 * 2000 / d.d1;
            d.Ft1 = d.F1 * d.KAS;
        } else {
            d.Ft1 = d.T1 * 2000 / d.d1;
            d.F1 = d.Ft1 / d.KAS;
            if (equivalentLoadsStored) {
                d.FtFe1 = d.TFe1 * 2000 / d.d1;
                d.FtHe1 = d.THe1 * 2000 / d.d1;
                d.FtFe2 = d.TFe2 * 2000 / d.d1;
                d.FtHe2 = d.THe2 * 2000 / d.d1;
            }
        }
    }
}

void deriveLives(GearPairData& g) {
    const double z2 = std::fabs(g.z2);
    const bool fromLevels = g.MetodaVypoctu == 'B' && g.ZadaniSil == kLoadsFromLevels;
    if (fromLevels) computeLevelsLives(g);
    if (g.NKvCyklech || fromLevels) {
        g.NK1hod = g.NK1 / 60 / g.n1;
        g.NK2hod = g.NK2 / 60 / g.n1 * z2 / g.z1;
    } else {
        g.NK1 = g.NK1hod * 60 * g.n1;
        g.NK2 = g.n1 * g.NK2hod * 60 * g.z1 / z2;
    }
}

void computeEquivalentLoadsFromLevels(GearPairData& g) {
    const std::size_t steps = stepCount(g);
    const Steps& B = g.Fj;

    // Load ratios R_i of the steps. The ratio forms give them directly; the absolute form and
    // "Poměr j / min" are referred to the first step.
    Steps R{};
    switch (g.levelsForm) {
        case LevelsForm::RatioFjF1:
            for (std::size_t i = 0; i < steps; ++i) R[i] = B[i];
            break;
        case LevelsForm::RatioF1Fj:
            for (std::size_t i = 0; i < steps; ++i) R[i] = quotient(1, B[i]);
            break;
        case LevelsForm::Absolute:
        case LevelsForm::RatioFjFmin:
            for (std::size_t i = 0; i < steps; ++i) R[i] = quotient(B[i], B[0]);
            break;
    }

    // The reference load Ft1: the first level of an absolute spectrum; in the ratio forms the
    // load of the loading dialog (its torque when torques are given, since that is what the
    // user entered there).
    if (!levelsAreRatios(g.levelsForm) && steps > 0)
        g.Ft1 = g.SilyF ? B[0] : toForce(B[0], g.d1);
    else if (!g.SilyF)
        g.Ft1 = toForce(g.T1, g.d1);

    double NK1 = 0;
    Steps N = pinionStepCycles(g, NK1);
    g.NK1 = NK1;
    g.FtFe1 = std::pow(weightedSum(R, N, steps, NK1, g.NFlim1, g.qF1), 1 / g.qF1) * g.Ft1;
    g.FtHe1 = std::pow(weightedSum(R, N, steps, NK1, g.NHlim1, g.qH1 / 2), 2 / g.qH1) * g.Ft1;

    // The wheel runs z1/|z2| times as many cycles per step as the pinion.
    for (std::size_t i = 0; i < steps; ++i) N[i] = wheelCycles(g, N[i]);
    g.NK2 = wheelCycles(g, NK1);
    g.FtFe2 = std::pow(weightedSum(R, N, steps, g.NK2, g.NFlim2, g.qF2), 1 / g.qF2) * g.Ft1;
    g.FtHe2 = std::pow(weightedSum(R, N, steps, g.NK2, g.NHlim2, g.qH2 / 2), 2 / g.qH2) * g.Ft1;

    equivalentTorquesFromForces(g);
}

double loadClassFactor(std::uint16_t k, double q) {
    if (k < 1 || k > kLoadClasses) return 0;
    const auto& row = kLoadClassK[k - 1];
    const auto& Q = kLoadClassExponents;
    if (!(q >= Q.front())) q = Q.front();
    if (q > Q.back()) q = Q.back();
    for (std::size_t c = 0; c < Q.size(); ++c)
        if (q == Q[c]) return row[c];
    std::size_t c = 0;
    while (c + 2 < Q.size() && q > Q[c + 1]) ++c;
    // Linear in q between the columns c and c + 1.
    return row[c + 1] + (Q[c + 1] - q) * (row[c] - row[c + 1]) / (Q[c + 1] - Q[c]);
}

void computeEquivalentLoadsFromClasses(GearPairData& g) {
    if (!g.SilyF) maximumAndEquivalentForcesFromTorques(g);
    // F_e = K(k, q)^(1/q)·Ft1 with q limited to the table's range in the exponent as well; an
    // invalid class gives K = 0 and so a zero equivalent load, which the loading dialog refuses.
    const auto equivalent = [&](std::uint16_t k, double q) {
        const double qLimited = std::clamp(std::isnan(q) ? 3.0 : q, kLoadClassExponents.front(),
                                           kLoadClassExponents.back());
        return std::pow(loadClassFactor(k, qLimited), 1 / qLimited) * g.Ft1;
    };
    g.FtFe1 = equivalent(g.CHSZ1, g.qF1);
    g.FtHe1 = equivalent(g.CHSZ1, g.qH1 / 2);
    g.FtFe2 = equivalent(g.CHSZ2, g.qF2);
    g.FtHe2 = equivalent(g.CHSZ2, g.qH2 / 2);
    equivalentTorquesFromForces(g);
}

}  // namespace soukoli
