// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The load spectrum dialog: the number of steps, a row of count and level per step, the modes of
// both axes, the sample picture, and the buttons; a press on "&Nulování", "&Help" or "&Esc"
// leaves the field being edited unchecked.
#include "dialogs/LoadLevelsDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/LoadingInput.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

// Column captions: counts by unit and kind, levels by unit and form.
QString countCaptionText(const GearPairData& g) {
    if (g.NKvCyklech) return g.SpektrumNAbs ? QStringLiteral("N<sub>j</sub> [cyklů]") : QStringLiteral("N<sub>rj</sub> [cyklů]");
    return g.SpektrumNAbs ? QStringLiteral("L<sub>hj</sub> [hod]") : QStringLiteral("L<sub>hrj</sub> [hod]");
}

QString levelCaptionText(const GearPairData& g) {
    const bool f = g.SilyF;
    switch (g.levelsForm) {
        case LevelsForm::Absolute: return f ? QStringLiteral("F<sub>tj</sub> [N]") : QStringLiteral("T<sub>j</sub> [N·m]");
        case LevelsForm::RatioFjF1:
            return f ? QStringLiteral("F<sub>tj</sub> / F<sub>t1</sub>") : QStringLiteral("T<sub>j</sub> / T<sub>1</sub>");
        case LevelsForm::RatioF1Fj:
            return f ? QStringLiteral("F<sub>t1</sub> / F<sub>tj</sub>") : QStringLiteral("T<sub>1</sub> / T<sub>j</sub>");
        case LevelsForm::RatioFjFmin:
            return f ? QStringLiteral("F<sub>tj</sub> / F<sub>tmin</sub>") : QStringLiteral("T<sub>j</sub> / T<sub>min</sub>");
    }
    return {};
}

using G = const GearPairData&;
constexpr int kSteps = static_cast<int>(kMaxLoadLevels);

std::string countText(G g, int number) { return levelsCountText(g.Nj[static_cast<std::size_t>(number - 2)]); }
std::string levelText(G g, int number) {
    return levelsLevelText(g, g.Fj[static_cast<std::size_t>(number - 2 - kSteps)]);
}

constexpr std::array<const char*, kMaxLoadLevels> kStepNames = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};

// Field 1 the number of steps (str(j:3:0)); per step k the count (field k + 1) and the level
// (field k + 21), each labelled with its step and shown as the engine writes them. The column
// captions name the quantities.
constexpr std::array<FieldRow, 1 + 2 * kMaxLoadLevels> makeRows() {
    std::array<FieldRow, 1 + 2 * kMaxLoadLevels> rows{};
    rows[0] = {{InputWindow::LoadLevels, 1}, "Počet stupňů", "(max. 20]", fixedFormat([](G g) { return double(g.j); }, 3, 0)};
    for (int k = 1; k <= kSteps; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        rows[i + 1] = {levelCountField(k), kStepNames[i], nullptr, textFormat(countText)};
        rows[i + 1 + kMaxLoadLevels] = {levelValueField(k), kStepNames[i], nullptr, textFormat(levelText)};
    }
    return rows;
}
constexpr auto kRows = makeRows();

}  // namespace

LevelsSample::LevelsSample(const GearPairData& data, QWidget* parent) : QWidget(parent), data_(data) {
    setFixedSize(260, 200);
}

