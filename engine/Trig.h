// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Trigonometry with guarded domains, shared by every stage: an impossible gear pair shows a
// message and goes on with 0 instead of producing NaN, and the involute function.
#pragma once

#include "engine/Ui.h"

namespace soukoli {

/// tan x; for x exactly π/2 the message "Neplatný argument pro výpočet tangens ..." and 0.
double guardedTan(double x, Ui& ui);

/// arccos x in [0, π]; outside [-1, 1] (or NaN) a message and 0.
double guardedAcos(double x, Ui& ui);

/// arcsin x in [-π/2, π/2]; outside [-1, 1] (or NaN) a message and 0.
double guardedAsin(double x, Ui& ui);

/// The involute function inv α = tan α − α.
double inv(double alpha, Ui& ui);

}  // namespace soukoli
