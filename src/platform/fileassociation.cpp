#include "fileassociation.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "settingsstore.h"

// The icons are compiled into this static library; their registration code
// is only linked in when something refers to it. Outside any namespace, as
// the macro requires.
static void LoadFileIcons() {
    Q_INIT_RESOURCE(vorn_icons);
}

namespace vorn {

namespace {

constexpr int kToolTimeoutMs = 5000;
const QString kDesktopFileName = QStringLiteral("vorn.desktop");

int ClampIcon(int iconNumber) {
    return std::clamp(iconNumber, 0, kFileIconCount - 1);
}

// The theme's name for a MIME type's generic icon: the slash becomes a dash.
QString MimeIconName() {
    return QString(kCircuitMimeType).replace(QLatin1Char('/'), QLatin1Char('-'));
}

// Writes the whole file or nothing: QSaveFile writes a temporary file beside
// the target and renames it over the target only when every byte is written.
bool WriteWhole(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray ResourceBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a desktop tool if it is installed, without waiting longer than the
// time limit; its output is dropped and its result does not matter, since
// the files it indexes are already in place.
void RunToolIfPresent(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(kToolTimeoutMs)) return;
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

QByteArray MimePackage(const QString& extension, const QString& iconName) {
    QString xml;
    xml += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    xml += QStringLiteral("<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n");
    xml += QStringLiteral("  <mime-type type=\"%1\">\n").arg(kCircuitMimeType);
    xml += QStringLiteral("    <comment>Схема Vorn</comment>\n");
    xml += QStringLiteral("    <comment xml:lang=\"en\">Vorn circuit</comment>\n");
    xml += QStringLiteral("    <sub-class-of type=\"text/plain\"/>\n");
    xml += QStringLiteral("    <icon name=\"%1\"/>\n").arg(iconName.toHtmlEscaped());
    xml += QStringLiteral("    <glob pattern=\"*.%1\"/>\n").arg(extension.toHtmlEscaped());
    xml += QStringLiteral("  </mime-type>\n");
    xml += QStringLiteral("</mime-info>\n");
    return xml.toUtf8();
}

QByteArray DesktopEntry(const QString& executablePath, const QString& iconName) {
    QString entry;
    entry += QStringLiteral("[Desktop Entry]\n");
    entry += QStringLiteral("Type=Application\n");
    entry += QStringLiteral("Name=Vorn\n");
    entry += QStringLiteral("Comment=Learning digital logic with circuits of gates\n");
    entry += QStringLiteral("Comment[ru]=Изучение цифровой логики на схемах из вентилей\n");
    entry += QStringLiteral("Exec=%1 %f\n").arg(DesktopExecQuote(executablePath));
    entry += QStringLiteral("MimeType=%1;\n").arg(kCircuitMimeType);
    entry += QStringLiteral("Icon=%1\n").arg(iconName);
    entry += QStringLiteral("Terminal=false\n");
    entry += QStringLiteral("Categories=Education;Science;\n");
    return entry.toUtf8();
}

}  // namespace

QString FileIconName(int iconNumber) {
    return QStringLiteral("vorn-circuit-%1").arg(ClampIcon(iconNumber));
}

QString FileIconResource(int iconNumber) {
    static const bool loaded = (LoadFileIcons(), true);
    (void)loaded;
    return QStringLiteral(":/vorn/icons/%1.svg").arg(FileIconName(iconNumber));
}

QString DesktopExecQuote(const QString& path) {
    // The launcher splits Exec on spaces and gives these characters a
    // meaning of their own, so an argument holding any of them is quoted.
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = path.isEmpty() || std::any_of(path.begin(), path.end(), [](QChar c) {
                           return kReserved.contains(c);
                       });
    QString argument;
    if (quote) argument += QLatin1Char('"');
    for (const QChar c : path) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) argument += QLatin1Char('\\');
        argument += c;
        if (c == u'%') argument += QLatin1Char('%');  // % starts a field code such as %f
    }
    if (quote) argument += QLatin1Char('"');

    // The whole value is then a desktop entry string, read with its own
    // escapes before the launcher sees the quoting above.
    QString escaped;
    for (const QChar c : argument) {
        switch (c.unicode()) {
        case u'\\': escaped += QStringLiteral("\\\\"); break;
        case u'\n': escaped += QStringLiteral("\\n"); break;
        case u'\t': escaped += QStringLiteral("\\t"); break;
        case u'\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

DesktopFiles WriteDesktopFiles(const QString& dataFolder, const QString& extension, const QString& executable,
                               int iconNumber) {
    DesktopFiles files;
    const QString iconName = FileIconName(iconNumber);
    const auto write = [&](const QString& path, const QByteArray& bytes) {
        const bool ok = !bytes.isEmpty() && WriteWhole(path, bytes);
        if (ok) files.written << path;
        files.complete = files.complete && ok;
        return ok;
    };

    // Icons first, so the MIME type and the launcher never name an icon the
    // theme does not have yet.
    const QString iconFolder = dataFolder + QStringLiteral("/icons/hicolor/scalable/mimetypes/");
    for (int number = 0; number < kFileIconCount; ++number) {
        const QByteArray svg = ResourceBytes(FileIconResource(number));
        files.icons |= write(iconFolder + FileIconName(number) + QStringLiteral(".svg"), svg);
        // The MIME type's generic icon name, for desktops that look the
        // icon up by type rather than by the name the type gives.
        if (number == ClampIcon(iconNumber))
            files.icons |= write(iconFolder + MimeIconName() + QStringLiteral(".svg"), svg);
    }
    files.mime = write(dataFolder + QStringLiteral("/mime/packages/vorn-%1.xml").arg(extension),
                       MimePackage(extension, iconName));
    files.entry = write(dataFolder + QStringLiteral("/applications/") + kDesktopFileName,
                        DesktopEntry(executable, iconName));
    return files;
}

bool RegisterFileAssociation(const QString& extension, const QString& executablePath, int iconNumber,
                             bool force, SettingsStore& store, QStringList* writtenFiles) {
    if (!force && store.ReadApplicationPath() == executablePath) return false;

    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return false;
    const DesktopFiles files = WriteDesktopFiles(data, extension, executablePath, iconNumber);

    // GTK reads only the cache once a theme folder has one, so a cache that
    // is there must be brought up to date; none is made where there was none,
    // since it would hide icons that others later install without one.
    const QString hicolor = data + QStringLiteral("/icons/hicolor");
    if (files.icons && QFileInfo::exists(hicolor + QStringLiteral("/icon-theme.cache")))
        RunToolIfPresent(QStringLiteral("gtk-update-icon-cache"),
                         {QStringLiteral("--force"), QStringLiteral("--ignore-theme-index"),
                          QStringLiteral("--quiet"), hicolor});
    if (files.mime) RunToolIfPresent(QStringLiteral("update-mime-database"), {data + QStringLiteral("/mime")});
    if (files.entry) {
        RunToolIfPresent(QStringLiteral("update-desktop-database"), {data + QStringLiteral("/applications")});
        RunToolIfPresent(QStringLiteral("xdg-mime"), {QStringLiteral("default"), kDesktopFileName, kCircuitMimeType});
    }

    if (files.complete) store.WriteApplicationPath(executablePath, QFileInfo(executablePath).absolutePath());
    if (writtenFiles) *writtenFiles = files.written;
    return !files.written.isEmpty();
}

}  // namespace vorn
