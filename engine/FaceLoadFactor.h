// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The face load factor KHbeta: from the calculation width of the contact band bcal, or from the
// layout scheme of shafts and bearings with the deviations of the accuracy dialog.
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// KHbeta = bcal/(bcal − b/2) for bcal ≥ b, else 2·b/bcal; at most 2.5.
void computeKHbetaFromBcal(GearPairData& g);

/// KHbeta from the layout scheme SchemaIndex (1 … 10) for the current FtH and KHv; writes fsh,
/// fma, ybeta, Fbx, Wbeta. Missing scheme dimensions stop the run with the dimension's message.
void computeKHbetaFromScheme(GearPairData& g, Ui& ui);

/// The face-load stage of the run: from bcal or from the scheme, as the source flags say;
/// nothing when KHbeta is entered directly.
void computeRunFaceLoadFactor(GearPairData& g, Ui& ui);

}  // namespace soukoli
