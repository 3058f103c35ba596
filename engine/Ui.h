// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The engine's only way to talk to the user: messages, the rim-warning question and requests to
// open an input dialog. The desktop program answers with real windows, the CLI with stderr and
// defaults, the tests with a recorder.
#pragma once

#include <string_view>

namespace soukoli {

/// Input dialogs the engine may ask for when a run stops on bad input.
enum class DialogId {
    Geometry,      // "Geometrie ozubení"
    Dimensions,    // "Zadání rozměrů ozubených kol a souvisejících údajů"
    Coefficients,  // "Ostatní součinitelé a vstupy"
    Loading,       // "Zatěžující údaje"
    Accuracy,      // "Stupně přesnosti a úchylky kol"
    FaceLoad,      // "Stanovení součinitele KHß"
};

enum class Modality { Modal, Modeless };

/// The icon of a message box; most messages have none.
enum class MessageIcon { None, Error };

/// Which gear a rim warning concerns.
enum class Gear { Pinion = 1, Wheel = 2 };

inline constexpr std::string_view kErrorCaption = "  Chyba !";

class Ui {
public:
    virtual ~Ui() = default;

    /// A message box with an OK button. Texts are UTF-8; '\r' is a line break. An empty caption
    /// means the program's own title.
    virtual void message(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    void message(std::string_view text, std::string_view caption = {}) {
        message(text, caption, MessageIcon::None);
    }

    /// The thin-rim warning with the line of one gear: true for "Počítej dále", false for
    /// "Oprav vstup".
    virtual bool rimWarningContinue(Gear gear) = 0;

    /// Shows an input dialog so the user can correct the entry that stopped the run.
    virtual void openDialog(DialogId id, Modality modality) = 0;

    /// The field that gets the focus the next time the dialog opens.
    virtual void setActiveField(DialogId id, int field) = 0;
};

}  // namespace soukoli
