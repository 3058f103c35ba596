// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The dynamic factors KHv, KFv after ČSN 01 4686 part 3 with the stops that keep them from being
// computed: the running-smoothness limit (vz. 158), a transverse contact ratio below 1.2 and the
// resonance ranges of the pinion speed (vz. 153 to 155).
#include "engine/DynamicFactor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/DynamicFactorTables.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

// Field numbers of the coefficients dialog.
constexpr int kFieldKFv = 10;
constexpr int kFieldKHv = 11;
constexpr int kFieldKFv1 = 29;
constexpr int kFieldKHv1 = 30;

constexpr std::string_view kCannotCompute = "Nelze proto výpočtem stanovit KHv a KFv (viz ČSN 01 4686,část 3,str.33)";
constexpr std::string_view kNorMethodB = "(pro metodu výpočtu B ani KHv1 a KFv1).";

bool methodB(const GearPairData& g) { return g.MetodaVypoctu == 'B'; }

bool factorsNeeded(const GearPairData& g) {
    return !g.KFvGiven || !g.KHvGiven || (methodB(g) && (!g.KFv1Given || !g.KHv1Given));
}

// Shows the message, opens the coefficients dialog and gives the focus at its next opening to
// the factor that has to be entered; of those not entered the last in the order KHv1, KFv1,
// KHv, KFv.
void stopForCoefficients(GearPairData& g, Ui& ui, const std::string& text) {
    ui.message(text);
    ui.openDialog(DialogId::Coefficients, Modality::Modal);
    int field = 0;
    if (methodB(g) && !g.KHv1Given) field = kFieldKHv1;
    if (methodB(g) && !g.KFv1Given) field = kFieldKFv1;
    if (!g.KHvGiven) field = kFieldKHv;
    if (!g.KFvGiven) field = kFieldKFv;
    if (field != 0) ui.setActiveField(DialogId::Coefficients, field);
    g.runFlag = false;
}

// The last lines of every resonance message.
std::string resonanceTail(std::string_view lastLine) {
    std::string s = "\r";
    s += kCannotCompute;
    s += "\r";
    s += kNorMethodB;
    s += "\r";
    s += lastLine;
    return s;
}

// Spur value, or the helical value when the overlap ratio reaches 1, linear in between.
double byOverlap(double spur, double helical, double Epsbeta) {
    return Epsbeta >= 1 ? helical : spur - Epsbeta * (spur - helical);
}

// Stops on a resonance range of the pinion speed; false when the run stops.
bool checkResonance(GearPairData& g, Ui& ui) {
    const double n1 = g.n1;
    const double nE1 = g.nE1;
    if (n1 > 0.7 * nE1) {
        stopForCoefficients(g, ui,
                            "Otáčky pastorku n1 leží v nadkritické oblasti.\r(n1 > " + str(0.7 * nE1, 5, 0) +
                                ") viz ČSN 01 4686, část 3, vz.153." +
                                resonanceTail("Zadej tyto součinitele přímo, nebo proveď změnu vstupu (přeladění)."));
        return false;
    }
    if (0.35 * nE1 < n1 && n1 < 0.575 * nE1) {
        stopForCoefficients(g, ui,
                            "Otáčky pastorku n1 leží v oblasti druhé subharmonické rezonance.\r(" +
                                str(0.35 * nE1, 5, 0) + " < n1 < " + str(0.575 * nE1, 5, 0) +
                                ") viz ČSN 01 4686, část 3, vz.154." +
                                resonanceTail("Zadej tyto součinitele přímo,nebo proveď změnu vstupu (přeladění)."));
        return false;
    }
    if (0.7 / 3 * nE1 < n1 && n1 < 1.15 / 3 * nE1) {
        stopForCoefficients(g, ui,
                            "Otáčky pastorku n1 leží v oblasti třetí subharmonické rezonance.\r(" +
                                str(0.7 / 3 * nE1, 5, 0) + " < n1 < " + str(1.15 / 3 * nE1, 5, 0) +
                                ") viz ČSN 01 4686, část 3, vz.155." +
                                resonanceTail("Zadej součinitele přímo,nebo proveď změnu vstupu (přeladění)."));
        return false;
    }
    return true;
}

