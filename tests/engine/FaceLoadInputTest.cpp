// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Rules of the face-load and layout-scheme windows: the source an option leaves behind, the
// field boundaries with their exact messages, the "Ok" order, "Esc", the layout choice by
// mouse and keys, the simplified picture's regions and KHbeta, and the layout drawings.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/FaceLoadInput.h"
#include "engine/FieldEntry.h"
#include "engine/LayoutDrawing.h"
#include "engine/LayoutSchemesTables.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

FieldEntry enter(GearPairData& g, InputWindow window, int field, std::string_view text) {
    testing::RecordingUi ui;
    return enterField(g, {window, field}, text, ui);
}

// Entries made one after the other into one data set: each accepted or refused with its message
// (accepted: the warning shown with it, mostly none).
struct Step {
    int field;
    const char* text;
    bool accepted;
    const char* message;
};

void enterInTurn(GearPairData& g, InputWindow window, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        SCOPED_TRACE(::testing::Message() << "field " << s.field << " '" << s.text << "'");
        const FieldEntry e = enter(g, window, s.field, s.text);
        EXPECT_EQ(e.accepted(), s.accepted);
        EXPECT_EQ(e.message, s.message);
    }
}

GearPairData defaults() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    testing::RecordingUi ui;
    resetToDefaults(g, ui);
    return g;
}

TEST(FaceLoadOptions, SwitchingSourcesClearsTheInputLeftBehind) {
    GearPairData g = defaults();
    g.KHbeta = 1.4;
    g.bcal = 30;
    faceLoadOptionClicked(g, KHbetaSource::FromBcal, true);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromBcal);
    EXPECT_EQ(g.KHbeta, 0);
    EXPECT_EQ(g.bcal, 30);
    g.KHbeta = 1.4;
    faceLoadOptionClicked(g, KHbetaSource::Entered, true);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    EXPECT_EQ(g.bcal, 0);
    EXPECT_EQ(g.KHbeta, 1.4);
    faceLoadOptionClicked(g, KHbetaSource::Entered, false);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::None);
    EXPECT_EQ(checkFaceLoadInput(g), FaceLoadProblem::NoSource);
}

TEST(FaceLoadOptions, FirstSchemePreselectsLayout1aInTheFullCalculationOnly) {
    GearPairData g = defaults();
    g.Schema.clear();
    g.SchemaIndex = 0;
    g.KHbeta = 1.5;
    g.bcal = 20;
    faceLoadOptionClicked(g, KHbetaSource::FromScheme, true);
    EXPECT_EQ(g.Schema, "1a");
    EXPECT_EQ(g.SchemaIndex, 2);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromScheme);
    EXPECT_EQ(g.KHbeta, 0);
    EXPECT_EQ(g.bcal, 0);

    GearPairData s = defaults();
    s.Zjednoduseny = true;
    s.Schema.clear();
    s.SchemaIndex = 4;
    s.KHbeta = 1.5;
    faceLoadOptionClicked(s, KHbetaSource::FromScheme, true);
    EXPECT_EQ(s.SchemaIndex, 4);
    EXPECT_EQ(s.KHbeta, 1.5);  // the picture computes it
}

