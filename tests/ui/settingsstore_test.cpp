// The settings file: values written and read back unchanged, absent values,
// missing, unwritable and damaged files.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "settingsstore.h"

using namespace vorn;

static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void WrittenValuesReadBackAndAbsentOnesStayAbsent() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("sub/vorn.ini"));  // the folder is made on writing
        StoredSettings values, read, next;
        values.co = QStringLiteral("$00FFBC20");
        values.bc = QStringLiteral(" a, b; c=d \"e\" @ByteArray(x) ");  // what INI syntax could mangle
        values.tbp = QStringLiteral("Путь\\к\\файлу");
        values.km = QString();
        read.gc = QStringLiteral("stale");
        QVERIFY(store.WriteAll("Vorn", "about", "/opt/vorn", values));
        QVERIFY(store.ReadOptions(read));
        QCOMPARE(read, values);

        next.gc = QStringLiteral("clRed");  // the others absent: the file keeps its values
        QVERIFY(store.WriteAll("Vorn 2", "", "/usr", next));
        QVERIFY(store.WriteApplicationPath("/opt/vorn/vorn", "/opt/vorn"));
        QCOMPARE(store.ReadApplicationPath(), QStringLiteral("/opt/vorn/vorn"));
        QCOMPARE(store.ReadLastFolder(), QString());
        QVERIFY(store.WriteLastFolder(QStringLiteral("/home/u/Мои схемы")));
        QVERIFY(store.WriteAll("Vorn 2", "", "/usr", next));  // and the other values leave it alone
        QCOMPARE(store.ReadLastFolder(), QStringLiteral("/home/u/Мои схемы"));
        const QSettings raw(store.FilePath(), QSettings::IniFormat);
        QStringList stored;
        for (const char* key : {"SOFTWARE/vorn/Default", "SOFTWARE/vorn/Path", "SOFTWARE/vorn/options/gc",
                                "SOFTWARE/vorn/options/co", "AppPath/Path", "SOFTWARE/vorn/options/LastFolder"})
            stored << raw.value(key).toString();
        QCOMPARE(stored, (QStringList{"Vorn 2", "/usr", "clRed", "$00FFBC20", "/opt/vorn", "/home/u/Мои схемы"}));
    }

    void MissingFileReadsFalseAndChangesNothing() {
        QTemporaryDir dir;
        StoredSettings read;
        read.co = QStringLiteral("kept");
        QVERIFY(!SettingsStore(dir.filePath("none.ini")).ReadOptions(read));
        QCOMPARE(read.co, QStringLiteral("kept"));
        QCOMPARE(SettingsStore(dir.filePath("none.ini")).ReadApplicationPath(), QString());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void UnwritablePlacesGiveFalseAndCreateNothing() {
        QTemporaryDir dir;
        WriteFile(dir.filePath("plain"), "x");
        // Under a regular file no folder can be made, whoever runs the test.
        QVERIFY(!SettingsStore(dir.filePath("plain/vorn/vorn.ini")).WriteAll("Vorn", "", "", {}));
        QVERIFY(!SettingsStore(dir.filePath("plain/vorn.ini")).WriteApplicationPath("/a", "/"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain"});

        if (geteuid() == 0) QSKIP("root ignores folder permissions");
        const QString locked = dir.filePath("locked");
        QVERIFY(QDir().mkdir(locked));
        WriteFile(locked + "/damaged.ini", "[A\n");  // its parse fault must not hide the failed write
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);  // 0500
        const bool written = SettingsStore(locked + "/vorn.ini").WriteAll("Vorn", "", "", {});
        const bool damagedWritten = SettingsStore(locked + "/damaged.ini").WriteAll("Vorn", "", "", {});
        const QStringList entries = QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QVERIFY(!damagedWritten);
        QCOMPARE(entries, QStringList{"damaged.ini"});
    }

    void DamagedFilesDoNotCrashAndGiveAbsentValues() {
        QTemporaryDir dir;
        const QString path = dir.filePath("vorn.ini");
        StoredSettings read;
        WriteFile(path, "[SOFTWARE]\nvorn\\options\\co=1, 2\nvorn\\options\\bc=@ByteArray(abc)\n"
                        "vorn\\options\\gc=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5junk)\nvorn\\options\\km=@Rect(1 2 3 4)\n"
                        "vorn\\options\\tbp=ok\n");
        QVERIFY(SettingsStore(path).ReadOptions(read));
        QVERIFY(!read.co && !read.bc && !read.gc && !read.km);
        QCOMPARE(read.tbp, QStringLiteral("ok"));

        // A parse fault shows only at the first parse in a process; the
        // outcome must not depend on it.
        WriteFile(path, "[SOFTWARE\n=x\n\x01[\n[SOFTWARE]\nvorn\\options\\co=kept\n");
        StoredSettings first, second, values;
        QVERIFY(SettingsStore(path).ReadOptions(first) && SettingsStore(path).ReadOptions(second));
        QCOMPARE(first.co, QStringLiteral("kept"));
        QCOMPARE(second, first);
        values.km = QStringLiteral("2");
        QVERIFY(SettingsStore(path).WriteAll("Vorn", "", "", values));
        QVERIFY(SettingsStore(path).ReadOptions(read));
        QCOMPARE(read.co, first.co);
        QCOMPARE(read.km, values.km);
    }

    void DefaultFileFollowsTheConfigFolder() {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QCOMPARE(SettingsStore::DefaultFilePath(), dir.filePath("vorn/vorn.ini"));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settingsstore_test.moc"
