// Registering circuit files with the desktop: the Exec quoting, the files
// written on first registration, when they are and are not written again,
// and data folders that cannot be written wholly or in part.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "fileassociation.h"
#include "settingsstore.h"

using namespace vorn;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reads an Exec value back the way a launcher does: first the desktop entry
// string escapes, then the argument quoting, then %% as a literal %.
QStringList ParseExec(const QString& value) {
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size()) {
            const QChar next = value[++i];
            unescaped += next == u'n' ? QChar(u'\n') : next == u't' ? QChar(u'\t') : next == u'r' ? QChar(u'\r')
                         : next == u's' ? QChar(u' ') : next;
        } else {
            unescaped += value[i];
        }
    }
    QStringList arguments;
    QString current;
    bool inQuotes = false, started = false;
    for (int i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (inQuotes) {
            if (c == u'\\' && i + 1 < unescaped.size()) current += unescaped[++i];
            else if (c == u'"') inQuotes = false;
            else current += c;
        } else if (c == u' ') {
            if (started) arguments << current;
            current.clear();
            started = false;
        } else if (c == u'"') {
            inQuotes = started = true;
        } else {
            current += c;
            started = true;
        }
    }
    if (started) arguments << current;
    for (QString& argument : arguments) argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

// The key=value lines of a desktop entry's main group.
QMap<QString, QString> DesktopKeys(const QString& path) {
    QMap<QString, QString> keys;
    const QStringList lines = QString::fromUtf8(ReadBytes(path)).split(QLatin1Char('\n'));
    if (lines.value(0) != QStringLiteral("[Desktop Entry]")) return keys;
    for (const QString& line : lines.mid(1)) {
        if (line.startsWith(QLatin1Char('['))) break;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0) keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

struct MimeFacts {
    QString type, glob, parent, icon;
    QStringList comments;
};

MimeFacts ReadMime(const QString& path) {
    MimeFacts facts;
    QXmlStreamReader xml(ReadBytes(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        const auto attributes = xml.attributes();
        if (name == u"mime-type") facts.type = attributes.value("type").toString();
        else if (name == u"glob") facts.glob = attributes.value("pattern").toString();
        else if (name == u"sub-class-of") facts.parent = attributes.value("type").toString();
        else if (name == u"icon") facts.icon = attributes.value("name").toString();
        else if (name == u"comment") facts.comments << xml.readElementText();
    }
    if (xml.hasError()) return {};
    return facts;
}

// A data folder and a settings file of their own for each test, so nothing
// is written to the user's real folders (xdg-mime writes to the config one).
struct Home {
    QTemporaryDir root;
    QString data = root.filePath(QStringLiteral("data"));
    SettingsStore store{root.filePath(QStringLiteral("config/vorn.ini"))};
    Home() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    }
    QString Desktop() const { return data + QStringLiteral("/applications/vorn.desktop"); }
    QString Mime() const { return data + QStringLiteral("/mime/packages/vorn-vfl.xml"); }
    QString Icon(const QString& name) const {
        return data + QStringLiteral("/icons/hicolor/scalable/mimetypes/") + name + QStringLiteral(".svg");
    }
    QString StoredFolder() const {
        return QSettings(store.FilePath(), QSettings::IniFormat).value(QStringLiteral("AppPath/Path")).toString();
    }
};

const QString kSpacedPath = QStringLiteral("/opt/Vorn Apps/bin$1/vorn");

}  // namespace

