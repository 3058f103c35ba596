// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What a freshly loaded project needs before it can be shown and calculated: the derived
// geometry, the loads and lives in their other units, the face widths, the scheme index. The
// project file stores inputs only; this brings the data set back to what it was when saved.
#pragma once

#include <string_view>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli::files {

/// The recomputation after loading (also run on the current data when the open dialog is
/// cancelled). Messages of the guarded trigonometry go through `ui`.
void recomputeAfterLoad(GearPairData& d, Ui& ui);

/// `SchemaIndex` from `Schema`; an unknown text leaves the index, and 0 or an index above 10
/// becomes 2 ("1a").
void updateSchemeIndex(GearPairData& d);

/// The name of the first value the recomputation wrote that is not a finite number (a project
/// whose geometry or loads cannot be formed, such as one with no teeth or no speed); empty when
/// every value is finite.
[[nodiscard]] std::string_view firstUnformedValue(const GearPairData& d);

/// firstUnformedValue finds nothing.
[[nodiscard]] inline bool recomputedValuesFinite(const GearPairData& d) { return firstUnformedValue(d).empty(); }

}  // namespace soukoli::files
