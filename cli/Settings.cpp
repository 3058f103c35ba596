// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Settings of soukoli-cli, typed into the input windows in the order given. Consecutive settings
// of one window are one showing of it: it opens, takes each entry by its own rule (a refused
// entry is an error with the window's message) and closes with its "Ok", whose check may refuse
// too. Options go through the window's handler for its radio button or check box. Names that no
// window shows are written as they are (their range checked).
#include "cli/Settings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/BodyDimensions.h"
#include "engine/FaceLoadInput.h"
#include "engine/FieldEntry.h"
#include "engine/FieldNames.h"
#include "engine/FieldTable.h"
#include "engine/LoadLevelsInput.h"
#include "engine/LoadingInput.h"
#include "engine/Numbers.h"
#include "engine/Tabs.h"
#include "engine/ToothRootFactors.h"
#include "engine/WindowSessions.h"
#include "files/Cp1250.h"
#include "files/PostLoad.h"

namespace soukoli::cli {

namespace {

constexpr std::size_t kMaxText = 255;
constexpr int kLayouts = 10;
constexpr int kSimplifiedSchemes = 7;

std::string printedName(std::string_view name) {
    constexpr std::string_view star = "_star";
    if (name.size() > star.size() && name.ends_with(star))
        return std::string(name.substr(0, name.size() - star.size())) + "*";
    return std::string(name);
}

// The caption of a window, as the user knows it.
std::string_view caption(InputWindow w) {
    switch (w) {
        case InputWindow::Geometry: return "Geometrie ozubení";
        case InputWindow::Dimensions: return "Zadání rozměrů ozubených kol a souvisejících údajů";
        case InputWindow::Accuracy: return "Stupně přesnosti a úchylky kol";
        case InputWindow::Loading: return "Zatěžující údaje";
        case InputWindow::LoadLevels: return "Popis spektra - hladinová metoda podle ČSN 01 4686";
        case InputWindow::Materials: return "Zadání materiálových konstant";
        case InputWindow::FaceLoad: return "Stanovení součinitele KHß";
        case InputWindow::Layout: return "Volba půdorysného schématu pro výpočet KHbeta";
        case InputWindow::Coefficients: return "Ostatní součinitelé a vstupy";
    }
    return {};
}

bool readFlag(std::string_view text, bool& out) {
    if (text == "1" || text == "true") return out = true, true;
    if (text == "0" || text == "false") return out = false, true;
    return false;
}

// The windows open at the moment: one shown from the main window, and possibly the window it
// opened (the load spectrum over the loading window, the layouts over the face-load window).
class Sessions {
public:
    Sessions(GearPairData& g, Ui& ui, std::string& error, std::vector<InputWindow>& open)
        : g_(g), ui_(ui), error_(error), open_(open) {}

    // Brings `w` to the front: closes with "Ok" what is not on its way, opens what is missing.
    bool show(InputWindow w) {
        const InputWindow parent = parentWindow(w);
        while (!open_.empty() && open_.back() != w && !(parent != w && open_.back() == parent))
            if (!confirmFront()) return false;
        if (!open_.empty() && open_.back() == w) return true;
        if (parent != w && open_.empty()) push(parent);
        push(w);
        return true;
    }

    bool closeAll() {
        while (!open_.empty())
            if (!confirmFront()) return false;
        return true;
    }

private:
    void push(InputWindow w) {
        openWindow(g_, w, ui_);
        open_.push_back(w);
    }

    bool confirmFront() {
        const FieldEntry e = confirmWindow(g_, open_.back(), ui_);
        if (!e.accepted()) {
            // Appended piece by piece: "literal" + std::string trips GCC 12's -Wrestrict at -O3.
            error_.assign(1, '"').append(caption(open_.back())).append("\" refuses Ok: ").append(e.message);
            return false;
        }
        open_.pop_back();
        return true;
    }

