// The data folder is found beside the program or in the installed layout;
// the file dialogs start in their last folder or in the documents folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "datafolder.h"

using namespace vorn;

class DataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void besideTheProgramThenInstalledThenTheProgramFolder() {
        QTemporaryDir root;
        const QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("bin")));
        const QString bin = dir.filePath(QStringLiteral("bin"));
        // Neither layout: the program's own folder.
        QCOMPARE(ResolveDataFolder(bin), bin);
        // Installed: <prefix>/share/vorn/help.
        QVERIFY(dir.mkpath(QStringLiteral("share/vorn/help")));
        QCOMPARE(ResolveDataFolder(bin), dir.filePath(QStringLiteral("share/vorn")));
        // A help folder beside the program wins.
        QVERIFY(dir.mkpath(QStringLiteral("bin/help")));
        QCOMPARE(ResolveDataFolder(bin), bin);
    }

    void choosersStartInTheirLastFolderElseInTheDocumentsFolder() {
        QTemporaryDir home;
        const QDir dir(home.path());
        const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));  // no named user folders
        QVERIFY(dir.mkpath("circuits"));
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        const QString none = ResolveChooserFolder(QString());  // no documents folder: home
        QVERIFY(dir.mkpath("Documents"));
        const QString documents = dir.filePath("Documents");
        const std::pair<QString, QString> cases[] = {
            {QString(), documents},
            {dir.filePath("circuits"), dir.filePath("circuits")},
            {dir.filePath("gone"), documents},
            {dir.filePath("plain"), documents},
        };
        QStringList starts;
        for (const auto& [last, start] : cases) starts << ResolveChooserFolder(last);
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
        QCOMPARE(none, home.path());
        for (std::size_t i = 0; i < std::size(cases); ++i) QCOMPARE(starts[int(i)], cases[i].second);
    }
};

QTEST_MAIN(DataFolderTest)
#include "datafolder_test.moc"
