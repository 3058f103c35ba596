// The help viewer: the file format, the topics the dialogs ask for, and "chyba" when the file
// or the topic is missing.
#include <QtTest>

#include "app/HelpViewer.h"
#include "support/RecordingUi.h"

using namespace soukoli;

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void parsesTopicsParagraphsAndLists() {
        const auto topics = parseHelpFile(QStringLiteral(
            "# comment\r\n@0 Obsah\r\nFirst line\r\nsame paragraph\r\n\r\n- item one\r\n- item two\r\n@21 Geometrie\r\nText"));
        QCOMPARE(topics.size(), std::size_t{2});
        QCOMPARE(topics.at(0).title, QStringLiteral("Obsah"));
        QCOMPARE(topics.at(0).html, QStringLiteral("<p>First line same paragraph</p><ul><li>item one</li><li>item two</li></ul>"));
        QCOMPARE(topics.at(21).html, QStringLiteral("<p>Text</p>"));
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
