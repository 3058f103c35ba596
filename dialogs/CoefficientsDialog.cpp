// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The coefficients dialog: layout by method letter and calculation depth, the entries through
// the engine's rules (engine/Coefficients.h), the row help buttons and the notch check on "&Ok".
#include "dialogs/CoefficientsDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Coefficients.h"

namespace soukoli {

namespace {

constexpr FieldId id(int number) { return {InputWindow::Coefficients, number}; }
constexpr FieldFormat kShown = textFormat(coefficientText);

// Field, label, unit; every field shown as the engine writes it (empty while computed). The
// rules are in engine/Coefficients.
constexpr std::array<FieldRow, kCoefficientFieldCount> kRows{{
    {id(1), "t<sub>g1</sub>", "[mm]", kShown},
    {id(2), "t<sub>g2</sub>", "[mm]", kShown},
    {id(3), "ρ<sub>g1</sub>", "[mm]", kShown},
    {id(4), "ρ<sub>g2</sub>", "[mm]", kShown},
    {id(5), "Y<sub>T1</sub>", nullptr, kShown},
    {id(6), "Y<sub>T2</sub>", nullptr, kShown},
    {id(7), "Z<sub>L</sub> Z<sub>R</sub> Z<sub>V</sub>", nullptr, kShown},
    {id(8), "K<sub>Fα</sub>", nullptr, kShown},
    {id(9), "K<sub>Hα</sub>", nullptr, kShown},
    {id(10), "K<sub>Fv</sub>", nullptr, kShown},
    {id(11), "K<sub>Hv</sub>", nullptr, kShown},
    {id(12), "K<sub>Fβ</sub>", nullptr, kShown},
    {id(13), "Y<sub>Fa1</sub>", nullptr, kShown},
    {id(14), "Y<sub>Fa2</sub>", nullptr, kShown},
    {id(15), "Y<sub>Sa1</sub>", nullptr, kShown},
    {id(16), "Y<sub>Sa2</sub>", nullptr, kShown},
    {id(17), "Y<sub>FS1</sub>", nullptr, kShown},
    {id(18), "Y<sub>FS2</sub>", nullptr, kShown},
    {id(19), "Y<sub>N1</sub>", nullptr, kShown},
    {id(20), "Y<sub>N2</sub>", nullptr, kShown},
    {id(21), "Z<sub>N1</sub>", nullptr, kShown},
    {id(22), "Z<sub>N2</sub>", nullptr, kShown},
    {id(23), "σ<sub>Flimb1</sub>", nullptr, kShown},
    {id(24), "σ<sub>Flimb2</sub>", nullptr, kShown},
    {id(25), "σ<sub>Hlim1</sub>", nullptr, kShown},
    {id(26), "σ<sub>Hlim2</sub>", nullptr, kShown},
    {id(27), "K<sub>Fα1</sub>", nullptr, kShown},
    {id(28), "K<sub>Hα1</sub>", nullptr, kShown},
    {id(29), "K<sub>Fv1</sub>", nullptr, kShown},
    {id(30), "K<sub>Hv1</sub>", nullptr, kShown},
    {id(31), "K<sub>Fβ1</sub>", nullptr, kShown},
    {id(32), "K<sub>Hβ1</sub>", nullptr, kShown},
    {id(33), "Z<sub>B</sub>", nullptr, kShown},
    {id(34), "Z<sub>D</sub>", nullptr, kShown},
}};

// The optional factors in the rows and columns of the window.
struct OptionalCell {
    int number, row, column;
};

constexpr std::array<OptionalCell, 27> kOptionalCells{{
    {8, 0, 0},        {9, 0, 1},
    {27, 0, 2},      {28, 0, 3},
    {10, 1, 0},       {11, 1, 1},
    {29, 1, 2},      {30, 1, 3},
    {12, 2, 0},       {31, 2, 2},
    {32, 2, 3},      {13, 3, 0},
    {14, 3, 1},      {15, 4, 0},
    {16, 4, 1},      {17, 5, 0},
    {18, 5, 1},      {19, 6, 0},
    {20, 6, 1},       {21, 7, 0},
    {22, 7, 1},       {33, 8, 0},
    {34, 8, 1},        {23, 9, 0},
    {24, 9, 1},   {25, 10, 0},
    {26, 10, 1},
}};

// Fields 13-16 under "DIN - ISO  B".
constexpr std::array<const char*, 4> kDinBLabels{"Y<sub>Fe1</sub>", "Y<sub>Fe2</sub>", "Y<sub>Se1</sub>",
                                                 "Y<sub>Se2</sub>"};

// Edit boxes that the simplified calculation does not use.
constexpr std::array<int, 15> kFullOnly{1, 2, 3, 4, 7, 19, 20, 21, 22, 23, 24, 25, 26, 33, 34};

bool isFullOnly(int number) {
    for (const int n : kFullOnly)
        if (n == number) return true;
    return false;
}

bool isMaximumLoadFactor(int number) {
    return number >= kFirstMaximumLoadFactor && number <= kLastMaximumLoadFactor;
}

}  // namespace

CoefficientsDialog::CoefficientsDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(data, ui, parent), data_(data) {
    setObjectName(QStringLiteral("CoefficientsDialog"));
    setWindowTitle(QStringLiteral("Ostatní součinitelé a vstupy"));
    setEscapeCloses(true);
    bindFields(kRows);

    auto* mandatory = new QGroupBox(QStringLiteral("Povinné"), this);
    auto* optional = new QGroupBox(QStringLiteral("Volitelné"), this);
    buildMandatory(mandatory);
    buildOptional(optional);

    ok_ = addOkButton();
    ok_->setObjectName(QStringLiteral("Ok"));
    help_ = addHelpButton();
    help_->setObjectName(QStringLiteral("Help"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(mandatory, 0, Qt::AlignTop);
    groups->addWidget(optional, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CoefficientsDialog::placeRow(QGridLayout* grid, int number, int row, int column) {
    field(number)->setMaximumWidth(70);
    fieldLabel(number)->setTextFormat(Qt::RichText);
    fieldLabel(number)->setObjectName(QStringLiteral("Label%1").arg(number));
    placeField(grid, number, row, column);
}

void CoefficientsDialog::buildMandatory(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    for (int number = 1; number <= kCoefficientFieldZLZRZV; ++number) {
        const int row = number - 1;
        placeRow(grid, number, row, 0);
        auto* help = new QPushButton(QStringLiteral("Help"), this);
        help->setObjectName(QStringLiteral("Help%1").arg(number));
        help->setAutoDefault(false);
        grid->addWidget(help, row, 3);
        rowHelp_[static_cast<std::size_t>(number)] = help;
        connect(help, &QPushButton::clicked, this, [this, number] {
            if (number <= 4)
                emit notchHelpRequested(number % 2 == 1 ? Gear::Pinion : Gear::Wheel, number);
            else
                emit tableHelpRequested(number);
        });
    }
}

void CoefficientsDialog::buildOptional(QGroupBox* group) {
    auto* grid = new QGridLayout;
    for (const OptionalCell& c : kOptionalCells) placeRow(grid, c.number, c.row, c.column * 3);
    // The buttons beside YFa and YSa open the tooth-root factors dialog.
    for (const int number : {13, 14, 15, 16}) {
        auto* help = new QPushButton(QStringLiteral("Help"), this);
        help->setObjectName(QStringLiteral("Help%1").arg(number));
        help->setAutoDefault(false);
        const int row = number <= 14 ? 3 : 4;
        grid->addWidget(help, row, number % 2 == 1 ? 2 : 5);
        rowHelp_[static_cast<std::size_t>(number)] = help;
        connect(help, &QPushButton::clicked, this, [this] {
            // The click took the focus from a field; a refused entry has taken it back.
            if (NumberEdit* e = field(currentField()); e && e->hasFocus()) return;
            emit rootFactorsRequested();
            showFields();
        });
    }
    optionalNote_ = new QLabel(QStringLiteral("Při zadání souč. = 0 bude tento vypočten"), this);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(optionalNote_);
    layout->addWidget(new QLabel(QStringLiteral("Napětí v MPa"), this));
    layout->addLayout(grid);
}

QLabel* CoefficientsDialog::label(int number) const {
    return fieldLabel(number);
}

QPushButton* CoefficientsDialog::rowHelp(int number) const {
    if (number < 1 || number > static_cast<int>(kCoefficientFieldCount)) return nullptr;
    return rowHelp_[static_cast<std::size_t>(number)];
}

void CoefficientsDialog::showFields() {
    applyEnteredLimitStresses(data_);
    showToothRootLabels();
    FieldDialog::showFields();
    for (int n = 1; n <= static_cast<int>(kCoefficientFieldCount); ++n)
        field(n)->setEnabled(coefficientEditable(data_, n) || n == pendingField_);
}

void CoefficientsDialog::repaintFromData() {
    showFields();
}

void CoefficientsDialog::applyLayout() {
    const bool simplified = data_.Zjednoduseny;
    const bool methodB = data_.MetodaVypoctu == 'B';
    for (int n = 1; n <= static_cast<int>(kCoefficientFieldCount); ++n) {
        bool visible = !(simplified && isFullOnly(n));
        if (isMaximumLoadFactor(n)) {
            // Beyond the narrower window of method "A".
            visible = methodB;
            label(n)->setVisible(methodB);
        }
        field(n)->setVisible(visible);
    }
    for (int n = 1; n <= 4; ++n) rowHelp(n)->setVisible(!simplified);
    rowHelp(kCoefficientFieldZLZRZV)->setVisible(!simplified);
    label(kCoefficientFieldZLZRZV)->setVisible(!simplified);
    setFieldLabel(kCoefficientFieldYT1, simplified ? QStringLiteral("Z<sub>R1</sub>") : QStringLiteral("Y<sub>T1</sub>"));
    setFieldLabel(kCoefficientFieldYT2, simplified ? QStringLiteral("Z<sub>R2</sub>") : QStringLiteral("Y<sub>T2</sub>"));
}

void CoefficientsDialog::showToothRootLabels() {
    // Under "DIN - ISO  B" fields 13-16 stand for YFe and YSe.
    const bool dinB = loadsAtSinglePairPoint(data_.standard);
    static constexpr std::array<const char*, 4> kLabels{"Y<sub>Fa1</sub>", "Y<sub>Fa2</sub>", "Y<sub>Sa1</sub>",
                                                        "Y<sub>Sa2</sub>"};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        setFieldLabel(13 + i, QString::fromUtf8(dinB ? kDinBLabels[k] : kLabels[k]));
    }
}

void CoefficientsDialog::showEvent(QShowEvent* event) {
    applyLayout();
    // The field the engine chose stays enabled while the window is open and gets the focus
    // after the window's own choice.
    FieldDialog::showEvent(event);
    if (pendingField_ != 0) focusField(pendingField_);
}

void CoefficientsDialog::hideEvent(QHideEvent* event) {
    pendingField_ = 0;
    FieldDialog::hideEvent(event);
}

void CoefficientsDialog::focusField(int number) {
    if (NumberEdit* e = field(number)) {
        e->setFocus(Qt::OtherFocusReason);
        if (isVisible()) activateWindow();
    }
}

void CoefficientsDialog::setActiveField(int number) {
    NumberEdit* e = field(number);
    if (!e) return;
    pendingField_ = number;
    e->setEnabled(true);
    if (isVisible()) {
        focusField(number);
        pendingField_ = 0;
    }
}

int CoefficientsDialog::helpTopic() const {
    return currentField() >= 1 && currentField() <= kCoefficientFieldZLZRZV ? 81 : 82;
}

void CoefficientsDialog::done(int result) {
    // A notch needs both its depth and its radius; the window stays open until they agree (it
    // would otherwise leave a notch that the calculation cannot evaluate).
    if (const auto problem = notchCombinationProblem(data_)) {
        ui().message(problem->message);
        focusField(problem->field);
        return;
    }
    FieldDialog::done(result);
}

}  // namespace soukoli
