#include "taskcheck.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <set>
#include <utility>

#include "circuitfile.h"
#include "circuitwarnings.h"
#include "signals.h"
#include "tablerows.h"
#include "translate.h"

namespace vorn {

namespace {

struct ElementWords {
    unsigned element;
    const char* plural;
};

constexpr ElementWords kPlurals[] = {
    {kTaskSource, VORN_TR_NOOP("TaskCheck", "источники")},
    {kTaskLamp, VORN_TR_NOOP("TaskCheck", "лампочки")},
    {kTaskInverter, VORN_TR_NOOP("TaskCheck", "инверторы")},
    {kTaskConjunctor, VORN_TR_NOOP("TaskCheck", "конъюнкторы")},
    {kTaskDisjunctor, VORN_TR_NOOP("TaskCheck", "дизъюнкторы")},
};

const ShownName* Find(const std::vector<ShownName>& named, const std::string& name) {
    const auto found = std::find_if(named.begin(), named.end(), [&](const ShownName& s) { return s.name == name; });
    return found == named.end() ? nullptr : &*found;
}

std::string Quoted(const std::string& name) { return Fill(Tr("TaskCheck", "«%1»"), {name}); }

// "A = 1, B = 0" for one row of the task's table.
std::string RowValues(const std::vector<ShownName>& sources, std::size_t row) {
    std::string words;
    const std::size_t n = sources.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) words += ", ";
        words += sources[i].name + " = " + (((row >> (n - 1 - i)) & 1u) ? "1" : "0");
    }
    return words;
}

// "При A = 1, B = 0 лампочка F ...", or "Лампочка F ..." without sources.
std::string Mistake(const std::vector<ShownName>& sources, std::size_t row, const std::string& lamp, bool expected,
                    std::int32_t signal) {
    if (sources.empty()) {
        if (!expected) return Fill(Tr("TaskCheck", "Лампочка %1 не должна гореть, а она горит."), {lamp});
        return Fill(signal == NoSignal ? Tr("TaskCheck", "Лампочка %1 должна гореть, а до неё не доходит сигнал.")
                                       : Tr("TaskCheck", "Лампочка %1 должна гореть, а она не горит."),
                    {lamp});
    }
    const std::string values = RowValues(sources, row);
    if (!expected) return Fill(Tr("TaskCheck", "При %1 лампочка %2 не должна гореть, а она горит."), {values, lamp});
    return Fill(signal == NoSignal ? Tr("TaskCheck", "При %1 лампочка %2 должна гореть, а до неё не доходит сигнал.")
                                   : Tr("TaskCheck", "При %1 лампочка %2 должна гореть, а она не горит."),
                {values, lamp});
}

std::size_t TaskRows(const Task& task) {
    return task.sources.size() <= kMaxTaskSources ? std::size_t{1} << task.sources.size() : 0;
}

// What the circuit holds beyond the task's allowance: one sentence per excess.
std::vector<std::string> LimitProblems(const Task& task, const CellGrid& cells, const std::set<std::pair<int, int>>& matched) {
    std::map<std::pair<int, int>, unsigned> given;
    for (const GivenElement& g : task.given) given[{g.node.x, g.node.y}] = g.element;
    std::map<unsigned, int> counts;  // by element
    int gates = 0;
    for (int x = 0; x < kFieldSize; ++x) {
        for (int y = 0; y < kFieldSize; ++y) {
            const std::int32_t code = cells.at(x, y);
            const unsigned element = TaskElementOfCode(code);
            if (element == 0) continue;
            if (element & (kTaskInverter | kTaskConjunctor | kTaskDisjunctor)) ++gates;
            // The task's own elements, and the learner's sources and lamps
            // that stand for the task's, are always allowed.
            const auto taskElement = given.find({x, y});
            const bool exempt = matched.count({x, y}) || (taskElement != given.end() && taskElement->second == element);
            if (!exempt) ++counts[element];
        }
    }
    std::vector<std::string> problems;
    for (const ElementWords& words : kPlurals) {
        const int count = counts[words.element];
        if (!(task.allowed & words.element) && count > 0)
            problems.push_back(Fill(Tr("TaskCheck", "Задание не разрешает ставить %1, а в схеме их %2."),
                                    {Tr("TaskCheck", words.plural), std::to_string(count)}));
    }
    if (task.gateLimit && gates > *task.gateLimit)
        problems.push_back(Fill(Tr("TaskCheck", "Вентилей (инверторов, конъюнкторов и дизъюнкторов) в схеме: %1, "
                                                "а задание разрешает не больше %2."),
                                {std::to_string(gates), std::to_string(*task.gateLimit)}));
    return problems;
}

}  // namespace

