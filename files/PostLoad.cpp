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
