// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Reading and showing the help file: topics as Markdown pages, links between them, the layout
// schemes drawn by the program's own plotting routine, history and find in the page.
#include "app/HelpViewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "dialogs/LayoutSchemeChart.h"

namespace soukoli {

namespace {

const QString kTopicScheme = QStringLiteral("tema");
const QString kPictureScheme = QStringLiteral("obrazek");
constexpr int kLayouts = 10;

// The topic number of a "tema:<n>" link, or -1.
int topicOf(const QUrl& url) {
    if (url.scheme() != kTopicScheme) return -1;
    bool ok = false;
    const int n = url.path().toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

// Markdown tables come with double borders; a page reads better with thin single lines.
void thinTableBorders(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorder(1);
        format.setBorderBrush(QColor(0xb0, 0xb0, 0xb0));
        format.setCellPadding(3);
        format.setCellSpacing(0);
        table->setFormat(format);
    }
}

// A layout scheme as a picture for the page: the enlarged drawing on white.
QImage layoutPicture(int number) {
    QImage image(300, 129, QImage::Format_RGB32);  // the drawing space's 350 × 150 proportions
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawLayout(painter, image.rect().adjusted(4, 4, -4, -4), number, false);
    return image;
}

}  // namespace

QUrl topicUrl(int topic) {
    QUrl url;
    url.setScheme(kTopicScheme);
    url.setPath(QString::number(topic));
    return url;
}

std::map<int, HelpTopic> parseHelpFile(const QString& text) {
    static const QRegularExpression header(QStringLiteral("^@(\\d{1,6})\\s+(.*)$"));
    std::map<int, HelpTopic> topics;
    int number = -1;
    QStringList body;
    const auto finish = [&] {
        if (number >= 0) topics[number].markdown = body.join(QLatin1Char('\n')).trimmed();
        body.clear();
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString l = QString(line).remove(QLatin1Char('\r'));
        const QRegularExpressionMatch m = header.match(l);
        if (m.hasMatch()) {
            finish();
            number = m.captured(1).toInt();
            topics[number].title = m.captured(2).trimmed();
        } else if (number >= 0) {
            body << l;
        }
    }
    finish();
    return topics;
}

HelpPage::HelpPage(const std::map<int, HelpTopic>& topics, QWidget* parent)
    : QTextBrowser(parent), topics_(topics) {}

QVariant HelpPage::loadResource(int type, const QUrl& url) {
    const int topic = topicOf(url);
    if (topic >= 0) {
        const auto it = topics_.find(topic);
        if (it == topics_.end()) return {};
        return QVariant(QStringLiteral("# ") + it->second.title + QStringLiteral("\n\n") + it->second.markdown);
    }
    if (url.scheme() == kPictureScheme && type == QTextDocument::ImageResource) {
        const QStringList parts = url.path().split(QLatin1Char('/'));
        bool ok = false;
        const int number = parts.size() == 2 && parts[0] == QLatin1String("schema") ? parts[1].toInt(&ok) : 0;
        if (ok && number >= 1 && number <= kLayouts) return QVariant(layoutPicture(number));
        return {};
    }
    return QTextBrowser::loadResource(type, url);
}

HelpViewer::HelpViewer(QString helpFile, Ui& ui, QWidget* parent)
    : QDialog(parent), file_(std::move(helpFile)), ui_(ui), list_(new QListWidget(this)),
      page_(new HelpPage(topics_, this)), back_(new QToolButton(this)), forward_(new QToolButton(this)),
      find_(new QLineEdit(this)), findStatus_(new QLabel(this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Nápověda"));
    list_->setMinimumWidth(290);
    list_->setMaximumWidth(320);
    page_->setOpenLinks(false);

    back_->setText(QStringLiteral("◀ Zpět"));
    back_->setToolTip(QStringLiteral("Předchozí stránka (Alt+←)"));
    forward_->setText(QStringLiteral("Vpřed ▶"));
    forward_->setToolTip(QStringLiteral("Následující stránka (Alt+→)"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    auto* contents = new QToolButton(this);
    contents->setText(QStringLiteral("Obsah"));
    find_->setPlaceholderText(QStringLiteral("Hledat na stránce (Ctrl+F)"));
    find_->setAccessibleName(QStringLiteral("Hledat"));
    find_->setClearButtonEnabled(true);
    auto* next = new QPushButton(QStringLiteral("Další"), this);
    next->setAutoDefault(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents);
    bar->addStretch(1);
    bar->addWidget(new QLabel(QStringLiteral("Hledat:"), this));
    bar->addWidget(find_);
    bar->addWidget(next);
    bar->addWidget(findStatus_);
    auto* body = new QHBoxLayout;
    body->addWidget(list_);
    body->addWidget(page_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    resize(1000, 640);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) followTopic(list_->item(row)->data(Qt::UserRole).toInt());
    });
    connect(page_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const int topic = topicOf(url);
        if (topic >= 0) {
            followTopic(topic);
        } else if (url.scheme().isEmpty() && url.hasFragment()) {
            page_->scrollToAnchor(url.fragment());
        }
    });
    connect(page_, &QTextBrowser::sourceChanged, this, &HelpViewer::sourceChanged);
    connect(page_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, this, &HelpViewer::back);
    connect(forward_, &QToolButton::clicked, this, &HelpViewer::forward);
    connect(contents, &QToolButton::clicked, this, [this] { followTopic(kContents); });
    connect(find_, &QLineEdit::returnPressed, this, [this] { findInPage(find_->text()); });
    connect(next, &QPushButton::clicked, this, [this] { findInPage(find_->text()); });
    connect(find_, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Search as one types: from the start of the current find, so the match grows in place.
        QTextCursor c = page_->textCursor();
        c.setPosition(c.selectionStart());
        page_->setTextCursor(c);
        findInPage(text);
    });

    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Back, [this] { back(); });
    shortcut(QKeySequence::Forward, [this] { forward(); });
    shortcut(QKeySequence::Find, [this] {
        find_->setFocus();
        find_->selectAll();
    });
    shortcut(QKeySequence::FindNext, [this] { findInPage(find_->text()); });
    shortcut(QKeySequence::FindPrevious, [this] { findInPage(find_->text(), true); });
}

