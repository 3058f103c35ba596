// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The tooth-root factors dialog over engine/ToothRootFactors.h: options of the standard, the
// factor labels of pinion and wheel, the root quantities and the LINKE panel.
#include "dialogs/ToothRootFactorsDialog.h"

#include "dialogs/WindowKeys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/CoefficientsDialog.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

constexpr int kHelpTopic = 82;
const QString kOutsideChart = QStringLiteral(" - - -");

// str(x:1:3); what no number is shows as the mark of a value outside the charts.
QString number(double x) {
    return std::isfinite(x) ? QString::fromStdString(str(x, 1, 3)) : kOutsideChart;
}

QLabel* named(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::RichText);
    return l;
}

}  // namespace

ToothRootFactorsDialog::ToothRootFactorsDialog(GearPairData& data, Ui& ui, CoefficientsDialog& coefficients, QWidget* parent)
    : QDialog(parent), data_(data), ui_(ui), coefficients_(coefficients) {
    setObjectName(QStringLiteral("ToothRootFactorsDialog"));
    bindHelpKey(*this, [this] { emit helpRequested(kHelpTopic); });
    setWindowTitle(QStringLiteral("YFa1,2     YSa1,2"));

    auto* standards = new QHBoxLayout;
    const std::array<QString, 3> captions{QStringLiteral("ČSN"), QStringLiteral("DIN, ISO - B"),
                                          QStringLiteral("DIN, ISO - C")};
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = new QRadioButton(captions[i], this);
        options_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        standards->addWidget(options_[i]);
        const auto standard = static_cast<Standard>(i);
        // A click only: checking the option of the loaded standard changes nothing.
        connect(options_[i], &QRadioButton::clicked, this, [this, standard] { optionChosen(standard); });
    }
    options_[0]->setChecked(true);

    auto* factors = new QGridLayout;
    int column = 0;
    for (const QString& gear : {QStringLiteral("1"), QStringLiteral("2")}) {
        int row = 0;
        for (const QString& kind : {QStringLiteral("F"), QStringLiteral("S"), QStringLiteral("FS")}) {
            QLabel* caption = named(QStringLiteral("row") + kind + gear, this);
            if (kind == QStringLiteral("FS")) caption->setText(QStringLiteral("Y<sub>FS%1</sub>").arg(gear));
            factors->addWidget(caption, row, column);
            factors->addWidget(named(QStringLiteral("Y") + kind + gear, this), row, column + 1);
            ++row;
        }
        for (const QString& root : {QStringLiteral("sFn"), QStringLiteral("hF"), QStringLiteral("RoFn"),
                                   QStringLiteral("qs")}) {
            factors->addWidget(named(root + gear, this), row, column, 1, 2);
            ++row;
        }
        column += 2;
    }
    factors->addWidget(named(QStringLiteral("Yepsilon"), this), 7, 0, 1, 2);
    factors->addWidget(named(QStringLiteral("Zbeta"), this), 7, 2, 1, 2);

    linke_ = new QGroupBox(QStringLiteral("LINKE -  údaje zde jsou pouze informativní"), this);
    auto* linke = new QGridLayout(linke_);
    const std::array<QString, 4> informative{QStringLiteral("YSa1L"), QStringLiteral("YSa2L"),
                                             QStringLiteral("YepsL"), QStringLiteral("ZbetaL")};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const int row = static_cast<int>(i);
        linke->addWidget(named(informative[i], this), row, 0);
        boxes_[i] = new QCheckBox(QStringLiteral("--->ČSN"), this);
        boxes_[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        linke->addWidget(boxes_[i], row, 1);
        connect(boxes_[i], &QCheckBox::clicked, this, [this, row](bool checked) { boxClicked(row + 1, checked); });
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("Help"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(standards);
    layout->addLayout(factors);
    layout->addWidget(linke_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showStandard();
}

QRadioButton* ToothRootFactorsDialog::option(Standard standard) const { return options_[static_cast<std::size_t>(standard)]; }

QCheckBox* ToothRootFactorsDialog::adoptBox(int box) const {
    if (box < 1 || box > 4) return nullptr;
    return boxes_[static_cast<std::size_t>(box - 1)];
}

QLabel* ToothRootFactorsDialog::value(const QString& name) const { return findChild<QLabel*>(name); }

void ToothRootFactorsDialog::showStandard() {
    const bool dinB = loadsAtSinglePairPoint(data_.standard);
    setWindowTitle(dinB ? QStringLiteral("YFe1,2     YSe1,2") : QStringLiteral("YFa1,2     YSa1,2"));
    const QString F = dinB ? QStringLiteral("Fe") : QStringLiteral("Fa");
    const QString S = dinB ? QStringLiteral("Se") : QStringLiteral("Sa");
    for (const QString& gear : {QStringLiteral("1"), QStringLiteral("2")}) {
        value(QStringLiteral("rowF") + gear)->setText(QStringLiteral("Y<sub>%1%2</sub>").arg(F, gear));
        value(QStringLiteral("rowS") + gear)->setText(QStringLiteral("Y<sub>%1%2</sub>").arg(S, gear));
    }
    // The informative values stand beside the charts of ČSN 01 4686 only.
    const bool charts = usesCsnRootCharts(data_.standard);
    for (QCheckBox* b : boxes_) b->setVisible(charts);
}

void ToothRootFactorsDialog::showEvent(QShowEvent* event) {
    const bool internal = data_.isInternal();
    // Only ČSN 01 4686 gives the root factors of an internal wheel.
    if (internal && !usesCsnRootCharts(data_.standard)) optionChosen(Standard::CSN);
    for (std::size_t i = 1; i < options_.size(); ++i) options_[i]->setEnabled(!internal);
    // Checked without its action: showing the dialog clears no entered factor.
    option(data_.standard)->setChecked(true);
    const std::array<bool, 4> given{data_.YSa1Given, data_.YSa2Given, data_.YepsilonGiven, data_.ZbetaGiven};
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(given[i]);
    showStandard();
    refresh();
    QDialog::showEvent(event);
}

void ToothRootFactorsDialog::optionChosen(Standard standard) {
    const bool changed = data_.standard != standard;
    option(standard)->setChecked(true);
    if (!changed) return;
    chooseStandard(data_, standard);
    if (!usesCsnRootCharts(standard))
        for (QCheckBox* b : boxes_) b->setChecked(false);
    showStandard();
    coefficients_.showFields();  // fields 13-18 emptied
    emit standardChanged();
    refresh();
}

void ToothRootFactorsDialog::boxClicked(int box, bool checked) {
    if (!adoptInformativeFactor(data_, box, checked, informative_)) {
        adoptBox(box)->setChecked(false);
        return;
    }
    coefficients_.showFields();  // fields 15 and 16
    refresh();
}

void ToothRootFactorsDialog::refresh() {
    const RootFactorsView v = refreshRootFactors(data_, ui_);
    informative_ = informativeRootFactors(data_);
    const bool dinB = loadsAtSinglePairPoint(data_.standard);
    value(QStringLiteral("Yepsilon"))->setText(QStringLiteral("Y<sub>ε</sub> = ") + number(data_.Yepsilon));
    value(QStringLiteral("Yepsilon"))->setVisible(!dinB);
    value(QStringLiteral("Zbeta"))->setText(QStringLiteral("Z<sub>β</sub> = ") + number(data_.Zbeta));
    linke_->setVisible(!dinB);

    const struct {
        QString gear;
        double YF, YS, YFS, sFn, hF, RoFn, qs;
        bool outside, qsShown;
    } gears[] = {
        {QStringLiteral("1"), v.YF1, v.YS1, v.YFS1, data_.sFn1, v.hF1, data_.RoFn1, data_.qs1, v.outsideChart1,
         v.qs1Shown},
        {QStringLiteral("2"), v.YF2, v.YS2, v.YFS2, data_.sFn2, v.hF2, data_.RoFn2, data_.qs2, v.outsideChart2,
         v.qs2Shown},
    };
    for (const auto& g : gears) {
        value(QStringLiteral("YF") + g.gear)->setText(number(g.YF));
        value(QStringLiteral("YS") + g.gear)->setText(g.outside ? kOutsideChart : number(g.YS));
        value(QStringLiteral("YFS") + g.gear)->setText(g.outside ? kOutsideChart : number(g.YFS));
        value(QStringLiteral("sFn") + g.gear)->setText(QStringLiteral("sFn%1  = ").arg(g.gear) + number(g.sFn));
        value(QStringLiteral("hF") + g.gear)
            ->setText((dinB ? QStringLiteral("hFe%1  = ") : QStringLiteral("hFa%1  = ")).arg(g.gear) + number(g.hF));
        value(QStringLiteral("RoFn") + g.gear)->setText(QStringLiteral("ρFn%1 = ").arg(g.gear) + number(g.RoFn));
        value(QStringLiteral("qs") + g.gear)
            ->setText(g.qsShown ? QStringLiteral("qs%1   = ").arg(g.gear) + number(g.qs) : kOutsideChart);
    }
    value(QStringLiteral("YSa1L"))->setText(QStringLiteral("Y<sub>Sa1</sub> = ") + number(informative_.YSa1L));
    value(QStringLiteral("YSa2L"))->setText(QStringLiteral("Y<sub>Sa2</sub> = ") + number(informative_.YSa2L));
    value(QStringLiteral("YepsL"))->setText(QStringLiteral("Y<sub>ε</sub> = ") + number(informative_.YepsL));
    value(QStringLiteral("ZbetaL"))->setText(QStringLiteral("Z<sub>β</sub> = ") + number(informative_.ZbetaL));
}


}  // namespace soukoli
