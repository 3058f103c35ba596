// The loading dialog: every field's accepted value and rejections with their exact messages, the
// panels of each method and input mode, the unit and life conversions behind the options, the
// checks of "&Ok", the help topics, the main window's trimming and the reference windows.
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
#include "support/RecordingUi.h"

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

    void enter(int field, const QString& text) {
        NumberEdit* e = dialog_->field(field);
        e->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(e->hasFocus());
        e->setText(text);
        QTest::keyClick(e, Qt::Key_Return);
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

    void fields_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // empty: accepted
        const QString invalid = QStringLiteral("Neplatné zadání");
        const QString ya1 = QStringLiteral("Neplatné zadání, součinitel YA1 může být od 0.7 do 1 ");
        const QString ya2 = QStringLiteral("Neplatné zadání, součinitel YA2 může být od 0.7 do 1 ");
        const QString ka = QStringLiteral("Neplatné zadání, součinitel KA musí být >=1");
        const QString kaStatic = QStringLiteral("Neplatné zadání, součinitel KA musí být >=1 a nesmí být větší než KAS");
        QTest::newRow("F1 4500") << 1 << "4500" << "";
        QTest::newRow("F1 0") << 1 << "0" << invalid;
        QTest::newRow("n1 comma") << 2 << "12,5" << invalid;
        QTest::newRow("NK1 empty") << 3 << "" << invalid;
        QTest::newRow("NK2 1.25E1") << 4 << "1.25E1" << "";
        QTest::newRow("YA1 0.7") << 5 << "0.7" << "";
        QTest::newRow("YA1 1") << 5 << "1" << "";
        QTest::newRow("YA1 0.69") << 5 << "0.69" << ya1;
        QTest::newRow("YA1 1.01") << 5 << "1.01" << ya1;
        QTest::newRow("YA2 1.01") << 6 << "1.01" << ya2;
        QTest::newRow("KA 0.5 static") << 7 << "0.5" << kaStatic;
        QTest::newRow("KA above KAS") << 7 << "2.5" << kaStatic;
        QTest::newRow("KA = KAS") << 7 << "2" << "";
        QTest::newRow("KAS below 1") << 8 << "0.9" << QStringLiteral("Neplatné zadání, součinitel KAS musí být >=1 a nesmí být menší než KA");
        QTest::newRow("KAS 1") << 8 << "1" << "";
        QTest::newRow("Ft1 0") << 9 << "0" << invalid;
        QTest::newRow("n1 classes") << 10 << "1500" << "";
        QTest::newRow("YA1 classes 0.69") << 13 << "0.69" << ya1;
        QTest::newRow("YA2 classes 0.7") << 14 << "0.7" << "";
        QTest::newRow("KA 0.5 classes") << 15 << "0.5" << ka;
        QTest::newRow("KA 2.5 classes") << 15 << "2.5" << "";
        QTest::newRow("CHSZ1 0") << 16 << "0" << QStringLiteral("Neplatné zadání, CHSZ1 musí být od 1 do 17");
        QTest::newRow("CHSZ1 18") << 16 << "18" << QStringLiteral("Neplatné zadání, CHSZ1 musí být od 1 do 17");
        QTest::newRow("CHSZ2 2.5") << 17 << "2.5" << QStringLiteral("Neplatné zadání, CHSZ2 musí být od 1 do 17");
        QTest::newRow("CHSZ2 17") << 17 << "17" << "";
        QTest::newRow("n1 spectrum 0") << 18 << "0" << invalid;
        QTest::newRow("YA1 spectrum 1.01") << 19 << "1.01" << ya1;
        QTest::newRow("YA2 spectrum 0.69") << 20 << "0.69" << ya2;
        QTest::newRow("KA spectrum 0.5") << 21 << "0.5" << ka;
        QTest::newRow("FtFe1 above Ft1") << 22 << "4000.5" << QStringLiteral("FtFe1 nemůže být větší než Ft1");
        QTest::newRow("FtHe1 comma") << 23 << "12,5" << QStringLiteral("FtHe1 nemůže být větší než Ft1");
        QTest::newRow("FtFe2 4000") << 24 << "4000" << "";
        QTest::newRow("FtHe2 0") << 25 << "0" << QStringLiteral("FtHe2 nemůže být větší než Ft1");
        QTest::newRow("Ft1 spectrum") << 26 << "5000" << "";
    }
    void fields() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        showFor(field);
        QVERIFY(dialog_->field(field)->isVisible());
        enter(field, text);
        if (message.isEmpty()) {
            QVERIFY(ui_.messages.empty());
        } else {
            QCOMPARE(ui_.texts(), std::vector<std::string>{message.toStdString()});
        }
        QVERIFY(dialog_->field(field)->hasFocus());
        QCOMPARE(dialog_->currentField(), field);
    }

    void acceptedValueIsShownInEveryPanel() {
        showFor(1);
        enter(2, QStringLiteral("1500"));
        QCOMPARE(dialog_->field(2)->text(), QStringLiteral("1500.0"));
        QCOMPARE(dialog_->field(10)->text(), QStringLiteral("1500.0"));
        QCOMPARE(dialog_->field(18)->text(), QStringLiteral("1500.0"));
        enter(5, QStringLiteral("0.85"));
        QCOMPARE(dialog_->field(19)->text(), QStringLiteral("0.850"));
        QCOMPARE(dialog_->field(3)->text(), QStringLiteral("6E+7"));
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

    void torqueAndHoursConvertTheValues() {
        showFor(1);
        clickOption(dialog_->torquesRadio(Panel::Static));
        QCOMPARE(data_.T1, 160.0);  // 4000 N on d1 = 80 mm
        QCOMPARE(dialog_->field(1)->text(), QStringLiteral("160.0"));
        QCOMPARE(dialog_->fieldLabel(1)->text(), QStringLiteral("T1"));
        QCOMPARE(dialog_->unitLabel(1)->text(), QStringLiteral("[N·m]"));
        QVERIFY(dialog_->torquesRadio(Panel::Classes)->isChecked());
        clickOption(dialog_->forcesRadio(Panel::Static));
        QCOMPARE(data_.F1, 4000.0);

        clickOption(dialog_->hoursRadio(Panel::Static));
        QCOMPARE(data_.NK1hod, 1000.0);
        QCOMPARE(data_.NK2hod, 1000.0);
        QCOMPARE(dialog_->unitLabel(3)->text(), QStringLiteral("[hod]"));
        QCOMPARE(dialog_->field(3)->text(), QStringLiteral("1000.0"));
        clickOption(dialog_->cyclesRadio(Panel::Static));
        QCOMPARE(data_.NK1, 6e7);
        QCOMPARE(data_.NK2, 3e7);
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
        QCOMPARE(data_.FtH, 1000.0);
    }

    void helpTopicsByMode_data() {
        QTest::addColumn<char>("method");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("topic");
        QTest::newRow("A") << 'A' << 0 << 42;
        QTest::newRow("B none") << 'B' << 0 << 41;
        QTest::newRow("B spectrum") << 'B' << 1 << 43;
        QTest::newRow("B classes") << 'B' << 2 << 45;
        QTest::newRow("B direct") << 'B' << 3 << 46;
    }
    void helpTopicsByMode() {
        QFETCH(char, method);
        QFETCH(int, mode);
        QFETCH(int, topic);
        data_.MetodaVypoctu = method;
        data_.ZadaniSil = static_cast<std::uint16_t>(mode);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QSignalSpy spy(dialog_.get(), &FieldDialog::helpRequested);
        QTest::keyClick(dialog_.get(), Qt::Key_F1);
        QTest::mouseClick(dialog_->helpButton(), Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), topic);
        QCOMPARE(spy.at(1).at(0).toInt(), topic);
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
        QCOMPARE(data_.YA1, 1.0);
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
