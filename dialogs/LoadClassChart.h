// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// LoadClassChart: "CHSZ", the chart of the 17 load-spectrum classes beside the CHSZ fields of the
// loading dialog: classes 1-7 over log Φ from -6 to 0, classes 8-17 over -10 to 0.
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>
#include <functional>

namespace soukoli {

/// One of the two charts, painted through an off-screen bitmap of its fixed size.
class CHSZChart : public QWidget {
    Q_OBJECT
public:
    /// Classes `first` … `last` over log Φ from -`span` to 0, grid every `step` units.
    CHSZChart(int first, int last, int span, int step, QWidget* parent);

    static constexpr int kWidth = 285;
    static constexpr int kHeight = 275;

    /// Where each class number is drawn (class first_ + i at index i): near its curve, and clear
    /// of the numbers placed before it.
    [[nodiscard]] QList<QRect> labelRects() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] int plotWidth() const;
    [[nodiscard]] int plotHeight() const;
    [[nodiscard]] int xOf(double logPhi) const;
    [[nodiscard]] int yOf(double ratio) const;
    /// The column where the curve of class `k` reaches the top of the plot (0 when it never does).
    [[nodiscard]] int topColumn(int k) const;
    [[nodiscard]] static QFont labelFont();

    int first_, last_, span_, step_;
};

class LoadClassChart : public QWidget {
    Q_OBJECT
public:
    explicit LoadClassChart(QWidget* parent = nullptr);

    /// Shows the chart; `returnFocus` puts the focus into the CHSZ field that asked for it. The
    /// chart belongs to the window that opened it and closes with it.
    void openFor(std::function<void()> returnFocus);

    CHSZChart* leftChart() const { return left_; }
    CHSZChart* rightChart() const { return right_; }

protected:
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    CHSZChart* left_;
    CHSZChart* right_;
};

}  // namespace soukoli