    GearPairData& g_;
    Ui& ui_;
    std::string& error_;
    std::vector<InputWindow>& open_;
};

// A value typed into field `id`. The angles of the geometry take degrees with the suffix "deg"
// (what the window reads), otherwise radians (what the data set holds).
bool enterSetting(GearPairData& g, FieldId id, const std::string& name, std::string_view value, Ui& ui,
                  std::string& error) {
    FieldEntry e;
    if (name == "Alfan" || name == "Beta") {
        if (value.ends_with("deg")) {
            value.remove_suffix(3);
            e = enterField(g, id, value, ui);
        } else {
            const NumberParse number = parseNumber(value);
            if (!number.ok() || !std::isfinite(number.value))
                return error = "unreadable value for " + name + " (position " + std::to_string(number.status) + ")", false;
            e = enterFieldValue(g, id, number.value, ui);
        }
    } else {
        e = enterField(g, id, value, ui);
    }
    if (!e.accepted()) return error = name + ": " + e.message, false;
    if (!e.message.empty()) ui.message(e.message);  // a warning beside an accepted value
    return true;
}

bool readOptionFlag(const std::string& name, std::string_view value, bool& flag, std::string& error) {
    if (!readFlag(value, flag)) return error = name + " is a flag: 0, 1, true or false", false;
    return true;
}

// One value of an either/or option: only choosing it (1) is a click.
bool readChoice(const std::string& name, std::string_view value, std::string& error) {
    bool flag = false;
    if (!readOptionFlag(name, value, flag, error)) return false;
    if (!flag) return error = name + " is one of a choice: set another of its flags to 1 instead", false;
    return true;
}

bool setText(GearPairData& g, const std::string& name, const std::string& value, std::string& error) {
    // What the project file can hold.
    const auto encoded = files::toCp1250(value);
    if (!encoded || encoded->size() > kMaxText || encoded->find_first_of("\r\n") != std::string::npos)
        return error = name + " must be one line of at most 255 Windows-1250 characters", false;
    (name == "Material1" ? g.Material1 : g.Material2) = value;
    return true;
}

bool chooseLayout(GearPairData& g, std::string_view label, std::string& error) {
    if (g.Zjednoduseny) {
        const auto n = schemeNumberOfText(label);
        if (!n || *n < 1 || *n > kSimplifiedSchemes)
            return error = "Schema is a scheme 1 ... 7 in the simplified calculation", false;
        pickSimplifiedScheme(g, *n);
        return true;
    }
    for (int n = 1; n <= kLayouts; ++n)
        if (layoutLabel(n) == label) return selectLayout(g, n), true;
    return error = "Schema is one of 1, 1a, 2, 2a, 3, 4, 5, 6, 7, 8", false;
}

KHbetaSource sourceOf(const std::string& name) {
    if (name == "KHbetaZbcal") return KHbetaSource::FromBcal;
    if (name == "KHbetaZeSchematu") return KHbetaSource::FromScheme;
    return KHbetaSource::Entered;
}

Standard standardOf(const std::string& name) {
    if (name == "StandardDIN_B") return Standard::DIN_B;
    if (name == "StandardDIN_C") return Standard::DIN_C;
    return Standard::CSN;
}

LevelsForm formOf(const std::string& name) {
    if (name == "SpektrumPomer1j") return LevelsForm::RatioF1Fj;
    if (name == "SpektrumPomerj1") return LevelsForm::RatioFjF1;
    if (name == "SpektrumPomerjmin") return LevelsForm::RatioFjFmin;
    return LevelsForm::Absolute;
}

// An option of window `w` clicked as the setting says; a click that would change nothing is
// not made (the windows' handlers ignore it too).
bool setOption(GearPairData& g, InputWindow w, const std::string& name, const std::string& value, Sessions& sessions,
               std::string& error) {
    bool flag = false;
    if (name == "MetodaVypoctu") {
        if (value != "A" && value != "B") return error = "MetodaVypoctu is A or B", false;
        if (value == "B" && g.Zjednoduseny) return error = "MetodaVypoctu=B needs the full calculation (--full)", false;
        if ((g.MetodaVypoctu == 'B') != (value == "B")) (value == "B" ? chooseEquivalentMethod : chooseStaticMethod)(g);
    } else if (name == "ZadaniSil") {
        const NumberParse n = parseNumber(value);
        if (!n.ok() || (n.value != kLoadsFromLevels && n.value != kLoadsFromClasses && n.value != kLoadsEntered))
            return error = "ZadaniSil is 1 (spectrum), 2 (classes) or 3 (entered loads)", false;
        if (g.ZadaniSil != n.value)
            (n.value == kLoadsFromLevels ? chooseLevelsInput : n.value == kLoadsFromClasses ? chooseClassInput : chooseDirectInput)(g);
    } else if (name == "SilyF") {
        if (!readOptionFlag(name, value, flag, error)) return false;
        if (flag != g.SilyF) (flag ? chooseForces : chooseTorques)(g);
    } else if (name == "NKvCyklech") {
        if (!readOptionFlag(name, value, flag, error)) return false;
        if (flag == g.NKvCyklech) return true;
        (flag ? chooseCycles : chooseHours)(g);
        if (w == InputWindow::LoadLevels) clearLevels(g);  // the spectrum window starts a new table
    } else if (name == "SpektrumNAbs") {
        if (!readOptionFlag(name, value, flag, error)) return false;
        if (flag == g.SpektrumNAbs) return true;
        g.SpektrumNAbs = flag;
        clearLevels(g);
    } else if (name.rfind("Spektrum", 0) == 0) {
        if (!readChoice(name, value, error)) return false;
        if (g.levelsForm != formOf(name)) chooseLevelsForm(g, formOf(name));
    } else if (name.rfind("KHbeta", 0) == 0) {
        if (!readOptionFlag(name, value, flag, error)) return false;
        const KHbetaSource option = sourceOf(name);
        if (flag == (g.KHbetaFrom == option)) return true;
        faceLoadOptionClicked(g, option, flag);
        // Ticking the scheme opens the layout window in the full calculation.
        if (flag && option == KHbetaSource::FromScheme && !g.Zjednoduseny) return sessions.show(InputWindow::Layout);
    } else if (name == "Schema") {
        return chooseLayout(g, value, error);
    } else if (name.rfind("Standard", 0) == 0) {
        if (!readChoice(name, value, error)) return false;
        if (g.standard != standardOf(name)) chooseStandard(g, standardOf(name));
    } else if (name == "PlnyPastorek" || name == "PlneKolo") {
        if (!readOptionFlag(name, value, flag, error)) return false;
        const Gear gear = name == "PlnyPastorek" ? Gear::Pinion : Gear::Wheel;
        if (flag != (gear == Gear::Pinion ? g.PlnyPastorek : g.PlneKolo)) setSolidGear(g, gear, flag);
    } else if (name == "TetaGiven" || name == "CgamaGiven") {
        if (!readOptionFlag(name, value, flag, error)) return false;
        (name == "TetaGiven" ? g.TetaGiven : g.CgamaGiven) = flag;
    } else if (name == "Material1" || name == "Material2") {
        return setText(g, name, value, error);
    } else {
        // Zpracovani1, Zpracovani2: the heat treatment chosen from the window's list.
        const NumberParse n = parseNumber(value);
        if (!n.ok() || !writeField(g, *findNumericField(name), n.value)) return error = name + " takes a whole number in its range", false;
    }
    return true;
}

// A name that no window shows: written as it is, within the range of its field.
bool writeRaw(GearPairData& g, const NumericField& field, const std::string& name, std::string_view value,
              std::string& error) {
    if (isFlag(field)) {
        bool flag = false;
        if (!readFlag(value, flag)) return error = name + " is a flag: 0, 1, true or false", false;
        if (!writeField(g, field, flag ? 1 : 0))
            return error = name + " is one of a choice: set another of its flags to 1 instead", false;
        return true;
    }
    const NumberParse number = parseNumber(value);
    if (!number.ok() || !std::isfinite(number.value))
        return error = "unreadable value for " + name + " (position " + std::to_string(number.status) + ")", false;
    if (!writeField(g, field, number.value))
        return error = name == "TypSoukoli" ? std::string("TypSoukoli is 1 or 2") : name + " takes a whole number in its range",
               false;
    return true;
}

bool applyOne(GearPairData& g, const Setting& s, Sessions& sessions, Ui& ui, std::string& error) {
    const std::string name = printedName(s.name);
    std::size_t step = 0;
    if (levelStepOfName(name, step) && step == 0) return error = name + ": the steps of a spectrum are numbered 1 to 20", false;
    const NamedInput input = findNamedInput(g, name);
    switch (input.kind) {
        case NameKind::NotShown:
            return error = name + ": \"" + std::string(caption(input.input.window)) + "\" shows it only with " + input.needs,
                   false;
        case NameKind::Field:
            if (!sessions.show(input.input.window)) return false;
            if (!enterSetting(g, input.input, name, s.value, ui, error)) return false;
            repaintWindow(g, input.input.window, ui);
            return true;
        case NameKind::Option:
            if (!sessions.show(input.input.window)) return false;
            if (!setOption(g, input.input.window, name, s.value, sessions, error)) return false;
            repaintWindow(g, input.input.window, ui);
            return true;
        case NameKind::Unowned: break;
    }
    const NumericField* field = findNumericField(name);
    if (field == nullptr) return error = "unknown field '" + s.name + "'", false;
    // The main window is in front again.
    return sessions.closeAll() && writeRaw(g, *field, name, s.value, error);
}

// What applyOne does before the entry: the window that shows the setting comes to the front (the
// main window for a name no window shows). A name applyOne refuses is left to it.
bool bringForward(const GearPairData& g, const Setting& s, Sessions& sessions) {
    const std::string name = printedName(s.name);
    const NamedInput input = findNamedInput(g, name);
    switch (input.kind) {
        case NameKind::NotShown: return true;
        case NameKind::Field:
        case NameKind::Option: return sessions.show(input.input.window);
        case NameKind::Unowned: break;
    }
    return findNumericField(name) == nullptr || sessions.closeAll();
}

}  // namespace

void showTabAndStandard(GearPairData& g, Tab tab, std::string_view standard) {
    const bool simplified = tab == Tab::Simplified || (tab == Tab::AsSaved && g.Zjednoduseny);
    if (simplified)
        prepareSimplifiedTab(g);
    else if (g.Zjednoduseny)
        prepareFullTab(g);
    if (standard.empty()) return;
    const Standard s = standard == "din-b" ? Standard::DIN_B : standard == "din-c" ? Standard::DIN_C : Standard::CSN;
    if (g.standard != s) chooseStandard(g, s);
}

bool levelStepOfName(std::string_view name, std::size_t& step) {
    if (name.size() < 5 || (!name.starts_with("Fj[") && !name.starts_with("Nj[")) || name.back() != ']') return false;
    const NumberParse index = parseNumber(name.substr(3, name.size() - 4));
    step = index.ok() && index.value >= 1 && index.value <= kMaxLoadLevels && std::trunc(index.value) == index.value
               ? static_cast<std::size_t>(index.value)
               : 0;
    return true;
}

std::string dataSetName(std::string_view printed) {
    std::string name(printed);
    if (!name.empty() && name.back() == '*') name.replace(name.size() - 1, 1, "_star");
    return name;
}

bool parseSetting(std::string_view text, Setting& out, std::string& error) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        error = "--set takes NAME=VALUE, not '" + std::string(text) + "'";
        return false;
    }
    out.name = std::string(text.substr(0, eq));
    out.value = std::string(text.substr(eq + 1));
    return true;
}