TEST(FaceLoadFields, BoundariesAndOkChecks) {
    GearPairData g = defaults();
    ASSERT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    const double KHbeta = g.KHbeta;
    enterInTurn(g, InputWindow::FaceLoad, {
        {1, "0", false, "Neplatné zadání šířky pásma dotyku zatížených zubů bcal"},
        {1, "x", false, "Neplatné zadání šířky pásma dotyku zatížených zubů bcal"},
    });
    EXPECT_EQ(g.bcal, 0);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);  // a refused value changes no source
    enterInTurn(g, InputWindow::FaceLoad, {{1, "0.1", true, ""}});
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromBcal);
    enterInTurn(g, InputWindow::FaceLoad, {
        {2, "0.999", false, "KHbeta vol větší nebo rovno 1"},
        {2, "", false, "KHbeta vol větší nebo rovno 1"},
        {1, "12,5", false, "Neplatné zadání šířky pásma dotyku zatížených zubů bcal"},
    });
    EXPECT_EQ(g.KHbeta, KHbeta);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromBcal);
    enterInTurn(g, InputWindow::FaceLoad, {{2, "1", true, ""}});
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    EXPECT_EQ(checkFaceLoadInput(g), FaceLoadProblem::None);
    g.KHbeta = 0.999;
    EXPECT_EQ(checkFaceLoadInput(g), FaceLoadProblem::KHbeta);
    g.KHbetaFrom = KHbetaSource::FromBcal;
    g.bcal = 0;
    EXPECT_EQ(checkFaceLoadInput(g), FaceLoadProblem::Bcal);
    g.KHbetaFrom = KHbetaSource::FromScheme;
    EXPECT_EQ(checkFaceLoadInput(g), FaceLoadProblem::None);
}

TEST(SchemeLabels, FullLabelsSimplifiedNumbers) {
    GearPairData g = defaults();
    const char* labels[] = {"", "1", "1a", "2", "2a", "3", "4", "5", "6", "7", "8", ""};
    for (int n = 0; n <= 11; ++n) {
        g.SchemaIndex = static_cast<std::uint16_t>(n);
        EXPECT_EQ(schemeLabelFor(g), labels[n]) << n;
    }
    g.Zjednoduseny = true;
    g.SchemaIndex = 6;
    EXPECT_EQ(schemeLabelFor(g), "6");
    EXPECT_EQ(schemeNumberOfText("6"), 6);
    EXPECT_EQ(schemeNumberOfText("1a"), std::nullopt);
    EXPECT_EQ(schemeNumberOfText(""), std::nullopt);
    EXPECT_EQ(schemeNumberOfText("99999"), std::nullopt);
}

TEST(LayoutFields, BoundariesMessagesAndWarnings) {
    GearPairData g = defaults();
    ASSERT_EQ(g.df1, 70);
    ASSERT_EQ(g.df2, 150);
    enterInTurn(g, InputWindow::Layout, {
        {1, "0", true, ""},
        {1, "-0.1", false, "Rozměr s1 musí být kladný"},
        {1, "abc", false, "Rozměr s1 musí být kladný"},
        {2, "-1", false, "Rozměr s2 musí být kladný"},
        {1, "30", true, ""},
        {3, "60", true, ""},  // lw1 = 2·s1 is enough
        {3, "59.999", false, "Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1"},
        {1, "0", true, ""},
        {3, "0", false, "Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1"},  // > 0 even without offset
        {4, "0", false, "Rozměr lw2 musí být větší než 0 a alespoň 2x větší než rozměr s2"},
        {5, "0", false, "Rozměr dsh1 musí být větší než 0"},
        {6, "0", false, "Rozměr dsh2 musí být větší než 0"},
        {7, "0", false, "Rozměr dII musí být větší než 0"},
        {8, "0", false, "Rozměr dI musí být větší než 0"},
        // Warnings that accept their value: a shaft thicker than the root, a bore under its shaft.
        {5, "71", true, "                             VAROVÁNÍ\r\rRozměr dsh1 je větší než patní průměr pastorku"},
        {5, "70", true, ""},
        {6, "151", true, "                          VAROVÁNÍ\r\rRozměr dsh2 je větší než patní průměr kola"},
        {6, "40", true, ""},
        {7, "39", true, "                           VAROVÁNÍ\r\rRozměr dII je menší než průměr hřídele dsh2"},
        {7, "40", true, ""},
        {5, "30", true, ""},
        {8, "29", true, "                           VAROVÁNÍ\r\rRozměr dI je menší než průměr hřídele dsh1"},
    });
    EXPECT_EQ(g.s1, 0);
    EXPECT_EQ(g.lw1, 60);
    EXPECT_EQ(g.dI, 29);
    EXPECT_FALSE(enter(g, InputWindow::Layout, 9, "1").accepted());
}

