// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Defaults of a new project for both toothing types, and the table of named fields.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/FieldTable.h"
#include "engine/GearPairData.h"

namespace soukoli {
namespace {

GearPairData defaults(Toothing type) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    return g;
}

TEST(setDefaults, ExternalPairIsTheStandard20By40Pair) {
    const GearPairData g = defaults(Toothing::External);
    EXPECT_EQ(g.TypSoukoli, Toothing::External);
    EXPECT_EQ(g.z1, 20);
    EXPECT_EQ(g.z2, 40);
    EXPECT_EQ(g.aw, 120);
    EXPECT_EQ(g.a, 120);
    EXPECT_EQ(g.da1, 88);
    EXPECT_EQ(g.da2, 168);
    EXPECT_DOUBLE_EQ(g.Alfan, 0.3490658503988659);
    EXPECT_EQ(g.Epsalfa, 1.6);
    EXPECT_EQ(g.u, 2);
    EXPECT_EQ(g.Rof2_star, 0.38);
    EXPECT_EQ(g.zv2, 40);
    // The torque follows from the force on the reference diameter of 80 mm.
    EXPECT_EQ(g.T1, g.F1 * 80 / 2000);
    EXPECT_EQ(g.T1, 160);
    EXPECT_EQ(g.srmin, 3.5 * g.mn);
    EXPECT_EQ(g.MetodaVypoctu, 'A');
    EXPECT_EQ(g.ZadaniSil, kLoadsStatic);
    EXPECT_EQ(g.standard, Standard::CSN);
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::Entered);
    EXPECT_EQ(g.Schema, "1a");
    EXPECT_EQ(g.SchemaIndex, 2);
    EXPECT_TRUE(g.fpb1Given && g.fpb2Given && g.Fbeta1Given && g.Fbeta2Given && g.fxGiven && g.fyGiven);
    EXPECT_EQ(g.Material1, "14 220");
    EXPECT_EQ(g.Zpracovani1, 5);
    EXPECT_EQ(g.Zpracovani2, 5);
    EXPECT_EQ(g.Zepsilon, 1);
    EXPECT_EQ(g.KFalfa1, 0);
    EXPECT_EQ(g.Yepsilon, 0);
    EXPECT_EQ(g.SigmaHlim1, 100);
    EXPECT_EQ(g.j, 3);
    EXPECT_EQ(g.Fj[2], 1);
    EXPECT_EQ(g.Nj[2], 6e7);
    EXPECT_EQ(g.Nj[3], 0);
}

TEST(setDefaults, InternalPairOverridesOnlyTheWheel) {
    const GearPairData ext = defaults(Toothing::External);
    const GearPairData in = defaults(Toothing::Internal);
    EXPECT_EQ(in.TypSoukoli, Toothing::Internal);
    EXPECT_EQ(in.z2, -60);
    EXPECT_EQ(in.aw, -20);
    EXPECT_EQ(in.da2, -232);
    EXPECT_EQ(in.Rof2_star, 0.2);
    EXPECT_EQ(in.zv2, -60);
    // `a` keeps the external value until the geometry is recomputed.
    EXPECT_EQ(in.a, 120);

    // Everything else is as for external toothing.
    for (const auto& f : numericFields()) {
        const std::string name(f.name);
        if (name == "TypSoukoli" || name == "z2" || name == "aw" || name == "da2" || name == "Rof2*" ||
            name == "zv2")
            continue;
        EXPECT_EQ(readField(in, f), readField(ext, f)) << name;
    }
}

TEST(setDefaults, DiscardsEveryInputButKeepsToothingTypeAndTab) {
    GearPairData g = defaults(Toothing::External);
    g.z1 = 33;
    g.KFalfaGiven = true;
    g.KFalfa = 1.7;
    g.MetodaVypoctu = 'B';
    g.standard = Standard::DIN_C;
    g.j = 20;
    g.Fj[19] = 5;
    g.Zjednoduseny = true;
    g.TypSoukoli = Toothing::Internal;
    setDefaults(g);
    EXPECT_EQ(g.TypSoukoli, Toothing::Internal);
    EXPECT_TRUE(g.Zjednoduseny);
    EXPECT_EQ(g.z1, 20);
    EXPECT_FALSE(g.KFalfaGiven);
    EXPECT_EQ(g.KFalfa, 1);
    EXPECT_EQ(g.MetodaVypoctu, 'A');
    EXPECT_EQ(g.standard, Standard::CSN);
    EXPECT_EQ(g.j, 3);
    EXPECT_EQ(g.Fj[19], 0);
}

TEST(FieldTable, NamesAreUniqueAndPrintedAsTheProgramPrintsThem) {
    std::set<std::string_view> names;
    for (const auto& f : numericFields()) EXPECT_TRUE(names.insert(f.name).second) << f.name;
    ASSERT_NE(findNumericField("ha1*"), nullptr);
    EXPECT_EQ(findNumericField("ha1_star"), nullptr);
    EXPECT_EQ(findNumericField("nonsense"), nullptr);

    GearPairData g = defaults(Toothing::External);
    EXPECT_EQ(readField(g, *findNumericField("ha1*")), 1);
    EXPECT_EQ(readField(g, *findNumericField("Rof2*")), 0.38);
    EXPECT_EQ(readField(g, *findNumericField("IT1")), 8);
}

TEST(FieldTable, WritesRealsFreelyAndIntegersOnlyWhenWholeAndInRange) {
    GearPairData g = defaults(Toothing::External);
    EXPECT_TRUE(writeField(g, *findNumericField("ha2*"), 0.8));
    EXPECT_EQ(g.ha2_star, 0.8);
    EXPECT_TRUE(writeField(g, *findNumericField("z2"), -60));
    EXPECT_EQ(g.z2, -60);

    const auto& it1 = *findNumericField("IT1");
    EXPECT_TRUE(writeField(g, it1, 7));
    EXPECT_EQ(g.IT1, 7);
    EXPECT_FALSE(writeField(g, it1, 7.5));
    EXPECT_FALSE(writeField(g, it1, -1));
    EXPECT_FALSE(writeField(g, it1, 65536));
    EXPECT_FALSE(writeField(g, it1, std::nan("")));
    EXPECT_EQ(g.IT1, 7);
    EXPECT_TRUE(writeField(g, it1, 65535));

    const auto& flag = *findNumericField("KHbetaZbcal");
    EXPECT_TRUE(isFlag(flag));
    EXPECT_FALSE(isFlag(it1));
    EXPECT_TRUE(writeField(g, flag, 1));
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromBcal);
    EXPECT_EQ(readField(g, flag), 1);
    EXPECT_FALSE(writeField(g, flag, 2));
    EXPECT_FALSE(writeField(g, flag, 0.5));
    EXPECT_EQ(g.KHbetaFrom, KHbetaSource::FromBcal);
}

}  // namespace
}  // namespace soukoli
