// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// CoefficientsDialog, "Ostatní součinitelé a vstupy": the mandatory inputs of the bending and contact checks
// (grinding notch, YT or ZR, ZL·ZR·ZV) and every factor that may be entered instead of computed
// (a non-zero entry marks it as entered, 0 or an empty field lets the calculation compute it).
#pragma once

#include <QPointer>
#include <array>

#include "dialogs/FieldDialog.h"
#include "engine/CoefficientsTables.h"
#include "engine/GearPairData.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace soukoli {

class CoefficientsDialog : public FieldDialog {
    Q_OBJECT
public:
    CoefficientsDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* label(int number) const;
    /// The "Help" beside field `number` (1-7 and 13-16), else nullptr.
    [[nodiscard]] QPushButton* rowHelp(int number) const;
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

    /// Rewrites every field from the data set and enables the fields that may be edited.
    void showFields();
    void repaintFromData() override;
    /// Gives the focus to field `number` (the window is activated when it is shown).
    void focusField(int number);
    /// The engine's choice of the field to correct: enabled, and focused at the next opening.
    void setActiveField(int number);
    /// 81 while the current field is one of the mandatory inputs, else 82.
    [[nodiscard]] int helpTopic() const override;

signals:
    /// "Help" beside tg1, Rog1 (pinion) or tg2, Rog2 (wheel): the grinding-notch window.
    void notchHelpRequested(soukoli::Gear gear, int field);
    /// "Help" beside YT1/YT2 (ZR1/ZR2) or ZL ZR ZV: the table of recommended values.
    void tableHelpRequested(int field);
    /// "Help" beside fields 13-16: the tooth-root factors dialog, modally.
    void rootFactorsRequested();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMandatory(QGroupBox* group);
    void buildOptional(QGroupBox* group);
    void placeRow(QGridLayout* grid, int number, int row, int column);
    void applyLayout();
    void showToothRootLabels();

    GearPairData& data_;
    std::array<QPushButton*, kCoefficientFieldCount + 1> rowHelp_{};
    QLabel* optionalNote_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
    int pendingField_ = 0;   // the field the engine chose: enabled, and focused on opening
};

}  // namespace soukoli
