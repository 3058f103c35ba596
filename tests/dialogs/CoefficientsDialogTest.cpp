// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The coefficients dialog: one accepted and one refused entry typed into it, the fields an entry
// rewrites or disables, the layout by method letter, calculation depth and standard, the notch
// check of "&Ok", the engine's active field and the help buttons. The fields' rules are tested in
// tests/engine/CoefficientsTest.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/CoefficientsDialog.h"
#include "engine/Coefficients.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"
#include "support/Typing.h"

using namespace soukoli;

Q_DECLARE_METATYPE(soukoli::Gear)

class SoucFTest : public QObject {
    Q_OBJECT

    GearPairData data_;
    testing::RecordingUi ui_;
    std::unique_ptr<CoefficientsDialog> dialog_;

    void open() {
        dialog_ = std::make_unique<CoefficientsDialog>(data_, ui_);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    // Types `text` over field `number` with real keys and leaves it by `key` (Enter or Tab).
    void enter(int number, const QString& text, Qt::Key key = Qt::Key_Return) {
        testing::typeAndLeave(dialog_->field(number), text, key);
    }

private slots:
    void init() {
        data_ = testing::defaultPair();
        data_.MetodaVypoctu = 'B';  // every field usable
        ui_ = {};
    }
    void cleanup() { dialog_.reset(); }

    // The wiring: an accepted factor is rewritten in its format, a refused one shows its message
    // once and keeps the focus, an emptied optional factor is shown empty again.
    void entryThroughTheEngine() {
        open();
        enter(11, QStringLiteral("1.2"));
        QVERIFY(ui_.messages.empty());
        QCOMPARE(dialog_->field(11)->text(), QStringLiteral("1.200"));
        QVERIFY(data_.KHvGiven);

        enter(11, QStringLiteral("-1"), Qt::Key_Tab);
        QTRY_VERIFY(dialog_->field(11)->hasFocus());
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
        QCOMPARE(dialog_->field(11)->text(), QStringLiteral("-1"));
        QCOMPARE(data_.KHv, 1.2);

        enter(11, QString(), Qt::Key_Tab);
        QTRY_VERIFY(!dialog_->field(11)->hasFocus());  // accepted: the focus moves on
        QCOMPARE(ui_.messages.size(), std::size_t{1});
        QCOMPARE(dialog_->field(11)->text(), QString());
        QVERIFY(!data_.KHvGiven);
    }

    void optionalFieldsShowOnlyEnteredFactors() {
        data_.YN1 = 1.1;   // computed: not shown
        data_.ZN2 = 1.05;
        data_.ZN2Given = true;
        open();
        QCOMPARE(dialog_->field(19)->text(), QString());
        QCOMPARE(dialog_->field(22)->text(), QStringLiteral("1.050"));
    }

    // Which factors exclude each other is the engine's; an entry rewrites the other fields.
    void entryRewritesTheOtherFields() {
        open();
        enter(13, QStringLiteral("2.5"));
        enter(17, QStringLiteral("2.1"));
        QCOMPARE(dialog_->field(13)->text(), QString());
        QCOMPARE(dialog_->field(17)->text(), QStringLiteral("2.100"));
        QVERIFY(ui_.messages.empty());
    }

    void enteredLimitStressFixesYt() {
        data_.YT1 = 1.3;
        open();
        QVERIFY(dialog_->field(5)->isEnabled());
        enter(23, QStringLiteral("420"));
        QCOMPARE(dialog_->field(23)->text(), QStringLiteral(" 420.0"));
        QCOMPARE(dialog_->field(5)->text(), QStringLiteral("1.000"));
        QVERIFY(!dialog_->field(5)->isEnabled());
        QVERIFY(dialog_->field(6)->isEnabled());
        enter(23, QStringLiteral("0"));
        QVERIFY(dialog_->field(5)->isEnabled());
    }

    void layoutOfMethodA() {
        data_.MetodaVypoctu = 'A';
        open();
        for (int n = 27; n <= 32; ++n) {
            QVERIFY(!dialog_->field(n)->isEnabled());
            QVERIFY(dialog_->field(n)->isHidden());
        }
        QVERIFY(dialog_->field(26)->isVisible());
        QVERIFY(dialog_->field(33)->isVisible());
    }

    void layoutOfTheSimplifiedCalculation() {
        data_.Zjednoduseny = true;
        data_.ZR1 = 0.85;
        open();
        for (int n : {1, 2, 3, 4, 7, 19, 20, 21, 22, 23, 24, 25, 26, 33, 34}) QVERIFY2(dialog_->field(n)->isHidden(), qPrintable(QString::number(n)));
        for (int n : {5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}) QVERIFY(dialog_->field(n)->isVisible());
        for (int n : {1, 2, 3, 4, 7}) QVERIFY(dialog_->rowHelp(n)->isHidden());
        QVERIFY(dialog_->rowHelp(5)->isVisible());
        QVERIFY(dialog_->label(7)->isHidden());
        QVERIFY(dialog_->label(1)->isVisible());
        QCOMPARE(dialog_->label(5)->text(), QStringLiteral("Z<sub>R1</sub>"));
        QCOMPARE(dialog_->field(5)->text(), QStringLiteral("0.850"));
        // The full calculation shows everything again.
        dialog_->hide();
        data_.Zjednoduseny = false;
        dialog_->show();
        QVERIFY(dialog_->field(1)->isVisible());
        QCOMPARE(dialog_->label(5)->text(), QStringLiteral("Y<sub>T1</sub>"));
    }

    void dinIsoBNamesTheFormFactorsYFe() {
        data_.standard = Standard::DIN_B;
        open();
        QCOMPARE(dialog_->label(13)->text(), QStringLiteral("Y<sub>Fe1</sub>"));
        QCOMPARE(dialog_->label(16)->text(), QStringLiteral("Y<sub>Se2</sub>"));
    }

    void okRefusesANotchWithOnlyOneDimension() {
        open();
        enter(1, QStringLiteral("0.05"));
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QCOMPARE(ui_.texts(), std::vector<std::string>{std::string(kNotchCombination1)});
        QVERIFY(dialog_->isVisible());
        QVERIFY(dialog_->field(1)->hasFocus());
        enter(3, QStringLiteral("0.25"));
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QCOMPARE(ui_.messages.size(), std::size_t{1});
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    }

    void okAfterARejectedEntryKeepsTheWindowOpen() {
        open();
        NumberEdit* e = dialog_->field(9);
        e->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(e->hasFocus());
        e->setText(QStringLiteral("abc"));
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
        QVERIFY(dialog_->isVisible());
        QVERIFY(e->hasFocus());
    }

    void activeFieldOfTheEngineHasTheFocusAtTheNextOpening() {
        data_.MetodaVypoctu = 'B';
        dialog_ = std::make_unique<CoefficientsDialog>(data_, ui_);
        dialog_->setActiveField(kLastMaximumLoadFactor);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QTRY_VERIFY(dialog_->field(32)->hasFocus());
        QVERIFY(dialog_->field(32)->isEnabled());
        // While shown the focus moves at once.
        dialog_->setActiveField(8);
        QTRY_VERIFY(dialog_->field(8)->hasFocus());
    }

    void helpTopicsAndRowButtons() {
        qRegisterMetaType<soukoli::Gear>();
        open();
        QSignalSpy help(dialog_.get(), &CoefficientsDialog::helpRequested);
        QSignalSpy notch(dialog_.get(), &CoefficientsDialog::notchHelpRequested);
        QSignalSpy table(dialog_.get(), &CoefficientsDialog::tableHelpRequested);
        QSignalSpy root(dialog_.get(), &CoefficientsDialog::rootFactorsRequested);
        enter(3, QStringLiteral("0"));
        QTest::keyClick(dialog_->field(3), Qt::Key_F1);
        enter(12, QStringLiteral("0"));
        QTest::mouseClick(dialog_->helpButton(), Qt::LeftButton);
        QCOMPARE(help.size(), 2);
        QCOMPARE(help.at(0).at(0).toInt(), 81);
        QCOMPARE(help.at(1).at(0).toInt(), 82);

        QTest::mouseClick(dialog_->rowHelp(1), Qt::LeftButton);
        QTest::mouseClick(dialog_->rowHelp(4), Qt::LeftButton);
        QCOMPARE(notch.size(), 2);
        QCOMPARE(notch.at(0).at(0).value<Gear>(), Gear::Pinion);
        QCOMPARE(notch.at(0).at(1).toInt(), 1);
        QCOMPARE(notch.at(1).at(0).value<Gear>(), Gear::Wheel);
        QCOMPARE(notch.at(1).at(1).toInt(), 4);
        QTest::mouseClick(dialog_->rowHelp(6), Qt::LeftButton);
        QTest::mouseClick(dialog_->rowHelp(7), Qt::LeftButton);
        QCOMPARE(table.size(), 2);
        QCOMPARE(table.at(0).at(0).toInt(), 6);
        QCOMPARE(table.at(1).at(0).toInt(), 7);
        QTest::mouseClick(dialog_->rowHelp(15), Qt::LeftButton);
        QCOMPARE(root.size(), 1);
    }
};

QTEST_MAIN(SoucFTest)
#include "CoefficientsDialogTest.moc"
