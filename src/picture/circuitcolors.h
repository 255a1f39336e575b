// The colours a circuit is drawn in: the plain wire and the two signals.
#pragma once

#include <QColor>

namespace vorn {

struct CircuitColors {
    QColor wire{0, 0, 0};
    QColor zero{32, 188, 255};  // signal "0"
    QColor one{255, 0, 0};      // signal "1"
};

}  // namespace vorn
