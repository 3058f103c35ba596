// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// GeometryDialog "Geometrie ozubení": tooth numbers, module, angles, basic-rack proportions, profile
// shifts, centre distance and tip diameters. Every accepted entry recomputes the pair at once
// (engine/GeometryInput.h, entered through engine/FieldEntry.h) and the fields are rewritten.
#pragma once

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"
#include "engine/GeometryInput.h"

class QPushButton;

namespace soukoli {

class GeometryDialog : public FieldDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 21;

    GeometryDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    [[nodiscard]] NumberEdit* edit(GeometryField f) const { return field(static_cast<int>(f)); }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }
    [[nodiscard]] QPushButton* modulesButton() const { return modules_; }

signals:
    /// "Moduly": the module table is wanted (shown without blocking this dialog).
    void modulesRequested();

protected:
    void showAccepted(int number, const FieldEntry& entry) override;

private:
    QPushButton* ok_;
    QPushButton* help_;
    QPushButton* modules_;
};

}  // namespace soukoli
