// Nodes and surface pixels: the nearest node of a pixel at every zoom and
// scroll position, and the marker rectangles around a node.
#include <QtTest>

#include "viewgeometry.h"

using namespace vorn;

class ViewGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void nodeAtRoundsToTheNearestNode_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("node");
        // Half a pitch before a node's pixel belongs to it, half a pitch after does not.
        QTest::newRow("100 %, on a node") << 2 << QPoint(0, 0) << QPoint(48, 72) << QPoint(2, 3);
        QTest::newRow("100 %, half before") << 2 << QPoint(0, 0) << QPoint(36, 60) << QPoint(2, 3);
        QTest::newRow("100 %, half after") << 2 << QPoint(0, 0) << QPoint(60, 84) << QPoint(3, 4);
        QTest::newRow("50 %, scrolled") << 1 << QPoint(10, 20) << QPoint(17, 5) << QPoint(11, 20);
        QTest::newRow("150 %, scrolled") << 3 << QPoint(4, 4) << QPoint(90, 107) << QPoint(7, 7);
        // Left of and above the surface: the nodes there, rounded down.
        QTest::newRow("outside") << 2 << QPoint(5, 5) << QPoint(-13, -37) << QPoint(4, 3);
    }
    void nodeAtRoundsToTheNearestNode() {
        QFETCH(int, zoom);
        QFETCH(QPoint, origin);
        QFETCH(QPoint, pixel);
        QFETCH(QPoint, node);
        const ViewGeometry view{zoom, origin.x(), origin.y()};
        const NodePos found = view.NodeAt(pixel);
        QCOMPARE(QPoint(found.x, found.y), node);
        // Its own pixel names it again.
        QVERIFY(view.NodeAt(view.PixelOf(found)) == found);
        QCOMPARE(view.SnappedPixel(pixel), view.PixelOf(found));
    }

    void markersStandAroundTheirNode() {
        const ViewGeometry view{3, 2, 1};
        const NodePos node{5, 4};  // pixel (108, 108)
        QCOMPARE(view.CellMarker(node), QRect(93, 93, 30, 30));
        // A gate's block starts a row above its anchor and is three rows high.
        QCOMPARE(view.GateMarker(node), QRect(93, 57, 66, 102));
        QCOMPARE(ViewGeometry::AnchorDot(QPoint(108, 108)), QRect(106, 106, 5, 5));
    }
};

QTEST_MAIN(ViewGeometryTest)
#include "viewgeometry_test.moc"
