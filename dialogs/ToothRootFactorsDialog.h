// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ToothRootFactorsDialog, "YFa1,2     YSa1,2": chooses the calculation standard of the whole program and shows
// the tooth-root factors of both gears as that standard computes them, with the informative
// closed formulas of the LINKE panel that ČSN 01 4686 may adopt as entered factors.
#pragma once

#include <QDialog>
#include <array>

#include "engine/GearPairData.h"
#include "engine/ToothRootFactors.h"
#include "engine/Ui.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace soukoli {

class CoefficientsDialog;

class ToothRootFactorsDialog : public QDialog {
    Q_OBJECT
public:
    ToothRootFactorsDialog(GearPairData& data, Ui& ui, CoefficientsDialog& coefficients, QWidget* parent = nullptr);

    /// The option of each standard: "ČSN", "DIN, ISO - B", "DIN, ISO - C".
    [[nodiscard]] QRadioButton* option(Standard standard) const;
    /// The "--->ČSN" boxes: 1 YSa1, 2 YSa2, 3 Yepsilon, 4 Zbeta.
    [[nodiscard]] QCheckBox* adoptBox(int box) const;
    /// A value label by name: "YF1", "YS1", "YFS1", "YF2", "YS2", "YFS2", "sFn1", "hF1", "RoFn1",
    /// "qs1" (and the wheel's), "Yepsilon", "Zbeta", "YSa1L", "YSa2L", "YepsL", "ZbetaL"; or a row
    /// caption "rowF1", "rowS1", "rowF2", "rowS2".
    [[nodiscard]] QLabel* value(const QString& name) const;
    [[nodiscard]] QGroupBox* linkePanel() const { return linke_; }

    /// The values of the current data (run on activation and after every option change).
    void refresh();

signals:
    void standardChanged();  // the main window's caption names the standard
    void helpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void optionChosen(Standard standard);
    void showStandard();
    void boxClicked(int box, bool checked);

    GearPairData& data_;
    Ui& ui_;
    CoefficientsDialog& coefficients_;
    std::array<QRadioButton*, 3> options_{};
    std::array<QCheckBox*, 4> boxes_{};
    QGroupBox* linke_ = nullptr;
    InformativeRootFactors informative_;
};

}  // namespace soukoli
