// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The S-N (Wöhler) chart of both gears in double-logarithmic axes: the geometry of the lines and
// operating points, and the small window that paints it. The bending and the contact window
// differ only in the quantities they read.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <optional>
#include <vector>

#include "engine/GearPairData.h"

namespace soukoli {

/// The S-N data of one gear.
struct WohlerCurve {
    double sigmaLim = 0;   // endurance level
    double sigmaMax = 0;   // static level
    double nLim = 0;       // knee of the curve in cycles
    double q = 0;          // exponent of the sloped part
    double sigmaOp = 0;    // operating stress
    double nOp = 0;        // operating cycles
};

struct WohlerInput {
    std::array<WohlerCurve, 2> gears;  // pinion, wheel
    double nMid = 0;                   // cycles at the middle of the log N axis
};

struct PlotPoint {
    int x = 0, y = 0;
    bool operator==(const PlotPoint&) const = default;
};

/// What one gear contributes to the chart: the polyline static level → sloped part → endurance
/// level, and the centre of the operating point.
struct WohlerTrace {
    std::array<PlotPoint, 4> line;
    PlotPoint operatingPoint;
};

struct WohlerGeometry {
    std::array<std::optional<WohlerTrace>, 2> gears;  // empty where a value has no logarithm
};

inline constexpr int kWohlerWidth = 216;
inline constexpr int kWohlerHeight = 127;

/// Scales from the pinion's data; a gear whose values are not all positive and finite is left
/// out (with the pinion, both are: the scales come from it).
WohlerGeometry wohlerGeometry(const WohlerInput& input);

/// The chart as the window shows it, in the button-face colour of `background`; `pixelRatio`
/// draws it for a scaled screen (the image keeps its 216 × 127 logical size).
QImage paintWohler(const WohlerInput& input, QColor background, qreal pixelRatio = 1);

/// The window: one 216 × 127 paint box; Esc or Enter closes it. It reads the data set each
/// time it paints.
class SnCurveWindow : public QDialog {
    Q_OBJECT
public:
    SnCurveWindow(const GearPairData& data, QWidget* parent);

    [[nodiscard]] virtual WohlerInput input() const = 0;
    [[nodiscard]] QImage chart() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    const GearPairData& data() const { return data_; }

private:
    const GearPairData& data_;
};

}  // namespace soukoli
