// The work area's view: zoom and how it keeps the view, scroll ranges and
// steps, the wheel with Ctrl, Shift and the middle button, the scrolling
// keys, repainting, the tool-bar toggle and the surface's size.
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

using namespace vorn;

namespace {

std::unique_ptr<Tmain> ShownWindow() {
    QApplication::setWheelScrollLines(3);
    auto window = std::make_unique<Tmain>();
    window->resize(1000, 700);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
    window->State().km = 3;
    window->State().kmiddles = 5;
    return window;
}

int SeenWidth(const Tmain& w) { return w.WorkPlace->width() - 17; }
int SeenHeight(const Tmain& w) { return w.WorkPlace->height() - 17; }
QPoint At(const Tmain& w) { return {w.HorzScroll->value(), w.VertScroll->value()}; }

void Wheel(QWidget* target, int angle, Qt::KeyboardModifiers modifiers = {}) {
    const QPointF at(10, 10);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), {}, modifiers, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(target, &event);
}

bool IsInk(const Tmain& w, int x, int y) { return w.Image3->Picture().pixelColor(x, y) == QColor(Qt::black); }

}  // namespace

class MainformViewportTest : public QObject {
    Q_OBJECT

private slots:
    void rangesAndIncrementsFollowTheZoom();
    void zoomKeepsTheOriginAndIsHeldToTheOldRange();
    void zoomPositionsRoundToNearest();
    void zoomChecksBothItemsOrNothingDuringClip();
    void originIsPositionDivPitchAndScrollingRepaints();
    void wheelStepsWithCtrlShiftAndMiddleButton();
    void wheelFromEveryControlButNotDuringGestureOrClip();
    void hugeScrollSettingsStopAtTheEnds();
    void keysScrollByTheirSteps();
    void arrowsDuringGestureRepaintWithoutScrolling();
    void toolbarToggleResizesSurfaceAndSyncsItsCheck();
};

void MainformViewportTest::rangesAndIncrementsFollowTheZoom() {
    auto w = ShownWindow();
    void (Tmain::*const zoomTo[])() = {&Tmain::Zoom1Click, &Tmain::Zoom2Click, &Tmain::Zoom3Click};
    for (int z : {2, 1, 3, 2}) {
        (w.get()->*zoomTo[z - 1])();
        QCOMPARE(w->State().ZoomFactor, z);
        QCOMPARE(w->VertScroll->singleStep(), 12 * z);
        QCOMPARE(w->HorzScroll->singleStep(), 12 * z);
        QCOMPARE(w->VertScroll->maximum(), 3072 * z - SeenHeight(*w));
        QCOMPARE(w->HorzScroll->maximum(), 3072 * z - SeenWidth(*w));
    }
    QCOMPARE(w->VertScroll->width(), 17);
    QCOMPARE(w->HorzScroll->height(), 17);
    // The surface fills the inner panel, 2 pixels in, at every window size.
    for (QSize size : {QSize(700, 500), QSize(1200, 900)}) {
        w->resize(size);
        QTRY_COMPARE(w->size(), size);
        QCOMPARE(w->InnerPanel->geometry(), QRect(2, 2, w->WorkPlace->width() - 20, w->WorkPlace->height() - 20));
        QCOMPARE(w->Image3->Picture().size(), w->InnerPanel->size());
        QCOMPARE(w->VertScroll->maximum(), 6144 - SeenHeight(*w));
        QVERIFY(IsInk(*w, 24, 24) && !IsInk(*w, 25, 24));  // the grid dots are painted
    }
}

