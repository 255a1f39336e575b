// The circuit picture pixel by pixel: grid dots, wires, solder dots,
// crossings, every element glyph at zoom 1, 2 and 3, signal colours, the
// drawn range, and views at and beyond the edges of the stored grid.
#include <QImage>
#include <QtTest>

#include <array>
#include <memory>
#include <utility>

#include "circuitrenderer.h"
#include "signals.h"

using namespace vorn;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kWire = qRgb(0, 0, 128);
const QRgb kZero = qRgb(32, 188, 255);
const QRgb kOne = qRgb(255, 0, 0);
const QRgb kLit = CircuitColors().lit.rgb();

// A grid with room on both sides that reads as lamps carrying "1": a read
// outside the stored array would draw something where only dots belong.
struct GuardedGrid {
    static constexpr std::size_t kSlack = 200 * kGridSide;
    std::array<std::int32_t, kSlack> before;
    NodeGrid grid;
    std::array<std::int32_t, kSlack> after;
    explicit GuardedGrid(std::int32_t poison) {
        before.fill(poison);
        after.fill(poison);
    }
};

class Scene {
public:
    SignalGrid& signalGrid() { return signals_->grid; }
    void Put(int x, int y, std::int32_t code, std::int32_t signal = NoSignal) {
        cells_->grid.at(x, y) = code;
        signals_->grid.at(x, y) = signal;
    }
    // A gate anchored at (x, y) with the signals of its inputs and output.
    void PutGate(int x, int y, std::int32_t anchor, std::int32_t upper = 0, std::int32_t lower = 0,
                 std::int32_t output = 0) {
        Put(x, y - 1, GateInput, upper);
        Put(x, y, anchor);
        Put(x, y + 1, GateInput, lower);
        Put(x + 1, y - 1, GateCorner);
        Put(x + 1, y, GateOutput, output);
        Put(x + 1, y + 1, GateCorner);
    }
    QImage Render(int width, int height, int zoom, bool run = true, int originX = 0, int originY = 0) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));  // anything not painted would show
        RenderCircuit(image, cells_->grid, signals_->grid, CircuitView{zoom, originX, originY, run}, colours);
        return image;
    }
    CircuitColors colours{QColor(kWire), QColor(kZero), QColor(kOne)};

private:
    std::unique_ptr<GuardedGrid> cells_ = std::make_unique<GuardedGrid>(Lamp);
    std::unique_ptr<GuardedGrid> signals_ = std::make_unique<GuardedGrid>(Signal1);
};

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

QSet<QRgb> Colors(const QImage& image, const QRect& region) {
    QSet<QRgb> colors;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) colors.insert(At(image, x, y));
    return colors;
}

// Whether every pixel from (x0, y0) to (x1, y1), ends included, has the colour.
bool All(const QImage& image, int x0, int y0, int x1, int y1, QRgb color) {
    return Colors(image, QRect(QPoint(x0, y0), QPoint(x1, y1))) == QSet<QRgb>{color};
}

// Bounding box of the pixels of a colour inside region (null if none),
// leaving out one row and one column (leads through the middle of a shape).
QRect Extent(const QImage& image, const QRect& region, QRgb color, int skipRow = -1, int skipColumn = -1) {
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (y != skipRow && x != skipColumn && At(image, x, y) == color) box |= QRect(x, y, 1, 1);
    return box;
}

// The rectangle (12 i + a0) z .. (12 i + a1) z - 1, likewise for j.
QRect Box(int i, int a0, int a1, int j, int b0, int b1, int z) {
    return QRect(QPoint((12 * i + a0) * z, (12 * j + b0) * z), QPoint((12 * i + a1) * z - 1, (12 * j + b1) * z - 1));
}

// Checks the one-pixel outline of box in color; with alsoRight false, the
// right edge is not checked (something may be drawn over it).
bool Outline(const QImage& image, const QRect& r, QRgb color, bool alsoRight = true) {
    return All(image, r.left(), r.top(), r.right(), r.top(), color) &&
           All(image, r.left(), r.bottom(), r.right(), r.bottom(), color) &&
           All(image, r.left(), r.top(), r.left(), r.bottom(), color) &&
           (!alsoRight || All(image, r.right(), r.top(), r.right(), r.bottom(), color));
}

// Where the label's ink lies inside its rectangle.
QImage Ink(const QImage& image, const QRect& label, QRgb color) { return image.copy(label).createMaskFromColor(color); }

