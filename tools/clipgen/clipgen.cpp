// Makes the four built-in demonstration clips and prints them as the source
// file src/model/clipscripts.cpp.
//
// Each clip is written here as a plan of what a teacher does: choose a tool,
// switch the circuit on or off, click a node, draw a wire along a path of
// nodes. The plan becomes the events a recording would hold: the pointer
// travels between the places at a person's pace (moves over the drawing
// surface, pointer samples over the tool bar), presses and releases at node
// pixels, wires dragged node by node. Short rests of the pointer then bring
// every clip to its fixed event count. The program checks the counts and
// the order of tool choices, Run commands and presses before it prints.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "clips.h"

namespace {

using vorn::ClipEvent;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};
struct Node {
    int x = 0;
    int y = 0;
};

// Zoom 100 %: one node every 24 pixels, node (0, 0) at the surface origin
// (a new document shows the field's top-left corner).
constexpr int kPitch = 24;
// The part of the drawing surface a 600 x 480 window shows.
constexpr int kSurfaceWidth = 490;
constexpr int kSurfaceHeight = 416;

enum Tool { kWire = 1, kSource, kLamp, kInverter, kConjunctor, kDisjunctor, kEraser };

const char* ToolName(int tool) {
    static const char* const names[] = {"", "wire", "source", "lamp", "inverter", "conjunctor", "disjunctor", "eraser"};
    return tool >= 1 && tool <= 7 ? names[tool] : "?";
}

// Centre of a tool bar button, relative to the surface origin, in the
// window the clips are played in.
Point ToolButton(int tool) { return {-51, 48 + 53 * (tool - 1)}; }

bool OnSurface(Point p) { return p.x >= 0 && p.y >= 0 && p.x < kSurfaceWidth && p.y < kSurfaceHeight; }

// ---- plans -------------------------------------------------------------------

enum class ActionKind { Tool, Run, Click, Stroke };

struct Action {
    ActionKind kind = ActionKind::Click;
    int tool = 0;
    std::vector<Node> nodes;         // Click: one node; Stroke: every node of the path
    std::optional<Point> releaseAt;  // Click: the button comes up here, off the node
    std::optional<Point> runAt;      // Run: the pointer goes here first
};

struct Plan {
    int number = 0;
    int eventCount = 0;
    // The order of tool choices and Run commands, each with the presses
    // made before the next one.
    std::string structure;
    unsigned seed = 1;
    std::vector<Action> actions;

    Plan& Choose(int tool) {
        actions.push_back({ActionKind::Tool, tool, {}, {}, {}});
        return *this;
    }
    Plan& Run(std::optional<Point> at = {}) {
        actions.push_back({ActionKind::Run, 0, {}, {}, at});
        return *this;
    }
    Plan& Click(Node node, std::optional<Point> releaseAt = {}) {
        actions.push_back({ActionKind::Click, 0, {node}, releaseAt, {}});
        return *this;
    }
    // A wire through the given corners; the straight runs between them are
    // filled in node by node.
    Plan& Stroke(std::initializer_list<Node> corners) {
        Action a{ActionKind::Stroke, 0, {}, {}, {}};
        for (const Node& corner : corners) {
            if (a.nodes.empty()) {
                a.nodes.push_back(corner);
                continue;
            }
            Node at = a.nodes.back();
            if (at.x != corner.x && at.y != corner.y) {
                std::fprintf(stderr, "clip %d: a wire corner is not straight on from the last\n", number);
                std::exit(1);
            }
            while (at.x != corner.x || at.y != corner.y) {
                at.x += corner.x > at.x ? 1 : corner.x < at.x ? -1 : 0;
                at.y += corner.y > at.y ? 1 : corner.y < at.y ? -1 : 0;
                a.nodes.push_back(at);
            }
        }
        actions.push_back(a);
        return *this;
    }
};

