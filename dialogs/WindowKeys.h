// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The help key of every window: F1 anywhere in a window (its edits and buttons included) opens
// that window's help topic. The input windows, the tables and the auxiliary dialogs bind it here.
#pragma once

#include <functional>

class QWidget;

namespace soukoli {

/// F1 pressed while `window` or one of its children has the focus runs `openHelp`.
void bindHelpKey(QWidget& window, std::function<void()> openHelp);

}  // namespace soukoli
