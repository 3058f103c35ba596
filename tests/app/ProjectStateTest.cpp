// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The main window keeps the user's work and says what happened, driven by keys as a person does:
// "Uložit změny?" before Konec, Načti and the toothing switch only when the project changed, the
// title with the project file and its modified mark after Ulož and Načti, the status line of a
// save, and where the focus goes after Výpočet and after the method-B stop.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/AppFixture.h"
#include "dialogs/FieldDialog.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

// A started program whose window is shown and active, so that keys reach it as they would.
struct ShownApp : StartedApp {
    QString questionAnswer;  // the button of "Uložit změny?" pressed with Space ("" = Esc)
    QString saveAs;          // the name typed into the save dialog ("" = cancelled)
    QString openFile;        // the file chosen in the open dialog ("" = cancelled)

    ShownApp() {
        // Konec ends no test run: the tests listen to the signal instead.
        QObject::disconnect(&app->form, &MainWindow::quitRequested, nullptr, nullptr);
        app->ui.modalHook = [this](QDialog& dialog) {
            modals << dialog.objectName();
            if (dialog.objectName() == QStringLiteral("SaveChangesQuestion")) return answer(dialog);
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            const QString name = dialog.objectName() == QStringLiteral("SaveDialog") ? saveAs : openFile;
            if (!files || name.isEmpty()) return int(QDialog::Rejected);
            files->selectFile(name);
            return int(QDialog::Accepted);
        };
        app->form.show();
        app->form.activateWindow();
    }

    // The real box, answered with keys once it is up.
    int answer(QDialog& box) {
        QTimer::singleShot(0, &box, [this, &box] {
            if (questionAnswer.isEmpty()) {
                QTest::keyClick(&box, Qt::Key_Escape);
                return;
            }
            for (QPushButton* b : box.findChildren<QPushButton*>())
                if (b->text().remove(QLatin1Char('&')) == questionAnswer) {
                    b->setFocus(Qt::OtherFocusReason);
                    QTest::keyClick(b, Qt::Key_Space);
                }
        });
        return box.exec();
    }

    // A button of the main window pressed with the space bar.
    static void press(QAbstractButton* b) {
        b->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(b, Qt::Key_Space);
    }
};

const QString kQuestion = QStringLiteral("SaveChangesQuestion");

}  // namespace

class ProjectStateTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void questionOnlyForAChangedProject_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("goesOn");
        for (const char* command : {"Konec", "Načti", "Vnitřní"}) {
            const QString c = QString::fromUtf8(command);
            QTest::addRow("%s unchanged", command) << c << false << QString() << true;
            QTest::addRow("%s changed, Esc", command) << c << true << QString() << false;
            QTest::addRow("%s changed, Zrušit", command) << c << true << QStringLiteral("Zrušit") << false;
            QTest::addRow("%s changed, Neukládat", command) << c << true << QStringLiteral("Neukládat") << true;
            // "Uložit" whose save dialog is cancelled: nothing is saved, so nothing is dropped.
            QTest::addRow("%s changed, Uložit cancelled", command) << c << true << QStringLiteral("Uložit") << false;
        }
    }

    void questionOnlyForAChangedProject() {
        QFETCH(QString, command);
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        ShownApp t;
        SoukoliApp& a = *t.app;
        QSignalSpy quit(&a.form, &MainWindow::quitRequested);
        if (changed) a.data.z1 = 23;
        t.questionAnswer = answer;

        if (command == QStringLiteral("Konec"))
            ShownApp::press(a.form.fullPage().quit);
        else if (command == QStringLiteral("Načti"))
            ShownApp::press(a.form.loadButton());
        else
            ShownApp::press(a.form.fullPage().internal);

        QCOMPARE(t.modals.count(kQuestion), changed ? 1 : 0);
        QCOMPARE(t.modals.contains(QStringLiteral("SaveDialog")), answer == QStringLiteral("Uložit"));
        if (command == QStringLiteral("Konec")) QCOMPARE(quit.count(), goesOn ? 1 : 0);
        if (command == QStringLiteral("Načti")) QCOMPARE(t.modals.contains(QStringLiteral("OpenDialog")), goesOn);
        if (command == QStringLiteral("Vnitřní")) {
            QCOMPARE(a.data.TypSoukoli, goesOn ? Toothing::Internal : Toothing::External);
            QCOMPARE(a.form.fullPage().internal->isChecked(), goesOn);
            QCOMPARE(a.form.fullPage().external->isChecked(), !goesOn);
            // A new start: the defaults, and nothing to save.
            if (goesOn) QVERIFY(!a.form.project().changed());
        }
        if (!goesOn) QCOMPARE(a.data.z1, 23.0);
    }

    void closingTheWindowAsksToo() {
        ShownApp t;
        SoukoliApp& a = *t.app;
        a.data.z1 = 23;
        QVERIFY(!a.form.close());  // Esc: "Zrušit"
        QCOMPARE(t.modals, QStringList{kQuestion});
        t.questionAnswer = QStringLiteral("Neukládat");
        QVERIFY(a.form.close());
    }

    void titleAndStatusAfterUlozAndNacti() {
        const QString name = dir_.filePath(QStringLiteral("priklad"));
        {
            ShownApp t;
            SoukoliApp& a = *t.app;
            QVERIFY(!a.form.isWindowModified());
            a.data.standard = Standard::DIN_B;
            a.form.updateCaption();
            QVERIFY(a.form.isWindowModified());
            t.saveAs = name;
            ShownApp::press(a.form.saveButton());
            QVERIFY2(t.messages.isEmpty(), qPrintable(t.messages.join(QLatin1Char('|'))));
            QCOMPARE(a.form.windowTitle(), QStringLiteral("DIN - ISO  B – priklad.PEV[*]"));
            QVERIFY(!a.form.isWindowModified());
            const QString status = a.form.statusBar()->currentMessage();
            for (const QString& file : {QStringLiteral("priklad, "), QStringLiteral("priklad.PEV, "), QStringLiteral("priklad.VYS")})
                QVERIFY2(status.contains(file), qPrintable(status));

            // A change shows the mark and makes Konec ask.
            a.data.z1 = 23;
            ShownApp::press(a.form.fullPage().calculate);
            QVERIFY(a.form.isWindowModified());
        }
        ShownApp t;
        SoukoliApp& b = *t.app;
        t.openFile = name + QStringLiteral(".PEV");
        ShownApp::press(b.form.loadButton());
        QVERIFY2(t.messages.isEmpty(), qPrintable(t.messages.join(QLatin1Char('|'))));
        QCOMPARE(b.form.windowTitle(), QStringLiteral("DIN - ISO  B – priklad.PEV[*]"));
        QVERIFY(!b.form.isWindowModified());
        ShownApp::press(b.form.fullPage().quit);
        QVERIFY(!t.modals.contains(kQuestion));
    }

    void focusStaysAfterVypocetAndGoesToKHbeta1AfterTheMethodBStop() {
        ShownApp t;
        SoukoliApp& a = *t.app;
        QVERIFY(QTest::qWaitForWindowActive(&a.form));
        QPushButton* calculate = a.form.fullPage().calculate;
        ShownApp::press(calculate);
        QVERIFY(a.data.runFlag);
        QVERIFY(a.wohlohyb.isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), &a.form);
        QCOMPARE(QApplication::focusWidget(), calculate);

        // Tab goes down the column: the inputs, the file buttons, Konec, then Výpočet.
        QStringList order;
        a.form.fullPage().inputs.front()->setFocus(Qt::OtherFocusReason);
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{QStringLiteral("Materiály"), QStringLiteral("Zatížení"), QStringLiteral("Rozměry"),
                                     QStringLiteral("Přesnost"), QStringLiteral("KHß"), QStringLiteral("Součinitele"),
                                     QStringLiteral("Ulož"), QStringLiteral("Načti"), QStringLiteral("Help"),
                                     QStringLiteral("Konec")}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), calculate);

        // Method B with KHbeta entered directly stops for KHbeta1: the window opens with the
        // field enabled and the cursor in it.
        a.data.MetodaVypoctu = 'B';
        a.data.ZadaniSil = kLoadsEntered;
        a.data.FtFe1 = a.data.FtFe2 = a.data.FtHe1 = a.data.FtHe2 = 8000;
        bool enabled = false;
        bool focused = false;
        a.ui.modalHook = [&](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                enabled = a.souc.field(32)->isEnabled();
                focused = QTest::qWaitFor([&] { return QApplication::focusWidget() == a.souc.field(32); });
                dialog.reject();
            });
            return dialog.exec();
        };
        ShownApp::press(calculate);
        QVERIFY(!a.data.runFlag);
        QCOMPARE(t.messages.size(), 1);
        QVERIFY(t.messages[0].endsWith(QStringLiteral("KHbeta1.")));
        QVERIFY(enabled);
        QVERIFY(focused);
    }
};

QTEST_MAIN(ProjectStateTest)
#include "ProjectStateTest.moc"
