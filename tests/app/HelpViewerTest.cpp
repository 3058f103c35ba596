// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The help viewer: the file format, the topics the dialogs ask for, F1 in every window of the
// started program, links, back and forward, find in the page, and "chyba" when the file or the
// topic is missing.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "app/AppFixture.h"
#include "app/HelpViewer.h"
#include "support/RecordingUi.h"

using namespace soukoli;

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void parsesTopicsWithMarkdownBodies() {
        const auto topics = parseHelpFile(QStringLiteral(
            "# comment\r\n@0 Obsah\r\n## Heading\r\n\r\n- item one\r\n- item two\r\n\r\n@21 Geometrie\r\n| a | b |\r\n|---|---|\r\n| 1 | 2 |"));
        QCOMPARE(topics.size(), std::size_t{2});
        QCOMPARE(topics.at(0).title, QStringLiteral("Obsah"));
        // A "#" inside a topic is a heading, not a comment; the line ends are the file's own.
        QCOMPARE(topics.at(0).markdown, QStringLiteral("## Heading\n\n- item one\n- item two"));
        QCOMPARE(topics.at(21).markdown, QStringLiteral("| a | b |\n|---|---|\n| 1 | 2 |"));
    }

    // The page is formatted: a heading is a heading, a table a table, and the title comes first.
    void rendersMarkdownAndFollowsLinksThroughTheHistory() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("help_csn.hlp"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("@0 Obsah\n**tužene** a [odkaz](tema:21), [nikam](tema:5)\n"
                "@21 Geometrie\n| z1 | mn |\n|---|---|\n| 20 | 4 |\n\n"
                "Hledej slovo modul, a ještě jednou Modul.\n");
        f.close();
        testing::RecordingUi ui;
        HelpViewer viewer(path, ui);
        QVERIFY(viewer.openTopic(0));
        QVERIFY(viewer.pageText().startsWith(QStringLiteral("Obsah")));
        QVERIFY(viewer.pageText().contains(QStringLiteral("tužene a odkaz")));  // no stars left
        QVERIFY(!viewer.canGoBack());

        QVERIFY(viewer.followTopic(21));
        QVERIFY(!viewer.followTopic(5));  // a link to a topic the file lacks
        QCOMPARE(ui.texts(), std::vector<std::string>{"chyba"});
        QCOMPARE(viewer.currentTopic(), 21);
        QVERIFY(!viewer.pageText().contains(QLatin1Char('|')));  // the table is a table

        viewer.back();
        QCOMPARE(viewer.currentTopic(), 0);
        QVERIFY(viewer.canGoForward());
        viewer.forward();
        QCOMPARE(viewer.currentTopic(), 21);

        // Find wraps around the page once and ignores case; a missing word is reported.
        QVERIFY(viewer.findInPage(QStringLiteral("modul")));
        QCOMPARE(viewer.selectedText(), QStringLiteral("modul"));
        QVERIFY(viewer.findInPage(QStringLiteral("modul")));
        QCOMPARE(viewer.selectedText(), QStringLiteral("Modul"));
        QVERIFY(viewer.findInPage(QStringLiteral("modul")));
        QCOMPARE(viewer.selectedText(), QStringLiteral("modul"));
        QVERIFY(!viewer.findInPage(QStringLiteral("převodovka")));
    }

    // F1 in each window of the started program shows that window's topic.
    void f1InEveryWindowShowsItsTopic() {
        testing::StartedApp t;
        SoukoliApp& a = *t.app;
        struct Case {
            const char* name;
            QWidget* window;
            std::function<QWidget*()> prepare;  // returns the widget that gets the key
            int topic;
        };
        const auto focused = [](QWidget* w) {
            return [w] {
                w->setFocus(Qt::OtherFocusReason);
                return w;
            };
        };
        const auto loading = [&a](char method, std::uint16_t how) {
            return [&a, method, how]() -> QWidget* {
                a.data.MetodaVypoctu = method;
                a.data.ZadaniSil = how;
                return &a.zatizeni;
            };
        };
        const std::vector<Case> cases = {
            {"main window", &a.form, [&a] { return &a.form; }, 0},
            {"geometry", &a.geometrie, focused(a.geometrie.edit(GeometryField::z1)), 21},
            {"materials", &a.materialy, focused(a.materialy.edit(1)), 31},
            {"material table", &a.materialovaTabulka, [&a] { return &a.materialovaTabulka; }, 32},
            {"loading, static", &a.zatizeni, loading('A', 0), 42},
            {"loading, equivalent", &a.zatizeni, loading('B', 0), 41},
            {"loading, spectrum", &a.zatizeni, loading('B', 1), 43},
            {"loading, classes", &a.zatizeni, loading('B', 2), 45},
            {"loading, entered", &a.zatizeni, loading('B', 3), 46},
            {"load spectrum", &a.spektrum, [&a] { return &a.spektrum; }, 44},
            {"dimensions", &a.rozmery, focused(a.rozmery.field(1)), 51},
            {"accuracy", &a.presnost, [&a] { return &a.presnost; }, 61},
            {"face load factor", &a.khbeta, [&a] { return &a.khbeta; }, 71},
            {"layout schemes", &a.pudorys, focused(a.pudorys.edit(1)), 72},
            {"coefficients, mandatory", &a.souc, focused(a.souc.field(3)), 81},
            {"coefficients, optional", &a.souc, focused(a.souc.field(13)), 82},
            {"tooth-root factors", &a.ysa, [&a] { return &a.ysa; }, 82},
            {"grinding notch", &a.rog, [&a] { return &a.rog; }, 81},
        };
        for (const Case& c : cases) {
            c.window->show();
            c.window->activateWindow();
            QVERIFY2(QTest::qWaitForWindowActive(c.window), c.name);
            QWidget* target = c.prepare();
            if (target == c.window) target->setFocus(Qt::OtherFocusReason);
            // The key goes where a person's key would go: to the widget with the focus.
            QTRY_VERIFY2(QApplication::focusWidget() == target || c.window->isAncestorOf(QApplication::focusWidget()), c.name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            QTRY_VERIFY2(a.help.isVisible(), c.name);
            QVERIFY2(a.help.currentTopic() == c.topic, c.name);
            a.help.close();
            c.window->hide();
        }
        QVERIFY(t.messages.isEmpty());
    }

    void shippedFileHasEveryTopicOfTheDialogs() {
        testing::RecordingUi ui;
        HelpViewer viewer(QStringLiteral(SOUKOLI_HELP_FILE), ui);
        for (int topic : {0, 21, 31, 32, 41, 42, 43, 44, 45, 46, 51, 61, 71, 72, 81, 82}) {
            QVERIFY2(viewer.openTopic(topic), qPrintable(QString::number(topic)));
            QCOMPARE(viewer.currentTopic(), topic);
        }
        QVERIFY(viewer.pageText().contains(QStringLiteral("Součinitele")));
        QVERIFY(ui.messages.empty());
    }

    void missingFileOrTopicSaysChyba() {
        testing::RecordingUi ui;
        HelpViewer missing(QStringLiteral("/nonexistent/help_csn.hlp"), ui);
        QVERIFY(!missing.openTopic(0));
        HelpViewer shipped(QStringLiteral(SOUKOLI_HELP_FILE), ui);
        QVERIFY(!shipped.openTopic(99));
        QCOMPARE(ui.texts(), (std::vector<std::string>{"chyba", "chyba"}));
        QVERIFY(!missing.isVisible());
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
