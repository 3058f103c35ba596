// Fields with a message per failed rule.
#include "dialogs/RuledFieldDialog.h"

#include "engine/Numbers.h"

namespace soukoli {

void detail::MessageRelay::message(std::string_view text, std::string_view caption, MessageIcon icon) {
    if (pending) {
        const std::string t = std::move(*pending);
        pending.reset();
        target_.message(t, caption, icon);
        return;
    }
    target_.message(text, caption, icon);
}

RuledFieldDialog::RuledFieldDialog(Ui& ui, QWidget* parent) : FieldDialog(relay_, parent), relay_(ui) {}

NumberEdit* RuledFieldDialog::addRuledField(int number, Judge judge) {
    return addField(number, [this, judge = std::move(judge)](double value) {
        relay_.pending.reset();
        std::optional<std::string> rejection = judge(value);
        if (!rejection) return true;
        relay_.pending = std::move(rejection);
        return false;
    });
}

}  // namespace soukoli
