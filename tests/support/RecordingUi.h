// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// A Ui for tests: records every message, dialog request and rim warning, and answers the rim
// warnings from a list prepared by the test (then "Počítej dále").
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "engine/Ui.h"

namespace soukoli::testing {

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const Message&) const = default;
};

struct DialogRequest {
    DialogId id;
    Modality modality;
    bool operator==(const DialogRequest&) const = default;
};

class RecordingUi : public Ui {
public:
    std::vector<Message> messages;
    std::vector<DialogRequest> dialogs;
    std::vector<Gear> rimWarnings;
    std::vector<std::pair<DialogId, int>> activeFields;
    std::deque<bool> rimAnswers;  // true = "Počítej dále", false = "Oprav vstup"

    using Ui::message;
    void message(std::string_view text, std::string_view caption, MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(caption), icon});
    }
    bool rimWarningContinue(Gear gear) override {
        rimWarnings.push_back(gear);
        if (rimAnswers.empty()) return true;
        const bool answer = rimAnswers.front();
        rimAnswers.pop_front();
        return answer;
    }
    void openDialog(DialogId id, Modality modality) override { dialogs.push_back({id, modality}); }
    void setActiveField(DialogId id, int field) override { activeFields.emplace_back(id, field); }

    [[nodiscard]] std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages) out.push_back(m.text);
        return out;
    }
};

}  // namespace soukoli::testing