std::string_view VerdictWord(VerdictKind kind) {
    switch (kind) {
        case VerdictKind::Ok: return "ok";
        case VerdictKind::Wrong: return "wrong";
        case VerdictKind::Missing: return "missing";
        case VerdictKind::Limits: return "limits";
        case VerdictKind::Invalid: return "invalid";
    }
    return "invalid";
}

std::string TaskVerdict::Text() const {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    if (!warnings.empty()) text += "Предупреждения:\n";
    for (const std::string& warning : warnings) text += warning + "\n";
    return text;
}

std::string TaskVerdict::Detail() const {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
    // A class's table stays short: the sentences are in the check of one file.
    if (!warnings.empty()) text += (text.empty() ? "" : " ") + std::string("Предупреждений: ") + std::to_string(warnings.size()) + ".";
    return text;
}

TaskVerdict InvalidTaskVerdict(const Task& task) {
    TaskVerdict verdict;
    if (task.problems.empty()) {
        verdict.lines.push_back(Tr("TaskCheck", "В файле нет задания: ни одной строки «; task …»."));
        return verdict;
    }
    if (task.Present()) verdict.lines.push_back(Tr("TaskCheck", "Задание составлено с ошибками, проверить по нему нельзя."));
    verdict.lines.insert(verdict.lines.end(), task.problems.begin(), task.problems.end());
    return verdict;
}

TaskChecker::TaskChecker()
    : cells_(std::make_unique<CellGrid>()), signals_(std::make_unique<SignalGrid>()) {}

TaskChecker::~TaskChecker() = default;

TaskVerdict TaskChecker::Check(const Task& task, CellGrid& cells, const NameTable& names) {
    if (!task.Valid()) return InvalidTaskVerdict(task);
    TaskVerdict verdict = Judge(task, cells, names);
    for (CircuitWarning& warning : FindCircuitWarnings(cells, *signals_, queue_))
        verdict.warnings.push_back(std::move(warning.text));
    return verdict;
}

TaskVerdict TaskChecker::Judge(const Task& task, CellGrid& cells, const NameTable& names) {
    TaskVerdict verdict;
    verdict.rowsTotal = TaskRows(task);
    const ShownNames shown = NameElements(names, cells);

    // Matching by name: the task's sources in its order, then the lamps it checks.
    std::vector<NodePos> sources, lamps;
    std::set<std::pair<int, int>> matched;
    for (const ShownName& s : task.sources) {
        if (const ShownName* mine = Find(shown.sources, s.name)) {
            sources.push_back(mine->node);
            matched.insert({mine->node.x, mine->node.y});
        } else {
            verdict.lines.push_back(Fill(Tr("TaskCheck", "В схеме нет источника %1."), {Quoted(s.name)}));
        }
    }
    for (const ShownName& l : task.lamps)
        if (const ShownName* mine = Find(shown.lamps, l.name)) matched.insert({mine->node.x, mine->node.y});
    for (const ExpectedLamp& e : task.expected) {
        if (const ShownName* mine = Find(shown.lamps, e.lamp)) lamps.push_back(mine->node);
        else verdict.lines.push_back(Fill(Tr("TaskCheck", "В схеме нет лампочки %1."), {Quoted(e.lamp)}));
    }
    if (!verdict.lines.empty()) {
        verdict.kind = VerdictKind::Missing;
        return verdict;
    }

    // The learner's other sources stay as drawn: they are the low bits of the
    // evaluated rows, and only the rows with their stored positions are read.
    std::vector<std::string> extraNames;
    std::size_t extraBits = 0;
    for (const ShownName& s : shown.sources) {
        if (matched.count({s.node.x, s.node.y})) continue;
        sources.push_back(s.node);
        extraNames.push_back(s.name);
        extraBits = extraBits << 1 | (cells.at(s.node.x, s.node.y) == SourceOn ? 1u : 0u);
    }
    std::vector<std::string> limits = LimitProblems(task, cells, matched);
    if (sources.size() > kMaxTaskSources) {
        limits.push_back(Fill(Tr("TaskCheck", "Источников в схеме: %1, а проверка берёт не больше %2."),
                              {std::to_string(sources.size()), std::to_string(kMaxTaskSources)}));
        verdict.kind = VerdictKind::Limits;
        verdict.lines = std::move(limits);
        return verdict;
    }

    const LampRows rows = EvaluateEveryRow(cells, *signals_, queue_, sources, lamps);
    const std::size_t extras = extraNames.size();
    std::vector<std::string> mistakes;
    std::size_t mistakeCount = 0;
    for (std::size_t row = 0; row < verdict.rowsTotal; ++row) {
        const std::size_t evaluated = row << extras | extraBits;
        bool right = true;
        for (std::size_t l = 0; l < lamps.size(); ++l) {
            const std::int32_t signal = rows.signals[evaluated * rows.lampCount + l];
            const bool expected = task.expected[l].column[row];
            if ((signal == Signal1) == expected) continue;
            right = false;
            if (++mistakeCount <= kToldMistakes) mistakes.push_back(Mistake(task.sources, row, task.expected[l].lamp, expected, signal));
        }
        if (right) ++verdict.rowsRight;
    }

    verdict.lines = std::move(limits);
    verdict.kind = !verdict.lines.empty() ? VerdictKind::Limits
                   : verdict.rowsRight < verdict.rowsTotal ? VerdictKind::Wrong
                                                            : VerdictKind::Ok;
    const std::string right = std::to_string(verdict.rowsRight), total = std::to_string(verdict.rowsTotal);
    if (verdict.rowsRight == verdict.rowsTotal) {
        verdict.lines.insert(
            verdict.lines.begin(),
            Fill(verdict.kind == VerdictKind::Ok
                     ? Tr("TaskCheck", "Всё верно: лампочки горят как надо во всех строках таблицы (%1 из %2).")
                     : Tr("TaskCheck", "Лампочки горят как надо во всех строках таблицы (%1 из %2), но:"),
                 {right, total}));
    } else {
        verdict.lines.push_back(
            Fill(Tr("TaskCheck", "Схема работает неверно: правильных строк таблицы %1 из %2."), {right, total}));
        verdict.lines.insert(verdict.lines.end(), mistakes.begin(), mistakes.end());
        if (mistakeCount > kToldMistakes)
            verdict.lines.push_back(
                Fill(Tr("TaskCheck", "И ещё ошибок: %1."), {std::to_string(mistakeCount - kToldMistakes)}));
    }
    if (extras > 0) {
        std::string list;
        for (const std::string& name : extraNames) list += (list.empty() ? "" : ", ") + name;
        verdict.lines.push_back(Fill(
            Tr("TaskCheck", "Источники, которых нет в задании (%1), проверены в том положении, в каком стоят."), {list}));
    }
    return verdict;
}

