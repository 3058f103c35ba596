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
/// symbolic links and checked (a regular writable file or nothing), `bytes` go to a temporary
/// file of its own (see temporaryNameFor) created exclusively beside the target, which is
/// fsynced, renamed over the target, and the folder fsynced. Temporary files of the same target
/// left behind by killed saves are removed. A file-size limit gives "disk full", not a kill:
/// SIGXFSZ is ignored unless the program handles it itself.
[[nodiscard]] FileResult replaceFile(const std::filesystem::path& path, std::string_view bytes);

/// The leaf name of the temporary file of the `attempt`-th try of process `pid` to replace the
/// file `target`: ".HHHHHH-PID-N.tmp~", where HHHHHH stands for the target's name. Short, so
/// that any name the file system takes can be saved; unique per process and attempt, so that
/// two saves never share one; and it names its process, so that a later save can tell a
/// leftover of a killed save from the temporary file of a running one.
[[nodiscard]] std::string temporaryNameFor(const std::filesystem::path& target, long pid, unsigned attempt);

/// Reads a whole regular file of at most `maxBytes` bytes.
[[nodiscard]] ReadBytes readFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace soukoli::files::posix
