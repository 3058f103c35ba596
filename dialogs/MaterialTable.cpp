// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The material table window: a read-only grid of the 46 rows, the row under the pointer
// selected on release, chosen by double click or Enter.
#include "dialogs/MaterialTable.h"

#include "dialogs/WindowKeys.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace soukoli {

namespace {

struct Column {
    int width;
    const char* header;  // '\r' is a line break, as in the program's own texts
};

constexpr std::array<Column, 10> kColumns = {{
    {30, " Poř.\r čís."},
    {192, "Materiál"},
    {50, "Označení\r    ČSN"},
    {143, "Způsob tepelného nebo\r   chemicko-tepelného\r          zpracování"},
    {48, "   Mez\rpevnosti\r  v tahu\r   Rm"},
    {52, "Mez kluzu\r   v tahu\r Re  nebo\r    Rp0,2"},
    {48, "Tvrdost\r v jádře\r   zubu\r   JHV"},
    {48, "Tvrdost\rna boku\r  zubu\r   VHV"},
    {48, "   Mez\r  únavy\rv dotyku\r σ0Hlim"},
    {48, "   Mez\r  únavy\rv ohybu\r σ0Flimb"},
}};

constexpr const char* kCaption = "Volba materiálových parametrů    (ČSN 01 4686 část 5, tab.12)";

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

MaterialTable::MaterialTable(GearPairData& data, QWidget* parent)
    : QDialog(parent), data_(data), grid_(new QTableWidget(static_cast<int>(kMaterialRows), 10, this)) {
    setObjectName(QStringLiteral("MaterialTable"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setModal(true);

    QStringList headers;
    for (const Column& c : kColumns) headers << QString::fromUtf8(c.header).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setMinimumHeight(62);  // the header grows with its four lines
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);

    for (std::size_t r = 0; r < kMaterialRows; ++r) {
        const MaterialRow& m = kMaterialTable[r];
        const std::array<QString, 10> cells = {QString::number(r + 1), text(m.material), text(m.designation),
                                               text(m.treatment),      text(m.Rm),       text(m.Re),
                                               text(m.JHV),            text(m.VHV),      text(m.Sigma0Hlim),
                                               text(m.Sigma0Flimb)};
        for (int c = 0; c < 10; ++c)
            grid_->setItem(static_cast<int>(r), c, new QTableWidgetItem(cells[static_cast<std::size_t>(c)]));
    }
    // Every column as wide as its header and its longest entry (hardness ranges, material
    // names), never narrower than the table of the standard has it; the window shows them all.
    grid_->resizeColumnsToContents();
    int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 10; ++c) {
        grid_->setColumnWidth(c, std::max(grid_->columnWidth(c) + 8, kColumns[static_cast<std::size_t>(c)].width));
        width += grid_->columnWidth(c);
    }
    grid_->setMinimumWidth(width);
    grid_->setCurrentCell(0, 0);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row + 1); });

    bindHelpKey(*this, [this] { emit helpRequested(kHelpTopic); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    resize(sizeHint().width(), 600);
}

void MaterialTable::setSide(Gear gear) {
    side_ = gear;
    last_.reset();
    updateCaption();
}

void MaterialTable::updateCaption() {
    setWindowTitle(QString::fromUtf8(kCaption) + (side_ == Gear::Pinion ? QStringLiteral("             PASTOREK")
                                                                         : QStringLiteral("             KOLO")));
}

void MaterialTable::choose(int row) {
    if (row < 1 || row > static_cast<int>(kMaterialRows)) return;
    last_ = materialChoice(row);
    applyMaterialChoice(data_, side_, *last_);
    accept();
}

void MaterialTable::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    updateCaption();
    grid_->setFocus(Qt::OtherFocusReason);
}

bool MaterialTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport()) {
        // The row under the pointer is tracked and selected when a button is released.
        if (event->type() == QEvent::MouseButtonRelease) {
            const int row = grid_->rowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
            if (row >= 0) grid_->selectRow(row);
        }
    } else if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(std::max(grid_->currentRow(), 0) + 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace soukoli
