// The press mechanism on a small dialog: a real click (QTest sends spontaneous events that move
// the focus as the window system does) on an option or on "&Help" must not validate the field
// being left; a click on any other control must. Built twice: with QTEST_QPA_MOUSE_HANDLING the
// clicks travel through the window system's queue and the top-level window first.
#include <QCheckBox>
#include <QPushButton>
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
        suppressValidationOnPress(option);
        suppressValidationOnPress(help);
        connect(option, &QCheckBox::clicked, this, [this] { second->setFocus(Qt::OtherFocusReason); });
        connect(help, &QPushButton::clicked, this, [this] { ++helpClicks; });
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(option),
                           static_cast<QWidget*>(help), static_cast<QWidget*>(other)})
            layout->addWidget(w);
    }

    NumberEdit* first;
    NumberEdit* second;
    QCheckBox* option;
    QPushButton* help;
    QPushButton* other;
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
};

QTEST_MAIN(FieldDialogTest)
#include "FieldDialogTest.moc"
