// A shortest sum of products for a truth column: the fewest products, and of
// those covers the fewest literals.
#pragma once

#include <cstdint>
#include <vector>

namespace vorn {

// A product of literals over n variables. Variable i (0 = the first source)
// is bit (n - 1 - i) of a row number, as in a truth table whose first source
// is the most significant bit. A variable with its bit set in `care` appears
// in the product, plain where `value` has the bit set, negated where not.
struct Implicant {
    std::uint32_t value = 0;
    std::uint32_t care = 0;
    bool operator==(const Implicant&) const = default;
};

// A shortest cover (fewest products, then fewest literals) is searched for
// up to this many variables.
inline constexpr int kExactCoverVariables = 8;

// A truth column over n variables has 2^n entries, entry r the value in row r.
int ColumnVariables(const std::vector<bool>& column);

// Every prime implicant of the column (n <= kExactCoverVariables), in no set order.
std::vector<Implicant> PrimeImplicants(const std::vector<bool>& column);

// The search steps a shortest cover may take by default. Every column of up
// to seven variables needs far fewer; dense columns of eight, whose primes
// overlap in long cycles, can need a few hundred thousand (seconds).
inline constexpr long kCoverSearchBudget = 1000000;

// The products of a minimal disjunctive form: the ones of the column and no
// other row. Up to kExactCoverVariables variables: prime implicants, then a
// branch-and-bound search over them (essential primes first, dominated
// primes dropped, the row with the fewest choices branched on, bounded by
// rows that share no prime and by a Lagrangian relaxation). `exact` tells
// whether the search finished within `budget` steps, so that the cover is a
// shortest one; otherwise it is the shortest found by then. With more
// variables it is a good cover, not always a shortest one (`exact` false):
// every one-row is grown greedily into a prime and redundant primes are
// dropped. An empty result is the constant 0; one empty product, the
// constant 1. The products are sorted: by the first variable, plain before
// negated before absent, then by the next.
std::vector<Implicant> MinimalCover(const std::vector<bool>& column, bool* exact = nullptr,
                                    long budget = kCoverSearchBudget);

// The number of literals of a product.
int LiteralCount(const Implicant& product);

}  // namespace vorn
