// A small RTF reader for the tutorial pages: RTF bytes in, a list of
// paragraphs of formatted text runs out. Plain C++, no Qt.
//
// Read: groups (the character and paragraph format is pushed at '{' and
// popped at '}'), \par \line \tab \pard \plain, \b \i \ul (\ul0 \ulnone and
// the \uld-style variants), \fsN, \fonttbl with \fN and \deffN, \colortbl
// with \cfN, \ql \qc \qr \qj \fiN \liN \riN, \'hh, \uN with \ucN fallback
// skipping, \\ \{ \} \~ \- \_, a few typographic words (\emdash, \bullet,
// \lquote ...), \cell and \row (as a tab and a paragraph end), \binN (its
// bytes are skipped). Every other control word is ignored; {\* ...} groups
// and the known destinations (\info, \stylesheet, \pict, \header, \footer,
// \fldinst, \listtable ...) are consumed and not shown.
//
// Code pages: \'hh and raw bytes 0x80..0xFF are Windows-1251, which is also
// the default when the file names no code page. A file that declares another
// code page (\ansicpgN, N != 1251) is read as Latin-1 (bytes are U+0000..U+00FF),
// except in fonts declared \fcharset204 (Cyrillic), which stay Windows-1251.
//
// Damaged input never crashes or hangs: reading is one linear pass, numbers
// saturate, group depth is capped at kRtfMaxGroupDepth (deeper groups are
// counted but keep their parent's format), missing '}' at the end, extra '}'
// and truncated escapes are tolerated; what could be read is kept and
// RtfDocument::damaged is set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

inline constexpr int kRtfMaxGroupDepth = 256;

enum class RtfAlignment { Left, Center, Right, Justified };

struct RtfColor {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const RtfColor&, const RtfColor&) = default;
};

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;            // \fsN; RTF's default is 12 pt
    std::optional<RtfColor> color;  // empty: the default ("auto") colour
    std::string font;               // UTF-8 name from \fonttbl; empty: none known

    double PointSize() const { return halfPoints / 2.0; }
    friend bool operator==(const RtfCharFormat&, const RtfCharFormat&) = default;
};

// Text is UTF-8. \tab is '\t', \line is U+2028 (LINE SEPARATOR, what
// QTextDocument uses for a line break inside a paragraph); there is never a
// '\n' or '\r' in a run.
struct RtfRun {
    std::string text;
    RtfCharFormat format;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;  // adjacent runs always differ in format; may be empty
    RtfAlignment alignment = RtfAlignment::Left;
    int firstLineIndent = 0;  // twips (1/1440 inch), may be negative
    int leftIndent = 0;       // twips
    int rightIndent = 0;      // twips

    std::string Text() const;  // the runs' text joined
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    // False when the bytes do not start with "{\rtf" (after an optional UTF-8
    // byte order mark and white space). Such a file is shown as plain text,
    // as a user who opened a .txt by mistake would expect: UTF-8 when the
    // bytes are valid UTF-8, Windows-1251 otherwise; every line (CR, LF or
    // CR LF) is a paragraph of one run in the default format, control
    // characters other than tab are dropped.
    bool isRtf = true;
    // Set when RTF was read but something was wrong with it (unbalanced
    // braces, a truncated escape, groups nested deeper than the cap, text
    // after the end of the document).
    bool damaged = false;

    std::string Text() const;  // paragraphs' text joined by '\n'
};

RtfDocument ParseRtf(std::string_view bytes);

// Windows-1251 byte to Unicode; 0x98, which the code page leaves unassigned,
// gives U+FFFD.
char32_t Cp1251ToUnicode(unsigned char byte);

// Appends the UTF-8 form of a code point; surrogates and values above
// U+10FFFF are written as U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace vorn
