// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A plain text job: one line per printed line, in a fixed-pitch font, with the page margins of
// the printer.
#include "app/Printing.h"

#include <QPainter>
#include <algorithm>
#include <QPrinter>

namespace soukoli {

namespace {

// TAB stops every eight characters, laid out here: the font has a fixed pitch.
QString expandTabs(const std::string& line) {
    QString out;
    for (const QChar c : QString::fromStdString(line)) {
        if (c == QLatin1Char('\t')) {
            do out += QLatin1Char(' ');
            while (out.size() % 8 != 0);
        } else {
            out += c;
        }
    }
    return out;
}

constexpr qreal kLargestPointSize = 10;
constexpr qreal kSmallestPointSize = 5;

}  // namespace

bool printLines(QPrinter& printer, const std::vector<std::string>& lines, const QString& title) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kLargestPointSize);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The widest line decides the size: nothing is cut at the right margin.
    qreal widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, QFontMetricsF(font, &printer).horizontalAdvance(expandTabs(line)));
    if (widest > page.width()) font.setPointSizeF(std::max(kSmallestPointSize, kLargestPointSize * page.width() / widest));
    painter.setFont(font);
    const QFontMetricsF metrics = QFontMetricsF(painter.font(), painter.device());

    const qreal lineHeight = metrics.lineSpacing();
    qreal y = 0;
    for (const std::string& line : lines) {
        if (y + lineHeight > page.height() && y > 0) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), expandTabs(line));
        y += lineHeight;
    }
    return painter.end();
}

}  // namespace soukoli
