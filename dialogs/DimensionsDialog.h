// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// DimensionsDialog "Zadání rozměrů ozubených kol a souvisejících údajů": face widths and body
// dimensions of pinion and wheel with their fit checks, the moments of inertia and the mesh
// stiffness (computed, or entered directly), and a picture of the body shape.
#pragma once

#include <QWidget>
#include <array>

#include "dialogs/FieldDialog.h"
#include "engine/BodyDimensions.h"
#include "engine/GearPairData.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace soukoli {

/// The body shape of the window: pinion with a wheel, or pinion with a ring wheel.
class BodyPicture : public QWidget {
    Q_OBJECT
public:
    explicit BodyPicture(QWidget* parent = nullptr);
    void setInternal(bool internal);
    [[nodiscard]] QSize sizeHint() const override { return {260, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool internal_ = false;
};

class DimensionsDialog : public FieldDialog {
    Q_OBJECT
public:
    DimensionsDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// srmin and, in the full calculation, masses, inertia and stiffness recomputed; then the
    /// repaint.
    void refresh();
    /// Every field, the picture and the warnings from the data set, nothing recomputed (an
    /// accepted entry has recomputed the bodies already).
    void repaintFromData() override;

    /// The second tab keeps only b1, b2 and db.
    void setSimplified(bool simplified);

    /// A tab of the main window was shown: on the first the face widths of solid gears are
    /// fixed, on the second both are free.
    void tabShown(bool simplified);

    [[nodiscard]] QCheckBox* solidBox(Gear gear) const { return solid_[gear == Gear::Pinion ? 0 : 1]; }
    [[nodiscard]] QCheckBox* tetaGivenBox() const { return tetaGiven_; }
    [[nodiscard]] QCheckBox* cgamaGivenBox() const { return cgamaGiven_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }
    [[nodiscard]] QPushButton* resetButton() const { return reset_; }
    [[nodiscard]] QGroupBox* inertiaGroup() const { return inertia_; }
    [[nodiscard]] QGroupBox* stiffnessGroup() const { return stiffness_; }
    [[nodiscard]] QLabel* label(const char* name) const;

    static constexpr int kHelpTopic = 51;

protected:
    void showEvent(QShowEvent* event) override;
    /// "&Ok": the closing checks of the bodies.
    bool readyToClose() override;

private:
    void solidToggled(Gear gear, bool solid);
    QLabel* addLabel(const char* name, const QString& text);

    GearPairData& data_;
    std::array<QCheckBox*, 2> solid_{};
    QCheckBox* tetaGiven_ = nullptr;
    QCheckBox* cgamaGiven_ = nullptr;
    QGroupBox* inertia_ = nullptr;
    QGroupBox* stiffness_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* reset_ = nullptr;
    BodyPicture* picture_ = nullptr;
    bool simplifiedTrim_ = false;
};

}  // namespace soukoli
