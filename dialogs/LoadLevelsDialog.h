// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// LoadLevelsDialog: "Popis spektra - hladinová metoda podle ČSN 01 4686", the pinion's operating load
// as a step spectrum of up to 20 steps (count and level per step). "O&k" turns it into the
// equivalent loads; "&Esc" gives the loading dialog back what it handed over. Rules in
// engine/LoadLevelsInput.h.
#pragma once

#include <array>
#include <optional>

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"
#include "engine/LoadLevelsInput.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace soukoli {

/// The sample picture "Vzorové spektrum": a falling three-step spectrum labelled after the modes.
class LevelsSample : public QWidget {
    Q_OBJECT
public:
    LevelsSample(const GearPairData& data, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GearPairData& data_;
};

class LoadLevelsDialog : public FieldDialog {
    Q_OBJECT
public:
    LoadLevelsDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// Every field, caption and option from the data set; rows 1 … j shown.
    void repaintFields();
    void repaintFromData() override;

    /// "O&k" and "&Esc".
    void confirm();
    void reject() override;

    // Controls, for tests.
    [[nodiscard]] NumberEdit* stepsField() const { return steps_; }
    [[nodiscard]] NumberEdit* countField(int step) const { return counts_[static_cast<std::size_t>(step - 1)]; }
    [[nodiscard]] NumberEdit* levelField(int step) const { return levels_[static_cast<std::size_t>(step - 1)]; }
    [[nodiscard]] QLabel* countCaption() const { return countCaption_; }
    [[nodiscard]] QLabel* levelCaption() const { return levelCaption_; }
    [[nodiscard]] QRadioButton* forcesRadio() const { return forces_; }
    [[nodiscard]] QRadioButton* torquesRadio() const { return torques_; }
    [[nodiscard]] QRadioButton* levelRadio(LevelsForm l) const { return levelRadios_[static_cast<std::size_t>(l)]; }
    [[nodiscard]] QRadioButton* cyclesRadio() const { return cycles_; }
    [[nodiscard]] QRadioButton* hoursRadio() const { return hours_; }
    [[nodiscard]] QRadioButton* cumulativeRadio() const { return cumulative_; }
    [[nodiscard]] QRadioButton* perStepRadio() const { return perStep_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }
    [[nodiscard]] QPushButton* escButton() const { return esc_; }
    [[nodiscard]] QPushButton* clearButton() const { return clear_; }
    [[nodiscard]] LevelsSample* sample() const { return sample_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool readyToClose() override;

private:
    void modeChanged();
    void buildOptions(QWidget* y, QWidget* x);

    GearPairData& data_;
    std::optional<LevelsHandover> handover_;  // taken when the dialog is shown
    NumberEdit* steps_ = nullptr;
    std::array<NumberEdit*, kMaxLoadLevels> counts_{};
    std::array<NumberEdit*, kMaxLoadLevels> levels_{};
    std::array<QLabel*, kMaxLoadLevels> stepLabels_{};
    QLabel* countCaption_ = nullptr;
    QLabel* levelCaption_ = nullptr;
    QRadioButton* forces_ = nullptr;
    QRadioButton* torques_ = nullptr;
    std::array<QRadioButton*, 4> levelRadios_{};
    QRadioButton* cycles_ = nullptr;
    QRadioButton* hours_ = nullptr;
    QRadioButton* cumulative_ = nullptr;
    QRadioButton* perStep_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* esc_ = nullptr;
    QPushButton* clear_ = nullptr;
    LevelsSample* sample_ = nullptr;
};

}  // namespace soukoli
