// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The load spectrum dialog's rules: steps, counts (cycles or hours, cumulative or per step) and
// levels (absolute, or one of three ratios) with their ordering, the table's fixed values, and
// the hand-over of the pinion's load to and from the loading dialog.
#include "engine/LoadLevelsInput.h"

#include <cmath>
#include <cstdlib>

#include "engine/LoadingInput.h"
#include "engine/Loads.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {


std::size_t index(int step) { return static_cast<std::size_t>(step - 1); }

bool validStep(int step) { return step >= 1 && step <= static_cast<int>(kMaxLoadLevels); }

int steps(const GearPairData& g) { return std::min<int>(g.j, static_cast<int>(kMaxLoadLevels)); }

}  // namespace

void chooseLevelsForm(GearPairData& g, LevelsForm form) {
    g.levelsForm = form;
    clearLevels(g);
}

void clearLevels(GearPairData& g) {
    g.Nj.fill(0);
    g.Fj.fill(0);
    switch (g.levelsForm) {
        case LevelsForm::RatioF1Fj:
        case LevelsForm::RatioFjF1: g.Fj[0] = 1; break;
        case LevelsForm::RatioFjFmin:
            if (steps(g) >= 1) g.Fj[index(steps(g))] = 1;
            break;
        case LevelsForm::Absolute: g.Fj[0] = g.SilyF ? g.Ft1 : g.T1; break;
    }
}

int fixedLevelStep(const GearPairData& g) {
    if (steps(g) <= 1) return 0;
    switch (g.levelsForm) {
        case LevelsForm::RatioF1Fj:
        case LevelsForm::RatioFjF1: return 1;
        case LevelsForm::RatioFjFmin: return steps(g);
        case LevelsForm::Absolute: return 0;
    }
    return 0;
}

FieldEntry commitLevelsSteps(GearPairData& g, double value) {
    // Only a valid count is stored: the tables hold 20 steps.
    if (!(value >= 1 && value <= static_cast<double>(kMaxLoadLevels)) || std::floor(value) != value)
        return refusedEntry(kInvalidEntry);
    const auto j = static_cast<std::uint16_t>(value);
    if (j != g.j) {
        g.j = j;
        clearLevels(g);
    }
    return acceptedEntry();
}

FieldEntry commitLevelsCount(GearPairData& g, int step, double value) {
    if (!validStep(step)) return refusedEntry(kInvalidEntry);
    auto& N = g.Nj;
    const std::size_t i = index(step);
    N[i] = value;
    if (!(value > 0)) return refusedEntry(kInvalidEntry);
    if (g.SpektrumNAbs) {
        // Cumulative counts mark the end of each step: they grow from step to step.
        if (i > 0 && !(value > N[i - 1])) return refusedEntry(kMustExceedPrevious);
        if (i + 1 < N.size() && N[i + 1] > 0 && !(value < N[i + 1])) return refusedEntry(kMustBeBelowNext);
    }
    return acceptedEntry();
}

FieldEntry commitLevelsLevel(GearPairData& g, int step, double value) {
    if (!validStep(step)) return refusedEntry(kInvalidEntry);
    auto& F = g.Fj;
    const std::size_t i = index(step);
    F[i] = value;
    if (!(value > 0)) return refusedEntry(kInvalidEntry);
    // Ft_j/Ft_1 lies below 1, Ft_1/Ft_j and Ft_j/Ft_min above 1 (the step fixed at 1 excepted).
    switch (g.levelsForm) {
        case LevelsForm::Absolute: break;
        case LevelsForm::RatioFjF1:
            if (step != 1 && value >= 1) return refusedEntry(kInvalidEntry);
            break;
        case LevelsForm::RatioF1Fj:
            if (step != 1 && value <= 1) return refusedEntry(kInvalidEntry);
            break;
        case LevelsForm::RatioFjFmin: {
            const bool fixedStep = step == fixedLevelStep(g) || step == steps(g);
            if (!fixedStep && value <= 1) return refusedEntry(kInvalidEntry);
            break;
        }
    }
    switch (g.levelsForm) {
        case LevelsForm::RatioF1Fj:
            // Ft_1/Ft_j grows as the levels fall.
            if (i > 0 && !(value > F[i - 1])) return refusedEntry(kMustExceedPrevious);
            if (i + 1 < F.size() && F[i + 1] > 0 && !(value < F[i + 1])) return refusedEntry(kMustBeBelowNext);
            break;
        case LevelsForm::Absolute:
            if (i > 0 && !(value < F[i - 1])) return refusedEntry(kMustBeBelowPrevious);
            if (step == 1) (g.SilyF ? g.Ft1 : g.T1) = value;  // the first level is the pinion's load
            break;
        case LevelsForm::RatioFjF1:
        case LevelsForm::RatioFjFmin:
            if (i > 0 && !(value < F[i - 1])) return refusedEntry(kMustBeBelowPrevious);
            break;
    }
    return acceptedEntry();
}

std::string levelsCountText(double x) {
    if (x == 0) return "  0";
    if (x > 99999) return formatFloat(kPictureLives, x);
    if (x < 10) return str(x, 8, 2);
    return str(x, 5, 0);
}

std::string levelsLevelText(const GearPairData& g, double y) {
    return levelsAreRatios(g.levelsForm) ? str(y, 6, 3) : str(y, 7, 1);
}

LevelsHandover takeLevelsHandover(const GearPairData& g) {
    return {g.F1, g.Ft1, g.T1, g.NKvCyklech, g.SilyF};
}

void openLevels(GearPairData& g) {
    if (!levelsAreRatios(g.levelsForm)) g.Fj[0] = g.SilyF ? g.Ft1 : g.T1;
}

bool levelsComplete(const GearPairData& g) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(steps(g)); ++i)
        if (g.Nj[i] == 0 || g.Fj[i] == 0) return false;
    return steps(g) > 0;
}

void confirmLevels(GearPairData& g) {
    if (!levelsAreRatios(g.levelsForm)) {
        if (g.SilyF)
            g.Ft1 = g.F1 = g.Fj[0];
        else
            g.T1 = g.Fj[0];
    }
    if (!g.NKvCyklech) {
        // The spectrum's total hours are the life of both gears; the cycles follow below.
        double total = 0;
        for (std::size_t i = 0; i < static_cast<std::size_t>(steps(g)); ++i)
            total = g.SpektrumNAbs ? g.Nj[i] : total + g.Nj[i];
        g.NK1hod = g.NK2hod = total;
    }
    computeEquivalentLoadsFromLevels(g);
}

void cancelLevels(GearPairData& g, const LevelsHandover& handover) {
    g.F1 = handover.F1;
    g.Ft1 = handover.Ft1;
    g.T1 = handover.T1;
    g.NKvCyklech = handover.NKvCyklech;
    g.SilyF = handover.SilyF;
    clearEquivalentLoads(g);
}

}  // namespace soukoli
