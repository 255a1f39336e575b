// The RTF reader: Cyrillic through \'hh (Windows-1251) and \uN with its
// fallback, formats restored at the end of groups, hidden destinations,
// colours, sizes, fonts and paragraph formats, files that are not RTF, and
// damaged files (every truncation of a valid file, crafted bad ones, random
// bytes) that must be read without a crash or a hang.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <utility>

#include "rtfreader.h"

namespace vorn {
namespace {

// "Привет" in Windows-1251.
constexpr char kPrivetHex[] = "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2";
constexpr char kPrivet[] = "Привет";

const char kSample[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1"
    "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}{\\f1\\froman\\fcharset204{\\*\\panose 02020603050405020304}Times New Roman;}}"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
    "{\\stylesheet{\\s0 Normal;}}"
    "{\\info{\\title Secret title}{\\author Someone}}"
    "{\\*\\generator Riched20 10.0;}"
    "\\viewkind4\\pard\\qc\\b\\fs32 \\'c7\\'e0\\'e3\\'ee\\'eb\\'ee\\'e2\\'ee\\'ea\\b0\\par\n"
    "\\pard\\fi-200\\li400\\fs24 Plain {\\i italic {\\b both} italic} {\\cf1 red}, {\\ul under\\ulnone  not}.\\par\n"
    "{\\f1 \\u1058?\\u1077?\\u1082?\\u1089?\\u1090?}\\tab end\\line next\\par\n"
    "}";

RtfDocument Parse(std::string_view text) { return ParseRtf(text); }

// Documents whose whole text tells what was read.
TEST(RtfReader, TextOfDocuments) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        // Windows-1251 through \'hh, the upper half including the letters
        // outside А..я; it is the default without \ansicpg, hex digits may be
        // upper case, and raw 8-bit bytes are read the same way.
        {std::string("{\\rtf1\\ansi\\ansicpg1251 ") + kPrivetHex + "}", kPrivet},
        {"{\\rtf1 \\'c0\\'df\\'e0\\'ff\\'a8\\'b8\\'b9\\'ab\\'bb\\'97}", "АЯаяЁё№«»—"},
        {"{\\rtf1\\ansi \\'CF\\'F0\\'E8\\'E2\\'E5\\'F2}", kPrivet},
        {"{\\rtf1 \xCF\xF0\xE8\xE2\xE5\xF2}", kPrivet},
        // Another code page is Latin-1, except in a font declared Cyrillic (a
        // word processor on a Western system).
        {"{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}", "café"},
        {std::string("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 Calibri;}"
                     "{\\f1\\fnil\\fcharset0 Arial;}}\\f0 ") + kPrivetHex + "\\f1  \\'e9}",
         std::string(kPrivet) + " é"},
        // \uN: negative values count from 65536; the one fallback character is skipped.
        {"{\\rtf1 \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090?}", kPrivet},
        {"{\\rtf1 \\u-3937?}", "\xEF\x82\x9F"},  // U+F09F
        // \uc2 skips two fallback characters, a \'hh counting as one; the count is group-scoped.
        {"{\\rtf1 {\\uc2\\u1055\\'cf\\'cf\\u1088 ab}\\u1080?!}", "При!"},
        {"{\\rtf1\\uc0 \\u1055 x}", "Пx"},    // \uc0: nothing to skip
        {"{\\rtf1\\uc3 {\\u1055}ab}", "Пab"},  // the fallback ends at a group boundary
        // A surrogate pair; a lone surrogate becomes U+FFFD, also one left
        // open when the document or its group ends.
        {"{\\rtf1 \\u-10179?\\u-8704?}", "\xF0\x9F\x98\x80"},  // U+1F600
        {"{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx"},
        {"{\\rtf1 \\u-10179?}", "\xEF\xBF\xBD"},
        {"{\\rtf1 {\\u-10179?}\\u-8704?}", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"{\\rtf1 \\u-10179?", "\xEF\xBF\xBD"},
        {"{\\rtf1 a\\u1055 ?b}", "aПb"},  // a delimiting space belongs to the control word
        {"{\\rtf1 \\u99999999999999999999999 x}", "\uFFFD"},  // the x is its fallback
        {"{\\rtf1 \\uc99999999999 \\u1055 abc}", "П"},
        // Escapes and control symbols.
        {"{\\rtf1 a\\\\b\\{c\\}d}", "a\\b{c}d"},
        {"{\\rtf1 a\\~b\\-c\\_d}", "a\u00A0b\u00ADc\u2011d"},
        {"{\\rtf1 a\\|b\\:c}", "abc"},
        {"{\\rtf1 \\emdash\\endash\\bullet\\lquote x\\rquote\\ldblquote y\\rdblquote}", "—–•‘x’“y”"},
        // Raw line ends are nothing; a backslash before one is a paragraph end.
        {"{\\rtf1 a\r\nb\\\nc}", "ab\nc"},
        // Unknown control words vanish with their delimiting space and number.
        {"{\\rtf1 a\\foo-12 b\\bar c}", "abc"},
        // Empty paragraphs are kept, but a closing \par adds no empty one at the end.
        {"{\\rtf1 a\\par\\par b\\par}", "a\n\nb"},
        // Hidden destinations, \bin data (which may hold braces: its bytes
        // are skipped, not parsed), a field's instruction; a destination word
        // at the top level does not hide the rest.
        {"{\\rtf1 a{\\*\\unknowndest {nested} text}b}", "ab"},
        {"{\\rtf1 a{\\pict\\wmetafile8 0123abcdef}b}", "ab"},
        {"{\\rtf1 a{\\header head}{\\footer foot}b}", "ab"},
        {"{\\rtf1 a{\\*\\blob\\bin4 }}{{}b}c", "ab"},
        {"{\\rtf1 a{\\pict\\bin3 {{{}b}", "ab"},
        {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", "link"},
        {"{\\rtf1 \\info a}", "a"},
        // Not RTF: invalid UTF-8 is Windows-1251, a byte order mark is dropped.
        {"\xCF\xF0\xE8\xE2\xE5\xF2\x01!", "Привет!"},
        {"\xEF\xBB\xBFwith BOM", "with BOM"},
        {"{\\rt", "{\\rt"},
    };
    for (const auto& c : cases) EXPECT_EQ(Parse(c.bytes).Text(), c.text) << c.bytes;
}

TEST(RtfReader, Cp1251Table) {
    const std::pair<unsigned char, char32_t> outside[] = {{0x41, U'A'},       {0x80, U'\u0402'}, {0x88, U'\u20AC'},
                                                          {0x98, U'\uFFFD'}, {0xA8, U'\u0401'}, {0xB9, U'\u2116'}};
    for (const auto& [byte, letter] : outside) EXPECT_EQ(Cp1251ToUnicode(byte), letter) << int(byte);
    for (int byte = 0xC0; byte <= 0xFF; ++byte)
        EXPECT_EQ(Cp1251ToUnicode(static_cast<unsigned char>(byte)), static_cast<char32_t>(0x0410 + byte - 0xC0));
}

// The sample: a centred bold title, a paragraph of nested groups, a
// paragraph in another font with a tab and a line break, and the tables and
// destinations that must stay hidden.
TEST(RtfReader, TheSampleDocument) {
    const RtfDocument doc = Parse(kSample);
    EXPECT_TRUE(doc.isRtf);
    EXPECT_FALSE(doc.damaged);
    ASSERT_EQ(doc.paragraphs.size(), 3u);
    EXPECT_EQ(doc.paragraphs[0].Text(), "Заголовок");
    EXPECT_EQ(doc.paragraphs[1].Text(), "Plain italic both italic red, under not.");
    EXPECT_EQ(doc.paragraphs[2].Text(), "Текст\tend\u2028next");
    for (const char* hidden : {"Arial", "Times", "Normal", "Secret", "Someone", "Riched", "panose", "0203"})
        EXPECT_EQ(doc.Text().find(hidden), std::string::npos) << hidden;

    const RtfRun& title = doc.paragraphs[0].runs.at(0);
    EXPECT_TRUE(title.format.bold);
    EXPECT_DOUBLE_EQ(title.format.PointSize(), 16.0);
    EXPECT_EQ(title.format.font, "Arial");  // \deff0
    EXPECT_EQ(doc.paragraphs[2].runs.at(0).text, "Текст");
    EXPECT_EQ(doc.paragraphs[2].runs.at(0).format.font, "Times New Roman");
    EXPECT_EQ(doc.paragraphs[2].runs.at(1).format.font, "Arial");

    // Groups restore the format at their end.
    const struct {
        const char* text;
        bool italic, bold, underline, red;
    } runs[] = {{"Plain ", false, false, false, false}, {"italic ", true, false, false, false},
                {"both", true, true, false, false},     {" italic", true, false, false, false},
                {" ", false, false, false, false},      {"red", false, false, false, true},
                {", ", false, false, false, false},     {"under", false, false, true, false},
                {" not.", false, false, false, false}};
    const std::vector<RtfRun>& actual = doc.paragraphs[1].runs;
    ASSERT_EQ(actual.size(), std::size(runs));
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const RtfCharFormat& f = actual[i].format;
        EXPECT_EQ(actual[i].text, runs[i].text);
        EXPECT_EQ(f.italic, runs[i].italic) << i;
        EXPECT_EQ(f.bold, runs[i].bold) << i;
        EXPECT_EQ(f.underline, runs[i].underline) << i;
        EXPECT_EQ(f.color, runs[i].red ? std::optional(RtfColor{255, 0, 0}) : std::nullopt) << i;
        EXPECT_EQ(f.halfPoints, 24) << i;
    }

