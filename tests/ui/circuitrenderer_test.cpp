// The circuit picture pixel by pixel: grid dots, wires, solder dots,
// crossings, every element glyph at zoom 1, 2 and 3, signal colours, the
// drawn range, and views at and beyond the edges of the stored grid.
#include <QImage>
#include <QtTest>

#include <array>
#include <memory>

#include "circuitrenderer.h"
#include "signals.h"

using namespace vorn;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kWire = qRgb(0, 0, 128);
const QRgb kZero = qRgb(32, 188, 255);
const QRgb kOne = qRgb(255, 0, 0);

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
    Scene() : cells_(std::make_unique<GuardedGrid>(Lamp)), signals_(std::make_unique<GuardedGrid>(Signal1)) {}

    CellGrid& cells() { return cells_->grid; }
    SignalGrid& signalGrid() { return signals_->grid; }
    void Put(int x, int y, std::int32_t code, std::int32_t signal = NoSignal) {
        cells().at(x, y) = code;
        signalGrid().at(x, y) = signal;
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
        RenderCircuit(image, cells(), signalGrid(), CircuitView{zoom, originX, originY, run},
                      CircuitColors{QColor(kWire), QColor(kZero), QColor(kOne)});
        return image;
    }

private:
    std::unique_ptr<GuardedGrid> cells_, signals_;
};

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

// Whether every pixel of the span (ends included) has the colour.
bool Row(const QImage& image, int x0, int x1, int y, QRgb color) {
    for (int x = x0; x <= x1; ++x)
        if (At(image, x, y) != color) return false;
    return true;
}
bool Column(const QImage& image, int x, int y0, int y1, QRgb color) {
    for (int y = y0; y <= y1; ++y)
        if (At(image, x, y) != color) return false;
    return true;
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

QSet<QRgb> Colors(const QImage& image, const QRect& region) {
    QSet<QRgb> colors;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) colors.insert(At(image, x, y));
    return colors;
}

// The rectangle (12 i + a0) z .. (12 i + a1) z - 1, likewise for j.
QRect Box(int i, int a0, int a1, int j, int b0, int b1, int z) {
    return QRect(QPoint((12 * i + a0) * z, (12 * j + b0) * z), QPoint((12 * i + a1) * z - 1, (12 * j + b1) * z - 1));
}

// Checks the one-pixel outline of box in color; with alsoRight false, the
// right edge is not checked (something may be drawn over it).
bool Outline(const QImage& image, const QRect& box, QRgb color, bool alsoRight = true) {
    return Row(image, box.left(), box.right(), box.top(), color) &&
           Row(image, box.left(), box.right(), box.bottom(), color) &&
           Column(image, box.left(), box.top(), box.bottom(), color) &&
           (!alsoRight || Column(image, box.right(), box.top(), box.bottom(), color));
}

