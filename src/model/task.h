// A task a teacher hands out with a circuit file: what the learner is told,
// which lamps must compute what, which elements may be used and how many
// gates, and whether the given sources and lamps stay where they are.
//
// The task travels in comment lines of the circuit file (tasklines.h), each
// exactly "; task KEYWORD REST":
//   title TEXT          the task's title (once)
//   text TEXT           a line of the task's text; several are joined with line breaks
//   expect LAMP FORMULA the lamp computes the formula over the sources' names
//   table LAMP BITS     the lamp's column of the truth table, "0" and "1", rows
//                       counted up with the first source the most significant
//   allow ELEMENT...    which of source lamp inverter conjunctor disjunctor the
//                       learner may place (wires always; without the line, all)
//   limit gates N       at most N inverters, conjunctors and disjunctors in all
//   lock                the task file's sources and lamps cannot be moved,
//                       erased or renamed
//   given ELEMENT X Y [NAME]
//                       an element of the task's given part at node (X, Y),
//                       a source or lamp with its name, a gate by its anchor
// The given lines say which sources (in the order of the table's columns),
// lamps and gates the task gave, whatever the file holds now: a learner's
// own saved file carries them on unchanged. A task without them (written
// before they existed, or by hand) takes the sources and lamps of its file's
// circuit, under their shown names (given, or the defaults A, B, ... and F1,
// F2, ...), the sources in seeding order, and every element of it as given;
// reading such a task adds the given lines that say so. Any broken line
// makes the whole task invalid, with a message that names the line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cellgrid.h"
#include "elementnames.h"
#include "tasklines.h"

namespace vorn {

// The elements an "allow" line names, as bits.
enum TaskElement : unsigned {
    kTaskSource = 1u << 0,
    kTaskLamp = 1u << 1,
    kTaskInverter = 1u << 2,
    kTaskConjunctor = 1u << 3,
    kTaskDisjunctor = 1u << 4,
};
inline constexpr unsigned kAllTaskElements = 0x1Fu;

// The element an allow line's word names ("source" ... "disjunctor"), or 0.
unsigned TaskElementOfWord(std::string_view word);
// The element a cell code stands for, or 0 (wires, gate parts other than the anchor).
unsigned TaskElementOfCode(std::int32_t code);

// A lamp and the column of the truth table it must show, row r being the
// combination where source i takes bit (n - 1 - i) of r.
struct ExpectedLamp {
    std::string lamp;
    std::vector<bool> column;
    int line = 0;  // the task line that asks for it
};

// An element of the task file's drawing: the learner may keep it whatever the
// allow line says.
struct GivenElement {
    NodePos node;           // a gate's anchor
    unsigned element = 0;   // a TaskElement
};

struct Task {
    TaskLines lines;  // as read, and the given lines a task without them gets; written back
    std::string title;
    std::string text;
    std::vector<ShownName> sources;  // the task file's, in seeding order
    std::vector<ShownName> lamps;
    std::vector<ExpectedLamp> expected;
    unsigned allowed = kAllTaskElements;
    std::optional<int> gateLimit;
    bool locked = false;
    std::vector<GivenElement> given;
    // One message per broken line (or per fault of the whole task); any
    // makes the task invalid.
    std::vector<std::string> problems;

    bool Present() const { return !lines.empty(); }
    bool Valid() const { return Present() && problems.empty(); }
};

// The most sources a task takes: 2^16 rows.
inline constexpr std::size_t kMaxTaskSources = 16;

// Reads the task lines of a file whose circuit is `cells` with `names`.
// Lines without a task give a task that is not Present().
Task ReadTask(const TaskLines& lines, const CellGrid& cells, const NameTable& names);

// The given lines of a circuit: every source (in seeding order) and lamp
// under its shown name, and every inverter, conjunctor and disjunctor.
TaskLines GivenPartLines(const CellGrid& cells, const NameTable& names);

}  // namespace vorn
