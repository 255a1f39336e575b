// vorn-cli: reads a circuit file and runs it without any window.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "circuitfile.h"
#include "propagation.h"
#include "tableprogress.h"
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
        std::cout << vorn::FormatLampSignals(*circuit.cells, *circuit.signals);
        return 0;
    }
    try {
        vorn::TruthTable table;
        {
            vorn::TableProgress progress(std::cerr, isatty(STDERR_FILENO) != 0);
            table = vorn::BuildTruthTable(*circuit.cells, *circuit.signals, circuit.queue, std::ref(progress));
        }
        if (table.lamps.empty()) std::cerr << "vorn-cli: " << file << " has no lamps\n";
        std::cout << (csv ? vorn::FormatCsv(table) : vorn::FormatTable(table));
    } catch (const std::length_error& error) {
        return Fail(file + ": " + error.what());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
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