bool gradeInTable(std::uint16_t grade) { return grade >= kLowestGrade && grade <= kHighestGrade; }

}  // namespace

DynamicFactors computeDynamicFactors(GearPairData& g, Ui& ui) {
    g.v = std::numbers::pi * g.d1 * g.n1 / 60000;

    // The table knows the grades 2 to 12 only; the accuracy dialog offers no others, but a
    // project file may hold anything.
    if (!gradeInTable(g.IT1) || !gradeInTable(g.IT2)) {
        ui.message("Stupeň přesnosti vol od 2 do 12");
        ui.openDialog(DialogId::Accuracy, Modality::Modal);
        ui.setActiveField(DialogId::Accuracy, gradeInTable(g.IT1) ? 2 : 1);
        g.runFlag = false;
        return {};
    }
    const DynamicGradeRow& row = kDynamicGradeRows[std::max(g.IT1, g.IT2) - kLowestGrade];

    // Running smoothness (vz. 158).
    const double limit = byOverlap(row.limitSpur, row.limitHelical, g.Epsbeta);
    const double W = (g.v * g.z1 / 100) * std::sqrt(g.u * g.u / (1 + g.u * g.u));
    if (W > limit) {
        ui.message(
            "    Pro toto soukolí je překročena mezní hodnota plynulosti chodu,\r"
            "    viz ČSN 01 4686,část 3,vz.158.\r\r"
            "    Toto soukolí je nevhodné pro praktický provoz, nelze ani vypočíst KHv a KFv.\r"
            "    Proveď vhodnou změnu vstupu.");
        g.runFlag = false;
        return {};
    }

    if (!factorsNeeded(g)) return {g.KHv, g.KFv};

    if (g.Epsalfa < 1.2) {
        stopForCoefficients(g, ui,
                            "Součinitel záběru EPSILONalfa pro toto soukolí je menší než 1.2 (" + str(g.Epsalfa, 5, 3) +
                                ").\rNelze proto výpočtem stanovit KHv a KFv (viz ČSN 01 4686,část 3,str.35)\r" +
                                std::string(kNorMethodB) + "\rZadej tyto součinitele přímo.");
        return {};
    }

    // Without a resonance speed the ranges cannot be checked: impossible body dimensions or
    // stiffness must not pass as a gear pair outside resonance.
    if (!(g.nE1 > 0) || !std::isfinite(g.nE1)) {
        ui.message("Nelze stanovit rezonanční otáčky pastorku nE1 - nemožné rozměry kol nebo tuhost Cgama.\r"
                   "Uprav rozměry kol.");
        ui.openDialog(DialogId::Dimensions, Modality::Modal);
        g.runFlag = false;
        return {};
    }
    if (!checkResonance(g, ui)) return {};

    // Line loads, at least 150 N/mm.
    double w1 = g.KA * g.FtH / g.b;
    double w2 = g.KA * g.FtF / g.bwFmin;
    if (!(w1 >= kMinimumLineLoad)) w1 = kMinimumLineLoad;
    if (!(w2 >= kMinimumLineLoad)) w2 = kMinimumLineLoad;

    const auto factor = [&](double w) {
        const double spur = (row.K1spur / w + kK2Spur) * W + 1;
        const double helical = (row.K1helical / w + kK2Helical) * W + 1;
        return byOverlap(spur, helical, g.Epsbeta);
    };
    return {factor(w1), factor(w2)};
}

void computeRunDynamicFactors(GearPairData& g, Ui& ui) {
    const DynamicFactors f = computeDynamicFactors(g, ui);
    if (!g.runFlag) return;
    if (!g.KHvGiven) g.KHv = f.KHv;
    if (!g.KFvGiven) g.KFv = f.KFv;
}

}  // namespace soukoli
