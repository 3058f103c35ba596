// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Which deviations a run needs, and the stop when one of them is open.
#include "engine/RequiredDeviations.h"

#include <array>
#include <cstdint>

#include "engine/TransverseLoadFactor.h"

namespace soukoli {

namespace {

enum class Need { BasePitch, Alignment };

struct Deviation {
    const char* name;
    const char* gradeName;  // the grade it is looked up for
    std::uint16_t GearPairData::*grade;
    bool GearPairData::*limitDefined;
    double GearPairData::*measured;
    Need need;
    int measuredField;  // the field of the accuracy window that takes the measured value
};

// In the order of the accuracy window's measured fields.
constexpr std::array<Deviation, 6> kDeviations{{
    {"fpb1", "IT1", &GearPairData::IT1, &GearPairData::fpb1Given, &GearPairData::fpbr1, Need::BasePitch, 3},
    {"fpb2", "IT2", &GearPairData::IT2, &GearPairData::fpb2Given, &GearPairData::fpbr2, Need::BasePitch, 4},
    {"Fbeta1", "IT1", &GearPairData::IT1, &GearPairData::Fbeta1Given, &GearPairData::Fbetar1, Need::Alignment, 5},
    {"Fbeta2", "IT2", &GearPairData::IT2, &GearPairData::Fbeta2Given, &GearPairData::Fbetar2, Need::Alignment, 6},
    {"fx", "IT1", &GearPairData::IT1, &GearPairData::fxGiven, &GearPairData::fxr, Need::Alignment, 7},
    {"fy", "IT1", &GearPairData::IT1, &GearPairData::fyGiven, &GearPairData::fyr, Need::Alignment, 8},
}};

bool needed(const GearPairData& g, Need need) {
    switch (need) {
        case Need::BasePitch: return transverseFactorsNeeded(g);
        case Need::Alignment: return g.KHbetaFrom == KHbetaSource::FromScheme;
    }
    return true;
}

// A measured value of 0 is "not measured" (the window's rule).
bool missing(const GearPairData& g, const Deviation& d) {
    return needed(g, d.need) && !(g.*d.limitDefined) && g.*d.measured == 0;
}

}  // namespace

std::string missingDeviations(const GearPairData& g) {
    std::string list;
    for (const Deviation& d : kDeviations) {
        if (!missing(g, d)) continue;
        if (!list.empty()) list += ", ";
        list += std::string(d.name) + " (" + d.gradeName + " = " + std::to_string(g.*d.grade) + ")";
    }
    return list;
}

void checkDeviationsDefined(GearPairData& g, Ui& ui) {
    const std::string list = missingDeviations(g);
    if (list.empty()) return;
    ui.message("Nedefinované mezní úchylky podle ČSN 01 4682:\r" + list +
               ".\rPro nedefinované mezní úchylky je nutno zadat tyto přímo jako změřené.");
    for (const Deviation& d : kDeviations) {
        if (!missing(g, d)) continue;
        ui.setActiveField(DialogId::Accuracy, d.measuredField);
        break;
    }
    ui.openDialog(DialogId::Accuracy, Modality::Modal);
    g.runFlag = false;
}

}  // namespace soukoli
