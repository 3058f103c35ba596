// The common ground of the input dialogs: numeric fields that commit on leaving them or on
// Enter, a rejected entry that keeps the focus, and controls whose mouse press must not
// validate the field being left (an option, "&Help", "&Esc").
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <functional>
#include <map>
#include <string>

#include "engine/Ui.h"

class QAbstractButton;

namespace soukoli {

/// A single-line numeric edit that reports when it is left and when Enter is pressed.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

signals:
    void entered();  // the field got the focus
    void left();     // the focus moved to another control of the same window
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class FieldDialog : public QDialog {
    Q_OBJECT
public:
    /// Stores the value in the data set and tells whether it is accepted.
    using Commit = std::function<bool(double value)>;

    FieldDialog(Ui& ui, QWidget* parent = nullptr);

    /// Field `number` (1 ... N) with its commit rule and the message of a rejected entry.
    NumberEdit* addField(int number, Commit commit, std::string message = "Neplatné zadání");

    /// A left-button press on `control` marks this dialog so that leaving a field by that press
    /// (or by what the control's click does) does not validate the field. The control takes no
    /// focus from a click, so the field keeps it unless the click handler moves it.
    void suppressValidationOnPress(QAbstractButton* control);

    /// Runs the validator of a field; false when the entry was rejected.
    bool validateField(int number);

    [[nodiscard]] int currentField() const { return currentField_; }
    [[nodiscard]] bool pressMarked() const { return pressMarked_; }
    void setPressMark(bool marked) { pressMarked_ = marked; }

    /// The dynamic property that ties a control to the dialog whose validation it suppresses.
    static constexpr const char* kSuppressesProperty = "soukoliSuppressesValidation";

protected:
    Ui& ui() { return ui_; }

private:
    struct Field {
        NumberEdit* edit;
        Commit commit;
        std::string message;
    };

    Ui& ui_;
    std::map<int, Field> fields_;
    int currentField_ = 0;
    bool pressMarked_ = false;
    bool validating_ = false;
};

}  // namespace soukoli
