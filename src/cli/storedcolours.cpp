#include "storedcolours.h"

#include <cstdint>
#include <optional>

#include "colortext.h"

namespace vorn {

namespace {

void ReadColour(const std::optional<QString>& text, QColor& colour) {
    if (!text) return;
    if (const std::optional<std::uint32_t> value = ColorFromText(text->toStdString()))
        colour = QColor(RedOf(*value), GreenOf(*value), BlueOf(*value));
}

// A stored flag is "1" or "0"; anything else leaves the default.
void ReadFlag(const std::optional<QString>& text, bool& flag) {
    if (text && (*text == QLatin1String("1") || *text == QLatin1String("0"))) flag = *text == QLatin1String("1");
}

}  // namespace

CircuitColors ColoursOfSettings(const StoredSettings& values) {
    CircuitColors colours;
    ReadColour(values.co, colours.wire);
    ReadColour(values.bc, colours.zero);
    ReadColour(values.gc, colours.one);
    ReadColour(values.LampColour, colours.lit);
    ReadFlag(values.LampFill, colours.fillLitLamps);
    ReadFlag(values.ThickOnes, colours.thickOnes);
    return colours;
}

CircuitColors StoredColours(const QString& settingsFile) {
    StoredSettings values;
    if (!SettingsStore(settingsFile).ReadOptions(values)) return {};
    return ColoursOfSettings(values);
}

}  // namespace vorn
