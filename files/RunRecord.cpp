// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The run record: the project bytes at the start of the last calculation.
#include "files/RunRecord.h"

#include "engine/Driver.h"
#include "files/ProjectFile.h"

namespace soukoli::files {

namespace {

// Every stored input as bytes; nothing for a project that cannot be stored, whose results can
// then never be shown to be current.
std::optional<std::string> inputsOf(const GearPairData& data) {
    EncodedText text = writeString(data);
    if (!text.ok()) return std::nullopt;
    return std::move(text.bytes);
}

}  // namespace

void RunRecord::calculate(GearPairData& data, Ui& ui) {
    std::optional<std::string> inputs = inputsOf(data);
    runCalculation(data, ui);
    inputs_ = std::move(inputs);
}

bool RunRecord::current(const GearPairData& data) const {
    if (!inputs_ || data.lastRun == RunEnd::NotRun) return false;
    const auto now = inputsOf(data);
    return now && *now == *inputs_;
}

bool RunRecord::makeCurrent(GearPairData& data, Ui& ui) {
    if (current(data)) return false;
    calculate(data, ui);
    return true;
}

}  // namespace soukoli::files
