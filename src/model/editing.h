// The grid rules of the editing gestures: drawing wires, solder points and
// crossings, placing elements, erasing. Everything works on node coordinates;
// the mouse handlers map pixels to nodes and call these.
//
// Every edit changes only nodes of the working field 0..255 and reads no node
// outside the stored array: an edit at a node outside the field does nothing,
// and a gate block that would reach outside the field does not fit.
#pragma once

#include <cstdint>

#include "cellgrid.h"

namespace vorn {

enum class GateKind { Conjunctor, Disjunctor };

// What one drag step of the wire tool did.
struct WireStepResult {
    // The pointer was exactly one node east, west, north or south of the
    // anchor. Every taken step counts as a change of the gesture, even one
    // over a segment that already exists.
    bool taken = false;
    // The drawing anchor moves on to the new node. It stays where it was when
    // the segment's owner is a source, whose leads already cover it.
    bool anchorMoves = false;
    // Some node's code actually changed (the segment or a solder point).
    bool changed = false;
};

// One drag step of the wire tool from the anchor node to the node under the
// pointer. The segment belongs to its west or north end; the owner's code
// gains the segment (Empty -> WireE/WireS, WireS -> WireES, JunctionS ->
// JunctionES for a horizontal step, and the mirror for a vertical one); then
// the solder points around the pointer's node are re-evaluated. Steps that
// leave the field, diagonal steps and longer jumps are not taken.
WireStepResult WireStep(CellGrid& grid, NodePos anchor, NodePos pointer);

// Re-evaluates the solder points of the 3 x 3 nodes around (x, y) that lie
// in the field (none when (x, y) itself lies outside it): a node where three
// or more wires or leads meet carries a junction code, one where fewer meet
// loses it. Crossings and elements are never changed. Returns whether any
// code changed.
bool RefreshSolderPoints(CellGrid& grid, int x, int y);

// A wire-tool click on a meeting point: a joined meeting of four directions
// becomes a crossing and a crossing becomes joined again. No crossing is made
// beside another crossing. Returns whether the node changed.
bool ToggleCrossing(CellGrid& grid, int x, int y);

// A wire code without its segment to the east, or to the south; other codes
// as they are. A crossing keeps its other line as a joined wire, whose dot
// the solder rules settle.
std::int32_t WithoutEastSegment(std::int32_t code);
std::int32_t WithoutSouthSegment(std::int32_t code);

// Which codes besides wires, sources, lamps and inverters the eraser removes:
// a press also clears code 9 (readable from files), a drag does not.
enum class EraseMode { Press, Drag };

// Removes what lies at one node: a wire node together with the segments that
// end at it from the west and the north, an element node, or a whole gate
// block. Returns whether any code changed; solder points are left for
// RefreshSolderPoints.
bool EraseAtNode(CellGrid& grid, int x, int y, EraseMode mode);

// The anchor of the gate that a gate-part node belongs to. An anchor is its
// own; a part whose anchor cannot be found (a damaged block) and any other
// node are taken as their own anchor.
NodePos FindGateAnchor(const CellGrid& grid, int x, int y);

// True when the whole six-node block of a gate anchored at (x, y) lies in the
// field and is Empty.
bool GateFits(const CellGrid& grid, int x, int y);

// Whether a press with a gate tool at (x, y) shows the refusal marker: the
// node is not already a part of a gate of this kind, and the block does not
// lie in the field or one of its five other nodes is occupied.
bool GateRefusalShown(const CellGrid& grid, int x, int y, GateKind kind);

// Placements. Each writes only where the rules allow, re-evaluates the solder
// points around the node when it wrote something, and returns whether the
// grid changed.
//
// Source tool: an Empty node becomes SourceOff; a source is toggled.
bool PlaceSource(CellGrid& grid, int x, int y);
// An Empty node becomes a Lamp.
bool PlaceLamp(CellGrid& grid, int x, int y);
// An Empty node becomes an Inverter.
bool PlaceInverter(CellGrid& grid, int x, int y);
// Writes the six nodes of a gate block when GateFits; otherwise nothing.
bool PlaceGate(CellGrid& grid, int x, int y, GateKind kind);

// The code at any node, read as Empty beyond the stored array (a pointer
// dragged outside the window may name such a node).
std::int32_t StoredCode(const CellGrid& grid, int x, int y);

// Element nodes: sources, lamps, inverters and the six nodes of gate blocks.
bool IsElementCode(std::int32_t code);

// The code that names the object at a node: for any node of a gate block the
// code of its anchor, which tells the gate's kind; otherwise the node's own
// code (Empty beyond the stored array).
std::int32_t ObjectCodeAt(const CellGrid& grid, int x, int y);

// Picks up the element at a node so that it can be placed elsewhere: the
// node, or the gate's whole block, becomes Empty. Returns the code that
// names the element (a source's own value, or the gate's anchor code), or
// Empty when the node holds no element. Solder points are left for
// RefreshSolderPoints.
std::int32_t PickUpElement(CellGrid& grid, int x, int y);

// Flips a source between SourceOff and SourceOn; any other node is left
// alone. Returns whether the node was a source.
bool ToggleSource(CellGrid& grid, int x, int y);

}  // namespace vorn
