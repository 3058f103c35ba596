// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The loading dialog: one accepted and one refused entry typed into it, the panels of each method
// and input mode, the labels and fields the unit and life options rewrite, the messages and focus
// of "&Ok", the help topics, the main window's trimming and the reference windows. The fields'
// ranges, the conversions and the checks themselves are tested in tests/engine.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "dialogs/LoadClassChart.h"
#include "dialogs/YaTable.h"
#include "dialogs/ApplicationFactorTable.h"
#include "dialogs/KasTable.h"
#include "dialogs/LoadLevelsDialog.h"
#include "dialogs/LoadingDialog.h"
#include "engine/LoadingInput.h"
#include "support/RecordingUi.h"
#include "support/Typing.h"

using namespace soukoli;

namespace {

// A click on the indicator of an option, where its hit area is whatever the layout's width.
void clickOption(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

}  // namespace
using Panel = LoadingDialog::Panel;

class ZatizeniTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    GearPairData data_;
    std::unique_ptr<LoadingDialog> dialog_;
    std::unique_ptr<LoadLevelsDialog> levels_;
    std::unique_ptr<LoadClassChart> chart_;
    std::unique_ptr<YaTable> ya_;
    std::unique_ptr<ApplicationFactorTable> ka_;
    std::unique_ptr<KasTable> kas_;
    QStringList modals_;

