// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Placement of reference windows beside their input window.
#include "dialogs/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace soukoli {

void placeBeside(QWidget& window, const QWidget& anchor) {
    constexpr int kGap = 6;
    const QWidget* owner = anchor.window();
    const QRect base = owner->frameGeometry();
    // Before the window manager has framed the window, its frame is taken as the owner's.
    const QMargins decoration(owner->geometry().left() - base.left(), owner->geometry().top() - base.top(),
                              base.right() - owner->geometry().right(), base.bottom() - owner->geometry().bottom());
    window.adjustSize();
    const QSize size = window.frameGeometry() != window.geometry()
        ? window.frameGeometry().size()
        : window.geometry().marginsAdded(decoration).size();
    const QScreen* screen = owner->screen();
    const QRect avail = screen ? screen->availableGeometry() : base;
    const auto clampY = [&](int y) { return std::clamp(y, avail.top(), std::max(avail.top(), avail.bottom() + 1 - size.height())); };
    const auto clampX = [&](int x) { return std::clamp(x, avail.left(), std::max(avail.left(), avail.right() + 1 - size.width())); };
    const QPoint candidates[] = {
        {base.right() + 1 + kGap, clampY(base.top())},
        {base.left() - kGap - size.width(), clampY(base.top())},
        {clampX(base.left()), base.bottom() + 1 + kGap},
        {clampX(base.left()), base.top() - kGap - size.height()},
    };
    for (const QPoint& at : candidates) {
        if (avail.contains(QRect(at, size))) {
            window.move(at);
            return;
        }
    }
    // No free side: over the owner's right part, whole on the screen.
    window.move(clampX(base.right() + 1 - size.width()), clampY(base.top()));
}

}  // namespace soukoli
