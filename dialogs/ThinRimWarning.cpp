// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The thin-rim warning window.
#include "dialogs/ThinRimWarning.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace soukoli {

ThinRimWarning::ThinRimWarning(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      pinionLine_(new QLabel(QStringLiteral("Rozměr sr1 je menší než doporučuje norma."), this)),
      wheelLine_(new QLabel(QStringLiteral("Rozměr sr2 je menší než doporučuje norma."), this)),
      continue_(new QPushButton(QStringLiteral("Počítej dále"), this)),
      fix_(new QPushButton(QStringLiteral("Oprav vstup"), this)) {
    setObjectName(QStringLiteral("ThinRimWarning"));
    setModal(true);
    continue_->setDefault(true);
    continue_->setAutoDefault(true);
    fix_->setAutoDefault(false);
    // QDialog maps Esc to reject(): "Oprav vstup".
    connect(continue_, &QPushButton::clicked, this, &QDialog::accept);
    connect(fix_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(continue_);
    buttons->addWidget(fix_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    // A fixed size: no maximize button either, only the title (and no close button: the
    // user answers with one of the two buttons or Esc).
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(10);
    layout->addWidget(pinionLine_, 0, Qt::AlignHCenter);
    layout->addWidget(wheelLine_, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void ThinRimWarning::prepare(Gear gear) {
    pinionLine_->setVisible(gear == Gear::Pinion);
    wheelLine_->setVisible(gear == Gear::Wheel);
    continue_->setFocus();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace soukoli
