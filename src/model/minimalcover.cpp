#include "minimalcover.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <climits>
#include <stdexcept>

namespace vorn {

namespace {

using RowSet = std::bitset<std::size_t{1} << kExactCoverVariables>;  // indices into the one-rows

// Calls visit(row) for every row a product covers.
template <typename Visit>
bool ForEachRow(const Implicant& product, std::uint32_t full, Visit visit) {
    const std::uint32_t free = full & ~product.care;
    std::uint32_t part = 0;
    do {
        if (!visit(product.value | part)) return false;
        part = (part - free) & free;
    } while (part != 0);
    return true;
}

// Branch and bound over the prime implicants: the fewest products, then the
// fewest literals.
class CoverSearch {
public:
    CoverSearch(std::vector<RowSet> covers, std::vector<int> literals)
        : covers_(std::move(covers)), literals_(std::move(literals)) {}

    // Stops searching after `budget` steps; whether it finished tells exact().
    std::vector<int> Solve(const RowSet& rows, long budget) {
        budget_ = budget;
        std::vector<int> candidates(covers_.size());
        for (std::size_t i = 0; i < candidates.size(); ++i) candidates[i] = static_cast<int>(i);
        Search(rows, std::move(candidates));
        return best_;
    }

    bool exact() const { return budget_ >= 0; }

private:
    int CountWithin(int prime, const RowSet& uncovered) const {
        return static_cast<int>((covers_[static_cast<std::size_t>(prime)] & uncovered).count());
    }

    void Take(int prime, RowSet& uncovered) {
        chosen_.push_back(prime);
        chosenLiterals_ += literals_[static_cast<std::size_t>(prime)];
        uncovered &= ~covers_[static_cast<std::size_t>(prime)];
    }

    // Drops primes that cover nothing left, or no more than a prime at most
    // as long covers (of two equal ones the later goes).
    void DropDominated(const RowSet& uncovered, std::vector<int>& candidates) const {
        std::vector<RowSet> left;
        for (int c : candidates) left.push_back(covers_[static_cast<std::size_t>(c)] & uncovered);
        std::vector<bool> dropped(candidates.size(), false);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (left[i].none()) {
                dropped[i] = true;
                continue;
            }
            for (std::size_t j = 0; j < candidates.size() && !dropped[i]; ++j) {
                if (i == j || dropped[j]) continue;
                const int li = literals_[static_cast<std::size_t>(candidates[i])];
                const int lj = literals_[static_cast<std::size_t>(candidates[j])];
                const bool within = (left[i] & ~left[j]).none();
                if (within && (lj < li || (lj == li && (left[i] != left[j] || j < i)))) dropped[i] = true;
            }
        }
        std::vector<int> kept;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (!dropped[i]) kept.push_back(candidates[i]);
        candidates = std::move(kept);
    }

    // Products and literals as one number that orders covers as wanted.
    static long Cost(int terms, int literals) { return kTermCost * terms + literals; }
    static constexpr long kTermCost = 4096;  // more than the literals of any cover

    double PrimeCost(int prime) const { return static_cast<double>(Cost(1, literals_[static_cast<std::size_t>(prime)])); }

    // A lower bound on the cost still to pay, from the Lagrangian relaxation
    // of the cover problem: every row gets a price, a prime whose rows cost
    // more than the prime itself pays the difference. Subgradient steps move
    // the prices towards `gap` (what a better cover could still cost) and
    // stop once the bound reaches it.
    double LagrangianBound(const std::vector<std::size_t>& rows, const std::vector<std::vector<int>>& choices,
                           const std::vector<int>& candidates, const RowSet& uncovered, double gap) const {
        std::vector<std::vector<int>> members;  // per candidate: its rows, as indices into `rows`
        std::vector<double> price(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            price[i] = gap;
            for (int c : choices[rows[i]])
                price[i] = std::min(price[i], PrimeCost(c) / static_cast<double>(CountWithin(c, uncovered)));
        }
        for (int c : candidates) {
            const RowSet left = covers_[static_cast<std::size_t>(c)] & uncovered;
            std::vector<int> m;
            for (std::size_t i = 0; i < rows.size(); ++i)
                if (left.test(rows[i])) m.push_back(static_cast<int>(i));
            members.push_back(std::move(m));
        }
        std::vector<int> coveredBy(rows.size());
        double best = 0, step = 2.0;
        int stale = 0;
        for (int iteration = 0; iteration < 120; ++iteration) {
            double bound = 0;
            for (double p : price) bound += p;
            std::fill(coveredBy.begin(), coveredBy.end(), 0);
            for (std::size_t k = 0; k < candidates.size(); ++k) {
                double sum = 0;
                for (int i : members[k]) sum += price[static_cast<std::size_t>(i)];
                const double reduced = PrimeCost(candidates[k]) - sum;
                if (reduced >= 0) continue;
                bound += reduced;
                for (int i : members[k]) ++coveredBy[static_cast<std::size_t>(i)];
            }
            if (bound > best + 1e-9) {
                best = bound;
                stale = 0;
            } else if (++stale == 5) {
                step /= 2;
                stale = 0;
            }
            if (best >= gap - 0.5) break;
            double norm = 0;
            for (int k : coveredBy) norm += (1.0 - k) * (1.0 - k);
            if (norm == 0) break;
            const double move = step * (gap - bound) / norm;
            for (std::size_t i = 0; i < price.size(); ++i)
                price[i] = std::max(0.0, price[i] + move * (1.0 - coveredBy[i]));
        }
        return best;
    }

