// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Turns the parts of a layout drawing (shafts, bearings, gears, dimension lines, labels) into the
// relative moves and draws of the plotting routine.
#include "engine/LayoutDrawing.h"

#include "engine/LayoutSchemesTables.h"

namespace soukoli {

namespace {

constexpr int kShaftHalf = 3;      // half the drawn shaft thickness
constexpr int kAxisOverrun = 6;    // the axis runs on beyond the shaft ends
constexpr int kBearingHalfW = 6, kBearingHalfH = 8;
constexpr int kExtensionOverrun = 3;
constexpr int kCharWidth = 7;      // an Arial 8 character in drawing units, for centring
constexpr int kTextHeight = 6;

// Characters of a UTF-8 text (for centring it over a dimension line).
int characters(std::string_view text) {
    int n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

class Pen {
public:
    explicit Pen(std::vector<PenStep>& out) : out_(out) {}

    void moveTo(int x, int y) {
        if (x != x_ || y != y_) out_.push_back({PenOp::Move, x - x_, y - y_, {}});
        x_ = x;
        y_ = y;
    }
    void line(PenOp op, int dx, int dy) {
        out_.push_back({op, dx, dy, {}});
        x_ += dx;
        y_ += dy;
    }
    void text(std::string_view t) { out_.push_back({PenOp::Text, 0, 0, t}); }

    void rectangle(int x0, int y0, int x1, int y1) {
        moveTo(x0, y0);
        line(PenOp::Draw, x1 - x0, 0);
        line(PenOp::Draw, 0, y1 - y0);
        line(PenOp::Draw, x0 - x1, 0);
        line(PenOp::Draw, 0, y0 - y1);
    }

private:
    std::vector<PenStep>& out_;
    int x_ = 0, y_ = 0;
};

void plot(Pen& pen, const DrawingPart& p) {
    switch (p.part) {
        case Part::Shaft:
            pen.moveTo(p.x - kAxisOverrun, p.y);
            pen.line(PenOp::DashDot, p.a + 2 * kAxisOverrun, 0);
            pen.moveTo(p.x, p.y - kShaftHalf);
            pen.line(PenOp::Draw, p.a, 0);
            pen.moveTo(p.x, p.y + kShaftHalf);
            pen.line(PenOp::Draw, p.a, 0);
            break;
        case Part::Bearing:
            pen.rectangle(p.x - kBearingHalfW, p.y - kBearingHalfH, p.x + kBearingHalfW, p.y + kBearingHalfH);
            pen.line(PenOp::Draw, 2 * kBearingHalfW, 2 * kBearingHalfH);
            pen.moveTo(p.x - kBearingHalfW, p.y + kBearingHalfH);
            pen.line(PenOp::Draw, 2 * kBearingHalfW, -2 * kBearingHalfH);
            break;
        case Part::Gear:
            pen.rectangle(p.x - p.a, p.y - p.b, p.x + p.a, p.y + p.b);
            break;
        case Part::Dimension: {
            // Extension lines from the axis past the dimension line, then the line and its text
            // (above the line for shaft 1, below it for shaft 2).
            const int past = p.y < p.b ? -kExtensionOverrun : kExtensionOverrun;
            for (const int x : {int(p.x), p.x + p.a}) {
                pen.moveTo(x, p.b);
                pen.line(PenOp::Draw, 0, p.y + past - p.b);
            }
            pen.moveTo(p.x, p.y);
            pen.line(PenOp::Dimension, p.a, 0);
            const int textX = p.x + p.a / 2 - characters(p.text) * kCharWidth / 2;
            pen.moveTo(textX, p.y < p.b ? p.y - kTextHeight - 1 : p.y + 1);
            pen.text(p.text);
            break;
        }
        case Part::Label:
            pen.moveTo(p.x, p.y);
            pen.text(p.text);
            break;
    }
}

}  // namespace

std::vector<PenStep> layoutPenSteps(int number) {
    std::vector<PenStep> steps;
    if (number < 1 || number > kLayoutCount) return steps;
    const LayoutDrawing& d = kLayoutDrawings[static_cast<std::size_t>(number - 1)];
    Pen pen(steps);
    for (std::size_t i = 0; i < d.count; ++i) plot(pen, d.parts[i]);
    return steps;
}

}  // namespace soukoli
