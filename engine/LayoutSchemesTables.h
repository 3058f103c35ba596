// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The layout schemes of shafts and bearings (ČSN 01 4686 part 4, fig. 1): labels, the cells of
// the thumbnail grid, the sensitive regions of the simplified picture, and the drawing of each
// layout as a plain table of shafts, bearings, gears, dimension lines and labels.
#pragma once

#include <array>
#include <initializer_list>
#include <cstdint>
#include <string_view>

namespace soukoli {

inline constexpr int kLayoutCount = 10;

/// Labels of layouts 1 … 10 at index number − 1.
inline constexpr std::array<std::string_view, kLayoutCount> kLayoutLabels{
    "1", "1a", "2", "2a", "3", "4", "5", "6", "7", "8"};

struct PixelRect {
    int x, y, w, h;
};

/// Thumbnail cells in the 452 × 522 grid, by layout number − 1.
inline constexpr int kGridWidth = 452;
inline constexpr int kGridHeight = 522;
inline constexpr std::array<PixelRect, kLayoutCount> kLayoutCells{{
    {0, 0, 150, 134}, {150, 0, 150, 134}, {300, 0, 150, 134},
    {0, 134, 150, 134}, {150, 134, 150, 134}, {300, 134, 150, 134},
    {0, 269, 150, 130}, {150, 269, 150, 130}, {300, 269, 150, 130},
    {0, 403, 150, 134},
}};

/// The simplified scheme picture: 370 × 362 pixels, nine sensitive regions (edges included).
inline constexpr int kPictureWidth = 370;
inline constexpr int kPictureHeight = 362;
struct SchemeRegion {
    int left, top, right, bottom;
    int scheme;
};
inline constexpr std::array<SchemeRegion, 9> kSchemeRegions{{
    {10, 200, 83, 270, 1}, {10, 280, 83, 354, 2}, {62, 75, 130, 146, 3},
    {175, 75, 260, 146, 3}, {294, 220, 370, 318, 4}, {8, 18, 63, 114, 5},
    {228, 238, 292, 328, 5}, {290, 40, 368, 163, 6}, {190, 10, 268, 110, 7},
}};

// ---- Drawings ------------------------------------------------------------------------------
// A drawing space of 350 × 150 units: shaft 1 (pinion) on y = 40, shaft 2 (wheel) on y = 86.

inline constexpr int kDrawingWidth = 350;
inline constexpr int kDrawingHeight = 150;

enum class Part : std::uint8_t {
    Shaft,      // from (x, y) over length a: outline and dash-dot axis
    Bearing,    // centred on (x, y): a crossed box
    Gear,       // centred on (x, y): half width a, half height b
    Dimension,  // line from (x, y) over length a, extension lines to the axis at y = b, text
    Label,      // text at (x, y)
};

struct DrawingPart {
    Part part;
    std::int16_t x, y, a, b;
    std::string_view text;
};

inline constexpr std::int16_t kAxis1 = 40, kAxis2 = 86;
inline constexpr std::int16_t kDimRow1 = 18, kDimRow1Far = 7, kDimRow2 = 129, kDimRow2Far = 140;
inline constexpr std::int16_t kPinionH = 10, kWheelH = 36, kGearIIH = 22, kGearIH = 16, kGearW = 8;

constexpr DrawingPart shaft(int x, int y, int length) {
    return {Part::Shaft, std::int16_t(x), std::int16_t(y), std::int16_t(length), 0, {}};
}
constexpr DrawingPart bearing(int x, int y) {
    return {Part::Bearing, std::int16_t(x), std::int16_t(y), 0, 0, {}};
}
constexpr DrawingPart gear(int x, int y, int halfHeight) {
    return {Part::Gear, std::int16_t(x), std::int16_t(y), kGearW, std::int16_t(halfHeight), {}};
}
constexpr DrawingPart dimension(std::string_view text, int x0, int x1, int row, int axis) {
    return {Part::Dimension, std::int16_t(x0), std::int16_t(row), std::int16_t(x1 - x0), std::int16_t(axis), text};
}
constexpr DrawingPart label(std::string_view text, int x, int y) {
    return {Part::Label, std::int16_t(x), std::int16_t(y), 0, 0, text};
}

inline constexpr std::size_t kMaxDrawingParts = 20;
struct LayoutDrawing {
    std::array<DrawingPart, kMaxDrawingParts> parts;
    std::size_t count;
};

namespace layout_detail {
constexpr LayoutDrawing make(std::initializer_list<DrawingPart> parts) {
    LayoutDrawing d{};
    d.count = 0;
    for (const DrawingPart& p : parts) d.parts[d.count++] = p;
    return d;
}
}  // namespace layout_detail

/// Layouts 1 … 10 at index number − 1. The dimension labels of each drawing come in the order
/// of the figure: first those of shaft 1, then those of shaft 2, then the further gears.
inline constexpr std::array<LayoutDrawing, kLayoutCount> kLayoutDrawings{{
    // 1 "1": pinion and wheel left of the span middles; torque in at the left of shaft 1.
    layout_detail::make({shaft(20, kAxis1, 240), bearing(60, kAxis1), bearing(260, kAxis1), gear(120, kAxis1, kPinionH),
                         shaft(60, kAxis2, 240), bearing(60, kAxis2), bearing(260, kAxis2), gear(120, kAxis2, kWheelH),
                         dimension("s1", 120, 160, kDimRow1, kAxis1), dimension("lw1/2", 160, 260, kDimRow1, kAxis1),
                         dimension("s2", 120, 160, kDimRow2, kAxis2), dimension("lw2/2", 160, 260, kDimRow2, kAxis2)}),
    // 2 "1a": the mirror of "1".
    layout_detail::make({shaft(90, kAxis1, 240), bearing(90, kAxis1), bearing(290, kAxis1), gear(230, kAxis1, kPinionH),
                         shaft(50, kAxis2, 240), bearing(90, kAxis2), bearing(290, kAxis2), gear(230, kAxis2, kWheelH),
                         dimension("lw1/2", 90, 190, kDimRow1, kAxis1), dimension("s1", 190, 230, kDimRow1, kAxis1),
                         dimension("lw2/2", 90, 190, kDimRow2, kAxis2), dimension("s2", 190, 230, kDimRow2, kAxis2)}),
    // 3 "2": as "1", both shafts driven from the left.
    layout_detail::make({shaft(20, kAxis1, 240), bearing(60, kAxis1), bearing(260, kAxis1), gear(120, kAxis1, kPinionH),
                         shaft(20, kAxis2, 240), bearing(60, kAxis2), bearing(260, kAxis2), gear(120, kAxis2, kWheelH),
                         dimension("s1", 120, 160, kDimRow1, kAxis1), dimension("lw1/2", 160, 260, kDimRow1, kAxis1),
                         dimension("s2", 120, 160, kDimRow2, kAxis2), dimension("lw2/2", 160, 260, kDimRow2, kAxis2)}),
    // 4 "2a": as "1a", both shafts driven from the right.
    layout_detail::make({shaft(90, kAxis1, 240), bearing(90, kAxis1), bearing(290, kAxis1), gear(230, kAxis1, kPinionH),
                         shaft(90, kAxis2, 240), bearing(90, kAxis2), bearing(290, kAxis2), gear(230, kAxis2, kWheelH),
                         dimension("lw1/2", 90, 190, kDimRow1, kAxis1), dimension("s1", 190, 230, kDimRow1, kAxis1),
                         dimension("lw2/2", 90, 190, kDimRow2, kAxis2), dimension("s2", 190, 230, kDimRow2, kAxis2)}),
    // 5 "3": a further gear II on shaft 2, on the far side of the span middle.
    layout_detail::make({shaft(20, kAxis1, 240), bearing(60, kAxis1), bearing(260, kAxis1), gear(120, kAxis1, kPinionH),
                         shaft(60, kAxis2, 240), bearing(60, kAxis2), bearing(260, kAxis2), gear(120, kAxis2, kWheelH),
                         gear(200, kAxis2, kGearIIH),
                         dimension("s1", 120, 160, kDimRow1, kAxis1), dimension("lw1/2", 160, 260, kDimRow1, kAxis1),
                         dimension("2·s2", 120, 200, kDimRow2, kAxis2), dimension("lw2/2", 160, 260, kDimRow2Far, kAxis2),
                         label("II", 212, 80)}),
    // 6 "4": as "3" with shaft 1 driven from the right and shaft 2 from the left.
    layout_detail::make({shaft(60, kAxis1, 240), bearing(60, kAxis1), bearing(260, kAxis1), gear(120, kAxis1, kPinionH),
                         shaft(20, kAxis2, 240), bearing(60, kAxis2), bearing(260, kAxis2), gear(120, kAxis2, kWheelH),
                         gear(200, kAxis2, kGearIIH),
                         dimension("s1", 120, 160, kDimRow1, kAxis1), dimension("lw1/2", 160, 260, kDimRow1, kAxis1),
                         dimension("2·s2", 120, 200, kDimRow2, kAxis2), dimension("lw2/2", 160, 260, kDimRow2Far, kAxis2),
                         label("II", 212, 80)}),
    // 7 "5": pinion and wheel right of the middles, gear II left; shaft 1 marked at its end.
    layout_detail::make({label("1", 304, 30),
                         shaft(60, kAxis1, 240), bearing(60, kAxis1), bearing(260, kAxis1), gear(200, kAxis1, kPinionH),
                         shaft(20, kAxis2, 240), bearing(60, kAxis2), bearing(260, kAxis2), gear(200, kAxis2, kWheelH),
                         gear(120, kAxis2, kGearIIH),
                         dimension("s1", 160, 200, kDimRow1, kAxis1), dimension("lw1/2", 60, 160, kDimRow1, kAxis1),
                         dimension("2·s2", 120, 200, kDimRow2, kAxis2), dimension("lw2/2", 60, 160, kDimRow2Far, kAxis2),
                         label("II", 132, 80)}),
    // 8 "6": an overhung pinion; gear II on shaft 2 beyond the wheel.
    layout_detail::make({shaft(8, kAxis1, 164), bearing(20, kAxis1), bearing(120, kAxis1), gear(160, kAxis1, kPinionH),
                         shaft(100, kAxis2, 240), bearing(100, kAxis2), bearing(300, kAxis2), gear(160, kAxis2, kWheelH),
                         gear(240, kAxis2, kGearIIH),
                         dimension("lw1", 20, 120, kDimRow1, kAxis1), dimension("s1", 120, 160, kDimRow1, kAxis1),
                         dimension("2·s2", 160, 240, kDimRow2, kAxis2), dimension("lw2/2", 200, 300, kDimRow2Far, kAxis2),
                         label("II", 252, 80)}),
    // 9 "7": an overhung pinion; gear II on shaft 2 on the bearing side of the pinion.
    layout_detail::make({shaft(8, kAxis1, 164), bearing(20, kAxis1), bearing(120, kAxis1), gear(160, kAxis1, kPinionH),
                         shaft(20, kAxis2, 240), bearing(20, kAxis2), bearing(220, kAxis2), gear(160, kAxis2, kWheelH),
                         gear(80, kAxis2, kGearIIH),
                         dimension("lw1", 20, 120, kDimRow1, kAxis1), dimension("s1", 120, 160, kDimRow1, kAxis1),
                         dimension("2·s2", 80, 160, kDimRow2, kAxis2), dimension("lw2/2", 120, 220, kDimRow2Far, kAxis2),
                         label("II", 92, 80)}),
    // 10 "8": further gears on both shafts, I on shaft 1 and II on shaft 2.
    layout_detail::make({shaft(20, kAxis1, 240), bearing(60, kAxis1), bearing(260, kAxis1), gear(200, kAxis1, kPinionH),
                         gear(120, kAxis1, kGearIH),
                         shaft(60, kAxis2, 240), bearing(60, kAxis2), bearing(260, kAxis2), gear(200, kAxis2, kWheelH),
                         gear(120, kAxis2, kGearIIH),
                         dimension("2·s1", 120, 200, kDimRow1, kAxis1), dimension("lw1/2", 160, 260, kDimRow1Far, kAxis1),
                         dimension("2·s2", 120, 200, kDimRow2, kAxis2), dimension("lw2/2", 160, 260, kDimRow2Far, kAxis2),
                         label("II", 132, 80), label("I", 132, 26)}),
}};

}  // namespace soukoli