    EXPECT_EQ(doc.paragraphs[0].alignment, RtfAlignment::Center);
    EXPECT_EQ(doc.paragraphs[1].alignment, RtfAlignment::Left);
    EXPECT_EQ(doc.paragraphs[1].firstLineIndent, -200);
    EXPECT_EQ(doc.paragraphs[1].leftIndent, 400);
    EXPECT_EQ(doc.paragraphs[2].leftIndent, 400);  // no \pard since
}

TEST(RtfReader, FormatSwitches) {
    // \b0, \i0, \ul0 turn off; \plain resets everything.
    const RtfDocument offs = Parse("{\\rtf1 \\b\\i\\ul\\fs40 a\\b0 b\\i0 c\\ul0 d\\b\\i\\ul e\\plain f}");
    const std::vector<RtfRun>& r = offs.paragraphs[0].runs;
    ASSERT_EQ(r.size(), 6u);
    EXPECT_TRUE(r[0].format.bold && r[0].format.italic && r[0].format.underline);
    EXPECT_TRUE(!r[1].format.bold && r[1].format.italic && r[1].format.underline);
    EXPECT_TRUE(!r[2].format.bold && !r[2].format.italic && r[2].format.underline);
    EXPECT_TRUE(!r[3].format.bold && !r[3].format.italic && !r[3].format.underline);
    EXPECT_EQ(r[3].format.halfPoints, 40);
    EXPECT_EQ(r[5].text, "f");
    EXPECT_EQ(r[5].format, RtfCharFormat{});

    // \cf0 and colours outside the table are the default colour; components clamp.
    const RtfDocument colours =
        Parse("{\\rtf1{\\colortbl;\\red0\\green128\\blue255;\\red999\\green-5\\blue7}\\cf1 a\\cf2 b\\cf0 c\\cf9 d}");
    const std::vector<RtfRun>& runs = colours.paragraphs.at(0).runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].format.color, (RtfColor{0, 128, 255}));
    EXPECT_EQ(runs[1].format.color, (RtfColor{255, 0, 7}));  // last entry without ';'
    EXPECT_EQ(runs[2].text, "cd");
    EXPECT_FALSE(runs[2].format.color.has_value());
    // Sizes: \fs0 and negatives are the default, huge ones are capped.
    for (const auto& [size, halfPoints] : {std::pair("0", 24), std::pair("99999999999999", 3276), std::pair("-4", 24)})
        EXPECT_EQ(Parse(std::string("{\\rtf1\\fs") + size + " a}").paragraphs[0].runs[0].format.halfPoints, halfPoints);

    // Alignment is a paragraph format popped at '}' and reset by \pard.
    const RtfDocument aligned = Parse("{\\rtf1\\qr a\\par\\qj b\\par{\\qc c\\par}d\\par\\pard e}");
    ASSERT_EQ(aligned.paragraphs.size(), 5u);
    const RtfAlignment expected[] = {RtfAlignment::Right, RtfAlignment::Justified, RtfAlignment::Center,
                                     RtfAlignment::Justified, RtfAlignment::Left};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(aligned.paragraphs[i].alignment, expected[i]) << i;
}

