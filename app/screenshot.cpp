// soukoli-screenshot: a developer's tool that starts the desktop program without a display,
// presses "Výpočet" on the chosen tab and writes pictures of the main window and of the S-N
// windows. Messages of the run go to stderr instead of message boxes.
//   soukoli-screenshot OUT.png [simplified]
//   soukoli-screenshot OUT.png schemes   (the face-load window, the layout schemes and the picture)
//   soukoli-screenshot OUT.png save      (the file dialog of "Ulož", with Qt's Czech texts)
#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <cstdio>

#include "app/SoukoliApp.h"
#include "app/Startup.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: soukoli-screenshot OUT.png [simplified]\n");
        return 3;
    }
    soukoli::loadQtTranslations(qapp);
    soukoli::SoukoliApp app(soukoli::defaultHelpFile());
    app.ui.messageHook = [](const soukoli::QtUi::Box& box) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(box.caption), qPrintable(box.text));
    };
    app.ui.modalHook = [](QDialog& dialog) {
        std::fprintf(stderr, "(%s answered with OK)\n", qPrintable(dialog.objectName()));
        return int(QDialog::Accepted);
    };
    if (args.size() > 2 && args[2] == QLatin1String("schemes")) {
        const QFileInfo fi(args[1]);
        const QString stem = fi.path() + QLatin1Char('/') + fi.completeBaseName();
        app.data.SchemaIndex = 10;
        app.data.s1 = 40;
        app.data.lw1 = 120;
        app.pudorys.show();
        app.pudorys.selectLayout(10);
        QApplication::processEvents();
        bool ok = app.pudorys.grab().save(args[1]);
        app.pudorys.hide();
        app.pudorysneSchema.show();
        QApplication::processEvents();
        ok = app.pudorysneSchema.grab().save(stem + QStringLiteral("-picture.png")) && ok;
        app.pudorysneSchema.hide();
        app.khbeta.show();
        QApplication::processEvents();
        ok = app.khbeta.grab().save(stem + QStringLiteral("-khbeta.png")) && ok;
        std::fprintf(stderr, "%s %s\n", ok ? "written:" : "could not write:", qPrintable(args[1]));
        return ok ? 0 : 1;
    }
    if (args.size() > 2 && args[2] == QLatin1String("save")) {
        app.form.show();
        bool ok = false;
        app.ui.modalHook = [&](QDialog& dialog) {
            dialog.show();
            QApplication::processEvents();
            ok = dialog.grab().save(args[1]);
            return int(QDialog::Rejected);
        };
        app.form.saveButton()->click();
        std::fprintf(stderr, "%s %s\n", ok ? "written:" : "could not write:", qPrintable(args[1]));
        return ok ? 0 : 1;
    }
    const bool simplified = args.size() > 2 && args[2] == QLatin1String("simplified");
    app.form.resize(1000, 640);
    app.form.show();
    if (simplified) app.form.tabs()->setCurrentIndex(1);
    const auto& page = simplified ? app.form.simplifiedPage() : app.form.fullPage();
    page.calculate->click();
    QApplication::processEvents();

    const QString out = args[1];
    bool ok = app.form.grab().save(out);
    if (!simplified && app.data.runFlag) {
        const QFileInfo fi(out);
        const QString stem = fi.path() + QLatin1Char('/') + fi.completeBaseName();
        ok = app.wohlohyb.grab().save(stem + QStringLiteral("-ohyb.png")) && ok;
        ok = app.wohldotyk.grab().save(stem + QStringLiteral("-dotyk.png")) && ok;
    }
    std::fprintf(stderr, "%s %s\n", ok ? "written:" : "could not write:", qPrintable(out));
    return ok ? 0 : 1;
}
