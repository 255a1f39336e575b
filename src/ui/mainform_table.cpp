// The truth-table window beside the main window, and the marks its
// warnings put on the grid while it is shown.
#include <QAction>

#include "mainform.h"
#include "truthtablewindow.h"
#include "warningoverlay.h"

namespace vorn {

void Tmain::Table1Click() {
    if (!tableWindow_) {
        tableWindow_ = new TruthTableWindow(*document_, this);
        warningOverlay_ = new WarningOverlay(Image3, [this] { return View(); });
        connect(tableWindow_, &TruthTableWindow::rowChosen, this, &Tmain::TableRowChosen);
        connect(tableWindow_, &TruthTableWindow::marksChanged, this, [this] {
            warningOverlay_->SetMarks(tableWindow_->Shown() ? tableWindow_->MarkedNodes() : std::vector<NodePos>{});
        });
    }
    tableWindow_->show();
    tableWindow_->raise();
    tableWindow_->activateWindow();
}

// A row of the table sets the sources to its positions. While the circuit
// runs this is what clicks on those sources would do: one undo step and a
// new evaluation. While it is edited the stored positions change the same
// way, as one undo step, as a press with an editing tool switches a source.
void Tmain::TableRowChosen(int row) {
    if (clips_->Active() || row < 0) return;
    const ShownNames shown = NameElements(document_->Names(), document_->Cells());
    const std::size_t n = shown.sources.size();
    if (n > kTableWindowMaxSources || static_cast<std::uint32_t>(row) >= (std::uint32_t{1} << n)) return;
    const auto before = std::make_unique<CellGrid>(document_->Cells());
    bool changed = false;
    for (std::size_t i = 0; i < n; ++i) {
        std::int32_t& code = document_->Cells().at(shown.sources[i].node.x, shown.sources[i].node.y);
        const std::int32_t wanted = SourceCodeInRow(static_cast<std::uint32_t>(row), i, n);
        changed |= code != wanted;
        code = wanted;
    }
    if (!changed) return;
    document_->CommitGesture(*before);
    EvaluateIfRunning();
}

}  // namespace vorn
