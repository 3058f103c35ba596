// The press mechanism on a small dialog: a real click (QTest sends spontaneous events that move
// the focus as the window system does) on an option or on "&Help" must not validate the field
// being left; a click on any other control must. Built twice: with QTEST_QPA_MOUSE_HANDLING the
// clicks travel through the window system's queue and the top-level window first.
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "dialogs/FieldDialog.h"
#include "dialogs/PressPreFilter.h"
#include "support/RecordingUi.h"

using namespace soukoli;

namespace {

// Field 1 takes a positive number, field 2 anything. The option behaves as the options of the
// face-load-factor dialog do: its click moves the focus to field 2.
class SampleDialog : public FieldDialog {
public:
    explicit SampleDialog(Ui& ui) : FieldDialog(ui) {
        first = addField(1, [this](double v) { value = v; return v > 0; });
        second = addField(2, [](double) { return true; });
        option = new QCheckBox(QStringLiteral("Výpočtem z pásma dotyku"), this);
        help = new QPushButton(QStringLiteral("&Help"), this);
        other = new QPushButton(QStringLiteral("&Ok"), this);
        third = addValidatedField(3, [](const std::string& text) {
            FieldDialog::Verdict v;
            if (text.empty()) v.focusField = 1;
            else if (text != "7") v = {false, "Sedm, prosím", 1, 0};
            return v;
        });
        topicHelp = addHelpButton();
        suppressValidationOnPress(option);
        suppressValidationOnPress(help);
        connect(option, &QCheckBox::clicked, this, [this] { second->setFocus(Qt::OtherFocusReason); });
        connect(help, &QPushButton::clicked, this, [this] { ++helpClicks; });
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(option),
                           static_cast<QWidget*>(help), static_cast<QWidget*>(other), static_cast<QWidget*>(third),
                           static_cast<QWidget*>(topicHelp)})
            layout->addWidget(w);
    }

    NumberEdit* first;
    NumberEdit* second;
    QCheckBox* option;
    QPushButton* help;
    QPushButton* other;
    NumberEdit* third;        // reads its text itself: 7, or empty to go to field 1
    QPushButton* topicHelp;   // "&Help" with the dialog's topic
    double value = 0;
    int helpClicks = 0;
};

}  // namespace

class FieldDialogTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    PressPreFilter filter_;
    std::unique_ptr<SampleDialog> dialog_;

    void enterInFirst(const QString& text) {
        dialog_->first->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(dialog_->first->hasFocus());
        dialog_->first->setText(text);
    }

