// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Placement of the S-N windows: a few candidate spots, tried in the order a user expects them
// (right of the main window, left of it, then the free corners of the screen and of the main
// window), each with the windows one above the other or side by side.
#include "app/ChartPlacement.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace soukoli {

namespace {

constexpr int kGap = 6;

struct Arrangement {
    QSize block;        // both windows together
    QPoint secondAt;    // the second window's corner relative to the block's
};

bool clearOf(const QRect& block, const QList<QRect>& keepClear) {
    const QRect grown = block.adjusted(-kGap / 2, -kGap / 2, kGap / 2, kGap / 2);
    for (const QRect& r : keepClear)
        if (grown.intersects(r)) return false;
    return true;
}

}  // namespace

std::array<QPoint, 2> chartPositions(const QRect& screen, const QRect& mainFrame, const QList<QRect>& keepClear,
                                     QSize first, QSize second) {
    const std::array<Arrangement, 2> arrangements{{
        {QSize(std::max(first.width(), second.width()), first.height() + kGap + second.height()),
         QPoint(0, first.height() + kGap)},
        {QSize(first.width() + kGap + second.width(), std::max(first.height(), second.height())),
         QPoint(first.width() + kGap, 0)},
    }};
    const auto result = [](QPoint at, const Arrangement& a) { return std::array<QPoint, 2>{at, at + a.secondAt}; };

    // Beside the main window, level with its top (or as high as the screen lets it be).
    for (const Arrangement& a : arrangements) {
        for (int x : {mainFrame.right() + 1 + kGap, mainFrame.left() - kGap - a.block.width()}) {
            const int y = std::max(screen.top(), std::min(mainFrame.top(), screen.bottom() + 1 - a.block.height()));
            const QRect block(QPoint(x, y), a.block);
            if (screen.contains(block) && !block.intersects(mainFrame)) return result(block.topLeft(), a);
        }
    }

    // Elsewhere: along the edges of the screen, the main window and the areas to keep clear,
    // lowest first, then rightmost, so that the windows sit low and right as before.
    QList<QRect> edges = keepClear;
    edges << mainFrame;
    for (const Arrangement& a : arrangements) {
        std::vector<int> xs{screen.right() + 1 - a.block.width(), screen.left()};
        std::vector<int> ys{screen.bottom() + 1 - a.block.height(), screen.top()};
        for (const QRect& r : edges) {
            xs.insert(xs.end(), {r.right() + 1 - a.block.width(), r.left(), r.right() + 1 + kGap,
                                 r.left() - kGap - a.block.width()});
            ys.insert(ys.end(), {r.bottom() + 1 - a.block.height(), r.top(), r.bottom() + 1 + kGap,
                                 r.top() - kGap - a.block.height()});
        }
        std::optional<QRect> best;
        for (int y : ys) {
            for (int x : xs) {
                const QRect block(QPoint(x, y), a.block);
                if (!screen.contains(block) || !clearOf(block, keepClear)) continue;
                if (!best || block.y() > best->y() || (block.y() == best->y() && block.x() > best->x())) best = block;
            }
        }
        if (best) return result(best->topLeft(), a);
    }

    // No room anywhere: the lower right corner of the screen, one above the other.
    const Arrangement& a = arrangements[0];
    return result(QPoint(screen.right() + 1 - a.block.width(), screen.bottom() + 1 - a.block.height()), a);
}

}  // namespace soukoli
