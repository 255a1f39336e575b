// Colour texts: the named colours, the "$" hex form, decimal input, and the
// texts refused so that a damaged setting keeps the current colour.
#include <gtest/gtest.h>

#include <set>

#include "colortext.h"

namespace vorn {
namespace {

TEST(ColorText, NamesAreDistinctRoundTripAndKeepRedInTheLowByte) {
    std::set<std::string_view> names;
    std::set<std::uint32_t> values;
    for (const NamedColor& named : NamedColors()) {
        names.insert(named.name);
        values.insert(named.color);
        EXPECT_EQ(ColorToText(named.color), named.name);
        EXPECT_EQ(ColorFromText(named.name), named.color) << named.name;
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(values.size(), 20u);
    EXPECT_EQ(ColorFromText("clMaroon"), ColorFromRgb(128, 0, 0));
    EXPECT_EQ(ColorFromText("  CLSKYBLUE\t"), ColorFromRgb(0xA6, 0xCA, 0xF0));
    constexpr std::uint32_t orange = ColorFromRgb(32, 188, 255);
    EXPECT_EQ(RedOf(orange) * 1000000 + GreenOf(orange) * 1000 + BlueOf(orange), 32188255);
}

TEST(ColorText, UnnamedColoursAreDollarAndEightHexDigitsAndReadBack) {
    EXPECT_EQ(ColorToText(ColorFromRgb(32, 188, 255)), "$00FFBC20");
    EXPECT_EQ(ColorToText(0xFF000000), "$FF000000");
    for (std::uint32_t color : {0x000001u, 0x00ABCDEFu, 0x00FFFFFEu})
        EXPECT_EQ(ColorFromText(ColorToText(color)), color) << color;
    EXPECT_EQ(ColorFromText("$00ffbc20"), 0x00FFBC20u);
    EXPECT_EQ(ColorFromText(" $aBc \r\n"), 0xABCu);
    EXPECT_EQ(ColorFromText("16759840"), 0x00FFBC20u);
    EXPECT_EQ(ColorFromText("16777215"), kMaxColor);
}

TEST(ColorText, RefusesGarbageAndValuesBeyondTwentyFourBits) {
    for (const char* text : {"", "   ", "$", "$XYZ", "$ 12", "$-1", "$0x12", "$000000001", "12abc", "1 2",
                             "-1", "+5", "99999999999", "16777216", "$01000000", "clNothing", "Red"})
        EXPECT_EQ(ColorFromText(text), std::nullopt) << '"' << text << '"';
}

}  // namespace
}  // namespace vorn
