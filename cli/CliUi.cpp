// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Messages of the engine on a terminal: a carriage return inside a message becomes a line break.
#include "cli/CliUi.h"

#include <algorithm>

namespace soukoli::cli {

std::string_view dialogName(DialogId id) {
    switch (id) {
        case DialogId::Geometry: return "geometry";
        case DialogId::Dimensions: return "dimensions";
        case DialogId::Coefficients: return "coefficients";
        case DialogId::Loading: return "loading";
        case DialogId::Accuracy: return "accuracy";
        case DialogId::FaceLoad: return "face-load";
    }
    return "unknown";
}

void CliUi::message(std::string_view text, std::string_view caption, MessageIcon) {
    messages_.push_back({std::string(text), std::string(caption)});
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), '\r', '\n');
    err_ << "soukoli-cli: ";
    if (!caption.empty()) err_ << caption << ": ";
    err_ << shown << '\n';
}

bool CliUi::rimWarningContinue(Gear gear) {
    const std::string text = gear == Gear::Pinion ? "Rozměr sr1 je menší než doporučuje norma."
                                                  : "Rozměr sr2 je menší než doporučuje norma.";
    messages_.push_back({text, {}});
    err_ << "soukoli-cli: " << text << (continueOnThinRim_ ? " (Počítej dále)" : " (Oprav vstup)") << '\n';
    return continueOnThinRim_;
}

void CliUi::openDialog(DialogId id, Modality) { dialogs_.emplace_back(dialogName(id)); }

void CliUi::setActiveField(DialogId, int) {}

void CliUi::clear() {
    messages_.clear();
    dialogs_.clear();
}

}  // namespace soukoli::cli
