// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// GrindingNotchDialog, "Poloměr křivosti a hloubka přídavného vrubu v patě zubu": computes the radius of a
// grinding notch in the tooth root of one gear from the edge radius of the grinding wheel and
// writes it into the coefficients dialog.
#pragma once

#include <QDialog>
#include <optional>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

class QLabel;
class QPushButton;

namespace soukoli {

class NumberEdit;
class CoefficientsDialog;

class GrindingNotchDialog : public QDialog {
    Q_OBJECT
public:
    GrindingNotchDialog(GearPairData& data, Ui& ui, CoefficientsDialog& coefficients, QWidget* parent = nullptr);

    /// Shows the window (not modally) for `gear`, opened by the "Help" of coefficients field
    /// `field` (1 tg1, 2 tg2, 3 Rog1, 4 Rog2).
    void openFor(Gear gear, int field);

    [[nodiscard]] NumberEdit* edgeRadiusField() const { return edit_; }
    [[nodiscard]] QLabel* result() const { return result_; }
    [[nodiscard]] QLabel* gearIndex() const { return index_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] std::optional<double> edgeRadius() const;

signals:
    void helpRequested(int topic);

protected:

private:
    bool fieldLeft();
    void compute();
    void showResult();

    GearPairData& data_;
    Ui& ui_;
    CoefficientsDialog& coefficients_;
    NumberEdit* edit_;
    QLabel* symbol_;
    QLabel* index_;
    QLabel* result_;
    QPushButton* ok_;
    Gear gear_ = Gear::Pinion;
    int field_ = 3;
    double Roa0g_ = 0;
    bool fromWheel_ = false;  // the notch radius follows from the grinding wheel
    bool rejected_ = false;   // the field keeps a rejected entry
    bool validating_ = false;
};

}  // namespace soukoli
