// The geometry dialog: every field's accepted value and its refusals at the range boundaries
// with the exact message, the display formats, the rewritten derived fields, the centre
// distance steps, focus and messages on leaving, help, OK, Esc, deactivation and the module
// table.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "dialogs/GeometryDialog.h"
#include "dialogs/ModuleTable.h"
#include "engine/BasicGeometry.h"
#include "engine/Numbers.h"
#include "support/RecordingUi.h"

using namespace soukoli;
using F = GeometryField;

Q_DECLARE_METATYPE(soukoli::AccuracyLookups)

class GeometrieTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    GearPairData data_;
    std::unique_ptr<GeometryDialog> dialog_;

    void start(std::uint16_t type) {
        dialog_.reset();
        ui_ = {};
        data_ = {};
        data_.TypSoukoli = type;
        setDefaults(data_);
        updateCentreDistance(data_, ui_);
        updateDiameters(data_, ui_);
        dialog_ = std::make_unique<GeometryDialog>(data_, ui_);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    NumberEdit* edit(F f) { return dialog_->edit(f); }
    QString text(F f) { return edit(f)->text(); }

    // Types `text` into a field and presses Enter.
    void enter(F f, const QString& text) {
        edit(f)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit(f)->hasFocus());
        edit(f)->setText(text);
        QTest::keyClick(edit(f), Qt::Key_Return);
    }

    QStringList messages() const {
        QStringList out;
        for (const auto& m : ui_.messages) out << QString::fromStdString(m.text);
        return out;
    }

