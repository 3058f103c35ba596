// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Entering the geometry field by field through the one entry path: ranges at their boundaries
// with the exact messages, the centre distance with its unchanged / reset / awmin steps, the
// shift-sum rule with and without a given centre distance, the tip diameter flags, and pairs
// whose geometry cannot be formed.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "engine/BasicGeometry.h"
#include "engine/FieldEntry.h"
#include "engine/GeometryInput.h"
#include "engine/ModuleTables.h"
#include "engine/Numbers.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;
using F = GeometryField;

constexpr double kDeg = std::numbers::pi / 180;
// The shift sum of the default pair at aw = 122 mm: inv αtw with cos αtw = 120·cos 20°/122.
constexpr double kXsAt122 = 0.5297707620515306;

GearPairData pair(Toothing type = Toothing::External) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    RecordingUi ui;
    updateCentreDistance(g, ui);
    updateDiameters(g, ui);
    return g;
}

FieldEntry enter(GearPairData& g, F field, std::string_view text, Ui& ui) {
    return enterField(g, {InputWindow::Geometry, static_cast<int>(field)}, text, ui);
}
FieldEntry enterValue(GearPairData& g, F field, double value, Ui& ui) {
    return enterFieldValue(g, {InputWindow::Geometry, static_cast<int>(field)}, value, ui);
}

struct Refusal {
    F field;
    const char* text;
    const char* message;
    std::int32_t parseStatus;
};

