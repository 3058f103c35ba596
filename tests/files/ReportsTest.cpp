// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The input report, the results report and the simplified printout: the rows of the defaults,
// every conditional row named in their edge cases, pair lines, pictures and widths.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "files/Reports.h"
#include "files/TextFile.h"
#include "tests/files/Projects.h"

namespace soukoli::files {
namespace {

using testing::defaultProject;
using testing::levelsProject;
using Lines = std::vector<std::string>;

constexpr LocalTime kNoon{2026, 12, 8, 9, 5, 7};

bool has(const Lines& lines, const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); }

bool hasPrefix(const Lines& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
}

Lines after(const Lines& lines, const std::string& heading, std::size_t count) {
    const auto it = std::find(lines.begin(), lines.end(), heading);
    if (it == lines.end()) return {};
    return Lines(it + 1, it + 1 + static_cast<std::ptrdiff_t>(std::min<std::size_t>(count, static_cast<std::size_t>(lines.end() - it - 1))));
}

TEST(InputReport, DefaultsPrintTheirHeaderLoadingAndAccuracySections) {
    const auto r = inputReportLines(defaultProject(), kNoon, "/tmp/projekt");
    ASSERT_GE(r.size(), 9u);
    EXPECT_EQ(r[0], " Vstupní údaje pro pevnostní výpočet soukolí podle ČSN 01 4686");
    EXPECT_EQ(r[1], std::string(68, '-'));
    EXPECT_EQ(r[4], "Čas   - 9:05:07");
    EXPECT_EQ(r[5], "Datum - 8.12.2026");
    EXPECT_EQ(r[6], "Jméno souboru - /tmp/projekt");
    EXPECT_EQ(r[8], "Typ soukolí - Vnější");
    EXPECT_EQ(r[9], "Metoda výpočtu - A (úplný výpočet podle 3.části)");
    EXPECT_EQ(r[10], "Zadání sil (momentů) - staticky");

    EXPECT_TRUE(has(r, " z1= 20.0             z2= 40.0"));
    EXPECT_TRUE(has(r, " mn= 4.000[mm]       aw= 120.000[mm]"));
    EXPECT_TRUE(has(r, " Alfan= 20.000[°]     Beta=  0.000[°]"));
    EXPECT_TRUE(has(r, " NFlim1= 3E+6                NFlim2= 3E+6"));
    EXPECT_TRUE(has(r, " NHlim1= 10E+7               NHlim2= 10E+7"));
    EXPECT_TRUE(has(r, " E1= 2.1E+5[MPa]             E2= 2.1E+5[MPa]"));
    EXPECT_TRUE(has(r, " 14 220                      14 220"));
    EXPECT_TRUE(has(r, " cementovaná kalená          cementovaná kalená"));

    EXPECT_EQ(after(r, " Údaje o zatížení soukolí", 6),
              (Lines{std::string(26, '-'), "   Metoda výpočtu - A, staticky", " F1= 4000.0[N]        n1= 1000[ot/min]",
                     " NK1= 6E+7            NK2= 3E+7", " YA1= 1.000           YA2= 1.000",
                     " KA= 1.000            KAS= 2.000"}));
    EXPECT_EQ(after(r, " Přesnost kol - ČSN 01 4682", 5),
              (Lines{std::string(28, '-'), " IT1= 8                IT2= 8", "    Zadané mezní úchylky -[mikrometr]",
                     " fpb1=  0.0            fpb2=  0.0", ""}));
    EXPECT_FALSE(hasPrefix(r, "    Zadané změřené"));
    EXPECT_TRUE(has(r, " Přímým zadáním KHbeta= 1.300"));
    EXPECT_EQ(r[r.size() - 2], " Vstupní data a součinitele nepovinné");
    EXPECT_EQ(r.back(), std::string(38, '-'));
}

TEST(InputReport, InternalToothingPrintsOnlyThePinionBody) {
    const auto r = inputReportLines(defaultProject(Toothing::Internal), kNoon, "x");
    EXPECT_TRUE(has(r, "Typ soukolí - Vnitřní"));
    EXPECT_TRUE(has(r, " bs1= 60.0"));
    EXPECT_TRUE(has(r, " sr1= 20.0             sr2= 55.0"));
    EXPECT_TRUE(has(r, " sd1=  0.0"));
    EXPECT_TRUE(has(r, " dh1= 30.0"));
    EXPECT_TRUE(has(r, " da1=  88.000[mm]     da2= -232.000[mm]"));
}

TEST(InputReport, PairLinesKeepTheirColumnsOrEndEarly) {
    auto d = defaultProject();
    d.KHbetaFrom = KHbetaSource::FromScheme;
    d.Schema = "8";
    d.Fbeta1Given = false;
    d.Fbeta1 = 3;
    d.Fbetar1 = 8.5;
    d.Fbeta2 = 12;
    d.SigmaFlimb1Given = true;
    d.SigmaFlimb1 = 450;
    d.YepsilonGiven = false;
    d.ZbetaGiven = true;
    d.Zbeta = 0.9;
    d.dII = 40;
    d.dI = 30;
    const auto r = inputReportLines(d, kNoon, "x");
    EXPECT_EQ(after(r, "    Zadané mezní úchylky -[mikrometr]", 3),
              (Lines{" fpb1=  0.0            fpb2=  0.0", std::string(13, ' ') + "          Fbeta2= 12.0",
                     " fx=  0.0              fy=  0.0"}));
    EXPECT_EQ(after(r, "    Zadané změřené úchylky -[mikrometr]", 2), (Lines{" Fbetar1=  8.5", ""}));
    EXPECT_TRUE(has(r, " Výpočtem z půdorysného schématu převodu č.8 -rozměry v [mm]"));
    EXPECT_TRUE(has(r, " dII=  40.0             dI=  30.0"));
    EXPECT_TRUE(has(r, " SigmaFlimb1=  450.0[MPa]"));
    EXPECT_TRUE(has(r, "  " "           Zbeta= 0.900"));

    d.Schema = "3";
    EXPECT_TRUE(has(inputReportLines(d, kNoon, "x"), " dII=  40.0"));
    d.Schema = "2a";
    EXPECT_FALSE(hasPrefix(inputReportLines(d, kNoon, "x"), " dII="));
}

TEST(InputReport, LevelsTableAndMethodTexts) {
    auto d = levelsProject();
    d.NKvCyklech = true;
    d.SpektrumNAbs = true;
    d.Nj[0] = 5;
    d.Nj[1] = 60000;
    d.Nj[2] = 2e6;
    d.Nj[3] = 99999;
    d.Fj[0] = 1.5;
    const auto r = inputReportLines(d, kNoon, "x");
    EXPECT_TRUE(has(r, "Zadání sil (momentů) - výpočtem ekv. sil (momentů) ze spektra"));
    EXPECT_TRUE(has(r, "   Metoda výpočtu - B, výpočtem ekv. momentů ze spektra"));
    EXPECT_TRUE(has(r, " T1=  212.5[N.m]      n1= 1450[ot/min]"));
    EXPECT_TRUE(has(r, " KA= 1.000"));
    EXPECT_EQ(after(r, "    Popis spektra (j=20)", 5),
              (Lines{"Stupeň      Nj        Tj/Tmin", "  1          5.00       1.500", "  2      60000       3.375",
                     "  3      2E+6       3.250", "  4      99999       3.125"}));
    EXPECT_TRUE(has(r, " TFe1=  101.3[N.m]    TFe2=   99.5[N.m]"));  // 101.25 is a tie: away from zero
}

TEST(InputReport, SimplifiedCalculationLeavesOutTheFullCalculationRows) {
    auto d = defaultProject();
    d.Zjednoduseny = true;
    d.SilyF = false;
    const auto r = inputReportLines(d, kNoon, "x");
    EXPECT_TRUE(has(r, "Zjednodušený výpočet"));
    EXPECT_TRUE(has(r, "   Metoda výpočtu - zjednodušený výpočet"));
    EXPECT_TRUE(has(r, " T1=  160.0[N.m]"));
    EXPECT_TRUE(has(r, " db=  0.0"));
    EXPECT_TRUE(has(r, " ZR1= 1.000            ZR2= 1.000"));
    for (const char* absent : {" qF1=", " NK1=", " bs1=", " Přesnost kol", " Rozměry patních", " YT1=", " ZLZRZV="})
        EXPECT_FALSE(hasPrefix(r, absent)) << absent;
}

GearPairData withResults() {
    auto d = defaultProject();
    d.SigmaF1 = 12345.67;
    d.SigmaF2 = 250.04;
    d.SF1 = 1.5;
    d.SF2 = 2.25;
    d.Yepsilon = 0.75;
    d.YFe1 = 2.1;
    d.YFa1 = 2.9;
    d.ZE = 189.812;
    d.Zbeta = 0.987;
    d.KHbeta = 1.3;
    return d;
}

TEST(ResultsReport, HeaderStressesAndTheCsnCondition) {
    auto d = withResults();
    d.Epsalfa = 2;
    const auto r = resultsReportLines(d, kNoon, "/data/a.VYS");
    EXPECT_EQ(r[0], " Výsledky pevnostního výpočtu soukolí podle ČSN 01 4686");
    EXPECT_EQ(r[1], std::string(59, '-'));
    EXPECT_EQ(r[6], "Jméno souboru - /data/a.VYS");
    EXPECT_EQ(r[8], "Metoda výpočtu - A (úplný pevnostní výpočet)");
    EXPECT_EQ(r[10], " VÝPOČET JE POUZE INFORMATIVNÍ Z NÁSLEDUJÍCÍCH DŮVODŮ");
    EXPECT_EQ(r[11], " Součinitel trvání záběru Epsilonalfa >2 (2.000)");
    EXPECT_EQ(r[12], "");
    EXPECT_EQ(r[13], "              KONTROLA NA OHYB  ");
    EXPECT_EQ(r[16], " SigmaF1 = 12345.7             SigmaF2 =  250.0");
    EXPECT_EQ(r[18], " SF1= 1.500                   SF2= 2.250");
    EXPECT_TRUE(has(r, " Yepsilon= 0.750              Ybeta= 0.000"));
    EXPECT_TRUE(has(r, " YFa1= 2.900                  YFa2= 1.000"));
    EXPECT_TRUE(has(r, " ZE= 189.812                  Zbeta= 0.987"));
    EXPECT_TRUE(has(r, " KA= 1.000                    KAS= 2.000"));
    EXPECT_TRUE(has(r, " ZB= 1.000                    ZD= 1.000"));
    EXPECT_FALSE(hasPrefix(r, " KF1="));
    EXPECT_EQ(r.back(), " ZE= 189.812                  Zbeta= 0.987");

    d.Epsalfa = 1.9999;
    EXPECT_FALSE(hasPrefix(resultsReportLines(d, kNoon, "x"), " VÝPOČET JE POUZE"));
}

TEST(ResultsReport, DinBPrintsOuterPointFactorsAndNoYepsilon) {
    auto d = withResults();
    d.standard = Standard::DIN_B;
    d.Epsalfa = 2.5;
    d.MetodaVypoctu = 'B';
    d.ZadaniSil = kLoadsEntered;
    const auto r = resultsReportLines(d, kNoon, "x");
    EXPECT_EQ(r[0], " Výsledky pevnostního výpočtu soukolí podle DIN 3990 met.B");
    EXPECT_EQ(r[8], "Metoda výpočtu - B (úplný pevnostní výpočet)");
    EXPECT_EQ(r[9], "");
    EXPECT_EQ(r[10], "");  // no informative rows outside ČSN 01 4686
    EXPECT_TRUE(has(r, " Yepsilon= -----              Ybeta= 0.000"));
    EXPECT_TRUE(has(r, " YFe1= 2.100                   YFe2= 0.000"));
    EXPECT_TRUE(hasPrefix(r, " YSe1= "));
    EXPECT_FALSE(hasPrefix(r, " YFa1="));
    EXPECT_TRUE(has(r, " KA= 1.000"));
    EXPECT_TRUE(has(r, " KF1= 0.000                   KFv1= 0.000"));
    EXPECT_EQ(r.back(), " KHalfa1= 0.000               KHbeta1= 0.000");
    d.standard = Standard::DIN_C;
    EXPECT_EQ(resultsReportLines(d, kNoon, "x")[0], " Výsledky pevnostního výpočtu soukolí podle DIN 3990 met.C");
}

TEST(ResultsReport, SimplifiedCalculationAndThinRims) {
    auto d = withResults();
    d.Zjednoduseny = true;
    d.TenkyVenec2 = true;
    const auto r = resultsReportLines(d, kNoon, "x");
    EXPECT_EQ(r[8], "Zjednodušený výpočet");
    EXPECT_EQ(r[10], " VÝPOČET JE POUZE INFORMATIVNÍ Z NÁSLEDUJÍCÍCH DŮVODŮ");
    EXPECT_EQ(r[11], " Malá tloušťka věnce kola - sr2<3.5·mn");
    for (const char* absent : {" YSarel1=", " YN1=", " YX1=", " Ydelta1=", " YS1=", " YdeltaSt1=", " YdeltaStT1=", " ZB=", " ZN1="})
        EXPECT_FALSE(hasPrefix(r, absent)) << absent;
    // The middle dot is one byte of Windows-1250.
    const auto encoded = encodeLines({r[11]});
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.bytes, " Mal\xE1 tlou\x9A\x9Dka v\xECnce kola - sr2<3.5\xB7mn\r\n");
}

