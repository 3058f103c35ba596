// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Start of the desktop program: a project named on the command line opens as "Načti" opens it,
// the help is found in the build tree and in an installed tree, and Qt's own texts are Czech.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppFixture.h"
#include "app/Startup.h"
#include "files/FileCommands.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

QString example(const char* name) { return QDir(QStringLiteral(SOUKOLI_EXAMPLES)).filePath(QString::fromLatin1(name)); }

bool touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void projectArgument_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("project");
        QTest::newRow("none") << QStringList{"soukoli"} << QString();
        QTest::newRow("one project") << QStringList{"soukoli", "a b/x.PEV"} << QStringLiteral("a b/x.PEV");
        QTest::newRow("options are not projects") << QStringList{"soukoli", "--verbose", "x.pev"} << QStringLiteral("x.pev");
        QTest::newRow("the first of several") << QStringList{"soukoli", "x.PEV", "y.PEV"} << QStringLiteral("x.PEV");
        QTest::newRow("empty argument") << QStringList{"soukoli", ""} << QString();
    }
    void projectArgument() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, project);
        QCOMPARE(soukoli::projectArgument(arguments), project);
    }

    // The same refresh as "Načti": data, caption and, for a simplified project, the second tab.
    void openProjectLoadsAsLoadDoes() {
        StartedApp t;
        t.app->show();
        t.app->openProject(example("helical-din-b-spektrum.PEV"));
        QVERIFY2(t.messages.isEmpty(), qPrintable(t.messages.join(QLatin1Char('\n'))));
        QCOMPARE(t.app->data.z1, 23.0);
        QCOMPARE(t.app->data.standard, Standard::DIN_B);
        QVERIFY(t.app->form.windowTitle().startsWith(QStringLiteral("DIN - ISO  B")));
        QCOMPARE(t.app->form.tabs()->currentIndex(), 0);

        t.app->openProject(example("simplified.PEV"));
        QVERIFY(t.app->data.Zjednoduseny);
        QCOMPARE(t.app->form.tabs()->currentIndex(), 1);
    }

    void openProjectReportsAnUnreadableFile() {
        StartedApp t;
        const double z1 = t.app->data.z1;
        t.app->openProject(QStringLiteral("/nonexistent/project.PEV"));
        // The program's text, why, and the file.
        QCOMPARE(t.messages.size(), 1);
        const QStringList lines = t.messages[0].split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QString::fromUtf8(files::kLoadFailedText.data(), qsizetype(files::kLoadFailedText.size())));
        QCOMPARE(lines[1], QString::fromUtf8(files::loadErrorText(files::LoadError::Missing).data()));
        QCOMPARE(lines[2], QStringLiteral("/nonexistent/project.PEV"));
        QCOMPARE(t.app->data.z1, z1);
    }

    // Build tree: build/app/soukoli with build/app/help/; installed: PREFIX/bin/soukoli with
    // PREFIX/share/soukoli/.
    void helpIsFoundInTheBuildTreeAndInstalled() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString build = root.filePath(QStringLiteral("build/app"));
        QVERIFY(touch(build + QStringLiteral("/help/help_csn.hlp")));
        QCOMPARE(helpFileFor(build), build + QStringLiteral("/help/help_csn.hlp"));

        const QString installed = root.filePath(QStringLiteral("usr/share/soukoli/help_csn.hlp"));
        QVERIFY(touch(installed));
        QCOMPARE(helpFileFor(root.filePath(QStringLiteral("usr/bin"))), installed);
        // Nothing there: the installed place, which the viewer names as missing.
        QCOMPARE(helpFileFor(root.filePath(QStringLiteral("opt/bin"))), root.filePath(QStringLiteral("opt/share/soukoli/help_csn.hlp")));
        // The help the build copied is found by the test programs as by the program.
        QVERIFY(QFileInfo::exists(QStringLiteral(SOUKOLI_HELP_FILE)));
    }

    void fileDialogsSpeakCzech() {
        const QString qm = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_cs.qm"));
        if (!QFileInfo::exists(qm)) QSKIP("Qt's Czech translations (qt6-translations-l10n) are not installed");
        QVERIFY(loadQtTranslations(*QCoreApplication::instance()));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        auto* box = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(box);
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Zrušit"));
        const auto buttons = box->buttons();
        QVERIFY(std::any_of(buttons.begin(), buttons.end(), [](QAbstractButton* b) {
            return b->text().remove(QLatin1Char('&')) == QStringLiteral("Uložit");
        }));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
