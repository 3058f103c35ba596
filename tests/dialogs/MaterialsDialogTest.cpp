// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The materials window and the material table: accepted and refused entries typed into it, the
// exponent pictures, filling a group from the table, the heat-treatment lists and the trimming
// of the second tab. The fields' ranges are tested in tests/engine/MaterialsTest.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "dialogs/MaterialTable.h"
#include "dialogs/MaterialsDialog.h"
#include "dialogs/PressPreFilter.h"
#include "engine/Numbers.h"
#include "support/RecordingUi.h"

using namespace soukoli;

class MaterialsDialogTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    GearPairData data_;
    PressPreFilter filter_;
    std::unique_ptr<MaterialTable> table_;
    std::unique_ptr<MaterialsDialog> dialog_;
    int tableRow_ = 0;  // the row the modal table chooses, 0 = Escape

    void enter(int field, const QString& text) {
        NumberEdit* e = dialog_->edit(field);
        e->setFocus(Qt::OtherFocusReason);
        e->setText(text);
        dialog_->commitField(field);
    }

private slots:
    void initTestCase() { filter_.install(); }

    void init() {
        ui_ = {};
        data_ = {};
        data_.TypSoukoli = Toothing::External;
        setDefaults(data_);
        table_ = std::make_unique<MaterialTable>(data_);
        dialog_ = std::make_unique<MaterialsDialog>(data_, ui_, *table_);
        dialog_->runModal = [this](QDialog& d) {
            if (tableRow_ > 0) table_->choose(tableRow_);
            return d.result();
        };
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    void cleanup() {
        dialog_.reset();
        table_.reset();
    }

    void showsTheDataSet() {
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Zadání materiálových konstant"));
        QCOMPARE(dialog_->edit(1)->text(), QStringLiteral(" 700.0"));
        QCOMPARE(dialog_->edit(3)->text(), QStringLiteral("650"));
        QCOMPARE(dialog_->edit(7)->text(), QStringLiteral(" 9.0"));
        QCOMPARE(dialog_->edit(9)->text(), QStringLiteral("3E+6"));
        QCOMPARE(dialog_->edit(10)->text(), QStringLiteral("10E+7"));
        QCOMPARE(dialog_->edit(24)->text(), QStringLiteral("2.1E+5"));
        QCOMPARE(dialog_->edit(25)->text(), QStringLiteral("0.300"));
        QCOMPARE(dialog_->designation(Gear::Wheel)->text(), QStringLiteral("14 220"));
        QCOMPARE(dialog_->treatment(Gear::Pinion)->currentText(), QStringLiteral("cementovaná kalená"));
    }

    // The wiring with real keys (the rules are tested in the engine): an accepted entry is
    // shown again in its format (a picture for the large numbers, str for the others); a
    // refused one keeps the focus and leaves the data set as it was.
    void entryThroughTheEngine_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");  // empty: refused
        QTest::newRow("NHlim picture") << 10 << "50000000" << "50E+6";
        QTest::newRow("ν wheel 1") << 25 << "1" << "1.000";
        QTest::newRow("ν wheel 1.01") << 25 << "1.01" << "";
    }
    void entryThroughTheEngine() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const double before = *materialQuantity(data_, field);
        NumberEdit* e = dialog_->edit(field);
        e->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(e->hasFocus());
        e->clear();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
        if (!shown.isEmpty()) {
            QVERIFY(ui_.messages.empty());
            QCOMPARE(e->text(), shown);
            QCOMPARE(*materialQuantity(data_, field), parseNumber(text.toStdString()).value);
        } else {
            QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
            QVERIFY(e->hasFocus());
            QCOMPARE(*materialQuantity(data_, field), before);
        }
    }

    void designationIsStoredAsTyped() {
        QLineEdit* e = dialog_->designation(Gear::Pinion);
        e->setFocus(Qt::OtherFocusReason);
        e->setText(QStringLiteral("ČSN 12 050.1"));
        dialog_->edit(1)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(data_.Material1, std::string("ČSN 12 050.1"));
        QVERIFY(ui_.messages.empty());
    }

    void row40FillsThePinionWithTheDefaults() {
        data_.Rm1 = data_.E1 = 1;
        data_.Material1.clear();
        tableRow_ = 40;
        QTest::mouseClick(dialog_->chooseButton(Gear::Pinion), Qt::LeftButton);
        QCOMPARE(table_->windowTitle(), QStringLiteral("Volba materiálových parametrů    (ČSN 01 4686 část 5, tab.12)             PASTOREK"));
        QCOMPARE(data_.Rm1, 785.0);
        QCOMPARE(data_.E1, 2.1e5);
        QCOMPARE(dialog_->designation(Gear::Pinion)->text(), QStringLiteral("14 220"));
        QCOMPARE(dialog_->edit(5)->text(), QStringLiteral(" 785.0"));
        QCOMPARE(dialog_->edit(10)->text(), QStringLiteral("100e6"));
        QCOMPARE(dialog_->edit(11)->text(), QStringLiteral("2.1e5"));
    }

    void nitridedSteelShowsTheRangeOfQF() {
        tableRow_ = 33;
        QTest::mouseClick(dialog_->chooseButton(Gear::Wheel), Qt::LeftButton);
        QVERIFY(table_->windowTitle().endsWith(QStringLiteral("             KOLO")));
        QCOMPARE(data_.qF2, 9.0);
        QCOMPARE(data_.Zpracovani2, std::uint16_t{7});
        QCOMPARE(dialog_->treatment(Gear::Wheel)->currentText(), QStringLiteral("nitridovaná"));
        QCOMPARE(dialog_->edit(20)->text(), QStringLiteral("9÷12"));
        // Passing through the field reads it as 9: no message, nothing lost.
        dialog_->edit(20)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(dialog_->edit(20)->hasFocus());
        QTest::keyClick(dialog_->edit(20), Qt::Key_Return);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(data_.qF2, 9.0);
        QCOMPARE(data_.qF1, 9.0);
    }

    void escapeInTheTableChangesNothing() {
        const GearPairData before = data_;
        tableRow_ = 0;
        QTest::mouseClick(dialog_->chooseButton(Gear::Pinion), Qt::LeftButton);
        QCOMPARE(data_.Material1, before.Material1);
        QCOMPARE(data_.Rm1, before.Rm1);

        table_->setSide(Gear::Wheel);
        table_->show();
        QVERIFY(QTest::qWaitForWindowActive(table_.get()));
        QTest::keyClick(table_->grid(), Qt::Key_Escape);
        QVERIFY(!table_->isVisible());
        QVERIFY(!table_->lastChoice());
        QCOMPARE(data_.Material2, before.Material2);
    }

    void enterInTheGridChoosesTheCurrentRow() {
        table_->setSide(Gear::Wheel);
        table_->show();
        QVERIFY(QTest::qWaitForWindowActive(table_.get()));
        QCOMPARE(table_->grid()->rowCount(), 46);
        QCOMPARE(table_->grid()->item(0, 6)->text(), QStringLiteral("190··270"));
        table_->grid()->setCurrentCell(0, 1);
        QTest::keyClick(table_->grid(), Qt::Key_Return);
        QVERIFY(!table_->isVisible());
        QCOMPARE(data_.Material2, std::string("42 2306"));
        QCOMPARE(data_.JHV2, 190.0);
        QCOMPARE(data_.E2, 1.7e5);
        QCOMPARE(data_.NHlim2, 5e7);
        QCOMPARE(data_.Material1, std::string("14 220"));
    }

    void wheelListAfterThePinionsChoiceServesTheWheel() {
        tableRow_ = 11;
        QTest::mouseClick(dialog_->chooseButton(Gear::Pinion), Qt::LeftButton);
        QCOMPARE(data_.Zpracovani1, std::uint16_t{0});
        QComboBox* wheel = dialog_->treatment(Gear::Wheel);
        wheel->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(wheel->hasFocus());
        QCOMPARE(dialog_->materialSide(), Gear::Wheel);
        wheel->setCurrentIndex(2);
        dialog_->edit(1)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(data_.Zpracovani2, std::uint16_t{2});
        QCOMPARE(data_.Zpracovani1, std::uint16_t{0});
    }

    void helpKeyAndButtonAskForTopic31() {
        QSignalSpy help(dialog_.get(), &FieldDialog::helpRequested);
        dialog_->edit(1)->setFocus(Qt::OtherFocusReason);
        dialog_->edit(1)->setText(QStringLiteral("abc"));
        QTest::mouseClick(dialog_->helpButton(), Qt::LeftButton);
        QTest::keyClick(dialog_.get(), Qt::Key_F1);
        QCOMPARE(help.count(), 2);
        QCOMPARE(help.at(0).at(0).toInt(), 31);
        QVERIFY(ui_.messages.empty());
    }

    void okRefusesARejectedEntry() {
        enter(2, QStringLiteral("-1"));
        QCOMPARE(ui_.messages.size(), std::size_t{1});
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        enter(2, QStringLiteral("1300"));
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    }

    void secondTabHidesTheSNCurveFields() {
        dialog_->setSimplified(true);
        for (int f : {7, 8, 9, 10, 20, 21, 22, 23}) QVERIFY(dialog_->edit(f)->isHidden());
        for (int f : {1, 6, 11, 12, 14, 24, 25}) QVERIFY(!dialog_->edit(f)->isHidden());
        dialog_->setSimplified(false);
        for (int f : {7, 8, 9, 10, 20, 21, 22, 23}) QVERIFY(!dialog_->edit(f)->isHidden());
    }
};

QTEST_MAIN(MaterialsDialogTest)
#include "MaterialsDialogTest.moc"
