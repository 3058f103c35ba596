// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The results report (.VYS): stresses, permissible stresses, safety factors and the other
// factors as the last calculation left them, for the full and the simplified calculation.
#include <cmath>
#include <limits>

#include "engine/Numbers.h"
#include "engine/ResultGuard.h"
#include "files/Cp1250.h"
#include "files/ReportTables.h"
#include "files/Reports.h"

namespace soukoli::files {

namespace {

// The values of one check as the report prints them.
class Values {
public:
    explicit Values(bool reported) : reported_(reported) {}
    [[nodiscard]] std::string stress(double x) const { return checkValue(reported_, x, 6, 1); }
    [[nodiscard]] std::string factor(double x) const { return checkValue(reported_, x, 5, 3); }
    [[nodiscard]] std::string wide(double x) const { return checkValue(reported_, x, 7, 3); }

private:
    bool reported_;
};

// The informative rows: thin rims, and a transverse contact ratio of 2 or more under ČSN 01 4686.
void informative(std::vector<std::string>& out, const GearPairData& d) {
    const bool highContactRatio = limitsTransverseContactRatio(d.standard) && d.Epsalfa >= 2;
    if (d.TenkyVenec1 || d.TenkyVenec2 || highContactRatio)
        out.emplace_back(" VÝPOČET JE POUZE INFORMATIVNÍ Z NÁSLEDUJÍCÍCH DŮVODŮ");
    if (d.TenkyVenec1) out.emplace_back(" Malá tloušťka věnce pastorku - sr1<3.5·mn");
    if (d.TenkyVenec2) out.emplace_back(" Malá tloušťka věnce kola - sr2<3.5·mn");
    if (highContactRatio) out.push_back(" Součinitel trvání záběru Epsilonalfa >2 (" + str(d.Epsalfa, 5, 3) + ")");
}

void bending(std::vector<std::string>& out, const GearPairData& d) {
    const bool full = !d.Zjednoduseny;
    const Values v(reportedChecks(d).bending);
    const auto stress = [&v](double x) { return v.stress(x); };
    const auto factor = [&v](double x) { return v.factor(x); };
    out.emplace_back("              KONTROLA NA OHYB  ");
    out.push_back(std::string(50, '-'));
    out.emplace_back("          Napětí v MPa a bezpečnosti");
    out.push_back(" SigmaF1 = " + stress(d.SigmaF1) + "             SigmaF2 = " + stress(d.SigmaF2));
    out.push_back(" SigmaFP1= " + stress(d.SigmaFP1) + "             SigmaFP2= " + stress(d.SigmaFP2));
    out.push_back(" SF1= " + factor(d.SF1) + "                   SF2= " + factor(d.SF2));
    out.emplace_back();
    out.push_back(" SigmaFmax1 = " + stress(d.SigmaFmax1) + "          SigmaFmax2 = " + stress(d.SigmaFmax2));
    out.push_back(" SigmaFPmax1= " + stress(d.SigmaFPmax1) + "          SigmaFPmax2= " + stress(d.SigmaFPmax2));
    out.emplace_back();
    out.emplace_back("             Ostatní součinitele");
    out.push_back(" KF= " + factor(d.KF) + "                    KFv= " + factor(d.KFv));
    out.push_back(" KFalfa= " + factor(d.KFalfa) + "                KFbeta= " + factor(d.KFbeta));
    const bool singlePairPoint = loadsAtSinglePairPoint(d.standard);
    out.push_back(" Yepsilon= " + (singlePairPoint ? std::string("-----") : factor(d.Yepsilon)) +
                  "              Ybeta= " + factor(d.Ybeta));
    out.push_back(" YFS1= " + factor(d.YFS1) + "                  YFS2= " + factor(d.YFS2));
    if (singlePairPoint) {
        out.push_back(" YFe1= " + factor(d.YFe1) + "                   YFe2= " + factor(d.YFe2));
        out.push_back(" YSe1= " + factor(d.YSe1) + "                  YSe2= " + factor(d.YSe2));
    } else {
        out.push_back(" YFa1= " + factor(d.YFa1) + "                  YFa2= " + factor(d.YFa2));
        out.push_back(" YSa1= " + factor(d.YSa1) + "                  YSa2= " + factor(d.YSa2));
    }
    if (full) {
        out.push_back(" YSarel1= " + factor(d.YSarel1) + "               YSarel2= " + factor(d.YSarel2));
        out.push_back(" YN1= " + factor(d.YN1) + "                   YN2= " + factor(d.YN2));
        out.push_back(" YX1= " + factor(d.YX1) + "                   YX2= " + factor(d.YX2));
        out.push_back(" Ydelta1= " + factor(d.Ydelta1) + "               Ydelta2= " + factor(d.Ydelta2));
        out.push_back(" YS1= " + factor(d.YS1) + "                   YS2= " + factor(d.YS2));
        out.push_back(" YdeltaSt1= " + factor(d.YdeltaSt1) + "             YdeltaSt2= " + factor(d.YdeltaSt2));
        out.push_back(" YdeltaStT1= " + factor(d.YdeltaStT1) + "            YdeltaStT2= " + factor(d.YdeltaStT2));
    }
    if (d.MetodaVypoctu == 'B') {
        out.push_back(" KF1= " + factor(d.KF1) + "                   KFv1= " + factor(d.KFv1));
        out.push_back(" KFalfa1= " + factor(d.KFalfa1) + "               KFbeta1= " + factor(d.KFbeta1));
    }
    out.emplace_back();
}

void contact(std::vector<std::string>& out, const GearPairData& d) {
    const bool full = !d.Zjednoduseny;
    const Values v(reportedChecks(d).contact);
    const auto stress = [&v](double x) { return v.stress(x); };
    const auto factor = [&v](double x) { return v.factor(x); };
    out.emplace_back("                KONTROLA NA DOTYK");
    out.push_back(std::string(50, '-'));
    out.emplace_back("          Napětí v MPa a bezpečnosti");
    out.push_back(" SigmaH1 = " + stress(d.SigmaH1) + "             SigmaH2 = " + stress(d.SigmaH2));
    out.push_back(" SigmaHP1= " + stress(d.SigmaHP1) + "             SigmaHP2= " + stress(d.SigmaHP2));
    out.push_back(" SH1= " + factor(d.SH1) + "                   SH2= " + factor(d.SH2));
    out.emplace_back();
    out.push_back(" SigmaHmax1 = " + stress(d.SigmaHmax1) + "          SigmaHmax2 = " + stress(d.SigmaHmax2));
    out.push_back(" SigmaHPmax1= " + stress(d.SigmaHPmax1) + "          SigmaHPmax2= " + stress(d.SigmaHPmax2));
    out.emplace_back();
    out.emplace_back("             Ostatní součinitele");
    if (full) out.push_back(" ZB= " + factor(d.ZB) + "                    ZD= " + factor(d.ZD));
    out.push_back(" KH= " + factor(d.KH) + "                    KHv= " + factor(d.KHv));
    out.push_back(" KHalfa= " + factor(d.KHalfa) + "                KHbeta= " + factor(d.KHbeta));
    if (d.MetodaVypoctu == 'A')
        out.push_back(" KA= " + factor(d.KA) + "                    KAS= " + factor(d.KAS));
    else
        out.push_back(" KA= " + factor(d.KA));
    out.push_back(" Zepsilon= " + factor(d.Zepsilon) + "              ZH= " + factor(d.ZH));
    if (full) out.push_back(" ZN1= " + factor(d.ZN1) + "                   ZN2= " + factor(d.ZN2));
    out.push_back(" ZE= " + v.wide(d.ZE) + "                  Zbeta= " + factor(d.Zbeta));
    if (d.MetodaVypoctu == 'B') {
        out.push_back(" KH1= " + factor(d.KH1) + "                   KHv1= " + factor(d.KHv1));
        out.push_back(" KHalfa1= " + factor(d.KHalfa1) + "               KHbeta1= " + factor(d.KHbeta1));
    }
}

}  // namespace

ReportedChecks reportedChecks(const GearPairData& d) {
    switch (d.lastRun) {
        case RunEnd::NotRun:
        case RunEnd::Completed: return {};
        case RunEnd::Stopped: return {.bending = false, .contact = d.contactChecked};
    }
    return {};
}

std::string checkValue(bool reported, double x, int w, int d) {
    return reportedResult(reported ? x : std::numeric_limits<double>::quiet_NaN(), w, d);
}

std::vector<std::string> stopLines(const GearPairData& d) {
    std::vector<std::string> out;
    if (d.lastRun != RunEnd::Stopped) return out;
    out.emplace_back(" VÝPOČET NEBYL DOKONČEN Z TOHOTO DŮVODU");
    // A message box breaks its lines at '\r'; the report keeps them as lines of its own, each
    // indented as the reasons of the informative block ("?" for a character the code page of the
    // files lacks).
    std::string_view rest = d.stopMessage;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\r');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const std::size_t text = line.find_first_not_of(' ');
        if (text == std::string_view::npos) continue;
        out.push_back(" " + withCp1250Substitutes(line.substr(text)));
    }
    return out;
}