TEST(GeometryEntry, RefusedEntriesWithTheirMessages) {
    const Refusal external[] = {
        {F::z1, "abc", "Neplatné zadání počtu zubů pastorku z1", 1},
        {F::z1, "0", "Neplatné zadání počtu zubů pastorku z1", 0},
        {F::z2, "", "Neplatné zadání počtu zubů kola z2", 1},
        {F::z2, "0", "Neplatné zadání počtu zubů kola z2", 0},
        {F::z2, "3", "Počet zubů kola vol větší než 3", 0},
        {F::z2, "3.99", "Počet zubů kola vol větší než 3", 0},
        {F::mn, "4,5", "Neplatné zadání normálného modulu mn", 2},
        {F::mn, "-4", "Neplatné zadání normálného modulu mn", 0},
        {F::Beta, "-0.1", "Neplatné zadání úhlu sklonu zubů beta   Je nutno zadávat v desetinném tvaru.", 0},
        {F::Beta, "90", "Neplatné zadání úhlu sklonu zubů beta   Je nutno zadávat v desetinném tvaru.", 0},
        {F::Beta, "12°", "Neplatné zadání úhlu sklonu zubů beta   Je nutno zadávat v desetinném tvaru.", 3},
        {F::Alfan, "0.5", "Neplatné zadání úhlu záběru alfan   Je nutno zadávat v desetinném tvaru.", 0},
        {F::Alfan, "50.0001", "Neplatné zadání úhlu záběru alfan   Je nutno zadávat v desetinném tvaru.", 0},
        {F::Alfan, "51", "Neplatné zadání úhlu záběru alfan   Je nutno zadávat v desetinném tvaru.", 0},
        {F::x1, "x", "Neplatné zadání jednotkové korekce pastorku x1", 1},
        {F::x1, "-1.3", "Nemožný součet jednotkových korekcí x1+x2  (xmez= -1.22848)", 1},
        {F::x2, "-1.3", "Nemožný součet jednotkových korekcí x1+x2  (xmez= -1.22848)", 1},
        {F::aw, "-130", "Neplatné zadání osové vzdálenosti aw", 0},
        {F::aw, "122,5", "Neplatné zadání osové vzdálenosti aw", 4},
        {F::aw, "112.7", "Nemožně malá osová vzdálenost aw (awmin= 112.76311)", 1},
        {F::ha1_star, "-2.01", "Neplatné zadání jednotkové výšky hlavy pastorku ha1*", 0},
        {F::ha2_star, "-2.01", "Neplatné zadání jednotkové výšky hlavy kola ha2*", 0},
        {F::ca1_star, "-0.01", "Neplatné zadání jednotkové hlavové vůle pastorku ca1*", 0},
        {F::ca2_star, "-0.01", "Neplatné zadání jednotkové hlavové vůle kola ca2*", 0},
        {F::Rof1_star, "-1.01", "Neplatné zadání jednotkového rádiusu paty základního profilu pastorku rof1*", 0},
        {F::Rof2_star, "-1.01", "Neplatné zadání jednotkového rádiusu paty základního profilu kola rof2*", 0},
        {F::da1, "0", "Neplatné zadání hlavového průměru pastorku", 0},
        {F::da2, "-168", "Neplatné zadání hlavového průměru kola", 0},
    };
    for (const Refusal& r : external) {
        GearPairData g = pair();
        const GearPairData before = g;
        RecordingUi ui;
        const FieldEntry e = enter(g, r.field, r.text, ui);
        SCOPED_TRACE(std::string("field ") + std::to_string(static_cast<int>(r.field)) + " '" + r.text + "'");
        EXPECT_EQ(e.outcome, EntryOutcome::Rejected);
        EXPECT_EQ(e.message, r.message);
        EXPECT_EQ(e.parseStatus, r.parseStatus);
        EXPECT_TRUE(ui.messages.empty());  // the caller shows the refusal
        // Nothing of the entry stays (FieldEntryTest checks every quantity).
        EXPECT_EQ(g.z1, before.z1);
        EXPECT_EQ(g.z2, before.z2);
        EXPECT_EQ(g.d1, before.d1);
        EXPECT_EQ(g.aw, before.aw);
        EXPECT_EQ(g.da1, before.da1);
        EXPECT_EQ(g.Alfan, before.Alfan);
        EXPECT_EQ(g.awGiven, before.awGiven);
    }

    const Refusal internal[] = {
        {F::z2, "-3", "Počet zubů korunového kola vol menší než -3", 0},
        {F::z2, "60", "Počet zubů korunového kola vol menší než -3", 0},
        {F::aw, "20", "Neplatné zadání osové vzdálenosti aw", 0},
        {F::aw, "-75.1", "Nemožně malá osová vzdálenost aw (awmin= -75.17541)", 1},
        {F::da2, "232", "Neplatné zadání hlavového průměru kola", 0},
        // As many teeth in the ring as on the pinion: no pair can be formed.
        {F::z2, "-20", "Neplatné zadání počtu zubů kola z2", 0},
        {F::z1, "60", "Neplatné zadání počtu zubů pastorku z1", 0},
    };
    for (const Refusal& r : internal) {
        GearPairData g = pair(Toothing::Internal);
        RecordingUi ui;
        SCOPED_TRACE(std::string("internal '") + r.text + "'");
        const FieldEntry e = enter(g, r.field, r.text, ui);
        EXPECT_EQ(e.outcome, EntryOutcome::Rejected);
        EXPECT_EQ(e.message, r.message);
        EXPECT_EQ(e.parseStatus, r.parseStatus);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_NEAR(g.aw, -80, 1e-9);
    }
}

TEST(GeometryEntry, RangeBoundariesAreAccepted) {
    const std::pair<F, const char*> accepted[] = {
        {F::z2, "4"},         {F::Beta, "0"},       {F::Alfan, "1"},      {F::Alfan, "50"},
        {F::ha1_star, "-2"},  {F::ca1_star, "0"},   {F::Rof1_star, "-1"}, {F::da1, "0.001"},
        {F::z1, " +1.9E1"},   {F::mn, "0.05"},      {F::aw, "112.77"},
    };
    for (const auto& [field, text] : accepted) {
        GearPairData g = pair();
        RecordingUi ui;
        SCOPED_TRACE(text);
        EXPECT_EQ(enter(g, field, text, ui).outcome, EntryOutcome::Accepted);
        EXPECT_TRUE(geometryFormed(g));
    }
    GearPairData g = pair(Toothing::Internal);
    RecordingUi ui;
    ASSERT_TRUE(enter(g, F::z1, "3", ui).accepted());
    EXPECT_TRUE(enter(g, F::z2, "-4", ui).accepted());
    EXPECT_EQ(g.z0, 2);  // below 15 teeth the cutter has two fewer
}

