// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The face-load-factor window enters bcal and KHbeta field by field; its options switch the
// source, and the scheme option opens the layout-scheme dialog or, in the simplified
// calculation, the scheme picture.
#include "dialogs/KHbetaDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "engine/FaceLoadInput.h"
#include "engine/Numbers.h"

namespace soukoli {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

using G = const GearPairData&;

// Each field shows its value only while it is the source of KHbeta.
std::string bcalText(G g, int) { return g.KHbetaFrom == KHbetaSource::FromBcal ? str(g.bcal, 5, 1) : std::string(); }
std::string khbetaText(G g, int) { return g.KHbetaFrom == KHbetaSource::Entered ? str(g.KHbeta, 5, 3) : std::string(); }

// Field, label, unit, display (rules in engine/FaceLoadInput: bcal > 0, KHbeta ≥ 1).
constexpr std::array<FieldRow, 2> kRows = {{
    {{InputWindow::FaceLoad, 1}, "b<sub>cal</sub>", "[mm]", textFormat(bcalText)},
    {{InputWindow::FaceLoad, 2}, "K<sub>Hβ</sub>", nullptr, textFormat(khbetaText)},
}};

}  // namespace

KHbetaDialog::KHbetaDialog(GearPairData& data, Ui& ui, QWidget* parent) : FieldDialog(data, ui, parent), data_(data) {
    setObjectName(QStringLiteral("KHbetaDialog"));
    setWindowTitle(QStringLiteral("Stanovení součinitele KHß"));

    scheme_ = new QCheckBox(QStringLiteral("Výpočtem z kinematického schématu č."), this);
    bcal_ = new QCheckBox(QStringLiteral("Výpočtem z pásma dotyku"), this);
    direct_ = new QCheckBox(QStringLiteral("Přímým zadáním"), this);
    schemeLabel_ = new QLabel(this);
    schemeLabel_->setObjectName(QStringLiteral("SchemeLabel"));

    bindFields(kRows);
    edit1_ = field(1);
    edit2_ = field(2);
    bcalRow_ = {fieldLabel(1), edit1_, unitLabel(1), bcal_};
    connect(this, &FieldDialog::fieldAccepted, this, &KHbetaDialog::dataChanged);

    ok_ = addOkButton();
    setOkEntersField(false);
    help_ = addHelpButton();
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(scheme_), static_cast<QAbstractButton*>(bcal_),
                               static_cast<QAbstractButton*>(direct_)})
        suppressValidationOnPress(b);

    auto* grid = new QGridLayout;
    grid->addWidget(scheme_, 0, 0, 1, 2);
    grid->addWidget(schemeLabel_, 0, 2);
    grid->addWidget(bcal_, 1, 0, 1, 3);
    placeField(grid, 1, 2, 0);
    grid->addWidget(direct_, 3, 0, 1, 3);
    placeField(grid, 2, 4, 0);
    fieldLabel(1)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fieldLabel(2)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(help_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);

    connect(scheme_, &QCheckBox::clicked, this, &KHbetaDialog::schemeClicked);
    connect(bcal_, &QCheckBox::clicked, this, &KHbetaDialog::bcalClicked);
    connect(direct_, &QCheckBox::clicked, this, &KHbetaDialog::directClicked);
    setHelpTopic(kHelpTopic);

    // Created with KHbeta entered directly, its field ready.
    direct_->setChecked(true);
    edit1_->setEnabled(false);
    edit2_->setText(qs(str(data_.KHbeta, 5, 3)));
    edit2_->setFocus(Qt::OtherFocusReason);
}

void KHbetaDialog::setSchemeWindows(std::function<void()> openLayout, std::function<void()> openPicture) {
    openLayout_ = std::move(openLayout);
    openPicture_ = std::move(openPicture);
}

void KHbetaDialog::trimForTab(bool simplified) {
    for (QWidget* w : bcalRow_) w->setVisible(!simplified);
    scheme_->setVisible(true);
    direct_->setVisible(true);
    schemeLabel_->setVisible(true);
    help_->setVisible(!simplified);
}

void KHbetaDialog::toothingSwitched() {
    scheme_->setEnabled(!data_.isInternal());
    edit1_->setEnabled(false);
    edit2_->setEnabled(true);
    schemeLabel_->clear();
    scheme_->setChecked(false);
    bcal_->setChecked(false);
    direct_->setChecked(true);
    edit1_->clear();
    edit2_->setText(qs(str(data_.KHbeta, 5, 1)));
}

