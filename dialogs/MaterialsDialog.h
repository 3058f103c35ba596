// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// MaterialsDialog "Zadání materiálových konstant": the material constants of pinion ("PASTOREK")
// and wheel ("KOLO"), each group with its heat treatment and a "Vyber" button that fills the
// whole group from the material table.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"
#include "engine/Materials.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace soukoli {

class MaterialTable;

class MaterialsDialog : public FieldDialog {
    Q_OBJECT
public:
    MaterialsDialog(GearPairData& data, Ui& ui, MaterialTable& table, QWidget* parent = nullptr);

    /// Shows the material table modally (the application passes its QtUi::runModal).
    std::function<int(QDialog&)> runModal;

    /// Writes every field and both lists from the data set.
    void refresh();
    void repaintFromData() override;

    /// The second tab shows only what the simplified calculation uses: no qF, qH, NFlim, NHlim.
    void setSimplified(bool simplified);

    /// The gear the material table serves.
    [[nodiscard]] Gear materialSide() const { return side_; }

    [[nodiscard]] NumberEdit* edit(int field) const { return edits_.at(static_cast<std::size_t>(field - 1)); }
    [[nodiscard]] QLineEdit* designation(Gear gear) const { return designations_[index(gear)]; }
    [[nodiscard]] QComboBox* treatment(Gear gear) const { return treatments_[index(gear)]; }
    [[nodiscard]] QPushButton* chooseButton(Gear gear) const { return choose_[index(gear)]; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

    static constexpr int kHelpTopic = 31;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::string entryText(int number, const QString& text) const override;

private:
    static std::size_t index(Gear gear) { return gear == Gear::Pinion ? 0 : 1; }
    QGroupBox* buildGroup(Gear gear);
    void chooseFromTable(Gear gear);
    void storeTreatment(Gear gear);

    GearPairData& data_;
    MaterialTable& table_;
    Gear side_ = Gear::Pinion;
    std::array<NumberEdit*, 2 * kWheelMaterialOffset> edits_{};  // fields 1 ... 26; 13, 26 unused
    std::array<QLineEdit*, 2> designations_{};
    std::array<QComboBox*, 2> treatments_{};
    std::array<QPushButton*, 2> choose_{};
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace soukoli
