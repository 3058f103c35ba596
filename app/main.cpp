// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli: the desktop program. Creates the application object and runs the event loop.
//   soukoli [PROJECT.PEV]   opens the project at start, as "Načti" would
#include <QApplication>
#include <QTimer>

#include "app/SoukoliApp.h"
#include "app/Startup.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("soukoli"));
    QApplication::setApplicationVersion(QStringLiteral(SOUKOLI_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("soukoli"));
    soukoli::loadQtTranslations(qapp);
    soukoli::SoukoliApp app(soukoli::defaultHelpFile());
    app.form.resize(1000, 640);
    app.show();
    // Once the window is up, so that a message about an unreadable file has a window to sit on.
    const QString project = soukoli::projectArgument(QApplication::arguments());
    if (!project.isEmpty()) QTimer::singleShot(0, &app.form, [&app, project] { app.openProject(project); });
    return QApplication::exec();
}
