// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The face-load-factor window, the layout-scheme window and the simplified scheme picture: one
// accepted and one refused entry typed into each, what the options show and where they put the
// focus, the press marks, "Ok" and "Esc", the layout choice by mouse and PgUp/PgDn, the red ratio
// marks and the picture's clicks. The rules behind them are tested in tests/engine.
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
#include "support/Typing.h"

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

    // Puts the focus into `e` and types `text` over its content with real keys (after the events
    // a click left behind, its press mark among them, as between a user's click and keys).
    void type(NumberEdit* e, const QString& text) {
        QCoreApplication::processEvents();
        testing::typeOver(e, text);
    }

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

    // The wiring with real keys: the accepted bcal is rewritten in its format, the refused
    // KHbeta shows its message once and keeps the focus.
    void entryThroughTheEngine() {
        showKHbeta();
        clickOption(khbeta_->bcalOption());
        type(khbeta_->bcalEdit(), QStringLiteral("12.5"));
        QTest::keyClick(khbeta_->bcalEdit(), Qt::Key_Return);
        QVERIFY(texts().empty());
        QCOMPARE(data_.bcal, 12.5);
        QCOMPARE(khbeta_->bcalEdit()->text(), QStringLiteral(" 12.5"));

        clickOption(khbeta_->directOption());
        type(khbeta_->khbetaEdit(), QStringLiteral("0.999"));
        QTest::keyClick(khbeta_->khbetaEdit(), Qt::Key_Tab);
        QTRY_VERIFY(khbeta_->khbetaEdit()->hasFocus());
        QCOMPARE(texts(), std::vector<std::string>{std::string(kMsgKHbeta)});
        QCOMPARE(khbeta_->khbetaEdit()->text(), QStringLiteral("0.999"));
        QVERIFY(data_.KHbeta != 0.999);
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

    // What an option leaves in the data set is the engine's; the window ticks one option and
    // moves the focus to its field.
    void switchingOptionsMovesTheFocus() {
        showKHbeta();
        clickOption(khbeta_->bcalOption());
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::FromBcal);
        QVERIFY(khbeta_->bcalEdit()->hasFocus() && khbeta_->bcalEdit()->isEnabled());
        QVERIFY(!khbeta_->directOption()->isChecked());
        clickOption(khbeta_->directOption());
        QVERIFY(khbeta_->khbetaEdit()->hasFocus() && !khbeta_->bcalEdit()->isEnabled());
        QVERIFY(!khbeta_->bcalOption()->isChecked());
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
        QCOMPARE(khbeta_->schemeLabel()->text(), QStringLiteral("1a"));
        QVERIFY(!khbeta_->bcalEdit()->isEnabled() && !khbeta_->khbetaEdit()->isEnabled());
        QVERIFY(khbeta_->khbetaEdit()->text().isEmpty());
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

    // A value typed and confirmed only by "Ok" is entered, not lost; a refused one keeps the window.
    void okEntersATypedValue() {
        showKHbeta();
        type(khbeta_->khbetaEdit(), QStringLiteral("0.5"));
        khbeta_->okButton()->click();
        QCOMPARE(texts().size(), std::size_t{1});
        QVERIFY(khbeta_->isVisible());
        QVERIFY(khbeta_->khbetaEdit()->hasFocus());
        ui_.messages.clear();
        type(khbeta_->khbetaEdit(), QStringLiteral("1.45"));
        khbeta_->okButton()->click();
        QVERIFY(texts().empty());
        QCOMPARE(data_.KHbeta, 1.45);
        QCOMPARE(khbeta_->result(), int(QDialog::Accepted));
    }

    void escDoesNotBypassTheChecks() {
        showKHbeta();
        QTest::keyClick(khbeta_.get(), Qt::Key_Escape);
        QVERIFY(khbeta_->isVisible());
    }

    void tabTrimming() {
        khbeta_->trimForTab(true);
        showKHbeta();
        QVERIFY(khbeta_->bcalOption()->isHidden() && khbeta_->bcalEdit()->isHidden());
        QVERIFY(khbeta_->helpButton()->isHidden());
        QVERIFY(!khbeta_->schemeOption()->isHidden() && !khbeta_->directOption()->isHidden());
        khbeta_->trimForTab(false);
        QVERIFY(!khbeta_->bcalOption()->isHidden() && !khbeta_->bcalEdit()->isHidden());
        QVERIFY(!khbeta_->helpButton()->isHidden());
    }

    void helpAndAccuracyRepaint() {
        QSignalSpy help(khbeta_.get(), &KHbetaDialog::helpRequested);
        QSignalSpy changed(khbeta_.get(), &KHbetaDialog::dataChanged);
        showKHbeta();
        QTest::mouseClick(khbeta_->helpButton(), Qt::LeftButton);
        QTest::keyClick(khbeta_->khbetaEdit(), Qt::Key_F1);
        QCOMPARE(help.count(), 2);
        QCOMPARE(help.at(0).at(0).toInt(), 71);
        type(khbeta_->khbetaEdit(), QStringLiteral("1.2"));
        QTest::keyClick(khbeta_->khbetaEdit(), Qt::Key_Return);
        QVERIFY(changed.count() >= 1);
        const int before = changed.count();
        khbeta_->hide();
        QCOMPARE(changed.count(), before + 1);
    }

    // ---- Layout-scheme window -----------------------------------------------------------------

    // The wiring with real keys: an accepted lw1 is rewritten in its format, a refused s1 keeps
    // its text, its message and the focus, and an accepted entry with a warning shows it once.
    void layoutEntryThroughTheEngine() {
        data_.s1 = 25;
        selectLayout(data_, 10);
        showPudorys();
        type(pudorys_->edit(3), QStringLiteral("50"));
        QTest::keyClick(pudorys_->edit(3), Qt::Key_Return);
        QVERIFY(texts().empty());
        QCOMPARE(pudorys_->edit(3)->text(), QStringLiteral("  50.0"));

        type(pudorys_->edit(1), QStringLiteral("-0.1"));
        QTest::keyClick(pudorys_->edit(1), Qt::Key_Tab);
        QTRY_VERIFY(pudorys_->edit(1)->hasFocus());
        QCOMPARE(texts(), std::vector<std::string>{"Rozměr s1 musí být kladný"});
        QCOMPARE(pudorys_->edit(1)->text(), QStringLiteral("-0.1"));
        QCOMPARE(data_.s1, 25.0);
        type(pudorys_->edit(1), QStringLiteral("25"));  // corrected, the focus may move on
        QTest::keyClick(pudorys_->edit(1), Qt::Key_Return);

        ui_.messages.clear();
        type(pudorys_->edit(5), QStringLiteral("75"));  // thicker than the pinion's root
        QTest::keyClick(pudorys_->edit(5), Qt::Key_Return);
        QCOMPARE(texts().size(), std::size_t{1});
        QCOMPARE(data_.dsh1, 75.0);
        QCOMPARE(pudorys_->edit(5)->text(), QStringLiteral("  75.0"));
    }

    // Where the ratio turns red is the engine's (leverRatio); an accepted entry repaints the mark.
    void ratioMarkFollowsAnEntry() {
        data_.lw1 = 100;
        showPudorys();
        QVERIFY(!pudorys_->grid()->warning1());
        type(pudorys_->edit(1), QStringLiteral("40"));
        QTest::keyClick(pudorys_->edit(1), Qt::Key_Return);
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
        QTest::mouseClick(pudorys_->grid(), Qt::LeftButton, {}, QPoint(400, 500));  // beside the cells
        QCOMPARE(data_.Schema, std::string("2a"));
    }

    void okChecksTheDimensions() {
        selectLayout(data_, 5);
        showPudorys();
        QTest::mouseClick(pudorys_->okButton(), Qt::LeftButton);
        QCOMPARE(texts(), std::vector<std::string>{"Rozměr lw1 musí být větší než 0 a alespoň 2x větší než rozměr s1"});
        QVERIFY(pudorys_->edit(3)->hasFocus());
        // The rest set as another window would; "Ok" then enters the focused field first.
        data_.lw1 = data_.lw2 = 200;
        data_.dsh1 = data_.dsh2 = 40;
        pudorys_->repaintFromData();
        type(pudorys_->edit(7), QStringLiteral("100"));
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
        QCOMPARE(data_.KHbetaFrom, KHbetaSource::Entered);  // what else Esc clears is the engine's
        QCOMPARE(pudorys_->edit(1)->text(), QStringLiteral("   0.0"));
        QVERIFY(!pudorys_->grid()->warning1());
    }

    // ---- Simplified picture -------------------------------------------------------------------

    // The regions and the KHbeta of a scheme are the engine's; the picture beeps beside them,
    // marks the one under the mouse and closes on a click in it.
    void pictureClickPicksAScheme() {
        data_.Zjednoduseny = true;
        data_.z1 = 20;
        data_.mn = 5;
        data_.Beta = 0;
        data_.b1 = data_.b2 = 100;
        data_.VHV1 = data_.VHV2 = 600;
        data_.KHbeta = 0;
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
        QVERIFY(data_.KHbeta > 1);
    }
};

QTEST_MAIN(KHbetaTest)
#include "KHbetaDialogTest.moc"
