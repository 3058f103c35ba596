// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Tooth form factors. ČSN 01 4686 builds the critical section in the transverse section of the
// gear itself (formula 65) and loads the tip; DIN 3990 part 3 works on the virtual spur gear and
// loads the outer point of single tooth contact (method B) or the tip (method C).
#include "engine/ToothForm.h"

#include <numbers>

#include "engine/StageGuard.h"
#include "engine/Trig.h"

namespace soukoli {

namespace {

constexpr double kPi = std::numbers::pi;
const double kSqrt3 = std::sqrt(3.0);

// The quantities of one gear, by reference where the tooth form writes them.
struct GearView {
    double x, z, zv, d, da, db, rof, ha0;
    double &Ac, &Bc, &FIe, &sFn, &hFa, &hFe, &RoFn, &YFa, &YFe, &alfaFan, &alfaFen;
    bool formFactorGiven;
};

GearView view(GearPairData& g, Gear gear) {
    if (gear == Gear::Pinion)
        return {g.x1,      g.z1,   g.zv1,  g.d1,   g.da1,  g.db1,      g.Rof1_star, g.ha2_star + g.ca2_star,
                g.Ac1,     g.Bc1,  g.FIe1, g.sFn1, g.hFa1, g.hFe1,     g.RoFn1,     g.YFa1,
                g.YFe1,    g.alfaFan1, g.alfaFen1, g.YFa1Given};
    return {g.x2,      g.z2,   g.zv2,  g.d2,   g.da2,  g.db2,      g.Rof2_star, g.ha1_star + g.ca1_star,
            g.Ac2,     g.Bc2,  g.FIe2, g.sFn2, g.hFa2, g.hFe2,     g.RoFn2,     g.YFa2,
            g.YFe2,    g.alfaFan2, g.alfaFen2, g.YFa2Given};
}

// 6·(hF/mn)·cos αF / ((sFn/mn)²·cos αn)
double formFactor(const GearPairData& g, double hF, double alfaF, double sFn) {
    const double s = sFn / g.mn;
    return 6 * (hF / g.mn) * std::cos(alfaF) / (s * s * std::cos(g.Alfan));
}

// Load angle at a point of diameter dy on the virtual gear: αy − γy with
// γy = (π/2 + 2·x·tan αn)/zv + inv αn − inv αy. False when dbn/dy is no cosine.
bool loadAngle(GearPairData& g, Ui& ui, const GearView& w, double dbn, double dy, double& alfa, double& gama,
               double& alfaF) {
    if (!requireCosine(g, ui, dbn / dy)) return false;
    alfa = std::acos(dbn / dy);
    gama = (kPi / 2 + 2 * w.x * std::tan(g.Alfan)) / w.zv + inv(g.Alfan, ui) - inv(alfa, ui);
    alfaF = alfa - gama;
    return true;
}

// ČSN 01 4686 for the pinion and an external wheel.
void csnExternal(GearPairData& g, Ui& ui, Gear gear) {
    GearView w = view(g, gear);
    const double mn = g.mn, tanAn = std::tan(g.Alfan), cosAn = std::cos(g.Alfan);
    w.Ac = (w.ha0 - w.x - w.rof) * mn;
    const double A = w.Ac / mn;
    w.Bc = (kPi / 2 + 2 * w.x * tanAn + 2 * (A * tanAn + w.rof / cosAn)) / w.zv;
    if (!findAuxiliaryAngle(g, ui, gear)) {
        w.RoFn = w.rof * mn;
        w.hFa = 2 * mn;
        return;
    }
    // Transverse pressure angle at the tip and the angle U of formula 65.
    const double ratio = w.db / w.da;
    if (!(ratio > 0 && ratio <= 1)) {
        stopImpossiblePair(g, ui);
        return;
    }
    const double tanAlfaat = std::sqrt(1 - ratio * ratio) / ratio;
    const double U = tanAlfaat - inv(g.alfat, ui) - (kPi / 2 + 2 * w.x * tanAn) / w.z;
    const double cosBb = std::cos(g.betab);
    const double P = w.z / (2 * std::cos(g.Beta)) *
                     ((1 - std::cos(w.FIe)) / (cosBb * cosBb) - 1 + std::cos(g.alfat) / std::cos(U));
    const double s = std::sin(w.FIe + kPi / 6);
    const double hFa = mn * (P + (A / s + w.rof) / 2);
    if (!loadAngle(g, ui, w, w.zv * cosAn, w.zv + (w.da - w.d) / mn, g.alfaan, g.gamaa, w.alfaFan)) return;
    const double sFn = mn * (w.zv * std::sin(w.FIe) - kSqrt3 * (A / s + w.rof));
    const double RoFn = mn * (A * A / (s * (w.zv * s * s / 2 + A)) + w.rof);
    const double YFa = formFactor(g, hFa, w.alfaFan, sFn);
    if (!requireFinite(g, ui, {hFa, sFn, RoFn, YFa})) return;
    w.hFa = hFa;
    w.sFn = sFn;
    w.RoFn = RoFn;
    if (!w.formFactorGiven) w.YFa = YFa;
}

// ČSN 01 4686, internal wheel: the critical section of the basic rack, no auxiliary angle.
void csnInternalWheel(GearPairData& g, Ui& ui) {
    const double mn = g.mn, an = g.Alfan, tanAn = std::tan(an), cosAn = std::cos(an);
    const double ha02 = g.ha1_star + g.ca1_star, rof = g.Rof2_star;
    g.ha02_star = ha02;
    g.alfaFan2 = an;
    const double sFn = 2 * mn * (kPi / 4 + (ha02 - rof) * tanAn + rof / cosAn - rof * std::cos(kPi / 6));
    double RoFn = 0;
    if (rof == 0)
        RoFn = mn * std::abs(0.5 * g.zv2 * std::sin(an) + 0.5 * cosAn * (sFn - g.zv2 * (an - kPi / 6)));
    else
        RoFn = rof * mn / 2;
    const double h = (g.da2 - g.df2) / (2 * mn);
    const double hFa = mn * (h - tanAn * (kPi / 4 + tanAn * (ha02 - h)) - rof * (1 - std::sin(kPi / 6)));
    const double YFa = formFactor(g, hFa, an, sFn);
    if (!requireFinite(g, ui, {sFn, RoFn, hFa, YFa})) return;
    g.sFn2 = sFn;
    g.RoFn2 = RoFn;
    g.hFa2 = hFa;
    if (!g.YFa2Given) g.YFa2 = YFa;
}

// DIN 3990 part 3, methods B and C, for the pinion and an external wheel.
void dinIso(GearPairData& g, Ui& ui, Gear gear) {
    GearView w = view(g, gear);
    const double mn = g.mn, an = g.Alfan, tanAn = std::tan(an), cosAn = std::cos(an);
    const double Emn = kPi / 4 - w.ha0 * tanAn - (1 - std::sin(an)) * w.rof / cosAn;
    g.E = Emn * mn;
    g.G = w.rof - w.ha0 + w.x;
    g.H = 2 / w.zv * (kPi / 2 - Emn) - kPi / 3;
    if (!findAuxiliaryAngle(g, ui, gear)) {
        w.RoFn = w.rof * mn;
        (loadsAtSinglePairPoint(g.standard) ? w.hFe : w.hFa) = 2 * mn;
        return;
    }
    const double theta = g.FIe, G = g.G, cosT = std::cos(theta);
    const double sFn = mn * (w.zv * std::sin(kPi / 3 - theta) + kSqrt3 * (G / cosT - w.rof));
    const double RoFn = mn * (w.rof + 2 * G * G / (cosT * (w.zv * cosT * cosT - 2 * G)));
    g.dn = w.zv * mn;
    g.dbn = g.dn * cosAn;
    g.dan = g.dn + w.da - w.d;

    // Moment arm from the load point at diameter dy with its angles.
    const auto arm = [&](double dy, double gama, double alfaF) {
        return mn / 2 *
               ((std::cos(gama) - std::sin(gama) * std::tan(alfaF)) * dy / mn - w.zv * std::cos(kPi / 3 - theta) -
                G / cosT + w.rof);
    };
    if (loadsAtSinglePairPoint(g.standard)) {
        const double cosBb = std::cos(g.betab);
        g.Epsalfan = g.Epsalfa / (cosBb * cosBb);
        const double roll = (g.dan / 2) * (g.dan / 2) - (g.dbn / 2) * (g.dbn / 2);
        if (!(roll >= 0)) {
            stopImpossiblePair(g, ui);
            return;
        }
        const double inner = std::sqrt(roll) - kPi * w.d * std::cos(g.Beta) * cosAn * (g.Epsalfan - 1) / w.z;
        g.den = 2 * std::sqrt(inner * inner + (g.dbn / 2) * (g.dbn / 2));
        if (!loadAngle(g, ui, w, g.dbn, g.den, g.alfaen, g.gamae, w.alfaFen)) return;
        const double hFe = arm(g.den, g.gamae, w.alfaFen);
        const double YFe = formFactor(g, hFe, w.alfaFen, sFn);
        if (!requireFinite(g, ui, {sFn, RoFn, hFe, YFe})) return;
        w.hFe = hFe;
        if (!w.formFactorGiven) w.YFe = YFe;
    } else {
        if (!loadAngle(g, ui, w, g.dbn, g.dan, g.alfaan, g.gamaa, w.alfaFan)) return;
        const double hFa = arm(g.dan, g.gamaa, w.alfaFan);
        const double YFa = formFactor(g, hFa, w.alfaFan, sFn);
        if (!requireFinite(g, ui, {sFn, RoFn, hFa, YFa})) return;
        w.hFa = hFa;
        if (!w.formFactorGiven) w.YFa = YFa;
    }
    w.sFn = sFn;
    w.RoFn = RoFn;
}

}  // namespace

bool findAuxiliaryAngle(GearPairData& g, Ui& ui, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    const double zv = pinion ? g.zv1 : g.zv2;
    AngleSearchResult result;
    switch (g.standard) {
        case Standard::CSN: {
            // ČSN 01 4686 formula 65.
            const double A = (pinion ? g.Ac1 : g.Ac2) / g.mn;
            const double Bc = pinion ? g.Bc1 : g.Bc2;
            result = searchAuxiliaryAngle(
                [&](double x) { return Bc + 2 * A * std::cos(x + kPi / 6) / (zv * std::sin(x + kPi / 6)) - x; },
                g.FIeSignA, g.FIeSignB);
            break;
        }
        case Standard::DIN_B:
        case Standard::DIN_C: {
            // DIN 3990 part 3: θ = (2G/zv)·tan θ − H.
            const double G = g.G, H = g.H;
            result = searchAuxiliaryAngle([&](double x) { return 2 * G / zv * std::tan(x) - H - x; }, g.FIeSignA,
                                          g.FIeSignB);
            break;
        }
    }
    if (result.outcome == AngleSearchOutcome::NotFound) {
        ui.message(kAuxiliaryAngleFailure);
        ui.openDialog(DialogId::Coefficients, Modality::Modeless);
        g.runFlag = false;
        return false;
    }
    (pinion ? g.FIe1 : g.FIe2) = result.angle;
    g.FIe = result.angle;
    return true;
}

void computeToothForm(GearPairData& g, Ui& ui, Gear gear) {
    const bool internalWheel = gear == Gear::Wheel && g.isInternal();
    if (gear == Gear::Pinion)
        g.ha01_star = g.ha2_star + g.ca2_star;
    else
        g.ha02_star = g.ha1_star + g.ca1_star;
    switch (g.standard) {
        case Standard::CSN:
            if (internalWheel)
                csnInternalWheel(g, ui);
            else
                csnExternal(g, ui, gear);
            break;
        case Standard::DIN_B:
        case Standard::DIN_C:
            // An internal wheel has root factors under ČSN 01 4686 only.
            if (!internalWheel) dinIso(g, ui, gear);
            break;
    }
}

}  // namespace soukoli
