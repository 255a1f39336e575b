// The built-in clips as tables: their sizes, the mix of event codes, the
// order of tool choices and Run commands with the presses between them, and
// the rows that open and close them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "clips.h"

namespace vorn {
namespace {

std::string Structure(ClipScript clip) {
    static const char* const tools[] = {"", "wire", "source", "lamp", "inverter", "conjunctor", "disjunctor", "eraser"};
    std::string out;
    int presses = 0;
    auto flush = [&] {
        if (presses > 0) out += " " + std::to_string(presses);
        presses = 0;
    };
    for (const ClipEvent& e : clip) {
        if (e.code == kClipLeftPress) ++presses;
        if (e.code != kClipRun && ClipToolOf(e.code) == 0) continue;
        flush();
        if (!out.empty()) out += ", ";
        out += e.code == kClipRun ? "Run" : tools[ClipToolOf(e.code)];
    }
    flush();
    return out;
}

std::map<int, int> CodeCounts(ClipScript clip) {
    std::map<int, int> counts;
    for (const ClipEvent& e : clip) ++counts[e.code];
    return counts;
}

TEST(BuiltInClips, SizesAndProgressBars) {
    const int sizes[] = {1785, 1145, 897, 1059};
    const int bars[] = {178, 114, 90, 106};
    for (int k = 1; k <= kBuiltInClipCount; ++k) {
        EXPECT_EQ(static_cast<int>(BuiltInClip(k).size()), sizes[k - 1]);
        EXPECT_EQ(ProgressPosition(sizes[k - 1]), bars[k - 1]);
        EXPECT_EQ(BuiltInClipNumber(sizes[k - 1]), k);
    }
    EXPECT_TRUE(BuiltInClip(0).empty());
    EXPECT_TRUE(BuiltInClip(5).empty());
    EXPECT_EQ(BuiltInClipNumber(1000), 0);
    // Halves go to the even neighbour.
    EXPECT_EQ(ProgressPosition(1234), 123);
    EXPECT_EQ(ProgressPosition(1235), 124);
    EXPECT_EQ(ProgressPosition(1225), 122);
    EXPECT_EQ(ProgressPosition(0), 0);
}

TEST(BuiltInClips, OrderOfCommandsAndPresses) {
    EXPECT_EQ(Structure(BuiltInClip(1)),
              "source 1, wire 2, Run 3, Run, lamp 1, Run 3, Run, inverter 1, wire 2, lamp 1, Run 4, Run, "
              "inverter 1, lamp 1, Run 3, Run, source 2, conjunctor 1, wire 3, lamp 1, Run 4, Run, "
              "source 2, disjunctor 1, wire 3, lamp 1, Run 4, Run");
    EXPECT_EQ(Structure(BuiltInClip(2)),
              "source 2, wire 1, inverter 1, wire 1, disjunctor 1, wire 2, inverter 1, disjunctor 1, wire 2, "
              "conjunctor 2, wire 1, lamp 1, Run 6, Run");
    EXPECT_EQ(Structure(BuiltInClip(3)),
              "source 2, conjunctor 1, wire 3, disjunctor 1, wire 3, conjunctor 1, inverter 1, wire 3, lamp 2, "
              "wire 2, Run 6, Run");
    EXPECT_EQ(Structure(BuiltInClip(4)),
              "source 2, conjunctor 1, inverter 1, wire 1, disjunctor 1, conjunctor 1, wire 1, inverter 1, wire 3, "
              "disjunctor 1, conjunctor 1, inverter 1, wire 4, Run 6");
}

TEST(BuiltInClips, CodesUsed) {
    const std::map<int, int> one = CodeCounts(BuiltInClip(1));
    EXPECT_EQ(one.at(3), 1311);
    EXPECT_EQ(one.at(0), 356);
    EXPECT_EQ(one.at(1), 45);
    EXPECT_EQ(one.at(4), 45);
    EXPECT_EQ(one.at(-9), 12);
    int tools = 0;
    for (int code = -7; code <= -1; ++code) tools += one.count(code) ? one.at(code) : 0;
    EXPECT_EQ(tools, 16);
    // Only tool choices, Run, samples, left presses, moves and left releases.
    for (int k = 1; k <= kBuiltInClipCount; ++k)
        for (const auto& [code, count] : CodeCounts(BuiltInClip(k))) {
            EXPECT_TRUE((code >= -9 && code <= -1 && code != -8) || code == 0 || code == 1 || code == 3 || code == 4)
                << "clip " << k << " code " << code;
        }
}

TEST(BuiltInClips, OpeningAndClosingRows) {
    const ClipScript one = BuiltInClip(1);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(one[i].code, kClipMove) << i;
    EXPECT_EQ(one[0], (ClipEvent{3, 289, 211}));
    EXPECT_EQ(one[1], (ClipEvent{3, 287, 210}));
    EXPECT_EQ(one[12], (ClipEvent{3, 122, 146}));
    EXPECT_EQ(one[13], (ClipEvent{0, 98, 139}));
    EXPECT_EQ(one[14], (ClipEvent{0, 67, 130}));
    EXPECT_EQ(one[15], (ClipEvent{0, 41, 125}));
    EXPECT_EQ(one[16], (ClipEvent{0, 22, 125}));
    const std::size_t n = one.size();
    EXPECT_EQ(one[n - 3], (ClipEvent{3, 247, 181}));
    EXPECT_EQ(one[n - 2], (ClipEvent{-9, -9, -9}));
    EXPECT_EQ(one[n - 1], (ClipEvent{3, 247, 181}));

    bool cornerRelease = false;
    for (const ClipEvent& e : BuiltInClip(4)) cornerRelease |= e == ClipEvent{4, -1, -1};
    EXPECT_TRUE(cornerRelease);
}

// Pointer events over the surface are moves, elsewhere samples; every press
// is released before the next one.
TEST(BuiltInClips, PressesPairWithReleases) {
    for (int k = 1; k <= kBuiltInClipCount; ++k) {
        bool held = false;
        for (const ClipEvent& e : BuiltInClip(k)) {
            if (e.code == kClipLeftPress) {
                EXPECT_FALSE(held) << "clip " << k;
                held = true;
            }
            if (e.code == kClipLeftRelease) {
                EXPECT_TRUE(held) << "clip " << k;
                held = false;
            }
            if (e.code == kClipMove) {
                EXPECT_GE(e.x, kClipSurfaceLeft);
                EXPECT_GE(e.y, kClipSurfaceTop);
            }
            if (e.code == kClipPointerSample) {
                EXPECT_TRUE(e.x < kClipSurfaceLeft || e.y < kClipSurfaceTop);
            }
        }
        EXPECT_FALSE(held) << "clip " << k;
    }
}

}  // namespace
}  // namespace vorn
