#include "warningoverlay.h"

#include <QEvent>
#include <QPainter>

#include <utility>

namespace vorn {

namespace {

const QColor kWarningOrange(255, 140, 0);

}  // namespace

WarningOverlay::WarningOverlay(QWidget* surface, std::function<ViewGeometry()> view)
    : QWidget(surface), view_(std::move(view)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(surface->rect());
    surface->installEventFilter(this);
    lower();  // under the hover marker
    hide();
}

void WarningOverlay::SetMarks(std::vector<NodePos> marks) {
    marks_ = std::move(marks);
    setVisible(!marks_.empty());
    update();
}

bool WarningOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

// A ring around every marked node, a little wider than an element.
void WarningOverlay::paintEvent(QPaintEvent*) {
    const ViewGeometry view = view_();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kWarningOrange, view.zoom > 1 ? 2 : 1));
    painter.setBrush(Qt::NoBrush);
    const int radius = 6 * view.zoom;
    for (const NodePos& node : marks_) {
        const QPoint centre = view.PixelOf(node);
        if (!rect().adjusted(-radius, -radius, radius, radius).contains(centre)) continue;
        painter.drawEllipse(centre, radius, radius);
    }
}

}  // namespace vorn