// Clip 1: the elementary circuits. A source with two wires, switched on and
// off; a lamp at one wire's end; an inverter on the other wire and one fed
// straight from the source, each with a lamp; a conjunctor and a disjunctor,
// each with two sources and a lamp.
Plan ClipOne() {
    Plan p;
    p.number = 1;
    p.eventCount = 1785;
    p.seed = 11;
    p.structure =
        "source 1, wire 2, Run 3, Run, lamp 1, Run 3, Run, inverter 1, wire 2, lamp 1, Run 4, Run, "
        "inverter 1, lamp 1, Run 3, Run, source 2, conjunctor 1, wire 3, lamp 1, Run 4, Run, "
        "source 2, disjunctor 1, wire 3, lamp 1, Run 4, Run";
    const Node s1{2, 3};
    p.Choose(kSource).Click(s1);
    p.Choose(kWire).Stroke({{3, 3}, {7, 3}}).Stroke({{2, 4}, {2, 6}, {6, 6}});
    p.Run().Click(s1).Click(s1).Click(s1).Run();
    p.Choose(kLamp).Click({7, 3});
    p.Run().Click(s1).Click(s1).Click(s1).Run();
    p.Choose(kInverter).Click({8, 6});
    p.Choose(kWire).Stroke({{6, 6}, {8, 6}}).Stroke({{9, 6}, {11, 6}});
    p.Choose(kLamp).Click({11, 6});
    p.Run().Click(s1).Click(s1).Click(s1).Click(s1).Run();
    // An inverter fed by the source's upper lead.
    p.Choose(kInverter).Click({3, 2});
    p.Choose(kLamp).Click({4, 2});
    p.Run().Click(s1).Click(s1).Click(s1).Run();

    const Node s2{2, 10}, s3{2, 13};
    p.Choose(kSource).Click(s2).Click(s3);
    p.Choose(kConjunctor).Click({6, 11});
    p.Choose(kWire).Stroke({{3, 10}, {6, 10}}).Stroke({{3, 13}, {4, 13}, {4, 12}, {6, 12}}).Stroke({{8, 11}, {10, 11}});
    p.Choose(kLamp).Click({10, 11});
    p.Run().Click(s2).Click(s3).Click(s2).Click(s3).Run();

    const Node s4{12, 10}, s5{12, 13};
    p.Choose(kSource).Click(s4).Click(s5);
    p.Choose(kDisjunctor).Click({16, 11});
    p.Choose(kWire)
        .Stroke({{13, 10}, {16, 10}})
        .Stroke({{13, 13}, {14, 13}, {14, 12}, {16, 12}})
        .Stroke({{18, 11}, {19, 11}});
    p.Choose(kLamp).Click({19, 11});
    p.Run().Click(s4).Click(s5).Click(s4).Click(s5);
    // The circuit is switched off with the pointer resting near the middle.
    p.Run(Point{148, 129});
    return p;
}

// Clip 2: ((A+(не B))((не A)(A+B))). B's wire runs up the left edge to its
// inverter, so that no wire has to cross another.
Plan ClipTwo() {
    Plan p;
    p.number = 2;
    p.eventCount = 1145;
    p.seed = 23;
    p.structure =
        "source 2, wire 1, inverter 1, wire 1, disjunctor 1, wire 2, inverter 1, disjunctor 1, wire 2, "
        "conjunctor 2, wire 1, lamp 1, Run 6, Run";
    const Node a{3, 4}, b{3, 14};
    p.Choose(kSource).Click(a).Click(b);
    p.Choose(kWire).Stroke({{2, 14}, {1, 14}, {1, 1}, {3, 1}});
    p.Choose(kInverter).Click({3, 1});
    p.Choose(kWire).Stroke({{4, 1}, {7, 1}, {7, 2}, {8, 2}});
    p.Choose(kDisjunctor).Click({8, 3});
    p.Choose(kWire).Stroke({{4, 4}, {8, 4}}).Stroke({{3, 5}, {3, 8}, {11, 8}});
    p.Choose(kInverter).Click({11, 8});
    p.Choose(kDisjunctor).Click({10, 10});
    p.Choose(kWire).Stroke({{3, 8}, {3, 9}, {10, 9}}).Stroke({{4, 14}, {8, 14}, {8, 11}, {10, 11}});
    p.Choose(kConjunctor).Click({12, 9}).Click({14, 8});
    p.Choose(kWire).Stroke({{10, 3}, {13, 3}, {13, 7}, {14, 7}});
    p.Choose(kLamp).Click({16, 8});
    p.Run().Click(a).Click(b).Click(a).Click(b).Click(a).Click(b).Run();
    return p;
}

