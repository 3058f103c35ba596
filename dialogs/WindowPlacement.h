// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Small reference windows open beside the window they belong to, whole on the screen: to its
// right, else to its left, else below or above, else as near as the screen allows.
#pragma once

class QWidget;

namespace soukoli {

/// Moves the top-level `window` (shown or about to be shown) beside `anchor`'s window.
void placeBeside(QWidget& window, const QWidget& anchor);

}  // namespace soukoli
