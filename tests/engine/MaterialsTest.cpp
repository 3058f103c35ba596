// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The material table of ČSN 01 4686 part 5, table 12: printed cells, what a row sets, and the
// ranges of the material constants entered through the one entry path.
#include <gtest/gtest.h>

#include "engine/FieldEntry.h"
#include "engine/Materials.h"
#include "support/RecordingUi.h"

using namespace soukoli;

TEST(MaterialTable, SpotChecksOfPrintedRows) {
    EXPECT_EQ(kMaterialTable[0].material, "tvárná litina");
    EXPECT_EQ(kMaterialTable[0].JHV, "190··270");
    EXPECT_EQ(kMaterialTable[9].Rm, "1150");
    EXPECT_EQ(kMaterialTable[31].designation, "NiCrMo80");
    EXPECT_EQ(kMaterialTable[36].Sigma0Hlim, "1288");
    EXPECT_EQ(kMaterialTable[45].Re, "440");
    EXPECT_EQ(kMaterialTable[43].VHV, "650··700");
}

TEST(MaterialTable, Row40GivesTheDefaultsOfTheDataSet) {
    GearPairData g;
    setDefaults(g);
    GearPairData chosen = g;
    chosen.Material1 = "x";
    chosen.Rm1 = chosen.E1 = chosen.qF1 = 0;
    applyMaterialChoice(chosen, Gear::Pinion, materialChoice(40));
    EXPECT_EQ(chosen.Material1, "14 220");
    EXPECT_EQ(chosen.Material1, g.Material1);
    EXPECT_EQ(chosen.Zpracovani1, 5);
    for (auto m : {&GearPairData::Rm1, &GearPairData::Re1, &GearPairData::JHV1, &GearPairData::VHV1,
                   &GearPairData::Sigma0Hlim1, &GearPairData::Sigma0Flimb1, &GearPairData::qF1, &GearPairData::qH1,
                   &GearPairData::NFlim1, &GearPairData::NHlim1, &GearPairData::E1, &GearPairData::Ny1})
        EXPECT_DOUBLE_EQ(chosen.*m, g.*m);
    EXPECT_DOUBLE_EQ(chosen.Rm1, 785);
    EXPECT_DOUBLE_EQ(chosen.NHlim1, 1e8);
}

TEST(MaterialTable, RangesGiveTheirLowerBoundAndCastIronItsModulus) {
    const MaterialChoice c = materialChoice(1);
    EXPECT_DOUBLE_EQ(c.JHV, 190);
    EXPECT_DOUBLE_EQ(c.VHV, 190);
    EXPECT_DOUBLE_EQ(c.E, 1.7e5);
    EXPECT_EQ(c.EText, "1.7e5");
    EXPECT_DOUBLE_EQ(c.qF, 6);
    EXPECT_DOUBLE_EQ(c.NHlim, 5e7);
    EXPECT_EQ(c.NHlimText, "50e6");
    EXPECT_EQ(c.Zpracovani, 0);
    EXPECT_DOUBLE_EQ(materialChoice(24).VHV, 600);
    EXPECT_DOUBLE_EQ(materialChoice(10).Rm, 1150);
    EXPECT_DOUBLE_EQ(materialChoice(37).Sigma0Hlim, 1288);
}

TEST(MaterialTable, BoundariesOfTheDerivedColumns) {
    // qF: 6 up to row 23, 9 from 24 on, shown "9÷12" for rows 33 to 37 only.
    EXPECT_EQ(materialChoice(23).qFText, "6");
    EXPECT_EQ(materialChoice(24).qFText, "9");
    EXPECT_EQ(materialChoice(32).qFText, "9");
    EXPECT_EQ(materialChoice(33).qFText, "9÷12");
    EXPECT_DOUBLE_EQ(materialChoice(33).qF, 9);
    EXPECT_EQ(materialChoice(37).qFText, "9÷12");
    EXPECT_EQ(materialChoice(38).qFText, "9");
    EXPECT_DOUBLE_EQ(materialChoice(23).NHlim, 5e7);
    EXPECT_DOUBLE_EQ(materialChoice(24).NHlim, 1e8);
    // E: cast steels 2e5 (rows 4-10, 24, 25), cast iron 1.7e5, the rest 2.1e5.
    EXPECT_DOUBLE_EQ(materialChoice(3).E, 1.7e5);
    EXPECT_DOUBLE_EQ(materialChoice(4).E, 2e5);
    EXPECT_DOUBLE_EQ(materialChoice(10).E, 2e5);
    EXPECT_DOUBLE_EQ(materialChoice(11).E, 2.1e5);
    EXPECT_DOUBLE_EQ(materialChoice(25).E, 2e5);
    EXPECT_DOUBLE_EQ(materialChoice(26).E, 2.1e5);
}

