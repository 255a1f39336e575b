#include "taskexamples.h"

#include <stdexcept>

#include "circuitfile.h"
#include "task.h"

namespace vorn::circuitgen {

namespace {

// A formula network written as the expressions of a textbook.
class Network {
public:
    explicit Network(int sources) { formula_.sources = sources; formula_.nodes.resize(static_cast<std::size_t>(sources)); }
    int Not(int a) { return Add({Op::Not, a, -1}); }
    int And(int a, int b) { return Add({Op::And, a, b}); }
    int Or(int a, int b) { return Add({Op::Or, a, b}); }
    int Xor(int a, int b) { return Or(And(a, Not(b)), And(Not(a), b)); }
    Formula Shows(std::vector<int> lamps) {
        formula_.lamps = std::move(lamps);
        return formula_;
    }

private:
    int Add(FormulaNode node) {
        formula_.nodes.push_back(node);
        return static_cast<int>(formula_.nodes.size()) - 1;
    }
    Formula formula_;
};

Formula Single(int sources, int (*build)(Network&)) {
    Network n(sources);
    const int out = build(n);
    return n.Shows({out});
}

}  // namespace

std::vector<TaskExample> TaskExamples() {
    std::vector<TaskExample> examples;
    const std::string lockAndLimit = "; task lock";
    examples.push_back({"01-inverter",
                        {"; task title Инвертор", "; task text Лампочка F должна гореть, когда источник A выключен, и гаснуть, когда он включён.",
                         "; task expect F не A", "; task allow inverter", "; task limit gates 1", lockAndLimit},
                        {"A"}, {"F"}, Single(1, [](Network& n) { return n.Not(0); })});
    examples.push_back({"02-and-from-or",
                        {"; task title Конъюнкция без конъюнктора",
                         "; task text Соберите схему, в которой лампочка F горит только тогда, когда включены оба источника A и B.",
                         "; task text Конъюнктор брать нельзя: только дизъюнкторы и инверторы.",
                         "; task expect F A*B", "; task allow inverter disjunctor", "; task limit gates 4", lockAndLimit},
                        {"A", "B"}, {"F"},
                        Single(2, [](Network& n) { return n.Not(n.Or(n.Not(0), n.Not(1))); })});
    examples.push_back({"03-xor",
                        {"; task title Исключающее ИЛИ",
                         "; task text Лампочка F должна гореть, когда включён ровно один из источников A и B.",
                         "; task expect F A ⊕ B", "; task allow inverter conjunctor disjunctor", "; task limit gates 5", lockAndLimit},
                        {"A", "B"}, {"F"}, Single(2, [](Network& n) { return n.Xor(0, 1); })});
    examples.push_back({"04-equivalence",
                        {"; task title Эквивалентность",
                         "; task text Лампочка F должна гореть, когда источники A и B стоят в одинаковом положении.",
                         "; task expect F A ≡ B", "; task allow inverter conjunctor disjunctor", lockAndLimit},
                        {"A", "B"}, {"F"},
                        Single(2, [](Network& n) { return n.Or(n.And(0, 1), n.And(n.Not(0), n.Not(1))); })});
    examples.push_back({"05-majority",
                        {"; task title Голосование трёх",
                         "; task text Трое голосуют источниками A, B и C. Лампочка F горит, когда «за» не меньше двух.",
                         "; task table F 00010111", "; task allow conjunctor disjunctor", lockAndLimit},
                        {"A", "B", "C"}, {"F"},
                        Single(3, [](Network& n) { return n.Or(n.Or(n.And(0, 1), n.And(0, 2)), n.And(1, 2)); })});
    {
        Network n(2);
        const int sum = n.Xor(0, 1), carry = n.And(0, 1);
        examples.push_back({"06-half-adder",
                            {"; task title Полусумматор",
                             "; task text Сложите два одноразрядных числа A и B.",
                             "; task text Лампочка Сумма показывает младший разряд суммы, лампочка Перенос — старший.",
                             "; task expect Сумма A ^ B", "; task expect Перенос A & B",
                             "; task allow inverter conjunctor disjunctor", lockAndLimit},
                            {"A", "B"}, {"Сумма", "Перенос"}, n.Shows({sum, carry})});
    }
    {
        Network n(3);
        const int half = n.Xor(0, 1);
        const int sum = n.Xor(half, 2), carry = n.Or(n.And(0, 1), n.And(half, 2));
        examples.push_back({"07-full-adder",
                            {"; task title Полный сумматор",
                             "; task text Сложите три одноразрядных числа: A, B и перенос из младшего разряда C.",
                             "; task text Лампочка Сумма показывает младший разряд суммы, лампочка Перенос — старший.",
                             "; task expect Сумма A ⊕ B ⊕ C", "; task expect Перенос A*B + C*(A ⊕ B)",
                             "; task allow inverter conjunctor disjunctor", lockAndLimit},
                            {"A", "B", "C"}, {"Сумма", "Перенос"}, n.Shows({sum, carry})});
    }
    examples.push_back({"08-multiplexer",
                        {"; task title Мультиплексор",
                         "; task text Источник S выбирает, чей сигнал видит лампочка F: при S = 0 — сигнал источника A, при S = 1 — источника B.",
                         "; task expect F (не S)A + S*B", "; task allow inverter conjunctor disjunctor", lockAndLimit},
                        {"A", "B", "S"}, {"F"},
                        Single(3, [](Network& n) { return n.Or(n.And(n.Not(2), 0), n.And(2, 1)); })});
    examples.push_back({"09-de-morgan-and",
                        {"; task title Закон де Моргана: отрицание конъюнкции",
                         "; task text Лампочка F должна показывать не (A*B), но конъюнктор брать нельзя.",
                         "; task text Подсказка: не (A*B) = (не A) + (не B).",
                         "; task expect F ¬(A ∧ B)", "; task allow inverter disjunctor", "; task limit gates 3", lockAndLimit},
                        {"A", "B"}, {"F"}, Single(2, [](Network& n) { return n.Or(n.Not(0), n.Not(1)); })});
    examples.push_back({"10-de-morgan-or",
                        {"; task title Закон де Моргана: отрицание дизъюнкции",
                         "; task text Лампочка F должна показывать не (A+B), но дизъюнктор брать нельзя.",
                         "; task text Подсказка: не (A+B) = (не A)*(не B).",
                         "; task expect F !(A | B)", "; task allow inverter conjunctor", "; task limit gates 3", lockAndLimit},
                        {"A", "B"}, {"F"}, Single(2, [](Network& n) { return n.And(n.Not(0), n.Not(1)); })});
    return examples;
}

namespace {

// The English edition of each ready task: the same circuit, the task lines and
// the lamp names in English.
struct EnglishText {
    const char* file;
    std::vector<std::string> lines;
    std::vector<std::string> lampNames;
};

std::vector<EnglishText> EnglishTexts() {
    const std::string lock = "; task lock";
    return {
        {"01-inverter",
         {"; task title Inverter", "; task text Lamp F should be lit while source A is off, and go out when A is switched on.",
          "; task expect F ¬A", "; task allow inverter", "; task limit gates 1", lock},
         {"F"}},
        {"02-and-from-or",
         {"; task title AND without a conjunctor",
          "; task text Build a circuit in which lamp F is lit only when both sources A and B are on.",
          "; task text You may not use a conjunctor: only disjunctors and inverters.", "; task expect F A*B",
          "; task allow inverter disjunctor", "; task limit gates 4", lock},
         {"F"}},
        {"03-xor",
         {"; task title Exclusive OR", "; task text Lamp F should be lit when exactly one of the sources A and B is on.",
          "; task expect F A ⊕ B", "; task allow inverter conjunctor disjunctor", "; task limit gates 5", lock},
         {"F"}},
        {"04-equivalence",
         {"; task title Equivalence", "; task text Lamp F should be lit when sources A and B are in the same position.",
          "; task expect F A ≡ B", "; task allow inverter conjunctor disjunctor", lock},
         {"F"}},
        {"05-majority",
         {"; task title A vote of three",
          "; task text Three people vote with sources A, B and C. Lamp F is lit when at least two of them vote yes.",
          "; task table F 00010111", "; task allow conjunctor disjunctor", lock},
         {"F"}},
        {"06-half-adder",
         {"; task title Half adder", "; task text Add two one-digit binary numbers A and B.",
          "; task text Lamp Sum shows the low digit of the sum, lamp Carry the high digit.", "; task expect Sum A ^ B",
          "; task expect Carry A & B", "; task allow inverter conjunctor disjunctor", lock},
         {"Sum", "Carry"}},
        {"07-full-adder",
         {"; task title Full adder",
          "; task text Add three one-digit binary numbers: A, B and the carry C from the lower digit.",
          "; task text Lamp Sum shows the low digit of the sum, lamp Carry the high digit.", "; task expect Sum A ⊕ B ⊕ C",
          "; task expect Carry A*B + C*(A ⊕ B)", "; task allow inverter conjunctor disjunctor", lock},
         {"Sum", "Carry"}},
        {"08-multiplexer",
         {"; task title Multiplexer",
          "; task text Source S chooses which signal lamp F shows: that of source A when S = 0, that of source B when S = 1.",
          "; task expect F (¬S)A + S*B", "; task allow inverter conjunctor disjunctor", lock},
         {"F"}},
        {"09-de-morgan-and",
         {"; task title De Morgan's law: the negation of a conjunction",
          "; task text Lamp F should show ¬(A*B), but you may not use a conjunctor.",
          "; task text Hint: ¬(A*B) = (¬A) + (¬B).", "; task expect F ¬(A ∧ B)", "; task allow inverter disjunctor",
          "; task limit gates 3", lock},
         {"F"}},
        {"10-de-morgan-or",
         {"; task title De Morgan's law: the negation of a disjunction",
          "; task text Lamp F should show ¬(A+B), but you may not use a disjunctor.",
          "; task text Hint: ¬(A+B) = (¬A)*(¬B).", "; task expect F !(A | B)", "; task allow inverter conjunctor",
          "; task limit gates 3", lock},
         {"F"}},
    };
}

}  // namespace

std::vector<TaskExample> EnglishTaskExamples() {
    std::vector<TaskExample> examples = TaskExamples();
    const std::vector<EnglishText> texts = EnglishTexts();
    if (texts.size() != examples.size()) throw std::runtime_error("the English ready tasks are not the Russian ones");
    for (std::size_t i = 0; i < examples.size(); ++i) {
        if (examples[i].file != texts[i].file || examples[i].lampNames.size() != texts[i].lampNames.size())
            throw std::runtime_error("no English edition of " + examples[i].file);
        examples[i].lines = texts[i].lines;
        examples[i].lampNames = texts[i].lampNames;
    }
    return examples;
}

TaskExampleFiles DrawTaskExample(const TaskExample& example) {
    std::optional<GeneratedCircuit> drawn;
    for (std::uint64_t seed = 1; !drawn && seed < 100; ++seed) drawn = DrawFormula(example.formula, seed);
    if (!drawn) throw std::runtime_error("cannot draw " + example.file);
    TaskExampleFiles files;
    files.solution = std::move(drawn->cells);
    files.task = std::make_unique<CellGrid>();
    auto keep = [&](const std::vector<NodePos>& nodes, const std::vector<std::string>& names) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const NodePos p = nodes[i];
            files.task->at(p.x, p.y) = files.solution->at(p.x, p.y);
            if (RenameElement(files.names, *files.solution, p, names.at(i)) != RenameResult::Renamed)
                throw std::runtime_error("cannot name " + names[i] + " in " + example.file);
        }
    };
    keep(drawn->sources, example.sourceNames);
    keep(drawn->lamps, example.lampNames);
    for (const std::string& line : example.lines) files.lines.push_back({0, line});
    const TaskLines given = GivenPartLines(*files.task, files.names);
    files.lines.insert(files.lines.end(), given.begin(), given.end());
    return files;
}

void WriteTaskExamples(const std::filesystem::path& folder) {
    auto write = [](const std::filesystem::path& into, const std::vector<TaskExample>& examples) {
        for (const TaskExample& example : examples) {
            const TaskExampleFiles files = DrawTaskExample(example);
            WriteCircuit(into / (example.file + ".vfl"), *files.task, files.names, files.lines);
            WriteCircuit(into / (example.file + "-solution.vfl"), *files.solution, files.names, files.lines);
        }
    };
    write(folder, TaskExamples());
    std::filesystem::create_directories(folder / "en");
    write(folder / "en", EnglishTaskExamples());
}

}  // namespace vorn::circuitgen