TEST(ResultsReport, ValuesNoRunCouldShowPrintAsDashes) {
    // What a run stopped by the last check leaves behind: a save right after it still writes the
    // report, but never Inf, NaN or a number wider than its column.
    auto d = withResults();
    d.SigmaHPmax1 = std::numeric_limits<double>::infinity();
    d.SigmaH1 = 4e41;
    d.SF2 = std::numeric_limits<double>::quiet_NaN();
    for (const auto& lines : {resultsReportLines(d, kNoon, "x"), simplifiedPrintoutLines(d, kNoon)}) {
        for (const auto& line : lines) {
            EXPECT_EQ(line.find("Inf"), std::string::npos) << line;
            EXPECT_EQ(line.find("NaN"), std::string::npos) << line;
            EXPECT_EQ(line.find("400000000000"), std::string::npos) << line;
        }
    }
    const auto r = resultsReportLines(d, kNoon, "x");
    const auto at = std::find_if(r.begin(), r.end(), [](const std::string& l) { return l.starts_with(" SigmaH1 = "); });
    ASSERT_NE(at, r.end());
    EXPECT_TRUE(at->starts_with(" SigmaH1 =  -----")) << *at;
}

TEST(ResultsReport, StoppedRunSaysWhyAndShowsOnlyTheChecksItCompleted) {
    // A stop in the bending check leaves the contact checks complete; an earlier one leaves none.
    for (const bool contactChecked : {false, true}) {
        auto d = withResults();
        d.TenkyVenec1 = true;  // no informative block beside a stop
        d.lastRun = RunEnd::Stopped;
        d.contactChecked = contactChecked;
        d.stopMessage = "První řádek.\r\r    Druhý ≤ řádek.";  // "≤" is not in Windows-1250
        const Lines stop{" VÝPOČET NEBYL DOKONČEN Z TOHOTO DŮVODU", " První řádek.", " Druhý ? řádek."};
        const auto r = resultsReportLines(d, kNoon, "x");
        EXPECT_EQ(Lines(r.begin() + 10, r.begin() + 13), stop);
        EXPECT_EQ(r[13], "");
        EXPECT_FALSE(hasPrefix(r, " VÝPOČET JE POUZE"));
        EXPECT_TRUE(has(r, " SF1= -----                   SF2= -----"));
        EXPECT_TRUE(has(r, " YFa1= -----                  YFa2= -----"));
        EXPECT_EQ(has(r, " SH1= -----                   SH2= -----"), !contactChecked);
        EXPECT_EQ(has(r, " ZE=   -----                  Zbeta= -----"), !contactChecked);

        d.Zjednoduseny = true;
        const auto p = simplifiedPrintoutLines(d, kNoon);
        for (const auto& line : stop) EXPECT_TRUE(has(p, "\t\t" + line)) << line;
        EXPECT_TRUE(has(p, "\t\t SF1= -----                       SF2= -----"));
        EXPECT_EQ(has(p, "\t\t ZE=   -----                    Zbeta=   -----"), !contactChecked);
    }
    // A completed run prints as it always did.
    auto d = withResults();
    d.lastRun = RunEnd::Completed;
    EXPECT_EQ(resultsReportLines(d, kNoon, "x"), resultsReportLines(withResults(), kNoon, "x"));
}

