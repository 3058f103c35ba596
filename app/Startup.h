// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// What the desktop program does at start beyond creating its windows: Qt's own Czech texts for
// the file dialogs and standard buttons, and the project named on the command line.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace soukoli {

/// Loads Qt's Czech translations (qtbase_cs, Debian package qt6-translations-l10n) into `app`,
/// whatever the user's locale: every other word of the program is Czech too. Returns false when
/// they are not installed; Qt's texts then stay English.
bool loadQtTranslations(QCoreApplication& app);

/// The project to open at start: `soukoli [PROJECT.PEV]`, as a file manager starts the program
/// for a project file. `arguments` are QCoreApplication::arguments() (Qt's own options already
/// taken out). Empty when none is given; options (starting with "-") are not projects.
QString projectArgument(const QStringList& arguments);

}  // namespace soukoli
