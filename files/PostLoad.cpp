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
