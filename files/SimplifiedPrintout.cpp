// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The lines of the simplified-calculation printout: the inputs the simplified calculation uses
// and its results. A line that carries text opens with two TABs, and a second text sharing the
// line brings its own two TABs; empty lines stay empty.
#include "engine/Numbers.h"
#include "files/ReportTables.h"
#include "files/Reports.h"

namespace soukoli::files {

namespace {

constexpr std::string_view kTabs = "\t\t";

std::string f53(double x) { return reportedResult(x, 5, 3); }
std::string f61(double x) { return reportedResult(x, 6, 1); }
std::string deg(double rad) { return str(rad * 180.0 / kReportPi, 6, 3); }

class Printout {
public:
    std::vector<std::string> lines;

    void text(const std::string& s) { lines.push_back(std::string(kTabs) + s); }
    void two(const std::string& a, const std::string& b) {
        lines.push_back(std::string(kTabs) + a + std::string(kTabs) + b);
    }
    void blank(int times = 1) {
        for (int i = 0; i < times; ++i) lines.emplace_back();
    }
};

void inputs(Printout& p, const GearPairData& d, const LocalTime& now) {
    p.blank(3);
    p.text(" Vstupní údaje pro zjednodušený pevnostní výpočet soukolí");
    p.text(std::string(73, '-'));
    p.two(" Čas   - " + formatTime(now), "      Datum - " + formatDate(now));
    p.two(" Typ soukolí - " + std::string(toothingText(d)), "      Zadání sil (momentů) - staticky");
    p.blank();
    p.text(" Geometrie");
    p.text(std::string(16, '-'));
    p.text(" z1= " + str(d.z1, 4, 1) + "                   z2= " + str(d.z2, 4, 1));
    p.text(" x1= " + str(d.x1, 6, 4) + "               x2= " + str(d.x2, 6, 4));
    p.text(" da1= " + str(d.da1, 7, 3) + "[mm]     da2= " + str(d.da2, 7, 3) + "[mm]");
    p.text(" mn= " + formatFileReal(d.mn) + "[mm]        aw= " + str(d.aw, 7, 3) + "[mm]");
    p.text(" Alfan= " + deg(d.Alfan) + "[°]        Beta= " + deg(d.Beta) + "[°]");
    p.text(" Epsalfa= " + str(d.Epsalfa, 6, 3) + "          Epsbeta= " + str(d.Epsbeta, 6, 3));
    p.blank();
    p.text("    Parametry základního profilu");
    p.text(" ha1*= " + str(d.ha1_star, 6, 4) + "          ha2*= " + str(d.ha2_star, 6, 4));
    p.text(" ca1*= " + str(d.ca1_star, 6, 4) + "          ca2*= " + str(d.ca2_star, 6, 4));
    p.text(" Rof1*= " + str(d.Rof1_star, 6, 4) + "        Rof2*= " + str(d.Rof2_star, 6, 4));
    p.blank();
    p.text(" Materiály pastorku a kola");
    p.text(std::string(35, '-'));
    p.text(" Sigma0Flimb1= " + f61(d.Sigma0Flimb1) + "[MPa]   Sigma0Flimb2= " + f61(d.Sigma0Flimb2) + "[MPa]");
    p.text(" Sigma0Hlim1 = " + f61(d.Sigma0Hlim1) + "[MPa]   Sigma0Hlim2 = " + f61(d.Sigma0Hlim2) + "[MPa]");
    p.text(" " + d.Material1 + std::string(36, ' ') + d.Material2);
    p.text(" " + std::string(heatTreatmentText(d.Zpracovani1)) + std::string(15, ' ') +
           std::string(heatTreatmentText(d.Zpracovani2)));
    p.blank();
    p.text(" Údaje o zatížení soukolí");
    p.text(std::string(34, '-'));
    p.text("   Metoda výpočtu - zjednodušený výpočet");
    p.text(d.SilyF ? " F1= " + f61(d.F1) + "[N]" : " T1= " + f61(d.T1) + "[N.m]");
    p.text(" YA1= " + f53(d.YA1) + "           YA2= " + f53(d.YA2));
    p.text(" KA= " + f53(d.KA) + "             KAS= " + f53(d.KAS));
    p.blank();
    p.text(" Rozměry pastorku a kola [mm]");
    p.text(std::string(42, '-'));
    p.two(" b1= " + str(d.b1, 4, 1) + "               b2= " + str(d.b2, 4, 1), "    db= " + str(d.db, 4, 1));
    p.blank();
    p.text(" Ostatní povinné vstupní součinitele");
    p.text(std::string(48, '-'));
    p.text(" ZLZRZv1= " + f53(d.ZR1) + "         ZLZRZv2= " + f53(d.ZR2));
    p.blank(2);
}

void results(Printout& p, const GearPairData& d) {
    const bool dinB = loadsAtSinglePairPoint(d.standard);
    p.text(" Výsledky zjednodušeného pevnostního výpočtu soukolí  " + std::string(standardTitle(d)));
    p.text(std::string(99, '-'));
    for (const std::string& line : stopLines(d)) p.text(line);
    p.blank();
    const ReportedChecks reported = reportedChecks(d);
    const auto bending53 = [&](double x) { return checkValue(reported.bending, x, 5, 3); };
    const auto bending61 = [&](double x) { return checkValue(reported.bending, x, 6, 1); };
    const auto contact53 = [&](double x) { return checkValue(reported.contact, x, 5, 3); };
    const auto contact61 = [&](double x) { return checkValue(reported.contact, x, 6, 1); };
    const auto contact73 = [&](double x) {
        // The printout writes ZE and Zbeta as they stand, 7.3.
        return reported.contact ? str(x, 7, 3) : checkValue(false, x, 7, 3);
    };
    p.text("                KONTROLA NA OHYB");
    p.text("   " + std::string(50, '-'));
    p.text("          Napětí v MPa a bezpečnosti");
    p.text(" SigmaF1 = " + bending61(d.SigmaF1) + "              SigmaF2 = " + bending61(d.SigmaF2));
    p.text(" SigmaFP1= " + bending61(d.SigmaFP1) + "             SigmaFP2= " + bending61(d.SigmaFP2));
    p.text(" SF1= " + bending53(d.SF1) + "                       SF2= " + bending53(d.SF2));
    p.blank();
    p.text(" SigmaFmax1 = " + bending61(d.SigmaFmax1) + "            SigmaFmax2 = " + bending61(d.SigmaFmax2));
    p.text(" SigmaFPmax1= " + bending61(d.SigmaFPmax1) + "          SigmaFPmax2= " + bending61(d.SigmaFPmax2));
    p.blank();
    p.text("             Ostatní součinitele");
    p.text(" KF= " + bending53(d.KF) + "                      KFv= " + bending53(d.KFv));
    p.text(" KFalfa= " + bending53(d.KFalfa) + "                 KFbeta= " + bending53(d.KFbeta));
    p.text(" Yepsilon= " + (dinB ? std::string("------") : bending53(d.Yepsilon)) + "              Ybeta= " + bending53(d.Ybeta));
    p.text(" YFS1= " + bending53(d.YFS1) + "                  YFS2= " + bending53(d.YFS2));
    if (dinB) {
        p.text(" YF1= " + bending53(d.YFe1) + "                    YF2= " + bending53(d.YFe2));
        p.text(" YS1= " + bending53(d.YSe1) + "                    YS2= " + bending53(d.YSe2));
    } else {
        p.text(" YFa1= " + bending53(d.YFa1) + "                  YFa2= " + bending53(d.YFa2));
        p.text(" YSa1= " + bending53(d.YSa1) + "                  YSa2= " + bending53(d.YSa2));
    }
    p.blank();
    p.text("                KONTROLA NA DOTYK");
    p.text("   " + std::string(50, '-'));
    p.text("          Napětí v MPa a bezpečnosti");
    p.text(" SigmaH1 = " + contact61(d.SigmaH1) + "              SigmaH2 = " + contact61(d.SigmaH2));
    p.text(" SigmaHP1= " + contact61(d.SigmaHP1) + "             SigmaHP2= " + contact61(d.SigmaHP2));
    p.text(" SH1= " + contact53(d.SH1) + "                        SH2= " + contact53(d.SH2));
    p.blank();
    p.text(" SigmaHmax1 = " + contact61(d.SigmaHmax1) + "           SigmaHmax2 = " + contact61(d.SigmaHmax2));
    p.text(" SigmaHPmax1= " + contact61(d.SigmaHPmax1) + "          SigmaHPmax2= " + contact61(d.SigmaHPmax2));
    p.blank();
    p.text("             Ostatní součinitele");
    p.text(" KH= " + contact53(d.KH) + "                     KHv= " + contact53(d.KHv));
    p.text(" KHalfa= " + contact53(d.KHalfa) + "                KHbeta= " + contact53(d.KHbeta));
    if (d.MetodaVypoctu == 'A')
        p.text(" KA= " + contact53(d.KA) + "                      KAS= " + contact53(d.KAS));
    else
        p.text(" KA= " + contact53(d.KA));
    p.text(" Zepsilon= " + contact53(d.Zepsilon) + "              ZH= " + contact53(d.ZH));
    p.text(" ZE= " + contact73(d.ZE) + "                    Zbeta= " + contact73(d.Zbeta));
}

}  // namespace

std::vector<std::string> simplifiedPrintoutLines(const GearPairData& d, const LocalTime& now) {
    Printout p;
    p.lines.reserve(90);
    inputs(p, d, now);
    results(p, d);
    return p.lines;
}

}  // namespace soukoli::files