// The label's ink inside its rectangle, row by row.
QString Ink(const QImage& image, const QRect& labelRect, QRgb color) {
    QString pattern;
    for (int y = labelRect.top(); y <= labelRect.bottom(); ++y) {
        for (int x = labelRect.left(); x <= labelRect.right(); ++x) pattern += At(image, x, y) == color ? '#' : '.';
        pattern += '\n';
    }
    return pattern;
}

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
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int p = 12 * z;
                const bool centre = x % p == 0 && y % p == 0;
                const bool unknown = (x == 2 * p && y == p) || (x == 3 * p && y == 2 * p);
                QCOMPARE(At(image, x, y), centre && !unknown ? kWire : kWhite);
            }
    }

    void wireSegments_data() { ZoomRows(); }
    // East segments end before the next node, a lone south segment covers
    // the next node's dot, a corner's south segment stops short; each takes
    // its own node's signal colour, a dot always the wire colour.
    void wireSegments() {
        QFETCH(int, z);
        Scene scene;
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
        const int p = 12 * z;
        const QImage image = scene.Render(8 * p, 4 * p, z);
        QVERIFY(Row(image, p, 2 * p - 1, p, kOne));
        QCOMPARE(At(image, 2 * p, p), kWhite);
        QVERIFY(Row(image, p, 2 * p - 1, p - 1, kWhite) && Row(image, p, 2 * p - 1, p + 1, kWhite));
        QVERIFY(Column(image, 4 * p, p, 2 * p, kZero));
        QCOMPARE(At(image, 4 * p, 2 * p + 1), kWhite);
        QVERIFY(Row(image, 6 * p, 7 * p - 1, p, kWire) && Column(image, 6 * p, p, 2 * p - 1, kWire));
        QCOMPARE(At(image, 7 * p, p), kWhite);
        QCOMPARE(At(image, 6 * p, 2 * p), kWhite);
        QCOMPARE(At(image, 3 * p, 3 * p), kWire);
        QCOMPARE(At(image, 2 * p - 1, 3 * p), kZero);
        QCOMPARE(At(image, 2 * p + 1, 3 * p), kOne);
    }

    void solderDots_data() {
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("offset");  // of the dot's left and top edge from the centre
        QTest::addColumn<int>("size");
        QTest::newRow("z=1") << 1 << -2 << 5;
        QTest::newRow("z=2") << 2 << -2 << 6;
        QTest::newRow("z=3") << 3 << -3 << 9;
    }
    void solderDots() {
        QFETCH(int, z);
        QFETCH(int, offset);
        QFETCH(int, size);
        Scene scene;
        const std::int32_t codes[] = {JunctionE, JunctionS, JunctionES};
        for (int k = 0; k < 3; ++k) {
            const int x = 2 + 3 * k;
            scene.Put(x, 2, codes[k], Signal1);
        }
        const int p = 12 * z, cy = 2 * p;
        for (bool run : {true, false}) {
            const QImage image = scene.Render(9 * p, 3 * p, z, run);
            const QRgb color = run ? kOne : kWire;
            for (int k = 0; k < 3; ++k) {
                const int cx = (2 + 3 * k) * p;
                const QRect near(cx - p / 2, cy - p / 2, p, p);
                // Measured off the rows and columns the segments run along.
                const QRect dot = Extent(image, near, color, cy, cx);
                QCOMPARE(dot, QRect(cx + offset, cy + offset, size, size));
                QCOMPARE(Colors(image, near), (QSet<QRgb>{color, kWhite}));
                QCOMPARE(At(image, cx + p / 2, cy) == color, codes[k] != JunctionS);
                QCOMPARE(At(image, cx, cy + p / 2) == color, codes[k] != JunctionE);
            }
        }
    }

    void crossing_data() { ZoomRows(); }
    // The west-east line shows the west neighbour's "1", the north-south
    // line the north neighbour's "0", not the crossing's own signal.
    void crossing() {
        QFETCH(int, z);
        Scene scene;
        scene.Put(3, 3, Crossing);
        scene.Put(2, 3, WireE, Signal1);
        scene.Put(3, 2, WireS, Signal0);
        scene.Put(4, 3, 9);
        scene.Put(3, 4, 9);
        const int p = 12 * z;
        const QImage image = scene.Render(5 * p, 5 * p, z);
        QVERIFY(Row(image, 2 * p, 3 * p - 1, 3 * p, kOne));
        QVERIFY(Row(image, 3 * p + 1, 4 * p - 1, 3 * p, kOne));
        QVERIFY(Column(image, 3 * p, 2 * p, 4 * p - 1, kZero));
        QCOMPARE(At(image, 4 * p, 3 * p), kWhite);
        QCOMPARE(At(image, 3 * p, 4 * p), kWhite);
    }

    void sources_data() { ZoomRows(); }
    void sources() {
        QFETCH(int, z);
        Scene scene;
        scene.Put(2, 2, SourceOff, Signal0);
        scene.Put(6, 2, SourceOn, Signal1);
        const int p = 12 * z;
        const QImage image = scene.Render(8 * p, 4 * p, z);
        QString labels[2];
        for (int k = 0; k < 2; ++k) {
            const int i = 2 + 4 * k, cx = i * p, cy = 2 * p;
            const QRgb color = k ? kOne : kZero;
            const QRect box = Box(i, -5, 5, 2, -5, 5, z);
            QVERIFY(Outline(image, box, color));
            QVERIFY(Row(image, box.left(), cx - 1, box.top() - 1, kWhite));
            // Leads: one node each way, drawn from north to south and from
            // east to west, so they cover the north and east dots but stop
            // short of the south and west ones.
            QVERIFY(Column(image, cx, p, box.top() - 1, color));
            QVERIFY(Column(image, cx, box.bottom() + 1, 3 * p - 1, color));
            QCOMPARE(At(image, cx, 3 * p), kWire);
            QVERIFY(Row(image, cx - p + 1, box.left() - 1, cy, color));
            QVERIFY(Row(image, box.right() + 1, cx + p, cy, color));
            QCOMPARE(At(image, cx - p, cy), kWire);
            // Inside the box: white, apart from the label's ink inside its own
            // rectangle, which starts 2 z pixels into it.
            const QRect label = Box(i, -4, 4, 2, -4, 4, z);
            const QRect inner = box.adjusted(1, 1, -1, -1);
            QCOMPARE(Extent(image, inner, color), Extent(image, label.adjusted(2 * z, 0, 0, 0), color));
            QVERIFY(!Extent(image, inner, color).isNull());
            QCOMPARE(Colors(image, inner), (QSet<QRgb>{color, kWhite}));
            labels[k] = Ink(image, label, color);
        }
        QVERIFY(labels[0] != labels[1]);  // "0" and "1"
    }

    void lamp_data() { ZoomRows(); }
    void lamp() {
        QFETCH(int, z);
        Scene scene;
        scene.Put(2, 2, Lamp, Signal1);
        const int p = 12 * z, c = 2 * p;
        const QImage image = scene.Render(4 * p, 4 * p, z);
        QCOMPARE(Extent(image, Box(2, -6, 6, 2, -6, 6, z), kOne, c), Box(2, -4, 4, 2, -4, 4, z));
        // The lead, from the west node's centre to just before the east one's,
        // is covered by the white circle except where the cross meets it.
        QVERIFY(Row(image, p, c - 4 * z - 1, c, kOne) && Row(image, c + 4 * z, 3 * p - 1, c, kOne));
        QCOMPARE(At(image, 3 * p, c), kWire);
        QCOMPARE(At(image, c - 2 * z, c), kWhite);
        QCOMPARE(At(image, c + 2 * z, c), kWhite);
        for (int k = 0; k < 6 * z; ++k) {
            QCOMPARE(At(image, c - 3 * z + k, c - 3 * z + k), kOne);
            QCOMPARE(At(image, c - 3 * z + k, c + 3 * z - k), kOne);
        }
        QCOMPARE(At(image, c + 3 * z, c + 3 * z), kWhite);
        QCOMPARE(At(image, c + 3 * z, c - 3 * z), kWhite);
    }

    void inverter_data() { ZoomRows(); }
    // Output "1": the input lead and the box show the input's "0", the
    // output lead and the bubble the output's "1".
    void inverter() {
        QFETCH(int, z);
        Scene scene;
        scene.Put(2, 2, Inverter, Signal1);
        const int p = 12 * z, c = 2 * p;
        const QImage image = scene.Render(4 * p, 4 * p, z);
        const QRect box = Box(2, -5, 5, 2, -5, 5, z), bubble = Box(2, 3, 7, 2, -2, 2, z);
        QVERIFY(Outline(image, box, kZero, false));
        QVERIFY(Column(image, box.right(), box.top(), bubble.top() - 1, kZero));
        QCOMPARE(Extent(image, box.adjusted(0, 1, 3 * z, -1), kOne, c), bubble);
        QVERIFY(Row(image, p + 1, box.left() - 1, c, kZero));
        QCOMPARE(At(image, p, c), kWire);
        QVERIFY(Row(image, bubble.right() + 1, 3 * p - 1, c, kOne));
        QCOMPARE(At(image, 3 * p, c), kWire);
        QCOMPARE(At(image, c - 2 * z, c), kWhite);   // the box covers the input lead
        if (z > 1) QCOMPARE(At(image, c + 5 * z, c), kWhite);  // the bubble covers the output lead
    }

    void gates_data() { ZoomRows(); }
    // Inputs "0" above and "1" below, output "1", the anchor without signal:
    // the box over the whole block and its label show the output.
    void gates() {
        QFETCH(int, z);
        Scene scene;
        scene.PutGate(3, 3, ConjunctorAnchor, Signal0, Signal1, Signal1);
        scene.PutGate(8, 3, DisjunctorAnchor, Signal0, Signal1, Signal1);
        const int p = 12 * z;
        const QImage image = scene.Render(11 * p, 5 * p, z);
        QString labels[2];
        for (int k = 0; k < 2; ++k) {
            const int i = 3 + 5 * k;
            const QRect box = Box(i, -5, 12 + 5, 2, -5, 24 + 5, z);
            QVERIFY(Outline(image, box, kOne));
            const QRect inner = box.adjusted(1, 1, -1, -1), label = Box(i, -4, 4, 3, -4, 4, z);
            QCOMPARE(Extent(image, inner, kOne), Extent(image, label, kOne));
            QCOMPARE(Colors(image, inner), (QSet<QRgb>{kOne, kWhite}));
            QVERIFY(Row(image, (i - 1) * p, box.left() - 1, 2 * p, kZero));
            QVERIFY(Row(image, (i - 1) * p, box.left() - 1, 4 * p, kOne));
            QVERIFY(Row(image, box.right() + 1, (i + 2) * p - 1, 3 * p, kOne));
            QCOMPARE(At(image, (i + 2) * p, 3 * p), kWire);
            labels[k] = Ink(image, label, kOne);
        }
        QVERIFY(labels[0] != labels[1]);  // "&" and "1"
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
    // row 102 is not, though the top of its box would show.
    void gatesAtTheEdgeOfTheDrawnRange() {
        Scene scene;
        scene.PutGate(5, 101, ConjunctorAnchor);
        scene.PutGate(101, 5, DisjunctorAnchor);
        scene.PutGate(20, 102, ConjunctorAnchor);
        const QImage image = scene.Render(1211, 1211, 1, false);
        QVERIFY(Row(image, 55, 76, 1195, kWire));
        QVERIFY(Column(image, 1207, 55, 76, kWire));
        QCOMPARE(Colors(image, QRect(QPoint(230, 1201), QPoint(260, 1210))), QSet<QRgb>{kWhite});
    }

    // A full-screen view at zoom 1 shows 107 x 86 nodes: elements beyond
    // column 100 are drawn, also when scrolled to the field's far corner,
    // where a gate's right column lies at 256 and its lead ends at 257.
    void elementsBeyondColumn100() {
        Scene scene;
        scene.Put(104, 10, Lamp);
        scene.Put(255, 255, Lamp);
        scene.PutGate(255, 200, ConjunctorAnchor);
        const QImage home = scene.Render(1280, 1024, 1, false);
        QCOMPARE(Extent(home, Box(104, -6, 6, 10, -6, 6, 1), kWire, 120), Box(104, -4, 4, 10, -4, 4, 1));
        const QImage corner = scene.Render(1280, 1024, 1, false, 150, 171);
        QCOMPARE(Extent(corner, Box(105, -6, 6, 84, -6, 6, 1), kWire, 1008), Box(105, -4, 4, 84, -4, 4, 1));
        QVERIFY(Outline(corner, Box(105, -5, 17, 28, -5, 29, 1), kWire));
        QVERIFY(Row(corner, 1277, 1279, 29 * 12, kWire));
    }

    void viewsBeyondTheStoredGrid_data() {
        QTest::addColumn<int>("originX");
        QTest::addColumn<int>("originY");
        QTest::addColumn<int>("firstOutside");  // first node offset i (and j) beyond the array
        QTest::newRow("past the far corner") << 250 << 250 << 8;
        QTest::newRow("before the origin") << -150 << -150 << 0;
    }
    // Nodes outside the stored array are empty: a dot each, nothing else,
    // and nothing read from beyond the array.
    void viewsBeyondTheStoredGrid() {
        QFETCH(int, originX);
        QFETCH(int, originY);
        QFETCH(int, firstOutside);
        Scene scene;
        const QImage image = scene.Render(1280, 1024, 1, true, originX, originY);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (x < firstOutside * 12 - 6 && y < firstOutside * 12 - 6) continue;
                QCOMPARE(At(image, x, y), x % 12 == 0 && y % 12 == 0 ? kWire : kWhite);
            }
    }
};

QTEST_MAIN(CircuitRendererTest)
#include "circuitrenderer_test.moc"
