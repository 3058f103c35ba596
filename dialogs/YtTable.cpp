// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Recommended YT by the finishing of the tooth root, and ZR by the finishing of the flanks.
#include "dialogs/YtTable.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/CoefficientsDialog.h"

namespace soukoli {

namespace {

QLabel* line(const char* text, QWidget* parent, bool bold = false) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setTextFormat(Qt::RichText);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

}  // namespace

YtTable::YtTable(const GearPairData& data, CoefficientsDialog& coefficients, QWidget* parent)
    : QDialog(parent), data_(data), coefficients_(coefficients), yt_(new QWidget(this)), zr_(new QWidget(this)) {
    setObjectName(QStringLiteral("YtTable"));
    auto* yt = new QVBoxLayout(yt_);
    yt->addWidget(line("CELOPROFILOVÉ BROUŠENÍ, BEZ BROUŠENÍ&nbsp;&nbsp;&nbsp;Y<sub>T</sub> = 1", yt_, true));
    yt->addWidget(line("KULIČKOVÁNÍ&nbsp;&nbsp;&nbsp;Y<sub>T</sub> = 1,1· · ·1,3", yt_, true));
    yt->addWidget(line("(používá se u cementovaného ozubení, zpevněná oblast vrstvy není broušená)", yt_));
    yt->addWidget(line("VÁLEČKOVÁNÍ PATY ZUBU&nbsp;&nbsp;&nbsp;Y<sub>T</sub> = 1,3· · ·1,5", yt_, true));
    yt->addWidget(line("(používá se u ozubení povrchově kaleného po boku; zpevněná oblast není broušená)", yt_));
    yt->addWidget(line("BROUŠENÝ PATNÍ PŘECHOD ZUBU&nbsp;&nbsp;&nbsp;Y<sub>T</sub> = 0,7", yt_, true));
    yt->addWidget(line("(používá se u cementovaného ozubení)", yt_));

    auto* zr = new QVBoxLayout(zr_);
    zr->addWidget(line("SOUČINITEL VÝCHOZÍ DRSNOSTI BOKŮ ZUBŮ (před záběhem)", zr_, true));
    zr->addWidget(line("V závislosti na opracování boků zubů :", zr_));
    zr->addWidget(line("Z<sub>R</sub> = 0,85 ..... nebroušené boky zubů", zr_));
    zr->addWidget(line("Z<sub>R</sub> = 1 .......... broušené boky zubů", zr_));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(yt_);
    layout->addWidget(zr_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void YtTable::openFor(int field) {
    field_ = field;
    const bool simplified = data_.Zjednoduseny;
    setWindowTitle(simplified ? QStringLiteral("Doporučené hodnoty součinitele ZR")
                              : QStringLiteral("Doporučené hodnoty součinitele technologie výroby YT"));
    yt_->setVisible(!simplified);
    zr_->setVisible(simplified);
    show();
    raise();
}

void YtTable::keyPressEvent(QKeyEvent* event) {
    // Any key gives the focus back to the field whose "Help" opened the table.
    coefficients_.focusField(field_);
    if (event->key() == Qt::Key_Escape) close();
    event->accept();
}

}  // namespace soukoli
