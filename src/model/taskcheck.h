// Checking a learner's circuit against a task: the sources and lamps are
// matched with the task's by their shown names, every combination of the
// task's sources is evaluated, and the verdict is told in plain words of
// the interface language.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cellgrid.h"
#include "elementnames.h"
#include "task.h"
#include "workqueue.h"

namespace vorn {

enum class VerdictKind {
    Ok,       // every expected lamp right in every row
    Wrong,    // some row shows a wrong lamp
    Missing,  // a source or lamp of the task is not in the circuit
    Limits,   // an element the task does not allow, or too many gates
    Invalid,  // the task is broken, or the circuit file cannot be read
};

// "ok", "wrong", "missing", "limits", "invalid".
std::string_view VerdictWord(VerdictKind kind);

struct TaskVerdict {
    VerdictKind kind = VerdictKind::Invalid;
    std::size_t rowsRight = 0;  // rows in which every expected lamp is right
    std::size_t rowsTotal = 0;  // rows of the task's truth table
    std::vector<std::string> lines;     // the verdict, one sentence a line
    std::vector<std::string> warnings;  // those of the truth table window, whatever the verdict

    // The lines, then the warnings under their heading, each ended by a line break.
    std::string Text() const;
    // The lines on one line and the warnings counted, for a table of verdicts.
    std::string Detail() const;
};

// The most wrong lamps a verdict tells in words; the rest are counted.
inline constexpr std::size_t kToldMistakes = 3;

// Holds the working storage of the evaluation (two grids and a queue, taken
// once), so that a class of files is checked without new allocations.
class TaskChecker {
public:
    TaskChecker();
    ~TaskChecker();

    // Checks a circuit and finds its warnings. Sources the task does not
    // name keep the positions they are drawn in. The grid is left as it was.
    TaskVerdict Check(const Task& task, CellGrid& cells, const NameTable& names);
    // Reads a circuit file and checks it; a file that cannot be read or is
    // no circuit gives an Invalid verdict, never an exception.
    TaskVerdict CheckFile(const Task& task, const std::filesystem::path& file);

private:
    TaskVerdict Judge(const Task& task, CellGrid& cells, const NameTable& names);

    std::unique_ptr<CellGrid> cells_;
    std::unique_ptr<SignalGrid> signals_;
    WorkQueue queue_;
};

// The verdict for a task that is not valid: its problems.
TaskVerdict InvalidTaskVerdict(const Task& task);

// What a gesture did wrong to a locked task: a source or lamp of the task
// file erased, moved away or renamed. Empty when the task is not locked or
// each of them stands where it stood, under its name (a source may be
// switched).
std::string LockedElementsMessage(const Task& task, const CellGrid& cells, const NameTable& names);

// Reads a task file: its circuit and its task lines. A file that cannot be
// read or is no circuit gives a task whose problem says so; never throws.
Task ReadTaskFile(const std::filesystem::path& path);

}  // namespace vorn