TEST(LayoutFields, RatioWarningAboveThreeTenths) {
    EXPECT_FALSE(leverRatio(30, 100).warning);
    EXPECT_TRUE(leverRatio(31, 100).warning);
    EXPECT_DOUBLE_EQ(leverRatio(31, 100).ratio, 0.31);
    EXPECT_FALSE(leverRatio(31, 0).warning);  // no span, no ratio
}

TEST(LayoutOk, FirstFailingFieldInOrder) {
    GearPairData g = defaults();
    selectLayout(g, 10);
    EXPECT_EQ(checkLayoutInput(g), 3);
    g.lw1 = 100;
    g.s1 = 50.001;
    EXPECT_EQ(checkLayoutInput(g), 3);
    g.s1 = 50;
    EXPECT_EQ(checkLayoutInput(g), 4);
    g.lw2 = 100;
    EXPECT_EQ(checkLayoutInput(g), 5);
    g.dsh1 = 30;
    EXPECT_EQ(checkLayoutInput(g), 6);
    g.dsh2 = 40;
    EXPECT_EQ(checkLayoutInput(g), 7);
    g.dII = 100;
    EXPECT_EQ(checkLayoutInput(g), 8);
    g.dI = 80;
    EXPECT_EQ(checkLayoutInput(g), 0);
    g.dI = g.dII = 0;
    selectLayout(g, 4);  // "2a" has neither further gear
    EXPECT_EQ(checkLayoutInput(g), 0);
    selectLayout(g, 5);  // "3" has dII
    EXPECT_EQ(checkLayoutInput(g), 7);
    g.Schema.clear();
    EXPECT_EQ(checkLayoutInput(g), -1);
    EXPECT_EQ(kMsgNoLayout, "Není vybrané půdorysné schéma");
}

TEST(LayoutEsc, BackToDirectEntryWithoutDimensions) {
    GearPairData g = defaults();
    g.KHbetaFrom = KHbetaSource::FromScheme;
    g.s1 = g.s2 = g.lw1 = g.lw2 = g.dsh1 = g.dsh2 = g.dII = g.dI = 5;
    cancelLayout(g);
    EXPECT_EQ(g.SchemaIndex, 0);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    for (double v : {g.s1, g.s2, g.lw1, g.lw2, g.dsh1, g.dsh2, g.dII, g.dI}) EXPECT_EQ(v, 0);
}

