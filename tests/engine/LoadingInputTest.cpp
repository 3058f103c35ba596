// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The loading dialog's rules: the ranges and exact messages of its fields (strict and non-strict
// limits), the recomputations after a field, the unit and life conversions with the worked
// numbers of the defaults, and the checks of "&Ok".
#include <gtest/gtest.h>

#include <cmath>

#include "engine/FieldEntry.h"
#include "engine/LoadingInput.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

GearPairData defaults() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.d1 = 80;
    g.z1 = 20;
    g.z2 = 40;
    return g;
}

// The message of a refused entry, or "accepted".
std::string rejection(GearPairData& g, int field, std::string_view text) {
    RecordingUi ui;
    const FieldEntry e = enterField(g, {InputWindow::Loading, field}, text, ui);
    return e.accepted() ? "accepted" : e.message;
}

TEST(LoadingInput, FactorRangesAndTheirMessages) {
    GearPairData g = defaults();
    for (int field : {5, 13, 19}) {
        EXPECT_EQ(rejection(g, field, "0.7"), "accepted") << field;
        EXPECT_EQ(rejection(g, field, "1"), "accepted") << field;
        EXPECT_EQ(rejection(g, field, "0.69"), "Neplatné zadání, součinitel YA1 může být od 0.7 do 1 ") << field;
        EXPECT_EQ(rejection(g, field, "1.01"), "Neplatné zadání, součinitel YA1 může být od 0.7 do 1 ") << field;
    }
    for (int field : {6, 14, 20}) EXPECT_EQ(rejection(g, field, "1.01"), "Neplatné zadání, součinitel YA2 může být od 0.7 do 1 ") << field;

    g.KAS = 2;
    EXPECT_EQ(rejection(g, 7, "0.5"), "Neplatné zadání, součinitel KA musí být >=1 a nesmí být větší než KAS");
    EXPECT_EQ(rejection(g, 7, "2.5"), "Neplatné zadání, součinitel KA musí být >=1 a nesmí být větší než KAS");
    EXPECT_EQ(rejection(g, 7, "2"), "accepted");  // KA = KAS is allowed
    EXPECT_EQ(rejection(g, 7, "1"), "accepted");
    for (int field : {15, 21}) {
        EXPECT_EQ(rejection(g, field, "0.5"), "Neplatné zadání, součinitel KA musí být >=1") << field;
        EXPECT_EQ(rejection(g, field, "2.5"), "accepted") << field;  // no KAS limit outside the static panel
    }
    g.KA = 1.5;
    EXPECT_EQ(rejection(g, 8, "1.4"), "Neplatné zadání, součinitel KAS musí být >=1 a nesmí být menší než KA");
    EXPECT_EQ(rejection(g, 8, "1.5"), "accepted");
    g.KA = 0.5;
    EXPECT_EQ(rejection(g, 8, "0.9"), "Neplatné zadání, součinitel KAS musí být >=1 a nesmí být menší než KA");
}

TEST(LoadingInput, RefusedValueStaysOutAcceptedOneGoesToItsQuantity) {
    GearPairData g = defaults();
    const double n1 = g.n1;
    EXPECT_EQ(rejection(g, 2, "-5"), "Neplatné zadání");
    EXPECT_EQ(g.n1, n1);
    EXPECT_EQ(rejection(g, 2, "1500,5"), "Neplatné zadání");
    EXPECT_EQ(rejection(g, 18, "0"), "Neplatné zadání");
    EXPECT_EQ(rejection(g, 1, "0"), "Neplatné zadání");
    EXPECT_EQ(rejection(g, 3, ""), "Neplatné zadání");
    EXPECT_EQ(rejection(g, 9, "0"), "Neplatné zadání");
    EXPECT_EQ(rejection(g, 4, "1.25E1"), "accepted");
    EXPECT_EQ(g.NK2, 12.5);
    EXPECT_EQ(rejection(g, 10, "1500"), "accepted");
    EXPECT_EQ(g.n1, 1500);
    g.SilyF = false;
    EXPECT_EQ(rejection(g, 1, "150"), "accepted");
    EXPECT_EQ(g.T1, 150);
    g.NKvCyklech = false;
    EXPECT_EQ(rejection(g, 12, "2500"), "accepted");
    EXPECT_EQ(g.NK2hod, 2500);
    EXPECT_EQ(loadingFieldText(g, 12), "2500.0");
}

