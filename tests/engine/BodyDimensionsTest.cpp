// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The dimensions window's rules on the default pair (df1 = 70, df2 = 150, srmin = 14), entered
// through the one entry path: messages of each field, what a field recomputes, the solid-gear
// option, the reset and the closing checks.
#include <gtest/gtest.h>

#include "engine/BodyDimensions.h"
#include "engine/FieldEntry.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

using namespace soukoli;
using soukoli::testing::defaultPair;
using soukoli::testing::RecordingUi;

namespace {

using F = DimensionField;

FieldEntry enter(GearPairData& g, F field, std::string_view text) {
    RecordingUi ui;
    return enterField(g, {InputWindow::Dimensions, static_cast<int>(field)}, text, ui);
}

double& quantityOf(GearPairData& g, double GearPairData::*member) { return g.*member; }

struct Entry {
    Toothing type;
    F field;
    const char* text;
    const char* refusal;                // nullptr: accepted
    double GearPairData::*quantity;     // accepted: holds `expected`; refused: as before
    double expected;
};

}  // namespace

TEST(BodyDimensions, EachFieldAcceptsOrRefusesWithItsMessage) {
    using G = GearPairData;
    constexpr auto E = Toothing::External;
    constexpr auto I = Toothing::Internal;
    const Entry entries[] = {
        {E, F::b1, "0", "Neplatné zadání", &G::b1, 0},
        {E, F::b1, "12,5", "Neplatné zadání", &G::b1, 0},
        {E, F::bs1, "50", "Pro sd1=0 platí bs1=b1", &G::bs1, 0},
        {E, F::bs2, "70", "Pro sd2=0 platí bs2=b2", &G::bs2, 0},
        {E, F::sr1, "20", nullptr, &G::sr1, 20},
        {E, F::sr1, "20.1", "Nevleze se do patního průměru", &G::sr1, 0},
        {E, F::sr1, "0", "Neplatné zadání", &G::sr1, 0},
        {E, F::sr2, "55", nullptr, &G::sr2, 55},
        {E, F::sr2, "500", "Nevleze se do patního průměru", &G::sr2, 0},
        {I, F::sr2, "500", nullptr, &G::sr2, 500},  // the body of an internal wheel lies outside
        {E, F::sd1, "-0.1", "Neplatné zadání", &G::sd1, 0},
        {E, F::dh1, "70", "Průměr hřídele je větší než patní průměr pastorku", &G::dh1, 0},
        {E, F::dh2, "150", "Průměr hřídele je větší než patní průměr kola", &G::dh2, 0},
        {E, F::dh1, "42", nullptr, &G::sr1, (70 - 42) / 2.0},  // the shaft sets the rim
        {E, F::db, "60", "Kola mimo záběr", &G::db, 0},
        {E, F::db, "-60", "Kola mimo záběr", &G::db, 0},
        {E, F::db, "59.9", nullptr, &G::b, 60 - 59.9},
        {E, F::Teta1, "0", "Neplatné zadání", &G::Teta1, 0},
        {E, F::Cgama, "0", "Neplatné zadání", &G::Cgama, 0},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(e.field) << " '" << e.text << "'");
        GearPairData g = defaultPair(e.type);
        const double before = quantityOf(g, e.quantity);
        const FieldEntry r = enter(g, e.field, e.text);
        if (e.refusal) {
            EXPECT_FALSE(r.accepted());
            EXPECT_EQ(r.message, e.refusal);
            EXPECT_EQ(quantityOf(g, e.quantity), before);
        } else {
            EXPECT_TRUE(r.accepted()) << r.message;
            EXPECT_NEAR(quantityOf(g, e.quantity), e.expected, 1e-9);
            EXPECT_TRUE(r.effects.bodies);
        }
    }
}

TEST(BodyDimensions, DefaultsFitWithoutWarningAndClose) {
    GearPairData g = defaultPair();
    RecordingUi ui;
    ASSERT_TRUE(enter(g, F::sr1, "20").accepted());
    ASSERT_TRUE(enter(g, F::sr2, "55").accepted());
    const DimensionWarnings w = dimensionWarnings(g);
    EXPECT_FALSE(w.thinRim1 || w.thinRim2 || w.impossiblePinion || w.impossibleWheel || w.apart);
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "");
    EXPECT_GT(g.mass1, 0);
    EXPECT_GT(g.Cgama, 0);
}

TEST(BodyDimensions, BodyWidthWithAWeb) {
    // A solid pinion may not be narrower than its face; a wider body gets its web.
    GearPairData g = defaultPair();
    g.sd1 = 5;
    g.PlnyPastorek = true;
    EXPECT_EQ(enter(g, F::bs1, "50").message, "Pro plný pastorek platí bs1>=b1");
    g.PlnyPastorek = false;
    g.sd1 = 5;
    EXPECT_TRUE(enter(g, F::bs1, "80").accepted());
    EXPECT_DOUBLE_EQ(g.sd1, (70 - 30) / 2.0 - 20);
}

