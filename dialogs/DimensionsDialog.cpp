// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The dimensions window: fields 1-14 after their table, the solid-gear and direct-entry options,
// the warnings and the closing checks. The rules live in engine/BodyDimensions, entered through
// engine/FieldEntry.
#include "dialogs/DimensionsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/FieldEntry.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

constexpr FieldId id(DimensionField f) { return {InputWindow::Dimensions, static_cast<int>(f)}; }

using D = DimensionField;
using G = const GearPairData&;
// Field, label, shown as str(x:w:d) or with the picture "#.###E+0;". The units stand beside the
// groups of the inertia and the stiffness.
constexpr std::array<FieldRow, kDimensionFields> kRows = {{
    {id(D::b1), "b1", nullptr, fixedFormat([](G g) { return g.b1; }, 5, 1)},
    {id(D::b2), "b2", nullptr, fixedFormat([](G g) { return g.b2; }, 5, 1)},
    {id(D::bs1), "bs1", nullptr, fixedFormat([](G g) { return g.bs1; }, 5, 1)},
    {id(D::bs2), "bs2", nullptr, fixedFormat([](G g) { return g.bs2; }, 5, 1)},
    {id(D::sr1), "sr1", nullptr, fixedFormat([](G g) { return g.sr1; }, 5, 1)},
    {id(D::sr2), "sr2", nullptr, fixedFormat([](G g) { return g.sr2; }, 5, 1)},
    {id(D::sd1), "sd1", nullptr, fixedFormat([](G g) { return g.sd1; }, 5, 1)},
    {id(D::sd2), "sd2", nullptr, fixedFormat([](G g) { return g.sd2; }, 5, 1)},
    {id(D::dh1), "dh1", nullptr, fixedFormat([](G g) { return g.dh1; }, 5, 1)},
    {id(D::dh2), "dh2", nullptr, fixedFormat([](G g) { return g.dh2; }, 5, 1)},
    {id(D::db), "db", nullptr, fixedFormat([](G g) { return g.db; }, 5, 1)},
    {id(D::Teta1), "Teta1", nullptr, pictureFormat([](G g) { return g.Teta1; }, kPictureLives)},
    {id(D::Teta2), "Teta2", nullptr, pictureFormat([](G g) { return g.Teta2; }, kPictureLives)},
    {id(D::Cgama), "Cgama", nullptr, fixedFormat([](G g) { return g.Cgama; }, 5, 2)},
}};

// Fields only the full calculation uses: bs, sr, sd, dh of both gears.
constexpr std::array<int, 8> kFullOnly = {3, 4, 5, 6, 7, 8, 9, 10};
// The fields of the wheel's body that an internal wheel (a ring) does not have.
constexpr std::array<int, 3> kExternalWheelOnly = {4, 8, 10};

QString qstr(double x, int w, int d) { return QString::fromStdString(str(x, w, d)); }

}  // namespace

BodyPicture::BodyPicture(QWidget* parent) : QWidget(parent) { setMinimumSize(sizeHint()); }

void BodyPicture::setInternal(bool internal) {
    internal_ = internal;
    update();
}

namespace {

// Half section of a gear body above its axis, in pixels: teeth and rim of face width b, web of
// body width bs, hub of width b around the shaft; the dimension names written beside them.
struct Section {
    int x;       // left edge of the face
    int b;       // face width
    int bs;      // body width (centred on the face)
    int rShaft;  // dh/2
    int sd;      // web
    int sr;      // rim
    int teeth;   // tooth height
    QString index;
};

void drawSection(QPainter& p, int axis, const Section& s) {
    const int webLeft = s.x + (s.b - s.bs) / 2;
    const int rHub = s.rShaft + s.sd;
    const int rRoot = rHub + 20 + s.sr;
    p.drawRect(s.x, axis - rHub, s.b, s.sd);                      // hub
    p.drawRect(webLeft, axis - (rRoot - s.sr), s.bs, rRoot - s.sr - rHub);  // web
    p.drawRect(s.x, axis - rRoot, s.b, s.sr);                     // rim
    p.drawRect(s.x, axis - rRoot - s.teeth, s.b, s.teeth);        // teeth
    p.drawText(s.x + s.b + 4, axis - rRoot + s.sr / 2 + 4, QStringLiteral("sr") + s.index);
    p.drawText(s.x + s.b + 4, axis - rHub + s.sd / 2 + 4, QStringLiteral("sd") + s.index);
    p.drawText(s.x + 2, axis - rRoot - s.teeth - 4, QStringLiteral("b") + s.index);
    p.drawText(webLeft, axis + 14, QStringLiteral("bs") + s.index);
    p.drawText(s.x + s.b + 4, axis - 4, QStringLiteral("dh") + s.index);
}

}  // namespace

void BodyPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().text().color());
    const int axis = height() - 24;
    p.setPen(Qt::DashDotLine);
    p.drawLine(4, axis, width() - 4, axis);
    p.setPen(palette().text().color());
    if (!internal_) {
        drawSection(p, axis, {20, 40, 60, 20, 12, 16, 12, QStringLiteral("1")});
        drawSection(p, axis, {150, 40, 60, 28, 30, 22, 12, QStringLiteral("2")});
        p.drawText(90, 14, QStringLiteral("db"));
    } else {
        // The pinion inside its ring wheel: the ring is the rim sr2 behind the teeth.
        drawSection(p, axis, {90, 40, 60, 20, 12, 16, 12, QStringLiteral("1")});
        const int rRing = 150;
        p.drawRect(80, axis - rRing - 22, 60, 22);  // rim of the ring
        p.drawRect(80, axis - rRing, 60, 12);       // teeth of the ring
        p.drawText(146, axis - rRing - 8, QStringLiteral("sr2"));
        p.drawText(146, axis - rRing + 10, QStringLiteral("b2"));
    }
}

DimensionsDialog::DimensionsDialog(GearPairData& data, Ui& ui, QWidget* parent)
    : FieldDialog(data, ui, parent), data_(data) {
    setObjectName(QStringLiteral("DimensionsDialog"));
    setWindowTitle(QStringLiteral("Zadání rozměrů ozubených kol a souvisejících údajů"));
    setModal(true);
    setHelpTopic(kHelpTopic);
    setEscapeCloses(true);

    bindFields(kRows);
    const auto caption = [this](int n) { return fieldLabel(n); };

    // Pinion fields left, wheel fields right, in the order of the numbers.
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Pastorek"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kolo"), this), 0, 3);
    for (int n = 1; n <= 10; ++n) {
        const int row = (n + 1) / 2;
        const int col = n % 2 == 1 ? 0 : 2;
        grid->addWidget(caption(n), row, col);
        grid->addWidget(field(n), row, col + 1);
    }
    grid->addWidget(caption(11), 6, 0);
    grid->addWidget(field(11), 6, 1);

    solid_[0] = new QCheckBox(QStringLiteral("Plný pastorek"), this);
    solid_[1] = new QCheckBox(QStringLiteral("Plné kolo"), this);
    grid->addWidget(solid_[0], 7, 0, 1, 2);
    grid->addWidget(solid_[1], 7, 2, 1, 2);
    for (Gear gear : {Gear::Pinion, Gear::Wheel}) {
        QCheckBox* box = solidBox(gear);
        suppressValidationOnPress(box);
        connect(box, &QCheckBox::clicked, this, [this, gear](bool checked) { solidToggled(gear, checked); });
    }

    inertia_ = new QGroupBox(QStringLiteral("Momenty setrvačnosti "), this);
    auto* inertiaGrid = new QGridLayout(inertia_);
    inertiaGrid->addWidget(caption(12), 0, 0);
    inertiaGrid->addWidget(field(12), 0, 1);
    inertiaGrid->addWidget(caption(13), 1, 0);
    inertiaGrid->addWidget(field(13), 1, 1);
    inertiaGrid->addWidget(new QLabel(QStringLiteral("kg·mm²"), inertia_), 0, 2);
    tetaGiven_ = new QCheckBox(QStringLiteral("Přímé zadání"), inertia_);
    inertiaGrid->addWidget(tetaGiven_, 2, 0, 1, 3);
    connect(tetaGiven_, &QCheckBox::clicked, this, [this](bool checked) {
        data_.TetaGiven = checked;
        refresh();
    });

    stiffness_ = new QGroupBox(QStringLiteral("Střední měrná tuhost "), this);
    auto* stiffnessGrid = new QGridLayout(stiffness_);
    stiffnessGrid->addWidget(caption(14), 0, 0);
    stiffnessGrid->addWidget(field(14), 0, 1);
    stiffnessGrid->addWidget(new QLabel(QStringLiteral("N/(mm·µm)"), stiffness_), 0, 2);
    cgamaGiven_ = new QCheckBox(QStringLiteral("Přímé zadání"), stiffness_);
    stiffnessGrid->addWidget(cgamaGiven_, 1, 0, 1, 3);
    connect(cgamaGiven_, &QCheckBox::clicked, this, [this](bool checked) {
        data_.CgamaGiven = checked;
        refresh();
    });
    stiffnessGrid->addWidget(addLabel("warnCgama", QStringLiteral("Nelze určit c<sub>g</sub>")), 2, 0, 1, 3);

    auto* caution = new QGroupBox(QStringLiteral("Pozor "), this);
    auto* cautionGrid = new QGridLayout(caution);
    cautionGrid->addWidget(new QLabel(QStringLiteral("s<sub>r1,2 min</sub> ="), caution), 0, 0);
    cautionGrid->addWidget(addLabel("srmin", {}), 0, 1);
    cautionGrid->addWidget(new QLabel(QStringLiteral("d<sub>f1</sub> ="), caution), 1, 0);
    cautionGrid->addWidget(addLabel("df1", {}), 1, 1);
    cautionGrid->addWidget(new QLabel(QStringLiteral("d<sub>f2</sub> ="), caution), 2, 0);
    cautionGrid->addWidget(addLabel("df2", {}), 2, 1);

    auto* widths = new QGridLayout;
    widths->addWidget(new QLabel(QStringLiteral("Společná šířka  b = "), this), 0, 0);
    widths->addWidget(addLabel("b", {}), 0, 1);
    widths->addWidget(new QLabel(QStringLiteral("b<sub>wF1</sub> = "), this), 1, 0);
    widths->addWidget(addLabel("bwF1", {}), 1, 1);
    widths->addWidget(new QLabel(QStringLiteral("b<sub>wF2</sub> = "), this), 2, 0);
    widths->addWidget(addLabel("bwF2", {}), 2, 1);

    auto* warnings = new QVBoxLayout;
    warnings->addWidget(addLabel("warnRim1", QStringLiteral("Rozměr s<sub>r1</sub> je nedostatečný")));
    warnings->addWidget(addLabel("warnRim2", QStringLiteral("Rozměr s<sub>r2</sub> je nedostatečný")));
    warnings->addWidget(addLabel("warnPinion", QStringLiteral("Nemožné rozměry pastorku")));
    warnings->addWidget(addLabel("warnWheel", QStringLiteral("Nemožné rozměry kola")));
    warnings->addWidget(addLabel("warnApart", QStringLiteral("Kola jsou mimo sebe")));

    picture_ = new BodyPicture(this);

    ok_ = addOkButton();
    help_ = addHelpButton();
    reset_ = new QPushButton(QStringLiteral("&Nuluj"), this);
    reset_->setAutoDefault(false);
    connect(reset_, &QPushButton::clicked, this, [this] {
        resetDimensions(data_);
        for (QCheckBox* box : solid_) box->setChecked(false);
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8}) field(n)->setEnabled(true);
        refresh();
    });

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(widths);
    left->addLayout(warnings);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(picture_);
    right->addWidget(caution);
    right->addWidget(inertia_);
    right->addWidget(stiffness_);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok_, help_, reset_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

