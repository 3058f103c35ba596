// Numeric fields of the input dialogs and the press marks that keep a click on an option or on
// "&Help" from validating the field being left.
#include "dialogs/FieldDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

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

FieldDialog::FieldDialog(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { emit helpRequested(helpTopic()); });
}

NumberEdit* FieldDialog::addField(int number, Commit commit, std::string message) {
    Field f;
    f.commit = std::move(commit);
    f.message = std::move(message);
    return createField(number, std::move(f));
}

NumberEdit* FieldDialog::addValidatedField(int number, Validator validate, std::string message) {
    Field f;
    f.validate = std::move(validate);
    f.message = std::move(message);
    return createField(number, std::move(f));
}

NumberEdit* FieldDialog::createField(int number, Field field) {
    auto* edit = new NumberEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    field.edit = edit;
    fields_[number] = std::move(field);
    connect(edit, &NumberEdit::entered, this, [this, number] { currentField_ = number; });
    connect(edit, &NumberEdit::enterPressed, this, [this] { validateField(currentField_); });
    // Only the field that had the focus is being left: while a rejected entry takes the focus
    // back, the control that was about to get it loses a focus it never had.
    connect(edit, &NumberEdit::left, this, [this, number] {
        if (!pressMarked_ && currentField_ == number) validateField(number);
    });
    return edit;
}

void FieldDialog::suppressValidationOnPress(QAbstractButton* control) {
    control->setFocusPolicy(Qt::TabFocus);
    control->setProperty(kSuppressesProperty, QVariant::fromValue<QObject*>(this));
}

bool FieldDialog::validateField(int number) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return true;
    if (validating_) return true;  // the message box and the focus going back cause no second check
    validating_ = true;
    Field& f = it->second;
    const std::string text = f.edit->text().toStdString();
    Verdict v;
    if (f.validate) {
        v = f.validate(text);
    } else {
        const NumberParse p = parseNumber(text);
        // The value is stored before it is judged, as every field of the program does.
        v.accepted = f.commit(p.value) && p.ok();
        v.parseStatus = p.status;
    }
    parseStatus_ = v.parseStatus;
    if (!v.accepted) {
        ui_.message(v.message.empty() ? f.message : v.message);
        f.edit->setFocus(Qt::OtherFocusReason);
    } else {
        // An accepted entry reads as every shown value does ("25" becomes "25.0").
        showField(number);
        if (const auto next = fields_.find(v.focusField); next != fields_.end())
            next->second.edit->setFocus(Qt::OtherFocusReason);
    }
    validating_ = false;
    emit fieldValidated(number, v.accepted);
    return v.accepted;
}

void FieldDialog::setDisplay(int number, std::function<double()> value, int width, int decimals) {
    const auto it = fields_.find(number);
    if (it == fields_.end()) return;
    it->second.value = std::move(value);
    it->second.width = width;
    it->second.decimals = decimals;
}

void FieldDialog::showField(int number) {
    const auto it = fields_.find(number);
    if (it == fields_.end() || !it->second.value) return;
    const Field& f = it->second;
    f.edit->setText(QString::fromStdString(str(f.value(), f.width, f.decimals)));
}

void FieldDialog::showFields() {
    for (const auto& [number, f] : fields_) showField(number);
}

void FieldDialog::repaintFromData() {
    showFields();
}

NumberEdit* FieldDialog::field(int number) const {
    const auto it = fields_.find(number);
    return it == fields_.end() ? nullptr : it->second.edit;
}

void FieldDialog::setHelpTopic(int topic) {
    helpTopic_ = topic;
}

QPushButton* FieldDialog::addHelpButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    suppressValidationOnPress(button);
    connect(button, &QPushButton::clicked, this, [this] { emit helpRequested(helpTopic()); });
    return button;
}

QPushButton* FieldDialog::addOkButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    // A click leaves the focus in the field, so the entry is checked here once, not also on
    // leaving; reached with Tab, the field was checked when it was left.
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QPushButton::clicked, this, [this] {
        if (fieldHasFocus() && !validateField(currentField_)) return;
        done(1);
    });
    return button;
}

bool FieldDialog::fieldHasFocus() const {
    const QWidget* focus = focusWidget();
    if (!focus) return false;
    for (const auto& [number, f] : fields_)
        if (f.edit == focus && number == currentField_) return true;
    return false;
}

void FieldDialog::showEvent(QShowEvent* event) {
    repaintFromData();
    QDialog::showEvent(event);
}

void FieldDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !validateOnDeactivation_) return;
    // Deactivated by another window of the program while shown; the message boxes of a
    // validation are no new occasion (validating_ stops a second check). The window that is
    // active now is already known when the old one hears of its deactivation.
    if (isActiveWindow() || !isVisible() || currentField_ == 0 || validating_) return;
    const QWidget* now = QApplication::activeWindow();
    if (!now || now->property(kOutsideWindowProperty).toBool()) return;
    validateField(currentField_);
}

void FieldDialog::closeEvent(QCloseEvent* event) {
    if (validateOnClose_ && fieldHasFocus() && !validateField(currentField_)) {
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
