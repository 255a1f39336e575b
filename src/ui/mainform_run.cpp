// Run mode: the circuit switched on, editing locked, signals shown.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

#include "blockselection.h"
#include "mainform.h"
#include "propagation.h"

namespace vorn {

void Tmain::Run2Click() {
    ProgramState& s = *state_;
    // A playing clip lets only its own run events through.
    const bool accepted = !clips_->Active() || clips_->Recording() || clips_->CurrentCode() == kClipRun;
    if (accepted) {
        s.RunMode = !s.RunMode;
        if (s.RunMode) {
            s.CurrentTool += kRunToolOffset;
            SetEditingLocked(true);
            Image2->hide();
            selection_->Clear();  // a running circuit is not edited
        } else {
            document_->ClearSignals();
            s.CurrentTool -= kRunToolOffset;
            SetEditingLocked(false);
        }
    }
    SyncRunCheck();
    if (accepted) EvaluateIfRunning();
    clips_->Log(kClipRun, kClipRun, kClipRun);
}

void Tmain::EvaluateIfRunning() {
    ProgramState& s = *state_;
    if (!s.RunMode) return;
    document_->Evaluate();
}

void Tmain::SetEditingLocked(bool locked) {
    ToolBar1->setEnabled(!locked);
    // A disabled menu keeps its items' shortcuts away too: each item goes.
    for (QMenu* menu : {Tools1, Edit1}) {
        menu->menuAction()->setEnabled(!locked);
        menu->setEnabled(!locked);
    }
    UpdateHistoryCommands();
}

void Tmain::SyncRunCheck() {
    Run2->setChecked(state_->RunMode);
    run3->setChecked(state_->RunMode);
    // The status bar says so while the circuit runs.
    StatusPanel(5)->setText(state_->RunMode ? tr(" Запущено ") : QString());
    LayoutStatusPanels();
}

}  // namespace vorn
