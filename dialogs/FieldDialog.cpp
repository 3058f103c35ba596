// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The field binder: label, edit and unit per row, the entry through the engine, the display after
// it, and the keys and buttons every input window shares.
#include "dialogs/FieldDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocumentFragment>

#include "dialogs/WindowKeys.h"
#include "engine/Numbers.h"

namespace soukoli {

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {}

void NumberEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit entered();
}

void NumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window taking over (a message box, another application) is not leaving the field.
    const Qt::FocusReason r = event->reason();
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) emit left();
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

std::string FieldFormat::show(const GearPairData& g, int number) const {
    if (text) return text(g, number);
    if (!value) return {};
    return picture.empty() ? str(value(g), width, decimals) : formatFloat(picture, value(g));
}

namespace {

// The name a screen reader gives an edit: its label as plain text, without a trailing "=" ("b = "
// names b).
QString accessibleNameOf(const QString& label) {
    QString name = QTextDocumentFragment::fromHtml(label).toPlainText().simplified();
    if (name.endsWith(QLatin1Char('='))) name.chop(1);
    return name.trimmed();
}

}  // namespace

FieldDialog::FieldDialog(GearPairData& data, Ui& ui, QWidget* parent) : QDialog(parent), data_(data), ui_(ui) {
    bindHelpKey(*this, [this] { emit helpRequested(helpTopic()); });
}

NumberEdit* FieldDialog::bindField(const FieldRow& row) {
    const int number = row.id.number;
    Field f{row, new QLabel(QString::fromUtf8(row.label), this), new NumberEdit(this),
            row.unit ? new QLabel(QString::fromUtf8(row.unit), this) : nullptr};
    NumberEdit* edit = f.edit;
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    f.label->setBuddy(edit);
    edit->setAccessibleName(accessibleNameOf(f.label->text()));
    fields_[number] = f;
    connect(edit, &NumberEdit::entered, this, [this, number] { currentField_ = number; });
    connect(edit, &NumberEdit::enterPressed, this, [this] { commitField(currentField_); });
    // Only the field that had the focus is being left: while a refused entry takes the focus
    // back, the control that was about to get it loses a focus it never had.
    connect(edit, &NumberEdit::left, this, [this, number] {
        if (!pressMarked_ && currentField_ == number) commitField(number);
    });
    return edit;
}

void FieldDialog::placeField(QGridLayout* grid, int number, int row, int column) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return;
    grid->addWidget(it->second.label, row, column);
    grid->addWidget(it->second.edit, row, column + 1);
    if (it->second.unit) grid->addWidget(it->second.unit, row, column + 2);
}

NumberEdit* FieldDialog::field(int number) const {
    const auto it = fields_.find(number);
    return it == fields_.end() ? nullptr : it->second.edit;
}

QLabel* FieldDialog::fieldLabel(int number) const {
    const auto it = fields_.find(number);
    return it == fields_.end() ? nullptr : it->second.label;
}

QLabel* FieldDialog::unitLabel(int number) const {
    const auto it = fields_.find(number);
    return it == fields_.end() ? nullptr : it->second.unit;
}

void FieldDialog::setFieldLabel(int number, const QString& text) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return;
    it->second.label->setText(text);
    it->second.edit->setAccessibleName(accessibleNameOf(text));
}

void FieldDialog::setFieldVisible(int number, bool visible) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return;
    for (QWidget* w : {static_cast<QWidget*>(it->second.label), static_cast<QWidget*>(it->second.edit),
                       static_cast<QWidget*>(it->second.unit)})
        if (w) w->setVisible(visible);
}

bool FieldDialog::commitField(int number) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return true;
    if (committing_) return true;  // the message box and the focus going back cause no second entry
    committing_ = true;
    const Field& f = it->second;
    const FieldEntry entry = enterField(data_, f.row.id, entryText(number, f.edit->text()), ui_);
    parseStatus_ = entry.parseStatus;
    if (!entry.accepted()) {
        // The data set is as it was; nothing is rewritten and nobody hears of it.
        ui_.message(entry.message);
        f.edit->setFocus(Qt::OtherFocusReason);
        committing_ = false;
        return false;
    }
    showAccepted(number, entry);
    if (!entry.message.empty()) ui_.message(entry.message);
    if (NumberEdit* next = entry.focusField != 0 ? field(entry.focusField) : nullptr) next->setFocus(Qt::OtherFocusReason);
    committing_ = false;
    emit fieldAccepted(f.row.id, entry);
    return true;
}

void FieldDialog::showAccepted(int number, const FieldEntry&) {
    // An accepted entry reads as every shown value does ("25" becomes "25.0").
    if (repaintOnEntry_)
        repaintFromData();
    else
        showField(number);
}

std::string FieldDialog::entryText(int, const QString& text) const {
    return text.toStdString();
}

void FieldDialog::showField(int number) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return;
    const Field& f = it->second;
    f.edit->setText(QString::fromStdString(f.row.format.show(data_, number)));
}

void FieldDialog::showFields() {
    for (const auto& [number, f] : fields_) showField(number);
}

void FieldDialog::repaintFromData() {
    showFields();
}

QPushButton* FieldDialog::addHelpButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    suppressValidationOnPress(button);
    connect(button, &QPushButton::clicked, this, [this] { emit helpRequested(helpTopic()); });
    return button;
}

QPushButton* FieldDialog::addOkButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    // A click leaves the focus in the field, so the entry is made here once, not also on
    // leaving; reached with Tab, the field was entered when it was left.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, &FieldDialog::okClicked);
    return button;
}

void FieldDialog::okClicked() {
    if (fieldHasFocus() && (okEntersField_ || field(currentField_)->isModified()) && !commitField(currentField_)) return;
    if (!readyToClose()) return;
    done(QDialog::Accepted);
}

void FieldDialog::suppressValidationOnPress(QAbstractButton* control) {
    control->setFocusPolicy(Qt::TabFocus);
    control->setProperty(kSuppressesProperty, QVariant::fromValue<QObject*>(this));
}

bool FieldDialog::fieldHasFocus() const {
    const QWidget* focus = focusWidget();
    if (!focus) return false;
    const auto it = fields_.find(currentField_);
    return it != fields_.end() && it->second.edit == focus;
}

void FieldDialog::showEvent(QShowEvent* event) {
    repaintFromData();
    QDialog::showEvent(event);
    const int number = activeField ? activeField() : 0;
    if (NumberEdit* e = field(number); e && e->isVisibleTo(this) && e->isEnabled()) e->setFocus(Qt::OtherFocusReason);
}

void FieldDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !validateOnDeactivation_) return;
    // Deactivated by another window of the program while shown; the message boxes of an entry
    // are no new occasion. The window that is active now is already known when the old one
    // hears of its deactivation.
    if (isActiveWindow() || !isVisible() || currentField_ == 0 || committing_) return;
    const QWidget* now = QApplication::activeWindow();
    if (!now || now->property(kOutsideWindowProperty).toBool()) return;
    commitField(currentField_);
}

void FieldDialog::closeEvent(QCloseEvent* event) {
    if (validateOnClose_ && fieldHasFocus() && !commitField(currentField_)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void FieldDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !escapeCloses_) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace soukoli
