// The language the program speaks: Russian, the language of its source
// texts, or English. Chosen once at start from the setting "Язык интерфейса"
// or, when that says "system", from the user's locale; made known to all
// code through Qt's default locale, Qt's installed translators and the
// model's translating function. vorn-cli follows the locale the same way.
#pragma once

#include <optional>

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vorn {

// The setting: follow the system, or always speak one language.
enum class LanguageChoice { System, Russian, English };

// The setting's key in the options group of the settings file.
inline constexpr char kLanguageKey[] = "Language";

// The stored word ("system", "ru", "en") and back; a missing or unknown
// word is System.
QString LanguageChoiceText(LanguageChoice choice);
LanguageChoice ParseLanguageChoice(const std::optional<QString>& stored);

// The system's languages in the order the user prefers them, as Qt reads
// them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG ("en-US", "ru", ...);
// empty for the C and POSIX locales, which ask for no language.
QStringList SystemLanguages();

// English or Russian. For System the first of the system's languages that
// has a translation decides; with none (German, C) the program stays Russian.
QLocale::Language ChooseLanguage(LanguageChoice choice, const QStringList& systemLanguages);

// Where the compiled translations lie for a program in programFolder: its
// translations folder, else ../share/vorn/translations of an installed
// program; the first when neither exists.
QString TranslationsFolder(const QString& programFolder);

// Makes the language the program's: the default locale (numbers such as the
// test's mark follow it), the program's translations from folder and Qt's
// own (installed into the application when there is one), and the model's
// translating function. For Russian only Qt's own texts are loaded. At
// start, before any window or text is made; a second call replaces what the
// first loaded. False when a translation file of the program was missing:
// its texts stay Russian.
bool ApplyLanguage(QLocale::Language language, const QString& folder);

}  // namespace vorn
