#include "programstate.h"

#include "propagation.h"

namespace vorn {

ProgramState::ProgramState()
    : Cells(std::make_unique<CellGrid>()),
      Signals(std::make_unique<SignalGrid>()),
      BlankGrid(std::make_unique<NodeGrid>()),
      GestureSnapshot(std::make_unique<NodeGrid>()),
      Queue(std::make_unique<WorkQueue>()),
      History(std::make_unique<UndoHistory>()) {}

ProgramState::~ProgramState() = default;

void ProgramState::ClearCircuit() {
    ClearCellGrid(*Cells);
    ResetSignals(*Signals, *Queue);
    ClearCellGrid(*BlankGrid);
}

std::int32_t ProgramState::CurrentClipCode() const {
    if (ClipIndex < 1 || ClipIndex > static_cast<int>(ClipEvents.size())) return 0;
    return ClipEvents[static_cast<std::size_t>(ClipIndex - 1)].code;
}

}  // namespace vorn