private slots:
    void cleanup() { dialog_.reset(); }

    void showsTheDataInTheFieldFormats() {
        start(kExternal);
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Geometrie ozubení"));
        const std::pair<F, const char*> shown[] = {
            {F::z1, "20.0"},      {F::z2, "40.0"},      {F::mn, "4.000"},      {F::Beta, "0.0000"},
            {F::Alfan, "20.000"}, {F::x1, "0.0000"},    {F::x2, "0.0000"},     {F::aw, "120.000"},
            {F::ha1_star, "1.000"}, {F::ha2_star, "1.000"}, {F::ca1_star, "0.250"}, {F::ca2_star, "0.250"},
            {F::Rof1_star, "0.380"}, {F::Rof2_star, "0.380"}, {F::da1, " 88.000"}, {F::da2, "168.000"},
        };
        for (const auto& [f, expected] : shown) QCOMPARE(text(f), QString::fromUtf8(expected));
        QCOMPARE(edit(F::z1)->objectName(), QStringLiteral("Edit1"));
        QCOMPARE(edit(F::da2)->objectName(), QStringLiteral("Edit16"));

        start(kInternal);
        QCOMPARE(text(F::z2), QStringLiteral("-60.0"));
        QCOMPARE(text(F::Rof2_star), QStringLiteral("0.200"));
        QCOMPARE(text(F::aw), QStringLiteral("-80.000"));
    }

    void fieldRules_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // empty: accepted
        const auto row = [](const char* name, std::uint16_t type, F f, const char* text, const char* message) {
            QTest::newRow(name) << int(type) << int(f) << QString::fromUtf8(text) << QString::fromUtf8(message);
        };
        const std::uint16_t e = kExternal;
        row("z1 ok", e, F::z1, "19", "");
        row("z1 comma", e, F::z1, "19,5", "Neplatné zadání počtu zubů pastorku z1");
        row("z1 empty", e, F::z1, "", "Neplatné zadání počtu zubů pastorku z1");
        row("z2 4", e, F::z2, "4", "");
        row("z2 3", e, F::z2, "3", "Počet zubů kola vol větší než 3");
        row("z2 0", e, F::z2, "0", "Neplatné zadání počtu zubů kola z2");
        row("z2 internal -21", kInternal, F::z2, "-21", "");
        row("z2 internal -20", kInternal, F::z2, "-20", "Neplatné zadání počtu zubů kola z2");  // no ring around z1 = 20
        row("z2 internal -3", kInternal, F::z2, "-3", "Počet zubů korunového kola vol menší než -3");
        row("mn ok", e, F::mn, "5", "");
        row("mn text", e, F::mn, "m5", "Neplatné zadání normálného modulu mn");
        row("beta 0", e, F::Beta, "0", "");
        row("beta negative", e, F::Beta, "-1",
            "Neplatné zadání úhlu sklonu zubů beta   Je nutno zadávat v desetinném tvaru.");
        row("alfan 1", e, F::Alfan, "1", "");
        row("alfan 50", e, F::Alfan, "50", "");
        row("alfan 0.5", e, F::Alfan, "0.5",
            "Neplatné zadání úhlu záběru alfan   Je nutno zadávat v desetinném tvaru.");
        row("alfan 51", e, F::Alfan, "51", "Neplatné zadání úhlu záběru alfan   Je nutno zadávat v desetinném tvaru.");
        row("x1 ok", e, F::x1, "0.5", "");
        row("x1 beyond xmez", e, F::x1, "-1.3", "Nemožný součet jednotkových korekcí x1+x2  (xmez= -1.22848)");
        row("x2 unreadable", e, F::x2, "0.5.", "Neplatné zadání jednotkové korekce kola x2");
        row("aw ok", e, F::aw, "122", "");
        row("aw too small", e, F::aw, "112.7", "Nemožně malá osová vzdálenost aw (awmin= 112.76311)");
        row("aw sign", e, F::aw, "-122", "Neplatné zadání osové vzdálenosti aw");
        row("aw internal sign", kInternal, F::aw, "85", "Neplatné zadání osové vzdálenosti aw");
        row("ha1* -2", e, F::ha1_star, "-2", "");
        row("ha1* below", e, F::ha1_star, "-2.1", "Neplatné zadání jednotkové výšky hlavy pastorku ha1*");
        row("ha2* below", e, F::ha2_star, "-2.1", "Neplatné zadání jednotkové výšky hlavy kola ha2*");
        row("ca1* 0", e, F::ca1_star, "0", "");
        row("ca1* below", e, F::ca1_star, "-0.1", "Neplatné zadání jednotkové hlavové vůle pastorku ca1*");
        row("ca2* below", e, F::ca2_star, "-0.1", "Neplatné zadání jednotkové hlavové vůle kola ca2*");
        row("rof1* -1", e, F::Rof1_star, "-1", "");
        row("rof1* below", e, F::Rof1_star, "-1.1",
            "Neplatné zadání jednotkového rádiusu paty základního profilu pastorku rof1*");
        row("rof2* below", e, F::Rof2_star, "-1.1",
            "Neplatné zadání jednotkového rádiusu paty základního profilu kola rof2*");
        row("da1 ok", e, F::da1, "90", "");
        row("da1 0", e, F::da1, "0", "Neplatné zadání hlavového průměru pastorku");
        row("da2 negative", e, F::da2, "-170", "Neplatné zadání hlavového průměru kola");
        row("da2 internal positive", kInternal, F::da2, "232", "Neplatné zadání hlavového průměru kola");
        row("da2 internal", kInternal, F::da2, "-230", "");
    }
    void fieldRules() {
        QFETCH(int, type);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        start(static_cast<std::uint16_t>(type));
        const F f = static_cast<F>(field);
        const QString awBefore = this->text(F::aw);
        enter(f, text);
        if (message.isEmpty()) {
            QVERIFY2(ui_.messages.empty(), qPrintable(messages().join('|')));
        } else {
            QCOMPARE(messages(), QStringList{message});
            if (f != F::aw) QCOMPARE(this->text(F::aw), awBefore);  // nothing dependent was rewritten
        }
        QVERIFY(edit(f)->hasFocus());  // Enter checks without moving the focus
    }

    void acceptedEntryRewritesTheDerivedFields() {
        start(kExternal);
        enter(F::aw, QStringLiteral("122"));
        QVERIFY(data_.awGiven);
        QCOMPARE(text(F::x1), QStringLiteral("0.2649"));
        QCOMPARE(text(F::x2), QStringLiteral("0.2649"));
        QCOMPARE(text(F::aw), QStringLiteral("122.000"));
        // With aw given, x1 moves x2 and leaves aw.
        enter(F::x1, QStringLiteral("0.4"));
        QCOMPARE(text(F::x2), QStringLiteral("0.1298"));
        QCOMPARE(text(F::x1), QStringLiteral("0.4000"));
        QCOMPARE(text(F::aw), QStringLiteral("122.000"));
        // Leaving aw with its shown value changes nothing.
        enter(F::aw, QStringLiteral("122.000"));
        QVERIFY(data_.awGiven);
        QCOMPARE(data_.x1, 0.4);
        // z1 ends the given centre distance and moves aw.
        enter(F::z1, QStringLiteral("21"));
        QVERIFY(!data_.awGiven);
        QCOMPARE(text(F::aw), QString::fromStdString(str(data_.aw, 7, 3)));
        QCOMPARE(text(F::da1), QString::fromStdString(str(data_.da1, 7, 3)));
        QVERIFY(ui_.messages.empty());
    }

    void emptiedCentreDistanceReturnsToTheZeroShiftPair() {
        start(kExternal);
        enter(F::aw, QStringLiteral("125"));
        enter(F::aw, QString());
        QCOMPARE(text(F::x1), QStringLiteral("0.00000"));
        QCOMPARE(text(F::x2), QStringLiteral("0.00000"));
        QCOMPARE(text(F::aw), QStringLiteral("120.000"));
        QCOMPARE(text(F::da1), QStringLiteral(" 88.000"));
        QVERIFY(!data_.awGiven);
        QTRY_VERIFY(edit(F::x1)->hasFocus());
        QCOMPARE(dialog_->currentField(), 6);
        QVERIFY(ui_.messages.empty());
    }

    void rejectedEntryKeepsTheFocusAndRepeatsOnLeaving() {
        start(kExternal);
        edit(F::z2)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit(F::z2)->hasFocus());
        edit(F::z2)->setText(QStringLiteral("3"));
        QTest::keyClick(edit(F::z2), Qt::Key_Tab);
        QTRY_VERIFY(edit(F::z2)->hasFocus());
        QCOMPARE(messages(), QStringList{QStringLiteral("Počet zubů kola vol větší než 3")});
        QCOMPARE(data_.z2, 3);  // stored, but nothing follows from it
        QCOMPARE(text(F::aw), QStringLiteral("120.000"));
        QTest::keyClick(edit(F::z2), Qt::Key_Tab);
        QTRY_VERIFY(edit(F::z2)->hasFocus());
        QCOMPARE(ui_.messages.size(), std::size_t{2});
        edit(F::z2)->setText(QStringLiteral("50"));
        QTest::keyClick(edit(F::z2), Qt::Key_Tab);
        QTRY_VERIFY(edit(F::mn)->hasFocus());
        QCOMPARE(ui_.messages.size(), std::size_t{2});
        QCOMPARE(text(F::aw), QStringLiteral("140.000"));
    }

    void parseStatus() {
        start(kExternal);
        enter(F::x2, QStringLiteral("-1.3"));
        QCOMPARE(dialog_->parseStatus(), 1);  // a rule between fields
        enter(F::x2, QStringLiteral("12,5"));
        QCOMPARE(dialog_->parseStatus(), 3);
        enter(F::x2, QStringLiteral("0.1"));
        QCOMPARE(dialog_->parseStatus(), 0);
    }

    void accuracyHook() {
        start(kExternal);
        QSignalSpy spy(dialog_.get(), &GeometryDialog::geometryChanged);
        enter(F::z1, QStringLiteral("22"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<AccuracyLookups>(), (AccuracyLookups{.pinionPitch = true}));
        edit(F::z1)->setText(QStringLiteral("0"));  // refused: nothing is due
        QTest::keyClick(edit(F::z1), Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        edit(F::z1)->setText(QStringLiteral("22"));
        QTest::keyClick(edit(F::z1), Qt::Key_Return);
        QCOMPARE(spy.count(), 2);
        // Leaving z1 runs its validator again, then mn's own.
        enter(F::mn, QStringLiteral("5"));
        QCOMPARE(spy.count(), 4);
        QVERIFY(spy.at(3).at(0).value<AccuracyLookups>().wheelAlignment);
        QCOMPARE(data_.srmin, 17.5);
        enter(F::Alfan, QStringLiteral("25"));  // leaving mn counts; alfan itself does not
        QCOMPARE(spy.count(), 5);
    }

    void helpOkEscAndModules() {
        start(kExternal);
        QSignalSpy help(dialog_.get(), &FieldDialog::helpRequested);
        QSignalSpy modules(dialog_.get(), &GeometryDialog::modulesRequested);
        edit(F::z1)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit(F::z1)->hasFocus());
        edit(F::z1)->setText(QStringLiteral("abc"));
        QTest::keyClick(edit(F::z1), Qt::Key_F1);
        QTest::mouseClick(dialog_->helpButton(), Qt::LeftButton);
        QCOMPARE(help.count(), 2);
        QCOMPARE(help.at(0).at(0).toInt(), 21);
        QCOMPARE(help.at(1).at(0).toInt(), 21);
        QVERIFY(ui_.messages.empty());  // help does not check the field

        // Esc does not close the geometry dialog; OK refuses to close over a rejected entry.
        QTest::keyClick(edit(F::z1), Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QVERIFY(dialog_->isVisible());
        QCOMPARE(messages(), QStringList{QStringLiteral("Neplatné zadání počtu zubů pastorku z1")});
        QVERIFY(edit(F::z1)->hasFocus());
        dialog_->close();  // the title bar's close button
        QVERIFY(dialog_->isVisible());
        QCOMPARE(ui_.messages.size(), std::size_t{2});

        edit(F::z1)->setText(QStringLiteral("20"));
        QTest::mouseClick(dialog_->modulesButton(), Qt::LeftButton);
        QCOMPARE(modules.count(), 1);
        QCOMPARE(ui_.messages.size(), std::size_t{2});

        QTest::mouseClick(dialog_->okButton(), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), 1);
    }

    void deactivationValidates() {
        start(kExternal);
        edit(F::mn)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit(F::mn)->hasFocus());
        edit(F::mn)->setText(QStringLiteral("0"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_COMPARE(messages(), QStringList{QStringLiteral("Neplatné zadání normálného modulu mn")});
    }

    void moduleTable() {
        ModuleTable t;
        QCOMPARE(t.windowTitle(), QStringLiteral("Tabulka modulů [mm] podle ČSN 01 4608"));
        QCOMPARE(t.module(0, 0, 1), QStringLiteral("0,05"));
        QCOMPARE(t.module(0, 0, 2), QStringLiteral("0,055"));
        QCOMPARE(t.module(1, 4, 1), QStringLiteral("1"));  // 14th of series 1
        QCOMPARE(t.module(1, 4, 2), QStringLiteral("1,125"));
        QCOMPARE(t.module(3, 6, 1), QStringLiteral("100"));
        QCOMPARE(t.module(3, 6, 2), QString());
        QCOMPARE(t.module(3, 7, 1), QString());
        QStringList heads;
        for (const QLabel* l : t.findChildren<QLabel*>())
            if (l->text().startsWith(QStringLiteral("Řada"))) heads << l->text();
        QCOMPARE(heads.count(QStringLiteral("Řada 1")), 4);
        QCOMPARE(heads.count(QStringLiteral("Řada 2")), 4);
        t.show();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        QVERIFY(!t.isModal());
        QTest::keyClick(&t, Qt::Key_Escape);
        QVERIFY(!t.isVisible());
    }
};

QTEST_MAIN(GeometrieTest)
#include "GeometryDialogTest.moc"
