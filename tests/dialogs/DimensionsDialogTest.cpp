// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The body-dimensions window and the accuracy window on the default pair: one accepted and one
// refused entry typed into each, what is shown after an entry, the options, the closing checks,
// the pictures of internal toothing and the "nedefin." marks. The field rules are tested in
// tests/engine (BodyDimensionsTest, AccuracyTest).
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/AccuracyDialog.h"
#include "dialogs/PressPreFilter.h"
#include "dialogs/DimensionsDialog.h"
#include "support/GearPairs.h"
#include "support/RecordingUi.h"
#include "support/Typing.h"

using namespace soukoli;

class DimensionsDialogTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    GearPairData data_;
    PressPreFilter filter_;
    std::unique_ptr<DimensionsDialog> dims_;
    std::unique_ptr<AccuracyDialog> accuracy_;

    template <typename Dialog>
    void enter(Dialog& d, int field, const QString& text) {
        NumberEdit* e = d.field(field);
        e->setFocus(Qt::OtherFocusReason);
        e->setText(text);
        d.commitField(field);
    }

    // A click on the box itself (a wide check box does not react to a click right of its text).
    static void clickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

    void open(QDialog& d) {
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }

    // Types `text` with real keys into an emptied field of `d`, then `key` (Enter or Tab).
    template <typename Dialog>
    void type(Dialog& d, int field, const QString& text, Qt::Key key) {
        testing::typeAndLeave(d.field(field), text, key);
    }

