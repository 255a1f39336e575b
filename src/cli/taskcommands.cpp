#include "taskcommands.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "grading.h"
#include "taskcheck.h"

namespace vorn {

namespace {

constexpr int kBadTask = 2;

// The task, or its problems on standard error.
bool LoadTask(const std::string& file, Task& task) {
    task = ReadTaskFile(file);
    if (task.Valid()) return true;
    std::cerr << "vorn-cli: " << file << ":\n" << InvalidTaskVerdict(task).Text();
    return false;
}

int Written(int status) {
    std::cout.flush();
    if (std::cout) return status;
    std::cerr << "vorn-cli: cannot write the output: " << std::strerror(errno) << "\n";
    return 1;
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) return kWrongArguments;
    Task task;
    if (!LoadTask(arguments[0], task)) return kBadTask;
    TaskChecker checker;
    const TaskVerdict verdict = checker.CheckFile(task, arguments[1]);
    std::cout << verdict.Text();
    return Written(verdict.kind == VerdictKind::Ok ? 0 : 1);
}

int RunGradeCommand(const std::vector<std::string>& arguments) {
    GradeFormat format = GradeFormat::Text;
    std::vector<std::string> named;
    for (const std::string& argument : arguments) {
        const bool option = argument == "--csv" || argument == "--json";
        if (option && format != GradeFormat::Text) return kWrongArguments;  // one format only
        if (argument == "--csv") format = GradeFormat::Csv;
        else if (argument == "--json") format = GradeFormat::Json;
        else if (argument.starts_with("--")) return kWrongArguments;
        else named.push_back(argument);
    }
    if (named.size() < 2) return kWrongArguments;
    Task task;
    if (!LoadTask(named[0], task)) return kBadTask;

    TaskChecker checker;
    std::vector<GradeRow> rows;
    for (const auto& file : GradedFiles({named.begin() + 1, named.end()}, named[0]))
        rows.push_back({file.string(), checker.CheckFile(task, file)});
    std::cout << FormatGrades(rows, format);
    std::cerr << GradeSummary(rows) << "\n";
    const bool allRight = std::all_of(rows.begin(), rows.end(), [](const GradeRow& r) { return r.verdict.kind == VerdictKind::Ok; });
    return Written(allRight ? 0 : 1);
}

}  // namespace vorn
