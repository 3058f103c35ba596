// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The CHSZ chart: each class curve Ft/Ft1 = P(a)/10 with a = −log Φ, drawn column by column
// from the right edge leftwards and finished with a vertical line once it reaches the top.
#include "dialogs/LoadClassChart.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "dialogs/WindowPlacement.h"
#include "engine/ChszCurvesTables.h"

namespace soukoli {

namespace {

constexpr int kRightMargin = 25;   // y-axis labels
constexpr int kBottomMargin = 10;  // x-axis labels

}  // namespace

CHSZChart::CHSZChart(int first, int last, int span, int step, QWidget* parent)
    : QWidget(parent), first_(first), last_(last), span_(span), step_(step) {
    setFixedSize(kWidth, kHeight);
}

int CHSZChart::plotWidth() const { return kWidth - kRightMargin; }
int CHSZChart::plotHeight() const { return kHeight - kBottomMargin - 30; }  // room under the axis for "log Φ"
int CHSZChart::xOf(double logPhi) const { return static_cast<int>(plotWidth() * (1 + logPhi / span_)); }
int CHSZChart::yOf(double ratio) const { return static_cast<int>(plotHeight() * (1 - ratio)); }

QFont CHSZChart::labelFont() {
    QFont bold(QStringLiteral("Arial"), 7);
    bold.setBold(true);
    return bold;
}

int CHSZChart::topColumn(int k) const {
    const int w = plotWidth();
    for (int x = w; x >= 0; --x)
        if (yOf(loadClassRatio(k, span_ * static_cast<double>(w - x) / w)) <= 0) return x;
    return 0;
}

QList<QRect> CHSZChart::labelRects() const {
    const int w = plotWidth();
    const int h = plotHeight();
    const QFontMetrics metrics(labelFont());
    // Along the curve from a third of the way in from its top end; the first place where the
    // number is clear of those placed before it (curves of neighbouring classes run close).
    static constexpr std::array<double, 9> kAlong{1.0 / 3, 0.45, 0.25, 0.55, 0.18, 0.65, 0.1, 0.75, 0.85};
    QList<QRect> placed;
    for (int k = first_; k <= last_; ++k) {
        const int xEnd = topColumn(k);
        const QString text = QString::number(k);
        QRect chosen;
        for (const double along : kAlong) {
            const int x = xEnd + static_cast<int>((w - xEnd) * along);
            const double a = span_ * static_cast<double>(w - x) / w;
            const int baseline = std::clamp(yOf(loadClassRatio(k, a)) - 2, metrics.ascent(), h - 2);
            QRect r = metrics.boundingRect(text).translated(x, baseline);
            if (r.right() > w - 1) r.moveRight(w - 1);
            if (chosen.isNull()) chosen = r;
            const bool clear = std::none_of(placed.begin(), placed.end(),
                                            [&r](const QRect& other) { return other.adjusted(-1, -1, 1, 1).intersects(r); });
            if (clear) {
                chosen = r;
                break;
            }
        }
        placed << chosen;
    }
    return placed;
}

void CHSZChart::paintEvent(QPaintEvent*) {
    // Drawn at the screen's pixel ratio, so that the chart stays sharp at 1.5× and 2×.
    QPixmap bitmap(size() * devicePixelRatioF());
    bitmap.setDevicePixelRatio(devicePixelRatioF());
    bitmap.fill(Qt::white);
    {
        QPainter p(&bitmap);
        const int w = plotWidth();
        const int h = plotHeight();
        QFont small(QStringLiteral("Arial"), 7);
        p.setFont(small);
        p.setPen(QColor(200, 200, 200));
        for (int u = -span_; u <= 0; u += step_) p.drawLine(xOf(u), 0, xOf(u), h);
        const double gridStep = span_ > 6 ? 0.2 : 0.1;
        for (int i = 0; i * gridStep <= 1.0001; ++i) p.drawLine(0, yOf(i * gridStep), w, yOf(i * gridStep));
        p.setPen(Qt::black);
        p.drawRect(0, 0, w, h);
        for (int u = -span_; u <= 0; u += step_)
            p.drawText(std::clamp(xOf(u) - 8, 0, w - 10), h + 12, QString::number(u));
        const char* yLabels[] = {"1", "0,8", "0,6", "0,4", "0,2"};
        for (int i = 0; i < 5; ++i) p.drawText(w + 3, yOf(1 - 0.2 * i) + 8, QString::fromLatin1(yLabels[i]));
        // Arrow with "log Φ" under the x axis, the fraction Ft / Ft1 at the lower right.
        p.drawLine(w / 2 - 30, h + 20, w / 2 + 30, h + 20);
        p.drawLine(w / 2 + 30, h + 20, w / 2 + 25, h + 17);
        p.drawLine(w / 2 + 30, h + 20, w / 2 + 25, h + 23);
        // One font for both: a "Symbol" font without a Greek Φ left only "log" on the axis.
        p.drawText(QRect(w / 2 - 40, h + 21, 80, 14), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                   QStringLiteral("log Φ"));
        p.drawText(w - 20, h + 26, QStringLiteral("Ft"));
        p.drawLine(w - 22, h + 28, w - 4, h + 28);
        p.drawText(w - 20, h + 38, QStringLiteral("Ft1"));

        // Past their range some polynomials fall below 0: the plot area clips them.
        p.setClipRect(0, 0, w + 1, h + 1);
        p.setPen(Qt::black);
        for (int k = first_; k <= last_; ++k) {
            int yPrevious = yOf(loadClassRatio(k, 0));
            for (int x = w; x >= 0; --x) {
                const double a = span_ * static_cast<double>(w - x) / w;
                const int y = yOf(loadClassRatio(k, a));
                if (y <= 0) {  // the top of the plot reached: a vertical line to the top edge
                    p.drawLine(x, yPrevious, x, 0);
                    break;
                }
                p.drawLine(x + 1, yPrevious, x, y);
                yPrevious = y;
            }
        }
        p.setFont(labelFont());
        const QList<QRect> labels = labelRects();
        for (int k = first_; k <= last_; ++k)
            p.drawText(labels[k - first_], Qt::AlignCenter, QString::number(k));
        p.setClipping(false);
    }
    QPainter(this).drawPixmap(0, 0, bitmap);
}

// A tool window stays above the loading dialog that opened it, also while that dialog is modal.
LoadClassChart::LoadClassChart(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("CHSZ"));
    setObjectName(QStringLiteral("CHSZ"));
    left_ = new CHSZChart(1, 7, 6, 1, this);
    right_ = new CHSZChart(8, 17, 10, 2, this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(left_);
    layout->addWidget(right_);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // both charts whole, always
}

void LoadClassChart::openFor(std::function<void()> returnFocus) {
    if (!isVisible() && parentWidget()) placeBeside(*this, *parentWidget());
    show();
    raise();
    if (returnFocus) returnFocus();
}

void LoadClassChart::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) close();
    event->accept();
}

}  // namespace soukoli