class FileAssociationTest : public QObject {
    Q_OBJECT

private slots:
    void ExecQuotingFollowsTheDesktopEntryRules() {
        // Plain paths stay as they are; a literal % is doubled even unquoted.
        QCOMPARE(DesktopExecQuote("/usr/bin/vorn"), QStringLiteral("/usr/bin/vorn"));
        QCOMPARE(DesktopExecQuote("/opt/100%/vorn"), QStringLiteral("/opt/100%%/vorn"));
        // Reserved characters force quotes; only " ` $ \ are escaped inside.
        QCOMPARE(DesktopExecQuote("/opt/my apps/vorn"), QStringLiteral("\"/opt/my apps/vorn\""));
        QCOMPARE(DesktopExecQuote("/opt/it's(1)"), QStringLiteral("\"/opt/it's(1)\""));
        // The quoting backslash is itself doubled by the string escaping.
        QCOMPARE(DesktopExecQuote("/opt/a$b"), QStringLiteral("\"/opt/a\\\\$b\""));
        QCOMPARE(DesktopExecQuote("/opt/a\"b`c"), QStringLiteral("\"/opt/a\\\\\"b\\\\`c\""));
        QCOMPARE(DesktopExecQuote("/opt/a\\b"), QStringLiteral("\"/opt/a\\\\\\\\b\""));
        QCOMPARE(DesktopExecQuote("/opt/a\nb"), QStringLiteral("\"/opt/a\\nb\""));

        // Whatever the path, a launcher reads back exactly the path and %f.
        const QStringList paths{"/usr/bin/vorn", "/opt/Vorn Apps/bin$1/vorn", "/a/\"q\"/`x`/$HOME/\\n/",
                                "/t\tab/new\nline/%f/100%%", "/x;y|z&w<v>u~t*s?r#q", "/Программы/Ворн", "/a\\"};
        for (const QString& path : paths)
            QCOMPARE(ParseExec(DesktopExecQuote(path) + QStringLiteral(" %f")), (QStringList{path, "%f"}));
    }

    void FirstRegistrationWritesTypeIconsAndLauncher() {
        Home home;
        QStringList written;
        QVERIFY(RegisterFileAssociation("vfl", kSpacedPath, 2, false, home.store, &written));

        const MimeFacts mime = ReadMime(home.Mime());
        QCOMPARE(mime.type, kCircuitMimeType);
        QCOMPARE(mime.glob, QStringLiteral("*.vfl"));
        QCOMPARE(mime.parent, QStringLiteral("text/plain"));
        QCOMPARE(mime.icon, QStringLiteral("vorn-circuit-2"));
        QVERIFY(mime.comments.contains(QStringLiteral("Схема Vorn")));
        QVERIFY(mime.comments.contains(QStringLiteral("Vorn circuit")));

        const auto keys = DesktopKeys(home.Desktop());
        QCOMPARE(keys.value("Type"), QStringLiteral("Application"));
        QCOMPARE(keys.value("Name"), QStringLiteral("Vorn"));
        QVERIFY(!keys.value("Comment").isEmpty());
        QCOMPARE(ParseExec(keys.value("Exec")), (QStringList{kSpacedPath, "%f"}));
        QCOMPARE(keys.value("MimeType"), kCircuitMimeType + QLatin1Char(';'));
        QCOMPARE(keys.value("Icon"), QStringLiteral("vorn-circuit-2"));
        QCOMPARE(keys.value("Terminal"), QStringLiteral("false"));
        QCOMPARE(keys.value("Categories"), QStringLiteral("Education;Science;"));

        // Four distinct pictures, and the chosen one under the type's name.
        QSet<QByteArray> pictures;
        for (int number = 0; number < kFileIconCount; ++number) {
            const QByteArray svg = ReadBytes(home.Icon(QStringLiteral("vorn-circuit-%1").arg(number)));
            QXmlStreamReader xml(svg);
            QVERIFY(xml.readNextStartElement());
            QCOMPARE(xml.name(), u"svg");
            pictures.insert(svg);
        }
        QCOMPARE(pictures.size(), kFileIconCount);
        QCOMPARE(ReadBytes(home.Icon("application-x-vorn-circuit")), ReadBytes(home.Icon("vorn-circuit-2")));

        QCOMPARE(written.size(), 7);
        for (const QString& path : written) QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(home.store.ReadApplicationPath(), kSpacedPath);
        QCOMPARE(home.StoredFolder(), QStringLiteral("/opt/Vorn Apps/bin$1"));
        // No temporary file of the atomic writes is left behind.
        QCOMPARE(QDir(home.data + "/applications").entryList({"vorn.desktop*"}, QDir::Files | QDir::Hidden),
                 QStringList{"vorn.desktop"});
    }

