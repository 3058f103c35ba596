// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The Newton solver: Gauss–Jordan inversion with pivoting, its outcomes (converged, singular,
// iteration cap, non-finite step), and the undercut system of a strongly
// undercut pinion solved to its equations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/BasicGeometry.h"
#include "engine/UndercutSystem.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

TEST(GaussJordan, InvertsWithRowSwapsAndSignedDeterminant) {
    // A zero on the first diagonal place forces a swap.
    const Matrix3 a{{{0, 2, 1}, {1, 1, 0}, {3, 0, 1}}};
    Matrix3 work = a;
    Matrix3 inverse{};
    double det = 0;
    ASSERT_TRUE(invertGaussJordan(work, inverse, det));
    EXPECT_NEAR(det, -5, 1e-12);  // 0·1 − 2·(1 − 0) + 1·(0 − 3)
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t k = 0; k < 3; ++k) {
            double sum = 0;
            for (std::size_t m = 0; m < 3; ++m) sum += a[i][m] * inverse[m][k];
            EXPECT_NEAR(sum, i == k ? 1 : 0, 1e-12);
        }
    // Works for any size.
    Matrix<2> two{{{4, 7}, {2, 6}}};
    Matrix<2> twoInverse{};
    ASSERT_TRUE(invertGaussJordan(two, twoInverse, det));
    EXPECT_NEAR(det, 10, 1e-12);
    EXPECT_NEAR(twoInverse[0][0], 0.6, 1e-12);
    EXPECT_NEAR(twoInverse[1][0], -0.2, 1e-12);
}

TEST(GaussJordan, ZeroPivotIsSingular) {
    Matrix3 a{{{1, 2, 3}, {2, 4, 6}, {0, 0, 1}}};
    Matrix3 inverse{};
    double det = 0;
    EXPECT_FALSE(invertGaussJordan(a, inverse, det));
}

TEST(NewtonSolver, OutcomesOfTheIteration) {
    {
        // x² = 2 in each component: converges on the size of the correction.
        Vector3 v{1, 1, 1};
        const auto s = solveNewton(
            [](Vector3& x, Matrix3& J, Vector3& F) {
                for (std::size_t i = 0; i < 3; ++i) {
                    J[i][i] = 2 * x[i];
                    F[i] = x[i] * x[i] - 2;
                }
            },
            v);
        EXPECT_EQ(s.status, NewtonStatus::Converged);
        EXPECT_LT(s.lastCorrection, 1e-11);
        EXPECT_LT(s.iterations, 10);
        EXPECT_NEAR(v[2], std::numbers::sqrt2, 1e-15);
    }
    {
        // A singular Jacobian: the status, and the variables keep their last values.
        Vector3 v{1.5, 0.25, 3};
        const auto s = solveNewton([](Vector3&, Matrix3& J, Vector3& F) {
                J[0][0] = 1;
                F = {1, 1, 1};
            }, v);
        EXPECT_EQ(s.status, NewtonStatus::SingularMatrix);
        EXPECT_EQ(s.iterations, 0);
        EXPECT_EQ(v, (Vector3{1.5, 0.25, 3}));
    }
    {
        // A residual that never shrinks: the cap ends the iteration.
        Vector3 v{0, 0, 0};
        NewtonOptions options;
        options.maxIterations = 7;
        const auto s = solveNewton(
            [](Vector3&, Matrix3& J, Vector3& F) {
                J = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
                F = {1, 0, 0};
            },
            v, options);
        EXPECT_EQ(s.status, NewtonStatus::IterationLimit);
        EXPECT_EQ(s.iterations, 7);
        EXPECT_EQ(v[0], -7);
    }
    {
        // A step into infinity is not taken.
        Vector3 v{1, 1, 1};
        const auto s = solveNewton(
            [](Vector3&, Matrix3& J, Vector3& F) {
                J = {{{1e-300, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
                F = {1e10, 0, 0};
            },
            v);
        EXPECT_EQ(s.status, NewtonStatus::NotFinite);
        EXPECT_EQ(v, (Vector3{1, 1, 1}));
    }
}

// Pinion z1 = 8, x1 = 0 of the default pair, cut by the ČSN basic rack (xmin1 ≈ 0.532).
UndercutGear pinionOfEightTeeth() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.z1 = 8;
    RecordingUi ui;
    updateCentreDistance(g, ui);
    updateDiameters(g, ui);
    return undercutGear(g, Gear::Pinion);
}

TEST(UndercutSystem, StartBelowTheBaseCircleIsRaisedToIt) {
    const UndercutGear p = pinionOfEightTeeth();
    Vector3 v{0.9, 0.2, 0.0001};
    Matrix3 J{};
    Vector3 F{};
    RecordingUi ui;
    undercutSystem(p, v, J, F, ui);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(J[2][0], 0);
    EXPECT_EQ(F[2], -0.0001);  // inv(arccos 1) = 0
    EXPECT_TRUE(ui.messages.empty());
}

TEST(UndercutSystem, StronglyUndercutPinionSatisfiesItsEquations) {
    const UndercutGear p = pinionOfEightTeeth();
    EXPECT_NEAR(p.db, 32 * std::cos(20 * std::numbers::pi / 180), 1e-12);
    Vector3 v{1.02, 0.2, 0.0001};  // start values for a shortfall up to 0.71
    RecordingUi ui;
    const auto s = solveUndercutEnd(p, v, ui);
    EXPECT_EQ(s.status, NewtonStatus::Converged);
    EXPECT_LT(s.iterations, 10);
    EXPECT_TRUE(ui.messages.empty());
    const double rho = v[0], phi = v[1], psi = v[2];
    const double theta = p.alfat + phi + psi;
    EXPECT_NEAR(p.d / p.db - 2 * (p.hFfP - p.x * p.mn) / p.db - rho * std::cos(theta), 0, 1e-9);
    EXPECT_NEAR(rho - phi / std::sin(phi + psi), 0, 1e-9);
    const double alpha = std::acos(1 / rho);
    EXPECT_NEAR(std::tan(alpha) - alpha - psi, 0, 1e-9);
    // The undercut reaches about 1.2 % beyond the base radius.
    EXPECT_GT(rho, 1.01);
    EXPECT_LT(rho, 1.015);
}

}  // namespace
}  // namespace soukoli
