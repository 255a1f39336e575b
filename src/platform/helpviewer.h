// The help viewer. It opens the program's help file (help/help.hlp,
// format in help/FORMAT.md) in our own viewer window, at its contents, at the
// topic of a keyword, or at a topic id. One window is made and reused.
//
// A help file that is missing, unreadable or damaged is told through the
// message handler (by default a plain error box; VornApplication and
// Dialogs::Install route it through the Dialogs seam), and nothing else
// happens. An unknown keyword or topic id opens the contents.
#pragma once

#include <QString>

class QWidget;

namespace vorn {

class HelpWindow;

class HelpViewer {
public:
    // The help file to open; set at main-window creation to
    // ProgramFolder + "/help/help.hlp". The file is read at every opening, so
    // a changed file shows at once.
    static void SetHelpFile(const QString& path);
    static QString HelpFile();

    // F1, "Помощь", system command 1027: the contents (the file's first topic).
    static void OpenContents(QWidget* parent);
    // Object help: the first topic that lists the keyword, e.g.
    // "Провода", "Провод", "Источник", "Лампочка", "Инвертор", "Конъюнктор",
    // "Дизъюнктор"; keywords match regardless of case.
    static void OpenKeyword(QWidget* parent, const QString& keyword);
    // The help of a message: the topic whose id equals topicId; if
    // none does, the one whose id equals topicId with its blanks removed, so
    // the message text itself may be passed as well.
    static void OpenTopic(QWidget* parent, const QString& topicId);

    // The caption of the viewer window (default "Справка").
    static void SetWindowTitle(const QString& title);
    static QString WindowTitle();

    // Where a problem with the help file is told: parent is the widget that
    // asked for help (may be nullptr), text a translated sentence naming the
    // file and the fault. nullptr restores the default, a QMessageBox.
    using MessageHandler = void (*)(QWidget* parent, const QString& text);
    static void SetMessageHandler(MessageHandler handler);
    static MessageHandler CurrentMessageHandler();

    // The viewer window, or nullptr before the first successful opening and
    // after CloseWindow. For tests and for the main window's shutdown.
    static HelpWindow* Window();
    // Closes and destroys the viewer window, if there is one.
    static void CloseWindow();
};

}  // namespace vorn