private slots:
    void initTestCase() { filter_.install(); }

    void init() {
        ui_ = {};
        data_ = testing::defaultPair();
        lookupAllDeviations(data_);  // as a new start has them
        dims_ = std::make_unique<DimensionsDialog>(data_, ui_);
        accuracy_ = std::make_unique<AccuracyDialog>(data_, ui_);
    }

    void cleanup() {
        dims_.reset();
        accuracy_.reset();
    }

    void defaultsShowNoWarningAndClose() {
        open(*dims_);
        QCOMPARE(dims_->windowTitle(), QStringLiteral("Zadání rozměrů ozubených kol a souvisejících údajů"));
        QCOMPARE(dims_->field(1)->text(), QStringLiteral(" 60.0"));
        QCOMPARE(dims_->label("srmin")->text(), QStringLiteral("14.00"));
        QCOMPARE(dims_->label("df2")->text(), QStringLiteral("150.00"));
        for (const char* w : {"warnRim1", "warnRim2", "warnPinion", "warnWheel", "warnApart", "warnCgama"})
            QVERIFY2(dims_->label(w)->isHidden(), w);
        QVERIFY(!dims_->field(12)->isEnabled());
        QVERIFY(!dims_->field(14)->isEnabled());
        QTest::mouseClick(dims_->okButton(), Qt::LeftButton);
        QVERIFY(ui_.messages.empty());
        QVERIFY(!dims_->isVisible());
        QCOMPARE(dims_->result(), int(QDialog::Accepted));
    }

    // The wiring (the rules are tested in the engine): an accepted entry shown in its format; a
    // refused one with the rule's message, the focus kept and nothing stored, also after Esc.
    void entryThroughTheEngine() {
        open(*dims_);
        QSignalSpy spy(dims_.get(), &FieldDialog::fieldAccepted);
        type(*dims_, 9, QStringLiteral("40"), Qt::Key_Tab);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(data_.dh1, 40.0);
        QCOMPARE(dims_->field(9)->text(), QStringLiteral(" 40.0"));
        QCOMPARE(spy.last().at(0).value<FieldId>(), (FieldId{InputWindow::Dimensions, 9}));
        const double db = data_.db;
        type(*dims_, 11, QStringLiteral("60"), Qt::Key_Return);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Kola mimo záběr"});
        QVERIFY(dims_->field(11)->hasFocus());
        QCOMPARE(data_.db, db);
        QTest::keyClick(dims_->field(11), Qt::Key_Escape);
        QVERIFY(!dims_->isVisible());
        QCOMPARE(data_.db, db);
        for (const QList<QVariant>& signal : spy) QVERIFY(signal.at(0).value<FieldId>().number != 11);
    }

    void faceWidthUpdatesTheWidthsAndTheAccuracy() {
        QSignalSpy spy(dims_.get(), &FieldDialog::fieldAccepted);
        open(*dims_);
        enter(*dims_, 2, QStringLiteral("70"));
        QCOMPARE(dims_->label("b")->text(), QStringLiteral("60.00"));
        QCOMPARE(dims_->label("bwF2")->text(), QStringLiteral("64.00"));
        QCOMPARE(spy.last().at(0).value<FieldId>(), (FieldId{InputWindow::Dimensions, 2}));
        QVERIFY(spy.last().at(1).value<FieldEntry>().effects.lookups.wheelAlignment);
        enter(*dims_, 11, QStringLiteral("59"));
        QCOMPARE(dims_->label("b")->text(), QStringLiteral("1.00"));
        QVERIFY(dims_->label("warnApart")->isHidden());
    }

    void thinRimWarning() {
        open(*dims_);
        enter(*dims_, 9, QStringLiteral("42.2"));
        QVERIFY(ui_.messages.empty());
        QCOMPARE(dims_->field(5)->text(), QStringLiteral(" 13.9"));
        QVERIFY(!dims_->label("warnRim1")->isHidden());
        QVERIFY(data_.TenkyVenec1);
    }

    void directEntriesAndPictures() {
        open(*dims_);
        clickBox(dims_->tetaGivenBox());
        QVERIFY(data_.TetaGiven);
        QVERIFY(dims_->field(12)->isEnabled());
        enter(*dims_, 12, QStringLiteral("250000"));
        QCOMPARE(dims_->field(12)->text(), QStringLiteral("2.5E+5"));
        QCOMPARE(data_.Teta1, 250000.0);
        clickBox(dims_->tetaGivenBox());
        QVERIFY(!data_.TetaGiven);
        QVERIFY(data_.Teta1 != 250000.0);  // computed again
        QVERIFY(!dims_->field(12)->isEnabled());
    }

    void solidPinionFixesItsBody() {
        open(*dims_);
        dims_->field(9)->setFocus(Qt::OtherFocusReason);
        dims_->field(9)->setText(QStringLiteral("abc"));  // the click on the option does not check it
        clickBox(dims_->solidBox(Gear::Pinion));
        QVERIFY(ui_.messages.empty());
        QVERIFY(data_.PlnyPastorek);
        for (int f : {1, 3, 5, 7}) QVERIFY(!dims_->field(f)->isEnabled());
        QCOMPARE(dims_->field(7)->text(), QStringLiteral("  0.0"));
        dims_->tabShown(true);
        QVERIFY(dims_->field(1)->isEnabled());
        dims_->tabShown(false);
        QVERIFY(!dims_->field(1)->isEnabled());
    }

    void okRefusesBodiesThatDoNotFit() {
        data_.sr1 = 30;
        open(*dims_);
        QTest::mouseClick(dims_->okButton(), Qt::LeftButton);
        QCOMPARE(ui_.texts(),
                 std::vector<std::string>{"Prvky se nevlezou do patního průměru pastorku, rozměry se musí upravit."});
        QVERIFY(dims_->isVisible());
        QVERIFY(!dims_->label("warnPinion")->isHidden());
    }

    void resetClearsEverything() {
        data_.PlneKolo = true;
        open(*dims_);
        QTest::mouseClick(dims_->resetButton(), Qt::LeftButton);
        QCOMPARE(data_.b1, 0.0);
        QCOMPARE(data_.dh2, 0.0);
        QVERIFY(!data_.PlneKolo);
        QVERIFY(!dims_->solidBox(Gear::Wheel)->isChecked());
        QCOMPARE(dims_->field(1)->text(), QStringLiteral("  0.0"));
    }

    void internalToothingHidesTheWheelsBody() {
        data_ = testing::defaultPair(Toothing::Internal);
        open(*dims_);
        for (int f : {4, 8, 10}) QVERIFY(dims_->field(f)->isHidden());
        QVERIFY(dims_->solidBox(Gear::Wheel)->isHidden());
        QVERIFY(dims_->label("warnWheel")->isHidden());
        enter(*dims_, 6, QStringLiteral("500"));  // no fit check for the ring
        QVERIFY(ui_.messages.empty());
    }

    void secondTabKeepsTheFaceWidths() {
        data_.Zjednoduseny = true;
        dims_->setSimplified(true);
        open(*dims_);
        for (int f : {3, 4, 5, 6, 7, 8, 9, 10}) QVERIFY(dims_->field(f)->isHidden());
        for (int f : {1, 2, 11}) QVERIFY(!dims_->field(f)->isHidden());
        QVERIFY(dims_->inertiaGroup()->isHidden());
        QVERIFY(dims_->stiffnessGroup()->isHidden());
        QVERIFY(dims_->resetButton()->isHidden());
        QVERIFY(dims_->helpButton()->isHidden());
        data_.db = 70;
        dims_->refresh();
        QVERIFY(dims_->label("warnApart")->isHidden());  // no warnings in the simplified calculation
    }

    void escapeClosesWithoutChecks() {
        data_.sr1 = 30;
        open(*dims_);
        QTest::keyClick(dims_.get(), Qt::Key_Escape);
        QVERIFY(!dims_->isVisible());
        QVERIFY(ui_.messages.empty());
    }

    // ---- Accuracy -------------------------------------------------------------------------

    void gradeThroughTheEngine() {
        open(*accuracy_);
        type(*accuracy_, 1, QStringLiteral("8"), Qt::Key_Return);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(data_.IT1, 8);
        type(*accuracy_, 2, QStringLiteral("13"), Qt::Key_Tab);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Stupeň přesnosti vol od 2 do 12"});
        QVERIFY(accuracy_->field(2)->hasFocus());
        QVERIFY(data_.IT2 != 13);
    }

    void limitsAfterTheStandard() {
        open(*accuracy_);
        QCOMPARE(accuracy_->windowTitle(), QStringLiteral("Stupně přesnosti a úchylky kol"));
        QCOMPARE(accuracy_->limitLabel(0)->text(), QStringLiteral("24.0"));
        QCOMPARE(accuracy_->limitLabel(1)->text(), QStringLiteral("26.0"));
        QVERIFY(accuracy_->undefinedLabel(0)->isHidden());
        QVERIFY(accuracy_->measuredField(0)->text().isEmpty());
        // KHbeta entered directly: the alignment rows are not shown.
        for (std::size_t i : {2u, 3u, 4u, 5u}) QVERIFY(accuracy_->limitLabel(i)->isHidden());
        data_.KHbetaFrom = KHbetaSource::FromScheme;
        accuracy_->refresh();
        for (std::size_t i : {2u, 3u, 4u, 5u}) QVERIFY(!accuracy_->measuredField(i)->isHidden());

        data_.d1 = 7000;
        enter(*accuracy_, 1, QStringLiteral("8"));
        QVERIFY(!accuracy_->undefinedLabel(0)->isHidden());
        QVERIFY(accuracy_->limitLabel(0)->text().isEmpty());
    }

    // Which limit a measured value replaces is the engine's; the window shows the measured value
    // in place of the limit and "&Nuluj" brings the limits back.
    void measuredDeviations() {
        data_.KHbetaFrom = KHbetaSource::FromScheme;
        open(*accuracy_);
        type(*accuracy_, 3, QStringLiteral("-2"), Qt::Key_Return);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(accuracy_->measuredField(0)->text(), QStringLiteral("-2.0"));
        QVERIFY(accuracy_->limitLabel(0)->text().isEmpty());
        QVERIFY(!accuracy_->undefinedLabel(0)->isHidden());

        QTest::mouseClick(accuracy_->resetButton(), Qt::LeftButton);
        QVERIFY(data_.fpb1Given && data_.fxGiven);
        QVERIFY(accuracy_->measuredField(0)->text().isEmpty());
        QCOMPARE(accuracy_->limitLabel(0)->text(), QStringLiteral("24.0"));
        QVERIFY(accuracy_->undefinedLabel(0)->isHidden());
    }

    void escapeLeavesTheAccuracyWindowOpen() {
        open(*accuracy_);
        QTest::keyClick(accuracy_.get(), Qt::Key_Escape);
        QVERIFY(accuracy_->isVisible());
    }

    void helpTopics() {
        QCOMPARE(dims_->helpTopic(), 51);
        QCOMPARE(accuracy_->helpTopic(), 61);
        QSignalSpy help(accuracy_.get(), &FieldDialog::helpRequested);
        open(*accuracy_);
        QTest::mouseClick(accuracy_->helpButton(), Qt::LeftButton);
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toInt(), 61);
    }
};

QTEST_MAIN(DimensionsDialogTest)
#include "DimensionsDialogTest.moc"
