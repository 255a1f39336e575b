// A window menu of numbered commands, opened from the keyboard with
// Alt+Space: where the desktop offers no menu of its own to add commands to,
// the program keeps this one.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QShortcut;
class QWidget;

namespace vorn {

class WindowMenu : public QObject {
    Q_OBJECT
public:
    // Binds Alt+Space on the window to opening the menu.
    explicit WindowMenu(QWidget* window);
    ~WindowMenu() override;

    // Appends a command with its number. The texts are shown as given
    // (spaces included). A command that starts a new column is preceded by a
    // separator, since a pop-up menu here has only one column.
    QAction* AppendCommand(int command, const QString& text, bool newColumn = false);
    void AppendSeparator();

    QMenu* Menu() const { return menu_; }
    QShortcut* Shortcut() const { return shortcut_; }

    // Opens the menu below the window's top-left corner.
    void Open();

signals:
    void commandChosen(int command);

private:
    QWidget* window_;
    QMenu* menu_;
    QShortcut* shortcut_;
};

}  // namespace vorn
