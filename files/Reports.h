// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The text outputs of a project: the input report, the results report (.VYS) and the lines of the
// simplified printout. Each is built as UTF-8 lines from the data set as it stands; the save
// command encodes the reports for disk, the main window sends the printout to the printer.
#pragma once

#include <string>
#include <vector>

#include "engine/GearPairData.h"
#include "files/Clock.h"

namespace soukoli::files {

/// Every input of the data set with labels and units; `fileName` is printed in the header.
std::vector<std::string> inputReportLines(const GearPairData& d, const LocalTime& now, const std::string& fileName);

/// Stresses, safety factors and the other factors of the last calculation; `fileName` is the
/// name of the .VYS file printed in the header.
std::vector<std::string> resultsReportLines(const GearPairData& d, const LocalTime& now, const std::string& fileName);

/// The simplified calculation as printed: lines that carry text open with two TABs (and every
/// further text sharing a line with its own two TABs); empty lines are empty.
std::vector<std::string> simplifiedPrintoutLines(const GearPairData& d, const LocalTime& now);

/// A result as the reports print it, str(x:w:d); a value no calculation can have shown (not
/// finite, or beyond the largest shown result: left by a run that stopped) prints as "-----"
/// in its column, as the window shows a value that does not apply.
std::string reportedResult(double x, int w, int d);

/// The checks whose values the reports print as results. After a run that stopped only the
/// checks it completed (the contact checks come first); every value of another check prints as
/// "-----" in its column. After a completed run, or before any run, every value is printed.
struct ReportedChecks {
    bool bending = true;
    bool contact = true;
};
[[nodiscard]] ReportedChecks reportedChecks(const GearPairData& d);

/// A value of one check as the reports print it: reportedResult(x, w, d) when the check is
/// reported, "-----" in its column when it is not.
[[nodiscard]] std::string checkValue(bool reported, double x, int w, int d);

/// After a run that stopped: the heading " VÝPOČET NEBYL DOKONČEN Z TOHOTO DŮVODU" and the message
/// it stopped on, a line for each of its lines; nothing after any other run.
[[nodiscard]] std::vector<std::string> stopLines(const GearPairData& d);

/// Title of the print job of the simplified printout.
inline constexpr const char* kPrintoutTitle = "Zjednodušený výpočet";

}  // namespace soukoli::files
