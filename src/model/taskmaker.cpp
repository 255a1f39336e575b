#include "taskmaker.h"

#include <algorithm>
#include <array>

#include "lampformulas.h"
#include "tablerows.h"
#include "translate.h"
#include "workqueue.h"

namespace vorn {

namespace {

constexpr std::array<std::pair<unsigned, const char*>, 5> kElementWords{{
    {kTaskSource, "source"},
    {kTaskLamp, "lamp"},
    {kTaskInverter, "inverter"},
    {kTaskConjunctor, "conjunctor"},
    {kTaskDisjunctor, "disjunctor"},
}};

// A task line holds no line break: a title's become blanks.
std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::erase(text, '\r');
    return text;
}

TaskLine Line(std::string_view keyword, std::string_view rest) {
    std::string text = std::string(kTaskLinePrefix) + std::string(keyword);
    if (!rest.empty()) text += " " + std::string(rest);
    return {0, text};
}

void AddTextLines(TaskLines& lines, const std::string& text) {
    std::vector<std::string> parts{""};
    for (char c : text) {
        if (c == '\n') parts.emplace_back();
        else if (c != '\r') parts.back() += c;
    }
    while (!parts.empty() && parts.back().empty()) parts.pop_back();
    for (const std::string& part : parts) lines.push_back(Line("text", part));
}

}  // namespace

TaskChoice DefaultTaskChoice(const CellGrid& solution, const NameTable& names) {
    TaskChoice choice;
    for (const ShownName& lamp : NameElements(names, solution).lamps) choice.lamps.push_back(lamp.name);
    return choice;
}

TaskFileContent MakeTaskFile(const TaskChoice& choice, const CellGrid& solution, const NameTable& names) {
    TaskFileContent content;
    content.cells = std::make_unique<CellGrid>(solution);
    const ShownNames shown = NameElements(names, solution);

    std::vector<NodePos> sources, lamps;
    std::vector<std::string> lampNames;
    for (const ShownName& s : shown.sources) sources.push_back(s.node);
    for (const ShownName& l : shown.lamps) {
        if (std::find(choice.lamps.begin(), choice.lamps.end(), l.name) == choice.lamps.end()) continue;
        lamps.push_back(l.node);
        lampNames.push_back(l.name);
    }
    if (shown.lamps.empty()) content.problem = Tr("TaskMaker", "В схеме нет ни одной лампочки: проверять нечего.");
    else if (lamps.empty()) content.problem = Tr("TaskMaker", "Не выбрана ни одна лампочка: проверять нечего.");
    else if (sources.size() > kMaxTaskSources)
        content.problem = Fill(Tr("TaskMaker", "Источников в схеме: %1, а задание берёт не больше %2."),
                               {std::to_string(sources.size()), std::to_string(kMaxTaskSources)});
    if (!content.problem.empty()) return content;

    for (const auto* list : {&shown.sources, &shown.lamps})
        for (const ShownName& element : *list) content.names[element.node] = element.name;

    if (const std::string title = OneLine(choice.title); !title.empty()) content.lines.push_back(Line("title", title));
    AddTextLines(content.lines, choice.text);
    {
        auto signals = std::make_unique<SignalGrid>();
        WorkQueue queue;
        const LampRows rows = EvaluateEveryRow(*content.cells, *signals, queue, sources, lamps);
        for (std::size_t l = 0; l < lamps.size(); ++l) {
            std::string bits;
            for (bool bit : LampColumn(rows, l)) bits += bit ? '1' : '0';
            content.lines.push_back(Line("table", lampNames[l] + " " + bits));
        }
    }
    if ((choice.allowed & kAllTaskElements) != kAllTaskElements) {
        std::string words;
        for (const auto& [element, word] : kElementWords)
            if (choice.allowed & element) words += (words.empty() ? "" : " ") + std::string(word);
        content.lines.push_back(Line("allow", words));
    }
    if (choice.gateLimit > 0) content.lines.push_back(Line("limit", "gates " + std::to_string(choice.gateLimit)));
    if (choice.locked) content.lines.push_back(Line("lock", ""));

    if (!choice.keepDrawing)
        for (int x = 0; x <= kFieldSize; ++x)
            for (int y = 0; y <= kFieldSize; ++y) {
                const unsigned element = TaskElementOfCode(content.cells->at(x, y));
                if (element != kTaskSource && element != kTaskLamp) content.cells->at(x, y) = Empty;
            }
    const TaskLines given = GivenPartLines(*content.cells, content.names);
    content.lines.insert(content.lines.end(), given.begin(), given.end());
    if (content.lines.size() > kMaxTaskLines)
        content.problem = "Элементов в данной части схемы слишком много: строк задания вышло бы " +
                          std::to_string(content.lines.size()) + ", а можно не больше " +
                          std::to_string(kMaxTaskLines) + ".";
    return content;
}

}  // namespace vorn
