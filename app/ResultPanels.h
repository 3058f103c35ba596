// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The result panels "OHYB" and "DOTYK" of the main window: which values they show on each tab,
// in which format, with which caption, and when a value is shown in red.
#pragma once

#include <QGroupBox>
#include <span>
#include <string_view>
#include <vector>

#include "engine/GearPairData.h"

class QLabel;

namespace soukoli {

enum class CellFormat { Stress, Factor };  // str(x:6:1), str(x:5:3)
enum class CellCheck { None, AgainstLimit, Safety };
enum class CellShow { Always, MethodA, MethodB };

/// One value of a panel. Captions are rich text; a tooth factor names another field and caption
/// under "DIN - ISO  B", and Yepsilon shows "  -----" there.
struct ResultCell {
    std::string_view field;
    const char* caption = "";
    CellFormat format = CellFormat::Factor;
    CellCheck check = CellCheck::None;
    std::string_view limit{};        // the permissible value of a stress
    std::string_view dinBField{};
    const char* dinBCaption = nullptr;
    bool dashedWithDinB = false;
    CellShow show = CellShow::Always;
};

/// Two values side by side, pinion (or the first factor) left.
struct ResultRow {
    ResultCell left;
    ResultCell right;
};

std::span<const ResultRow> bendingRows(bool simplified);
std::span<const ResultRow> contactRows(bool simplified);

class ResultPanel : public QGroupBox {
    Q_OBJECT
public:
    ResultPanel(const QString& title, std::span<const ResultRow> rows, QWidget* parent = nullptr);

    /// Fills every value from the data set and shows the controls that belong to the method.
    void showResults(const GearPairData& data);
    /// Hides every control of the panel.
    void hideResults();

    struct Cell {
        const ResultCell* def;
        QLabel* caption;
        QLabel* value;
    };
    [[nodiscard]] const std::vector<Cell>& cells() const { return cells_; }
    /// The cell of `field` (its name without the "DIN - ISO  B" variant), or nullptr.
    [[nodiscard]] const Cell* cell(std::string_view field) const;

private:
    std::vector<Cell> cells_;
    std::vector<QLabel*> headings_;
};

/// Text and colour of one value as the panel shows it.
struct CellText {
    std::string text;
    bool red = false;
    bool available = true;  // false: the data set has no such field
};
CellText cellText(const ResultCell& def, const GearPairData& data);

}  // namespace soukoli
