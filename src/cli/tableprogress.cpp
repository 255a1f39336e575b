#include "tableprogress.h"

#include <string>

namespace vorn {

TableProgress::TableProgress(std::ostream& out, bool shown)
    : out_(out), shown_(shown), start_(std::chrono::steady_clock::now()) {}

TableProgress::~TableProgress() {
    if (written_ > 0) out_ << '\r' << std::string(written_, ' ') << '\r' << std::flush;
}

void TableProgress::operator()(std::uint64_t done, std::uint64_t rows) {
    if (!shown_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    const std::string line = "vorn-cli: row " + std::to_string(done) + " of " + std::to_string(rows);
    out_ << '\r' << line << std::flush;
    written_ = line.size();
}

}  // namespace vorn
