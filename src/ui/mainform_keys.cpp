// The main window's keyboard: scrolling keys, and the window menu that
// stands in for the desktop's own.
#include <QKeyEvent>
#include <QScrollBar>

#include "mainform.h"
#include "windowmenu.h"

namespace vorn {

namespace {

bool IsScrollKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

}  // namespace

void Tmain::keyPressEvent(QKeyEvent* event) {
    if (!IsScrollKey(event->key())) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Plain arrows move a selection; with Ctrl or Shift they scroll as ever.
    if (event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier) || !NudgeSelection(event->key()))
        FormKeyDown(event->key(), event->modifiers());
    event->accept();
}

void Tmain::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    ProgramState& s = *state_;
    if (clips_->Active()) return;  // a playing clip owns the view
    const int z = s.ZoomFactor;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    int step = NodePitch(z);
    if (ctrl) step = 24 * z;
    if (shift) step = 64 * z;

    const int oldX = HorzScroll->value();
    const int oldY = VertScroll->value();
    ++repaintHold_;
    if (!s.GestureActive) {
        switch (key) {
        case Qt::Key_Up: ScrollBy(VertScroll, -step); break;
        case Qt::Key_Down: ScrollBy(VertScroll, step); break;
        case Qt::Key_Left: ScrollBy(HorzScroll, -step); break;
        case Qt::Key_Right: ScrollBy(HorzScroll, step); break;
        case Qt::Key_Home:
            VertScroll->setValue(0);
            HorzScroll->setValue(0);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QScrollBar* bar = shift ? HorzScroll : VertScroll;
            const long long amount = ScrollAmount(bar, ctrl ? s.Settings.kmiddles : 1);
            ScrollBy(bar, key == Qt::Key_PageUp ? -amount : amount);
            break;
        }
        default: break;
        }
    }
    --repaintHold_;
    // Home and the arrows always repaint, even when nothing moved (while a
    // button is held they only repaint); other moves repaint when they moved.
    const bool arrowOrHome = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
                             key == Qt::Key_Right || key == Qt::Key_Home;
    if (arrowOrHome || HorzScroll->value() != oldX || VertScroll->value() != oldY) reloadcanvas();
}

// ---- window menu -----------------------------------------------------------

void Tmain::CreateSystemMenu() {
    SystemMenu = new WindowMenu(this);
    SystemMenu->AppendCommand(1028, tr("Опции                       Alt+O"), true);
    SystemMenu->AppendSeparator();
    SystemMenu->AppendCommand(1025, tr("Запуск мастера      Ctrl+M"));
    SystemMenu->AppendSeparator();
    SystemMenu->AppendCommand(1026, tr("О программе           Alt+F1"));
    SystemMenu->AppendCommand(1027, tr("Помощь                          F1"));
    connect(SystemMenu, &WindowMenu::commandChosen, this, &Tmain::SystemCommand);
}

void Tmain::SystemCommand(int command) {
    switch (command) {
    case 1027: ContentsClick(); break;
    case 1028: OpenSettings(); break;
    case 1025: Master1Click(); break;
    case 1026: AboutClick(); break;
    default: break;
    }
}

}  // namespace vorn
