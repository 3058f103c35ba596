// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// "Ulož", "Načti" and "Tisk" of the main window over the files library: the save and load
// commands with the names the file dialogs gave, and the simplified printout sent to a printer.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/MainWindow.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"
#include "files/Clock.h"
#include "files/RunRecord.h"

class QPrinter;

namespace soukoli {

/// The message of a printer that cannot be opened.
inline constexpr std::string_view kPrinterFailedText = "Tiskárnu nelze otevřít, výpočet nebyl vytištěn.";

/// Prints the simplified printout of the data set as one job titled "Zjednodušený výpočet";
/// a printer that cannot be opened is reported through `ui`.
bool printSimplified(const GearPairData& data, QPrinter& printer, Ui& ui, const files::Clock& clock);

/// The three commands for MainWindow. A save or a printout whose results do not belong to the
/// inputs (`record`) calculates first, as soukoli-cli --save does. `printer` gives the printer of
/// each job (the default printer in the program, a PDF file in tests).
MainWindow::ProjectCommands projectCommands(GearPairData& data, Ui& ui, const files::Clock& clock,
                                        files::RunRecord& record,
                                        std::function<std::unique_ptr<QPrinter>()> printer);

/// The system's default printer.
std::unique_ptr<QPrinter> defaultPrinter();

}  // namespace soukoli
