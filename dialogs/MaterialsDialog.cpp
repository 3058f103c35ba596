// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The materials window: 2 × 12 numeric fields, the designations and the heat-treatment lists.
#include "dialogs/MaterialsDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

#include "dialogs/MaterialTable.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

constexpr FieldId id(int number) { return {InputWindow::Materials, number}; }
using G = const GearPairData&;

// Field, label, unit, display: str(x:w:d) or an exponent picture. Pinion 1 ... 12, wheel 14 ... 25;
// 13 and 26 are the designations (text, not in the table).
constexpr std::array<FieldRow, 24> kRows = {{
    {id(1), "σ0Flimb", "MPa", fixedFormat([](G g) { return g.Sigma0Flimb1; }, 6, 1)},
    {id(2), "σ0Hlim", "MPa", fixedFormat([](G g) { return g.Sigma0Hlim1; }, 6, 1)},
    {id(3), "VHV", "HV", fixedFormat([](G g) { return g.VHV1; }, 3, 0)},
    {id(4), "JHV", "HV", fixedFormat([](G g) { return g.JHV1; }, 3, 0)},
    {id(5), "Rm", "MPa", fixedFormat([](G g) { return g.Rm1; }, 6, 1)},
    {id(6), "Re", "MPa", fixedFormat([](G g) { return g.Re1; }, 6, 1)},
    {id(7), "qF", nullptr, fixedFormat([](G g) { return g.qF1; }, 4, 1)},
    {id(8), "qH", nullptr, fixedFormat([](G g) { return g.qH1; }, 4, 1)},
    {id(9), "NFlim", nullptr, pictureFormat([](G g) { return g.NFlim1; }, kPictureShort)},
    {id(10), "NHlim", nullptr, pictureFormat([](G g) { return g.NHlim1; }, kPictureTwoDigits)},
    {id(11), "E", "MPa", pictureFormat([](G g) { return g.E1; }, kPictureShort)},
    {id(12), "ν", nullptr, fixedFormat([](G g) { return g.Ny1; }, 5, 3)},
    {id(14), "σ0Flimb", "MPa", fixedFormat([](G g) { return g.Sigma0Flimb2; }, 6, 1)},
    {id(15), "σ0Hlim", "MPa", fixedFormat([](G g) { return g.Sigma0Hlim2; }, 6, 1)},
    {id(16), "VHV", "HV", fixedFormat([](G g) { return g.VHV2; }, 3, 0)},
    {id(17), "JHV", "HV", fixedFormat([](G g) { return g.JHV2; }, 3, 0)},
    {id(18), "Rm", "MPa", fixedFormat([](G g) { return g.Rm2; }, 6, 1)},
    {id(19), "Re", "MPa", fixedFormat([](G g) { return g.Re2; }, 6, 1)},
    {id(20), "qF", nullptr, fixedFormat([](G g) { return g.qF2; }, 4, 1)},
    {id(21), "qH", nullptr, fixedFormat([](G g) { return g.qH2; }, 4, 1)},
    {id(22), "NFlim", nullptr, pictureFormat([](G g) { return g.NFlim2; }, kPictureShort)},
    {id(23), "NHlim", nullptr, pictureFormat([](G g) { return g.NHlim2; }, kPictureTwoDigits)},
    {id(24), "E", "MPa", pictureFormat([](G g) { return g.E2; }, kPictureShort)},
    {id(25), "ν", nullptr, fixedFormat([](G g) { return g.Ny2; }, 5, 3)},
}};

// The text of qF the table writes for nitrided and nitrocarburised steels.
constexpr std::string_view kQFRangeText = "9÷12";

// The fields the simplified calculation does not use.
constexpr std::array<int, 4> kFullOnly = {7, 8, 9, 10};

}  // namespace

