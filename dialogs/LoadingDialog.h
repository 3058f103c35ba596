// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// LoadingDialog: "Zatěžující údaje", the operating load of the gear pair: method "A" (static load
// with application factors) or "B" (equivalent loads from a spectrum, from spectrum classes or
// entered directly), speed, lives, YA and KA. Fields commit one by one (rules in
// engine/LoadingInput.h); "&Ok" checks the whole and derives the loads of the run.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <map>

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace soukoli {

class LoadClassChart;
class YaTable;
class ApplicationFactorTable;
class KasTable;
class LoadLevelsDialog;

class LoadingDialog : public FieldDialog {
    Q_OBJECT
public:
    LoadingDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// The windows this dialog opens; they are created after it.
    void setCompanions(LoadLevelsDialog* levels, LoadClassChart* chart, YaTable* ya, ApplicationFactorTable* ka, KasTable* kas);
    /// Shows a modal window (the spectrum dialog) and gives its result; QDialog::exec unless set.
    std::function<int(QDialog&)> runModal;

    /// The main window's trimming: on the second tab method "A" without speed, lives, their
    /// units, "B - Ekvivalentní zatížení" and "&Help"; on the first tab everything again.
    void trimForTab(bool simplified);

    /// Every field, label and option from the data set.
    void repaintFields();
    void repaintFromData() override;

    [[nodiscard]] int helpTopic() const override;

    enum class Panel { Static, Classes, Spectrum, Direct };

    // Controls, for the main window's trimming and for tests.
    [[nodiscard]] QWidget* panel(Panel p) const;
    [[nodiscard]] QWidget* resultsPanel() const { return results_; }
    [[nodiscard]] QLabel* resultsCaption() const { return resultsCaption_; }
    [[nodiscard]] QLabel* resultValue(int index) const { return resultValues_[static_cast<std::size_t>(index)]; }
    [[nodiscard]] QRadioButton* methodA() const { return methodA_; }
    [[nodiscard]] QRadioButton* methodB() const { return methodB_; }
    [[nodiscard]] QLabel* modeLabel() const { return modeLabel_; }
    [[nodiscard]] QCheckBox* levelsBox() const { return levelsBox_; }
    [[nodiscard]] QCheckBox* classesBox() const { return classesBox_; }
    [[nodiscard]] QCheckBox* directBox() const { return directBox_; }
    [[nodiscard]] QRadioButton* forcesRadio(Panel p) const;
    [[nodiscard]] QRadioButton* torquesRadio(Panel p) const;
    [[nodiscard]] QRadioButton* cyclesRadio(Panel p) const;
    [[nodiscard]] QRadioButton* hoursRadio(Panel p) const;
    /// The "Help" button beside field `number` (YA1, KA, KAS, CHSZ1, CHSZ2 rows).
    [[nodiscard]] QPushButton* helpBeside(int number) const;
    [[nodiscard]] QPushButton* levelsButton() const { return levelsButton_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

    /// "&Ok": the checks of the whole input; closes with OK when they pass.
    void confirm();

signals:
    /// Method "B" chosen (true) or "A" (false): the coefficients dialog shows or hides the
    /// factors of method "B".
    void methodChanged(bool equivalent);

protected:
    void showEvent(QShowEvent* event) override;
    /// "&Ok": the checks of the whole input (engine/LoadingInput).
    bool readyToClose() override;

private:
    struct Row {
        QLabel* label = nullptr;
        NumberEdit* edit = nullptr;
        QLabel* unit = nullptr;
        QPushButton* help = nullptr;
    };
    struct Units {
        QRadioButton* forces = nullptr;
        QRadioButton* torques = nullptr;
        QRadioButton* cycles = nullptr;
        QRadioButton* hours = nullptr;
    };

    QWidget* buildPanel(Panel p);
    void addUnitRadios(Panel p, QWidget* panel, bool lives);
    void updatePanels();
    void methodClicked(bool equivalent);
    void unitsClicked(bool forces);
    void livesClicked(bool cycles);
    void openHelpTable(int number);
    void openLevels();
    void focusField(int number);

    GearPairData& data_;
    LoadLevelsDialog* levels_ = nullptr;
    LoadClassChart* chart_ = nullptr;
    YaTable* helpYA_ = nullptr;
    ApplicationFactorTable* helpKA_ = nullptr;
    KasTable* helpKAS_ = nullptr;
    bool simplified_ = false;

    std::map<int, Row> rows_;
    std::map<Panel, QWidget*> panels_;
    std::map<Panel, Units> units_;
    QRadioButton* methodA_ = nullptr;
    QRadioButton* methodB_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QCheckBox* levelsBox_ = nullptr;
    QCheckBox* classesBox_ = nullptr;
    QCheckBox* directBox_ = nullptr;
    QWidget* results_ = nullptr;
    QLabel* resultsCaption_ = nullptr;
    std::array<QLabel*, 4> resultValues_{};
    std::array<QLabel*, 4> resultNames_{};
    QPushButton* levelsButton_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace soukoli
