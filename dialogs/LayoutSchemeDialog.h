// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// LayoutSchemeDialog "Volba půdorysného schématu pro výpočet KHbeta": the ten layouts of shafts and
// bearings to choose from (mouse, PgUp, PgDn), the enlarged drawing of the chosen one and its
// dimensions s1, s2, lw1, lw2, dsh1, dsh2, dII, dI.
#pragma once

#include <array>

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"

class QLabel;
class QPushButton;

namespace soukoli {

class LayoutGrid;
class LayoutView;

class LayoutSchemeDialog : public FieldDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 72;
    static constexpr int kFields = 8;

    LayoutSchemeDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// Chooses layout `number` and repaints both panels.
    void selectLayout(int number);

    [[nodiscard]] NumberEdit* edit(int number) const { return field(number); }
    [[nodiscard]] LayoutGrid* grid() const { return grid_; }
    [[nodiscard]] LayoutView* view() const { return view_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* escButton() const { return esc_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

    /// "&Esc" and the Esc key: no scheme, KHbeta entered directly, every dimension 0.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    /// "&Ok": the chosen layout and the dimensions it needs.
    bool readyToClose() override;

private:
    void showLeverRatios();

    GearPairData& data_;
    LayoutGrid* grid_;
    LayoutView* view_;
    QPushButton* ok_;
    QPushButton* esc_;
    QPushButton* help_;
};

}  // namespace soukoli
