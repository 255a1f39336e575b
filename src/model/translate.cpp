#include "translate.h"

#include <utility>
#include <vector>

namespace vorn {

namespace {

TranslateFunction& Installed() {
    static TranslateFunction function;
    return function;
}

}  // namespace

void SetTranslateFunction(TranslateFunction function) { Installed() = std::move(function); }

std::string Tr(const char* context, const char* text) {
    const TranslateFunction& function = Installed();
    if (!function) return text;
    std::string translated = function(context, text);
    return translated.empty() ? std::string(text) : translated;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> list(values);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t number = next >= '1' && next <= '9' ? static_cast<std::size_t>(next - '0') : 0;
        if (pattern[i] == '%' && number > 0 && number <= list.size()) {
            text += list[number - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace vorn
