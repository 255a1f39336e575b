// The shapes of the circuit's glyphs, in twelfths of the node pitch ("units").
// The screen's pixel renderer and the vector pictures both draw from these,
// so a picture shows the same circuit the window shows.
#pragma once

namespace vorn {

// Units from one node to the next; at zoom z a unit is z screen pixels.
inline constexpr int kPitchUnits = 12;

// Sources, inverters and gates: a box reaching this far around its node
// (a gate's box spans its whole 2 x 3 block with the same margin).
inline constexpr int kBoxHalf = 5;
// A lamp: a circle of this half-width with a cross reaching kLampCross.
inline constexpr int kLampHalf = 4;
inline constexpr int kLampCross = 3;
// An inverter's output bubble: from kBubbleLeft to kBubbleRight right of
// the node, kBubbleHalf above and below it.
inline constexpr int kBubbleLeft = 3;
inline constexpr int kBubbleRight = 7;
inline constexpr int kBubbleHalf = 2;
// The field under a source's or gate's label.
inline constexpr int kLabelHalf = 4;
// A solder dot is this many units across.
inline constexpr int kSolderDotUnits = 3;
// The label font in points per zoom step: on screen, and on paper.
inline constexpr int kScreenLabelPoints = 5;
inline constexpr int kPrintLabelPoints = 3;
// The smallest label font on screen, in pixels: at 50 % the points above
// give under seven pixels, too few for a "0" to be told from a "1".
inline constexpr int kMinScreenLabelPixels = 9;
// The screen label's font in pixels at zoom z (a 96 dpi pixel per point
// times 96 / 72), never below the smallest.
inline constexpr double ScreenLabelPixels(int zoom) {
    const double pixels = kScreenLabelPoints * zoom * 96.0 / 72.0;
    return pixels < kMinScreenLabelPixels ? kMinScreenLabelPixels : pixels;
}

}  // namespace vorn
