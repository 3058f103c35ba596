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
    NameHasControlCharacter,  // a line break or another control character in the name
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

/// The largest file the project reader takes: a project file is a few kilobytes.
inline constexpr std::size_t kMaxProjectFileBytes = std::size_t{1} << 20;

/// Why a file could not be read as a project. Each kind has one Czech sentence (loadErrorText).
enum class LoadError {
    None,
    Missing,
    IsFolder,
    NotAFile,      // a device, FIFO or socket
    NoPermission,
    TooLarge,
    NotAProject,   // read, but its content is not a project file the program can use
    Other,         // the system's own reason follows in the detail
};

/// The Czech sentence that tells the user why a file could not be loaded ("" for None).
[[nodiscard]] std::string_view loadErrorText(LoadError error);

/// The bytes of a file, or why they could not be read (`detail`: the system call and its reason).
struct [[nodiscard]] ReadBytes {
    std::string bytes;
    LoadError error = LoadError::None;
    std::string detail;

    [[nodiscard]] bool ok() const { return error == LoadError::None; }
};

/// Reads a whole regular file of at most `maxBytes`; a FIFO or device is refused without
/// waiting on it.
ReadBytes readFileBytes(const std::filesystem::path& path, std::size_t maxBytes = kMaxProjectFileBytes);

/// The whole content of a file, or nullopt when it cannot be read (see readFileBytes).
[[nodiscard]] std::optional<std::string> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t maxBytes = kMaxProjectFileBytes);

}  // namespace soukoli::files
