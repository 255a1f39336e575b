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

TEST(TaskMaker, EveryReadySolutionPassesTheTaskMadeFromIt) {
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
            // The given lines name every element the file keeps.
            std::size_t elements = 0;
            for (int x = 0; x < kFieldSize; ++x)
                for (int y = 0; y < kFieldSize; ++y) elements += TaskElementOfCode(made.cells->at(x, y)) != 0;
            EXPECT_EQ(task.given.size(), elements);
            EXPECT_EQ(task.lines, made.lines);  // nothing added on reading
            EXPECT_EQ(checker.Check(task, *files.solution, files.names).kind, VerdictKind::Ok);
            auto empty = std::make_unique<CellGrid>();
            EXPECT_EQ(checker.Check(task, *empty, {}).kind, VerdictKind::Missing);
        }
    }
}

enum class Circuit { Named, Unnamed, Empty, Crowded };

struct ChoiceCase {
    const char* what;
    Circuit circuit;
    TaskChoice choice;
    std::vector<std::string> lines;
    std::string problem;
};

TEST(TaskMaker, TheChoiceBecomesTaskLines) {
    const TaskExampleFiles files = DrawTaskExample(circuitgen::TaskExamples()[2]);  // exclusive or: A, B, F
    const auto empty = std::make_unique<CellGrid>();
    auto crowded = std::make_unique<CellGrid>(*files.solution);  // 1000 more inverters
    for (int i = 0; i < 1000; ++i) crowded->at(100 + i / 100 * 2, 10 + i % 100 * 2) = Inverter;
    const ChoiceCase cases[] = {
        {"everything", Circuit::Named, {"Исключающее\nИЛИ", "Соберите схему.\r\n\nЛампочка F…\n\n", {"F"}, kTaskInverter | kTaskDisjunctor | kTaskConjunctor, 5, true, false},
         {"; task title Исключающее ИЛИ", "; task text Соберите схему.", "; task text", "; task text Лампочка F…",
          "; task table F 0110", "; task allow inverter conjunctor disjunctor", "; task limit gates 5", "; task lock"},
         ""},
        {"the bare minimum", Circuit::Named, {"", "", {"F"}, kAllTaskElements, 0, false, false}, {"; task table F 0110"}, ""},
        {"nothing to place", Circuit::Named, {"", "", {"F"}, 0, 0, false, false}, {"; task table F 0110", "; task allow"}, ""},
        {"default names become given ones", Circuit::Unnamed, {"", "", {"F1"}, kAllTaskElements, 0, false, false}, {"; task table F1 0110"}, ""},
        {"no lamp checked", Circuit::Named, {"T", "", {"G"}, kAllTaskElements, 0, false, false}, {}, "Не выбрана ни одна лампочка: проверять нечего."},
        {"a given part too large", Circuit::Crowded, {"", "", {"F"}, kAllTaskElements, 0, false, true}, {"; task table F 0110"},
         "Элементов в данной части схемы слишком много: строк задания вышло бы 1009, а можно не больше 1000."},
        {"no lamp at all", Circuit::Empty, {"T", "", {}, kAllTaskElements, 0, false, false}, {}, "В схеме нет ни одной лампочки: проверять нечего."},
    };
    for (const ChoiceCase& c : cases) {
        const CellGrid& cells = c.circuit == Circuit::Empty     ? *empty
                                : c.circuit == Circuit::Crowded ? *crowded
                                                                : *files.solution;
        const TaskFileContent made = MakeTaskFile(c.choice, cells, c.circuit == Circuit::Unnamed ? NameTable{} : files.names);
        if (c.circuit == Circuit::Crowded) {
            EXPECT_EQ(made.problem, c.problem);
            continue;
        }
        std::vector<std::string> lines = c.lines;
        if (c.problem.empty())
            for (const char* given : {"; task given source 1 2 A", "; task given source 1 6 B",
                                      c.circuit == Circuit::Named ? "; task given lamp 35 4 F" : "; task given lamp 35 4 F1"})
                lines.push_back(given);
        EXPECT_EQ(Texts(made.lines), lines) << c.what;
        EXPECT_EQ(made.problem, c.problem) << c.what;
        if (c.problem.empty()) {
            EXPECT_EQ(made.names.size(), 3u) << c.what;  // A, B and the lamp, each under a given name
            EXPECT_TRUE(ReadTask(made.lines, *made.cells, made.names).Valid()) << c.what;
        }
    }
}

}  // namespace
}  // namespace vorn::test
