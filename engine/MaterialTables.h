// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The gear materials of ČSN 01 4686 part 5, table 12, as the material table shows them: class,
// ČSN designation, heat treatment, Rm, Re (Rp0,2), core and flank hardness and the two fatigue
// limits, each column as the text of its cell (hardness ranges "190··270"). Also the names of the
// heat treatments in the order of Zpracovani1, Zpracovani2.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace soukoli {

inline constexpr std::size_t kHeatTreatmentItems = 9;

/// The items of the heat-treatment lists, index 0 ... 8 as stored in Zpracovani1, Zpracovani2.
inline constexpr std::array<std::string_view, kHeatTreatmentItems> kHeatTreatmentNames = {
    "tepelně nezpracovaná", "normalizačně žíhaná", "zušlechtěná", "povrchově kalená po boku",
    "povrchově kalená mezerově", "cementovaná kalená", "nitrocementovaná kalená", "nitridovaná",
    "karbonitridovaná",
};

/// One row of the table, every cell as printed in the grid.
struct MaterialRow {
    std::string_view material;     // column 1, "Materiál"
    std::string_view designation;  // column 2, ČSN designation
    std::string_view treatment;    // column 3
    std::string_view Rm;           // column 4 [MPa]
    std::string_view Re;           // column 5, Re or Rp0,2 [MPa]
    std::string_view JHV;          // column 6, core hardness
    std::string_view VHV;          // column 7, flank hardness
    std::string_view Sigma0Hlim;   // column 8 [MPa]
    std::string_view Sigma0Flimb;  // column 9 [MPa]
};

inline constexpr std::size_t kMaterialRows = 46;

