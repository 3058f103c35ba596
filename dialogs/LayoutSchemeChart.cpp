// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The plotting routine maps the 350 × 150 drawing space of a layout onto a rectangle (points
// rounded to pixels) and follows the pen steps of the engine's drawing table.
#include "dialogs/LayoutSchemeChart.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "engine/FaceLoadInput.h"
#include "engine/LayoutDrawing.h"
#include "engine/LayoutSchemesTables.h"

namespace soukoli {

namespace {

constexpr int kArrowLength = 5, kArrowHalf = 2;  // pixels

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QPen axisPen() {
    QPen pen(Qt::black);
    pen.setStyle(Qt::DashDotLine);
    return pen;
}

void arrowhead(QPainter& p, QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * kArrowLength;
    const std::array<QPointF, 3> head{tip, base + n * kArrowHalf, base - n * kArrowHalf};
    p.setBrush(Qt::black);
    p.drawPolygon(head.data(), 3);
    p.setBrush(Qt::NoBrush);
}

}  // namespace

void drawLayout(QPainter& painter, const QRect& target, int number, bool thumbnail) {
    const double sx = double(target.width()) / kDrawingWidth;
    const double sy = double(target.height()) / kDrawingHeight;
    auto toPixel = [&](int x, int y) {
        return QPoint(target.x() + int(std::lround(x * sx)), target.y() + int(std::lround(y * sy)));
    };
    painter.save();
    painter.setFont(QFont(QStringLiteral("Arial"), 8));
    const QPen solid(Qt::black);
    int x = 0, y = 0;
    for (const PenStep& s : layoutPenSteps(number)) {
        const QPoint from = toPixel(x, y);
        x += s.dx;
        y += s.dy;
        const QPoint to = toPixel(x, y);
        switch (s.op) {
            case PenOp::Move: break;
            case PenOp::Draw:
                painter.setPen(solid);
                painter.drawLine(from, to);
                break;
            case PenOp::DashDot:
                painter.setPen(axisPen());
                painter.drawLine(from, to);
                break;
            case PenOp::Dimension:
                painter.setPen(solid);
                painter.drawLine(from, to);
                if (!thumbnail) {
                    arrowhead(painter, to, from);
                    arrowhead(painter, from, to);
                }
                break;
            case PenOp::Text:
                if (!thumbnail) {
                    painter.setPen(solid);
                    const QFontMetrics fm(painter.font());
                    painter.drawText(to + QPoint(0, fm.ascent()), text(s.text));
                }
                break;
        }
    }
    painter.restore();
}

// ---- Thumbnail grid ---------------------------------------------------------------------------

LayoutGrid::LayoutGrid(const GearPairData& data, QWidget* parent) : QWidget(parent), data_(data) {
    setFixedSize(kGridWidth, kGridHeight);
    setFocusPolicy(Qt::NoFocus);  // a click chooses a layout and leaves the field where it is
}

void LayoutGrid::setWarnings(bool shaft1, bool shaft2) {
    warn1_ = shaft1;
    warn2_ = shaft2;
    update();
}

void LayoutGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setFont(QFont(QStringLiteral("Arial"), 8));
    const QFontMetrics fm(p.font());
    for (int n = 1; n <= kLayoutCount; ++n) {
        const PixelRect& c = kLayoutCells[static_cast<std::size_t>(n - 1)];
        drawLayout(p, QRect(c.x, c.y, c.w, c.h), n, true);
        p.setPen(Qt::black);
        p.drawText(QPoint(c.x + 4, c.y + 4 + fm.ascent()), QStringLiteral("Typ ") + text(layoutLabel(n)));
    }
    if (data_.SchemaIndex >= 1 && data_.SchemaIndex <= kLayoutCount) {
        const PixelRect& c = kLayoutCells[static_cast<std::size_t>(data_.SchemaIndex - 1)];
        QPen red(Qt::red);
        red.setWidth(2);
        p.setPen(red);
        p.drawRect(QRect(c.x + 1, c.y + 1, c.w - 2, c.h - 2));
    }
    p.setPen(Qt::black);
    p.drawText(QPoint(245, 495 + fm.ascent()), QStringLiteral("Použij myš nebo PgUp a PgDn"));
    p.setFont(QFont(QStringLiteral("Arial"), 12));
    const QFontMetrics big(p.font());
    p.setPen(Qt::red);
    if (warn1_) p.drawText(QPoint(245, 400 + big.ascent()), QStringLiteral("Poměr s1 / lw1 > 0.3"));
    if (warn2_) p.drawText(QPoint(245, 430 + big.ascent()), QStringLiteral("Poměr s2 / lw2 > 0.3"));
}

void LayoutGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (const auto n = layoutAt(pos.x(), pos.y())) emit layoutClicked(*n);
}

// ---- Enlarged view ----------------------------------------------------------------------------

LayoutView::LayoutView(const GearPairData& data, QWidget* parent) : QWidget(parent), data_(data) {
    setFixedSize(300, 297);
}

void LayoutView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    drawLayout(p, QRect(0, 40, 300, 217), data_.SchemaIndex, false);
    p.setFont(QFont(QStringLiteral("Arial"), 8));
    const std::string_view label = layoutLabel(data_.SchemaIndex);
    if (!label.empty()) p.drawText(QPoint(6, 16), QStringLiteral("Typ ") + text(label));
}

// ---- Simplified scheme picture ----------------------------------------------------------------

namespace {

// Where the gear sits on its shaft in the sketch of each simplified scheme, as a share of the
// bearing span from the left bearing; beyond 1 it overhangs (ČSN 01 4686 part 4, fig. 1).
constexpr std::array<double, 7> kGearPlace{1.6, 1.35, 0.1, 0.2, 0.3, 0.4, 0.5};

void drawSketch(QPainter& p, const SchemeRegion& r) {
    const QRectF box(r.left + 4, r.top + 14, r.right - r.left - 8, r.bottom - r.top - 18);
    const double place = kGearPlace[static_cast<std::size_t>(r.scheme - 1)];
    // The span fills the box; an overhung gear takes part of it beyond the right bearing.
    const double left = box.left() + 4;
    const double span = (box.width() - 8) / std::max(1.0, place);
    const double y = box.center().y();
    p.setPen(axisPen());
    p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    p.setPen(Qt::black);
    p.drawLine(QPointF(left, y - 1.5), QPointF(left + span * std::max(1.0, place), y - 1.5));
    p.drawLine(QPointF(left, y + 1.5), QPointF(left + span * std::max(1.0, place), y + 1.5));
    for (const double bx : {left, left + span}) {
        const QRectF bearing(bx - 3, y - 5, 6, 10);
        p.drawRect(bearing);
        p.drawLine(bearing.topLeft(), bearing.bottomRight());
        p.drawLine(bearing.bottomLeft(), bearing.topRight());
    }
    const double gx = left + span * place;
    p.setBrush(Qt::lightGray);
    p.drawRect(QRectF(gx - 3, y - box.height() * 0.35, 6, box.height() * 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawText(QPointF(r.left + 4, r.top + 11), QString::number(r.scheme));
}

}  // namespace

SchemePicture::SchemePicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureWidth, kPictureHeight);
    setMouseTracking(true);
}

void SchemePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setFont(QFont(QStringLiteral("Arial"), 8));
    for (const SchemeRegion& r : kSchemeRegions) drawSketch(p, r);
    if (highlighted_) {
        const SchemeRegion& r = kSchemeRegions[static_cast<std::size_t>(*highlighted_)];
        QPen red(Qt::red);
        red.setStyle(Qt::DashDotLine);
        p.setPen(red);
        p.drawRect(QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)));
    }
}

void SchemePicture::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    std::optional<int> under;
    for (std::size_t i = 0; i < kSchemeRegions.size(); ++i) {
        const SchemeRegion& r = kSchemeRegions[i];
        if (pos.x() >= r.left && pos.x() <= r.right && pos.y() >= r.top && pos.y() <= r.bottom) {
            under = static_cast<int>(i);
            break;
        }
    }
    if (under != highlighted_) {
        highlighted_ = under;
        update();
    }
}

void SchemePicture::leaveEvent(QEvent*) {
    if (highlighted_) {
        highlighted_.reset();
        update();
    }
}

void SchemePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (const auto scheme = simplifiedSchemeAt(pos.x(), pos.y()))
        emit schemeClicked(*scheme);
    else
        emit missed();
}

LayoutSchemeChart::LayoutSchemeChart(GearPairData& data, QWidget* parent)
    : QDialog(parent), beep([] { QApplication::beep(); }), data_(data), picture_(new SchemePicture(this)) {
    setObjectName(QStringLiteral("LayoutSchemeChart"));
    setWindowTitle(QStringLiteral("Půdorysné schéma převodu    (ČSN 01 4686 část 4, obr.1)"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(picture_, &SchemePicture::schemeClicked, this, [this](int scheme) {
        pickSimplifiedScheme(data_, scheme);
        accept();
    });
    connect(picture_, &SchemePicture::missed, this, [this] {
        if (beep) beep();
    });
}

}  // namespace soukoli
