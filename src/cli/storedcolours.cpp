#include "storedcolours.h"

namespace vorn {

CircuitColors ColoursOfSettings(const StoredSettings& values) {
    CircuitColors colours;
    colours.wire = StoredColour(values.co).value_or(colours.wire);
    colours.zero = StoredColour(values.bc).value_or(colours.zero);
    colours.one = StoredColour(values.gc).value_or(colours.one);
    colours.lit = StoredColour(values.LampColour).value_or(colours.lit);
    colours.fillLitLamps = StoredFlag(values.LampFill, colours.fillLitLamps);
    colours.thickOnes = StoredFlag(values.ThickOnes, colours.thickOnes);
    return colours;
}

CircuitColors StoredColours(const QString& settingsFile) {
    StoredSettings values;
    if (!SettingsStore(settingsFile).ReadOptions(values)) return {};
    return ColoursOfSettings(values);
}

}  // namespace vorn
