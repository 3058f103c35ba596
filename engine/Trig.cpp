// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Guarded tangent, arccosine and arcsine. Inside the domain arccos x = π/2 − atan(x/√(1 − x²))
// and arcsin x = atan(x/√(1 − x²)); the library functions give the same values without the
// cancellation of 1 − x² near ±1, so they are used.
#include "engine/Trig.h"

#include <cmath>
#include <numbers>

namespace soukoli {

namespace {
constexpr double kHalfPi = std::numbers::pi / 2;

bool inUnitInterval(double x) { return x >= -1.0 && x <= 1.0; }  // false for NaN
}  // namespace

double guardedTan(double x, Ui& ui) {
    if (x == kHalfPi) {
        ui.message("Neplatný argument pro výpočet tangens, nemožné parametry soukolí", kErrorCaption);
        return 0;
    }
    return std::sin(x) / std::cos(x);
}

double guardedAcos(double x, Ui& ui) {
    if (!inUnitInterval(x)) {
        ui.message("Neplatný argument pro výpočet arccos, nemožné parametry soukolí", kErrorCaption);
        return 0;
    }
    if (x == 1.0) return 0;
    if (x == -1.0) return std::numbers::pi;
    return std::acos(x);
}

double guardedAsin(double x, Ui& ui) {
    if (!inUnitInterval(x)) {
        ui.message("Neplatný argument pro výpočet arcsin, nemožné parametry soukolí", kErrorCaption);
        return 0;
    }
    if (x == 1.0) return kHalfPi;
    if (x == -1.0) return -kHalfPi;
    return std::asin(x);
}

double inv(double alpha, Ui& ui) { return guardedTan(alpha, ui) - alpha; }

}  // namespace soukoli