// Clip 3: a half adder. Carry = AB, sum = (A+B)(не (AB)).
Plan ClipThree() {
    Plan p;
    p.number = 3;
    p.eventCount = 897;
    p.seed = 37;
    p.structure =
        "source 2, conjunctor 1, wire 3, disjunctor 1, wire 3, conjunctor 1, inverter 1, wire 3, lamp 2, wire 2, "
        "Run 6, Run";
    const Node a{4, 2}, b{4, 8};
    p.Choose(kSource).Click(a).Click(b);
    p.Choose(kConjunctor).Click({9, 5});
    p.Choose(kWire)
        .Stroke({{5, 2}, {7, 2}, {7, 4}, {9, 4}})
        .Stroke({{4, 7}, {6, 7}, {6, 6}, {9, 6}})
        .Stroke({{11, 5}, {13, 5}});
    p.Choose(kDisjunctor).Click({9, 11});
    p.Choose(kWire)
        .Stroke({{5, 8}, {7, 8}, {7, 10}, {9, 10}})
        .Stroke({{3, 2}, {2, 2}, {2, 12}, {9, 12}})
        .Stroke({{11, 11}, {13, 11}});
    p.Choose(kConjunctor).Click({15, 9});
    p.Choose(kInverter).Click({14, 8});
    p.Choose(kWire)
        .Stroke({{12, 5}, {12, 8}, {14, 8}})
        .Stroke({{13, 11}, {13, 10}, {15, 10}})
        .Stroke({{17, 9}, {18, 9}});
    p.Choose(kLamp).Click({17, 5}).Click({19, 9});
    p.Choose(kWire).Stroke({{13, 5}, {17, 5}}).Stroke({{18, 9}, {19, 9}});
    p.Run().Click(a).Click(b).Click(a).Click(b).Click(a).Click(b).Run();
    return p;
}

// Clip 4: ((не A)*B+(не B)*A)+не(AB). Its wires cannot all be drawn without
// one crossing: B's wire is clicked where A's wire passes over it. The clip
// ends with the circuit running.
Plan ClipFour() {
    Plan p;
    p.number = 4;
    p.eventCount = 1059;
    p.seed = 41;
    p.structure =
        "source 2, conjunctor 1, inverter 1, wire 1, disjunctor 1, conjunctor 1, wire 1, inverter 1, wire 3, "
        "disjunctor 1, conjunctor 1, inverter 1, wire 4, Run 6";
    const Node a{3, 3}, b{3, 12};
    // The pointer slips off the surface's corner before the button comes up.
    p.Choose(kSource).Click(a, Point{-1, -1}).Click(b);
    p.Choose(kConjunctor).Click({8, 4});
    p.Choose(kInverter).Click({7, 3});
    p.Choose(kWire).Stroke({{4, 3}, {7, 3}});
    p.Choose(kDisjunctor).Click({10, 5});
    p.Choose(kConjunctor).Click({7, 9});
    p.Choose(kWire).Stroke({{9, 9}, {9, 6}, {10, 6}});
    p.Choose(kInverter).Click({6, 10});
    p.Choose(kWire)
        .Stroke({{3, 11}, {5, 11}, {5, 5}, {8, 5}})
        .Stroke({{3, 4}, {3, 8}, {7, 8}})
        .Click({5, 8});  // the meeting becomes a crossing
    p.Choose(kDisjunctor).Click({12, 6});
    p.Choose(kConjunctor).Click({6, 15});
    p.Choose(kInverter).Click({8, 15});
    p.Choose(kWire)
        .Stroke({{2, 3}, {1, 3}, {1, 16}, {6, 16}})
        .Stroke({{3, 13}, {3, 14}, {6, 14}})
        .Stroke({{9, 15}, {11, 15}, {11, 7}, {12, 7}})
        .Stroke({{14, 6}, {17, 6}});
    p.Run().Click(a).Click(b).Click(a).Click(b).Click(a).Click(b);
    return p;
}