TEST(LayoutChoice, KeysWrapAndCellsHitEdgesIncluded) {
    EXPECT_EQ(previousLayout(1), 10);
    EXPECT_EQ(nextLayout(10), 1);
    EXPECT_EQ(previousLayout(5), 4);
    EXPECT_EQ(nextLayout(0), 1);
    EXPECT_EQ(previousLayout(0), 10);
    EXPECT_EQ(layoutAt(5, 5), 1);
    EXPECT_EQ(layoutAt(150, 10), 1);  // shared edge: the lower number
    EXPECT_EQ(layoutAt(151, 10), 2);
    EXPECT_EQ(layoutAt(155, 139), 5);
    EXPECT_EQ(layoutAt(5, 408), 10);
    EXPECT_EQ(layoutAt(300, 495), std::nullopt);
    EXPECT_EQ(layoutAt(451, 300), std::nullopt);
    const auto& cell = kLayoutCells[3];  // shown: 5 pixels inside its cell
    EXPECT_EQ(layoutAt(cell.x + 5, cell.y + 5), 4);
    for (int n = 1; n <= 10; ++n) {
        const auto& c = kLayoutCells[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(layoutAt(c.x + 5, c.y + 5), n);
    }

    GearPairData g = defaults();
    selectLayout(g, 4);
    EXPECT_EQ(g.Schema, "2a");
    EXPECT_EQ(g.SchemaIndex, 4);
    EXPECT_FALSE(layoutFieldShown(4, 7) || layoutFieldShown(4, 8));
    EXPECT_TRUE(layoutFieldShown(5, 7) && !layoutFieldShown(5, 8));
    EXPECT_TRUE(layoutFieldShown(10, 7) && layoutFieldShown(10, 8));
}

TEST(SimplifiedPicture, RegionsAndKHbeta) {
    EXPECT_EQ(simplifiedSchemeAt(10, 200), 1);
    EXPECT_EQ(simplifiedSchemeAt(83, 270), 1);
    EXPECT_EQ(simplifiedSchemeAt(100, 100), 3);
    EXPECT_EQ(simplifiedSchemeAt(200, 100), 3);
    EXPECT_EQ(simplifiedSchemeAt(30, 50), 5);
    EXPECT_EQ(simplifiedSchemeAt(250, 300), 5);
    EXPECT_EQ(simplifiedSchemeAt(370, 250), 4);
    EXPECT_EQ(simplifiedSchemeAt(150, 200), std::nullopt);
    EXPECT_EQ(simplifiedSchemeAt(371, 250), std::nullopt);

    GearPairData g = defaults();
    g.Zjednoduseny = true;
    g.z1 = 20;
    g.mn = 5;
    g.Beta = 0;
    g.b1 = g.b2 = 100;  // ψ = 1
    g.VHV1 = g.VHV2 = 351;
    pickSimplifiedScheme(g, 1);
    EXPECT_EQ(g.SchemaIndex, 1);
    EXPECT_NEAR(g.KHbeta, 2.2, 1e-12);
    g.VHV2 = 350;  // exactly 350 is soft
    pickSimplifiedScheme(g, 1);
    EXPECT_NEAR(g.KHbeta, 1 + 0.385 + 0.125, 1e-12);
    g.b2 = 50;  // the smaller face width counts
    pickSimplifiedScheme(g, 7);
    EXPECT_NEAR(g.KHbeta, 1 - 0.0136 * 0.5 + 0.0366 * 0.25, 1e-12);
}

TEST(LayoutDrawings, LabelsInFigureOrderAndInsideTheDrawingSpace) {
    const std::vector<std::vector<std::string>> expected{
        {"s1", "lw1/2", "s2", "lw2/2"},
        {"lw1/2", "s1", "lw2/2", "s2"},
        {"s1", "lw1/2", "s2", "lw2/2"},
        {"lw1/2", "s1", "lw2/2", "s2"},
        {"s1", "lw1/2", "2·s2", "lw2/2", "II"},
        {"s1", "lw1/2", "2·s2", "lw2/2", "II"},
        {"1", "s1", "lw1/2", "2·s2", "lw2/2", "II"},
        {"lw1", "s1", "2·s2", "lw2/2", "II"},
        {"lw1", "s1", "2·s2", "lw2/2", "II"},
        {"2·s1", "lw1/2", "2·s2", "lw2/2", "II", "I"},
    };
    for (int n = 1; n <= kLayoutCount; ++n) {
        std::vector<std::string> texts;
        int x = 0, y = 0, dimensions = 0;
        for (const PenStep& s : layoutPenSteps(n)) {
            x += s.dx;
            y += s.dy;
            EXPECT_TRUE(x >= 0 && x <= kDrawingWidth && y >= 0 && y <= kDrawingHeight) << n << ": " << x << "," << y;
            if (s.op == PenOp::Text) texts.emplace_back(s.text);
            if (s.op == PenOp::Dimension) ++dimensions;
        }
        EXPECT_EQ(texts, expected[static_cast<std::size_t>(n - 1)]) << n;
        EXPECT_EQ(dimensions, static_cast<int>(std::count_if(texts.begin(), texts.end(), [](const std::string& t) {
                                  return t != "1" && t != "I" && t != "II";
                              })))
            << n;
    }
    EXPECT_TRUE(layoutPenSteps(0).empty());
    EXPECT_TRUE(layoutPenSteps(11).empty());
}

}  // namespace
}  // namespace soukoli
