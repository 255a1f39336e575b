#include "normalforms.h"

#include <stdexcept>

#include "translate.h"

namespace vorn {

namespace {

int CheckedVariables(const std::vector<bool>& column, const std::vector<std::string>& names) {
    const int n = ColumnVariables(column);
    if (static_cast<std::size_t>(n) != names.size())
        throw std::invalid_argument("a truth column of " + std::to_string(column.size()) + " rows needs " +
                                    std::to_string(n) + " names");
    return n;
}

bool HasBit(std::uint32_t row, int n, int variable) { return (row >> (n - 1 - variable)) & 1u; }

// The negation as the formula shows it: "не " in Russian, which the formula
// reader takes back; the English "¬" is read back too.
std::string Negation() { return Tr("Formula", "не "); }

// Literals joined by `sign`; a negated variable stands in parentheses unless
// it is the whole formula.
std::string Join(const std::vector<std::string>& plain, const std::vector<bool>& negated, const char* sign,
                 bool whole, const std::string& no) {
    std::string text;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i > 0) text += sign;
        if (!negated[i]) text += plain[i];
        else if (whole && plain.size() == 1) text += no + plain[i];
        else text += "(" + no + plain[i] + ")";
    }
    return text;
}

// One product (sum) per selected row: every variable, negated where its bit is 0 (1).
std::string PerfectForm(const std::vector<bool>& column, const std::vector<std::string>& names, bool ones) {
    const int n = CheckedVariables(column, names);
    std::vector<std::uint32_t> rows;
    for (std::uint32_t row = 0; row < column.size(); ++row)
        if (column[row] == ones) rows.push_back(row);
    if (rows.empty()) return ones ? "0" : "1";
    if (n == 0) return ones ? "1" : "0";
    const std::string no = Negation();
    std::string text;
    for (std::uint32_t row : rows) {
        std::vector<bool> negated;
        for (int v = 0; v < n; ++v) negated.push_back(HasBit(row, n, v) != ones);
        const std::string part = Join(names, negated, ones ? "*" : "+", rows.size() == 1, no);
        if (!text.empty()) text += ones ? "+" : "*";
        // A sum of several variables inside a product needs parentheses.
        text += !ones && rows.size() > 1 && n > 1 ? "(" + part + ")" : part;
    }
    return text;
}

}  // namespace

std::string PerfectDnf(const std::vector<bool>& column, const std::vector<std::string>& names) {
    return PerfectForm(column, names, true);
}

std::string PerfectCnf(const std::vector<bool>& column, const std::vector<std::string>& names) {
    return PerfectForm(column, names, false);
}

std::string MinimalDnf(const std::vector<bool>& column, const std::vector<std::string>& names) {
    CheckedVariables(column, names);
    return FormatSumOfProducts(MinimalCover(column), names);
}

std::string FormatSumOfProducts(const std::vector<Implicant>& products, const std::vector<std::string>& names) {
    const int n = static_cast<int>(names.size());
    if (products.empty()) return "0";
    const std::string no = Negation();
    std::string text;
    for (const Implicant& p : products) {
        if (p.care == 0) return "1";
        std::vector<std::string> plain;
        std::vector<bool> negated;
        for (int v = 0; v < n; ++v) {
            if (!HasBit(p.care, n, v)) continue;
            plain.push_back(names[static_cast<std::size_t>(v)]);
            negated.push_back(!HasBit(p.value, n, v));
        }
        if (!text.empty()) text += "+";
        text += Join(plain, negated, "*", products.size() == 1, no);
    }
    return text;
}

}  // namespace vorn
