// The help file, the theory pages and the ready tasks are taken from their
// English folder only when the program speaks English and the folder has them.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "languagefolder.h"

using namespace vorn;

class LanguageFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString help_;  // help/ with help.hlp and n1.rtf, help/en/ with help.hlp only

private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        const QDir dir(root_.path());
        QVERIFY(dir.mkpath(QStringLiteral("help/en")));
        QVERIFY(dir.mkpath(QStringLiteral("tasks")));
        help_ = dir.filePath(QStringLiteral("help"));
        for (const char* file : {"help.hlp", "n1.rtf", "en/help.hlp"}) {
            QFile made(help_ + QLatin1Char('/') + QLatin1String(file));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
    }

    void choosesByLanguageAndWhatIsThere_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("expected");  // relative to the temporary root
        QTest::newRow("english, translated") << "help" << "help.hlp" << QLocale::English << "help/en/help.hlp";
        QTest::newRow("english, no translation") << "help" << "n1.rtf" << QLocale::English << "help/n1.rtf";
        QTest::newRow("english, neither there") << "help" << "n9.rtf" << QLocale::English << "help/n9.rtf";
        QTest::newRow("russian") << "help" << "help.hlp" << QLocale::Russian << "help/help.hlp";
        QTest::newRow("C locale") << "help" << "help.hlp" << QLocale::C << "help/help.hlp";
        QTest::newRow("german") << "help" << "help.hlp" << QLocale::German << "help/help.hlp";
        QTest::newRow("english folder") << "help" << "" << QLocale::English << "help/en";
        QTest::newRow("english, folder without en") << "tasks" << "" << QLocale::English << "tasks";
        QTest::newRow("russian folder") << "help" << "" << QLocale::Russian << "help";
    }

    void choosesByLanguageAndWhatIsThere() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QLocale::Language, language);
        QFETCH(QString, expected);
        const QDir dir(root_.path());
        QCOMPARE(LanguagePath(dir.filePath(folder), name, language), dir.filePath(expected));
    }

    // Without a language given, the default locale the start-up sets decides.
    void followsTheDefaultLocale() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString english = LanguagePath(help_, QStringLiteral("help.hlp"));
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const QString russian = LanguagePath(help_, QStringLiteral("help.hlp"));
        QLocale::setDefault(before);
        QCOMPARE(english, help_ + QStringLiteral("/en/help.hlp"));
        QCOMPARE(russian, help_ + QStringLiteral("/help.hlp"));
    }
};

QTEST_MAIN(LanguageFolderTest)
#include "languagefolder_test.moc"