void MainformViewportTest::zoomKeepsTheOriginAndIsHeldToTheOldRange() {
    auto w = ShownWindow();
    w->VertScroll->setValue(240);  // origin row 10
    w->HorzScroll->setValue(480);
    w->Zoom1Click();
    QCOMPARE(At(*w), QPoint(240, 120));
    QCOMPARE(w->OriginY(), 10);
    QCOMPARE(w->OriginX(), 20);

    // Three times 1000 lies beyond the 50% range: the position stops at its end.
    const int endOf50 = w->VertScroll->maximum();
    w->VertScroll->setValue(1000);
    w->HorzScroll->setValue(300);
    w->Zoom3Click();
    QCOMPARE(At(*w), QPoint(900, endOf50));
    QCOMPARE(w->VertScroll->maximum(), 9216 - SeenHeight(*w));
}

void MainformViewportTest::zoomPositionsRoundToNearest() {
    auto w = ShownWindow();
    w->VertScroll->setValue(241);  // 120.5
    w->HorzScroll->setValue(239);  // 119.5
    w->Zoom1Click();
    QCOMPARE(At(*w), QPoint(120, 121));
    w->Zoom2Click();
    w->VertScroll->setValue(25);  // 37.5
    w->HorzScroll->setValue(23);  // 34.5
    w->Zoom3Click();
    QCOMPARE(At(*w), QPoint(35, 38));
    w->VertScroll->setValue(101);  // 33.67
    w->HorzScroll->setValue(100);  // 33.33
    w->Zoom1Click();
    QCOMPARE(At(*w), QPoint(33, 34));
}

void MainformViewportTest::zoomChecksBothItemsOrNothingDuringClip() {
    auto w = ShownWindow();
    const auto shows = [&](int z, const char* level) {
        const QAction* items[] = {w->Zoom1, w->Zoom2, w->Zoom3};
        const QAction* twins[] = {w->PopupZoom1, w->PopupZoom2, w->PopupZoom3};
        bool right = w->StatusPanel(4)->text() == QLatin1String(level);
        for (int i = 0; i < 3; ++i)
            right = right && items[i]->isChecked() == (i + 1 == z) && twins[i]->isChecked() == (i + 1 == z);
        return right;
    };
    QTest::keyClick(w.get(), Qt::Key_3, Qt::AltModifier);
    QVERIFY(shows(3, "150%"));
    w->PopupZoom1->trigger();
    QVERIFY(shows(1, "50%"));
    w->Zoom1->trigger();  // chosen again, it stays checked
    QVERIFY(shows(1, "50%"));

    w->VertScroll->setValue(240);
    w->State().ClipActive = true;
    w->Zoom3->trigger();
    w->PopupZoom2->trigger();
    QTest::keyClick(w.get(), Qt::Key_2, Qt::AltModifier);
    QCOMPARE(w->State().ZoomFactor, 1);
    QCOMPARE(w->VertScroll->value(), 240);
    QCOMPARE(w->VertScroll->singleStep(), 12);
    QVERIFY(shows(1, "50%"));
}

void MainformViewportTest::originIsPositionDivPitchAndScrollingRepaints() {
    auto w = ShownWindow();
    w->State().Cells->at(2, 1) = WireE;  // at origin 0 it runs from x 48 to 72
    w->reloadcanvas();
    QVERIFY(IsInk(*w, 60, 24) && !IsInk(*w, 36, 24));
    // 30 at 100% is origin 1 (30 div 24): the wire moves one whole node west.
    w->HorzScroll->setValue(30);
    QCOMPARE(w->OriginX(), 1);
    QVERIFY(IsInk(*w, 36, 24) && !IsInk(*w, 60, 24));
    w->HorzScroll->setValue(47);
    QCOMPARE(w->OriginX(), 1);
    w->HorzScroll->setValue(48);
    QVERIFY(IsInk(*w, 12, 24));
    w->VertScroll->setValue(24);
    QCOMPARE(w->OriginY(), 1);
    QVERIFY(IsInk(*w, 12, 0));
}

