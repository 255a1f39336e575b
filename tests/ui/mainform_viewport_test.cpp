// The work area's view: zoom and how it keeps the view, scroll ranges and
// steps, the wheel, the scrolling keys, repainting, what a gesture or a
// playing clip holds still, the tool-bar toggle and the surface's size.
#include <climits>
#include <memory>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include "drawingsurface.h"
#include "mainform.h"
#include "shown_window.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

// With three lines per wheel notch and fast scrolling five times as fast.
std::unique_ptr<Tmain> ShownWindow() {
    QApplication::setWheelScrollLines(3);
    auto window = vorn::test::ShownWindow();
    window->State().Settings.km = 3;
    window->State().Settings.kmiddles = 5;
    return window;
}

void Zoom(Tmain& w, int z) {
    if (z == 1) Inside(w).Zoom1Click();
    if (z == 2) Inside(w).Zoom2Click();
    if (z == 3) Inside(w).Zoom3Click();
}

int SeenWidth(const Tmain& w) { return Inside(w).WorkPlace->width() - 17; }
int SeenHeight(const Tmain& w) { return Inside(w).WorkPlace->height() - 17; }
QPoint At(const Tmain& w) { return {Inside(w).HorzScroll->value(), Inside(w).VertScroll->value()}; }
bool IsInk(const Tmain& w, int x, int y) { return Inside(w).Image3->Picture().pixelColor(x, y) == QColor(Qt::black); }

void Wheel(QWidget* target, int angle, Qt::KeyboardModifiers modifiers = {}) {
    const QPointF at(10, 10);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), {}, modifiers, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(target, &event);
}

// Zoom level z is checked in the menu bar and the pop-up, and named in panel 4.
bool ZoomShows(const Tmain& w, int z, const char* level) {
    const QAction* items[] = {Inside(w).Zoom1, Inside(w).Zoom2, Inside(w).Zoom3, Inside(w).Zoom11, Inside(w).Zoom12, Inside(w).Zoom13};
    bool right = Inside(w).StatusPanel(4)->text() == QLatin1String(level);
    for (int i = 0; i < 6; ++i) right = right && items[i]->isChecked() == (i % 3 + 1 == z);
    return right;
}

}  // namespace

class MainformViewportTest : public QObject {
    Q_OBJECT

private slots:
    void zoomSetsRangesStepsChecksAndKeepsTheView();
    void surfaceFollowsTheWindowAndTheToolbarToggle();
    void originIsPositionDivPitchAndArrowsRepaintDuringGesture();
    void wheelStepsWithCtrlShiftAndMiddleButtonFromEveryControl();
    void keysScrollByTheirStepsAndHugeSettingsStopAtTheEnds();
    void playingClipOwnsTheView();
};

void MainformViewportTest::zoomSetsRangesStepsChecksAndKeepsTheView() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    for (int z : {2, 1, 3}) {  // 100% at start
        Zoom(*w, z);
        QCOMPARE(w->State().ZoomFactor, z);
        QCOMPARE(QPoint(ui.HorzScroll->singleStep(), ui.VertScroll->singleStep()), QPoint(12 * z, 12 * z));
        QCOMPARE(ui.VertScroll->maximum(), 3072 * z - SeenHeight(*w));
        QCOMPARE(ui.HorzScroll->maximum(), 3072 * z - SeenWidth(*w));
    }
    QTest::keyClick(w.get(), Qt::Key_3, Qt::AltModifier);
    QVERIFY(ZoomShows(*w, 3, "150%"));
    ui.Zoom11->trigger();
    QVERIFY(ZoomShows(*w, 1, "50%"));
    ui.Zoom1->trigger();  // chosen again, it stays checked
    QVERIFY(ZoomShows(*w, 1, "50%"));

    // The same part of the field stays in view, rounded to nearest and held
    // to the end of the old range.
    const struct {
        int from, h, v, to;
        QPoint at;  // y -1: the end of the old range
    } cases[] = {
        {2, 480, 240, 1, {240, 120}},  {2, 239, 241, 1, {120, 121}},  // 119.5 and 120.5 round up
        {2, 23, 25, 3, {35, 38}},      {3, 100, 101, 1, {33, 34}},    // 33.33 and 33.67 to nearest
        {1, 300, 1000, 3, {900, -1}},  // three times 1000 lies beyond the 50% range
    };
    for (const auto& c : cases) {
        Zoom(*w, c.from);
        ui.HorzScroll->setValue(c.h);
        ui.VertScroll->setValue(c.v);
        const int oldEnd = ui.VertScroll->maximum();
        Zoom(*w, c.to);
        QCOMPARE(At(*w), QPoint(c.at.x(), c.at.y() < 0 ? oldEnd : c.at.y()));
        if (c.h == 480) QCOMPARE(QPoint(ui.OriginX(), ui.OriginY()), QPoint(20, 10));  // whole nodes of 12
    }
}