TEST(RtfReader, ParagraphCounts) {
    const RtfDocument empties = Parse("{\\rtf1 a\\par\\par b\\par}");
    ASSERT_EQ(empties.paragraphs.size(), 3u);
    EXPECT_TRUE(empties.paragraphs[1].runs.empty());
    EXPECT_EQ(Parse("{\\rtf1 last without par}").paragraphs.size(), 1u);
    EXPECT_TRUE(Parse("{\\rtf1}").paragraphs.empty());
}

TEST(RtfReader, NotRtfIsPlainText) {
    const RtfDocument utf8 = Parse("Hello\r\nмир\n\tend\r");
    EXPECT_FALSE(utf8.isRtf);
    ASSERT_EQ(utf8.paragraphs.size(), 3u);
    EXPECT_EQ(utf8.Text(), "Hello\nмир\n\tend");
    EXPECT_EQ(utf8.paragraphs[0].runs[0].format, RtfCharFormat{});
    EXPECT_TRUE(Parse("").paragraphs.empty());
    EXPECT_FALSE(Parse("").isRtf);
    EXPECT_FALSE(Parse("{\\rt").isRtf);
    // Leading blanks and a byte order mark before "{\rtf" are allowed.
    EXPECT_TRUE(Parse("\xEF\xBB\xBF \r\n{\\rtf1 a}").isRtf);
}

