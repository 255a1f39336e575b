// The interface language: chosen from the setting and the system's
// languages, and the model's texts in English once English is applied.
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include <QCoreApplication>
#include <QLocale>
#include <QtTest>

#include "cellgrid.h"
#include "formulaparser.h"
#include "normalforms.h"
#include "quiz.h"
#include "savefailure.h"
#include "taskcheck.h"
#include "uilanguage.h"

using namespace vorn;

class UiLanguageTest : public QObject {
    Q_OBJECT

private slots:
    // System: the first language with a translation decides (LANGUAGE may
    // list several); none, or the C locale (an empty list), keeps Russian.
    // The setting overrides the system.
    void languageFollowsTheSettingThenTheSystem() {
        struct Row {
            LanguageChoice choice;
            QStringList system;
            QLocale::Language expected;
        };
        const Row rows[] = {
            {LanguageChoice::System, {"en-US", "en-Latn-US", "en"}, QLocale::English},  // en_US.UTF-8
            {LanguageChoice::System, {"en-GB", "en"}, QLocale::English},
            {LanguageChoice::System, {"ru-RU", "ru-Cyrl-RU", "ru"}, QLocale::Russian},  // ru_RU.UTF-8
            {LanguageChoice::System, {}, QLocale::Russian},                            // C, POSIX
            {LanguageChoice::System, {"de-DE", "de-Latn-DE", "de"}, QLocale::Russian},  // de_DE: no translation
            {LanguageChoice::System, {"de", "en", "en-US"}, QLocale::English},          // LANGUAGE=de:en
            {LanguageChoice::System, {"uk", "ru"}, QLocale::Russian},
            {LanguageChoice::System, {"EN_us"}, QLocale::English},
            {LanguageChoice::Russian, {"en-US", "en"}, QLocale::Russian},
            {LanguageChoice::English, {"ru-RU", "ru"}, QLocale::English},
            {LanguageChoice::English, {}, QLocale::English},
        };
        for (const Row& row : rows)
            QCOMPARE(ChooseLanguage(row.choice, row.system), row.expected);
    }

    void theStoredWordRoundTripsAndAnythingElseIsSystem() {
        for (LanguageChoice choice : {LanguageChoice::System, LanguageChoice::Russian, LanguageChoice::English})
            QCOMPARE(ParseLanguageChoice(LanguageChoiceText(choice)), choice);
        QCOMPARE(ParseLanguageChoice(QStringLiteral(" en ")), LanguageChoice::English);
        for (const std::optional<QString>& stored :
             {std::optional<QString>(), std::optional<QString>(""), std::optional<QString>("EN"),
              std::optional<QString>("de")})
            QCOMPARE(ParseLanguageChoice(stored), LanguageChoice::System);
    }

    // The model's texts come through the hook from the compiled translation,
    // and return to Russian, the source, when Russian is applied.
    void modelTextsFollowTheAppliedLanguage() {
        struct Row {
            std::function<std::string()> text;
            const char* english;
            const char* russian;
        };
        const Row rows[] = {
            {[] { return *SaveFailureReason(ENOSPC); }, "There is not enough space on the disk.",
             "На диске не хватает места."},
            {[] { return ObjectNameAcc(Lamp); }, "lamp", "лампочку"},
            {[] { return InvalidTaskVerdict(Task{}).Text(); },
             "The file holds no task: there is no “; task …” line.\n",
             "В файле нет задания: ни одной строки «; task …».\n"},
            {[] {
                 const std::filesystem::path task = VORN_TEST_TASKS "/01-inverter.vfl";
                 return TaskChecker().CheckFile(ReadTaskFile(task), task).Text();
             },
             "The circuit does not work correctly: 1 of 2 rows of the table are right.\n"
             "With A = 0, lamp F should be lit, but no signal reaches it.\n"
             "Warnings:\nThe lamp at node (10, 2) gets no signal, whatever the positions of the sources.\n",
             "Схема работает неверно: правильных строк таблицы 1 из 2.\n"
             "При A = 0 лампочка F должна гореть, а до неё не доходит сигнал.\n"
             "Предупреждения:\nЛампочка в узле (10, 2) не получает сигнала ни при каком положении источников.\n"},
            {[] { return PerfectDnf({true, false, true, false}, {"A", "B"}); }, "(¬A)*(¬B)+A*(¬B)",
             "(не A)*(не B)+A*(не B)"},
            {[] { return ParseFormula("A+").error; },
             "Position 3: the formula is not finished: a variable, 0, 1 or “(” is expected.",
             "Позиция 3: формула не закончена: ожидается переменная, 0, 1 или «(»."},
        };
        QVERIFY(QFile::exists(QStringLiteral(VORN_TEST_TRANSLATIONS "/vorn-core_en.qm")));
        ApplyLanguage(QLocale::English, QStringLiteral(VORN_TEST_TRANSLATIONS));
        QCOMPARE(QLocale().language(), QLocale::English);
        for (const Row& row : rows) QCOMPARE(QString::fromStdString(row.text()), QString::fromUtf8(row.english));
        ApplyLanguage(QLocale::Russian, QStringLiteral(VORN_TEST_TRANSLATIONS));
        QCOMPARE(QLocale().language(), QLocale::Russian);
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        for (const Row& row : rows) QCOMPARE(QString::fromStdString(row.text()), QString::fromUtf8(row.russian));
    }
};

QTEST_GUILESS_MAIN(UiLanguageTest)
#include "uilanguage_test.moc"
