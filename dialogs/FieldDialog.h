// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The one field binder of the input windows: a window declares its numeric fields as a table of
// rows (field, label, unit, display format) and this base builds label, edit and unit for each,
// enters the text through engine/FieldEntry when the field is left or Enter is pressed, shows a
// refusal and keeps the focus, rewrites the window after an accepted entry, and handles Escape,
// F1, "&Help" and "&Ok" for every window in one place.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QMetaType>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "engine/FieldEntry.h"
#include "engine/GearPairData.h"
#include "engine/Ui.h"

class QAbstractButton;
class QGridLayout;
class QLabel;
class QPushButton;

Q_DECLARE_METATYPE(soukoli::FieldId)
Q_DECLARE_METATYPE(soukoli::FieldEntry)

namespace soukoli {

/// A single-line numeric edit that reports when it is left and when Enter is pressed.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

signals:
    void entered();  // the field got the focus
    void left();     // the focus moved to another control of the same window
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

/// How a field shows its quantity: str(value:width:decimals), a FormatFloat picture, or a text of
/// the window's own (a value that may be shown empty, a count in an exponent picture ...).
struct FieldFormat {
    double (*value)(const GearPairData&) = nullptr;
    int width = 0;
    int decimals = 0;
    std::string_view picture{};
    std::string (*text)(const GearPairData&, int number) = nullptr;

    [[nodiscard]] std::string show(const GearPairData& g, int number) const;
};

[[nodiscard]] constexpr FieldFormat fixedFormat(double (*value)(const GearPairData&), int width, int decimals) {
    return {value, width, decimals, {}, nullptr};
}
[[nodiscard]] constexpr FieldFormat pictureFormat(double (*value)(const GearPairData&), std::string_view picture) {
    return {value, 0, 0, picture, nullptr};
}
[[nodiscard]] constexpr FieldFormat textFormat(std::string (*text)(const GearPairData&, int number)) {
    return {nullptr, 0, 0, {}, text};
}

/// One line of a window's field table. The edit is named "Edit<id.number>".
struct FieldRow {
    FieldId id;
    const char* label;  // rich text allowed ("b<sub>cal</sub>")
    const char* unit;   // nullptr: no unit label
    FieldFormat format;
};

class FieldDialog : public QDialog {
    Q_OBJECT
public:
    FieldDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// Builds label, edit and unit of a row; the window puts them into its layout.
    NumberEdit* bindField(const FieldRow& row);
    template <class Rows>
    void bindFields(const Rows& rows) {
        for (const FieldRow& row : rows) bindField(row);
    }
    /// Puts label, edit and unit of field `number` into `grid` at (row, column ... column + 2).
    void placeField(QGridLayout* grid, int number, int row, int column);

    [[nodiscard]] NumberEdit* field(int number) const;
    [[nodiscard]] QLabel* fieldLabel(int number) const;
    [[nodiscard]] QLabel* unitLabel(int number) const;
    /// A label that follows the data (forces or torques, YT or ZR); the edit's accessible name
    /// follows it.
    void setFieldLabel(int number, const QString& text);
    /// Label, edit and unit of a field shown or hidden together.
    void setFieldVisible(int number, bool visible);

    /// Enters the text of field `number` (as leaving it or Enter does); false when refused.
    bool commitField(int number);

    /// Rewrites one field, or every field, from the data set in its display format.
    void showField(int number);
    void showFields();
    /// The repaint of the window: every field (and whatever else it shows) from the data set.
    /// Runs when the window is shown and after an accepted entry; other windows call it after
    /// changing the data.
    virtual void repaintFromData();

    // Per-window settings.
    void setHelpTopic(int topic) { helpTopic_ = topic; }
    /// The topic of F1 and "&Help"; a window whose topic follows its state overrides it.
    [[nodiscard]] virtual int helpTopic() const { return helpTopic_; }
    /// Escape closes the window through reject() (most input windows have no Escape key).
    void setEscapeCloses(bool on) { escapeCloses_ = on; }
    /// Another window of the program becoming active enters the field with the focus.
    void setValidateOnDeactivation(bool on) { validateOnDeactivation_ = on; }
    /// The title bar's close button is refused while the field with the focus holds a refused
    /// entry.
    void setValidateOnClose(bool on) { validateOnClose_ = on; }
    /// An accepted entry repaints the whole window (default) or rewrites only its own field
    /// (the materials window keeps the texts the material table wrote into the others).
    void setRepaintOnEntry(bool on) { repaintOnEntry_ = on; }
    /// "&Ok" enters the field with the focus before its checks (default). The face-load window
    /// switches it off: its check is of the source as a whole, and an entry would choose one; there
    /// Ok enters the field only when the user has typed into it, so a typed value is never lost.
    void setOkEntersField(bool on) { okEntersField_ = on; }

    /// A "&Help" button for the window's topic; its press does not enter the field.
    QPushButton* addHelpButton(const QString& text = QStringLiteral("&Help"));
    /// An "&Ok" button: it enters the field that has the focus (see setOkEntersField), then asks
    /// readyToClose(), and closes with result 1 only when both agree.
    QPushButton* addOkButton(const QString& text = QStringLiteral("&Ok"));
    /// "&Ok" as its button does it (for windows that close from their own code too).
    void okClicked();

    /// A left-button press on `control` does not enter the field being left (an option, "&Help",
    /// "&Esc"). The control takes no focus from a click.
    void suppressValidationOnPress(QAbstractButton* control);

    /// The field that takes the focus when the window opens (0: none), as the calculation asked.
    std::function<int()> activeField;

    [[nodiscard]] int currentField() const { return currentField_; }
    /// The result of the last entry's number conversion (1 for a rule between fields).
    [[nodiscard]] std::int32_t parseStatus() const { return parseStatus_; }
    [[nodiscard]] bool pressMarked() const { return pressMarked_; }
    void setPressMark(bool marked) { pressMarked_ = marked; }

    /// The dynamic property that ties a control to the window whose validation it suppresses.
    static constexpr const char* kSuppressesProperty = "soukoliSuppressesValidation";
    /// A window with this property set (the help viewer) stands for another program: becoming
    /// active, it is no deactivation that enters a field.
    static constexpr const char* kOutsideWindowProperty = "soukoliOutsideWindow";

signals:
    void helpRequested(int topic);
    /// After an accepted entry only: what was entered and what it ran.
    void fieldAccepted(soukoli::FieldId id, soukoli::FieldEntry entry);

protected:
    GearPairData& data() { return data_; }
    const GearPairData& data() const { return data_; }
    Ui& ui() { return ui_; }

    /// The window's checks of "&Ok" after the field with the focus was accepted.
    virtual bool readyToClose() { return true; }
    /// The display after an accepted entry of field `number`.
    virtual void showAccepted(int number, const FieldEntry& entry);
    /// The text entered for a field (a window may read a shown text its own way).
    virtual std::string entryText(int number, const QString& text) const;

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Field {
        FieldRow row;
        QLabel* label = nullptr;
        NumberEdit* edit = nullptr;
        QLabel* unit = nullptr;
    };

    [[nodiscard]] bool fieldHasFocus() const;

    GearPairData& data_;
    Ui& ui_;
    std::map<int, Field> fields_;
    int currentField_ = 0;
    std::int32_t parseStatus_ = 0;
    int helpTopic_ = 0;
    bool pressMarked_ = false;
    bool committing_ = false;
    bool validateOnDeactivation_ = false;
    bool validateOnClose_ = false;
    bool escapeCloses_ = false;
    bool repaintOnEntry_ = true;
    bool okEntersField_ = true;
};

}  // namespace soukoli
