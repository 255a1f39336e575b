// The event tables of the built-in clips, written by tools/clipgen.
#pragma once

#include "clips.h"

namespace vorn::clipdata {

// Clip 1 to 4; an empty script for any other number.
ClipScript Clip(int number);

}  // namespace vorn::clipdata
