// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// "Zatížení" on both tabs of the main window: the loading dialog opens modally, trimmed on the
// second tab to the simplified calculation and whole again on the first; the engine may ask for
// it; its help topic reaches the help viewer.
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/AppFixture.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

QPushButton* loadingButton(const MainWindow::Page& p) {
    for (QPushButton* b : p.inputs)
        if (b->text() == QStringLiteral("Zatížení")) return b;
    return nullptr;
}

}  // namespace

class LoadingWiringTest : public QObject {
    Q_OBJECT

private slots:
    void bothTabsOpenTheLoadingDialog() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QPushButton* full = loadingButton(a.form.fullPage());
        QVERIFY(full && full->isEnabled());
        a.data.MetodaVypoctu = 'B';
        QTest::mouseClick(full, Qt::LeftButton);
        QCOMPARE(t.modals, QStringList{QStringLiteral("LoadingDialog")});
        QCOMPARE(a.data.MetodaVypoctu, 'B');
        QVERIFY(!a.zatizeni.methodB()->isHidden());

        a.form.tabs()->setCurrentIndex(1);
        a.data.MetodaVypoctu = 'B';
        QTest::mouseClick(loadingButton(a.form.simplifiedPage()), Qt::LeftButton);
        QCOMPARE(t.modals.size(), 2);
        QCOMPARE(a.data.MetodaVypoctu, 'A');
        QVERIFY(a.zatizeni.methodB()->isHidden());
        QVERIFY(a.zatizeni.field(2)->isHidden());
        QVERIFY(a.zatizeni.helpButton()->isHidden());

        a.form.tabs()->setCurrentIndex(0);
        QTest::mouseClick(full, Qt::LeftButton);
        QVERIFY(!a.zatizeni.methodB()->isHidden());
        QVERIFY(!a.zatizeni.field(2)->isHidden());
    }

    void engineMayAskForTheLoadingDialog() {
        StartedApp t;
        t.app->ui.openDialog(DialogId::Loading, Modality::Modal);
        QCOMPARE(t.modals, QStringList{QStringLiteral("LoadingDialog")});
    }

    void levelsIsOpenedThroughTheProgramsModalHook() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.MetodaVypoctu = 'B';
        a.data.ZadaniSil = kLoadsFromLevels;
        a.zatizeni.repaintFields();
        a.zatizeni.levelsButton()->click();
        QCOMPARE(t.modals, QStringList{QStringLiteral("LoadLevelsDialog")});
    }

    void chszChartClosesWithTheLoadingWindowAndKeepsItsNumbersApart() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.MetodaVypoctu = 'B';
        a.data.ZadaniSil = kLoadsFromClasses;
        a.zatizeni.show();
        a.zatizeni.repaintFields();
        QTest::mouseClick(a.zatizeni.helpBeside(16), Qt::LeftButton);
        QVERIFY(a.chsz.isVisible());
        QTest::mouseClick(a.zatizeni.okButton(), Qt::LeftButton);
        QVERIFY2(!a.zatizeni.isVisible(), qPrintable(t.messages.join(QLatin1Char('|'))));
        QVERIFY(!a.chsz.isVisible());

        for (const CHSZChart* chart : {a.chsz.leftChart(), a.chsz.rightChart()}) {
            const QList<QRect> labels = chart->labelRects();
            for (qsizetype i = 0; i < labels.size(); ++i) {
                QVERIFY(chart->rect().contains(labels[i]));
                for (qsizetype k = i + 1; k < labels.size(); ++k)
                    QVERIFY2(!labels[i].intersects(labels[k]), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(k)));
            }
        }
    }
};

QTEST_MAIN(LoadingWiringTest)
#include "LoadingWiringTest.moc"
