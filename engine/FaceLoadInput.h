// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The input side of the face load factor: which source KHbeta comes from (scheme, contact band
// bcal, direct entry), the checks of the face-load and layout-scheme windows with their messages,
// and the choice of a layout. The windows and soukoli-cli share these rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/EntryResult.h"
#include "engine/GearPairData.h"

namespace soukoli {

inline constexpr std::string_view kMsgBcal = "Neplatné zadání šířky pásma dotyku zatížených zubů bcal";
inline constexpr std::string_view kMsgKHbeta = "KHbeta vol větší nebo rovno 1";
inline constexpr std::string_view kMsgNoSource = "Není zadaná žádná možnost";
inline constexpr std::string_view kMsgNoLayout = "Není vybrané půdorysné schéma";

/// Label of a full-calculation layout 1 … 10 ("1", "1a", "2", "2a", "3" … "8"); empty otherwise.
[[nodiscard]] std::string_view layoutLabel(int number);
/// The label the face-load window shows and stores for the current scheme number: the layout
/// label in the full calculation, the number itself in the simplified one.
[[nodiscard]] std::string schemeLabelFor(const GearPairData& g);
/// A label that is a whole number (the simplified calculation stores its scheme so); nothing for
/// any other text.
[[nodiscard]] std::optional<std::uint16_t> schemeNumberOfText(std::string_view label);

/// An option of the face-load window ticked (`checked`) or unticked by the user: the source
/// (None when unticked), the layout "1a" preselected for a first scheme, and the input of the source left
/// behind cleared (for the scheme only in the full calculation).
void faceLoadOptionClicked(GearPairData& g, KHbetaSource option, bool checked);

/// Field 1 of the face-load window: bcal > 0; accepted, the contact band is the source.
/// Refused with kMsgBcal.
[[nodiscard]] FieldEntry commitBcal(GearPairData& g, double value);
/// Field 2: KHbeta ≥ 1; accepted, KHbeta is entered directly. Refused with kMsgKHbeta.
[[nodiscard]] FieldEntry commitKHbeta(GearPairData& g, double value);

/// "&Ok" of the face-load window: what is wrong with the chosen source, if anything.
enum class FaceLoadProblem { None, NoSource, Bcal, KHbeta };
[[nodiscard]] FaceLoadProblem checkFaceLoadInput(const GearPairData& g);

/// Lever ratio s/lw of one shaft and whether it exceeds 0.3 (no ratio without a span).
struct LeverRatio {
    double ratio = 0;
    bool warning = false;
};
[[nodiscard]] LeverRatio leverRatio(double s, double lw);

/// Fields 1 … 8 of the layout-scheme window: s1, s2, lw1, lw2, dsh1, dsh2, dII, dI.
inline constexpr int kLayoutFields = 8;
/// Stores `value` in field `field` and judges it: refused with the field's message, or accepted
/// with a warning as the message when a shaft or bore is larger than it should be.
[[nodiscard]] FieldEntry commitLayoutField(GearPairData& g, int field, double value);
/// The rejection message of a field.
[[nodiscard]] std::string_view layoutFieldMessage(int field);
/// Whether field `field` is used by layout `number` (dII from "3" on, dI with "8" only).
[[nodiscard]] bool layoutFieldShown(int number, int field);

/// "&Ok" of the layout-scheme window: the first field that fails (0 when all are right; -1 when
/// no layout is chosen).
[[nodiscard]] int checkLayoutInput(const GearPairData& g);

/// "&Esc" of the layout-scheme window: no scheme, KHbeta entered directly, dimensions zero.
void cancelLayout(GearPairData& g);

/// Chooses full-calculation layout `number` (1 … 10) and its label.
void selectLayout(GearPairData& g, int number);
/// PgUp / PgDn: the previous / next layout, wrapping between 1 and 10.
[[nodiscard]] int previousLayout(int number);
[[nodiscard]] int nextLayout(int number);
/// The thumbnail cell under a point of the 452 × 522 grid (edges included, lower number first).
[[nodiscard]] std::optional<int> layoutAt(int x, int y);
/// The scheme of the simplified picture under a point of its 370 × 362 bitmap.
[[nodiscard]] std::optional<int> simplifiedSchemeAt(int x, int y);
/// A simplified scheme picked: scheme number and KHbeta = 1 + k1·ψ + k2·ψ² (unchanged for a
/// number outside 1 … 7).
void pickSimplifiedScheme(GearPairData& g, int scheme);

}  // namespace soukoli
