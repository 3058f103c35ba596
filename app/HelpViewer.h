// The program's own viewer of the help file "help_csn.hlp": a list of topics and the page of the
// chosen one. The main window opens it at the contents, the dialogs at their topic numbers.
#pragma once

#include <QDialog>
#include <QString>
#include <map>

#include "engine/Ui.h"

class QListWidget;
class QTextBrowser;

namespace soukoli {

/// One page of the help file.
struct HelpTopic {
    QString title;
    QString html;
};

/// The topics of a help file by number (0 = contents). A line "@<number> <title>" opens a topic;
/// the lines up to the next one are its text, a blank line ends a paragraph and a line starting
/// with "- " is an item of a list. Lines starting with "#" before the first topic are comments.
std::map<int, HelpTopic> parseHelpFile(const QString& text);

class HelpViewer : public QDialog {
    Q_OBJECT
public:
    static constexpr int kContents = 0;

    HelpViewer(QString helpFile, Ui& ui, QWidget* parent = nullptr);

    /// Reads the help file and shows `topic`; "chyba" when the file or the topic is not there.
    bool openTopic(int topic);

    [[nodiscard]] int currentTopic() const { return current_; }
    [[nodiscard]] QString pageText() const;

private:
    void showTopic(int topic);

    QString file_;
    Ui& ui_;
    std::map<int, HelpTopic> topics_;
    QListWidget* list_;
    QTextBrowser* page_;
    int current_ = -1;
};

}  // namespace soukoli
