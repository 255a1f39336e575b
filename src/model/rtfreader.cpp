#include "rtfreader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <utility>

#include "utf8text.h"

namespace vorn {

namespace {

// Windows-1251, 0x80..0xFF.
constexpr std::array<char16_t, 128> kCp1251High = {{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
}};

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLineSeparator = 0x2028;
constexpr int kNumberCap = 1'000'000'000;
constexpr int kCyrillicCharset = 204;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

std::uint8_t ColorComponent(int value) { return static_cast<std::uint8_t>(Clamp(value, 0, 255)); }

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return text.substr(begin, end - begin);
}

// Destinations whose contents are never shown.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kSkipped[] = {
        "info",       "stylesheet", "pict",      "header",     "headerl",    "headerr",       "headerf",
        "footer",     "footerl",    "footerr",   "footerf",    "footnote",   "annotation",    "fldinst",
        "listtable",  "listoverridetable",       "revtbl",     "rsidtbl",    "generator",     "xmlnstbl",
        "themedata",  "colorschememapping",      "latentstyles", "datastore", "object",       "objdata",
        "nonshppict", "shppict",    "pn",        "filetbl",    "userprops",  "docvar",        "template",
        "private",    "mmathPr",    "atnid",     "atnauthor",  "bkmkstart",  "bkmkend",       "shp",
        "shpinst",    "sp",         "result",    "txe",        "xe",         "tc",            "pgdsctbl",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

bool IsUnderlineWord(std::string_view word) {
    static constexpr std::string_view kUnderlines[] = {
        "ul",     "uld",      "uldash",    "uldashd", "uldashdd", "uldb",    "ulhwave", "ulldash",
        "ulth",   "ulthd",    "ulthdash",  "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave",
        "ulw",    "ulwave",
    };
    return std::find(std::begin(kUnderlines), std::end(kUnderlines), word) != std::end(kUnderlines);
}

class Parser {
public:
    explicit Parser(std::string_view in) : in_(in) {}

    RtfDocument Read() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (stack_.empty() && c != '{') continue;  // only before the first '{', which the caller rules out
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                if (CloseGroup()) break;
            } else if (c == '\\') {
                Escape();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                // Raw line ends carry no meaning in RTF.
            } else {
                Byte(static_cast<unsigned char>(c));
            }
        }
        if (!stack_.empty()) doc_.damaged = true;  // truncated: braces left open
        // Anything but blanks after the document's closing brace is damage.
        for (; pos_ < in_.size(); ++pos_)
            if (!IsBlank(in_[pos_]) && in_[pos_] != '\0') {
                doc_.damaged = true;
                break;
            }
        FlushSurrogate();
        Flush();
        if (!paragraph_.runs.empty()) EndParagraph();
        return std::move(doc_);
    }

