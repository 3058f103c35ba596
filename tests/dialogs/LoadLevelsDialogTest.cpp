// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The load-level dialog: one accepted and one refused entry typed into it, the rows the number
// of steps shows, the fixed level of the ratio forms, "O&k" with an incomplete and a complete
// table, "&Esc" restoring the hand-over, and a press on "&Nulování" that does not check the field
// being edited. The ordering rules and the lives are tested in tests/engine.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "dialogs/PressPreFilter.h"
#include "dialogs/LoadLevelsDialog.h"
#include "support/RecordingUi.h"
#include "support/Typing.h"

using namespace soukoli;

namespace {

// A click on the indicator of an option, where its hit area is whatever the layout's width.
void clickOption(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

}  // namespace

class SpektrumTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    PressPreFilter filter_;
    GearPairData data_;
    std::unique_ptr<LoadLevelsDialog> dialog_;

    // Types `text` over `e` with real keys and leaves it by `key` (Enter or Tab).
    void enter(NumberEdit* e, const QString& text, Qt::Key key = Qt::Key_Return) { testing::typeAndLeave(e, text, key); }

private slots:
    void initTestCase() { filter_.install(); }

    void init() {
        ui_ = {};
        data_ = {};
        data_.TypSoukoli = Toothing::External;
        setDefaults(data_);
        data_.d1 = 80;
        data_.z1 = 20;
        data_.z2 = 40;
        data_.MetodaVypoctu = 'B';
        data_.ZadaniSil = kLoadsFromLevels;
        dialog_ = std::make_unique<LoadLevelsDialog>(data_, ui_);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    void cleanup() { dialog_.reset(); }

    void openingShowsTheStoredLevels() {
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Popis spektra - hladinová metoda podle ČSN 01 4686"));
        QCOMPARE(dialog_->stepsField()->text(), QStringLiteral("  3"));
        QCOMPARE(dialog_->countField(1)->text(), QStringLiteral("60000"));
        QCOMPARE(dialog_->countField(2)->text(), QStringLiteral("2E+6"));
        QCOMPARE(dialog_->levelField(1)->text(), QStringLiteral(" 4000.0"));  // the pinion's load
        QVERIFY(dialog_->countField(3)->isVisible());
        QVERIFY(!dialog_->countField(4)->isVisible());
        QVERIFY(dialog_->levelRadio(LevelsForm::Absolute)->isChecked());
        QVERIFY(dialog_->cumulativeRadio()->isChecked());
    }

    // The wiring: an accepted count is rewritten in its format, a refused one shows its message
    // once and keeps the focus; an accepted number of steps shows its rows.
    void entryThroughTheEngine() {
        enter(dialog_->countField(1), QStringLiteral("1E6"));
        QVERIFY(ui_.messages.empty());
        QCOMPARE(dialog_->countField(1)->text(), QStringLiteral("1E+6"));
        enter(dialog_->countField(2), QStringLiteral("5E5"), Qt::Key_Tab);
        QTRY_VERIFY(dialog_->countField(2)->hasFocus());
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Údaj musí být větší než předchozí"});
        QCOMPARE(dialog_->countField(2)->text(), QStringLiteral("5E5"));
        QCOMPARE(data_.Nj[1], 2e6);
        enter(dialog_->countField(2), QStringLiteral("2E6"));  // corrected, the focus may move on

        ui_ = {};
        enter(dialog_->stepsField(), QStringLiteral("21"));
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
        QVERIFY(dialog_->stepsField()->hasFocus());
        QCOMPARE(data_.j, 3);
        QVERIFY(dialog_->countField(3)->isVisible());
        ui_ = {};
        enter(dialog_->stepsField(), QStringLiteral("5"));
        QVERIFY(ui_.messages.empty());
        QCOMPARE(dialog_->stepsField()->text(), QStringLiteral("  5"));
        QVERIFY(dialog_->countField(5)->isVisible() && !dialog_->countField(6)->isVisible());
        QCOMPARE(dialog_->countField(1)->text(), QStringLiteral("  0"));  // the table cleared
        QCOMPARE(dialog_->levelField(1)->text(), QStringLiteral(" 4000.0"));
    }

    void ratioFormFixesTheFirstLevel() {
        clickOption(dialog_->levelRadio(LevelsForm::RatioFjF1));
        QCOMPARE(data_.levelsForm, LevelsForm::RatioFjF1);
        QCOMPARE(dialog_->levelField(1)->text(), QStringLiteral(" 1.000"));
        QVERIFY(!dialog_->levelField(1)->isEnabled());
        QCOMPARE(dialog_->countField(1)->text(), QStringLiteral("  0"));

        clickOption(dialog_->levelRadio(LevelsForm::RatioFjFmin));
        QVERIFY(!dialog_->levelField(3)->isEnabled());
        QVERIFY(dialog_->levelField(1)->isEnabled());
        clickOption(dialog_->levelRadio(LevelsForm::Absolute));
        QVERIFY(dialog_->levelField(1)->isEnabled());
        QCOMPARE(dialog_->levelField(1)->text(), QStringLiteral(" 4000.0"));
    }

    void torquesConvertTheLoadAndRelabel() {
        clickOption(dialog_->torquesRadio());
        QVERIFY(!data_.SilyF);
        QCOMPARE(dialog_->levelField(1)->text(), QStringLiteral("  160.0"));
        QVERIFY(dialog_->levelCaption()->text().contains(QStringLiteral("[N·m]")));
        clickOption(dialog_->hoursRadio());
        QVERIFY(dialog_->countCaption()->text().contains(QStringLiteral("[hod]")));
    }

    void incompleteTableKeepsTheDialogOpen() {
        data_.Fj[1] = 0;
        dialog_->repaintFields();
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neúplně zadání - některé vstupy jsou nulové"});
        QVERIFY(dialog_->isVisible());
        QTRY_VERIFY(dialog_->countField(1)->hasFocus());
    }

    void okGivesTheEquivalentLoads() {
        data_.SpektrumNAbs = false;
        data_.Nj = {1e5, 2e5, 3e5};
        data_.Fj = {5000, 2000, 1000};
        dialog_->repaintFields();
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QVERIFY(data_.FtFe1 > 0 && data_.FtHe2 > 0);  // their values are the engine's
    }

    void escRestoresTheHandOver() {
        clickOption(dialog_->torquesRadio());
        enter(dialog_->levelField(1), QStringLiteral("200"));
        QCOMPARE(data_.T1, 200.0);
        QTest::mouseClick(dialog_->escButton(), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
        QVERIFY(data_.SilyF);
        QCOMPARE(data_.Ft1, 4000.0);  // all the hand-over brings back is the engine's
    }

    void clearingDoesNotCheckTheFieldBeingEdited() {
        NumberEdit* e = dialog_->countField(2);
        e->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(e->hasFocus());
        e->setText(QStringLiteral("abc"));
        QTest::mouseClick(dialog_->clearButton(), Qt::LeftButton);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(e->text(), QStringLiteral("  0"));
        QCOMPARE(data_.Nj[0], 0.0);
        QCOMPARE(data_.Fj[0], 4000.0);
        QTest::mouseClick(dialog_->helpButton(), Qt::LeftButton);
        QVERIFY(ui_.messages.empty());
    }
};

QTEST_MAIN(SpektrumTest)
#include "LoadLevelsDialogTest.moc"
