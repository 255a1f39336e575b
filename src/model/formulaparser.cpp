#include "formulaparser.h"

#include <algorithm>

#include "elementnames.h"
#include "translate.h"
#include "utf8text.h"

namespace vorn {

namespace {

enum class Token { Name, Constant, Not, And, Xor, Or, Implies, Equivalent, Open, Close, End };

struct Lexeme {
    Token token = Token::End;
    std::size_t position = 0;  // 1-based, in characters
    std::u32string text;
};

Token SignToken(char32_t c) {
    switch (c) {
        case U'!': case U'¬': return Token::Not;
        case U'*': case U'&': case U'∧': return Token::And;
        case U'^': case U'⊕': return Token::Xor;
        case U'+': case U'|': case U'∨': return Token::Or;
        case U'→': return Token::Implies;
        case U'~': case U'≡': return Token::Equivalent;
        case U'(': return Token::Open;
        case U')': return Token::Close;
        default: return Token::End;
    }
}

std::string Quoted(const std::u32string& text) {
    std::string bytes;
    for (char32_t c : text) bytes += EncodeUtf8(c);
    return Fill(Tr("FormulaParser", "«%1»"), {bytes});
}

std::string At(std::size_t position) { return Fill(Tr("FormulaParser", "Позиция %1: "), {std::to_string(position)}); }

class Parser {
public:
    explicit Parser(std::u32string text) : text_(std::move(text)) {}

    FormulaParse Run() {
        Lex();
        if (failed_) return result_;
        if (lexemes_.front().token == Token::End) return Fail(1, Tr("FormulaParser", "формула пуста."));
        Equivalence();  // the formula's node is the last one added
        if (failed_) return result_;
        const Lexeme& rest = Peek();
        if (rest.token == Token::Close) return Fail(rest.position, Tr("FormulaParser", "лишняя закрывающая скобка."));
        if (rest.token != Token::End) return Fail(rest.position, Fill(Tr("FormulaParser", "ожидается знак операции, а стоит %1."), {Quoted(rest.text)}));
        result_.expression = std::move(expression_);
        return result_;
    }

private:
    static constexpr int kDeepest = 200;  // nesting of parentheses and negations

    FormulaParse Fail(std::size_t position, const std::string& message) {
        if (!failed_) {
            failed_ = true;
            result_.errorPosition = position;
            result_.error = At(position) + message;
        }
        return result_;
    }

    void Lex() {
        std::size_t i = 0;
        while (i < text_.size()) {
            const char32_t c = text_[i];
            const std::size_t position = i + 1;
            if (c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\u00A0') {
                ++i;
            } else if (IsNameCharacter(c)) {
                std::size_t end = i;
                while (end < text_.size() && IsNameCharacter(text_[end])) ++end;
                Lexeme word{Token::Name, position, text_.substr(i, end - i)};
                if (IsNegationWord(word.text)) word.token = Token::Not;
                else if (word.text == U"0" || word.text == U"1") word.token = Token::Constant;
                lexemes_.push_back(std::move(word));
                i = end;
            } else if (c == U'-' && i + 1 < text_.size() && text_[i + 1] == U'>') {
                lexemes_.push_back({Token::Implies, position, U"->"});
                i += 2;
            } else if (SignToken(c) != Token::End) {
                lexemes_.push_back({SignToken(c), position, std::u32string(1, c)});
                ++i;
            } else {
                Fail(position, Fill(Tr("FormulaParser", "непонятный знак %1."), {Quoted(std::u32string(1, c))}));
                return;
            }
        }
        lexemes_.push_back({Token::End, text_.size() + 1, {}});
    }

    const Lexeme& Peek() const { return lexemes_[next_]; }
    const Lexeme& Take() { return lexemes_[next_++]; }

    int Add(LogicOp op, int a, int b) {
        LogicNode node;
        node.op = op;
        node.a = a;
        node.b = b;
        expression_.nodes.push_back(node);
        return static_cast<int>(expression_.nodes.size()) - 1;
    }

    // Left-grouped chains of one sign.
    template <typename Operand>
    int Chain(Token sign, LogicOp op, Operand operand) {
        int left = operand();
        while (!failed_ && Peek().token == sign) {
            Take();
            const int right = operand();
            if (failed_) break;
            left = Add(op, left, right);
        }
        return left;
    }

    int Equivalence() {
        return Chain(Token::Equivalent, LogicOp::Equivalent, [this] { return Implication(); });
    }

    int Implication() {
        const int left = Disjunction();
        if (failed_ || Peek().token != Token::Implies) return left;
        Take();
        const int right = Implication();
        return failed_ ? left : Add(LogicOp::Implies, left, right);
    }

    int Disjunction() { return Chain(Token::Or, LogicOp::Or, [this] { return ExclusiveOr(); }); }
    int ExclusiveOr() { return Chain(Token::Xor, LogicOp::Xor, [this] { return Conjunction(); }); }

