// The accuracy window: fields 1-8 after their table, the limiting deviations with "nedefin.",
// and the rows of the alignment deviations shown only when KHbeta comes from a layout scheme.
#include "dialogs/AccuracyDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/Numbers.h"

namespace soukoli {

namespace {

// One deviation: caption (with its index), the limiting value, the measured value and its field,
// its flag and whether only a positive measured value counts (Fbetar1, Fbetar2).
struct DeviationSpec {
    const char* caption;
    double GearPairData::*limit;
    double GearPairData::*measured;
    bool GearPairData::*given;
    AccuracyField field;
    bool positive;
    bool alignment;  // shown only when KHbeta comes from the kinematic scheme
};

constexpr std::array<DeviationSpec, AccuracyDialog::kDeviations> kDeviationTable = {{
    {"f<sub>pb1</sub>", &GearPairData::fpb1, &GearPairData::fpbr1, &GearPairData::fpb1Given, AccuracyField::fpbr1, false, false},
    {"f<sub>pb2</sub>", &GearPairData::fpb2, &GearPairData::fpbr2, &GearPairData::fpb2Given, AccuracyField::fpbr2, false, false},
    {"F<sub>β1</sub>", &GearPairData::Fbeta1, &GearPairData::Fbetar1, &GearPairData::Fbeta1Given, AccuracyField::Fbetar1, true, true},
    {"F<sub>β2</sub>", &GearPairData::Fbeta2, &GearPairData::Fbetar2, &GearPairData::Fbeta2Given, AccuracyField::Fbetar2, true, true},
    {"f<sub>x</sub>", &GearPairData::fx, &GearPairData::fxr, &GearPairData::fxGiven, AccuracyField::fxr, false, true},
    {"f<sub>y</sub>", &GearPairData::fy, &GearPairData::fyr, &GearPairData::fyGiven, AccuracyField::fyr, false, true},
}};

QString qstr(double x, int w, int d) { return QString::fromStdString(str(x, w, d)); }

}  // namespace

AccuracyDialog::AccuracyDialog(GearPairData& data, Ui& ui, QWidget* parent)
    : CheckedFieldDialog(ui, kHelpTopic, parent), data_(data) {
    setObjectName(QStringLiteral("AccuracyDialog"));
    setWindowTitle(QStringLiteral("Stupně přesnosti a úchylky kol"));
    setModal(true);

    const auto addRule = [this](AccuracyField f) {
        return addCheckedField(
            static_cast<int>(f),
            [this, f](double v, bool readable) {
                const bool accepted = commitAccuracy(data_, f, v, readable).accepted();
                if (accepted) refresh();
                return Verdict{accepted, {}};
            },
            std::string(accuracyMessage(f)));
    };

    auto* grades = new QGroupBox(QStringLiteral("Stupeň přesnosti"), this);
    auto* gradeGrid = new QGridLayout(grades);
    gradeGrid->addWidget(new QLabel(QStringLiteral("IT1"), grades), 0, 0);
    gradeGrid->addWidget(addRule(AccuracyField::IT1), 0, 1);
    gradeGrid->addWidget(new QLabel(QStringLiteral("IT2"), grades), 1, 0);
    gradeGrid->addWidget(addRule(AccuracyField::IT2), 1, 1);

    auto* limits = new QGroupBox(QStringLiteral("Mezní úchylky "), this);
    auto* limitGrid = new QGridLayout(limits);
    limitGrid->addWidget(new QLabel(QStringLiteral("Mezní úchylky podle ČSN 01 4682"), limits), 0, 0, 1, 3);
    auto* measured = new QGroupBox(QStringLiteral("Změřené úchylky "), this);
    auto* measuredGrid = new QGridLayout(measured);
    for (std::size_t i = 0; i < kDeviations; ++i) {
        const DeviationSpec& def = kDeviationTable[i];
        Row& row = rows_[i];
        const QString caption = QString::fromUtf8(def.caption) + QStringLiteral(" = ");
        row.limitCaption = new QLabel(caption, limits);
        row.limit = new QLabel(limits);
        row.undefined = new QLabel(QStringLiteral("nedefin."), limits);
        const int r = static_cast<int>(i) + 1;
        limitGrid->addWidget(row.limitCaption, r, 0);
        limitGrid->addWidget(row.limit, r, 1);
        limitGrid->addWidget(row.undefined, r, 2);
        row.measuredCaption = new QLabel(caption, measured);
        row.measured = addRule(def.field);
        row.measured->installEventFilter(this);
        measuredGrid->addWidget(row.measuredCaption, r, 0);
        measuredGrid->addWidget(row.measured, r, 1);
    }

    auto* note = new QVBoxLayout;
    note->addWidget(new QLabel(QStringLiteral("Pro nedefinované mezní úchylky je"), this));
    note->addWidget(new QLabel(QStringLiteral("nutno zadat tyto přímo jako změřené"), this));
    note->addWidget(new QLabel(QStringLiteral("Rozměry v µm"), this));

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    help_ = new QPushButton(QStringLiteral("&Help"), this);
    reset_ = new QPushButton(QStringLiteral("&Nuluj"), this);
    ok_->setAutoDefault(false);
    reset_->setAutoDefault(false);
    makeHelpButton(help_);
    connect(ok_, &QPushButton::clicked, this, [this] {
        // Alt+O leaves no field: an empty measured field is settled as if it were left.
        for (const Row& row : rows_)
            if (row.measured->hasFocus()) emptyMeansNotMeasured(row.measured);
        if (fieldsSettled()) done(QDialog::Accepted);
    });
    connect(reset_, &QPushButton::clicked, this, [this] {
        resetMeasuredDeviations(data_);
        refresh();
    });

    auto* groups = new QHBoxLayout;
    groups->addWidget(grades);
    groups->addWidget(limits);
    groups->addWidget(measured);
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(note);
    buttons->addStretch();
    for (QPushButton* b : {ok_, help_, reset_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void AccuracyDialog::refresh() {
    field(1)->setText(QString::number(data_.IT1));
    field(2)->setText(QString::number(data_.IT2));
    // The misalignment deviations enter only the face load factor of a layout scheme.
    bool schemeRows = true;
    switch (data_.KHbetaFrom) {
        case KHbetaSource::Entered:
        case KHbetaSource::FromBcal: schemeRows = false; break;
        case KHbetaSource::FromScheme:
        case KHbetaSource::None: break;
    }
    for (std::size_t i = 0; i < kDeviations; ++i) {
        const DeviationSpec& def = kDeviationTable[i];
        const Row& row = rows_[i];
        const double measuredValue = data_.*def.measured;
        const bool given = data_.*def.given;
        const bool measuredCounts = def.positive ? measuredValue > 0 : measuredValue != 0;
        row.limit->setText(measuredCounts || !given ? QString() : qstr(data_.*def.limit, 2, 1));
        row.measured->setText(measuredCounts ? qstr(measuredValue, 2, 1) : QString());
        const bool shown = !def.alignment || schemeRows;
        row.undefined->setVisible(shown && !given);
        for (QWidget* w : std::initializer_list<QWidget*>{row.limitCaption, row.limit, row.measuredCaption, row.measured})
            w->setVisible(shown);
    }
}

void AccuracyDialog::emptyMeansNotMeasured(NumberEdit* edit) {
    // The repaint empties a measured field without a value; an empty field is the entry 0,
    // "not measured", which gives the limiting deviation back.
    if (edit->text().trimmed().isEmpty()) edit->setText(QStringLiteral("0"));
}

bool AccuracyDialog::eventFilter(QObject* watched, QEvent* event) {
    for (const Row& row : rows_) {
        if (watched != row.measured) continue;
        const bool leaving = event->type() == QEvent::FocusOut &&
                             static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                             static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (leaving || enter) emptyMeansNotMeasured(row.measured);
    }
    return CheckedFieldDialog::eventFilter(watched, event);
}

void AccuracyDialog::showEvent(QShowEvent* event) {
    CheckedFieldDialog::showEvent(event);
    refresh();
}

}  // namespace soukoli
