// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// "Ulož", "Načti" and "Tisk" of the main window on real files: a project saved and loaded back,
// a simplified project that reopens on the second tab, a refused file, and the printout in a PDF.
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppFixture.h"
#include "app/ProjectCommands.h"
#include "app/ResultPanels.h"
#include "engine/Numbers.h"
#include "files/Reports.h"

using namespace soukoli;
using soukoli::testing::StartedApp;

namespace {

QStringList pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    QStringList out;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) out << l.simplified();
    return out;
}

}  // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void saveThenLoadRestoresTheProject() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QVERIFY(a.form.saveButton()->isEnabled());
        QVERIFY(a.form.loadButton()->isEnabled());
        a.data.F1 = 5250;
        a.data.Material2 = "12 050";
        a.data.standard = Standard::DIN_C;
        const QString chosen = dir_.filePath(QStringLiteral("kolo"));
        a.form.saveAs(chosen);
        QVERIFY2(t.messages.isEmpty(), qPrintable(t.messages.join(QLatin1Char('|'))));
        for (const QString& f : {chosen, chosen + QStringLiteral(".PEV"), chosen + QStringLiteral(".VYS")})
            QVERIFY2(QFile::exists(f), qPrintable(f));

        StartedApp fresh;
        SoukoliApp& b = *fresh.app;
        QVERIFY(b.form.windowTitle().startsWith(QStringLiteral("ČSN 01 4686")));
        b.form.loadFrom(chosen + QStringLiteral(".PEV"));
        QVERIFY(fresh.messages.isEmpty());
        QCOMPARE(b.data.F1, 5250.0);
        QCOMPARE(b.data.Material2, std::string("12 050"));
        QCOMPARE(b.data.standard, Standard::DIN_C);
        QVERIFY(b.form.windowTitle().startsWith(QStringLiteral("DIN - ISO  C")));
        QCOMPARE(b.form.tabs()->currentIndex(), 0);
        QVERIFY(b.form.fullPage().external->isChecked());
    }

    void internalSimplifiedProjectReopensOnTheSecondTab() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        QTest::mouseClick(a.form.fullPage().internal, Qt::LeftButton);
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(a.form.simplifiedPage().calculate, Qt::LeftButton);
        QVERIFY(a.data.runFlag);
        a.form.tabs()->setCurrentIndex(0);
        QCOMPARE(a.form.saveButton()->text(), QStringLiteral("Ulož zjednod."));
        const QString chosen = dir_.filePath(QStringLiteral("vnitrni.txt"));
        a.form.saveAs(chosen);
        QVERIFY(t.messages.isEmpty());
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("vnitrni.PEV"))));

        StartedApp fresh;
        SoukoliApp& b = *fresh.app;
        b.data.z1 = 33;
        b.form.loadFrom(dir_.filePath(QStringLiteral("vnitrni.PEV")));
        QCOMPARE(b.form.tabs()->currentIndex(), 1);
        QVERIFY(b.data.Zjednoduseny);
        QCOMPARE(b.data.TypSoukoli, Toothing::Internal);
        QCOMPARE(b.data.z1, 20.0);  // loaded, not reset by the toothing buttons
        QCOMPARE(b.data.z2, -60.0);
        QVERIFY(b.form.simplifiedPage().internal->isChecked());
        QVERIFY(b.form.fullPage().internal->isChecked());
        QTest::mouseClick(b.form.simplifiedPage().calculate, Qt::LeftButton);
        QVERIFY(b.data.runFlag);
        QCOMPARE(b.form.simplifiedPage().contact->cell("SigmaH1")->value->text(),
                 a.form.simplifiedPage().contact->cell("SigmaH1")->value->text());
    }

    void refusedFileChangesNothing() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        const QString bad = dir_.filePath(QStringLiteral("spatny.PEV"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a project\r\n");
        f.close();
        a.data.z1 = 27;
        a.form.loadFrom(bad);
        // The file ends after its first line: the box names the missing second one and the file.
        QCOMPARE(t.messages, QStringList{QStringLiteral("Tento soubor nelze použít. Soubor má obvykle příponu PEV. Verze "
                                                        "programu 1.1\nObsah souboru neodpovídá projektu (řádek 2).\n") +
                                         bad});
        QCOMPARE(t.captions, QStringList{QStringLiteral("Načítání dat")});
        QCOMPARE(a.data.z1, 27.0);
    }

    void printPutsTheSimplifiedPrintoutIntoOneJob() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        const QString pdf = dir_.filePath(QStringLiteral("tisk.pdf"));
        a.printer = [pdf] {
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(pdf);
            return p;
        };
        a.form.tabs()->setCurrentIndex(1);
        QVERIFY(!a.form.printButton()->isEnabled());
        QTest::mouseClick(a.form.simplifiedPage().calculate, Qt::LeftButton);
        QVERIFY(a.form.printButton()->isEnabled());
        QTest::mouseClick(a.form.printButton(), Qt::LeftButton);
        QVERIFY(t.messages.isEmpty());

        const QStringList text = pdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) could not read the PDF");
        int at = 0;
        for (const std::string& line : files::simplifiedPrintoutLines(a.data, a.clock.now())) {
            const QString want = QString::fromStdString(line).simplified();
            if (want.isEmpty() || want.startsWith(QStringLiteral("Čas"))) continue;  // the clock moved on
            while (at < text.size() && text[at] != want) ++at;
            QVERIFY2(at < text.size(), qPrintable(QStringLiteral("missing or out of order: ") + want));
        }
        QVERIFY(text.contains(QStringLiteral("KONTROLA NA DOTYK")));
    }

    void printerThatCannotBeOpenedIsReported() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.printer = [] {
            auto p = std::make_unique<QPrinter>();
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(QStringLiteral("/nonexistent/dir/tisk.pdf"));
            return p;
        };
        a.form.tabs()->setCurrentIndex(1);
        QTest::mouseClick(a.form.simplifiedPage().calculate, Qt::LeftButton);
        QTest::mouseClick(a.form.printButton(), Qt::LeftButton);
        QCOMPARE(t.messages, QStringList{QString::fromUtf8(kPrinterFailedText.data(), kPrinterFailedText.size())});
        QCOMPARE(t.captions, QStringList{QString::fromUtf8(kErrorCaption.data(), kErrorCaption.size())});
    }

    void everyExampleOpensAndCalculates_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("caption");
        QTest::newRow("default-external") << "default-external.PEV" << 0 << "ČSN 01 4686";
        QTest::newRow("default-internal") << "default-internal.PEV" << 0 << "ČSN 01 4686";
        QTest::newRow("helical-din-b-spektrum") << "helical-din-b-spektrum.PEV" << 0 << "DIN - ISO  B";
        QTest::newRow("chsz-classes") << "chsz-classes.PEV" << 0 << "ČSN 01 4686";
        QTest::newRow("layout-scheme-measured") << "layout-scheme-measured.PEV" << 0 << "ČSN 01 4686";
        QTest::newRow("simplified") << "simplified.PEV" << 1 << "ČSN 01 4686";
    }
    void everyExampleOpensAndCalculates() {
        QFETCH(QString, file);
        QFETCH(int, tab);
        QFETCH(QString, caption);
        StartedApp t;
        SoukoliApp& a = *t.app;
        a.form.loadFrom(QStringLiteral(SOUKOLI_EXAMPLES "/") + file);
        QCOMPARE(a.form.tabs()->currentIndex(), tab);
        QVERIFY(a.form.windowTitle().startsWith(caption));
        const auto& page = tab == 0 ? a.form.fullPage() : a.form.simplifiedPage();
        QTest::mouseClick(page.calculate, Qt::LeftButton);
        QVERIFY2(a.data.runFlag, qPrintable(t.messages.join(QLatin1Char('|'))));
        QVERIFY(!page.bending->cell("SigmaF1")->value->isHidden());
        QCOMPARE(page.contact->cell("SigmaH1")->value->text(), QString::fromStdString(str(a.data.SigmaH1, 6, 1)));
    }

    void fileDialogsAreAnsweredThroughTheUi() {
        StartedApp t;
        SoukoliApp& a = *t.app;
        // Changes not to be saved, the open dialog cancelled: only the recomputation of the
        // current data runs.
        t.modalAnswer = QMessageBox::Discard;
        a.data.Material1 = "15 260";
        QTest::mouseClick(a.form.loadButton(), Qt::LeftButton);
        QCOMPARE(t.modals, (QStringList{QStringLiteral("SaveChangesQuestion"), QStringLiteral("OpenDialog")}));
        QCOMPARE(a.data.Material1, std::string("15 260"));
        QTest::mouseClick(a.form.saveButton(), Qt::LeftButton);
        QCOMPARE(t.modals.last(), QStringLiteral("SaveDialog"));
        QCOMPARE(t.messages, QStringList{});
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
