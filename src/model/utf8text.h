// UTF-8 decoding for names and formulas typed by learners.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The code points of UTF-8 text, or nothing when it is not valid UTF-8 (a
// stray continuation byte, a cut sequence, an overlong form, a surrogate).
std::optional<std::u32string> DecodeUtf8(std::string_view text);

std::string EncodeUtf8(char32_t point);

// The number of code points, or nothing for text that is not valid UTF-8.
std::optional<std::size_t> Utf8Length(std::string_view text);

}  // namespace vorn
