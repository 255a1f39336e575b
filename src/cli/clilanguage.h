// vorn-cli's language: the locale's, chosen as the program chooses it.
#pragma once

namespace vorn {

// Loads the translations that lie beside vorn-cli (or in its share folder)
// for the locale's language, so that verdicts and summaries come in it.
void ApplyLocaleLanguage();

}  // namespace vorn