TEST(BodyDimensions, ShaftSetsTheThinRimFlagBeyondSrmin) {
    GearPairData g = defaultPair();
    ASSERT_TRUE(enter(g, F::dh1, "42").accepted());
    EXPECT_DOUBLE_EQ(g.sR1, 14);
    EXPECT_FALSE(g.TenkyVenec1);  // equal to srmin is not thin
    ASSERT_TRUE(enter(g, F::dh1, "42.2").accepted());
    EXPECT_TRUE(g.TenkyVenec1);
    EXPECT_TRUE(dimensionWarnings(g).thinRim1);
}

TEST(BodyDimensions, FaceWidthLooksUpItsGearsAlignment) {
    GearPairData g = defaultPair();
    const FieldEntry r = enter(g, F::b2, "70");
    ASSERT_TRUE(r.accepted());
    EXPECT_EQ(r.effects.lookups, (AccuracyLookups{.wheelAlignment = true}));
    EXPECT_DOUBLE_EQ(g.b, 60);  // the narrower face carries
}

TEST(BodyDimensions, WarningsAtTheirBoundaries) {
    GearPairData g = defaultPair();
    g.db = 60;
    EXPECT_TRUE(dimensionWarnings(g).apart);
    g.db = 59.99;
    EXPECT_FALSE(dimensionWarnings(g).apart);
    g.Epsalfa = 1.19;
    EXPECT_TRUE(dimensionWarnings(g).noCgama);
    g.CgamaGiven = true;
    EXPECT_FALSE(dimensionWarnings(g).noCgama);
    g.Epsalfa = 1.2;
    g.CgamaGiven = false;
    EXPECT_FALSE(dimensionWarnings(g).noCgama);
}

TEST(BodyDimensions, SolidPinionAndReset) {
    GearPairData g = defaultPair();
    g.b1 = 0;
    g.dh1 = 80;
    g.sd1 = 3;
    setSolidGear(g, Gear::Pinion, true);
    EXPECT_TRUE(g.PlnyPastorek);
    EXPECT_DOUBLE_EQ(g.sd1, 0);
    EXPECT_DOUBLE_EQ(g.b1, 40);
    EXPECT_DOUBLE_EQ(g.dh1, 35);
    EXPECT_DOUBLE_EQ(g.sr1, 17.5);
    EXPECT_DOUBLE_EQ(g.sR1, 17.5);
    EXPECT_DOUBLE_EQ(g.bs1, 40);
    setSolidGear(g, Gear::Pinion, false);
    EXPECT_FALSE(g.PlnyPastorek);
    EXPECT_DOUBLE_EQ(g.sr1, 17.5);

    g.PlneKolo = true;
    g.mn = 5;
    resetDimensions(g);
    EXPECT_FALSE(g.PlnyPastorek || g.PlneKolo);
    EXPECT_DOUBLE_EQ(g.b1 + g.b2 + g.bs1 + g.sr2 + g.dh1 + g.db + g.b + g.sR1, 0);
    EXPECT_DOUBLE_EQ(g.srmin, 17.5);
}

TEST(BodyDimensions, ClosingChecksInOrder) {
    RecordingUi ui;
    GearPairData g = defaultPair();
    g.sr1 = 20.2;  // beyond the 0.1 mm allowance
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit.");
    g.sr1 = 20.05;  // within it
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "");
    g = defaultPair();
    g.dh2 = 150;
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "Prvky se nevlezou do patního průměru kola, rozměry se musí upravit.");
    g = defaultPair();
    g.sR1 = 0;
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "Záporný rozměr sr1 je nutno upravit.");
    g = defaultPair();
    g.sR2 = -1;
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "Záporný rozměr sr2 je nutno upravit.");
    // The simplified calculation only recomputes the face widths.
    g = defaultPair();
    g.Zjednoduseny = true;
    g.sr1 = 50;
    g.b1 = 50;
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "");
    EXPECT_DOUBLE_EQ(g.b, 50);
}

TEST(BodyDimensions, ImpossibleBodiesKeepEnteredValues) {
    RecordingUi ui;
    GearPairData g = defaultPair();
    g.dh1 = 100;  // the shaft wider than the root circle: negative web mass
    refreshBodyQuantities(g, ui);
    EXPECT_LE(g.mass1, 0);
    EXPECT_DOUBLE_EQ(g.Teta1, 0);
    EXPECT_DOUBLE_EQ(g.Cgama, 0);

    g = defaultPair();
    g.dh1 = 100;
    g.TetaGiven = g.CgamaGiven = true;
    g.Teta1 = 1234;
    g.Cgama = 17;
    refreshBodyQuantities(g, ui);
    EXPECT_DOUBLE_EQ(g.Teta1, 1234);
    EXPECT_DOUBLE_EQ(g.Cgama, 17);
}
