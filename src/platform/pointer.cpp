#include "pointer.h"

#include <algorithm>

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QObject>

namespace vorn::Pointer {

namespace {

// Watches every pointer move of the application while a rectangle is set.
class ConfinementFilter : public QObject {
public:
    std::optional<QRect> rect;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (rect && event->type() == QEvent::MouseMove) {
            const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            const QPoint inside(std::clamp(global.x(), rect->left(), rect->right()),
                                std::clamp(global.y(), rect->top(), rect->bottom()));
            if (inside != global) {
                QCursor::setPos(inside);
                return true;  // the move that left the rectangle is not seen
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

ConfinementFilter* Filter() {
    static ConfinementFilter* filter = [] {
        auto* f = new ConfinementFilter;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            f->setParent(app);
            app->installEventFilter(f);
        }
        return f;
    }();
    return filter;
}

}  // namespace

QPoint Position() { return QCursor::pos(); }

void MoveTo(QPoint screenPosition) { QCursor::setPos(screenPosition); }

void Confine(const QRect& screenRect) {
    if (screenRect.isEmpty()) {
        Release();
        return;
    }
    Filter()->rect = screenRect;
}

void Release() { Filter()->rect.reset(); }

std::optional<QRect> Confinement() { return Filter()->rect; }

}  // namespace vorn::Pointer
