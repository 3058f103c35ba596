// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Order of the stages of a calculation and the stops between them. Each stage lives in a unit
// of its own and clears `runFlag` when the run cannot go on.
#include "engine/Driver.h"

#include "engine/BendingStress.h"
#include "engine/ContactGeometry.h"
#include "engine/ContactStress.h"
#include "engine/DynamicFactor.h"
#include "engine/FaceLoadFactor.h"
#include "engine/Loads.h"
#include "engine/RequiredDeviations.h"
#include "engine/ResultGuard.h"
#include "engine/TransverseLoadFactor.h"

namespace soukoli {

namespace {

void stopFor(GearPairData& g, Ui& ui, std::string_view text, DialogId dialog) {
    ui.message(text);
    g.runFlag = false;
    ui.openDialog(dialog, Modality::Modal);
}

// Rim of one gear: the thin-rim flag, the warning with its choice, and the stop on a rim of
// zero or negative thickness. Returns false when the run stops.
bool checkRim(GearPairData& g, Ui& ui, Gear gear) {
    const bool pinion = gear == Gear::Pinion;
    const double sR = pinion ? g.sR1 : g.sR2;
    (pinion ? g.TenkyVenec1 : g.TenkyVenec2) = sR < g.srmin;
    if (sR > 0 && sR < g.srmin) {
        g.runFlag = ui.rimWarningContinue(gear);
        if (!g.runFlag) {
            ui.openDialog(DialogId::Dimensions, Modality::Modal);
            return false;
        }
    }
    if (sR <= 0) {
        stopFor(g, ui, pinion ? "Záporný rozměr sr1 je nutno upravit." : "Záporný rozměr sr2 je nutno upravit.",
                DialogId::Dimensions);
        return false;
    }
    return true;
}

}  // namespace

bool checkStandardRatesPair(GearPairData& g, Ui& ui) {
    if (g.isInternal() && !usesCsnRootCharts(g.standard)) {
        ui.message(kInternalOnlyCsn);
        g.runFlag = false;
        return false;
    }
    return true;
}

bool checkPathOfContact(GearPairData& g, Ui& ui) {
    const auto gear = tipInsideBaseCircle(g);
    if (!gear) return true;
    stopFor(g, ui,
            *gear == Gear::Pinion
                ? "Hlavová kružnice pastorku leží uvnitř základní kružnice, součinitel Epsilonalfa nelze stanovit.\r"
                  "Uprav geometrii."
                : "Hlavová kružnice kola leží uvnitř základní kružnice, součinitel Epsilonalfa nelze stanovit.\r"
                  "Uprav geometrii.",
            DialogId::Geometry);
    return false;
}

bool checkContactRatios(GearPairData& g, Ui& ui) {
    if (g.Epsgama <= 1) {
        stopFor(g, ui, "Součinitel Epsilongama <=1. Uprav geometrii.", DialogId::Geometry);
        return false;
    }
    if (limitsTransverseContactRatio(g.standard) && g.Epsalfa >= 2)
        ui.message("Součinitel Epsilonalfa >2. Výpočet je neplatný.\r        Ve výpočtu lze však pokračovat.");
    return true;
}

namespace {

// Contact stress, static contact (with the method-B factors), bending and static bending: the
// closing stages of both calculations.
void runStressChecks(GearPairData& g, Ui& ui) {
    runContactStage(g, ui);
    if (!g.runFlag) return;
    runStaticContactStage(g, ui);
    if (!g.runFlag) return;
    g.contactChecked = true;
    runBendingStage(g, ui);
    if (!g.runFlag) return;
    runStaticBendingStage(g, ui);
}

}  // namespace

namespace {

// The result guard ends a run that completed every stage; what it refuses may be a contact value,
// so such a run reports no check at all.
void guardShownResults(GearPairData& g, Ui& ui) {
    if (!g.runFlag) return;
    guardResults(g, ui);
    if (!g.runFlag) g.contactChecked = false;
}

}  // namespace

bool bodyElementsFit(double df, double dh, double sd, double sr) {
    return (df - dh) / 2 - sr + 0.1 >= sd && dh < df + 0.1 && dh <= df - 2 * (sr + sd) + 0.1;
}

void checkGearBodies(GearPairData& g, Ui& ui) {
    if (!bodyElementsFit(g.df1, g.dh1, g.sd1, g.sr1)) {
        stopFor(g, ui, "Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit.", DialogId::Dimensions);
        return;
    }
    if (!checkRim(g, ui, Gear::Pinion)) return;
    // The body of an internal wheel lies outside its root circle: nothing to fit.
    if (!g.isInternal() && !bodyElementsFit(g.df2, g.dh2, g.sd2, g.sr2)) {
        stopFor(g, ui, "Prvky se nevlezou do patního průměru kola, rozměry se musí upravit.", DialogId::Dimensions);
        return;
    }
    checkRim(g, ui, Gear::Wheel);
}

namespace {

// Hands everything on to the user and keeps the last thing the run said, which is what it
// stopped on when it stops: a message, or the rim warning answered with "Oprav vstup".
class StopWitness final : public Ui {
public:
    explicit StopWitness(Ui& user) : user_(user) {}

