// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The windows around the coefficients dialog: the tooth-root factors dialog (choice of the
// standard, the factor labels, the chart marks, the LINKE panel), the grinding-notch window and
// the two help tables.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/GrindingNotchDialog.h"
#include "dialogs/CoefficientsDialog.h"
#include "dialogs/ToothRootFactorsDialog.h"
#include "dialogs/YtTable.h"
#include "dialogs/ZLZRZVTable.h"
#include "engine/Numbers.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

using namespace soukoli;

class RootFactorsTest : public QObject {
    Q_OBJECT

    GearPairData data_;
    testing::RecordingUi ui_;
    std::unique_ptr<CoefficientsDialog> souc_;
    std::unique_ptr<ToothRootFactorsDialog> ysa_;

    void openYSa() {
        souc_ = std::make_unique<CoefficientsDialog>(data_, ui_);
        ysa_ = std::make_unique<ToothRootFactorsDialog>(data_, ui_, *souc_);
        ysa_->show();
        QVERIFY(QTest::qWaitForWindowExposed(ysa_.get()));
    }
    QString text(const char* name) const { return ysa_->value(QString::fromLatin1(name))->text(); }

private slots:
    void init() {
        data_ = testing::defaultPair();
        ui_ = {};
    }
    void cleanup() {
        ysa_.reset();
        souc_.reset();
    }

    void csnShowsTheFactorsOfTheCharts() {
        openYSa();
        QVERIFY(ysa_->option(Standard::CSN)->isChecked());
        QCOMPARE(ysa_->windowTitle(), QStringLiteral("YFa1,2     YSa1,2"));
        QCOMPARE(text("rowF1"), QStringLiteral("Y<sub>Fa1</sub>"));
        QCOMPARE(text("YF1"), QString::fromStdString(str(data_.YFa1, 1, 3)));
        QCOMPARE(text("YS2"), QString::fromStdString(str(data_.YSa2, 1, 3)));
        QCOMPARE(text("YFS1"), QString::fromStdString(str(data_.YFa1 * data_.YSa1, 1, 3)));
        QCOMPARE(text("sFn1"), QStringLiteral("sFn1  = ") + QString::fromStdString(str(data_.sFn1, 1, 3)));
        QCOMPARE(text("hF2"), QStringLiteral("hFa2  = ") + QString::fromStdString(str(data_.hFa2, 1, 3)));
        QCOMPARE(text("qs1"), QStringLiteral(" - - -"));
        QCOMPARE(text("qs2"), QStringLiteral(" - - -"));
        QVERIFY(ysa_->linkePanel()->isVisible());
        QVERIFY(ysa_->adoptBox(1)->isVisible());
        QVERIFY(ui_.messages.empty());
    }

    void valuesOutsideTheChartsAreMarked() {
        data_.x1 = 1.5;
        openYSa();
        QCOMPARE(text("YS1"), QStringLiteral(" - - -"));
        QCOMPARE(text("YFS1"), QStringLiteral(" - - -"));
        QVERIFY(text("YF1") != QStringLiteral(" - - -"));
        QVERIFY(text("YS2") != QStringLiteral(" - - -"));
        QVERIFY(ui_.messages.empty());
    }

