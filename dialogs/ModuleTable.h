// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ModuleTable "Tabulka modulů [mm] podle ČSN 01 4608": the standard modules in four column
// pairs "Řada 1" / "Řada 2", opened from the geometry dialog without blocking it, closed by Esc.
#pragma once

#include <QDialog>

namespace soukoli {

class ModuleTable : public QDialog {
    Q_OBJECT
public:
    static constexpr int kColumnPairs = 4;

    explicit ModuleTable(QWidget* parent = nullptr);

    /// The module shown in column pair `pair` (0 ... 3), row `row`, of series 1 or 2; empty
    /// where the column has no more rows.
    [[nodiscard]] QString module(int pair, int row, int series) const;
};

}  // namespace soukoli
