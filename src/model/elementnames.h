// Names of sources and lamps: the table of names a learner gave, the rules a
// name follows, and the names shown for elements without one.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cellgrid.h"

namespace vorn {

inline constexpr std::size_t kMaxNameLength = 12;  // characters, not bytes

// A Latin or Cyrillic letter, a decimal digit or "_".
bool IsNameCharacter(char32_t c);

// "не" in any letter case: the word a formula reads as negation.
bool IsNegationWord(std::u32string_view word);

// 1 to 12 characters, each a Latin or Cyrillic letter, a decimal digit or
// "_", in UTF-8. The words a formula reads as operators or constants ("не" in
// any letter case, "0", "1") are refused, so every name can stand in a formula.
bool IsValidName(std::string_view text);

// Sources and lamps carry names.
bool IsNameableCode(std::int32_t code);

// Orders nodes as the circuit file lists them: column by column, top to bottom.
struct ColumnMajorOrder {
    bool operator()(const NodePos& a, const NodePos& b) const { return a.x != b.x ? a.x < b.x : a.y < b.y; }
};

// The names a learner gave, by the node of their element. A plain value, so
// that it can be copied into undo snapshots and compared. It checks nothing
// itself; RenameElement and the file reader keep it to the rules (valid,
// unique, on a source or lamp).
using NameTable = std::map<NodePos, std::string, ColumnMajorOrder>;

enum class RenameResult {
    Renamed,      // the element now carries the name
    Cleared,      // an empty text removed the name; the element shows a default name again
    NotNameable,  // the node holds neither a source nor a lamp
    Invalid,      // the text breaks the rules of IsValidName
    Taken,        // another element carries this name already
};

// Gives the source or lamp at `node` the name `text`, or removes its name
// when `text` is empty. A name held by another element is refused; default
// names give way (the element that showed it gets another default name).
RenameResult RenameElement(NameTable& names, const CellGrid& cells, NodePos node, std::string_view text);

// The name goes with its element when the element is moved from `from` to `to`.
void MoveName(NameTable& names, NodePos from, NodePos to);

// The name of an erased element goes with it.
void DropName(NameTable& names, NodePos node);

// Drops every name whose node no longer holds a source or lamp (after an
// erasing drag or any edit that may have removed several elements).
void DropNamesWithoutElement(NameTable& names, const CellGrid& cells);

// A source or lamp with the name it is shown under.
struct ShownName {
    NodePos node;
    std::string name;
    bool given = false;  // false: a default name, never written to a file
};

struct ShownNames {
    std::vector<ShownName> sources;  // in seeding order: column by column, top to bottom
    std::vector<ShownName> lamps;    // in the same order
};

// Every source and lamp of the field with its name: the given one, or a
// default. Sources are called A, B, ..., Z, then A1, ..., Z1, A2, ... in
// seeding order, lamps F1, F2, ...: an unnamed element takes the name of its
// place in that sequence, or the next one no element carries, so naming one
// element does not rename the others. Defaults never repeat a given name.
ShownNames NameElements(const NameTable& names, const CellGrid& cells);

}  // namespace vorn
