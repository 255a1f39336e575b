// The work area's two picture widgets: the drawing surface, which shows the
// circuit picture and receives the mouse, and the small hover marker that
// floats over it.
#pragma once

#include <functional>

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

class QPainter;

namespace vorn {

// Shows one QImage at its own size and passes the mouse on as signals. The
// picture always has the widget's size; a resize makes a new white one.
//
// On a screen with more device pixels than the widget has pixels (a device
// pixel ratio above 1) the picture would be shown enlarged and blocky; given
// a sharp painter, the surface shows what that painter draws instead, at the
// screen's own resolution, and draws it again whenever the picture changes.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }

    // Draws the picture's content on a white painter in the picture's own
    // pixels (the painter's device may have finer ones).
    using SharpPainter = std::function<void(QPainter&)>;
    void SetSharpPainter(SharpPainter painter);

    // The hint of the work area: the name of the object under the pointer.
    // When the pointer is over the surface the new hint is announced at once.
    void SetHint(const QString& hint);
    QString Hint() const { return statusTip(); }

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    // The second press of a double-click, in place of its mousePressed.
    void mouseDoubleClicked(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void pictureResized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The picture as a screen of that device pixel ratio shows it.
    const QImage& Shown(qreal ratio);

    QImage picture_;
    SharpPainter sharpPainter_;
    QImage sharp_;            // drawn by the sharp painter at the screen's resolution
    qint64 sharpOf_ = 0;      // the cache key of the picture sharp_ was drawn for
};

// The marker's pictures: the anchor dot of the wire tool, the light-green
// patch that shows where an element goes, and the red one that refuses it.
enum class MarkerPicture { AnchorDot, Placement, Refusal };

// A small picture over the drawing surface that never takes the mouse.
class HoverMarker : public QWidget {
    Q_OBJECT
public:
    explicit HoverMarker(QWidget* parent = nullptr);

    void SetPicture(MarkerPicture picture);
    MarkerPicture Picture() const { return picture_; }
    // A transparent marker lets the circuit show between the checker's
    // squares; an opaque one fills them with white.
    void SetTransparent(bool transparent);
    bool Transparent() const { return transparent_; }

    // The marker as it is drawn, at its current size.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MarkerPicture picture_ = MarkerPicture::AnchorDot;
    bool transparent_ = true;
};

}  // namespace vorn
