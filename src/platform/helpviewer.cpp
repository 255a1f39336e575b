#include "helpviewer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>

#include "helpfile.h"
#include "helpwindow.h"

namespace vorn {

namespace {

QString& HelpFilePath() {
    static QString path;
    return path;
}

QString& Caption() {
    static QString caption = QCoreApplication::translate("vorn::HelpViewer", "Справка");
    return caption;
}

QPointer<HelpWindow>& WindowPointer() {
    static QPointer<HelpWindow> window;
    return window;
}

void DefaultMessage(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QGuiApplication::applicationDisplayName(), text);
}

HelpViewer::MessageHandler& Handler() {
    static HelpViewer::MessageHandler handler = &DefaultMessage;
    return handler;
}

enum class Target { Contents, Keyword, Topic };

// Reads the file, finds the topic and shows it; tells a problem with the
// file instead.
void Open(QWidget* parent, Target target, const QString& key) {
    HelpLoadResult loaded = LoadHelpFile(HelpFilePath());
    if (loaded.status != HelpLoadStatus::Loaded) {
        Handler()(parent, loaded.message);
        return;
    }
    const HelpDocument& document = loaded.document;
    const HelpTopic* topic = nullptr;
    if (target == Target::Keyword) topic = document.TopicByKeyword(key);
    if (target == Target::Topic) {
        topic = document.TopicById(key);
        if (!topic) topic = document.TopicById(HelpTopicIdForMessage(key));
    }
    if (!topic) topic = document.Contents();

    QPointer<HelpWindow>& window = WindowPointer();
    if (!window) {
        // A window of its own, like a separate help program:
        // it is not disabled with the main window and never keeps the program
        // running once the main window has closed.
        window = new HelpWindow(nullptr);
        window->setAttribute(Qt::WA_QuitOnClose, false);
        if (QCoreApplication* application = QCoreApplication::instance()) {
            QObject::connect(application, &QCoreApplication::aboutToQuit, window, [] { HelpViewer::CloseWindow(); });
        }
    }
    window->setWindowTitle(Caption());
    window->SetDocument(document);
    window->ShowTopic(topic->id);
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void HelpViewer::SetHelpFile(const QString& path) { HelpFilePath() = path; }
QString HelpViewer::HelpFile() { return HelpFilePath(); }

void HelpViewer::OpenContents(QWidget* parent) { Open(parent, Target::Contents, QString()); }
void HelpViewer::OpenKeyword(QWidget* parent, const QString& keyword) { Open(parent, Target::Keyword, keyword); }
void HelpViewer::OpenTopic(QWidget* parent, const QString& topicId) { Open(parent, Target::Topic, topicId); }

void HelpViewer::SetWindowTitle(const QString& title) {
    Caption() = title;
    if (HelpWindow* window = WindowPointer().data()) window->setWindowTitle(title);
}
QString HelpViewer::WindowTitle() { return Caption(); }

void HelpViewer::SetMessageHandler(MessageHandler handler) { Handler() = handler ? handler : &DefaultMessage; }
HelpViewer::MessageHandler HelpViewer::CurrentMessageHandler() { return Handler(); }

HelpWindow* HelpViewer::Window() { return WindowPointer().data(); }

void HelpViewer::CloseWindow() {
    QPointer<HelpWindow>& window = WindowPointer();
    delete window.data();
    window = nullptr;
}

}  // namespace vorn