TEST(LoadingInput, ClassesAreIntegersOneToSeventeenAndRecomputeTheLoads) {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    chooseClassInput(g);
    EXPECT_EQ(rejection(g, 16, "0"), "Neplatné zadání, CHSZ1 musí být od 1 do 17");
    EXPECT_EQ(rejection(g, 16, "18"), "Neplatné zadání, CHSZ1 musí být od 1 do 17");
    EXPECT_EQ(rejection(g, 17, "2.5"), "Neplatné zadání, CHSZ2 musí být od 1 do 17");
    EXPECT_EQ(rejection(g, 17, "-3"), "Neplatné zadání, CHSZ2 musí být od 1 do 17");
    EXPECT_EQ(g.CHSZ2, 1);  // neither 2.5 nor -3 is a class to store
    EXPECT_EQ(rejection(g, 16, "17"), "accepted");
    EXPECT_EQ(g.CHSZ1, 17);
    // Class 17, qF1 = 9: K = 0.004, FtFe1 = 0.004^(1/9)·Ft1.
    EXPECT_NEAR(g.FtFe1, std::pow(0.004, 1.0 / 9) * g.Ft1, 1e-9);
    EXPECT_EQ(loadingFieldText(g, 16), " 17");
}

TEST(LoadingInput, DirectlyEnteredLoadsUpToTheNominalLoad) {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    g.Ft1 = 4000;
    chooseDirectInput(g);
    EXPECT_EQ(g.FtFe1, 0);
    EXPECT_EQ(loadingFieldText(g, 22), "");  // shown only once entered
    EXPECT_EQ(rejection(g, 22, "4000.5"), "FtFe1 nemůže být větší než Ft1");
    EXPECT_FALSE(g.FtFe1Given);
    EXPECT_EQ(rejection(g, 25, "0"), "FtHe2 nemůže být větší než Ft1");
    EXPECT_EQ(rejection(g, 23, "12,5"), "FtHe1 nemůže být větší než Ft1");  // unreadable: the same message
    EXPECT_EQ(rejection(g, 22, "4000"), "accepted");
    EXPECT_TRUE(g.FtFe1Given);
    EXPECT_EQ(loadingFieldText(g, 22), "4000.0");

    g.SilyF = false;
    g.T1 = 160;
    EXPECT_EQ(rejection(g, 23, "161"), "THe1 nemůže být větší než T1");
    EXPECT_EQ(rejection(g, 24, "100"), "accepted");
    EXPECT_EQ(g.TFe2, 100);
    EXPECT_TRUE(g.FtFe2Given);
    // Choosing direct entry again keeps what was entered and clears the rest.
    g.FtHe2 = 12;
    chooseDirectInput(g);
    EXPECT_EQ(g.TFe2, 100);
    EXPECT_EQ(g.FtHe2, 0);
}

TEST(LoadingInput, NominalLoadOfTheLevelsPanelVoidsTheEquivalentLoads) {
    GearPairData g = defaults();
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsFromLevels;
    g.FtFe1Given = true;
    EXPECT_EQ(rejection(g, 26, "5000"), "accepted");
    EXPECT_EQ(g.Ft1, 5000);
    EXPECT_EQ(g.FtFe1, 0);
    EXPECT_EQ(g.THe2, 0);
    EXPECT_FALSE(g.FtFe1Given);
    EXPECT_EQ(equivalentLoadText(g, 0), "  0.0");
    g.FtFe1 = 3000;  // leaving the field with the same load keeps the results
    EXPECT_EQ(rejection(g, 26, "5000"), "accepted");
    EXPECT_EQ(g.FtFe1, 3000);

    g.ZadaniSil = kLoadsFromClasses;
    EXPECT_EQ(rejection(g, 9, "3000"), "accepted");
    EXPECT_NEAR(g.FtFe1, std::pow(0.025, 1.0 / 9) * 3000, 1e-9);  // class 1, qF1 = 9
}

TEST(LoadingInput, ForceTorqueAndLifeConversions) {
    GearPairData g = defaults();
    g.SilyF = false;
    g.T1 = 160;
    chooseForces(g);
    EXPECT_TRUE(g.SilyF);
    EXPECT_DOUBLE_EQ(g.F1, 4000);
    g.F1 = 5000;
    chooseTorques(g);
    EXPECT_DOUBLE_EQ(g.T1, 200);

    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsFromClasses;
    g.Ft1 = 4000;
    g.FtFe1 = 2000;
    chooseTorques(g);
    EXPECT_DOUBLE_EQ(g.T1, 160);
    EXPECT_DOUBLE_EQ(g.TFe1, 80);
    g.ZadaniSil = kLoadsEntered;  // entered loads are not converted
    g.TFe1 = 10;
    chooseForces(g);
    EXPECT_DOUBLE_EQ(g.FtFe1, 2000);

    g.NK1hod = 1000;
    g.NK2hod = 1000;
    g.n1 = 1000;
    chooseCycles(g);
    EXPECT_DOUBLE_EQ(g.NK1, 6e7);
    EXPECT_DOUBLE_EQ(g.NK2, 3e7);
    EXPECT_EQ(loadingFieldText(g, 3), "6E+7");
    g.NK2 = 6e7;
    chooseHours(g);
    EXPECT_DOUBLE_EQ(g.NK2hod, 2000);
    // No speed: the hours keep their values instead of becoming infinite.
    g.n1 = 0;
    chooseHours(g);
    EXPECT_DOUBLE_EQ(g.NK1hod, 1000);
}

