#include <gtest/gtest.h>

#include <memory>

#include "circuitgen.h"
#include "formulaparser.h"
#include "normalforms.h"
#include "propagation.h"
#include "signals.h"

namespace vorn::test {
namespace {

std::vector<bool> Bits(const std::string& text) {
    std::vector<bool> bits;
    for (char c : text) bits.push_back(c == '1');
    return bits;
}

const std::vector<std::string> kNames{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"};

std::vector<std::string> FirstNames(int n) { return {kNames.begin(), kNames.begin() + n}; }

TEST(NormalForms, WrittenAsTheTutorialWritesThem) {
    struct Case {
        const char* column;
        const char* minimal;
        const char* dnf;
        const char* cnf;
    };
    const Case cases[] = {
        {"0", "0", "0", "0"},
        {"1", "1", "1", "1"},
        {"10", "не A", "не A", "не A"},
        {"11", "1", "(не A)+A", "1"},
        {"0110", "A*(не B)+(не A)*B", "(не A)*B+A*(не B)", "(A+B)*((не A)+(не B))"},
        {"1110", "(не A)+(не B)", "(не A)*(не B)+(не A)*B+A*(не B)", "(не A)+(не B)"},
        {"0000", "0", "0", "(A+B)*(A+(не B))*((не A)+B)*((не A)+(не B))"},
        {"00010111", "A*B+A*C+B*C", "(не A)*B*C+A*(не B)*C+A*B*(не C)+A*B*C",
         "(A+B+C)*(A+B+(не C))*(A+(не B)+C)*((не A)+B+C)"},
    };
    for (const Case& c : cases) {
        const std::vector<bool> column = Bits(c.column);
        const std::vector<std::string> names = FirstNames(ColumnVariables(column));
        EXPECT_EQ(MinimalDnf(column, names), c.minimal) << c.column;
        EXPECT_EQ(PerfectDnf(column, names), c.dnf) << c.column;
        EXPECT_EQ(PerfectCnf(column, names), c.cnf) << c.column;
    }
    EXPECT_THROW(MinimalDnf(Bits("0110"), {"A"}), std::invalid_argument);
    EXPECT_THROW(PerfectDnf(Bits("011"), {"A", "B"}), std::invalid_argument);
}

// Every printed form, parsed back, has the column it was printed from.
void ExpectFormsReadBack(const std::vector<bool>& column, const std::vector<std::string>& names, const std::string& where) {
    for (const std::string& text : {MinimalDnf(column, names), PerfectDnf(column, names), PerfectCnf(column, names)}) {
        const FormulaParse parse = ParseFormula(text);
        ASSERT_TRUE(parse.expression) << where << ": " << text << ": " << parse.error;
        ASSERT_EQ(TruthColumnOf(*parse.expression, names), column) << where << ": " << text;
    }
}

TEST(NormalForms, EveryFormReadsBackAsItsColumn) {
    // Lamps of drawn circuits, run through the propagation row by row.
    auto signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        circuitgen::FormulaShape shape;
        shape.sources = 1 + static_cast<int>(seed % 6);
        shape.gates = static_cast<int>(seed % 7);
        circuitgen::GeneratedCircuit circuit =
            circuitgen::GenerateCircuit(seed, shape, circuitgen::Inverters::AsGenerated);
        const std::vector<std::string> names = FirstNames(shape.sources);
        std::vector<std::vector<bool>> columns(circuit.lamps.size());
        for (std::uint32_t row = 0; row < (1u << shape.sources); ++row) {
            circuitgen::SetSourceRow(*circuit.cells, circuit, row);
            EvaluateCircuit(*circuit.cells, *signals, queue);
            for (std::size_t l = 0; l < circuit.lamps.size(); ++l)
                columns[l].push_back(signals->at(circuit.lamps[l].x, circuit.lamps[l].y) == Signal1);
        }
        for (const auto& column : columns) ExpectFormsReadBack(column, names, "seed " + std::to_string(seed));
    }
    // Random columns of every density, past the exact limit as well (dense
    // columns of eight variables are left out: their search takes seconds).
    circuitgen::Random random(7);
    for (int n = 0; n <= 10; ++n) {
        for (int k = 0; k < (n == kExactCoverVariables ? 3 : 6); ++k) {
            const double ones = (k + 0.5) / 6;
            std::vector<bool> column(std::size_t{1} << n);
            for (std::size_t r = 0; r < column.size(); ++r) column[r] = random.Chance(ones);
            ExpectFormsReadBack(column, FirstNames(n), std::to_string(n) + " variables");
            bool exact = false;
            MinimalCover(column, &exact);
            // Up to seven variables the search always finishes; past eight there is none.
            EXPECT_EQ(exact, n <= kExactCoverVariables) << n << " variables";
        }
    }
}

// The fewest products, then the fewest literals, by search over all sets of
// products within the ones (the products need not be prime).
std::pair<int, int> BruteForceCost(std::uint32_t ones, int n) {
    const std::uint32_t rows = 1u << n;
    std::vector<std::uint32_t> products;  // as row masks
    std::vector<int> literals;
    for (std::uint32_t care = 0; care < rows; ++care)
        for (std::uint32_t value = 0; value < rows; ++value) {
            if (value & ~care) continue;
            std::uint32_t mask = 0;
            for (std::uint32_t r = 0; r < rows; ++r)
                if ((r & care) == value) mask |= 1u << r;
            if ((mask & ~ones) != 0) continue;
            products.push_back(mask);
            literals.push_back(std::popcount(care));
        }
    std::vector<std::pair<int, int>> best(std::size_t{1} << rows, {1 << 20, 0});
    best[0] = {0, 0};
    for (std::uint32_t mask = 1; mask < (1u << rows); ++mask) {
        if ((mask & ~ones) != 0) continue;
        const std::uint32_t lowest = mask & (~mask + 1);
        for (std::size_t p = 0; p < products.size(); ++p) {
            if (!(products[p] & lowest)) continue;
            const auto [terms, lits] = best[mask & ~products[p]];
            best[mask] = std::min(best[mask], {terms + 1, lits + literals[p]});
        }
    }
    return best[ones];
}

TEST(NormalForms, MinimalCoverIsShortestUpToFourVariables) {
    circuitgen::Random random(11);
    for (int n = 0; n <= 4; ++n) {
        const std::uint32_t rows = 1u << n;
        const std::uint32_t functions = n < 4 ? 1u << rows : 800;
        for (std::uint32_t f = 0; f < functions; ++f) {
            const std::uint32_t ones = n < 4 ? f : static_cast<std::uint32_t>(random.Next() & 0xFFFF);
            std::vector<bool> column(rows);
            for (std::uint32_t r = 0; r < rows; ++r) column[r] = (ones >> r) & 1u;
            int literals = 0;
            std::uint32_t covered = 0;
            const std::vector<Implicant> cover = MinimalCover(column);
            for (const Implicant& p : cover) {
                literals += LiteralCount(p);
                for (std::uint32_t r = 0; r < rows; ++r)
                    if ((r & p.care) == p.value) covered |= 1u << r;
            }
            EXPECT_EQ(covered, ones) << n << " variables, ones " << ones;
            EXPECT_EQ(std::make_pair(static_cast<int>(cover.size()), literals), BruteForceCost(ones, n))
                << n << " variables, ones " << ones;
        }
    }
}

}  // namespace
}  // namespace vorn::test
