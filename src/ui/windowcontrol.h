// Who has the user's attention: while a secondary window (the wizard, the
// settings, the about box) shows, the main window under it is disabled;
// once it hides, the main window gets the user back.
#pragma once

class QWidget;

namespace vorn {

// Enables the window, raises it and gives it the focus.
void ReturnControl(QWidget& window);

// Keeps owner disabled whenever secondary shows, however it came to show,
// and returns control to owner whenever it hides (not when it is minimised).
void HoldWhileShown(QWidget& secondary, QWidget& owner);

}  // namespace vorn