bool HelpViewer::openTopic(int topic) {
    QFile f(file_);
    if (!f.open(QIODevice::ReadOnly)) {
        ui_.message("chyba");
        return false;
    }
    // A help file is small; anything beyond a megabyte is not ours.
    constexpr qint64 kMaxSize = 1 << 20;
    topics_ = parseHelpFile(QString::fromUtf8(f.read(kMaxSize)));
    if (topics_.find(topic) == topics_.end()) {
        ui_.message("chyba");
        return false;
    }
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (const auto& [number, t] : topics_) {
            auto* item = new QListWidgetItem(t.title, list_);
            item->setData(Qt::UserRole, number);
        }
    }
    display(topic);
    QDialog::show();
    raise();
    activateWindow();
    return true;
}

bool HelpViewer::followTopic(int topic) {
    if (topics_.find(topic) == topics_.end()) {
        ui_.message("chyba");
        return false;
    }
    display(topic);
    return true;
}

void HelpViewer::display(int topic) {
    const QUrl url = topicUrl(topic);
    if (page_->source() == url) {
        page_->reload();  // the file was read again
    } else {
        page_->setSource(url, QTextDocument::MarkdownResource);
    }
    sourceChanged(url);
}

void HelpViewer::sourceChanged(const QUrl& url) {
    current_ = topicOf(url);
    thinTableBorders(*page_->document());
    findStatus_->clear();
    const QSignalBlocker block(list_);
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(Qt::UserRole).toInt() == current_) list_->setCurrentRow(row);
}

bool HelpViewer::findInPage(const QString& text, bool backwards) {
    findStatus_->clear();
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (page_->find(text, flags)) return true;
    // Once more from the other end of the page.
    QTextCursor c = page_->textCursor();
    c.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
    page_->setTextCursor(c);
    if (page_->find(text, flags)) return true;
    findStatus_->setText(QStringLiteral("<span style='color:red'>nenalezeno</span>"));
    return false;
}

void HelpViewer::back() {
    page_->backward();
}

void HelpViewer::forward() {
    page_->forward();
}

QString HelpViewer::pageText() const {
    return page_->toPlainText();
}

QString HelpViewer::selectedText() const {
    return page_->textCursor().selectedText();
}

bool HelpViewer::canGoBack() const {
    return page_->isBackwardAvailable();
}

bool HelpViewer::canGoForward() const {
    return page_->isForwardAvailable();
}

}  // namespace soukoli
