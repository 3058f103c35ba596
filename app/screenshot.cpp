// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// soukoli-screenshot: a developer's tool that starts the desktop program without a display,
// presses "Výpočet" on the chosen tab and writes pictures of the main window and of the S-N
// windows. Messages of the run go to stderr instead of message boxes.
//   soukoli-screenshot OUT.png [simplified] [B]   (B: method B, equivalent loads from the spectrum)
//   soukoli-screenshot OUT.png schemes   (the face-load window, the layout schemes and the picture)
//   soukoli-screenshot OUT.png save      (the file dialog of "Ulož", with Qt's Czech texts)
//   soukoli-screenshot OUT.png materials | chsz | ya   (the material table; the CHSZ chart with
//                                                       its loading window; the YA table)
// Beside OUT.png, OUT-desktop.png shows the windows where they stand on the screen.
//   soukoli-screenshot OUT.png windows   (every input window, OUT-<window>.png each, and on stderr
//                                        every label or button narrower than its text)
// QT_SCALE_FACTOR=1.5 or 2 gives the pictures of a scaled screen; SOUKOLI_SCREENSHOT_HOLD=MS keeps
// the windows of a calculation up for a picture of the real screen.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "app/SoukoliApp.h"
#include "app/Startup.h"

namespace {

// The windows as they stand on the screen, in one picture.
bool saveDesktop(const QString& name, std::initializer_list<QWidget*> windows) {
    QRect all;
    for (QWidget* w : windows) all |= w->frameGeometry();
    if (const QScreen* s = QGuiApplication::primaryScreen()) all |= s->availableGeometry();
    QImage image(all.size(), QImage::Format_RGB32);
    image.fill(QColor(90, 110, 130));
    QPainter p(&image);
    for (QWidget* w : windows) p.drawPixmap(w->frameGeometry().topLeft() - all.topLeft(), w->grab().scaled(w->frameGeometry().size()));
    p.end();
    return image.save(name);
}

// Labels, buttons and options of a shown window that are narrower or lower than their text needs.
int reportClipped(const QWidget& window) {
    int clipped = 0;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        QString text;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            if (l->wordWrap() || !l->pixmap().isNull()) continue;
            text = l->text();
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            text = b->text();
        } else {
            continue;
        }
        if (text.trimmed().isEmpty()) continue;
        const QSize need = w->minimumSizeHint();
        if (w->width() + 1 < need.width() || w->height() + 1 < need.height()) {
            std::fprintf(stderr, "clipped: %s: '%s' is %dx%d, needs %dx%d\n", qPrintable(window.objectName()),
                         qPrintable(text), w->width(), w->height(), need.width(), need.height());
            ++clipped;
        }
    }
    return clipped;
}

// Every input window shown on its own with the start-up data.
int saveInputWindows(soukoli::SoukoliApp& app, const QString& stem) {
    const std::initializer_list<QWidget*> windows = {
        &app.geometrie, &app.materialy, &app.materialovaTabulka, &app.rozmery, &app.khbeta, &app.pudorys,
        &app.presnost, &app.zatizeni, &app.spektrum, &app.souc, &app.ysa, &app.rog, &app.hlaseni,
        &app.helpKA, &app.helpYA, &app.helpKAS, &app.yt, &app.zlzrzv, &app.moduly};
    bool ok = true;
    int clipped = 0;
    for (QWidget* w : windows) {
        w->show();
        QApplication::processEvents();
        ok = w->grab().save(stem + QLatin1Char('-') + w->objectName() + QStringLiteral(".png")) && ok;
        clipped += reportClipped(*w);
        w->hide();
    }
    std::fprintf(stderr, "%d clipped\n", clipped);
    return ok ? 0 : 1;
}

}  // namespace

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
    const QFileInfo outInfo(args[1]);
    const QString outStem = outInfo.path() + QLatin1Char('/') + outInfo.completeBaseName();
    if (args.size() > 2 && args[2] == QLatin1String("windows")) return saveInputWindows(app, outStem);
    if (args.size() > 2 && args[2] == QLatin1String("materials")) {
        app.materialovaTabulka.setSide(soukoli::Gear::Pinion);
        app.materialovaTabulka.show();
        QApplication::processEvents();
        return app.materialovaTabulka.grab().save(args[1]) ? 0 : 1;
    }
    if (args.size() > 2 && (args[2] == QLatin1String("chsz") || args[2] == QLatin1String("ya"))) {
        app.data.MetodaVypoctu = 'B';
        app.data.ZadaniSil = soukoli::kLoadsFromClasses;
        app.form.resize(1000, 640);
        app.form.show();
        app.zatizeni.trimForTab(false);
        app.zatizeni.show();
        QApplication::processEvents();
        QWidget* table = &app.chsz;
        if (args[2] == QLatin1String("chsz")) {
            app.chsz.openFor({});
        } else {
            app.helpYA.openFor({});
            table = &app.helpYA;
        }
        QApplication::processEvents();
        bool ok = table->grab().save(args[1]);
        ok = app.zatizeni.grab().save(outStem + QStringLiteral("-loading.png")) && ok;
        ok = saveDesktop(outStem + QStringLiteral("-desktop.png"), {&app.form, &app.zatizeni, table}) && ok;
        return ok ? 0 : 1;
    }
    const bool simplified = args.size() > 2 && args[2] == QLatin1String("simplified");
    if (args.contains(QLatin1String("B"))) {
        app.data.MetodaVypoctu = 'B';
        app.data.ZadaniSil = soukoli::kLoadsFromLevels;
        app.data.KHbeta1Given = true;
        app.data.KHbeta1 = 1.3;
    }
    app.form.resize(1000, 640);
    app.form.show();
    // On a real screen the window manager places and frames the window after it is shown; a user
    // presses "Výpočet" long after that.
    if (qEnvironmentVariableIntValue("SOUKOLI_SCREENSHOT_HOLD") > 0) {
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
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
        ok = saveDesktop(stem + QStringLiteral("-desktop.png"), {&app.form, &app.wohlohyb, &app.wohldotyk}) && ok;
    }
    std::fprintf(stderr, "%s %s\n", ok ? "written:" : "could not write:", qPrintable(out));
    // SOUKOLI_SCREENSHOT_HOLD=MS keeps the windows up that long, for a picture of a real screen
    // (xwd -root under Xvfb with a window manager).
    if (const int hold = qEnvironmentVariableIntValue("SOUKOLI_SCREENSHOT_HOLD"); hold > 0) {
        QTimer::singleShot(hold, &qapp, &QCoreApplication::quit);
        QApplication::exec();
    }
    return ok ? 0 : 1;
}