    void choosingDinIsoBClearsTheEnteredRootFactors() {
        data_.YFa1Given = data_.YSa2Given = data_.YFS2Given = data_.ZbetaGiven = true;
        data_.YFa1 = 2.5;
        openYSa();
        souc_->showFields();
        QCOMPARE(souc_->field(13)->text(), QStringLiteral("2.500"));
        QSignalSpy changed(ysa_.get(), &ToothRootFactorsDialog::standardChanged);
        QTest::mouseClick(ysa_->option(Standard::DIN_B), Qt::LeftButton);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(data_.standard, Standard::DIN_B);
        QVERIFY(!data_.YFa1Given && !data_.YSa2Given && !data_.YFS2Given && !data_.ZbetaGiven);
        QCOMPARE(souc_->field(13)->text(), QString());
        QCOMPARE(souc_->label(13)->text(), QStringLiteral("Y<sub>Fe1</sub>"));
        QCOMPARE(ysa_->windowTitle(), QStringLiteral("YFe1,2     YSe1,2"));
        QCOMPARE(text("rowS2"), QStringLiteral("Y<sub>Se2</sub>"));
        QCOMPARE(text("YF1"), QString::fromStdString(str(data_.YFe1, 1, 3)));
        QCOMPARE(text("hF1"), QStringLiteral("hFe1  = ") + QString::fromStdString(str(data_.hFe1, 1, 3)));
        QCOMPARE(text("qs1"), QStringLiteral("qs1   = ") + QString::fromStdString(str(data_.qs1, 1, 3)));
        QVERIFY(ysa_->linkePanel()->isHidden());
        QVERIFY(ysa_->value(QStringLiteral("Yepsilon"))->isHidden());
        QVERIFY(ysa_->adoptBox(1)->isHidden());
        // Clicking the chosen option again changes nothing.
        QTest::mouseClick(ysa_->option(Standard::DIN_B), Qt::LeftButton);
        QCOMPARE(changed.size(), 1);
        QTest::mouseClick(ysa_->option(Standard::DIN_C), Qt::LeftButton);
        QCOMPARE(data_.standard, Standard::DIN_C);
        QCOMPARE(ysa_->windowTitle(), QStringLiteral("YFa1,2     YSa1,2"));
        QCOMPARE(changed.size(), 2);
    }

    void showingTheDialogKeepsTheEnteredFactorsOfALoadedProject() {
        data_.standard = Standard::DIN_B;
        data_.YFa2Given = true;
        openYSa();
        QVERIFY(ysa_->option(Standard::DIN_B)->isChecked());
        QVERIFY(data_.YFa2Given);
        QCOMPARE(data_.standard, Standard::DIN_B);
    }

    void internalWheelOffersOnlyCsn() {
        data_ = testing::defaultPair(Toothing::Internal);
        data_.standard = Standard::DIN_C;
        data_.YFS1Given = true;
        openYSa();
        QCOMPARE(data_.standard, Standard::CSN);
        QVERIFY(!data_.YFS1Given);
        QVERIFY(ysa_->option(Standard::CSN)->isChecked());
        QVERIFY(!ysa_->option(Standard::DIN_B)->isEnabled());
        QVERIFY(!ysa_->option(Standard::DIN_C)->isEnabled());
        QCOMPARE(text("qs1"), QStringLiteral(" - - -"));
        QCOMPARE(text("qs2"), QStringLiteral("qs2   = ") + QString::fromStdString(str(data_.qs2, 1, 3)));
    }

    void informativeValueIsAdoptedByItsBox() {
        openYSa();
        const double qs = data_.sFn1 / (2 * data_.RoFn1);
        const double YSa1L = 1.22 * std::cbrt(qs);
        QCOMPARE(text("YSa1L"), QStringLiteral("Y<sub>Sa1</sub> = ") + QString::fromStdString(str(YSa1L, 1, 3)));
        QTest::mouseClick(ysa_->adoptBox(1), Qt::LeftButton);
        QVERIFY(data_.YSa1Given);
        QCOMPARE(data_.YSa1, YSa1L);
        QCOMPARE(souc_->field(15)->text(), QString::fromStdString(str(YSa1L, 5, 3)));
        QCOMPARE(text("YS1"), QString::fromStdString(str(YSa1L, 1, 3)));
        QTest::mouseClick(ysa_->adoptBox(4), Qt::LeftButton);
        QVERIFY(data_.ZbetaGiven);
        QTest::mouseClick(ysa_->adoptBox(1), Qt::LeftButton);
        QVERIFY(!data_.YSa1Given);
        // The boxes show the marks when the dialog opens again.
        ysa_->hide();
        ysa_->show();
        QVERIFY(!ysa_->adoptBox(1)->isChecked());
        QVERIFY(ysa_->adoptBox(4)->isChecked());
    }

