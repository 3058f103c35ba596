// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// AccuracyDialog "Stupně přesnosti a úchylky kol": the accuracy grades of pinion and wheel, the
// limiting deviations they give after ČSN 01 4682 ("nedefin." where the standard gives none)
// and the measured deviations that may replace them.
#pragma once

#include <array>

#include "dialogs/FieldDialog.h"
#include "engine/Accuracy.h"
#include "engine/GearPairData.h"

class QLabel;
class QPushButton;

namespace soukoli {

class AccuracyDialog : public FieldDialog {
    Q_OBJECT
public:
    AccuracyDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// Repaint: grades, limiting and measured deviations from the data set.
    void refresh();
    void repaintFromData() override;

    /// The six deviations in the order fpb1, fpb2, Fbeta1, Fbeta2, fx, fy.
    static constexpr std::size_t kDeviations = 6;
    [[nodiscard]] QLabel* limitLabel(std::size_t i) const { return rows_[i].limit; }
    [[nodiscard]] QLabel* undefinedLabel(std::size_t i) const { return rows_[i].undefined; }
    [[nodiscard]] NumberEdit* measuredField(std::size_t i) const { return rows_[i].measured; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }
    [[nodiscard]] QPushButton* resetButton() const { return reset_; }

    static constexpr int kHelpTopic = 61;

private:
    struct Row {
        QLabel* limitCaption = nullptr;
        QLabel* limit = nullptr;
        QLabel* undefined = nullptr;
        NumberEdit* measured = nullptr;
    };

    GearPairData& data_;
    std::array<Row, kDeviations> rows_{};
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* reset_ = nullptr;
};

}  // namespace soukoli
