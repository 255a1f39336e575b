// vorn-cli: reads a circuit file and runs it without any window.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "circuitfile.h"
#include "propagation.h"
#include "truthtable.h"

namespace {

constexpr const char* kUsage =
    "usage: vorn-cli eval FILE          signals of every lamp with the stored switch positions\n"
    "       vorn-cli table FILE [--csv] truth table: every combination of the sources\n";

struct Circuit {
    std::unique_ptr<vorn::CellGrid> cells = std::make_unique<vorn::CellGrid>();
    std::unique_ptr<vorn::SignalGrid> signals = std::make_unique<vorn::SignalGrid>();
    vorn::WorkQueue queue;
};

int Fail(const std::string& message) {
    std::cerr << "vorn-cli: " << message << "\n";
    return 1;
}

// Writes the result; a full disk, a size limit or a closed pipe is an error,
// not a silent success.
int Print(const std::string& text) {
    std::cout << text << std::flush;
    if (std::cout) return 0;
    const int error = errno;
    return Fail(std::string("cannot write the output: ") + std::strerror(error));
}

int Run(const std::string& command, const std::string& file, bool csv) {
    Circuit circuit;
    try {
        if (vorn::ReadCircuit(file, *circuit.cells) != vorn::ReadVerdict::Valid)
            return Fail(file + ": not a valid circuit file");
    } catch (const vorn::CircuitFileError& error) {
        return Fail(error.what());
    }

    if (command == "eval") {
        vorn::EvaluateCircuit(*circuit.cells, *circuit.signals, circuit.queue);
        return Print(vorn::FormatLampSignals(*circuit.cells, *circuit.signals));
    }
    try {
        const vorn::TruthTable table = vorn::BuildTruthTable(*circuit.cells, *circuit.signals, circuit.queue);
        if (table.lamps.empty()) std::cerr << "vorn-cli: " << file << " has no lamps\n";
        return Print(csv ? vorn::FormatCsv(table) : vorn::FormatTable(table));
    } catch (const std::length_error& error) {
        return Fail(file + ": " + error.what());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Beyond a file-size limit the output fails with EFBIG and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    const bool csv = argc == 4 && std::strcmp(argv[3], "--csv") == 0;
    const bool valid = (command == "eval" && argc == 3) || (command == "table" && (argc == 3 || csv));
    if (!valid) {
        std::cerr << kUsage;
        return 2;
    }
    return Run(command, argv[2], csv);
}
