#include <gtest/gtest.h>

#include "formulaparser.h"

namespace vorn::test {
namespace {

// The formula's column over the names as "0"/"1" characters, row 0 first.
std::string Column(const std::string& text, const std::vector<std::string>& names) {
    const FormulaParse parse = ParseFormula(text);
    if (!parse.expression) return parse.error;
    const auto column = TruthColumnOf(*parse.expression, names);
    if (!column) return "unknown name";
    std::string bits;
    for (bool b : *column) bits += b ? '1' : '0';
    return bits;
}

TEST(FormulaParser, SignsAndPrecedence) {
    const std::vector<std::string> abc{"A", "B", "C"};
    // Each formula against the same with every group written out.
    const std::pair<const char*, const char*> same[] = {
        {"не A*B", "(не A)*B"},        {"A+B*C", "A+(B*C)"},         {"A^B*C", "A^(B*C)"},
        {"A+B^C", "A+(B^C)"},          {"A→B+C", "A→(B+C)"},         {"A→B→C", "A→(B→C)"},
        {"A~B→C", "A~(B→C)"},          {"!A&B|C", "((не A)*B)+C"},   {"¬A∧B∨C", "((не A)*B)+C"},
        {"A⊕B≡C", "(A^B)~C"},          {"(A+B)(A+C)", "(A+B)*(A+C)"}, {"(не A)B+A(не B)C", "((не A)*B)+(A*((не B)*C))"},
        {"НЕ не A", "A"},              {"A->B", "(не A)+B"},         {"не (A*B)", "(не A)+(не B)"},
        {" A\t*\u00A0B ", "A*B"},
    };
    for (const auto& [text, written] : same) EXPECT_EQ(Column(text, abc), Column(written, abc)) << text;

    const std::pair<const char*, const char*> columns[] = {
        {"A → B", "1101"}, {"A~B", "1001"}, {"A^B", "0110"}, {"(не A)B", "0100"},
        {"A*1+0", "0011"}, {"B", "0101"},   {"Икс", "unknown name"},
    };
    for (const auto& [text, bits] : columns) EXPECT_EQ(Column(text, {"A", "B"}), bits) << text;
}

TEST(FormulaParser, ErrorsNameThePositionInCharacters) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "Позиция 1: формула пуста."},
        {"A+", "Позиция 3: формула не закончена: ожидается переменная, 0, 1 или «(»."},
        {"A+*B", "Позиция 3: ожидается переменная, 0, 1 или «(», а стоит «*»."},
        {"(A+B", "Позиция 5: не хватает закрывающей скобки к открытой в позиции 1."},
        {"A+B)", "Позиция 4: лишняя закрывающая скобка."},
        {"A B", "Позиция 3: ожидается знак операции, а стоит «B»."},
        {"Жук - B", "Позиция 5: непонятный знак «-»."},
        {"A+\xFF", "Позиция 1: текст формулы не в кодировке UTF-8."},
        {std::string(300, '(') + "A" + std::string(300, ')'), "Позиция 201: слишком много вложенных скобок и отрицаний."},
    };
    for (const auto& [text, message] : cases) {
        const FormulaParse parse = ParseFormula(text);
        EXPECT_FALSE(parse.expression) << text;
        EXPECT_EQ(parse.error, message) << text;
        EXPECT_TRUE(parse.error.starts_with("Позиция " + std::to_string(parse.errorPosition) + ":")) << text;
    }
}

}  // namespace
}  // namespace vorn::test