TEST(RtfReader, DamagedFilesAreFlagged) {
    const struct {
        std::string_view bytes;
        bool damaged;
        const char* text;
    } cases[] = {
        {"{\\rtf1 missing brace", true, "missing brace"},
        {"{\\rtf1 a}} junk", true, "a"},
        {std::string_view("{\\rtf1 a}\r\n\0", 12), false, "a"},
        {"{\\rtf1 a\\'4", true, "a"},
        {"{\\rtf1 a\\'zzb}", true, "azzb"},
        {"{\\rtf1 a\\", true, "a"},
    };
    for (const auto& c : cases) {
        const RtfDocument doc = Parse(c.bytes);
        EXPECT_EQ(doc.damaged, c.damaged) << c.bytes;
        EXPECT_EQ(doc.Text(), c.text) << c.bytes;
    }
}

TEST(RtfReader, EveryTruncationOfAValidFileReads) {
    const std::string sample = kSample;
    const std::string full = Parse(sample).Text();
    for (std::size_t length = 0; length <= sample.size(); ++length) {
        const RtfDocument doc = Parse(std::string_view(sample).substr(0, length));
        // What was read is a prefix of the whole text, but for its last
        // character: a cut \u1058 is \u105, an "i".
        std::string text = doc.Text();
        while (!text.empty() && (text.back() & 0xC0) == 0x80) text.pop_back();
        if (!text.empty()) text.pop_back();
        if (length >= 5) {
            EXPECT_TRUE(doc.isRtf) << length;
            EXPECT_TRUE(full.starts_with(text)) << length << ": " << text;
        }
        if (length < sample.size() && length >= 5) {
            EXPECT_TRUE(doc.damaged) << length;
        }
    }
}

TEST(RtfReader, CraftedBadFilesDoNotCrash) {
    // A nesting bomb: depth beyond the cap is counted, text is still read.
    std::string bomb = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i) bomb += "{\\b ";
    bomb += "deep";
    for (int i = 0; i < 100000; ++i) bomb += '}';
    bomb += " after}";
    const RtfDocument deep = Parse(bomb);
    EXPECT_TRUE(deep.damaged);
    EXPECT_EQ(deep.Text(), "deep after");
    EXPECT_TRUE(deep.paragraphs[0].runs[0].format.bold);
    EXPECT_FALSE(deep.paragraphs[0].runs.back().format.bold);
    // Unclosed bomb.
    EXPECT_EQ(Parse(std::string("{\\rtf1 ") + std::string(200000, '{') + "x").Text(), "x");

    const char* bad[] = {
        "{\\rtf1 \\u99999999999999999999999 x}",
        "{\\rtf1 \\u-99999999999999999 x}",
        "{\\rtf1 \\uc99999999999 \\u1055 abc}",
        "{\\rtf1 \\uc-5 \\u1055 abc}",
        "{\\rtf1 \\bin99999999999999",
        "{\\rtf1 \\bin-5 x}",
        "{\\rtf1 \\cf99999999999 x\\cf-99999999 y\\f-3 z\\f99999999999 w}",
        "{\\rtf1 {\\colortbl\\red255",
        "{\\rtf1 {\\fonttbl{\\f0 Ari",
        "{\\rtf1 {\\fonttbl{\\f99999999999999\\fcharset204 X;}}\\f99999999999999 \\'c0}",
        "{\\rtf1 \\'",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u-",
        "{\\rtf1 \\li-99999999999999999 \\fi99999999999999 x\\par}",
        "{\\rtf1 }}}}}}}}}}}}}}}}}}}",
        "{\\rtf1 {\\*",
        "{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz123456789 x}",
        "{\\rtf1 \\u-10179\\u-10179\\u-8704\\u-8704 x}",
    };
    for (const char* text : bad) {
        const RtfDocument doc = Parse(text);
        EXPECT_TRUE(doc.isRtf) << text;
        for (const RtfParagraph& paragraph : doc.paragraphs)
            for (const RtfRun& run : paragraph.runs) {
                EXPECT_FALSE(run.text.empty()) << text;
                EXPECT_GE(run.format.halfPoints, 2) << text;
                EXPECT_LE(run.format.halfPoints, 3276) << text;
            }
    }
}

TEST(RtfReader, RandomBytesDoNotCrash) {
    std::mt19937 random(20240611);
    const std::string alphabet = "{}\\'*;0123456789abcdefuAZ-? \r\n\x80\xCF\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = round % 2 ? "{\\rtf1" : "";
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i)
            bytes += round % 3 ? alphabet[random() % alphabet.size()] : static_cast<char>(random() & 0xFF);
        const RtfDocument doc = Parse(bytes);
        for (const RtfParagraph& paragraph : doc.paragraphs)
            for (std::size_t i = 1; i < paragraph.runs.size(); ++i)
                EXPECT_FALSE(paragraph.runs[i].format == paragraph.runs[i - 1].format);
    }
}

}  // namespace
}  // namespace vorn