    void RegistrationIsRepeatedOnlyWhenMovedOrForced() {
        Home home;
        QVERIFY(RegisterFileAssociation("vfl", kSpacedPath, 0, false, home.store));

        // Same path, not forced: nothing is written, a deleted file stays gone.
        QVERIFY(QFile::remove(home.Desktop()));
        QVERIFY(QFile::remove(home.Icon("vorn-circuit-1")));
        QStringList written{"stale"};
        QVERIFY(!RegisterFileAssociation("vfl", kSpacedPath, 0, false, home.store, &written));
        QVERIFY(written.contains("stale"));  // untouched when nothing was attempted
        QVERIFY(!QFile::exists(home.Desktop()));
        QVERIFY(!QFile::exists(home.Icon("vorn-circuit-1")));

        // The program moved: everything is written again for the new path.
        const QString moved = QStringLiteral("/home/user/vorn-new/vorn");
        QVERIFY(RegisterFileAssociation("vfl", moved, 1, false, home.store));
        QCOMPARE(ParseExec(DesktopKeys(home.Desktop()).value("Exec")), (QStringList{moved, "%f"}));
        QVERIFY(QFile::exists(home.Icon("vorn-circuit-1")));
        QCOMPARE(home.store.ReadApplicationPath(), moved);
        QCOMPARE(home.StoredFolder(), QStringLiteral("/home/user/vorn-new"));

        // Forced at the same path: written again, with an out-of-range icon
        // number taken as the nearest one there is.
        QVERIFY(QFile::remove(home.Desktop()));
        QVERIFY(RegisterFileAssociation("vfl", moved, 9, true, home.store));
        QCOMPARE(DesktopKeys(home.Desktop()).value("Icon"), QStringLiteral("vorn-circuit-3"));
        QCOMPARE(ReadMime(home.Mime()).icon, QStringLiteral("vorn-circuit-3"));
        QCOMPARE(ReadBytes(home.Icon("application-x-vorn-circuit")), ReadBytes(home.Icon("vorn-circuit-3")));
        QVERIFY(RegisterFileAssociation("vfl", moved, -4, true, home.store));
        QCOMPARE(DesktopKeys(home.Desktop()).value("Icon"), QStringLiteral("vorn-circuit-0"));
    }

    void DataFolderThatIsAFileWritesNothingAndRecordsNothing() {
        Home home;
        QFile blocker(home.data);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();

        QStringList written{"stale"};
        QVERIFY(!RegisterFileAssociation("vfl", kSpacedPath, 2, false, home.store, &written));
        QVERIFY(written.isEmpty());
        QCOMPARE(ReadBytes(home.data), QByteArray("not a folder"));
        // Not recorded, so the next start tries again.
        QCOMPARE(home.store.ReadApplicationPath(), QString());
    }

    void PartlyBlockedFolderWritesTheRestAndIsRetried() {
        Home home;
        QVERIFY(QDir().mkpath(home.data));
        QFile blocker(home.data + "/applications");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QStringList written;
        QVERIFY(RegisterFileAssociation("vfl", kSpacedPath, 1, false, home.store, &written));
        QCOMPARE(written.size(), 6);
        QVERIFY(written.contains(home.Mime()));
        QVERIFY(!written.contains(home.Desktop()));
        QCOMPARE(ReadMime(home.Mime()).glob, QStringLiteral("*.vfl"));
        QCOMPARE(home.store.ReadApplicationPath(), QString());

        // Once the way is clear, an ordinary start completes the registration.
        QVERIFY(QFile::remove(home.data + "/applications"));
        QVERIFY(RegisterFileAssociation("vfl", kSpacedPath, 1, false, home.store));
        QCOMPARE(DesktopKeys(home.Desktop()).value("Icon"), QStringLiteral("vorn-circuit-1"));
        QCOMPARE(home.store.ReadApplicationPath(), kSpacedPath);
    }
};

QTEST_GUILESS_MAIN(FileAssociationTest)
#include "fileassociation_test.moc"
