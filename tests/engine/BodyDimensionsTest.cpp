// The dimensions window's rules on the default pair (df1 = 70, df2 = 150, srmin = 14): messages
// of each field, what a field recomputes, the solid-gear option, the reset and the closing checks.
#include <gtest/gtest.h>

#include "engine/BodyDimensions.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"

using namespace soukoli;
using soukoli::testing::defaultPair;
using soukoli::testing::RecordingUi;

namespace {

DimensionVerdict enter(GearPairData& g, DimensionField f, double v) { return commitDimension(g, f, v); }

}  // namespace

TEST(BodyDimensions, DefaultsFitWithoutWarningAndClose) {
    GearPairData g = defaultPair();
    RecordingUi ui;
    EXPECT_TRUE(enter(g, DimensionField::sr1, 20).accepted);
    EXPECT_TRUE(enter(g, DimensionField::sr2, 55).accepted);
    const DimensionWarnings w = dimensionWarnings(g);
    EXPECT_FALSE(w.thinRim1 || w.thinRim2 || w.impossiblePinion || w.impossibleWheel || w.apart);
    EXPECT_EQ(checkDimensionsForClosing(g, ui), "");
    EXPECT_GT(g.mass1, 0);
    EXPECT_GT(g.Cgama, 0);
}

TEST(BodyDimensions, FieldMessages) {
    GearPairData g = defaultPair();
    EXPECT_EQ(enter(g, DimensionField::dh1, 70).message, "Průměr hřídele je větší než patní průměr pastorku");
    EXPECT_DOUBLE_EQ(g.dh1, 70);  // stored before it is judged
    g = defaultPair();
    EXPECT_EQ(enter(g, DimensionField::dh2, 150).message, "Průměr hřídele je větší než patní průměr kola");
    g = defaultPair();
    EXPECT_EQ(enter(g, DimensionField::db, 60).message, "Kola mimo záběr");
    g = defaultPair();
    EXPECT_EQ(enter(g, DimensionField::db, -60).message, "Kola mimo záběr");
    g = defaultPair();
    EXPECT_TRUE(enter(g, DimensionField::db, 59.9).accepted);
    EXPECT_NEAR(g.b, 0.1, 1e-9);
    g = defaultPair();
    EXPECT_EQ(enter(g, DimensionField::sr1, 20.1).message, kDoesNotFit);
    EXPECT_EQ(enter(g, DimensionField::sr1, 0).message, "");
    EXPECT_FALSE(enter(g, DimensionField::sr1, 0).accepted);
    g = defaultPair();
    EXPECT_FALSE(enter(g, DimensionField::sd1, -0.1).accepted);
    EXPECT_FALSE(enter(g, DimensionField::Teta1, 0).accepted);
    EXPECT_FALSE(enter(g, DimensionField::Cgama, 0).accepted);
    EXPECT_FALSE(enter(g, DimensionField::b1, 0).accepted);
}

TEST(BodyDimensions, BodyWidthWithoutWebEqualsFaceWidth) {
    GearPairData g = defaultPair();
    const DimensionVerdict v = enter(g, DimensionField::bs1, 50);
    EXPECT_FALSE(v.accepted);
    EXPECT_EQ(v.message, "Pro sd1=0 platí bs1=b1");
    EXPECT_TRUE(v.changed);
    EXPECT_DOUBLE_EQ(g.bs1, 60);
    EXPECT_EQ(enter(g, DimensionField::bs2, 70).message, "Pro sd2=0 platí bs2=b2");
    // With a web: a solid pinion may not be narrower than its face; a wider body gets its web.
    g = defaultPair();
    g.sd1 = 5;
    g.PlnyPastorek = true;
    EXPECT_EQ(enter(g, DimensionField::bs1, 50).message, "Pro plný pastorek platí bs1>=b1");
    g.PlnyPastorek = false;
    EXPECT_TRUE(enter(g, DimensionField::bs1, 80).accepted);
    EXPECT_DOUBLE_EQ(g.sd1, (70 - 30) / 2.0 - 20);
}

TEST(BodyDimensions, ShaftSetsTheRimAndTheThinRimFlag) {
    GearPairData g = defaultPair();
    EXPECT_TRUE(enter(g, DimensionField::dh1, 42).accepted);
    EXPECT_DOUBLE_EQ(g.sr1, 14);
    EXPECT_DOUBLE_EQ(g.sR1, 14);
    EXPECT_FALSE(g.TenkyVenec1);  // equal to srmin is not thin
    EXPECT_TRUE(enter(g, DimensionField::dh1, 42.2).accepted);
    EXPECT_TRUE(g.TenkyVenec1);
    EXPECT_TRUE(dimensionWarnings(g).thinRim1);
}

TEST(BodyDimensions, InternalWheelSkipsTheWheelsFit) {
    GearPairData g = defaultPair(Toothing::Internal);
    EXPECT_TRUE(enter(g, DimensionField::sr2, 500).accepted);
    EXPECT_FALSE(dimensionWarnings(g).impossibleWheel);
    GearPairData e = defaultPair();
    EXPECT_EQ(enter(e, DimensionField::sr2, 500).message, kDoesNotFit);
    EXPECT_TRUE(dimensionWarnings(e).impossibleWheel);
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
