// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Drawing of the S-N chart. Stress scale: ky = (H − 30)/(log 1300 + log Nlim1/q1) pixels per
// decade; cycle scale: kx = (W − 15)/2/log Nmid, so that Nmid sits in the middle of the axis.
#include "dialogs/SnCurveWindow.h"

#include <QKeyEvent>
#include <algorithm>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>
#include <cmath>

namespace soukoli {

namespace {

constexpr int W = kWohlerWidth;
constexpr int H = kWohlerHeight;

bool usable(const WohlerCurve& c) {
    for (double v : {c.sigmaLim, c.sigmaMax, c.nLim, c.q, c.sigmaOp, c.nOp})
        if (!(v > 0) || !std::isfinite(v)) return false;
    return true;
}

int rounded(double v) {
    // Far outside the box a point is only clipped; keep it inside int.
    return static_cast<int>(std::lround(std::clamp(v, -1e6, 1e6)));
}

const std::array<QColor, 2> kGearColours{QColor(Qt::blue), QColor(Qt::green)};

// The window's paint box: shows the chart of its window.
class PaintBox : public QWidget {
public:
    explicit PaintBox(const SnCurveWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
        setFixedSize(W, H);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, paintWohler(window_.input(), window_.palette().color(QPalette::Button), devicePixelRatioF()));
    }

private:
    const SnCurveWindow& window_;
};

}  // namespace

WohlerGeometry wohlerGeometry(const WohlerInput& in) {
    WohlerGeometry out;
    const WohlerCurve& pinion = in.gears[0];
    if (!usable(pinion) || !(in.nMid > 1)) return out;
    const double ky = (H - 30) / (std::log10(1300.0) + std::log10(pinion.nLim) / pinion.q);
    const double kx = (W - 15) * 0.5 / std::log10(in.nMid);
    const auto y = [ky](double sigma) { return (H - 15) - rounded(ky * std::log10(sigma)); };
    const auto x = [kx](double n) { return 15 + rounded(kx * std::log10(n)); };

    for (std::size_t i = 0; i < 2; ++i) {
        const WohlerCurve& c = in.gears[i];
        if (!usable(c)) continue;
        // Where the sloped part meets the static level.
        const double nSt = c.nLim * std::pow(c.sigmaLim / c.sigmaMax, c.q);
        if (!(nSt > 0) || !std::isfinite(nSt)) continue;
        WohlerTrace t;
        t.line = {PlotPoint{15, y(c.sigmaMax)}, PlotPoint{x(nSt), y(c.sigmaMax)},
                  PlotPoint{x(c.nLim), y(c.sigmaLim)}, PlotPoint{W - 5, y(c.sigmaLim)}};
        t.operatingPoint = {x(c.nOp), y(c.sigmaOp)};
        out.gears[i] = t;
    }
    return out;
}

QImage paintWohler(const WohlerInput& in, QColor background, qreal pixelRatio) {
    QImage image(QSize(W, H) * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(background);
    QPainter p(&image);

    // Axes with their arrowheads.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(10, H - 15, W - 5, H - 15);
    p.drawLine(W - 5, H - 15, W - 13, H - 18);
    p.drawLine(W - 5, H - 15, W - 13, H - 12);
    p.drawLine(15, H - 10, 15, 5);
    p.drawLine(15, 5, 12, 13);
    p.drawLine(15, 5, 18, 13);

    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(11);
    p.setFont(courier);
    // Unclipped: a cell of the line height cut the tail of the "g" (it read as "q").
    const auto text = [&p](int x, int y, const QString& s) {
        p.drawText(QRect(x, y, 60, 14), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    };
    text(W - 50, H - 14, QStringLiteral("log N"));
    text(5, 4, QStringLiteral("l"));
    text(5, 15, QStringLiteral("o"));
    text(5, 26, QStringLiteral("g"));
    text(6, 44, QStringLiteral("σ"));

    p.setRenderHint(QPainter::Antialiasing, false);
    const WohlerGeometry g = wohlerGeometry(in);
    for (std::size_t i = 0; i < 2; ++i) {
        if (!g.gears[i]) continue;
        const WohlerTrace& t = *g.gears[i];
        p.setPen(QPen(kGearColours[i], 2));
        for (std::size_t k = 0; k + 1 < t.line.size(); ++k)
            p.drawLine(t.line[k].x, t.line[k].y, t.line[k + 1].x, t.line[k + 1].y);
        p.setBrush(background);
        p.drawEllipse(QPoint(t.operatingPoint.x, t.operatingPoint.y), 3, 3);
        p.setBrush(Qt::NoBrush);
    }
    return image;
}

SnCurveWindow::SnCurveWindow(const GearPairData& data, QWidget* parent)
    : QDialog(parent), data_(data) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(new PaintBox(*this, this));
    setFixedSize(sizeHint());
}

QImage SnCurveWindow::chart() const {
    return paintWohler(input(), palette().color(QPalette::Button));
}

void SnCurveWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

}  // namespace soukoli
