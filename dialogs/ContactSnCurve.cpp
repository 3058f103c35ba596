// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Contact: endurance level SigmaHP/ZN, static level SigmaHPmax, knee NHlim, exponent qH.
#include "dialogs/ContactSnCurve.h"

namespace soukoli {

ContactSnCurve::ContactSnCurve(const GearPairData& data, QWidget* parent) : SnCurveWindow(data, parent) {
    setObjectName(QStringLiteral("ContactSnCurve"));
    setWindowTitle(QStringLiteral("Wöhler - dotyk"));
}

WohlerInput ContactSnCurve::input() const {
    const GearPairData& g = data();
    WohlerInput in;
    in.gears[0] = {g.SigmaHP1 / g.ZN1, g.SigmaHPmax1, g.NHlim1, g.qH1, g.SigmaH1, g.NK1};
    in.gears[1] = {g.SigmaHP2 / g.ZN2, g.SigmaHPmax2, g.NHlim2, g.qH2, g.SigmaH2, g.NK2};
    in.nMid = 1e8;
    return in;
}

}  // namespace soukoli
