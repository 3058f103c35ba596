// The geometry dialog built from its field table; the rules of each field live in
// engine/GeometryEntry, this unit shows their verdicts and the recomputed values.
#include "dialogs/GeometryDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <numbers>

#include "engine/Numbers.h"

namespace soukoli {

namespace {

double degrees(double radians) { return radians * 180 / std::numbers::pi; }

// One line of the field table: number (the field), label, unit, shown as str(x:width:decimals),
// the quantity shown. The validator and its messages are those of the field in GeometryEntry.
struct Row {
    GeometryField field;
    const char* label;
    const char* unit;
    int width;
    int decimals;
    double (*shown)(const GearPairData&);
};

using F = GeometryField;
using G = const GearPairData&;
constexpr std::array<Row, kGeometryFieldCount> kRows = {{
    {F::z1, "z1", "-", 4, 1, [](G g) { return g.z1; }},
    {F::z2, "z2", "-", 4, 1, [](G g) { return g.z2; }},
    {F::mn, "mn", "mm", 5, 3, [](G g) { return g.mn; }},
    {F::Beta, "beta", "°", 6, 4, [](G g) { return degrees(g.Beta); }},
    {F::Alfan, "alfan", "°", 6, 3, [](G g) { return degrees(g.Alfan); }},
    {F::x1, "x1", "-", 6, 4, [](G g) { return g.x1; }},
    {F::x2, "x2", "-", 6, 4, [](G g) { return g.x2; }},
    {F::aw, "aw", "mm", 7, 3, [](G g) { return g.aw; }},
    {F::ha1_star, "ha1*", "-", 5, 3, [](G g) { return g.ha1_star; }},
    {F::ha2_star, "ha2*", "-", 5, 3, [](G g) { return g.ha2_star; }},
    {F::ca1_star, "ca1*", "-", 5, 3, [](G g) { return g.ca1_star; }},
    {F::ca2_star, "ca2*", "-", 5, 3, [](G g) { return g.ca2_star; }},
    {F::Rof1_star, "rof1*", "-", 5, 3, [](G g) { return g.Rof1_star; }},
    {F::Rof2_star, "rof2*", "-", 5, 3, [](G g) { return g.Rof2_star; }},
    {F::da1, "da1", "mm", 7, 3, [](G g) { return g.da1; }},
    {F::da2, "da2", "mm", 7, 3, [](G g) { return g.da2; }},
}};

// The fields the geometry operations write back after an accepted entry.
constexpr std::array<F, 5> kDerivedFields = {F::x1, F::x2, F::aw, F::da1, F::da2};

int number(F f) { return static_cast<int>(f); }

}  // namespace

GeometryDialog::GeometryDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(ui, parent), data_(data) {
    setObjectName(QStringLiteral("GeometryDialog"));
    setWindowTitle(QStringLiteral("Geometrie ozubení"));
    setHelpTopic(kHelpTopic);
    setValidateOnDeactivation(true);
    setValidateOnClose(true);
    setEscapeCloses(false);

    // Main quantities on the left, the basic rack and the tips on the right.
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& r = kRows[i];
        NumberEdit* e = addValidatedField(
            number(r.field), [this, f = r.field](const std::string& text) { return enter(f, text); },
            std::string(geometryFieldMessage(r.field)));
        setDisplay(number(r.field), [this, shown = r.shown] { return shown(data_); }, r.width, r.decimals);
        e->setMaximumWidth(90);
        const int row = static_cast<int>(i % 8);
        const int column = i < 8 ? 0 : 3;
        grid->addWidget(new QLabel(QString::fromUtf8(r.label), this), row, column);
        grid->addWidget(e, row, column + 1);
        grid->addWidget(new QLabel(QString::fromUtf8(r.unit), this), row, column + 2);
    }
    grid->setColumnMinimumWidth(2, 40);

    ok_ = addOkButton(QStringLiteral("&OK"));
    help_ = addHelpButton(QStringLiteral("&Help"));
    modules_ = new QPushButton(QStringLiteral("Moduly"), this);
    connect(modules_, &QPushButton::clicked, this, &GeometryDialog::modulesRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(modules_);
    buttons->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

FieldDialog::Verdict GeometryDialog::enter(GeometryField f, const std::string& text) {
    const FieldEntry r = enterGeometryField(data_, f, text, ui());
    if (r.accepted()) showDerivedFields(f, r.outcome);
    if (r.outcome == EntryOutcome::Accepted && r.effects.lookups.any()) emit geometryChanged(r.effects.lookups);
    return {r.accepted(), r.message, r.parseStatus, r.focusField};
}

void GeometryDialog::showDerivedFields(GeometryField entered, EntryOutcome outcome) {
    switch (outcome) {
    case EntryOutcome::Unchanged:
        return;
    case EntryOutcome::Reset:
        // Back to the zero-shift pair: the shifts as 0.00000.
        edit(F::x1)->setText(QString::fromStdString(str(data_.x1, 7, 5)));
        edit(F::x2)->setText(QString::fromStdString(str(data_.x2, 7, 5)));
        for (F f : {F::aw, F::da1, F::da2}) showField(number(f));
        return;
    case EntryOutcome::Accepted:
    case EntryOutcome::Rejected:
        break;
    }
    // An entered tip diameter recomputes nothing; a tip clearance only its own tip diameter.
    if (entered == F::da1 || entered == F::da2) return;
    if (entered == F::ca1_star || entered == F::ca2_star) {
        showField(number(entered == F::ca1_star ? F::da1 : F::da2));
        return;
    }
    for (F f : kDerivedFields) showField(number(f));
}

}  // namespace soukoli
