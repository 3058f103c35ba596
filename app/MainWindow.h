// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// MainWindow, the main window: the full calculation on the first tab, the simplified one on the
// second, the toothing type, the input buttons, "Výpočet" with the result panels, saving,
// loading, printing and help.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

#include "app/ProjectTracker.h"
#include "engine/GearPairData.h"
#include "files/FileCommands.h"
#include "files/RunRecord.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace soukoli {

class PressPreFilter;
class QtUi;
class ResultPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(GearPairData& data, QtUi& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The controls of one tab.
    struct Page {
        QWidget* widget = nullptr;
        QRadioButton* external = nullptr;  // "Vnější"
        QRadioButton* internal = nullptr;  // "Vnitřní"
        std::vector<QPushButton*> inputs;  // "Geometrie" ... "Součinitele"
        QPushButton* calculate = nullptr;  // "Výpočet"
        QPushButton* quit = nullptr;       // "Konec"
        ResultPanel* bending = nullptr;    // "OHYB"
        ResultPanel* contact = nullptr;    // "DOTYK"
        QLabel* note = nullptr;            // "VÝPOČET JE POUZE INFORMATIVNÍ"
        QLabel* reasonEpsalfa = nullptr;
        QLabel* reasonRim1 = nullptr;
        QLabel* reasonRim2 = nullptr;
    };

    [[nodiscard]] const Page& fullPage() const { return full_; }
    [[nodiscard]] const Page& simplifiedPage() const { return simplified_; }
    [[nodiscard]] QTabWidget* tabs() const { return tabs_; }
    [[nodiscard]] QPushButton* saveButton() const { return save_; }
    [[nodiscard]] QPushButton* loadButton() const { return load_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }
    [[nodiscard]] QPushButton* printButton() const { return print_; }
    [[nodiscard]] bool onFirstTab() const;
    /// What a window beside the results must not cover, in global coordinates: the first tab's
    /// buttons, both result panels and the note under them.
    [[nodiscard]] QList<QRect> resultAreas() const;

    /// "Úplný výpočet" / "Zjednodušený výpočet" shown.
    void firstTabShown();
    void secondTabShown();
    /// Before every input dialog, on a tab change and on loading.
    void hideResults();
    /// "Výpočet" on the active tab.
    void calculate();
    /// Shows the standard of the data set and the project file in the title bar ("DIN - ISO  B –
    /// priklad.PEV", before a project file the program's version), marked while the project
    /// has changes not saved.
    void updateCaption();
    /// The project as it stands is the start of the session (called once every window is set up).
    void projectStarted();
    [[nodiscard]] const ProjectTracker& project() const { return tracker_; }
    /// Selects the toothing buttons of both tabs after the data set without running the switch.
    void selectToothingButtons();
    /// The inputs of the last calculation: a save or a printout calculates first when they changed.
    [[nodiscard]] files::RunRecord& runRecord() { return runRecord_; }

    /// The input dialog behind the buttons captioned `caption` on both tabs ("Geometrie" ...):
    /// the buttons become usable; a click hides the results and calls `open` with the tab
    /// (true for the second), which trims and shows the dialog.
    void setInputAction(const QString& caption, std::function<void(bool simplified)> open);

    /// Commands of the project files; a button without its command stays disabled.
    struct ProjectCommands {
        /// Saves under `name` (`simplified`: as a simplified calculation).
        std::function<files::SaveOutcome(const QString& name, bool simplified)> save;
        std::function<bool(const QString& name)> load;  // true when the project was read
        std::function<void()> print;
    };
    void setProjectCommands(ProjectCommands commands);
    /// "Ulož" and "Načti" with a name already chosen (the buttons ask for it first; an empty
    /// name to load is a cancelled dialog).
    void saveAs(const QString& name);
    void loadFrom(const QString& name);
    void print();

signals:
    void fullCalculationSucceeded();  // the S-N windows may show the new run
    void chartsClosed();               // the S-N windows must close
    void helpRequested(int topic);
    void quitRequested();
    void toothingSwitched();           // "Vnější" / "Vnitřní" chosen by the user

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    Page buildPage(bool first);
    /// Before the project is dropped (Konec, closing, Načti, toothing switch): asks "Uložit
    /// změny?" when it changed; true when the command may go on (saved, not to be saved, or
    /// nothing to save).
    bool changesSettled();
    void showSaveStatus(const files::SaveOutcome& saved);
    void toothingChosen(Toothing type);
    void setSaveCaption();
    void showNote(const Page& page, bool first);

    GearPairData& data_;
    QtUi& ui_;
    ProjectTracker tracker_{data_};
    bool quitting_ = false;  // Konec was confirmed: closing asks no more
    PressPreFilter* preFilter_;
    QTabWidget* tabs_;
    QPushButton* save_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* print_ = nullptr;
    Page full_;
    Page simplified_;
    ProjectCommands commands_;
    files::RunRecord runRecord_;
    QString lastSaveName_;  // the save dialog offers the last project file again
    bool loadingInProgress_ = false;  // a project or a tab is being set up: no toothing reset
    bool savedSimplified_ = false;    // the next save is that of a simplified calculation
};

/// "ČSN 01 4686", "DIN - ISO  B" or "DIN - ISO  C".
QString standardLabel(const GearPairData& data);

}  // namespace soukoli
