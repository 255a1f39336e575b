// Making a task file from a teacher's own solution: which nodes and names the
// file keeps, and which task lines it carries. The expected answers are the
// lamps' columns of the solution's truth table ("table" lines): they say
// exactly what the solution does, row by row, so the solution passes its own
// task whatever formula a reader would find for it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cellgrid.h"
#include "elementnames.h"
#include "task.h"
#include "tasklines.h"

namespace vorn {

// What the teacher chose for the task.
struct TaskChoice {
    std::string title;
    std::string text;                // a line break starts another text line
    std::vector<std::string> lamps;  // shown names of the lamps checked
    unsigned allowed = kAllTaskElements;
    int gateLimit = 0;               // 0: no limit
    bool locked = false;
    bool keepDrawing = false;        // the gates and wires stay in the file as a given part
};

// The choice a dialog starts with: every lamp of the circuit checked.
TaskChoice DefaultTaskChoice(const CellGrid& solution, const NameTable& names);

struct TaskFileContent {
    std::unique_ptr<CellGrid> cells;  // the task file's drawing
    NameTable names;                  // every source and lamp under its shown name
    TaskLines lines;
    // Why no task can be made (no lamp checked, too many sources); empty
    // when the content is good to write.
    std::string problem;
};

// The task file for a solution. It keeps every source and lamp (the rest of
// the drawing only with keepDrawing), each under the name it is shown with, so
// that a default name becomes a given one and the matching by name does not
// depend on where the learner draws. Its lines: title, text, a table line for
// each checked lamp in the order the lamps are seeded, then allow (only when
// not every element is allowed), limit gates (only above 0), lock, and the
// given lines of what the file keeps.
TaskFileContent MakeTaskFile(const TaskChoice& choice, const CellGrid& solution, const NameTable& names);

}  // namespace vorn
