// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Complete runs of the full calculation, compared field by field with values worked out
// independently of this code: a separate script following DIN 3990 / ISO 6336 (ZE, ZH, Zepsilon
// and ZB as in ISO 6336-2; the critical root section by fixed-point iteration of
// θ = (2G/zn)·tan θ − H as in ISO 6336-3, which for a spur gear is the section of ČSN 01 4686
// formula 65 with FIe = 60° − θ), the YSa charts of ČSN 01 4686 part 3 as fitted surfaces, table 8
// for the internal wheel, and the ČSN factors ZN, YN, Ydelta, YdeltaSt by their formulas.
// The tooth-root values carry the tolerance of the auxiliary-angle search (|f| < 1e-6).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

#include "engine/BasicGeometry.h"
#include "engine/Driver.h"
#include "engine/FieldTable.h"
#include "support/RecordingUi.h"

namespace soukoli {
namespace {

using testing::RecordingUi;

constexpr double kExact = 1e-8;  // relative
constexpr double kRoot = 1e-4;   // relative, values behind the auxiliary angle

struct Expected {
    std::string_view field;
    double value;
    double tolerance;
};

// The default pair of the given toothing with its geometry computed as the geometry dialog and
// a project load do, and the load factors entered in the coefficients dialog so that the run
// depends only on geometry, loads and the stages under test. KAS = 1 makes Ft1 = F1.
GearPairData enteredFactorsPair(Toothing type) {
    GearPairData g;
    g.TypSoukoli = type;
    setDefaults(g);
    RecordingUi quiet;
    updateCentreDistance(g, quiet);
    updateDiameters(g, quiet);
    // As recomputed after loading a project.
    const double cosBeta3 = std::pow(std::cos(g.Beta), 3);
    g.zv1 = g.z1 / cosBeta3;
    g.zv2 = g.z2 / cosBeta3;
    g.u = g.z2 / g.z1;
    g.KAS = 1;
    g.KFalfaGiven = g.KHalfaGiven = g.KFvGiven = g.KHvGiven = true;
    g.KFalfa = g.KHalfa = 1.1;
    g.KFv = g.KHv = 1.05;
    return g;
}

void expectFields(const GearPairData& g, const std::vector<Expected>& expected) {
    for (const auto& e : expected) {
        const NumericField* field = findNumericField(e.field);
        ASSERT_NE(field, nullptr) << e.field;
        EXPECT_NEAR(readField(g, *field), e.value, e.tolerance * std::max(1.0, std::abs(e.value))) << e.field;
    }
}

TEST(FullCalculation, DefaultExternalPair) {
    GearPairData g = enteredFactorsPair(Toothing::External);
    RecordingUi ui;
    runFullCalculation(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    expectFields(g, {
        {"Epsalfa", 1.635185964, kExact},
        {"Epsbeta", 0, kExact},
        {"ZE", 191.6456725, kExact},
        {"ZH", 2.494573171, kExact},
        {"Zepsilon", 0.887846465, kExact},
        {"Ybeta", 1, kExact},
        {"Zbeta", 1, kExact},
        {"Yepsilon", 0.6892409902, kExact},
        {"M1", 1.062338667, kExact},
        {"ZB", 1.062338667, kExact},
        {"ZD", 1, kExact},
        {"ZN1", 1.052409779, kExact},
        {"ZN2", 1.127944873, kExact},
        {"KH", 1.5015, kExact},
        {"SigmaHO1", 504.1399684, kExact},
        {"SigmaHO2", 474.5567343, kExact},
        {"SigmaH1", 617.7514851, kExact},
        {"SigmaH2", 581.5014593, kExact},
        {"SigmaHP1", 1336.56042, kExact},
        {"SigmaHP2", 1432.489989, kExact},
        {"SH1", 2.163589165, kExact},
        {"SH2", 2.463433179, kExact},
        {"SigmaHPmax1", 2600, kExact},
        {"SigmaHPmax2", 2600, kExact},
        {"SigmaHmax1", 617.7514851, kExact},
        {"SigmaHmax2", 581.5014593, kExact},
        {"NF", 0.9189580427, kExact},
        {"KFbeta", 1.272650522, kExact},
        {"KF", 1.469911353, kExact},
        {"sFn1", 7.778994187, kRoot},
        {"RoFn1", 2.29181092, kRoot},
        {"hFa1", 7.623084953, kRoot},
        {"YFa1", 2.799990422, kRoot},
        {"YSa1", 1.480418077, kRoot},
        {"YFS1", 4.145156437, kRoot},
        {"SigmaF1", 69.99256622, kRoot},
        {"YN1", 1, kExact},
        {"Ydelta1", 1.190920243, kRoot},
        {"SigmaFP1", 833.6441701, kRoot},
        {"SF1", 11.91046728, kRoot},
        {"SigmaFSt1", 1750, kRoot},
        {"YS1", 1.668486233, kRoot},
        {"YdeltaSt1", 1.5047344, kRoot},
        {"YdeltaStT1", 1.6, kRoot},
        {"SigmaFmax1", 69.99256622, kRoot},
        {"SigmaFPmax1", 1645.80325, kRoot},
        {"sFn2", 8.520954007, kRoot},
        {"RoFn2", 2.11834975, kRoot},
        {"hFa2", 7.571309286, kRoot},
        {"YFa2", 2.404636598, kRoot},
        {"YSa2", 1.559989432, kRoot},
        {"YFS2", 3.751207682, kRoot},
        {"SigmaF2", 63.34058945, kRoot},
        {"YN2", 1, kExact},
        {"Ydelta2", 1.199366229, kRoot},
        {"SigmaFP2", 839.5563601, kRoot},
        {"SF2", 13.25463447, kRoot},
        {"SigmaFSt2", 1750, kRoot},
        {"YS2", 1.758166111, kRoot},
        {"YdeltaSt2", 1.573787905, kRoot},
        {"YdeltaStT2", 1.6, kRoot},
        {"SigmaFmax2", 63.34058945, kRoot},
        {"SigmaFPmax2", 1721.330521, kRoot},
    });
}

TEST(FullCalculation, DefaultInternalPair) {
    GearPairData g = enteredFactorsPair(Toothing::Internal);
    RecordingUi ui;
    runFullCalculation(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    // Table 8 of ČSN 01 4686 part 3 (qs2 = 12.07 > 8): YSa2 = 5.76·0.04 − 6.328·0.2 + 4.037.
    EXPECT_NEAR(g.YSa2, 3.0018, 1e-12);
    EXPECT_NEAR(g.qs2, 12.0719738, 1e-6);
    expectFields(g, {
        {"Epsalfa", 1.9496623, kExact},
        {"Epsbeta", 0, kExact},
        {"ZE", 191.6456725, kExact},
        {"ZH", 2.494573171, kExact},
        {"Zepsilon", 0.8267078686, kExact},
        {"Ybeta", 1, kExact},
        {"Zbeta", 1, kExact},
        {"Yepsilon", 0.6103274705, kExact},
        {"M1", 1.149209451, kExact},
        {"ZB", 1.149209451, kExact},
        {"ZD", 1, kExact},
        {"ZN1", 1.052409779, kExact},
        {"ZN2", 1.127944873, kExact},
        {"KH", 1.5015, kExact},
        {"SigmaHO1", 338.5402198, kExact},
        {"SigmaHO2", 294.5853078, kExact},
        {"SigmaH1", 414.8326588, kExact},
        {"SigmaH2", 360.9721958, kExact},
        {"SigmaHP1", 1336.56042, kExact},
        {"SigmaHP2", 1432.489989, kExact},
        {"SH1", 3.2219267, kExact},
        {"SH2", 3.96842196, kExact},
        {"SigmaHPmax1", 2600, kExact},
        {"SigmaHPmax2", 2600, kExact},
        {"SigmaHmax1", 414.8326588, kExact},
        {"SigmaHmax2", 360.9721958, kExact},
        {"NF", 0.931910154, kExact},
        {"KFbeta", 1.276982563, kExact},
        {"KF", 1.47491486, kExact},
        {"sFn1", 7.778994187, kRoot},
        {"RoFn1", 2.29181092, kRoot},
        {"hFa1", 7.623084953, kRoot},
        {"YFa1", 2.799990422, kRoot},
        {"YSa1", 1.480418077, kRoot},
        {"YFS1", 4.145156437, kRoot},
        {"SigmaF1", 62.18985496, kRoot},
        {"YN1", 1, kExact},
        {"Ydelta1", 1.190920243, kRoot},
        {"SigmaFP1", 833.6441701, kRoot},
        {"SF1", 13.40482577, kRoot},
        {"SigmaFSt1", 1750, kRoot},
        {"YS1", 1.761597524, kRoot},
        {"YdeltaSt1", 1.576430094, kRoot},
        {"YdeltaStT1", 1.6, kRoot},
        {"SigmaFmax1", 62.18985496, kRoot},
        {"SigmaFPmax1", 1724.220415, kRoot},
        {"sFn2", 9.657579065, kRoot},
        {"RoFn2", 0.4, kRoot},
        {"hFa2", 7.986451112, kRoot},
        {"YFa2", 2.055079062, kRoot},
        {"YSa2", 3.0018, kRoot},
        {"YFS2", 6.168936329, kRoot},
        {"SigmaF2", 92.5526603, kRoot},
        {"YN2", 1, kExact},
        {"Ydelta2", 1.498674676, kRoot},
        {"SigmaFP2", 1049.072274, kRoot},
        {"SF2", 11.33486893, kRoot},
        {"SigmaFSt2", 1750, kRoot},
        {"YS2", 3.571939258, kRoot},
        {"YdeltaSt2", 2.970393229, kRoot},
        {"YdeltaStT2", 1.6, kRoot},
        {"SigmaFmax2", 92.5526603, kRoot},
        {"SigmaFPmax2", 3248.867594, kRoot},
    });
}


// z 23/61, mn 3, 20°, beta 15°, x 0.2/0.1, b 30 (Epsbeta 0.82), DIN - ISO B, method "B" with the
// equivalent loads entered (FtF = 3200, FtH = 2800, Ft1 = 5000) and the factors of the maximum
// load entered but KFbeta1 = 1.2^NF. aw, alfatw and the tip diameters were derived in the same
// script (involute equation by bisection, da from aw and the mating root diameter); YF, YS are
// method B of DIN 3990 part 3 on the virtual number of teeth z/cos³ beta.
TEST(FullCalculation, HelicalDinBMethodBPair) {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    setDefaults(g);
    g.z1 = 23;
    g.z2 = 61;
    g.mn = 3;
    g.Beta = 15 * std::numbers::pi / 180;
    g.x1 = 0.2;
    g.x2 = 0.1;
    g.b1 = g.b2 = 30;
    g.sr1 = g.sR1 = 11;  // fits the smaller pinion, above srmin = 10.5
    g.standard = Standard::DIN_B;
    RecordingUi quiet;
    updateCentreDistance(g, quiet);
    updateDiameters(g, quiet);
    const double cosBeta3 = std::pow(std::cos(g.Beta), 3);
    g.zv1 = g.z1 / cosBeta3;
    g.zv2 = g.z2 / cosBeta3;
    g.u = g.z2 / g.z1;
    g.KFalfaGiven = g.KHalfaGiven = g.KFvGiven = g.KHvGiven = true;
    g.KFalfa = g.KHalfa = 1.1;
    g.KFv = g.KHv = 1.05;
    g.MetodaVypoctu = 'B';
    g.ZadaniSil = kLoadsEntered;
    g.FtFe1 = 3000;
    g.FtFe2 = 3200;
    g.FtHe1 = 2800;
    g.FtHe2 = 2700;
    g.Ft1 = 5000;
    g.KHv1Given = g.KFv1Given = g.KHalfa1Given = g.KFalfa1Given = g.KHbeta1Given = true;
    g.KHv1 = 1.02;
    g.KFv1 = 1.03;
    g.KHalfa1 = 1.05;
    g.KFalfa1 = 1.06;
    g.KHbeta1 = 1.2;
    RecordingUi ui;
    runFullCalculation(g, ui);
    ASSERT_TRUE(g.runFlag);
    EXPECT_TRUE(ui.messages.empty());
    // The run's own loads and factors are back after the method-B stage.
    EXPECT_EQ(g.FtH, 2800);
    EXPECT_EQ(g.FtF, 3200);
    EXPECT_EQ(g.KHbeta, 1.3);
    EXPECT_NEAR(g.alfatw, 0.377731335908, 1e-11);
    expectFields(g, {
        {"Epsalfa", 1.537612359, kExact},
        {"Epsbeta", 0.8238466079, kExact},
        {"ZE", 191.6456725, kExact},
        {"ZH", 2.362913906, kExact},
        {"Zepsilon", 0.8248527233, kExact},
        {"Ybeta", 0.897019174, kExact},
        {"Zbeta", 0.9828152554, kExact},
        {"Yepsilon", 1, kExact},
        {"M1", 1.04680173, kExact},
        {"ZB", 1.008244284, kExact},
        {"ZD", 1, kExact},
        {"ZN1", 1.052409779, kExact},
        {"ZN2", 1.127944873, kExact},
        {"KH", 1.5015, kExact},
        {"SigmaHO1", 496.4796392, kExact},
        {"SigmaHO2", 492.4199892, kExact},
        {"SigmaH1", 608.3648464, kExact},
        {"SigmaH2", 603.3903254, kExact},
        {"SigmaHP1", 1336.56042, kExact},
        {"SigmaHP2", 1432.489989, kExact},
        {"SH1", 2.196971813, kExact},
        {"SH2", 2.37406854, kExact},
        {"SigmaHPmax1", 2600, kExact},
        {"SigmaHPmax2", 2600, kExact},
        {"SigmaHmax1", 752.1297852, kExact},
        {"SigmaHmax2", 745.9797169, kExact},
        {"NF", 0.8064516129, kExact},
        {"KFbeta", 1.235633859, kExact},
        {"KF", 1.427157107, kExact},
        {"sFn1", 6.346895559, kRoot},
        {"RoFn1", 1.48634865, kRoot},
        {"hFe1", 2.850834873, kRoot},
        {"YFe1", 1.270236524, kRoot},
        {"YSe1", 2.088688461, kRoot},
        {"YFS1", 2.65312837, kRoot},
        {"SigmaF1", 120.7644877, kRoot},
        {"YN1", 1, kExact},
        {"Ydelta1", 1.242261236, kRoot},
        {"SigmaFP1", 869.5828652, kRoot},
        {"SF1", 7.200650473, kRoot},
        {"SigmaFSt1", 1750, kRoot},
        {"YS1", 2.313269407, kRoot},
        {"YdeltaSt1", 2.001217443, kRoot},
        {"YdeltaStT1", 1.6, kRoot},
        {"SigmaFmax1", 167.2193066, kRoot},
        {"SigmaFPmax1", 2188.831579, kRoot},
        {"sFn2", 6.710037842, kRoot},
        {"RoFn2", 1.411053844, kRoot},
        {"hFe2", 3.203980348, kRoot},
        {"YFe2", 1.277292482, kRoot},
        {"YSe2", 2.142617224, kRoot},
        {"YFS2", 2.736748872, kRoot},
        {"SigmaF2", 124.5707065, kRoot},
        {"YN2", 1, kExact},
        {"Ydelta2", 1.249287979, kRoot},
        {"SigmaFP2", 874.5015856, kRoot},
        {"SF2", 7.020122229, kRoot},
        {"SigmaFSt2", 1750, kRoot},
        {"YS2", 2.372996725, kRoot},
        {"YdeltaSt2", 2.047207478, kRoot},
        {"YdeltaStT2", 1.6, kRoot},
        {"SigmaFmax2", 172.4896745, kRoot},
        {"SigmaFPmax2", 2239.133179, kRoot},
        {"KF1", 1.264733242, kExact},
        {"KH1", 1.2852, kExact},
        {"KFbeta1", 1.158392784, kExact},
    });
}

// Odd pairs of every kind (few teeth, large shifts, steep helices, each standard, both
// calculations): a run either stops or leaves finite results, and always ends.
TEST(FullCalculation, OddPairsStopOrGiveFiniteResults) {
    constexpr std::string_view kResults[] = {
        "SigmaH1", "SigmaH2", "SH1", "SH2", "SigmaHmax1", "SigmaHmax2", "SigmaF1", "SigmaF2", "SF1", "SF2",
        "SigmaFmax1", "SigmaFmax2", "SigmaFPmax1", "SigmaFPmax2", "YFS1", "YFS2", "Ydelta1", "Ydelta2", "ZB", "ZD",
        "ZH", "Zepsilon", "KFbeta", "YdeltaSt1", "YdeltaSt2"};
    int finished = 0;
    for (const Toothing type : {Toothing::External, Toothing::Internal})
        for (const double z1 : {6.0, 9.0, 14.0, 45.0})
            for (const double x1 : {-0.6, 0.0, 0.6, 2.0})
                for (const double beta : {0.0, 20.0, 40.0})
                    for (const Standard standard : {Standard::CSN, Standard::DIN_B, Standard::DIN_C})
                        for (const bool simplified : {false, true}) {
                            GearPairData g = enteredFactorsPair(type);
                            g.z1 = z1;
                            g.x1 = x1;
                            g.x2 = type == Toothing::External ? -x1 / 2 : 0;
                            g.Beta = beta * std::numbers::pi / 180;
                            g.standard = standard;
                            g.Zjednoduseny = simplified;
                            RecordingUi quiet;
                            updateCentreDistance(g, quiet);
                            updateDiameters(g, quiet);
                            const double cosBeta3 = std::pow(std::cos(g.Beta), 3);
                            g.zv1 = g.z1 / cosBeta3;
                            g.zv2 = g.z2 / cosBeta3;
                            g.u = g.z2 / g.z1;
                            g.sr1 = g.sR1 = 0.2 * (g.df1 - g.dh1) / 2;  // a rim that fits
                            RecordingUi ui;
                            simplified ? runSimplifiedCalculation(g, ui) : runFullCalculation(g, ui);
                            if (!g.runFlag) continue;
                            ++finished;
                            for (const auto name : kResults)
                                EXPECT_TRUE(std::isfinite(readField(g, *findNumericField(name))))
                                    << name << " z1=" << z1 << " x1=" << x1 << " beta=" << beta << " std=" << static_cast<int>(standard);
                        }
    EXPECT_GT(finished, 50);
}

}  // namespace
}  // namespace soukoli
