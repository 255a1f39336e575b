// How far a long truth table has come, for someone watching a terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

namespace vorn {

// Writes "row N of M" over itself on `out` once the table has taken longer
// than a second, and wipes the line when it goes. Quiet when `shown` is
// false: the vorn-cli shows it only when stderr is a terminal, so that pipes
// and log files get the table and the errors and nothing else.
class TableProgress {
public:
    TableProgress(std::ostream& out, bool shown);
    ~TableProgress();
    TableProgress(const TableProgress&) = delete;
    TableProgress& operator=(const TableProgress&) = delete;

    void operator()(std::uint64_t done, std::uint64_t rows);

private:
    std::ostream& out_;
    bool shown_;
    std::chrono::steady_clock::time_point start_;
    std::size_t written_ = 0;  // length of the line on screen
};

}  // namespace vorn
