// The circuit as drawn for paper: the printed area and its placement at the
// image origin, the black-on-white style whatever the colours and signals,
// the smaller labels, and circuits touching the field's edge.
#include <QImage>
#include <QtTest>

#include <memory>

#include "circuitrenderer.h"
#include "printcircuit.h"
#include "signals.h"

using namespace vorn;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kUntouched = qRgb(1, 2, 3);

QImage Canvas(int width = 400, int height = 400) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y); }

// The bounding box of the non-white pixels inside a rectangle.
QRect InkBox(const QImage& image, const QRect& within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (At(image, x, y) != kWhite) box |= QRect(x, y, 1, 1);
    return box;
}

class PrintCircuitTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        cells_ = std::make_unique<CellGrid>();
        signals_ = std::make_unique<SignalGrid>();
    }

    void sourceLiesAtItsPlaceInTheArea() {
        const int zoom = 3;
        const int p = 12 * zoom;
        cells_->at(10, 10) = SourceOff;
        QImage image = Canvas();
        PrintCircuit(image, *cells_, zoom);

        // Columns 8..12 and rows 7..12: the source is node (2, 3) of the area.
        const int cx = 2 * p, cy = 3 * p;
        QCOMPARE(At(image, cx - 5 * zoom, cy), kBlack);      // box, left edge
        QCOMPARE(At(image, cx + 5 * zoom - 1, cy - 2 * zoom), kBlack);  // right edge
        QCOMPARE(At(image, cx, cy - 5 * zoom), kBlack);      // top edge
        QCOMPARE(At(image, cx, cy + 5 * zoom - 1), kBlack);  // bottom edge
        QCOMPARE(At(image, cx - 5 * zoom - 1, cy - 2 * zoom), kWhite);  // just outside the box

        // Grid dots of every node of the area, nothing past it.
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(At(image, i * p, 0), kBlack);
            QCOMPARE(At(image, i * p + 1, 0), kWhite);
            QCOMPARE(At(image, i * p, 5 * p), kBlack);
        }
        QVERIFY(InkBox(image, QRect(5 * p - zoom, 0, 400 - 5 * p + zoom, 400)).isNull());
        QVERIFY(InkBox(image, QRect(0, 6 * p - zoom, 400, 400 - 6 * p + zoom)).isNull());
        // The whole canvas was cleared: no untouched pixel is left.
        QCOMPARE(At(image, 399, 399), kWhite);
    }

    void emptyCircuitLeavesTheCanvasAlone() {
        QImage image = Canvas(50, 50);
        PrintCircuit(image, *cells_, 2);
        QCOMPARE(image, Canvas(50, 50));
    }

    void onlyBlackOnWhiteWhateverColoursAndSignals() {
        // Every kind of glyph, with signals on all of them, drawn with
        // bright colours in run mode: the print style keeps none of it.
        cells_->at(3, 4) = SourceOn;
        cells_->at(4, 4) = JunctionES;
        cells_->at(5, 4) = WireE;
        cells_->at(4, 5) = WireS;
        cells_->at(4, 6) = Crossing;
        cells_->at(6, 4) = Inverter;
        cells_->at(8, 4) = Lamp;
        cells_->at(10, 5) = ConjunctorAnchor;
        cells_->at(10, 4) = GateInput;
        cells_->at(10, 6) = GateInput;
        cells_->at(11, 5) = GateOutput;
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 10; ++y) signals_->at(x, y) = (x + y) % 2 ? Signal1 : Signal0;

        QImage image = Canvas(300, 200);
        CircuitView view{2, 0, 0, true};
        view.printStyle = true;
        RenderCircuit(image, *cells_, *signals_, view, CircuitColors{QColor(200, 0, 0), QColor(0, 0, 255), Qt::green});
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = At(image, x, y);
                QVERIFY2(pixel == kBlack || pixel == kWhite, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                black += pixel == kBlack;
            }
        QVERIFY(black > 300);
        // The solder dot is filled black, the bodies white.
        QCOMPARE(At(image, 4 * 24 + 1, 4 * 24 + 1), kBlack);
        QCOMPARE(At(image, 8 * 24 - 6, 4 * 24 - 1), kWhite);  // inside the lamp's circle, off its cross
    }

    void labelsAreSmallerThanOnScreen() {
        cells_->at(10, 10) = SourceOn;
        QImage paper = Canvas();
        PrintCircuit(paper, *cells_, 3);
        // The same node on screen, placed at the same pixel.
        QImage screen = Canvas();
        RenderCircuit(screen, *cells_, *signals_, CircuitView{3, 8, 7, false}, CircuitColors{});

        const int cx = 2 * 36, cy = 3 * 36;
        const QRect inside(cx - 4 * 3, cy - 4 * 3, 8 * 3, 8 * 3);  // the label's field
        const QRect onPaper = InkBox(paper, inside), onScreen = InkBox(screen, inside);
        QVERIFY(!onPaper.isNull());
        QVERIFY(!onScreen.isNull());
        QVERIFY2(onPaper.height() < onScreen.height(),
                 qPrintable(QStringLiteral("%1 vs %2").arg(onPaper.height()).arg(onScreen.height())));
    }

    void circuitAtTheFieldCornerDrawsEmptyNodesBeyondTheGrid() {
        // The area starts at column -2 and row -3, beyond the stored grid.
        cells_->at(0, 0) = WireE;
        QImage image = Canvas(200, 200);
        PrintCircuit(image, *cells_, 1);
        QCOMPARE(At(image, 0, 0), kBlack);    // node (-2, -3): an empty node's dot
        QCOMPARE(At(image, 12, 24), kBlack);  // node (-1, -1)
        for (int x = 24; x < 36; ++x) QCOMPARE(At(image, x, 36), kBlack);  // the wire 0,0 -> 1,0
        QCOMPARE(At(image, 12 * 5, 0), kWhite);  // column 3 lies past the area
    }

private:
    std::unique_ptr<CellGrid> cells_;
    std::unique_ptr<SignalGrid> signals_;
};

}  // namespace

QTEST_MAIN(PrintCircuitTest)
#include "printcircuit_test.moc"
