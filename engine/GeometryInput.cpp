// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Entry rules of the geometry inputs. An entry is stored, judged, and only when accepted are the
// centre distance and the diameters recomputed; the recomputation runs on a copy first, so a pair
// whose geometry cannot be formed is refused instead of filling the data set with inf or NaN.
#include "engine/GeometryInput.h"

#include <array>
#include <cmath>
#include <numbers>

#include "engine/BasicGeometry.h"
#include "engine/Numbers.h"
#include "engine/Trig.h"

namespace soukoli {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// A centre distance that differs from the shown one by less than its last shown decimal is the
// shown value read back, not a new entry.
constexpr double kUnchangedCentreDistance = 0.0009;

// The message of each field, in field order.
constexpr std::array<std::string_view, kGeometryFieldCount> kMessages = {
    "Neplatné zadání počtu zubů pastorku z1",
    "Neplatné zadání počtu zubů kola z2",
    "Neplatné zadání normálného modulu mn",
    "Neplatné zadání úhlu sklonu zubů beta   Je nutno zadávat v desetinném tvaru.",
    "Neplatné zadání úhlu záběru alfan   Je nutno zadávat v desetinném tvaru.",
    "Neplatné zadání jednotkové korekce pastorku x1",
    "Neplatné zadání jednotkové korekce kola x2",
    "Neplatné zadání osové vzdálenosti aw",
    "Neplatné zadání jednotkové výšky hlavy pastorku ha1*",
    "Neplatné zadání jednotkové výšky hlavy kola ha2*",
    "Neplatné zadání jednotkové hlavové vůle pastorku ca1*",
    "Neplatné zadání jednotkové hlavové vůle kola ca2*",
    "Neplatné zadání jednotkového rádiusu paty základního profilu pastorku rof1*",
    "Neplatné zadání jednotkového rádiusu paty základního profilu kola rof2*",
    "Neplatné zadání hlavového průměru pastorku",
    "Neplatné zadání hlavového průměru kola",
};

FieldEntry refused(GeometryField field, std::int32_t parseStatus) {
    return refusedEntry(geometryFieldMessage(field), parseStatus);
}

FieldEntry acceptedWith(AccuracyLookups lookups = {}) {
    FieldEntry e;
    e.effects.lookups = lookups;
    return e;
}

FieldEntry movedTo(EntryOutcome outcome, int focusField = 0) {
    FieldEntry e;
    e.outcome = outcome;
    e.focusField = focusField;
    return e;
}

void clearTipDiameterFlags(GearPairData& g) {
    g.da1Given = false;
    g.da2Given = false;
}

// Runs `recompute` on a copy of the data set and takes the copy only when its geometry is made of
// finite numbers. False leaves `g` as it was (with the entered value already stored).
template <class Recompute>
bool recomputeIfFormed(GearPairData& g, Ui& ui, Recompute recompute) {
    GearPairData trial = g;
    recompute(trial, ui);
    if (!geometryFormed(trial)) return false;
    g = std::move(trial);
    return true;
}

// z1, z2, mn, beta, alfan and an accepted shift sum: the tip diameters follow again, the centre
// distance follows from the shift sum, then the diameters.
FieldEntry acceptMainInput(GearPairData& g, GeometryField field, Ui& ui, AccuracyLookups accuracy) {
    // Judged before anything is computed: such a pair has no centre distance to speak of.
    if (g.isInternal() && g.z1 + g.z2 >= 0) return refused(field, 0);
    const bool formed = recomputeIfFormed(g, ui, [](GearPairData& t, Ui& u) {
        clearTipDiameterFlags(t);
        updateCentreDistance(t, u);
        updateDiameters(t, u);
    });
    return formed ? acceptedWith(accuracy) : refused(field, 0);
}

// Profile shift of one gear (x1 or x2). With the centre distance given, the other coefficient
// takes up the rest of the sum that aw fixes; otherwise the sum must lie on the side of xmez where
// a working pressure angle exists.
FieldEntry enterShift(GearPairData& g, GeometryField field, double value, std::int32_t status, Ui& ui) {
    const bool pinion = field == GeometryField::x1;
    (pinion ? g.x1 : g.x2) = value;
    if (status != 0) return refused(field, status);
    if (g.awGiven) {
        const bool formed = recomputeIfFormed(g, ui, [pinion](GearPairData& t, Ui& u) {
            if (pinion) t.x2 = t.xs - t.x1;
            else t.x1 = t.xs - t.x2;
            updateDiameters(t, u);
        });
        return formed ? acceptedWith() : refused(field, 0);
    }
    const double xmez = limitingShiftSum(g);
    if (!std::isfinite(xmez)) return refused(field, 0);
    g.xmez = xmez;
    if (shiftSumBeyondLimit(g, xmez))
        return refusedEntry("Nemožný součet jednotkových korekcí x1+x2  (xmez= " + str(xmez, 8, 5) + ")", 1);
    g.xs = g.x1 + g.x2;
    return acceptMainInput(g, field, ui, {});
}

// Every field but the centre distance: store, judge, recompute.
FieldEntry enterNumber(GearPairData& g, GeometryField field, double v, std::int32_t status, Ui& ui) {
    const bool readable = status == 0;
    const auto judge = [&](bool inRange) { return readable && inRange; };
    switch (field) {
    case GeometryField::z1:
        g.z1 = v;
        // Every formula divides by z1: a pinion needs teeth.
        if (!judge(v > 0)) return refused(field, status);
        return acceptMainInput(g, field, ui, {.pinionPitch = true});
    case GeometryField::z2:
        g.z2 = v;
        if (!judge(v != 0)) return refused(field, status);
        if (!g.isInternal() && v < 4) return refusedEntry("Počet zubů kola vol větší než 3");
        if (g.isInternal() && v > -4) return refusedEntry("Počet zubů korunového kola vol menší než -3");
        chooseCutter(g);
        return acceptMainInput(g, field, ui, {.wheelPitch = true});
    case GeometryField::mn:
        g.mn = v;
        if (!judge(v > 0)) return refused(field, status);
        {
            FieldEntry r = acceptMainInput(
                g, field, ui, {.pinionPitch = true, .wheelPitch = true, .pinionAlignment = true, .wheelAlignment = true});
            // ČSN 01 4686: the rim should be at least 3.5 modules thick.
            if (r.accepted()) g.srmin = 3.5 * g.mn;
            return r;
        }
    case GeometryField::Beta:
        g.Beta = v;
        // A helix angle of 90° or more forms no gear.
        if (!judge(v >= 0 && v < std::numbers::pi / 2)) return refused(field, status);
        return acceptMainInput(g, field, ui, {.pinionPitch = true, .wheelPitch = true});
    case GeometryField::Alfan:
        g.Alfan = v;
        // The limits as an entry in degrees arrives (rounded as the file keeps it).
        if (!judge(v >= asStoredInFile(1 * kDegree) && v <= asStoredInFile(50 * kDegree))) return refused(field, status);
        return acceptMainInput(g, field, ui, {});
    case GeometryField::x1:
    case GeometryField::x2:
        return enterShift(g, field, v, status, ui);
    case GeometryField::aw:
        if (!readable) return refused(field, status);
        return enterGeometryValue(g, field, v, ui);
    case GeometryField::ha1_star:
    case GeometryField::ha2_star: {
        (field == GeometryField::ha1_star ? g.ha1_star : g.ha2_star) = v;
        if (!judge(v >= -2)) return refused(field, status);
        const bool formed = recomputeIfFormed(g, ui, [](GearPairData& t, Ui& u) {
            clearTipDiameterFlags(t);
            updateDiameters(t, u);
        });
        return formed ? acceptedWith() : refused(field, 0);
    }
    case GeometryField::ca1_star:
    case GeometryField::ca2_star: {
        const bool pinion = field == GeometryField::ca1_star;
        (pinion ? g.ca1_star : g.ca2_star) = v;
        if (!judge(v >= 0)) return refused(field, status);
        const bool formed = recomputeIfFormed(g, ui, [pinion](GearPairData& t, Ui&) {
            clearTipDiameterFlags(t);
            // The tip clearance against the root of the mating gear.
            if (pinion) t.da1 = 2 * (t.aw - t.ca1_star * t.mn) - t.df2;
            else t.da2 = 2 * (t.aw - t.ca2_star * t.mn) - t.df1;
        });
        return formed ? acceptedWith() : refused(field, 0);
    }
    case GeometryField::Rof1_star:
    case GeometryField::Rof2_star: {
        (field == GeometryField::Rof1_star ? g.Rof1_star : g.Rof2_star) = v;
        if (!judge(v >= -1)) return refused(field, status);
        const bool formed = recomputeIfFormed(g, ui, [](GearPairData& t, Ui& u) { updateDiameters(t, u); });
        return formed ? acceptedWith() : refused(field, 0);
    }
    case GeometryField::da1:
        g.da1 = v;
        if (!judge(v > 0)) return refused(field, status);
        g.da1Given = true;
        return acceptedWith();
    case GeometryField::da2:
        g.da2 = v;
        if (!judge(g.isInternal() ? v < 0 : v > 0)) return refused(field, status);
        g.da2Given = true;
        return acceptedWith();
    }
    return refused(field, status);
}

bool blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::string_view geometryFieldMessage(GeometryField field) {
    const auto n = static_cast<std::size_t>(field);
    return n >= 1 && n <= kMessages.size() ? kMessages[n - 1] : kRefusedEntry;
}

FieldEntry enterGeometryField(GearPairData& g, GeometryField field, std::string_view text, Ui& ui) {
    const NumberParse p = parseNumber(text);
    if (field == GeometryField::aw) {
        if (p.ok() && std::abs(std::abs(p.value) - std::abs(g.aw)) <= kUnchangedCentreDistance) {
            return movedTo(EntryOutcome::Unchanged);
        }
        // An emptied field returns to the zero-shift pair as 0 does; other unreadable text is
        // refused rather than taken for 0, so a mistyped distance ("122,5") keeps the shifts.
        if (blank(text)) {
            resetToZeroShift(g, ui);
            return movedTo(EntryOutcome::Reset, static_cast<int>(GeometryField::x1));
        }
    }
    // Degrees become radians as the project file keeps them.
    const bool degrees = field == GeometryField::Beta || field == GeometryField::Alfan;
    return enterNumber(g, field, degrees ? asStoredInFile(p.value * kDegree) : p.value, p.status, ui);
}

FieldEntry enterGeometryValue(GearPairData& g, GeometryField field, double value, Ui& ui) {
    if (field != GeometryField::aw) return enterNumber(g, field, value, std::isfinite(value) ? 0 : 1, ui);
    if (value == 0) {
        resetToZeroShift(g, ui);
        return movedTo(EntryOutcome::Reset, static_cast<int>(GeometryField::x1));
    }
    return enterCentreDistance(g, value, ui);
}

FieldEntry enterCentreDistance(GearPairData& g, double aw, Ui& ui) {
    if (!std::isfinite(aw) || aw == 0 || (g.isInternal() ? aw > 0 : aw < 0)) return refused(GeometryField::aw, 0);
    // awmin: the centre distance at the limiting shift sum xmez, where the working angle is 0.
    const double awmin = minimumCentreDistance(g);
    if (!std::isfinite(awmin)) return refused(GeometryField::aw, 0);
    if (std::abs(awmin) >= std::abs(aw))
        return refusedEntry("Nemožně malá osová vzdálenost aw (awmin= " + str(awmin, 8, 5) + ")", 1);
    const bool formed = recomputeIfFormed(g, ui, [aw](GearPairData& t, Ui& u) {
        t.aw = aw;
        t.awGiven = true;
        t.alfat = transversePressureAngle(t.Alfan, t.Beta);
        t.invalfat = inv(t.alfat, u);
        t.a = (t.z1 + t.z2) * t.mn / (2 * std::cos(t.Beta));
        t.xmez = limitingShiftSum(t);
        // a·cos αt = aw·cos αtw, and the shift sum from inv αtw = inv αt + 2·tan αn·xs/(z1 + z2).
        t.alfatw = guardedAcos(t.a * std::cos(t.alfat) / aw, u);
        t.invalfatw = inv(t.alfatw, u);
        t.xs = (t.invalfatw - t.invalfat) / (2 * std::tan(t.Alfan) / (t.z1 + t.z2));
        t.x1 = t.xs / 2;
        t.x2 = t.xs / 2;
        clearTipDiameterFlags(t);
        updateDiameters(t, u);
    });
    return formed ? acceptedWith() : refused(GeometryField::aw, 0);
}

void resetToZeroShift(GearPairData& g, Ui& ui) {
    g.x1 = 0;
    g.x2 = 0;
    g.awGiven = false;
    // The zero-shift pair meshes at its reference circles: αtw = αt and aw = a. The tip
    // diameters follow the new pair as after any centre distance entry.
    g.alfat = transversePressureAngle(g.Alfan, g.Beta);
    g.invalfat = std::tan(g.alfat) - g.alfat;
    g.alfatw = g.alfat;
    g.invalfatw = g.invalfat;
    g.a = (g.z1 + g.z2) * g.mn / (2 * std::cos(g.Beta));
    g.aw = g.a;
    clearTipDiameterFlags(g);
    updateDiameters(g, ui);
}

bool geometryFormed(const GearPairData& g) {
    if (g.isInternal() && g.z1 + g.z2 >= 0) return false;
    const double values[] = {g.alfat, g.alfatw, g.invalfat, g.invalfatw, g.betab, g.a,   g.aw,  g.xs,  g.k,
                             g.u,     g.zv1,    g.zv2,      g.d1,        g.d2,    g.db1, g.db2, g.df1, g.df2,
                             g.da1,   g.da2,    g.ha1,      g.ha2,       g.hf1,   g.hf2, g.hFfP1, g.hFfP2,
                             g.a0w,   g.da0,    g.x1,       g.x2};
    for (const double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace soukoli
