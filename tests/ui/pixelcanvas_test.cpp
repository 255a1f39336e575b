// The drawing primitives of PixelCanvas: exclusive line ends and box edges,
// clipping at the image border, and ellipses and text that match what
// QPainter draws with a one-pixel pen and no antialiasing.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QtTest>

#include "pixelcanvas.h"

using vorn::PixelCanvas;
using vorn::ShapeCache;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kPen = 0xFF102030u;
constexpr QRgb kBrush = 0xFF40C080u;

QImage Filled(int width, int height, QRgb color = kWhite) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Pixels of the given colour, row by row, as "x,y" texts, so that a failure shows them.
QStringList PixelsOf(const QImage& image, QRgb color) {
    QStringList found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) found << QStringLiteral("%1,%2").arg(x).arg(y);
    return found;
}

// An image of the given size and colour with a canvas on it, pen and brush set.
struct Drawing {
    QImage image;
    ShapeCache cache;
    PixelCanvas canvas;
    Drawing(int width, int height, QRgb color = kWhite) : image(Filled(width, height, color)), canvas(image, cache) {
        canvas.SetPenColor(kPen);
        canvas.SetBrushColor(kBrush);
    }
};

}  // namespace

class PixelCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void linesLeaveOutTheirEndPixel_data() {
        QTest::addColumn<QLine>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("east") << QLine(2, 3, 6, 3) << QStringList{"2,3", "3,3", "4,3", "5,3"};
        QTest::newRow("west") << QLine(6, 3, 2, 3) << QStringList{"3,3", "4,3", "5,3", "6,3"};
        QTest::newRow("south") << QLine(4, 1, 4, 4) << QStringList{"4,1", "4,2", "4,3"};
        QTest::newRow("north") << QLine(4, 4, 4, 1) << QStringList{"4,2", "4,3", "4,4"};
        QTest::newRow("no length") << QLine(5, 5, 5, 5) << QStringList();
        QTest::newRow("down right") << QLine(1, 1, 5, 5) << QStringList{"1,1", "2,2", "3,3", "4,4"};
        QTest::newRow("up right") << QLine(1, 5, 5, 1) << QStringList{"4,2", "3,3", "2,4", "1,5"};
        QTest::newRow("shallow") << QLine(0, 0, 6, 2) << QStringList{"0,0", "1,0", "2,1", "3,1", "4,1", "5,2"};
        QTest::newRow("clipped left") << QLine(-5, 2, 2, 2) << QStringList{"0,2", "1,2"};
        QTest::newRow("clipped diagonal") << QLine(-2, -2, 3, 3) << QStringList{"0,0", "1,1", "2,2"};
        QTest::newRow("outside") << QLine(-9, 20, 30, 20) << QStringList();
    }
    void linesLeaveOutTheirEndPixel() {
        QFETCH(QLine, line);
        QFETCH(QStringList, expected);
        Drawing d(10, 10);
        d.canvas.MoveTo(line.x1(), line.y1());
        d.canvas.LineTo(line.x2(), line.y2());
        QCOMPARE(PixelsOf(d.image, kPen), expected);
    }

    // Rectangles and ellipses by corners cover left..right-1 x top..bottom-1:
    // a rectangle has a pen outline on those edges and a brush interior, an
    // ellipse is what QPainter draws in QRect(l, t, r-l-1, b-t-1).
    void shapes_data() {
        QTest::addColumn<bool>("ellipse");
        QTest::addColumn<QRect>("box");
        // The sizes the circuit glyphs use, odd shapes, and boxes cut by the border.
        const QRect boxes[] = {{3, 4, 5, 5},    {3, 4, 6, 6},    {2, 2, 9, 9},     {20, 2, 4, 4},
                               {5, 1, 8, 8},    {2, 20, 12, 12}, {14, 2, 24, 24}, {1, 3, 24, 16},
                               {4, 4, 10, 3},   {10, 8, 36, 36}, {-4, -3, 10, 9}, {30, 25, 12, 12}};
        for (bool ellipse : {false, true})
            for (const QRect& box : boxes)
                QTest::addRow("%s %d,%d %dx%d", ellipse ? "ellipse" : "rectangle", box.x(), box.y(), box.width(),
                              box.height())
                    << ellipse << box;
    }
    void shapes() {
        QFETCH(bool, ellipse);
        QFETCH(QRect, box);
        const int left = box.left(), top = box.top(), right = left + box.width(), bottom = top + box.height();
        Drawing d(40, 34);
        QImage reference = d.image.copy();
        QPainter painter(&reference);
        if (ellipse) {
            d.canvas.Ellipse(left, top, right, bottom);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(QColor::fromRgb(kPen), 1));
            painter.setBrush(QColor::fromRgb(kBrush));
            painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
        } else {
            d.canvas.Rectangle(left, top, right, bottom);
            painter.fillRect(box, QColor::fromRgb(kPen));
            painter.fillRect(box.adjusted(1, 1, -1, -1), QColor::fromRgb(kBrush));
        }
        painter.end();
        QCOMPARE(d.image, reference);
        // The ellipse reaches the box's edges and nothing beyond the exclusive ones.
        QRect ink;
        for (int y = 0; y < d.image.height(); ++y)
            for (int x = 0; x < d.image.width(); ++x)
                if (d.image.pixel(x, y) != kWhite) ink |= QRect(x, y, 1, 1);
        QCOMPARE(ink, box & d.image.rect());
    }

    // Text comes from a cached mask; it must equal QPainter's own text,
    // clipped to the rectangle, on the rectangle filled with the brush.
    void textRectMatchesClippedQPainterText_data() {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("5pt 0") << 5 << "0" << QRect(8, 8, 8, 8) << QPoint(10, 7);
        QTest::newRow("10pt &") << 10 << "&" << QRect(8, 8, 16, 16) << QPoint(12, 7);
        QTest::newRow("15pt 1") << 15 << "1" << QRect(6, 6, 24, 24) << QPoint(12, 5);
        QTest::newRow("clipped on all sides") << 15 << "&0" << QRect(12, 12, 6, 6) << QPoint(9, 6);
        QTest::newRow("at the image corner") << 10 << "1" << QRect(-3, -4, 12, 12) << QPoint(-1, -5);
    }
    void textRectMatchesClippedQPainterText() {
        QFETCH(int, pointSize);
        QFETCH(QString, text);
        QFETCH(QRect, box);
        QFETCH(QPoint, origin);
        QFont font;
        font.setPointSize(pointSize);
        font.setStyleStrategy(QFont::NoAntialias);
        Drawing d(40, 40, 0xFF808080u);
        QImage reference = d.image.copy();
        d.canvas.SetFont(font);
        d.canvas.SetBrushColor(kWhite);
        d.canvas.SetFontColor(kPen);
        d.canvas.TextRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height(), origin.x(),
                        origin.y(), text);
        QPainter painter(&reference);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.fillRect(box, QColor::fromRgb(kWhite));
        painter.setClipRect(box);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(kPen));
        painter.drawText(QPoint(origin.x(), origin.y() + QFontMetrics(font, &reference).ascent()), text);
        painter.end();
        QCOMPARE(d.image, reference);
        QVERIFY2(!PixelsOf(d.image, kPen).isEmpty(), "the text left no ink");
    }

    // The cache holds at most 32 masks and reuses the one of a size already drawn.
    void shapeCacheStaysBounded() {
        Drawing d(20, 20);
        for (int size = 1; size < 200; ++size) d.canvas.Ellipse(0, 0, size, size);
        QVERIFY(d.cache.Size() <= 32);
        d.canvas.Ellipse(0, 0, 5, 5);
        const int held = d.cache.Size();
        d.canvas.Ellipse(0, 0, 5, 5);
        QCOMPARE(d.cache.Size(), held);
    }

    void otherFormatsAreConvertedAndNullImagesIgnored() {
        QImage indexed(8, 8, QImage::Format_Indexed8);
        indexed.setColorTable({kWhite});
        indexed.fill(0);
        ShapeCache cache;
        PixelCanvas canvas(indexed, cache);
        QCOMPARE(indexed.format(), QImage::Format_RGB32);
        canvas.SetPenColor(kPen);
        canvas.MoveTo(0, 0);
        canvas.LineTo(3, 0);
        QCOMPARE(PixelsOf(indexed, kPen), (QStringList{"0,0", "1,0", "2,0"}));

        QImage null;
        PixelCanvas nothing(null, cache);
        nothing.Fill(kPen);
        nothing.Rectangle(0, 0, 5, 5);
        nothing.MoveTo(0, 0);
        nothing.LineTo(9, 9);
        QVERIFY(null.isNull());
    }
};

QTEST_MAIN(PixelCanvasTest)
#include "pixelcanvas_test.moc"