// ---- turning a plan into events -------------------------------------------------

// How fast the pointer goes: pixels per recorded event.
struct Pace {
    int travel = 12;  // between places, over the surface and the tool bar
    int drag = 6;     // along a wire, with the button held
};

// Where the rests go: one slot before each press, one before each tool
// choice, with the number of extra events each slot gets.
struct Rests {
    std::vector<int> beforePress;
    std::vector<int> beforeTool;
};

class Recorder {
public:
    Recorder(unsigned seed, const Rests& rests) : seed_(seed), rests_(rests) {}

    std::vector<ClipEvent> events;
    int pressSlots = 0;
    int toolSlots = 0;

    void Emit(std::int32_t code, int x, int y) { events.push_back({code, x, y}); }

    // The pointer at a surface pixel: a move over the surface, a pointer
    // sample anywhere else; both are written relative to the window.
    void PointerAt(Point p) {
        Emit(OnSurface(p) ? vorn::kClipMove : vorn::kClipPointerSample, p.x + vorn::kClipSurfaceLeft,
             p.y + vorn::kClipSurfaceTop);
        pointer_ = p;
    }

    void StartAt(Point p) { PointerAt(p); }
    void SetPointer(Point p) { pointer_ = p; }

    void TravelTo(Point target, int step) {
        const Point from = pointer_;
        const double dx = target.x - from.x, dy = target.y - from.y;
        const int n = std::max(1, static_cast<int>(std::ceil(std::hypot(dx, dy) / step)));
        for (int i = 1; i <= n; ++i)
            PointerAt({from.x + static_cast<int>(std::lround(dx * i / n)),
                       from.y + static_cast<int>(std::lround(dy * i / n))});
    }

    // A small offset from the node's pixel, as a hand would press.
    Point Jitter() {
        seed_ = seed_ * 1103515245u + 12345u;
        const int jx = static_cast<int>((seed_ >> 16) % 7) - 3;
        seed_ = seed_ * 1103515245u + 12345u;
        const int jy = static_cast<int>((seed_ >> 16) % 7) - 3;
        return {jx, jy};
    }

    // The rest before a press: the pointer wobbles by a pixel on the spot.
    void RestBeforePress() {
        const int n = pressSlots < static_cast<int>(rests_.beforePress.size()) ? rests_.beforePress[pressSlots] : 0;
        ++pressSlots;
        const Point here = pointer_;
        for (int i = 0; i < n; ++i) PointerAt(i % 2 == 0 ? Point{here.x + 1, here.y} : here);
        pointer_ = here;
    }

    // The rest over a tool bar button before it is clicked.
    void RestBeforeTool() {
        const int n = toolSlots < static_cast<int>(rests_.beforeTool.size()) ? rests_.beforeTool[toolSlots] : 0;
        ++toolSlots;
        for (int i = 0; i < n; ++i) PointerAt(pointer_);
    }

    Point pointer() const { return pointer_; }

private:
    unsigned seed_;
    const Rests& rests_;
    Point pointer_{};
};

Point NodePixel(Node n, Point offset) { return {n.x * kPitch + offset.x, n.y * kPitch + offset.y}; }

// The opening of clip 1: the pointer leaves the middle of the surface for
// the tool bar, slowly at first.
void ClipOneOpening(Recorder& r) {
    const Point from{289, 211}, to{122, 146};
    for (int k = 0; k <= 12; ++k) {
        const double f = std::pow(k / 12.0, 1.7);
        r.Emit(vorn::kClipMove, static_cast<int>(std::lround(from.x + (to.x - from.x) * f)),
               static_cast<int>(std::lround(from.y + (to.y - from.y) * f)));
    }
    for (Point p : {Point{98, 139}, Point{67, 130}, Point{41, 125}, Point{22, 125}})
        r.Emit(vorn::kClipPointerSample, p.x, p.y);
    r.SetPointer({22 - vorn::kClipSurfaceLeft, 125 - vorn::kClipSurfaceTop});
}