// ČSN 01 4686 part 5, table 12.
inline constexpr std::array<MaterialRow, kMaterialRows> kMaterialTable = {{
    {"tvárná litina", "42 2306", "tepelně nezpracovaná", "600", "370", "190··270", "190··270", "430", "315"},
    {"tvárná litina", "42 2307", "tepelně nezpracovaná", "700", "420", "230··300", "230··300", "510", "325"},
    {"tvárná litina", "42 2308", "zušlechtěná", "800", "480", "250··350", "250··350", "550", "345"},
    {"litá ocel uhlíková", "42 2650", "normalizačně žíhaná", "500", "260", "150", "150", "420", "300"},
    {"litá ocel uhlíková", "42 2660", "normalizačně žíhaná", "590", "300", "180", "180", "480", "336"},
    {"litá ocel slitinová", "42 2719", "normalizačně žíhaná", "700", "340", "210", "210", "540", "372"},
    {"litá ocel slitinová", "42 2719", "zušlechtěná", "750", "400", "220", "220", "560", "384"},
    {"litá ocel slitinová", "42 2750", "normalizačně žíhaná", "650", "380", "200", "200", "520", "360"},
    {"litá ocel slitinová", "42 2750", "zušlechtěná", "800", "550", "245", "245", "610", "414"},
    {"litá ocel slitinová", "42 2767", "zušlechtěná", "1150", "875", "360", "360", "840", "552"},
    {"konstrukční ocel", "11 500", "tepelně nezpracovaná", "490", "265", "150", "150", "370", "330"},
    {"konstrukční ocel", "11 523", "tepelně nezpracovaná", "510", "333", "155", "155", "380", "336"},
    {"konstrukční ocel", "11 600", "tepelně nezpracovaná", "588", "314", "175", "175", "420", "360"},
    {"konstrukční ocel", "11 700", "tepelně nezpracovaná", "686", "363", "205", "205", "480", "396"},
    {"konstrukční ocel uhlíková", "12 050", "normalizačně žíhaná", "540", "325", "155", "155", "430", "356"},
    {"konstrukční ocel uhlíková", "12 050", "zušlechtěná", "640", "390", "200", "200", "520", "410"},
    {"konstrukční ocel uhlíková", "12 061", "normalizačně žíhaná", "660", "380", "200", "200", "520", "410"},
    {"konstrukční ocel uhlíková", "12 061", "zušlechtěná", "740", "440", "235", "235", "590", "452"},
    {"konstrukční ocel slitinová", "13 242", "zušlechtěná", "932", "686", "290", "290", "700", "518"},
    {"konstrukční ocel slitinová", "14 140", "zušlechtěná", "883", "637", "285", "285", "690", "512"},
    {"konstrukční ocel slitinová", "15 241", "zušlechtěná", "980", "850", "300", "300", "720", "530"},
    {"konstrukční ocel slitinová", "16 440", "zušlechtěná", "932", "785", "290", "290", "700", "518"},
    {"konstrukční ocel slitinová", "16 436", "zušlechtěná", "1130", "980", "360", "360", "840", "602"},
    {"litá ocel uhlíková", "42 2660", "povrchově kalena po boku", "590", "300", "180", "600··675", "1140", "316"},
    {"litá ocel slitinová", "42 2719", "povrchově kalena po boku", "700", "340", "210", "600··675", "1140", "352"},
    {"konstrukční ocel slitinová", "12 051", "povrchově kalena po boku", "640", "390", "200", "600··675", "1140", "390"},
    {"konstrukční ocel slitinová", "14 140", "povrchově kalena po boku", "785", "539", "250", "600··675", "1140", "450"},
    {"konstrukční ocel slitinová", "15 241", "povrchově kalena po boku", "980", "850", "315", "600··675", "1160", "528"},
    {"konstrukční ocel slitinová", "15 241", "povrchově kalena mezerově", "980", "850", "315", "600··675", "1160", "705"},
    {"konstrukční ocel slitinová", "16 343", "povrchově kalena mezerově", "965", "750", "300", "600··675", "1160", "705"},
    {"konstrukční ocel slitinová", "16 343", "povrchově kalena mezerově", "965", "750", "300", "500··550", "1060", "655"},
    {"konstrukční ocel slitinová", "NiCrMo80", "povrchově kalena mezerově", "800", "625", "250", "500··550", "1060", "555"},
    {"konstrukční ocel slitinová", "13 242", "nitridovaná", "800", "620", "250", "550", "930", "580"},
    {"konstrukční ocel slitinová", "15 230", "nitridovaná", "800", "600", "250", "800", "1180", "705"},
    {"konstrukční ocel slitinová", "15 330", "nitridovaná", "800", "600", "250", "800", "1180", "705"},
    {"konstrukční ocel slitinová", "16 343", "nitridovaná", "965", "750", "300", "750", "1180", "730"},
    {"konstrukční ocel slitinová", "14 140", "nitrocementovaná kalená", "1570", "1350", "485", "615··700", "1288", "740"},
    {"konstrukční ocel uhlíková k cementaci", "12 010", "cementovaná kalená", "440", "275", "135", "650··720", "1210", "500"},
    {"konstrukční ocel uhlíková k cementaci", "12 020", "cementovaná kalená", "495", "295", "150", "650··720", "1210", "500"},
    {"konstrukční ocel slitinová k cementaci", "14 220", "cementovaná kalená", "785", "588", "250", "650··720", "1270", "700"},
    {"konstrukční ocel slitinová k cementaci", "14 223", "cementovaná kalená", "880", "685", "285", "650··720", "1270", "700"},
    {"konstrukční ocel slitinová k cementaci", "16 220", "cementovaná kalená", "880", "635", "285", "650··720", "1270", "700"},
    {"konstrukční ocel slitinová k cementaci", "16 420", "cementovaná kalená", "932", "735", "300", "650··720", "1270", "700"},
    {"konstrukční ocel slitinová k cementaci", "16 526", "cementovaná kalená", "1130", "885", "360", "650··700", "1330", "740"},
    {"konstrukční ocel uhlíková", "12 061", "karbonitridovaná", "660", "380", "200", "350", "800", "650"},
    {"konstrukční ocel uhlíková", "12 061", "karbonitridovaná", "740", "440", "235", "350", "800", "650"},
}};

}  // namespace soukoli
