// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The one place where saving talks to the operating system (POSIX): resolving what stands at a
// target, writing a temporary file beside it, syncing and renaming it into place, and turning
// errno values into the reasons a save reports.
#pragma once

#include <filesystem>
#include <string_view>

#include "files/TextFile.h"

namespace soukoli::files::posix {

/// The reason of a failed system call.
[[nodiscard]] SaveError saveErrorForErrno(int error);

/// What writeFileReplacing promises, done with POSIX calls: the target is resolved through
/// symbolic links and checked (a regular writable file or nothing), `bytes` go to "TARGET.tmp~"
/// (one left behind by a killed save is removed first), the temporary file is fsynced, renamed
/// over the target and the folder fsynced.
[[nodiscard]] FileResult replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace soukoli::files::posix
