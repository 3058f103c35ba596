// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The application object: it owns the one data set of the program and creates the main window
// and then the other windows in their fixed order; all of them live until the program ends.
#pragma once

#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>

#include "app/HelpViewer.h"
#include "app/MainWindow.h"
#include "app/QtUi.h"
#include "dialogs/LoadClassChart.h"
#include "dialogs/GeometryDialog.h"
#include "dialogs/YaTable.h"
#include "dialogs/ApplicationFactorTable.h"
#include "dialogs/KasTable.h"
#include "dialogs/ThinRimWarning.h"
#include "dialogs/KHbetaDialog.h"
#include "dialogs/MaterialTable.h"
#include "dialogs/MaterialsDialog.h"
#include "dialogs/ModuleTable.h"
#include "dialogs/AccuracyDialog.h"
#include "dialogs/LayoutSchemeDialog.h"
#include "dialogs/DimensionsDialog.h"
#include "dialogs/LayoutSchemeChart.h"
#include "dialogs/LoadLevelsDialog.h"
#include "dialogs/LoadingDialog.h"
#include "dialogs/GrindingNotchDialog.h"
#include "dialogs/CoefficientsDialog.h"
#include "dialogs/ToothRootFactorsDialog.h"
#include "dialogs/YtTable.h"
#include "dialogs/ZLZRZVTable.h"
#include "dialogs/ContactSnCurve.h"
#include "dialogs/BendingSnCurve.h"
#include "engine/GearPairData.h"
#include "files/Clock.h"

namespace soukoli {

class SoukoliApp {
public:
    /// `helpFile` is the path of "help_csn.hlp".
    explicit SoukoliApp(const QString& helpFile);

    SoukoliApp(const SoukoliApp&) = delete;
    SoukoliApp& operator=(const SoukoliApp&) = delete;

    /// Shows the main window.
    void show();

    /// Opens the project `file` as "Načti" does after its file dialog (the project given on the
    /// command line at start).
    void openProject(const QString& file);

    /// Help topic `topic` asked for by an input dialog: over a modal dialog the viewer is modal
    /// too (a modeless window would be blocked by the dialog) until it is closed.
    void dialogHelp(int topic);

    // Declaration order is creation order.
    GearPairData data;
    QtUi ui;
    files::SystemClock clock;
    /// The printer of each "Tisk" (tests print to a PDF file).
    std::function<std::unique_ptr<QPrinter>()> printer;
    MainWindow form;
    GeometryDialog geometrie;
    // Input dialogs: materials, material table, body dimensions.
    MaterialsDialog materialy;
    MaterialTable materialovaTabulka;
    DimensionsDialog rozmery;
    KHbetaDialog khbeta;
    LayoutSchemeDialog pudorys;
    AccuracyDialog presnost;
    // Loading: the dialog, the CHSZ chart, the spectrum and the KA, YA, KAS tables.
    LoadingDialog zatizeni;
    LoadClassChart chsz;
    LoadLevelsDialog spektrum;
    ApplicationFactorTable helpKA;
    YaTable helpYA;
    KasTable helpKAS;
    ModuleTable moduly;  // a child of the geometry dialog, so that dialog's modality spares it
    // Coefficients with their help windows (children of the coefficients dialog, so that they
    // can be used while it is open modally) and the tooth-root factors dialog.
    CoefficientsDialog souc;
    YtTable yt;
    ZLZRZVTable zlzrzv;
    GrindingNotchDialog rog;
    ThinRimWarning hlaseni;
    LayoutSchemeChart pudorysneSchema;
    BendingSnCurve wohlohyb;
    ContactSnCurve wohldotyk;
    ToothRootFactorsDialog ysa;
    HelpViewer help;

private:
    void connectCoefficients();
    /// The S-N windows after a successful full calculation, beside the main window.
    void showCharts();
    /// The default printer, or with no printer at all a PDF file the user names (nullptr when
    /// the user cancels).
    std::unique_ptr<QPrinter> printerOrPdfFile();
};

/// The help file "help_csn.hlp" of the program in `programDir`: in help/ beside it in the build
/// tree, or in share/soukoli/ of the tree it is installed in. When neither exists, the installed
/// path (the viewer then says that the help is missing).
QString helpFileFor(const QString& programDir);

/// The help file of the running program.
QString defaultHelpFile();

}  // namespace soukoli
