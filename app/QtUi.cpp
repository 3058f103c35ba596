// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Message boxes, the rim warning and dialog requests of the desktop program.
#include "app/QtUi.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include "dialogs/ThinRimWarning.h"

namespace soukoli {

QString QtUi::programTitle() {
    return QStringLiteral("Soukolí");
}

void QtUi::message(std::string_view text, std::string_view caption, MessageIcon icon) {
    Box box;
    box.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    box.text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.caption = caption.empty() ? programTitle()
                                  : QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    box.icon = icon;
    if (messageHook) {
        messageHook(box);
        return;
    }
    QMessageBox mb(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon, box.caption,
                   box.text, QMessageBox::Ok, parent_);
    // A short text made the box narrower than its caption, which the title bar then cut to
    // "…": the box is at least as wide as the caption with room for the title-bar buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(mb.layout())) {
        QFont titleFont = mb.font();
        titleFont.setBold(true);
        const int width = QFontMetrics(titleFont).horizontalAdvance(box.caption) + 160;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    runModal(mb);
}

void QtUi::setRimDialog(ThinRimWarning* dialog) {
    rim_ = dialog;
    if (rim_) rim_->setWindowTitle(programTitle());
}

bool QtUi::rimWarningContinue(Gear gear) {
    if (!rim_) return true;
    rim_->prepare(gear);
    return runModal(*rim_) == QDialog::Accepted;
}

void QtUi::openDialog(DialogId id, Modality modality) {
    const auto it = dialogs_.find(id);
    if (it == dialogs_.end() || !it->second) return;
    QDialog& dialog = *it->second;
    if (modality == Modality::Modal) {
        runModal(dialog);
    } else {
        dialog.show();
        dialog.raise();
    }
}

void QtUi::setActiveField(DialogId id, int field) {
    activeFields_[id] = field;
    const auto it = activeFieldHandlers_.find(id);
    if (it != activeFieldHandlers_.end() && it->second) it->second(field);
}

int QtUi::activeField(DialogId id) const {
    const auto it = activeFields_.find(id);
    return it == activeFields_.end() ? 0 : it->second;
}

QtUi::SaveChanges QtUi::askSaveChanges() {
    QMessageBox box(QMessageBox::Question, programTitle(), QStringLiteral("Uložit změny?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setObjectName(QStringLiteral("SaveChangesQuestion"));
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Uložit"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Neukládat"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Zrušit"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (runModal(box)) {
        case QMessageBox::Save: return SaveChanges::Save;
        case QMessageBox::Discard: return SaveChanges::Discard;
        default: return SaveChanges::Cancel;
    }
}

int QtUi::runModal(QDialog& dialog) {
    if (modalHook) return modalHook(dialog);
    return dialog.exec();
}

}  // namespace soukoli
