#include "drawingsurface.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>

#include <utility>

namespace vorn {

namespace {

const QColor kAnchorBlue(0, 0, 255);
const QColor kPlacementGreen(128, 255, 128);
const QColor kRefusalRed(255, 0, 0);

}  // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // hover feedback needs moves without a button
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void DrawingSurface::SetHint(const QString& hint) {
    if (hint == statusTip()) return;
    setStatusTip(hint);
    // A widget announces its hint only when the pointer enters it; a hint
    // that changes under the pointer has to be announced here.
    if (underMouse()) {
        QStatusTipEvent tip(hint);
        QCoreApplication::sendEvent(this, &tip);
    }
}

void DrawingSurface::SetSharpPainter(SharpPainter painter) {
    sharpPainter_ = std::move(painter);
    sharp_ = QImage();
    update();
}

const QImage& DrawingSurface::Shown(qreal ratio) {
    if (ratio <= 1 || !sharpPainter_ || picture_.isNull()) return picture_;
    // Every change of the picture changes its cache key, so the sharp copy
    // follows every repaint and every stroke drawn straight onto it.
    if (sharp_.isNull() || sharpOf_ != picture_.cacheKey() || sharp_.devicePixelRatio() != ratio) {
        const QSize size = (QSizeF(picture_.size()) * ratio).toSize();
        if (sharp_.size() != size) sharp_ = QImage(size, QImage::Format_RGB32);
        sharp_.setDevicePixelRatio(ratio);
        sharp_.fill(Qt::white);
        QPainter painter(&sharp_);
        sharpPainter_(painter);
        sharpOf_ = picture_.cacheKey();
    }
    return sharp_;
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const QImage& shown = Shown(devicePixelRatioF());
    if (&shown == &picture_) {
        painter.drawImage(area, picture_, area);
        return;
    }
    const qreal ratio = shown.devicePixelRatio();
    painter.drawImage(QRectF(area), shown, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (picture_.size() == size()) return;
    if (width() > 0 && height() > 0) {
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(Qt::white);
    } else {
        picture_ = QImage();
    }
    emit pictureResized();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    emit mouseDoubleClicked(event->button(), event->modifiers(), event->position().toPoint());
}

HoverMarker::HoverMarker(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void HoverMarker::SetPicture(MarkerPicture picture) {
    picture_ = picture;
    update();
}

void HoverMarker::SetTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

QImage HoverMarker::Render() const {
    QImage image(size(), QImage::Format_ARGB32);
    image.fill(transparent_ ? Qt::transparent : Qt::white);
    if (image.isNull()) return image;
    if (picture_ == MarkerPicture::AnchorDot) {
        // A filled dot in the 5 x 5 top-left square: a plus with its corners
        // left out.
        for (int y = 0; y < 5 && y < image.height(); ++y)
            for (int x = 0; x < 5 && x < image.width(); ++x) {
                const bool corner = (x == 0 || x == 4) && (y == 0 || y == 4);
                if (!corner) image.setPixelColor(x, y, kAnchorBlue);
            }
        return image;
    }
    const QColor colour = picture_ == MarkerPicture::Placement ? kPlacementGreen : kRefusalRed;
    for (int y = 0; y < image.height(); ++y)
        for (int x = (y & 1); x < image.width(); x += 2) image.setPixelColor(x, y, colour);
    return image;
}

void HoverMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Render());
}

}  // namespace vorn
