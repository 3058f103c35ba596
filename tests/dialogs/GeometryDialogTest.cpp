// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The geometry dialog: one accepted and one refused entry typed into it, the display formats,
// the rewritten derived fields, the centre distance steps, help, OK, Esc, deactivation and the
// module table. The field rules, parse results and what an entry runs are tested in
// tests/engine/GeometryInputTest; the binder's repeated refusal in FieldDialogTest.
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


class GeometrieTest : public QObject {
    Q_OBJECT

    testing::RecordingUi ui_;
    GearPairData data_;
    std::unique_ptr<GeometryDialog> dialog_;

    void start(Toothing type) {
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
        start(Toothing::External);
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

        start(Toothing::Internal);
        QCOMPARE(text(F::z2), QStringLiteral("-60.0"));
        QCOMPARE(text(F::Rof2_star), QStringLiteral("0.200"));
        QCOMPARE(text(F::aw), QStringLiteral("-80.000"));
    }

    // The wiring with real keys: an accepted entry is stored, shown in its format and heard
    // of once; a refused one shows the rule's message, keeps the focus, leaves the data set and
    // the derived fields as they were and is heard of by nobody. (The rules are tested in the
    // engine.)
    void entryThroughTheEngine() {
        start(Toothing::External);
        QSignalSpy spy(dialog_.get(), &FieldDialog::fieldAccepted);
        edit(F::z1)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit(F::z1)->hasFocus());
        edit(F::z1)->clear();
        QTest::keyClicks(edit(F::z1), QStringLiteral("19"));
        QTest::keyClick(edit(F::z1), Qt::Key_Return);
        QVERIFY(ui_.messages.empty());
        QCOMPARE(data_.z1, 19);
        QCOMPARE(text(F::z1), QStringLiteral("19.0"));
        QCOMPARE(text(F::aw), QString::fromStdString(str(data_.aw, 7, 3)));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<FieldId>(), (FieldId{InputWindow::Geometry, 1}));

        const QString awBefore = text(F::aw);
        edit(F::z2)->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(edit(F::z2)->hasFocus());
        const auto heard = spy.count();  // leaving z1 entered it once more
        edit(F::z2)->clear();
        QTest::keyClicks(edit(F::z2), QStringLiteral("3"));
        QTest::keyClick(edit(F::z2), Qt::Key_Tab);
        QTRY_VERIFY(edit(F::z2)->hasFocus());
        QCOMPARE(messages(), QStringList{QStringLiteral("Počet zubů kola vol větší než 3")});
        QCOMPARE(data_.z2, 40);
        QCOMPARE(text(F::aw), awBefore);
        QCOMPARE(spy.count(), heard);
    }

    void acceptedEntryRewritesTheDerivedFields() {
        start(Toothing::External);
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
        start(Toothing::External);
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

    void helpOkEscAndModules() {
        start(Toothing::External);
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
        start(Toothing::External);
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
