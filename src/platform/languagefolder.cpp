#include "languagefolder.h"

#include <QFileInfo>

namespace vorn {

namespace {

QString Join(const QString& folder, const QString& name) {
    return name.isEmpty() ? folder : folder + QLatin1Char('/') + name;
}

}  // namespace

QString LanguagePath(const QString& folder, const QString& name, QLocale::Language language) {
    if (language == QLocale::English) {
        const QString english = Join(folder + QStringLiteral("/en"), name);
        if (QFileInfo::exists(english)) return english;
    }
    return Join(folder, name);
}

QString LanguagePath(const QString& folder, const QString& name) {
    return LanguagePath(folder, name, QLocale().language());
}

}  // namespace vorn
