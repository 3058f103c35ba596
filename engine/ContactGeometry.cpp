// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Contact geometry after ČSN 01 4686: undercut limits of the rack-type tool, the tip circle a
// mating gear may use when the other is undercut, the contact ratios, and the face widths.
#include "engine/ContactGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/BasicGeometry.h"
#include "engine/ContactGeometryTables.h"
#include "engine/Trig.h"

namespace soukoli {

namespace {

struct UndercutEnd {
    double dNu = 0;
    double alfaNu = 0;
};

// Where the undercut of one gear ends: ρ·db, and the pressure angle there.
UndercutEnd undercutEnd(const GearPairData& g, Gear gear, double shortfall, Ui& ui) {
    Vector3 v = undercutStartValues(shortfall);
    const UndercutGear p = undercutGear(g, gear);
    const NewtonSummary summary = solveUndercutEnd(p, v, ui);
    // Every failure of the solver is told here; in every case the run goes on with the last values.
    switch (summary.status) {
        case NewtonStatus::Converged:
            break;
        case NewtonStatus::SingularMatrix:
            ui.message("Singulárni matice, výpočet ukončen");
            break;
        case NewtonStatus::IterationLimit:
        case NewtonStatus::NotFinite:
            ui.message(gear == Gear::Pinion
                           ? "Konec podřezu paty zubu pastorku nelze přesně určit, výpočet pokračuje s posledními hodnotami."
                           : "Konec podřezu paty zubu kola nelze přesně určit, výpočet pokračuje s posledními hodnotami.");
            break;
    }
    UndercutEnd end;
    end.dNu = v[0] * p.db;
    end.alfaNu = guardedAcos(p.db / end.dNu, ui);
    return end;
}

// Diameter of the circle through the point of the line of action at distance g/2 from the
// tangent point of a gear with base diameter db.
double circleThrough(double g, double db) { return std::sqrt(g * g + db * db); }

}  // namespace

Vector3 undercutStartValues(double shortfall) {
    const UndercutStartRow* row = &kUndercutStartDeep;
    for (const auto& r : kUndercutStart)
        if (shortfall <= r.maxShortfall) row = &r;
    return {row->rho, row->phi, row->psi};
}

std::optional<Gear> tipInsideBaseCircle(const GearPairData& g) {
    // Both sides of `>=` may be NaN for an impossible pair: then no tip reaches its base circle.
    if (!g.isInternal()) {
        if (!(g.da1eff >= g.db1)) return Gear::Pinion;
        if (!(g.da2eff >= g.db2)) return Gear::Wheel;
        return std::nullopt;
    }
    if (!(g.da1 >= g.db1)) return Gear::Pinion;
    if (!(std::abs(g.da2eff) >= std::abs(g.db2))) return Gear::Wheel;
    return std::nullopt;
}

void computeContactGeometry(GearPairData& g, Ui& ui) {
    updateFormDedenda(g);
    const double cosBeta = std::cos(g.Beta);
    const double sin2 = std::sin(g.alfat) * std::sin(g.alfat);
    // Undercut limit of a rack-type tool: x_min = hFfP/mn − z·sin²αt/(2·cos β).
    g.xmin1 = g.hFfP1 / g.mn - g.z1 * sin2 / (2 * cosBeta);
    g.xmin2 = g.hFfP2 / g.mn - g.z2 * sin2 / (2 * cosBeta);
    // Strict: a shift exactly at the limit leaves no undercut. An internal wheel is cut by a
    // pinion-type cutter and is never treated as undercut.
    g.Podrez1 = g.xmin1 > g.x1;
    g.Podrez2 = !g.isInternal() && g.xmin2 > g.x2;
    if (g.Podrez1) {
        const UndercutEnd end = undercutEnd(g, Gear::Pinion, g.xmin1 - g.x1, ui);
        g.dNu1 = end.dNu;
        g.alfaNu1 = end.alfaNu;
    }
    if (g.Podrez2) {
        const UndercutEnd end = undercutEnd(g, Gear::Wheel, std::abs(g.xmin2 - g.x2), ui);
        g.dNu2 = end.dNu;
        g.alfaNu2 = end.alfaNu;
    }

    // The tip of one gear may not reach into the undercut of the other: g is twice the distance
    // of the undercut end point from the mating gear's tangent point on the line of action.
    g.da1eff = g.da1;
    g.da2eff = g.da2;
    const double tanAlfatw = guardedTan(g.alfatw, ui);
    if (g.Podrez1) {
        const double dist = tanAlfatw * (g.db1 + g.db2) - guardedTan(g.alfaNu1, ui) * g.db1;
        const double limit = circleThrough(dist, g.db2);
        // An internal wheel's tip circle (negative) is limited from inside: its magnitude may
        // not fall below the limit.
        g.da2eff = g.isInternal() ? std::min(g.da2, -limit) : std::min(g.da2, limit);
    }
    if (g.Podrez2) {
        const double dist = tanAlfatw * (g.db1 + g.db2) - guardedTan(g.alfaNu2, ui) * g.db2;
        g.da1eff = std::min(g.da1, circleThrough(dist, g.db1));
    }

    // Transverse contact ratio: length of the path of contact over the transverse base pitch
    // π·mn·cos αt / cos β.
    const double basePitch = std::numbers::pi * g.mn * std::cos(g.alfat) / cosBeta;
    const auto tipPath = [](double da, double db) { return std::sqrt(da * da - db * db); };
    double epsalfa = g.Epsalfa;
    if (tipInsideBaseCircle(g)) {
        // No path of contact: Epsalfa stays, and the run stops on it (checkContactRatios).
    } else if (!g.isInternal()) {
        epsalfa = ((tipPath(g.da1eff, g.db1) + tipPath(g.da2eff, g.db2)) / 2 - g.aw * std::sin(g.alfatw)) / basePitch;
    } else {
        // aw < 0: −aw·sin αtw adds the distance of the two tangent points.
        epsalfa = ((tipPath(g.da1, g.db1) - tipPath(g.da2eff, g.db2)) / 2 - g.aw * std::sin(g.alfatw)) / basePitch;
    }
    if (std::isfinite(epsalfa)) g.Epsalfa = epsalfa;

    g.Epsbeta = g.b * std::sin(g.Beta) / (std::numbers::pi * g.mn);
    g.Epsgama = g.Epsalfa + g.Epsbeta;
}

void computeFaceWidths(GearPairData& g) {
    const double mn = g.mn;
    if (g.db >= 0) {
        if (g.b1 <= g.b2 + g.db) {
            // The wheel covers the pinion's end: overlap b1 − db.
            g.b = g.b1 - g.db;
            g.bwF1 = std::min(g.b + mn, g.b1);
            g.bwF2 = std::min(g.b + mn, g.b2);
        } else {
            // The pinion overhangs the wheel on both sides.
            g.b = g.b2;
            g.bwF2 = g.b2;
            g.bwF1 = g.b2 + std::min(g.db, mn) + std::min(g.b1 - g.b2 - g.db, mn);
        }
    } else {
        const double offset = -g.db;
        if (g.b2 <= g.b1 + offset) {
            g.b = g.b2 - offset;
            g.bwF2 = std::min(g.b + mn, g.b2);
            g.bwF1 = std::min(g.b + mn, g.b1);
        } else {
            // The wheel overhangs the pinion on both sides.
            g.b = g.b1;
            g.bwF1 = g.b1;
            g.bwF2 = g.b1 + std::min(offset, mn) + std::min(g.b2 - g.b1 - offset, mn);
        }
    }
    g.bwFmin = g.bwF1 >= g.bwF2 ? g.bwF2 : g.bwF1;
}

}  // namespace soukoli
