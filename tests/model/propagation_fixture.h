// Shared set-up of the propagation tests: a circuit drawn from rows of codes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid_text.h"
#include "propagation.h"

namespace vorn::test {

class PropagationTest : public ::testing::Test {
protected:
    // The circuit's top-left code lands on node (10, 10).
    EvaluationStats Run(const std::vector<std::string>& rows, const EvaluationOptions& options = {}) {
        cells = GridFromRows(rows);
        return Evaluate(options);
    }
    EvaluationStats Evaluate(const EvaluationOptions& options = {}) {
        return EvaluateCircuit(*cells, *signals, queue, options);
    }
    // Signal of the node at row r, column c of the drawn rows.
    std::int32_t At(int c, int r) const { return signals->at(10 + c, 10 + r); }

    static EvaluationOptions Literal(std::uint64_t budget) {
        EvaluationOptions literal;
        literal.dropDuplicates = false;
        literal.stopWhenSettled = false;
        literal.fallLimit = 0;
        literal.stepBudget = budget;
        return literal;
    }

    std::unique_ptr<CellGrid> cells = std::make_unique<CellGrid>();
    std::unique_ptr<SignalGrid> signals = std::make_unique<SignalGrid>();
    WorkQueue queue;
};

}  // namespace vorn::test
