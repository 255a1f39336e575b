#include "utf8text.h"

namespace vorn {

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    std::u32string points;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t point = lead;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0) extra = 1, point = lead & 0x1F;
            else if ((lead & 0xF0) == 0xE0) extra = 2, point = lead & 0x0F;
            else if ((lead & 0xF8) == 0xF0) extra = 3, point = lead & 0x07;
            else return std::nullopt;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size() && extra > 0) return std::nullopt;  // cut short
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        if (point < kLeast[extra] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
        points.push_back(point);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return points;
}

std::string EncodeUtf8(char32_t point) {
    std::string bytes;
    if (point < 0x80) {
        bytes += static_cast<char>(point);
    } else if (point < 0x800) {
        bytes += static_cast<char>(0xC0 | (point >> 6));
        bytes += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        bytes += static_cast<char>(0xE0 | (point >> 12));
        bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (point >> 18));
        bytes += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (point & 0x3F));
    }
    return bytes;
}

std::optional<std::size_t> Utf8Length(std::string_view text) {
    const std::optional<std::u32string> points = DecodeUtf8(text);
    if (!points) return std::nullopt;
    return points->size();
}

}  // namespace vorn
