// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The loading dialog built from its field table: one panel per input mode (only one shown),
// the results of the schematization, the options of method, mode, units and lives, and the
// "Help" buttons that open the reference tables and the CHSZ chart.
#include "dialogs/LoadingDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/LoadClassChart.h"
#include "dialogs/YaTable.h"
#include "dialogs/ApplicationFactorTable.h"
#include "dialogs/KasTable.h"
#include "dialogs/LoadLevelsDialog.h"
#include "engine/LoadingInput.h"

namespace soukoli {

namespace {

using Panel = LoadingDialog::Panel;

enum class Kind { Load, Speed, Life, Factor, Class, Equivalent };

// A field of the window: its row (label with forces, or always), the panel it stands in, its
// label with torques, the kind of its unit, and whether a "Help" button stands beside it.
struct LoadingRow {
    FieldRow field;
    Panel panel;
    const char* torqueLabel;
    Kind kind;
    bool help;
};

// The fields in the order they are shown; the rules of each are in engine/LoadingInput.
constexpr LoadingRow kFields[] = {
    // Method "A" (static load)
    {{{InputWindow::Loading, 1}, "F1", "", textFormat(loadingFieldText)}, Panel::Static, "T1", Kind::Load, false},
    {{{InputWindow::Loading, 2}, "n1", "", textFormat(loadingFieldText)}, Panel::Static, "n1", Kind::Speed, false},
    {{{InputWindow::Loading, 3}, "NK1", "", textFormat(loadingFieldText)}, Panel::Static, "NK1", Kind::Life, false},
    {{{InputWindow::Loading, 4}, "NK2", "", textFormat(loadingFieldText)}, Panel::Static, "NK2", Kind::Life, false},
    {{{InputWindow::Loading, 5}, "YA1", "", textFormat(loadingFieldText)}, Panel::Static, "YA1", Kind::Factor, true},
    {{{InputWindow::Loading, 6}, "YA2", "", textFormat(loadingFieldText)}, Panel::Static, "YA2", Kind::Factor, false},
    {{{InputWindow::Loading, 7}, "KA", "", textFormat(loadingFieldText)}, Panel::Static, "KA", Kind::Factor, true},
    {{{InputWindow::Loading, 8}, "KAS", "", textFormat(loadingFieldText)}, Panel::Static, "KAS", Kind::Factor, true},
    // Method "B" with "Volba CHSZ" or "Zadání ekv. sil (momentů)"
    {{{InputWindow::Loading, 9}, "Ft1", "", textFormat(loadingFieldText)}, Panel::Classes, "T1", Kind::Load, false},
    {{{InputWindow::Loading, 10}, "n1", "", textFormat(loadingFieldText)}, Panel::Classes, "n1", Kind::Speed, false},
    {{{InputWindow::Loading, 11}, "NK1", "", textFormat(loadingFieldText)}, Panel::Classes, "NK1", Kind::Life, false},
    {{{InputWindow::Loading, 12}, "NK2", "", textFormat(loadingFieldText)}, Panel::Classes, "NK2", Kind::Life, false},
    {{{InputWindow::Loading, 13}, "YA1", "", textFormat(loadingFieldText)}, Panel::Classes, "YA1", Kind::Factor, true},
    {{{InputWindow::Loading, 14}, "YA2", "", textFormat(loadingFieldText)}, Panel::Classes, "YA2", Kind::Factor, false},
    {{{InputWindow::Loading, 15}, "KA", "", textFormat(loadingFieldText)}, Panel::Classes, "KA", Kind::Factor, true},
    {{{InputWindow::Loading, 16}, "CHSZ1", "", textFormat(loadingFieldText)}, Panel::Classes, "CHSZ1", Kind::Class, true},
    {{{InputWindow::Loading, 17}, "CHSZ2", "", textFormat(loadingFieldText)}, Panel::Classes, "CHSZ2", Kind::Class, true},
    // Method "B" with "Schematizace"
    {{{InputWindow::Loading, 26}, "Ft1", "", textFormat(loadingFieldText)}, Panel::Spectrum, "T1", Kind::Load, false},
    {{{InputWindow::Loading, 18}, "n1", "", textFormat(loadingFieldText)}, Panel::Spectrum, "n1", Kind::Speed, false},
    {{{InputWindow::Loading, 19}, "YA1", "", textFormat(loadingFieldText)}, Panel::Spectrum, "YA1", Kind::Factor, true},
    {{{InputWindow::Loading, 20}, "YA2", "", textFormat(loadingFieldText)}, Panel::Spectrum, "YA2", Kind::Factor, false},
    {{{InputWindow::Loading, 21}, "KA", "", textFormat(loadingFieldText)}, Panel::Spectrum, "KA", Kind::Factor, true},
    // Equivalent loads entered directly
    {{{InputWindow::Loading, 22}, "FtFe1", "", textFormat(loadingFieldText)}, Panel::Direct, "TFe1", Kind::Equivalent, false},
    {{{InputWindow::Loading, 23}, "FtHe1", "", textFormat(loadingFieldText)}, Panel::Direct, "THe1", Kind::Equivalent, false},
    {{{InputWindow::Loading, 24}, "FtFe2", "", textFormat(loadingFieldText)}, Panel::Direct, "TFe2", Kind::Equivalent, false},
    {{{InputWindow::Loading, 25}, "FtHe2", "", textFormat(loadingFieldText)}, Panel::Direct, "THe2", Kind::Equivalent, false},
};

QString unitText(Kind kind, const GearPairData& g) {
    switch (kind) {
        case Kind::Load:
        case Kind::Equivalent: return g.SilyF ? QStringLiteral("[N]") : QStringLiteral("[N·m]");
        case Kind::Speed: return QStringLiteral("[ot/min]");
        case Kind::Life: return g.NKvCyklech ? QStringLiteral("[cyklů]") : QStringLiteral("[hod]");
        case Kind::Factor:
        case Kind::Class: return {};
    }
    return {};
}

}  // namespace

LoadingDialog::LoadingDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(data, ui, parent), data_(data) {
    setWindowTitle(QStringLiteral("Zatěžující údaje"));
    setObjectName(QStringLiteral("LoadingDialog"));
    runModal = [](QDialog& d) { return d.exec(); };

    auto* layout = new QVBoxLayout(this);
    // The window follows its panels: it shrinks back when a panel goes (method B back to A).
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* methods = new QHBoxLayout;
    methodA_ = new QRadioButton(QStringLiteral("A - Statické zatížení"), this);
    methodB_ = new QRadioButton(QStringLiteral("B - Ekvivalentní zatížení"), this);
    methods->addWidget(methodA_);
    methods->addWidget(methodB_);
    methods->addStretch(1);
    layout->addLayout(methods);
    connect(methodA_, &QRadioButton::clicked, this, [this] { methodClicked(false); });
    connect(methodB_, &QRadioButton::clicked, this, [this] { methodClicked(true); });

    auto* modes = new QHBoxLayout;
    modeLabel_ = new QLabel(QStringLiteral("Způsob zadání"), this);
    levelsBox_ = new QCheckBox(QStringLiteral("Schematizace"), this);
    classesBox_ = new QCheckBox(QStringLiteral("Volba CHSZ"), this);
    directBox_ = new QCheckBox(QStringLiteral("Zadání ekv. sil (momentů)"), this);
    modes->addWidget(modeLabel_);
    for (QCheckBox* box : {levelsBox_, classesBox_, directBox_}) modes->addWidget(box);
    modes->addStretch(1);
    layout->addLayout(modes);
    // The boxes act only when being ticked.
    const auto onTick = [this](QCheckBox* box, void (*choose)(GearPairData&)) {
        connect(box, &QCheckBox::clicked, this, [this, choose](bool checked) {
            if (!checked) return;
            choose(data_);
            updatePanels();
            repaintFields();
        });
    };
    onTick(levelsBox_, &chooseLevelsInput);
    onTick(classesBox_, &chooseClassInput);
    onTick(directBox_, &chooseDirectInput);

    for (Panel p : {Panel::Static, Panel::Classes, Panel::Spectrum}) layout->addWidget(buildPanel(p));

    results_ = new QWidget(this);
    auto* resultsGrid = new QGridLayout(results_);
    resultsCaption_ = new QLabel(results_);
    resultsGrid->addWidget(resultsCaption_, 0, 0, 1, 4);
    for (std::size_t i = 0; i < resultValues_.size(); ++i) {
        resultNames_[i] = new QLabel(results_);
        resultValues_[i] = new QLabel(results_);
        resultValues_[i]->setObjectName(QStringLiteral("Vysledek%1").arg(i + 1));
        resultsGrid->addWidget(resultNames_[i], 1 + static_cast<int>(i % 2), static_cast<int>(i / 2) * 2);
        resultsGrid->addWidget(resultValues_[i], 1 + static_cast<int>(i % 2), static_cast<int>(i / 2) * 2 + 1);
    }
    layout->addWidget(results_);
    layout->addWidget(buildPanel(Panel::Direct));

    auto* buttons = new QHBoxLayout;
    ok_ = addOkButton();
    help_ = addHelpButton();
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(help_);
    layout->addLayout(buttons);
}

QWidget* LoadingDialog::buildPanel(Panel p) {
    auto* panel = new QWidget(this);
    panels_[p] = panel;
    auto* grid = new QGridLayout(panel);
    int line = 0;
    for (const LoadingRow& f : kFields) {
        if (f.panel != p) continue;
        const int number = f.field.id.number;
        Row row;
        row.edit = bindField(f.field);
        row.label = fieldLabel(number);
        row.unit = unitLabel(number);
        row.edit->setMaximumWidth(110);
        placeField(grid, number, line, 0);
        if (f.help) {
            row.help = new QPushButton(QStringLiteral("Help"), panel);
            grid->addWidget(row.help, line, 3);
            connect(row.help, &QPushButton::clicked, this, [this, number] { openHelpTable(number); });
        }
        rows_[number] = row;
        ++line;
    }
    if (p == Panel::Spectrum) {
        levelsButton_ = new QPushButton(QStringLiteral("Spektrum"), panel);
        grid->addWidget(levelsButton_, line++, 1);
        connect(levelsButton_, &QPushButton::clicked, this, &LoadingDialog::openLevels);
    }
    if (p != Panel::Direct) addUnitRadios(p, panel, p != Panel::Spectrum);
    return panel;
}

void LoadingDialog::addUnitRadios(Panel p, QWidget* panel, bool lives) {
    auto* grid = static_cast<QGridLayout*>(panel->layout());
    const bool single = p == Panel::Static;  // the static panel speaks of one load
    Units u;
    auto* loads = new QButtonGroup(panel);
    u.forces = new QRadioButton(single ? QStringLiteral("Obv. síla  F") : QStringLiteral("Obv. síly  F"), panel);
    u.torques = new QRadioButton(single ? QStringLiteral("Moment T") : QStringLiteral("Momenty T"), panel);
    loads->addButton(u.forces);
    loads->addButton(u.torques);
    const int line = grid->rowCount();
    grid->addWidget(u.forces, line, 0, 1, 2);
    grid->addWidget(u.torques, line + 1, 0, 1, 2);
    connect(u.forces, &QRadioButton::clicked, this, [this] { unitsClicked(true); });
    connect(u.torques, &QRadioButton::clicked, this, [this] { unitsClicked(false); });
    if (lives) {
        auto* group = new QButtonGroup(panel);
        u.cycles = new QRadioButton(QStringLiteral("Cykly"), panel);
        u.hours = new QRadioButton(QStringLiteral("Hodiny"), panel);
        group->addButton(u.cycles);
        group->addButton(u.hours);
        grid->addWidget(u.cycles, line, 2, 1, 2);
        grid->addWidget(u.hours, line + 1, 2, 1, 2);
        connect(u.cycles, &QRadioButton::clicked, this, [this] { livesClicked(true); });
        connect(u.hours, &QRadioButton::clicked, this, [this] { livesClicked(false); });
    }
    units_[p] = u;
}

void LoadingDialog::setCompanions(LoadLevelsDialog* levels, LoadClassChart* chart, YaTable* ya, ApplicationFactorTable* ka, KasTable* kas) {
    levels_ = levels;
    chart_ = chart;
    helpYA_ = ya;
    helpKA_ = ka;
    helpKAS_ = kas;
}

void LoadingDialog::trimForTab(bool simplified) {
    simplified_ = simplified;
    if (simplified) data_.MetodaVypoctu = 'A';
    updatePanels();
}

void LoadingDialog::updatePanels() {
    const bool b = data_.MetodaVypoctu == 'B';
    const std::uint16_t mode = data_.ZadaniSil;
    methodA_->setChecked(!b);
    methodB_->setChecked(b);
    panels_[Panel::Static]->setVisible(!b);
    panels_[Panel::Spectrum]->setVisible(b && mode == kLoadsFromLevels);
    panels_[Panel::Classes]->setVisible(b && (mode == kLoadsFromClasses || mode == kLoadsEntered));
    panels_[Panel::Direct]->setVisible(b && mode == kLoadsEntered);
    results_->setVisible(b && (mode == kLoadsFromLevels || mode == kLoadsFromClasses));
    for (int n : {16, 17}) {
        const Row& r = rows_[n];
        for (QWidget* w : {static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.edit), static_cast<QWidget*>(r.unit),
                           static_cast<QWidget*>(r.help)})
            w->setVisible(mode == kLoadsFromClasses);
    }
    modeLabel_->setVisible(b);
    levelsBox_->setVisible(b);
    classesBox_->setVisible(b);
    directBox_->setVisible(b);
    levelsBox_->setChecked(b && mode == kLoadsFromLevels);
    classesBox_->setChecked(b && mode == kLoadsFromClasses);
    directBox_->setChecked(b && mode == kLoadsEntered);

