// Feeds arbitrary bytes to the RTF reader and stops the run (__builtin_trap)
// when the result breaks a promise of rtfreader.h:
//  - run texts are non-empty valid UTF-8 without '\n' or '\r', and adjacent
//    runs of a paragraph differ in format;
//  - font sizes stay within 1..1638 pt;
//  - bytes not starting with "{\rtf" are plain text, and plain text is never
//    flagged damaged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rtfreader.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

bool ValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || text.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const vorn::RtfDocument doc = vorn::ParseRtf(bytes);
    if (!doc.isRtf) Check(!doc.damaged);
    if (bytes.starts_with("{\\rtf")) Check(doc.isRtf);
    for (const vorn::RtfParagraph& paragraph : doc.paragraphs) {
        for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
            const vorn::RtfRun& run = paragraph.runs[i];
            Check(!run.text.empty());
            Check(ValidUtf8(run.text));
            Check(run.text.find_first_of("\r\n") == std::string_view::npos);
            Check(run.format.halfPoints >= 2 && run.format.halfPoints <= 3276);
            if (i > 0) Check(!(run.format == paragraph.runs[i - 1].format));
        }
    }
    return 0;
}
