// vorn-cli check and grade: a learner's file, or a whole class, against a task.
#pragma once

#include <string>
#include <vector>

namespace vorn {

// Returned for arguments that fit no command: the caller shows the usage.
inline constexpr int kWrongArguments = -1;

// check TASK FILE: the verdict in words on standard output; 0 when right,
// 1 when not, 2 for a task that cannot be checked by (its problems go to
// standard error), kWrongArguments for arguments that do not fit.
int RunCheckCommand(const std::vector<std::string>& arguments);

// grade TASK FILE... | FOLDER [--csv | --json]: a row per file on standard
// output, the summary on standard error; 0 when every file is right, 1 when
// some are not, 2 for a task that cannot be checked by, kWrongArguments.
int RunGradeCommand(const std::vector<std::string>& arguments);

}  // namespace vorn
