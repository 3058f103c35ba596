// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The printed names of the input windows' fields and options, and when each window shows them.
// Names of fields whose quantity a rule unit already gives (dimensions, materials, coefficients)
// are read off the field table through that quantity, so that each name is written once.
#include "engine/FieldNames.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "engine/BodyDimensions.h"
#include "engine/Coefficients.h"
#include "engine/FaceLoadInput.h"
#include "engine/FieldTable.h"
#include "engine/LoadLevelsInput.h"
#include "engine/LoadingInput.h"
#include "engine/Materials.h"

namespace soukoli {

namespace {

constexpr std::string_view kFull = "the full calculation (--full)";

// A field that shows a different quantity by the choice of units, lives or calculation.
enum class Variant : std::uint8_t { Any, Forces, Torques, Cycles, Hours, Full, Simplified };

struct Candidate {
    std::string name;
    FieldId id;
    Variant variant = Variant::Any;
};

// The name the field table gives the quantity at `address` inside `data`.
std::string nameAt(const GearPairData& data, const double* address) {
    for (const NumericField& f : numericFields())
        if (const auto* m = std::get_if<double GearPairData::*>(&f.member); m && &(data.**m) == address)
            return std::string(f.name);
    return {};
}

std::vector<Candidate> buildCandidates() {
    std::vector<Candidate> c;
    const auto add = [&c](std::string name, InputWindow w, int n, Variant v = Variant::Any) {
        if (!name.empty()) c.push_back({std::move(name), {w, n}, v});
    };
    constexpr std::array<std::string_view, kGeometryFieldCount> geometry{
        "z1", "z2", "mn", "Beta", "Alfan", "x1", "x2", "aw", "ha1*", "ha2*", "ca1*", "ca2*", "Rof1*", "Rof2*", "da1", "da2"};
    for (int n = 1; n <= kGeometryFieldCount; ++n) add(std::string(geometry[static_cast<std::size_t>(n - 1)]), InputWindow::Geometry, n);

    GearPairData scratch;
    for (int n = 1; n <= kDimensionFields; ++n)
        add(nameAt(scratch, &dimensionQuantity(scratch, static_cast<DimensionField>(n))), InputWindow::Dimensions, n);

    constexpr std::array<std::string_view, 8> accuracy{"IT1", "IT2", "fpbr1", "fpbr2", "Fbetar1", "Fbetar2", "fxr", "fyr"};
    for (int n = 1; n <= 8; ++n) add(std::string(accuracy[static_cast<std::size_t>(n - 1)]), InputWindow::Accuracy, n);

    // The loading window's panels in the order the window numbers them: static load, classes,
    // spectrum, entered equivalent loads. A name in several panels is found in the one shown.
    struct LoadingRow {
        int number;
        std::string_view forces, torques;  // the same name twice when units do not matter
        bool lives;                        // cycles in `forces`, hours in `torques`
    };
    constexpr std::array<LoadingRow, 26> loading{{
        {1, "F1", "T1", false},       {2, "n1", "n1", false},       {3, "NK1", "NK1hod", true},
        {4, "NK2", "NK2hod", true},   {5, "YA1", "YA1", false},     {6, "YA2", "YA2", false},
        {7, "KA", "KA", false},       {8, "KAS", "KAS", false},     {9, "Ft1", "T1", false},
        {10, "n1", "n1", false},      {11, "NK1", "NK1hod", true},  {12, "NK2", "NK2hod", true},
        {13, "YA1", "YA1", false},    {14, "YA2", "YA2", false},    {15, "KA", "KA", false},
        {16, "CHSZ1", "CHSZ1", false}, {17, "CHSZ2", "CHSZ2", false}, {26, "Ft1", "T1", false},
        {18, "n1", "n1", false},      {19, "YA1", "YA1", false},    {20, "YA2", "YA2", false},
        {21, "KA", "KA", false},      {22, "FtFe1", "TFe1", false}, {23, "FtHe1", "THe1", false},
        {24, "FtFe2", "TFe2", false}, {25, "FtHe2", "THe2", false},
    }};
    for (const LoadingRow& r : loading) {
        if (r.forces == r.torques) {
            add(std::string(r.forces), InputWindow::Loading, r.number);
        } else {
            add(std::string(r.forces), InputWindow::Loading, r.number, r.lives ? Variant::Cycles : Variant::Forces);
            add(std::string(r.torques), InputWindow::Loading, r.number, r.lives ? Variant::Hours : Variant::Torques);
        }
    }

    add("j", InputWindow::LoadLevels, 1);
    for (int k = 1; k <= static_cast<int>(kMaxLoadLevels); ++k) {
        add("Nj[" + std::to_string(k) + "]", InputWindow::LoadLevels, levelCountField(k).number);
        add("Fj[" + std::to_string(k) + "]", InputWindow::LoadLevels, levelValueField(k).number);
    }

    for (int n = 1; n <= 2 * kWheelMaterialOffset; ++n)
        if (const double* q = materialQuantity(scratch, n)) add(nameAt(scratch, q), InputWindow::Materials, n);

    add("bcal", InputWindow::FaceLoad, 1);
    add("KHbeta", InputWindow::FaceLoad, 2);

    constexpr std::array<std::string_view, kLayoutFields> layout{"s1", "s2", "lw1", "lw2", "dsh1", "dsh2", "dII", "dI"};
    for (int n = 1; n <= kLayoutFields; ++n) add(std::string(layout[static_cast<std::size_t>(n - 1)]), InputWindow::Layout, n);

    for (int n = 1; n <= static_cast<int>(kCoefficientFieldCount); ++n) {
        scratch.Zjednoduseny = false;
        const std::string full = nameAt(scratch, &coefficientQuantity(scratch, n));
        scratch.Zjednoduseny = true;
        const std::string simplified = nameAt(scratch, &coefficientQuantity(scratch, n));
        if (full == simplified) {
            add(full, InputWindow::Coefficients, n);
        } else {
            add(full, InputWindow::Coefficients, n, Variant::Full);
            add(simplified, InputWindow::Coefficients, n, Variant::Simplified);
        }
    }
    return c;
}

const std::vector<Candidate>& candidates() {
    static const std::vector<Candidate> table = buildCandidates();
    return table;
}

std::string variantNeeds(const GearPairData& g, Variant v) {
    switch (v) {
        case Variant::Any: return {};
        case Variant::Forces: return g.SilyF ? "" : "SilyF=1";
        case Variant::Torques: return g.SilyF ? "SilyF=0" : "";
        case Variant::Cycles: return g.NKvCyklech ? "" : "NKvCyklech=1";
        case Variant::Hours: return g.NKvCyklech ? "NKvCyklech=0" : "";
        case Variant::Full: return g.Zjednoduseny ? std::string(kFull) : "";
        case Variant::Simplified: return g.Zjednoduseny ? "" : "the simplified calculation (--simplified)";
    }
    return {};
}

bool methodB(const GearPairData& g) { return g.MetodaVypoctu == 'B'; }

// The fields of the coefficients window that the simplified calculation hides.
bool coefficientFullOnly(int n) { return n <= 4 || n == 7 || (n >= 19 && n <= 26) || n >= 33; }

// What the loading window needs to show field `n` (empty: shown and open).
std::string loadingNeeds(const GearPairData& g, int n) {
    const std::uint16_t mode = g.ZadaniSil;
    if (n <= 8) {
        if (methodB(g)) return "MetodaVypoctu=A";
        if (g.Zjednoduseny && n >= 2 && n <= 4) return std::string(kFull);
    } else if (n == 16 || n == 17) {
        if (!methodB(g) || mode != kLoadsFromClasses) return "MetodaVypoctu=B with ZadaniSil=2";
    } else if (n <= 15) {
        if (!methodB(g) || (mode != kLoadsFromClasses && mode != kLoadsEntered))
            return "MetodaVypoctu=B with ZadaniSil=2 or 3";
    } else if (n <= 21 || n == 26) {
        if (!methodB(g) || mode != kLoadsFromLevels) return "MetodaVypoctu=B with ZadaniSil=1";
    } else if (!methodB(g) || mode != kLoadsEntered) {
        return "MetodaVypoctu=B with ZadaniSil=3";
    }
    // An entered bending limit fixes YA at 1 and locks its fields.
    const bool ya1 = n == 5 || n == 13 || n == 19;
    const bool ya2 = n == 6 || n == 14 || n == 20;
    if (ya1 && g.SigmaFlimb1Given) return "SigmaFlimb1=0 (an entered SigmaFlimb1 fixes YA1 at 1)";
    if (ya2 && g.SigmaFlimb2Given) return "SigmaFlimb2=0 (an entered SigmaFlimb2 fixes YA2 at 1)";
    return {};
}

std::string dimensionNeeds(const GearPairData& g, int n) {
    const bool full = !g.Zjednoduseny;
    if (!full && n >= 3 && n != 11) return std::string(kFull);
    if (g.isInternal() && (n == 4 || n == 8 || n == 10)) return "external toothing";
    const bool pinionBody = n == 3 || n == 5 || n == 7 || (n == 1 && full);
    const bool wheelBody = n == 4 || n == 6 || n == 8 || (n == 2 && full);
    if (pinionBody && g.PlnyPastorek) return "PlnyPastorek=0";
    if (wheelBody && g.PlneKolo) return "PlneKolo=0";
    if ((n == 12 || n == 13) && !g.TetaGiven) return "TetaGiven=1";
    if (n == 14 && !g.CgamaGiven) return "CgamaGiven=1";
    return {};
}

std::string levelsNeeds(const GearPairData& g) {
    return methodB(g) && g.ZadaniSil == kLoadsFromLevels ? "" : "MetodaVypoctu=B with ZadaniSil=1";
}

std::string windowNeeds(const GearPairData& g, FieldId id) {
    const int n = id.number;
    switch (id.window) {
        case InputWindow::Geometry: return {};
        case InputWindow::Dimensions: return dimensionNeeds(g, n);
        case InputWindow::Accuracy:
            // The misalignment deviations count only for a face load factor from a layout.
            if (n >= 5 && (g.KHbetaFrom == KHbetaSource::Entered || g.KHbetaFrom == KHbetaSource::FromBcal))
                return "KHbetaZeSchematu=1";
            return {};
        case InputWindow::Loading: return loadingNeeds(g, n);
        case InputWindow::LoadLevels: {
            if (std::string s = levelsNeeds(g); !s.empty()) return s;
            if (n == 1) return {};
            const int steps = static_cast<int>(kMaxLoadLevels);
            const int step = n <= 1 + steps ? n - 1 : n - 1 - steps;
            if (step > g.j) return "j=" + std::to_string(step) + " or more";
            if (n > 1 + steps && step == fixedLevelStep(g)) return "another spectrum form (this level is fixed at 1)";
            return {};
        }
        case InputWindow::Materials: {
            const int own = n > kWheelMaterialOffset ? n - kWheelMaterialOffset : n;
            return g.Zjednoduseny && own >= 7 && own <= 10 ? std::string(kFull) : "";
        }
        case InputWindow::FaceLoad:
            if (n == 1 && g.Zjednoduseny) return std::string(kFull);
            if (n == 1 && g.KHbetaFrom != KHbetaSource::FromBcal) return "KHbetaZbcal=1";
            if (n == 2 && g.KHbetaFrom != KHbetaSource::Entered) return "KHbetaPrimo=1";
            return {};
        case InputWindow::Layout:
            if (g.Zjednoduseny) return std::string(kFull);
            if (g.KHbetaFrom != KHbetaSource::FromScheme) return "KHbetaZeSchematu=1";
            if (!layoutFieldShown(g.SchemaIndex, n)) return n == 7 ? "Schema=3 ... 8" : "Schema=8";
            return {};
        case InputWindow::Coefficients:
            if (g.Zjednoduseny && coefficientFullOnly(n)) return std::string(kFull);
            if (n >= kFirstMaximumLoadFactor && n <= kLastMaximumLoadFactor && !methodB(g)) return "MetodaVypoctu=B";
            if (!coefficientEditable(g, n))
                return n == kCoefficientFieldYT1 ? "SigmaFlimb1=0 (an entered SigmaFlimb1 fixes YT1 at 1)"
                                                 : "SigmaFlimb2=0 (an entered SigmaFlimb2 fixes YT2 at 1)";
            return {};
    }
    return {};
}

// The options of the windows: where each is shown and what the window needs to show it.
struct OptionRow {
    std::string_view name;
    std::function<InputWindow(const GearPairData&)> window;
    std::function<std::string(const GearPairData&)> needs;
};

InputWindow loadingWindow(const GearPairData&) { return InputWindow::Loading; }
std::string none(const GearPairData&) { return {}; }
std::string fullOnly(const GearPairData& g) { return g.Zjednoduseny ? std::string(kFull) : ""; }

const std::vector<OptionRow>& options() {
    const auto fixed = [](InputWindow w) { return [w](const GearPairData&) { return w; }; };
    static const std::vector<OptionRow> rows = [&] {
        std::vector<OptionRow> r;
        r.push_back({"MetodaVypoctu", loadingWindow, none});
        r.push_back({"ZadaniSil", loadingWindow, [](const GearPairData& g) { return methodB(g) ? "" : "MetodaVypoctu=B"; }});
        // Units: the static, classes and spectrum panels have them; method "B" needs a mode first.
        r.push_back({"SilyF", loadingWindow,
                     [](const GearPairData& g) { return methodB(g) && g.ZadaniSil == kLoadsStatic ? "ZadaniSil=1, 2 or 3" : ""; }});
        // Lives: the static and classes panels; with loads from a spectrum the spectrum window.
        r.push_back({"NKvCyklech",
                     [](const GearPairData& g) {
                         return methodB(g) && g.ZadaniSil == kLoadsFromLevels ? InputWindow::LoadLevels : InputWindow::Loading;
                     },
                     [](const GearPairData& g) -> std::string {
                         if (!methodB(g)) return fullOnly(g);
                         return g.ZadaniSil == kLoadsStatic ? "ZadaniSil=1, 2 or 3" : "";
                     }});
        for (std::string_view n : {"SpektrumNAbs", "SpektrumAbs", "SpektrumPomer1j", "SpektrumPomerj1", "SpektrumPomerjmin"})
            r.push_back({n, fixed(InputWindow::LoadLevels), levelsNeeds});
        r.push_back({"KHbetaPrimo", fixed(InputWindow::FaceLoad), none});
        r.push_back({"KHbetaZbcal", fixed(InputWindow::FaceLoad), fullOnly});
        r.push_back({"KHbetaZeSchematu", fixed(InputWindow::FaceLoad),
                     [](const GearPairData& g) { return g.isInternal() ? "external toothing" : ""; }});
        // The full calculation picks a layout in the layout window, the simplified one a scheme
        // in the picture the face-load window opens.
        r.push_back({"Schema",
                     [](const GearPairData& g) { return g.Zjednoduseny ? InputWindow::FaceLoad : InputWindow::Layout; },
                     [](const GearPairData& g) {
                         return g.KHbetaFrom == KHbetaSource::FromScheme ? "" : "KHbetaZeSchematu=1";
                     }});
        // The standard switch of the tooth-root factors, opened from the coefficients window.
        for (std::string_view n : {"StandardCSN", "StandardDIN_B", "StandardDIN_C"})
            r.push_back({n, fixed(InputWindow::Coefficients), none});
        r.push_back({"PlnyPastorek", fixed(InputWindow::Dimensions), fullOnly});
        r.push_back({"PlneKolo", fixed(InputWindow::Dimensions), [](const GearPairData& g) {
                         return g.isInternal() ? std::string("external toothing") : fullOnly(g);
                     }});
        r.push_back({"TetaGiven", fixed(InputWindow::Dimensions), fullOnly});
        r.push_back({"CgamaGiven", fixed(InputWindow::Dimensions), fullOnly});
        for (std::string_view n : {"Material1", "Material2", "Zpracovani1", "Zpracovani2"})
            r.push_back({n, fixed(InputWindow::Materials), none});
        return r;
    }();
    return rows;
}

}  // namespace

NamedInput findNamedInput(const GearPairData& g, std::string_view name) {
    for (const OptionRow& o : options()) {
        if (o.name != name) continue;
        std::string needs = o.needs(g);
        if (!needs.empty()) return {NameKind::NotShown, {o.window(g), 0}, std::move(needs)};
        return {NameKind::Option, {o.window(g), 0}, {}};
    }
    NamedInput found;
    for (const Candidate& c : candidates()) {
        if (c.name != name) continue;
        std::string needs = variantNeeds(g, c.variant);
        if (needs.empty()) needs = windowNeeds(g, c.id);
        if (needs.empty()) return {NameKind::Field, c.id, {}};
        // The first window field that has the name says what it needs.
        if (found.kind == NameKind::Unowned) found = {NameKind::NotShown, c.id, std::move(needs)};
    }
    return found;
}

InputWindow parentWindow(InputWindow window) {
    switch (window) {
        case InputWindow::LoadLevels: return InputWindow::Loading;
        case InputWindow::Layout: return InputWindow::FaceLoad;
        case InputWindow::Geometry:
        case InputWindow::Dimensions:
        case InputWindow::Accuracy:
        case InputWindow::Loading:
        case InputWindow::Materials:
        case InputWindow::FaceLoad:
        case InputWindow::Coefficients: break;
    }
    return window;
}

}  // namespace soukoli
