// The common ground of the input dialogs: numeric fields that commit on leaving them or on
// Enter, a rejected entry that keeps the focus and repeats its message, fields shown as
// str(x:w:d) and rewritten from the data set, F1 and "&Help" with the dialog's help topic, and
// controls whose mouse press must not validate the field being left (an option, "&Help", "&Esc").
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "engine/Ui.h"

class QAbstractButton;
class QPushButton;

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

    /// What a validator that reads the text itself decided.
    struct Verdict {
        bool accepted = true;
        std::string message;           // shown when refused; empty: the field's own message
        std::int32_t parseStatus = 0;  // 0, the position of the unreadable character, or 1
        int focusField = 0;            // the field that takes the focus afterwards (0: no move)
    };
    using Validator = std::function<Verdict(const std::string& text)>;

    FieldDialog(Ui& ui, QWidget* parent = nullptr);

    /// Field `number` (1 ... N) with its commit rule and the message of a rejected entry.
    NumberEdit* addField(int number, Commit commit, std::string message = "Neplatné zadání");

    /// Field `number` whose validator reads the text itself (a rule that depends on more than
    /// the number: an emptied field that means something, a message that names a limit).
    NumberEdit* addValidatedField(int number, Validator validate, std::string message = "Neplatné zadání");

    /// The quantity field `number` shows, written as str(value():width:decimals).
    void setDisplay(int number, std::function<double()> value, int width, int decimals);
    /// Rewrites one field, or every field with a display, from the data set.
    void showField(int number);
    void showFields();
    /// The repaint of the dialog: every field (and whatever else a dialog shows) from the data
    /// set. Runs when the dialog is shown; other windows call it after changing the data.
    virtual void repaintFromData();

    [[nodiscard]] NumberEdit* field(int number) const;

    /// F1 asks for help topic `topic` (through helpRequested).
    void setHelpTopic(int topic);
    /// The topic F1 and "&Help" open; a dialog whose topic depends on its state overrides it.
    [[nodiscard]] virtual int helpTopic() const { return helpTopic_; }
    /// A "&Help" button for the dialog's topic; its press does not validate the field.
    QPushButton* addHelpButton(const QString& text = QStringLiteral("&Help"));
    /// An "&OK" button: it checks the field that has the focus and closes the dialog (result
    /// 1) only when that entry is accepted, so no rejected entry is left behind.
    QPushButton* addOkButton(const QString& text = QStringLiteral("&OK"));

    /// Another window of the program becoming active runs the validator of the current field
    /// (another application or an outside window such as the help viewer does not).
    void setValidateOnDeactivation(bool on) { validateOnDeactivation_ = on; }
    /// Closing the window keeps it open while the field with the focus holds a rejected entry.
    void setValidateOnClose(bool on) { validateOnClose_ = on; }
    /// Escape closes the window (as a QDialog does); dialogs without an Escape key switch it off.
    void setEscapeCloses(bool on) { escapeCloses_ = on; }

    /// A left-button press on `control` marks this dialog so that leaving a field by that press
    /// (or by what the control's click does) does not validate the field. The control takes no
    /// focus from a click, so the field keeps it unless the click handler moves it.
    void suppressValidationOnPress(QAbstractButton* control);

    /// Runs the validator of a field; false when the entry was rejected.
    bool validateField(int number);

    [[nodiscard]] int currentField() const { return currentField_; }
    /// The result of the last validation's number conversion (1 for a rule between fields).
    [[nodiscard]] std::int32_t parseStatus() const { return parseStatus_; }
    [[nodiscard]] bool pressMarked() const { return pressMarked_; }
    void setPressMark(bool marked) { pressMarked_ = marked; }

    /// The dynamic property that ties a control to the dialog whose validation it suppresses.
    static constexpr const char* kSuppressesProperty = "soukoliSuppressesValidation";
    /// A window with this property set (the help viewer) stands for another program: becoming
    /// active, it is no deactivation that validates a field.
    static constexpr const char* kOutsideWindowProperty = "soukoliOutsideWindow";

signals:
    void helpRequested(int topic);
    /// After every validator, accepted or not.
    void fieldValidated(int number, bool accepted);

protected:
    Ui& ui() { return ui_; }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Field {
        NumberEdit* edit;
        Commit commit;
        Validator validate;
        std::string message;
        std::function<double()> value;
        int width = 0;
        int decimals = 0;
    };

    NumberEdit* createField(int number, Field field);
    [[nodiscard]] bool fieldHasFocus() const;

    Ui& ui_;
    std::map<int, Field> fields_;
    int currentField_ = 0;
    std::int32_t parseStatus_ = 0;
    int helpTopic_ = 0;
    bool pressMarked_ = false;
    bool validating_ = false;
    bool validateOnDeactivation_ = false;
    bool validateOnClose_ = false;
    bool escapeCloses_ = true;
};

}  // namespace soukoli
