#include "task.h"

#include <algorithm>
#include <array>

#include "formulaparser.h"
#include "translate.h"
#include "utf8text.h"

namespace vorn {

namespace {

struct ElementWord {
    std::string_view word;
    unsigned element;
};

constexpr std::array<ElementWord, 5> kElementWords{{
    {"source", kTaskSource},
    {"lamp", kTaskLamp},
    {"inverter", kTaskInverter},
    {"conjunctor", kTaskConjunctor},
    {"disjunctor", kTaskDisjunctor},
}};

// Quoted lines are cut here, so that a message stays one readable line.
constexpr std::size_t kQuotedCharacters = 60;
constexpr int kMaxGateLimit = 100000;

std::string Quoted(std::string_view text) {
    std::string readable;  // bytes that are not UTF-8 shown as "?"
    if (!DecodeUtf8(text)) {
        for (char c : text) readable += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        text = readable;
    }
    const std::optional<std::u32string> points = DecodeUtf8(text);
    std::string quoted;
    for (std::size_t i = 0; i < points->size() && i < kQuotedCharacters; ++i) quoted += EncodeUtf8((*points)[i]);
    if (points->size() > kQuotedCharacters) quoted += "…";
    return Fill(Tr("Task", "«%1»"), {quoted});
}

// Splits "WORD REST" at its first blank; REST is empty when there is none.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {text, {}};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

bool NameIn(const std::vector<ShownName>& named, std::string_view name) {
    return std::any_of(named.begin(), named.end(), [&](const ShownName& s) { return s.name == name; });
}

std::string_view WordOfElement(unsigned element) {
    for (const ElementWord& e : kElementWords)
        if (e.element == element) return e.word;
    return {};
}

std::string_view Keyword(const TaskLine& line) {
    return FirstWord(std::string_view(line.text).substr(kTaskLinePrefix.size())).first;
}

// A node's column or row: a decimal number below the field's size.
std::optional<int> Coordinate(std::string_view digits) {
    if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    for (char d : digits) value = value * 10 + (d - '0');
    return value < kFieldSize ? std::optional<int>(value) : std::nullopt;
}

constexpr unsigned kNamedElements = kTaskSource | kTaskLamp;

class TaskReader {
public:
    explicit TaskReader(Task& task) : task_(task) {}

    void Read(const TaskLine& line) {
        line_ = &line;
        const std::string_view body = std::string_view(line.text).substr(kTaskLinePrefix.size());
        const auto [keyword, rest] = FirstWord(body);
        if (keyword == "given") return;  // read before the others, by Given
        if (!DecodeUtf8(line.text)) return Problem(Tr("Task", "строка не в кодировке UTF-8."));
        if (keyword == "title") return Title(rest);
        if (keyword == "text") return Text(rest);
        if (keyword == "expect") return Expect(rest);
        if (keyword == "table") return Table(rest);
        if (keyword == "allow") return Allow(rest);
        if (keyword == "limit") return Limit(rest);
        if (keyword == "lock")
            return rest.empty() ? void(task_.locked = true) : Problem(Tr("Task", "после lock ничего не пишется."));
        Problem(Fill(Tr("Task", "неизвестное слово %1; строка задания начинается с title, text, expect, table, "
                                "allow, limit, lock или given."),
                     {Quoted(keyword)}));
    }

