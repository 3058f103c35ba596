// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Bending: endurance level SigmaFP/YN, static level SigmaFPmax, knee NFlim, exponent qF.
#include "dialogs/BendingSnCurve.h"

namespace soukoli {

BendingSnCurve::BendingSnCurve(const GearPairData& data, QWidget* parent) : SnCurveWindow(data, parent) {
    setObjectName(QStringLiteral("BendingSnCurve"));
    setWindowTitle(QStringLiteral("Wöhler - ohyb"));
}

WohlerInput BendingSnCurve::input() const {
    const GearPairData& g = data();
    WohlerInput in;
    in.gears[0] = {g.SigmaFP1 / g.YN1, g.SigmaFPmax1, g.NFlim1, g.qF1, g.SigmaF1, g.NK1};
    in.gears[1] = {g.SigmaFP2 / g.YN2, g.SigmaFPmax2, g.NFlim2, g.qF2, g.SigmaF2, g.NK2};
    in.nMid = 3e6;
    return in;
}

}  // namespace soukoli
