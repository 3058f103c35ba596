// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Start-up helpers of the desktop program: Qt's Czech translations and the project argument.
#include "app/Startup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace soukoli {

bool loadQtTranslations(QCoreApplication& app) {
    // The translator belongs to the application object, so it lives as long as the texts are used.
    auto* translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                          QStringLiteral("_"), dir)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QString projectArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].isEmpty() && !arguments[i].startsWith(QLatin1Char('-'))) return arguments[i];
    }
    return {};
}

}  // namespace soukoli