    // A given line; they are all read first, since the expect and table
    // lines name their sources and lamps.
    void Given(const TaskLine& line) {
        line_ = &line;
        if (!DecodeUtf8(line.text)) return Problem(Tr("Task", "строка не в кодировке UTF-8."));
        const auto [word, place] = FirstWord(FirstWord(std::string_view(line.text).substr(kTaskLinePrefix.size())).second);
        const unsigned element = TaskElementOfWord(word);
        if (element == 0)
            return Problem(Fill(Tr("Task", "неизвестный элемент %1; можно назвать source, lamp, inverter, conjunctor, "
                                           "disjunctor."),
                                {Quoted(word)}));
        const auto [column, afterColumn] = FirstWord(place);
        const auto [row, name] = FirstWord(afterColumn);
        const std::optional<int> x = Coordinate(column), y = Coordinate(row);
        const bool named = (element & kNamedElements) != 0;
        if (!x || !y || named == name.empty())
            return Problem(named ? Tr("Task", "источник и лампочка пишутся так: given ЭЛЕМЕНТ СТОЛБЕЦ СТРОКА ИМЯ.")
                                 : Tr("Task", "вентиль пишется так: given ЭЛЕМЕНТ СТОЛБЕЦ СТРОКА."));
        const NodePos node{*x, *y};
        if (std::any_of(task_.given.begin(), task_.given.end(), [&](const GivenElement& g) { return g.node == node; }))
            return Problem(Fill(Tr("Task", "в узле (%1, %2) уже есть элемент задания."), {column, row}));
        if (named && !IsValidName(name)) return Problem(Fill(Tr("Task", "%1 не может быть именем."), {Quoted(name)}));
        if (named && (NameIn(task_.sources, name) || NameIn(task_.lamps, name)))
            return Problem(Fill(Tr("Task", "имя %1 в задании уже есть."), {Quoted(name)}));
        task_.given.push_back({node, element});
        if (named) (element == kTaskSource ? task_.sources : task_.lamps).push_back({node, std::string(name), true});
    }

private:
    void Problem(const std::string& message) {
        const std::string quoted = Quoted(line_->text);
        task_.problems.push_back(
            line_->number > 0 ? Fill(Tr("Task", "Строка %1 (%2): %3"), {std::to_string(line_->number), quoted, message})
                              : Fill(Tr("Task", "Строка задания (%1): %2"), {quoted, message}));
    }

    void Title(std::string_view rest) {
        if (rest.empty()) return Problem(Tr("Task", "заголовок пуст."));
        if (seenTitle_) return Problem(Tr("Task", "заголовок задан второй раз."));
        seenTitle_ = true;
        task_.title = rest;
    }

    void Text(std::string_view rest) {
        if (seenText_) task_.text += '\n';
        seenText_ = true;
        task_.text += rest;
    }

    // The lamp of an expect or table line; false after a problem.
    bool TakeLamp(std::string_view lamp) {
        if (lamp.empty()) {
            Problem(Tr("Task", "не названа лампочка."));
            return false;
        }
        if (!NameIn(task_.lamps, lamp)) {
            Problem(Fill(Tr("Task", "в схеме задания нет лампочки %1."), {Quoted(lamp)}));
            return false;
        }
        const bool twice = std::any_of(task_.expected.begin(), task_.expected.end(),
                                       [&](const ExpectedLamp& e) { return e.lamp == lamp; });
        if (twice) Problem(Fill(Tr("Task", "для лампочки %1 ответ уже задан."), {Quoted(lamp)}));
        return !twice;
    }

    void Expect(std::string_view rest) {
        const auto [lamp, formula] = FirstWord(rest);
        if (!TakeLamp(lamp)) return;
        const FormulaParse parse = ParseFormula(formula);
        if (!parse.expression) return Problem(Fill(Tr("Task", "формула не читается. %1"), {parse.error}));
        std::vector<std::string> names;
        for (const ShownName& s : task_.sources) names.push_back(s.name);
        for (const std::string& variable : parse.expression->variables)
            if (!NameIn(task_.sources, variable))
                return Problem(Fill(Tr("Task", "в схеме задания нет источника %1."), {Quoted(variable)}));
        if (names.size() > kMaxTaskSources) return;  // told once for the whole task
        task_.expected.push_back({std::string(lamp), *TruthColumnOf(*parse.expression, names), line_->number});
    }

    void Table(std::string_view rest) {
        const auto [lamp, bits] = FirstWord(rest);
        if (!TakeLamp(lamp)) return;
        if (task_.sources.size() > kMaxTaskSources) return;
        if (bits.find_first_not_of("01") != std::string_view::npos || bits.empty())
            return Problem(Tr("Task", "столбец таблицы пишется знаками 0 и 1 без пробелов."));
        const std::size_t rows = std::size_t{1} << task_.sources.size();
        if (bits.size() != rows)
            return Problem(Fill(Tr("Task", "знаков в столбце: %1, а строк в таблице: %2."),
                                {std::to_string(bits.size()), std::to_string(rows)}));
        std::vector<bool> column;
        for (char bit : bits) column.push_back(bit == '1');
        task_.expected.push_back({std::string(lamp), std::move(column), line_->number});
    }

