// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The standard normal modules of ČSN 01 4608 as the module table of the geometry dialog prints
// them: series 1 (preferred) and series 2 (second choice), in mm, with decimal commas.
#pragma once

#include <array>
#include <string_view>

namespace soukoli {

inline constexpr std::size_t kModulesSeries1 = 34;
inline constexpr std::size_t kModulesSeries2 = 33;

inline constexpr std::array<std::string_view, kModulesSeries1> kModuleSeries1 = {
    "0,05", "0,06", "0,08", "0,1", "0,12", "0,15", "0,2", "0,25", "0,3", "0,4", "0,5", "0,6",
    "0,8",  "1",    "1,25", "1,5", "2",    "2,5",  "3",   "4",    "5",   "6",   "8",   "10",
    "12",   "16",   "20",   "25",  "32",   "40",   "50",  "60",   "80",  "100",
};

// Each module of series 2 lies between the modules of series 1 with the same and the next index.
inline constexpr std::array<std::string_view, kModulesSeries2> kModuleSeries2 = {
    "0,055", "0,07", "0,09", "0,11", "0,14", "0,18", "0,22", "0,28", "0,35", "0,45", "0,55",
    "0,7",   "0,9",  "1,125", "1,375", "1,75", "2,25", "2,75", "3,5", "4,5",  "5,5",  "7",
    "9",     "11",   "14",   "18",   "22",   "28",   "36",   "45",   "55",   "70",   "90",
};

}  // namespace soukoli
