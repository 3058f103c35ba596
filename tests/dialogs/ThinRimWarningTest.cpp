// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The rim warning window: its lines, its default button and Esc.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "dialogs/ThinRimWarning.h"

using namespace soukoli;

class HlaseniTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheLineOfTheGearConcerned() {
        ThinRimWarning h;
        h.prepare(Gear::Pinion);
        QCOMPARE(h.pinionLine()->text(), QStringLiteral("Rozměr sr1 je menší než doporučuje norma."));
        QVERIFY(!h.pinionLine()->isHidden());
        QVERIFY(h.wheelLine()->isHidden());
        h.prepare(Gear::Wheel);
        QCOMPARE(h.wheelLine()->text(), QStringLiteral("Rozměr sr2 je menší než doporučuje norma."));
        QVERIFY(h.pinionLine()->isHidden());
        QVERIFY(!h.wheelLine()->isHidden());
        QCOMPARE(h.continueButton()->text(), QStringLiteral("Počítej dále"));
        QCOMPARE(h.fixButton()->text(), QStringLiteral("Oprav vstup"));
        QVERIFY(h.continueButton()->isDefault());
        QVERIFY(!(h.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void keysAndButtons_data() {
        QTest::addColumn<int>("action");  // 0 Enter, 1 Esc, 2 "Počítej dále", 3 "Oprav vstup"
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << 0 << int(QDialog::Accepted);
        QTest::newRow("Esc") << 1 << int(QDialog::Rejected);
        QTest::newRow("Počítej dále") << 2 << int(QDialog::Accepted);
        QTest::newRow("Oprav vstup") << 3 << int(QDialog::Rejected);
    }
    void keysAndButtons() {
        QFETCH(int, action);
        QFETCH(int, result);
        ThinRimWarning h;
        h.prepare(Gear::Pinion);
        h.setResult(-1);
        h.show();
        QVERIFY(QTest::qWaitForWindowActive(&h));
        switch (action) {
        case 0: QTest::keyClick(&h, Qt::Key_Return); break;
        case 1: QTest::keyClick(&h, Qt::Key_Escape); break;
        case 2: QTest::mouseClick(h.continueButton(), Qt::LeftButton); break;
        default: QTest::mouseClick(h.fixButton(), Qt::LeftButton); break;
        }
        QCOMPARE(h.result(), result);
        QVERIFY(!h.isVisible());
    }
};

QTEST_MAIN(HlaseniTest)
#include "ThinRimWarningTest.moc"
