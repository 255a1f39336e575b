#include "windowmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace vorn {

WindowMenu::WindowMenu(QWidget* window)
    : QObject(window), window_(window), menu_(new QMenu(window)), shortcut_(new QShortcut(window)) {
    menu_->setSeparatorsCollapsible(false);
    shortcut_->setKey(QKeySequence(Qt::ALT | Qt::Key_Space));
    shortcut_->setContext(Qt::WindowShortcut);
    connect(shortcut_, &QShortcut::activated, this, &WindowMenu::Open);
}

WindowMenu::~WindowMenu() = default;

QAction* WindowMenu::AppendCommand(int command, const QString& text, bool newColumn) {
    if (newColumn && !menu_->isEmpty()) menu_->addSeparator();
    QAction* action = menu_->addAction(text);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command] { emit commandChosen(command); });
    return action;
}

void WindowMenu::AppendSeparator() { menu_->addSeparator(); }

void WindowMenu::Open() {
    menu_->popup(window_->mapToGlobal(QPoint(0, 0)));
}

}  // namespace vorn
