// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The explanation of KAS.
#include "dialogs/KasTable.h"

#include <QLabel>
#include <QVBoxLayout>

namespace soukoli {

KasTable::KasTable(QWidget* parent) : HelpTable(QStringLiteral("Součinitel KAS"), parent) {
    auto* layout = new QVBoxLayout(this);
    const QString lines[] = {
        QStringLiteral("Součinitel K<sub>AS</sub> vyjadřuje vliv největšího jednorázového zatížení na"),
        QStringLiteral("křehký lom zubu nebo deformaci či křehký lom povrchové vrstvy."),
        QStringLiteral("Často se nazývá součinitel jednorázového přetížení a je v podstatě"),
        QStringLiteral("poměrem maximální obvodové síly F<sub>t1</sub> ku jmenovité síle F<sub>t</sub> ."),
        QStringLiteral("Jeho velikost je větší, nejvýše rovna součiniteli K<sub>AS</sub> ."),
    };
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setTextFormat(Qt::RichText);
        layout->addWidget(label);
    }
}

}  // namespace soukoli
