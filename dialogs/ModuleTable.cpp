// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The module table: series 1 and series 2 side by side, the module of series 2 in the row of
// the series-1 module just below it, split over four column pairs.
#include "dialogs/ModuleTable.h"

#include <QGridLayout>
#include <QLabel>

#include "engine/ModuleTables.h"

namespace soukoli {

namespace {

constexpr int kRows = static_cast<int>((kModulesSeries1 + ModuleTable::kColumnPairs - 1) /
                                       ModuleTable::kColumnPairs);

QString entry(int pair, int row, int series) {
    const std::size_t i = static_cast<std::size_t>(pair * kRows + row);
    if (series == 1 && i < kModulesSeries1) return QString::fromUtf8(kModuleSeries1[i].data(), kModuleSeries1[i].size());
    if (series == 2 && i < kModulesSeries2) return QString::fromUtf8(kModuleSeries2[i].data(), kModuleSeries2[i].size());
    return {};
}

}  // namespace

ModuleTable::ModuleTable(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ModuleTable"));
    setWindowTitle(QStringLiteral("Tabulka modulů [mm] podle ČSN 01 4608"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(14);
    for (int pair = 0; pair < kColumnPairs; ++pair) {
        for (int series = 1; series <= 2; ++series) {
            const int column = pair * 2 + series - 1;
            auto* head = new QLabel(series == 1 ? QStringLiteral("Řada 1") : QStringLiteral("Řada 2"), this);
            QFont bold = head->font();
            bold.setBold(true);
            head->setFont(bold);
            grid->addWidget(head, 0, column, Qt::AlignRight);
            for (int row = 0; row < kRows; ++row) {
                auto* cell = new QLabel(entry(pair, row, series), this);
                cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->addWidget(cell, row + 1, column);
            }
        }
    }
}

QString ModuleTable::module(int pair, int row, int series) const {
    return entry(pair, row, series);
}

}  // namespace soukoli
