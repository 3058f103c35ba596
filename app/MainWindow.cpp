// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The main window's controls and what its buttons do.
#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/QtUi.h"
#include "app/ResultPanels.h"
#include "dialogs/PressPreFilter.h"
#include "engine/Tabs.h"

namespace soukoli {

namespace {

constexpr const char* kVersionText = "  –  soukoli " SOUKOLI_VERSION "  (únosnost čelních soukolí)";

QPushButton* addButton(QVBoxLayout* column, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(caption);
    b->setMinimumWidth(118);
    column->addWidget(b);
    return b;
}

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->hide();
    return l;
}

}  // namespace

QString standardLabel(const GearPairData& g) {
    switch (g.standard) {
        case Standard::CSN: return QStringLiteral("ČSN 01 4686");
        case Standard::DIN_B: return QStringLiteral("DIN - ISO  B");
        case Standard::DIN_C: return QStringLiteral("DIN - ISO  C");
    }
    return {};
}

MainWindow::MainWindow(GearPairData& data, QtUi& ui, QWidget* parent)
    : QMainWindow(parent), data_(data), ui_(ui), preFilter_(new PressPreFilter(this)), tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("MainWindow"));
    // Dialogs notice a press on their options before the field being left is validated.
    preFilter_->install();

    full_ = buildPage(true);
    simplified_ = buildPage(false);
    tabs_->addTab(full_.widget, QStringLiteral("Úplný výpočet"));
    tabs_->addTab(simplified_.widget, QStringLiteral("Zjednodušený výpočet"));
    setCentralWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0)
            firstTabShown();
        else
            secondTabShown();
        updateCaption();
    });

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { emit helpRequested(0); });

    data_.TypSoukoli = Toothing::External;
    resetToDefaults(data_, ui_);
    selectToothingButtons();
    setSaveCaption();
    updateCaption();
}

MainWindow::~MainWindow() = default;

