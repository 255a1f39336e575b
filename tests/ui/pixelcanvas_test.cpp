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

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Pixels of the given colour, as "x,y" texts, so that a failure shows them.
QStringList PixelsOf(const QImage& image, QRgb color) {
    QStringList found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color) found << QStringLiteral("%1,%2").arg(x).arg(y);
    return found;
}

QStringList Points(std::initializer_list<QPoint> points) {
    QStringList texts;
    for (const QPoint& p : points) texts << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return texts;
}

// The first differing pixel of two images, or an empty text.
QString FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("%1,%2: %3 vs %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
    return {};
}

}  // namespace

class PixelCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void linesLeaveOutTheirEndPixel_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("east") << QPoint(2, 3) << QPoint(6, 3) << Points({{2, 3}, {3, 3}, {4, 3}, {5, 3}});
        QTest::newRow("west") << QPoint(6, 3) << QPoint(2, 3) << Points({{3, 3}, {4, 3}, {5, 3}, {6, 3}});
        QTest::newRow("south") << QPoint(4, 1) << QPoint(4, 4) << Points({{4, 1}, {4, 2}, {4, 3}});
        QTest::newRow("north") << QPoint(4, 4) << QPoint(4, 1) << Points({{4, 2}, {4, 3}, {4, 4}});
        QTest::newRow("one pixel") << QPoint(5, 5) << QPoint(6, 5) << Points({{5, 5}});
        QTest::newRow("no length") << QPoint(5, 5) << QPoint(5, 5) << QStringList();
        // Rows by rows: the sorted order of PixelsOf.
        QTest::newRow("down right") << QPoint(1, 1) << QPoint(5, 5) << Points({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
        QTest::newRow("up right") << QPoint(1, 5) << QPoint(5, 1) << Points({{4, 2}, {3, 3}, {2, 4}, {1, 5}});
        QTest::newRow("shallow") << QPoint(0, 0) << QPoint(6, 2)
                                 << Points({{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}});
        QTest::newRow("clipped left") << QPoint(-5, 2) << QPoint(2, 2) << Points({{0, 2}, {1, 2}});
        QTest::newRow("clipped diagonal") << QPoint(-2, -2) << QPoint(3, 3) << Points({{0, 0}, {1, 1}, {2, 2}});
        QTest::newRow("outside") << QPoint(-9, 20) << QPoint(30, 20) << QStringList();
    }

    void linesLeaveOutTheirEndPixel() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QStringList, expected);
        QImage image = WhiteImage(10, 10);
        ShapeCache cache;
        PixelCanvas canvas(image, cache);
        canvas.SetPenColor(kPen);
        canvas.MoveTo(from.x(), from.y());
        canvas.LineTo(to.x(), to.y());
        QCOMPARE(PixelsOf(image, kPen), expected);
    }

    // Rectangles and ellipses by corners cover left..right-1 x top..bottom-1,
    // exactly as QPainter draws QRect(l, t, r-l-1, b-t-1) with a one-pixel pen.
    void shapesMatchQPainter_data() {
        QTest::addColumn<bool>("ellipse");
        QTest::addColumn<QRect>("corners");  // left, top, right, bottom as x, y, width, height
        for (bool ellipse : {false, true}) {
            const char* kind = ellipse ? "ellipse" : "rectangle";
            // The sizes the circuit glyphs use, odd shapes, and boxes cut by the border.
            const QRect boxes[] = {{3, 4, 5, 5},    {3, 4, 6, 6},   {2, 2, 9, 9},     {20, 2, 4, 4},
                                   {5, 1, 8, 8},    {2, 20, 12, 12}, {14, 2, 24, 24}, {1, 3, 24, 16},
                                   {4, 4, 10, 3},   {10, 8, 36, 36}, {-4, -3, 10, 9}, {30, 25, 12, 12}};
            for (const QRect& box : boxes)
                QTest::addRow("%s %d,%d %dx%d", kind, box.x(), box.y(), box.width(), box.height())
                    << ellipse << QRect(box.x(), box.y(), box.x() + box.width(), box.y() + box.height());
        }
    }

    void shapesMatchQPainter() {
        QFETCH(bool, ellipse);
        QFETCH(QRect, corners);
        const int left = corners.x(), top = corners.y(), right = corners.width(), bottom = corners.height();

        QImage ours = WhiteImage(40, 34);
        ShapeCache cache;
        PixelCanvas canvas(ours, cache);
        canvas.SetPenColor(kPen);
        canvas.SetBrushColor(kBrush);
        if (ellipse)
            canvas.Ellipse(left, top, right, bottom);
        else
            canvas.Rectangle(left, top, right, bottom);

        QImage reference = WhiteImage(40, 34);
        {
            QPainter painter(&reference);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(QColor::fromRgb(kPen), 1));
            painter.setBrush(QColor::fromRgb(kBrush));
            const QRect rect(left, top, right - left - 1, bottom - top - 1);
            if (ellipse)
                painter.drawEllipse(rect);
            else
                painter.drawRect(rect);
        }
        // QPainter leaves out the far corner of a rectangle that starts
        // outside the image; the convention does not.
        const bool inside = left >= 0 && top >= 0;
        if (ellipse || inside) QCOMPARE(FirstDifference(ours, reference), QString());
        if (!ellipse) {
            for (int y = 0; y < ours.height(); ++y)
                for (int x = 0; x < ours.width(); ++x) {
                    const bool in = x >= left && x < right && y >= top && y < bottom;
                    const bool edge = in && (x == left || x == right - 1 || y == top || y == bottom - 1);
                    QCOMPARE(ours.pixel(x, y), edge ? kPen : in ? kBrush : kWhite);
                }
        }

        // Nothing at or beyond the exclusive edges, and the box is reached.
        int minX = 1000, minY = 1000, maxX = -1000, maxY = -1000;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                if (ours.pixel(x, y) != kWhite) {
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        QCOMPARE(minX, std::max(left, 0));
        QCOMPARE(minY, std::max(top, 0));
        QCOMPARE(maxX, std::min(right - 1, ours.width() - 1));
        QCOMPARE(maxY, std::min(bottom - 1, ours.height() - 1));
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

        QImage ours(40, 40, QImage::Format_RGB32);
        ours.fill(0xFF808080u);
        ShapeCache cache;
        PixelCanvas canvas(ours, cache);
        canvas.SetFont(font);
        canvas.SetBrushColor(kWhite);
        canvas.SetFontColor(kPen);
        canvas.TextRect(box.left(), box.top(), box.left() + box.width(), box.top() + box.height(), origin.x(),
                        origin.y(), text);

        QImage reference(40, 40, QImage::Format_RGB32);
        reference.fill(0xFF808080u);
        {
            QPainter painter(&reference);
            painter.setRenderHint(QPainter::TextAntialiasing, false);
            painter.fillRect(box, QColor::fromRgb(kWhite));
            painter.setClipRect(box);
            painter.setFont(font);
            painter.setPen(QColor::fromRgb(kPen));
            painter.drawText(QPoint(origin.x(), origin.y() + QFontMetrics(font, &reference).ascent()), text);
        }
        QCOMPARE(FirstDifference(ours, reference), QString());
        QVERIFY2(!PixelsOf(ours, kPen).isEmpty(), "the text left no ink");
    }

    void shapeCacheStaysBounded() {
        QImage image = WhiteImage(20, 20);
        ShapeCache cache;
        PixelCanvas canvas(image, cache);
        for (int size = 1; size < 200; ++size) canvas.Ellipse(0, 0, size, size);
        QVERIFY(cache.Size() <= 32);
        canvas.Ellipse(0, 0, 5, 5);
        canvas.Ellipse(0, 0, 5, 5);
        const int held = cache.Size();
        canvas.Ellipse(0, 0, 5, 5);
        QCOMPARE(cache.Size(), held);
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
        QCOMPARE(PixelsOf(indexed, kPen).size(), 3);

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
