#include "windowcontrol.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace vorn {

namespace {

class OwnerHold : public QObject {
public:
    OwnerHold(QWidget& secondary, QWidget& owner) : QObject(&secondary), owner_(&owner) {
        secondary.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!owner_) return false;
        if (event->type() == QEvent::Show) owner_->setEnabled(false);
        // A spontaneous hide is the window being minimised: it is still up.
        if (event->type() == QEvent::Hide && !event->spontaneous()) ReturnControl(*owner_);
        return false;
    }

private:
    QPointer<QWidget> owner_;
};

}  // namespace

void ReturnControl(QWidget& window) {
    window.setEnabled(true);
    window.raise();
    window.activateWindow();
    window.setFocus();
}

void HoldWhileShown(QWidget& secondary, QWidget& owner) { new OwnerHold(secondary, owner); }

}  // namespace vorn
