// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Guarded trigonometry: values inside the domain, the messages outside it, and the involute.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/Trig.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::Message;
using testing::RecordingUi;

TEST(GuardedTrig, InsideTheDomainAgreesWithTheLibrary) {
    RecordingUi ui;
    for (const double x : {-0.999, -0.5, 0.0, 0.3, 0.9396926207859084, 0.999999}) {
        EXPECT_NEAR(guardedAcos(x, ui), std::acos(x), 1e-15) << x;
        EXPECT_NEAR(guardedAsin(x, ui), std::asin(x), 1e-15) << x;
    }
    EXPECT_EQ(guardedAcos(1, ui), 0);
    EXPECT_EQ(guardedAcos(-1, ui), std::numbers::pi);
    EXPECT_EQ(guardedAsin(1, ui), std::numbers::pi / 2);
    EXPECT_EQ(guardedAsin(-1, ui), -std::numbers::pi / 2);
    EXPECT_NEAR(guardedTan(0.3490658503988659, ui), 0.36397023426620234, 1e-16);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(GuardedTrig, OutsideTheDomainReportsAndGivesZero) {
    RecordingUi ui;
    EXPECT_EQ(guardedTan(std::numbers::pi / 2, ui), 0);
    EXPECT_EQ(guardedAcos(1.0000001, ui), 0);
    EXPECT_EQ(guardedAcos(-1.5, ui), 0);
    EXPECT_EQ(guardedAsin(2, ui), 0);
    EXPECT_EQ(guardedAsin(std::numeric_limits<double>::quiet_NaN(), ui), 0);
    const std::string caption = "  Chyba !";
    EXPECT_EQ(ui.messages,
              (std::vector<Message>{
                  {"Neplatný argument pro výpočet tangens, nemožné parametry soukolí", caption},
                  {"Neplatný argument pro výpočet arccos, nemožné parametry soukolí", caption},
                  {"Neplatný argument pro výpočet arccos, nemožné parametry soukolí", caption},
                  {"Neplatný argument pro výpočet arcsin, nemožné parametry soukolí", caption},
                  {"Neplatný argument pro výpočet arcsin, nemožné parametry soukolí", caption},
              }));
}

TEST(Involute, OfTwentyDegrees) {
    RecordingUi ui;
    // inv 20° = 0.014904383867336 (involute tables)
    EXPECT_NEAR(inv(20 * std::numbers::pi / 180, ui), 0.014904383867336, 1e-15);
    EXPECT_EQ(inv(0, ui), 0);
}

}  // namespace
}  // namespace soukoli
