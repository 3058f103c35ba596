// Reading and showing the help file.
#include "app/HelpViewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>

namespace soukoli {

namespace {

// Turns the plain lines of a topic into paragraphs and lists.
QString toHtml(const QStringList& lines) {
    QString html;
    QString paragraph;
    bool inList = false;
    const auto flush = [&] {
        if (!paragraph.isEmpty()) html += QStringLiteral("<p>") + paragraph + QStringLiteral("</p>");
        paragraph.clear();
    };
    const auto closeList = [&] {
        if (inList) html += QStringLiteral("</ul>");
        inList = false;
    };
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flush();
            closeList();
        } else if (line.startsWith(QStringLiteral("- "))) {
            flush();
            if (!inList) html += QStringLiteral("<ul>");
            inList = true;
            html += QStringLiteral("<li>") + line.mid(2).toHtmlEscaped() + QStringLiteral("</li>");
        } else {
            closeList();
            if (!paragraph.isEmpty()) paragraph += QLatin1Char(' ');
            paragraph += line.toHtmlEscaped();
        }
    }
    flush();
    closeList();
    return html;
}

}  // namespace

std::map<int, HelpTopic> parseHelpFile(const QString& text) {
    static const QRegularExpression header(QStringLiteral("^@(\\d{1,6})\\s+(.*)$"));
    std::map<int, HelpTopic> topics;
    int number = -1;
    QStringList body;
    const auto finish = [&] {
        if (number >= 0) topics[number].html = toHtml(body);
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

HelpViewer::HelpViewer(QString helpFile, Ui& ui, QWidget* parent)
    : QDialog(parent), file_(std::move(helpFile)), ui_(ui), list_(new QListWidget(this)),
      page_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Nápověda"));
    list_->setMaximumWidth(230);
    page_->setOpenLinks(false);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(page_, 1);
    resize(720, 460);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) showTopic(list_->item(row)->data(Qt::UserRole).toInt());
    });
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
    const QSignalBlocker block(list_);
    list_->clear();
    for (const auto& [number, t] : topics_) {
        auto* item = new QListWidgetItem(t.title, list_);
        item->setData(Qt::UserRole, number);
    }
    showTopic(topic);
    show();
    raise();
    activateWindow();
    return true;
}

void HelpViewer::showTopic(int topic) {
    const auto it = topics_.find(topic);
    if (it == topics_.end()) return;
    current_ = topic;
    page_->setHtml(QStringLiteral("<h3>") + it->second.title.toHtmlEscaped() + QStringLiteral("</h3>") + it->second.html);
    const QSignalBlocker block(list_);
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->data(Qt::UserRole).toInt() == topic) list_->setCurrentRow(row);
}

QString HelpViewer::pageText() const {
    return page_->toPlainText();
}

}  // namespace soukoli
