#include "exportcommand.h"

#include <QByteArray>
#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "circuitfile.h"
#include "elementnames.h"
#include "pictureexport.h"
#include "propagation.h"
#include "settingsstore.h"
#include "storedcolours.h"

namespace vorn {

const char* const kExportUsage =
    "vorn-cli export FILE -o OUT.png|OUT.svg|OUT.pdf [--zoom 1|2|3] [--signals]\n"
    "                                   a picture of the circuit; --signals colours the wires\n"
    "                                   by their signals with the stored switch positions,\n"
    "                                   in the colours of the program's settings\n";

namespace {

struct ExportArguments {
    std::string file, output;
    int zoom = 2;
    bool signalColours = false;
};

std::optional<ExportArguments> ParseExport(int argc, char** argv) {
    ExportArguments parsed;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "-o" && hasValue && parsed.output.empty()) {
            parsed.output = argv[++i];
        } else if (argument == "--zoom" && hasValue) {
            const std::string value = argv[++i];
            if (value != "1" && value != "2" && value != "3") return std::nullopt;
            parsed.zoom = value[0] - '0';
        } else if (argument == "--signals") {
            parsed.signalColours = true;
        } else if (!argument.empty() && argument[0] != '-' && parsed.file.empty()) {
            parsed.file = argument;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.empty() || parsed.output.empty()) return std::nullopt;
    return parsed;
}

// Qt's notes on the environment (no runtime folder, no display) are noise
// on a command line: only its errors are passed on.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toLocal8Bit().constData() << "\n";
}

int Fail(const std::string& message, int status) {
    std::cerr << "vorn-cli: " << message << "\n";
    return status;
}

}  // namespace

int RunExportCommand(int argc, char** argv) {
    const std::optional<ExportArguments> arguments = ParseExport(argc, argv);
    if (!arguments) {
        std::cerr << "usage: " << kExportUsage;
        return 2;
    }
    const QString output = QString::fromLocal8Bit(arguments->output.c_str());
    const std::optional<PictureFormat> format = PictureFormatOf(output);
    if (!format) return Fail(arguments->output + ": unknown picture type, name it .png, .svg or .pdf", 2);

    auto cells = std::make_unique<CellGrid>();
    auto signalGrid = std::make_unique<SignalGrid>();
    NameTable names;
    try {
        if (ReadCircuit(arguments->file, *cells, names) != ReadVerdict::Valid)
            return Fail(arguments->file + ": not a valid circuit file", 1);
    } catch (const CircuitFileError& error) {
        return Fail(error.what(), 1);
    }
    if (arguments->signalColours) {
        WorkQueue queue;
        EvaluateCircuit(*cells, *signalGrid, queue);
    }

    // Text needs Qt's font machinery, which needs an application; the
    // offscreen platform gives one without any display.
    qInstallMessageHandler(QuietQtMessages);
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    int qtArgc = 1;
    char name[] = "vorn-cli";
    char* qtArgv[] = {name, nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    PictureOptions options;
    options.zoom = arguments->zoom;
    options.signalColours = arguments->signalColours;
    // The colours the user chose in the program; its defaults without them.
    if (options.signalColours) options.colors = StoredColours(SettingsStore::DefaultFilePath());
    const PictureResult result =
        WriteCircuitPicture(output, *format, PictureSource{*cells, *signalGrid, names}, options);
    switch (result.kind) {
        case PictureResult::Written: return 0;
        case PictureResult::EmptyCircuit: return Fail(arguments->file + ": the circuit is empty, nothing to draw", 1);
        case PictureResult::CannotWrite:
            return Fail(arguments->output + ": cannot write the picture: " + result.detail.toStdString(), 1);
    }
    return 1;
}

}  // namespace vorn
