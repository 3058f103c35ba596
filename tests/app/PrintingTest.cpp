// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Printing text lines as one job, checked on a PDF file whose text is read back with pdftotext.
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Printing.h"

using namespace soukoli;

namespace {

// The text of a PDF as pdftotext lays it out, one string per line, runs of blanks collapsed.
QStringList pdfLines(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    QStringList out;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty()) out << l.simplified();
    return out;
}

QString simplified(const std::string& line) {
    return QString::fromStdString(line).simplified();
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void linesReachThePdfInOrderOnAsManyPagesAsNeeded() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("tisk.pdf"));
        std::vector<std::string> lines = {"", "", "",
                                          "\t\t Vstupní údaje pro zjednodušený pevnostní výpočet soukolí",
                                          "\t\t Čas   - 10:00:00\t\t      Datum - 8.12.2026",
                                          "\t\t z1= 20.0                   z2= 40.0"};
        for (int i = 0; i < 150; ++i) lines.push_back("\t\t řádek " + std::to_string(i));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(printLines(printer, lines, QStringLiteral("Zjednodušený výpočet")));
        QCOMPARE(printer.docName(), QStringLiteral("Zjednodušený výpočet"));

        const QStringList text = pdfLines(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) could not read the PDF");
        int at = 0;
        for (const std::string& line : lines) {
            const QString want = simplified(line);
            if (want.isEmpty()) continue;
            while (at < text.size() && text[at] != want) ++at;
            QVERIFY2(at < text.size(), qPrintable(QStringLiteral("missing or out of order: ") + want));
        }
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+[2-9]"))));
    }

    void printerThatCannotBeOpened() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent/dir/tisk.pdf"));
        QVERIFY(!printLines(printer, {"\t\t text"}, QStringLiteral("Zjednodušený výpočet")));
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