QLabel* DimensionsDialog::addLabel(const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* DimensionsDialog::label(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }

void DimensionsDialog::refresh() {
    refreshBodies(data_, ui());
    repaintFromData();
}

void DimensionsDialog::repaintFromData() {
    showFields();
    label("srmin")->setText(qstr(data_.srmin, 5, 2));
    label("df1")->setText(qstr(data_.df1, 5, 2));
    label("df2")->setText(qstr(data_.df2, 5, 2));
    label("b")->setText(qstr(data_.b, 1, 2));
    label("bwF1")->setText(qstr(data_.bwF1, 1, 2));
    label("bwF2")->setText(qstr(data_.bwF2, 1, 2));

    const bool full = !data_.Zjednoduseny;
    const bool internal = data_.isInternal();
    picture_->setInternal(internal);
    for (int n : kExternalWheelOnly) setFieldVisible(n, !internal && !simplifiedTrim_);
    solid_[1]->setVisible(!internal && !simplifiedTrim_);

    const DimensionWarnings w = dimensionWarnings(data_);
    label("warnRim1")->setVisible(full && w.thinRim1);
    label("warnRim2")->setVisible(full && w.thinRim2);
    label("warnPinion")->setVisible(full && w.impossiblePinion);
    label("warnWheel")->setVisible(full && !internal && w.impossibleWheel);
    label("warnApart")->setVisible(full && w.apart);
    label("warnCgama")->setVisible(full && w.noCgama);
    if (full && w.noCgama) field(14)->clear();

    field(12)->setEnabled(data_.TetaGiven);
    field(13)->setEnabled(data_.TetaGiven);
    field(14)->setEnabled(data_.CgamaGiven);
}

void DimensionsDialog::solidToggled(Gear gear, bool solid) {
    setSolidGear(data_, gear, solid);
    const int first = gear == Gear::Pinion ? 1 : 2;
    for (int n : {first, first + 2, first + 4, first + 6}) field(n)->setEnabled(!solid);
    refresh();
}

bool DimensionsDialog::readyToClose() {
    const std::string_view message = checkDimensionsForClosing(data_, ui());
    if (!message.empty()) {
        ui().message(message);
        return false;
    }
    if (!data_.Zjednoduseny) refresh();
    return true;
}

void DimensionsDialog::setSimplified(bool simplified) {
    simplifiedTrim_ = simplified;
    for (int n : kFullOnly) setFieldVisible(n, !simplified);
    for (QWidget* w : std::initializer_list<QWidget*>{inertia_, stiffness_, solid_[0], solid_[1], reset_, help_})
        w->setVisible(!simplified);
    refresh();
}

void DimensionsDialog::tabShown(bool simplified) {
    field(1)->setEnabled(simplified || !data_.PlnyPastorek);
    field(2)->setEnabled(simplified || !data_.PlneKolo);
}

void DimensionsDialog::showEvent(QShowEvent* event) {
    FieldDialog::showEvent(event);
    cgamaGiven_->setChecked(data_.CgamaGiven);
    tetaGiven_->setChecked(data_.TetaGiven);
    solid_[0]->setChecked(data_.PlnyPastorek);
    solid_[1]->setChecked(data_.PlneKolo);
    for (int n : {3, 5, 7}) field(n)->setEnabled(!data_.PlnyPastorek);
    for (int n : {4, 6, 8}) field(n)->setEnabled(!data_.PlneKolo);
    refresh();
}

}  // namespace soukoli