MaterialsDialog::MaterialsDialog(GearPairData& data, Ui& ui, MaterialTable& table, QWidget* parent)
    : FieldDialog(data, ui, parent), data_(data), table_(table) {
    setObjectName(QStringLiteral("MaterialsDialog"));
    setWindowTitle(QStringLiteral("Zadání materiálových konstant"));
    setModal(true);
    setHelpTopic(kHelpTopic);
    // An entry rewrites only its own field: the others keep the texts the table wrote ("9÷12").
    setRepaintOnEntry(false);
    bindFields(kRows);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildGroup(Gear::Pinion));
    groups->addWidget(buildGroup(Gear::Wheel));

    ok_ = addOkButton(QStringLiteral("Ok"));
    help_ = addHelpButton(QStringLiteral("Help"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    runModal = [](QDialog& d) { return d.exec(); };
}

QGroupBox* MaterialsDialog::buildGroup(Gear gear) {
    const int offset = gear == Gear::Pinion ? 0 : kWheelMaterialOffset;
    auto* group = new QGroupBox(gear == Gear::Pinion ? QStringLiteral("PASTOREK") : QStringLiteral("KOLO"), this);
    auto* grid = new QGridLayout(group);
    int row = 0;
    for (int own = 1; own < kWheelMaterialOffset; ++own) {
        const int number = own + offset;
        placeField(grid, number, row, 0);
        edits_[static_cast<std::size_t>(number - 1)] = field(number);
        ++row;
    }
    const std::size_t i = index(gear);
    designations_[i] = new QLineEdit(group);
    designations_[i]->setObjectName(QStringLiteral("Edit%1").arg(13 + offset));
    designations_[i]->setMaxLength(255);
    grid->addWidget(new QLabel(QStringLiteral("Mat."), group), row, 0);
    grid->addWidget(designations_[i], row, 1, 1, 2);
    // The designation is text: whatever is typed is stored when the field is left.
    connect(designations_[i], &QLineEdit::editingFinished, this, [this, gear, i] {
        (gear == Gear::Pinion ? data_.Material1 : data_.Material2) = designations_[i]->text().toStdString();
    });
    ++row;

    treatments_[i] = new QComboBox(group);
    for (std::string_view name : kHeatTreatmentNames)
        treatments_[i]->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    treatments_[i]->installEventFilter(this);
    connect(treatments_[i], &QComboBox::activated, this, [this, gear] {
        side_ = gear;
        storeTreatment(gear);
    });
    grid->addWidget(treatments_[i], row, 0, 1, 3);
    ++row;

    choose_[i] = new QPushButton(QStringLiteral("Vyber"), group);
    connect(choose_[i], &QPushButton::clicked, this, [this, gear] { chooseFromTable(gear); });
    grid->addWidget(choose_[i], row, 0, 1, 3);
    return group;
}

bool MaterialsDialog::eventFilter(QObject* watched, QEvent* event) {
    for (Gear gear : {Gear::Pinion, Gear::Wheel}) {
        if (watched != treatments_[index(gear)]) continue;
        // Entering a list names its gear; leaving it stores the item for the gear named.
        if (event->type() == QEvent::FocusIn) side_ = gear;
        if (event->type() == QEvent::FocusOut) storeTreatment(gear);
    }
    return FieldDialog::eventFilter(watched, event);
}

void MaterialsDialog::storeTreatment(Gear gear) {
    const int item = treatments_[index(gear)]->currentIndex();
    if (item < 0) return;
    (gear == Gear::Pinion ? data_.Zpracovani1 : data_.Zpracovani2) = static_cast<std::uint16_t>(item);
}

std::string MaterialsDialog::entryText(int number, const QString& text) const {
    // A qF of "9÷12" from the table stands for 9, so that passing through the field neither
    // refuses it nor stores 0.
    const bool qF = number == 7 || number == 7 + kWheelMaterialOffset;
    if (qF && text == QString::fromUtf8(kQFRangeText.data(), static_cast<qsizetype>(kQFRangeText.size())))
        return "9";
    return FieldDialog::entryText(number, text);
}

void MaterialsDialog::refresh() {
    showFields();
    designations_[0]->setText(QString::fromStdString(data_.Material1));
    designations_[1]->setText(QString::fromStdString(data_.Material2));
    treatments_[0]->setCurrentIndex(data_.Zpracovani1 < kHeatTreatmentItems ? data_.Zpracovani1 : -1);
    treatments_[1]->setCurrentIndex(data_.Zpracovani2 < kHeatTreatmentItems ? data_.Zpracovani2 : -1);
}

void MaterialsDialog::setSimplified(bool simplified) {
    for (int offset : {0, kWheelMaterialOffset}) {
        for (int own : kFullOnly) setFieldVisible(own + offset, !simplified);
    }
}

void MaterialsDialog::chooseFromTable(Gear gear) {
    side_ = gear;
    table_.setSide(gear);
    if (runModal(table_) != QDialog::Accepted || !table_.lastChoice()) return;
    refresh();
    // The texts of the chosen row stand in the fields as the table wrote them ("9÷12", "50e6").
    {
        const MaterialChoice& c = *table_.lastChoice();
        const int offset = gear == Gear::Pinion ? 0 : kWheelMaterialOffset;
        const auto put = [&](int own, std::string_view text) {
            edits_[static_cast<std::size_t>(own + offset - 1)]->setText(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        };
        put(7, c.qFText);
        put(8, c.qHText);
        put(9, c.NFlimText);
        put(10, c.NHlimText);
        put(11, c.EText);
        put(12, c.NyText);
    }
}

void MaterialsDialog::repaintFromData() {
    refresh();
}

}  // namespace soukoli
