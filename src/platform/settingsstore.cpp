#include "settingsstore.h"

#include <array>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include "colortext.h"

namespace vorn {

namespace {

const QString kProgramGroup = QStringLiteral("SOFTWARE/vorn");
const QString kOptionsGroup = QStringLiteral("SOFTWARE/vorn/options");
const QString kAppPathGroup = QStringLiteral("AppPath");
// The group's unnamed value gets a name, since INI keys cannot be empty.
const QString kDefaultKey = QStringLiteral("Default");
const QString kPathKey = QStringLiteral("Path");
const QString kLastFolderKey = QStringLiteral("LastFolder");

struct OptionField {
    const char* key;
    std::optional<QString> StoredSettings::*member;
};

constexpr std::array<OptionField, 13> kOptionFields = {{
    {"writeuname", &StoredSettings::writeuname},
    {"ShowMaster", &StoredSettings::ShowMaster},
    {"co", &StoredSettings::co},
    {"bc", &StoredSettings::bc},
    {"gc", &StoredSettings::gc},
    {"tbp", &StoredSettings::tbp},
    {"km", &StoredSettings::km},
    {"kmiddles", &StoredSettings::kmiddles},
    {"UndoSteps", &StoredSettings::UndoSteps},
    {"RecoverySeconds", &StoredSettings::RecoverySeconds},
    {"LampColour", &StoredSettings::LampColour},
    {"LampFill", &StoredSettings::LampFill},
    {"ThickOnes", &StoredSettings::ThickOnes},
}};
constexpr int kRecentFileKeys = 8;

QString RecentFileKey(int number) {
    return kOptionsGroup + QStringLiteral("/RecentFile") + QString::number(number);
}

// Only an existing, readable regular file is read: QSettings treats a missing
// file as an empty one, which the caller must be able to tell apart.
bool CanRead(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// A value as a plain string; anything else the INI reader can produce from a
// hand-edited file (a list from "a, b", a byte array, a packed variant) is
// treated as absent rather than guessed at.
std::optional<QString> PlainString(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Flushes and reports whether the file now holds what was set. QSettings
// keeps only the first fault it meets, and whether a damaged file shows as a
// format fault at all depends on whether this process has parsed it before.
// So after a format fault compare bytes instead: a written file is QSettings'
// own output, which cannot equal the damaged text it replaced.
bool Flush(QSettings& settings, const QByteArray& bytesBefore) {
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError: return true;
    case QSettings::AccessError: return false;
    case QSettings::FormatError: return FileBytes(settings.fileName()) != bytesBefore;
    }
    return false;
}

}  // namespace

bool StoredFlag(const std::optional<QString>& text, bool fallback) {
    if (text && *text == QLatin1String("1")) return true;
    if (text && *text == QLatin1String("0")) return false;
    return fallback;
}

std::optional<QColor> StoredColour(const std::optional<QString>& text) {
    if (!text) return std::nullopt;
    const std::optional<std::uint32_t> value = ColorFromText(text->toStdString());
    if (!value) return std::nullopt;
    return QColor(RedOf(*value), GreenOf(*value), BlueOf(*value));
}

SettingsStore::SettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString SettingsStore::DefaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vorn/vorn.ini");
}

bool SettingsStore::ReadOptions(StoredSettings& out) const {
    if (!CanRead(filePath_)) return false;
    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) return false;
    settings.beginGroup(kOptionsGroup);
    StoredSettings read;
    for (const OptionField& field : kOptionFields)
        read.*field.member = PlainString(settings, QString::fromLatin1(field.key));
    out = std::move(read);
    return true;
}

bool SettingsStore::WriteAll(const QString& programTitle, const QString& about, const QString& programFolder,
                             const StoredSettings& values) {
    const QByteArray bytesBefore = FileBytes(filePath_);
    QSettings settings(filePath_, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    settings.beginGroup(kProgramGroup);
    settings.setValue(kDefaultKey, programTitle);
    settings.setValue(QStringLiteral("About"), about);
    settings.setValue(kPathKey, programFolder);
    settings.endGroup();
    settings.beginGroup(kOptionsGroup);
    for (const OptionField& field : kOptionFields)
        if (const auto& value = values.*field.member) settings.setValue(QString::fromLatin1(field.key), *value);
    settings.endGroup();
    return Flush(settings, bytesBefore);
}

QString SettingsStore::ReadLastFolder() const {
    if (!CanRead(filePath_)) return {};
    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) return {};
    return PlainString(settings, kOptionsGroup + QLatin1Char('/') + kLastFolderKey).value_or(QString());
}

bool SettingsStore::WriteLastFolder(const QString& folder) {
    const QByteArray bytesBefore = FileBytes(filePath_);
    QSettings settings(filePath_, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    settings.setValue(kOptionsGroup + QLatin1Char('/') + kLastFolderKey, folder);
    return Flush(settings, bytesBefore);
}

QStringList SettingsStore::ReadRecentFiles() const {
    if (!CanRead(filePath_)) return {};
    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) return {};
    QStringList files;
    for (int number = 1; number <= kRecentFileKeys; ++number)
        if (const auto name = PlainString(settings, RecentFileKey(number))) files.append(*name);
    return files;
}

bool SettingsStore::WriteRecentFiles(const QStringList& files) {
    const QByteArray bytesBefore = FileBytes(filePath_);
    QSettings settings(filePath_, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    for (int number = 1; number <= kRecentFileKeys; ++number) {
        if (number <= files.size())
            settings.setValue(RecentFileKey(number), files.at(number - 1));
        else
            settings.remove(RecentFileKey(number));
    }
    return Flush(settings, bytesBefore);
}

std::optional<QString> SettingsStore::ReadOption(const QString& key) const {
    if (!CanRead(filePath_)) return std::nullopt;
    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) return std::nullopt;
    return PlainString(settings, kOptionsGroup + QLatin1Char('/') + key);
}

bool SettingsStore::WriteOption(const QString& key, const QString& value) {
    const QByteArray bytesBefore = FileBytes(filePath_);
    QSettings settings(filePath_, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    settings.setValue(kOptionsGroup + QLatin1Char('/') + key, value);
    return Flush(settings, bytesBefore);
}

QString SettingsStore::ReadApplicationPath() const {
    if (!CanRead(filePath_)) return {};
    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError) return {};
    return PlainString(settings, kAppPathGroup + QLatin1Char('/') + kDefaultKey).value_or(QString());
}

bool SettingsStore::WriteApplicationPath(const QString& executable, const QString& folder) {
    const QByteArray bytesBefore = FileBytes(filePath_);
    QSettings settings(filePath_, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    settings.beginGroup(kAppPathGroup);
    settings.setValue(kDefaultKey, executable);
    settings.setValue(kPathKey, folder);
    settings.endGroup();
    return Flush(settings, bytesBefore);
}

}  // namespace vorn
