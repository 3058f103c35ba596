// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The main window: start-up, the toothing switch and its reset, both tab preparations,
// "Výpočet" with its panels, the informative note, the rim warning and the help key.
#include <QLabel>
#include <QMessageBox>
#include <cmath>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "app/ResultPanels.h"
#include "app/AppFixture.h"
#include "engine/BasicGeometry.h"
#include "engine/Numbers.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

bool panelShown(const ResultPanel* panel) {
    for (const auto& c : panel->cells())
        if (!c.value->isHidden()) return true;
    return false;
}

bool shown(const ResultPanel* panel, std::string_view field) {
    const auto* c = panel->cell(field);
    return c && !c->value->isHidden() && !c->caption->isHidden();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpCreatesTheWindowsAndSetsTheDefaults() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QCOMPARE(a.form.objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(a.form.tabs()->tabText(0), QStringLiteral("Úplný výpočet"));
        QCOMPARE(a.form.tabs()->tabText(1), QStringLiteral("Zjednodušený výpočet"));
        QCOMPARE(a.form.tabs()->currentIndex(), 0);
        QCOMPARE(a.wohlohyb.windowTitle(), QStringLiteral("Wöhler - ohyb"));
        QCOMPARE(a.wohldotyk.windowTitle(), QStringLiteral("Wöhler - dotyk"));
        QVERIFY(a.form.windowTitle().startsWith(QStringLiteral("ČSN 01 4686")));

        QCOMPARE(a.data.TypSoukoli, Toothing::External);
        QCOMPARE(a.data.z2, 40.0);
        QCOMPARE(a.data.Ft1, 8000.0);  // first tab shown: F1·KAS
        QVERIFY(!a.data.Zjednoduseny);
        QVERIFY(a.form.fullPage().external->isChecked());
        QVERIFY(a.form.simplifiedPage().external->isChecked());
        QCOMPARE(a.form.saveButton()->text(), QStringLiteral("Ulož"));
        QVERIFY(!a.form.printButton()->isEnabled());
        for (const auto* p : {&a.form.fullPage(), &a.form.simplifiedPage()}) {
            QVERIFY(!panelShown(p->bending));
            QVERIFY(!panelShown(p->contact));
            QVERIFY(p->note->isHidden());
            // A button is usable once its dialog exists.
            const QStringList existing{QStringLiteral("Geometrie"), QStringLiteral("Materiály"), QStringLiteral("Zatížení"),
                                       QStringLiteral("Rozměry"), QStringLiteral("Přesnost"), QStringLiteral("KHß"),
                                       QStringLiteral("Součinitele")};
            for (const QPushButton* b : p->inputs) QCOMPARE(b->isEnabled(), existing.contains(b->text()));
        }
        QCOMPARE(a.form.fullPage().inputs.size(), std::size_t{7});
        QCOMPARE(a.form.simplifiedPage().inputs.size(), std::size_t{6});
        QVERIFY(t.messages.isEmpty());
    }

    void calculationFillsBothPanelsWithTheEngineValues() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY2(a.data.runFlag, qPrintable(t.messages.join(QLatin1Char('|'))));
        const auto& page = a.form.fullPage();
        for (const ResultPanel* panel : {page.bending, page.contact}) {
            for (const auto& c : panel->cells()) {
                const CellText expected = cellText(*c.def, a.data);
                QCOMPARE(c.value->text(), QString::fromStdString(expected.text));
                QCOMPARE(!c.value->isHidden(), expected.available && c.def->show != CellShow::MethodB);
            }
        }
        QCOMPARE(page.bending->cell("SigmaF1")->value->text(), QString::fromStdString(str(a.data.SigmaF1, 6, 1)));
        QCOMPARE(page.contact->cell("KHbeta")->value->text(), QStringLiteral("1.300"));
        QVERIFY(shown(page.contact, "KAS"));
        QVERIFY(!shown(page.contact, "KH1"));
        QVERIFY(!shown(page.bending, "KFalfa1"));
        QVERIFY(page.note->isHidden());
        QVERIFY(a.wohlohyb.isVisible());
        QVERIFY(a.wohldotyk.isVisible());
        QVERIFY(!panelShown(a.form.simplifiedPage().bending));

        // Method B (equivalent loads from the spectrum): the KAS cell gives way to the rows of
        // the maximum load.
        a.data.MetodaVypoctu = 'B';
        a.data.ZadaniSil = kLoadsFromLevels;
        a.data.KHbeta1Given = true;
        a.data.KHbeta1 = 1.3;
        QTest::mouseClick(page.calculate, Qt::LeftButton);
        QVERIFY2(a.data.runFlag, qPrintable(t.messages.join(QLatin1Char('|'))));
        QVERIFY(!shown(page.contact, "KAS"));
        QVERIFY(shown(page.contact, "KA"));
        for (std::string_view f : {"KF1", "KFv1", "KFalfa1", "KFbeta1"}) QVERIFY(shown(page.bending, f));
        for (std::string_view f : {"KH1", "KHv1", "KHalfa1", "KHbeta1"}) QVERIFY(shown(page.contact, f));
    }

    void dinBCaptionsAndTheDashedYepsilon() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.standard = Standard::DIN_B;
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        const ResultPanel* bending = a.form.fullPage().bending;
        QCOMPARE(bending->cell("Yepsilon")->value->text(), QStringLiteral("  -----"));
        QVERIFY(bending->cell("YFa1")->caption->text().contains(QStringLiteral("Fe1")));
        QVERIFY(bending->cell("YSa2")->caption->text().contains(QStringLiteral("Se2")));
        QCOMPARE(bending->cell("YFa1")->value->text(), QString::fromStdString(str(a.data.YFe1, 5, 3)));
        a.data.standard = Standard::DIN_C;
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY(bending->cell("YFa1")->caption->text().contains(QStringLiteral("Fa1")));
        QCOMPARE(bending->cell("Yepsilon")->value->text(), QString::fromStdString(str(a.data.Yepsilon, 5, 3)));
    }

    void stoppedRunHidesThePanelsAndTheCharts() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY(panelShown(a.form.fullPage().bending));
        a.data.dh1 = 100;  // the hub no longer fits inside the root circle of the pinion
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY(!a.data.runFlag);
        QCOMPARE(t.messages, QStringList{QStringLiteral("Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit.")});
        QCOMPARE(t.captions, QStringList{QtUi::programTitle()});
        QVERIFY(!panelShown(a.form.fullPage().bending));
        QVERIFY(!panelShown(a.form.fullPage().contact));
    }

    void chartsLeaveTheResultPanelsFree() {
        // The program's own start: the main window at its start size, a full calculation by
        // method B (the longest panels) with the informative note under them.
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.form.resize(1000, 640);
        a.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.form));
        GearPairData& g = a.data;
        g.MetodaVypoctu = 'B';
        g.ZadaniSil = kLoadsFromLevels;
        g.KHbeta1Given = true;
        g.KHbeta1 = 1.3;
        g.sr1 = g.sR1 = 10;  // thin pinion rim, the user goes on
        const auto& page = a.form.fullPage();
        QTest::mouseClick(page.calculate, Qt::LeftButton);
        QVERIFY2(g.runFlag, qPrintable(t.messages.join(QLatin1Char('|'))));
        QVERIFY(!page.note->isHidden());
        QVERIFY(a.wohlohyb.isVisible() && a.wohldotyk.isVisible());

        const auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
        QList<QRect> results{global(page.bending), global(page.contact)};
        for (const QLabel* l : {page.note, page.reasonRim1}) results << global(l);
        for (const QWidget* chart : {static_cast<QWidget*>(&a.wohlohyb), static_cast<QWidget*>(&a.wohldotyk)})
            for (const QRect& r : results)
                QVERIFY2(!chart->frameGeometry().intersects(r),
                         qPrintable(QStringLiteral("%1 over the results").arg(chart->windowTitle())));
        QVERIFY(!a.wohlohyb.frameGeometry().intersects(a.wohldotyk.frameGeometry()));

        // The second tab has no S-N windows.
        a.form.tabs()->setCurrentIndex(1);
        QVERIFY(!a.wohlohyb.isVisible() && !a.wohldotyk.isVisible());
    }

    void informativeNoteWithItsReasons() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        // A 40/80 pair with a 15° pressure angle: εα = 2.12 under ČSN 01 4686. The transverse
        // factors and the stress correction factors of that atypical tool are entered, as the
        // stages ask for.
        GearPairData& g = a.data;
        g.Alfan = 15 * M_PI / 180;
        g.z1 = 40;
        g.z2 = 80;
        g.n1 = 300;
        g.KHalfaGiven = g.KFalfaGiven = true;
        g.KHalfa = g.KFalfa = 1.2;
        g.YSa1Given = g.YSa2Given = true;
        g.YSa1 = g.YSa2 = 1.8;
        updateCentreDistance(g, a.ui);
        updateDiameters(g, a.ui);
        g.sr1 = g.sR1 = 10;  // thin pinion rim, the user goes on
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY2(a.data.runFlag, qPrintable(t.messages.join(QLatin1Char('|'))));
        QVERIFY(g.Epsalfa >= 2);
        QCOMPARE(t.messages, QStringList{QStringLiteral("Součinitel Epsilonalfa >2. Výpočet je neplatný.\n        Ve výpočtu lze však pokračovat.")});
        QCOMPARE(t.modals, QStringList{QStringLiteral("ThinRimWarning")});
        QVERIFY(!a.hlaseni.pinionLine()->isHidden());
        QVERIFY(a.hlaseni.wheelLine()->isHidden());
        const auto& page = a.form.fullPage();
        QVERIFY(!page.note->isHidden());
        QCOMPARE(page.note->text(), QStringLiteral("VÝPOČET JE POUZE INFORMATIVNÍ"));
        QVERIFY(!page.reasonEpsalfa->isHidden());
        QVERIFY(!page.reasonRim1->isHidden());
        QVERIFY(page.reasonRim2->isHidden());

        // "Oprav vstup" stops the run.
        t.modalAnswer = QDialog::Rejected;
        QTest::mouseClick(page.calculate, Qt::LeftButton);
        QVERIFY(!a.data.runFlag);
        QVERIFY(page.note->isHidden());
    }

    void toothingSwitchResetsTheDataSet() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.z1 = 31;
        a.data.KHbeta = 1.8;
        t.modalAnswer = QMessageBox::Discard;  // "Uložit změny?": "Neukládat"
        QTest::mouseClick(a.form.fullPage().internal, Qt::LeftButton);
        QCOMPARE(t.modals, QStringList{QStringLiteral("SaveChangesQuestion")});
        QCOMPARE(a.data.TypSoukoli, Toothing::Internal);
        QCOMPARE(a.data.z1, 20.0);
        QCOMPARE(a.data.z2, -60.0);
        QCOMPARE(a.data.KHbeta, 1.3);
        QVERIFY(a.form.simplifiedPage().internal->isChecked());
        QTest::mouseClick(a.form.fullPage().external, Qt::LeftButton);
        QCOMPARE(a.data.z2, 40.0);
    }

    void selectingTheToothingFromCodeKeepsTheData() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        // As after loading an internal pair: the buttons follow the data, nothing is reset.
        a.data.TypSoukoli = Toothing::Internal;
        a.data.z1 = 31;
        a.data.z2 = -71;
        a.form.selectToothingButtons();
        QVERIFY(a.form.fullPage().internal->isChecked());
        QCOMPARE(a.data.z1, 31.0);
        a.form.tabs()->setCurrentIndex(1);
        a.form.tabs()->setCurrentIndex(0);
        QCOMPARE(a.data.z1, 31.0);
        QCOMPARE(a.data.z2, -71.0);
        QVERIFY(a.form.simplifiedPage().internal->isChecked());
    }

    void secondTabPreparesTheSimplifiedCalculation_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("scheme");
        QTest::newRow("1a") << "1a" << 2 << 6;
        QTest::newRow("2a") << "2a" << 4 << 6;
        QTest::newRow("4") << "4" << 6 << 5;
        QTest::newRow("7") << "7" << 9 << 1;
        QTest::newRow("8") << "8" << 10 << 3;
        QTest::newRow("none, 0") << "" << 0 << 2;
        QTest::newRow("none, 11") << "" << 11 << 2;
    }

    void secondTabPreparesTheSimplifiedCalculation() {
        QFETCH(QString, layout);
        QFETCH(int, index);
        QFETCH(int, scheme);
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.data.Schema = layout.toStdString();
        a.data.SchemaIndex = static_cast<std::uint16_t>(index);
        a.data.MetodaVypoctu = 'B';
        a.data.Ft1 = 9000;
        a.data.KAS = 2.25;
        a.form.tabs()->setCurrentIndex(1);
        QCOMPARE(int(a.data.SchemaIndex), scheme);
        QVERIFY(a.data.Zjednoduseny);
        QCOMPARE(a.data.MetodaVypoctu, 'A');
        QCOMPARE(a.data.F1, 4000.0);  // Ft1/KAS
        QCOMPARE(a.data.KHbetaFrom, KHbetaSource::Entered);
        QCOMPARE(a.form.saveButton()->text(), QStringLiteral("Ulož zjednod."));
        QVERIFY(!a.form.printButton()->isEnabled());
    }

    void simplifiedCalculationShowsTheShortPanels() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(a.form.simplifiedPage().calculate, Qt::LeftButton);
        QVERIFY(a.data.runFlag);
        const auto& page = a.form.simplifiedPage();
        QVERIFY(shown(page.contact, "ZR1"));
        QVERIFY(shown(page.contact, "KAS"));
        QVERIFY(page.bending->cell("YN1") == nullptr);
        QVERIFY(page.contact->cell("ZB") == nullptr);
        QCOMPARE(page.contact->cell("KHalfa")->value->text(), QStringLiteral("1.200"));
        QVERIFY(!a.wohlohyb.isVisible());
        QVERIFY(!panelShown(a.form.fullPage().bending));
        QCOMPARE(a.form.saveButton()->text(), QStringLiteral("Ulož zjednod."));

        // Back on the first tab the simplified results go, the save stays a simplified one
        // until the next full calculation.
        a.form.tabs()->setCurrentIndex(0);
        QVERIFY(!a.data.Zjednoduseny);
        QCOMPARE(a.form.saveButton()->text(), QStringLiteral("Ulož zjednod."));
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QCOMPARE(a.form.saveButton()->text(), QStringLiteral("Ulož"));
    }

    void helpKeyAndButtonOpenTheContents() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.form));
        QTest::keyClick(&a.form, Qt::Key_F1);
        QVERIFY(a.help.isVisible());
        QCOMPARE(a.help.currentTopic(), 0);
        a.help.close();
        QTest::mouseClick(a.form.helpButton(), Qt::LeftButton);
        QVERIFY(a.help.isVisible());
        QVERIFY(t.messages.isEmpty());
    }

    void missingHelpFileSaysChyba() {
        StartedApp t(QStringLiteral("/nonexistent/help_csn.hlp"));
        QTest::mouseClick(t.app->form.helpButton(), Qt::LeftButton);
        QCOMPARE(t.messages, QStringList{QStringLiteral("chyba")});
        QVERIFY(!t.app->help.isVisible());
    }

    void inputButtonHidesTheResultsBeforeItsDialog() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QList<bool> opened;
        a.form.setInputAction(QStringLiteral("KHß"), [&](bool simplified) {
            QVERIFY(!panelShown(a.form.fullPage().bending));
            opened << simplified;
        });
        QTest::mouseClick(a.form.fullPage().calculate, Qt::LeftButton);
        QVERIFY(panelShown(a.form.fullPage().bending));
        const auto khbeta = [](const MainWindow::Page& p) {
            return *std::find_if(p.inputs.begin(), p.inputs.end(),
                                 [](QPushButton* b) { return b->text() == QStringLiteral("KHß"); });
        };
        QVERIFY(khbeta(a.form.fullPage())->isEnabled());
        QTest::mouseClick(khbeta(a.form.fullPage()), Qt::LeftButton);
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(khbeta(a.form.simplifiedPage()), Qt::LeftButton);
        QCOMPARE(opened, (QList<bool>{false, true}));
    }

    void konecEndsTheProgram() {
        StartedApp t;
        QSignalSpy quit(&t.app->form, &MainWindow::quitRequested);
        QTest::mouseClick(t.app->form.simplifiedPage().quit, Qt::LeftButton);
        QCOMPARE(quit.count(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
