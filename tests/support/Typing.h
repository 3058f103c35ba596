// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Real keys for the dialog and app tests: the focus into a field, the text typed over its
// content, and the field left by Enter or Tab, as a person does it.
#pragma once

#include <QLineEdit>
#include <QtTest>

namespace soukoli::testing {

/// Puts the focus into `e` and types `text` over its content.
inline void typeOver(QLineEdit* e, const QString& text) {
    e->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(e->hasFocus());
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

/// typeOver, then `key` (Enter by default, or Tab to leave the field).
inline void typeAndLeave(QLineEdit* e, const QString& text, Qt::Key key = Qt::Key_Return) {
    typeOver(e, text);
    if (QTest::currentTestFailed()) return;
    QTest::keyClick(e, key);
}

}  // namespace soukoli::testing