TaskVerdict TaskChecker::CheckFile(const Task& task, const std::filesystem::path& file) {
    if (!task.Valid()) return InvalidTaskVerdict(task);
    TaskVerdict verdict;
    verdict.rowsTotal = TaskRows(task);
    NameTable names;
    try {
        if (ReadCircuit(file, *cells_, names) == ReadVerdict::Valid) return Check(task, *cells_, names);
        verdict.lines.push_back(Tr("TaskCheck", "Ошибка в файле: программа не может открыть файл."));
    } catch (const CircuitFileError& error) {
        verdict.lines.push_back(error.code().value() == ENOENT ? Tr("TaskCheck", "Файл не найден.")
                                                               : Tr("TaskCheck", "Файл не читается."));
    }
    return verdict;
}

std::string LockedElementsMessage(const Task& task, const CellGrid& cells, const NameTable& names) {
    if (!task.locked) return {};
    // Compared by shown name: a default name that another element pushed
    // along breaks the matching as much as a new one.
    const ShownNames shown = NameElements(names, cells);
    for (const bool sources : {true, false}) {
        const std::vector<ShownName>& mine = sources ? shown.sources : shown.lamps;
        for (const ShownName& element : sources ? task.sources : task.lamps) {
            const bool kept = std::any_of(mine.begin(), mine.end(), [&](const ShownName& s) {
                return s.node == element.node && s.name == element.name;
            });
            if (!kept)
                return Fill(sources ? Tr("TaskCheck", "Источник %1 дан в задании: его нельзя стереть, передвинуть или "
                                                      "переименовать.")
                                    : Tr("TaskCheck", "Лампочка %1 дана в задании: её нельзя стереть, передвинуть или "
                                                      "переименовать."),
                            {Quoted(element.name)});
        }
    }
    return {};
}

Task ReadTaskFile(const std::filesystem::path& path) {
    auto cells = std::make_unique<CellGrid>();
    NameTable names;
    TaskLines lines;
    std::string problem;
    try {
        if (ReadCircuit(path, *cells, names, lines) == ReadVerdict::Valid) return ReadTask(lines, *cells, names);
        problem = Tr("TaskCheck", "Ошибка в файле задания: программа не может открыть файл.");
    } catch (const CircuitFileError& error) {
        problem = error.code().value() == ENOENT ? Tr("TaskCheck", "Файл задания не найден.")
                                                 : Tr("TaskCheck", "Файл задания не читается.");
    }
    Task task;
    task.problems.push_back(problem);
    return task;
}

}  // namespace vorn
