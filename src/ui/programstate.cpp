#include "programstate.h"

namespace vorn {

ProgramState::ProgramState()
    : GestureSnapshot(std::make_unique<NodeGrid>()) {}

ProgramState::~ProgramState() = default;

}  // namespace vorn