TEST(GeometryEntry, MainInputsRecomputeThePairAndClearTheEnteredTipDiameters) {
    GearPairData g = pair();
    RecordingUi ui;
    ASSERT_TRUE(enter(g, F::da1, "90", ui).accepted());
    ASSERT_TRUE(enter(g, F::da2, "170", ui).accepted());
    EXPECT_TRUE(g.da1Given && g.da2Given);

    // rof1* keeps an entered tip diameter.
    EXPECT_TRUE(enter(g, F::Rof1_star, "0.3", ui).accepted());
    EXPECT_EQ(g.da1, 90);
    EXPECT_TRUE(g.da1Given);

    // z1 clears both flags and moves aw with the pair.
    const FieldEntry e = enter(g, F::z1, "25", ui);
    EXPECT_TRUE(e.accepted());
    EXPECT_EQ(e.effects.lookups, (AccuracyLookups{.pinionPitch = true}));
    EXPECT_FALSE(g.da1Given || g.da2Given);
    EXPECT_NEAR(g.aw, 130, 1e-9);
    EXPECT_NEAR(g.d1, 100, 1e-12);
    EXPECT_NEAR(g.u, 1.6, 1e-15);
    EXPECT_NEAR(g.da1, 108, 1e-9);
    EXPECT_TRUE(ui.messages.empty());

    // ha1* and ca1* clear them as well; ca1* moves only da1.
    g = pair();
    enter(g, F::da1, "90", ui);
    EXPECT_TRUE(enter(g, F::ha1_star, "1.1", ui).accepted());
    EXPECT_FALSE(g.da1Given);
    // The tip follows the clearance against the mating root, which ha1* deepens.
    EXPECT_NEAR(g.df2, 150 - 0.8, 1e-9);
    EXPECT_NEAR(g.da1, 88.8, 1e-9);
    EXPECT_NEAR(g.da2, 168, 1e-9);
    g = pair();
    EXPECT_TRUE(enter(g, F::ca1_star, "0.5", ui).accepted());
    EXPECT_NEAR(g.da1, 2 * (120 - 2.0) - 150, 1e-9);
    EXPECT_NEAR(g.da2, 168, 1e-9);

    // Lookups of the accuracy values that each input makes due; mn also resets srmin.
    g = pair();
    EXPECT_EQ(enter(g, F::z2, "50", ui).effects.lookups, (AccuracyLookups{.wheelPitch = true}));
    EXPECT_EQ(enter(g, F::Beta, "15", ui).effects.lookups,
              (AccuracyLookups{.pinionPitch = true, .wheelPitch = true}));
    EXPECT_NEAR(g.d2, 200 / std::cos(15 * kDeg), 1e-9);
    EXPECT_NEAR(g.zv2, 50 / std::pow(std::cos(15 * kDeg), 3), 1e-9);
    EXPECT_TRUE(enter(g, F::mn, "5", ui).effects.lookups.wheelAlignment);
    EXPECT_EQ(g.srmin, 17.5);
    EXPECT_FALSE(enter(g, F::Alfan, "25", ui).effects.lookups.any());
}

