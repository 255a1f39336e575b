// The task of the open document: its window, the check command, the tools
// the task allows, and the gestures its lock takes back.
#include <QAction>
#include <QStatusBar>

#include "mainform.h"
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

}  // namespace

void Tmain::CreateTaskControls() {
    TaskWindow1 = new TaskWindow(this);
    connect(TaskWindow1, &TaskWindow::checkRequested, this, &Tmain::Checkup1Click);
    connect(Checkup1, &QAction::triggered, this, &Tmain::Checkup1Click);
    connect(checkup2, &QAction::triggered, this, &Tmain::Checkup1Click);
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

}  // namespace vorn
