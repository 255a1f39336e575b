// The signal colours and cues the program's settings dialog stored, for
// pictures drawn from the command line.
#pragma once

#include <QString>

#include "circuitcolors.h"
#include "settingsstore.h"

namespace vorn {

// The colours and cues of the stored values: the wire, "0", "1" and a lit
// lamp's colour, the lamp fill and the thick "1" wires. A value that is
// absent or cannot be read keeps its default.
CircuitColors ColoursOfSettings(const StoredSettings& values);

// The same from a settings file; the defaults when it is missing or unreadable.
CircuitColors StoredColours(const QString& settingsFile);

}  // namespace vorn