    // Method and input mode as the panel of `field` needs them, then the dialog shown.
    void showFor(int field) {
        if (field >= 9) data_.MetodaVypoctu = 'B';
        if (field >= 18 && field <= 21) data_.ZadaniSil = kLoadsFromLevels;
        if (field == 26) data_.ZadaniSil = kLoadsFromLevels;
        if (field >= 9 && field <= 17) data_.ZadaniSil = kLoadsFromClasses;
        if (field >= 22 && field <= 25) data_.ZadaniSil = kLoadsEntered;
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    // Types `text` over field `field` with real keys and leaves it by `key` (Enter or Tab).
    void enter(int field, const QString& text, Qt::Key key = Qt::Key_Return) {
        testing::typeAndLeave(dialog_->field(field), text, key);
    }

private slots:
    void init() {
        ui_ = {};
        data_ = {};
        data_.TypSoukoli = Toothing::External;
        setDefaults(data_);
        data_.d1 = 80;
        data_.z1 = 20;
        data_.z2 = 40;
        modals_.clear();
        dialog_ = std::make_unique<LoadingDialog>(data_, ui_);
        levels_ = std::make_unique<LoadLevelsDialog>(data_, ui_, dialog_.get());
        chart_ = std::make_unique<LoadClassChart>(dialog_.get());
        ya_ = std::make_unique<YaTable>(dialog_.get());
        ka_ = std::make_unique<ApplicationFactorTable>(dialog_.get());
        kas_ = std::make_unique<KasTable>(dialog_.get());
        dialog_->setCompanions(levels_.get(), chart_.get(), ya_.get(), ka_.get(), kas_.get());
        dialog_->runModal = [this](QDialog& d) {
            modals_ << d.objectName();
            return int(QDialog::Rejected);
        };
    }

    void cleanup() {
        kas_.reset();
        ka_.reset();
        ya_.reset();
        chart_.reset();
        levels_.reset();
        dialog_.reset();
    }

    // The wiring: a refused KA shows its message once and keeps the focus; an accepted speed is
    // rewritten in its format in every panel that shows it.
    void entryThroughTheEngine() {
        showFor(1);
        const double KA = data_.KA;
        enter(7, QStringLiteral("0.5"), Qt::Key_Tab);
        QTRY_VERIFY(dialog_->field(7)->hasFocus());
        QCOMPARE(ui_.texts(),
                 std::vector<std::string>{"Neplatné zadání, součinitel KA musí být >=1 a nesmí být větší než KAS"});
        QCOMPARE(dialog_->field(7)->text(), QStringLiteral("0.5"));
        QCOMPARE(data_.KA, KA);
        QCOMPARE(dialog_->currentField(), 7);

        ui_ = {};
        enter(7, QStringLiteral("1.25"));
        QVERIFY(ui_.messages.empty());
        QCOMPARE(dialog_->field(7)->text(), QStringLiteral("1.250"));
        QCOMPARE(data_.KA, 1.25);
        enter(2, QStringLiteral("1500"));
        QCOMPARE(dialog_->field(2)->text(), QStringLiteral("1500.0"));
        QCOMPARE(dialog_->field(10)->text(), QStringLiteral("1500.0"));
        QCOMPARE(dialog_->field(18)->text(), QStringLiteral("1500.0"));
        enter(5, QStringLiteral("0.85"));
        QCOMPARE(dialog_->field(19)->text(), QStringLiteral("0.850"));
        QCOMPARE(dialog_->field(3)->text(), QStringLiteral("6E+7"));
        QVERIFY(ui_.messages.empty());
    }

    void panelsFollowMethodAndMode() {
        showFor(1);
        QVERIFY(dialog_->methodA()->isChecked());
        QVERIFY(dialog_->panel(Panel::Static)->isVisible());
        QVERIFY(!dialog_->levelsBox()->isVisible());
        QVERIFY(!dialog_->modeLabel()->isVisible());

        clickOption(dialog_->methodB());
        QCOMPARE(data_.MetodaVypoctu, 'B');
        QVERIFY(!dialog_->panel(Panel::Static)->isVisible());
        QVERIFY(dialog_->levelsBox()->isVisible());
        QVERIFY(!dialog_->levelsBox()->isChecked());

        clickOption(dialog_->levelsBox());
        QCOMPARE(data_.ZadaniSil, kLoadsFromLevels);
        QVERIFY(dialog_->panel(Panel::Spectrum)->isVisible());
        QVERIFY(dialog_->resultsPanel()->isVisible());
        QCOMPARE(dialog_->resultValue(0)->text(), QStringLiteral("  0.0"));  // voided
        QCOMPARE(dialog_->helpTopic(), 43);

        clickOption(dialog_->classesBox());
        QVERIFY(!dialog_->levelsBox()->isChecked());
        QVERIFY(dialog_->panel(Panel::Classes)->isVisible());
        QVERIFY(dialog_->field(16)->isVisible());
        QVERIFY(dialog_->resultsPanel()->isVisible());
        QVERIFY(dialog_->resultValue(0)->text() != QStringLiteral("  0.0"));  // from class 1
        QCOMPARE(dialog_->resultsCaption()->text(), QStringLiteral("Výsledek schematizace  [N]"));

        clickOption(dialog_->directBox());
        QVERIFY(dialog_->panel(Panel::Direct)->isVisible());
        QVERIFY(!dialog_->field(16)->isVisible());
        QVERIFY(!dialog_->resultsPanel()->isVisible());
        QCOMPARE(dialog_->field(22)->text(), QString());  // not entered yet

        clickOption(dialog_->methodA());
        QCOMPARE(data_.ZadaniSil, kLoadsStatic);
        QVERIFY(dialog_->panel(Panel::Static)->isVisible());
        QVERIFY(!dialog_->panel(Panel::Direct)->isVisible());
    }

    void methodChoiceIsAnnouncedForTheCoefficients() {
        showFor(1);
        QSignalSpy spy(dialog_.get(), &LoadingDialog::methodChanged);
        clickOption(dialog_->methodB());
        clickOption(dialog_->methodB());  // already chosen: nothing
        clickOption(dialog_->methodA());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
    }

    // The conversions are the engine's; the options relabel the fields, rewrite them and tick
    // the same option in every panel.
    void torqueAndHoursRelabelTheFields() {
        showFor(1);
        clickOption(dialog_->torquesRadio(Panel::Static));
        QVERIFY(!data_.SilyF);
        QCOMPARE(dialog_->field(1)->text(), QString::fromStdString(loadingFieldText(data_, 1)));
        QCOMPARE(dialog_->fieldLabel(1)->text(), QStringLiteral("T1"));
        QCOMPARE(dialog_->unitLabel(1)->text(), QStringLiteral("[N·m]"));
        QVERIFY(dialog_->torquesRadio(Panel::Classes)->isChecked());
        clickOption(dialog_->forcesRadio(Panel::Static));
        QVERIFY(data_.SilyF);

        clickOption(dialog_->hoursRadio(Panel::Static));
        QVERIFY(!data_.NKvCyklech);
        QCOMPARE(dialog_->unitLabel(3)->text(), QStringLiteral("[hod]"));
        QCOMPARE(dialog_->field(3)->text(), QString::fromStdString(loadingFieldText(data_, 3)));
        clickOption(dialog_->cyclesRadio(Panel::Static));
        QVERIFY(data_.NKvCyklech);
    }

    void okRefusesUnequalHoursAndMissingLoads() {
        data_.NKvCyklech = false;
        data_.NK2hod = 900;
        showFor(1);
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QCOMPARE(ui_.texts(),
                 std::vector<std::string>{"Neplatné zadání, životnost pastorku a kola v hodinách by se měly rovnat"});
        QVERIFY(dialog_->isVisible());
        QTRY_VERIFY(dialog_->field(4)->hasFocus());

        ui_ = {};
        data_.NK2hod = 1000;
        data_.MetodaVypoctu = 'B';
        data_.ZadaniSil = kLoadsEntered;
        data_.FtFe1 = data_.FtHe1 = data_.FtFe2 = 1000;
        data_.FtHe2 = 0;
        dialog_->repaintFromData();  // as another window's change repaints it
        dialog_->confirm();
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Nejsou zadané všechny síly."});
        QVERIFY(dialog_->isVisible());

        data_.FtHe2 = 1000;
        dialog_->repaintFromData();
        dialog_->confirm();
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    }

    // Which topic belongs to which mode is the engine's (loadingHelpTopic); F1 and "&Help" ask
    // for the topic of the mode shown.
    void helpFollowsTheMode() {
        data_.MetodaVypoctu = 'B';
        data_.ZadaniSil = kLoadsFromClasses;
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QSignalSpy spy(dialog_.get(), &FieldDialog::helpRequested);
        QTest::keyClick(dialog_.get(), Qt::Key_F1);
        clickOption(dialog_->directBox());
        QTest::mouseClick(dialog_->helpButton(), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 45);
        QCOMPARE(spy.at(1).at(0).toInt(), 46);
    }

    void secondTabTrimsTheStaticPanel() {
        data_.MetodaVypoctu = 'B';
        dialog_->trimForTab(true);
        showFor(1);
        QCOMPARE(data_.MetodaVypoctu, 'A');
        for (int n : {2, 3, 4}) QVERIFY(!dialog_->field(n)->isVisible());
        QVERIFY(!dialog_->methodB()->isVisible());
        QVERIFY(!dialog_->helpButton()->isVisible());
        QVERIFY(!dialog_->cyclesRadio(Panel::Static)->isVisible());
        QVERIFY(dialog_->field(1)->isVisible());
        QVERIFY(dialog_->field(8)->isVisible());
        dialog_->trimForTab(false);
        for (int n : {2, 3, 4}) QVERIFY(dialog_->field(n)->isVisible());
        QVERIFY(dialog_->methodB()->isVisible());
        QVERIFY(dialog_->helpButton()->isVisible());
        QVERIFY(dialog_->hoursRadio(Panel::Static)->isVisible());
    }

    void enteredBendingLimitFixesYA() {
        data_.SigmaFlimb1Given = true;
        data_.YA1 = 0.8;
        showFor(1);
        QCOMPARE(dialog_->field(5)->text(), QStringLiteral("1.000"));
        QVERIFY(!dialog_->field(5)->isEnabled());
        QVERIFY(dialog_->field(6)->isEnabled());
    }

    void levelsButtonOpensTheLevelsModally() {
        showFor(26);
        QTest::mouseClick(dialog_->levelsButton(), Qt::LeftButton);
        QCOMPARE(modals_, QStringList{QStringLiteral("LoadLevelsDialog")});
    }

    void referenceWindowsGiveTheFocusBack() {
        showFor(1);
        QTest::mouseClick(dialog_->helpBeside(5), Qt::LeftButton);
        QVERIFY(ya_->isVisible());
        QCOMPARE(ya_->windowTitle(), QStringLiteral("Součinitel YA    (ČSN 01 4686 část 5, tab. 14)"));
        QTest::keyClick(ya_.get(), Qt::Key_Escape);
        QVERIFY(!ya_->isVisible());
        QTRY_VERIFY(dialog_->field(5)->hasFocus());

        QTest::mouseClick(dialog_->helpBeside(7), Qt::LeftButton);
        QCOMPARE(ka_->windowTitle(), QStringLiteral("Součinitel KA    (ČSN 01 4686 část 2, tab. 3,4,5)"));
        QTest::keyClick(ka_.get(), Qt::Key_A);
        QVERIFY(ka_->isVisible());  // any key gives the focus back, only Escape closes
        QTRY_VERIFY(dialog_->field(7)->hasFocus());
        QTest::mouseClick(dialog_->helpBeside(8), Qt::LeftButton);
        QCOMPARE(kas_->windowTitle(), QStringLiteral("Součinitel KAS"));
        QVERIFY(kas_->isVisible());
    }

    void chszHelpOpensTheChartAndFocusesTheClass() {
        showFor(16);
        QTest::mouseClick(dialog_->helpBeside(17), Qt::LeftButton);
        QVERIFY(chart_->isVisible());
        QCOMPARE(chart_->windowTitle(), QStringLiteral("CHSZ"));
        QTRY_VERIFY(dialog_->field(17)->hasFocus());
        QCOMPARE(chart_->leftChart()->size(), QSize(285, 275));
        QTest::keyRelease(chart_.get(), Qt::Key_Return);
        QVERIFY(!chart_->isVisible());
    }

    void referenceTablesCarryTheirTexts() {
        const auto texts = [](const QWidget& w) {
            QString all;
            for (const QLabel* l : w.findChildren<QLabel*>()) all += l->text() + QLatin1Char('\n');
            return all;
        };
        QVERIFY(texts(*ya_).contains(QStringLiteral("Střídavé zatížení (např. satelit) - Y<sub>A</sub> = 0,7 ")));
        QVERIFY(texts(*ka_).contains(QStringLiteral("ORIENTAČNÍ HODNOTY SOUČINITELE K<sub>A</sub>")));
        QVERIFY(texts(*ka_).contains(QStringLiteral("<td align=center>2.25</td>")));
        QVERIFY(texts(*ka_).contains(QStringLiteral("jednoválcový spalovací motor")));
        QVERIFY(texts(*kas_).contains(QStringLiteral("křehký lom zubu nebo deformaci či křehký lom povrchové vrstvy.")));
        // Both charts paint through their bitmaps without a display.
        chart_->show();
        QVERIFY(!chart_->leftChart()->grab().isNull());
        QVERIFY(!chart_->rightChart()->grab().isNull());
    }

    void escapeDoesNotCloseTheDialog() {
        showFor(1);
        QTest::keyClick(dialog_.get(), Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
    }
};

QTEST_MAIN(ZatizeniTest)
#include "LoadingDialogTest.moc"
