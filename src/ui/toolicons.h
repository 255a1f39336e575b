// The 32 x 32 pictures of the eight tool buttons, drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vorn {

inline constexpr int kToolIconSize = 32;

// The picture of tool 1 (wire) to 8 (selection); a transparent one otherwise.
QPixmap ToolPixmap(int tool);
QIcon ToolIcon(int tool);

}  // namespace vorn