TEST(MaterialTable, HeatTreatmentFollowsTheRow) {
    const std::pair<int, int> expected[] = {{1, 0}, {3, 2}, {4, 1}, {7, 2}, {8, 1}, {14, 0}, {15, 1}, {16, 2},
                                            {17, 1}, {23, 2}, {24, 3}, {28, 3}, {29, 4}, {32, 4}, {33, 7},
                                            {36, 7}, {37, 6}, {38, 5}, {44, 5}, {45, 8}, {46, 8}};
    for (const auto& [row, index] : expected) EXPECT_EQ(materialChoice(row).Zpracovani, index) << "row " << row;
    // Each row's own treatment text names the same item where the spelling agrees.
    for (int r = 1; r <= static_cast<int>(kMaterialRows); ++r) {
        const auto text = kMaterialTable[static_cast<std::size_t>(r - 1)].treatment;
        if (text.find("kalena ") == std::string_view::npos) {
            EXPECT_EQ(kHeatTreatmentNames[materialChoice(r).Zpracovani], text) << "row " << r;
        }
    }
}

TEST(MaterialTable, TheWheelGetsItsOwnQuantities) {
    GearPairData g;
    setDefaults(g);
    applyMaterialChoice(g, Gear::Wheel, materialChoice(1));
    EXPECT_EQ(g.Material2, "42 2306");
    EXPECT_EQ(g.Material1, "14 220");
    EXPECT_DOUBLE_EQ(g.E2, 1.7e5);
    EXPECT_DOUBLE_EQ(g.E1, 2.1e5);
    EXPECT_EQ(g.Zpracovani2, 0);
}

TEST(MaterialFields, PositiveConstantsAndPoissonUpToOne) {
    struct Row {
        int field;
        const char* text;
        bool accepted;
        double stored;  // accepted: the value the field's quantity holds then
    };
    const Row rows[] = {
        {12, "1", true, 1},        {12, "0.25", true, 0.25}, {12, "0", false, 0},   {12, "1.01", false, 0},  // ν
        {25, "1", true, 1},        {25, "1.01", false, 0},                                                  // ν2
        {1, "1e-9", true, 1e-9},   {1, "0", false, 0},       {9, "5e7", true, 5e7}, {9, "-1", false, 0},
        {11, "2.2e5", true, 2.2e5}, {11, "2,1e5", false, 0}, {14, "1e-9", true, 1e-9}, {14, "0", false, 0},
        {22, "5e7", true, 5e7},    {24, "-1", false, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.field << " '" << r.text << "'");
        GearPairData g;
        setDefaults(g);
        const double before = *materialQuantity(g, r.field);
        soukoli::testing::RecordingUi ui;
        const FieldEntry e = enterField(g, {InputWindow::Materials, r.field}, r.text, ui);
        EXPECT_EQ(e.accepted(), r.accepted);
        if (r.accepted) {
            EXPECT_EQ(*materialQuantity(g, r.field), r.stored);
        } else {
            EXPECT_EQ(e.message, "Neplatné zadání");
            EXPECT_EQ(*materialQuantity(g, r.field), before);
        }
    }
    GearPairData g;
    EXPECT_EQ(materialQuantity(g, 1), &g.Sigma0Flimb1);
    EXPECT_EQ(materialQuantity(g, 23), &g.NHlim2);
    EXPECT_EQ(materialQuantity(g, 25), &g.Ny2);
    EXPECT_EQ(materialQuantity(g, 13), nullptr);
    EXPECT_EQ(materialQuantity(g, 26), nullptr);
}
