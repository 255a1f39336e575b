// Signal values of the propagation and the element functions on them.
#pragma once

#include <cstdint>

namespace vorn {

// Values stored in a SignalGrid. They compare by size: on a wire the larger
// value wins ("1" over "0", "0" over no signal).
inline constexpr std::int32_t NoSignal = 0;
inline constexpr std::int32_t Signal0 = 10;
inline constexpr std::int32_t Signal1 = 11;

constexpr std::int32_t SignalMax(std::int32_t a, std::int32_t b) { return a > b ? a : b; }

constexpr std::int32_t SignalNot(std::int32_t a) {
    return a == Signal0 ? Signal1 : a == Signal1 ? Signal0 : NoSignal;
}

// An input without signal counts as "0" once the other input has one.
constexpr std::int32_t SignalAnd(std::int32_t a, std::int32_t b) { return a == b ? a : Signal0; }

constexpr std::int32_t SignalOr(std::int32_t a, std::int32_t b) {
    if (a == Signal1 || b == Signal1) return Signal1;
    if (a == Signal0 || b == Signal0) return Signal0;
    return a;
}

}  // namespace vorn
