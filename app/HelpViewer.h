// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The program's own viewer of the help file "help_csn.hlp": a list of topics, the formatted page
// of the chosen one (Markdown), back and forward through the pages seen, and find in the page.
// The main window opens it at the contents, the dialogs at their topic numbers.
#pragma once

#include <QDialog>
#include <QString>
#include <QTextBrowser>
#include <map>

#include "engine/Ui.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

namespace soukoli {

/// One page of the help file.
struct HelpTopic {
    QString title;
    QString markdown;  ///< the body as written in the file
};

/// The topics of a help file by number (0 = contents). A line "@<number> <title>" opens a topic;
/// the lines up to the next one are its body in Markdown. Lines before the first topic are
/// comments.
std::map<int, HelpTopic> parseHelpFile(const QString& text);

/// Links between topics are written "tema:<number>"; pictures drawn by the program itself
/// "obrazek:schema/<layout number>" (the layout schemes of the face load factor).
QUrl topicUrl(int topic);

/// The page: loads topics and the program's pictures as the document's resources, so that
/// the browser's own history serves back and forward.
class HelpPage : public QTextBrowser {
public:
    HelpPage(const std::map<int, HelpTopic>& topics, QWidget* parent);
    QVariant loadResource(int type, const QUrl& url) override;

private:
    const std::map<int, HelpTopic>& topics_;
};

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    static constexpr int kContents = 0;

    HelpViewer(QString helpFile, Ui& ui, QWidget* parent = nullptr);

    /// Reads the help file and shows `topic`; "chyba" when the file or the topic is not there.
    bool openTopic(int topic);

    /// Shows `topic` of the file already read, as a link does; "chyba" when it is not there.
    bool followTopic(int topic);

    /// Finds `text` in the page from the cursor on (backwards when asked), wrapping around the
    /// page once; marks the find and returns whether there was one.
    bool findInPage(const QString& text, bool backwards = false);

    void back();
    void forward();

    [[nodiscard]] int currentTopic() const { return current_; }
    [[nodiscard]] QString pageText() const;
    [[nodiscard]] QString selectedText() const;
    [[nodiscard]] bool canGoBack() const;
    [[nodiscard]] bool canGoForward() const;

private:
    void display(int topic);
    void sourceChanged(const QUrl& url);

    QString file_;
    Ui& ui_;
    std::map<int, HelpTopic> topics_;
    QListWidget* list_;
    HelpPage* page_;
    QToolButton* back_;
    QToolButton* forward_;
    QLineEdit* find_;
    QLabel* findStatus_;
    int current_ = -1;
};

}  // namespace soukoli
