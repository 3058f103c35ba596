// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The accuracy window: fields 1-8 after their table, the limiting deviations with "nedefin.",
// and the rows of the alignment deviations shown only when KHbeta comes from a layout scheme.
#include "dialogs/AccuracyDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Numbers.h"

namespace soukoli {

namespace {

using A = AccuracyField;
using G = const GearPairData&;

constexpr FieldId id(AccuracyField f) { return {InputWindow::Accuracy, static_cast<int>(f)}; }

// A grade is a whole number.
std::string grade(G g, int number) { return std::to_string(number == 1 ? g.IT1 : g.IT2); }

// One deviation: its limiting value, measured value and flag, whether only a positive measured
// value counts (Fbetar1, Fbetar2) and whether it is shown only when KHbeta comes from the
// kinematic scheme.
struct DeviationRow {
    double GearPairData::*limit;
    double GearPairData::*measured;
    bool GearPairData::*given;
    bool positive;
    bool alignment;
};

constexpr std::array<DeviationRow, AccuracyDialog::kDeviations> kDeviationTable = {{
    {&GearPairData::fpb1, &GearPairData::fpbr1, &GearPairData::fpb1Given, false, false},
    {&GearPairData::fpb2, &GearPairData::fpbr2, &GearPairData::fpb2Given, false, false},
    {&GearPairData::Fbeta1, &GearPairData::Fbetar1, &GearPairData::Fbeta1Given, true, true},
    {&GearPairData::Fbeta2, &GearPairData::Fbetar2, &GearPairData::Fbeta2Given, true, true},
    {&GearPairData::fx, &GearPairData::fxr, &GearPairData::fxGiven, false, true},
    {&GearPairData::fy, &GearPairData::fyr, &GearPairData::fyGiven, false, true},
}};

const DeviationRow& deviation(int number) {
    return kDeviationTable[static_cast<std::size_t>(number - static_cast<int>(A::fpbr1))];
}

bool measuredCounts(const DeviationRow& d, G g) {
    const double v = g.*d.measured;
    return d.positive ? v > 0 : v != 0;
}

// A measured deviation shows only when it counts (an empty field: not measured).
std::string measured(G g, int number) {
    const DeviationRow& d = deviation(number);
    return measuredCounts(d, g) ? str(g.*d.measured, 2, 1) : std::string();
}

// Field, label, display. The grades first, then the measured deviations.
constexpr std::array<FieldRow, 8> kRows = {{
    {id(A::IT1), "IT1", nullptr, textFormat(grade)},
    {id(A::IT2), "IT2", nullptr, textFormat(grade)},
    {id(A::fpbr1), "f<sub>pb1</sub> = ", nullptr, textFormat(measured)},
    {id(A::fpbr2), "f<sub>pb2</sub> = ", nullptr, textFormat(measured)},
    {id(A::Fbetar1), "F<sub>β1</sub> = ", nullptr, textFormat(measured)},
    {id(A::Fbetar2), "F<sub>β2</sub> = ", nullptr, textFormat(measured)},
    {id(A::fxr), "f<sub>x</sub> = ", nullptr, textFormat(measured)},
    {id(A::fyr), "f<sub>y</sub> = ", nullptr, textFormat(measured)},
}};

QString qstr(double x, int w, int d) { return QString::fromStdString(str(x, w, d)); }

}  // namespace

AccuracyDialog::AccuracyDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(data, ui, parent), data_(data) {
    setObjectName(QStringLiteral("AccuracyDialog"));
    setWindowTitle(QStringLiteral("Stupně přesnosti a úchylky kol"));
    setModal(true);
    setHelpTopic(kHelpTopic);
    bindFields(kRows);

    auto* grades = new QGroupBox(QStringLiteral("Stupeň přesnosti"), this);
    auto* gradeGrid = new QGridLayout(grades);
    placeField(gradeGrid, 1, 0, 0);
    placeField(gradeGrid, 2, 1, 0);

    auto* limits = new QGroupBox(QStringLiteral("Mezní úchylky "), this);
    auto* limitGrid = new QGridLayout(limits);
    limitGrid->addWidget(new QLabel(QStringLiteral("Mezní úchylky podle ČSN 01 4682"), limits), 0, 0, 1, 3);
    auto* measured = new QGroupBox(QStringLiteral("Změřené úchylky "), this);
    auto* measuredGrid = new QGridLayout(measured);
    for (std::size_t i = 0; i < kDeviations; ++i) {
        Row& row = rows_[i];
        const int number = static_cast<int>(A::fpbr1) + static_cast<int>(i);
        row.limitCaption = new QLabel(fieldLabel(number)->text(), limits);
        row.limit = new QLabel(limits);
        row.undefined = new QLabel(QStringLiteral("nedefin."), limits);
        const int r = static_cast<int>(i) + 1;
        limitGrid->addWidget(row.limitCaption, r, 0);
        limitGrid->addWidget(row.limit, r, 1);
        limitGrid->addWidget(row.undefined, r, 2);
        row.measured = field(number);
        placeField(measuredGrid, number, r, 0);
    }

    auto* note = new QVBoxLayout;
    note->addWidget(new QLabel(QStringLiteral("Pro nedefinované mezní úchylky je"), this));
    note->addWidget(new QLabel(QStringLiteral("nutno zadat tyto přímo jako změřené"), this));
    note->addWidget(new QLabel(QStringLiteral("Rozměry v µm"), this));

    ok_ = addOkButton();
    help_ = addHelpButton();
    reset_ = new QPushButton(QStringLiteral("&Nuluj"), this);
    reset_->setAutoDefault(false);
    connect(reset_, &QPushButton::clicked, this, [this] {
        resetMeasuredDeviations(data_);
        refresh();
    });

    auto* groups = new QHBoxLayout;
    groups->addWidget(grades);
    groups->addWidget(limits);
    groups->addWidget(measured);
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(note);
    buttons->addStretch();
    for (QPushButton* b : {ok_, help_, reset_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void AccuracyDialog::refresh() {
    showFields();
    // The misalignment deviations enter only the face load factor of a layout scheme.
    bool schemeRows = true;
    switch (data_.KHbetaFrom) {
        case KHbetaSource::Entered:
        case KHbetaSource::FromBcal: schemeRows = false; break;
        case KHbetaSource::FromScheme:
        case KHbetaSource::None: break;
    }
    for (std::size_t i = 0; i < kDeviations; ++i) {
        const DeviationRow& def = kDeviationTable[i];
        const Row& row = rows_[i];
        const bool given = data_.*def.given;
        row.limit->setText(measuredCounts(def, data_) || !given ? QString() : qstr(data_.*def.limit, 2, 1));
        const bool shown = !def.alignment || schemeRows;
        row.undefined->setVisible(shown && !given);
        row.limitCaption->setVisible(shown);
        row.limit->setVisible(shown);
        setFieldVisible(static_cast<int>(A::fpbr1) + static_cast<int>(i), shown);
    }
}

void AccuracyDialog::repaintFromData() {
    refresh();
}

}  // namespace soukoli