void MainformViewportTest::surfaceFollowsTheWindowAndTheToolbarToggle() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    QVERIFY(ui.VertScroll->width() == 17 && ui.HorzScroll->height() == 17);
    // The surface fills the inner panel, 2 pixels in, at every window size.
    for (QSize size : {QSize(700, 500), QSize(1000, 700)}) {
        w->resize(size);
        QTRY_COMPARE(w->size(), size);
        QCOMPARE(ui.InnerPanel->geometry(), QRect(2, 2, ui.WorkPlace->width() - 20, ui.WorkPlace->height() - 20));
        QCOMPARE(ui.Image3->Picture().size(), ui.InnerPanel->size());
        QCOMPARE(ui.VertScroll->maximum(), 6144 - SeenHeight(*w));
        QVERIFY(IsInk(*w, 24, 24) && !IsInk(*w, 25, 24));  // the grid dots are painted
    }

    const int shownWidth = ui.Image3->width();
    const int holderWidth = ui.ToolbarHolder->width();
    QTest::keyClick(w.get(), Qt::Key_F11);
    QVERIFY(ui.ToolbarHolder->isHidden() && !ui.Showtoolkit1->isChecked());
    QVERIFY(ui.Image3->width() >= shownWidth + holderWidth);
    QCOMPARE(ui.Image3->Picture().width(), ui.Image3->width());
    QCOMPARE(ui.HorzScroll->maximum(), 6144 - SeenWidth(*w));
    ui.Showtoolkit1->trigger();
    QVERIFY(!ui.ToolbarHolder->isHidden() && ui.Showtoolkit1->isChecked());
    QCOMPARE(ui.Image3->width(), shownWidth);
    // Closed by the user with its own button: the item follows.
    ui.ToolbarHolder->close();
    QVERIFY(!ui.Showtoolkit1->isChecked());
    QTRY_VERIFY(ui.Image3->width() > shownWidth);
    QTest::keyClick(w.get(), Qt::Key_F11);
    QVERIFY(ui.Showtoolkit1->isChecked() && !ui.ToolbarHolder->isHidden());
}

void MainformViewportTest::originIsPositionDivPitchAndArrowsRepaintDuringGesture() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    w->Document().Cells().at(2, 1) = WireE;  // at origin 0 it runs from x 48 to 72
    ui.reloadcanvas();
    QVERIFY(IsInk(*w, 60, 24) && !IsInk(*w, 36, 24));
    ui.HorzScroll->setValue(47);  // origin 1: 47 div 24, not rounded; one whole node west
    QCOMPARE(ui.OriginX(), 1);
    QVERIFY(IsInk(*w, 36, 24) && !IsInk(*w, 60, 24));
    ui.HorzScroll->setValue(0);
    ui.VertScroll->setValue(24);
    QCOMPARE(ui.OriginY(), 1);
    QVERIFY(IsInk(*w, 60, 0));

    // A gesture holds the view; the arrows and Home still repaint, other keys do not.
    ui.VertScroll->setValue(48);
    w->State().GestureActive = true;
    Wheel(ui.Image3, -120, Qt::ControlModifier);
    w->Document().Cells().at(1, 3) = WireE;  // put in behind the picture's back: only a repaint shows it
    QVERIFY(!IsInk(*w, 36, 24));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Home}) {
        QTest::keyClick(w.get(), key);
        QCOMPARE(At(*w), QPoint(0, 48));
    }
    QVERIFY(IsInk(*w, 36, 24));
    w->Document().Cells().at(1, 3) = Empty;
    QTest::keyClick(w.get(), Qt::Key_PageDown);
    QVERIFY(IsInk(*w, 36, 24));
    QTest::keyClick(w.get(), Qt::Key_Left);
    QVERIFY(!IsInk(*w, 36, 24));
}

