// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// ZL, ZR and ZV explained, and their product by the finishing of the flanks.
#include "dialogs/ZLZRZVTable.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

#include "dialogs/CoefficientsDialog.h"
#include "engine/Coefficients.h"

namespace soukoli {

ZLZRZVTable::ZLZRZVTable(CoefficientsDialog& coefficients, QWidget* parent) : QDialog(parent), coefficients_(coefficients) {
    setObjectName(QStringLiteral("ZLZRZVTable"));
    setWindowTitle(QStringLiteral("Doporučené hodnoty součinitele ZLZRZV"));
    struct Row {
        const char* symbol;
        const char* text;
    };
    constexpr Row rows[] = {
        {"Z<sub>L</sub>", "- součinitel maziva (respektuje vliv viskozity maziva)"},
        {"Z<sub>R</sub>",
         "- součinitel drsnosti boků zubů (respektuje vliv výchozí drsnosti spoluzabírajících boků zubů)"},
        {"Z<sub>V</sub>", "- součinitel obvodové rychlosti (respektuje vliv obvodové rychlosti)"},
        {"Z<sub>L</sub>·Z<sub>R</sub>·Z<sub>V</sub> = 1", "- broušené nebo ševingované ozubení (Ra &lt; 1 µm]"},
        {"= 0,92", "- ozubení s vyšší drsností (Ra &gt; 1 µm] např. jedno kolo broušeno, druhé frézováno"},
        {"= 0,85", "- ozubení frézováno nebo obráženo"},
    };
    auto* grid = new QGridLayout(this);
    int r = 0;
    for (const Row& row : rows) {
        auto* symbol = new QLabel(QString::fromUtf8(row.symbol), this);
        auto* text = new QLabel(QString::fromUtf8(row.text), this);
        symbol->setTextFormat(Qt::RichText);
        text->setTextFormat(Qt::RichText);
        grid->addWidget(symbol, r, 0, Qt::AlignRight);
        grid->addWidget(text, r, 1);
        ++r;
    }
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void ZLZRZVTable::openTable() {
    show();
    raise();
}

void ZLZRZVTable::keyPressEvent(QKeyEvent* event) {
    // Any key gives the focus back to the ZL ZR ZV field.
    coefficients_.focusField(kCoefficientFieldZLZRZV);
    if (event->key() == Qt::Key_Escape) close();
    event->accept();
}

}  // namespace soukoli
