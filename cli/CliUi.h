// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The user of soukoli-cli: messages go to stderr as they arise and are kept for the JSON
// output; the thin-rim warning is answered as the command line says; dialogs cannot open, so a
// request for one is only recorded.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/Ui.h"

namespace soukoli::cli {

std::string_view dialogName(DialogId id);

class CliUi : public Ui {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    CliUi(std::ostream& err, bool continueOnThinRim) : err_(err), continueOnThinRim_(continueOnThinRim) {}

    using Ui::message;
    void message(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool rimWarningContinue(Gear gear) override;
    void openDialog(DialogId id, Modality modality) override;
    void setActiveField(DialogId id, int field) override;

    [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }
    [[nodiscard]] const std::vector<std::string>& dialogs() const { return dialogs_; }
    void clear();

private:
    std::ostream& err_;
    bool continueOnThinRim_;
    std::vector<Message> messages_;
    std::vector<std::string> dialogs_;
};

}  // namespace soukoli::cli
