#include "helpwindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vorn {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Справка"));

    contentsButton_ = new QPushButton(tr("&Содержание"), this);
    backButton_ = new QPushButton(tr("&Назад"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(backButton_);
    buttons->addStretch(1);

    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("HelpTopicList"));
    // A long title is wrapped onto further lines rather than cut at the edge.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDefaultStyleSheet(QStringLiteral(
        "table { border-collapse: collapse; margin-top: 4px; margin-bottom: 4px; }"
        "th, td { border: 1px solid #a0a0a0; padding: 2px 6px; }"
        "th { background-color: #eeeeee; }"
        "kbd { font-family: monospace; font-weight: bold; }"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(list_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({290, 570});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(880, 600);

    connect(contentsButton_, &QPushButton::clicked, this, [this] {
        if (const HelpTopic* contents = document_.Contents()) ShowTopic(contents->id);
    });
    connect(backButton_, &QPushButton::clicked, this, &HelpWindow::GoBack);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenLink);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < document_.topics.size() && document_.topics[row].id != currentId_)
            ShowTopic(document_.topics[row].id);
    });
    auto* back = new QShortcut(QKeySequence(QKeySequence::Back), this);
    connect(back, &QShortcut::activated, this, &HelpWindow::GoBack);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    UpdateButtons();
}

void HelpWindow::SetDocument(const HelpDocument& document) {
    document_ = document;
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (const HelpTopic& topic : document_.topics) {
            auto* item = new QListWidgetItem(topic.title, list_);
            item->setToolTip(topic.title);
        }
    }
    QStringList kept;
    for (const QString& id : history_) {
        if (document_.TopicById(id)) kept.append(id);
    }
    history_ = kept;
    const QString shown = document_.TopicById(currentId_) ? currentId_
                          : document_.Contents()          ? document_.Contents()->id
                                                          : QString();
    currentId_.clear();
    Display(shown);
}

bool HelpWindow::ShowTopic(const QString& id) {
    const bool known = document_.TopicById(id) != nullptr;
    const QString target = known ? id : (document_.Contents() ? document_.Contents()->id : QString());
    if (target == currentId_) return known;
    if (!currentId_.isEmpty()) history_.append(currentId_);
    Display(target);
    return known;
}

void HelpWindow::GoBack() {
    if (history_.isEmpty()) return;
    const QString previous = history_.takeLast();
    Display(previous);
}

void HelpWindow::Display(const QString& id) {
    currentId_ = id;
    const HelpTopic* topic = document_.TopicById(id);
    browser_->setHtml(topic ? HelpTopicHtml(*topic) : QString());
    {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(topic ? static_cast<int>(topic - document_.topics.constData()) : -1);
    }
    UpdateButtons();
}

void HelpWindow::OpenLink(const QUrl& url) {
    if (url.scheme() == QLatin1String(kHelpLinkScheme)) {
        ShowTopic(url.path(QUrl::FullyDecoded));
        return;
    }
    // FORMAT.md allows only topic links; anything else the file could hold
    // is ignored rather than opened.
}

void HelpWindow::UpdateButtons() {
    backButton_->setEnabled(!history_.isEmpty());
    const HelpTopic* contents = document_.Contents();
    contentsButton_->setEnabled(contents && contents->id != currentId_);
}

}  // namespace vorn
