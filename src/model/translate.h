// The one door through which the model's texts reach the user. The source
// texts are the Russian ones; until the program (or vorn-cli) installs a
// translating function at start, Tr gives them back unchanged, so the model
// and its tests work in Russian without any toolkit.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table for the translation tools and leaves it as it is;
// the code that shows it passes it through Tr with the same context.
#define VORN_TR_NOOP(context, text) text

namespace vorn {

// Gives the text shown to the user for a source text of the given context.
using TranslateFunction = std::function<std::string(const char* context, const char* text)>;

// Installs the translating function for the whole program; an empty one
// brings the source texts back. Called once at start, before any text is made.
void SetTranslateFunction(TranslateFunction function);

// The text in the chosen language; the source text itself when no function
// is installed or it knows no translation.
std::string Tr(const char* context, const char* text);

// The pattern with %1 .. %9 replaced by the values, in one pass, so that a
// value holding "%2" stays as it is. A placeholder without a value stays too.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace vorn
