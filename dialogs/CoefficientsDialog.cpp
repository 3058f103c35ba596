// The coefficients dialog: layout by method letter and calculation depth, the entries through
// the engine's rules (engine/Coefficients.h), the row help buttons and the notch check on "&Ok".
#include "dialogs/CoefficientsDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Coefficients.h"

namespace soukoli {

namespace {

// Labels of the optional factors: (field, label) in the rows and columns of the window.
struct OptionalCell {
    int number, row, column;
    const char* label;
};

constexpr std::array<OptionalCell, 27> kOptionalCells{{
    {8, 0, 0, "K<sub>Fα</sub>"},        {9, 0, 1, "K<sub>Hα</sub>"},
    {27, 0, 2, "K<sub>Fα1</sub>"},      {28, 0, 3, "K<sub>Hα1</sub>"},
    {10, 1, 0, "K<sub>Fv</sub>"},       {11, 1, 1, "K<sub>Hv</sub>"},
    {29, 1, 2, "K<sub>Fv1</sub>"},      {30, 1, 3, "K<sub>Hv1</sub>"},
    {12, 2, 0, "K<sub>Fβ</sub>"},       {31, 2, 2, "K<sub>Fβ1</sub>"},
    {32, 2, 3, "K<sub>Hβ1</sub>"},      {13, 3, 0, "Y<sub>Fa1</sub>"},
    {14, 3, 1, "Y<sub>Fa2</sub>"},      {15, 4, 0, "Y<sub>Sa1</sub>"},
    {16, 4, 1, "Y<sub>Sa2</sub>"},      {17, 5, 0, "Y<sub>FS1</sub>"},
    {18, 5, 1, "Y<sub>FS2</sub>"},      {19, 6, 0, "Y<sub>N1</sub>"},
    {20, 6, 1, "Y<sub>N2</sub>"},       {21, 7, 0, "Z<sub>N1</sub>"},
    {22, 7, 1, "Z<sub>N2</sub>"},       {33, 8, 0, "Z<sub>B</sub>"},
    {34, 8, 1, "Z<sub>D</sub>"},        {23, 9, 0, "σ<sub>Flimb1</sub>"},
    {24, 9, 1, "σ<sub>Flimb2</sub>"},   {25, 10, 0, "σ<sub>Hlim1</sub>"},
    {26, 10, 1, "σ<sub>Hlim2</sub>"},
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

CoefficientsDialog::CoefficientsDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(ui, parent), data_(data) {
    setObjectName(QStringLiteral("CoefficientsDialog"));
    setWindowTitle(QStringLiteral("Ostatní součinitelé a vstupy"));

    auto* mandatory = new QGroupBox(QStringLiteral("Povinné"), this);
    auto* optional = new QGroupBox(QStringLiteral("Volitelné"), this);
    buildMandatory(mandatory);
    buildOptional(optional);

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    help_ = new QPushButton(QStringLiteral("&Help"), this);
    help_->setObjectName(QStringLiteral("Help"));
    // The window closes only through "&Ok" (and Escape), not through Enter in a field.
    ok_->setAutoDefault(false);
    help_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, [this] {
        // A click that left a field with a rejected entry does not close the window.
        if (rejectedField_ != 0) return;
        accept();
    });
    connect(help_, &QPushButton::clicked, this, [this] { emit helpRequested(helpTopic()); });

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

void CoefficientsDialog::addRow(QGridLayout* grid, int number, int row, int column, const char* label, const char* unit) {
    NumberEdit* edit = addField(number, [this, number](double) { return commit(number); });
    edit->setMaximumWidth(70);
    auto* caption = new QLabel(QString::fromUtf8(label), this);
    caption->setTextFormat(Qt::RichText);
    caption->setObjectName(QStringLiteral("Label%1").arg(number));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1);
    if (unit) grid->addWidget(new QLabel(QString::fromUtf8(unit), this), row, column + 2);
    edits_[static_cast<std::size_t>(number)] = edit;
    labels_[static_cast<std::size_t>(number)] = caption;
    if (isOptionalCoefficient(number)) edit->installEventFilter(this);
}

void CoefficientsDialog::buildMandatory(QGroupBox* group) {
    struct Row {
        int number;
        const char* label;
        const char* unit;
    };
    constexpr std::array<Row, 7> rows{{
        {1, "t<sub>g1</sub>", "[mm]"},
        {2, "t<sub>g2</sub>", "[mm]"},
        {3, "ρ<sub>g1</sub>", "[mm]"},
        {4, "ρ<sub>g2</sub>", "[mm]"},
        {5, "Y<sub>T1</sub>", nullptr},
        {6, "Y<sub>T2</sub>", nullptr},
        {7, "Z<sub>L</sub> Z<sub>R</sub> Z<sub>V</sub>", nullptr},
    }};
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const int row = static_cast<int>(i);
        addRow(grid, r.number, row, 0, r.label, r.unit);
        auto* help = new QPushButton(QStringLiteral("Help"), this);
        help->setObjectName(QStringLiteral("Help%1").arg(r.number));
        help->setAutoDefault(false);
        grid->addWidget(help, row, 3);
        rowHelp_[static_cast<std::size_t>(r.number)] = help;
        const int number = r.number;
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
    for (const OptionalCell& c : kOptionalCells) addRow(grid, c.number, c.row, c.column * 3, c.label, nullptr);
    // The buttons beside YFa and YSa open the tooth-root factors dialog.
    for (const int number : {13, 14, 15, 16}) {
        auto* help = new QPushButton(QStringLiteral("Help"), this);
        help->setObjectName(QStringLiteral("Help%1").arg(number));
        help->setAutoDefault(false);
        const int row = number <= 14 ? 3 : 4;
        grid->addWidget(help, row, number % 2 == 1 ? 2 : 5);
        rowHelp_[static_cast<std::size_t>(number)] = help;
        connect(help, &QPushButton::clicked, this, [this] {
            if (rejectedField_ != 0) return;  // the field being left keeps its rejected entry
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

NumberEdit* CoefficientsDialog::field(int number) const {
    if (number < 1 || number > static_cast<int>(kCoefficientFieldCount)) return nullptr;
    return edits_[static_cast<std::size_t>(number)];
}

QLabel* CoefficientsDialog::label(int number) const {
    if (number < 1 || number > static_cast<int>(kCoefficientFieldCount)) return nullptr;
    return labels_[static_cast<std::size_t>(number)];
}

QPushButton* CoefficientsDialog::rowHelp(int number) const {
    if (number < 1 || number > static_cast<int>(kCoefficientFieldCount)) return nullptr;
    return rowHelp_[static_cast<std::size_t>(number)];
}

bool CoefficientsDialog::commit(int number) {
    const FieldEntry entry = enterCoefficient(data_, number, field(number)->text().toStdString());
    if (!entry.accepted()) {
        rejectedField_ = number;
        return false;
    }
    rejectedField_ = 0;
    // The entry and every field it changed (YFS against YFa/YSa, YT under SigmaFlimb).
    showFields();
    return true;
}

void CoefficientsDialog::showFields() {
    applyEnteredLimitStresses(data_);
    showToothRootLabels();
    for (int n = 1; n <= static_cast<int>(kCoefficientFieldCount); ++n) {
        NumberEdit* e = field(n);
        e->setText(QString::fromStdString(coefficientText(data_, n)));
        e->setEnabled(coefficientEditable(data_, n) || n == pendingField_);
    }
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
    label(kCoefficientFieldYT1)->setText(simplified ? QStringLiteral("Z<sub>R1</sub>") : QStringLiteral("Y<sub>T1</sub>"));
    label(kCoefficientFieldYT2)->setText(simplified ? QStringLiteral("Z<sub>R2</sub>") : QStringLiteral("Y<sub>T2</sub>"));
}

void CoefficientsDialog::showToothRootLabels() {
    // Under "DIN - ISO  B" fields 13-16 stand for YFe and YSe.
    const bool dinB = loadsAtSinglePairPoint(data_.standard);
    static constexpr std::array<const char*, 4> kLabels{"Y<sub>Fa1</sub>", "Y<sub>Fa2</sub>", "Y<sub>Sa1</sub>",
                                                        "Y<sub>Sa2</sub>"};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        label(13 + i)->setText(QString::fromUtf8(dinB ? kDinBLabels[k] : kLabels[k]));
    }
}

void CoefficientsDialog::showEvent(QShowEvent* event) {
    applyLayout();
    showFields();
    rejectedField_ = 0;
    if (pendingField_ != 0) {
        focusField(pendingField_);
        pendingField_ = 0;
    }
    FieldDialog::showEvent(event);
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

bool CoefficientsDialog::eventFilter(QObject* watched, QEvent* event) {
    // An optional factor left empty is the same as 0: computed again.
    auto* edit = qobject_cast<NumberEdit*>(watched);
    if (edit && edit->text().trimmed().isEmpty()) {
        bool leaving = false;
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
            leaving = r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason;
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            leaving = key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (leaving) edit->setText(QStringLiteral("0"));
    }
    return FieldDialog::eventFilter(watched, event);
}

}  // namespace soukoli
