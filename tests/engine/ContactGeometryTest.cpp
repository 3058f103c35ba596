// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Contact geometry and face widths: contact ratios of the standard pairs against independent
// values, undercut of pinion and wheel with the effective tip diameters, the guards of
// Epsalfa, and every case of the face widths with its boundaries.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/BasicGeometry.h"
#include "engine/ContactGeometry.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180;

GearPairData pair(Toothing type = Toothing::External, double z1 = 20, double x1 = 0) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    g.z1 = z1;
    g.x1 = x1;
    RecordingUi quiet;
    updateCentreDistance(g, quiet);
    updateDiameters(g, quiet);
    computeFaceWidths(g);
    return g;
}

TEST(ContactRatio, StandardSpurPairAgreesWithPublishedValues) {
    GearPairData g = pair();
    RecordingUi ui;
    computeContactGeometry(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    // ISO 21771 (and DIN 3960): εα = (√(ra1² − rb1²) + √(ra2² − rb2²) − a·sin αw)/(π·m·cos α),
    // here with the radii of the 20/40 pair, m = 4, α = 20°, ha* = 1.
    const double c = std::cos(20 * kDeg);
    const double rb1 = 40 * c, rb2 = 80 * c;
    const double iso = (std::sqrt(44.0 * 44 - rb1 * rb1) + std::sqrt(84.0 * 84 - rb2 * rb2) - 120 * std::sin(20 * kDeg)) /
                       (kPi * 4 * c);
    EXPECT_NEAR(g.Epsalfa, iso, 1e-9);
    EXPECT_NEAR(g.Epsalfa, 1.6352, 1e-4);
    // The textbook approximation for standard 20° spur pairs, εα ≈ 1.88 − 3.2·(1/z1 + 1/z2)
    // (Niemann/Winter, Maschinenelemente II), gives 1.64.
    EXPECT_NEAR(g.Epsalfa, 1.88 - 3.2 * (1.0 / 20 + 1.0 / 40), 0.01);
    EXPECT_EQ(g.Epsbeta, 0);
    EXPECT_EQ(g.Epsgama, g.Epsalfa);
    EXPECT_FALSE(g.Podrez1 || g.Podrez2);
    EXPECT_NEAR(g.xmin1, 1.25 - 0.38 * (1 - std::sin(20 * kDeg)) - 20 * std::pow(std::sin(20 * kDeg), 2) / 2, 1e-12);
    EXPECT_EQ(g.da1eff, g.da1);
    EXPECT_EQ(g.da2eff, g.da2);
}

TEST(ContactRatio, InternalPairWithItsSigns) {
    GearPairData g = pair(Toothing::Internal);
    RecordingUi ui;
    computeContactGeometry(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    // ISO 21771 for an internal pair with magnitudes: (√(ra1² − rb1²) − √(ra2² − rb2²) + |a|·sin αw)/pb.
    const double c = std::cos(20 * kDeg);
    const double rb1 = 40 * c, rb2 = 120 * c;
    const double iso = (std::sqrt(44.0 * 44 - rb1 * rb1) - std::sqrt(116.0 * 116 - rb2 * rb2) + 80 * std::sin(20 * kDeg)) /
                       (kPi * 4 * c);
    EXPECT_NEAR(g.Epsalfa, iso, 1e-9);
    EXPECT_GT(g.xmin2, g.x2);  // would be undercut by a rack, but an internal wheel never is
    EXPECT_FALSE(g.Podrez2);
}

TEST(ContactRatio, HelicalPairAddsTheOverlapRatio) {
    GearPairData g = pair();
    g.Beta = 15 * kDeg;
    RecordingUi ui;
    updateCentreDistance(g, ui);
    updateDiameters(g, ui);
    computeFaceWidths(g);
    computeContactGeometry(g, ui);
    EXPECT_NEAR(g.Epsbeta, 60 * std::sin(15 * kDeg) / (kPi * 4), 1e-14);
    EXPECT_NEAR(g.Epsbeta, 1.23577, 1e-5);
    EXPECT_EQ(g.Epsgama, g.Epsalfa + g.Epsbeta);
}

TEST(ContactRatio, TipInsideTheBaseCircleKeepsThePreviousValue) {
    GearPairData g = pair();
    g.Epsalfa = 1.234;
    g.da1 = 75;  // db1 = 75.175
    RecordingUi ui;
    computeContactGeometry(g, ui);
    EXPECT_EQ(g.Epsalfa, 1.234);
    EXPECT_EQ(g.Epsgama, 1.234);

    GearPairData h = pair(Toothing::Internal);
    h.Epsalfa = 1.5;
    h.da2 = -225;  // |db2| = 225.53
    computeContactGeometry(h, ui);
    EXPECT_EQ(h.Epsalfa, 1.5);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Undercut, StronglyUndercutPinionShortensTheWheelTip) {
    GearPairData g = pair(Toothing::External, 8);
    RecordingUi ui;
    computeContactGeometry(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NEAR(g.xmin1, g.hFfP1 / 4 - 8 * std::pow(std::sin(20 * kDeg), 2) / 2, 1e-12);
    EXPECT_NEAR(g.xmin1, 0.532, 1e-3);
    ASSERT_TRUE(g.Podrez1);
    EXPECT_FALSE(g.Podrez2);
    EXPECT_GT(g.dNu1, g.db1 * 1.01);
    EXPECT_LT(g.dNu1, g.db1 * 1.015);
    EXPECT_NEAR(std::cos(g.alfaNu1), g.db1 / g.dNu1, 1e-14);
    const double reach = std::tan(g.alfatw) * (g.db1 + g.db2) - std::tan(g.alfaNu1) * g.db1;
    EXPECT_NEAR(g.da2eff, std::hypot(reach, g.db2), 1e-9);
    EXPECT_LT(g.da2eff, g.da2 - 5);  // about 162 instead of 168
    EXPECT_EQ(g.da1eff, g.da1);
    const double pb = kPi * 4 * std::cos(g.alfat);
    EXPECT_NEAR(g.Epsalfa,
                ((std::sqrt(g.da1 * g.da1 - g.db1 * g.db1) + std::sqrt(g.da2eff * g.da2eff - g.db2 * g.db2)) / 2 -
                 g.aw * std::sin(g.alfatw)) / pb,
                1e-12);
}

TEST(Undercut, ShiftExactlyAtTheLimitIsNotUndercut) {
    GearPairData g = pair(Toothing::External, 8);
    RecordingUi ui;
    computeContactGeometry(g, ui);
    g.x1 = g.xmin1;  // xmin1 does not depend on x1
    g.dNu1 = 0;
    computeContactGeometry(g, ui);
    EXPECT_FALSE(g.Podrez1);
    EXPECT_EQ(g.dNu1, 0);
    EXPECT_EQ(g.da2eff, g.da2);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Undercut, EveryStartRowLeadsToTheEndPoint) {
    for (const double shortfall : {0.0005, 0.005, 0.1, 0.3, 0.7, 0.75}) {
        GearPairData g = pair(Toothing::External, 8);
        RecordingUi ui;
        computeContactGeometry(g, ui);
        g.x1 = g.xmin1 - shortfall;
        computeContactGeometry(g, ui);
        ASSERT_TRUE(g.Podrez1) << shortfall;
        EXPECT_TRUE(ui.messages.empty()) << shortfall;
        EXPECT_GT(g.dNu1, g.db1) << shortfall;
        EXPECT_TRUE(std::isfinite(g.Epsalfa));
    }
    EXPECT_EQ(undercutStartValues(0.71), (Vector3{1.02, 0.2, 0.0001}));
    EXPECT_EQ(undercutStartValues(std::nextafter(0.71, 1.0)), (Vector3{1.05, 0.6, 0.08}));
    EXPECT_EQ(undercutStartValues(0.001), (Vector3{1.000000007, 0.0002, 4e-14}));
    EXPECT_EQ(undercutStartValues(0.12), (Vector3{1.00007, 0.02, 0.0000007}));
}

TEST(Undercut, HairBelowTheLimitStaysFinite) {
    GearPairData g = pair(Toothing::External, 8);
    RecordingUi ui;
    computeContactGeometry(g, ui);
    g.x1 = std::nextafter(g.xmin1, -1.0);
    computeContactGeometry(g, ui);
    EXPECT_TRUE(g.Podrez1);
    EXPECT_TRUE(std::isfinite(g.dNu1));
    EXPECT_GE(g.dNu1, g.db1);
    EXPECT_TRUE(std::isfinite(g.da2eff));
    EXPECT_TRUE(std::isfinite(g.Epsalfa));
}

TEST(Undercut, UndercutWheelShortensThePinionTip) {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.z1 = 10;
    g.z2 = 9;
    g.x1 = 0.5;
    RecordingUi ui;
    updateCentreDistance(g, ui);
    updateDiameters(g, ui);
    computeFaceWidths(g);
    computeContactGeometry(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(g.Podrez1);
    ASSERT_TRUE(g.Podrez2);
    const double reach = std::tan(g.alfatw) * (g.db1 + g.db2) - std::tan(g.alfaNu2) * g.db2;
    EXPECT_NEAR(g.da1eff, std::min(g.da1, std::hypot(reach, g.db1)), 1e-12);
    EXPECT_LT(g.da1eff, g.da1);
    EXPECT_EQ(g.da2eff, g.da2);
}

TEST(Undercut, UndercutPinionOfAnInternalPairLimitsTheRingFromInside) {
    GearPairData g = pair(Toothing::Internal, 8);
    RecordingUi ui;
    computeContactGeometry(g, ui);
    EXPECT_TRUE(ui.messages.empty());
    ASSERT_TRUE(g.Podrez1);
    EXPECT_FALSE(g.Podrez2);
    // |reach| = tan αtw·(|db2| − db1) + tan αNu1·db1: the ring's tip circle may not be smaller.
    const double reach = std::tan(g.alfatw) * (g.db1 + g.db2) - std::tan(g.alfaNu1) * g.db1;
    EXPECT_LT(reach, 0);
    EXPECT_NEAR(g.da2eff, -std::hypot(reach, g.db2), 1e-9);
    EXPECT_LT(g.da2eff, g.da2);  // larger magnitude: a shorter path of contact
    const double pb = kPi * 4 * std::cos(g.alfat);
    const double withTip = ((std::sqrt(g.da1 * g.da1 - g.db1 * g.db1) - std::sqrt(g.da2 * g.da2 - g.db2 * g.db2)) / 2 -
                            g.aw * std::sin(g.alfatw)) / pb;
    EXPECT_LT(g.Epsalfa, withTip);
}

struct Widths {
    double b, bwF1, bwF2, bwFmin;
};

Widths widths(double b1, double b2, double db, double mn = 4) {
    GearPairData g;
    g.b1 = b1;
    g.b2 = b2;
    g.db = db;
    g.mn = mn;
    computeFaceWidths(g);
    return {g.b, g.bwF1, g.bwF2, g.bwFmin};
}

void expectWidths(const Widths& w, double b, double bwF1, double bwF2) {
    EXPECT_DOUBLE_EQ(w.b, b);
    EXPECT_DOUBLE_EQ(w.bwF1, bwF1);
    EXPECT_DOUBLE_EQ(w.bwF2, bwF2);
    EXPECT_DOUBLE_EQ(w.bwFmin, std::min(bwF1, bwF2));
}

TEST(FaceWidths, PositiveOffset) {
    expectWidths(widths(60, 60, 0), 60, 60, 60);  // equal faces, no offset
    expectWidths(widths(60, 70, 0), 60, 60, 64);  // wheel overhangs by more than a module
    expectWidths(widths(60, 62, 0), 60, 60, 62);  // ... by less
    expectWidths(widths(60, 70, 5), 55, 59, 59);  // offset: one module counted on each gear
    expectWidths(widths(60, 55, 5), 55, 59, 55);  // b1 > b2, b1 = b2 + db (boundary of the second case)
    expectWidths(widths(60, 50, 3), 50, 57, 50);  // b1 > b2 + db: the pinion overhangs both sides, 50 + 3 + 4
    expectWidths(widths(70, 50, 2), 50, 56, 50);  // pinion overhangs 2 and 18: 50 + 2 + 4
}

TEST(FaceWidths, NegativeOffset) {
    expectWidths(widths(60, 60, -5), 55, 59, 59);   // b1 ≥ b2
    expectWidths(widths(55, 60, -5), 55, 55, 59);   // b1 < b2, b2 = b1 + |db| (boundary)
    expectWidths(widths(50, 60, -3), 50, 50, 57);   // wheel overhangs on both sides: 50 + 3 + 4
    expectWidths(widths(50, 70, -2), 50, 50, 56);
    expectWidths(widths(70, 60, -1), 59, 63, 60);
}

TEST(FaceWidths, MinimumTakesTheSmallerOrTheWheelOnATie) {
    const Widths w = widths(60, 70, 0);
    EXPECT_EQ(w.bwFmin, 60);
    const Widths v = widths(70, 60, 0);
    EXPECT_EQ(v.bwFmin, 60);
}

}  // namespace
}  // namespace soukoli
