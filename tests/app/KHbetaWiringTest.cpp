// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// "KHß" in the main window: the button on both tabs opens the face-load window trimmed to the
// tab, the toothing switch resets it, and the face-load stage opens it when the scheme lacks a
// dimension.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QMessageBox>
#include <QtTest>
#include <algorithm>

#include "app/AppFixture.h"
#include "engine/FaceLoadInput.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

void clickOption(QCheckBox* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

QPushButton* khbetaButton(const MainWindow::Page& p) {
    return *std::find_if(p.inputs.begin(), p.inputs.end(),
                         [](QPushButton* b) { return b->text() == QStringLiteral("KHß"); });
}

}  // namespace

class KHbetaWiringTest : public QObject {
    Q_OBJECT

private slots:
    void windowsExistWithTheirCaptions() {
        StartedApp t;
        QCOMPARE(t.app->khbeta.windowTitle(), QStringLiteral("Stanovení součinitele KHß"));
        QCOMPARE(t.app->pudorys.windowTitle(), QStringLiteral("Volba půdorysného schématu pro výpočet KHbeta"));
        QCOMPARE(t.app->pudorysneSchema.windowTitle(),
                 QStringLiteral("Půdorysné schéma převodu    (ČSN 01 4686 část 4, obr.1)"));
    }

    void buttonOpensTheTrimmedWindowOnEachTab() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QTest::mouseClick(khbetaButton(a.form.fullPage()), Qt::LeftButton);
        QCOMPARE(t.modals, QStringList{QStringLiteral("KHbetaDialog")});
        QVERIFY(!a.khbeta.bcalOption()->isHidden());
        QVERIFY(!a.khbeta.helpButton()->isHidden());
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(khbetaButton(a.form.simplifiedPage()), Qt::LeftButton);
        QCOMPARE(t.modals.size(), 2);
        QVERIFY(a.khbeta.bcalOption()->isHidden());
        QVERIFY(a.khbeta.helpButton()->isHidden());
        a.form.tabs()->setCurrentIndex(0);
        QTest::mouseClick(khbetaButton(a.form.fullPage()), Qt::LeftButton);
        QVERIFY(!a.khbeta.bcalOption()->isHidden());
    }

    void schemeOptionOpensTheLayoutWindowOrThePicture() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.khbeta.show();
        QVERIFY(QTest::qWaitForWindowActive(&a.khbeta));
        clickOption(a.khbeta.schemeOption());
        QCOMPARE(t.modals, QStringList{QStringLiteral("LayoutSchemeDialog")});
        a.khbeta.hide();
        a.form.tabs()->setCurrentIndex(1);
        a.khbeta.show();
        QVERIFY(QTest::qWaitForWindowActive(&a.khbeta));
        clickOption(a.khbeta.schemeOption());
        QCOMPARE(t.modals.last(), QStringLiteral("LayoutSchemeChart"));
    }

    void internalToothingTakesTheSchemeAway() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.KHbetaFrom = KHbetaSource::FromBcal;
        t.modalAnswer = QMessageBox::Discard;  // the changed project is not to be saved
        a.form.fullPage().internal->setChecked(true);
        QVERIFY(!a.khbeta.schemeOption()->isEnabled());
        QVERIFY(a.khbeta.directOption()->isChecked() && !a.khbeta.bcalOption()->isChecked());
        QVERIFY(!a.khbeta.bcalEdit()->isEnabled() && a.khbeta.khbetaEdit()->isEnabled());
        QCOMPARE(a.khbeta.khbetaEdit()->text(), QStringLiteral("  1.3"));
        QCOMPARE(a.data.KHbetaFrom, KHbetaSource::Entered);
        a.form.fullPage().external->setChecked(true);
        QVERIFY(a.khbeta.schemeOption()->isEnabled());
    }

    void missingSchemeDimensionOpensTheWindow() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.KHbetaFrom = KHbetaSource::FromScheme;
        selectLayout(a.data, 2);
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY(!a.data.runFlag);
        QVERIFY(t.messages.contains(QStringLiteral("Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1")));
        QVERIFY(t.modals.contains(QStringLiteral("KHbetaDialog")));
    }
};

QTEST_MAIN(KHbetaWiringTest)
#include "KHbetaWiringTest.moc"
