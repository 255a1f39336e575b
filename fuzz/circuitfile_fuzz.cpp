// Feeds arbitrary bytes to the circuit file reader, both as one data line
// and as a whole file, and stops the run (__builtin_trap) as soon as a result
// breaks a promise of the file format:
//  - a valid data line names a field node and a storable code;
//  - reading never writes outside nodes 0..255, and a valid file leaves only
//    storable codes in the field;
//  - the file reader agrees, line for line, with splitting the bytes into
//    lines here and parsing each data line on its own;
//  - a validly read circuit, written and read again, comes back unchanged.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cellgrid.h"
#include "circuitfile.h"

namespace {

namespace fs = std::filesystem;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// A folder of this process's own, holding the input file (rewritten for
// every input) and the file a valid circuit is saved to.
struct Scratch {
    fs::path folder;
    fs::path input;
    fs::path saved;
    int inputFd = -1;
};

Scratch* scratch = nullptr;

void RemoveScratch() {
    if (!scratch) return;
    if (scratch->inputFd >= 0) ::close(scratch->inputFd);
    std::error_code ec;
    fs::remove_all(scratch->folder, ec);
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
    Check(::ftruncate(scratch->inputFd, 0) == 0);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(scratch->inputFd, data + done, size - done, static_cast<off_t>(done));
        Check(n > 0);
        done += static_cast<std::size_t>(n);
    }
}

// Nodes outside 0..255 (row and column 256 and the guard ring) hold 0, and
// when the file was valid every field node holds a storable code. Left out
// of the coverage feedback: its 67,081 comparisons per input would only
// slow the fuzzer down, they hold no branches of the reader.
__attribute__((no_sanitize("coverage"))) void CheckGridShape(const vorn::NodeGrid& grid, bool valid) {
    for (int x = vorn::kGridLow; x <= vorn::kGridHigh; ++x) {
        const std::int32_t* column = grid.columns[static_cast<std::size_t>(x - vorn::kGridLow)].data();
        for (int y = vorn::kGridLow; y <= vorn::kGridHigh; ++y) {
            const std::int32_t code = column[y - vorn::kGridLow];
            if (!vorn::InField(x, y))
                Check(code == 0);
            else if (valid)
                Check(vorn::IsStorableCode(code));
        }
    }
}

// Reads the bytes the way the file format describes them: lines end at CR
// or LF, a line starting with ';' is a comment, the first character of any
// other line is dropped and the rest, if there is any, is a data line.
// Returns false at the first invalid data line.
bool ExpectedRead(std::string_view bytes, vorn::NodeGrid& expected) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        if (line.size() < 2 || line.front() == ';') continue;
        const vorn::CellLine cell = vorn::ParseCellLine(line.substr(1));
        if (!cell.valid) return false;
        expected.at(cell.column, cell.row) = cell.code;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static Scratch instance;
    std::error_code ec;
    instance.folder = fs::temp_directory_path(ec) / ("vorn-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(instance.folder, ec);
    if (ec) std::abort();
    instance.input = instance.folder / "input.vfl";
    instance.saved = instance.folder / "saved.vfl";
    instance.inputFd = ::open(instance.input.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (instance.inputFd < 0) std::abort();
    scratch = &instance;
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The whole input as the text of one data line.
    const vorn::CellLine line = vorn::ParseCellLine(bytes);
    if (line.valid) {
        Check(line.row >= 0 && line.row < vorn::kFieldSize);
        Check(line.column >= 0 && line.column < vorn::kFieldSize);
        Check(vorn::IsStorableCode(line.code));
    }
    // The whole input as a name line.
    if (const std::optional<vorn::NameLine> name = vorn::ParseNameLine(bytes)) {
        Check(vorn::InField(name->node.x, name->node.y));
        Check(vorn::IsValidName(name->text));
    }

    // The whole input as a circuit file. Grids are large; keep them off the stack.
    static auto grid = std::make_unique<vorn::NodeGrid>();
    static auto expected = std::make_unique<vorn::NodeGrid>();
    static auto reread = std::make_unique<vorn::NodeGrid>();
    static vorn::NameTable names, rereadNames;
    // Leftovers from the previous input must not survive into this one.
    grid->at(7, 9) = vorn::Inverter;
    grid->at(256, 256) = vorn::Inverter;

    WriteInput(data, size);
    const vorn::ReadVerdict verdict = vorn::ReadCircuit(scratch->input, *grid, names);
    const bool valid = verdict == vorn::ReadVerdict::Valid;
    CheckGridShape(*grid, valid);

    *expected = vorn::NodeGrid{};
    Check(ExpectedRead(bytes, *expected) == valid);
    if (!valid) return 0;
    Check(*grid == *expected);

    // Names never change the grid, and what was read is written and read again.
    vorn::WriteCircuit(scratch->saved, *grid, names);
    Check(vorn::ReadCircuit(scratch->saved, *reread, rereadNames) == vorn::ReadVerdict::Valid);
    Check(*reread == *grid);
    Check(rereadNames == names);
    return 0;
}
