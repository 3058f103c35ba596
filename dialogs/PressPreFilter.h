// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The application-wide pre-filter of mouse presses: a left-button press on a control tied to an
// input dialog marks that dialog before the press does anything else, and the mark is cleared
// once the click has been handled.
#pragma once

#include <QObject>

namespace soukoli {

class PressPreFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Installs the filter on the running application.
    void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace soukoli