void LevelsSample::paintEvent(QPaintEvent*) {
    QPixmap bitmap(size());
    bitmap.fill(Qt::white);
    {
        QPainter p(&bitmap);
        p.setFont(QFont(QStringLiteral("Arial"), 7));
        p.drawRect(0, 0, width() - 1, height() - 1);
        p.drawText(70, 14, QStringLiteral("Vzorové spektrum"));
        const int x0 = 40, y0 = height() - 30, xEnd = width() - 20, yTop = 30;
        // Axes with arrow heads.
        p.drawLine(x0, y0, xEnd, y0);
        p.drawLine(xEnd, y0, xEnd - 6, y0 - 3);
        p.drawLine(xEnd, y0, xEnd - 6, y0 + 3);
        p.drawLine(x0, y0, x0, yTop - 10);
        p.drawLine(x0, yTop - 10, x0 - 3, yTop - 4);
        p.drawLine(x0, yTop - 10, x0 + 3, yTop - 4);

        // y: the axis label and the three levels of the mode.
        const bool f = data_.SilyF;
        QString yLabel;
        QStringList levels;
        switch (data_.levelsForm) {
            case LevelsForm::Absolute:
                yLabel = f ? QStringLiteral("Ftj [N]") : QStringLiteral("Tj [N·m]");
                levels = f ? QStringList{"4000", "2000", "1000"} : QStringList{"160", "80", "40"};
                break;
            case LevelsForm::RatioFjF1:
                yLabel = f ? QStringLiteral("Ftj/Ft1") : QStringLiteral("Tj/T1");
                levels = {"1", "0,5", "0,25"};
                break;
            case LevelsForm::RatioF1Fj:
                yLabel = f ? QStringLiteral("Ft1/Ftj") : QStringLiteral("T1/Tj");
                levels = {"1", "", "4"};
                break;
            case LevelsForm::RatioFjFmin:
                yLabel = f ? QStringLiteral("Ftj/Ftmin") : QStringLiteral("Tj/Tmin");
                levels = {"4", "2", "1"};
                break;
        }
        p.drawText(2, yTop - 14, yLabel);
        const int heights[] = {y0 - 120, y0 - 70, y0 - 40};
        const int ends[] = {x0 + 50, x0 + 110, x0 + 180};
        const QStringList steps{QStringLiteral("1.stupeň"), QStringLiteral("2.stupeň"), QStringLiteral("3.stupeň")};
        int start = x0;
        for (int i = 0; i < 3; ++i) {
            p.drawText(2, heights[i] + 4, levels[i]);
            p.drawLine(start, heights[i], ends[i], heights[i]);
            p.drawLine(ends[i], heights[i], ends[i], i < 2 ? heights[i + 1] : y0);
            p.drawText(start + 4, heights[i] - 3, steps[i]);
            // x: cumulative step ends, or the length of each step.
            const QString index = data_.NKvCyklech ? QString() : QStringLiteral("h");
            const QString mark = data_.SpektrumNAbs ? index + QString::number(i + 1)
                                                    : (data_.NKvCyklech ? QStringLiteral("r") : QStringLiteral("hr")) + QString::number(i + 1);
            p.drawText(data_.SpektrumNAbs ? ends[i] - 6 : (start + ends[i]) / 2 - 6, y0 + 12,
                       (data_.NKvCyklech ? QStringLiteral("N") : QStringLiteral("L")) + mark);
            start = ends[i];
        }
        p.drawText(xEnd - 40, y0 + 24, data_.NKvCyklech ? QStringLiteral("N [cyklů]") : QStringLiteral("L h [hod]"));
    }
    QPainter(this).drawPixmap(0, 0, bitmap);
}

