// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The field binder on a small window of real fields (the face load's bcal and KHbeta, the
// geometry's x1 and aw): entry on leaving and on Enter with real keys, a refusal that keeps the
// focus, changes nothing and tells nobody, the display after acceptance, the focus an entry
// asks for, and Escape, F1, "&Help" and "&Ok" once for every window. The press marks: a real
// click on an option or on "&Help" does not enter the field being left, any other click does.
// Built twice: with QTEST_QPA_MOUSE_HANDLING the clicks travel through the window system's queue.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <array>

#include "dialogs/FieldDialog.h"
#include "dialogs/PressPreFilter.h"
#include "engine/BasicGeometry.h"
#include "engine/FaceLoadInput.h"
#include "engine/Numbers.h"
#include "support/RecordingUi.h"
#include "support/Typing.h"

using namespace soukoli;

namespace {

using G = const GearPairData&;
constexpr std::array<FieldRow, 4> kRows = {{
    {{InputWindow::FaceLoad, 1}, "b<sub>cal</sub>", "[mm]", fixedFormat([](G g) { return g.bcal; }, 5, 1)},
    {{InputWindow::FaceLoad, 2}, "K<sub>Hβ</sub> =", nullptr, fixedFormat([](G g) { return g.KHbeta; }, 5, 3)},
    {{InputWindow::Geometry, 6}, "x1", "-", fixedFormat([](G g) { return g.x1; }, 6, 4)},
    {{InputWindow::Geometry, 8}, "aw", "mm", fixedFormat([](G g) { return g.aw; }, 7, 3)},
}};

// The option behaves as the options of the face-load-factor dialog do: its click moves the
// focus to field 2.
class SampleDialog : public FieldDialog {
public:
    SampleDialog(GearPairData& data, Ui& ui) : FieldDialog(data, ui) {
        bindFields(kRows);
        option = new QCheckBox(QStringLiteral("Výpočtem z pásma dotyku"), this);
        help = addHelpButton();
        other = new QPushButton(QStringLiteral("Jiné"), this);
        ok = addOkButton();
        suppressValidationOnPress(option);
        connect(option, &QCheckBox::clicked, this, [this] { field(2)->setFocus(Qt::OtherFocusReason); });
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{field(1), field(2), field(6), field(8), option, help, other, ok})
            layout->addWidget(w);
    }

    QCheckBox* option;
    QPushButton* help;
    QPushButton* other;
    QPushButton* ok;
    bool closeAllowed = true;

protected:
    bool readyToClose() override { return closeAllowed; }
};

}  // namespace

class FieldDialogTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    GearPairData data_;
    PressPreFilter filter_;
    std::unique_ptr<SampleDialog> dialog_;

    NumberEdit* edit(int n) const { return dialog_->field(n); }

    // Puts the focus into field `n` and types `text` over its content with real keys.
    void type(int n, const QString& text) {
        testing::typeOver(edit(n), text);
    }