void KHbetaDialog::syncOptions() {
    const KHbetaSource source = data_.KHbetaFrom;
    scheme_->setEnabled(!data_.isInternal());
    scheme_->setChecked(source == KHbetaSource::FromScheme);
    bcal_->setChecked(source == KHbetaSource::FromBcal);
    direct_->setChecked(source == KHbetaSource::Entered);
    if (source == KHbetaSource::None) return;
    edit1_->setEnabled(source == KHbetaSource::FromBcal);
    edit2_->setEnabled(source == KHbetaSource::Entered);
}

void KHbetaDialog::showEvent(QShowEvent* event) {
    if (data_.Zjednoduseny && firstActivation_) {
        // A simplified project keeps its scheme number as the label.
        if (const auto n = schemeNumberOfText(data_.Schema)) data_.SchemaIndex = *n;
    }
    syncOptions();
    firstActivation_ = false;
    FieldDialog::showEvent(event);  // the repaint
    if (edit1_->isEnabled() && edit1_->isVisible())
        edit1_->setFocus(Qt::OtherFocusReason);
    else if (edit2_->isEnabled())
        edit2_->setFocus(Qt::OtherFocusReason);
}

void KHbetaDialog::hideEvent(QHideEvent* event) {
    FieldDialog::hideEvent(event);
    emit dataChanged();
}

void KHbetaDialog::refresh() {
    data_.Schema = schemeLabelFor(data_);
    if (data_.KHbetaFrom == KHbetaSource::FromScheme)
        schemeLabel_->setText(qs(data_.Schema));
    else
        schemeLabel_->clear();
    showFields();
}

void KHbetaDialog::repaintFromData() {
    refresh();
}

void KHbetaDialog::schemeClicked(bool checked) {
    faceLoadOptionClicked(data_, KHbetaSource::FromScheme, checked);
    if (checked) {
        bcal_->setChecked(false);
        direct_->setChecked(false);
        edit1_->setEnabled(false);
        edit2_->setEnabled(false);
        const auto& open = data_.Zjednoduseny ? openPicture_ : openLayout_;
        if (open) {
            open();
            // "Esc" in the layout window goes back to direct entry: the options follow.
            syncOptions();
        }
    } else {
        schemeLabel_->clear();
    }
    refresh();
    emit dataChanged();
}

void KHbetaDialog::bcalClicked(bool checked) {
    faceLoadOptionClicked(data_, KHbetaSource::FromBcal, checked);
    if (checked) {
        edit1_->setEnabled(true);
        edit2_->setEnabled(false);
        scheme_->setChecked(false);
        direct_->setChecked(false);
        schemeLabel_->clear();
        edit1_->setFocus(Qt::OtherFocusReason);
    }
    refresh();
    emit dataChanged();
}

void KHbetaDialog::directClicked(bool checked) {
    faceLoadOptionClicked(data_, KHbetaSource::Entered, checked);
    if (checked) {
        edit1_->setEnabled(false);
        edit2_->setEnabled(true);
        scheme_->setChecked(false);
        bcal_->setChecked(false);
        schemeLabel_->clear();
        edit2_->setFocus(Qt::OtherFocusReason);
    }
    refresh();
    emit dataChanged();
}

bool KHbetaDialog::readyToClose() {
    const FaceLoadProblem problem = checkFaceLoadInput(data_);
    if (problem == FaceLoadProblem::None) return true;
    // The option and field put right here are not the user leaving a field: no validation.
    const bool marked = pressMarked();
    setPressMark(true);
    switch (problem) {
        case FaceLoadProblem::NoSource:
            ui().message(kMsgNoSource);
            // The simplified calculation has no contact band to offer: direct entry instead.
            if (data_.Zjednoduseny) {
                direct_->setChecked(true);
                directClicked(true);
            } else {
                bcal_->setChecked(true);
                bcalClicked(true);
            }
            break;
        case FaceLoadProblem::Bcal:
            ui().message(kMsgBcal);
            syncOptions();
            edit1_->setFocus(Qt::OtherFocusReason);
            break;
        case FaceLoadProblem::KHbeta:
            ui().message(kMsgKHbeta);
            syncOptions();
            edit2_->setFocus(Qt::OtherFocusReason);
            break;
        case FaceLoadProblem::None: break;
    }
    setPressMark(marked);
    return false;
}

}  // namespace soukoli
