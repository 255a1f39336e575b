// The windows in English: no Russian word left in any window's texts, menu
// accelerators that do not clash, the help topics of error messages found
// by their English words, the test's mark in the language's number format;
// and in Russian the captions as they were.
#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "aboutform.h"
#include "helpfile.h"
#include "helpwindow.h"
#include "masterform.h"
#include "optform.h"
#include "pictureoptionsdialog.h"
#include "printscaletab.h"
#include "scripted_dialogs.h"
#include "sendernamedialog.h"
#include "shown_window.h"
#include "taskdialog.h"
#include "taskmaker.h"
#include "taskwindow.h"
#include "truthtablewindow.h"
#include "uilanguage.h"

using namespace vorn;

namespace {

// Every text a widget tree shows: titles, labels, buttons, group boxes,
// list and tree items, spin-box words, tooltips and its actions' texts.
QStringList Captions(const QWidget& root) {
    QStringList texts{root.windowTitle(), root.toolTip()};
    for (const QAction* action : root.findChildren<QAction*>()) texts << action->text() << action->statusTip();
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip();
        if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
        if (auto* edit = qobject_cast<const QPlainTextEdit*>(w)) texts << edit->toPlainText() << edit->placeholderText();
        if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) texts << spin->specialValueText();
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        if (auto* tree = qobject_cast<const QTreeWidget*>(w))
            for (int i = 0; i < tree->topLevelItemCount(); ++i) texts << tree->topLevelItem(i)->text(0);
        for (const QAction* action : w->actions()) texts << action->text() << action->toolTip() << action->statusTip();
    }
    return texts;
}

QString RussianTexts(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return texts.filter(cyrillic).join(QStringLiteral(" | "));
}

// The first item whose accelerator letter an earlier item has taken.
QString AcceleratorClash(const QList<QAction*>& items) {
    static const QRegularExpression mark(QStringLiteral("&([^&])"));
    QString seen;
    for (const QAction* action : items) {
        const QRegularExpressionMatch match = mark.match(action->text());
        if (!match.hasMatch()) continue;
        const QChar letter = match.captured(1).at(0).toLower();
        if (seen.contains(letter)) return action->text();
        seen += letter;
    }
    return {};
}

void Speak(QLocale::Language language) { QVERIFY(ApplyLanguage(language, QStringLiteral(VORN_TEST_TRANSLATIONS))); }

// Makes one of the program's windows beside the main window.
using WindowMaker = std::function<std::unique_ptr<QWidget>(Tmain&)>;

}  // namespace

Q_DECLARE_METATYPE(WindowMaker)

class EnglishWindowsTest : public QObject {
    Q_OBJECT

    test::ScriptedDialogs dialogs_;

private slots:
    void initTestCase() { Dialogs::Install(&dialogs_); }
    void cleanup() { Speak(QLocale::Russian); }
    void cleanupTestCase() { Dialogs::Install(nullptr); }

