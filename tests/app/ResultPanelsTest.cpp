// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Colour and text of the result values at their boundaries, and the Qt side of the engine's Ui:
// message texts and captions, the rim warning, dialog requests.
#include <QLabel>
#include <QtTest>

#include "app/QtUi.h"
#include "app/ResultPanels.h"
#include "dialogs/ThinRimWarning.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

using namespace soukoli;

namespace {

const ResultCell& cellOf(std::span<const ResultRow> rows, std::string_view field) {
    for (const ResultRow& r : rows)
        for (const ResultCell* s : {&r.left, &r.right})
            if (s->field == field) return *s;
    qFatal("no cell %s", std::string(field).c_str());
}

GearPairData defaults() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    testing::RecordingUi ui;
    resetToDefaults(g, ui);
    return g;
}

}  // namespace

class ResultPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void stressAgainstItsPermissibleValue_data() {
        QTest::addColumn<double>("stress");
        QTest::addColumn<double>("limit");
        QTest::addColumn<bool>("red");
        QTest::newRow("below") << 499.99 << 500.0 << false;
        QTest::newRow("equal") << 500.0 << 500.0 << true;
        QTest::newRow("above") << 500.01 << 500.0 << true;
        QTest::newRow("NaN") << std::nan("") << 500.0 << true;
    }
    void stressAgainstItsPermissibleValue() {
        QFETCH(double, stress);
        QFETCH(double, limit);
        QFETCH(bool, red);
        GearPairData g = defaults();
        const std::pair<double GearPairData::*, double GearPairData::*> pairs[] = {
            {&GearPairData::SigmaF2, &GearPairData::SigmaFP2},
            {&GearPairData::SigmaFmax1, &GearPairData::SigmaFPmax1},
            {&GearPairData::SigmaH1, &GearPairData::SigmaHP1},
            {&GearPairData::SigmaHmax2, &GearPairData::SigmaHPmax2},
        };
        const char* names[] = {"SigmaF2", "SigmaFmax1", "SigmaH1", "SigmaHmax2"};
        for (std::size_t i = 0; i < 4; ++i) {
            g.*pairs[i].first = stress;
            g.*pairs[i].second = limit;
            const auto rows = i < 2 ? bendingRows(false) : contactRows(false);
            QCOMPARE(cellText(cellOf(rows, names[i]), g).red, red);
        }
    }

    void safetyFactorAboveOne_data() {
        QTest::addColumn<double>("safety");
        QTest::addColumn<bool>("red");
        QTest::newRow("exactly 1") << 1.0 << true;
        QTest::newRow("just above") << 1.0001 << false;
        QTest::newRow("below") << 0.999 << true;
        QTest::newRow("ample") << 2.5 << false;
    }
    void safetyFactorAboveOne() {
        QFETCH(double, safety);
        QFETCH(bool, red);
        GearPairData g = defaults();
        g.SF1 = g.SH2 = safety;
        QCOMPARE(cellText(cellOf(bendingRows(true), "SF1"), g).red, red);
        QCOMPARE(cellText(cellOf(contactRows(true), "SH2"), g).red, red);
    }

    void formatsOfStressesAndFactors() {
        GearPairData g = defaults();
        g.SigmaH1 = 1234.56;
        g.SigmaF1 = 12345.67;
        g.KHbeta = 1.3;
        g.ZE = 189.812;
        QCOMPARE(cellText(cellOf(contactRows(false), "SigmaH1"), g).text, std::string("1234.6"));
        QCOMPARE(cellText(cellOf(bendingRows(false), "SigmaF1"), g).text, std::string("12345.7"));
        QCOMPARE(cellText(cellOf(contactRows(false), "KHbeta"), g).text, std::string("1.300"));
        QCOMPARE(cellText(cellOf(contactRows(false), "ZE"), g).text, std::string("189.812"));
        g.SigmaHP1 = 0;
        QCOMPARE(cellText(cellOf(contactRows(false), "SigmaHP1"), g).text, std::string("   0.0"));
    }

    void panelsListTheirValues() {
        // First tab: 40 bending and 30 contact values; second tab: 22 and 24.
        const auto count = [](std::span<const ResultRow> rows) {
            int n = 0;
            for (const ResultRow& r : rows) n += !r.left.field.empty() + !r.right.field.empty();
            return n;
        };
        QCOMPARE(count(bendingRows(false)), 40);
        QCOMPARE(count(contactRows(false)), 30);
        QCOMPARE(count(bendingRows(true)), 22);
        QCOMPARE(count(contactRows(true)), 24);
    }

    void messageBoxTextsAndCaptions() {
        QtUi ui;
        QList<QtUi::Box> boxes;
        ui.messageHook = [&boxes](const QtUi::Box& b) { boxes << b; };
        ui.message("Součinitel Epsilonalfa >2. Výpočet je neplatný.\r        Ve výpočtu lze však pokračovat.");
        ui.message("Soubor nelze uložit.", "Ukládáni", MessageIcon::Error);
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].text,
                 QStringLiteral("Součinitel Epsilonalfa >2. Výpočet je neplatný.\n        Ve výpočtu lze však pokračovat."));
        QCOMPARE(boxes[0].caption, QtUi::programTitle());
        QCOMPARE(boxes[1].caption, QStringLiteral("Ukládáni"));
        QCOMPARE(boxes[1].icon, MessageIcon::Error);
    }

    void rimWarningAnswersAndDialogRequests() {
        QtUi ui;
        ThinRimWarning rim;
        ui.setRimDialog(&rim);
        int answer = QDialog::Rejected;
        QList<QDialog*> shown;
        ui.modalHook = [&](QDialog& d) {
            shown << &d;
            return answer;
        };
        QVERIFY(!ui.rimWarningContinue(Gear::Wheel));
        QVERIFY(rim.pinionLine()->isHidden());
        QVERIFY(!rim.wheelLine()->isHidden());
        answer = QDialog::Accepted;
        QVERIFY(ui.rimWarningContinue(Gear::Pinion));
        QCOMPARE(shown.size(), 2);

        // A dialog that exists opens; one that does not is left alone.
        QDialog geometry;
        ui.registerDialog(DialogId::Geometry, &geometry);
        ui.openDialog(DialogId::Geometry, Modality::Modal);
        ui.openDialog(DialogId::Accuracy, Modality::Modal);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.last(), &geometry);
        ui.setActiveField(DialogId::Geometry, 4);
        QCOMPARE(ui.activeField(DialogId::Geometry), 4);
        QCOMPARE(ui.activeField(DialogId::Loading), 0);
    }
};

QTEST_MAIN(ResultPanelsTest)
#include "ResultPanelsTest.moc"
