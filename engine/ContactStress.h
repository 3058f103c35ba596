// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The contact ("DOTYK") side of the check and the factors it shares with bending: limit
// stresses, ZE, ZH, Zepsilon, the helix and contact-ratio factors Ybeta, Yepsilon, Zbeta, the
// single-pair factors ZB, ZD, the life factors ZN, the contact stresses and safeties, and the
// static check under the maximum load (with the method-B factors of that load).
#pragma once

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

inline constexpr std::uint16_t kNitrided = 7;  // "nitridovaná"

/// Field of KHbeta1 in the coefficients dialog.
inline constexpr int kCoefficientsFieldKHbeta1 = 32;

/// SigmaHlim and SigmaFlimb of the full calculation: the material limits unless entered, the
/// weaker SigmaHlim raised towards the stronger (never an entered one), SigmaFlimb with YA, YT.
void computeLimitStresses(GearPairData& data);

/// ZE, ZH and Zepsilon.
void computeContactFactors(GearPairData& data, Ui& ui);

/// Ybeta, and Yepsilon and Zbeta for the current standard.
void computeHelixFactors(GearPairData& data, Ui& ui);

/// The helix step of the contact and bending stages: the contact geometry computed afresh, then
/// Ybeta, Yepsilon and Zbeta.
void runHelixStep(GearPairData& data, Ui& ui);

/// M1, M2 and the single-pair contact factors ZB, ZD (ZD = 1 for internal toothing).
void computeSinglePairFactors(GearPairData& data, Ui& ui);

/// (Nlim/N)^(1/q), at most `cap` (`nitridedCap` for a nitrided gear), at least 1.
[[nodiscard]] double lifeFactor(double Nlim, double N, double q, double cap, double nitridedCap, bool nitrided);

/// ZN1, ZN2 unless entered directly.
void computeContactLifeFactors(GearPairData& data, Ui& ui);

/// Contact stresses SigmaH, permissible SigmaHP and safeties SH (full and simplified).
void runContactStage(GearPairData& data, Ui& ui);

/// Permissible SigmaHPmax and SigmaHmax under the maximum load; for method "B" first the
/// factors KH1, KF1 of that load.
void runStaticContactStage(GearPairData& data, Ui& ui);

/// The factors of the spectrum's maximum load for method "B": the dynamic, face and transverse
/// factors at FtH = FtF = Ft1 (each unless entered), KFbeta1, KF1 and KH1. FtH, FtF, KHbeta, KFv
/// and KHv are restored afterwards, also when a stage stops the run.
void runMethodBStage(GearPairData& data, Ui& ui);

/// Whether the run uses the equivalent loads of method "B" (never the simplified calculation).
[[nodiscard]] inline bool usesMethodB(const GearPairData& g) { return !g.Zjednoduseny && g.MetodaVypoctu == 'B'; }

}  // namespace soukoli
