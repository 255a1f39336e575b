// The data folder is found beside the program or in the installed layout.
#include <QDir>
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
};

QTEST_MAIN(DataFolderTest)
#include "datafolder_test.moc"
