// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Text files as the program writes them: Windows-1250 lines ending in CR LF, written to a
// temporary file beside the target and renamed over it, so a failed write never destroys the
// previous good file; every failure carries its reason. Also the whole-file reader used by the
// project loader.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace soukoli::files {

/// Why a file could not be stored. Each kind has one Czech sentence for the user (saveErrorText).
enum class SaveError {
    None,
    DiskFull,
    NoPermission,
    ReadOnlyFileSystem,
    ReadOnlyTarget,        // the file that stands there must not be written
    FolderMissing,
    TargetIsFolder,
    TargetNotAFile,        // a device, FIFO or socket stands where the file should go
    NameIsFolder,          // the name given ends in "/" or names a folder
    NameTooLong,
    LinkLoop,
    DeviceError,
    TextNotRepresentable,  // a text of the data set has no Windows-1250 form
    ValuesNotWritable,     // a value the project file could not give back faithfully
    Other,
};

/// The Czech sentence that tells the user why a save failed ("" for None).
[[nodiscard]] std::string_view saveErrorText(SaveError error);

/// The outcome of producing or storing a file: `reason` is the Czech sentence of `error`,
/// `detail` says for the developer what exactly went wrong (file, system call, line).
struct [[nodiscard]] FileResult {
    std::string reason;  // empty on success
    SaveError error = SaveError::None;
    std::string detail;

    [[nodiscard]] bool ok() const { return error == SaveError::None; }
    static FileResult success() { return {}; }
    static FileResult failure(SaveError why, std::string detail) {
        return {std::string(saveErrorText(why)), why, std::move(detail)};
    }
};

/// Bytes ready to be stored, or the reason they could not be produced.
struct [[nodiscard]] EncodedText {
    std::string bytes;
    std::string reason;

    [[nodiscard]] bool ok() const { return reason.empty(); }
};

/// Joins UTF-8 lines into Windows-1250 text, each line ending in CR LF.
EncodedText encodeLines(const std::vector<std::string>& lines);

/// Stores `bytes` as the file `path` without harming what stands there: only a regular, writable
/// file (or nothing) is replaced, a symbolic link is followed, and the old file stays whole until
/// the new one is complete on disk. The new file keeps the old one's permissions.
FileResult writeFileReplacing(const std::filesystem::path& path, std::string_view bytes);

/// The whole content of a file, or nullopt when it cannot be read. Files larger than `maxBytes`
/// are refused (a project file is a few kilobytes).
[[nodiscard]] std::optional<std::string> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t maxBytes = 1 << 20);

}  // namespace soukoli::files