private slots:
    void initTestCase() { filter_.install(); }

    void init() {
        ui_ = {};
        dialog_ = std::make_unique<SampleDialog>(ui_);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    void cleanup() { dialog_.reset(); }

    void clickOnAnOptionDoesNotValidate() {
        enterInFirst(QStringLiteral("12,5"));
        QTest::mouseClick(dialog_->option, Qt::LeftButton);
        QVERIFY(dialog_->option->isChecked());
        QVERIFY(dialog_->second->hasFocus());  // moved by the option's click, not validated
        QVERIFY(ui_.messages.empty());
        QCoreApplication::processEvents();
        QVERIFY(!dialog_->pressMarked());
    }

    void clickOnHelpDoesNotValidate() {
        enterInFirst(QStringLiteral("abc"));
        QTest::mouseClick(dialog_->help, Qt::LeftButton);
        QCOMPARE(dialog_->helpClicks, 1);
        QVERIFY(dialog_->first->hasFocus());
        QVERIFY(ui_.messages.empty());
    }

    void clickElsewhereValidatesAndKeepsTheFocus() {
        enterInFirst(QStringLiteral("abc"));
        QTest::mouseClick(dialog_->other, Qt::LeftButton);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
        QVERIFY(dialog_->first->hasFocus());
    }

    void markIsGoneAfterTheClick() {
        enterInFirst(QStringLiteral("abc"));
        QTest::mouseClick(dialog_->help, Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::mouseClick(dialog_->second, Qt::LeftButton);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Neplatné zadání"});
        QVERIFY(dialog_->first->hasFocus());
    }

    void enterValidatesWithoutLeaving_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("stored");
        QTest::newRow("point") << "12.5" << true << 12.5;
        QTest::newRow("blank and plus") << " +12.5" << true << 12.5;
        QTest::newRow("exponent") << "1.25E1" << true << 12.5;
        QTest::newRow("comma") << "12,5" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("zero is out of range but stored") << "0" << false << 0.0;
        QTest::newRow("negative stored") << "-3" << false << -3.0;
    }
    void enterValidatesWithoutLeaving() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(double, stored);
        enterInFirst(text);
        QTest::keyClick(dialog_->first, Qt::Key_Return);
        QCOMPARE(ui_.messages.empty(), accepted);
        QCOMPARE(dialog_->value, stored);
        QVERIFY(dialog_->first->hasFocus());
    }

    // Display formats and the repaint: every field with a display is rewritten from the data as
    // str(x:w:d), on showing and on request; a field without one keeps its text.
    void displayAndRepaint() {
        dialog_->setDisplay(1, [this] { return dialog_->value; }, 5, 1);
        dialog_->value = 0;
        dialog_->second->setText(QStringLiteral("kept"));
        dialog_->repaintFromData();
        QCOMPARE(dialog_->first->text(), QStringLiteral("  0.0"));
        QCOMPARE(dialog_->second->text(), QStringLiteral("kept"));
        dialog_->value = -12.25;
        dialog_->hide();
        dialog_->show();
        QCOMPARE(dialog_->first->text(), QStringLiteral("-12.3"));
        QCOMPARE(dialog_->field(1), dialog_->first);
        QCOMPARE(dialog_->field(4), nullptr);
    }

    // The parse status of the last validation, and the signal after every validator.
    void parseStatusAndSignal() {
        QSignalSpy spy(dialog_.get(), &FieldDialog::fieldValidated);
        enterInFirst(QStringLiteral("12x5"));
        QTest::keyClick(dialog_->first, Qt::Key_Return);
        QCOMPARE(dialog_->parseStatus(), 3);
        enterInFirst(QStringLiteral("-1"));
        QTest::keyClick(dialog_->first, Qt::Key_Return);
        QCOMPARE(dialog_->parseStatus(), 0);  // readable, refused by its range
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), 1);
        QCOMPARE(spy.at(1).at(1).toBool(), false);
    }

    // A validator that reads the text itself: its own message, its parse status, and the field
    // it sends the focus to.
    void validatorWithVerdict() {
        NumberEdit* third = dialog_->third;
        dialog_->first->setText(QStringLiteral("1"));  // leaving it is accepted
        third->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(third->hasFocus());
        third->setText(QStringLiteral("8"));
        QTest::keyClick(third, Qt::Key_Return);
        QCOMPARE(ui_.texts(), std::vector<std::string>{"Sedm, prosím"});
        QCOMPARE(dialog_->parseStatus(), 1);
        QVERIFY(third->hasFocus());
        third->clear();
        QTest::keyClick(third, Qt::Key_Return);
        QTRY_VERIFY(dialog_->first->hasFocus());
        QCOMPARE(dialog_->currentField(), 1);
        QCOMPARE(ui_.messages.size(), std::size_t{1});
    }

    // F1 and a "&Help" button ask for the dialog's topic; Esc closes unless switched off.
    void helpTopicAndEscape() {
        dialog_->setHelpTopic(51);
        QPushButton* help = dialog_->topicHelp;
        QSignalSpy spy(dialog_.get(), &FieldDialog::helpRequested);
        enterInFirst(QStringLiteral("abc"));
        QTest::keyClick(dialog_->first, Qt::Key_F1);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 51);
        QVERIFY(ui_.messages.empty());
        dialog_->setEscapeCloses(false);
        QTest::keyClick(dialog_->second, Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
        dialog_->setEscapeCloses(true);
        QTest::keyClick(dialog_->second, Qt::Key_Escape);
        QVERIFY(!dialog_->isVisible());
    }
};

QTEST_MAIN(FieldDialogTest)
#include "FieldDialogTest.moc"