bool applySettings(GearPairData& g, const std::vector<Setting>& settings, Ui& ui, std::string& error) {
    SettingsEntry entry;
    for (const auto& s : settings)
        if (!entry.apply(g, s, ui, error)) return false;
    return entry.finish(g, ui, error);
}

bool SettingsEntry::apply(GearPairData& g, const Setting& s, Ui& ui, std::string& error) {
    Sessions sessions(g, ui, error, open_);
    return applyOne(g, s, sessions, ui, error);
}

bool SettingsEntry::prepare(GearPairData& g, const Setting& s, Ui& ui, std::string& error) {
    Sessions sessions(g, ui, error, open_);
    return bringForward(g, s, sessions);
}

bool SettingsEntry::finish(GearPairData& g, Ui& ui, std::string& error) {
    Sessions sessions(g, ui, error, open_);
    if (!sessions.closeAll()) return false;

    // Raw writes can still give what no window would take.
    if (g.isInternal() ? g.z2 >= 0 : g.z2 <= 0)
        return error = g.isInternal() ? "an internal wheel has a negative z2" : "an external wheel has a positive z2", false;
    if (!files::recomputedValuesFinite(g)) return error = "the settings give a pair whose geometry cannot be formed", false;
    return true;
}

}  // namespace soukoli::cli
