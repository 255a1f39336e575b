// The help viewer's window: the list of topics on the left, the topic on the
// right, buttons for the contents and for going back. One instance is made
// by HelpViewer and reused (helpviewer.h).
#pragma once

#include <QStringList>
#include <QWidget>

#include "helpfile.h"

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace vorn {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Takes a freshly read help file. The topic shown stays if the new
    // document still has it; otherwise the contents are shown.
    void SetDocument(const HelpDocument& document);
    const HelpDocument& Document() const { return document_; }

    // Shows the topic with this id and remembers the one shown before for
    // "Назад". An unknown id shows the contents; returns whether it was known.
    bool ShowTopic(const QString& id);
    QString CurrentTopicId() const { return currentId_; }

    // Goes back to the topic shown before, if any.
    void GoBack();

    QTextBrowser* Browser() const { return browser_; }
    QListWidget* TopicList() const { return list_; }

private:
    void Display(const QString& id);
    void OpenLink(const QUrl& url);
    void UpdateButtons();

    HelpDocument document_;
    QString currentId_;
    QStringList history_;
    QListWidget* list_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QPushButton* contentsButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
};

}  // namespace vorn
