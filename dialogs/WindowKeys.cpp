// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// F1 as a shortcut of the whole window, so that it works whichever child (or the window itself)
// has the focus and needs no key handler in each window.
#include "dialogs/WindowKeys.h"

#include <QShortcut>
#include <QWidget>

namespace soukoli {

void bindHelpKey(QWidget& window, std::function<void()> openHelp) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, &window, std::move(openHelp));
}

}  // namespace soukoli
