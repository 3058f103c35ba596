// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Rules of the face-load and layout-scheme windows: source flags, field checks with their
// messages, the "Ok" checks, "Esc", and the choice of a layout or of a simplified scheme.
#include "engine/FaceLoadInput.h"

#include <array>
#include <charconv>
#include <cmath>

#include "engine/LayoutSchemesTables.h"
#include "engine/Tabs.h"

namespace soukoli {

namespace {

constexpr double kRatioLimit = 0.3;  // s/lw above this is marked in red

constexpr std::array<std::string_view, kLayoutFields> kLayoutMessages{
    "Rozměr s1 musí být kladný",
    "Rozměr s2 musí být kladný",
    "Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1",
    "Rozměr lw2 musí být větší než 0 a alespoň 2x větší než rozměr s2",
    "Rozměr dsh1 musí být větší než 0",
    "Rozměr dsh2 musí být větší než 0",
    "Rozměr dII musí být větší než 0",
    "Rozměr dI musí být větší než 0",
};

// The leading blanks centre the heading over the message box.
constexpr std::string_view kWarnDsh1 =
    "                             VAROVÁNÍ\r\rRozměr dsh1 je větší než patní průměr pastorku";
constexpr std::string_view kWarnDsh2 =
    "                          VAROVÁNÍ\r\rRozměr dsh2 je větší než patní průměr kola";
constexpr std::string_view kWarnDII =
    "                           VAROVÁNÍ\r\rRozměr dII je menší než průměr hřídele dsh2";
constexpr std::string_view kWarnDI =
    "                           VAROVÁNÍ\r\rRozměr dI je menší než průměr hřídele dsh1";

constexpr int kFirstWithDII = 5;   // layout "3"
constexpr int kOnlyWithDI = 10;    // layout "8"

bool inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

std::string_view layoutLabel(int number) {
    if (number < 1 || number > kLayoutCount) return {};
    return kLayoutLabels[static_cast<std::size_t>(number - 1)];
}

std::string schemeLabelFor(const GearPairData& g) {
    if (g.Zjednoduseny) return std::to_string(g.SchemaIndex);
    return std::string(layoutLabel(g.SchemaIndex));
}

std::optional<std::uint16_t> schemeNumberOfText(std::string_view label) {
    std::uint16_t n = 0;
    const auto [end, ec] = std::from_chars(label.data(), label.data() + label.size(), n);
    if (ec != std::errc{} || end != label.data() + label.size()) return std::nullopt;
    return n;
}

void faceLoadOptionClicked(GearPairData& g, KHbetaSource option, bool checked) {
    g.KHbetaFrom = checked ? option : KHbetaSource::None;
    switch (option) {
        case KHbetaSource::FromScheme:
            if (g.Zjednoduseny) break;
            if (checked && g.Schema.empty()) selectLayout(g, 2);  // "1a"
            // The calculation fills KHbeta from the scheme.
            g.bcal = 0;
            g.KHbeta = 0;
            break;
        case KHbetaSource::FromBcal: g.KHbeta = 0; break;
        case KHbetaSource::Entered: g.bcal = 0; break;
        case KHbetaSource::None: break;
    }
}

FieldEntry commitBcal(GearPairData& g, double value) {
    g.bcal = value;
    if (!(value > 0)) return refusedEntry(kMsgBcal);
    g.KHbetaFrom = KHbetaSource::FromBcal;
    return acceptedEntry();
}

FieldEntry commitKHbeta(GearPairData& g, double value) {
    g.KHbeta = value;
    if (!(value >= 1)) return refusedEntry(kMsgKHbeta);
    g.KHbetaFrom = KHbetaSource::Entered;
    return acceptedEntry();
}

FaceLoadProblem checkFaceLoadInput(const GearPairData& g) {
    switch (g.KHbetaFrom) {
        case KHbetaSource::None: return FaceLoadProblem::NoSource;
        case KHbetaSource::FromBcal: return g.bcal > 0 ? FaceLoadProblem::None : FaceLoadProblem::Bcal;
        case KHbetaSource::Entered: return g.KHbeta >= 1 ? FaceLoadProblem::None : FaceLoadProblem::KHbeta;
        case KHbetaSource::FromScheme: break;
    }
    return FaceLoadProblem::None;
}

LeverRatio leverRatio(double s, double lw) {
    if (!(lw > 0)) return {};
    const double r = s / lw;
    return {r, r > kRatioLimit};
}

std::string_view layoutFieldMessage(int field) {
    if (field < 1 || field > kLayoutFields) return "Neplatné zadání";
    return kLayoutMessages[static_cast<std::size_t>(field - 1)];
}

FieldEntry commitLayoutField(GearPairData& g, int field, double v) {
    bool ok = false;
    std::string_view warning;
    switch (field) {
        case 1: g.s1 = v; ok = v >= 0; break;
        case 2: g.s2 = v; ok = v >= 0; break;
        case 3: g.lw1 = v; ok = v > 0 && v >= 2 * g.s1; break;
        case 4: g.lw2 = v; ok = v > 0 && v >= 2 * g.s2; break;
        case 5:
            g.dsh1 = v;
            ok = v > 0;
            if (ok && v > g.df1) warning = kWarnDsh1;
            break;
        case 6:
            g.dsh2 = v;
            ok = v > 0;
            // df2 is negative for an internal wheel: its size is what a shaft must stay under.
            if (ok && v > std::abs(g.df2)) warning = kWarnDsh2;
            break;
        case 7:
            g.dII = v;
            ok = v > 0;
            if (ok && v < g.dsh2) warning = kWarnDII;
            break;
        case 8:
            g.dI = v;
            ok = v > 0;
            if (ok && v < g.dsh1) warning = kWarnDI;
            break;
        default: return refusedEntry(layoutFieldMessage(field));
    }
    if (!ok) return refusedEntry(layoutFieldMessage(field));
    return acceptedEntry(warning);
}

bool layoutFieldShown(int number, int field) {
    if (field == 7) return number >= kFirstWithDII && number <= kLayoutCount;
    if (field == 8) return number == kOnlyWithDI;
    return field >= 1 && field <= kLayoutFields;
}

int checkLayoutInput(const GearPairData& g) {
    if (g.Schema.empty() || g.SchemaIndex < 1 || g.SchemaIndex > kLayoutCount) return -1;
    if (!(g.lw1 > 0 && g.lw1 >= 2 * g.s1)) return 3;
    if (!(g.lw2 > 0 && g.lw2 >= 2 * g.s2)) return 4;
    if (!(g.dsh1 > 0)) return 5;
    if (!(g.dsh2 > 0)) return 6;
    if (layoutFieldShown(g.SchemaIndex, 7) && !(g.dII > 0)) return 7;
    if (layoutFieldShown(g.SchemaIndex, 8) && !(g.dI > 0)) return 8;
    return 0;
}

void cancelLayout(GearPairData& g) {
    g.SchemaIndex = 0;
    g.KHbetaFrom = KHbetaSource::Entered;
    g.s1 = g.s2 = g.lw1 = g.lw2 = g.dsh1 = g.dsh2 = g.dII = g.dI = 0;
}

void selectLayout(GearPairData& g, int number) {
    if (number < 1 || number > kLayoutCount) return;
    g.SchemaIndex = static_cast<std::uint16_t>(number);
    g.Schema = std::string(layoutLabel(number));
}

int previousLayout(int number) {
    return number <= 1 || number > kLayoutCount ? kLayoutCount : number - 1;
}

int nextLayout(int number) {
    return number >= kLayoutCount || number < 1 ? 1 : number + 1;
}

std::optional<int> layoutAt(int x, int y) {
    for (int i = 0; i < kLayoutCount; ++i) {
        const PixelRect& c = kLayoutCells[static_cast<std::size_t>(i)];
        if (inside(x, y, c.x, c.y, c.x + c.w, c.y + c.h)) return i + 1;
    }
    return std::nullopt;
}

std::optional<int> simplifiedSchemeAt(int x, int y) {
    for (const SchemeRegion& r : kSchemeRegions)
        if (inside(x, y, r.left, r.top, r.right, r.bottom)) return r.scheme;
    return std::nullopt;
}

void pickSimplifiedScheme(GearPairData& g, int scheme) {
    if (scheme < 1 || scheme > kLayoutCount) return;
    g.SchemaIndex = static_cast<std::uint16_t>(scheme);
    if (const auto k = simplifiedSchemeKHbeta(g, scheme)) g.KHbeta = *k;
}

}  // namespace soukoli
