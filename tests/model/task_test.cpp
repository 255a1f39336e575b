// Task lines in circuit files, reading a task, and the verdicts of a check.
#include <gtest/gtest.h>

#include <memory>

#include "circuitfile.h"
#include "circuitwarnings.h"
#include "editing.h"
#include "taskcheck.h"
#include "taskexamples.h"
#include "taskmaker.h"
#include "temp_folder.h"

namespace vorn::test {
namespace {

using circuitgen::DrawTaskExample;
using circuitgen::TaskExampleFiles;

TaskExampleFiles Example(const std::string& file) {
    for (const auto& example : circuitgen::TaskExamples())
        if (example.file == file) return DrawTaskExample(example);
    throw std::runtime_error("no example " + file);
}

// Lines numbered from 1, read against the exclusive-or task's circuit (A, B, F).
Task XorTask(const std::vector<std::string>& texts) {
    static const TaskExampleFiles files = Example("03-xor");
    TaskLines lines;
    for (const std::string& text : texts) lines.push_back({static_cast<int>(lines.size()) + 1, text});
    return ReadTask(lines, *files.task, files.names);
}

struct BrokenCase {
    std::vector<std::string> lines;
    std::string problem;  // a part of the one message; it names the last line
};

std::vector<std::string> With(std::vector<std::string> lines, const std::string& last) {
    lines.push_back(last);
    return lines;
}

TEST(TaskLines, EveryBrokenLineMakesTheTaskInvalidAndIsNamed) {
    const std::string expect = "; task expect F A ^ B";
    const std::vector<std::string> given{expect, "; task given source 1 1 A", "; task given source 1 3 B",
                                         "; task given lamp 9 2 F"};
    const BrokenCase cases[] = {
        {With(given, "; task given gate 4 4"), "неизвестный элемент «gate»"},
        {With(given, "; task given source 256 4 C"), "given ЭЛЕМЕНТ СТОЛБЕЦ СТРОКА ИМЯ"},
        {With(given, "; task given lamp 4 4"), "given ЭЛЕМЕНТ СТОЛБЕЦ СТРОКА ИМЯ"},
        {With(given, "; task given inverter 4 x"), "вентиль пишется так"},
        {With(given, "; task given conjunctor 4 4 G"), "вентиль пишется так"},
        {With(given, "; task given inverter 1 3"), "в узле (1, 3) уже есть элемент задания"},
        {With(given, "; task given lamp 9 4 не"), "«не» не может быть именем"},
        {With(given, "; task given lamp 9 4 B"), "имя «B» в задании уже есть"},
        {{"; task expect F A +"}, "формула не читается. Позиция 4: формула не закончена"},
        {{"; task expect F A*C"}, "нет источника «C»"},
        {{"; task expect G A"}, "нет лампочки «G»"},
        {{"; task expect F"}, "формула не читается"},
        {{"; task expect"}, "не названа лампочка"},
        {{"; task table F 011"}, "знаков в столбце: 3, а строк в таблице: 4"},
        {{"; task table F 01x0"}, "знаками 0 и 1"},
        {{expect, "; task table F 0110"}, "для лампочки «F» ответ уже задан"},
        {{expect, "; task allow inverter gate"}, "неизвестный элемент «gate»"},
        {{expect, "; task allow source", "; task allow lamp"}, "задан второй раз"},
        {{expect, "; task colour red"}, "неизвестное слово «colour»"},
        {{expect, "; task  title X"}, "неизвестное слово «»"},
        {{expect, "; task limit gates x"}, "ожидается число"},
        {{expect, "; task limit wires 3"}, "limit gates N"},
        {{expect, "; task lock now"}, "после lock ничего"},
        {{expect, "; task title A", "; task title B"}, "заголовок задан второй раз"},
        {{expect, "; task title"}, "заголовок пуст"},
        {{expect, "; task text \xC3"}, "не в кодировке UTF-8"},
    };
    for (const BrokenCase& c : cases) {
        const Task task = XorTask(c.lines);
        ASSERT_EQ(task.problems.size(), 1u) << c.lines.back();
        EXPECT_FALSE(task.Valid());
        EXPECT_TRUE(task.problems[0].starts_with("Строка " + std::to_string(c.lines.size()) + " («" +
                                                 c.lines.back().substr(0, 12)))
            << task.problems[0];
        EXPECT_NE(task.problems[0].find(c.problem), std::string::npos) << task.problems[0];
    }
    EXPECT_NE(XorTask({"; task title X"}).problems.at(0).find("проверять нечего"), std::string::npos);
    EXPECT_FALSE(XorTask({}).Present());
}

TEST(TaskLines, AWholeTaskIsRead) {
    const Task task = XorTask({"; task title Исключающее ИЛИ", "; task text Первая.", "; task text", "; task text Третья.",
                               "; task expect F (не A)B + A(не B)", "; task table F 0110", "; task allow inverter  conjunctor",
                               "; task limit gates 5", "; task lock"});
    ASSERT_EQ(task.problems.size(), 1u);  // the same lamp twice
    const Task valid = XorTask({"; task title Исключающее ИЛИ", "; task text Первая.", "; task text", "; task text Третья.",
                                "; task expect F (не A)B + A(не B)", "; task allow inverter  conjunctor",
                                "; task limit gates 5", "; task lock"});
    ASSERT_TRUE(valid.Valid()) << valid.problems.at(0);
    EXPECT_EQ(valid.title, "Исключающее ИЛИ");
    EXPECT_EQ(valid.text, "Первая.\n\nТретья.");
    ASSERT_EQ(valid.expected.size(), 1u);
    EXPECT_EQ(valid.expected[0].column, (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(valid.expected[0].line, 5);
    EXPECT_EQ(valid.allowed, kTaskInverter | kTaskConjunctor);
    EXPECT_EQ(valid.gateLimit, 5);
    EXPECT_TRUE(valid.locked);
    EXPECT_EQ(valid.given.size(), 3u);  // two sources and a lamp
}

TEST(TaskLines, TheFileKeepsThemWithTheirLineNumbersWhateverTheLineEnds) {
    TempFolder folder;
    const TaskExampleFiles files = Example("03-xor");
    const std::string longLine = "; task text " + std::string(300, 'x');
    const TaskLines written{{0, "; task title Т"}, {0, longLine}, {0, "; not a task"}, {0, "; task text a\nb"}};
    WriteCircuit(folder / "task.vfl", *files.task, files.names, written);
    const std::string crlf = ReadBytes(folder / "task.vfl");
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        std::string bytes;
        for (std::size_t i = 0; i < crlf.size(); ++i)
            bytes += crlf.compare(i, 2, "\r\n") == 0 ? (++i, end) : std::string(1, crlf[i]);
        WriteBytes(folder / "copy.vfl", bytes);
        auto cells = std::make_unique<CellGrid>();
        NameTable names;
        TaskLines read;
        ASSERT_EQ(ReadCircuit(folder / "copy.vfl", *cells, names, read), ReadVerdict::Valid);
        EXPECT_EQ(read, (TaskLines{{4, "; task title Т"}, {5, longLine}})) << "line end " << end.size();
        EXPECT_EQ(*cells, *files.task);
        EXPECT_EQ(names, files.names);
    }
    WriteBytes(folder / "bad.vfl", crlf + " 3 2 5\r\n");
    auto cells = std::make_unique<CellGrid>();
    NameTable names;
    TaskLines read{{1, "stale"}};
    EXPECT_EQ(ReadCircuit(folder / "bad.vfl", *cells, names, read), ReadVerdict::Invalid);
    EXPECT_TRUE(read.empty());
}

struct VerdictCase {
    const char* what;
    std::string solution;            // the example whose drawing is checked
    std::vector<std::string> extra;  // task lines besides "expect F A ^ B"
    std::string renamed;             // the name that source A gets, if any
    VerdictKind kind;
    std::size_t rowsRight;
    std::vector<std::string> lines;  // the verdict's first lines
};

TEST(TaskCheck, VerdictsTellWhatIsWrongInWords) {
    const VerdictCase cases[] = {
        {"right", "03-xor", {}, "", VerdictKind::Ok, 4,
         {"Всё верно: лампочки горят как надо во всех строках таблицы (4 из 4)."}},
        {"only the given part", "03-xor-task", {}, "", VerdictKind::Wrong, 2,
         {"Схема работает неверно: правильных строк таблицы 2 из 4.",
          "При A = 0, B = 1 лампочка F должна гореть, а до неё не доходит сигнал."}},
        {"another function", "10-de-morgan-or", {}, "", VerdictKind::Wrong, 1,
         {"Схема работает неверно: правильных строк таблицы 1 из 4.",
          "При A = 0, B = 0 лампочка F не должна гореть, а она горит.",
          "При A = 0, B = 1 лампочка F должна гореть, а она не горит.",
          "При A = 1, B = 0 лампочка F должна гореть, а она не горит."}},
        {"renamed source", "03-xor", {}, "X", VerdictKind::Missing, 0, {"В схеме нет источника «A»."}},
        {"lamp of another name", "06-half-adder", {}, "", VerdictKind::Missing, 0, {"В схеме нет лампочки «F»."}},
        {"too many gates", "03-xor", {"; task limit gates 4"}, "", VerdictKind::Limits, 4,
         {"Лампочки горят как надо во всех строках таблицы (4 из 4), но:",
          "Вентилей (инверторов, конъюнкторов и дизъюнкторов) в схеме: 5, а задание разрешает не больше 4."}},
        {"tool not allowed", "03-xor", {"; task allow conjunctor disjunctor"}, "", VerdictKind::Limits, 4,
         {"Лампочки горят как надо во всех строках таблицы (4 из 4), но:",
          "Задание не разрешает ставить инверторы, а в схеме их 2."}},
        {"broken task", "03-xor", {"; task lock 1"}, "", VerdictKind::Invalid, 0,
         {"Задание составлено с ошибками, проверить по нему нельзя.",
          "Строка 2 («; task lock 1»): после lock ничего не пишется."}},
    };
    TaskChecker checker;
    for (const VerdictCase& c : cases) {
        std::vector<std::string> lines{"; task expect F A ^ B"};
        lines.insert(lines.end(), c.extra.begin(), c.extra.end());
        const Task task = XorTask(lines);
        const bool givenPart = c.solution.ends_with("-task");
        TaskExampleFiles files = Example(givenPart ? "03-xor" : c.solution);
        CellGrid& cells = givenPart ? *files.task : *files.solution;
        if (!c.renamed.empty()) {
            const NodePos a = std::find_if(files.names.begin(), files.names.end(), [](const auto& e) { return e.second == "A"; })->first;
            ASSERT_EQ(RenameElement(files.names, cells, a, c.renamed), RenameResult::Renamed);
        }
        const CellGrid before = cells;
        const TaskVerdict verdict = checker.Check(task, cells, files.names);
        EXPECT_EQ(verdict.kind, c.kind) << c.what;
        EXPECT_EQ(verdict.rowsRight, c.rowsRight) << c.what;
        EXPECT_EQ(verdict.rowsTotal, c.kind == VerdictKind::Invalid ? 0u : 4u) << c.what;
        ASSERT_GE(verdict.lines.size(), c.lines.size()) << c.what << "\n" << verdict.Text();
        EXPECT_EQ(std::vector<std::string>(verdict.lines.begin(), verdict.lines.begin() + c.lines.size()), c.lines) << c.what;
        EXPECT_EQ(cells, before) << c.what;
    }
}

TEST(TaskCheck, ASourceTheTaskDoesNotNameKeepsItsPosition) {
    const Task task = XorTask({"; task expect F A"});
    TaskExampleFiles files = Example("03-xor");
    // An unconnected source of the learner's own is named in the verdict.
    files.solution->at(0, 0) = SourceOn;
    TaskChecker checker;
    const TaskVerdict verdict = checker.Check(task, *files.solution, files.names);
    EXPECT_EQ(verdict.kind, VerdictKind::Wrong);
    EXPECT_EQ(verdict.lines.back(), "Источники, которых нет в задании (C), проверены в том положении, в каком стоят.");
}

TEST(TaskCheck, TheVerdictEndsWithTheWarningsOfTheTruthTable) {
    const Task task = XorTask({"; task expect F A ^ B"});
    const TaskExampleFiles files = Example("03-xor");
    auto signalGrid = std::make_unique<SignalGrid>();
    WorkQueue queue;
    TaskChecker checker;
    const std::pair<const CellGrid*, std::size_t> cases[] = {{files.solution.get(), 0}, {files.task.get(), 1}};
    for (const auto& [drawn, count] : cases) {
        CellGrid cells = *drawn;
        const TaskVerdict verdict = checker.Check(task, cells, files.names);
        std::vector<std::string> warnings;
        for (const CircuitWarning& w : FindCircuitWarnings(cells, *signalGrid, queue)) warnings.push_back(w.text);
        ASSERT_EQ(verdict.warnings.size(), count);
        EXPECT_EQ(verdict.warnings, warnings);
        if (count == 0) {
            EXPECT_EQ(verdict.Text().find("Предупреждени"), std::string::npos);
            EXPECT_EQ(verdict.Detail().find("Предупреждени"), std::string::npos);
        } else {
            // The sentences after the verdict in the text; only their number in a class's table.
            EXPECT_TRUE(verdict.Text().ends_with("\nПредупреждения:\n" + warnings[0] + "\n")) << verdict.Text();
            EXPECT_TRUE(verdict.Detail().ends_with("не доходит сигнал. Предупреждений: 1.")) << verdict.Detail();
        }
    }
}

TEST(TaskCheck, ALearnersSavedFileKeepsTheTeachersTask) {
    TempFolder folder;
    const TaskExampleFiles files = Example("03-xor");
    TaskChoice choice = DefaultTaskChoice(*files.solution, files.names);
    choice.allowed = kTaskSource | kTaskLamp | kTaskConjunctor | kTaskDisjunctor;  // the solution's inverters are not
    const TaskFileContent made = MakeTaskFile(choice, *files.solution, files.names);
    TaskLines older;  // as written before given lines existed
    for (const TaskLine& line : made.lines)
        if (!line.text.starts_with("; task given")) older.push_back(line);
    ASSERT_EQ(older.size() + 3, made.lines.size());

    TaskChecker checker;
    for (const bool givenLines : {true, false}) {
        for (const bool sourceInFront : {false, true}) {
            SCOPED_TRACE(std::string(givenLines ? "task file of now" : "older task file") +
                         (sourceInFront ? ", a source in front" : ""));
            // Opened as the window opens it; an older task gets its given lines.
            const Task teacher = ReadTask(givenLines ? made.lines : older, *made.cells, made.names);
            EXPECT_EQ(teacher.lines.size(), made.lines.size());
            CellGrid learner = *files.solution;
            if (sourceInFront) learner.at(0, 0) = SourceOff;  // seeded first, called C
            WriteCircuit(folder / "mine.vfl", learner, files.names, teacher.lines);
            auto cells = std::make_unique<CellGrid>();
            NameTable names;
            TaskLines read;
            ASSERT_EQ(ReadCircuit(folder / "mine.vfl", *cells, names, read), ReadVerdict::Valid);
            const Task reread = ReadTask(read, *cells, names);
            ASSERT_TRUE(reread.Valid()) << InvalidTaskVerdict(reread).Text();
            std::vector<std::string> sources;
            for (const ShownName& s : reread.sources) sources.push_back(s.name);
            EXPECT_EQ(sources, (std::vector<std::string>{"A", "B"}));
            EXPECT_EQ(reread.given.size(), 3u);
            const TaskVerdict verdict = checker.Check(reread, *cells, names);
            EXPECT_EQ(verdict.kind, VerdictKind::Limits);
            EXPECT_EQ(verdict.lines, checker.Check(teacher, learner, files.names).lines);
            EXPECT_EQ(verdict.lines.at(1), "Задание не разрешает ставить инверторы, а в схеме их 2.");
        }
    }
}

TEST(TaskCheck, LockedElementsRefuseErasingMovingAndRenaming) {
    const TaskExampleFiles files = Example("03-xor");
    const Task locked = XorTask({"; task expect F A ^ B", "; task lock"});
    const NodePos a = locked.sources.at(0).node, f = locked.lamps.at(0).node;
    const std::string sourceA = "Источник «A» дан в задании: его нельзя стереть, передвинуть или переименовать.";
    struct Gesture {
        const char* what;
        void (*edit)(CellGrid&, NameTable&, NodePos a, NodePos f);
        std::string message;
    };
    const Gesture gestures[] = {
        {"switch", [](CellGrid& c, NameTable&, NodePos a, NodePos) { ToggleSource(c, a.x, a.y); }, ""},
        {"erase", [](CellGrid& c, NameTable&, NodePos a, NodePos) { EraseAtNode(c, a.x, a.y, EraseMode::Press); }, sourceA},
        {"move", [](CellGrid& c, NameTable& n, NodePos a, NodePos) {
             PlaceSource(c, a.x + 1, a.y + 1);
             PickUpElement(c, a.x, a.y);
             MoveName(n, a, {a.x + 1, a.y + 1});
         }, sourceA},
        {"rename", [](CellGrid& c, NameTable& n, NodePos a, NodePos) { RenameElement(n, c, a, "X"); }, sourceA},
        {"erase lamp", [](CellGrid& c, NameTable&, NodePos, NodePos f) { EraseAtNode(c, f.x, f.y, EraseMode::Press); },
         "Лампочка «F» дана в задании: её нельзя стереть, передвинуть или переименовать."},
    };
    for (const Gesture& g : gestures) {
        CellGrid cells = *files.task;
        NameTable names = files.names;
        g.edit(cells, names, a, f);
        EXPECT_EQ(LockedElementsMessage(locked, cells, names), g.message) << g.what;
        EXPECT_EQ(LockedElementsMessage(XorTask({"; task expect F A ^ B"}), cells, names), "") << g.what;
    }
}

TEST(TaskCheck, AFileThatCannotBeReadIsAnInvalidVerdictNotAnError) {
    TempFolder folder;
    WriteBytes(folder / "bad.vfl", " 3 2 5\r\n");
    const Task task = XorTask({"; task expect F A ^ B"});
    TaskChecker checker;
    const std::pair<std::string, std::string> cases[] = {
        {"bad.vfl", "Ошибка в файле: программа не может открыть файл."}, {"missing.vfl", "Файл не найден."}, {"", "Файл не читается."}};
    for (const auto& [file, line] : cases) {
        const TaskVerdict verdict = checker.CheckFile(task, folder / file);
        EXPECT_EQ(verdict.kind, VerdictKind::Invalid);
        EXPECT_EQ(verdict.rowsTotal, 4u);
        EXPECT_EQ(verdict.lines, std::vector<std::string>{line}) << file;
    }
    EXPECT_EQ(ReadTaskFile(folder / "bad.vfl").problems,
              std::vector<std::string>{"Ошибка в файле задания: программа не может открыть файл."});
}

}  // namespace
}  // namespace vorn::test
