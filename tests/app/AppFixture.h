// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A started desktop program for tests: every message box and modal window is answered here
// and recorded, so no test waits for a person.
#pragma once

#include <QDialog>
#include <QFile>
#include <QStringList>
#include <memory>

#include "app/SoukoliApp.h"

namespace soukoli::testing {

/// The bytes of a file, empty when it cannot be read.
inline QByteArray slurp(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct StartedApp {
    explicit StartedApp(const QString& helpFile = QStringLiteral(SOUKOLI_HELP_FILE))
        : app(std::make_unique<SoukoliApp>(helpFile)) {
        app->ui.messageHook = [this](const QtUi::Box& box) {
            messages << box.text;
            captions << box.caption;
        };
        app->ui.modalHook = [this](QDialog& dialog) {
            modals << dialog.objectName();
            return modalAnswer;
        };
    }

    std::unique_ptr<SoukoliApp> app;
    QStringList messages;
    QStringList captions;
    QStringList modals;
    int modalAnswer = QDialog::Accepted;
};

}  // namespace soukoli::testing