    // The simplified calculation needs neither speed nor lives, nor method "B".
    for (int n : {2, 3, 4}) {
        const Row& r = rows_[n];
        for (QWidget* w : {static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.edit), static_cast<QWidget*>(r.unit)})
            w->setVisible(!simplified_);
    }
    units_[Panel::Static].cycles->setVisible(!simplified_);
    units_[Panel::Static].hours->setVisible(!simplified_);
    methodB_->setVisible(!simplified_);
    help_->setVisible(!simplified_);
    adjustSize();
}

void LoadingDialog::repaintFields() {
    const FixedYA fixed = applyFixedYA(data_);
    for (const LoadingRow& f : kFields) {
        const int number = f.field.id.number;
        setFieldLabel(number, QString::fromUtf8(data_.SilyF ? f.field.label : f.torqueLabel));
        unitLabel(number)->setText(unitText(f.kind, data_));
    }
    showFields();
    for (int n : {5, 13, 19}) rows_[n].edit->setEnabled(!fixed.YA1);
    for (int n : {6, 14, 20}) rows_[n].edit->setEnabled(!fixed.YA2);
    for (const auto& [p, u] : units_) {
        u.forces->setChecked(data_.SilyF);
        u.torques->setChecked(!data_.SilyF);
        if (u.cycles) u.cycles->setChecked(data_.NKvCyklech);
        if (u.hours) u.hours->setChecked(!data_.NKvCyklech);
    }
    resultsCaption_->setText(data_.SilyF ? QStringLiteral("Výsledek schematizace  [N]")
                                         : QStringLiteral("Výsledek schematizace  [N·m]"));
    static constexpr const char* kForceNames[] = {"FtFe1", "FtHe1", "FtFe2", "FtHe2"};
    static constexpr const char* kTorqueNames[] = {"TFe1", "THe1", "TFe2", "THe2"};
    for (std::size_t i = 0; i < resultValues_.size(); ++i) {
        resultNames_[i]->setText(QString::fromLatin1(data_.SilyF ? kForceNames[i] : kTorqueNames[i]));
        resultValues_[i]->setText(QString::fromStdString(equivalentLoadText(data_, static_cast<int>(i))));
    }
}

