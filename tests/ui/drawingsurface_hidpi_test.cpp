// The work area on a screen of device pixel ratio 2: the circuit is drawn at
// the screen's resolution by the vector path, its lines over the window
// picture's pixels, and it follows every change of the picture.
#include <QApplication>
#include <QPainter>
#include <QtTest>

#include "circuitpicture.h"
#include "drawingsurface.h"
#include "namelabels.h"
#include "shown_window.h"

using namespace vorn;

namespace {

// A main window in the default colours (the reference draws in them).
std::unique_ptr<Tmain> Window() {
    auto w = test::ShownWindow();
    w->State().Colors = CircuitColors{};
    return w;
}

// The surface as the screen shows it, in device pixels.
QImage Shown(Tmain& w) {
    QImage image = w.Image3->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

// The view's nodes drawn by the vector path at twice the window's pixels,
// names where the window puts them.
QImage Reference(Tmain& w, bool run) {
    const int z = w.State().ZoomFactor;
    const QSize size = w.Image3->size();
    QImage image(size * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(2, 2);
    PictureStyle style;
    style.signalColours = run;
    style.lineWidth = 1.0 / z;
    style.labelUnits = ScreenLabelPixels(z) / z;
    const NameTable none;
    painter.save();
    painter.translate(0.5 - 6 * z, 0.5 - 6 * z);  // node (0, 0)'s centre in the middle of window pixel (0, 0)
    painter.scale(z, z);
    DrawCircuitPicture(painter, {w.Document().Cells(), w.Document().Signals(), none},
                       {0, 0, size.width() / (12 * z) + 1, size.height() / (12 * z) + 1}, style);
    painter.restore();
    DrawElementNames(painter, w.Document().Cells(), w.Document().Names(), CircuitView{z}, Qt::black);
    return image;
}

// Aligned 2 x 2 blocks of device pixels that are not of one colour: an
// enlarged window picture has none.
int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
        }
    return mixed;
}

}  // namespace

class DrawingSurfaceHiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void circuitDrawnAtTheScreensResolution_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("run");
        for (int z = 1; z <= 3; ++z) {
            QTest::addRow("zoom %d", z) << z << false;
            QTest::addRow("zoom %d running", z) << z << true;
        }
    }
    // A named source feeds a lamp through an inverter and two wires.
    void circuitDrawnAtTheScreensResolution() {
        QFETCH(int, zoom);
        QFETCH(bool, run);
        auto w = Window();
        QCOMPARE(w->Image3->devicePixelRatioF(), 2.0);
        const std::pair<int, std::int32_t> row[] = {{1, SourceOn}, {2, WireE}, {3, Inverter}, {4, WireE}, {5, Lamp}};
        for (const auto& [x, code] : row) test::EditDocument(*w, x, 2, code);
        QVERIFY(w->Document().Rename({1, 2}, "Икс") == RenameResult::Renamed);
        w->State().ZoomFactor = zoom;
        if (run) QTest::keyClick(w.get(), Qt::Key_F9);
        w->reloadcanvas();

        const QImage shown = Shown(*w);
        QCOMPARE(shown.size(), w->Image3->size() * 2);
        QCOMPARE(shown, Reference(*w, run));
        QVERIFY(MixedBlocks(shown) > 20);
        // The wire east of the source lies on the window picture's row of
        // pixels: two device rows, white above and below.
        const int x = 2 * (12 * 2 + 6) * zoom, y = 2 * 24 * zoom;
        const QRgb wire = shown.pixel(x, y);
        QVERIFY(wire != qRgb(255, 255, 255));
        QCOMPARE(shown.pixel(x, y + 1), wire);
        QCOMPARE(QColor(shown.pixel(x, y - 1)), QColor(Qt::white));
        QCOMPARE(QColor(shown.pixel(x, y + 2)), QColor(Qt::white));
    }

    // Every repaint of the window picture reaches the screen.
    void followsTheWindowPicture() {
        auto w = Window();
        const QImage before = Shown(*w);
        test::EditDocument(*w, 3, 3, WireE);
        w->reloadcanvas();
        const QImage after = Shown(*w);
        QVERIFY(after != before);
        QCOMPARE(after, Reference(*w, false));
    }
};

int main(int argc, char** argv) {
    // The screen scale is read when the application starts.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    DrawingSurfaceHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "drawingsurface_hidpi_test.moc"
