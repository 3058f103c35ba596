// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The pictures of the layout schemes: the plotting routine that draws a layout into a rectangle,
// the thumbnail grid and the enlarged view of the layout-scheme window, and the scheme picture
// of the simplified calculation (LayoutSchemeChart) whose regions pick a scheme.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <optional>

#include "engine/GearPairData.h"

class QPainter;

namespace soukoli {

/// Draws layout `number` (1 … 10) mapped onto `target`; a thumbnail leaves out the texts and the
/// arrowheads.
void drawLayout(QPainter& painter, const QRect& target, int number, bool thumbnail);

/// The 452 × 522 thumbnail grid: all ten layouts, the chosen one framed in red, the hint and the
/// red ratio warnings. A click in a cell asks for that layout.
class LayoutGrid : public QWidget {
    Q_OBJECT
public:
    explicit LayoutGrid(const GearPairData& data, QWidget* parent = nullptr);

    void setWarnings(bool shaft1, bool shaft2);
    [[nodiscard]] bool warning1() const { return warn1_; }
    [[nodiscard]] bool warning2() const { return warn2_; }

signals:
    void layoutClicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const GearPairData& data_;
    bool warn1_ = false;
    bool warn2_ = false;
};

/// The 300 × 297 enlarged drawing of the chosen layout.
class LayoutView : public QWidget {
    Q_OBJECT
public:
    explicit LayoutView(const GearPairData& data, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GearPairData& data_;
};

/// The fixed 370 × 362 picture of the seven simplified schemes.
class SchemePicture : public QWidget {
    Q_OBJECT
public:
    explicit SchemePicture(QWidget* parent = nullptr);
    [[nodiscard]] std::optional<int> highlighted() const { return highlighted_; }

signals:
    void schemeClicked(int scheme);
    void missed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::optional<int> highlighted_;  // index of the region under the pointer
};

/// "Půdorysné schéma převodu    (ČSN 01 4686 část 4, obr.1)": a click on a scheme sets the scheme
/// number, computes KHbeta and closes with OK; a click beside the schemes beeps; Esc cancels.
class LayoutSchemeChart : public QDialog {
    Q_OBJECT
public:
    LayoutSchemeChart(GearPairData& data, QWidget* parent = nullptr);
    [[nodiscard]] SchemePicture* picture() const { return picture_; }

    /// The beep of a click beside the schemes (tests count them).
    std::function<void()> beep;

private:
    GearPairData& data_;
    SchemePicture* picture_;
};

}  // namespace soukoli
