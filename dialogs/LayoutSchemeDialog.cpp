// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The layout-scheme window: a field is entered and shown back as str(x:6:1); the shaft
// ratios s/lw above 0.3 are marked in red under the thumbnails; "&Ok" checks the dimensions the
// chosen layout needs.
#include "dialogs/LayoutSchemeDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "dialogs/LayoutSchemeChart.h"
#include "engine/FaceLoadInput.h"
#include "engine/LayoutSchemesTables.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

using G = const GearPairData&;
constexpr FieldId id(int number) { return {InputWindow::Layout, number}; }

// Field, label (what the dimension is, then its symbol), unit, str(x:6:1); the rules are in
// engine/FaceLoadInput.
constexpr std::array<FieldRow, LayoutSchemeDialog::kFields> kRows{{
    {id(1), "od osy pastorku do osy ložisek  s1", "[mm]", fixedFormat([](G g) { return g.s1; }, 6, 1)},               // ≥ 0
    {id(2), "od osy kola do osy ložisek  s2", "[mm]", fixedFormat([](G g) { return g.s2; }, 6, 1)},                   // ≥ 0
    {id(3), "vzdálenost os ložisek 1. hřídele  lw1", "[mm]", fixedFormat([](G g) { return g.lw1; }, 6, 1)},           // > 0, ≥ 2·s1
    {id(4), "vzdálenost os ložisek 2. hřídele  lw2", "[mm]", fixedFormat([](G g) { return g.lw2; }, 6, 1)},           // > 0, ≥ 2·s2
    {id(5), "střední průměr hřídele  dsh1", "[mm]", fixedFormat([](G g) { return g.dsh1; }, 6, 1)},                   // > 0, warns above df1
    {id(6), "střední průměr hřídele  dsh2", "[mm]", fixedFormat([](G g) { return g.dsh2; }, 6, 1)},                   // > 0, warns above df2
    {id(7), "roztečný průměr dalšího kola na 2. hřídeli  dII", "[mm]", fixedFormat([](G g) { return g.dII; }, 6, 1)},  // > 0, warns below dsh2
    {id(8), "roztečný průměr dalšího kola na 1. hřídeli  dI", "[mm]", fixedFormat([](G g) { return g.dI; }, 6, 1)},    // > 0, warns below dsh1
}};

}  // namespace

LayoutSchemeDialog::LayoutSchemeDialog(GearPairData& data, Ui& ui, QWidget* parent)
    : FieldDialog(data, ui, parent), data_(data), grid_(new LayoutGrid(data, this)), view_(new LayoutView(data, this)) {
    setObjectName(QStringLiteral("LayoutSchemeDialog"));
    setWindowTitle(QStringLiteral("Volba půdorysného schématu pro výpočet KHbeta"));

    setHelpTopic(kHelpTopic);
    setEscapeCloses(true);
    bindFields(kRows);
    auto* form = new QGridLayout;
    for (int n = 1; n <= kFields; ++n) {
        edit(n)->setText(QStringLiteral("0"));
        edit(n)->setMinimumWidth(edit(n)->fontMetrics().horizontalAdvance(QStringLiteral("00000000.0")));
        placeField(form, n, n - 1, 0);
    }

    ok_ = addOkButton();
    esc_ = new QPushButton(QStringLiteral("&Esc"), this);
    help_ = addHelpButton();
    suppressValidationOnPress(esc_);
    esc_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(esc_);
    buttons->addWidget(help_);
    auto* right = new QVBoxLayout;
    right->addWidget(view_);
    right->addLayout(form);
    right->addStretch();
    right->addLayout(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(grid_, 0, Qt::AlignTop);
    columns->addLayout(right);

    connect(grid_, &LayoutGrid::layoutClicked, this, &LayoutSchemeDialog::selectLayout);
    connect(esc_, &QPushButton::clicked, this, &LayoutSchemeDialog::reject);
    // The lever ratios s/lw follow the accepted dimensions.
    connect(this, &FieldDialog::fieldAccepted, this, [this](FieldId id) {
        if (id.number <= 4) showLeverRatios();
    });
    auto* pgUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(pgUp, &QShortcut::activated, this, [this] { selectLayout(previousLayout(data_.SchemaIndex)); });
    auto* pgDn = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pgDn, &QShortcut::activated, this, [this] { selectLayout(nextLayout(data_.SchemaIndex)); });
    selectLayout(data_.SchemaIndex);
}

void LayoutSchemeDialog::selectLayout(int number) {
    soukoli::selectLayout(data_, number);
    const int n = data_.SchemaIndex;
    for (int field : {7, 8}) setFieldVisible(field, layoutFieldShown(n, field));
    grid_->update();
    view_->update();
}

void LayoutSchemeDialog::showLeverRatios() {
    grid_->setWarnings(leverRatio(data_.s1, data_.lw1).warning, leverRatio(data_.s2, data_.lw2).warning);
}

void LayoutSchemeDialog::showEvent(QShowEvent* event) {
    FieldDialog::showEvent(event);
    // The layout chosen as if clicked 5 pixels inside its cell.
    if (data_.SchemaIndex >= 1 && data_.SchemaIndex <= kLayoutCount) {
        const PixelRect& c = kLayoutCells[static_cast<std::size_t>(data_.SchemaIndex - 1)];
        if (const auto n = layoutAt(c.x + 5, c.y + 5)) selectLayout(*n);
    } else {
        selectLayout(0);
    }
    showFields();
    // The marks follow the values shown, also those of a project read meanwhile.
    showLeverRatios();
    edit(1)->setFocus(Qt::OtherFocusReason);
}

bool LayoutSchemeDialog::readyToClose() {
    const int failing = checkLayoutInput(data_);
    if (failing < 0) {
        ui().message(kMsgNoLayout);
        return false;
    }
    if (failing > 0) {
        ui().message(layoutFieldMessage(failing));
        edit(failing)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void LayoutSchemeDialog::reject() {
    cancelLayout(data_);
    showFields();
    grid_->setWarnings(false, false);
    FieldDialog::reject();
}

}  // namespace soukoli
