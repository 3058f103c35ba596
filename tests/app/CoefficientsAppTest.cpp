// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The coefficients dialog in the program: "Součinitele" on both tabs, the engine's requests for
// the dialog and its active field, and the main window's caption after a change of standard.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "AppFixture.h"
#include "dialogs/FieldDialog.h"
#include "support/Typing.h"

using namespace soukoli;
using testing::StartedApp;

class CoefficientsAppTest : public QObject {
    Q_OBJECT

    static QPushButton* button(const MainWindow::Page& page) {
        for (QPushButton* b : page.inputs)
            if (b->text() == QStringLiteral("Součinitele")) return b;
        return nullptr;
    }

private slots:
    void buttonOnBothTabsOpensTheDialogModally() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        for (const auto* page : {&a.form.fullPage(), &a.form.simplifiedPage()}) {
            QPushButton* b = button(*page);
            QVERIFY(b);
            QVERIFY(b->isEnabled());
        }
        QTest::mouseClick(button(a.form.fullPage()), Qt::LeftButton);
        QCOMPARE(t.modals, QStringList{QStringLiteral("CoefficientsDialog")});
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(button(a.form.simplifiedPage()), Qt::LeftButton);
        QCOMPARE(t.modals.size(), 2);
    }

    void engineRequestsReachTheDialog() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.MetodaVypoctu = 'B';
        a.ui.openDialog(DialogId::Coefficients, Modality::Modal);
        QCOMPARE(t.modals, QStringList{QStringLiteral("CoefficientsDialog")});
        a.ui.setActiveField(DialogId::Coefficients, 32);
        QCOMPARE(a.ui.activeField(DialogId::Coefficients), 32);
        QVERIFY(a.souc.field(32)->isEnabled());
        a.ui.openDialog(DialogId::Coefficients, Modality::Modeless);
        QVERIFY(a.souc.isVisible());
        QTRY_VERIFY(a.souc.field(32)->hasFocus());
        a.souc.hide();
    }

    void rootFactorsDialogFromTheCoefficientsAndTheCaption() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.souc.show();
        QTest::mouseClick(a.souc.rowHelp(13), Qt::LeftButton);
        QCOMPARE(t.modals, QStringList{QStringLiteral("ToothRootFactorsDialog")});
        a.ysa.show();
        QTest::mouseClick(a.ysa.option(Standard::DIN_B), Qt::LeftButton);
        QVERIFY(a.form.windowTitle().startsWith(QStringLiteral("DIN - ISO  B")));
        a.ysa.hide();
        a.souc.hide();
    }

    // ρa0g: the cursor is in it when the window opens; without a notch depth the entry is refused
    // with its reason and the cursor stays.
    void grindingWheelRadiusTakesTheFocusAndNeedsANotch() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.form.show();
        a.souc.show();
        a.data.tg1 = 0;
        QTest::mouseClick(a.souc.rowHelp(1), Qt::LeftButton);
        QTRY_VERIFY(a.rog.edgeRadiusField()->hasFocus());
        testing::typeAndLeave(a.rog.edgeRadiusField(), QStringLiteral("0.3"));
        QCOMPARE(t.messages.size(), 1);
        QVERIFY(t.messages[0].contains(QStringLiteral("tg1")));
        QVERIFY(a.rog.edgeRadiusField()->hasFocus());
        QCOMPARE(a.rog.edgeRadius(), std::nullopt);
        a.rog.hide();
        a.souc.hide();
    }

    void notchHelpOpensTheGrindingNotchWindowForItsGear() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.souc.show();
        QTest::mouseClick(a.souc.rowHelp(4), Qt::LeftButton);
        QVERIFY(a.rog.isVisible());
        QCOMPARE(a.rog.gearIndex()->text(), QStringLiteral("2"));
        QTest::mouseClick(a.souc.rowHelp(7), Qt::LeftButton);
        QVERIFY(a.zlzrzv.isVisible());
        QTest::mouseClick(a.souc.rowHelp(5), Qt::LeftButton);
        QVERIFY(a.yt.isVisible());
        a.souc.hide();
    }
};

QTEST_MAIN(CoefficientsAppTest)
#include "CoefficientsAppTest.moc"
