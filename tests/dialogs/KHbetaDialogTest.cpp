// The face-load-factor window, the layout-scheme window and the simplified scheme picture: the
// field tables with their boundaries and messages, what the options do to the data set, the
// press marks, "Ok" and "Esc", the layout choice by mouse and PgUp/PgDn, the red ratio marks and
// the picture's regions.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "dialogs/KHbetaDialog.h"
#include "dialogs/PressPreFilter.h"
#include "dialogs/LayoutSchemeDialog.h"
#include "dialogs/LayoutSchemeChart.h"
#include "engine/FaceLoadInput.h"
#include "engine/LayoutSchemesTables.h"
#include "engine/Tabs.h"
#include "support/RecordingUi.h"

using namespace soukoli;

namespace {

GearPairData defaults() {
    GearPairData g;
    g.TypSoukoli = Toothing::External;
    testing::RecordingUi ui;
    resetToDefaults(g, ui);
    return g;
}

// A check box takes a click on its box or its caption, not on the rest of its row.
void clickOption(QCheckBox* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

QPoint cellPoint(int number) {
    const PixelRect& c = kLayoutCells[static_cast<std::size_t>(number - 1)];
    return {c.x + 20, c.y + 20};
}

}  // namespace

class KHbetaTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    PressPreFilter filter_;
    GearPairData data_;
    std::unique_ptr<KHbetaDialog> khbeta_;
    std::unique_ptr<LayoutSchemeDialog> pudorys_;
    int layoutOpened_ = 0;
    int pictureOpened_ = 0;

    void showKHbeta() {
        khbeta_->show();
        QVERIFY(QTest::qWaitForWindowActive(khbeta_.get()));
    }
    void showPudorys() {
        pudorys_->show();
        QVERIFY(QTest::qWaitForWindowActive(pudorys_.get()));
    }
    std::vector<std::string> texts() const { return ui_.texts(); }

private slots:
    void initTestCase() { filter_.install(); }

    void init() {
        ui_ = {};
        data_ = defaults();
        layoutOpened_ = pictureOpened_ = 0;
        khbeta_ = std::make_unique<KHbetaDialog>(data_, ui_);
        pudorys_ = std::make_unique<LayoutSchemeDialog>(data_, ui_);
        khbeta_->setSchemeWindows([this] { ++layoutOpened_; }, [this] { ++pictureOpened_; });
    }

    void cleanup() {
        khbeta_.reset();
        pudorys_.reset();
    }

    // ---- Face-load window ---------------------------------------------------------------------

