// Rectangles of nodes taken out of the circuit and put in elsewhere: the
// rules behind selecting, copying, cutting, pasting, moving and deleting a
// part of a drawing. Everything works on node coordinates.
//
// A block holds the nodes of its rectangle with these rules:
// - a gate is taken whole or not at all: a gate block that lies partly
//   outside the rectangle is left where it is and is Empty in the block;
// - a wire segment that crosses the rectangle's edge belongs to neither
//   side: a copy leaves out the segments that leave the block east or south,
//   and a cut also removes the segments that reach into the hole from the
//   west or the north, so no wire ends half in an empty place;
// - after a cut or a paste the solder points at the block's edge are
//   recomputed, as after any drawing;
// - the names of the block's sources and lamps travel with them (the
//   overloads with a NameTable): a pasted element keeps its name unless
//   another element of the target carries that name already, and then
//   goes unnamed (it shows a default name), so names stay unique.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cellgrid.h"
#include "elementnames.h"

namespace vorn {

// The nodes from (left, top) to (right, bottom), both corners included.
struct NodeRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    bool IsEmpty() const { return right < left || bottom < top; }
    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const NodeRect&) const = default;
};

// The rectangle a drag from one node to another spans, in either direction,
// cut down to the field.
NodeRect SpannedRect(NodePos from, NodePos to);

// A piece of a circuit: the codes of a rectangle of nodes, relative to its
// top-left node.
struct CircuitBlock {
    int width = 0;
    int height = 0;
    std::vector<std::int32_t> codes;  // column by column, width * height
    // The names of its sources and lamps, by node relative to the top-left.
    NameTable names;

    CircuitBlock() = default;
    CircuitBlock(int w, int h) : width(w), height(h), codes(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {}

    std::int32_t at(int dx, int dy) const { return codes[Index(dx, dy)]; }
    std::int32_t& at(int dx, int dy) { return codes[Index(dx, dy)]; }
    // True when every node of the block is Empty.
    bool IsBlank() const;
    bool operator==(const CircuitBlock&) const = default;

private:
    std::size_t Index(int dx, int dy) const {
        return static_cast<std::size_t>(dx) * static_cast<std::size_t>(height) + static_cast<std::size_t>(dy);
    }
};

// The block of the rectangle (cut down to the field); the grid is unchanged.
CircuitBlock CopyBlock(const CellGrid& grid, NodeRect rect);

// Takes the block out: every node it took becomes Empty, the segments that
// reached into it are cut, and the solder points around are recomputed.
// Returns the block, as CopyBlock would have given it.
CircuitBlock CutBlock(CellGrid& grid, NodeRect rect);

// The same with names: the block carries the names of the sources and lamps
// it takes, and a cut takes them out of the table.
CircuitBlock CopyBlock(const CellGrid& grid, const NameTable& names, NodeRect rect);
CircuitBlock CutBlock(CellGrid& grid, NameTable& names, NodeRect rect);

// Whether the block can be put with its top-left node at `at`: its whole
// rectangle lies in the field and every node it holds lands on an Empty node.
bool BlockFits(const CellGrid& grid, const CircuitBlock& block, NodePos at);

// Puts the block in when it fits: its nodes are written, its Empty nodes
// leave the grid as it was, and the solder points around the written nodes
// are recomputed. Returns whether it fitted; if not, nothing changed.
bool PasteBlock(CellGrid& grid, const CircuitBlock& block, NodePos at);
// The same, and the block's names given to the pasted elements where no
// other element of the grid carries them; a name taken already is not
// given, and that pasted element goes unnamed.
bool PasteBlock(CellGrid& grid, NameTable& names, const CircuitBlock& block, NodePos at);

// Moves the block of `rect` so that its top-left node lands at `to`, as a
// cut and a paste; where it does not fit there (on the grid without the
// block), nothing changes. Returns whether it moved.
bool MoveBlock(CellGrid& grid, NodeRect rect, NodePos to);
// The same; the names go with their elements.
bool MoveBlock(CellGrid& grid, NameTable& names, NodeRect rect, NodePos to);

// The block as text: a comment line with its size, the name lines of a
// circuit file for its named sources and lamps, then the data lines for its
// nodes that are not Empty, column by column, all relative to the top-left
// node, with CR LF line ends. Other programs and text editors can hold it;
// read as a circuit file it is the block at the top left of the field, with
// its names.
std::string BlockText(const CircuitBlock& block);

// Reads a block back from text. Comment lines are skipped, except a first
// line with the size as BlockText writes it; without one the block is as
// large as its data lines reach. A data line that is invalid, or lies
// outside the given size, makes the whole text no block. Name lines are
// read as a circuit file reads them: one for a node without a source or
// lamp is ignored, the later of two for one node wins, and of two elements
// with one name the first in data-line order keeps it.
std::optional<CircuitBlock> ParseBlockText(std::string_view text);

}  // namespace vorn
