// Start-up of the desktop program and the connections between its windows.
#include "app/SoukoliApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>

#include "app/ProjectCommands.h"
#include "engine/Accuracy.h"

namespace soukoli {

SoukoliApp::SoukoliApp(const QString& helpFile)
    : printer(defaultPrinter),
      form(data, ui),
      materialy(data, ui, materialovaTabulka, &form),
      materialovaTabulka(data, &form),
      rozmery(data, ui, &form),
      presnost(data, ui, &form),
      zatizeni(data, ui, &form),
      chsz(&zatizeni),
      spektrum(data, ui, &zatizeni),
      helpKA(&zatizeni),
      helpYA(&zatizeni),
      helpKAS(&zatizeni),
      hlaseni(&form), wohlohyb(data, &form), wohldotyk(data, &form), help(helpFile, ui, &form) {
    ui.setParentWindow(&form);
    ui.setRimDialog(&hlaseni);
    form.setProjectCommands(projectCommands(data, ui, clock, [this] { return printer(); }));

    QObject::connect(&form, &TForm1::fullCalculationSucceeded, &form, [this] {
        // In the free lower right corner of the main window, bending above contact; once placed
        // they stay where the user puts them.
        const bool placed = wohlohyb.property("placed").toBool();
        int y = form.frameGeometry().bottom() - 2 * wohlohyb.frameGeometry().height() - 8;
        for (WohlerWindow* w : {static_cast<WohlerWindow*>(&wohlohyb), static_cast<WohlerWindow*>(&wohldotyk)}) {
            if (!placed) {
                w->move(form.frameGeometry().right() - w->frameGeometry().width() - 8, y);
                y += w->frameGeometry().height() + 8;
            }
            w->show();
            w->update();
        }
        wohlohyb.setProperty("placed", true);
    });
    QObject::connect(&form, &TForm1::chartsClosed, &form, [this] {
        wohlohyb.close();
        wohldotyk.close();
    });
    QObject::connect(&form, &TForm1::helpRequested, &form, [this](int topic) { help.openTopic(topic); });

    // "Zatížení" on both tabs; the engine may ask for the loading dialog too.
    zatizeni.setCompanions(&spektrum, &chsz, &helpYA, &helpKA, &helpKAS);
    zatizeni.runModal = [this](QDialog& dialog) { return ui.runModal(dialog); };
    ui.registerDialog(DialogId::Loading, &zatizeni);
    form.setInputAction(QStringLiteral("Zatížení"), [this](bool simplified) {
        zatizeni.trimForTab(simplified);
        ui.runModal(zatizeni);
    });
    for (RuledFieldDialog* d : {static_cast<RuledFieldDialog*>(&zatizeni), static_cast<RuledFieldDialog*>(&spektrum)})
        QObject::connect(d, &RuledFieldDialog::helpRequested, &form, [this](int topic) { help.openTopic(topic); });
    QObject::connect(&form, &TForm1::quitRequested, &form, [] { QCoreApplication::quit(); });

    // Materials, body dimensions and accuracy.
    const auto openHelp = [this](int topic) { help.openTopic(topic); };
    QObject::connect(&materialy, &TMaterialy_F::helpRequested, &form, openHelp);
    QObject::connect(&materialovaTabulka, &TMaterialova_tabulka::helpRequested, &form, openHelp);
    QObject::connect(&rozmery, &TRozmery_F::helpRequested, &form, openHelp);
    QObject::connect(&presnost, &TPresnost_F::helpRequested, &form, openHelp);
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
    // The alignment deviations follow the face widths; the accuracy window shows them at once.
    rozmery.faceWidthChanged = [this](Gear gear) {
        lookupAlignment(data, gear);
        if (!data.Zjednoduseny) presnost.refresh();
    };
    QObject::connect(form.tabs(), &QTabWidget::currentChanged, &form, [this] { rozmery.tabShown(!form.onFirstTab()); });

    // Every window exists: the first tab is shown.
    form.firstTabShown();
    rozmery.tabShown(false);
}

void SoukoliApp::show() {
    form.show();
}

QString defaultHelpFile() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help_csn.hlp"));
}

}  // namespace soukoli
