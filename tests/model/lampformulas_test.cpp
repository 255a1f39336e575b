#include <gtest/gtest.h>

#include "lampformulas.h"
#include "signals.h"
#include "tablerows.h"

namespace vorn::test {
namespace {

TEST(LampFormulas, ConstantsAndForms) {
    struct Case {
        std::vector<bool> column;
        LampFormulas expected;
    };
    const Case cases[] = {
        {{false, false, false, false}, {"0", "0", "0"}},
        {{true, true, true, true}, {"1", "1", "1"}},
        {{false, false, false, true}, {"A*B", "A*B", "(A+B)*(A+(не B))*((не A)+B)"}},
        {{false, true, true, false}, {"A*(не B)+(не A)*B", "(не A)*B+A*(не B)", "(A+B)*((не A)+(не B))"}},
    };
    for (const Case& c : cases) {
        const LampFormulas f = FormulasOfColumn(c.column, {"A", "B"});
        EXPECT_EQ(f.minimal, c.expected.minimal);
        EXPECT_EQ(f.dnf, c.expected.dnf);
        EXPECT_EQ(f.cnf, c.expected.cnf);
    }
}

TEST(LampFormulas, ColumnCountsNoSignalAsZero) {
    LampRows rows;
    rows.lampCount = 2;
    rows.signals = {Signal1, NoSignal, Signal0, Signal1, NoSignal, Signal1};
    EXPECT_EQ(LampColumn(rows, 0), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(LampColumn(rows, 1), (std::vector<bool>{false, true, true}));
}

}  // namespace
}  // namespace vorn::test
