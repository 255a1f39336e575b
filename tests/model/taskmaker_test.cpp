// Task files made from a teacher's solution: what they keep, the lines they
// carry, and that the solution passes its own task while an empty circuit fails.
#include <gtest/gtest.h>

#include "taskcheck.h"
#include "taskexamples.h"
#include "taskmaker.h"

namespace vorn::test {
namespace {

using circuitgen::DrawTaskExample;
using circuitgen::TaskExampleFiles;

std::vector<std::string> Texts(const TaskLines& lines) {
    std::vector<std::string> texts;
    for (const TaskLine& line : lines) texts.push_back(line.text);
    return texts;
}

TEST(TaskMaker, EveryReadyTaskIsMadeAgainFromItsSolution) {
    TaskChecker checker;
    for (const auto& example : circuitgen::TaskExamples()) {
        SCOPED_TRACE(example.file);
        TaskExampleFiles files = DrawTaskExample(example);
        for (const bool keepDrawing : {false, true}) {
            TaskChoice choice = DefaultTaskChoice(*files.solution, files.names);
            choice.keepDrawing = keepDrawing;
            choice.locked = true;
            const TaskFileContent made = MakeTaskFile(choice, *files.solution, files.names);
            ASSERT_EQ(made.problem, "");
            // Only the sources and lamps, unless the drawing is kept as a given part.
            EXPECT_EQ(*made.cells, keepDrawing ? *files.solution : *files.task);
            const Task task = ReadTask(made.lines, *made.cells, made.names);
            ASSERT_TRUE(task.Valid()) << InvalidTaskVerdict(task).Text();
            const Task ready = ReadTask(files.lines, *files.task, files.names);
            ASSERT_EQ(task.expected.size(), ready.expected.size());
            for (const ExpectedLamp& e : ready.expected) {
                const auto mine = std::find_if(task.expected.begin(), task.expected.end(),
                                               [&](const ExpectedLamp& m) { return m.lamp == e.lamp; });
                ASSERT_NE(mine, task.expected.end()) << e.lamp;
                EXPECT_EQ(mine->column, e.column) << e.lamp;
            }
            EXPECT_EQ(checker.Check(task, *files.solution, files.names).kind, VerdictKind::Ok);
            auto empty = std::make_unique<CellGrid>();
            EXPECT_EQ(checker.Check(task, *empty, {}).kind, VerdictKind::Missing);
        }
    }
}

struct ChoiceCase {
    const char* what;
    TaskChoice choice;
    std::vector<std::string> lines;
    std::string problem;
};

TEST(TaskMaker, TheChoiceBecomesTaskLines) {
    const TaskExampleFiles files = DrawTaskExample(circuitgen::TaskExamples()[2]);  // exclusive or: A, B, F
    ASSERT_EQ(circuitgen::TaskExamples()[2].file, "03-xor");
    const ChoiceCase cases[] = {
        {"everything", {"Исключающее\nИЛИ", "Соберите схему.\r\n\nЛампочка F…\n\n", {"F"}, kTaskInverter | kTaskDisjunctor | kTaskConjunctor, 5, true, false},
         {"; task title Исключающее ИЛИ", "; task text Соберите схему.", "; task text", "; task text Лампочка F…",
          "; task table F 0110", "; task allow inverter conjunctor disjunctor", "; task limit gates 5", "; task lock"},
         ""},
        {"the bare minimum", {"", "", {"F"}, kAllTaskElements, 0, false, false}, {"; task table F 0110"}, ""},
        {"nothing to place", {"", "", {"F"}, 0, 0, false, false}, {"; task table F 0110", "; task allow"}, ""},
        {"no lamp checked", {"T", "", {"G"}, kAllTaskElements, 0, false, false}, {}, "Не выбрана ни одна лампочка: проверять нечего."},
    };
    for (const ChoiceCase& c : cases) {
        const TaskFileContent made = MakeTaskFile(c.choice, *files.solution, files.names);
        EXPECT_EQ(Texts(made.lines), c.lines) << c.what;
        EXPECT_EQ(made.problem, c.problem) << c.what;
        if (c.problem.empty()) {
            EXPECT_TRUE(ReadTask(made.lines, *made.cells, made.names).Valid()) << c.what;
        }
    }
}

TEST(TaskMaker, DefaultNamesBecomeGivenOnesAndAnEmptyCircuitHasNoTask) {
    const TaskExampleFiles files = DrawTaskExample(circuitgen::TaskExamples()[2]);
    const TaskFileContent made = MakeTaskFile(DefaultTaskChoice(*files.solution, {}), *files.solution, {});
    std::vector<std::string> names;
    for (const auto& [node, name] : made.names) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "F1"}));
    EXPECT_EQ(Texts(made.lines), (std::vector<std::string>{"; task table F1 0110"}));

    auto empty = std::make_unique<CellGrid>();
    EXPECT_EQ(MakeTaskFile(DefaultTaskChoice(*empty, {}), *empty, {}).problem,
              "В схеме нет ни одной лампочки: проверять нечего.");
}

}  // namespace
}  // namespace vorn::test
