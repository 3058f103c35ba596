// `--set NAME=VALUE` of soukoli-cli: a named field of the data set takes a new value, and the
// quantities that follow from it are recomputed the way the input dialogs recompute them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli::cli {

/// One parsed `NAME=VALUE`.
struct Setting {
    std::string name;   // as printed ("ha1*") or as in the data set ("ha1_star")
    std::string value;  // as typed
};

/// Splits "NAME=VALUE"; an empty string means it could not be split (the reason in `error`).
[[nodiscard]] bool parseSetting(std::string_view text, Setting& out, std::string& error);

/// Applies the settings in order, then makes the derived values consistent with them: a new
/// geometry input moves aw (or, when aw itself is set, the shift sum follows from aw as in the
/// geometry dialog), a set tip diameter counts as entered, and the recomputation after loading
/// a project runs. Returns false with `error` when a name is unknown or a value unreadable;
/// the data set may then be partly changed and must not be used.
[[nodiscard]] bool applySettings(GearPairData& g, const std::vector<Setting>& settings, Ui& ui, std::string& error);

/// The name a field has in JSON and in the data set: "ha1*" -> "ha1_star".
std::string dataSetName(std::string_view printedName);

}  // namespace soukoli::cli
