// A small Newton solver for three nonlinear equations with an analytic Jacobian, inverted by
// Gauss–Jordan elimination with partial pivoting. It finds where the undercut of a generated
// gear ends; storage is fixed, nothing is allocated.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

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
template <std::size_t N, class System>
NewtonSummary solveNewton(System&& system, Vector<N>& v, Ui& ui, const NewtonOptions& options = {}) {
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
            ui.message("Singulárni matice, výpočet ukončen");
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

/// The gear whose undercut is sought: reference and base diameter, profile shift, form dedendum
/// of its tool [mm], and the common module and transverse pressure angle.
struct UndercutGear {
    double d = 0, db = 0, x = 0, hFfP = 0, mn = 0, alfat = 0;
};

/// The pinion's (d1, db1, x1, hFfP1) or the wheel's data from the data set.
[[nodiscard]] UndercutGear undercutGear(const GearPairData& g, Gear gear);

/// Jacobian J and residuals F of the undercut system at v = (ρ, φ, ψ), θ = alfat + φ + ψ:
///   F1 = d/db − 2(hFfP − x·mn)/db − ρ·cos θ   (the point lies on the trochoid of the tool tip)
///   F2 = ρ − φ/sin(φ + ψ)
///   F3 = inv(arccos(1/ρ)) − ψ                 (and on the involute)
/// Between the rows of ρ-free and ρ-dependent derivatives ρ below 1 is raised to 1 in v itself.
void undercutSystem(const UndercutGear& p, Vector3& v, Matrix3& J, Vector3& F, Ui& ui);

/// Newton iteration on the undercut system from the start values in v; v is updated in place
/// and keeps its last values whatever the outcome, with ρ not below 1.
NewtonSummary solveUndercutEnd(const UndercutGear& p, Vector3& v, Ui& ui, const NewtonOptions& options = {});

}  // namespace soukoli
