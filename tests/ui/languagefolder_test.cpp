// The help file, the theory pages and the ready tasks are taken from their
// English folder only when the program speaks English and the folder has them.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "languagefolder.h"
#include "masterform.h"

using namespace vorn;

class LanguageFolderTest : public QObject {
    Q_OBJECT

    QTemporaryDir root_;  // help/: help.hlp, n1.rtf, n2.rtf; help/en/: help.hlp, n2.rtf; tasks/

private slots:
    void initTestCase() {
        const QDir dir(root_.path());
        QVERIFY(dir.mkpath(QStringLiteral("help/en")) && dir.mkpath(QStringLiteral("tasks")));
        for (const char* file : {"help.hlp", "n1.rtf", "n2.rtf", "en/help.hlp", "en/n2.rtf"}) {
            QFile made(dir.filePath(QStringLiteral("help/") + QLatin1String(file)));
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
        QTest::newRow("russian") << "help" << "help.hlp" << QLocale::Russian << "help/help.hlp";
        QTest::newRow("C locale") << "help" << "help.hlp" << QLocale::C << "help/help.hlp";
        QTest::newRow("english folder") << "help" << "" << QLocale::English << "help/en";
        QTest::newRow("english, folder without en") << "tasks" << "" << QLocale::English << "tasks";
    }

    void choosesByLanguageAndWhatIsThere() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QLocale::Language, language);
        QFETCH(QString, expected);
        const QDir dir(root_.path());
        QCOMPARE(LanguagePath(dir.filePath(folder), name, language), dir.filePath(expected));
    }

    // Without a language given, the default locale the start-up sets decides;
    // the wizard asks for its pages that way.
    void wizardPagesFollowTheDefaultLocale() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        const QString translated = WizardPageFile(root_.path(), 2), untranslated = WizardPageFile(root_.path(), 1);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const QString russian = WizardPageFile(root_.path(), 2);
        QLocale::setDefault(before);
        const QDir dir(root_.path());
        QCOMPARE(translated, dir.filePath(QStringLiteral("help/en/n2.rtf")));
        QCOMPARE(untranslated, dir.filePath(QStringLiteral("help/n1.rtf")));
        QCOMPARE(russian, dir.filePath(QStringLiteral("help/n2.rtf")));
    }
};

QTEST_MAIN(LanguageFolderTest)
#include "languagefolder_test.moc"
