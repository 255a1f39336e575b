#include "formula.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <utility>

namespace vorn::circuitgen {

std::uint64_t Random::Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

namespace {

class FormulaBuilder {
public:
    FormulaBuilder(std::uint64_t seed, const FormulaShape& shape) : random_(seed), shape_(shape) {
        formula_.sources = shape.sources;
        for (int i = 0; i < shape.sources; ++i) Add({Op::Source, -1, -1});
        sourceInverse_.assign(static_cast<std::size_t>(shape.sources), -1);
    }

    Formula Build() {
        for (int g = 0; g < shape_.gates; ++g) {
            slotsLeft_ = 2 * (shape_.gates - g);
            const int a = PickInput(-1);
            --slotsLeft_;
            const int b = PickInput(a);
            const int gate = Add({random_.Chance(0.5) ? Op::And : Op::Or, a, b});
            if (Deepens(gate) && random_.Chance(shape_.inverterAfterGate)) Add({Op::Not, gate, -1});
        }
        if (shape_.gates == 0)
            for (int s = 0; s < formula_.sources; ++s)
                if (random_.Chance(shape_.inverterAfterSource)) SourceInverse(s);
        for (int n = 0; n < static_cast<int>(formula_.nodes.size()); ++n)
            if (uses_[n] == 0) formula_.lamps.push_back(n);
        for (int n = formula_.sources; n < static_cast<int>(formula_.nodes.size()); ++n)
            if (uses_[n] > 0 && random_.Chance(shape_.innerLamp)) formula_.lamps.push_back(n);
        return std::move(formula_);
    }

private:
    int Add(FormulaNode node) {
        formula_.nodes.push_back(node);
        uses_.push_back(0);
        depth_.push_back(node.a < 0 ? 0 : 1 + std::max(depth_[node.a], node.b >= 0 ? depth_[node.b] : 0));
        if (node.a >= 0) ++uses_[node.a];
        if (node.b >= 0) ++uses_[node.b];
        return static_cast<int>(formula_.nodes.size()) - 1;
    }

    int SourceInverse(int source) {
        int& inverse = sourceInverse_[source];
        if (inverse < 0) inverse = Add({Op::Not, source, -1});
        return inverse;
    }

    // Whether a node may feed a gate or inverter without passing the depth limit.
    bool Deepens(int n) const { return shape_.maxDepth <= 0 || depth_[n] < shape_.maxDepth; }

    bool IsSourceInverse(int n) const {
        const FormulaNode& node = formula_.nodes[n];
        return node.op == Op::Not && node.a < formula_.sources;
    }

    // An input for a new gate, never `other`. Unused nodes come first, so
    // that little is left dangling: always while unused sources remain or
    // the gates still to come have no more inputs than there are unused
    // nodes; otherwise mostly. The rest of the time any node, half the time
    // one of the four newest, which makes deep chains.
    int PickInput(int other) {
        const int count = static_cast<int>(formula_.nodes.size());
        std::vector<int> unused, any;
        bool unusedSource = false;
        for (int n = 0; n < count; ++n) {
            if (n == other || IsSourceInverse(n) || !Deepens(n)) continue;
            any.push_back(n);
            if (uses_[n] > 0) continue;
            unused.push_back(n);
            unusedSource = unusedSource || n < formula_.sources;
        }
        int pick = -1;
        const bool mustClose = unusedSource || static_cast<int>(unused.size()) >= slotsLeft_;
        if (!unused.empty() && (mustClose || random_.Chance(0.7))) {
            pick = unused[random_.Below(static_cast<int>(unused.size()))];
        } else if (!any.empty()) {
            const int newest = static_cast<int>(any.size());
            pick = random_.Chance(0.5) ? any[newest - 1 - random_.Below(newest < 4 ? newest : 4)]
                                       : any[random_.Below(newest)];
        }
        if (pick < 0) return SourceInverse(0);  // a single source: the gate gets it and its inverse
        const bool inverseFits = shape_.maxDepth <= 0 || shape_.maxDepth >= 2;
        if (pick < formula_.sources && inverseFits && random_.Chance(shape_.inverterAfterSource)) {
            const int inverse = SourceInverse(pick);
            if (inverse != other) return inverse;
        }
        return pick;
    }

