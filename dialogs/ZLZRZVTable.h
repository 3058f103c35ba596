// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ZLZRZVTable: the table of recommended values of the product ZL·ZR·ZV, opened beside field 7 of
// the coefficients dialog. It changes no data.
#pragma once

#include <QDialog>

namespace soukoli {

class CoefficientsDialog;

class ZLZRZVTable : public QDialog {
    Q_OBJECT
public:
    explicit ZLZRZVTable(CoefficientsDialog& coefficients, QWidget* parent = nullptr);

    /// Shows the table (not modally).
    void openTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CoefficientsDialog& coefficients_;
};

}  // namespace soukoli