    void notchRadiusFromTheGrindingWheel() {
        data_.tg1 = 0.1;
        data_.Rog1 = 0.3;
        souc_ = std::make_unique<CoefficientsDialog>(data_, ui_);
        GrindingNotchDialog rog(data_, ui_, *souc_);
        rog.openFor(Gear::Pinion, 3);
        QVERIFY(QTest::qWaitForWindowActive(&rog));
        QCOMPARE(rog.gearIndex()->text(), QStringLiteral("1"));
        QCOMPARE(rog.result()->text(), QStringLiteral(" 0.300"));
        NumberEdit* e = rog.edgeRadiusField();
        e->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(e->hasFocus());
        e->setText(QStringLiteral("abc"));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
        e->setText(QStringLiteral("0.5"));
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(e->text(), QStringLiteral(" 0.5"));
        QCOMPARE(ui_.messages.size(), std::size_t{1});
        QVERIFY(std::abs(data_.Rog1 - (data_.RoFn1 - data_.Rof1_star * data_.mn + 0.5)) < 1e-9);
        const QString shown = QString::fromStdString(str(data_.Rog1, 6, 3));
        QCOMPARE(rog.result()->text(), shown);
        QCOMPARE(souc_->field(3)->text(), shown);
        QTest::mouseClick(rog.okButton(), Qt::LeftButton);
        QVERIFY(!rog.isVisible());
    }

    void emptyEdgeRadiusLeavesTheEnteredNotch() {
        data_.tg2 = 0.15;
        data_.Rog2 = 0.6;
        souc_ = std::make_unique<CoefficientsDialog>(data_, ui_);
        GrindingNotchDialog rog(data_, ui_, *souc_);
        rog.openFor(Gear::Wheel, 2);
        QVERIFY(QTest::qWaitForWindowActive(&rog));
        QCOMPARE(rog.gearIndex()->text(), QStringLiteral("2"));
        QTest::mouseClick(rog.okButton(), Qt::LeftButton);
        QCOMPARE(data_.Rog2, 0.6);
        QVERIFY(std::abs(data_.YSarel2 - 1.3 / (1.3 - 0.6 * 0.5)) < 1e-12);  // recomputed
        QVERIFY(ui_.messages.empty());
        QVERIFY(!rog.edgeRadius());
    }

    void helpTablesFollowTheCalculation() {
        souc_ = std::make_unique<CoefficientsDialog>(data_, ui_);
        YtTable yt(data_, *souc_);
        yt.openFor(5);
        QCOMPARE(yt.windowTitle(), QStringLiteral("Doporučené hodnoty součinitele technologie výroby YT"));
        QVERIFY(yt.ytPart()->isVisible());
        QVERIFY(yt.zrPart()->isHidden());
        QTest::keyClick(&yt, Qt::Key_Escape);
        QVERIFY(!yt.isVisible());
        data_.Zjednoduseny = true;
        yt.openFor(6);
        QCOMPARE(yt.windowTitle(), QStringLiteral("Doporučené hodnoty součinitele ZR"));
        QVERIFY(yt.zrPart()->isVisible());
        QVERIFY(yt.ytPart()->isHidden());

        ZLZRZVTable table(*souc_);
        table.openTable();
        QCOMPARE(table.windowTitle(), QStringLiteral("Doporučené hodnoty součinitele ZLZRZV"));
        bool found = false;
        for (const QLabel* l : table.findChildren<QLabel*>())
            found = found || l->text() == QStringLiteral("- ozubení frézováno nebo obráženo");
        QVERIFY(found);
        QTest::keyClick(&table, Qt::Key_A);
        QVERIFY(table.isVisible());
        QTest::keyClick(&table, Qt::Key_Escape);
        QVERIFY(!table.isVisible());
    }
};

QTEST_MAIN(RootFactorsTest)
#include "ToothRootFactorsDialogTest.moc"