    void message(std::string_view text, std::string_view caption, MessageIcon icon) override {
        last_ = text;
        user_.message(text, caption, icon);
    }
    bool rimWarningContinue(Gear gear) override {
        const bool goOn = user_.rimWarningContinue(gear);
        if (!goOn)
            last_ = gear == Gear::Pinion ? "Rozměr sr1 je menší než doporučuje norma."
                                         : "Rozměr sr2 je menší než doporučuje norma.";
        return goOn;
    }
    void openDialog(DialogId id, Modality modality) override { user_.openDialog(id, modality); }
    void setActiveField(DialogId id, int field) override { user_.setActiveField(id, field); }

    [[nodiscard]] const std::string& last() const { return last_; }

private:
    Ui& user_;
    std::string last_;
};

// Runs `stages` and records how the run ended.
template <class Stages>
void recordedRun(GearPairData& g, Ui& ui, Stages stages) {
    StopWitness witness(ui);
    g.contactChecked = false;
    g.stopMessage.clear();
    g.runFlag = true;
    stages(witness);
    g.lastRun = g.runFlag ? RunEnd::Completed : RunEnd::Stopped;
    if (!g.runFlag) g.stopMessage = witness.last();
}

void fullCalculationStages(GearPairData& g, Ui& ui) {
    if (!checkStandardRatesPair(g, ui)) return;
    checkGearBodies(g, ui);
    if (!g.runFlag) return;
    computeFaceWidths(g);
    computeContactGeometry(g, ui);
    if (!checkPathOfContact(g, ui) || !checkContactRatios(g, ui)) return;

    computeBodyMasses(g);
    computeMeshStiffness(g, ui);
    computeLoads(g, ui);

    computeLimitStresses(g);
    computeContactFactors(g, ui);
    if (!g.runFlag) return;

    computeRunDynamicFactors(g, ui);
    if (!g.runFlag) return;
    checkDeviationsDefined(g, ui);  // never a deviation of 0 for one the standard leaves open
    if (!g.runFlag) return;
    computeRunFaceLoadFactor(g, ui);  // a layout scheme without its dimensions stops
    if (!g.runFlag) return;
    computeTransverseFactors(g, ui);
    if (!g.runFlag) return;

    runStressChecks(g, ui);
    guardShownResults(g, ui);
}

void simplifiedCalculationStages(GearPairData& g, Ui& ui) {
    if (!checkStandardRatesPair(g, ui)) return;
    computeFaceWidths(g);
    computeContactGeometry(g, ui);
    if (!checkPathOfContact(g, ui) || !checkContactRatios(g, ui)) return;
    computeLoads(g, ui);

    // Material limits as they stand, whatever was entered directly.
    g.SigmaHlim1 = g.Sigma0Hlim1;
    g.SigmaHlim2 = g.Sigma0Hlim2;
    g.SigmaFlimb1 = g.Sigma0Flimb1 * g.YA1;
    g.SigmaFlimb2 = g.Sigma0Flimb2 * g.YA2;

    computeContactFactors(g, ui);
    if (!g.runFlag) return;

    // Fixed transverse and dynamic factors unless entered directly.
    if (!g.KFalfaGiven) g.KFalfa = 1.2;
    if (!g.KFvGiven) g.KFv = 1.0;
    if (!g.KHalfaGiven) g.KHalfa = 1.2;
    if (!g.KHvGiven) g.KHv = 1.0;

    runStressChecks(g, ui);
    guardShownResults(g, ui);
}

}  // namespace

void runFullCalculation(GearPairData& g, Ui& ui) {
    recordedRun(g, ui, [&g](Ui& witness) { fullCalculationStages(g, witness); });
}

void runSimplifiedCalculation(GearPairData& g, Ui& ui) {
    recordedRun(g, ui, [&g](Ui& witness) { simplifiedCalculationStages(g, witness); });
}

void runCalculation(GearPairData& g, Ui& ui) {
    if (g.Zjednoduseny)
        runSimplifiedCalculation(g, ui);
    else
        runFullCalculation(g, ui);
}

}  // namespace soukoli