TEST(LoadingInput, MethodAndInputModes) {
    GearPairData g = defaults();
    chooseEquivalentMethod(g);
    EXPECT_EQ(g.MetodaVypoctu, 'B');
    EXPECT_EQ(loadingHelpTopic(g), 41);
    chooseLevelsInput(g);
    EXPECT_EQ(g.ZadaniSil, kLoadsFromLevels);
    EXPECT_EQ(g.FtFe2, 0);
    EXPECT_EQ(loadingHelpTopic(g), 43);
    chooseClassInput(g);
    EXPECT_GT(g.FtFe2, 0);
    EXPECT_EQ(loadingHelpTopic(g), 45);
    g.FtHe1Given = true;
    chooseDirectInput(g);
    EXPECT_EQ(loadingHelpTopic(g), 46);
    chooseStaticMethod(g);
    EXPECT_EQ(g.MetodaVypoctu, 'A');
    EXPECT_EQ(g.ZadaniSil, kLoadsStatic);
    EXPECT_FALSE(g.FtHe1Given);
    EXPECT_EQ(loadingHelpTopic(g), 42);

    g.SigmaFlimb2Given = true;
    g.YA2 = 0.8;
    const FixedYA fixed = applyFixedYA(g);
    EXPECT_FALSE(fixed.YA1);
    EXPECT_TRUE(fixed.YA2);
    EXPECT_EQ(g.YA2, 1);
}

TEST(LoadingInput, OkChecksHoursAndMissingLoadsThenDerivesTheLoads) {
    RecordingUi ui;
    GearPairData g = defaults();
    g.NKvCyklech = false;
    g.NK1hod = 1000;
    g.NK2hod = 900;
    LoadingConfirmation c = confirmLoading(g, ui);
    EXPECT_EQ(c.verdict, LoadingVerdict::HoursDiffer);
    EXPECT_EQ(c.message, "Neplatné zadání, životnost pastorku a kola v hodinách by se měly rovnat");
    EXPECT_EQ(c.focusField, 4);
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsEntered;
    EXPECT_EQ(confirmLoading(g, ui).focusField, 12);

    g.NK2hod = 1000;
    g.SilyF = true;
    clearEquivalentLoads(g);
    g.FtFe1 = g.FtHe1 = g.FtFe2 = 1000;
    c = confirmLoading(g, ui);
    EXPECT_EQ(c.message, "Nejsou zadané všechny síly.");
    g.SilyF = false;
    EXPECT_EQ(confirmLoading(g, ui).message, "Nejsou zadané všechny momenty.");
    EXPECT_DOUBLE_EQ(g.NK1, 6e7);  // the hours were converted first
    EXPECT_DOUBLE_EQ(g.NK2, 3e7);

    g.TFe1 = g.THe1 = g.TFe2 = g.THe2 = 40;
    EXPECT_EQ(confirmLoading(g, ui).verdict, LoadingVerdict::Accepted);
    EXPECT_DOUBLE_EQ(g.FtF, 1000);  // 40 N·m on d1 = 80 mm

    GearPairData a = defaults();
    a.KAS = 2;
    EXPECT_EQ(confirmLoading(a, ui).verdict, LoadingVerdict::Accepted);
    EXPECT_DOUBLE_EQ(a.Ft1, 8000);
    EXPECT_TRUE(ui.messages.empty());
}

// Whatever number reaches a field (the reader gives finite values only, up to ±1.8E308), and
// whatever field number is asked for, an entry stores no wrapped or oversized class.
TEST(LoadingInput, ExtremeValuesAndUnknownFieldsAreHandled) {
    for (int field = -1; field <= kLoadingFields + 2; ++field) {
        for (double v : {0.0, -1.0, 1e308, -1e308, 5e-324, 65536.0, 70000.5}) {
            GearPairData g = defaults();
            g.MetodaVypoctu = 'B';
            g.ZadaniSil = kLoadsFromClasses;
            RecordingUi ui;
            const FieldEntry e = enterFieldValue(g, {InputWindow::Loading, field}, v, ui);
            if (field < 1 || field > kLoadingFields) {
                EXPECT_FALSE(e.accepted());
                EXPECT_EQ(e.message, "Neplatné zadání");
            }
            EXPECT_LE(g.CHSZ1, 17);  // 0 is stored (and rejected); no larger number is
            EXPECT_LE(g.CHSZ2, 17);
            (void)loadingFieldText(g, field);
        }
    }
}

}  // namespace
}  // namespace soukoli
