// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Constant texts shared by the input report, the results report and the simplified printout.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/GearPairData.h"

namespace soukoli::files {

inline constexpr std::size_t kHeatTreatmentCount = 9;

/// The heat treatments in the order of `Zpracovani1`, `Zpracovani2`.
inline constexpr std::array<std::string_view, kHeatTreatmentCount> kHeatTreatments = {
    "tepelně nezpracovaná", "normalizačně žíhaná", "zušlechtěná", "povrchově kalená po boku",
    "povrchově kalená mezerově", "cementovaná kalená", "nitrocementovaná kalená", "nitridovaná",
    "karbonitridovaná",
};

/// π as the reports use it to print degrees.
inline constexpr double kReportPi = 3.1415926535897932385;

inline std::string_view heatTreatmentText(std::uint16_t index) {
    return index < kHeatTreatmentCount ? kHeatTreatments[index] : std::string_view{};
}

/// The title of the chosen standard in the report headers.
inline std::string_view standardTitle(const GearPairData& d) {
    switch (d.standard) {
        case Standard::CSN: return "ČSN 01 4686";
        case Standard::DIN_B: return "DIN 3990 met.B";
        case Standard::DIN_C: return "DIN 3990 met.C";
    }
    return {};
}

inline std::string_view toothingText(const GearPairData& d) { return d.isInternal() ? "Vnitřní" : "Vnější"; }

}  // namespace soukoli::files
