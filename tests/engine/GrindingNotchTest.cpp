// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Grinding notch factor: no notch, the worked ratio 1, the cap from √(tg/Rog) = 1.3/1.2 up to and
// beyond the zero of the denominator, and the notch radius from the grinding wheel.
#include <gtest/gtest.h>

#include "engine/GrindingNotch.h"
#include "engine/ToothForm.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::defaultPair;
using testing::RecordingUi;

TEST(GrindingNotch, FactorAndItsCap) {
    EXPECT_NEAR(grindingNotchFactor(0.2, 0.2), 1.3 / 0.7, 1e-12);  // 1.857
    EXPECT_NEAR(grindingNotchFactor(0.2, 0.2), 1.857, 5e-4);
    const double atCap = (1.3 / 1.2) * (1.3 / 1.2);
    EXPECT_NEAR(grindingNotchFactor(atCap, 1.0), 2.0, 1e-12);
    EXPECT_EQ(grindingNotchFactor(1.5, 1.0), 2.0);
    // At and beyond √(tg/Rog) = 1.3/0.6 the denominator is zero or negative: still 2.0.
    EXPECT_EQ(grindingNotchFactor((1.3 / 0.6) * (1.3 / 0.6), 1.0), 2.0);
    EXPECT_EQ(grindingNotchFactor(25, 1.0), 2.0);
}

TEST(GrindingNotch, NoDepthMeansNoNotchWhateverTheRadius) {
    GearPairData g = defaultPair();
    g.tg1 = 0;
    g.Rog1 = 0.7;
    g.YSarel1 = 1.5;
    RecordingUi ui;
    computeGrindingNotch(g, ui, Gear::Pinion);
    EXPECT_EQ(g.YSarel1, 1.0);

    g.tg2 = 0.1;
    g.Rog2 = 0.1;
    computeGrindingNotch(g, ui, Gear::Wheel);
    EXPECT_NEAR(g.YSarel2, 1.857, 5e-4);

    // A radius of 0 leaves the factor as it was.
    g.Rog2 = 0;
    g.YSarel2 = 1.2;
    computeGrindingNotch(g, ui, Gear::Wheel);
    EXPECT_EQ(g.YSarel2, 1.2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GrindingNotch, RadiusFromTheGrindingWheel) {
    // With the wheel's edge radius equal to the tool tip radius the notch radius is the root
    // fillet radius of the tooth form.
    GearPairData g = defaultPair();
    g.runFlag = true;
    RecordingUi ui;
    computeToothForm(g, ui, Gear::Pinion);
    ASSERT_TRUE(g.runFlag);
    g.tg1 = 0.05;
    computeGrindingNotch(g, ui, Gear::Pinion, g.Rof1_star * g.mn);
    EXPECT_NEAR(g.Rog1, g.RoFn1, 1e-12);
    EXPECT_NEAR(g.YSarel1, grindingNotchFactor(0.05, g.RoFn1), 1e-12);

    // The same holds under DIN 3990, whose tooth form has its own construction of the fillet.
    GearPairData din = defaultPair();
    din.runFlag = true;
    din.standard = Standard::DIN_B;
    computeToothForm(din, ui, Gear::Wheel);
    din.tg2 = 0.05;
    computeGrindingNotch(din, ui, Gear::Wheel, din.Rof2_star * din.mn);
    EXPECT_NEAR(din.Rog2, din.RoFn2, 1e-12);
    computeGrindingNotch(din, ui, Gear::Wheel, din.Rof2_star * din.mn + 0.5);
    EXPECT_NEAR(din.Rog2, din.RoFn2 + 0.5, 1e-12);

    // Without a depth the radius is not computed.
    g.tg1 = 0;
    g.Rog1 = 0.3;
    computeGrindingNotch(g, ui, Gear::Pinion, 1.0);
    EXPECT_EQ(g.Rog1, 0.3);

    // Internal wheel: half the edge radius.
    GearPairData h = defaultPair(Toothing::Internal);
    h.tg2 = 0.1;
    computeGrindingNotch(h, ui, Gear::Wheel, 0.8);
    EXPECT_EQ(h.Rog2, 0.4);
    EXPECT_NEAR(h.YSarel2, 1.3 / (1.3 - 0.6 * std::sqrt(0.25)), 1e-12);
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace soukoli
