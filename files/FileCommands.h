// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The save ("Ulož") and load ("Načti") commands behind the main window and the CLI. The file
// dialogs stay with the caller: these take the chosen name, write or read the files and report
// every failure through Ui with the program's own message and caption.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/GearPairData.h"
#include "engine/Ui.h"
#include "files/Clock.h"
#include "files/ProjectFile.h"
#include "files/TextFile.h"

namespace soukoli::files {

inline constexpr std::string_view kSaveFailedText = "Soubor nelze uložit.";
inline constexpr std::string_view kSaveInputReportCaption = "Ukládáni dat";
inline constexpr std::string_view kSaveCaption = "Ukládáni";
inline constexpr std::string_view kLoadFailedText =
    "Tento soubor nelze použít. Soubor má obvykle příponu PEV. Verze programu 1.1";
inline constexpr std::string_view kLoadCaption = "Načítání dat";

/// The three names a save writes for the name typed in the save dialog.
struct SaveNames {
    std::filesystem::path inputReport;  // as typed; ".TXT" instead when it ends in .PEV or .VYS
    std::filesystem::path project;      // extension replaced by ".PEV"
    std::filesystem::path results;      // extension replaced by ".VYS"
};
SaveNames saveNamesFor(const std::filesystem::path& chosen);

struct [[nodiscard]] SaveOutcome {
    bool inputReportSaved = false;
    bool projectSaved = false;
    bool resultsSaved = false;
    SaveNames names;     // names.project is the name the save dialog keeps
    std::string reason;  // the first failure in Czech, empty when all three files were written
    SaveError error = SaveError::None;
    std::filesystem::path failedFile;  // the file of the first failure
    std::string detail;                // what exactly failed there, for the developer

    [[nodiscard]] bool ok() const { return inputReportSaved && projectSaved && resultsSaved; }
};

/// True for "DIR/", "DIR/.", "DIR/.." and an existing folder: a save there would only write
/// hidden files such as "DIR/.PEV", so it is refused before anything is written.
bool saveNameIsFolder(const std::filesystem::path& chosen);

/// The message of a failed file: the program's own text, then on new lines the reason and the
/// file ("Soubor nelze uložit.\rNa disku není dost místa.\r/data/prevod.PEV").
std::string saveFailedMessage(const FileResult& failure, const std::filesystem::path& file);

/// True when `name` holds a control character (a line break, a tab ...): such a name would break
/// the report headers that show it, so a save refuses it before anything is written.
bool nameHasControlCharacter(const std::filesystem::path& name);

/// "Ulož": the input report, then the project file, then the results report. A failed input
/// report is reported and the command goes on; a failed project file or results report is
/// reported and ends it; each message names the reason. Each file replaces its predecessor only
/// once it is complete, and only a regular file may be replaced. A name that names a folder
/// writes nothing. The report headers show the names with "?" for what Windows-1250 cannot hold.
SaveOutcome saveProject(const GearPairData& data, const std::filesystem::path& chosen, Ui& ui, const Clock& clock);

enum class LoadStatus {
    Loaded,     // the file replaced the data set and the derived values were recomputed
    Cancelled,  // no file chosen: the derived values of the current data were recomputed
    Refused,    // the file could not be used; the data set is unchanged
};

struct [[nodiscard]] LoadOutcome {
    LoadStatus status = LoadStatus::Refused;
    std::string reason;  // why a file was refused: the Czech sentence, where, and the detail
    LoadError error = LoadError::None;
};

/// The message of a refused file: the program's own text, then on new lines the reason (with the
/// line and the value that was refused) and the file.
std::string loadFailedMessage(const ReadResult& failure, const std::filesystem::path& file);

/// "Načti" after the open dialog: reads `file` (nullopt when the dialog was cancelled). The data
/// set is replaced only by a file that was read completely and whose derived values can be formed;
/// otherwise the message "Tento soubor nelze použít. ..." is shown, with the reason and the file,
/// and nothing changes. The caller refreshes the dialogs, the window caption and the active tab
/// after Loaded or Cancelled.
LoadOutcome loadProject(GearPairData& data, const std::optional<std::filesystem::path>& file, Ui& ui);

}  // namespace soukoli::files
