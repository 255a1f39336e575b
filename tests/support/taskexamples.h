// The ready tasks of examples/tasks: for each, the task lines, the names of
// its sources and lamps, and a solution drawn from a formula network with the
// editor's own functions (circuitgen.h). The files are written by
// vorn_task_examples, and a test keeps the committed ones its output.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "circuitgen.h"
#include "elementnames.h"
#include "tasklines.h"

namespace vorn::circuitgen {

struct TaskExample {
    std::string file;  // "01-inverter": the task is FILE.vfl, the solution FILE-solution.vfl
    std::vector<std::string> lines;        // the task lines, from "; task "
    std::vector<std::string> sourceNames;  // in seeding order
    std::vector<std::string> lampNames;    // in the order of formula.lamps
    Formula formula;
};

std::vector<TaskExample> TaskExamples();
// The same tasks and circuits with English task lines and lamp names, for the
// program's English edition (examples/tasks/en).
std::vector<TaskExample> EnglishTaskExamples();

// The solution drawn and named, and the task file: the solution's sources
// and lamps alone, with the same names. Both carry the task lines, ended
// by the given lines of the task file.
struct TaskExampleFiles {
    std::unique_ptr<CellGrid> task, solution;
    NameTable names;  // the same nodes in both
    TaskLines lines;
};
TaskExampleFiles DrawTaskExample(const TaskExample& example);

// Writes FILE.vfl and FILE-solution.vfl of every example into `folder`, and
// those of the English edition into `folder`/en.
void WriteTaskExamples(const std::filesystem::path& folder);

}  // namespace vorn::circuitgen
