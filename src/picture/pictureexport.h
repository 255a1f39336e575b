// Pictures of a circuit in files: PNG, SVG or PDF, chosen by the file's
// extension. The program's export command and vorn-cli export write them.
#pragma once

#include <optional>

#include <QString>

#include "circuitpicture.h"

namespace vorn {

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (any letter case);
// nullopt for any other extension.
std::optional<PictureFormat> PictureFormatOf(const QString& fileName);

struct PictureOptions {
    int zoom = 2;                 // 1, 2 or 3: 12, 24 or 36 pixels per node, as on screen
    bool signalColours = false;   // the running circuit's colours, else black on white
    CircuitColors colors;         // used with signalColours
};

struct PictureResult {
    enum Kind { Written, EmptyCircuit, CannotWrite } kind = Written;
    QString detail;  // why the file could not be written
};

// Writes the picture of the circuit's used area with its names. PNG is an
// image at the zoom's resolution; SVG and PDF hold lines, shapes and text,
// sized as the image would be (a PDF page of that size at 96 dpi). The file
// is replaced only when the whole picture is ready.
PictureResult WriteCircuitPicture(const QString& fileName, PictureFormat format, const PictureSource& circuit,
                                  const PictureOptions& options);

}  // namespace vorn
