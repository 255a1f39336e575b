#include "colortext.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace vorn {

namespace {

constexpr std::array<NamedColor, 20> kNamedColors = {{
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},  {"clGreen", 0x008000},
    {"clOlive", 0x008080},      {"clNavy", 0x800000},    {"clPurple", 0x800080},
    {"clTeal", 0x808000},       {"clGray", 0x808080},    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},        {"clLime", 0x00FF00},    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},      {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},      {"clMedGray", 0xA4A0A0},
}};

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

constexpr char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// The whole of digits as a number in the base, or nullopt when a character is
// no digit of it or the value does not fit 32 bits.
std::optional<std::uint32_t> ParseWhole(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::span<const NamedColor> NamedColors() { return kNamedColors; }

std::string ColorToText(std::uint32_t color) {
    for (const NamedColor& named : kNamedColors)
        if (named.color == color) return std::string(named.name);
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

std::optional<std::uint32_t> ColorFromText(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;

    for (const NamedColor& named : kNamedColors)
        if (EqualIgnoringCase(text, named.name)) return named.color;

    std::optional<std::uint32_t> value;
    if (text.front() == '$') {
        text.remove_prefix(1);
        // Nine or more digits are refused even when the leading ones are
        // zeros: the written form never has more than eight.
        if (text.size() <= 8) value = ParseWhole(text, 16);
    } else if (text.front() >= '0' && text.front() <= '9') {
        value = ParseWhole(text, 10);
    }
    if (value && *value > kMaxColor) return std::nullopt;
    return value;
}

}  // namespace vorn