    void Search(RowSet uncovered, std::vector<int> candidates) {
        // Out of budget with a cover in hand: keep the best one found.
        if (--budget_ < 0 && bestTerms_ != INT_MAX) return;
        const std::size_t chosenBefore = chosen_.size();
        const int literalsBefore = chosenLiterals_;
        auto undo = [&] {
            chosen_.resize(chosenBefore);
            chosenLiterals_ = literalsBefore;
        };

        // Reduce: dominated primes out, primes that alone cover some row in.
        std::vector<std::vector<int>> choices;  // per row, the candidates covering it
        for (;;) {
            if (uncovered.none()) {
                Record();
                return undo();
            }
            DropDominated(uncovered, candidates);
            choices.assign(uncovered.size(), {});
            bool tookEssential = false;
            for (std::size_t r = 0; r < uncovered.size(); ++r) {
                if (!uncovered.test(r)) continue;
                for (int c : candidates)
                    if (covers_[static_cast<std::size_t>(c)].test(r)) choices[r].push_back(c);
                if (choices[r].empty()) return undo();
                if (choices[r].size() == 1 && uncovered.test(r)) {
                    Take(choices[r][0], uncovered);
                    tookEssential = true;
                }
            }
            if (!tookEssential) break;
        }

        // Bound: rows that share no candidate each need a product of their own.
        std::vector<std::size_t> order;
        for (std::size_t r = 0; r < uncovered.size(); ++r)
            if (uncovered.test(r)) order.push_back(r);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return choices[a].size() < choices[b].size(); });
        // Each of them needs at least the literals of its shortest choice.
        RowSet blocked;
        int independent = 0;
        int leastLiterals = chosenLiterals_;
        for (std::size_t r : order) {
            if (blocked.test(r)) continue;
            ++independent;
            int shortest = INT_MAX;
            for (int c : choices[r]) {
                blocked |= covers_[static_cast<std::size_t>(c)];
                shortest = std::min(shortest, literals_[static_cast<std::size_t>(c)]);
            }
            leastLiterals += shortest;
        }
        const int terms = static_cast<int>(chosen_.size()) + independent;
        if (terms > bestTerms_ || (terms == bestTerms_ && leastLiterals >= bestLiterals_)) return undo();
        if (bestTerms_ != INT_MAX) {
            const double gap = static_cast<double>(Cost(bestTerms_, bestLiterals_) -
                                                   Cost(static_cast<int>(chosen_.size()), chosenLiterals_));
            if (LagrangianBound(order, choices, candidates, uncovered, gap) >= gap - 0.5) return undo();
        }

        // Branch on the row with the fewest choices, the widest prime first;
        // each later branch leaves out the primes tried before it.
        std::vector<int> branch = choices[order.front()];
        std::stable_sort(branch.begin(), branch.end(),
                         [&](int a, int b) { return CountWithin(a, uncovered) > CountWithin(b, uncovered); });
        for (int c : branch) {
            RowSet rest = uncovered;
            const std::size_t size = chosen_.size();
            const int literals = chosenLiterals_;
            Take(c, rest);
            std::erase(candidates, c);
            Search(rest, candidates);
            chosen_.resize(size);
            chosenLiterals_ = literals;
        }
        undo();
    }

    void Record() {
        const int terms = static_cast<int>(chosen_.size());
        if (terms < bestTerms_ || (terms == bestTerms_ && chosenLiterals_ < bestLiterals_)) {
            bestTerms_ = terms;
            bestLiterals_ = chosenLiterals_;
            best_ = chosen_;
        }
    }

    std::vector<RowSet> covers_;
    std::vector<int> literals_;
    std::vector<int> chosen_, best_;
    int chosenLiterals_ = 0;
    long budget_ = 0;
    int bestTerms_ = INT_MAX, bestLiterals_ = INT_MAX;
};