std::vector<ClipEvent> Record(const Plan& plan, Pace pace, const Rests& rests, int* pressSlots = nullptr,
                              int* toolSlots = nullptr) {
    Recorder r(plan.seed, rests);
    if (plan.number == 1)
        ClipOneOpening(r);
    else
        r.StartAt({kSurfaceWidth / 2 - 50, kSurfaceHeight / 2 - 40});

    for (const Action& a : plan.actions) {
        switch (a.kind) {
        case ActionKind::Tool: {
            const Point j = r.Jitter();
            const Point button = ToolButton(a.tool);
            r.TravelTo({button.x + 3 * j.x, button.y + 2 * j.y}, pace.travel);
            r.RestBeforeTool();
            r.Emit(-a.tool, -a.tool, -a.tool);
            break;
        }
        case ActionKind::Run:
            if (a.runAt) r.TravelTo(*a.runAt, pace.travel);
            r.Emit(vorn::kClipRun, vorn::kClipRun, vorn::kClipRun);
            r.PointerAt(r.pointer());
            break;
        case ActionKind::Click: {
            const Point p = NodePixel(a.nodes.front(), r.Jitter());
            r.TravelTo(p, pace.travel);
            r.RestBeforePress();
            r.Emit(vorn::kClipLeftPress, p.x, p.y);
            if (a.releaseAt) {
                r.TravelTo({0, 0}, pace.travel);
                r.Emit(vorn::kClipLeftRelease, a.releaseAt->x, a.releaseAt->y);
                r.SetPointer(*a.releaseAt);
            } else {
                r.Emit(vorn::kClipLeftRelease, p.x, p.y);
            }
            break;
        }
        case ActionKind::Stroke: {
            const Point offset = r.Jitter();
            const Point start = NodePixel(a.nodes.front(), offset);
            r.TravelTo(start, pace.travel);
            r.RestBeforePress();
            r.Emit(vorn::kClipLeftPress, start.x, start.y);
            for (std::size_t i = 1; i < a.nodes.size(); ++i) r.TravelTo(NodePixel(a.nodes[i], offset), pace.drag);
            const Point end = r.pointer();
            r.Emit(vorn::kClipLeftRelease, end.x, end.y);
            break;
        }
        }
    }
    if (pressSlots) *pressSlots = r.pressSlots;
    if (toolSlots) *toolSlots = r.toolSlots;
    return r.events;
}

// ---- checks --------------------------------------------------------------------

int CountCode(const std::vector<ClipEvent>& events, std::int32_t code) {
    int n = 0;
    for (const ClipEvent& e : events) n += e.code == code;
    return n;
}

// The order of tool choices and Run commands with the presses between them,
// written as in the plans.
std::string Structure(const std::vector<ClipEvent>& events) {
    std::string out;
    int presses = 0;
    bool any = false;
    auto close = [&] {
        if (any && presses > 0) out += " " + std::to_string(presses);
        presses = 0;
    };
    for (const ClipEvent& e : events) {
        if (e.code == vorn::kClipLeftPress) ++presses;
        const bool tool = vorn::ClipToolOf(e.code) != 0;
        if (!tool && e.code != vorn::kClipRun) continue;
        close();
        if (any) out += ", ";
        out += tool ? ToolName(vorn::ClipToolOf(e.code)) : "Run";
        any = true;
    }
    close();
    return out;
}

[[noreturn]] void Fail(const Plan& plan, const std::string& what) {
    std::fprintf(stderr, "clip %d: %s\n", plan.number, what.c_str());
    std::exit(1);
}

// The share of pointer samples among the pointer events, as in clip 1.
constexpr int kClipOneMoves = 1311;
constexpr int kClipOneSamples = 356;

