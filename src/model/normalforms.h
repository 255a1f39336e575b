// Formulas of a truth column in the notation of the tutorial pages: "не A"
// for negation, "*" for conjunction, "+" for disjunction, a negated variable
// in parentheses inside a longer formula, the constants "0" and "1".
#pragma once

#include <string>
#include <vector>

#include "minimalcover.h"

namespace vorn {

// The column has 2^n entries, row r's value at index r, the first of the n
// names the most significant bit of r (as vorn-cli table counts the rows).
// Each throws std::invalid_argument when the sizes do not fit together.

// The perfect disjunctive normal form: one product of every variable per
// row with a 1, e.g. "(не A)*B+A*(не B)"; "0" without such rows.
std::string PerfectDnf(const std::vector<bool>& column, const std::vector<std::string>& names);

// The perfect conjunctive normal form: one sum of every variable per row
// with a 0, e.g. "(A+B)*((не A)+(не B))"; "1" without such rows.
std::string PerfectCnf(const std::vector<bool>& column, const std::vector<std::string>& names);

// A minimal disjunctive form (MinimalCover), e.g. "A*B+A*C+B*C".
std::string MinimalDnf(const std::vector<bool>& column, const std::vector<std::string>& names);

// A sum of products in the same notation: "0" for no products, "1" for an
// empty product among them.
std::string FormatSumOfProducts(const std::vector<Implicant>& products, const std::vector<std::string>& names);

}  // namespace vorn
