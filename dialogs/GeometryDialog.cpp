// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The geometry dialog built from its field table; the rules of each field live in
// engine/GeometryInput, this unit shows the recomputed pair.
#include "dialogs/GeometryDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <numbers>

#include "engine/Numbers.h"

namespace soukoli {

namespace {

constexpr double degrees(double radians) { return radians * 180 / std::numbers::pi; }

constexpr FieldId id(GeometryField f) { return {InputWindow::Geometry, static_cast<int>(f)}; }

using F = GeometryField;
using G = const GearPairData&;
// Field, label, unit, shown as str(x:w:d).
constexpr std::array<FieldRow, kGeometryFieldCount> kRows = {{
    {id(F::z1), "z1", "-", fixedFormat([](G g) { return g.z1; }, 4, 1)},
    {id(F::z2), "z2", "-", fixedFormat([](G g) { return g.z2; }, 4, 1)},
    {id(F::mn), "mn", "mm", fixedFormat([](G g) { return g.mn; }, 5, 3)},
    {id(F::Beta), "beta", "°", fixedFormat([](G g) { return degrees(g.Beta); }, 6, 4)},
    {id(F::Alfan), "alfan", "°", fixedFormat([](G g) { return degrees(g.Alfan); }, 6, 3)},
    {id(F::x1), "x1", "-", fixedFormat([](G g) { return g.x1; }, 6, 4)},
    {id(F::x2), "x2", "-", fixedFormat([](G g) { return g.x2; }, 6, 4)},
    {id(F::aw), "aw", "mm", fixedFormat([](G g) { return g.aw; }, 7, 3)},
    {id(F::ha1_star), "ha1*", "-", fixedFormat([](G g) { return g.ha1_star; }, 5, 3)},
    {id(F::ha2_star), "ha2*", "-", fixedFormat([](G g) { return g.ha2_star; }, 5, 3)},
    {id(F::ca1_star), "ca1*", "-", fixedFormat([](G g) { return g.ca1_star; }, 5, 3)},
    {id(F::ca2_star), "ca2*", "-", fixedFormat([](G g) { return g.ca2_star; }, 5, 3)},
    {id(F::Rof1_star), "rof1*", "-", fixedFormat([](G g) { return g.Rof1_star; }, 5, 3)},
    {id(F::Rof2_star), "rof2*", "-", fixedFormat([](G g) { return g.Rof2_star; }, 5, 3)},
    {id(F::da1), "da1", "mm", fixedFormat([](G g) { return g.da1; }, 7, 3)},
    {id(F::da2), "da2", "mm", fixedFormat([](G g) { return g.da2; }, 7, 3)},
}};

}  // namespace

GeometryDialog::GeometryDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(data, ui, parent) {
    setObjectName(QStringLiteral("GeometryDialog"));
    setWindowTitle(QStringLiteral("Geometrie ozubení"));
    setHelpTopic(kHelpTopic);
    setValidateOnDeactivation(true);
    setValidateOnClose(true);

    // Main quantities on the left, the basic rack and the tips on the right.
    bindFields(kRows);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int number = kRows[i].id.number;
        field(number)->setMaximumWidth(90);
        placeField(grid, number, static_cast<int>(i % 8), i < 8 ? 0 : 3);
    }
    grid->setColumnMinimumWidth(2, 40);

    ok_ = addOkButton(QStringLiteral("&OK"));
    help_ = addHelpButton();
    modules_ = new QPushButton(QStringLiteral("Moduly"), this);
    connect(modules_, &QPushButton::clicked, this, &GeometryDialog::modulesRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(modules_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void GeometryDialog::showAccepted(int number, const FieldEntry& entry) {
    switch (entry.outcome) {
        case EntryOutcome::Unchanged:
            // A centre distance within a hair of the current one: only the field itself.
            showField(number);
            return;
        case EntryOutcome::Reset:
            // Back to the zero-shift pair: the shifts as 0.00000.
            showFields();
            edit(F::x1)->setText(QString::fromStdString(str(data().x1, 7, 5)));
            edit(F::x2)->setText(QString::fromStdString(str(data().x2, 7, 5)));
            return;
        case EntryOutcome::Accepted:
        case EntryOutcome::Rejected:
            break;
    }
    FieldDialog::showAccepted(number, entry);
}

}  // namespace soukoli
