// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A press reaches the application's filters after Qt has given the focus to the clicked widget.
// The controls that suppress validation take no focus from a click (FieldDialog sees to that),
// so when the press arrives here the field still has the focus and the mark comes in time for
// any focus change the control's click handler makes. The mark is lifted after the release has
// been delivered, i.e. after the click handler ran.
#include "dialogs/PressPreFilter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

#include "dialogs/FieldDialog.h"

namespace soukoli {

namespace {

FieldDialog* suppressedDialog(QObject* watched) {
    if (!watched->isWidgetType()) return nullptr;
    const QVariant v = watched->property(FieldDialog::kSuppressesProperty);
    return v.isValid() ? qobject_cast<FieldDialog*>(v.value<QObject*>()) : nullptr;
}

}  // namespace

void PressPreFilter::install() {
    qApp->installEventFilter(this);
}

bool PressPreFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick && t != QEvent::MouseButtonRelease)
        return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
    FieldDialog* dialog = suppressedDialog(watched);
    if (!dialog) return false;
    if (t == QEvent::MouseButtonRelease) {
        QPointer<FieldDialog> guarded(dialog);
        QMetaObject::invokeMethod(
            this, [guarded] { if (guarded) guarded->setPressMark(false); }, Qt::QueuedConnection);
    } else {
        dialog->setPressMark(true);
    }
    return false;
}

}  // namespace soukoli
