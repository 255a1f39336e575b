// Everything the main window keeps for the whole run: the circuit grids, the
// selected tool, the zoom, the run and clip flags and the user's settings.
// One object, owned by the main window, so a test can start from a fresh one.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <QPoint>
#include <QString>

#include "cellgrid.h"
#include "clips.h"
#include "circuitrenderer.h"
#include "history.h"
#include "workqueue.h"

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
};
inline constexpr int kRunToolOffset = 64;

// Node pitch and field size in pixels at zoom factor z.
inline constexpr int NodePitch(int zoom) { return 12 * zoom; }
inline constexpr int ScrollRange(int zoom) { return kFieldSize * NodePitch(zoom); }

struct ProgramState {
    ProgramState();
    ~ProgramState();
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // Empties the circuit, its signals and the blank grid.
    void ClearCircuit();

    // The grids are large (259 x 259 values each): taken once, on the heap.
    std::unique_ptr<CellGrid> Cells;
    std::unique_ptr<SignalGrid> Signals;
    std::unique_ptr<NodeGrid> BlankGrid;        // all zero, to empty history slots
    std::unique_ptr<NodeGrid> GestureSnapshot;  // the grid as it was when a button went down
    std::unique_ptr<WorkQueue> Queue;           // working storage of the propagation

    int CurrentTool = ToolWire;
    int ZoomFactor = 2;  // 1, 2 or 3
    bool RunMode = false;
    bool GestureActive = false;   // a mouse button is held in the work area
    bool GestureChanged = false;  // the current gesture changed the grid

    // Demo clips: the player's copy of the script (events 1..ClipLength are
    // ClipEvents[0..ClipLength-1]), the index of the last dispatched event,
    // and whether a clip plays. RecordingMode lets the user act freely while
    // the actions are logged.
    bool ClipActive = false;
    bool RecordingMode = false;
    std::vector<ClipEvent> ClipEvents;
    int ClipIndex = 0;
    int PointerSampleMode = 1;  // 1 pointer inside the main window, -1 outside

    // The code of the event at ClipIndex, or 0 when there is none.
    std::int32_t CurrentClipCode() const;

    // The last five changes of the circuit, each way.
    std::unique_ptr<UndoHistory> History;

    // Drawing: the snapped surface pixel of the node a wire has reached; the
    // next segment starts there.
    QPoint DrawingAnchor;

    // Moving an element from the pop-up menu: the node the menu was opened
    // on, whether a picked-up element waits to be placed, and the tool to
    // choose again once it has been.
    NodePos PopupNode{0, 0};
    bool MovePending = false;
    int ToolBeforeMove = ToolWire;

    CircuitColors Colors;  // wire, "0" and "1"; the background is always white

    // The "writeuname" setting: printing asks for the sender's name and
    // prints nothing without one. Kept up to date by the settings dialog.
    bool WriteUserName = true;

    // Wheel and page scrolling: scroll increments per wheel notch, and the
    // factor of fast scrolling (Ctrl, middle button).
    int km = 3;
    int kmiddles = 5;
    int ScrollMultiplier = 1;        // 1 or kmiddles, kept between wheel events
    bool MiddleButtonHeld = false;   // the middle button is down in the work area

    QString ProgramFolder;     // the program's folder, no trailing separator
    QString DataFolder;        // holds help/ and pictures/ (see datafolder.h)
    QString SettingsFile;      // the settings file; it also keeps the file dialogs' last folder
    QString CommandLineFile;   // the first command-line argument
    QString DocumentFileName;  // the open circuit file, empty for a new one
};

}  // namespace vorn