LoadLevelsDialog::LoadLevelsDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(data, ui, parent), data_(data) {
    setWindowTitle(QStringLiteral("Popis spektra - hladinová metoda podle ČSN 01 4686"));
    setObjectName(QStringLiteral("LoadLevelsDialog"));
    setHelpTopic(44);
    setEscapeCloses(true);
    bindFields(kRows);

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* stepsRow = new QHBoxLayout;
    steps_ = field(1);
    stepsRow->addWidget(fieldLabel(1));
    steps_->setMaximumWidth(50);
    stepsRow->addWidget(steps_);
    stepsRow->addWidget(unitLabel(1));
    stepsRow->addStretch(1);
    left->addLayout(stepsRow);

    auto* inputs = new QGroupBox(QStringLiteral("Vstupy pro &PASTOREK  "), this);
    auto* grid = new QGridLayout(inputs);
    grid->setAlignment(Qt::AlignTop);
    countCaption_ = new QLabel(inputs);
    levelCaption_ = new QLabel(inputs);
    grid->addWidget(countCaption_, 0, 1);
    grid->addWidget(levelCaption_, 0, 2);
    for (int k = 1; k <= static_cast<int>(kMaxLoadLevels); ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        stepLabels_[i] = fieldLabel(levelCountField(k).number);
        counts_[i] = field(levelCountField(k).number);
        levels_[i] = field(levelValueField(k).number);
        // The step's number stands once, beside its count.
        fieldLabel(levelValueField(k).number)->hide();
        counts_[i]->setMaximumWidth(110);
        levels_[i]->setMaximumWidth(110);
        grid->addWidget(stepLabels_[i], k, 0);
        grid->addWidget(counts_[i], k, 1);
        grid->addWidget(levels_[i], k, 2);
    }
    left->addWidget(inputs);
    left->addStretch(1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* y = new QGroupBox(QStringLiteral("Osa  &y  "), this);
    auto* x = new QGroupBox(QStringLiteral("Osa  &x  "), this);
    buildOptions(y, x);
    right->addWidget(y);
    right->addWidget(x);
    sample_ = new LevelsSample(data_, this);
    right->addWidget(sample_);
    auto* buttons = new QGridLayout;
    ok_ = addOkButton(QStringLiteral("O&k"));
    help_ = addHelpButton();
    esc_ = new QPushButton(QStringLiteral("&Esc"), this);
    clear_ = new QPushButton(QStringLiteral("&Nulování"), this);
    buttons->addWidget(ok_, 0, 0);
    buttons->addWidget(help_, 0, 1);
    buttons->addWidget(esc_, 1, 0);
    buttons->addWidget(clear_, 1, 1);
    right->addLayout(buttons);
    right->addStretch(1);
    layout->addLayout(right);

    // A press on these must not check the count or level being edited.
    for (QPushButton* b : {esc_, clear_}) suppressValidationOnPress(b);
    connect(esc_, &QPushButton::clicked, this, &LoadLevelsDialog::reject);
    connect(clear_, &QPushButton::clicked, this, [this] {
        clearLevels(data_);
        repaintFields();
    });
}

void LoadLevelsDialog::buildOptions(QWidget* y, QWidget* x) {
    auto* yLayout = new QVBoxLayout(y);
    auto* units = new QButtonGroup(y);
    forces_ = new QRadioButton(QStringLiteral("Obvodové síly"), y);
    torques_ = new QRadioButton(QStringLiteral("Momenty"), y);
    units->addButton(forces_);
    units->addButton(torques_);
    yLayout->addWidget(forces_);
    yLayout->addWidget(torques_);
    // Forces or torques: the loading dialog's conversion, then a new table.
    connect(forces_, &QRadioButton::clicked, this, [this] {
        if (data_.SilyF) return;
        chooseForces(data_);
        modeChanged();
    });
    connect(torques_, &QRadioButton::clicked, this, [this] {
        if (!data_.SilyF) return;
        chooseTorques(data_);
        modeChanged();
    });
    auto* forms = new QButtonGroup(y);
    const QString captions[] = {QStringLiteral("Absolutně"), QStringLiteral("Poměr  1/ j"), QStringLiteral("Poměr  j / 1"),
                                QStringLiteral("Poměr j / min")};
    const LevelsForm modes[] = {LevelsForm::Absolute, LevelsForm::RatioF1Fj, LevelsForm::RatioFjF1,
                                    LevelsForm::RatioFjFmin};
    for (std::size_t i = 0; i < 4; ++i) {
        levelRadios_[i] = new QRadioButton(captions[i], y);
        forms->addButton(levelRadios_[i]);
        yLayout->addWidget(levelRadios_[i]);
        connect(levelRadios_[i], &QRadioButton::clicked, this, [this, mode = modes[i]] {
            if (data_.levelsForm == mode) return;
            chooseLevelsForm(data_, mode);
            repaintFields();
        });
    }

    auto* xLayout = new QVBoxLayout(x);
    auto* lives = new QButtonGroup(x);
    cycles_ = new QRadioButton(QStringLiteral("Cykly"), x);
    hours_ = new QRadioButton(QStringLiteral("Hodiny"), x);
    lives->addButton(cycles_);
    lives->addButton(hours_);
    auto* kinds = new QButtonGroup(x);
    cumulative_ = new QRadioButton(QStringLiteral("Absolutně"), x);
    perStep_ = new QRadioButton(QStringLiteral("Relativně"), x);
    kinds->addButton(cumulative_);
    kinds->addButton(perStep_);
    for (QRadioButton* r : {cycles_, hours_, cumulative_, perStep_}) xLayout->addWidget(r);
    connect(cycles_, &QRadioButton::clicked, this, [this] {
        if (data_.NKvCyklech) return;
        chooseCycles(data_);
        modeChanged();
    });
    connect(hours_, &QRadioButton::clicked, this, [this] {
        if (!data_.NKvCyklech) return;
        chooseHours(data_);
        modeChanged();
    });
    connect(cumulative_, &QRadioButton::clicked, this, [this] {
        if (data_.SpektrumNAbs) return;
        data_.SpektrumNAbs = true;
        modeChanged();
    });
    connect(perStep_, &QRadioButton::clicked, this, [this] {
        if (!data_.SpektrumNAbs) return;
        data_.SpektrumNAbs = false;
        modeChanged();
    });
}

void LoadLevelsDialog::modeChanged() {
    clearLevels(data_);
    repaintFields();
}

void LoadLevelsDialog::repaintFields() {
    const int j = std::min<int>(data_.j, static_cast<int>(kMaxLoadLevels));
    showFields();
    const int fixed = fixedLevelStep(data_);
    for (int k = 1; k <= static_cast<int>(kMaxLoadLevels); ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const bool shown = k <= j;
        stepLabels_[i]->setVisible(shown);
        counts_[i]->setVisible(shown);
        levels_[i]->setVisible(shown);
        levels_[i]->setEnabled(k != fixed);
    }
    countCaption_->setText(countCaptionText(data_));
    levelCaption_->setText(levelCaptionText(data_));
    forces_->setChecked(data_.SilyF);
    torques_->setChecked(!data_.SilyF);
    levelRadios_[static_cast<std::size_t>(data_.levelsForm)]->setChecked(true);
    cycles_->setChecked(data_.NKvCyklech);
    hours_->setChecked(!data_.NKvCyklech);
    cumulative_->setChecked(data_.SpektrumNAbs);
    perStep_->setChecked(!data_.SpektrumNAbs);
    sample_->update();
}

void LoadLevelsDialog::confirm() {
    okClicked();
}

bool LoadLevelsDialog::readyToClose() {
    if (!levelsComplete(data_)) {
        ui().message(kLevelsIncomplete);
        countField(1)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    confirmLevels(data_);
    handover_.reset();
    return true;
}

void LoadLevelsDialog::repaintFromData() {
    repaintFields();
}

void LoadLevelsDialog::reject() {
    if (handover_) cancelLevels(data_, *handover_);
    handover_.reset();
    FieldDialog::reject();
}

void LoadLevelsDialog::showEvent(QShowEvent* event) {
    // The loading dialog's data as handed over on opening; "&Esc" puts them back.
    handover_ = takeLevelsHandover(data_);
    openLevels(data_);
    FieldDialog::showEvent(event);
}

}  // namespace soukoli
