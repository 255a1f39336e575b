// The work area's two picture widgets: the drawing surface, which shows the
// circuit picture and receives the mouse, and the small hover marker that
// floats over it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace vorn {

// Shows one QImage at its own size and passes the mouse on as signals. The
// picture always has the widget's size; a resize makes a new white one.
class DrawingSurface : public QWidget {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }

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
    QImage picture_;
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
