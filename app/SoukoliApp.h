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
#include "dialogs/CHSZForm.h"
#include "dialogs/GeometrieF.h"
#include "dialogs/Help1.h"
#include "dialogs/Help2.h"
#include "dialogs/Help3.h"
#include "dialogs/Hlaseni.h"
#include "dialogs/KHbetaF.h"
#include "dialogs/Materialy.h"
#include "dialogs/MaterialyF.h"
#include "dialogs/Moduly.h"
#include "dialogs/PresnostF.h"
#include "dialogs/PudorysF.h"
#include "dialogs/RozmeryF.h"
#include "dialogs/Schemata.h"
#include "dialogs/SpektrumF.h"
#include "dialogs/ZatizeniF.h"
#include "dialogs/RogF.h"
#include "dialogs/SoucF.h"
#include "dialogs/YSa.h"
#include "dialogs/YTF.h"
#include "dialogs/ZLZRZVF.h"
#include "dialogs/WohldotykF.h"
#include "dialogs/WohlohybF.h"
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
    TForm1 form;
    TGeometrie_F geometrie;
    // Input dialogs: materials, material table, body dimensions.
    TMaterialy_F materialy;
    TMaterialova_tabulka materialovaTabulka;
    TRozmery_F rozmery;
    TKHbeta_F khbeta;
    TPudorys_F pudorys;
    TPresnost_F presnost;
    // Loading: the dialog, the CHSZ chart, the spectrum and the KA, YA, KAS tables.
    TZatizeni_F zatizeni;
    TCHSZForm1 chsz;
    TSpektrum_F spektrum;
    THelp_2 helpKA;
    THelp_1 helpYA;
    THelp_3 helpKAS;
    TTabulka_modulu moduly;  // a child of the geometry dialog, so that dialog's modality spares it
    // Coefficients with their help windows (children of the coefficients dialog, so that they
    // can be used while it is open modally) and the tooth-root factors dialog.
    TSouc_F souc;
    TYT_F yt;
    TZLZRZV_F zlzrzv;
    TRog_F rog;
    THlaseni hlaseni;
    TPudorysne_schema pudorysneSchema;
    TWohlohyb wohlohyb;
    TWohldotyk wohldotyk;
    TYSa_F ysa;
    HelpViewer help;

private:
    void connectCoefficients();
};

/// The help file "help_csn.hlp" of the program in `programDir`: in help/ beside it in the build
/// tree, or in share/soukoli/ of the tree it is installed in. When neither exists, the installed
/// path (the viewer then says that the help is missing).
QString helpFileFor(const QString& programDir);

/// The help file of the running program.
QString defaultHelpFile();

}  // namespace soukoli
