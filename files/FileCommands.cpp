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

bool nameHasControlCharacter(const std::filesystem::path& name) {
    const std::string& s = name.native();
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::string loadFailedMessage(const ReadResult& failure, const std::filesystem::path& file) {
    std::string reason(loadErrorText(failure.error));
    const std::string where = failure.location();
    if (!where.empty()) reason.insert(reason.size() - 1, " (" + where + ")");
    return std::string(kLoadFailedText) + "\r" + reason + "\r" + file.string();
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

    const auto refuse = [&](SaveError why, const std::string& detail) {
        const auto refused = FileResult::failure(why, detail);
        noteFailure(refused, chosen);
        ui.message(saveFailedMessage(refused, chosen), kSaveCaption);
        return outcome;
    };
    if (nameHasControlCharacter(chosen)) return refuse(SaveError::NameHasControlCharacter, "the name holds a control character");
    if (saveNameIsFolder(chosen)) return refuse(SaveError::NameIsFolder, chosen.string() + " names a folder");

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
        return {LoadStatus::Cancelled, {}, LoadError::None};
    }
    GearPairData loaded = data;
    ReadResult read = readProjectFile(*file, loaded);
    if (read.ok()) {
        recomputeAfterLoad(loaded, ui);
        if (const auto unformed = firstUnformedValue(loaded); !unformed.empty()) {
            // No line of the file holds it: the value is formed from several of them.
            read = {"the recomputation after loading gives no finite value", 0, "nelze spočítat " + std::string(unformed),
                    LoadError::NotAProject};
        }
    }
    if (!read.ok()) {
        ui.message(loadFailedMessage(read, *file), kLoadCaption, MessageIcon::Error);
        std::string reason(loadErrorText(read.error));
        if (const auto where = read.location(); !where.empty()) reason += " " + where;
        return {LoadStatus::Refused, reason + " (" + read.reason + ")", read.error};
    }
    // The results in memory belong to the project that was open before.
    loaded.lastRun = RunEnd::NotRun;
    loaded.contactChecked = false;
    loaded.stopMessage.clear();
    data = std::move(loaded);
    return {LoadStatus::Loaded, {}, LoadError::None};
}

}  // namespace soukoli::files
