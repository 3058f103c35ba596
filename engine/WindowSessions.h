// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What showing an input window does to the data set, and what its Ok checks and runs: the
// windows run these on opening and on "Ok", and soukoli-cli runs them around the entries it
// types into one window, so that a scripted session and the same entries typed by hand agree.
#pragma once

#include "engine/FieldEntry.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// The window is shown: the coefficients window fixes YT of an entered bending limit, the
/// loading window YA likewise, the dimensions window recomputes the gear bodies, the face-load
/// window takes its scheme label, the layout window selects the layout of the scheme number and
/// the load-spectrum window shows the pinion's load as its first absolute level.
void openWindow(GearPairData& g, InputWindow window, Ui& ui);

/// What the window repaints after an accepted entry or a clicked option (the loading window
/// fixes YA again; the dimensions window recomputes the bodies).
void repaintWindow(GearPairData& g, InputWindow window, Ui& ui);

/// "Ok": refused with the window's message (and the field that takes the focus) when its check
/// fails, the window staying open; accepted, what the window runs on closing has run (the loads
/// of the run, the lives and equivalent loads of a complete spectrum, the mesh stiffness).
FieldEntry confirmWindow(GearPairData& g, InputWindow window, Ui& ui);

}  // namespace soukoli