int LoadingDialog::helpTopic() const {
    return loadingHelpTopic(data_);
}

void LoadingDialog::methodClicked(bool equivalent) {
    if ((data_.MetodaVypoctu == 'B') == equivalent) return;
    if (equivalent)
        chooseEquivalentMethod(data_);
    else
        chooseStaticMethod(data_);
    emit methodChanged(equivalent);
    updatePanels();
    repaintFields();
}

void LoadingDialog::unitsClicked(bool forces) {
    if (data_.SilyF == forces) return;
    if (forces)
        chooseForces(data_);
    else
        chooseTorques(data_);
    repaintFields();
}

void LoadingDialog::livesClicked(bool cycles) {
    if (data_.NKvCyklech == cycles) return;
    if (cycles)
        chooseCycles(data_);
    else
        chooseHours(data_);
    repaintFields();
}

void LoadingDialog::focusField(int number) {
    if (NumberEdit* e = field(number)) {
        activateWindow();
        e->setFocus(Qt::OtherFocusReason);
    }
}

void LoadingDialog::openHelpTable(int number) {
    const auto back = [this, number] { focusField(number); };
    switch (number) {
        case 5:
        case 13:
        case 19:
            if (helpYA_) helpYA_->openFor(back);
            break;
        case 7:
        case 15:
        case 21:
            if (helpKA_) helpKA_->openFor(back);
            break;
        case 8:
            if (helpKAS_) helpKAS_->openFor(back);
            break;
        default:  // CHSZ1, CHSZ2: the chart, then the focus into the field
            if (chart_) chart_->openFor(back);
            break;
    }
}