    void Allow(std::string_view rest) {
        if (seenAllow_) return Problem(Tr("Task", "список разрешённых элементов задан второй раз."));
        seenAllow_ = true;
        unsigned allowed = 0;
        while (!rest.empty()) {
            auto [word, tail] = FirstWord(rest);
            rest = tail;
            if (word.empty()) continue;
            const unsigned element = TaskElementOfWord(word);
            if (element == 0)
                return Problem(Fill(Tr("Task", "неизвестный элемент %1; можно назвать source, lamp, inverter, "
                                               "conjunctor, disjunctor."),
                                    {Quoted(word)}));
            allowed |= element;
        }
        task_.allowed = allowed;
    }

    void Limit(std::string_view rest) {
        const auto [what, number] = FirstWord(rest);
        if (what != "gates") return Problem(Tr("Task", "ограничение пишется так: limit gates N."));
        if (seenLimit_) return Problem(Tr("Task", "ограничение задано второй раз."));
        seenLimit_ = true;
        int value = 0;
        const bool digits = !number.empty() && number.size() <= 6 &&
                            number.find_first_not_of("0123456789") == std::string_view::npos;
        if (digits) for (char d : number) value = value * 10 + (d - '0');
        if (!digits || value > kMaxGateLimit) return Problem(Tr("Task", "после limit gates ожидается число вентилей."));
        task_.gateLimit = value;
    }

    Task& task_;
    const TaskLine* line_ = nullptr;
    bool seenTitle_ = false, seenText_ = false, seenAllow_ = false, seenLimit_ = false;
};

}  // namespace

unsigned TaskElementOfWord(std::string_view word) {
    for (const ElementWord& e : kElementWords)
        if (e.word == word) return e.element;
    return 0;
}

unsigned TaskElementOfCode(std::int32_t code) {
    switch (code) {
        case SourceOff: case SourceOn: return kTaskSource;
        case Lamp: return kTaskLamp;
        case Inverter: return kTaskInverter;
        case ConjunctorAnchor: return kTaskConjunctor;
        case DisjunctorAnchor: return kTaskDisjunctor;
        default: return 0;
    }
}

TaskLines GivenPartLines(const CellGrid& cells, const NameTable& names) {
    TaskLines lines;
    auto add = [&](unsigned element, NodePos node, const std::string& name) {
        std::string text = std::string(kTaskLinePrefix) + "given " + std::string(WordOfElement(element)) + " " +
                           std::to_string(node.x) + " " + std::to_string(node.y);
        lines.push_back({0, name.empty() ? text : text + " " + name});
    };
    const ShownNames shown = NameElements(names, cells);
    for (const ShownName& s : shown.sources) add(kTaskSource, s.node, s.name);
    for (const ShownName& l : shown.lamps) add(kTaskLamp, l.node, l.name);
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (const unsigned element = TaskElementOfCode(cells.at(x, y)); element & ~kNamedElements)
                add(element, {x, y}, "");
    return lines;
}

Task ReadTask(const TaskLines& lines, const CellGrid& cells, const NameTable& names) {
    Task task;
    task.lines = lines;
    if (lines.empty()) return task;
    TaskReader reader(task);
    const bool givenLines =
        std::any_of(lines.begin(), lines.end(), [](const TaskLine& line) { return Keyword(line) == "given"; });
    if (givenLines) {
        for (const TaskLine& line : lines)
            if (Keyword(line) == "given") reader.Given(line);
    } else {
        // The file's circuit is the given part, as it was before given lines
        // existed; the lines written back say so from now on.
        ShownNames shown = NameElements(names, cells);
        task.sources = std::move(shown.sources);
        task.lamps = std::move(shown.lamps);
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y)
                if (const unsigned element = TaskElementOfCode(cells.at(x, y))) task.given.push_back({{x, y}, element});
        const TaskLines derived = GivenPartLines(cells, names);
        if (lines.size() + derived.size() <= kMaxTaskLines) task.lines.insert(task.lines.end(), derived.begin(), derived.end());
    }

    if (lines.size() > kMaxTaskLines)
        task.problems.push_back(Fill(Tr("Task", "В задании больше %1 строк."), {std::to_string(kMaxTaskLines)}));
    if (task.sources.size() > kMaxTaskSources)
        task.problems.push_back(Fill(Tr("Task", "Источников в схеме задания: %1, а проверка берёт не больше %2."),
                                     {std::to_string(task.sources.size()), std::to_string(kMaxTaskSources)}));
    for (const TaskLine& line : lines) reader.Read(line);
    if (task.expected.empty() && task.problems.empty())
        task.problems.push_back(Tr("Task", "В задании нет ни одной строки expect или table: проверять нечего."));
    return task;
}

}  // namespace vorn