MainWindow::Page MainWindow::buildPage(bool first) {
    Page p;
    p.widget = new QWidget;

    auto* type = new QGroupBox(QStringLiteral("Typ ozubení"), p.widget);
    p.external = new QRadioButton(QStringLiteral("Vnější"), type);
    p.internal = new QRadioButton(QStringLiteral("Vnitřní"), type);
    auto* typeLayout = new QVBoxLayout(type);
    typeLayout->addWidget(p.external);
    typeLayout->addWidget(p.internal);
    connect(p.external, &QRadioButton::toggled, this, [this](bool on) {
        if (on) toothingChosen(Toothing::External);
    });
    connect(p.internal, &QRadioButton::toggled, this, [this](bool on) {
        if (on) toothingChosen(Toothing::Internal);
    });

    auto* column = new QVBoxLayout;
    column->addWidget(type);
    column->addSpacing(6);
    const QStringList inputs = first
        ? QStringList{QStringLiteral("Geometrie"), QStringLiteral("Materiály"), QStringLiteral("Zatížení"),
                      QStringLiteral("Rozměry"), QStringLiteral("Přesnost"), QStringLiteral("KHß"),
                      QStringLiteral("Součinitele")}
        : QStringList{QStringLiteral("Geometrie"), QStringLiteral("Materiály"), QStringLiteral("Zatížení"),
                      QStringLiteral("Rozměry"), QStringLiteral("KHß"), QStringLiteral("Součinitele")};
    for (const QString& caption : inputs) {
        QPushButton* b = addButton(column, caption);
        // The input dialog of this button is not part of the program yet.
        b->setEnabled(false);
        p.inputs.push_back(b);
    }
    column->addSpacing(10);
    if (first) {
        save_ = addButton(column, QStringLiteral("Ulož"));
        load_ = addButton(column, QStringLiteral("Načti"));
        help_ = addButton(column, QStringLiteral("Help"));
        save_->setEnabled(false);
        load_->setEnabled(false);
        connect(save_, &QPushButton::clicked, this, [this] {
            // No default extension and no filter; an existing file is overwritten only when
            // the user confirms it.
            QFileDialog dialog(this);
            dialog.setObjectName(QStringLiteral("SaveDialog"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            if (!lastSaveName_.isEmpty()) dialog.selectFile(lastSaveName_);
            if (ui_.runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
            saveAs(dialog.selectedFiles().constFirst());
        });
        connect(load_, &QPushButton::clicked, this, [this] {
            QFileDialog dialog(this);
            dialog.setObjectName(QStringLiteral("OpenDialog"));
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setDefaultSuffix(QStringLiteral("pev"));
            dialog.setNameFilters({QStringLiteral("Projekty (*.PEV *.pev)"), QStringLiteral("Všechny soubory (*)")});
            if (!changesSettled()) return;
            hideResults();
            const bool chosen = ui_.runModal(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
            // A cancelled dialog still recomputes the derived values of the current data.
            loadFrom(chosen ? dialog.selectedFiles().constFirst() : QString());
        });
        connect(help_, &QPushButton::clicked, this, [this] { emit helpRequested(0); });
    } else {
        print_ = addButton(column, QStringLiteral("Tisk"));
        print_->setEnabled(false);
        connect(print_, &QPushButton::clicked, this, &MainWindow::print);
    }
    p.quit = addButton(column, QStringLiteral("Konec"));
    connect(p.quit, &QPushButton::clicked, this, [this] {
        if (!changesSettled()) return;
        quitting_ = true;
        emit quitRequested();
    });
    column->addStretch(1);
    p.calculate = new QPushButton(QStringLiteral("Výpočet"), p.widget);
    p.calculate->setObjectName(QStringLiteral("Výpočet"));
    p.calculate->setMinimumHeight(52);
    QFont big = p.calculate->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    p.calculate->setFont(big);
    column->addWidget(p.calculate);
    connect(p.calculate, &QPushButton::clicked, this, &MainWindow::calculate);

    p.bending = new ResultPanel(QStringLiteral("OHYB"), bendingRows(!first), p.widget);
    p.contact = new ResultPanel(QStringLiteral("DOTYK"), contactRows(!first), p.widget);
    p.note = noteLabel(QStringLiteral("VÝPOČET JE POUZE INFORMATIVNÍ"), p.widget);
    QFont noteFont = p.note->font();
    noteFont.setBold(true);
    p.note->setFont(noteFont);
    QPalette red = p.note->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    p.note->setPalette(red);
    p.reasonEpsalfa = noteLabel(QStringLiteral("εα >2"), p.widget);
    p.reasonRim1 = noteLabel(QStringLiteral("sr1 < 3.5·mn"), p.widget);
    p.reasonRim2 = noteLabel(QStringLiteral("sr2 < 3.5·mn"), p.widget);

    auto* contactColumn = new QVBoxLayout;
    contactColumn->addWidget(p.contact);
    contactColumn->addWidget(p.note);
    contactColumn->addWidget(p.reasonEpsalfa);
    contactColumn->addWidget(p.reasonRim1);
    contactColumn->addWidget(p.reasonRim2);
    contactColumn->addStretch(1);
    auto* bendingColumn = new QVBoxLayout;
    bendingColumn->addWidget(p.bending);
    bendingColumn->addStretch(1);

    auto* layout = new QHBoxLayout(p.widget);
    layout->addLayout(column);
    layout->addSpacing(8);
    layout->addLayout(bendingColumn, 1);
    layout->addLayout(contactColumn, 1);

    // Tab goes down the column as it is drawn, "Výpočet" last.
    QList<QWidget*> order{p.external, p.internal};
    for (QPushButton* b : p.inputs) order << b;
    if (first)
        order << save_ << load_ << help_;
    else
        order << print_;
    order << p.quit << p.calculate;
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    return p;
}

bool MainWindow::onFirstTab() const {
    return tabs_->currentIndex() == 0;
}

QList<QRect> MainWindow::resultAreas() const {
    const auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    QRect buttons = global(full_.external->parentWidget()) | global(full_.calculate);
    for (const QPushButton* b : full_.inputs) buttons |= global(b);
    QRect contact = global(full_.contact);
    for (const QLabel* l : {full_.note, full_.reasonEpsalfa, full_.reasonRim1, full_.reasonRim2})
        if (!l->isHidden()) contact |= global(l);
    return {buttons, global(full_.bending), contact};
}

void MainWindow::selectToothingButtons() {
    const bool internal = data_.isInternal();
    for (const Page* p : {&full_, &simplified_}) {
        // Selecting from code is not the user's choice: no switch, no reset of the data set.
        const QSignalBlocker blockExternal(p->external);
        const QSignalBlocker blockInternal(p->internal);
        p->external->setChecked(!internal);
        p->internal->setChecked(internal);
    }
}

void MainWindow::toothingChosen(Toothing type) {
    if (!loadingInProgress_ && !changesSettled()) {
        selectToothingButtons();
        return;
    }
    const ToothingInputs inputs = loadingInProgress_ ? ToothingInputs::Keep : ToothingInputs::Reset;
    switchToothing(data_, type, inputs, ui_);
    // A new project is that of a new start, where the first tab is shown; on the second tab it
    // is then prepared as when that tab is shown.
    if (inputs == ToothingInputs::Reset && !onFirstTab())
        secondTabShown();
    else
        hideResults();
    selectToothingButtons();
    emit toothingSwitched();
    tracker_.started();
    statusBar()->clearMessage();
    updateCaption();
}

void MainWindow::firstTabShown() {
    loadingInProgress_ = true;
    selectToothingButtons();
    prepareFullTab(data_);
    hideResults();
    loadingInProgress_ = false;
}

void MainWindow::secondTabShown() {
    if (print_) print_->setEnabled(false);
    loadingInProgress_ = true;
    selectToothingButtons();
    prepareSimplifiedTab(data_);
    savedSimplified_ = true;  // the next save is that of the simplified calculation
    hideResults();
    loadingInProgress_ = false;
    setSaveCaption();
}

void MainWindow::hideResults() {
    const bool first = onFirstTab();
    if (first || !data_.Zjednoduseny) {
        full_.bending->hideResults();
        full_.contact->hideResults();
        for (QLabel* l : {full_.note, full_.reasonEpsalfa, full_.reasonRim1, full_.reasonRim2}) l->hide();
    }
    // The S-N windows belong to the first tab's results: they go whenever results are hidden,
    // also when the second tab is shown (the simplified flag is set by then), so that they
    // never show a full calculation beside the simplified one.
    emit chartsClosed();
    if (!first || data_.Zjednoduseny) {
        if (print_) print_->setEnabled(false);
        simplified_.bending->hideResults();
        simplified_.contact->hideResults();
        for (QLabel* l : {simplified_.note, simplified_.reasonEpsalfa, simplified_.reasonRim1, simplified_.reasonRim2})
            l->hide();
    }
    if (!loadingInProgress_ && !data_.Zjednoduseny) savedSimplified_ = false;
    setSaveCaption();
}

void MainWindow::setSaveCaption() {
    if (save_) save_->setText(savedSimplified_ ? QStringLiteral("Ulož zjednod.") : QStringLiteral("Ulož"));
}

void MainWindow::showNote(const Page& p, bool first) {
    const bool epsalfa = limitsTransverseContactRatio(data_.standard) && data_.Epsalfa >= 2;
    const bool rim1 = first && data_.TenkyVenec1;
    const bool rim2 = first && data_.TenkyVenec2;
    p.note->setVisible(epsalfa || rim1 || rim2);
    p.reasonEpsalfa->setVisible(epsalfa);
    p.reasonRim1->setVisible(rim1);
    p.reasonRim2->setVisible(rim2);
}

void MainWindow::calculate() {
    if (!data_.Zjednoduseny) savedSimplified_ = false;
    setSaveCaption();
    runRecord_.calculate(data_, ui_);

    const bool first = onFirstTab();
    const Page& p = first ? full_ : simplified_;
    if (!data_.runFlag) {
        p.bending->hideResults();
        p.contact->hideResults();
        for (QLabel* l : {p.note, p.reasonEpsalfa, p.reasonRim1, p.reasonRim2}) l->hide();
        return;
    }
    p.bending->showResults(data_);
    p.contact->showResults(data_);
    showNote(p, first);
    if (first) emit fullCalculationSucceeded();
    if (print_ && commands_.print) print_->setEnabled(true);
    updateCaption();
}

void MainWindow::updateCaption() {
    const QString file = tracker_.fileName();
    // "[*]" is where Qt shows the modified mark.
    setWindowTitle(file.isEmpty() ? standardLabel(data_) + QStringLiteral("[*]") + QString::fromUtf8(kVersionText)
                                  : standardLabel(data_) + QStringLiteral(" – ") + file + QStringLiteral("[*]"));
    setWindowModified(tracker_.changed());
}

void MainWindow::projectStarted() {
    tracker_.started();
    updateCaption();
}

bool MainWindow::changesSettled() {
    if (!tracker_.changed()) return true;
    switch (ui_.askSaveChanges()) {
        case QtUi::SaveChanges::Save:
            // "Ulož" as the button does it; a cancelled or failed save keeps the project.
            if (save_ && save_->isEnabled()) save_->click();
            return !tracker_.changed();
        case QtUi::SaveChanges::Discard: return true;
        case QtUi::SaveChanges::Cancel: return false;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (quitting_ || changesSettled())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::event(QEvent* e) {
    // Back from a window of the program (a dialog, the S-N windows): the modified mark follows
    // what was entered there.
    if (e->type() == QEvent::WindowActivate) updateCaption();
    return QMainWindow::event(e);
}

void MainWindow::showSaveStatus(const files::SaveOutcome& saved) {
    QStringList written;
    const auto note = [&written](bool ok, const std::filesystem::path& file) {
        if (ok) written << QFileInfo(QString::fromStdString(file.string())).fileName();
    };
    note(saved.inputReportSaved, saved.names.inputReport);
    note(saved.projectSaved, saved.names.project);
    note(saved.resultsSaved, saved.names.results);
    if (written.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Nic nebylo uloženo."));
        return;
    }
    const QString folder = QFileInfo(QString::fromStdString(saved.names.project.string())).absolutePath();
    statusBar()->showMessage((saved.ok() ? QStringLiteral("Uloženo: ") : QStringLiteral("Uloženo jen: ")) +
                             written.join(QStringLiteral(", ")) + QStringLiteral("  (") + folder + QLatin1Char(')'));
}

void MainWindow::setInputAction(const QString& caption, std::function<void(bool simplified)> open) {
    for (const Page* p : {&full_, &simplified_}) {
        for (QPushButton* b : p->inputs) {
            if (b->text() != caption) continue;
            b->disconnect(this);
            b->setEnabled(true);
            const bool simplified = p == &simplified_;
            connect(b, &QPushButton::clicked, this, [this, open, simplified] {
                hideResults();
                open(simplified);
                updateCaption();
            });
        }
    }
}

void MainWindow::setProjectCommands(ProjectCommands commands) {
    commands_ = std::move(commands);
    save_->setEnabled(static_cast<bool>(commands_.save));
    load_->setEnabled(static_cast<bool>(commands_.load));
}

void MainWindow::saveAs(const QString& name) {
    if (!commands_.save) return;
    const files::SaveOutcome saved = commands_.save(name, savedSimplified_);
    lastSaveName_ = QString::fromStdString(saved.names.project.string());
    // The project file holds the project from now on, whatever became of the two reports.
    if (saved.projectSaved) tracker_.stored(lastSaveName_);
    showSaveStatus(saved);
    updateCaption();
}

void MainWindow::loadFrom(const QString& name) {
    if (!commands_.load) return;
    hideResults();
    loadingInProgress_ = true;
    const bool read = commands_.load(name);
    loadingInProgress_ = false;
    if (!read) return;
    selectToothingButtons();
    if (data_.Zjednoduseny) tabs_->setCurrentIndex(1);
    // After the tab is set up: what the project is when it opens.
    if (!name.isEmpty()) {
        tracker_.stored(name);
        statusBar()->clearMessage();
    }
    updateCaption();
}

void MainWindow::print() {
    if (commands_.print) commands_.print();
}

}  // namespace soukoli
