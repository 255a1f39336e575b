// vorn-cli: reads a circuit file and runs it without any window.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "circuitfile.h"
#include "elementnames.h"
#ifdef VORN_CLI_EXPORT
#include "exportcommand.h"
#endif
#include "normalforms.h"
#include "propagation.h"
#include "taskcommands.h"
#include "tableprogress.h"
#include "truthtable.h"
#ifdef VORN_CLI_TRANSLATED
#include "clilanguage.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: vorn-cli eval FILE          signals of every lamp with the stored switch positions\n"
    "       vorn-cli table FILE [--csv] truth table: every combination of the sources\n"
    "       vorn-cli formula FILE [--dnf|--cnf]\n"
    "                                   a formula per lamp: minimal, or the perfect normal form\n"
    "       vorn-cli check TASK FILE    the learner's circuit against the task, in the locale's language\n"
    "       vorn-cli grade TASK FILE... | FOLDER [--csv | --json]\n"
    "                                   a row per file: file, verdict, rows right, rows in all, detail\n";

struct Circuit {
    std::unique_ptr<vorn::CellGrid> cells = std::make_unique<vorn::CellGrid>();
    std::unique_ptr<vorn::SignalGrid> signals = std::make_unique<vorn::SignalGrid>();
    vorn::WorkQueue queue;
    vorn::NameTable names;
};

enum class Form { Minimal, Dnf, Cnf };

struct Options {
    std::string command, file;
    bool csv = false;
    Form form = Form::Minimal;
};

// The name each column of the table is shown under: sources, then lamps.
std::vector<std::string> ColumnNames(const vorn::TruthTable& table, const vorn::ShownNames& shown) {
    auto nameOf = [](const std::vector<vorn::ShownName>& named, const vorn::NodePos& p) {
        for (const vorn::ShownName& s : named)
            if (s.node == p) return s.name;
        return std::string("?");
    };
    std::vector<std::string> header;
    for (const vorn::NodePos& p : table.sources) header.push_back(nameOf(shown.sources, p));
    for (const vorn::NodePos& p : table.lamps) header.push_back(nameOf(shown.lamps, p));
    return header;
}

// "NAME = FORMULA" for every lamp, a lamp without signal counting as 0.
std::string FormatFormulas(const vorn::TruthTable& table, const std::vector<std::string>& header, Form form) {
    const std::size_t n = table.sources.size();
    const std::vector<std::string> sourceNames(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(n));
    std::string text;
    for (std::size_t lamp = 0; lamp < table.lamps.size(); ++lamp) {
        std::vector<bool> column;
        for (const auto& row : table.rows) column.push_back(row[n + lamp] == "1");
        const std::string formula = form == Form::Dnf   ? vorn::PerfectDnf(column, sourceNames)
                                    : form == Form::Cnf ? vorn::PerfectCnf(column, sourceNames)
                                                        : vorn::MinimalDnf(column, sourceNames);
        text += header[n + lamp] + " = " + formula + "\n";
    }
    return text;
}

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

int Run(const Options& options) {
    Circuit circuit;
    const std::string& file = options.file;
    try {
        if (vorn::ReadCircuit(file, *circuit.cells, circuit.names) != vorn::ReadVerdict::Valid)
            return Fail(file + ": not a valid circuit file");
    } catch (const vorn::CircuitFileError& error) {
        return Fail(error.what());
    }

    if (options.command == "eval") {
        vorn::EvaluateCircuit(*circuit.cells, *circuit.signals, circuit.queue);
        return Print(vorn::FormatLampSignals(*circuit.cells, *circuit.signals));
    }
    try {
        vorn::TruthTable table;
        {
            vorn::TableProgress progress(std::cerr, isatty(STDERR_FILENO) != 0);
            table = vorn::BuildTruthTable(*circuit.cells, *circuit.signals, circuit.queue, std::ref(progress));
        }
        if (table.lamps.empty()) std::cerr << "vorn-cli: " << file << " has no lamps\n";
        const std::vector<std::string> header =
            ColumnNames(table, vorn::NameElements(circuit.names, *circuit.cells));
        if (options.command == "formula") return Print(FormatFormulas(table, header, options.form));
        return Print(options.csv ? vorn::FormatCsv(table, header) : vorn::FormatTable(table, header));
    } catch (const std::length_error& error) {
        return Fail(file + ": " + error.what());
    }
}

// The options, or nothing when the arguments do not fit a command.
std::optional<Options> ParseArguments(int argc, char** argv) {
    if (argc < 3 || argc > 4) return std::nullopt;
    Options options{argv[1], argv[2]};
    const std::string extra = argc == 4 ? argv[3] : "";
    if (options.command == "eval") return argc == 3 ? std::optional(options) : std::nullopt;
    if (options.command == "table") {
        options.csv = extra == "--csv";
        return argc == 3 || options.csv ? std::optional(options) : std::nullopt;
    }
    if (options.command != "formula") return std::nullopt;
    if (extra == "--dnf") options.form = Form::Dnf;
    else if (extra == "--cnf") options.form = Form::Cnf;
    else if (argc == 4) return std::nullopt;
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    // Beyond a file-size limit the output fails with EFBIG and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
#ifdef VORN_CLI_TRANSLATED
    vorn::ApplyLocaleLanguage();
#endif
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
#ifdef VORN_CLI_EXPORT
        std::cout << "       " << vorn::kExportUsage;
#endif
        return 0;
    }
    if (command == "check" || command == "grade") {
        const std::vector<std::string> arguments(argv + 2, argv + argc);
        const int status = command == "check" ? vorn::RunCheckCommand(arguments) : vorn::RunGradeCommand(arguments);
        if (status != vorn::kWrongArguments) return status;
        std::cerr << kUsage;
        return 2;
    }
    if (command == "export") {
#ifdef VORN_CLI_EXPORT
        return vorn::RunExportCommand(argc, argv);
#else
        std::cerr << "vorn-cli: this build draws no pictures (built without Qt)\n";
        return 2;
#endif
    }
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    return Run(*options);
}
