// Start-up of the desktop program and the connections between its windows.
#include "app/SoukoliApp.h"

#include <QCoreApplication>
#include <QDir>

#include "app/ProjectCommands.h"

namespace soukoli {

SoukoliApp::SoukoliApp(const QString& helpFile)
    : printer(defaultPrinter), form(data, ui), hlaseni(&form), wohlohyb(data, &form), wohldotyk(data, &form), help(helpFile, ui, &form) {
    ui.setParentWindow(&form);
    ui.setRimDialog(&hlaseni);
    form.setProjectCommands(projectCommands(data, ui, clock, [this] { return printer(); }));

    QObject::connect(&form, &TForm1::fullCalculationSucceeded, &form, [this] {
        for (WohlerWindow* w : {static_cast<WohlerWindow*>(&wohlohyb), static_cast<WohlerWindow*>(&wohldotyk)}) {
            w->show();
            w->update();
        }
    });
    QObject::connect(&form, &TForm1::chartsClosed, &form, [this] {
        wohlohyb.close();
        wohldotyk.close();
    });
    QObject::connect(&form, &TForm1::helpRequested, &form, [this](int topic) { help.openTopic(topic); });
    QObject::connect(&form, &TForm1::quitRequested, &form, [] { QCoreApplication::quit(); });

    // Every window exists: the first tab is shown.
    form.firstTabShown();
}

void SoukoliApp::show() {
    form.show();
}

QString defaultHelpFile() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help_csn.hlp"));
}

}  // namespace soukoli
