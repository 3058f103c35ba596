// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The one entry path: a refused entry leaves the whole data set as it was, in every window, and
// an accepted one runs what the windows run after it (lookups, gear bodies).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/BodyDimensions.h"
#include "engine/FieldEntry.h"
#include "engine/FieldTable.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"
#include "support/StartUp.h"

using namespace soukoli;
using soukoli::testing::RecordingUi;

namespace {

GearPairData startUp() { return soukoli::testing::startUpPair(); }

// Every named quantity (NaN compared by its bits) and every text of the data set.
void expectSameData(const GearPairData& a, const GearPairData& b) {
    for (const NumericField& f : numericFields()) {
        const double x = readField(a, f), y = readField(b, f);
        EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0) << f.name << ": " << x << " became " << y;
    }
    EXPECT_EQ(a.Schema, b.Schema);
    EXPECT_EQ(a.Material1, b.Material1);
    EXPECT_EQ(a.Fj, b.Fj);
    EXPECT_EQ(a.Nj, b.Nj);
}

struct Refusal {
    FieldId field;
    const char* text;
    const char* message;  // nullptr: any message
};

}  // namespace

TEST(FieldEntry, RefusedEntryLeavesNothingBehind) {
    using W = InputWindow;
    const Refusal cases[] = {
        {{W::Geometry, 2}, "-40", nullptr},  // a negative z2 on an external pair
        {{W::Geometry, 1}, "12,5", nullptr},
        {{W::Dimensions, static_cast<int>(DimensionField::db)}, "60", "Kola mimo záběr"},
        {{W::Dimensions, 1}, "", nullptr},
        {{W::Accuracy, 1}, "13", nullptr},
        {{W::Loading, 7}, "0.5", nullptr},
        {{W::LoadLevels, 1}, "21", nullptr},
        {{W::Materials, 12}, "1.5", nullptr},
        {{W::FaceLoad, 1}, "0", nullptr},
        {{W::Layout, 3}, "-1", nullptr},
        {{W::Coefficients, 8}, "-1", nullptr},
        {{W::Materials, 13}, "1", "Neplatné zadání"},  // the designation is text, no numeric field
    };
    for (const Refusal& c : cases) {
        GearPairData g = startUp();
        const GearPairData before = g;
        RecordingUi ui;
        const FieldEntry e = enterField(g, c.field, c.text, ui);
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.field.window) << "/" << c.field.number << " '" << c.text << "'");
        EXPECT_FALSE(e.accepted());
        if (c.message) {
            EXPECT_EQ(e.message, c.message);
        }
        EXPECT_FALSE(e.message.empty());
        EXPECT_EQ(e.effects, FieldEffects{});
        expectSameData(before, g);
    }
}

TEST(FieldEntry, AcceptedEntriesRunWhatTheWindowsRunAfterThem) {
    RecordingUi ui;
    {
        // A new module moves the diameters; the limiting deviations and the bodies follow.
        GearPairData g = startUp();
        const double fpb1 = g.fpb1, mass1 = g.mass1;
        const FieldEntry e = enterField(g, {InputWindow::Geometry, static_cast<int>(GeometryField::mn)}, "8", ui);
        ASSERT_TRUE(e.accepted());
        EXPECT_TRUE(e.effects.lookups.pinionPitch && e.effects.lookups.wheelPitch);
        EXPECT_TRUE(e.effects.bodies);
        EXPECT_NE(g.fpb1, fpb1);
        EXPECT_GT(g.mass1, mass1);
        EXPECT_EQ(g.srmin, 3.5 * 8);
    }
    {
        // A face width looks up its gear's alignment deviation: a wider face, a larger one.
        GearPairData g = startUp();
        const double Fbeta1 = g.Fbeta1;
        const FieldEntry e = enterField(g, {InputWindow::Dimensions, 1}, "400", ui);
        ASSERT_TRUE(e.accepted());
        EXPECT_EQ(e.effects.lookups, (AccuracyLookups{.pinionAlignment = true}));
        EXPECT_GT(g.Fbeta1, Fbeta1);
    }
    {
        // A warning that accepts its value comes back with it.
        GearPairData g = startUp();
        const FieldEntry e = enterField(g, {InputWindow::Layout, 5}, "1000", ui);
        EXPECT_TRUE(e.accepted());
        EXPECT_FALSE(e.message.empty());
        EXPECT_EQ(g.dsh1, 1000);
    }
    {
        // A number already read takes the same rule: radians for an angle.
        GearPairData g = startUp();
        EXPECT_TRUE(enterFieldValue(g, {InputWindow::Geometry, static_cast<int>(GeometryField::Beta)}, 0.2, ui).accepted());
        EXPECT_EQ(g.Beta, 0.2);
        EXPECT_TRUE(enterFieldValue(g, {InputWindow::Coefficients, 8}, 0.1, ui).accepted());
        EXPECT_FALSE(enterFieldValue(g, {InputWindow::Loading, 2}, std::nan(""), ui).accepted());
    }
}