private:
    enum class Destination : std::uint8_t { Text, Skip, FontTable, ColorTable };

    struct State {
        Destination destination = Destination::Text;
        bool bold = false, italic = false, underline = false;
        int halfPoints = 24;
        int color = 0;   // index into colors_
        int font = -1;   // font number; -1: the default font (\deff)
        int unicodeSkip = 1;
        RtfAlignment alignment = RtfAlignment::Left;
        int firstLineIndent = 0, leftIndent = 0, rightIndent = 0;
    };

    struct Font {
        std::string name;
        int charset = -1;
    };

    State& Current() { return stack_.back(); }

    // --- groups -------------------------------------------------------------

    void OpenGroup() {
        FlushSurrogate();  // a pair never spans a brace
        Flush();
        skipCount_ = 0;
        if (stack_.empty()) {
            stack_.emplace_back();
            return;
        }
        if (stack_.size() >= static_cast<std::size_t>(kRtfMaxGroupDepth)) {
            ++overflow_;
            doc_.damaged = true;
            return;
        }
        stack_.push_back(stack_.back());
    }

    // Returns true when the document group itself closed.
    bool CloseGroup() {
        FlushSurrogate();
        Flush();
        skipCount_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return false;
        }
        if (stack_.empty()) return true;  // not reached: reading stops at the root's close
        if (Current().destination == Destination::FontTable) FinishFont();
        if (Current().destination == Destination::ColorTable) FinishColor(false);
        stack_.pop_back();
        return stack_.empty();
    }

    // --- text ---------------------------------------------------------------

    // The code page for \'hh and raw bytes at this point.
    bool Cyrillic() {
        const int number = Current().destination == Destination::FontTable ? definingFont_
                           : Current().font >= 0                            ? Current().font
                                                                            : defaultFont_;
        const auto found = fonts_.find(number);
        if (found != fonts_.end() && found->second.charset == kCyrillicCharset) return true;
        if (Current().destination == Destination::FontTable && number == definingFont_ &&
            definingCharset_ == kCyrillicCharset)
            return true;
        return cp1251_;
    }

    void Byte(unsigned char byte) {
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        if (Current().destination == Destination::ColorTable && byte == ';') {
            FinishColor(true);
            return;
        }
        if (Current().destination == Destination::FontTable && byte == ';') {
            FinishFont();
            return;
        }
        if (byte < 0x80) {
            CodePoint(byte);
        } else {
            CodePoint(Cyrillic() ? Cp1251ToUnicode(byte) : char32_t{byte});
        }
    }

    // A character of the current destination, after decoding.
    void CodePoint(char32_t c) {
        FlushSurrogate();
        Append(c);
    }

    void Append(char32_t c) {
        if (stack_.empty()) return;
        if (c < 0x20 && c != '\t') return;
        if (c == 0x7F) return;
        switch (Current().destination) {
            case Destination::Text:
                AppendUtf8(pending_, c);
                break;
            case Destination::FontTable:
                AppendUtf8(fontName_, c);
                break;
            case Destination::Skip:
            case Destination::ColorTable:
                break;
        }
    }

    void Unicode(int value) {
        if (value < 0) value += 65536;
        if (value < 0 || value > 0xFFFF) {
            CodePoint(kReplacement);
            return;
        }
        const auto unit = static_cast<char32_t>(value);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            FlushSurrogate();
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (highSurrogate_ != 0) {
                const char32_t combined = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
                highSurrogate_ = 0;
                Append(combined);
            } else {
                Append(kReplacement);
            }
        } else {
            CodePoint(unit);
        }
    }

    void FlushSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        Append(kReplacement);
    }

    // Moves the pending text into the paragraph as a run in the current format.
    void Flush() {
        if (pending_.empty()) return;
        RtfCharFormat format;
        if (!stack_.empty()) {
            const State& state = Current();
            format.bold = state.bold;
            format.italic = state.italic;
            format.underline = state.underline;
            format.halfPoints = state.halfPoints;
            if (state.color >= 0 && static_cast<std::size_t>(state.color) < colors_.size())
                format.color = colors_[static_cast<std::size_t>(state.color)];
            const auto font = fonts_.find(state.font >= 0 ? state.font : defaultFont_);
            if (font != fonts_.end()) format.font = font->second.name;
        }
        if (!paragraph_.runs.empty() && paragraph_.runs.back().format == format) {
            paragraph_.runs.back().text += pending_;
        } else {
            paragraph_.runs.push_back({std::move(pending_), std::move(format)});
        }
        pending_.clear();
    }

    void EndParagraph() {
        FlushSurrogate();
        Flush();
        if (!stack_.empty()) {
            const State& state = Current();
            paragraph_.alignment = state.alignment;
            paragraph_.firstLineIndent = state.firstLineIndent;
            paragraph_.leftIndent = state.leftIndent;
            paragraph_.rightIndent = state.rightIndent;
        }
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = RtfParagraph{};
    }

    // --- tables -------------------------------------------------------------

    void FinishFont() {
        if (definingFont_ >= 0 && (!fontName_.empty() || definingCharset_ >= 0)) {
            Font& font = fonts_[definingFont_];
            if (!fontName_.empty()) font.name = Trimmed(fontName_);
            if (definingCharset_ >= 0) font.charset = definingCharset_;
        }
        fontName_.clear();
        definingCharset_ = -1;
    }

    void FinishColor(bool atSemicolon) {
        if (atSemicolon) {
            if (colorSet_)
                colors_.push_back(pendingColor_);
            else
                colors_.push_back(std::nullopt);
        } else if (colorSet_) {
            colors_.push_back(pendingColor_);  // the last entry lost its ';'
        }
        colorSet_ = false;
        pendingColor_ = RtfColor{};
    }

    // --- control words and symbols -----------------------------------------

    int Number(bool& present) {
        bool negative = false;
        present = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        int value = 0;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            present = true;
            value = value >= kNumberCap / 10 ? kNumberCap : value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        return negative ? -value : value;
    }

    void Escape() {
        if (pos_ >= in_.size()) {
            doc_.damaged = true;
            return;
        }
        const char c = in_[pos_];
        if (IsLetter(c)) {
            const std::size_t begin = pos_;
            while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;
            const std::string_view word = in_.substr(begin, pos_ - begin);
            bool hasNumber = false;
            const int number = Number(hasNumber);
            if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
            Word(word, hasNumber, number);
            return;
        }
        ++pos_;
        if (c == '\'') {
            Hex();
            return;
        }
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Byte(static_cast<unsigned char>(c));
                break;
            case '~':
                CodePoint(0x00A0);
                break;
            case '-':
                CodePoint(0x00AD);
                break;
            case '_':
                CodePoint(0x2011);
                break;
            case '*':
                if (stack_.size() > 1) Current().destination = Destination::Skip;
                break;
            case '\r':
            case '\n':
                if (Current().destination == Destination::Text) EndParagraph();
                break;
            case '\t':
                CodePoint('\t');
                break;
            default:
                break;  // \| \: and the rest: nothing to show
        }
    }

    void Hex() {
        int value = 0, digits = 0;
        while (digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0) {
            value = value * 16 + HexValue(in_[pos_]);
            ++digits;
            ++pos_;
        }
        if (digits < 2) {
            doc_.damaged = true;
            return;
        }
        Byte(static_cast<unsigned char>(value));
    }

    void Word(std::string_view word, bool hasNumber, int number) {
        Flush();
        if (word == "bin") {
            // Binary data: skip its bytes, whatever they are.
            const std::size_t length = number > 0 ? static_cast<std::size_t>(number) : 0;
            pos_ += std::min(length, in_.size() - pos_);
            if (skipCount_ > 0) --skipCount_;
            return;
        }
        if (skipCount_ > 0) {
            --skipCount_;
            return;
        }
        State& state = Current();
        const bool on = !hasNumber || number != 0;

        if (state.destination == Destination::Skip) return;

        // Destinations.
        if (word == "fonttbl" || word == "colortbl" || IsSkippedDestination(word)) {
            if (stack_.size() <= 1) return;  // not in a group of its own: damaged, do not hide the rest
            if (word == "fonttbl") {
                state.destination = Destination::FontTable;
                definingFont_ = -1;
                fontName_.clear();
                definingCharset_ = -1;
            } else if (word == "colortbl") {
                state.destination = Destination::ColorTable;
                colors_.clear();
                colorSet_ = false;
                pendingColor_ = RtfColor{};
            } else {
                state.destination = Destination::Skip;
            }
            return;
        }

        if (state.destination == Destination::FontTable) {
            if (word == "f") {
                FinishFont();
                definingFont_ = Clamp(number, 0, kNumberCap);
            } else if (word == "fcharset") {
                definingCharset_ = number;
            } else if (word == "u") {
                Unicode(number);
                skipCount_ = state.unicodeSkip;
            } else if (word == "uc") {
                state.unicodeSkip = Clamp(number, 0, kNumberCap);
            }
            return;
        }
        if (state.destination == Destination::ColorTable) {
            if (word == "red") {
                pendingColor_.red = ColorComponent(number);
                colorSet_ = true;
            } else if (word == "green") {
                pendingColor_.green = ColorComponent(number);
                colorSet_ = true;
            } else if (word == "blue") {
                pendingColor_.blue = ColorComponent(number);
                colorSet_ = true;
            }
            return;
        }

        // Header words.
        if (word == "ansicpg") {
            cp1251_ = number == 1251;
        } else if (word == "deff") {
            defaultFont_ = number;
        }
        // Character format.
        else if (word == "b") {
            state.bold = on;
        } else if (word == "i") {
            state.italic = on;
        } else if (word == "ulnone") {
            state.underline = false;
        } else if (IsUnderlineWord(word)) {
            state.underline = on;
        } else if (word == "fs") {
            state.halfPoints = number <= 0 ? 24 : Clamp(number, 2, 3276);
        } else if (word == "cf") {
            state.color = number;
        } else if (word == "f") {
            state.font = hasNumber ? Clamp(number, 0, kNumberCap) : -1;
        } else if (word == "plain") {
            state.bold = state.italic = state.underline = false;
            state.halfPoints = 24;
            state.color = 0;
            state.font = -1;
        } else if (word == "uc") {
            state.unicodeSkip = Clamp(number, 0, kNumberCap);
        } else if (word == "u") {
            Unicode(number);
            skipCount_ = state.unicodeSkip;
        }
        // Paragraph format.
        else if (word == "pard") {
            state.alignment = RtfAlignment::Left;
            state.firstLineIndent = state.leftIndent = state.rightIndent = 0;
        } else if (word == "ql") {
            state.alignment = RtfAlignment::Left;
        } else if (word == "qc") {
            state.alignment = RtfAlignment::Center;
        } else if (word == "qr") {
            state.alignment = RtfAlignment::Right;
        } else if (word == "qj") {
            state.alignment = RtfAlignment::Justified;
        } else if (word == "fi") {
            state.firstLineIndent = Clamp(number, -31680, 31680);
        } else if (word == "li") {
            state.leftIndent = Clamp(number, -31680, 31680);
        } else if (word == "ri") {
            state.rightIndent = Clamp(number, -31680, 31680);
        }
        // Breaks and special characters.
        else if (word == "par" || word == "sect" || word == "page" || word == "row") {
            EndParagraph();
        } else if (word == "line") {
            CodePoint(kLineSeparator);
        } else if (word == "tab" || word == "cell") {
            CodePoint('\t');
        } else if (word == "emdash") {
            CodePoint(0x2014);
        } else if (word == "endash") {
            CodePoint(0x2013);
        } else if (word == "emspace") {
            CodePoint(0x2003);
        } else if (word == "enspace") {
            CodePoint(0x2002);
        } else if (word == "bullet") {
            CodePoint(0x2022);
        } else if (word == "lquote") {
            CodePoint(0x2018);
        } else if (word == "rquote") {
            CodePoint(0x2019);
        } else if (word == "ldblquote") {
            CodePoint(0x201C);
        } else if (word == "rdblquote") {
            CodePoint(0x201D);
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    RtfDocument doc_;
    RtfParagraph paragraph_;
    std::string pending_;  // text of the current format not yet in paragraph_
    std::vector<State> stack_;
    int overflow_ = 0;     // groups opened beyond the depth cap and not yet closed
    int skipCount_ = 0;    // \uN fallback characters still to skip
    char32_t highSurrogate_ = 0;
    bool cp1251_ = true;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    int definingFont_ = -1;
    int definingCharset_ = -1;
    std::string fontName_;
    std::vector<std::optional<RtfColor>> colors_;
    RtfColor pendingColor_;
    bool colorSet_ = false;
};

RtfDocument PlainText(std::string_view bytes) {
    RtfDocument doc;
    doc.isRtf = false;
    const bool utf8 = DecodeUtf8(bytes).has_value();
    std::string line;
    const auto endLine = [&] {
        RtfParagraph paragraph;
        if (!line.empty()) paragraph.runs.push_back({std::move(line), RtfCharFormat{}});
        doc.paragraphs.push_back(std::move(paragraph));
        line.clear();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            endLine();
        } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
            // dropped
        } else if (c == 0x7F) {
            // dropped
        } else if (utf8 || static_cast<unsigned char>(c) < 0x80) {
            line += c;
        } else {
            AppendUtf8(line, Cp1251ToUnicode(static_cast<unsigned char>(c)));
        }
    }
    if (!line.empty()) endLine();
    return doc;
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kCp1251High[byte - 0x80u]};
}

void AppendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    out += EncodeUtf8(c);
}

std::string RtfParagraph::Text() const {
    std::string text;
    for (const RtfRun& run : runs) text += run.text;
    return text;
}

std::string RtfDocument::Text() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        text += paragraphs[i].Text();
    }
    return text;
}

RtfDocument ParseRtf(std::string_view bytes) {
    std::string_view rest = bytes;
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    if (!rest.starts_with("{\\rtf")) {
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
        return PlainText(bytes);
    }
    return Parser(rest).Read();
}

}  // namespace vorn
