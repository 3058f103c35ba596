// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ContactSnCurve: "Wöhler - dotyk", the contact S-N lines of pinion and wheel with their operating
// points.
#pragma once

#include "dialogs/SnCurveWindow.h"

namespace soukoli {

class ContactSnCurve : public SnCurveWindow {
    Q_OBJECT
public:
    ContactSnCurve(const GearPairData& data, QWidget* parent = nullptr);
    [[nodiscard]] WohlerInput input() const override;
};

}  // namespace soukoli
