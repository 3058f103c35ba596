// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The materials, dimensions and accuracy windows in the started program: their buttons, the
// trimming of the second tab, the engine opening them, the limiting deviations looked up at
// start-up, and a measured deviation taken back.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>

#include "app/AppFixture.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

QPushButton* button(const MainWindow::Page& p, const QString& caption) {
    return *std::find_if(p.inputs.begin(), p.inputs.end(), [&](QPushButton* b) { return b->text() == caption; });
}

}  // namespace

class InputDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsOpenTheirDialogsModally() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QTest::mouseClick(button(a.form.fullPage(), QStringLiteral("Materiály")), Qt::LeftButton);
        QTest::mouseClick(button(a.form.fullPage(), QStringLiteral("Rozměry")), Qt::LeftButton);
        QTest::mouseClick(button(a.form.fullPage(), QStringLiteral("Přesnost")), Qt::LeftButton);
        QCOMPARE(t.modals, (QStringList{QStringLiteral("MaterialsDialog"), QStringLiteral("DimensionsDialog"),
                                        QStringLiteral("AccuracyDialog")}));
        QVERIFY(!a.materialy.edit(7)->isHidden());
        QVERIFY(!a.rozmery.field(5)->isHidden());
        QCOMPARE(a.materialovaTabulka.windowTitle(),
                 QStringLiteral("Volba materiálových parametrů    (ČSN 01 4686 část 5, tab.12)"));
    }

    void secondTabTrimsMaterialsAndDimensions() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(button(a.form.simplifiedPage(), QStringLiteral("Materiály")), Qt::LeftButton);
        QTest::mouseClick(button(a.form.simplifiedPage(), QStringLiteral("Rozměry")), Qt::LeftButton);
        for (int f : {7, 8, 9, 10, 20, 21, 22, 23}) QVERIFY(a.materialy.edit(f)->isHidden());
        for (int f : {3, 4, 5, 6, 7, 8, 9, 10}) QVERIFY(a.rozmery.field(f)->isHidden());
        QVERIFY(a.rozmery.inertiaGroup()->isHidden());
        a.form.tabs()->setCurrentIndex(0);
        QTest::mouseClick(button(a.form.fullPage(), QStringLiteral("Materiály")), Qt::LeftButton);
        QTest::mouseClick(button(a.form.fullPage(), QStringLiteral("Rozměry")), Qt::LeftButton);
        for (int f : {7, 8, 9, 10, 20, 21, 22, 23}) QVERIFY(!a.materialy.edit(f)->isHidden());
        QVERIFY(!a.rozmery.field(5)->isHidden());
        QVERIFY(!a.rozmery.inertiaGroup()->isHidden());
    }

    void solidGearFixesItsFaceWidthOnTheFirstTabOnly() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.PlnyPastorek = true;
        a.form.tabs()->setCurrentIndex(1);
        QVERIFY(a.rozmery.field(1)->isEnabled());
        a.form.tabs()->setCurrentIndex(0);
        QVERIFY(!a.rozmery.field(1)->isEnabled());
        QVERIFY(a.rozmery.field(2)->isEnabled());
    }

    void theEngineOpensTheDimensionsAndAccuracyWindows() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.ui.openDialog(DialogId::Dimensions, Modality::Modal);
        a.ui.openDialog(DialogId::Accuracy, Modality::Modal);
        QCOMPARE(t.modals, (QStringList{QStringLiteral("DimensionsDialog"), QStringLiteral("AccuracyDialog")}));
    }

    void deviationsAreLookedUpAtStartAndFollowTheFaceWidth() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QCOMPARE(a.data.fpb1, 24.0);
        QCOMPARE(a.data.fpb2, 26.0);
        QVERIFY(a.data.fpb1Given);
        a.rozmery.show();
        QVERIFY(QTest::qWaitForWindowActive(&a.rozmery));
        a.rozmery.field(1)->setFocus(Qt::OtherFocusReason);
        a.rozmery.field(1)->setText(QStringLiteral("1300"));
        QVERIFY(a.rozmery.commitField(1));
        QVERIFY(!a.data.Fbeta1Given);  // beyond the widths of the standard
        a.rozmery.hide();
    }

    void anEmptiedMeasuredFieldGivesTheLimitBackEvenOnAltO() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        AccuracyDialog& w = a.presnost;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        NumberEdit* fpbr1 = w.measuredField(0);
        fpbr1->setFocus(Qt::OtherFocusReason);
        fpbr1->setText(QStringLiteral("3"));
        QTest::keyClick(fpbr1, Qt::Key_Return);
        QVERIFY(!a.data.fpb1Given);
        QVERIFY(w.limitLabel(0)->text().isEmpty());
        fpbr1->setFocus(Qt::OtherFocusReason);
        fpbr1->clear();
        QTest::keyClick(fpbr1, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!w.isVisible());  // a mnemonic clicks after a short animation
        QVERIFY2(t.messages.isEmpty(), qPrintable(t.messages.join(QLatin1Char('|'))));
        QVERIFY(a.data.fpb1Given);
        QCOMPARE(a.data.fpbr1, 0.0);
        QCOMPARE(w.limitLabel(0)->text().trimmed(), QStringLiteral("24.0"));
    }
};

QTEST_MAIN(InputDialogsTest)
#include "InputDialogsTest.moc"
