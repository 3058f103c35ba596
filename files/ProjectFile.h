// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Reading and writing the project file (.PEV): the persistent inputs and options of the data set
// as Windows-1250 lines ending in CR LF. The reader fills a copy and hands the data set over only
// when the whole file was read, so a refused file leaves the current project as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/GearPairData.h"
#include "files/TextFile.h"

namespace soukoli::files {

/// The longest line a project file may hold, in bytes without the line end.
inline constexpr std::size_t kMaxLineLength = 255;

/// What reading a project file gave; on failure `line` is the 1-based line that was refused.
struct [[nodiscard]] ReadResult {
    std::string reason;  // empty on success; what exactly was refused, for the developer
    std::size_t line = 0;
    std::string field;   // the name of the refused value, when the line holds one
    LoadError error = LoadError::None;  // set on every failure

    [[nodiscard]] bool ok() const { return reason.empty(); }

    /// Where the file was refused, as the load message adds it: "řádek 12: mn" (or "řádek 2"),
    /// or `field` alone when no line holds the refused value.
    [[nodiscard]] std::string location() const;
};

/// The project file of `data` as bytes. Fails (and produces nothing) when a value cannot be stored
/// faithfully: a text not representable in Windows-1250 or longer than a line, a value that is
/// not a finite number or would not read back to the same line (the largest doubles round up
/// beyond the range of a double), an integer or value outside what the windows accept.
EncodedText writeString(const GearPairData& data);

/// Reads a whole project file. On success `data` holds every value of the file and the values
/// the file does not store stay as they were; on failure `data` is untouched. A file holding a
/// value its window would refuse (see InputRules.h), a spectrum step included, is refused. No
/// derived value is recomputed here (see recomputeAfterLoad).
///
/// The file is Windows-1250 as the program writes it; one that an editor saved as UTF-8 (it
/// starts with a byte order mark, or it is valid UTF-8 and holds a character beyond ASCII) is
/// read as UTF-8, and its texts must be ones Windows-1250 can hold, so that it saves again.
ReadResult readString(std::string_view bytes, GearPairData& data);

/// True when `bytes` are read as UTF-8 rather than Windows-1250 (see readString).
[[nodiscard]] bool readAsUtf8(std::string_view bytes);

/// Writes the project file to `path`, replacing an older file only once the new one is complete.
FileResult writeProjectFile(const GearPairData& data, const std::filesystem::path& path);

/// Reads the project file at `path` into `data` (untouched on failure).
ReadResult readProjectFile(const std::filesystem::path& path, GearPairData& data);

}  // namespace soukoli::files