void LoadingDialog::openLevels() {
    if (!levels_) return;
    runModal(*levels_);
    updatePanels();
    repaintFields();
}

void LoadingDialog::confirm() {
    okClicked();
}

bool LoadingDialog::readyToClose() {
    const LoadingConfirmation c = confirmLoading(data_, ui());
    if (c.verdict == LoadingVerdict::Accepted) return true;
    ui().message(c.message);
    if (c.focusField != 0) focusField(c.focusField);
    return false;
}

void LoadingDialog::repaintFromData() {
    repaintFields();
}

void LoadingDialog::showEvent(QShowEvent* event) {
    updatePanels();
    FieldDialog::showEvent(event);
}

QPushButton* LoadingDialog::helpBeside(int number) const {
    const auto it = rows_.find(number);
    return it == rows_.end() ? nullptr : it->second.help;
}

QWidget* LoadingDialog::panel(Panel p) const {
    const auto it = panels_.find(p);
    return it == panels_.end() ? nullptr : it->second;
}

QRadioButton* LoadingDialog::forcesRadio(Panel p) const {
    const auto it = units_.find(p);
    return it == units_.end() ? nullptr : it->second.forces;
}

QRadioButton* LoadingDialog::torquesRadio(Panel p) const {
    const auto it = units_.find(p);
    return it == units_.end() ? nullptr : it->second.torques;
}

QRadioButton* LoadingDialog::cyclesRadio(Panel p) const {
    const auto it = units_.find(p);
    return it == units_.end() ? nullptr : it->second.cycles;
}

QRadioButton* LoadingDialog::hoursRadio(Panel p) const {
    const auto it = units_.find(p);
    return it == units_.end() ? nullptr : it->second.hours;
}

}  // namespace soukoli
