// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The geometry dialog in the program: created right after the main window, opened modally by
// "Geometrie" on both tabs and by the engine's Epsilongama stop, its help topic through the
// program's viewer, and the module table beside it; the repaints that follow an accepted entry
// only, and the accessible names of every input window's edits.
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
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

    // Only an accepted entry repaints the other windows: a refused z2 = -40 on an external pair
    // gives its one message (no second one from a repaint of the dimensions window), an
    // accepted z2 shows the new root diameter there at once.
    void onlyAcceptedEntriesRepaintOtherWindows() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.geometrie.show();
        QVERIFY(QTest::qWaitForWindowActive(&a.geometrie));
        NumberEdit* z2 = a.geometrie.edit(GeometryField::z2);
        z2->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(z2->hasFocus());
        const QString df2 = a.rozmery.label("df2")->text();
        z2->clear();
        QTest::keyClicks(z2, QStringLiteral("-40"));
        QTest::keyClick(z2, Qt::Key_Return);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(a.data.z2, 40);
        QCOMPARE(a.rozmery.label("df2")->text(), df2);
        z2->clear();
        QTest::keyClicks(z2, QStringLiteral("50"));
        QTest::keyClick(z2, Qt::Key_Return);
        QCOMPARE(t.messages.size(), 1);
        QVERIFY(a.rozmery.label("df2")->text() != df2);
    }

    // Every numeric edit of every input window is named after its label, for screen readers
    // and UI automation.
    void everyEditIsNamedAfterItsLabel() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        const std::initializer_list<FieldDialog*> windows{&a.geometrie, &a.materialy, &a.rozmery, &a.khbeta, &a.pudorys,
                                                          &a.presnost, &a.zatizeni, &a.spektrum, &a.souc};
        int edits = 0;
        for (FieldDialog* w : windows) {
            for (QLabel* label : w->findChildren<QLabel*>()) {
                auto* edit = qobject_cast<NumberEdit*>(label->buddy());
                if (!edit || edit->window() != w) continue;  // a window of its own is counted as one
                ++edits;
                QString name = QTextDocumentFragment::fromHtml(label->text()).toPlainText().simplified();
                if (name.endsWith(QLatin1Char('='))) name = name.chopped(1).trimmed();
                QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(w->objectName() + edit->objectName()));
                QCOMPARE(edit->accessibleName(), name);
            }
            for (NumberEdit* edit : w->findChildren<NumberEdit*>())
                if (edit->window() == w) QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(w->objectName() + edit->objectName()));
        }
        QCOMPARE(edits, 16 + 24 + 14 + 2 + 8 + 8 + 26 + 41 + 34);
        QCOMPARE(a.geometrie.edit(GeometryField::z1)->accessibleName(), QStringLiteral("z1"));
        QCOMPARE(a.presnost.field(1)->accessibleName(), QStringLiteral("IT1"));
        QCOMPARE(a.rozmery.field(1)->accessibleName(), QStringLiteral("b1"));
    }
};

QTEST_MAIN(GeometryWiringTest)
#include "GeometryWiringTest.moc"