private slots:
    void initTestCase() { filter_.install(); }

    void init() {
        ui_ = {};
        data_ = {};
        setDefaults(data_);
        updateCentreDistance(data_, ui_);
        updateDiameters(data_, ui_);
        data_.bcal = 30;
        dialog_ = std::make_unique<SampleDialog>(data_, ui_);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    void cleanup() { dialog_.reset(); }

    void clickOnAnOptionDoesNotEnter() {
        type(1, QStringLiteral("abc"));
        QTest::mouseClick(dialog_->option, Qt::LeftButton);
        QVERIFY(dialog_->option->isChecked());
        QVERIFY(edit(2)->hasFocus());  // moved by the option's click, not entered
        QVERIFY(ui_.messages.empty());
        QCoreApplication::processEvents();
        QVERIFY(!dialog_->pressMarked());
    }

    void clickOnHelpDoesNotEnter() {
        QSignalSpy help(dialog_.get(), &FieldDialog::helpRequested);
        type(1, QStringLiteral("abc"));
        QTest::mouseClick(dialog_->help, Qt::LeftButton);
        QCOMPARE(help.count(), 1);
        QVERIFY(edit(1)->hasFocus());
        QVERIFY(ui_.messages.empty());
        // The mark is gone after the click: the next click elsewhere enters the field.
        QCoreApplication::processEvents();
        QTest::mouseClick(edit(2), Qt::LeftButton);
        QCOMPARE(ui_.texts(), std::vector<std::string>{std::string(kMsgBcal)});
        QVERIFY(edit(1)->hasFocus());
    }

    // Enter enters without leaving; the data set holds only accepted numbers, and an accepted
    // one is shown again in the field's format.
    void enterCommitsWithoutLeaving_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("point") << "12.5" << true;
        QTest::newRow("blank and plus") << " +12.5" << true;
        QTest::newRow("exponent") << "1.25E1" << true;
        QTest::newRow("comma") << "12,5" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("out of range") << "0" << false;
    }
    void enterCommitsWithoutLeaving() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QSignalSpy spy(dialog_.get(), &FieldDialog::fieldAccepted);
        type(1, text);
        QTest::keyClick(edit(1), Qt::Key_Return);
        QVERIFY(edit(1)->hasFocus());
        if (accepted) {
            QVERIFY(ui_.messages.empty());
            QCOMPARE(data_.bcal, 12.5);
            QCOMPARE(edit(1)->text(), QStringLiteral(" 12.5"));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).value<FieldId>(), (FieldId{InputWindow::FaceLoad, 1}));
        } else {
            QCOMPARE(ui_.texts(), std::vector<std::string>{std::string(kMsgBcal)});
            QCOMPARE(data_.bcal, 30.0);    // as it was
            QCOMPARE(edit(1)->text(), text);  // the refused text stays to be corrected
            QCOMPARE(spy.count(), 0);
        }
    }

    // Leaving with Tab enters the field; a refusal keeps the focus and repeats on every try.
    void refusalKeepsTheFocusAndRepeats() {
        type(2, QStringLiteral("0.5"));
        QTest::keyClick(edit(2), Qt::Key_Tab);
        QTRY_VERIFY(edit(2)->hasFocus());
        QTest::mouseClick(dialog_->other, Qt::LeftButton);
        QTRY_VERIFY(edit(2)->hasFocus());
        QCOMPARE(ui_.texts(), (std::vector<std::string>{std::string(kMsgKHbeta), std::string(kMsgKHbeta)}));
        QCOMPARE(dialog_->parseStatus(), 0);  // readable, refused by its range
        type(2, QStringLiteral("1.2x"));
        QTest::keyClick(edit(2), Qt::Key_Return);
        QCOMPARE(dialog_->parseStatus(), 4);
        type(2, QStringLiteral("1.2"));
        QTest::keyClick(edit(2), Qt::Key_Tab);
        QTRY_VERIFY(edit(6)->hasFocus());
        QCOMPARE(data_.KHbeta, 1.2);
        QCOMPARE(edit(2)->text(), QStringLiteral("1.200"));
    }

    // An entry may send the focus on: an emptied centre distance goes back to the zero-shift
    // pair and to x1; every field is rewritten from the data set.
    void entryMovesTheFocus() {
        QSignalSpy spy(dialog_.get(), &FieldDialog::fieldAccepted);
        type(8, QStringLiteral("125"));
        QTest::keyClick(edit(8), Qt::Key_Return);
        QCOMPARE(edit(6)->text(), QString::fromStdString(str(data_.x1, 6, 4)));
        QVERIFY(data_.x1 != 0);
        type(8, QString());
        QTest::keyClick(edit(8), Qt::Key_Return);
        QTRY_VERIFY(edit(6)->hasFocus());
        QCOMPARE(dialog_->currentField(), 6);
        QCOMPARE(data_.x1, 0.0);
        QCOMPARE(edit(6)->text(), QStringLiteral("0.0000"));
        QCOMPARE(spy.last().at(0).value<FieldId>(), (FieldId{InputWindow::Geometry, 8}));
        QCOMPARE(spy.last().at(1).value<FieldEntry>().outcome, EntryOutcome::Reset);
        QVERIFY(ui_.messages.empty());
    }

    // Showing the window fills every field from the data set; the field the calculation asks
    // for takes the focus.
    void showFillsAndFocusesTheActiveField() {
        dialog_ = std::make_unique<SampleDialog>(data_, ui_);
        data_.KHbeta = 1.75;
        dialog_->activeField = [] { return 2; };
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QCOMPARE(edit(2)->text(), QStringLiteral("1.750"));
        QTRY_VERIFY(edit(2)->hasFocus());
    }

    // Each edit carries its label as buddy and as accessible name (plain text, no "=").
    void labelsNameTheEdits() {
        QCOMPARE(edit(1)->accessibleName(), QStringLiteral("bcal"));
        QCOMPARE(edit(2)->accessibleName(), QStringLiteral("KHβ"));
        QCOMPARE(dialog_->fieldLabel(1)->buddy(), edit(1));
        QCOMPARE(dialog_->unitLabel(1)->text(), QStringLiteral("[mm]"));
        QCOMPARE(dialog_->unitLabel(2), nullptr);
        QCOMPARE(edit(8)->objectName(), QStringLiteral("Edit8"));
        dialog_->setFieldLabel(1, QStringLiteral("Z<sub>R1</sub>"));
        QCOMPARE(edit(1)->accessibleName(), QStringLiteral("ZR1"));
    }

    // F1 and "&Help" ask for the topic; Escape closes only where the window allows it; "&Ok"
    // refuses over a refused entry and over the window's own checks.
    void keysAndButtons() {
        dialog_->setHelpTopic(51);
        QSignalSpy help(dialog_.get(), &FieldDialog::helpRequested);
        type(1, QStringLiteral("abc"));
        QTest::keyClick(edit(1), Qt::Key_F1);
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toInt(), 51);
        QTest::keyClick(edit(1), Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
        QVERIFY(ui_.messages.empty());

        QTest::mouseClick(dialog_->ok, Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(ui_.texts(), std::vector<std::string>{std::string(kMsgBcal)});
        QVERIFY(edit(1)->hasFocus());
        type(1, QStringLiteral("40"));
        dialog_->closeAllowed = false;
        QTest::mouseClick(dialog_->ok, Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(data_.bcal, 40.0);
        dialog_->closeAllowed = true;
        QTest::mouseClick(dialog_->ok, Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), 1);

        dialog_->setEscapeCloses(true);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QTest::keyClick(edit(2), Qt::Key_Escape);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), 0);
    }
};

QTEST_MAIN(FieldDialogTest)
#include "FieldDialogTest.moc"
