// Reading a formula in the notation of the tutorial pages, and its value.
//
// Accepted signs: negation "не" (in any letter case), "!" or "¬"; conjunction
// "*", "&" or "∧", and a parenthesised group written next to a variable or
// another group ("(не A)B", "A(не B)", "(A+B)(A+C)"); exclusive or "^" or
// "⊕"; disjunction "+", "|" or "∨"; implication "->" or "→"; equivalence "~"
// or "≡"; the constants "0" and "1"; parentheses. Variables are names of
// letters, digits and "_" (elementnames.h). From the strongest binding to
// the weakest: negation, conjunction, exclusive or, disjunction, implication
// (grouped from the right: A → B → C is A → (B → C)), equivalence.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

enum class LogicOp { Variable, Constant, Not, And, Xor, Or, Implies, Equivalent };

struct LogicNode {
    LogicOp op = LogicOp::Constant;
    int a = -1;         // operand nodes: earlier entries of LogicExpression::nodes
    int b = -1;
    int variable = -1;  // Variable: index into LogicExpression::variables
    bool value = false; // Constant
};

struct LogicExpression {
    // Every operand stands before the node that uses it; the last node is the formula.
    std::vector<LogicNode> nodes;
    // The distinct variable names in the order they first appear.
    std::vector<std::string> variables;

    // values[i] is the value of variables[i].
    bool Evaluate(const std::vector<bool>& values) const;
};

struct FormulaParse {
    std::optional<LogicExpression> expression;
    // When the text is not a formula: the position (1-based, in characters)
    // and a message for the learner that starts with it.
    std::size_t errorPosition = 0;
    std::string error;
};

FormulaParse ParseFormula(std::string_view text);

// The formula's value in every row of a truth table over the sources
// `names` (2^n rows, the first name the most significant bit); nothing when
// the formula uses a name that is not among them.
std::optional<std::vector<bool>> TruthColumnOf(const LogicExpression& expression,
                                               const std::vector<std::string>& names);

}  // namespace vorn
