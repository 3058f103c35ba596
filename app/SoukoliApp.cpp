// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Start-up of the desktop program and the connections between its windows.
#include "app/SoukoliApp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QScreen>
#include <array>
#include <QTabWidget>
#include <QTimer>

#include "app/ChartPlacement.h"
#include "app/ProjectCommands.h"

namespace soukoli {

SoukoliApp::SoukoliApp(const QString& helpFile)
    : printer([this] { return printerOrPdfFile(); }),
      form(data, ui),
      geometrie(data, ui, &form),
      materialy(data, ui, materialovaTabulka, &form),
      materialovaTabulka(data, &form),
      rozmery(data, ui, &form),
      khbeta(data, ui, &form),
      pudorys(data, ui, &form),
      presnost(data, ui, &form),
      zatizeni(data, ui, &form),
      chsz(&zatizeni),
      spektrum(data, ui, &zatizeni),
      helpKA(&zatizeni),
      helpYA(&zatizeni),
      helpKAS(&zatizeni),
      moduly(&geometrie),
      souc(data, ui, &form),
      yt(data, souc, &souc),
      zlzrzv(souc, &souc),
      rog(data, ui, souc, &souc),
      hlaseni(&form),
      pudorysneSchema(data, &form),
      wohlohyb(data, &form), wohldotyk(data, &form),
      ysa(data, ui, souc, &souc),
      help(helpFile, ui, &form) {
    ui.setParentWindow(&form);
    ui.setRimDialog(&hlaseni);
    form.setProjectCommands(projectCommands(data, ui, clock, form.runRecord(), [this] { return printer(); }));

    QObject::connect(&form, &MainWindow::fullCalculationSucceeded, &form, [this] { showCharts(); });
    QObject::connect(&form, &MainWindow::chartsClosed, &form, [this] {
        wohlohyb.close();
        wohldotyk.close();
    });
    QObject::connect(&form, &MainWindow::helpRequested, &form, [this](int topic) { help.openTopic(topic); });

    // "KHß" on both tabs; the face-load stage asks for it when scheme dimensions are missing.
    khbeta.setSchemeWindows([this] { ui.runModal(pudorys); }, [this] { ui.runModal(pudorysneSchema); });
    form.setInputAction(QStringLiteral("KHß"), [this](bool simplified) {
        khbeta.trimForTab(simplified);
        ui.runModal(khbeta);
    });
    ui.registerDialog(DialogId::FaceLoad, &khbeta);
    QObject::connect(&form, &MainWindow::toothingSwitched, &khbeta, &KHbetaDialog::toothingSwitched);
    QObject::connect(&khbeta, &KHbetaDialog::helpRequested, &form, [this](int topic) { dialogHelp(topic); });
    QObject::connect(&pudorys, &LayoutSchemeDialog::helpRequested, &form, [this](int topic) { dialogHelp(topic); });

    // "Zatížení" on both tabs; the engine may ask for the loading dialog too.
    zatizeni.setCompanions(&spektrum, &chsz, &helpYA, &helpKA, &helpKAS);
    // The chart explains the CHSZ fields of the loading window: it goes when that window goes.
    QObject::connect(&zatizeni, &QDialog::finished, &chsz, &QWidget::close);
    zatizeni.runModal = [this](QDialog& dialog) { return ui.runModal(dialog); };
    ui.registerDialog(DialogId::Loading, &zatizeni);
    form.setInputAction(QStringLiteral("Zatížení"), [this](bool simplified) {
        zatizeni.trimForTab(simplified);
        ui.runModal(zatizeni);
    });
    for (FieldDialog* d : {static_cast<FieldDialog*>(&zatizeni), static_cast<FieldDialog*>(&spektrum)})
        QObject::connect(d, &FieldDialog::helpRequested, &form, [this](int topic) { dialogHelp(topic); });
    QObject::connect(&form, &MainWindow::quitRequested, &form, [] { QCoreApplication::quit(); });

    // "Geometrie" on both tabs (no trimming); the engine's Epsilongama stop opens it too.
    ui.registerDialog(DialogId::Geometry, &geometrie);
    form.setInputAction(QStringLiteral("Geometrie"), [this](bool) { ui.runModal(geometrie); });
    QObject::connect(&geometrie, &FieldDialog::helpRequested, &form, [this](int topic) { dialogHelp(topic); });
    QObject::connect(&geometrie, &GeometryDialog::modulesRequested, &form, [this] {
        moduly.show();
        moduly.raise();
        moduly.activateWindow();
    });
    QObject::connect(&help, &QDialog::finished, &form, [this] { help.setWindowModality(Qt::NonModal); });
    help.setProperty(FieldDialog::kOutsideWindowProperty, true);
    connectCoefficients();

    // Materials, body dimensions and accuracy.
    const auto openHelp = [this](int topic) { dialogHelp(topic); };
    QObject::connect(&materialy, &MaterialsDialog::helpRequested, &form, openHelp);
    QObject::connect(&materialovaTabulka, &MaterialTable::helpRequested, &form, openHelp);
    QObject::connect(&rozmery, &DimensionsDialog::helpRequested, &form, openHelp);
    QObject::connect(&presnost, &AccuracyDialog::helpRequested, &form, openHelp);
    materialy.runModal = [this](QDialog& d) { return ui.runModal(d); };
    form.setInputAction(QStringLiteral("Materiály"), [this](bool simplified) {
        materialy.setSimplified(simplified);
        ui.runModal(materialy);
    });
    form.setInputAction(QStringLiteral("Rozměry"), [this](bool simplified) {
        rozmery.setSimplified(simplified);
        ui.runModal(rozmery);
    });
    form.setInputAction(QStringLiteral("Přesnost"), [this](bool) { ui.runModal(presnost); });
    ui.registerDialog(DialogId::Dimensions, &rozmery);
    ui.registerDialog(DialogId::Accuracy, &presnost);
    rozmery.activeField = [this] { return ui.activeField(DialogId::Dimensions); };
    presnost.activeField = [this] { return ui.activeField(DialogId::Accuracy); };
    QObject::connect(form.tabs(), &QTabWidget::currentChanged, &form, [this] { rozmery.tabShown(!form.onFirstTab()); });

    // Repaints of other windows after an accepted entry only (a refused one changed nothing).
    // The engine has run the lookups and the bodies already; the windows only show them, and
    // only on the first tab.
    QObject::connect(&geometrie, &FieldDialog::fieldAccepted, &form, [this](FieldId, const FieldEntry& entry) {
        if (data.Zjednoduseny || entry.outcome == EntryOutcome::Unchanged) return;
        presnost.refresh();
        rozmery.repaintFromData();
    });
    // A face width looks the alignment deviations up again.
    QObject::connect(&rozmery, &FieldDialog::fieldAccepted, &form, [this](FieldId, const FieldEntry& entry) {
        if (!data.Zjednoduseny && entry.effects.lookups.any()) presnost.refresh();
    });

    // Every window exists: the first tab is shown.
    form.firstTabShown();
    rozmery.tabShown(false);
    form.projectStarted();
}

void SoukoliApp::connectCoefficients() {
    ui.registerDialog(DialogId::Coefficients, &souc);
    ui.registerActiveFieldHandler(DialogId::Coefficients, [this](int field) { souc.setActiveField(field); });
    form.setInputAction(QStringLiteral("Součinitele"), [this](bool) { ui.runModal(souc); });
    const auto help = [this](int topic) { dialogHelp(topic); };
    QObject::connect(&souc, &CoefficientsDialog::helpRequested, &form, help);
    QObject::connect(&ysa, &ToothRootFactorsDialog::helpRequested, &form, help);
    QObject::connect(&rog, &GrindingNotchDialog::helpRequested, &form, help);
    QObject::connect(&souc, &CoefficientsDialog::notchHelpRequested, &form, [this](Gear gear, int field) { rog.openFor(gear, field); });
    QObject::connect(&souc, &CoefficientsDialog::tableHelpRequested, &form, [this](int field) {
        if (field == 7)
            zlzrzv.openTable();
        else
            yt.openFor(field);
    });
    QObject::connect(&souc, &CoefficientsDialog::rootFactorsRequested, &form, [this] { ui.runModal(ysa); });
    QObject::connect(&ysa, &ToothRootFactorsDialog::standardChanged, &form, [this] { form.updateCaption(); });
}

void SoukoliApp::showCharts() {
    const std::array<SnCurveWindow*, 2> windows{&wohlohyb, &wohldotyk};
    // Windows still open keep the place the user gave them; closed ones are placed anew beside
    // the main window, so that they never cover a result.
    const bool place = !wohlohyb.isVisible() && !wohldotyk.isVisible();
    const bool formActive = form.isActiveWindow();
    for (SnCurveWindow* w : windows) {
        // Beside the results, not in the way: the keyboard stays with the main window.
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->show();
        w->update();
    }
    // Where the platform activates a shown window all the same (when it has handled the show),
    // the main window takes the keyboard back.
    if (formActive)
        QTimer::singleShot(0, &form, [this] {
            if (!form.isActiveWindow()) form.activateWindow();
        });
    if (!place) return;
    // Until the window manager has framed a window its frame is taken as wide as the main
    // window's.
    const QMargins decoration(form.geometry().left() - form.frameGeometry().left(),
                              form.geometry().top() - form.frameGeometry().top(),
                              form.frameGeometry().right() - form.geometry().right(),
                              form.frameGeometry().bottom() - form.geometry().bottom());
    const auto frameSize = [&decoration](const QWidget* w) {
        return w->frameGeometry() != w->geometry() ? w->frameGeometry().size() : w->geometry().marginsAdded(decoration).size();
    };
    const QScreen* screen = form.screen();
    const QRect available = screen ? screen->availableGeometry() : form.frameGeometry();
    const auto at = chartPositions(available, form.frameGeometry(), form.resultAreas(), frameSize(&wohlohyb),
                                   frameSize(&wohldotyk));
    wohlohyb.move(at[0]);
    wohldotyk.move(at[1]);
}

std::unique_ptr<QPrinter> SoukoliApp::printerOrPdfFile() {
    if (!QPrinterInfo::defaultPrinter().isNull()) return defaultPrinter();
    // No printer (common on Linux desktops that print through files): the same pages into a
    // PDF file the user names.
    QFileDialog dialog(&form, QStringLiteral("Tisk"));
    dialog.setObjectName(QStringLiteral("PdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (ui.runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(dialog.selectedFiles().constFirst());
    return pdf;
}

void SoukoliApp::show() {
    form.show();
}

void SoukoliApp::dialogHelp(int topic) {
    if (QApplication::activeModalWidget() && !help.isModal()) {
        help.hide();  // a new modality takes effect when the window is shown again
        help.setWindowModality(Qt::ApplicationModal);
    }
    help.openTopic(topic);
}

void SoukoliApp::openProject(const QString& file) {
    form.loadFrom(file);
}

QString helpFileFor(const QString& programDir) {
    const QString name = QStringLiteral("help_csn.hlp");
    const QDir dir(programDir);
    const QString inBuildTree = dir.filePath(QStringLiteral("help/") + name);
    if (QFileInfo::exists(inBuildTree)) return inBuildTree;
    return QDir::cleanPath(dir.filePath(QStringLiteral(SOUKOLI_HELP_DIR_FROM_PROGRAM "/") + name));
}

QString defaultHelpFile() {
    return helpFileFor(QCoreApplication::applicationDirPath());
}

}  // namespace soukoli