    void mainWindowMenusFollowTheLanguage_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("tool");
        QTest::newRow("English") << QLocale::English
                                 << QStringList{"&File", "&Edit", "&Tools", "&Run", "&Options", "&Help"}
                                 << QStringLiteral("Conjunctor");
        QTest::newRow("Russian") << QLocale::Russian
                                 << QStringList{"&Файл", "&Правка", "&Инструменты", "&Запуск", "&Опции", "&Справка"}
                                 << QStringLiteral("Конъюнктор");
    }
    void mainWindowMenusFollowTheLanguage() {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, titles);
        QFETCH(QString, tool);
        Speak(language);
        auto w = test::ShownWindow();
        QStringList shown;
        for (const QAction* menu : w->menuBar()->actions()) shown << menu->text();
        QCOMPARE(shown, titles);
        QCOMPARE(test::Inside(w).ToolBar1->actions().at(4)->text(), tool);
        // Alt and a letter opens one menu, and one item in it. (The Russian
        // Tools menu has two items on П, as it always had.)
        if (language != QLocale::English) return;
        QCOMPARE(AcceleratorClash(w->menuBar()->actions()), QString());
        auto in = test::Inside(w);
        for (const QMenu* menu : {in.File1, in.Edit1, in.Tools1, in.Start1, in.Options1, in.Help1, in.PopupMenu1})
            QCOMPARE(AcceleratorClash(menu->actions()), QString());
    }

    // The model's texts (the test's questions, warnings) come in English too.
    void windowsShowNoRussianText_data() {
        QTest::addColumn<WindowMaker>("make");
        static QTemporaryDir settings;
        const auto row = [](const char* name, WindowMaker make) { QTest::newRow(name) << make; };
        row("main window", [](Tmain&) { return std::unique_ptr<QWidget>(); });
        row("wizard", [](Tmain& w) { return std::unique_ptr<QWidget>(std::make_unique<Tmaster>(w)); });
        row("settings", [](Tmain& w) {
            return std::unique_ptr<QWidget>(std::make_unique<TOpt>(w.CurrentSettings(), w.State().ProgramFolder,
                                                                   settings.filePath(QStringLiteral("vorn.ini"))));
        });
        row("about", [](Tmain& w) { return std::unique_ptr<QWidget>(std::make_unique<TAbout>(w, QString())); });
        row("truth table",
            [](Tmain& w) { return std::unique_ptr<QWidget>(std::make_unique<TruthTableWindow>(w.Document())); });
        row("task", [](Tmain&) { return std::unique_ptr<QWidget>(std::make_unique<TaskWindow>()); });
        row("task maker", [](Tmain&) {
            return std::unique_ptr<QWidget>(std::make_unique<TaskDialog>(nullptr, QStringList{"F"}, TaskChoice{}));
        });
        row("picture export",
            [](Tmain&) { return std::unique_ptr<QWidget>(std::make_unique<PictureOptionsDialog>(nullptr, 2, true, false)); });
        row("print scale", [](Tmain&) { return std::unique_ptr<QWidget>(std::make_unique<PrintScaleTab>(false)); });
        row("sender name", [](Tmain&) {
            return std::unique_ptr<QWidget>(std::make_unique<SenderNameDialog>(nullptr, "?", QImage(), QString()));
        });
        row("help viewer", [](Tmain&) { return std::unique_ptr<QWidget>(std::make_unique<HelpWindow>()); });
    }
    void windowsShowNoRussianText() {
        QFETCH(WindowMaker, make);
        Speak(QLocale::English);
        auto w = test::ShownWindow();
        const std::unique_ptr<QWidget> window = make(*w);
        const QString russian = RussianTexts(Captions(window ? *window : *w));
        QVERIFY2(russian.isEmpty(), qPrintable(russian));
    }

    // An error message that offers help finds its topic in the English help
    // file by the words it shows.
    void errorMessagesHaveEnglishHelpTopics_data() {
        QTest::addColumn<QString>("source");
        for (const char* source : {"Ошибка в файле: программа не может открыть файл.",
                                   "Файл с таким именем не найден или не является файлом схем. Повторите попытку.",
                                   "Параметры командной строки заданы не верно."})
            QTest::newRow(source) << QString::fromUtf8(source);
    }
    void errorMessagesHaveEnglishHelpTopics() {
        QFETCH(QString, source);
        Speak(QLocale::English);
        const QString shown = Tmain::tr(source.toUtf8().constData());
        QVERIFY(RussianTexts({shown}).isEmpty());
        const HelpLoadResult help = LoadHelpFile(
            QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../help/en/help.hlp")));
        QCOMPARE(help.status, HelpLoadStatus::Loaded);
        QVERIFY2(help.document.TopicById(HelpTopicIdForMessage(shown)), qPrintable(shown));
    }

    // The mark has the decimal sign of the program's language, whatever the
    // system's locale.
    void markFollowsTheLanguage_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("mark");
        QTest::newRow("Russian") << QLocale::Russian << QStringLiteral(" 4,8.");
        QTest::newRow("English") << QLocale::English << QStringLiteral(" 4.8.");
    }
    void markFollowsTheLanguage() {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, mark);
        Speak(language);
        auto w = test::ShownWindow();
        Tmaster wizard(*w);
        // The answers that score, and every answer of question 1: 23 points of 25.
        for (std::size_t q = 0; q < kQuizQuestionCount; ++q)
            for (std::size_t a = 0; a < kQuizAnswerCount; ++a)
                wizard.AnswerBoxes[q][a]->setChecked(q == 0 || MasterQuestions()[q].weights[a] > 0);
        dialogs_.messages.clear();
        wizard.CheckClick();
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY2(dialogs_.messages[0].endsWith(mark), qPrintable(dialogs_.messages[0]));
    }
};

QTEST_MAIN(EnglishWindowsTest)
#include "english_windows_test.moc"
