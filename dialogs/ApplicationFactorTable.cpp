// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The KA table of ČSN 01 4686 part 2, tables 3, 4 and 5, and its examples of machines.
#include "dialogs/ApplicationFactorTable.h"

#include <QLabel>
#include <QVBoxLayout>
#include <array>

namespace soukoli {

namespace {

// KA: rows the driving machine, columns the driven machine, each "plynulé" … "s velkou
// nerovnoměrností".
constexpr std::array<std::array<const char*, 4>, 4> kKA{{
    {"1.0", "1.25", "1.5", "1.75"},
    {"1.1", "1.35", "1.6", "1.85"},
    {"1.25", "1.5", "1.75", "2.0"},
    {"1.5", "1.75", "2.0", "2.25"},
}};

QString table() {
    const QString rows[] = {QStringLiteral("plynulé"), QStringLiteral("s malou<br>nerovnoměrností"),
                            QStringLiteral("se střední<br>nerovnoměrností"), QStringLiteral("s velkou<br>nerovnoměrností")};
    QString html = QStringLiteral(
        "<table border=1 cellspacing=0 cellpadding=3>"
        "<tr><td rowspan=2>Zatěžování<br>převodovky<br>hnacím strojem</td>"
        "<td colspan=4 align=center>Zatěžování převodovky hnaným (pracovním) strojem</td></tr>"
        "<tr><td>plynulé</td><td>s malou<br>nerovno-<br>měrností</td><td>se střední<br>nerovno-<br>měrností</td>"
        "<td>s velkou<br>nerovno-<br>měrností</td></tr>");
    for (std::size_t r = 0; r < kKA.size(); ++r) {
        html += QStringLiteral("<tr><td>") + rows[r] + QStringLiteral("</td>");
        for (const char* v : kKA[r]) html += QStringLiteral("<td align=center>") + QString::fromLatin1(v) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

ApplicationFactorTable::ApplicationFactorTable(QWidget* parent) : HelpTable(QStringLiteral("Součinitel KA    (ČSN 01 4686 část 2, tab. 3,4,5)"), parent) {
    auto* layout = new QVBoxLayout(this);
    const QString parts[] = {
        QStringLiteral("<b>ORIENTAČNÍ HODNOTY SOUČINITELE K<sub>A</sub></b><br><b>PRO RESPEKTOVÁNÍ VNĚJŠÍCH DYNAMICKÝCH SIL</b>"),
        table(),
        QStringLiteral("<b>PŘÍKLADY PRACOVNÍCH STROJŮ</b><br><b>S RŮZNÝM CHARAKTEREM ZATĚŽOVÁNÍ PŘEVODOVKY</b>"),
        QStringLiteral("<table cellpadding=2>"
                       "<tr><td valign=top>plynulé</td><td>generátor, dopravník (pásový, deskový, šnekový),<br>"
                       "lehký výtah, soukolí posuvu obráběcího stroje,<br>"
                       "větrák, turbodmychadlo, turbokompresor, míchadlo<br>na materiál konstantní hustoty</td></tr>"
                       "<tr><td valign=top>s malou<br>nerovnoměrností</td><td>generátor, zubové čerpadlo, rotační čerpadlo</td></tr>"
                       "<tr><td valign=top>se střední<br>nerovnoměrností</td><td>hlavní pohon obráběcího stroje, rotační čerpadlo,<br>"
                       "otoč jeřábu, důlní větrák, míchadlo na materiál<br>s proměnnou hustotou, víceválcové pístové<br>"
                       "čerpadlo, napáječka</td></tr>"
                       "<tr><td valign=top>s velkými rázy</td><td>lis, nůžky, kalandr na pryž, válcovací stolice,<br>"
                       "lopatové rýpadlo, těžká odstředivka, těká napáječ-<br>"
                       "ka, vrtná souprava, briketovací lis, hnětací stroj</td></tr></table>"),
        QStringLiteral("<b>PŘÍKLADY HNACÍCH STROJŮ</b>"),
        QStringLiteral("<table cellpadding=2>"
                       "<tr><td>plynulé</td><td>elektromotor, parní turbína, plynová turbína</td></tr>"
                       "<tr><td>s malou<br>nerovnoměrností</td><td>hydromotor, parní turbína, plynová turbína</td></tr>"
                       "<tr><td>se střední<br>nerovnoměrností</td><td>víceválcový spalovací motor</td></tr>"
                       "<tr><td>s velkou<br>nerovnoměrností</td><td>jednoválcový spalovací motor</td></tr></table>"),
    };
    for (const QString& part : parts) {
        auto* label = new QLabel(part, this);
        label->setTextFormat(Qt::RichText);
        layout->addWidget(label);
    }
}

}  // namespace soukoli
