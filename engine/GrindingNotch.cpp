// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Grinding notch factor after ČSN 01 4686 part 3: the notch of depth tg and radius Rog acts as an
// additional stress concentration in the tooth root.
#include "engine/GrindingNotch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/StageGuard.h"

namespace soukoli {

namespace {
constexpr double kMaxFactor = 2.0;
}

double grindingNotchFactor(double tg, double Rog) {
    const double root = std::sqrt(tg / Rog);
    // From √(tg/Rog) = 1.3/1.2 on the factor is capped; at 1.3/0.6 and above the denominator is
    // zero or negative and the cap is the only sound value.
    if (root >= 1.3 / 0.6) return kMaxFactor;
    return std::min(1.3 / (1.3 - 0.6 * root), kMaxFactor);
}

void computeGrindingNotch(GearPairData& g, Ui& ui, Gear gear, std::optional<double> grindingWheelRadius) {
    const bool pinion = gear == Gear::Pinion;
    const double tg = pinion ? g.tg1 : g.tg2;
    double& Rog = pinion ? g.Rog1 : g.Rog2;
    double& YSarel = pinion ? g.YSarel1 : g.YSarel2;

    if (tg == 0) {
        YSarel = 1.0;
        return;
    }
    if (grindingWheelRadius) {
        const double Roa0g = *grindingWheelRadius;
        if (!pinion && g.isInternal()) {
            Rog = Roa0g / 2;
        } else {
            double computed = 0;
            switch (g.standard) {
                case Standard::CSN: {
                    // Root fillet radius at the critical section with the wheel's edge radius.
                    const double A = (pinion ? g.Ac1 : g.Ac2) / g.mn;
                    const double zv = pinion ? g.zv1 : g.zv2;
                    const double s = std::sin((pinion ? g.FIe1 : g.FIe2) + std::numbers::pi / 6);
                    computed = g.mn * (A * A / (s * (zv * s * s / 2 + A)) + Roa0g / g.mn);
                    break;
                }
                case Standard::DIN_B:
                case Standard::DIN_C:
                    // DIN 3990: the root fillet radius at the critical section with the wheel's
                    // edge radius in place of the tool tip radius, ρF − ρfP + ρa0g.
                    computed = (pinion ? g.RoFn1 : g.RoFn2) - (pinion ? g.Rof1_star : g.Rof2_star) * g.mn + Roa0g;
                    break;
            }
            if (!requireFinite(g, ui, {computed})) return;
            Rog = computed;
        }
    }
    if (Rog > 0) {
        if (!(tg / Rog >= 0)) {  // a negative depth has no root
            stopImpossiblePair(g, ui);
            return;
        }
        YSarel = grindingNotchFactor(tg, Rog);
    }
    if (YSarel > kMaxFactor) YSarel = kMaxFactor;
}

}  // namespace soukoli
