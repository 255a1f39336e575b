// The user's settings that the main window works with, as one value: the
// settings dialog hands it over whenever one of them changes.
#pragma once

#include "circuitrenderer.h"

namespace vorn {

struct UserSettings {
    CircuitColors colors;       // wire, "0" and "1"
    int km = 3;                 // scroll increments per wheel notch
    int kmiddles = 5;           // the factor of fast scrolling (Ctrl, middle button)
    bool writeUserName = true;  // printing asks for the sender's name
    int undoSteps = 5;          // the depth of the undo history, 5..100
    int recoverySeconds = 30;   // between writes of the recovery copy; 0: none
};

}  // namespace vorn
