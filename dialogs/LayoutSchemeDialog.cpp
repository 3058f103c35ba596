// The layout-scheme window: a field is stored, judged and shown back as str(x:6:1); the shaft
// ratios s/lw above 0.3 are marked in red under the thumbnails; "&Ok" checks the dimensions the
// chosen layout needs.
#include "dialogs/LayoutSchemeDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "dialogs/LayoutSchemeChart.h"
#include "engine/FaceLoadInput.h"
#include "engine/LayoutSchemesTables.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct FieldRow {
    int number;
    const char* symbol;
    const char* label;
};

// Field  symbol  label                                           rule (engine/FaceLoadInput)
constexpr std::array<FieldRow, LayoutSchemeDialog::kFields> kRows{{
    {1, "s1", "od osy pastorku do osy ložisek"},                 // ≥ 0
    {2, "s2", "od osy kola do osy ložisek"},                     // ≥ 0
    {3, "lw1", "vzdálenost os ložisek 1. hřídele"},              // > 0 and ≥ 2·s1
    {4, "lw2", "vzdálenost os ložisek 2. hřídele"},              // > 0 and ≥ 2·s2
    {5, "dsh1", "střední průměr hřídele"},                       // > 0, warns above df1
    {6, "dsh2", "střední průměr hřídele"},                       // > 0, warns above df2
    {7, "dII", "roztečný průměr dalšího kola na 2. hřídeli"},    // > 0, warns below dsh2
    {8, "dI", "roztečný průměr dalšího kola na 1. hřídeli"},     // > 0, warns below dsh1
}};

double& quantity(GearPairData& g, int field) {
    switch (field) {
        case 1: return g.s1;
        case 2: return g.s2;
        case 3: return g.lw1;
        case 4: return g.lw2;
        case 5: return g.dsh1;
        case 6: return g.dsh2;
        case 7: return g.dII;
        default: return g.dI;
    }
}

}  // namespace

LayoutSchemeDialog::LayoutSchemeDialog(GearPairData& data, Ui& ui, QWidget* parent)
    : FieldDialog(ui, parent), data_(data), grid_(new LayoutGrid(data, this)), view_(new LayoutView(data, this)) {
    setObjectName(QStringLiteral("LayoutSchemeDialog"));
    setWindowTitle(QStringLiteral("Volba půdorysného schématu pro výpočet KHbeta"));

    auto* form = new QFormLayout;
    for (const FieldRow& row : kRows) {
        const int n = row.number;
        NumberEdit* e = addField(n, [this, n](double v) { return commit(n, v); }, std::string(layoutFieldMessage(n)));
        e->setText(QStringLiteral("0"));
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00000000.0")));
        auto* label = new QLabel(QStringLiteral("%1  %2").arg(QString::fromUtf8(row.label), QString::fromUtf8(row.symbol)), this);
        auto* unit = new QLabel(QStringLiteral("[mm]"), this);
        auto* line = new QHBoxLayout;
        line->addWidget(e);
        line->addWidget(unit);
        form->addRow(label, line);
        edits_[static_cast<std::size_t>(n - 1)] = e;
        labels_[static_cast<std::size_t>(n - 1)] = label;
        units_[static_cast<std::size_t>(n - 1)] = unit;
    }

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    esc_ = new QPushButton(QStringLiteral("&Esc"), this);
    help_ = new QPushButton(QStringLiteral("&Help"), this);
    suppressValidationOnPress(esc_);
    suppressValidationOnPress(help_);
    ok_->setAutoDefault(false);
    esc_->setAutoDefault(false);
    help_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(esc_);
    buttons->addWidget(help_);
    auto* right = new QVBoxLayout;
    right->addWidget(view_);
    right->addLayout(form);
    right->addStretch();
    right->addLayout(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(grid_, 0, Qt::AlignTop);
    columns->addLayout(right);

    connect(grid_, &LayoutGrid::layoutClicked, this, &LayoutSchemeDialog::selectLayout);
    connect(ok_, &QPushButton::clicked, this, &LayoutSchemeDialog::okClicked);
    connect(esc_, &QPushButton::clicked, this, &LayoutSchemeDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { emit helpRequested(helpTopic()); });
    setHelpTopic(kHelpTopic);  // F1
    auto* pgUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(pgUp, &QShortcut::activated, this, [this] { selectLayout(previousLayout(data_.SchemaIndex)); });
    auto* pgDn = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pgDn, &QShortcut::activated, this, [this] { selectLayout(nextLayout(data_.SchemaIndex)); });
    selectLayout(data_.SchemaIndex);
}

void LayoutSchemeDialog::selectLayout(int number) {
    soukoli::selectLayout(data_, number);
    const int n = data_.SchemaIndex;
    for (int field : {7, 8}) {
        const bool shown = layoutFieldShown(n, field);
        const auto i = static_cast<std::size_t>(field - 1);
        edits_[i]->setVisible(shown);
        labels_[i]->setVisible(shown);
        units_[i]->setVisible(shown);
    }
    grid_->update();
    view_->update();
}

bool LayoutSchemeDialog::commit(int field, double value) {
    const FieldEntry r = commitLayoutField(data_, field, value);
    // A text that is no number is rejected by the field itself: no warning and no ratio for it.
    if (!r.accepted() || !parseNumber(edit(field)->text().toStdString()).ok()) return false;
    edit(field)->setText(qs(str(value, 6, 1)));
    if (field <= 4) {
        const bool shaft1 = field == 1 || field == 3;
        const LeverRatio ratio = shaft1 ? leverRatio(data_.s1, data_.lw1) : leverRatio(data_.s2, data_.lw2);
        grid_->setWarnings(shaft1 ? ratio.warning : grid_->warning1(), shaft1 ? grid_->warning2() : ratio.warning);
    }
    if (!r.message.empty()) ui().message(r.message);
    return true;
}

void LayoutSchemeDialog::showValues() {
    for (int n = 1; n <= kFields; ++n) edit(n)->setText(qs(str(quantity(data_, n), 6, 1)));
}

void LayoutSchemeDialog::showEvent(QShowEvent* event) {
    FieldDialog::showEvent(event);
    // The layout chosen as if clicked 5 pixels inside its cell.
    if (data_.SchemaIndex >= 1 && data_.SchemaIndex <= kLayoutCount) {
        const PixelRect& c = kLayoutCells[static_cast<std::size_t>(data_.SchemaIndex - 1)];
        if (const auto n = layoutAt(c.x + 5, c.y + 5)) selectLayout(*n);
    } else {
        selectLayout(0);
    }
    showValues();
    // The marks follow the values shown, also those of a project read meanwhile.
    grid_->setWarnings(leverRatio(data_.s1, data_.lw1).warning, leverRatio(data_.s2, data_.lw2).warning);
    edit(1)->setFocus(Qt::OtherFocusReason);
}

void LayoutSchemeDialog::okClicked() {
    const int failing = checkLayoutInput(data_);
    if (failing < 0) {
        ui().message(kMsgNoLayout);
        return;
    }
    if (failing > 0) {
        ui().message(layoutFieldMessage(failing));
        edit(failing)->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

void LayoutSchemeDialog::reject() {
    cancelLayout(data_);
    showValues();
    grid_->setWarnings(false, false);
    FieldDialog::reject();
}

}  // namespace soukoli
