// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// `--set NAME=VALUE` of soukoli-cli: the value is typed into the input window that shows the
// field, by the window's own rule, so that a script and the same entries made by hand give the
// same project.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FieldEntry.h"
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

/// Enters the settings in order. Consecutive settings of one window are one showing of it:
/// the window opens, takes each entry (a field through enterField, an option through the
/// window's handler) and closes with its Ok once the next setting belongs elsewhere or at the
/// end. Names no window shows are written as they are. Nothing is recomputed beyond what the
/// windows recompute. Returns false with `error` when a name is unknown or not shown in the
/// current state, a value unreadable, or an entry or an Ok refused (the window's Czech message);
/// the data set may then be partly changed and must not be used.
[[nodiscard]] bool applySettings(GearPairData& g, const std::vector<Setting>& settings, Ui& ui, std::string& error);

/// applySettings one setting at a time: the windows still open between two settings are its
/// state, so a copy of it with a copy of the data set resumes from there (the sweep keeps the
/// state after the settings its variants share). apply() then finish() on the same data set
/// equals applySettings.
class SettingsEntry {
public:
    [[nodiscard]] bool apply(GearPairData& g, const Setting& setting, Ui& ui, std::string& error);
    /// The first step of apply(setting), which does not depend on its value: the window that
    /// shows it comes to the front, closing with Ok what is in the way. apply() then goes on
    /// from there; false with `error` when an Ok refuses, as apply() would.
    [[nodiscard]] bool prepare(GearPairData& g, const Setting& setting, Ui& ui, std::string& error);
    /// The last Ok of the windows still open and the checks of applySettings at its end.
    [[nodiscard]] bool finish(GearPairData& g, Ui& ui, std::string& error);

private:
    std::vector<InputWindow> open_;
};

/// The tab a run is made on: the one the project was saved from, or the one asked for.
enum class Tab { AsSaved, Full, Simplified };

/// The steps between loading a project and typing the settings, as the desktop program takes
/// them: the tab is shown (the simplified tab whenever the project was saved from it, the full
/// one only when switched to from there), then the standard switch of the tooth-root factors
/// window ("csn", "din-b", "din-c"; empty: none), which clears the entered YFa, YSa and YFS.
void showTabAndStandard(GearPairData& g, Tab tab, std::string_view standard);

/// "Fj[i]" or "Nj[i]": whether the name has that form, with the step i in `step` (0 outside
/// 1 ... 20).
[[nodiscard]] bool levelStepOfName(std::string_view name, std::size_t& step);

/// The name a field has in JSON and in the data set: "ha1*" -> "ha1_star".
std::string dataSetName(std::string_view printedName);

}  // namespace soukoli::cli
