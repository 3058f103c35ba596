// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The table of YA after ČSN 01 4686 part 5, table 14.
#include "dialogs/YaTable.h"

#include <QLabel>
#include <QVBoxLayout>

namespace soukoli {

YaTable::YaTable(QWidget* parent) : HelpTable(QStringLiteral("Součinitel YA    (ČSN 01 4686 část 5, tab. 14)"), parent) {
    auto* layout = new QVBoxLayout(this);
    const QString lines[] = {
        QStringLiteral("<b>Součinitel střídavého zatížení zubu Y<sub>A</sub></b>"),
        QStringLiteral("Míjivé zatížení (běžné ozubené kolo) - Y<sub>A</sub> = 1 "),
        QStringLiteral("Střídavé zatížení (např. satelit) - Y<sub>A</sub> = 0,7 "),
        QStringLiteral("Reverzační provoz (změna smyslu otáčení a momentu) - Y<sub>A</sub>= 0,85 - 0,025·log N<sub>rev</sub> "),
        QStringLiteral("Poznámka - pro N<sub>rev</sub> &gt;10<sup>6</sup> se dosazuje N<sub>rev</sub> =10<sup>6</sup> "),
        QStringLiteral("kde  N<sub>rev</sub> je počet reverzací během životnosti"),
    };
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setTextFormat(Qt::RichText);
        layout->addWidget(label);
    }
}

}  // namespace soukoli
