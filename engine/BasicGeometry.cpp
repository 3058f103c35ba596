// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Basic geometry of a cylindrical involute gear pair and of the cutter of an internal wheel.
// For an internal pair z2, aw, a, d2, da2 and df2 are negative and every formula
// below is used with those signs as they stand.
#include "engine/BasicGeometry.h"

#include <cmath>

#include "engine/Numbers.h"
#include "engine/Trig.h"

namespace soukoli {

namespace {

// The stepped search of the involute solver: brackets of 0.1 rad up to 1.5 rad, then halving.
constexpr double kInvoluteStep = 0.1;
constexpr int kInvoluteBrackets = 15;  // 15 · 0.1 = 1.5 rad
constexpr double kInvoluteUpper = 1.5;
constexpr double kInvoluteTolerance = 1e-11;
// Fifteen brackets and some sixty halvings reach the resolution of a double; the cap only
// guards against a value that never meets the tolerance.
constexpr int kInvoluteMaxSteps = 400;

int signOf(double x) { return x < 0 ? -1 : 1; }

double involute(double alpha) { return std::tan(alpha) - alpha; }

// Working centre distance for a given working pressure angle: aw = a·cos αt / cos αtw.
double centreDistanceFor(const GearPairData& g, double alfat, double alfatw) {
    return ((g.z1 + g.z2) * g.mn / (2 * std::cos(g.Beta))) * std::cos(alfat) / std::cos(alfatw);
}

// inv αtw = 2·tan αn·(x1 + x2)/(z1 + z2) + inv αt
double workingInvolute(const GearPairData& g, double alfat, double xs) {
    return std::tan(g.Alfan) * 2 * xs / (g.z1 + g.z2) + involute(alfat);
}

}  // namespace

double transversePressureAngle(double Alfan, double Beta) { return std::atan(std::tan(Alfan) / std::cos(Beta)); }

double solveInvolute(double v) {
    const auto f = [v](double t) { return involute(t) - v; };
    int bracket = 1;
    double l = 0;
    double h = kInvoluteStep;
    bool bisecting = false;
    for (int step = 0; step < kInvoluteMaxSteps; ++step) {
        if (signOf(f(l)) != signOf(f(h))) {
            h = (l + h) / 2;
            bisecting = true;
        } else if (!bisecting) {
            l = h;
            ++bracket;
            if (bracket > kInvoluteBrackets) return 0;
            h = bracket * kInvoluteStep;
            continue;
        } else {
            // The root lies above h: the upper end of the bracket is h + (h - l).
            const double oldL = l;
            l = h;
            h = h + (h - oldL) / 2;
        }
        if (std::abs(f(h)) < kInvoluteTolerance) return h >= kInvoluteUpper ? 0 : h;
    }
    return 0;
}

double limitingShiftSum(const GearPairData& g) {
    const double alfat = transversePressureAngle(g.Alfan, g.Beta);
    return involute(alfat) * (-(g.z1 + g.z2) / 2) / std::tan(g.Alfan);
}

bool shiftSumBeyondLimit(const GearPairData& g, double xmez) {
    const double sum = g.x1 + g.x2;
    return g.isInternal() ? sum >= xmez : sum <= xmez;
}

bool checkShiftSum(const GearPairData& g, Ui& ui) {
    const double xmez = limitingShiftSum(g);
    if (!shiftSumBeyondLimit(g, xmez)) return true;
    ui.message("Neexistuje řešení - součet korekcí je menší než mezní - " + str(xmez, 7, 5));
    return false;
}

double minimumCentreDistance(const GearPairData& g) {
    const double alfat = transversePressureAngle(g.Alfan, g.Beta);
    const double alfatw = solveInvolute(workingInvolute(g, alfat, limitingShiftSum(g)));
    return centreDistanceFor(g, alfat, alfatw);
}

void chooseCutter(GearPairData& g) {
    if (!g.isInternal()) return;
    const double m = std::abs(g.z2);
    if (m >= 50) g.z0 = 35;
    else if (m >= 45) g.z0 = 30;
    else if (m >= 40) g.z0 = 25;
    else if (m >= 35) g.z0 = 23;
    else if (m >= 30) g.z0 = 20;
    else if (m >= 25) g.z0 = 18;
    // 20 ≤ |z2| < 25 has no row of its own in the cutter table; 15 lies between its neighbours
    // (18 above, 13 below) and keeps z0 + z2 clear of zero.
    else if (m >= 20) g.z0 = 15;
    else if (m >= 18) g.z0 = 13;
    else if (m >= 15) g.z0 = 10;
    else g.z0 = m - 2;
}

void updateCentreDistance(GearPairData& g, Ui& ui, bool awFieldIsCurrent) {
    if (g.awGiven && awFieldIsCurrent) {
        g.a = (g.z1 + g.z2) * g.mn / (2 * std::cos(g.Beta));
        g.aw = g.a;
        g.x1 = 0;
        g.x2 = 0;
    } else {
        g.alfat = transversePressureAngle(g.Alfan, g.Beta);
        g.invalfat = involute(g.alfat);
        g.xmez = limitingShiftSum(g);
        g.invalfatw = workingInvolute(g, g.alfat, g.x1 + g.x2);
        // Beyond the limiting shift sum the working angle keeps its previous value.
        if (checkShiftSum(g, ui)) g.alfatw = solveInvolute(g.invalfatw);
        g.aw = centreDistanceFor(g, g.alfat, g.alfatw);
    }
    g.awGiven = false;
}

void updateFormDedenda(GearPairData& g) {
    const double fillet = 1 - std::sin(g.Alfan);
    g.hFfP1_star = g.ha2_star + g.ca2_star - fillet * g.Rof1_star;
    g.hFfP2_star = g.isInternal() ? g.ha1_star + g.ca1_star : g.ha1_star + g.ca1_star - fillet * g.Rof2_star;
    g.hFfP1 = g.hFfP1_star * g.mn;
    g.hFfP2 = g.hFfP2_star * g.mn;
}

void updateDiameters(GearPairData& g, Ui& ui) {
    // z0 follows z2 alone; choosing it here keeps the wheel's root diameter right whoever
    // changed z2.
    chooseCutter(g);

    const double cosBeta = std::cos(g.Beta);
    g.alfat = transversePressureAngle(g.Alfan, g.Beta);
    g.invalfat = involute(g.alfat);
    g.betab = guardedAsin(std::sin(g.Beta) * std::cos(g.Alfan), ui);
    g.a = (g.z1 + g.z2) * g.mn / (2 * cosBeta);
    g.d1 = g.z1 * g.mn / cosBeta;
    g.d2 = g.z2 * g.mn / cosBeta;
    g.db1 = g.d1 * std::cos(g.alfat);
    g.db2 = g.d2 * std::cos(g.alfat);
    // Ratio and virtual tooth numbers follow z1, z2 and beta wherever they were changed (the
    // geometry dialog, a loaded project, the command line), so no stage reads stale ones.
    g.u = g.z2 / g.z1;
    g.zv1 = g.z1 / (cosBeta * cosBeta * cosBeta);
    g.zv2 = g.z2 / (cosBeta * cosBeta * cosBeta);

    // Tip shortening k keeps the tip clearance at a centre distance other than a + xs·mn.
    g.xs = g.x1 + g.x2;
    g.k = g.xs - (g.aw - g.a) / g.mn;
    g.ha1 = (g.ha1_star + g.x1 - g.k) * g.mn;
    g.ha2 = (g.ha2_star + g.x2 - g.k) * g.mn;
    // The tool of one gear has the addendum and clearance given for the other.
    g.hf1 = (g.ha2_star + g.ca2_star - g.x1) * g.mn;
    g.hf2 = (g.ha1_star + g.ca1_star - g.x2) * g.mn;
    g.df1 = g.d1 - 2 * g.hf1;
    g.df2 = g.d2 - 2 * g.hf2;
    updateFormDedenda(g);

    if (g.isInternal()) {
        // Root of an internal wheel from its pinion-type cutter: machining centre distance a0w
        // at the working angle alfa0w of cutter and wheel, less the cutter's tip radius.
        const double v = g.invalfat + 2 * std::tan(g.Alfan) * (g.x0 + g.x2) / (g.z0 + g.z2);
        // No working angle exists for v <= 0: the involute solver's "none" (0) then stands for
        // it, as for the working angle of the pair.
        g.alfa0w = v > 0 ? solveInvolute(v) : 0;
        g.a0w = ((g.z0 + g.z2) * g.mn / (2 * cosBeta)) * std::cos(g.alfat) / std::cos(g.alfa0w);
        g.da0 = 2 * g.mn * (g.z0 / (2 * cosBeta) + g.x0 + g.ha1_star + g.ca1_star);
        g.df2 = 2 * g.a0w - g.da0;
    }

    // Tip diameters from the tip clearance against the root of the mating gear.
    if (!g.da1Given) g.da1 = 2 * (g.aw - g.ca1_star * g.mn) - g.df2;
    if (!g.da2Given) g.da2 = 2 * (g.aw - g.ca2_star * g.mn) - g.df1;
}

}  // namespace soukoli