void MainformViewportTest::wheelStepsWithCtrlShiftAndMiddleButton() {
    auto w = ShownWindow();
    QWidget* area = w->Image3;
    Wheel(area, -120);
    QCOMPARE(At(*w), QPoint(0, 72));  // 24 x km 3
    Wheel(area, -120, Qt::ControlModifier);
    QCOMPARE(At(*w), QPoint(0, 432));  // + 24 x 3 x kmiddles 5
    Wheel(area, -120, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(At(*w), QPoint(360, 432));
    Wheel(area, 120, Qt::ShiftModifier);
    QCOMPARE(At(*w), QPoint(288, 432));
    Wheel(area, 120, Qt::ControlModifier);
    QCOMPARE(At(*w), QPoint(288, 72));

    // With the middle button held, wheel-up keeps the fast step; wheel-down
    // without Ctrl goes back to the plain one, and wheel-up keeps that.
    w->VertScroll->setValue(1000);
    QTest::mousePress(area, Qt::MiddleButton, {}, QPoint(30, 30));
    Wheel(area, 120);
    QCOMPARE(w->VertScroll->value(), 640);
    Wheel(area, -120);
    QCOMPARE(w->VertScroll->value(), 712);
    Wheel(area, 120);
    QCOMPARE(w->VertScroll->value(), 640);
    QTest::mouseRelease(area, Qt::MiddleButton, {}, QPoint(30, 30));
    QVERIFY(!w->State().MiddleButtonHeld);
    QCOMPARE(w->State().ScrollMultiplier, 1);

    Wheel(area, -60);  // half notches add up to whole ones
    QCOMPARE(w->VertScroll->value(), 640);
    Wheel(area, -60);
    QCOMPARE(w->VertScroll->value(), 712);
}

void MainformViewportTest::wheelFromEveryControlButNotDuringGestureOrClip() {
    auto w = ShownWindow();
    w->State().km = 1;  // a scroll bar left to itself would move 3 lines
    int y = 0;
    for (QWidget* target : {static_cast<QWidget*>(w->VertScroll), static_cast<QWidget*>(w->HorzScroll),
                            w->ToolbarHolder->widget(), static_cast<QWidget*>(w->StatusPanel(1))}) {
        Wheel(target, -120);
        QCOMPARE(At(*w), QPoint(0, y += 24));
    }
    w->State().GestureActive = true;
    Wheel(w->Image3, -120, Qt::ControlModifier);
    w->State().GestureActive = false;
    w->State().ClipActive = true;
    Wheel(w->Image3, -120);
    QCOMPARE(At(*w), QPoint(0, y));
}

void MainformViewportTest::hugeScrollSettingsStopAtTheEnds() {
    auto w = ShownWindow();
    for (int km : {INT_MAX, INT_MIN + 1}) {
        w->State().km = km;
        w->State().kmiddles = INT_MAX;
        const int forward = km > 0 ? w->VertScroll->maximum() : 0;
        const int back = km > 0 ? 0 : w->VertScroll->maximum();
        w->VertScroll->setValue(500);
        Wheel(w->Image3, -120, Qt::ControlModifier);
        QCOMPARE(w->VertScroll->value(), forward);
        Wheel(w->Image3, 120, Qt::ControlModifier);
        QCOMPARE(w->VertScroll->value(), back);
        w->HorzScroll->setValue(500);
        QTest::keyClick(w.get(), Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w->HorzScroll->value(), km > 0 ? w->HorzScroll->maximum() : 0);
    }
}

void MainformViewportTest::keysScrollByTheirSteps() {
    auto w = ShownWindow();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint at;
    } steps[] = {
        {Qt::Key_Down, {}, {0, 24}},
        {Qt::Key_Down, Qt::ControlModifier, {0, 72}},
        {Qt::Key_Down, Qt::ShiftModifier, {0, 200}},
        {Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier, {0, 328}},
        {Qt::Key_Right, Qt::ShiftModifier, {128, 328}},
        {Qt::Key_Left, {}, {104, 328}},
        {Qt::Key_Up, Qt::ControlModifier, {104, 280}},
        {Qt::Key_Home, {}, {0, 0}},
        {Qt::Key_Up, {}, {0, 0}},
        {Qt::Key_PageDown, {}, {0, 72}},                     // increment 24 x km 3
        {Qt::Key_PageDown, Qt::ControlModifier, {0, 432}},   // x kmiddles 5
        {Qt::Key_PageDown, Qt::ShiftModifier, {72, 432}},
        {Qt::Key_PageUp, Qt::ControlModifier | Qt::ShiftModifier, {0, 432}},
        {Qt::Key_PageUp, {}, {0, 360}},
    };
    for (const auto& step : steps) {
        QTest::keyClick(w.get(), step.key, step.modifiers);
        QCOMPARE(At(*w), step.at);
    }
    w->Zoom3Click();  // 360 becomes 540; the steps grow with the zoom
    QTest::keyClick(w.get(), Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(w->VertScroll->value(), 540 + 192);
    QTest::keyClick(w.get(), Qt::Key_Down);
    QCOMPARE(w->VertScroll->value(), 540 + 228);

    w->State().ClipActive = true;  // a playing clip owns the view
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Home, Qt::Key_PageDown}) QTest::keyClick(w.get(), key);
    QCOMPARE(At(*w), QPoint(0, 540 + 228));
}