std::string reportedResult(double x, int w, int d) {
    if (std::isfinite(x) && std::abs(x) <= kLargestShownResult) return str(x, w, d);
    constexpr std::string_view kNotShown = "-----";
    const auto width = static_cast<std::size_t>(std::max(w, 0));
    return std::string(width > kNotShown.size() ? width - kNotShown.size() : 0, ' ') + std::string(kNotShown);
}

std::vector<std::string> resultsReportLines(const GearPairData& d, const LocalTime& now, const std::string& fileName) {
    std::vector<std::string> out;
    out.reserve(70);
    out.push_back(" Výsledky pevnostního výpočtu soukolí podle " + std::string(standardTitle(d)));
    out.push_back(std::string(59, '-'));
    out.emplace_back();
    out.emplace_back("Tento soubor je určen pro tisk ve vhodném editoru, lze ho upravovat");
    out.push_back("Čas   - " + formatTime(now));
    out.push_back("Datum - " + formatDate(now));
    out.push_back("Jméno souboru - " + fileName);
    out.emplace_back();
    if (d.Zjednoduseny)
        out.emplace_back("Zjednodušený výpočet");
    else
        out.push_back("Metoda výpočtu - " + std::string(1, d.MetodaVypoctu) + " (úplný pevnostní výpočet)");
    out.emplace_back();
    // A stopped run says why where a completed one gives the reasons that make it informative.
    if (d.lastRun == RunEnd::Stopped) {
        const auto stop = stopLines(d);
        out.insert(out.end(), stop.begin(), stop.end());
    } else {
        informative(out, d);
    }
    out.emplace_back();
    bending(out, d);
    contact(out, d);
    return out;
}

}  // namespace soukoli::files