    // "*" and the conjunction written by putting a group next to a factor.
    int Conjunction() {
        bool closedByGroup = false;
        int left = Unary(closedByGroup);
        while (!failed_) {
            const Token next = Peek().token;
            const bool juxtaposed =
                next == Token::Open || (closedByGroup && (next == Token::Name || next == Token::Constant));
            if (next != Token::And && !juxtaposed) break;
            if (next == Token::And) Take();
            const int right = Unary(closedByGroup);
            if (failed_) break;
            left = Add(LogicOp::And, left, right);
        }
        return left;
    }

    // closedByGroup: whether the factor ends with a closing parenthesis.
    int Unary(bool& closedByGroup) {
        if (++depth_ > kDeepest) {
            Fail(Peek().position, Tr("FormulaParser", "слишком много вложенных скобок и отрицаний."));
            return -1;
        }
        const int node = Peek().token == Token::Not ? Negation(closedByGroup) : Primary(closedByGroup);
        --depth_;
        return node;
    }

    int Negation(bool& closedByGroup) {
        Take();
        const int operand = Unary(closedByGroup);
        return failed_ ? -1 : Add(LogicOp::Not, operand, -1);
    }

    int Primary(bool& closedByGroup) {
        const Lexeme& lexeme = Take();
        closedByGroup = false;
        switch (lexeme.token) {
            case Token::Name: {
                std::string name;
                for (char32_t c : lexeme.text) name += EncodeUtf8(c);
                auto& vars = expression_.variables;
                const auto found = std::find(vars.begin(), vars.end(), name);
                const int index = static_cast<int>(found - vars.begin());
                if (found == vars.end()) vars.push_back(std::move(name));
                const int node = Add(LogicOp::Variable, -1, -1);
                expression_.nodes[static_cast<std::size_t>(node)].variable = index;
                return node;
            }
            case Token::Constant: {
                const int node = Add(LogicOp::Constant, -1, -1);
                expression_.nodes[static_cast<std::size_t>(node)].value = lexeme.text == U"1";
                return node;
            }
            case Token::Open: {
                const int inner = Equivalence();
                if (failed_) return -1;
                if (Peek().token != Token::Close) {
                    Fail(Peek().position, Fill(Tr("FormulaParser", "не хватает закрывающей скобки к открытой в позиции %1."),
                                               {std::to_string(lexeme.position)}));
                    return -1;
                }
                Take();
                closedByGroup = true;
                return inner;
            }
            case Token::End:
                Fail(lexeme.position, Tr("FormulaParser", "формула не закончена: ожидается переменная, 0, 1 или «(»."));
                return -1;
            default:
                Fail(lexeme.position,
                     Fill(Tr("FormulaParser", "ожидается переменная, 0, 1 или «(», а стоит %1."), {Quoted(lexeme.text)}));
                return -1;
        }
    }

    std::u32string text_;
    std::vector<Lexeme> lexemes_;
    std::size_t next_ = 0;
    int depth_ = 0;
    bool failed_ = false;
    LogicExpression expression_;
    FormulaParse result_;
};

}  // namespace

bool LogicExpression::Evaluate(const std::vector<bool>& values) const {
    std::vector<bool> value(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const LogicNode& n = nodes[i];
        const bool a = n.a >= 0 && value[static_cast<std::size_t>(n.a)];
        const bool b = n.b >= 0 && value[static_cast<std::size_t>(n.b)];
        switch (n.op) {
            case LogicOp::Variable: value[i] = values.at(static_cast<std::size_t>(n.variable)); break;
            case LogicOp::Constant: value[i] = n.value; break;
            case LogicOp::Not: value[i] = !a; break;
            case LogicOp::And: value[i] = a && b; break;
            case LogicOp::Xor: value[i] = a != b; break;
            case LogicOp::Or: value[i] = a || b; break;
            case LogicOp::Implies: value[i] = !a || b; break;
            case LogicOp::Equivalent: value[i] = a == b; break;
        }
    }
    return !value.empty() && value.back();
}

FormulaParse ParseFormula(std::string_view text) {
    std::optional<std::u32string> points = DecodeUtf8(text);
    if (!points) {
        FormulaParse result;
        result.errorPosition = 1;
        result.error = At(1) + Tr("FormulaParser", "текст формулы не в кодировке UTF-8.");
        return result;
    }
    return Parser(std::move(*points)).Run();
}

std::optional<std::vector<bool>> TruthColumnOf(const LogicExpression& expression,
                                               const std::vector<std::string>& names) {
    const std::size_t n = names.size();
    std::vector<std::size_t> bitOf;  // variable i is source bitOf[i]
    for (const std::string& variable : expression.variables) {
        const auto found = std::find(names.begin(), names.end(), variable);
        if (found == names.end()) return std::nullopt;
        bitOf.push_back(n - 1 - static_cast<std::size_t>(found - names.begin()));
    }
    std::vector<bool> column(std::size_t{1} << n);
    std::vector<bool> values(bitOf.size());
    for (std::size_t row = 0; row < column.size(); ++row) {
        for (std::size_t i = 0; i < bitOf.size(); ++i) values[i] = (row >> bitOf[i]) & 1u;
        column[row] = expression.Evaluate(values);
    }
    return column;
}

}  // namespace vorn