TEST(GeometryEntry, CentreDistanceGivesTheShiftSum) {
    GearPairData g = pair();
    RecordingUi ui;
    FieldEntry e = enter(g, F::aw, "122", ui);
    EXPECT_EQ(e.outcome, EntryOutcome::Accepted);
    EXPECT_TRUE(g.awGiven);
    EXPECT_EQ(g.aw, 122);
    EXPECT_NEAR(g.xs, kXsAt122, 1e-12);
    EXPECT_EQ(g.x1, g.x2);
    EXPECT_NEAR(g.x1, kXsAt122 / 2, 1e-12);
    EXPECT_NEAR(g.k, kXsAt122 - 0.5, 1e-12);

    // With aw given, x1 moves x2 and the sum stays; aw is not touched and nothing is tested.
    e = enter(g, F::x1, "0.4", ui);
    EXPECT_TRUE(e.accepted());
    EXPECT_EQ(g.x1, 0.4);
    EXPECT_NEAR(g.x2, kXsAt122 - 0.4, 1e-12);
    EXPECT_EQ(g.aw, 122);
    EXPECT_TRUE(g.awGiven);
    enter(g, F::x2, "-5", ui);  // far beyond xmez: still only the split moves
    EXPECT_NEAR(g.x1, kXsAt122 + 5, 1e-12);

    // The shifts found give the same centre distance back through the involute relation.
    g = pair();
    enter(g, F::aw, "122", ui);
    g.awGiven = false;
    updateCentreDistance(g, ui);
    EXPECT_NEAR(g.aw, 122, 1e-8);

    // A shift entered without aw given moves aw and ends the given centre distance.
    g = pair();
    enter(g, F::aw, "122", ui);
    e = enter(g, F::z1, "20", ui);
    EXPECT_FALSE(g.awGiven);
    EXPECT_NEAR(g.aw, 122, 1e-8);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GeometryEntry, CentreDistanceUnchangedOrReset) {
    GearPairData g = pair();
    RecordingUi ui;
    enter(g, F::x1, "0.3", ui);
    const double aw = g.aw;
    // The shown value read back is no new entry.
    EXPECT_EQ(enter(g, F::aw, "-" + str(aw, 7, 3), ui).outcome, EntryOutcome::Unchanged);
    EXPECT_EQ(enter(g, F::aw, str(aw + 0.0008, 0, 4), ui).outcome, EntryOutcome::Unchanged);
    EXPECT_FALSE(g.awGiven);
    EXPECT_EQ(g.x1, 0.3);
    EXPECT_EQ(enter(g, F::aw, str(aw + 0.0011, 0, 4), ui).outcome, EntryOutcome::Accepted);
    EXPECT_TRUE(g.awGiven);

    for (const char* text : {"0", "", "   ", "-0.0"}) {
        SCOPED_TRACE(text);
        enter(g, F::aw, "125", ui);
        g.da1Given = true;
        const FieldEntry e = enter(g, F::aw, text, ui);
        EXPECT_EQ(e.outcome, EntryOutcome::Reset);
        EXPECT_EQ(e.focusField, static_cast<int>(F::x1));
        EXPECT_EQ(g.x1, 0);
        EXPECT_EQ(g.x2, 0);
        EXPECT_EQ(g.aw, g.a);
        EXPECT_EQ(g.alfatw, g.alfat);
        EXPECT_FALSE(g.awGiven || g.da1Given);
        EXPECT_NEAR(g.da1, 88, 1e-9);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GeometryEntry, ShiftSumAtTheLimitIsRefused) {
    GearPairData g = pair();
    RecordingUi ui;
    const double xmez = limitingShiftSum(g);
    FieldEntry e = enterValue(g, F::x1, xmez, ui);  // x1 + x2 == xmez: not strictly above
    EXPECT_EQ(e.outcome, EntryOutcome::Rejected);
    EXPECT_EQ(e.parseStatus, 1);
    e = enterValue(g, F::x1, xmez + 1e-9, ui);
    EXPECT_TRUE(e.accepted());
    EXPECT_TRUE(geometryFormed(g));
    EXPECT_LT(g.aw, 120);

    // Internal toothing: the sum must stay below xmez.
    g = pair(Toothing::Internal);
    const double xmezInternal = limitingShiftSum(g);
    EXPECT_NEAR(xmezInternal, 0.8189891625278128, 1e-12);
    EXPECT_FALSE(enterValue(g, F::x2, xmezInternal, ui).accepted());
    EXPECT_TRUE(enterValue(g, F::x2, xmezInternal - 0.1, ui).accepted());
}

TEST(GeometryEntry, InternalPairCentreDistanceAndCutter) {
    GearPairData g = pair(Toothing::Internal);
    RecordingUi ui;
    EXPECT_TRUE(enter(g, F::z2, "-47", ui).accepted());
    EXPECT_EQ(g.z0, 30);
    EXPECT_NEAR(g.aw, -54, 1e-9);
    const FieldEntry e = enter(g, F::aw, "-55", ui);
    EXPECT_EQ(e.outcome, EntryOutcome::Accepted);
    EXPECT_EQ(g.aw, -55);
    EXPECT_TRUE(g.awGiven);
    // A larger internal distance needs a smaller (more negative) shift sum.
    EXPECT_LT(g.xs, 0);
    EXPECT_EQ(g.x1, g.x2);
    EXPECT_TRUE(geometryFormed(g));
}

TEST(GeometryEntry, ValuesAlreadyRead) {
    GearPairData g = pair();
    RecordingUi ui;
    EXPECT_TRUE(enterValue(g, F::Beta, 10 * kDeg, ui).accepted());
    EXPECT_NEAR(g.Beta, 10 * kDeg, 1e-15);
    EXPECT_FALSE(enterValue(g, F::z1, std::nan(""), ui).accepted());
    g = pair();
    // A value equal to the current centre distance is still an entry here.
    EXPECT_EQ(enterValue(g, F::aw, 120, ui).outcome, EntryOutcome::Accepted);
    EXPECT_TRUE(g.awGiven);
    EXPECT_NEAR(g.xs, 0, 1e-9);
    EXPECT_EQ(enterValue(g, F::aw, 0, ui).outcome, EntryOutcome::Reset);
    EXPECT_FALSE(g.awGiven);
}

// Whatever a user types, field after field: an accepted entry leaves a pair that can be formed,
// a refused one says why, and nothing hangs. A seeded walk over texts near the useful values,
// the range boundaries and the unreadable ones.
TEST(GeometryEntry, AnySequenceOfEntriesKeepsThePairFormed) {
    std::mt19937 rng(4608);
    const char* odd[] = {"", " ", "0", "-0", "1e308", "-1e308", "1e-320", "nan", "inf", "12,5", "+", "-", "1e", ".5",
                         "89.9999", "90", "1", "50", "-2", "-1", "3", "-3", "4", "-4", "0.0009", "122", "-122"};
    const double typical[] = {20, 40, 4, 10, 20, 0.3, 0.3, 122, 1, 1, 0.25, 0.25, 0.38, 0.38, 88, 168};
    for (int walk = 0; walk < 200; ++walk) {
        RecordingUi ui;
        GearPairData g = pair(walk % 3 == 0 ? Toothing::Internal : Toothing::External);
        // A refused entry keeps the focus: the user enters that field again until it is accepted
        // (or the walk gives up on it).
        int pending = 0;
        int retries = 0;
        for (int step = 0; step < 40 && retries < 6; ++step) {
            const int f = pending != 0 ? pending : 1 + static_cast<int>(rng() % kGeometryFieldCount);
            std::string text;
            if (rng() % 3 == 0) {
                text = odd[rng() % std::size(odd)];
            } else {
                const double sign = g.isInternal() && (f == 2 || f == 8 || f == 16) ? -1 : 1;
                const double scale = std::uniform_real_distribution<double>(-0.5, 2.5)(rng);
                text = str(sign * typical[f - 1] * scale, 0, 4);
            }
            const FieldEntry e = enter(g, static_cast<F>(f), text, ui);
            SCOPED_TRACE("walk " + std::to_string(walk) + " step " + std::to_string(step) + " field " +
                         std::to_string(f) + " '" + text + "'");
            if (e.accepted()) {
                ASSERT_TRUE(geometryFormed(g));
                pending = 0;
                retries = 0;
            } else {
                ASSERT_FALSE(e.message.empty());
                pending = f;
                ++retries;
            }
        }
    }
}

// The module table interleaves: every module of series 2 lies strictly between its neighbours of
// series 1 (a misplaced or mistyped entry breaks the order).
TEST(ModuleTable, SeriesInterleave) {
    const auto value = [](std::string_view printed) {
        std::string s(printed);
        for (char& c : s)
            if (c == ',') c = '.';
        const NumberParse p = parseNumber(s);
        EXPECT_TRUE(p.ok()) << printed;
        return p.value;
    };
    EXPECT_EQ(kModuleSeries1.front(), "0,05");
    EXPECT_EQ(kModuleSeries1.back(), "100");
    for (std::size_t i = 0; i < kModulesSeries2; ++i) {
        EXPECT_LT(value(kModuleSeries1[i]), value(kModuleSeries2[i])) << i;
        EXPECT_LT(value(kModuleSeries2[i]), value(kModuleSeries1[i + 1])) << i;
    }
}

}  // namespace
}  // namespace soukoli
