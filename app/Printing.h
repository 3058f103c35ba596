// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Printing plain text lines as one job: the simplified calculation printout goes to the default
// printer this way (and to a PDF file in tests).
#pragma once

#include <QString>
#include <string>
#include <vector>

class QPrinter;

namespace soukoli {

/// Prints `lines` (UTF-8, TABs at stops of eight characters) in a fixed-pitch font small enough
/// for the widest line to fit the page (10 pt at most), breaking pages where they are full, as
/// one job titled `title`. False when the printer could not be opened; a job once begun is
/// always ended.
bool printLines(QPrinter& printer, const std::vector<std::string>& lines, const QString& title);

}  // namespace soukoli
