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

// One numeric field of a group: the pinion's number (the wheel's is 13 more), its label, unit and
// display: str(x:w:d), or an exponent picture when `picture` is set.
struct MaterialField {
    int number;
    const char* label;
    const char* unit;
    int w;
    int d;
    std::string_view picture;
};

constexpr std::array<MaterialField, 12> kFields = {{
    {1, "σ0Flimb", "MPa", 6, 1, {}},
    {2, "σ0Hlim", "MPa", 6, 1, {}},
    {3, "VHV", "HV", 3, 0, {}},
    {4, "JHV", "HV", 3, 0, {}},
    {5, "Rm", "MPa", 6, 1, {}},
    {6, "Re", "MPa", 6, 1, {}},
    {7, "qF", "", 4, 1, {}},
    {8, "qH", "", 4, 1, {}},
    {9, "NFlim", "", 0, 0, kPictureShort},
    {10, "NHlim", "", 0, 0, kPictureTwoDigits},
    {11, "E", "MPa", 0, 0, kPictureShort},
    {12, "ν", "", 5, 3, {}},
}};

// The text of qF the table writes for nitrided and nitrocarburised steels.
constexpr std::string_view kQFRangeText = "9÷12";

// The fields the simplified calculation does not use.
constexpr std::array<int, 4> kFullOnly = {7, 8, 9, 10};

const MaterialField& fieldSpec(int field) {
    const int own = field > kWheelMaterialOffset ? field - kWheelMaterialOffset : field;
    return kFields[static_cast<std::size_t>(own - 1)];
}

QString display(const MaterialField& f, double value) {
    const std::string text = f.picture.empty() ? str(value, f.w, f.d) : formatFloat(f.picture, value);
    return QString::fromStdString(text);
}

}  // namespace

MaterialsDialog::MaterialsDialog(GearPairData& data, Ui& ui, MaterialTable& table, QWidget* parent)
    : CheckedFieldDialog(ui, kHelpTopic, parent), data_(data), table_(table) {
    setObjectName(QStringLiteral("MaterialsDialog"));
    setWindowTitle(QStringLiteral("Zadání materiálových konstant"));
    setModal(true);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildGroup(Gear::Pinion));
    groups->addWidget(buildGroup(Gear::Wheel));

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    help_ = new QPushButton(QStringLiteral("Help"), this);
    makeHelpButton(help_);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (fieldsSettled()) done(QDialog::Accepted);
    });

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
    for (const MaterialField& f : kFields) {
        const int number = f.number + offset;
        NumberEdit* e = addCheckedField(number, [this, number](double v, bool readable) { return commit(number, v, readable); });
        e->setParent(group);
        auto* label = new QLabel(QString::fromUtf8(f.label), group);
        label->setBuddy(e);
        grid->addWidget(label, row, 0);
        grid->addWidget(e, row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(f.unit), group), row, 2);
        edits_[static_cast<std::size_t>(number - 1)] = e;
        if (f.number == 7) e->installEventFilter(this);
        labels_[static_cast<std::size_t>(number - 1)] = label;
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
    // A qF of "9÷12" from the table stands for 9: it is read as 9 when the field is checked, so
    // that passing through the field neither rejects it nor stores 0.
    for (int field : {7, 7 + kWheelMaterialOffset}) {
        NumberEdit* e = edits_[static_cast<std::size_t>(field - 1)];
        if (watched != e) continue;
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if ((event->type() == QEvent::FocusOut || enter) && e->text() == QString::fromUtf8(kQFRangeText.data(), static_cast<qsizetype>(kQFRangeText.size())))
            e->setText(QStringLiteral("9"));
    }
    return CheckedFieldDialog::eventFilter(watched, event);
}

void MaterialsDialog::storeTreatment(Gear gear) {
    const int item = treatments_[index(gear)]->currentIndex();
    if (item < 0) return;
    (gear == Gear::Pinion ? data_.Zpracovani1 : data_.Zpracovani2) = static_cast<std::uint16_t>(item);
}

CheckedFieldDialog::Verdict MaterialsDialog::commit(int field, double value, bool readable) {
    double* quantity = materialQuantity(data_, field);
    if (quantity == nullptr) return {false, {}};
    *quantity = value;
    if (!readable || !materialValueAccepted(field, value)) return {false, {}};
    // Large numbers are shown again in their exponent picture.
    if (!fieldSpec(field).picture.empty()) writeField(field);
    return {true, {}};
}

void MaterialsDialog::writeField(int field) {
    double* quantity = materialQuantity(data_, field);
    NumberEdit* e = edits_[static_cast<std::size_t>(field - 1)];
    if (quantity != nullptr && e != nullptr) e->setText(display(fieldSpec(field), *quantity));
}

void MaterialsDialog::refresh() {
    for (int field = 1; field <= 2 * kWheelMaterialOffset; ++field) writeField(field);
    designations_[0]->setText(QString::fromStdString(data_.Material1));
    designations_[1]->setText(QString::fromStdString(data_.Material2));
    treatments_[0]->setCurrentIndex(data_.Zpracovani1 < kHeatTreatmentItems ? data_.Zpracovani1 : -1);
    treatments_[1]->setCurrentIndex(data_.Zpracovani2 < kHeatTreatmentItems ? data_.Zpracovani2 : -1);
}

void MaterialsDialog::setSimplified(bool simplified) {
    for (int offset : {0, kWheelMaterialOffset}) {
        for (int own : kFullOnly) {
            const auto i = static_cast<std::size_t>(own + offset - 1);
            edits_[i]->setVisible(!simplified);
            labels_[i]->setVisible(!simplified);
            if (auto* grid = qobject_cast<QGridLayout*>(edits_[i]->parentWidget()->layout())) {
                const int at = grid->indexOf(edits_[i]);
                int r = 0, c = 0, rs = 0, cs = 0;
                grid->getItemPosition(at, &r, &c, &rs, &cs);
                if (QLayoutItem* unit = grid->itemAtPosition(r, 2); unit && unit->widget())
                    unit->widget()->setVisible(!simplified);
            }
        }
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

void MaterialsDialog::showEvent(QShowEvent* event) {
    CheckedFieldDialog::showEvent(event);
    refresh();
}

}  // namespace soukoli