void MainformViewportTest::wheelStepsWithCtrlShiftAndMiddleButtonFromEveryControl() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    QWidget* area = ui.Image3;
    const auto ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const struct {
        int angle;
        Qt::KeyboardModifiers modifiers;
        QPoint at;
    } notches[] = {
        {-120, {}, {0, 72}}, {-120, ctrl, {0, 432}},  // 24 x km 3, then x kmiddles 5
        {-120, ctrl | shift, {360, 432}}, {120, shift, {288, 432}}, {120, ctrl, {288, 72}},
        {-60, {}, {288, 72}}, {-60, {}, {288, 144}},  // half notches add up to whole ones
    };
    for (const auto& n : notches) {
        Wheel(area, n.angle, n.modifiers);
        QCOMPARE(At(*w), n.at);
    }
    // With the middle button held, wheel-up keeps the fast step; wheel-down
    // without Ctrl goes back to the plain one, and wheel-up keeps that.
    ui.VertScroll->setValue(1000);
    QTest::mousePress(area, Qt::MiddleButton, {}, QPoint(30, 30));
    for (auto [angle, y] : {std::pair{120, 640}, {-120, 712}, {120, 640}}) {
        Wheel(area, angle);
        QCOMPARE(ui.VertScroll->value(), y);
    }
    QTest::mouseRelease(area, Qt::MiddleButton, {}, QPoint(30, 30));
    QVERIFY(!w->State().MiddleButtonHeld && w->State().ScrollMultiplier == 1);
    // Every control passes the wheel on at our step, not a scroll bar's 3 lines.
    w->State().Settings.km = 1;
    int y = 640;
    for (QWidget* target : {static_cast<QWidget*>(ui.VertScroll), static_cast<QWidget*>(ui.HorzScroll),
                            ui.ToolbarHolder->widget(), static_cast<QWidget*>(ui.StatusPanel(1))}) {
        Wheel(target, -120);
        QCOMPARE(At(*w), QPoint(288, y += 24));
    }
}

void MainformViewportTest::keysScrollByTheirStepsAndHugeSettingsStopAtTheEnds() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    const auto ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint at;
    } steps[] = {
        {Qt::Key_Down, {}, {0, 24}},         {Qt::Key_Down, ctrl, {0, 72}},     {Qt::Key_Down, shift, {0, 200}},
        {Qt::Key_Down, ctrl | shift, {0, 328}}, {Qt::Key_Right, shift, {128, 328}}, {Qt::Key_Left, {}, {104, 328}},
        {Qt::Key_Up, ctrl, {104, 280}},      {Qt::Key_Home, {}, {0, 0}},        {Qt::Key_Up, {}, {0, 0}},
        {Qt::Key_PageDown, {}, {0, 72}},     {Qt::Key_PageDown, ctrl, {0, 432}},  // 24 x km 3, x kmiddles 5
        {Qt::Key_PageDown, shift, {72, 432}}, {Qt::Key_PageUp, ctrl | shift, {0, 432}}, {Qt::Key_PageUp, {}, {0, 360}},
    };
    for (const auto& step : steps) {
        QTest::keyClick(w.get(), step.key, step.modifiers);
        QCOMPARE(At(*w), step.at);
    }
    Zoom(*w, 3);  // 360 becomes 540; the steps grow with the zoom
    QTest::keyClick(w.get(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(ui.VertScroll->value(), 540 + 192);
    QTest::keyClick(w.get(), Qt::Key_Down);
    QCOMPARE(ui.VertScroll->value(), 540 + 228);

    // Settings far too large for the field move to its ends, without overflow.
    for (int km : {INT_MAX, INT_MIN + 1}) {
        w->State().Settings.km = km;
        w->State().Settings.kmiddles = INT_MAX;
        const int end = ui.VertScroll->maximum();
        ui.VertScroll->setValue(500);
        Wheel(ui.Image3, -120, ctrl);
        QCOMPARE(ui.VertScroll->value(), km > 0 ? end : 0);
        Wheel(ui.Image3, 120, ctrl);
        QCOMPARE(ui.VertScroll->value(), km > 0 ? 0 : end);
        ui.HorzScroll->setValue(500);
        QTest::keyClick(w.get(), Qt::Key_PageDown, ctrl | shift);
        QCOMPARE(ui.HorzScroll->value(), km > 0 ? ui.HorzScroll->maximum() : 0);
    }
}

void MainformViewportTest::playingClipOwnsTheView() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    Zoom(*w, 1);
    ui.VertScroll->setValue(240);
    w->Clips().Play(BuiltInClip(1), 0);
    w->Clips().Pause();
    ui.Zoom3->trigger();
    ui.Zoom12->trigger();
    QTest::keyClick(w.get(), Qt::Key_2, Qt::AltModifier);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Home, Qt::Key_PageDown}) QTest::keyClick(w.get(), key);
    Wheel(ui.Image3, -120);
    QTest::keyClick(w.get(), Qt::Key_F11);  // the tool bar and its check stay too
    QCOMPARE(w->State().ZoomFactor, 1);
    QCOMPARE(At(*w), QPoint(0, 240));
    QCOMPARE(ui.VertScroll->singleStep(), 12);
    QVERIFY(ZoomShows(*w, 1, "50%"));
    QVERIFY(!ui.ToolbarHolder->isHidden() && ui.Showtoolkit1->isChecked());
}

QTEST_MAIN(MainformViewportTest)
#include "mainform_viewport_test.moc"