std::vector<Implicant> ExactCover(const std::vector<bool>& column, int n, long budget, bool& exact) {
    const std::uint32_t full = (std::uint32_t{1} << n) - 1;
    std::vector<int> oneIndex(column.size(), -1);
    RowSet rows;
    int ones = 0;
    for (std::size_t r = 0; r < column.size(); ++r)
        if (column[r]) {
            oneIndex[r] = ones;
            rows.set(static_cast<std::size_t>(ones++));
        }
    const std::vector<Implicant> primes = PrimeImplicants(column);
    std::vector<RowSet> covers;
    std::vector<int> literals;
    for (const Implicant& p : primes) {
        RowSet cover;
        ForEachRow(p, full, [&](std::uint32_t r) {
            cover.set(static_cast<std::size_t>(oneIndex[r]));
            return true;
        });
        covers.push_back(cover);
        literals.push_back(LiteralCount(p));
    }
    CoverSearch search(std::move(covers), std::move(literals));
    std::vector<Implicant> result;
    for (int i : search.Solve(rows, budget)) result.push_back(primes[static_cast<std::size_t>(i)]);
    exact = search.exact();
    return result;
}

// Grows every uncovered one-row into a prime by dropping literals while the
// product stays within the ones, then drops products the others cover.
std::vector<Implicant> GreedyCover(const std::vector<bool>& column, int n) {
    const std::uint32_t full = (std::uint32_t{1} << n) - 1;
    auto isImplicant = [&](const Implicant& p) {
        return ForEachRow(p, full, [&](std::uint32_t r) { return static_cast<bool>(column[r]); });
    };
    std::vector<int> coveredBy(column.size(), 0);
    std::vector<Implicant> products;
    for (std::uint32_t r = 0; r < column.size(); ++r) {
        if (!column[r] || coveredBy[r] > 0) continue;
        Implicant p{r, full};
        for (int bit = 0; bit < n; ++bit) {
            const std::uint32_t mask = std::uint32_t{1} << bit;
            const Implicant wider{p.value & ~mask, p.care & ~mask};
            if (isImplicant(wider)) p = wider;
        }
        ForEachRow(p, full, [&](std::uint32_t row) { return ++coveredBy[row], true; });
        products.push_back(p);
    }
    for (std::size_t i = products.size(); i-- > 0;) {
        const bool redundant = ForEachRow(products[i], full, [&](std::uint32_t row) { return coveredBy[row] > 1; });
        if (!redundant) continue;
        ForEachRow(products[i], full, [&](std::uint32_t row) { return --coveredBy[row], true; });
        products.erase(products.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return products;
}

}  // namespace

int ColumnVariables(const std::vector<bool>& column) {
    if (column.empty() || !std::has_single_bit(column.size()) || column.size() > (std::size_t{1} << 20))
        throw std::invalid_argument("a truth column has 2^n entries");
    return std::countr_zero(column.size());
}

int LiteralCount(const Implicant& product) { return std::popcount(product.care); }

std::vector<Implicant> PrimeImplicants(const std::vector<bool>& column) {
    const int n = ColumnVariables(column);
    if (n > kExactCoverVariables) throw std::invalid_argument("too many variables for all prime implicants");
    const std::uint32_t size = std::uint32_t{1} << n;
    const std::uint32_t full = size - 1;
    // implicant[care * size + value]: whether the product lies within the ones.
    // A product with a free variable is one when both halves are.
    std::vector<bool> implicant(std::size_t{size} * size, false);
    auto at = [&](std::uint32_t care, std::uint32_t value) { return implicant[std::size_t{care} * size + value]; };
    for (std::uint32_t care = full + 1; care-- > 0;) {
        const std::uint32_t split = care == full ? 0 : std::uint32_t{1} << std::countr_one(care);
        std::uint32_t value = 0;
        do {
            implicant[std::size_t{care} * size + value] =
                care == full ? static_cast<bool>(column[value]) : at(care | split, value) && at(care | split, value | split);
            value = (value - care) & care;
        } while (value != 0);
    }
    std::vector<Implicant> primes;
    for (std::uint32_t care = 0; care <= full; ++care) {
        std::uint32_t value = 0;
        do {
            bool prime = at(care, value);
            for (std::uint32_t rest = care; prime && rest != 0; rest &= rest - 1) {
                const std::uint32_t bit = rest & (~rest + 1);
                prime = !at(care & ~bit, value & ~bit);
            }
            if (prime) primes.push_back({value, care});
            value = (value - care) & care;
        } while (value != 0);
    }
    return primes;
}

std::vector<Implicant> MinimalCover(const std::vector<bool>& column, bool* exact, long budget) {
    const int n = ColumnVariables(column);
    bool proved = false;
    std::vector<Implicant> products = n <= kExactCoverVariables ? ExactCover(column, n, budget, proved) : GreedyCover(column, n);
    if (exact != nullptr) *exact = proved;
    // Variable by variable from the first: plain, negated, absent.
    auto rank = [n](const Implicant& p, int variable) {
        const std::uint32_t bit = std::uint32_t{1} << (n - 1 - variable);
        return (p.care & bit) == 0 ? 2 : (p.value & bit) != 0 ? 0 : 1;
    };
    std::sort(products.begin(), products.end(), [&](const Implicant& a, const Implicant& b) {
        for (int v = 0; v < n; ++v)
            if (rank(a, v) != rank(b, v)) return rank(a, v) < rank(b, v);
        return false;
    });
    return products;
}

}  // namespace vorn
