// Random formula networks of NOT, AND and OR over a few sources, and their
// direct evaluation: the reference that drawn circuits are compared with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorn::circuitgen {

enum class Op { Source, Not, And, Or };

struct FormulaNode {
    Op op = Op::Source;
    int a = -1;  // first input: the index of an earlier node (Not, And, Or)
    int b = -1;  // second input (And, Or)
};

// An acyclic network: every node refers only to earlier nodes, and the first
// `sources` nodes are the sources. Source 0 is the most significant bit of a
// row number, source `sources - 1` the least significant.
struct Formula {
    int sources = 0;
    std::vector<FormulaNode> nodes;
    // The node each lamp shows: first every node that feeds nothing (the
    // outputs), then some inner nodes.
    std::vector<int> lamps;
};

// The size and flavour of a random formula.
struct FormulaShape {
    int sources = 3;  // 1..16
    int gates = 4;    // conjunctors and disjunctors, 0 or more
    // Chance that an inverter follows a gate; later gates then take the gate,
    // its inverse or both.
    double inverterAfterGate = 0.35;
    // Chance that a gate input taken from a source goes through that source's
    // inverter.
    double inverterAfterSource = 0.2;
    // Chance that a node which feeds other gates also gets a lamp of its own.
    double innerLamp = 0.25;
    // The most gates and inverters on any path from a source to an output;
    // 0 for no limit. Without a limit, gates taking the newest unused nodes
    // make chains about as deep as there are gates; a limit gives wider,
    // shallower networks with more outputs (and narrower drawings).
    int maxDepth = 0;
};

// A random network: gates take their inputs preferably from nodes nothing
// uses yet, otherwise from any earlier node (often a recent one, so that
// chains grow deep), and a node may feed several gates. Deterministic per seed.
Formula RandomFormula(std::uint64_t seed, const FormulaShape& shape);

// The same functions with every inverter moved down to the sources by De
// Morgan's laws: an inverse conjunction becomes a disjunction of inverses and
// so on, double inversions cancel, and each source gets at most one inverter.
Formula PushInvertersToSources(const Formula& formula);

// Whether some inverter takes its input from a gate (or another inverter).
bool HasInverterBehindGate(const Formula& formula);

// The value of every node for one source row: source i takes bit
// (sources - 1 - i) of `row`.
std::vector<bool> EvaluateNodes(const Formula& formula, std::uint32_t row);
// The value of every lamp for one source row.
std::vector<bool> EvaluateLamps(const Formula& formula, std::uint32_t row);

// The network as text, one node a line ("n5 = n2 & ~n3" style), for reports.
std::string DescribeFormula(const Formula& formula);

// A small deterministic random number source (splitmix64), the same on every
// platform and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // 0 .. n-1 for n > 0.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(double p) { return static_cast<double>(Next() >> 11) * 0x1.0p-53 < p; }

private:
    std::uint64_t state_;
};

}  // namespace vorn::circuitgen
