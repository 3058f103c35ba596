// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The post-load recomputation in its fixed order: cutter and diameters, working pressure angle
// and ratios, face widths, loads, lives (of a spectrum project from its spectrum), scheme index.
// Under "DIN - ISO  B" the entered tooth form and stress correction factors are stored for both
// load points, as the coefficients dialog does.
#include "files/PostLoad.h"

#include <array>
#include <cmath>

#include "engine/BasicGeometry.h"
#include "engine/ContactGeometry.h"
#include "engine/Loads.h"
#include "engine/Trig.h"
#include "files/ProjectFileLayout.h"

namespace soukoli::files {

namespace {

constexpr std::uint16_t kDefaultSchemeIndex = 2;  // "1a"
constexpr std::uint16_t kSchemeCount = 10;

void geometry(GearPairData& d, Ui& ui) {
    // The cutter of an internal wheel is not stored; the diameter update needs it.
    chooseCutter(d);
    updateDiameters(d, ui);
    d.alfatw = guardedAcos(std::cos(d.alfat) * d.a / d.aw, ui);
    const double cosBeta3 = std::pow(std::cos(d.Beta), 3);
    d.zv1 = d.z1 / cosBeta3;
    d.zv2 = d.z2 / cosBeta3;
    d.u = d.z2 / d.z1;
    d.srmin = 3.5 * d.mn;
    d.sR1 = d.sr1;
    d.sR2 = d.sr2;
    // A later stage reads b before the contact geometry would set it.
    computeFaceWidths(d);
}

// F = 2000·T/d1 and the equivalent loads likewise; the member chosen by SilyF is the entered one.
void loads(GearPairData& d) {
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

// NK1hod = NK1/(60·n1), NK2hod = NK2·|z2|/(60·n1·z1) and back. A spectrum project stores no
// lives: they follow from the spectrum in cycles, as the equivalent-load computation finds them.
void lives(GearPairData& d) {
    const double z2 = std::fabs(d.z2);
    const bool fromLevels = d.MetodaVypoctu == 'B' && d.ZadaniSil == kLoadsFromLevels;
    if (fromLevels) computeLevelsLives(d);
    if (d.NKvCyklech || fromLevels) {
        d.NK1hod = d.NK1 / 60 / d.n1;
        d.NK2hod = d.NK2 / 60 / d.n1 * z2 / d.z1;
    } else {
        d.NK1 = d.NK1hod * 60 * d.n1;
        d.NK2 = d.n1 * d.NK2hod * 60 * d.z1 / z2;
    }
}

// The coefficients dialog keeps an entry for "DIN - ISO  B" in both the tip and the outer-point
// factor; the file holds only the tip one.
void enteredOuterPointFactors(GearPairData& d) {
    if (!loadsAtSinglePairPoint(d.standard)) return;
    if (d.YFa1Given) d.YFe1 = d.YFa1;
    if (d.YFa2Given) d.YFe2 = d.YFa2;
    if (d.YSa1Given) d.YSe1 = d.YSa1;
    if (d.YSa2Given) d.YSe2 = d.YSa2;
}

}  // namespace

void updateSchemeIndex(GearPairData& d) {
    if (const auto index = schemeIndexOf(d.Schema); index != 0) d.SchemaIndex = index;
    if (d.SchemaIndex == 0 || d.SchemaIndex > kSchemeCount) d.SchemaIndex = kDefaultSchemeIndex;
}

void recomputeAfterLoad(GearPairData& d, Ui& ui) {
    geometry(d, ui);
    loads(d);
    lives(d);
    enteredOuterPointFactors(d);
    updateSchemeIndex(d);
}

bool recomputedValuesFinite(const GearPairData& d) {
    const std::array values = {
        d.d1, d.d2, d.db1, d.db2, d.df1, d.df2, d.a, d.alfat, d.betab, d.ha1, d.ha2, d.hf1, d.hf2,
        d.da1, d.da2, d.alfatw, d.zv1, d.zv2, d.u, d.srmin, d.b, d.bwF1, d.bwF2,
        d.F1, d.T1, d.Ft1, d.FtFe1, d.FtFe2, d.FtHe1, d.FtHe2, d.TFe1, d.TFe2, d.THe1, d.THe2,
        d.NK1, d.NK2, d.NK1hod, d.NK2hod,
    };
    for (const double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace soukoli::files
