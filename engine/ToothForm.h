// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Tooth form factors of the tooth root: the root chord sFn, the moment arm hFa or hFe, the root
// fillet radius RoFn at the critical section (30° tangent to the fillet) and YFa or YFe, for
// ČSN 01 4686 (formula 65) and DIN 3990 methods B and C.
#pragma once

#include <cmath>
#include <string_view>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli {

inline constexpr std::string_view kAuxiliaryAngleFailure =
    "Výpočtem nelze stanovit pomocný úhel FIe (ČSN 01 4686,vzorec 65).\r\r"
    "Nelze proto výpočtem stanovit YFa1 a YFa2 (viz ČSN 01 4686,část 3,obr.6-8).\rZadej tyto součinitele přímo.";

enum class AngleSearchOutcome {
    Root,              // a root at 0 rad or above
    NegativeRootOnly,  // only a root below 0 rad; it is used
    NotFound,
};

struct AngleSearchResult {
    AngleSearchOutcome outcome = AngleSearchOutcome::NotFound;
    double angle = 0;  // the root (the negative one for NegativeRootOnly)
};

/// The root finder of the auxiliary angle: scans upward from −0.08 rad in steps of 0.1 rad up to
/// 1.5 rad (below the pole of tan at π/2) and halves the first bracket until |f| < 1e−6. A root
/// below zero is kept and the scan resumes 0.001 rad above it; a later root replaces it. A sign of
/// exactly 0 keeps the sign of the previous evaluation; `signA` and `signB` carry the signs from
/// one search to the next. A bracket that shrinks to nothing without |f| falling under the
/// tolerance (a jump, not a root) ends the search, as does the cap on evaluations.
template <class Function>
AngleSearchResult searchAuxiliaryAngle(Function&& f, int& signA, int& signB) {
    constexpr double kStart = -0.08, kStep = 0.1, kEnd = 1.5, kTolerance = 1e-6, kResume = 0.001;
    constexpr int kMaxHalvings = 200;  // far beyond the resolution of a double
    constexpr int kMaxPasses = 10000;
    const auto keepSign = [](double value, int& sign) {
        if (value > 0) sign = 1;
        else if (value < 0) sign = -1;  // 0 and NaN keep the previous sign
    };

    double a = kStart, b = a + kStep;
    bool bracketed = false, found = false;
    double negativeRoot = 0;
    int halvings = 0;
    const auto end = [&] {
        return found ? AngleSearchResult{AngleSearchOutcome::NegativeRootOnly, negativeRoot}
                     : AngleSearchResult{AngleSearchOutcome::NotFound, 0};
    };
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        keepSign(f(a), signA);
        keepSign(f(b), signB);
        if (signA != signB) {
            b = (a + b) / 2;
            bracketed = true;
            ++halvings;
        } else if (bracketed) {
            const double t = a;
            a = b;
            b = b + (b - t) / 2;
            ++halvings;
        } else {
            a = b;
            b = b + kStep;
            if (b <= kEnd) continue;
            return end();
        }
        if (std::abs(f(b)) < kTolerance) {
            found = true;
            negativeRoot = b;
            if (b >= 0) return {AngleSearchOutcome::Root, b};
            a = b + kResume;
            b = a + kStep;
            bracketed = false;
            halvings = 0;
            continue;
        }
        if (halvings > kMaxHalvings) return end();
    }
    return end();
}

/// Auxiliary angle FIe of one gear for the current standard (ČSN 01 4686 formula 65 with Ac, Bc;
/// DIN 3990 with G, H). Stores FIe1 or FIe2 and FIe. When no root is found: the message, the
/// coefficients dialog shown non-modally, the run flag cleared, and false.
bool findAuxiliaryAngle(GearPairData& data, Ui& ui, Gear gear);

/// Root geometry and form factor of one gear under the current standard; the form factor is
/// left as it is when it was entered directly. An internal wheel is computed under ČSN 01 4686
/// only. Clears the run flag when the auxiliary angle cannot be found or the geometry leads a
/// formula outside its domain.
void computeToothForm(GearPairData& data, Ui& ui, Gear gear);

}  // namespace soukoli