TEST(SimplifiedPrintout, TabsBlankLinesAndFormats) {
    auto d = withResults();
    d.Zjednoduseny = true;
    const auto p = simplifiedPrintoutLines(d, kNoon);
    ASSERT_EQ(p.size(), 82u);
    EXPECT_EQ(p[0], "");
    EXPECT_EQ(p[3], "\t\t Vstupní údaje pro zjednodušený pevnostní výpočet soukolí");
    EXPECT_EQ(p[4], "\t\t" + std::string(73, '-'));
    EXPECT_EQ(p[5], "\t\t Čas   - 9:05:07\t\t      Datum - 8.12.2026");
    EXPECT_EQ(p[6], "\t\t Typ soukolí - Vnější\t\t      Zadání sil (momentů) - staticky");
    EXPECT_EQ(p[13], "\t\t mn=  4.00000000000000E+0000[mm]        aw= 120.000[mm]");
    EXPECT_EQ(p[38], "\t\t b1= 60.0               b2= 60.0\t\t    db=  0.0");
    EXPECT_EQ(p[43], "");
    EXPECT_EQ(p[44], "");
    EXPECT_EQ(p[45], "\t\t Výsledky zjednodušeného pevnostního výpočtu soukolí  ČSN 01 4686");
    EXPECT_EQ(p[61], "\t\t Yepsilon= 0.750              Ybeta= 0.000");
    EXPECT_EQ(p[81], "\t\t ZE= 189.812                    Zbeta=   0.987");
    for (const auto& line : p)
        EXPECT_TRUE(line.empty() || line.rfind("\t\t", 0) == 0) << line;
    d.standard = Standard::DIN_B;
    const auto b = simplifiedPrintoutLines(d, kNoon);
    EXPECT_EQ(b[61], "\t\t Yepsilon= ------              Ybeta= 0.000");
    EXPECT_EQ(b[63], "\t\t YF1= 2.100                    YF2= 0.000");
    EXPECT_EQ(b[64].substr(0, 8), "\t\t YS1= ");
}

}  // namespace
}  // namespace soukoli::files
