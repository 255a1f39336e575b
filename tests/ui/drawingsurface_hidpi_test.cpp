// The work area at device pixel ratio 2: the circuit drawn by the vector path
// at the screen's resolution, over the window picture's pixels, following
// every change of that picture.
#include <QApplication>
#include <QPainter>
#include <QtTest>

#include "circuitpicture.h"
#include "namelabels.h"
#include "shown_window.h"

using namespace vorn;

namespace {

QImage Shown(Tmain& w) {  // in device pixels
    QImage image = test::Inside(w).Image3->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

// The view drawn by the vector path at twice the window's pixels, node (0, 0)
// centred on the middle of window pixel (0, 0), names where the window puts them.
QImage Reference(Tmain& w, bool run) {
    const int z = w.State().ZoomFactor;
    const QSize size = test::Inside(w).Image3->size();
    QImage image(size * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(2, 2);
    PictureStyle style{run, {}, 1.0 / z, true, ScreenLabelPixels(z) / z};
    painter.save();
    painter.translate(0.5 - 6 * z, 0.5 - 6 * z);
    painter.scale(z, z);
    DrawCircuitPicture(painter, {w.Document().Cells(), w.Document().Signals(), {}},
                       {0, 0, size.width() / (12 * z) + 1, size.height() / (12 * z) + 1}, style);
    painter.restore();
    DrawElementNames(painter, w.Document().Cells(), w.Document().Names(), CircuitView{z}, Qt::black);
    return image;
}

// Aligned 2 x 2 blocks of device pixels not of one colour: none in an enlarged picture.
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
    void sharpAndFollowingThePicture_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("run");
        for (int z = 1; z <= 3; ++z)
            for (bool run : {false, true}) QTest::addRow("zoom %d%s", z, run ? " running" : "") << z << run;
    }
    // A named source feeds a lamp through an inverter, drawn after the empty
    // field was shown.
    void sharpAndFollowingThePicture() {
        QFETCH(int, zoom);
        QFETCH(bool, run);
        auto w = test::ShownWindow();
        w->State().Settings.colors = CircuitColors{};
        QCOMPARE(test::Inside(w).Image3->devicePixelRatioF(), 2.0);
        const QImage empty = Shown(*w);
        for (const auto& [x, code] : {std::pair{1, SourceOn}, {2, WireE}, {3, Inverter}, {4, WireE}, {5, Lamp}})
            test::EditDocument(*w, x, 2, code);
        QVERIFY(w->Document().Rename({1, 2}, "Икс") == RenameResult::Renamed);
        w->State().ZoomFactor = zoom;
        if (run) QTest::keyClick(w.get(), Qt::Key_F9);
        test::Inside(w).reloadcanvas();
        const QImage shown = Shown(*w);
        QVERIFY(shown != empty);
        QCOMPARE(shown, Reference(*w, run));
        QVERIFY(MixedBlocks(shown) > 20);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");  // read when the application starts
    QApplication application(argc, argv);
    DrawingSurfaceHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "drawingsurface_hidpi_test.moc"
