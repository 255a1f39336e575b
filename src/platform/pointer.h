// The system pointer: reading and setting its screen position, and keeping
// it inside a screen rectangle while a wire is drawn.
//
// Confinement is done by the program itself: while a rectangle is set, a
// pointer move that leaves it is taken back to the nearest point inside, and
// the move outside never reaches a widget. During a held button the window
// receives every move (the pointer is grabbed), which is exactly when the
// program confines it. Where the pointer cannot be moved (offscreen, some
// Wayland desktops) the calls change nothing harmful: the moves outside are
// still held back.
#pragma once

#include <optional>

#include <QPoint>
#include <QRect>

namespace vorn::Pointer {

// The pointer's position on the screen.
QPoint Position();

// Moves the pointer to a screen position.
void MoveTo(QPoint screenPosition);

// Keeps the pointer inside the screen rectangle until Release.
void Confine(const QRect& screenRect);

// Ends the confinement; harmless when there is none.
void Release();

// The rectangle the pointer is kept in, if any.
std::optional<QRect> Confinement();

}  // namespace vorn::Pointer
