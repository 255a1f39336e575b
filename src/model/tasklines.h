// The task lines of a circuit file, "; task KEYWORD REST", kept as read: a
// file opened and saved again carries its task on unchanged, and every line
// remembers where it stood so that a message can name it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

inline constexpr std::string_view kTaskLinePrefix = "; task ";

// More task lines than this make the task invalid; the reader keeps one more
// than the limit, so that the excess shows.
inline constexpr std::size_t kMaxTaskLines = 1000;

struct TaskLine {
    int number = 0;    // 1-based line number in its file; 0 for a line made in the program
    std::string text;  // the whole line from its ';', without the line end
    bool operator==(const TaskLine&) const = default;
};

using TaskLines = std::vector<TaskLine>;

inline bool IsTaskLine(std::string_view line) { return line.starts_with(kTaskLinePrefix); }

}  // namespace vorn
