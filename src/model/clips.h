// Demonstration clips: recorded streams of tool choices, Run commands and
// mouse events that the player feeds back into the main window's handlers.
#pragma once

#include <cstdint>
#include <span>

namespace vorn {

// One recorded action: its code and two numbers whose meaning depends on it.
struct ClipEvent {
    std::int32_t code = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ClipEvent&) const = default;
};

using ClipScript = std::span<const ClipEvent>;

// Event codes. Tool choices are -1 (wire) .. -8 (selection), the tool
// number negated.
inline constexpr std::int32_t kClipRun = -9;
inline constexpr std::int32_t kClipPointerSample = 0;  // move the pointer only
inline constexpr std::int32_t kClipLeftPress = 1;
inline constexpr std::int32_t kClipRightPress = 2;
inline constexpr std::int32_t kClipMove = 3;  // a move over the drawing surface
inline constexpr std::int32_t kClipLeftRelease = 4;
inline constexpr std::int32_t kClipRightRelease = 5;

// The offset of the drawing surface's origin in the window layout clips are
// made for: pointer positions (codes 0 and 3) are relative to the window's
// top-left corner, press and release positions to the surface's.
inline constexpr int kClipSurfaceLeft = 99;
inline constexpr int kClipSurfaceTop = 52;

// The tool a code chooses (1 wire .. 8 selection), or 0 when it chooses none.
constexpr int ClipToolOf(std::int32_t code) { return code <= -1 && code >= -8 ? -code : 0; }

// The built-in clips, 1 to 4; an empty script for any other number.
inline constexpr int kBuiltInClipCount = 4;
ClipScript BuiltInClip(int number);

// The clip whose event count is length, 1 to 4, or 0 when none has it.
int BuiltInClipNumber(int length);

// A progress position: eventIndex / 10 rounded half to even. The progress
// bar of a clip of n events ends at ProgressPosition(n).
int ProgressPosition(int eventIndex);

}  // namespace vorn
