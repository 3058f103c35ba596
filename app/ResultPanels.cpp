// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Panel tables and filling. Stresses are red when they reach their permissible value; safety
// factors are in the normal colour only above 1. A value that is not a finite number is red.
#include "app/ResultPanels.h"

#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <array>
#include <cmath>

#include "engine/FieldTable.h"
#include "engine/Numbers.h"
#include "engine/ResultChecks.h"

namespace soukoli {

namespace {

using F = CellFormat;
using C = CellCheck;
using S = CellShow;

constexpr ResultCell stress(std::string_view field, const char* caption, std::string_view limit = {}) {
    return {field, caption, F::Stress, limit.empty() ? C::None : C::AgainstLimit, limit};
}
constexpr ResultCell safety(std::string_view field, const char* caption) {
    return {field, caption, F::Factor, C::Safety};
}
constexpr ResultCell factor(std::string_view field, const char* caption, CellShow show = S::Always) {
    return {field, caption, F::Factor, C::None, {}, {}, nullptr, false, show};
}
constexpr ResultCell tooth(std::string_view field, const char* caption, std::string_view dinB, const char* dinBCaption) {
    return {field, caption, F::Factor, C::None, {}, dinB, dinBCaption};
}

constexpr auto kBending = std::to_array<ResultRow>({
    {stress("SigmaF1", "σ<sub>F1</sub>", "SigmaFP1"), stress("SigmaF2", "σ<sub>F2</sub>", "SigmaFP2")},
    {stress("SigmaFP1", "σ<sub>FP1</sub>"), stress("SigmaFP2", "σ<sub>FP2</sub>")},
    {safety("SF1", "S<sub>F1</sub>"), safety("SF2", "S<sub>F2</sub>")},
    {stress("SigmaFmax1", "σ<sub>Fmax1</sub>", "SigmaFPmax1"), stress("SigmaFmax2", "σ<sub>Fmax2</sub>", "SigmaFPmax2")},
    {stress("SigmaFPmax1", "σ<sub>FPmax1</sub>"), stress("SigmaFPmax2", "σ<sub>FPmax2</sub>")},
    {factor("KF", "K<sub>F</sub>"), factor("KFv", "K<sub>Fv</sub>")},
    {factor("KFalfa", "K<sub>Fα</sub>"), factor("KFbeta", "K<sub>Fβ</sub>")},
    {{"Yepsilon", "Y<sub>ε</sub>", F::Factor, C::None, {}, {}, nullptr, true}, factor("Ybeta", "Y<sub>β</sub>")},
    {factor("YFS1", "Y<sub>FS1</sub>"), factor("YFS2", "Y<sub>FS2</sub>")},
    {tooth("YFa1", "Y<sub>Fa1</sub>", "YFe1", "Y<sub>Fe1</sub>"), tooth("YFa2", "Y<sub>Fa2</sub>", "YFe2", "Y<sub>Fe2</sub>")},
    {tooth("YSa1", "Y<sub>Sa1</sub>", "YSe1", "Y<sub>Se1</sub>"), tooth("YSa2", "Y<sub>Sa2</sub>", "YSe2", "Y<sub>Se2</sub>")},
    // The simplified calculation stops here.
    {factor("YSarel1", "Y<sub>Sarel1</sub>"), factor("YSarel2", "Y<sub>Sarel2</sub>")},
    {factor("YN1", "Y<sub>N1</sub>"), factor("YN2", "Y<sub>N2</sub>")},
    {factor("YX1", "Y<sub>X1</sub>"), factor("YX2", "Y<sub>X2</sub>")},
    {factor("Ydelta1", "Y<sub>δ1</sub>"), factor("Ydelta2", "Y<sub>δ2</sub>")},
    {factor("YS1", "Y<sub>S1</sub>"), factor("YS2", "Y<sub>S2</sub>")},
    {factor("YdeltaSt1", "Y<sub>δSt1</sub>"), factor("YdeltaSt2", "Y<sub>δSt2</sub>")},
    {factor("YdeltaStT1", "Y<sub>δStT1</sub>"), factor("YdeltaStT2", "Y<sub>δStT2</sub>")},
    {factor("KF1", "K<sub>F</sub>'", S::MethodB), factor("KFv1", "K<sub>Fv</sub>'", S::MethodB)},
    {factor("KFalfa1", "K<sub>Fα</sub>'", S::MethodB), factor("KFbeta1", "K<sub>Fβ</sub>'", S::MethodB)},
});
constexpr std::size_t kBendingSimplified = 11;

constexpr auto kContactFull = std::to_array<ResultRow>({
    {stress("SigmaH1", "σ<sub>H1</sub>", "SigmaHP1"), stress("SigmaH2", "σ<sub>H2</sub>", "SigmaHP2")},
    {stress("SigmaHP1", "σ<sub>HP1</sub>"), stress("SigmaHP2", "σ<sub>HP2</sub>")},
    {safety("SH1", "S<sub>H1</sub>"), safety("SH2", "S<sub>H2</sub>")},
    {stress("SigmaHmax1", "σ<sub>Hmax1</sub>", "SigmaHPmax1"), stress("SigmaHmax2", "σ<sub>Hmax2</sub>", "SigmaHPmax2")},
    {stress("SigmaHPmax1", "σ<sub>HPmax1</sub>"), stress("SigmaHPmax2", "σ<sub>HPmax2</sub>")},
    {stress("SigmaHO1", "σ<sub>HO1</sub>"), stress("SigmaHO2", "σ<sub>HO2</sub>")},
    {factor("ZB", "Z<sub>B</sub>"), factor("ZD", "Z<sub>D</sub>")},
    {factor("KH", "K<sub>H</sub>"), factor("KHv", "K<sub>Hv</sub>")},
    {factor("KHalfa", "K<sub>Hα</sub>"), factor("KHbeta", "K<sub>Hβ</sub>")},
    {factor("KA", "K<sub>A</sub>"), factor("KAS", "K<sub>AS</sub>", S::MethodA)},
    {factor("Zepsilon", "Z<sub>ε</sub>"), factor("ZH", "Z<sub>H</sub>")},
    {factor("ZN1", "Z<sub>N1</sub>"), factor("ZN2", "Z<sub>N2</sub>")},
    {factor("ZE", "Z<sub>E</sub>"), factor("Zbeta", "Z<sub>β</sub>")},
    {factor("KH1", "K<sub>H</sub>'", S::MethodB), factor("KHv1", "K<sub>Hv</sub>'", S::MethodB)},
    {factor("KHalfa1", "K<sub>Hα</sub>'", S::MethodB), factor("KHbeta1", "K<sub>Hβ</sub>'", S::MethodB)},
});

constexpr auto kContactSimplified = std::to_array<ResultRow>({
    kContactFull[0], kContactFull[1], kContactFull[2], kContactFull[3], kContactFull[4], kContactFull[5],
    kContactFull[7], kContactFull[8], kContactFull[9], kContactFull[10], kContactFull[12],
    {factor("ZR1", "Z<sub>R1</sub>"), factor("ZR2", "Z<sub>R2</sub>")},
});

bool visibleFor(const ResultCell& s, char method) {
    switch (s.show) {
    case S::MethodA: return method == 'A';
    case S::MethodB: return method == 'B';
    case S::Always: break;
    }
    return true;
}

std::optional<double> valueOf(std::string_view name, const GearPairData& g) {
    const NumericField* f = findNumericField(name);
    if (!f) return std::nullopt;
    return readField(g, *f);
}

QFont valueFont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

}  // namespace

std::span<const ResultRow> bendingRows(bool simplified) {
    return std::span<const ResultRow>(kBending).first(simplified ? kBendingSimplified : kBending.size());
}

std::span<const ResultRow> contactRows(bool simplified) {
    return simplified ? std::span<const ResultRow>(kContactSimplified) : std::span<const ResultRow>(kContactFull);
}

CellText cellText(const ResultCell& s, const GearPairData& g) {
    const bool dinB = loadsAtSinglePairPoint(g.standard);
    if (dinB && s.dashedWithDinB) return {"  -----", false};
    const std::string_view field = dinB && !s.dinBField.empty() ? s.dinBField : s.field;
    const auto v = valueOf(field, g);
    if (!v) return {"", false, false};
    CellText out;
    out.text = s.format == CellFormat::Stress ? str(*v, 6, 1) : str(*v, 5, 3);
    switch (s.check) {
    case C::AgainstLimit: {
        const auto limit = valueOf(s.limit, g);
        out.red = !limit || stressFails(*v, *limit);  // equal to the permissible value fails
        break;
    }
    case C::Safety:
        out.red = safetyFails(*v);  // exactly 1 fails
        break;
    case C::None:
        out.red = !std::isfinite(*v);
        break;
    }
    return out;
}

ResultPanel::ResultPanel(const QString& title, std::span<const ResultRow> rows, QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(title);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(2, 26);
    grid->setColumnStretch(5, 1);
    const QFont mono = valueFont();
    // Headings as the results report has them.
    const auto heading = [this, grid](const QString& text, int row) {
        auto* l = new QLabel(text, this);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, pal.color(QPalette::PlaceholderText));
        l->setPalette(pal);
        grid->addWidget(l, row, 0, 1, 5);
        headings_.push_back(l);
    };
    heading(QStringLiteral("Napětí v MPa a bezpečnosti"), 0);
    int r = 1;
    for (const ResultRow& row : rows) {
        int column = 0;
        for (const ResultCell* def : {&row.left, &row.right}) {
            if (!def->field.empty()) {
                auto* caption = new QLabel(QString::fromUtf8(def->caption), this);
                caption->setTextFormat(Qt::RichText);
                auto* value = new QLabel(this);
                value->setFont(mono);
                value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                value->setObjectName(QString::fromUtf8(def->field.data(), static_cast<qsizetype>(def->field.size())));
                value->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QStringLiteral("00000.0")));
                grid->addWidget(caption, r, column);
                grid->addWidget(value, r, column + 1);
                cells_.push_back({def, caption, value});
            }
            column = 3;
        }
        ++r;
        if (row.left.field == "SigmaFPmax1" || row.left.field == "SigmaHO1") {
            grid->setRowMinimumHeight(r, 26);
            heading(QStringLiteral("Ostatní součinitele"), r++);
        }
    }
    grid->setRowStretch(r, 1);
    // Without results the panel shows not even its empty frame, yet keeps its place, so that
    // the main window does not change its layout with every calculation.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hideResults();
}

const ResultPanel::Cell* ResultPanel::cell(std::string_view field) const {
    for (const Cell& c : cells_)
        if (c.def->field == field) return &c;
    return nullptr;
}

void ResultPanel::showResults(const GearPairData& g) {
    for (const Cell& c : cells_) {
        const CellText t = cellText(*c.def, g);
        const bool dinB = loadsAtSinglePairPoint(g.standard) && c.def->dinBCaption;
        c.caption->setText(QString::fromUtf8(dinB ? c.def->dinBCaption : c.def->caption));
        c.value->setText(QString::fromStdString(t.text));
        QPalette pal = c.value->palette();
        pal.setColor(QPalette::WindowText, t.red ? QColor(Qt::red) : palette().color(QPalette::WindowText));
        c.value->setPalette(pal);
        const bool visible = t.available && visibleFor(*c.def, g.MetodaVypoctu);
        c.caption->setVisible(visible);
        c.value->setVisible(visible);
    }
    for (QLabel* h : headings_) h->show();
    show();
}

void ResultPanel::hideResults() {
    for (const Cell& c : cells_) {
        c.caption->hide();
        c.value->hide();
    }
    for (QLabel* h : headings_) h->hide();
    hide();
}

}  // namespace soukoli
