// A task file in the main window: its window, the check commands, the tools
// it allows, its lock against the eraser, and saving that keeps it.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "circuitfile.h"
#include "mainform.h"
#include "scripted_dialogs.h"
#include "shown_window.h"
#include "taskcheck.h"
#include "taskmaker.h"
#include "taskwindow.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

QString Example(const char* name) {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../examples/tasks/") + name);
}

// The check command of the Run menu, or its pop-up copy.
QAction* Action(Tmain& w, const char* text) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
}
QAction* Checkup(Tmain& w) { return Action(w, "&Проверка"); }
QAction* PopupCheckup(Tmain& w) { return Action(w, "&Проверить"); }

QString Verdict(Tmain& w) {
    Checkup(w)->trigger();
    return Inside(w).TaskWindow1->VerdictView->toPlainText();
}

// The task dialog answers with a choice, or cancels without one; it records
// the lamps it started with checked.
struct TaskDialogs : test::ScriptedDialogs {
    std::optional<TaskChoice> answer;
    std::vector<std::string> startedWith;
    bool AskTaskChoice(QWidget*, const QStringList&, TaskChoice& choice) override {
        startedWith = choice.lamps;
        if (!answer) return false;
        choice = *answer;
        return true;
    }
};

}  // namespace

class MainformTasksTest : public QObject {
    Q_OBJECT

private slots:
    void aTaskFileShowsItsTaskAndChecksTheCircuit() {
        const auto w = test::ShownWindow();
        auto ui = Inside(w);
        QVERIFY(!Checkup(*w)->isVisible() && !PopupCheckup(*w)->isVisible());
        QVERIFY(ui.LoadDocument(Example("03-xor.vfl")));
        QVERIFY(Checkup(*w)->isVisible() && PopupCheckup(*w)->isVisible());
        QVERIFY(ui.TaskWindow1->isVisible());
        QCOMPARE(ui.TaskWindow1->TitleLabel->text(), QStringLiteral("Исключающее ИЛИ"));
        QVERIFY(Verdict(*w).startsWith(QStringLiteral("Схема работает неверно: правильных строк таблицы 2 из 4.\n")));
        QCOMPARE(Checkup(*w)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F9));

