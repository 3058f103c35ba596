// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The default external and internal pairs with the derived geometry and the method-A loads that
// the stress stages read, worked out by hand from the defaults (x1 = x2 = 0, so aw = a and
// alfatw = alfat = 20°; d = z·mn; db = d·cos 20°; df = d − 2.5·mn, outward for the internal wheel).
#pragma once

#include <cmath>
#include <numbers>

#include "engine/GearPairData.h"

namespace soukoli::testing {

inline GearPairData defaultPair(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    const double an = g.Alfan, cosAn = std::cos(an);
    const bool internal = type == Toothing::Internal;
    g.d1 = 80;
    g.d2 = internal ? -240 : 160;
    g.db1 = g.d1 * cosAn;
    g.db2 = g.d2 * cosAn;
    g.df1 = 70;
    g.df2 = internal ? -250 : 150;
    g.a = g.aw = internal ? -80 : 120;
    g.alfat = g.alfatw = an;
    g.betab = 0;
    g.zv1 = g.z1;
    g.zv2 = g.z2;
    g.u = g.z2 / g.z1;
    // Transverse contact ratio (g_a1 + g_a2 − aw·sin αtw) / (π·mn·cos αn); for an internal
    // wheel its tip roll is subtracted and the centre-distance term added.
    const auto roll = [](double da, double db) { return std::sqrt(da * da - db * db) / 2; };
    const double ga2 = roll(g.da2, g.db2);
    g.Epsalfa = (roll(g.da1, g.db1) + (internal ? -ga2 : ga2) + (internal ? 1 : -1) * std::abs(g.aw) * std::sin(an)) /
                (std::numbers::pi * g.mn * cosAn);
    g.Epsbeta = 0;
    g.Epsgama = g.Epsalfa;
    g.b = 60;
    g.bwF1 = g.bwF2 = g.bwFmin = 60;
    g.FtH = g.FtF = g.F1;   // method "A"
    g.Ft1 = g.F1 * g.KAS;
    return g;
}

}  // namespace soukoli::testing
