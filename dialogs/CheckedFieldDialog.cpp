// Field rules with their own messages, the closing guard and the help key of the input dialogs.
#include "dialogs/CheckedFieldDialog.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include "engine/Numbers.h"

namespace soukoli {

CheckedFieldDialog::CheckedFieldDialog(Ui& ui, int helpTopic, QWidget* parent)
    : FieldDialog(ui, parent) {
    setHelpTopic(helpTopic);
}

NumberEdit* CheckedFieldDialog::addCheckedField(int number, Rule rule, std::string message) {
    NumberEdit* edit = addField(
        number,
        [this, number, rule = std::move(rule)](double value) {
            NumberEdit* e = edits_.at(number);
            const bool readable = parseNumber(e->text().toStdString()).ok();
            const Verdict verdict = rule(value, readable);
            pendingRejection_ = !(verdict.accepted && readable);
            if (!pendingRejection_ || verdict.message.empty()) return verdict.accepted;
            // A message of the rule's own: shown here, and the entry counts as handled.
            ui().message(verdict.message);
            e->setFocus(Qt::OtherFocusReason);
            return true;
        },
        std::move(message));
    edits_[number] = edit;
    return edit;
}

NumberEdit* CheckedFieldDialog::field(int number) const {
    const auto it = edits_.find(number);
    return it == edits_.end() ? nullptr : it->second;
}

bool CheckedFieldDialog::fieldsSettled() {
    const auto it = edits_.find(currentField());
    // A field that was left was accepted: a rejection takes the focus back.
    if (it == edits_.end() || !it->second->hasFocus()) return true;
    if (pendingRejection_) return false;
    return validateField(currentField()) && !pendingRejection_;
}

void CheckedFieldDialog::showEvent(QShowEvent* event) {
    FieldDialog::showEvent(event);
    const int number = activeField ? activeField() : 0;
    if (NumberEdit* e = field(number); e && e->isVisible() && e->isEnabled()) e->setFocus(Qt::OtherFocusReason);
}

void CheckedFieldDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !closesOnEscape_) {
        event->accept();
        return;
    }
    FieldDialog::keyPressEvent(event);
}

void CheckedFieldDialog::makeHelpButton(QAbstractButton* button) {
    suppressValidationOnPress(button);
    connect(button, &QAbstractButton::clicked, this, [this] { requestHelp(); });
}

}  // namespace soukoli
