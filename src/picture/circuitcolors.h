// The colours a circuit is drawn in: the plain wire and the two signals,
// and the cues of a running circuit that do not rest on colour alone.
#pragma once

#include <QColor>

namespace vorn {

struct CircuitColors {
    QColor wire{0, 0, 0};
    QColor zero{32, 188, 255};  // signal "0"
    QColor one{255, 0, 0};      // signal "1"
    QColor lit{255, 230, 0};    // the inside of a lamp with signal "1" while the circuit runs
    bool fillLitLamps = true;   // off: a lit lamp is only drawn in the colour of "1"
    bool thickOnes = false;     // wires and leads carrying "1" drawn twice as thick while running
};

}  // namespace vorn
