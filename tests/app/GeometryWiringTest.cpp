// The geometry dialog in the program: created right after the main window, opened modally by
// "Geometrie" on both tabs and by the engine's Epsilongama stop, its help topic through the
// program's viewer, and the module table beside it.
#include <QPushButton>
#include <QtTest>

#include "app/AppFixture.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

QPushButton* geometryButton(const MainWindow::Page& page) {
    for (QPushButton* b : page.inputs)
        if (b->text() == QStringLiteral("Geometrie")) return b;
    return nullptr;
}

}  // namespace

class GeometryWiringTest : public QObject {
    Q_OBJECT

private slots:
    void geometryOnBothTabs() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QCOMPARE(a.geometrie.windowTitle(), QStringLiteral("Geometrie ozubení"));
        QCOMPARE(a.moduly.windowTitle(), QStringLiteral("Tabulka modulů [mm] podle ČSN 01 4608"));
        QTest::mouseClick(geometryButton(a.form.fullPage()), Qt::LeftButton);
        QCOMPARE(t.modals, QStringList{QStringLiteral("GeometryDialog")});
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(geometryButton(a.form.simplifiedPage()), Qt::LeftButton);
        QCOMPARE(t.modals.size(), 2);
        QCOMPARE(t.modals.last(), QStringLiteral("GeometryDialog"));
        QVERIFY(t.messages.isEmpty());
    }

    void contactRatioStopOpensTheGeometry() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.da1 = 80.5;
        a.data.da1Given = true;
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY(!a.data.runFlag);
        QVERIFY(t.messages.contains(QStringLiteral("Součinitel Epsilongama <=1. Uprav geometrii.")));
        QCOMPARE(t.modals, QStringList{QStringLiteral("GeometryDialog")});
    }

    void helpAndModuleTable() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.geometrie.show();
        QVERIFY(QTest::qWaitForWindowActive(&a.geometrie));
        NumberEdit* z1 = a.geometrie.edit(GeometryField::z1);
        z1->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(z1->hasFocus());
        z1->setText(QStringLiteral("abc"));
        // The help viewer stands for another program: opening it checks nothing.
        QTest::mouseClick(a.geometrie.helpButton(), Qt::LeftButton);
        QTRY_VERIFY(a.help.isVisible());
        QCOMPARE(a.help.currentTopic(), 21);
        QVERIFY(QTest::qWaitForWindowActive(&a.help));
        QVERIFY(t.messages.isEmpty());
        a.help.close();
        a.geometrie.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&a.geometrie));
        z1->setText(QStringLiteral("20"));
        QTest::mouseClick(a.geometrie.modulesButton(), Qt::LeftButton);
        QTRY_VERIFY(a.moduly.isVisible());
        QVERIFY(!a.moduly.isModal());
        QVERIFY(t.messages.isEmpty());
    }
};

QTEST_MAIN(GeometryWiringTest)
#include "GeometryWiringTest.moc"
