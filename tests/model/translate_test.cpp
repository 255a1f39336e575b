// The model's translation hook: the source texts until a function is
// installed, and placeholders filled in one pass.
#include <gtest/gtest.h>

#include <string>

#include "translate.h"

namespace {

struct FillCase {
    const char* pattern;
    std::initializer_list<std::string_view> values;
    const char* expected;
};

TEST(Translate, FillReplacesEachPlaceholderOnce) {
    const FillCase cases[] = {
        {"Лампочка %1 должна гореть.", {"F"}, "Лампочка F должна гореть."},
        {"%2 из %1", {"8", "5"}, "5 из 8"},                       // any order
        {"%1 и %1", {"A"}, "A и A"},                              // used twice
        {"Строка %1: %2", {"%2", "x"}, "Строка %2: x"},           // a value is not read again
        {"Позиция %1, %3.", {"4"}, "Позиция 4, %3."},             // a placeholder without value stays
        {"100% и %0 и %", {"x"}, "100% и %0 и %"},                // no number: no placeholder
        {"%1%2", {"a", "b"}, "ab"},
    };
    for (const FillCase& c : cases) EXPECT_EQ(vorn::Fill(c.pattern, c.values), c.expected) << c.pattern;
}

TEST(Translate, TrGivesTheSourceUntilAFunctionIsInstalled) {
    EXPECT_EQ(vorn::Tr("Ctx", "Провод"), "Провод");
    vorn::SetTranslateFunction([](const char* context, const char* text) {
        return std::string(text) == "Провод" ? std::string(context) + ":wire" : std::string();
    });
    EXPECT_EQ(vorn::Tr("Ctx", "Провод"), "Ctx:wire");
    EXPECT_EQ(vorn::Tr("Ctx", "Лампочка"), "Лампочка");  // no translation: the source text
    vorn::SetTranslateFunction({});
    EXPECT_EQ(vorn::Tr("Ctx", "Провод"), "Провод");
}

}  // namespace