    Random random_;
    FormulaShape shape_;
    Formula formula_;
    std::vector<int> uses_;
    std::vector<int> depth_;
    std::vector<int> sourceInverse_;
    int slotsLeft_ = 0;  // gate inputs still to be chosen, this one included
};

class InversePusher {
public:
    explicit InversePusher(const Formula& from) : from_(from) {
        to_.sources = from.sources;
        to_.nodes.assign(from.nodes.begin(), from.nodes.begin() + from.sources);
    }

    Formula Push() {
        for (int lamp : from_.lamps) to_.lamps.push_back(Build(lamp, false));
        return std::move(to_);
    }

private:
    int Build(int n, bool inverted) {
        const auto key = std::make_pair(n, inverted);
        if (auto found = made_.find(key); found != made_.end()) return found->second;
        const FormulaNode& node = from_.nodes[n];
        int made = n;
        switch (node.op) {
        case Op::Source:
            if (inverted) made = Add({Op::Not, n, -1});
            break;
        case Op::Not:
            made = Build(node.a, !inverted);
            break;
        case Op::And:
        case Op::Or: {
            const int a = Build(node.a, inverted);
            const int b = Build(node.b, inverted);
            const Op op = inverted ? (node.op == Op::And ? Op::Or : Op::And) : node.op;
            made = Add({op, a, b});
            break;
        }
        }
        made_[key] = made;
        return made;
    }

    int Add(FormulaNode node) {
        to_.nodes.push_back(node);
        return static_cast<int>(to_.nodes.size()) - 1;
    }

    const Formula& from_;
    Formula to_;
    std::map<std::pair<int, bool>, int> made_;
};

}  // namespace

Formula RandomFormula(std::uint64_t seed, const FormulaShape& shape) { return FormulaBuilder(seed, shape).Build(); }

Formula PushInvertersToSources(const Formula& formula) { return InversePusher(formula).Push(); }

bool HasInverterBehindGate(const Formula& formula) {
    for (const FormulaNode& node : formula.nodes)
        if (node.op == Op::Not && node.a >= formula.sources) return true;
    return false;
}

std::vector<bool> EvaluateNodes(const Formula& formula, std::uint32_t row) {
    std::vector<bool> value(formula.nodes.size());
    for (std::size_t n = 0; n < formula.nodes.size(); ++n) {
        const FormulaNode& node = formula.nodes[n];
        switch (node.op) {
        case Op::Source: value[n] = (row >> (formula.sources - 1 - static_cast<int>(n))) & 1u; break;
        case Op::Not: value[n] = !value[node.a]; break;
        case Op::And: value[n] = value[node.a] && value[node.b]; break;
        case Op::Or: value[n] = value[node.a] || value[node.b]; break;
        }
    }
    return value;
}

std::vector<bool> EvaluateLamps(const Formula& formula, std::uint32_t row) {
    const std::vector<bool> value = EvaluateNodes(formula, row);
    std::vector<bool> lamps;
    for (int n : formula.lamps) lamps.push_back(value[n]);
    return lamps;
}

std::string DescribeFormula(const Formula& formula) {
    std::ostringstream out;
    for (std::size_t n = formula.sources; n < formula.nodes.size(); ++n) {
        const FormulaNode& node = formula.nodes[n];
        out << 'n' << n << " = ";
        if (node.op == Op::Not) out << "~n" << node.a;
        else out << 'n' << node.a << (node.op == Op::And ? " & " : " | ") << 'n' << node.b;
        out << '\n';
    }
    out << "lamps:";
    for (int n : formula.lamps) out << " n" << n;
    out << '\n';
    return out.str();
}

}  // namespace vorn::circuitgen
