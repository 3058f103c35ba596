// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The input report: every input of the data set in readable form, the first file of a save. The
// rows of the simplified calculation leave out what only the full calculation uses.
#include <cmath>
#include <string_view>

#include "engine/Numbers.h"
#include "files/ReportTables.h"
#include "files/Reports.h"

namespace soukoli::files {

namespace {

std::string dashes(std::size_t n) { return std::string(n, '-'); }
std::string blanks(std::size_t n) { return std::string(n, ' '); }
std::string deg(double rad) { return str(rad * 180.0 / kReportPi, 6, 3); }
std::string lives(double x) { return formatFloat(kPictureLives, x); }

// A line of two optional quantities: the first part when A is given (otherwise blanks to keep
// the second part in its column), the second when B is given; written when either is.
void pairLine(std::vector<std::string>& out, bool aGiven, const std::string& aPart, std::size_t aBlanks,
              bool bGiven, const std::string& bPart) {
    if (!aGiven && !bGiven) return;
    std::string line = aGiven ? aPart : blanks(aBlanks);
    if (bGiven) line += bPart;
    out.push_back(std::move(line));
}

std::string loadTextByZadaniSil(const GearPairData& d) {
    if (d.MetodaVypoctu == 'A') return "staticky";
    switch (d.ZadaniSil) {
        case kLoadsFromLevels: return "výpočtem ekv. sil (momentů) ze spektra";
        case kLoadsFromClasses: return "výpočtem ekv. sil (momentů) z volených CHSZ";
        case kLoadsEntered: return "přímým zadáním ekv. sil (momentů)";
        default: return {};
    }
}

std::string methodText(const GearPairData& d) {
    if (d.MetodaVypoctu == 'A') return "staticky";
    const bool f = d.SilyF;
    switch (d.ZadaniSil) {
        case kLoadsFromLevels: return f ? "výpočtem ekv. sil ze spektra" : "výpočtem ekv. momentů ze spektra";
        case kLoadsFromClasses: return f ? "výpočtem ekv. sil z volených CHSZ" : "výpočtem ekv. momentů z volených CHSZ";
        case kLoadsEntered: return f ? "přímým zadáním ekv. sil" : "přímým zadáním ekv. momentů";
        default: return {};
    }
}

std::string livesLine(const GearPairData& d) {
    if (d.NKvCyklech) return " NK1= " + lives(d.NK1) + "            NK2= " + lives(d.NK2);
    return " NK1= " + str(d.NK1hod, 5, 1) + "[hod]     NK2= " + str(d.NK2hod, 5, 1) + "[hod]";
}

std::string cyclesHeading(const GearPairData& d) {
    if (d.NKvCyklech) return d.SpektrumNAbs ? "Nj" : "Nrj";
    return d.SpektrumNAbs ? "Lhj[hod]" : "Lhrj[hod]";
}

std::string loadHeading(const GearPairData& d) {
    switch (d.levelsForm) {
        case LevelsForm::Absolute: return d.SilyF ? "Ftj[N]" : "Tj[N.m]";
        case LevelsForm::RatioF1Fj: return d.SilyF ? "Ft1/Ftj" : "T1/Tj";
        case LevelsForm::RatioFjF1: return d.SilyF ? "Ftj/Ft1" : "Tj/T1";
        case LevelsForm::RatioFjFmin: return d.SilyF ? "Ftj/Ftmin" : "Tj/Tmin";
    }
    return {};
}

std::string cyclesText(double n) {
    if (n > 99999) return lives(n);
    if (n < 10) return str(n, 8, 2);
    return str(n, 5, 0);
}

void header(std::vector<std::string>& out, const GearPairData& d, const LocalTime& now, const std::string& fileName) {
    out.push_back(" Vstupní údaje pro pevnostní výpočet soukolí podle " + std::string(standardTitle(d)));
    out.push_back(dashes(68));
    out.emplace_back();
    out.emplace_back("Tento soubor je určen pro tisk ve vhodném editoru, lze ho upravovat");
    out.push_back("Čas   - " + formatTime(now));
    out.push_back("Datum - " + formatDate(now));
    out.push_back("Jméno souboru - " + fileName);
    out.emplace_back();
    out.push_back("Typ soukolí - " + std::string(toothingText(d)));
    if (d.Zjednoduseny)
        out.emplace_back("Zjednodušený výpočet");
    else
        out.push_back("Metoda výpočtu - " + std::string(1, d.MetodaVypoctu) + " (úplný výpočet podle 3.části)");
    out.push_back("Zadání sil (momentů) - " + loadTextByZadaniSil(d));
    out.emplace_back();
}

void geometry(std::vector<std::string>& out, const GearPairData& d) {
    out.emplace_back(" Geometrie");
    out.push_back(dashes(11));
    out.push_back(" z1= " + str(d.z1, 4, 1) + "             z2= " + str(d.z2, 4, 1));
    out.push_back(" x1= " + str(d.x1, 6, 4) + "           x2= " + str(d.x2, 6, 4));
    out.push_back(" da1= " + str(d.da1, 7, 3) + "[mm]     da2= " + str(d.da2, 7, 3) + "[mm]");
    out.push_back(" mn= " + str(d.mn, 5, 3) + "[mm]       aw= " + str(d.aw, 7, 3) + "[mm]");
    out.push_back(" Alfan= " + deg(d.Alfan) + "[°]     Beta= " + deg(d.Beta) + "[°]");
    out.emplace_back();
    out.emplace_back("    Parametry základního profilu");
    out.push_back(" ha1*= " + str(d.ha1_star, 6, 4) + "         ha2*= " + str(d.ha2_star, 6, 4));
    out.push_back(" ca1*= " + str(d.ca1_star, 6, 4) + "         ca2*= " + str(d.ca2_star, 6, 4));
    out.push_back(" Rof1*= " + str(d.Rof1_star, 6, 4) + "        Rof2*= " + str(d.Rof2_star, 6, 4));
    out.emplace_back();
}

void materials(std::vector<std::string>& out, const GearPairData& d) {
    out.emplace_back(" Materiály pastorku a kola");
    out.push_back(dashes(27));
    out.push_back(" Sigma0Flimb1= " + str(d.Sigma0Flimb1, 6, 1) + "[MPa]   Sigma0Flimb2= " + str(d.Sigma0Flimb2, 6, 1) + "[MPa]");
    out.push_back(" Sigma0Hlim1 = " + str(d.Sigma0Hlim1, 6, 1) + "[MPa]   Sigma0Hlim2 = " + str(d.Sigma0Hlim2, 6, 1) + "[MPa]");
    out.push_back(" VHV1= " + str(d.VHV1, 3, 0) + "                   VHV2= " + str(d.VHV2, 3, 0));
    out.push_back(" JHV1= " + str(d.JHV1, 3, 0) + "                   JHV2= " + str(d.JHV2, 3, 0));
    out.push_back(" Rm1= " + str(d.Rm1, 6, 1) + "[MPa]            Rm2= " + str(d.Rm2, 6, 1) + "[MPa]");
    out.push_back(" Re1= " + str(d.Re1, 6, 1) + "[MPa]            Re2= " + str(d.Re2, 6, 1) + "[MPa]");
    if (!d.Zjednoduseny) {
        out.push_back(" qF1= " + str(d.qF1, 4, 1) + "                   qF2= " + str(d.qF2, 4, 1));
        out.push_back(" qH1= " + str(d.qH1, 4, 1) + "                   qH2= " + str(d.qH2, 4, 1));
        out.push_back(" NFlim1= " + formatFloat(kPictureShort, d.NFlim1) + "                NFlim2= " + formatFloat(kPictureShort, d.NFlim2));
        out.push_back(" NHlim1= " + formatFloat(kPictureTwoDigits, d.NHlim1) + "               NHlim2= " + formatFloat(kPictureTwoDigits, d.NHlim2));
    }
    out.push_back(" E1= " + formatFloat(kPictureShort, d.E1) + "[MPa]             E2= " + formatFloat(kPictureShort, d.E2) + "[MPa]");
    out.push_back(" Ny1= " + str(d.Ny1, 5, 3) + "                  Ny2= " + str(d.Ny2, 5, 3));
    out.push_back(" " + d.Material1 + blanks(22) + d.Material2);
    out.push_back(" " + std::string(heatTreatmentText(d.Zpracovani1)) + blanks(10) + std::string(heatTreatmentText(d.Zpracovani2)));
    out.emplace_back();
}

void loading(std::vector<std::string>& out, const GearPairData& d) {
    out.emplace_back(" Údaje o zatížení soukolí");
    out.push_back(dashes(26));
    if (d.Zjednoduseny)
        out.emplace_back("   Metoda výpočtu - zjednodušený výpočet");
    else
        out.push_back("   Metoda výpočtu - " + std::string(1, d.MetodaVypoctu) + ", " + methodText(d));
    const std::string speed = str(d.n1, 4, 0) + "[ot/min]";
    const std::string ya = " YA1= " + str(d.YA1, 5, 3) + "           YA2= " + str(d.YA2, 5, 3);

    if (d.MetodaVypoctu == 'A') {
        std::string first = d.SilyF ? " F1= " + str(d.F1, 6, 1) + "[N]" : " T1= " + str(d.T1, 6, 1) + "[N.m]";
        if (!d.Zjednoduseny) first += "        n1= " + speed;
        out.push_back(first);
        if (!d.Zjednoduseny) out.push_back(livesLine(d));
        out.push_back(ya);
        out.push_back(" KA= " + str(d.KA, 5, 3) + "            KAS= " + str(d.KAS, 5, 3));
        return;
    }

    if (d.ZadaniSil == kLoadsFromLevels) {
        out.push_back(d.SilyF ? " Ft1= " + str(d.Ft1, 6, 1) + "[N]       n1= " + speed
                              : " T1= " + str(d.T1, 6, 1) + "[N.m]      n1= " + speed);
        out.push_back(ya);
        out.push_back(" KA= " + str(d.KA, 5, 3));
        out.emplace_back();
        out.push_back("    Popis spektra (j=" + std::to_string(d.j) + ")");
        out.push_back("Stupeň      " + cyclesHeading(d) + blanks(8) + loadHeading(d));
        const std::size_t steps = std::min<std::size_t>(d.j, kMaxLoadLevels);
        for (std::size_t i = 0; i < steps; ++i)
            out.push_back(" " + str(static_cast<double>(i + 1), 2, 0) + blanks(6) + cyclesText(d.Nj[i]) + blanks(6) +
                          (levelsAreRatios(d.levelsForm) ? str(d.Fj[i], 6, 3) : str(d.Fj[i], 7, 1)));
    } else {
        out.push_back(d.SilyF ? " Ft1= " + str(d.Ft1, 6, 1) + "[N]      n1= " + speed
                              : " T1= " + str(d.T1, 6, 1) + "[N.m]     n1= " + speed);
        out.push_back(livesLine(d));
        out.push_back(ya);
        out.push_back(" KA= " + str(d.KA, 5, 3));
        if (d.ZadaniSil == kLoadsFromClasses)
            out.push_back(" CHSZ1=" + str(d.CHSZ1, 2, 0) + "             CHSZ2=" + str(d.CHSZ2, 2, 0));
    }
    out.emplace_back();
    if (d.SilyF) {
        out.push_back(" FtFe1= " + str(d.FtFe1, 6, 1) + "[N]     FtFe2= " + str(d.FtFe2, 6, 1) + "[N]");
        out.push_back(" FtHe1= " + str(d.FtHe1, 6, 1) + "[N]     FtHe2= " + str(d.FtHe2, 6, 1) + "[N]");
    } else {
        out.push_back(" TFe1= " + str(d.TFe1, 6, 1) + "[N.m]    TFe2= " + str(d.TFe2, 6, 1) + "[N.m]");
        out.push_back(" THe1= " + str(d.THe1, 6, 1) + "[N.m]    THe2= " + str(d.THe2, 6, 1) + "[N.m]");
    }
}

void bodies(std::vector<std::string>& out, const GearPairData& d) {
    const auto v = [](double x) { return str(x, 4, 1); };
    const bool internal = d.isInternal();
    out.emplace_back();
    out.emplace_back(" Rozměry pastorku a kola -[mm]");
    out.push_back(dashes(31));
    out.push_back(" b1= " + v(d.b1) + "              b2= " + v(d.b2));
    if (d.Zjednoduseny) {
        out.push_back(" db= " + v(d.db));
        return;
    }
    out.push_back(internal ? " bs1= " + v(d.bs1) : " bs1= " + v(d.bs1) + "             bs2= " + v(d.bs2));
    out.push_back(" sr1= " + v(d.sr1) + "             sr2= " + v(d.sr2));
    out.push_back(internal ? " sd1= " + v(d.sd1) : " sd1= " + v(d.sd1) + "             sd2= " + v(d.sd2));
    out.push_back(internal ? " dh1= " + v(d.dh1) : " dh1= " + v(d.dh1) + "             dh2= " + v(d.dh2));
    out.push_back(" db= " + v(d.db));
    out.push_back(std::string(" Přímé zadání Teta1,2 - ") + (d.TetaGiven ? "Ano" : "Ne"));
    if (d.TetaGiven)
        out.push_back(" Teta1= " + lives(d.Teta1) + "[kg.mm2]     Teta2= " + lives(d.Teta2) + "[kg.mm2]");
    out.push_back(std::string(" Přímé zadání Cgama   - ") + (d.CgamaGiven ? "Ano" : "Ne"));
    if (d.CgamaGiven) out.push_back(" Cgama= " + str(d.Cgama, 5, 2) + "[N/mm.um]");
    out.emplace_back();
}

void accuracy(std::vector<std::string>& out, const GearPairData& d) {
    const auto v = [](double x) { return str(x, 4, 1); };
    bool scheme = false;  // the misalignment deviations belong to a layout scheme
    switch (d.KHbetaFrom) {
        case KHbetaSource::FromScheme: scheme = true; break;
        case KHbetaSource::Entered:
        case KHbetaSource::FromBcal:
        case KHbetaSource::None: break;
    }
    out.emplace_back(" Přesnost kol - ČSN 01 4682");
    out.push_back(dashes(28));
    out.push_back(" IT1=" + str(d.IT1, 2, 0) + "                IT2=" + str(d.IT2, 2, 0));
    const bool anyLimit = d.fpb1Given || d.fpb2Given || d.Fbeta1Given || d.Fbeta2Given || d.fxGiven || d.fyGiven;
    const bool anyMeasured = !(d.fpb1Given && d.fpb2Given && d.Fbeta1Given && d.Fbeta2Given && d.fxGiven && d.fyGiven);
    if (anyLimit) {
        out.emplace_back("    Zadané mezní úchylky -[mikrometr]");
        pairLine(out, d.fpb1Given, " fpb1= " + v(d.fpb1), 11, d.fpb2Given, "            fpb2= " + v(d.fpb2));
        if (scheme) {
            pairLine(out, d.Fbeta1Given, " Fbeta1= " + v(d.Fbeta1), 13, d.Fbeta2Given, "          Fbeta2= " + v(d.Fbeta2));
            pairLine(out, d.fxGiven, " fx= " + v(d.fx), 9, d.fyGiven, "              fy= " + v(d.fy));
        }
    }
    if (anyMeasured) {
        out.emplace_back("    Zadané změřené úchylky -[mikrometr]");
        pairLine(out, !d.fpb1Given, " fpbr1= " + v(d.fpbr1), 12, !d.fpb2Given, "           fpbr2= " + v(d.fpbr2));
        if (scheme) {
            pairLine(out, !d.Fbeta1Given, " Fbetar1= " + v(d.Fbetar1), 15, !d.Fbeta2Given, "        Fbetar2= " + v(d.Fbetar2));
            pairLine(out, !d.fxGiven, " fxr= " + v(d.fxr), 10, !d.fyGiven, "             fyr= " + v(d.fyr));
        }
    }
}

void faceLoad(std::vector<std::string>& out, const GearPairData& d) {
    const auto v = [](double x) { return str(x, 5, 1); };
    out.emplace_back();
    out.emplace_back(" Součinitel KHbeta");
    out.push_back(dashes(19));
    switch (d.KHbetaFrom) {
        case KHbetaSource::Entered: out.push_back(" Přímým zadáním KHbeta= " + str(d.KHbeta, 5, 3)); break;
        case KHbetaSource::FromBcal:
            out.push_back(" Výpočtem z výpočtové šířky bcal= " + str(d.bcal, 4, 1) + "[mm]");
            break;
        case KHbetaSource::FromScheme:
            out.push_back(" Výpočtem z půdorysného schématu převodu č." + d.Schema + " -rozměry v [mm]");
            out.push_back(" s1= " + v(d.s1) + "              s2= " + v(d.s2));
            out.push_back(" lw1= " + v(d.lw1) + "             lw2= " + v(d.lw2));
            out.push_back(" dsh1= " + v(d.dsh1) + "            dsh2= " + v(d.dsh2));
            if (d.Schema == "8")
                out.push_back(" dII= " + v(d.dII) + "             dI= " + v(d.dI));
            else if (d.Schema == "3" || d.Schema == "4" || d.Schema == "5" || d.Schema == "6" || d.Schema == "7")
                out.push_back(" dII= " + v(d.dII));
            break;
        case KHbetaSource::None: break;
    }
    out.emplace_back();
}

void factors(std::vector<std::string>& out, const GearPairData& d) {
    const auto f = [](double x) { return str(x, 5, 3); };
    const bool full = !d.Zjednoduseny;
    if (full) {
        out.emplace_back(" Rozměry patních vrubů [mm]");
        out.push_back(dashes(28));
        out.push_back(" tg1= " + str(d.tg1, 6, 3) + "           tg2= " + str(d.tg2, 6, 3));
        out.push_back(" Rog1= " + str(d.Rog1, 6, 3) + "          Rog2= " + str(d.Rog2, 6, 3));
        out.emplace_back();
    }
    out.emplace_back(" Ostatní povinné vstupní součinitele");
    out.push_back(dashes(37));
    if (full) {
        out.push_back(" YT1= " + f(d.YT1) + "            YT2= " + f(d.YT2));
        out.push_back(" ZLZRZV= " + f(d.ZLZRZV));
    } else {
        out.push_back(" ZR1= " + f(d.ZR1) + "            ZR2= " + f(d.ZR2));
    }
    out.emplace_back();
    out.emplace_back(" Vstupní data a součinitele nepovinné");
    out.push_back(dashes(38));
    pairLine(out, d.KFalfaGiven, " KFalfa= " + f(d.KFalfa), 14, d.KHalfaGiven, "         KHalfa= " + f(d.KHalfa));
    pairLine(out, d.KFvGiven, " KFv= " + f(d.KFv), 11, d.KHvGiven, "            KHv= " + f(d.KHv));
    if (d.KFbetaGiven) out.push_back(" KFbeta= " + f(d.KFbeta));
    const std::string s = loadsAtSinglePairPoint(d.standard) ? "e" : "a";
    pairLine(out, d.YFa1Given, " YF" + s + "1= " + f(d.YFa1), 12, d.YFa2Given, "           YF" + s + "2= " + f(d.YFa2));
    pairLine(out, d.YSa1Given, " YS" + s + "1= " + f(d.YSa1), 12, d.YSa2Given, "           YS" + s + "2= " + f(d.YSa2));
    pairLine(out, d.YFS1Given, " YFS1= " + f(d.YFS1), 12, d.YFS2Given, "           YFS2= " + f(d.YFS2));
    pairLine(out, d.YepsilonGiven, " Yepsilon= " + f(d.Yepsilon), 2, d.ZbetaGiven, "           Zbeta= " + f(d.Zbeta));
    if (full) {
        pairLine(out, d.YN1Given, " YN1= " + f(d.YN1), 11, d.YN2Given, "            YN2= " + f(d.YN2));
        pairLine(out, d.ZN1Given, " ZN1= " + f(d.ZN1), 11, d.ZN2Given, "            ZN2= " + f(d.ZN2));
        pairLine(out, d.ZBGiven, " ZB= " + f(d.ZB), 10, d.ZDGiven, "             ZD= " + f(d.ZD));
        pairLine(out, d.SigmaFlimb1Given, " SigmaFlimb1= " + str(d.SigmaFlimb1, 6, 1) + "[MPa]", 11, d.SigmaFlimb2Given,
                 "   SigmaFlimb2= " + str(d.SigmaFlimb2, 6, 1) + "[MPa]");
        pairLine(out, d.SigmaHlim1Given, " SigmaHlim1 = " + str(d.SigmaHlim1, 6, 1) + "[MPa]", 11, d.SigmaHlim2Given,
                 "   SigmaHlim2 = " + str(d.SigmaHlim2, 6, 1) + "[MPa]");
    }
    if (d.MetodaVypoctu == 'B') {
        pairLine(out, d.KFalfa1Given, " KFalfa1= " + f(d.KFalfa1), 15, d.KHalfa1Given, "        KHalfa1= " + f(d.KHalfa1));
        pairLine(out, d.KFv1Given, " KFv1= " + f(d.KFv1), 12, d.KHv1Given, "           KHv1= " + f(d.KHv1));
        pairLine(out, d.KFbeta1Given, " KFbeta1= " + f(d.KFbeta1), 15, d.KHbeta1Given, "        KHbeta1= " + f(d.KHbeta1));
    }
}

}  // namespace

std::vector<std::string> inputReportLines(const GearPairData& d, const LocalTime& now, const std::string& fileName) {
    std::vector<std::string> out;
    out.reserve(140);
    header(out, d, now, fileName);
    geometry(out, d);
    materials(out, d);
    loading(out, d);
    bodies(out, d);
    if (!d.Zjednoduseny) accuracy(out, d);
    faceLoad(out, d);
    factors(out, d);
    return out;
}

}  // namespace soukoli::files
