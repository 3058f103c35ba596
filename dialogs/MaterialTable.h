// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// MaterialTable: the gear materials of ČSN 01 4686 part 5, table 12, as a grid. Choosing a
// row (double click or Enter) fills the whole group of the gear it serves; Escape closes it
// without a choice.
#pragma once

#include <QDialog>
#include <optional>

#include "engine/GearPairData.h"
#include "engine/Materials.h"

class QTableWidget;

namespace soukoli {

class MaterialTable : public QDialog {
    Q_OBJECT
public:
    explicit MaterialTable(GearPairData& data, QWidget* parent = nullptr);

    /// The gear the next choice serves; forgets the last choice.
    void setSide(Gear gear);
    [[nodiscard]] Gear side() const { return side_; }

    /// Chooses row `row` (1 ... 46): the gear's quantities take the row, the table closes.
    void choose(int row);

    /// What the last choice since setSide gave, if any.
    [[nodiscard]] const std::optional<MaterialChoice>& lastChoice() const { return last_; }

    [[nodiscard]] QTableWidget* grid() const { return grid_; }

    static constexpr int kHelpTopic = 32;

signals:
    void helpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateCaption();

    GearPairData& data_;
    QTableWidget* grid_;
    Gear side_ = Gear::Pinion;
    std::optional<MaterialChoice> last_;
};

}  // namespace soukoli