std::vector<ClipEvent> MakeClip(const Plan& plan) {
    // Fixed events: presses, releases, tool choices and Run commands.
    const std::vector<ClipEvent> bare = Record(plan, {}, {});
    const int fixed = static_cast<int>(bare.size()) - CountCode(bare, vorn::kClipMove) -
                      CountCode(bare, vorn::kClipPointerSample);
    const int free = plan.eventCount - fixed;
    const int samples =
        plan.number == 1 ? kClipOneSamples
                         : static_cast<int>(std::lround(free * double(kClipOneSamples) / (kClipOneMoves + kClipOneSamples)));
    const int moves = free - samples;

    // The slowest pace whose events still fit, then rests for the rest.
    for (int drag = 3; drag <= 24; ++drag) {
        for (int travel = 2 * drag; travel <= 4 * drag; ++travel) {
            int pressSlots = 0, toolSlots = 0;
            const std::vector<ClipEvent> natural = Record(plan, {travel, drag}, {}, &pressSlots, &toolSlots);
            const int extraMoves = moves - CountCode(natural, vorn::kClipMove);
            const int extraSamples = samples - CountCode(natural, vorn::kClipPointerSample);
            if (extraMoves < 0 || extraSamples < 0) continue;
            Rests rests;
            for (int i = 0; i < pressSlots; ++i)
                rests.beforePress.push_back((i + 1) * extraMoves / pressSlots - i * extraMoves / pressSlots);
            for (int i = 0; i < toolSlots; ++i)
                rests.beforeTool.push_back((i + 1) * extraSamples / toolSlots - i * extraSamples / toolSlots);
            std::vector<ClipEvent> events = Record(plan, {travel, drag}, rests);
            if (static_cast<int>(events.size()) != plan.eventCount) Fail(plan, "event count");
            if (CountCode(events, vorn::kClipMove) != moves || CountCode(events, vorn::kClipPointerSample) != samples)
                Fail(plan, "moves and samples");
            if (Structure(events) != plan.structure) Fail(plan, "structure: " + Structure(events));
            if (CountCode(events, vorn::kClipLeftPress) != CountCode(events, vorn::kClipLeftRelease))
                Fail(plan, "presses and releases differ");
            std::fprintf(stderr, "clip %d: %d events; %d px per move, %d px per drag move; rests: %d moves, %d samples\n",
                         plan.number, plan.eventCount, travel, drag, extraMoves, extraSamples);
            return events;
        }
    }
    Fail(plan, "no pace fits the event count");
}

void Print(const std::vector<std::vector<ClipEvent>>& clips) {
    std::printf(
        "// The built-in demonstration clips. Written by tools/clipgen from the\n"
        "// plans there; change the plans and run the program instead of editing\n"
        "// this file.\n"
        "#include <array>\n\n"
        "#include \"clipscripts.h\"\n\n"
        "namespace vorn::clipdata {\n");
    for (std::size_t c = 0; c < clips.size(); ++c) {
        std::printf("\nconst std::array<ClipEvent, %zu> kClip%zu = {{\n", clips[c].size(), c + 1);
        for (std::size_t i = 0; i < clips[c].size(); ++i) {
            const ClipEvent& e = clips[c][i];
            std::printf("%s{%d, %d, %d},%s", i % 6 == 0 ? "    " : "", e.code, e.x, e.y,
                        i % 6 == 5 || i + 1 == clips[c].size() ? "\n" : " ");
        }
        std::printf("}};\n");
    }
    std::printf(
        "\nClipScript Clip(int number) {\n"
        "    switch (number) {\n");
    for (std::size_t c = 0; c < clips.size(); ++c) std::printf("    case %zu: return kClip%zu;\n", c + 1, c + 1);
    std::printf(
        "    default: return {};\n"
        "    }\n"
        "}\n\n"
        "}  // namespace vorn::clipdata\n");
}

}  // namespace

int main() {
    std::vector<std::vector<ClipEvent>> clips;
    for (const Plan& plan : {ClipOne(), ClipTwo(), ClipThree(), ClipFour()}) clips.push_back(MakeClip(plan));
    Print(clips);
    return 0;
}
