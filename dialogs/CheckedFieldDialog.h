// An input dialog whose fields have rules with messages of their own ("Kola mimo záběr"), whose
// closing buttons refuse while the field being left holds a rejected entry, and whose F1 and
// "&Help" ask for its help topic.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "dialogs/FieldDialog.h"

class QAbstractButton;

namespace soukoli {

class CheckedFieldDialog : public FieldDialog {
    Q_OBJECT
public:
    /// A rule's judgement: rejected with `message`, or with the field's own message when empty.
    struct Verdict {
        bool accepted = true;
        std::string_view message;
    };
    /// Stores the value (also an unreadable entry, as 0) and judges it; `readable` is false when
    /// the text was not a number.
    using Rule = std::function<Verdict(double value, bool readable)>;

    CheckedFieldDialog(Ui& ui, int helpTopic, QWidget* parent = nullptr);

    NumberEdit* addCheckedField(int number, Rule rule, std::string message = "Neplatné zadání");

    /// The numeric field `number`, or nullptr.
    [[nodiscard]] NumberEdit* field(int number) const;

    /// Before the window closes: the field being left must hold an accepted entry. A rejected
    /// one was already reported; an unchecked one is checked now.
    [[nodiscard]] bool fieldsSettled();

    /// Opens this dialog's help topic (F1 does the same through FieldDialog).
    void requestHelp() { emit helpRequested(helpTopic()); }

    /// Makes `button` open the help topic without checking the field being left.
    void makeHelpButton(QAbstractButton* button);

    /// The field that takes the focus when the window opens (0: the first), as the calculation
    /// asked for it.
    std::function<int()> activeField;

protected:
    void showEvent(QShowEvent* event) override;
    /// Escape closes only the windows that allow it (the dimensions window).
    void keyPressEvent(QKeyEvent* event) override;
    void setClosesOnEscape(bool closes) { closesOnEscape_ = closes; }

private:
    std::map<int, NumberEdit*> edits_;
    bool pendingRejection_ = false;
    bool closesOnEscape_ = false;
};

}  // namespace soukoli