void ZoomRows() {
    QTest::addColumn<int>("z");
    for (int z = 1; z <= 3; ++z) QTest::addRow("z=%d", z) << z;
}

}  // namespace

class CircuitRendererTest : public QObject {
    Q_OBJECT

private slots:
    void gridDotsAndUnknownCodes_data() { ZoomRows(); }
    // Every empty node is one wire-coloured pixel at its centre; codes
    // outside the table (9 from a file, 55) draw nothing, not even the dot.
    void gridDotsAndUnknownCodes() {
        QFETCH(int, z);
        Scene scene;
        scene.Put(2, 1, 9, Signal1);
        scene.Put(3, 2, 55);
        const QImage image = scene.Render(100, 80, z);
        const int p = 12 * z;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool centre = x % p == 0 && y % p == 0;
                const bool unknown = (x == 2 * p && y == p) || (x == 3 * p && y == 2 * p);
                QCOMPARE(At(image, x, y), centre && !unknown ? kWire : kWhite);
            }
    }

    void wires_data() { ZoomRows(); }
    // East segments end before the next node, a lone south segment covers
    // the next node's dot, a corner's south segment stops short; each takes
    // its own node's signal colour, a dot always the wire colour. A
    // crossing's west-east line shows the west neighbour's "1", its
    // north-south line the north neighbour's "0", not its own signal.
    // Solder dots have a size of their own at each zoom.
    void wires() {
        QFETCH(int, z);
        const int offset[] = {-2, -2, -3}, size[] = {5, 6, 9};  // of the dot's box from the centre, by zoom
        const std::int32_t junctions[] = {JunctionE, JunctionS, JunctionES};
        Scene scene;
        for (int k = 0; k < 3; ++k) scene.Put(2 + 3 * k, 5, junctions[k], Signal1);
        scene.Put(1, 1, WireE, Signal1);
        scene.Put(2, 1, 9);
        scene.Put(4, 1, WireS, Signal0);
        scene.Put(6, 1, WireES);
        scene.Put(7, 1, 9);
        scene.Put(6, 2, 9);
        scene.signalGrid().at(3, 3) = Signal1;  // an empty node's dot ignores any signal
        // Drawn after the dot east of it, a segment's end lies over the dot.
        scene.Put(1, 3, WireE, Signal0);
        scene.Put(2, 3, JunctionE, Signal1);
        scene.Put(11, 3, Crossing);
        scene.Put(10, 3, WireE, Signal1);
        scene.Put(11, 2, WireS, Signal0);
        scene.Put(12, 3, 9);
        scene.Put(11, 4, 9);
        const int p = 12 * z;
        const QImage image = scene.Render(13 * p, 6 * p, z);
        QVERIFY(All(image, p, p, 2 * p - 1, p, kOne));
        QCOMPARE(At(image, 2 * p, p), kWhite);
        QVERIFY(All(image, p, p - 1, 2 * p - 1, p - 1, kWhite) && All(image, p, p + 1, 2 * p - 1, p + 1, kWhite));
        QVERIFY(All(image, 4 * p, p, 4 * p, 2 * p, kZero));
        QCOMPARE(At(image, 4 * p, 2 * p + 1), kWhite);
        QVERIFY(All(image, 6 * p, p, 7 * p - 1, p, kWire) && All(image, 6 * p, p, 6 * p, 2 * p - 1, kWire));
        QCOMPARE(At(image, 7 * p, p), kWhite);
        QCOMPARE(At(image, 6 * p, 2 * p), kWhite);
        QCOMPARE(At(image, 3 * p, 3 * p), kWire);
        QCOMPARE(At(image, 2 * p - 1, 3 * p), kZero);
        QCOMPARE(At(image, 2 * p + 1, 3 * p), kOne);

        QVERIFY(All(image, 10 * p, 3 * p, 11 * p - 1, 3 * p, kOne));
        QVERIFY(All(image, 11 * p + 1, 3 * p, 12 * p - 1, 3 * p, kOne));
        QVERIFY(All(image, 11 * p, 2 * p, 11 * p, 4 * p - 1, kZero));
        QCOMPARE(At(image, 12 * p, 3 * p), kWhite);
        QCOMPARE(At(image, 11 * p, 4 * p), kWhite);

        for (int k = 0; k < 3; ++k) {
            const int cx = (2 + 3 * k) * p, cy = 5 * p, o = offset[z - 1];
            const QRect near(cx - p / 2, cy - p / 2, p, p);
            // Measured off the rows and columns the segments run along.
            QCOMPARE(Extent(image, near, kOne, cy, cx), QRect(cx + o, cy + o, size[z - 1], size[z - 1]));
            QCOMPARE(Colors(image, near), (QSet<QRgb>{kOne, kWhite}));
            QCOMPARE(At(image, cx + p / 2, cy) == kOne, junctions[k] != JunctionS);
            QCOMPARE(At(image, cx, cy + p / 2) == kOne, junctions[k] != JunctionE);
        }
    }

    void elementGlyphs_data() {
        QTest::addColumn<int>("z");
        QTest::addColumn<bool>("fill");
        for (int z = 1; z <= 3; ++z)
            for (bool fill : {false, true}) QTest::addRow("z=%d%s", z, fill ? ", lit lamp filled" : "") << z << fill;
    }
    void elementGlyphs() {
        QFETCH(int, z);
        QFETCH(bool, fill);
        Scene scene;
        scene.colours.fillLitLamps = fill;
        scene.Put(2, 2, SourceOff, Signal0);
        scene.Put(6, 2, SourceOn, Signal1);
        scene.Put(10, 2, Lamp, Signal1);
        scene.Put(14, 2, Inverter, Signal1);
        // Inputs "0" above and "1" below, output "1", the anchor without signal.
        scene.PutGate(3, 6, ConjunctorAnchor, Signal0, Signal1, Signal1);
        scene.PutGate(8, 6, DisjunctorAnchor, Signal0, Signal1, Signal1);
        const int p = 12 * z, cy = 2 * p;
        const QImage image = scene.Render(16 * p, 9 * p, z);

        QImage labels[4];
        for (int k = 0; k < 2; ++k) {  // sources
            const int i = 2 + 4 * k, cx = i * p;
            const QRgb color = k ? kOne : kZero;
            const QRect box = Box(i, -5, 5, 2, -5, 5, z);
            QVERIFY(Outline(image, box, color));
            QVERIFY(All(image, box.left(), box.top() - 1, cx - 1, box.top() - 1, kWhite));
            // Leads: one node each way, drawn from north to south and from
            // east to west, so they cover the north and east dots but stop
            // short of the south and west ones.
            QVERIFY(All(image, cx, p, cx, box.top() - 1, color));
            QVERIFY(All(image, cx, box.bottom() + 1, cx, 3 * p - 1, color));
            QCOMPARE(At(image, cx, 3 * p), kWire);
            QVERIFY(All(image, cx - p + 1, cy, box.left() - 1, cy, color));
            QVERIFY(All(image, box.right() + 1, cy, cx + p, cy, color));
            QCOMPARE(At(image, cx - p, cy), kWire);
            // Inside the box: white, apart from the label's ink inside its own
            // rectangle, which starts 2 z pixels into it.
            const QRect label = Box(i, -4, 4, 2, -4, 4, z), inner = box.adjusted(1, 1, -1, -1);
            QCOMPARE(Extent(image, inner, color), Extent(image, label.adjusted(2 * z, 0, 0, 0), color));
            QVERIFY(!Extent(image, inner, color).isNull());
            QCOMPARE(Colors(image, inner), (QSet<QRgb>{color, kWhite}));
            QVERIFY(Extent(image, label, color).height() >= 6);  // a font of 9 pixels or more, legible at 50 %
            labels[k] = Ink(image, label, color);
        }

        {  // the lamp: the lead, from the west node's centre to just before the east one's,
           // is covered by the circle (white, or filled when lit) except where the cross meets it
            const int cx = 10 * p;
            QCOMPARE(Extent(image, Box(10, -6, 6, 2, -6, 6, z), kOne, cy), Box(10, -4, 4, 2, -4, 4, z));
            QVERIFY(All(image, 9 * p, cy, cx - 4 * z - 1, cy, kOne));
            QVERIFY(All(image, cx + 4 * z, cy, 11 * p - 1, cy, kOne));
            QCOMPARE(At(image, 11 * p, cy), kWire);
            QCOMPARE(At(image, cx - 2 * z, cy), fill ? kLit : kWhite);
            QCOMPARE(At(image, cx + 2 * z, cy), fill ? kLit : kWhite);
            for (int k = 0; k < 6 * z; ++k) {
                QCOMPARE(At(image, cx - 3 * z + k, cy - 3 * z + k), kOne);
                QCOMPARE(At(image, cx - 3 * z + k, cy + 3 * z - k), kOne);
            }
            QCOMPARE(At(image, cx + 3 * z, cy + 3 * z), kWhite);
            QCOMPARE(At(image, cx + 3 * z, cy - 3 * z), kWhite);
        }

        {  // the inverter with output "1": the input lead and the box show the
           // input's "0", the output lead and the bubble the output's "1"
            const int cx = 14 * p;
            const QRect box = Box(14, -5, 5, 2, -5, 5, z), bubble = Box(14, 3, 7, 2, -2, 2, z);
            QVERIFY(Outline(image, box, kZero, false));
            QVERIFY(All(image, box.right(), box.top(), box.right(), bubble.top() - 1, kZero));
            QCOMPARE(Extent(image, box.adjusted(0, 1, 3 * z, -1), kOne, cy), bubble);
            QVERIFY(All(image, 13 * p + 1, cy, box.left() - 1, cy, kZero));
            QCOMPARE(At(image, 13 * p, cy), kWire);
            QVERIFY(All(image, bubble.right() + 1, cy, 15 * p - 1, cy, kOne));
            QCOMPARE(At(image, 15 * p, cy), kWire);
            QCOMPARE(At(image, cx - 2 * z, cy), kWhite);           // the box covers the input lead
            if (z > 1) QCOMPARE(At(image, cx + 5 * z, cy), kWhite);  // the bubble covers the output lead
        }

        for (int k = 0; k < 2; ++k) {  // gates: the box over the whole block and its label show the output
            const int i = 3 + 5 * k;
            const QRect box = Box(i, -5, 12 + 5, 5, -5, 24 + 5, z);
            QVERIFY(Outline(image, box, kOne));
            const QRect inner = box.adjusted(1, 1, -1, -1), label = Box(i, -4, 4, 6, -4, 4, z);
            QCOMPARE(Extent(image, inner, kOne), Extent(image, label, kOne));
            QCOMPARE(Colors(image, inner), (QSet<QRgb>{kOne, kWhite}));
            QVERIFY(All(image, (i - 1) * p, 5 * p, box.left() - 1, 5 * p, kZero));
            QVERIFY(All(image, (i - 1) * p, 7 * p, box.left() - 1, 7 * p, kOne));
            QVERIFY(All(image, box.right() + 1, 6 * p, (i + 2) * p - 1, 6 * p, kOne));
            QCOMPARE(At(image, (i + 2) * p, 6 * p), kWire);
            labels[2 + k] = Ink(image, label, kOne);
        }
        QVERIFY(labels[0] != labels[1]);  // "0" and "1"
        QVERIFY(labels[2] != labels[3]);  // "&" and "1"
    }

    void thickOnesAndUnlitLamps_data() { ZoomRows(); }
    // Thick wires and leads carrying "1" get a twin row below (level) or
    // column right (upright); "0" stays thin, a lamp with "0" unfilled.
    void thickOnesAndUnlitLamps() {
        QFETCH(int, z);
        Scene scene;
        scene.Put(3, 2, WireE, Signal1);
        scene.Put(4, 2, Lamp, Signal1);
        scene.Put(3, 4, WireS, Signal1);
        scene.Put(3, 6, WireE, Signal0);
        scene.Put(6, 6, Lamp, Signal0);
        const int p = 12 * z;
        for (bool thick : {false, true}) {
            scene.colours.thickOnes = thick;
            const QImage image = scene.Render(8 * p, 8 * p, z);
            const QRgb twin = thick ? kOne : kWhite;
            QVERIFY(All(image, 3 * p, 2 * p + 1, 4 * p - 4 * z - 1, 2 * p + 1, twin));
            QVERIFY(All(image, 4 * p + 4 * z + 1, 2 * p + 1, 5 * p - 1, 2 * p + 1, twin));  // the lamp's lead
            QVERIFY(All(image, 3 * p + 1, 4 * p, 3 * p + 1, 5 * p - 1, twin));
            QVERIFY(All(image, 3 * p, 2 * p - 1, 4 * p - 4 * z - 1, 2 * p - 1, kWhite));
            QVERIFY(All(image, 3 * p, 6 * p + 1, 4 * p - 1, 6 * p + 1, kWhite));
            QCOMPARE(At(image, 4 * p - 2 * z + 1, 2 * p - 2 * z), kLit);  // the lamp's cross stays thin
            QCOMPARE(At(image, 6 * p - 2 * z, 6 * p), kWhite);
        }
    }

    void bodiesLieOverLaterLeads() {
        Scene scene;
        scene.Put(2, 2, SourceOff, Signal0);
        scene.Put(3, 2, Lamp, Signal1);  // its lead reaches back into the source's box
        const QImage image = scene.Render(120, 120, 2);
        const QRect box = Box(2, -5, 5, 2, -5, 5, 2);
        QVERIFY(!Colors(image, box).contains(kOne));
        QVERIFY(Outline(image, box, kZero));
    }

    void runModeOffDrawsOnlyTheWireColour() {
        Scene scene;
        const std::int32_t codes[] = {WireE, WireS, WireES, Crossing, JunctionE, JunctionS, JunctionES,
                                      SourceOff, SourceOn, Lamp, Inverter};
        for (int k = 0; k < 11; ++k) scene.Put(1 + 2 * k, 1, codes[k]);
        scene.PutGate(3, 4, ConjunctorAnchor);
        scene.PutGate(7, 4, DisjunctorAnchor);
        for (int x = 0; x < 30; ++x)
            for (int y = 0; y < 10; ++y) scene.signalGrid().at(x, y) = (x + y) % 2 ? Signal1 : Signal0;
        QCOMPARE(Colors(scene.Render(300, 100, 1, false), QRect(0, 0, 300, 100)), (QSet<QRgb>{kWhite, kWire}));
        QCOMPARE(Colors(scene.Render(300, 100, 1, true), QRect(0, 0, 300, 100)),
                 (QSet<QRgb>{kWhite, kWire, kZero, kOne}));
    }

    // 1211 pixels at zoom 1 show nodes 0..101: gates anchored on node 101
    // are drawn (their boxes reach into the picture), a gate anchored on
    // row 102 is not, though the top of its box would show. A full-screen
    // view shows 107 x 86 nodes: elements beyond column 100 are drawn, also
    // when scrolled to the field's far corner, where a gate's right column
    // lies at 256 and its lead ends at 257.
    void drawnRange() {
        Scene edge;
        edge.PutGate(5, 101, ConjunctorAnchor);
        edge.PutGate(101, 5, DisjunctorAnchor);
        edge.PutGate(20, 102, ConjunctorAnchor);
        const QImage image = edge.Render(1211, 1211, 1, false);
        QVERIFY(All(image, 55, 1195, 76, 1195, kWire));
        QVERIFY(All(image, 1207, 55, 1207, 76, kWire));
        QCOMPARE(Colors(image, QRect(QPoint(230, 1201), QPoint(260, 1210))), QSet<QRgb>{kWhite});

        Scene wide;
        wide.Put(104, 10, Lamp);
        wide.Put(255, 255, Lamp);
        wide.PutGate(255, 200, ConjunctorAnchor);
        const QImage home = wide.Render(1280, 1024, 1, false);
        QCOMPARE(Extent(home, Box(104, -6, 6, 10, -6, 6, 1), kWire, 120), Box(104, -4, 4, 10, -4, 4, 1));
        const QImage corner = wide.Render(1280, 1024, 1, false, 150, 171);
        QCOMPARE(Extent(corner, Box(105, -6, 6, 84, -6, 6, 1), kWire, 1008), Box(105, -4, 4, 84, -4, 4, 1));
        QVERIFY(Outline(corner, Box(105, -5, 17, 28, -5, 29, 1), kWire));
        QVERIFY(All(corner, 1277, 29 * 12, 1279, 29 * 12, kWire));
    }

    // Nodes outside the stored array are empty: a dot each, nothing else,
    // and nothing read from beyond the array; past the far corner the first
    // node offset outside the array is 8, before the origin 0.
    void viewsBeyondTheStoredGrid() {
        for (const auto& [origin, firstOutside] : {std::pair(250, 8), std::pair(-150, 0)}) {
            const QImage image = Scene().Render(1280, 1024, 1, true, origin, origin);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    if (x < firstOutside * 12 - 6 && y < firstOutside * 12 - 6) continue;
                    QCOMPARE(At(image, x, y), x % 12 == 0 && y % 12 == 0 ? kWire : kWhite);
                }
        }
    }
};

QTEST_MAIN(CircuitRendererTest)
#include "circuitrenderer_test.moc"
