// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Rules of the face-width and body-dimension fields (with the fit of rim, web and shaft under the
// root diameter), the solid-gear options and the checks before the dimensions window closes.
#include "engine/BodyDimensions.h"

#include "engine/ContactGeometry.h"
#include "engine/DynamicFactor.h"

namespace soukoli {

namespace {

// A body counts as wider than its face only beyond this.
constexpr double kWidthTolerance = 0.00001;
// The fit checks before closing allow 0.1 mm.
constexpr double kFitTolerance = 0.1;

// The dimensions of one gear, as references into the data set.
struct GearBody {
    double& b;
    double& bs;
    double& sr;
    double& sd;
    double& dh;
    double& sR;
    bool& thin;
    bool& solid;
    double df;
};

GearBody body(GearPairData& g, Gear gear) {
    if (gear == Gear::Pinion) return {g.b1, g.bs1, g.sr1, g.sd1, g.dh1, g.sR1, g.TenkyVenec1, g.PlnyPastorek, g.df1};
    return {g.b2, g.bs2, g.sr2, g.sd2, g.dh2, g.sR2, g.TenkyVenec2, g.PlneKolo, g.df2};
}

void updateRim(GearBody& x, double srmin) {
    x.sR = x.bs <= x.b + kWidthTolerance ? x.sr : x.sr + x.sd;
    x.thin = x.sR < srmin;
}

FieldEntry rejected(std::string_view message = {}) { return refusedEntry(message); }
FieldEntry accepted() {
    FieldEntry e;
    e.effects.bodies = true;
    return e;
}

FieldEntry bodyWidth(GearPairData& g, Gear gear) {
    GearBody x = body(g, gear);
    const bool pinion = gear == Gear::Pinion;
    if (!(x.bs > 0)) return rejected();
    if (x.sd <= 0 && x.bs != x.b) {
        // Without a web the body is as wide as the face: the window puts that right.
        x.bs = x.b;
        return rejected(pinion ? "Pro sd1=0 platí bs1=b1" : "Pro sd2=0 platí bs2=b2");
    }
    if (x.solid && x.bs < x.b) return rejected(pinion ? "Pro plný pastorek platí bs1>=b1" : "Pro plné kolo platí bs2>=b2");
    if (x.bs > x.b + kWidthTolerance) x.sd = (x.df - x.dh) / 2 - x.sr;
    updateRim(x, g.srmin);
    return accepted();
}

FieldEntry rimThickness(GearPairData& g, Gear gear) {
    GearBody x = body(g, gear);
    if (!(x.sr > 0)) return rejected();
    const bool fitChecked = gear == Gear::Pinion || !g.isInternal();
    if (fitChecked && !(x.sr <= (x.df - x.dh) / 2 - x.sd)) return rejected(kDoesNotFit);
    updateRim(x, g.srmin);
    return accepted();
}

FieldEntry webDimension(GearPairData& g, Gear gear) {
    GearBody x = body(g, gear);
    if (!(x.sd >= 0)) return rejected();
    if (x.bs > x.b + kWidthTolerance) x.sr = (x.df - x.dh) / 2 - x.sd;
    const bool fitChecked = gear == Gear::Pinion || !g.isInternal();
    if (fitChecked && !((x.df - x.dh) / 2 - x.sr >= x.sd)) {
        return rejected(kDoesNotFit);
    }
    updateRim(x, g.srmin);
    return accepted();
}

FieldEntry shaftDiameter(GearPairData& g, Gear gear) {
    GearBody x = body(g, gear);
    const bool pinion = gear == Gear::Pinion;
    if (!(x.dh >= 0)) return rejected();
    if (x.dh >= x.df)
        return rejected(pinion ? "Průměr hřídele je větší než patní průměr pastorku"
                               : "Průměr hřídele je větší než patní průměr kola");
    if (x.solid || x.bs >= x.b) x.sr = (x.df - x.dh) / 2;
    updateRim(x, g.srmin);
    if (!(x.df - 2 * (x.sr + x.sd) >= x.dh)) {
        return rejected(kDoesNotFit);
    }
    return accepted();
}

bool fits(const GearBody& x) {
    return (x.df - x.dh) / 2 - x.sr + kFitTolerance >= x.sd && x.dh < x.df + kFitTolerance &&
           x.dh <= x.df - 2 * (x.sr + x.sd) + kFitTolerance;
}

}  // namespace

double& dimensionQuantity(GearPairData& g, DimensionField field) {
    switch (field) {
        case DimensionField::b1: return g.b1;
        case DimensionField::b2: return g.b2;
        case DimensionField::bs1: return g.bs1;
        case DimensionField::bs2: return g.bs2;
        case DimensionField::sr1: return g.sr1;
        case DimensionField::sr2: return g.sr2;
        case DimensionField::sd1: return g.sd1;
        case DimensionField::sd2: return g.sd2;
        case DimensionField::dh1: return g.dh1;
        case DimensionField::dh2: return g.dh2;
        case DimensionField::db: return g.db;
        case DimensionField::Teta1: return g.Teta1;
        case DimensionField::Teta2: return g.Teta2;
        case DimensionField::Cgama: break;
    }
    return g.Cgama;
}

FieldEntry commitDimension(GearPairData& g, DimensionField field, double value) {
    dimensionQuantity(g, field) = value;
    switch (field) {
        case DimensionField::b1:
        case DimensionField::b2: {
            if (!(value > 0)) return rejected();
            computeFaceWidths(g);
            FieldEntry e = accepted();
            // The alignment deviations follow the face width.
            (field == DimensionField::b1 ? e.effects.lookups.pinionAlignment : e.effects.lookups.wheelAlignment) = true;
            return e;
        }
        case DimensionField::bs1: return bodyWidth(g, Gear::Pinion);
        case DimensionField::bs2: return bodyWidth(g, Gear::Wheel);
        case DimensionField::sr1: return rimThickness(g, Gear::Pinion);
        case DimensionField::sr2: return rimThickness(g, Gear::Wheel);
        case DimensionField::sd1: return webDimension(g, Gear::Pinion);
        case DimensionField::sd2: return webDimension(g, Gear::Wheel);
        case DimensionField::dh1: return shaftDiameter(g, Gear::Pinion);
        case DimensionField::dh2: return shaftDiameter(g, Gear::Wheel);
        case DimensionField::db:
            if (value >= g.b1 || -value >= g.b2) return rejected("Kola mimo záběr");
            computeFaceWidths(g);
            return accepted();
        case DimensionField::Teta1:
        case DimensionField::Teta2:
        case DimensionField::Cgama: return value > 0 ? accepted() : rejected();
    }
    return rejected();
}

void updateEffectiveRims(GearPairData& g) {
    for (Gear gear : {Gear::Pinion, Gear::Wheel}) {
        GearBody x = body(g, gear);
        updateRim(x, g.srmin);
    }
}

void setSolidGear(GearPairData& g, Gear gear, bool solid) {
    GearBody x = body(g, gear);
    x.solid = solid;
    if (!solid) return;
    x.sd = 0;
    if (x.b <= 0) x.b = 40;
    if (x.dh > x.df) x.dh = x.df / 2;
    x.sr = (x.df - x.dh) / 2;
    x.sR = x.sr;
    x.bs = x.b;
}

void resetDimensions(GearPairData& g) {
    g.b1 = g.b2 = g.bs1 = g.bs2 = 0;
    g.sR1 = g.sR2 = 0;
    g.sr1 = g.sr2 = 0;
    g.sd1 = g.sd2 = 0;
    g.dh1 = g.dh2 = 0;
    g.db = 0;
    g.b = 0;
    g.bwFmin = 0;
    g.srmin = 3.5 * g.mn;
    g.PlnyPastorek = g.PlneKolo = false;
}

void refreshBodyQuantities(GearPairData& g, Ui& ui) {
    computeBodyMasses(g);
    const bool possible1 = g.mass1 > 0;
    const bool possible2 = g.mass2 > 0;
    if (!g.TetaGiven) {
        if (!possible1) g.Teta1 = 0;
        if (!possible2) g.Teta2 = 0;
    }
    if (!possible1 || !possible2) {
        if (!g.CgamaGiven) g.Cgama = 0;
        return;
    }
    computeMeshStiffness(g, ui);
}

DimensionWarnings dimensionWarnings(const GearPairData& g) {
    DimensionWarnings w;
    w.thinRim1 = g.sR1 < g.srmin;
    w.thinRim2 = g.sR2 < g.srmin;
    w.impossiblePinion = 2 * (g.sd1 + g.sr1) + g.dh1 - 0.01 > g.df1;
    w.impossibleWheel = !g.isInternal() && 2 * (g.sd2 + g.sr2) + g.dh2 - 0.01 > g.df2;
    w.apart = g.db >= g.b1;
    w.noCgama = g.Epsalfa < 1.2 && !g.CgamaGiven;
    return w;
}

std::string_view checkDimensionsForClosing(GearPairData& g, Ui& ui) {
    computeFaceWidths(g);
    if (g.Zjednoduseny) return {};
    computeBodyMasses(g);
    if (!fits(body(g, Gear::Pinion)))
        return "Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit.";
    if (!g.isInternal() && !fits(body(g, Gear::Wheel)))
        return "Prvky se nevlezou do patního průměru kola, rozměry se musí upravit.";
    if (g.sR1 <= 0) return "Záporný rozměr sr1 je nutno upravit.";
    if (g.sR2 <= 0) return "Záporný rozměr sr2 je nutno upravit.";
    if (g.mass1 <= 0) return "Nemožné parametry pastorku, rozměry se musí upravit.";
    if (g.mass2 <= 0) return "Nemožné parametry kola, rozměry se musí upravit.";
    computeMeshStiffness(g, ui);
    g.TenkyVenec1 = false;
    return {};
}

void refreshBodies(GearPairData& g, Ui& ui) {
    g.srmin = 3.5 * g.mn;
    if (!g.Zjednoduseny) refreshBodyQuantities(g, ui);
}

}  // namespace soukoli
