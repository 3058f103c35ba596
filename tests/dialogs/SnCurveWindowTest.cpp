// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The S-N windows: scales from the pinion, the corner points of the lines, the operating points,
// the colours, curves without a logarithm left out, and the keys that close the windows.
#include <QtTest>

#include "dialogs/ContactSnCurve.h"
#include "dialogs/BendingSnCurve.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

using namespace soukoli;

namespace {

// ky = 97/(log 1300 + 7/10) = 25.433 px per decade, kx = 100.5/8 = 12.5625 px per decade.
WohlerInput sample() {
    WohlerInput in;
    in.gears[0] = {1000, 2000, 1e7, 10, 900, 1e9};
    in.gears[1] = {1000, 1000, 1e7, 10, 1000, 1e7};
    in.nMid = 1e8;
    return in;
}

bool near(const QImage& img, int x, int y, QColor c) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (img.pixelColor(x + dx, y + dy) == c) return true;
    return false;
}

}  // namespace

class WohlerTest : public QObject {
    Q_OBJECT

private slots:
    void cornerPointsAndOperatingPoint() {
        const WohlerGeometry g = wohlerGeometry(sample());
        QVERIFY(g.gears[0].has_value());
        // Static level 2000 → y 28; endurance level 1000 → y 36; the sloped part starts at
        // N = 1e7·0.5^10 = 9766 → x 65 and ends at the knee 1e7 → x 103.
        const std::array<PlotPoint, 4> line{PlotPoint{15, 28}, PlotPoint{65, 28}, PlotPoint{103, 36}, PlotPoint{211, 36}};
        QVERIFY(g.gears[0]->line == line);
        QVERIFY((g.gears[0]->operatingPoint == PlotPoint{128, 37}));  // 900 MPa at 1e9 cycles
    }

    void equalLevelsMeetAtTheKnee() {
        const WohlerGeometry g = wohlerGeometry(sample());
        QVERIFY(g.gears[1].has_value());
        QVERIFY(g.gears[1]->line[1] == g.gears[1]->line[2]);
        QVERIFY((g.gears[1]->operatingPoint == PlotPoint{103, 36}));  // on the endurance line
    }

    void curvesWithoutALogarithmAreLeftOut() {
        WohlerInput in = sample();
        in.gears[1].sigmaOp = 0;
        WohlerGeometry g = wohlerGeometry(in);
        QVERIFY(g.gears[0].has_value());
        QVERIFY(!g.gears[1].has_value());
        in = sample();
        in.gears[0].q = 0;  // the scales come from the pinion: nothing can be drawn
        g = wohlerGeometry(in);
        QVERIFY(!g.gears[0] && !g.gears[1]);
        in = sample();
        in.gears[1].sigmaLim = std::numeric_limits<double>::infinity();  // SigmaFP/YN with YN = 0
        QVERIFY(!wohlerGeometry(in).gears[1]);
    }

    void colours() {
        const QColor face(0xd4, 0xd0, 0xc8);
        const QImage img = paintWohler(sample(), face);
        QCOMPARE(img.size(), QSize(216, 127));
        QCOMPARE(img.pixelColor(200, 5), face);
        QCOMPARE(img.pixelColor(100, 112), QColor(Qt::black));  // N axis
        QCOMPARE(img.pixelColor(15, 60), QColor(Qt::black));    // stress axis
        QVERIFY(near(img, 40, 28, Qt::blue));                   // pinion, static level
        QVERIFY(near(img, 180, 36, Qt::green));                 // wheel on top of the pinion's endurance line
        QCOMPARE(img.pixelColor(128, 37), face);                // operating point filled with the background
        QVERIFY(near(img, 131, 37, Qt::blue));
    }

    void windowsReadTheirQuantitiesAndCloseOnEscOrEnter() {
        GearPairData g;
        g.TypSoukoli = Toothing::External;
        testing::RecordingUi ui;
        resetToDefaults(g, ui);
        g.SigmaFP1 = 700;
        g.YN1 = 1.4;
        g.SigmaH2 = 1111;
        g.ZN2 = 0;
        BendingSnCurve bending(g);
        ContactSnCurve contact(g);
        QCOMPARE(bending.input().gears[0].sigmaLim, 500.0);
        QCOMPARE(bending.input().gears[0].nLim, 3e6);
        QCOMPARE(bending.input().nMid, 3e6);
        QCOMPARE(contact.input().gears[1].sigmaOp, 1111.0);
        QCOMPARE(contact.input().gears[1].nLim, 1e8);
        QCOMPARE(contact.input().nMid, 1e8);
        QVERIFY(!wohlerGeometry(contact.input()).gears[1]);

        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            bending.show();
            QVERIFY(QTest::qWaitForWindowExposed(&bending));
            QTest::keyClick(&bending, key);
            QVERIFY(!bending.isVisible());
        }
    }
};

QTEST_MAIN(WohlerTest)
#include "SnCurveWindowTest.moc"
