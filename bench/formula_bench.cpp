// The formulas of a truth column: the shortest cover up to eight variables
// (where the search can get long), the greedy cover beyond, and the reader.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "formulaparser.h"
#include "minimalcover.h"
#include "normalforms.h"

namespace {

// A fixed random column with the given share of ones (in percent).
std::vector<bool> RandomColumn(int variables, int percent, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<bool> column(std::size_t{1} << variables);
    for (std::size_t r = 0; r < column.size(); ++r) column[r] = static_cast<int>(random() % 100) < percent;
    return column;
}

void BM_MinimalCover(benchmark::State& state) {
    const std::vector<bool> column = RandomColumn(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 3);
    bool exact = false;
    std::size_t products = 0;
    for (auto _ : state) {
        products = vorn::MinimalCover(column, &exact).size();
        benchmark::DoNotOptimize(products);
    }
    state.counters["products"] = static_cast<double>(products);
    state.counters["exact"] = exact ? 1 : 0;
}
BENCHMARK(BM_MinimalCover)
    ->ArgsProduct({{4, 6, 7, 8}, {20, 50, 80}})
    ->Args({12, 50})
    ->Args({16, 50})
    ->Unit(benchmark::kMillisecond);

void BM_ReadPerfectCnf(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.push_back("X" + std::to_string(i));
    const std::string text = vorn::PerfectCnf(RandomColumn(n, 50, 5), names);
    for (auto _ : state) benchmark::DoNotOptimize(vorn::ParseFormula(text).expression.has_value());
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadPerfectCnf)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
