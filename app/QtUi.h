// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The desktop program's answer to the engine: real message boxes, the rim warning window and the
// input dialogs. Every message box and every modal window of the program is raised here, so a
// test can answer them instead of a person.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>

#include "dialogs/ThinRimWarning.h"
#include "engine/Ui.h"

class QWidget;

namespace soukoli {


class QtUi : public Ui {
public:
    struct Box {
        QString text;     // '\r' already turned into a line break
        QString caption;  // the program's title when the engine gave none
        MessageIcon icon = MessageIcon::None;
    };

    /// Replaces the message box (tests record the boxes here).
    std::function<void(const Box&)> messageHook;
    /// Replaces QDialog::exec for every modal window; returns its result code.
    std::function<int(QDialog&)> modalHook;

    void setParentWindow(QWidget* window) { parent_ = window; }
    /// The rim warning; it carries the caption of the program's message boxes.
    void setRimDialog(ThinRimWarning* dialog);
    /// An input dialog the engine may open; dialogs not registered yet are not opened.
    void registerDialog(DialogId id, QDialog* dialog) { dialogs_[id] = dialog; }
    /// What a dialog does when the engine chooses its active field (enable and focus it there).
    void registerActiveFieldHandler(DialogId id, std::function<void(int field)> handler) {
        activeFieldHandlers_[id] = std::move(handler);
    }

    using Ui::message;
    void message(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool rimWarningContinue(Gear gear) override;
    void openDialog(DialogId id, Modality modality) override;
    void setActiveField(DialogId id, int field) override;

    /// The field that gets the focus the next time `id` opens (0 = none asked for).
    [[nodiscard]] int activeField(DialogId id) const;

    /// Shows `dialog` modally (through the hook when there is one).
    int runModal(QDialog& dialog);

    /// The answers to "Uložit změny?".
    enum class SaveChanges { Save, Discard, Cancel };
    /// Asks "Uložit změny?" with "Uložit", "Neukládat" and "Zrušit" (the box is the modal
    /// window "SaveChangesQuestion"; Esc and closing it cancel).
    SaveChanges askSaveChanges();

    /// The program's title: the caption of a message box without a caption of its own.
    static QString programTitle();

private:
    QPointer<QWidget> parent_;
    QPointer<ThinRimWarning> rim_;
    std::map<DialogId, QPointer<QDialog>> dialogs_;
    std::map<DialogId, int> activeFields_;
    std::map<DialogId, std::function<void(int)>> activeFieldHandlers_;
};

}  // namespace soukoli
