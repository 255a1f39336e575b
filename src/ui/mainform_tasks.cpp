// The task of the open document: its window, the check command, the tools
// the task allows, and the gestures its lock takes back; the teacher's side:
// a task file made from the circuit, and the ready tasks.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

#include "circuitfile.h"
#include "datafolder.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "languagefolder.h"
#include "mainform.h"
#include "programtitle.h"
#include "savefailure.h"
#include "settingsstore.h"
#include "taskmaker.h"
#include "taskwindow.h"

namespace vorn {

namespace {

// How long a refusal stays on the status bar.
constexpr int kRefusalShownMs = 5000;

// The element each placing tool puts down; the wire tool and the eraser are
// always allowed.
unsigned ElementOfTool(int tool) {
    switch (tool) {
        case ToolSource: return kTaskSource;
        case ToolLamp: return kTaskLamp;
        case ToolInverter: return kTaskInverter;
        case ToolConjunctor: return kTaskConjunctor;
        case ToolDisjunctor: return kTaskDisjunctor;
        default: return 0;
    }
}

const QString kTaskFilter = QStringLiteral("Vorn files (*.vfl)");

void Warn(QWidget* parent, const QString& text) {
    Dialogs::Current().Message(parent, QMessageBox::Warning, ProgramTitleText(), text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace

void Tmain::CreateTaskControls() {
    TaskWindow1 = new TaskWindow(this);
    connect(TaskWindow1, &TaskWindow::checkRequested, this, &Tmain::Checkup1Click);
    connect(Checkup1, &QAction::triggered, this, &Tmain::Checkup1Click);
    connect(checkup2, &QAction::triggered, this, &Tmain::Checkup1Click);
    SaveTask1 = new QAction(tr("Сохранить как за&дание…"), this);
    File1->insertAction(Close1, SaveTask1);
    connect(SaveTask1, &QAction::triggered, this, &Tmain::SaveTask1Click);
    // Like Save as, only while a document is open.
    connect(File1, &QMenu::aboutToShow, this, [this] { SaveTask1->setEnabled(SaveAs1->isEnabled()); });
    ReadyTasks1 = new QAction(tr("Готовые задания…"), this);
    Help1->insertAction(About1, ReadyTasks1);
    connect(ReadyTasks1, &QAction::triggered, this, &Tmain::ReadyTasks1Click);
    connect(document_, &CircuitDocument::editRefused, this, [this](const QString& message) {
        statusBar()->showMessage(message, kRefusalShownMs);
        // A refused pick-up of the Move command leaves nothing to place.
        ProgramState& s = *state_;
        if (s.MovePending) {
            s.MovePending = false;
            SelectTool(s.ToolBeforeMove);
        }
    });
}

bool Tmain::ToolAllowed(int tool) const {
    const unsigned element = ElementOfTool(tool);
    return element == 0 || !document_->CurrentTask().Present() || (document_->CurrentTask().allowed & element);
}

void Tmain::ApplyDocumentTask() {
    const Task& task = document_->CurrentTask();
    for (QAction* check : {Checkup1, checkup2}) check->setVisible(task.Present());
    for (std::size_t i = 0; i < ToolButtons.size(); ++i) {
        const bool allowed = ToolAllowed(static_cast<int>(i) + 1);
        ToolButtons[i]->setEnabled(allowed);
        ToolItems[i]->setEnabled(allowed);
    }
    if (!ToolAllowed(state_->CurrentTool % kRunToolOffset)) SelectTool(ToolWire);
    if (!task.Present()) {
        TaskWindow1->hide();
        return;
    }
    TaskWindow1->ShowTask(QString::fromStdString(task.title), QString::fromStdString(task.text));
    if (!task.Valid()) TaskWindow1->ShowVerdict(QString::fromStdString(InvalidTaskVerdict(task).Text()));
    TaskWindow1->show();
}

void Tmain::Checkup1Click() {
    if (!document_->CurrentTask().Present()) return;
    const TaskVerdict verdict = document_->CheckTask();
    TaskWindow1->ShowVerdict(QString::fromStdString(verdict.Text()));
    TaskWindow1->show();
    TaskWindow1->raise();
}

void Tmain::SaveTask1Click() {
    if (!SaveAs1->isEnabled()) return;
    const CellGrid& cells = document_->Cells();
    const NameTable& names = document_->Names();
    TaskChoice choice = DefaultTaskChoice(cells, names);
    QStringList lamps;
    for (const std::string& lamp : choice.lamps) lamps << QString::fromStdString(lamp);
    if (!Dialogs::Current().AskTaskChoice(this, lamps, choice)) return;
    const TaskFileContent made = MakeTaskFile(choice, cells, names);
    if (!made.problem.empty()) return Warn(this, QString::fromStdString(made.problem));

    // A task the teacher's own circuit fails (a gate limit or a tool taken
    // away) is written only when the teacher insists.
    const Task task = ReadTask(made.lines, *made.cells, made.names);
    auto solution = std::make_unique<CellGrid>(cells);
    const TaskVerdict verdict = TaskChecker().Check(task, *solution, names);
    if (verdict.kind != VerdictKind::Ok &&
        Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(),
                                   tr("Ваша схема не проходит это задание:\n%1Всё равно сохранить задание?")
                                       .arg(QString::fromStdString(verdict.Text())),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;

    const ProgramState& s = *state_;
    const QString chosen = Dialogs::Current().SaveFileName(
        this, tr("Сохранить как задание..."),
        ResolveChooserFolder(SettingsStore(s.SettingsFile).ReadLastFolder()), kTaskFilter);
    if (chosen.isEmpty()) return;
    SettingsStore(s.SettingsFile).WriteLastFolder(QFileInfo(chosen).absolutePath());
    const QString target = SaveTargetName(chosen);
    if (QFileInfo::exists(target) &&
        Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(),
                                   tr("Файл с таким именем уже существует. Перезаписать?"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        WriteCircuit(std::filesystem::path(QFile::encodeName(target).toStdString()), *made.cells, made.names,
                     made.lines);
        statusBar()->showMessage(tr("Задание сохранено в файл «%1».").arg(target), kRefusalShownMs);
    } catch (const CircuitFileError& failure) {
        const auto reason = SaveFailureReason(failure);
        if (!reason) return ErrorReporter::Report(std::current_exception());
        Dialogs::Current().Message(this, QMessageBox::Critical, ProgramTitleText(),
                                   tr("Задание не сохранено в файл «%1». %2 Повторите попытку.")
                                       .arg(target, QString::fromUtf8(reason->data(), static_cast<qsizetype>(reason->size()))),
                                   QMessageBox::Ok, QMessageBox::Ok);
    }
}

void Tmain::ReadyTasks1Click() {
    if (!MayReplaceDocument()) return;
    const QString folder = LanguagePath(QDir(state_->DataFolder).filePath(QStringLiteral("examples/tasks")));
    const QString name =
        Dialogs::Current().OpenFileName(this, tr("Готовые задания"), folder, kTaskFilter);
    if (!name.isEmpty()) LoadDocument(name);
}

}  // namespace vorn
