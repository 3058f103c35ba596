// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Where the two S-N windows go when a full calculation shows them: beside the main window when
// the screen has room there, else in a free part of the screen or of the main window, never over
// the result panels, the note under them or the buttons.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace soukoli {

/// Top-left corners of the frames of the bending and the contact window (frame sizes `first`
/// and `second`) on the available `screen` area, next to the main window's frame `mainFrame`
/// and clear of every rectangle of `keepClear` (all in global coordinates).
std::array<QPoint, 2> chartPositions(const QRect& screen, const QRect& mainFrame, const QList<QRect>& keepClear,
                                     QSize first, QSize second);

}  // namespace soukoli
