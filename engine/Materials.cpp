// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The material table's rows as field values, and the ranges of the material constants.
#include "engine/Materials.h"

#include <algorithm>

#include "engine/Numbers.h"

namespace soukoli {

namespace {

// The integer in the first `width` characters of a cell ("190··270" with width 3 gives 190).
double leading(std::string_view cell, std::size_t width) {
    return parseLeadingNumber(cell.substr(0, std::min(width, cell.size()))).value;
}

// Index into kHeatTreatmentNames that a row sets; the table's own treatment texts differ in
// spelling from the list ("kalena"), so the list follows the row number.
std::uint16_t treatmentOfRow(int r) {
    if (r == 1 || r == 2 || (r >= 11 && r <= 14)) return 0;                      // tepelně nezpracovaná
    if ((r >= 4 && r <= 6) || r == 8 || r == 15 || r == 17) return 1;             // normalizačně žíhaná
    if (r >= 24 && r <= 28) return 3;                                             // povrchově kalená po boku
    if (r >= 29 && r <= 32) return 4;                                             // povrchově kalená mezerově
    if (r >= 33 && r <= 36) return 7;                                             // nitridovaná
    if (r == 37) return 6;                                                        // nitrocementovaná kalená
    if (r >= 38 && r <= 44) return 5;                                             // cementovaná kalená
    if (r == 45 || r == 46) return 8;                                             // karbonitridovaná
    return 2;                                                                     // zušlechtěná
}

}  // namespace

MaterialChoice materialChoice(int row) {
    row = std::clamp(row, 1, static_cast<int>(kMaterialRows));
    const MaterialRow& cells = kMaterialTable[static_cast<std::size_t>(row - 1)];
    MaterialChoice c;
    c.Rm = leading(cells.Rm, 4);
    c.Re = leading(cells.Re, 4);
    c.JHV = leading(cells.JHV, 3);
    c.VHV = leading(cells.VHV, 3);
    c.Sigma0Hlim = leading(cells.Sigma0Hlim, 4);
    c.Sigma0Flimb = leading(cells.Sigma0Flimb, 3);
    c.designation = cells.designation;
    c.Zpracovani = treatmentOfRow(row);
    // Surface-hardened, nitrided and case-hardened steels (rows 24 on) have the flatter S-N curves.
    const bool hardened = row >= 24;
    c.NHlim = hardened ? 1e8 : 5e7;
    c.NHlimText = hardened ? "100e6" : "50e6";
    c.qF = hardened ? 9 : 6;
    c.qFText = (row >= 33 && row <= 37) ? "9÷12" : (hardened ? "9" : "6");
    if ((row >= 4 && row <= 10) || row == 24 || row == 25) {  // cast steels
        c.E = 2e5;
        c.EText = "2e5";
    } else if (row <= 3) {  // nodular cast iron
        c.E = 1.7e5;
        c.EText = "1.7e5";
    } else {
        c.E = 2.1e5;
        c.EText = "2.1e5";
    }
    return c;
}

void applyMaterialChoice(GearPairData& g, Gear gear, const MaterialChoice& c) {
    const bool pinion = gear == Gear::Pinion;
    (pinion ? g.Rm1 : g.Rm2) = c.Rm;
    (pinion ? g.Re1 : g.Re2) = c.Re;
    (pinion ? g.JHV1 : g.JHV2) = c.JHV;
    (pinion ? g.VHV1 : g.VHV2) = c.VHV;
    (pinion ? g.Sigma0Hlim1 : g.Sigma0Hlim2) = c.Sigma0Hlim;
    (pinion ? g.Sigma0Flimb1 : g.Sigma0Flimb2) = c.Sigma0Flimb;
    (pinion ? g.Material1 : g.Material2) = std::string(c.designation);
    (pinion ? g.Zpracovani1 : g.Zpracovani2) = c.Zpracovani;
    (pinion ? g.qF1 : g.qF2) = c.qF;
    (pinion ? g.qH1 : g.qH2) = c.qH;
    (pinion ? g.NFlim1 : g.NFlim2) = c.NFlim;
    (pinion ? g.NHlim1 : g.NHlim2) = c.NHlim;
    (pinion ? g.E1 : g.E2) = c.E;
    (pinion ? g.Ny1 : g.Ny2) = c.Ny;
}

bool materialValueAccepted(int field, double value) {
    const int own = field > kWheelMaterialOffset ? field - kWheelMaterialOffset : field;
    if (own == 12) return value > 0 && value <= 1;  // ν
    return value > 0;
}

double* materialQuantity(GearPairData& g, int field) {
    const bool pinion = field <= kWheelMaterialOffset;
    switch (pinion ? field : field - kWheelMaterialOffset) {
        case 1: return pinion ? &g.Sigma0Flimb1 : &g.Sigma0Flimb2;
        case 2: return pinion ? &g.Sigma0Hlim1 : &g.Sigma0Hlim2;
        case 3: return pinion ? &g.VHV1 : &g.VHV2;
        case 4: return pinion ? &g.JHV1 : &g.JHV2;
        case 5: return pinion ? &g.Rm1 : &g.Rm2;
        case 6: return pinion ? &g.Re1 : &g.Re2;
        case 7: return pinion ? &g.qF1 : &g.qF2;
        case 8: return pinion ? &g.qH1 : &g.qH2;
        case 9: return pinion ? &g.NFlim1 : &g.NFlim2;
        case 10: return pinion ? &g.NHlim1 : &g.NHlim2;
        case 11: return pinion ? &g.E1 : &g.E2;
        case 12: return pinion ? &g.Ny1 : &g.Ny2;
        default: return nullptr;
    }
}

FieldEntry commitMaterial(GearPairData& g, int field, double value) {
    double* quantity = materialQuantity(g, field);
    if (quantity == nullptr) return refusedEntry();
    *quantity = value;
    return materialValueAccepted(field, value) ? acceptedEntry() : refusedEntry();
}

}  // namespace soukoli