        // The task allows inverters and gates only: the source and lamp tools are off.
        const bool enabled[] = {true, false, false, true, true, true, true};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(ui.ToolButtons[static_cast<std::size_t>(i)]->isEnabled(), enabled[i]);
            QCOMPARE(ui.ToolItems[static_cast<std::size_t>(i)]->isEnabled(), enabled[i]);
        }
        ui.CuSoClick();
        QCOMPARE(w->State().CurrentTool, int(ToolWire));

        // The solution, opened with its task lines, is right; the pop-up's copy checks too.
        QVERIFY(ui.LoadDocument(Example("03-xor-solution.vfl")));
        PopupCheckup(*w)->trigger();
        QVERIFY(ui.TaskWindow1->VerdictView->toPlainText().startsWith(QStringLiteral("Всё верно")));

        // New: no task, every tool, no check command.
        QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!Checkup(*w)->isVisible() && !ui.TaskWindow1->isVisible());
        QVERIFY(ui.ToolButtons[1]->isEnabled());
    }

    void lockedElementsRefuseTheEraserAndSavingKeepsTheTask() {
        const auto w = test::ShownWindow();
        auto ui = Inside(w);
        QVERIFY(ui.LoadDocument(Example("03-xor.vfl")));
        const NodePos a = w->Document().CurrentTask().sources.at(0).node;
        const CellGrid before = w->Document().Cells();
        ui.DelClick();
        QTest::mouseClick(ui.Image3, Qt::LeftButton, {}, QPoint(24 * a.x, 24 * a.y));
        QVERIFY(w->Document().Cells() == before);
        QCOMPARE(w->statusBar()->currentMessage(),
                 QStringLiteral("Источник «A» дан в задании: его нельзя стереть, передвинуть или переименовать."));
        QCOMPARE(w->Document().UndoCount(), 0);
        ui.WireClick();
        QTest::mousePress(ui.Image3, Qt::RightButton, {}, QPoint(24 * a.x, 24 * a.y));
        ui.PopupMenu1->hide();
        ui.PopupMenu1->actions().at(0)->trigger();  // move the object
        QVERIFY(w->Document().Cells() == before);
        QVERIFY(!w->State().MovePending);
        QCOMPARE(w->State().CurrentTool, int(ToolWire));
        QVERIFY(w->Document().Rename(a, "X") == RenameResult::Renamed);  // taken back at once
        QVERIFY(w->Document().Names().at(a) == "A");

        QTemporaryDir dir;
        w->Document().Save(dir.filePath(QStringLiteral("mine.vfl")));
        QFile saved(dir.filePath(QStringLiteral("mine.vfl")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("\r\n; task title Исключающее ИЛИ\r\n"));
    }

    // The teacher's solution becomes a task file that it passes and an empty circuit fails.
    void aSolutionIsSavedAsATask() {
        TaskDialogs dialogs;
        Dialogs::Install(&dialogs);
        const auto restore = qScopeGuard([] { Dialogs::Install(nullptr); });
        const auto w = test::ShownWindow();
        QVERIFY(Inside(w).LoadDocument(Example("06-half-adder-solution.vfl")));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("task.vfl"));

        struct Case {
            const char* what;
            std::optional<TaskChoice> answer;
            QList<QMessageBox::StandardButton> answers;  // to the warning about a task the solution fails
            bool written;
        };
        const TaskChoice chosen{"Сумма", "Сложите A и B.\nПеренос не нужен.", {"Сумма"}, kTaskConjunctor | kTaskDisjunctor | kTaskInverter, 0, true, false};
        TaskChoice tooFewGates = chosen;
        tooFewGates.gateLimit = 1;
        const Case cases[] = {
            {"cancelled", std::nullopt, {}, false},
            {"a limit the solution breaks, not insisted on", tooFewGates, {QMessageBox::No}, false},
            {"written", chosen, {}, true},
        };
        for (const Case& c : cases) {
            dialogs.answer = c.answer;
            dialogs.answers = c.answers;
            dialogs.fileNames = {dir.filePath(QStringLiteral("task"))};
            Inside(w).SaveTask1Click();
            QVERIFY((dialogs.startedWith == std::vector<std::string>{"Перенос", "Сумма"}));
            QVERIFY2(QFileInfo::exists(file) == c.written, c.what);
        }

        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray content = saved.readAll();
        QVERIFY(content.contains("; task title Сумма\r\n; task text Сложите A и B.\r\n; task text Перенос не нужен.\r\n"
                                 "; task table Сумма 0110\r\n; task allow inverter conjunctor disjunctor\r\n; task lock\r\n"));
        const Task task = ReadTaskFile(QFile::encodeName(file).toStdString());
        QVERIFY(task.Valid());
        QCOMPARE(task.given.size(), std::size_t{4});  // the sources and lamps alone
        TaskChecker checker;
        QVERIFY(checker.CheckFile(task, QFile::encodeName(Example("06-half-adder-solution.vfl")).toStdString()).kind ==
                VerdictKind::Ok);
        auto empty = std::make_unique<CellGrid>();
        QVERIFY(checker.Check(task, *empty, {}).kind == VerdictKind::Missing);

        // A learner's solution saved with the task's lines, opened again: its
        // gates are not given, and Ctrl+F9 finds it right.
        QVERIFY(Inside(w).LoadDocument(file));
        const std::string mine = QFile::encodeName(dir.filePath(QStringLiteral("mine.vfl"))).toStdString();
        auto solution = std::make_unique<CellGrid>();
        NameTable names;
        ReadCircuit(QFile::encodeName(Example("06-half-adder-solution.vfl")).toStdString(), *solution, names);
        WriteCircuit(mine, *solution, names, w->Document().TaskLinesOfFile());
        QVERIFY(Inside(w).LoadDocument(QFile::decodeName(mine.c_str())));
        QCOMPARE(w->Document().CurrentTask().given.size(), std::size_t{4});
        QTest::keyClick(w.get(), Qt::Key_F9, Qt::ControlModifier);
        QVERIFY(Inside(w).TaskWindow1->VerdictView->toPlainText().startsWith(QStringLiteral("Всё верно")));
    }

    // The ready tasks open from the data folder.
    void theReadyTasksOpenFromTheDataFolder() {
        test::ScriptedDialogs dialogs;
        Dialogs::Install(&dialogs);
        const auto restore = qScopeGuard([] { Dialogs::Install(nullptr); });
        const auto w = test::ShownWindow();
        dialogs.fileNames = {Example("01-inverter.vfl")};
        Inside(w).ReadyTasks1->trigger();
        QCOMPARE(dialogs.chooserFolders, QStringList{w->State().DataFolder + QStringLiteral("/examples/tasks")});
        QCOMPARE(Inside(w).TaskWindow1->TitleLabel->text(), QStringLiteral("Инвертор"));
    }
};

QTEST_MAIN(MainformTasksTest)
#include "mainform_tasks_test.moc"
