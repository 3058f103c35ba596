// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Where soukoli-cli sweep writes and how it may be stopped: a file is written to a temporary file
// beside it and renamed over it only when the table is complete, so an interrupted or failed sweep
// leaves the previous file as it was; Ctrl-C (or a TERM signal from a batch system) is caught and
// ends the sweep in order; the progress line shows only on a terminal.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace soukoli::cli {

/// A file that takes the place of `target` only on commit(). Until then the output goes to
/// "TARGET.sweep-XXXXXX" in the folder of the file the name leads to (symbolic links followed),
/// which the destructor removes unless it was committed.
class ReplacingFile {
public:
    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    /// Creates the temporary file; false with the reason in `error`.
    [[nodiscard]] bool open(const std::filesystem::path& target, std::string& error);

    std::ostream& stream() { return out_; }

    /// Flushes, syncs and renames the temporary file over the target (keeping the target's
    /// permissions); false with the reason in `error`, the temporary file then removed.
    [[nodiscard]] bool commit(std::string& error);

private:
    std::filesystem::path target_, temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

/// Catches SIGINT and SIGTERM while it lives and restores the previous handlers after.
class InterruptCatcher {
public:
    InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;
    ~InterruptCatcher();

    /// The signal caught, or 0.
    [[nodiscard]] int caught() const;
};

/// "variants done / all" on one line of stderr, refreshed at most four times a second after the
/// first second, and only when stderr is a terminal: a log file or a pipe gets no carriage
/// returns.
class Progress {
public:
    Progress(std::ostream& err, std::size_t total);
    void update(std::size_t done);
    void finish(std::size_t done);

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool enabled_;
    std::size_t total_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
    bool shown_ = false;
};

}  // namespace soukoli::cli
