// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// One start-up state: the project saved right after the desktop program starts (and after each
// toothing switch) is byte for byte the project soukoli-cli writes with --defaults.
#include <QFile>
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
        QTest::newRow("start") << QStringList{} << QStringList{QStringLiteral("--defaults")};
        QTest::newRow("Vnitřní") << QStringList{QStringLiteral("Vnitřní")}
                                 << QStringList{QStringLiteral("--defaults"), QStringLiteral("--internal")};
        QTest::newRow("Vnitřní, Vnější") << QStringList{QStringLiteral("Vnitřní"), QStringLiteral("Vnější")}
                                         << QStringList{QStringLiteral("--defaults")};
    }

    void savedProjectEqualsTheCliDefaults() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, cliOptions);
        StartedApp t;
        SoukoliApp& a = *t.app;
        for (const QString& choice : clicks) {
            QRadioButton* button = choice == QStringLiteral("Vnitřní") ? a.form.fullPage().internal
                                                                       : a.form.fullPage().external;
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
