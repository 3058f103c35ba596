// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The main window's file commands: thin calls of the files library.
#include "app/ProjectCommands.h"

#include <QPrinter>

#include "app/Printing.h"
#include "files/FileCommands.h"
#include "files/Reports.h"

namespace soukoli {

bool printSimplified(const GearPairData& data, QPrinter& printer, Ui& ui, const files::Clock& clock) {
    const auto lines = files::simplifiedPrintoutLines(data, clock.now());
    if (printLines(printer, lines, QString::fromUtf8(files::kPrintoutTitle))) return true;
    ui.message(kPrinterFailedText, kErrorCaption, MessageIcon::Error);
    return false;
}

MainWindow::ProjectCommands projectCommands(GearPairData& data, Ui& ui, const files::Clock& clock,
                                        files::RunRecord& record,
                                        std::function<std::unique_ptr<QPrinter>()> printer) {
    MainWindow::ProjectCommands c;
    c.save = [&data, &ui, &clock, &record](const QString& name, bool simplified) {
        // "Ulož zjednod.": the simplified calculation just shown is what gets saved, even though
        // the button sits on the first tab, where the simplified flag is already cleared. Its
        // copy calculates on its own when its results are not current; the project's own
        // calculation does so in place, so a second save finds it current.
        GearPairData saved;
        if (simplified) {
            saved = data;
            saved.Zjednoduseny = true;
            record.makeCurrent(saved, ui);
        } else {
            record.makeCurrent(data, ui);
            saved = data;
        }
        return files::saveProject(saved, name.toStdString(), ui, clock);
    };
    c.load = [&data, &ui](const QString& name) {
        std::optional<std::filesystem::path> file;
        if (!name.isEmpty()) file = name.toStdString();
        return files::loadProject(data, file, ui).status != files::LoadStatus::Refused;
    };
    c.print = [&data, &ui, &clock, &record, printer = std::move(printer)] {
        record.makeCurrent(data, ui);
        const std::unique_ptr<QPrinter> p = printer();
        if (p) printSimplified(data, *p, ui, clock);  // none: the user cancelled
    };
    return c;
}

std::unique_ptr<QPrinter> defaultPrinter() {
    return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

}  // namespace soukoli
