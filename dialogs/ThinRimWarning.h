// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ThinRimWarning: the thin-rim warning of the gear-body check. One line per gear, only the line of the
// gear concerned is visible; "Počítej dále" goes on, "Oprav vstup" (also Esc) stops the run.
#pragma once

#include <QDialog>

#include "engine/Ui.h"

class QLabel;
class QPushButton;

namespace soukoli {

class ThinRimWarning : public QDialog {
    Q_OBJECT
public:
    explicit ThinRimWarning(QWidget* parent = nullptr);

    /// Shows the line of `gear` only and centres the window on the screen.
    void prepare(Gear gear);

    QLabel* pinionLine() const { return pinionLine_; }
    QLabel* wheelLine() const { return wheelLine_; }
    QPushButton* continueButton() const { return continue_; }
    QPushButton* fixButton() const { return fix_; }

private:
    QLabel* pinionLine_;
    QLabel* wheelLine_;
    QPushButton* continue_;
    QPushButton* fix_;
};

}  // namespace soukoli
