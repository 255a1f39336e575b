#include "uilanguage.h"

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "translate.h"

namespace vorn {

namespace {

// The program's compiled translations, "<name>_en.qm".
constexpr const char* kTranslationNames[] = {"vorn", "vorn-core"};

// Loaded translators live as long as the program: the application and the
// model's translating function ask them until the end.
std::vector<std::unique_ptr<QTranslator>>& Loaded() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

}  // namespace

QString LanguageChoiceText(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::Russian: return QStringLiteral("ru");
    case LanguageChoice::English: return QStringLiteral("en");
    case LanguageChoice::System: break;
    }
    return QStringLiteral("system");
}

LanguageChoice ParseLanguageChoice(const std::optional<QString>& stored) {
    const QString word = stored ? stored->trimmed() : QString();
    if (word == QLatin1String("ru")) return LanguageChoice::Russian;
    if (word == QLatin1String("en")) return LanguageChoice::English;
    return LanguageChoice::System;
}

QStringList SystemLanguages() {
    const QLocale system = QLocale::system();
    // As with gettext, the C locale asks for the untranslated texts even when
    // LANGUAGE names languages.
    if (system.language() == QLocale::C) return {};
    return system.uiLanguages();
}

QLocale::Language ChooseLanguage(LanguageChoice choice, const QStringList& systemLanguages) {
    if (choice == LanguageChoice::English) return QLocale::English;
    if (choice == LanguageChoice::Russian) return QLocale::Russian;
    for (const QString& language : systemLanguages) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("en")) return QLocale::English;
        if (code == QLatin1String("ru")) return QLocale::Russian;
    }
    return QLocale::Russian;
}

QString TranslationsFolder(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("translations"));
    const QString installed = QDir(programFolder).filePath(QStringLiteral("../share/vorn/translations"));
    if (!QFileInfo(beside).isDir() && QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
    return beside;
}

bool ApplyLanguage(QLocale::Language language, const QString& folder) {
    // An English locale of the user's own (en_GB) keeps its way of writing
    // numbers; otherwise the language's main country.
    const QLocale system = QLocale::system();
    const bool english = language == QLocale::English;
    QLocale::setDefault(system.language() == language
                            ? system
                            : QLocale(language, english ? QLocale::UnitedStates : QLocale::Russia));

    // A language applied before (in tests) gives way entirely.
    for (const auto& translator : Loaded())
        if (QCoreApplication::instance()) QCoreApplication::removeTranslator(translator.get());
    Loaded().clear();
    auto add = [](std::unique_ptr<QTranslator> translator) {
        if (QCoreApplication::instance()) QCoreApplication::installTranslator(translator.get());
        Loaded().push_back(std::move(translator));
    };
    bool complete = true;
    if (english) {
        for (const char* name : kTranslationNames) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(QString::fromLatin1(name) + QStringLiteral("_en"), folder)) add(std::move(translator));
            else complete = false;
        }
    } else {
        // Qt's own dialogs in Russian; in Qt's English where the Russian
        // texts are not installed.
        auto qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            add(std::move(qtTexts));
    }

    if (!english) {
        SetTranslateFunction({});
        return complete;
    }
    // The model's texts through the same translators, with or without an
    // application object (vorn-cli has none).
    SetTranslateFunction([](const char* context, const char* text) {
        for (const auto& translator : Loaded()) {
            const QString translated = translator->translate(context, text);
            if (!translated.isEmpty()) return translated.toStdString();
        }
        return std::string(text);
    });
    return complete;
}

}  // namespace vorn
