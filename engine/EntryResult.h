// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The answer of every entry rule of the input windows: accepted or refused, the message, the
// field to focus and what the entry ran besides storing its value. Each window's rule answers in
// this shape, and enterField (FieldEntry.h) hands it on unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace soukoli {

enum class EntryOutcome {
    Accepted,   // stored and everything that follows from it recomputed
    Rejected,   // refused with `message`; nothing that depends on the field was recomputed
    Unchanged,  // a centre distance within 0.0009 mm of the current one: nothing happens
    Reset,      // a centre distance of 0 (or an emptied field): back to the zero-shift pair
};

/// The lookups of the accuracy values (ČSN 01 4682) that an accepted entry makes due.
struct AccuracyLookups {
    bool pinionPitch = false;
    bool wheelPitch = false;
    bool pinionAlignment = false;
    bool wheelAlignment = false;

    [[nodiscard]] bool any() const { return pinionPitch || wheelPitch || pinionAlignment || wheelAlignment; }
    bool operator==(const AccuracyLookups&) const = default;
};

/// What an accepted entry ran besides storing its own value. A window's rule reports the
/// lookups and body recomputation it makes due; enterField runs them.
struct FieldEffects {
    AccuracyLookups lookups;  // limiting deviations looked up again
    bool bodies = false;      // masses, inertia, stiffness and nE1 recomputed (full calculation)

    bool operator==(const FieldEffects&) const = default;
};

/// The message of a refused entry when its rule has none of its own.
inline constexpr std::string_view kRefusedEntry = "Neplatné zadání";

/// The answer to one entry. Refused: `message` is the text to show (through enterField the data
/// set is as it was before the entry). Accepted: `message` is a warning to show beside the
/// accepted value (mostly empty).
struct FieldEntry {
    EntryOutcome outcome = EntryOutcome::Accepted;
    std::string message;
    std::int32_t parseStatus = 0;  // 0, the position of the unreadable character, or 1 for a
                                   // number refused by a rule between fields
    int focusField = 0;            // the field of the same window that takes the focus next
                                   // (0: the entered one keeps it)
    FieldEffects effects;

    [[nodiscard]] bool accepted() const { return outcome != EntryOutcome::Rejected; }
};

/// A refused entry with its message (the general one when the rule has none).
[[nodiscard]] inline FieldEntry refusedEntry(std::string_view message = kRefusedEntry, std::int32_t parseStatus = 0) {
    FieldEntry e;
    e.outcome = EntryOutcome::Rejected;
    e.message = message.empty() ? std::string(kRefusedEntry) : std::string(message);
    e.parseStatus = parseStatus;
    return e;
}

/// An accepted entry, with the warning that goes with it if any.
[[nodiscard]] inline FieldEntry acceptedEntry(std::string_view warning = {}) {
    FieldEntry e;
    e.message = std::string(warning);
    return e;
}

}  // namespace soukoli
