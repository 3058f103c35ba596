// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The plotting routine of the layout schemes: a drawing of the table turned into relative pen
// steps in the 350 × 150 drawing space, which a window then maps onto its paint box.
#pragma once

#include <string_view>
#include <vector>

namespace soukoli {

enum class PenOp {
    Move,       // pen moves by (dx, dy) without drawing
    Draw,       // solid line to the pen position + (dx, dy)
    DashDot,    // an axis to the pen position + (dx, dy)
    Dimension,  // a dimension line to the pen position + (dx, dy), arrowheads at both ends
    Text,       // text with its top left corner at the pen position
};

struct PenStep {
    PenOp op;
    int dx, dy;
    std::string_view text;
};

/// The pen steps of layout `number` (1 … 10), starting from the origin; empty for another
/// number.
[[nodiscard]] std::vector<PenStep> layoutPenSteps(int number);

}  // namespace soukoli
