// Colours as the settings store them: 24-bit values 0x00BBGGRR (blue in the
// high byte, red in the low byte), written as one of twenty colour names or
// as "$" and eight hex digits.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

// Values above this carry bits that are no colour; the text reader refuses them.
inline constexpr std::uint32_t kMaxColor = 0x00FFFFFF;

constexpr std::uint32_t ColorFromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return std::uint32_t{red} | std::uint32_t{green} << 8 | std::uint32_t{blue} << 16;
}
constexpr int RedOf(std::uint32_t color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(std::uint32_t color) { return static_cast<int>(color >> 8 & 0xFF); }
constexpr int BlueOf(std::uint32_t color) { return static_cast<int>(color >> 16 & 0xFF); }

struct NamedColor {
    std::string_view name;  // an identifier such as "clMaroon"
    std::uint32_t color;
};

// The twenty named colours; names and values are each unique.
std::span<const NamedColor> NamedColors();

// The colour's name when it equals a named colour exactly, otherwise "$"
// and eight upper-case hex digits of the whole value ("$00FFBC20").
std::string ColorToText(std::uint32_t color);

// Reads, after dropping surrounding blanks (spaces, tabs, line ends):
//   - a colour name, compared without regard to ASCII case ("clred" too),
//     since a hand-edited setting should not be lost over a capital;
//   - "$" and 1..8 hex digits of either case;
//   - a decimal number of digits only (no sign).
// Anything else, and any value above kMaxColor, gives nullopt, so a damaged
// setting leaves the caller's colour as it was instead of giving a strange one.
std::optional<std::uint32_t> ColorFromText(std::string_view text);

}  // namespace vorn
