#include "programstate.h"

namespace vorn {

ProgramState::ProgramState()
    : GestureSnapshot(std::make_unique<NodeGrid>()) {}

ProgramState::~ProgramState() = default;

std::int32_t ProgramState::CurrentClipCode() const {
    if (ClipIndex < 1 || ClipIndex > static_cast<int>(ClipEvents.size())) return 0;
    return ClipEvents[static_cast<std::size_t>(ClipIndex - 1)].code;
}

}  // namespace vorn
