// Numeric fields of the input dialogs and the press marks that keep a click on an option or on
// "&Help" from validating the field being left.
#include "dialogs/FieldDialog.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>

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

FieldDialog::FieldDialog(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {}

NumberEdit* FieldDialog::addField(int number, Commit commit, std::string message) {
    auto* edit = new NumberEdit(this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    fields_[number] = Field{edit, std::move(commit), std::move(message)};
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
    const NumberParse p = parseNumber(f.edit->text().toStdString());
    // The value is stored before it is judged, as every field of the program does.
    const bool accepted = f.commit(p.value) && p.ok();
    if (!accepted) {
        ui_.message(f.message);
        f.edit->setFocus(Qt::OtherFocusReason);
    }
    validating_ = false;
    return accepted;
}

}  // namespace soukoli
