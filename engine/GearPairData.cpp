// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Default values of the data set. The order of the groups is the order in which a new project
// is set up; switching the toothing type runs it again and so discards every input.
#include "engine/GearPairData.h"

#include <cmath>
#include <numbers>

namespace soukoli {

void setDefaults(GearPairData& g) {
    // Number formatting needs no state here: the decimal point and the three exponent pictures
    // are fixed in engine/Numbers.h whatever the locale.

    // Geometry of the standard 20/40 pair, module 4, 20° pressure angle.
    g.z1 = 20;
    g.z2 = 40;
    g.mn = 4;
    g.Alfan = 20.0 * std::numbers::pi / 180.0;
    g.Beta = 0;
    g.x1 = 0;
    g.x2 = 0;
    g.aw = 120;
    g.a = 120;
    g.da1 = 88;
    g.da2 = 168;
    g.ha1_star = 1;
    g.ha2_star = 1;
    g.ca1_star = 0.25;
    g.ca2_star = 0.25;
    g.Rof1_star = 0.38;
    g.Rof2_star = 0.38;
    g.z0 = 35;
    g.x0 = 0;
    g.awGiven = false;
    g.da1Given = false;
    g.da2Given = false;
    g.Epsalfa = 1.6;
    g.u = 2;
    if (g.isInternal()) {
        // `a` keeps 120 until the geometry is recomputed.
        g.z2 = -60;
        g.aw = -20;
        g.da2 = -232;
        g.Rof2_star = 0.2;
    }
    const double cosBeta3 = std::pow(std::cos(g.Beta), 3);
    g.zv1 = g.z1 / cosBeta3;
    g.zv2 = g.z2 / cosBeta3;

    // Materials: case-hardening steel 14 220.
    g.Material1 = "14 220";
    g.Material2 = "14 220";
    g.Sigma0Flimb1 = g.Sigma0Flimb2 = 700;
    g.Sigma0Hlim1 = g.Sigma0Hlim2 = 1270;
    g.VHV1 = g.VHV2 = 650;
    g.JHV1 = g.JHV2 = 250;
    g.Rm1 = g.Rm2 = 785;
    g.Re1 = g.Re2 = 588;
    g.qF1 = g.qF2 = 9;
    g.qH1 = g.qH2 = 10;
    g.NFlim1 = g.NFlim2 = 3e6;
    g.NHlim1 = g.NHlim2 = 1e8;
    g.E1 = g.E2 = 210000;
    g.Ny1 = g.Ny2 = 0.3;
    g.Zpracovani1 = g.Zpracovani2 = 5;  // "cementovaná kalená"

    // Gear bodies.
    g.b1 = g.b2 = 60;
    g.bs1 = g.bs2 = 60;
    g.sr1 = 20;
    g.sr2 = 55;
    g.sd1 = g.sd2 = 0;
    g.dh1 = 30;
    g.dh2 = 40;
    g.db = 0;
    g.b = 60;
    g.sR1 = 20;
    g.sR2 = 55;
    g.PlnyPastorek = false;
    g.PlneKolo = false;
    g.TenkyVenec1 = false;
    g.TenkyVenec2 = false;
    g.srmin = 14;

    // Moments of inertia and mesh stiffness.
    g.Teta1 = 1764;
    g.Teta2 = 29440;
    g.TetaGiven = false;
    g.Cgama = 18.88;
    g.CgamaGiven = false;

    // Face load factor.
    g.KHbetaFrom = KHbetaSource::Entered;
    g.Schema = "1a";
    g.SchemaIndex = 2;
    g.KHbeta = 1.3;
    g.bcal = 0;
    g.s1 = g.s2 = 0;
    g.lw1 = g.lw2 = 0;
    g.dsh1 = g.dsh2 = 0;
    g.dI = g.dII = 0;

    // Accuracy grades and deviations: limit deviations are entered.
    g.IT1 = g.IT2 = 8;
    g.fpb1 = g.fpb2 = g.Fbeta1 = g.Fbeta2 = g.fx = g.fy = 0;
    g.fpbr1 = g.fpbr2 = g.Fbetar1 = g.Fbetar2 = g.fxr = g.fyr = 0;
    g.fpb1Given = g.fpb2Given = true;
    g.Fbeta1Given = g.Fbeta2Given = true;
    g.fxGiven = g.fyGiven = true;

    // Method.
    g.MetodaVypoctu = 'A';
    g.ZadaniSil = kLoadsStatic;

    // Loads and lives (T1 = F1·d1/2000 with d1 = 80).
    g.SilyF = true;
    g.NKvCyklech = true;
    g.F1 = 4000;
    g.T1 = 160;
    g.Ft1 = 4000;
    g.n1 = 1000;
    g.NK1 = 6e7;
    g.NK2 = 3e7;
    g.NK1hod = 1000;
    g.NK2hod = 1000;
    g.YA1 = g.YA2 = 1;
    g.KA = 1;
    g.KAS = 2;
    g.CHSZ1 = g.CHSZ2 = 1;
    g.FtH = 4000;
    g.FtF = 4000;

    // Equivalent loads.
    g.FtFe1 = 2654.9;
    g.FtFe2 = 2730.9;
    g.FtHe1 = 2365.5;
    g.FtHe2 = 2365.5;
    g.TFe1 = g.TFe2 = g.THe1 = g.THe2 = 0;
    g.FtFe1Given = g.FtFe2Given = g.FtHe1Given = g.FtHe2Given = false;

    // Load spectrum of three steps; the unused steps are cleared.
    g.levelsForm = LevelsForm::Absolute;
    g.SpektrumNAbs = true;
    g.j = 3;
    g.Fj.fill(0);
    g.Nj.fill(0);
    g.Fj[0] = 4;
    g.Fj[1] = 2;
    g.Fj[2] = 1;
    g.Nj[0] = 60000;
    g.Nj[1] = 2e6;
    g.Nj[2] = 6e7;

    // Mandatory factors.
    g.tg1 = g.tg2 = 0;
    g.Rog1 = g.Rog2 = 0;
    g.YT1 = g.YT2 = 1;
    g.ZLZRZV = 1;
    g.ZR1 = g.ZR2 = 1;
    g.Zepsilon = 1;

    // Factors that may be entered directly: nothing is entered.
    g.KFalfa = g.KHalfa = 1;
    g.KFv = g.KHv = 1;
    g.KFbeta = 1;
    g.KFalfa1 = g.KHalfa1 = g.KFv1 = g.KHv1 = g.KFbeta1 = g.KHbeta1 = 0;
    g.YFa1 = g.YFa2 = 1;
    g.YSa1 = g.YSa2 = 1;
    g.YFS1 = g.YFS2 = 1;
    g.YN1 = g.YN2 = 1;
    g.ZN1 = g.ZN2 = 1;
    g.ZB = g.ZD = 1;
    g.SigmaFlimb1 = g.SigmaFlimb2 = 100;
    g.SigmaHlim1 = g.SigmaHlim2 = 100;
    g.Yepsilon = 0;
    g.Zbeta = 0;
    g.KFalfaGiven = g.KHalfaGiven = g.KFvGiven = g.KHvGiven = g.KFbetaGiven = false;
    g.KFalfa1Given = g.KHalfa1Given = g.KFv1Given = g.KHv1Given = false;
    g.KFbeta1Given = g.KHbeta1Given = false;
    g.YFa1Given = g.YFa2Given = g.YSa1Given = g.YSa2Given = false;
    g.YFS1Given = g.YFS2Given = false;
    g.YN1Given = g.YN2Given = g.ZN1Given = g.ZN2Given = false;
    g.ZBGiven = g.ZDGiven = false;
    g.SigmaFlimb1Given = g.SigmaFlimb2Given = false;
    g.SigmaHlim1Given = g.SigmaHlim2Given = false;
    g.YepsilonGiven = g.ZbetaGiven = false;

    // Standard.
    g.standard = Standard::CSN;
}

}  // namespace soukoli