void MainformViewportTest::arrowsDuringGestureRepaintWithoutScrolling() {
    auto w = ShownWindow();
    w->VertScroll->setValue(48);
    w->State().GestureActive = true;
    w->State().Cells->at(1, 3) = WireE;  // put in behind the picture's back: only a repaint shows it
    QVERIFY(!IsInk(*w, 36, 24));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Home}) {
        QTest::keyClick(w.get(), key);
        QCOMPARE(At(*w), QPoint(0, 48));
    }
    QVERIFY(IsInk(*w, 36, 24));
    w->State().Cells->at(1, 3) = Empty;
    QTest::keyClick(w.get(), Qt::Key_PageDown);  // neither moves nor repaints
    QVERIFY(IsInk(*w, 36, 24));
    QTest::keyClick(w.get(), Qt::Key_Left);
    QVERIFY(!IsInk(*w, 36, 24));
}

void MainformViewportTest::toolbarToggleResizesSurfaceAndSyncsItsCheck() {
    auto w = ShownWindow();
    const int shownWidth = w->Image3->width();
    const int holderWidth = w->ToolbarHolder->width();
    QTest::keyClick(w.get(), Qt::Key_F11);
    QVERIFY(w->ToolbarHolder->isHidden() && !w->Showtoolkit1->isChecked());
    QVERIFY(w->Image3->width() >= shownWidth + holderWidth);
    QCOMPARE(w->Image3->Picture().width(), w->Image3->width());
    QCOMPARE(w->HorzScroll->maximum(), 6144 - SeenWidth(*w));
    w->Showtoolkit1->trigger();
    QVERIFY(!w->ToolbarHolder->isHidden() && w->Showtoolkit1->isChecked());
    QCOMPARE(w->Image3->width(), shownWidth);

    w->State().ClipActive = true;  // nothing during a clip, the check included
    QTest::keyClick(w.get(), Qt::Key_F11);
    QVERIFY(!w->ToolbarHolder->isHidden() && w->Showtoolkit1->isChecked());
    w->State().ClipActive = false;

    // Closed by the user with its own button: the item follows.
    w->ToolbarHolder->close();
    QVERIFY(!w->Showtoolkit1->isChecked());
    QTRY_VERIFY(w->Image3->width() > shownWidth);
    QTest::keyClick(w.get(), Qt::Key_F11);
    QVERIFY(w->Showtoolkit1->isChecked() && !w->ToolbarHolder->isHidden());
}

QTEST_MAIN(MainformViewportTest)
#include "mainform_viewport_test.moc"
