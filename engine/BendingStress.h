// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The tooth-root bending ("OHYB") side of the check: KFbeta, KF, the root stresses SigmaF with
// YFS, the life, notch and size factors, the permissible stresses and safeties, and the static
// check under the maximum load.
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

/// Exponent NF of KFbeta = KHbeta^NF: r = b/h with h = 2·mn (helical) or 2·mn/Epsalfa (spur),
/// NF = r²/(1 + r + r²).
[[nodiscard]] double faceLoadExponent(const GearPairData& data);

/// Notch sensitivity factor Ydelta of one gear by material designation and treatment.
[[nodiscard]] double notchSensitivity(const GearPairData& data, Gear gear);

/// Bending stage: KFbeta, KF, the tooth-root factors of both gears (which may stop the run),
/// SigmaF, YN, Ydelta, YX, SigmaFP and SF. `rootFactorsDialogActive` is passed on to the stress
/// correction (range checks skipped while that dialog is the active window). An internal pair
/// reaches it only under ČSN 01 4686: the driver refuses the others before any stage.
void runBendingStage(GearPairData& data, Ui& ui, bool rootFactorsDialogActive = false);

/// Static bending stage: SigmaFSt, YS, YdeltaSt, YdeltaStT, SigmaFmax and SigmaFPmax.
void runStaticBendingStage(GearPairData& data, Ui& ui);

}  // namespace soukoli
