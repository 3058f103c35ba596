// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli-cli: loads project files, runs the calculation each is set for and prints the results
// report or JSON. The whole tool is this one function so that tests can drive it in-process too.
#pragma once

#include <ostream>

namespace soukoli::cli {

/// Exit statuses; with several files the worst one counts.
enum ExitStatus : int {
    kAllPassed = 0,    // every run completed and every check passed
    kCheckFailed = 1,  // a run completed, but a value fails its check (shown red in the program)
    kRunStopped = 2,   // a run stopped on its input
    kUsageError = 3,   // bad command line, unreadable file or failed save
};

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace soukoli::cli
