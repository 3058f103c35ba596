// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Reference windows beside the input fields: shown on "Help", closed by Escape.
#include "dialogs/HelpTable.h"

#include <QKeyEvent>

#include "dialogs/WindowPlacement.h"

namespace soukoli {

HelpTable::HelpTable(const QString& caption, QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(caption);
    setObjectName(caption);
}

void HelpTable::openFor(std::function<void()> returnFocus) {
    returnFocus_ = std::move(returnFocus);
    if (!isVisible() && parentWidget()) placeBeside(*this, *parentWidget());
    show();
    raise();
    activateWindow();
}

void HelpTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
    if (returnFocus_) returnFocus_();
    event->accept();
}

}  // namespace soukoli
