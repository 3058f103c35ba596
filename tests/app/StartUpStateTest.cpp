// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// One start-up state: the project saved right after the desktop program starts (and after each
// toothing switch, on either tab) is byte for byte the project soukoli-cli writes with --defaults.
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppFixture.h"

using namespace soukoli;
using soukoli::testing::slurp;
using soukoli::testing::StartedApp;

class StartUpStateTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void savedProjectEqualsTheCliDefaults_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("cliOptions");
        const QString second = QStringLiteral("second tab");
        QTest::newRow("start") << QStringList{} << QStringList{QStringLiteral("--defaults")};
        QTest::newRow("Vnitřní") << QStringList{QStringLiteral("Vnitřní")}
                                 << QStringList{QStringLiteral("--defaults"), QStringLiteral("--internal")};
        QTest::newRow("Vnitřní, Vnější") << QStringList{QStringLiteral("Vnitřní"), QStringLiteral("Vnější")}
                                         << QStringList{QStringLiteral("--defaults")};
        // The switch starts a new project, the first tab's preparation included: the second tab
        // then takes the nominal load of a new start.
        QTest::newRow("Vnitřní, Vnější, second tab")
            << QStringList{QStringLiteral("Vnitřní"), QStringLiteral("Vnější"), second}
            << QStringList{QStringLiteral("--defaults"), QStringLiteral("--simplified")};
        QTest::newRow("second tab, Vnitřní")
            << QStringList{second, QStringLiteral("Vnitřní")}
            << QStringList{QStringLiteral("--defaults"), QStringLiteral("--internal"), QStringLiteral("--simplified")};
    }

    void savedProjectEqualsTheCliDefaults() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, cliOptions);
        StartedApp t;
        SoukoliApp& a = *t.app;
        t.modalAnswer = QMessageBox::Discard;  // "Uložit změny?" after the tab's preparation: "Neukládat"
        for (const QString& choice : clicks) {
            if (choice == QStringLiteral("second tab")) {
                a.form.tabs()->setCurrentIndex(1);
                continue;
            }
            const MainWindow::Page& page = a.form.onFirstTab() ? a.form.fullPage() : a.form.simplifiedPage();
            QRadioButton* button = choice == QStringLiteral("Vnitřní") ? page.internal : page.external;
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(button->isChecked());
        }
        const QString tag = QString::fromUtf8(QTest::currentDataTag()).remove(QLatin1Char(' ')).remove(QLatin1Char(','));
        const QString saved = dir_.filePath(tag + QStringLiteral("-ulozeno"));
        a.form.saveAs(saved);
        QVERIFY2(t.messages.isEmpty(), qPrintable(t.messages.join(QLatin1Char('|'))));

        const QString written = dir_.filePath(tag + QStringLiteral("-cli.PEV"));
        QProcess cli;
        cli.start(QStringLiteral(SOUKOLI_CLI), cliOptions << written);
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);

        const QByteArray fromCli = slurp(written);
        QVERIFY(!fromCli.isEmpty());
        QCOMPARE(slurp(saved + QStringLiteral(".PEV")), fromCli);
    }
};

QTEST_MAIN(StartUpStateTest)
#include "StartUpStateTest.moc"
