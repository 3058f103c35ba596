// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The small reference windows beside the input fields: not modal, they change no data; Escape
// closes them and any key gives the focus back to the field whose "Help" button opened them.
#pragma once

#include <QWidget>
#include <functional>

namespace soukoli {

class HelpTable : public QWidget {
    Q_OBJECT
public:
    HelpTable(const QString& caption, QWidget* parent);

    /// Shows the window; `returnFocus` puts the focus back into the field it belongs to.
    void openFor(std::function<void()> returnFocus);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> returnFocus_;
};

}  // namespace soukoli
