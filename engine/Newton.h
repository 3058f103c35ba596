// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A small Newton solver for a few nonlinear equations with an analytic Jacobian, inverted by
// Gauss–Jordan elimination with partial pivoting. Storage is fixed, nothing is allocated, and it
// reports its status instead of talking to the user (engine/UndercutSystem.h is its user).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>


namespace soukoli {

template <std::size_t N>
using Vector = std::array<double, N>;
template <std::size_t N>
using Matrix = std::array<Vector<N>, N>;  // rows
using Vector3 = Vector<3>;
using Matrix3 = Matrix<3>;

/// Every setting of the solver, with its defaults in this one place.
struct NewtonOptions {
    double tolerance = 1e-11;  // converged when the largest correction falls below this
    int maxIterations = 100;   // Newton from the tabulated start values needs fewer than ten
};

enum class NewtonStatus {
    Converged,       // the last correction was below the tolerance
    SingularMatrix,  // a zero pivot: "Singulárni matice, výpočet ukončen" was shown
    IterationLimit,  // maxIterations corrections without convergence
    NotFinite,       // a step would have left the finite numbers; it was not taken
};

struct NewtonSummary {
    NewtonStatus status = NewtonStatus::IterationLimit;
    int iterations = 0;         // corrections applied
    double lastCorrection = 0;  // largest magnitude of the last correction
};

/// Inverts `a` by Gauss–Jordan elimination with partial pivoting (the first of equal pivots
/// wins); `a` is destroyed. Returns false, leaving `inverse` partly eliminated, when a pivot is
/// exactly zero. `determinant` receives the product of the pivots with the sign of the swaps.
template <std::size_t N>
[[nodiscard]] bool invertGaussJordan(Matrix<N>& a, Matrix<N>& inverse, double& determinant) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t k = 0; k < N; ++k) inverse[i][k] = i == k ? 1.0 : 0.0;
    determinant = 1;
    for (std::size_t j = 0; j < N; ++j) {
        std::size_t pivotRow = j;
        for (std::size_t i = j + 1; i < N; ++i)
            if (std::abs(a[i][j]) > std::abs(a[pivotRow][j])) pivotRow = i;
        if (pivotRow != j) {
            std::swap(a[pivotRow], a[j]);
            std::swap(inverse[pivotRow], inverse[j]);
            determinant = -determinant;
        }
        const double pivot = a[j][j];
        if (pivot == 0) return false;
        determinant *= pivot;
        for (std::size_t k = 0; k < N; ++k) {
            a[j][k] /= pivot;
            inverse[j][k] /= pivot;
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (i == j) continue;
            const double factor = a[i][j];
            for (std::size_t k = 0; k < N; ++k) {
                a[i][k] -= factor * a[j][k];
                inverse[i][k] -= factor * inverse[j][k];
            }
        }
    }
    return true;
}

template <std::size_t N>
[[nodiscard]] bool allFinite(const Vector<N>& v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

template <std::size_t N>
[[nodiscard]] bool allFinite(const Matrix<N>& m) {
    return std::all_of(m.begin(), m.end(), [](const Vector<N>& row) { return allFinite(row); });
}

/// Newton iteration x := x − J⁻¹·F(x) from the start values in v until the largest correction
/// falls below the tolerance. `system(v, J, F)` fills J and F at v (and may adjust v). v keeps
/// its last values whatever the outcome; a step that would leave the finite numbers is not taken.
/// The solver only reports its status: what a failure means to the user is the caller's to say.
template <std::size_t N, class System>
NewtonSummary solveNewton(System&& system, Vector<N>& v, const NewtonOptions& options = {}) {
    NewtonSummary summary;
    if (!allFinite(v)) {
        summary.status = NewtonStatus::NotFinite;
        return summary;
    }
    Matrix<N> J{};
    Matrix<N> inverse{};
    Vector<N> F{};
    double determinant = 0;
    while (summary.iterations < options.maxIterations) {
        J = {};
        system(v, J, F);
        if (!allFinite(J) || !allFinite(F)) {
            summary.status = NewtonStatus::NotFinite;
            return summary;
        }
        if (!invertGaussJordan(J, inverse, determinant)) {
            summary.status = NewtonStatus::SingularMatrix;
            return summary;
        }
        Vector<N> next = v;
        double largest = 0;
        for (std::size_t i = 0; i < N; ++i) {
            double delta = 0;
            for (std::size_t k = 0; k < N; ++k) delta += inverse[i][k] * F[k];
            next[i] -= delta;
            largest = std::max(largest, std::abs(delta));
        }
        if (!allFinite(next)) {
            summary.status = NewtonStatus::NotFinite;
            return summary;
        }
        v = next;
        ++summary.iterations;
        summary.lastCorrection = largest;
        // Convergence is judged on the correction, not on the residuals.
        if (largest < options.tolerance) {
            summary.status = NewtonStatus::Converged;
            return summary;
        }
    }
    summary.status = NewtonStatus::IterationLimit;
    return summary;
}

}  // namespace soukoli
