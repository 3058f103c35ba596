// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Masses and moments of inertia of the gear bodies, mesh stiffness and the resonance speed of the
// pinion (ČSN 01 4686 part 3). Each body is a set of hollow steel cylinders: toothed ring, rim,
// web and hub.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/ContactGeometry.h"
#include "engine/DynamicFactor.h"
#include "engine/DynamicFactorTables.h"

namespace soukoli {

namespace {

struct Body {
    double mass = 0;
    double inertia = 0;  // [kg·mm²]

    Body& operator+=(const Body& other) {
        mass += other.mass;
        inertia += other.inertia;
        return *this;
    }
};

// A hollow cylinder of the given width between the outer diameter D and the inner diameter d;
// D < d gives a negative mass, the sign of impossible dimensions.
Body cylinder(double width, double D, double d) {
    const double mass = width * (D * D - d * d) * std::numbers::pi / 4 * kSteelDensity;
    return {mass, mass * (D * D + d * d) / 8};
}

// Body of a pinion or an external wheel: toothed ring, rim, web and hub. A body wider than its
// face carries the hub over the whole body width.
Body solidBody(double da, double df, double sr, double sd, double dh, double width, double bodyWidth) {
    Body body;
    body += cylinder(width, (da + df) / 2, df);
    body += cylinder(width, df, df - 2 * sr);
    body += cylinder(bodyWidth, df - 2 * sr, dh + 2 * sd);
    Body hub = cylinder(width, dh + 2 * sd, dh);
    if (bodyWidth > width) {
        const double scale = bodyWidth / width;
        hub.mass *= scale;
        hub.inertia *= scale;
    }
    body += hub;
    return body;
}

// Body of an internal wheel: the toothed ring and the rim around it. The diameters are negative;
// of each pair the one of larger magnitude is the outer one.
Body ringBody(double da, double df, double sR, double width) {
    const auto ring = [width](double a, double b) {
        return cylinder(width, std::max(std::abs(a), std::abs(b)), std::min(std::abs(a), std::abs(b)));
    };
    Body body;
    body += ring((df + da) / 2, df);
    body += ring(df, df - 2 * sR);
    return body;
}

// Rim factor CR of one gear: β = bs/b in [0.2, 1.2], s = sR/mn at least 1.
double rimFactor(double bs, double b, double sR, double mn) {
    double beta = bs / b;
    if (beta >= 1.2) beta = 1.2;
    if (!(beta >= 0.2)) beta = 0.2;
    const double s = std::max(sR / mn, 1.0);
    return 1 + std::log(beta) / (5 * std::exp(s / 5));
}

}  // namespace

void computeBodyMasses(GearPairData& g) {
    const Body pinion = solidBody(g.da1, g.df1, g.sr1, g.sd1, g.dh1, g.b1, g.bs1);
    const Body wheel = g.isInternal() ? ringBody(g.da2, g.df2, g.sR2, g.b2)
                                      : solidBody(g.da2, g.df2, g.sr2, g.sd2, g.dh2, g.b2, g.bs2);
    g.mass1 = pinion.mass;
    g.mass2 = wheel.mass;
    if (!g.TetaGiven) {
        g.Teta1 = pinion.inertia;
        g.Teta2 = wheel.inertia;
    }
}

void computeMeshStiffness(GearPairData& g, Ui& ui) {
    // Cgama rests on Epsalfa: the contact ratios of the current geometry first.
    computeContactGeometry(g, ui);
    computeStiffnessAndResonance(g);
}

void computeStiffnessAndResonance(GearPairData& g) {
    g.CR = std::min(rimFactor(g.bs1, g.b1, g.sR1, g.mn), rimFactor(g.bs2, g.b2, g.sR2, g.mn));

    // Flexibility of a single pair; an internal wheel has no terms in zv2.
    double q = 0.04723 + 0.15551 / g.zv1 - 0.00635 * g.x1 - 0.11654 * g.x1 / g.zv1 - 0.00193 * g.x2 +
               0.00529 * g.x1 * g.x1 + 0.00182 * g.x2 * g.x2;
    if (!g.isInternal()) q += 0.25791 / g.zv2 - 0.24188 * g.x2 / g.zv2;

    g.cs = 0.8 * g.CR * std::cos(g.Beta) / q;
    if (!g.CgamaGiven)
        g.Cgama = (0.75 * g.Epsalfa + 0.25) * g.cs * (2 * g.E1 * g.E2 / (g.E1 + g.E2)) / 210000;

    const double rb1sq = g.db1 * g.db1 / 4;
    const double rb2sq = g.db2 * g.db2 / 4;
    g.mred = (g.Teta1 * g.Teta2 / (rb1sq * rb2sq)) / (g.Teta1 / rb1sq + g.Teta2 / rb2sq);
    g.nE1 = 30000 / (std::numbers::pi * g.z1) * std::sqrt(g.Cgama * g.b / g.mred);
}

}  // namespace soukoli
