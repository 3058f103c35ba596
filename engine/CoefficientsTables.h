// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The fields of the coefficients dialog ("Ostatní součinitelé a vstupy"): number, quantity,
// direct-entry flag (none for the mandatory inputs) and display format str(x:w:d).
#pragma once

#include <array>
#include <cstddef>

#include "engine/GearPairData.h"

namespace soukoli {

struct CoefficientField {
    int number;
    double GearPairData::*quantity;
    bool GearPairData::*given;  // nullptr: a mandatory input ("Povinné")
    int width;
    int decimals;
};

inline constexpr std::size_t kCoefficientFieldCount = 34;

/// Fields 1-7 are mandatory, 8-34 optional ("Volitelné"). Fields 5 and 6 edit YT1, YT2 in the full
/// calculation and ZR1, ZR2 in the simplified one (see coefficientQuantity).
inline constexpr std::array<CoefficientField, kCoefficientFieldCount> kCoefficientFields{{
    {1, &GearPairData::tg1, nullptr, 6, 3},
    {2, &GearPairData::tg2, nullptr, 6, 3},
    {3, &GearPairData::Rog1, nullptr, 6, 3},
    {4, &GearPairData::Rog2, nullptr, 6, 3},
    {5, &GearPairData::YT1, nullptr, 5, 3},
    {6, &GearPairData::YT2, nullptr, 5, 3},
    {7, &GearPairData::ZLZRZV, nullptr, 5, 3},
    {8, &GearPairData::KFalfa, &GearPairData::KFalfaGiven, 5, 3},
    {9, &GearPairData::KHalfa, &GearPairData::KHalfaGiven, 5, 3},
    {10, &GearPairData::KFv, &GearPairData::KFvGiven, 5, 3},
    {11, &GearPairData::KHv, &GearPairData::KHvGiven, 5, 3},
    {12, &GearPairData::KFbeta, &GearPairData::KFbetaGiven, 5, 3},
    {13, &GearPairData::YFa1, &GearPairData::YFa1Given, 5, 3},
    {14, &GearPairData::YFa2, &GearPairData::YFa2Given, 5, 3},
    {15, &GearPairData::YSa1, &GearPairData::YSa1Given, 5, 3},
    {16, &GearPairData::YSa2, &GearPairData::YSa2Given, 5, 3},
    {17, &GearPairData::YFS1, &GearPairData::YFS1Given, 5, 3},
    {18, &GearPairData::YFS2, &GearPairData::YFS2Given, 5, 3},
    {19, &GearPairData::YN1, &GearPairData::YN1Given, 5, 3},
    {20, &GearPairData::YN2, &GearPairData::YN2Given, 5, 3},
    {21, &GearPairData::ZN1, &GearPairData::ZN1Given, 5, 3},
    {22, &GearPairData::ZN2, &GearPairData::ZN2Given, 5, 3},
    {23, &GearPairData::SigmaFlimb1, &GearPairData::SigmaFlimb1Given, 6, 1},
    {24, &GearPairData::SigmaFlimb2, &GearPairData::SigmaFlimb2Given, 6, 1},
    {25, &GearPairData::SigmaHlim1, &GearPairData::SigmaHlim1Given, 6, 1},
    {26, &GearPairData::SigmaHlim2, &GearPairData::SigmaHlim2Given, 6, 1},
    {27, &GearPairData::KFalfa1, &GearPairData::KFalfa1Given, 5, 3},
    {28, &GearPairData::KHalfa1, &GearPairData::KHalfa1Given, 5, 3},
    {29, &GearPairData::KFv1, &GearPairData::KFv1Given, 5, 3},
    {30, &GearPairData::KHv1, &GearPairData::KHv1Given, 5, 3},
    {31, &GearPairData::KFbeta1, &GearPairData::KFbeta1Given, 5, 3},
    {32, &GearPairData::KHbeta1, &GearPairData::KHbeta1Given, 5, 3},
    {33, &GearPairData::ZB, &GearPairData::ZBGiven, 5, 3},
    {34, &GearPairData::ZD, &GearPairData::ZDGiven, 5, 3},
}};

}  // namespace soukoli
