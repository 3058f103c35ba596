// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Data sets for the file tests: the defaults of either toothing and variants that between them
// reach every conditional record of the project file and every conditional row of the reports.
#pragma once

#include <string>
#include <vector>

#include "engine/GearPairData.h"

namespace soukoli::testing {

inline GearPairData defaultProject(Toothing toothing = Toothing::External) {
    GearPairData d;
    d.TypSoukoli = toothing;
    setDefaults(d);
    return d;
}

/// Method B from a spectrum of 20 steps, torques, lives in hours, measured deviations under
/// scheme "8" (dII and dI), relative counts and the ratio form Fj/Fmin.
inline GearPairData levelsProject() {
    GearPairData d = defaultProject(Toothing::Internal);
    d.MetodaVypoctu = 'B';
    d.ZadaniSil = kLoadsFromLevels;
    d.SilyF = false;
    d.NKvCyklech = false;
    d.levelsForm = LevelsForm::RatioFjFmin;
    d.SpektrumNAbs = false;
    d.T1 = 212.5;
    d.n1 = 1450;
    d.j = 20;
    for (std::size_t i = 0; i < kMaxLoadLevels; ++i) {
        d.Fj[i] = 1.0 + 0.125 * static_cast<double>(20 - i);
        d.Nj[i] = i % 3 == 0 ? 5.0 + static_cast<double>(i) : 1.5e5 * static_cast<double>(i + 1);
    }
    d.TFe1 = 101.25;
    d.TFe2 = 99.5;
    d.THe1 = 98.75;
    d.THe2 = 97.0;
    d.KHbetaFrom = KHbetaSource::FromScheme;
    d.Schema = "8";
    d.s1 = 25;
    d.s2 = 30;
    d.lw1 = 200;
    d.lw2 = 0;  // no bearing span: the ratio cannot be formed
    d.dsh1 = 40;
    d.dsh2 = 50;
    d.dII = 45;
    d.dI = 35;
    d.fpb1Given = false;
    d.Fbeta1Given = false;
    d.fyGiven = false;
    d.fpbr1 = 12.5;
    d.Fbetar1 = 9;
    d.fyr = 7;
    d.Fbeta2 = 11;
    d.fx = 6;
    d.KFalfa1Given = d.KHbeta1Given = true;
    d.KFalfa1 = 1.2;
    d.KHbeta1 = 1.45;
    return d;
}

/// Method B from chosen load-spectrum classes, forces, lives in cycles, KHbeta from bcal,
/// moments of inertia and mesh stiffness given, "DIN - ISO  B", every direct-entry factor given.
inline GearPairData classesProject() {
    GearPairData d = defaultProject();
    d.MetodaVypoctu = 'B';
    d.ZadaniSil = kLoadsFromClasses;
    d.CHSZ1 = 7;
    d.CHSZ2 = 17;
    d.Ft1 = 5200;
    d.NK1 = 1.25e7;
    d.NK2 = 6.25e6;
    d.FtFe1 = 3100.5;
    d.FtFe2 = 3000.25;
    d.FtHe1 = 2900.75;
    d.FtHe2 = 2800;
    d.TetaGiven = d.CgamaGiven = true;
    d.Teta1 = 1234.5;
    d.Teta2 = 56789;
    d.Cgama = 20.5;
    d.KHbetaFrom = KHbetaSource::FromBcal;
    d.bcal = 48;
    d.standard = Standard::DIN_B;
    d.awGiven = d.da1Given = true;
    d.PlnyPastorek = true;
    d.Material1 = "16 420 žíhaná";
    d.Material2 = "Ěščřžýáíé";
    d.Zpracovani1 = 0;
    d.Zpracovani2 = 8;
    d.IT1 = 2;
    d.IT2 = 12;
    for (bool GearPairData::*flag :
         {&GearPairData::KFalfaGiven, &GearPairData::KHalfaGiven, &GearPairData::KFvGiven, &GearPairData::KHvGiven,
          &GearPairData::KFbetaGiven, &GearPairData::YFa1Given, &GearPairData::YFa2Given, &GearPairData::YSa1Given,
          &GearPairData::YSa2Given, &GearPairData::YFS1Given, &GearPairData::YFS2Given, &GearPairData::YN1Given,
          &GearPairData::YN2Given, &GearPairData::ZN1Given, &GearPairData::ZN2Given, &GearPairData::ZBGiven,
          &GearPairData::ZDGiven, &GearPairData::SigmaFlimb1Given, &GearPairData::SigmaFlimb2Given,
          &GearPairData::SigmaHlim1Given, &GearPairData::SigmaHlim2Given, &GearPairData::YepsilonGiven,
          &GearPairData::ZbetaGiven, &GearPairData::KFalfa1Given, &GearPairData::KHalfa1Given,
          &GearPairData::KFv1Given, &GearPairData::KHv1Given, &GearPairData::KFbeta1Given,
          &GearPairData::KHbeta1Given})
        d.*flag = true;
    d.KFalfa = 1.1;
    d.KHalfa = 1.2;
    d.KFv = 1.05;
    d.KHv = 1.06;
    d.KFbeta = 1.3;
    d.YFa1 = 2.5;
    d.YFa2 = 2.25;
    d.YSa1 = 1.65;
    d.YSa2 = 1.75;
    d.YFS1 = 4.1;
    d.YFS2 = 4.2;
    d.YN1 = 1.01;
    d.YN2 = 1.02;
    d.ZN1 = 1.03;
    d.ZN2 = 1.04;
    d.ZB = 1.0;
    d.ZD = 0.98;
    d.SigmaFlimb1 = 480;
    d.SigmaFlimb2 = 470;
    d.SigmaHlim1 = 1500;
    d.SigmaHlim2 = 1450;
    d.Yepsilon = 0.7;
    d.Zbeta = 0.95;
    d.KFalfa1 = 1.11;
    d.KHalfa1 = 1.12;
    d.KFv1 = 1.13;
    d.KHv1 = 1.14;
    d.KFbeta1 = 1.15;
    d.KHbeta1 = 1.16;
    return d;
}

/// Method B with equivalent loads entered directly, torques, lives in hours, scheme "5" (dII
/// only), simplified calculation, negative helix and shifts.
inline GearPairData enteredProject() {
    GearPairData d = defaultProject();
    d.MetodaVypoctu = 'B';
    d.ZadaniSil = kLoadsEntered;
    d.SilyF = false;
    d.NKvCyklech = false;
    d.T1 = 95.25;
    d.NK1hod = 2500;
    d.NK2hod = 1250;
    d.TFe1 = 80;
    d.TFe2 = 81;
    d.THe1 = 82;
    d.THe2 = 83;
    d.FtFe1Given = d.FtHe2Given = true;
    d.Beta = -0.2617993877991494;
    d.x1 = -0.125;
    d.x2 = 0.3;
    d.KHbetaFrom = KHbetaSource::FromScheme;
    d.Schema = "5";
    d.s1 = 10;
    d.s2 = 12;
    d.lw1 = 100;
    d.lw2 = 120;
    d.dsh1 = 30;
    d.dsh2 = 35;
    d.dII = 42;
    d.Zjednoduseny = true;
    d.standard = Standard::DIN_C;
    return d;
}

}  // namespace soukoli::testing
