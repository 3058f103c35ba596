// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The grinding-notch window: the edge radius of the grinding wheel in, the notch radius of the
// selected gear out (ČSN 01 4686 part 3, the root fillet construction with the wheel's edge).
#include "dialogs/GrindingNotchDialog.h"

#include "dialogs/WindowKeys.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/FieldDialog.h"
#include "dialogs/CoefficientsDialog.h"
#include "engine/Numbers.h"
#include "engine/ToothRootFactors.h"

namespace soukoli {

namespace {

constexpr int kHelpTopic = 81;

// A sketch of the tooth root with the grinding notch: the ground flank, the notch of depth tg and
// radius ρg left by the wheel's edge of radius ρa0g.
class NotchSketch : public QWidget {
public:
    explicit NotchSketch(QWidget* parent) : QWidget(parent) { setFixedSize(220, 150); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        QPen tooth(Qt::black, 2);
        p.setPen(tooth);
        // Flank, root fillet and root.
        p.drawLine(40, 10, 70, 100);
        QPainterPath fillet;
        fillet.moveTo(70, 100);
        fillet.quadTo(80, 130, 120, 132);
        fillet.lineTo(200, 132);
        p.drawPath(fillet);
        // Ground flank, offset by the grinding allowance, ending in the notch.
        p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
        p.drawLine(47, 10, 74, 92);
        p.setPen(QPen(Qt::red, 2));
        p.drawArc(QRectF(64, 84, 16, 16), 200 * 16, 160 * 16);
        p.setPen(Qt::black);
        p.drawText(90, 90, QStringLiteral("ρg, tg"));
        p.drawText(110, 30, QStringLiteral("ρa0g"));
        p.drawLine(108, 34, 78, 88);
    }
};

}  // namespace

GrindingNotchDialog::GrindingNotchDialog(GearPairData& data, Ui& ui, CoefficientsDialog& coefficients, QWidget* parent)
    : QDialog(parent), data_(data), ui_(ui), coefficients_(coefficients) {
    setObjectName(QStringLiteral("GrindingNotchDialog"));
    bindHelpKey(*this, [this] { emit helpRequested(kHelpTopic); });
    setWindowTitle(QStringLiteral("Poloměr křivosti a hloubka přídavného vrubu v patě zubu"));

    auto* text = new QVBoxLayout;
    for (const char* line : {"Poloměr křivosti vrubu v patě zubu", "lze určit výpočtem z velikosti zaoblení",
                             "hrany brusného kotouče"})
        text->addWidget(new QLabel(QString::fromUtf8(line), this));
    auto* note = new QLabel(QStringLiteral("(pro nenulovou hodnotu t<sub>g</sub>)"), this);
    note->setTextFormat(Qt::RichText);
    text->addWidget(note);

    edit_ = new NumberEdit(this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setMaximumWidth(70);
    connect(edit_, &NumberEdit::left, this, [this] { fieldLeft(); });
    connect(edit_, &NumberEdit::enterPressed, this, [this] { fieldLeft(); });
    auto* edgeLabel = new QLabel(QStringLiteral("ρ<sub>a0g</sub>"), this);
    edgeLabel->setTextFormat(Qt::RichText);
    edgeLabel->setBuddy(edit_);
    edit_->setAccessibleName(QStringLiteral("ρa0g"));

    symbol_ = new QLabel(QStringLiteral("ρ<sub>g</sub>"), this);
    symbol_->setTextFormat(Qt::RichText);
    index_ = new QLabel(QStringLiteral("1"), this);
    index_->setObjectName(QStringLiteral("GearIndex"));
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("Result"));
    auto* grid = new QGridLayout;
    grid->addWidget(edgeLabel, 0, 0);
    grid->addWidget(edit_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("[mm]"), this), 0, 3);
    grid->addWidget(symbol_, 1, 0);
    grid->addWidget(index_, 1, 1);
    grid->addWidget(result_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("[mm]"), this), 1, 3);

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (rejected_) return;  // the click left the field with a rejected entry
        if (!edit_->text().trimmed().isEmpty()) fromWheel_ = true;
        compute();
        close();
        coefficients_.focusField(field_);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(text);
    layout->addLayout(grid);
    layout->addWidget(new NotchSketch(this), 0, Qt::AlignHCenter);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<double> GrindingNotchDialog::edgeRadius() const {
    if (!fromWheel_) return std::nullopt;
    return Roa0g_;
}

void GrindingNotchDialog::openFor(Gear gear, int field) {
    gear_ = gear;
    field_ = field;
    showResult();
    show();
    raise();
    activateWindow();
    // The window exists for its one field: the cursor is there at once.
    edit_->setFocus(Qt::OtherFocusReason);
}

bool GrindingNotchDialog::fieldLeft() {
    if (validating_) return true;  // the message box and the focus going back cause no second check
    const std::string text = edit_->text().toStdString();
    fromWheel_ = false;
    const NumberParse p = parseNumber(text);
    Roa0g_ = p.value;
    rejected_ = false;
    if (edit_->text().trimmed().isEmpty()) return true;
    const FieldEntry entry = judgeGrindingWheelRadius(data_, gear_, p.value, p.status);
    if (entry.accepted()) {
        edit_->setText(QString::fromStdString(str(p.value, 4, 1)));
        fromWheel_ = true;
        compute();
        showResult();
        return true;
    }
    validating_ = true;
    rejected_ = true;
    ui_.message(entry.message);
    edit_->setFocus(Qt::OtherFocusReason);
    validating_ = false;
    return false;
}

void GrindingNotchDialog::compute() {
    computeNotchFromGrindingWheel(data_, ui_, gear_, edgeRadius());
}

void GrindingNotchDialog::showResult() {
    const bool pinion = gear_ == Gear::Pinion;
    const double Rog = pinion ? data_.Rog1 : data_.Rog2;
    coefficients_.showFields();  // field 3 or 4 shows the radius
    index_->setText(pinion ? QStringLiteral("1") : QStringLiteral("2"));
    result_->setText(Rog != 0 && std::isfinite(Rog) ? QString::fromStdString(str(Rog, 6, 3)) : QString());
    const QString colour = pinion ? QStringLiteral("color: blue") : QStringLiteral("color: green");
    for (QLabel* l : {symbol_, index_, result_}) l->setStyleSheet(colour);
}


}  // namespace soukoli
