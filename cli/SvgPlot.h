// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A small SVG line chart for `soukoli-cli sweep --plot`: curves over one axis with ticks, axis
// titles and a legend. Plain text output, no drawing library; a browser shows it as it is.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace soukoli::cli {

struct PlotCurve {
    std::string label;                               // legend text
    std::vector<std::pair<double, double>> points;  // (x, y) in the order drawn; a non-finite y breaks the line
};

struct PlotChart {
    std::string title;
    std::string xTitle;  // name and unit, e.g. "z1 [–]"
    std::string yTitle;
    std::vector<PlotCurve> curves;
};

/// Tick positions of a "nice" step (1, 2 or 5 times a power of ten) covering [lo, hi].
std::vector<double> niceTicks(double lo, double hi, int targetCount = 6);

/// The chart as a complete SVG document.
std::string renderSvg(const PlotChart& chart);

/// The unit a quantity of the data set is given in, for axis titles: "MPa", "mm", "–" ...; empty
/// when not known.
std::string unitOf(const std::string& printedName, bool degrees);

}  // namespace soukoli::cli