    void khbetaFields_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        const QString bcal = QStringLiteral("Neplatné zadání šířky pásma dotyku zatížených zubů bcal");
        const QString kh = QStringLiteral("KHbeta vol větší nebo rovno 1");
        QTest::newRow("bcal 0") << 1 << "0" << false << bcal;
        QTest::newRow("bcal 0.1") << 1 << "0.1" << true << QString();
        QTest::newRow("bcal comma") << 1 << "12,5" << false << bcal;
        QTest::newRow("KHbeta 1") << 2 << "1" << true << QString();
        QTest::newRow("KHbeta 0.999") << 2 << "0.999" << false << kh;
        QTest::newRow("KHbeta empty") << 2 << "" << false << kh;
    }
    void khbetaFields() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        showKHbeta();
        NumberEdit* e = field == 1 ? khbeta_->bcalEdit() : khbeta_->khbetaEdit();
        e->setText(text);
        QCOMPARE(khbeta_->commitField(field), accepted);
        QCOMPARE(texts(), accepted ? std::vector<std::string>{} : std::vector<std::string>{message.toStdString()});
        if (accepted)
            QCOMPARE(data_.KHbetaFrom, field == 1 ? KHbetaSource::FromBcal : KHbetaSource::Entered);
    }

    void creationAndActivationShowTheSource() {
        showKHbeta();
        QVERIFY(khbeta_->directOption()->isChecked());
        QVERIFY(!khbeta_->bcalEdit()->isEnabled());
        QCOMPARE(khbeta_->khbetaEdit()->text(), QStringLiteral("1.300"));
        khbeta_->hide();
        data_.KHbetaFrom = KHbetaSource::FromBcal;
        data_.bcal = 42;
        showKHbeta();
        QVERIFY(khbeta_->bcalOption()->isChecked() && !khbeta_->directOption()->isChecked());
        QVERIFY(khbeta_->bcalEdit()->isEnabled() && !khbeta_->khbetaEdit()->isEnabled());
        QCOMPARE(khbeta_->bcalEdit()->text(), QStringLiteral(" 42.0"));
        QVERIFY(khbeta_->khbetaEdit()->text().isEmpty());
        QCOMPARE(khbeta_->focusWidget(), khbeta_->bcalEdit());
    }

    void switchingOptionsClearsTheOtherInput() {
        showKHbeta();
        data_.bcal = 30;
        clickOption(khbeta_->bcalOption());
        QCOMPARE(data_.KHbeta, 0.0);
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::FromBcal);
        QVERIFY(khbeta_->bcalEdit()->hasFocus());
        QVERIFY(!khbeta_->directOption()->isChecked());
        clickOption(khbeta_->directOption());
        QCOMPARE(data_.bcal, 0.0);
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::Entered);
        QVERIFY(khbeta_->khbetaEdit()->hasFocus());
        QVERIFY(texts().empty());
    }

    void clickingAnOptionWithAnInvalidEntryGivesNoMessage() {
        showKHbeta();
        khbeta_->khbetaEdit()->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(khbeta_->khbetaEdit()->hasFocus());
        khbeta_->khbetaEdit()->setText(QStringLiteral("0.5"));
        clickOption(khbeta_->bcalOption());
        QVERIFY(khbeta_->bcalOption()->isChecked());
        QVERIFY(texts().empty());
        QTest::mouseClick(khbeta_->helpButton(), Qt::LeftButton);
        QVERIFY(texts().empty());
    }

    void schemeOptionOpensTheLayoutWindowWith1aFirst() {
        data_.Schema.clear();
        data_.SchemaIndex = 0;
        showKHbeta();
        clickOption(khbeta_->schemeOption());
        QCOMPARE(layoutOpened_, 1);
        QCOMPARE(pictureOpened_, 0);
        QCOMPARE(data_.Schema, std::string("1a"));
        QCOMPARE(data_.SchemaIndex, std::uint16_t{2});
        QCOMPARE(khbeta_->schemeLabel()->text(), QStringLiteral("1a"));
        QVERIFY(!khbeta_->bcalEdit()->isEnabled() && !khbeta_->khbetaEdit()->isEnabled());
        QVERIFY(khbeta_->khbetaEdit()->text().isEmpty());
        QCOMPARE(data_.KHbeta, 0.0);
        clickOption(khbeta_->schemeOption());  // unticked: no source
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::None);
        QVERIFY(khbeta_->schemeLabel()->text().isEmpty());
    }

    void escInTheLayoutWindowReturnsToDirectEntry() {
        khbeta_->setSchemeWindows([this] { cancelLayout(data_); }, {});
        showKHbeta();
        clickOption(khbeta_->schemeOption());
        QVERIFY(khbeta_->directOption()->isChecked() && !khbeta_->schemeOption()->isChecked());
        QVERIFY(khbeta_->khbetaEdit()->isEnabled());
    }

    void simplifiedSchemeOpensThePicture() {
        data_.Zjednoduseny = true;
        data_.Schema = std::to_string(4);  // (a literal trips a false -Wrestrict of GCC 12)
        data_.SchemaIndex = 6;
        showKHbeta();
        QCOMPARE(data_.SchemaIndex, std::uint16_t{4});  // the first activation reads the label
        clickOption(khbeta_->schemeOption());
        QCOMPARE(pictureOpened_, 1);
        QCOMPARE(layoutOpened_, 0);
        QCOMPARE(data_.KHbeta, 1.3);  // the picture computes it, nothing is cleared
        QCOMPARE(khbeta_->schemeLabel()->text(), QStringLiteral("4"));
    }

    // "Ok" pressed without leaving a field (leaving one validates it and so chooses its source).
    void okChecksTheSource() {
        showKHbeta();
        clickOption(khbeta_->directOption());  // unticked: no source
        khbeta_->okButton()->click();
        QCOMPARE(texts(), std::vector<std::string>{"Není zadaná žádná možnost"});
        QVERIFY(khbeta_->isVisible());
        QVERIFY(khbeta_->bcalOption()->isChecked());
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::FromBcal);

        ui_.messages.clear();
        khbeta_->okButton()->click();
        QCOMPARE(texts(), std::vector<std::string>{"Neplatné zadání šířky pásma dotyku zatížených zubů bcal"});
        QVERIFY(khbeta_->isVisible());

        ui_.messages.clear();
        data_.KHbetaFrom = KHbetaSource::Entered;
        data_.KHbeta = 0.99;
        khbeta_->okButton()->click();
        QCOMPARE(texts(), std::vector<std::string>{"KHbeta vol větší nebo rovno 1"});
        QVERIFY(khbeta_->directOption()->isChecked());
        QVERIFY(khbeta_->khbetaEdit()->hasFocus());

        ui_.messages.clear();
        data_.KHbeta = 1;
        khbeta_->okButton()->click();
        QVERIFY(texts().empty());
        QCOMPARE(khbeta_->result(), int(QDialog::Accepted));
    }

    void escDoesNotBypassTheChecks() {
        showKHbeta();
        QTest::keyClick(khbeta_.get(), Qt::Key_Escape);
        QVERIFY(khbeta_->isVisible());
    }

    void tabTrimmingAndToothingSwitch() {
        khbeta_->trimForTab(true);
        showKHbeta();
        QVERIFY(khbeta_->bcalOption()->isHidden() && khbeta_->bcalEdit()->isHidden());
        QVERIFY(khbeta_->helpButton()->isHidden());
        QVERIFY(!khbeta_->schemeOption()->isHidden() && !khbeta_->directOption()->isHidden());
        khbeta_->trimForTab(false);
        QVERIFY(!khbeta_->bcalOption()->isHidden() && !khbeta_->bcalEdit()->isHidden());
        QVERIFY(!khbeta_->helpButton()->isHidden());

        clickOption(khbeta_->bcalOption());
        switchToothing(data_, Toothing::Internal, ToothingInputs::Reset, ui_);
        khbeta_->toothingSwitched();
        QVERIFY(!khbeta_->schemeOption()->isEnabled());
        QVERIFY(khbeta_->directOption()->isChecked() && !khbeta_->bcalOption()->isChecked());
        QVERIFY(!khbeta_->bcalEdit()->isEnabled() && khbeta_->khbetaEdit()->isEnabled());
        QCOMPARE(khbeta_->khbetaEdit()->text(), QStringLiteral("  1.3"));
        switchToothing(data_, Toothing::External, ToothingInputs::Reset, ui_);
        khbeta_->toothingSwitched();
        QVERIFY(khbeta_->schemeOption()->isEnabled());
    }

    void helpAndAccuracyRepaint() {
        QSignalSpy help(khbeta_.get(), &KHbetaDialog::helpRequested);
        QSignalSpy changed(khbeta_.get(), &KHbetaDialog::dataChanged);
        showKHbeta();
        QTest::mouseClick(khbeta_->helpButton(), Qt::LeftButton);
        QTest::keyClick(khbeta_->khbetaEdit(), Qt::Key_F1);
        QCOMPARE(help.count(), 2);
        QCOMPARE(help.at(0).at(0).toInt(), 71);
        khbeta_->khbetaEdit()->setText(QStringLiteral("1.2"));
        khbeta_->commitField(2);
        QVERIFY(changed.count() >= 1);
        const int before = changed.count();
        khbeta_->hide();
        QCOMPARE(changed.count(), before + 1);
    }

    // ---- Layout-scheme window -----------------------------------------------------------------

    void layoutFields_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("s1 0") << 1 << "0" << true << QString() << "   0.0";
        QTest::newRow("s1 negative") << 1 << "-0.1" << false << "Rozměr s1 musí být kladný" << "-0.1";
        QTest::newRow("s2 negative") << 2 << "-1" << false << "Rozměr s2 musí být kladný" << "-1";
        QTest::newRow("lw1 = 2·s1") << 3 << "50" << true << QString() << "  50.0";
        QTest::newRow("lw1 below 2·s1") << 3 << "49.9" << false
                                         << "Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1" << "49.9";
        QTest::newRow("lw2 0") << 4 << "0" << false
                               << "Rozměr lw2 musí být větší než 0 a alespoň 2x větší než rozměr s2" << "0";
        QTest::newRow("dsh1 0") << 5 << "0" << false << "Rozměr dsh1 musí být větší než 0" << "0";
        QTest::newRow("dsh1 above df1") << 5 << "75" << true
                                         << "                             VAROVÁNÍ\r\rRozměr dsh1 je větší než patní průměr pastorku"
                                         << "  75.0";
        QTest::newRow("dsh2 0") << 6 << "0" << false << "Rozměr dsh2 musí být větší než 0" << "0";
        QTest::newRow("dII 0") << 7 << "0" << false << "Rozměr dII musí být větší než 0" << "0";
        QTest::newRow("dII below dsh2") << 7 << "20" << true
                                         << "                           VAROVÁNÍ\r\rRozměr dII je menší než průměr hřídele dsh2"
                                         << "  20.0";
        QTest::newRow("dI comma") << 8 << "80,5" << false << "Rozměr dI musí být větší než 0" << "80,5";
    }
    void layoutFields() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        data_.s1 = 25;
        data_.dsh2 = 30;
        selectLayout(data_, 10);
        showPudorys();
        pudorys_->edit(field)->setText(text);
        QCOMPARE(pudorys_->commitField(field), accepted);
        QCOMPARE(texts(), message.isEmpty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{message.toStdString()});
        QCOMPARE(pudorys_->edit(field)->text(), shown);
    }

    void ratioMarksAboveThreeTenths() {
        showPudorys();
        pudorys_->edit(3)->setText(QStringLiteral("100"));
        QVERIFY(pudorys_->commitField(3));
        pudorys_->edit(1)->setText(QStringLiteral("30"));
        QVERIFY(pudorys_->commitField(1));
        QVERIFY(!pudorys_->grid()->warning1());
        pudorys_->edit(1)->setText(QStringLiteral("31"));
        QVERIFY(pudorys_->commitField(1));
        QVERIFY(pudorys_->grid()->warning1());
        QVERIFY(!pudorys_->grid()->warning2());
        QVERIFY(texts().empty());  // the entry is still accepted
    }

    void layoutChoiceByMouseAndKeys() {
        selectLayout(data_, 1);
        showPudorys();
        QTest::keyClick(pudorys_.get(), Qt::Key_PageUp);
        QCOMPARE(data_.SchemaIndex, std::uint16_t{10});
        QCOMPARE(data_.Schema, std::string("8"));
        QVERIFY(!pudorys_->edit(7)->isHidden() && !pudorys_->edit(8)->isHidden());
        QTest::keyClick(pudorys_.get(), Qt::Key_PageDown);
        QCOMPARE(data_.SchemaIndex, std::uint16_t{1});
        QTest::mouseClick(pudorys_->grid(), Qt::LeftButton, {}, cellPoint(4));
        QCOMPARE(data_.Schema, std::string("2a"));
        QVERIFY(pudorys_->edit(7)->isHidden() && pudorys_->edit(8)->isHidden());
        QVERIFY(pudorys_->fieldLabel(7)->isHidden());
        QTest::mouseClick(pudorys_->grid(), Qt::LeftButton, {}, cellPoint(5));
        QCOMPARE(data_.Schema, std::string("3"));
        QVERIFY(!pudorys_->edit(7)->isHidden() && pudorys_->edit(8)->isHidden());
        QTest::mouseClick(pudorys_->grid(), Qt::LeftButton, {}, QPoint(400, 500));  // beside the cells
        QCOMPARE(data_.Schema, std::string("3"));
    }

    void okChecksTheDimensionsInOrder() {
        selectLayout(data_, 5);
        showPudorys();
        QTest::mouseClick(pudorys_->okButton(), Qt::LeftButton);
        QCOMPARE(texts(), std::vector<std::string>{"Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1"});
        QVERIFY(pudorys_->edit(3)->hasFocus());
        // The dimensions typed in and confirmed with Enter; "Ok" then checks the rest.
        for (const auto& [field, text] : {std::pair{3, "200"}, {4, "200"}, {5, "40"}, {6, "40"}}) {
            pudorys_->edit(field)->setFocus(Qt::OtherFocusReason);
            pudorys_->edit(field)->setText(QString::fromLatin1(text));
            QTest::keyClick(pudorys_->edit(field), Qt::Key_Return);
        }
        ui_.messages.clear();
        pudorys_->okButton()->click();
        QCOMPARE(texts(), std::vector<std::string>{"Rozměr dII musí být větší než 0"});
        QVERIFY(pudorys_->edit(7)->hasFocus());
        pudorys_->edit(7)->setText(QStringLiteral("100"));
        ui_.messages.clear();
        QTest::mouseClick(pudorys_->okButton(), Qt::LeftButton);
        QVERIFY(texts().empty());
        QCOMPARE(pudorys_->result(), int(QDialog::Accepted));
    }

    void escClearsEverythingEvenFromAnInvalidEntry() {
        data_.KHbetaFrom = KHbetaSource::FromScheme;
        data_.s1 = 31;
        data_.lw1 = 100;
        showPudorys();
        QVERIFY(pudorys_->grid()->warning1());
        pudorys_->edit(2)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(pudorys_->edit(2)->hasFocus());
        pudorys_->edit(2)->setText(QStringLiteral("-5"));
        QTest::mouseClick(pudorys_->escButton(), Qt::LeftButton);
        QVERIFY(texts().empty());
        QCOMPARE(pudorys_->result(), int(QDialog::Rejected));
        QCOMPARE(data_.SchemaIndex, std::uint16_t{0});
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::Entered);
        QCOMPARE(data_.s1, 0.0);
        QCOMPARE(data_.lw1, 0.0);
        QCOMPARE(pudorys_->edit(1)->text(), QStringLiteral("   0.0"));
        QVERIFY(!pudorys_->grid()->warning1());
    }

    // ---- Simplified picture -------------------------------------------------------------------

    void pictureClickPicksASchemeAndComputesKHbeta() {
        data_.Zjednoduseny = true;
        data_.z1 = 20;
        data_.mn = 5;
        data_.Beta = 0;
        data_.b1 = data_.b2 = 100;
        data_.VHV1 = data_.VHV2 = 600;
        LayoutSchemeChart picture(data_);
        int beeps = 0;
        picture.beep = [&beeps] { ++beeps; };
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        QTest::mouseClick(picture.picture(), Qt::LeftButton, {}, QPoint(150, 200));
        QCOMPARE(beeps, 1);
        QVERIFY(picture.isVisible());
        QTest::mouseMove(picture.picture(), QPoint(30, 230));
        QTRY_COMPARE(picture.picture()->highlighted(), std::optional<int>(0));
        QTest::mouseClick(picture.picture(), Qt::LeftButton, {}, QPoint(30, 230));
        QCOMPARE(picture.result(), int(QDialog::Accepted));
        QCOMPARE(data_.SchemaIndex, std::uint16_t{1});
        QCOMPARE(data_.KHbeta, 2.2);
    }
};

QTEST_MAIN(KHbetaTest)
#include "KHbetaDialogTest.moc"
