// Everything the main window keeps for the whole run besides the document:
// the selected tool, the zoom, the run and clip flags and the user's settings.
// One object, owned by the main window, so a test can start from a fresh one.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPoint>
#include <QString>

#include "cellgrid.h"
#include "circuitrenderer.h"
#include "usersettings.h"
#include "viewgeometry.h"

namespace vorn {

// Tool numbers of CurrentTool; 64 is added to them while the circuit runs.
enum ToolNumber : int {
    ToolWire = 1,
    ToolSource = 2,
    ToolLamp = 3,
    ToolInverter = 4,
    ToolConjunctor = 5,
    ToolDisjunctor = 6,
    ToolEraser = 7,
    ToolSelect = 8,
};
inline constexpr int kRunToolOffset = 64;

struct ProgramState {
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // The grid as it was when a button went down (large: on the heap).
    std::unique_ptr<NodeGrid> GestureSnapshot;

    int CurrentTool = ToolWire;
    int ZoomFactor = 2;  // 1, 2 or 3
    bool RunMode = false;
    bool GestureActive = false;   // a mouse button is held in the work area
    bool GestureChanged = false;  // the current gesture changed the grid

    // Drawing: the node a wire has reached; the next segment starts there.
    NodePos DrawingAnchor{0, 0};

    // Moving an element from the pop-up menu: the node the menu was opened
    // on, whether a picked-up element waits to be placed, and the tool to
    // choose again once it has been.
    NodePos PopupNode{0, 0};
    bool MovePending = false;
    int ToolBeforeMove = ToolWire;
    // The name a picked-up source or lamp takes to its new place, and its code.
    std::string MovedName;
    std::int32_t MovedCode = 0;

    // The user's settings in use, as the settings dialog handed them over:
    // colours, scrolling, whether printing asks for the sender's name. The
    // depth of undo and the recovery interval are the document's and the
    // recovery keeper's, which hold them to their limits.
    UserSettings Settings;

    int ScrollMultiplier = 1;        // 1 or Settings.kmiddles, kept between wheel events
    bool MiddleButtonHeld = false;   // the middle button is down in the work area

    QString ProgramFolder;     // the program's folder, no trailing separator
    QString DataFolder;        // holds help/ and pictures/ (see datafolder.h)
    QString SettingsFile;      // the settings file; it also keeps the file dialogs' last folder
    QString CommandLineFile;   // the first command-line argument
};

}  // namespace vorn
