// Fields with a message per failed rule, and the help key of the input dialogs.
#include "dialogs/RuledFieldDialog.h"

#include <QKeySequence>
#include <QShortcut>

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

RuledFieldDialog::RuledFieldDialog(Ui& ui, QWidget* parent) : FieldDialog(relay_, parent), relay_(ui) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &RuledFieldDialog::requestHelp);
}

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
