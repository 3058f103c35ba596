// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// YtTable: the table of recommended values of the production-technology factor YT (full
// calculation) or of the roughness factor ZR (simplified calculation), opened beside fields 5
// and 6 of the coefficients dialog. It changes no data.
#pragma once

#include <QDialog>

#include "engine/GearPairData.h"

class QWidget;

namespace soukoli {

class CoefficientsDialog;

class YtTable : public QDialog {
    Q_OBJECT
public:
    YtTable(const GearPairData& data, CoefficientsDialog& coefficients, QWidget* parent = nullptr);

    /// Shows the table (not modally) for field `field` of the coefficients dialog.
    void openFor(int field);
    [[nodiscard]] QWidget* ytPart() const { return yt_; }
    [[nodiscard]] QWidget* zrPart() const { return zr_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const GearPairData& data_;
    CoefficientsDialog& coefficients_;
    QWidget* yt_;
    QWidget* zr_;
    int field_ = 5;
};

}  // namespace soukoli
