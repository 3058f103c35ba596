// Input dialogs whose fields reject an entry with the message of the rule that failed (a range,
// an order of steps, a limit named in the text), and whose help topic follows their state. Built
// on FieldDialog: the message of the failed rule replaces the field's own in the box it shows.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "dialogs/FieldDialog.h"

namespace soukoli {

namespace detail {

/// Passes everything on to the program's Ui; a message box shows the pending text instead of
/// the one asked for when a rule has left one.
class MessageRelay : public Ui {
public:
    explicit MessageRelay(Ui& target) : target_(target) {}

    std::optional<std::string> pending;

    using Ui::message;
    void message(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool rimWarningContinue(Gear gear) override { return target_.rimWarningContinue(gear); }
    void openDialog(DialogId id, Modality modality) override { target_.openDialog(id, modality); }
    void setActiveField(DialogId id, int field) override { target_.setActiveField(id, field); }

private:
    Ui& target_;
};

}  // namespace detail

class RuledFieldDialog : public FieldDialog {
    Q_OBJECT
public:
    /// Stores the value and gives the rejection message, or nothing when it is accepted.
    using Judge = std::function<std::optional<std::string>(double value)>;

    explicit RuledFieldDialog(Ui& ui, QWidget* parent = nullptr);

    /// Field `number` judged by `judge`; a text that is no number is judged as 0.
    NumberEdit* addRuledField(int number, Judge judge);

    /// The help topic of the dialog as it is now (F1 and "&Help").
    [[nodiscard]] int helpTopic() const override = 0;

protected:
    /// F1 and "&Help".
    void requestHelp() { emit helpRequested(helpTopic()); }

private:
    // Bound before it is built: FieldDialog only keeps the reference while constructing.
    detail::MessageRelay relay_;
};

}  // namespace soukoli
