// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Save and load commands.
#include "files/FileCommands.h"

#include <algorithm>
#include <cctype>

#include "files/Cp1250.h"
#include "files/PostLoad.h"
#include "files/ProjectFile.h"
#include "files/Reports.h"
#include "files/TextFile.h"

namespace soukoli::files {

namespace {

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

FileResult writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    auto encoded = encodeLines(lines);
    if (!encoded.ok()) return FileResult::failure(SaveError::TextNotRepresentable, path.string() + ": " + encoded.reason);
    return writeFileReplacing(path, encoded.bytes);
}

}  // namespace

SaveNames saveNamesFor(const std::filesystem::path& chosen) {
    SaveNames names;
    const std::string extension = upper(chosen.extension().string());
    names.inputReport = chosen;
    // The project file and the results report would overwrite an input report of that name.
    if (extension == ".PEV" || extension == ".VYS") names.inputReport.replace_extension(".TXT");
    names.project = std::filesystem::path(chosen).replace_extension(".PEV");
    names.results = std::filesystem::path(chosen).replace_extension(".VYS");
    return names;
}

bool saveNameIsFolder(const std::filesystem::path& chosen) {
    const auto leaf = chosen.filename();
    std::error_code ec;
    return leaf.empty() || leaf == "." || leaf == ".." || std::filesystem::is_directory(chosen, ec);
}

std::string saveFailedMessage(const FileResult& failure, const std::filesystem::path& file) {
    return std::string(kSaveFailedText) + "\r" + failure.reason + "\r" + file.string();
}

SaveOutcome saveProject(const GearPairData& data, const std::filesystem::path& chosen, Ui& ui, const Clock& clock) {
    SaveOutcome outcome;
    outcome.names = saveNamesFor(chosen);
    const LocalTime now = clock.now();
    const auto noteFailure = [&](const FileResult& r, const std::filesystem::path& file) {
        if (outcome.error != SaveError::None) return;
        outcome.reason = r.reason;
        outcome.error = r.error;
        outcome.failedFile = file;
        outcome.detail = r.detail;
    };

    if (saveNameIsFolder(chosen)) {
        const auto refused = FileResult::failure(SaveError::NameIsFolder, chosen.string() + " names a folder");
        noteFailure(refused, chosen);
        ui.message(saveFailedMessage(refused, chosen), kSaveCaption);
        return outcome;
    }

    const auto& inputName = outcome.names.inputReport;
    const auto input = writeLines(inputName, inputReportLines(data, now, withCp1250Substitutes(inputName.string())));
    outcome.inputReportSaved = input.ok();
    if (!input.ok()) {
        noteFailure(input, inputName);
        ui.message(saveFailedMessage(input, inputName), kSaveInputReportCaption, MessageIcon::Error);
    }

    const auto project = writeProjectFile(data, outcome.names.project);
    outcome.projectSaved = project.ok();
    if (!project.ok()) {
        noteFailure(project, outcome.names.project);
        ui.message(saveFailedMessage(project, outcome.names.project), kSaveCaption);
        return outcome;
    }

    std::error_code ec;
    auto fullName = std::filesystem::absolute(outcome.names.results, ec);
    if (ec) fullName = outcome.names.results;
    const auto results =
        writeLines(outcome.names.results, resultsReportLines(data, now, withCp1250Substitutes(fullName.string())));
    outcome.resultsSaved = results.ok();
    if (!results.ok()) {
        noteFailure(results, outcome.names.results);
        ui.message(saveFailedMessage(results, outcome.names.results), kSaveCaption);
    }
    return outcome;
}

LoadOutcome loadProject(GearPairData& data, const std::optional<std::filesystem::path>& file, Ui& ui) {
    if (!file) {
        recomputeAfterLoad(data, ui);
        return {LoadStatus::Cancelled, {}};
    }
    GearPairData loaded = data;
    const auto read = readProjectFile(*file, loaded);
    std::string reason = read.reason;
    // The refused line and value go below the message, and ahead of the reason for the CLI.
    const std::string where = read.location();
    if (read.ok()) {
        recomputeAfterLoad(loaded, ui);
        if (!recomputedValuesFinite(loaded)) reason = "the geometry, loads or lives of the project cannot be formed";
    } else if (!where.empty()) {
        reason = where + " (" + reason + ")";
    }
    if (!reason.empty()) {
        const std::string text = where.empty() ? std::string(kLoadFailedText) : std::string(kLoadFailedText) + "\r" + where;
        ui.message(text, kLoadCaption, MessageIcon::Error);
        return {LoadStatus::Refused, reason};
    }
    data = std::move(loaded);
    return {LoadStatus::Loaded, {}};
}

}  // namespace soukoli::files
