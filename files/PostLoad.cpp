// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The post-load recomputation in its fixed order: cutter and diameters, the limiting shift sum and
// its check, working pressure angle and ratios, face widths, loads, lives (of a spectrum project
// from its spectrum), scheme index.
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
    // The limiting shift sum of this pair, internal or external, and the check the geometry
    // window makes: a file written elsewhere may hold a sum beyond it.
    d.xmez = limitingShiftSum(d);
    (void)checkShiftSum(d, ui);
    d.alfatw = guardedAcos(std::cos(d.alfat) * d.a / d.aw, ui);
    d.invalfat = inv(d.alfat, ui);
    d.invalfatw = inv(d.alfatw, ui);
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
    deriveLoads(d);
    deriveLives(d);
    enteredOuterPointFactors(d);
    updateSchemeIndex(d);
}

std::string_view firstUnformedValue(const GearPairData& d) {
    struct Named {
        std::string_view name;
        double GearPairData::*member;
    };
#define SOUKOLI_NAMED(m) Named{#m, &GearPairData::m}
    static constexpr std::array kRecomputed = {
        SOUKOLI_NAMED(d1),     SOUKOLI_NAMED(d2),     SOUKOLI_NAMED(db1),    SOUKOLI_NAMED(db2),
        SOUKOLI_NAMED(df1),    SOUKOLI_NAMED(df2),    SOUKOLI_NAMED(a),      SOUKOLI_NAMED(alfat),
        SOUKOLI_NAMED(betab),  SOUKOLI_NAMED(ha1),    SOUKOLI_NAMED(ha2),    SOUKOLI_NAMED(hf1),
        SOUKOLI_NAMED(hf2),    SOUKOLI_NAMED(da1),    SOUKOLI_NAMED(da2),    SOUKOLI_NAMED(alfatw),
        SOUKOLI_NAMED(zv1),    SOUKOLI_NAMED(zv2),    SOUKOLI_NAMED(u),      SOUKOLI_NAMED(srmin),
        SOUKOLI_NAMED(b),      SOUKOLI_NAMED(bwF1),   SOUKOLI_NAMED(bwF2),   SOUKOLI_NAMED(F1),
        SOUKOLI_NAMED(T1),     SOUKOLI_NAMED(Ft1),    SOUKOLI_NAMED(FtFe1),  SOUKOLI_NAMED(FtFe2),
        SOUKOLI_NAMED(FtHe1),  SOUKOLI_NAMED(FtHe2),  SOUKOLI_NAMED(TFe1),   SOUKOLI_NAMED(TFe2),
        SOUKOLI_NAMED(THe1),   SOUKOLI_NAMED(THe2),   SOUKOLI_NAMED(NK1),    SOUKOLI_NAMED(NK2),
        SOUKOLI_NAMED(NK1hod), SOUKOLI_NAMED(NK2hod),
    };
#undef SOUKOLI_NAMED
    for (const auto& [name, member] : kRecomputed)
        if (!std::isfinite(d.*member)) return name;
    return {};
}

}  // namespace soukoli::files
