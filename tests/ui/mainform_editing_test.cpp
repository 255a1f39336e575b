// The drawing surface driven by mouse events as a user gives them: drawing,
// placing, erasing, the hover feedback, the object pop-up, undo and redo,
// and run mode with its locks and source clicks.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QTemporaryDir>
#include <QtTest>

#include "drawingsurface.h"
#include "editing.h"
#include "helpfile.h"
#include "helpviewer.h"
#include "helpwindow.h"
#include "mainform.h"
#include "pointer.h"
#include "shown_window.h"
#include "signals.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::ShownWindow;

// The surface pixel of a node at zoom 100 % with the view at the origin.
QPoint Pixel(int x, int y) { return {24 * x, 24 * y}; }

void Press(Tmain& w, int x, int y, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {}) {
    QTest::mousePress(Inside(w).Image3, button, mods, Pixel(x, y));
}
void Release(Tmain& w, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(Inside(w).Image3, button, {}, Pixel(x, y));
}
void Click(Tmain& w, int x, int y) {
    Press(w, x, y);
    Release(w, x, y);
}
// A move with the left button and the given keys held.
void Move(Tmain& w, QPoint pixel, Qt::KeyboardModifiers mods = {}) {
    QMouseEvent move(QEvent::MouseMove, pixel, Inside(w).Image3->mapToGlobal(pixel), Qt::NoButton, Qt::LeftButton, mods);
    QApplication::sendEvent(Inside(w).Image3, &move);
}
// A drag through the given pixels, pressed at the first and released at the last.
void Drag(Tmain& w, const QList<QPoint>& pixels, Qt::KeyboardModifiers mods = {}) {
    QTest::mousePress(Inside(w).Image3, Qt::LeftButton, mods, pixels.front());
    for (const QPoint& p : pixels) Move(w, p, mods);
    QTest::mouseRelease(Inside(w).Image3, Qt::LeftButton, mods, pixels.back());
}
void Key(Tmain& w, Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&w, key, mods); }

std::int32_t Code(const Tmain& w, int x, int y) { return w.Document().Cells().at(x, y); }
using Codes = QList<std::int32_t>;
// The codes at several nodes, compared as one list.
Codes CodesAt(const Tmain& w, std::initializer_list<QPoint> nodes) {
    Codes codes;
    for (QPoint node : nodes) codes << Code(w, node.x(), node.y());
    return codes;
}
QString StatusWord(const Tmain& w) { return Inside(w).StatusPanel(0)->text(); }
// Saves the document, so that only a later change can mark it changed.
void MarkSaved(Tmain& w) {
    static QTemporaryDir folder;
    w.Document().Save(folder.filePath(QStringLiteral("saved.vfl")));
}

QStringList Visible(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (a->isVisible()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

// Opens the pop-up on a node with a right press and closes it again.
QStringList PopupAt(Tmain& w, int x, int y) {
    Press(w, x, y, Qt::RightButton);
    const QStringList items = Visible(Inside(w).PopupMenu1);
    Inside(w).PopupMenu1->hide();
    return items;
}

}  // namespace

class MainformEditingTest : public QObject {
    Q_OBJECT

private slots:
    void sourceWireLampRunAndSwitch();
    void wireStepsFollowThePointerNodeByNode();
    void pressesThatChangeNothingAreNoEdit();
    void eraserStrokeIsOneUndoStep();
    void hoverShowsNodeNameAndMarker();
    void popupOffersWhatTheNodeAllows();
    void movedGateIsRefusedThenPlacedAndUndoneInTwoSteps();
    void undoAndRedoMarkTheDocumentChanged();
    void runModeLocksEditingAndKeepsTheTool();
    void clipRecorderLogsMouseActions();
};

void MainformEditingTest::sourceWireLampRunAndSwitch() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    ProgramState& s = w->State();
    Key(*w, Qt::Key_2);
    Click(*w, 3, 3);
    QCOMPARE(StatusWord(*w), QStringLiteral("Изменено"));
    Key(*w, Qt::Key_1);
    Drag(*w, {Pixel(4, 3), Pixel(5, 3) + QPoint(3, -4), Pixel(6, 3), Pixel(7, 3), Pixel(8, 3)});
    Key(*w, Qt::Key_3);
    Click(*w, 8, 3);
    for (int x = 4; x < 8; ++x) QCOMPARE(Code(*w, x, 3), WireE);
    QCOMPARE(CodesAt(*w, {{3, 3}, {8, 3}}), (Codes{SourceOff, Lamp}));
    QCOMPARE(w->Document().UndoCount(), 3);
    QCOMPARE(s.CurrentTool, int{ToolLamp});

    const QPoint lampWire = Pixel(7, 3) + QPoint(12, 0);  // middle of the segment into the lamp
    QCOMPARE(ui.Image3->Picture().pixelColor(lampWire), s.Settings.colors.wire);
    Key(*w, Qt::Key_F9);
    QVERIFY(s.RunMode && ui.Run2->isChecked() && ui.run3->isChecked());
    QCOMPARE(w->Document().Signals().at(6, 3), Signal0);
    QCOMPARE(ui.Image3->Picture().pixelColor(lampWire), s.Settings.colors.zero);
    // The status bar says the circuit runs, whole and beside the document's state.
    QCOMPARE(ui.StatusPanel(5)->text().trimmed(), QStringLiteral("Запущено"));
    QVERIFY(ui.StatusPanelRight(5) <= w->statusBar()->width());
    const QPoint lampInside = Pixel(8, 3) + QPoint(0, 3);
    QCOMPARE(ui.Image3->Picture().pixelColor(lampInside), QColor(Qt::white));  // "0": unlit

    MarkSaved(*w);
    Click(*w, 3, 3);  // switches the source
    QCOMPARE(Code(*w, 3, 3), SourceOn);
    QCOMPARE(w->Document().Signals().at(8, 3), Signal1);
    QCOMPARE(ui.Image3->Picture().pixelColor(lampWire), s.Settings.colors.one);
    QCOMPARE(ui.Image3->Picture().pixelColor(lampInside), s.Settings.colors.lit);
    QCOMPARE(StatusWord(*w), QStringLiteral("Изменено"));
    QCOMPARE(w->Document().UndoCount(), 4);
    // A click beside the source switches nothing and is no edit.
    Click(*w, 5, 3);
    QCOMPARE(w->Document().UndoCount(), 4);

    Key(*w, Qt::Key_F9);
    QVERIFY(!s.RunMode && !ui.Run2->isChecked());
    QVERIFY(ui.StatusPanel(5)->text().isEmpty());
    QCOMPARE(w->Document().Signals().at(8, 3), NoSignal);
    QCOMPARE(ui.Image3->Picture().pixelColor(lampWire), s.Settings.colors.wire);
    QCOMPARE(Code(*w, 3, 3), SourceOn);  // the switch position stays
}

void MainformEditingTest::wireStepsFollowThePointerNodeByNode() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    // East from (2,2) to (4,2) and back west over it: one change, the codes
    // written once. A diagonal move and a two-node jump are ignored.
    Drag(*w, {Pixel(2, 2), Pixel(3, 2), Pixel(4, 2), Pixel(3, 2), Pixel(4, 3), Pixel(2, 2)});
    QCOMPARE(CodesAt(*w, {{2, 2}, {3, 2}, {4, 2}, {3, 3}}), (Codes{WireE, WireE, Empty, Empty}));
    QCOMPARE(w->Document().UndoCount(), 1);
    QVERIFY(!Pointer::Confinement());  // the release lets the pointer go

    // While the button is held the pointer is kept on the surface and the
    // anchor dot sits on the node reached.
    QTest::mousePress(ui.Image3, Qt::LeftButton, {}, Pixel(2, 5) + QPoint(5, 5));
    const auto confined = Pointer::Confinement();
    QVERIFY(confined && *confined == QRect(ui.Image3->mapToGlobal(QPoint(0, 0)), ui.Image3->size()));
    QVERIFY(ui.Image2->isVisible() && ui.Image2->Picture() == MarkerPicture::AnchorDot);
    QCOMPARE(ui.Image2->pos(), Pixel(2, 5) - QPoint(2, 2));
    QTest::mouseMove(ui.Image3, Pixel(2, 6) + QPoint(-4, 3));
    QCOMPARE(ui.Image2->pos(), Pixel(2, 6) - QPoint(2, 2));
    QTest::mouseRelease(ui.Image3, Qt::LeftButton, {}, Pixel(2, 6));
    QCOMPARE(Code(*w, 2, 5), WireS);
    QVERIFY(!ui.Image2->isVisible());

    // A drag that starts on a lamp draws nothing.
    Key(*w, Qt::Key_3);
    Click(*w, 8, 8);
    Key(*w, Qt::Key_1);
    const int before = w->Document().UndoCount();
    Drag(*w, {Pixel(8, 8), Pixel(9, 8), Pixel(10, 8)});
    QCOMPARE(CodesAt(*w, {{8, 8}, {9, 8}}), (Codes{Lamp, Empty}));
    QCOMPARE(w->Document().UndoCount(), before);
}

void MainformEditingTest::pressesThatChangeNothingAreNoEdit() {
    auto w = ShownWindow();
    Drag(*w, {Pixel(1, 1), Pixel(2, 1)});
    MarkSaved(*w);
    const int undo = w->Document().UndoCount();
    Key(*w, Qt::Key_3);
    Click(*w, 1, 1);  // a lamp on a wire
    Key(*w, Qt::Key_7);
    Click(*w, 6, 6);  // the eraser on nothing
    Key(*w, Qt::Key_5);
    Click(*w, 1, 2);  // a conjunctor whose block would cover the wire
    QVERIFY(Inside(w).Image2->Picture() == MarkerPicture::Refusal);
    Click(*w, 3, 0);  // a conjunctor reaching above row 0
    QCOMPARE(CodesAt(*w, {{3, 0}, {1, 1}, {1, 2}}), (Codes{Empty, WireE, Empty}));
    QCOMPARE(w->Document().UndoCount(), undo);
    QCOMPARE(StatusWord(*w), QStringLiteral("Сохранено"));
}

void MainformEditingTest::eraserStrokeIsOneUndoStep() {
    auto w = ShownWindow();
    Drag(*w, {Pixel(1, 4), Pixel(2, 4), Pixel(3, 4), Pixel(4, 4), Pixel(5, 4), Pixel(6, 4)});
    Key(*w, Qt::Key_2);
    Click(*w, 7, 4);
    const int undo = w->Document().UndoCount();
    // The wire tool with Shift erases: the press toggles nothing here and
    // the stroke over three nodes is one step.
    Key(*w, Qt::Key_1);
    Drag(*w, {Pixel(2, 4), Pixel(3, 4), Pixel(4, 4)}, Qt::ShiftModifier);
    QCOMPARE(Code(*w, 1, 4), Empty);  // the segment into the first erased node went too
    QCOMPARE(CodesAt(*w, {{4, 4}, {5, 4}}), (Codes{Empty, WireE}));
    QCOMPARE(w->Document().UndoCount(), undo + 1);
    // The eraser first switches a source, then removes it.
    Key(*w, Qt::Key_7);
    Click(*w, 7, 4);
    QCOMPARE(Code(*w, 7, 4), Empty);
    Inside(w).Undo1->trigger();
    QCOMPARE(Code(*w, 7, 4), SourceOff);
    Inside(w).Undo1->trigger();
    QCOMPARE(Code(*w, 3, 4), WireE);
}

void MainformEditingTest::hoverShowsNodeNameAndMarker() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    Key(*w, Qt::Key_3);
    Click(*w, 4, 4);
    QTest::mouseMove(ui.Image3, Pixel(7, 9) + QPoint(11, -11));
    QCOMPARE(ui.StatusPanel(2)->text(), QStringLiteral(" X: 7"));
    QCOMPARE(ui.StatusPanel(3)->text(), QStringLiteral(" Y: 9"));
    QCOMPARE(ui.Image3->Hint(), QStringLiteral("Рабочее поле"));
    QVERIFY(ui.Image2->isVisible() && ui.Image2->Picture() == MarkerPicture::Placement);
    QCOMPARE(ui.Image2->geometry(), QRect((12 * 7 - 5) * 2, (12 * 9 - 5) * 2, 20, 20));
    QTest::mouseMove(ui.Image3, Pixel(4, 4));
    QVERIFY(ui.Image2->Picture() == MarkerPicture::Refusal);
    QVERIFY(!ui.Image3->Hint().isEmpty() && ui.Image3->Hint() != QStringLiteral("Рабочее поле"));

    // A gate part is named after its gate; the gate marker is drawn a row up.
    Key(*w, Qt::Key_6);
    Click(*w, 10, 10);
    QTest::mouseMove(ui.Image3, Pixel(11, 11));
    QCOMPARE(ui.Image3->Hint(), QStringLiteral("Дизъюнктор"));
    QTest::mouseMove(ui.Image3, Pixel(20, 10));
    QCOMPARE(ui.Image2->geometry(), QRect((12 * 20 - 5) * 2, (12 * 9 - 5) * 2, 44, 68));
    QVERIFY(ui.Image2->Picture() == MarkerPicture::Placement);
}

void MainformEditingTest::popupOffersWhatTheNodeAllows() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    HelpViewer::SetHelpFile(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../help/help.hlp")));
    Drag(*w, {Pixel(1, 1), Pixel(2, 1), Pixel(3, 1), Pixel(4, 1)});
    Key(*w, Qt::Key_3);
    Click(*w, 4, 1);
    Key(*w, Qt::Key_6);
    Click(*w, 8, 8);

    const QStringList tail = {"Увеличение 1 (50%)", "Увеличение 2 (100%)", "Увеличение 3 (150%)", "-",
                              "&Запустить/остановить"};
    QCOMPARE(PopupAt(*w, 10, 5), tail);
    QCOMPARE(PopupAt(*w, 2, 1), QStringList({"Удалить провод", "Вывести справку по объекту", "-"}) + tail);
    QCOMPARE(PopupAt(*w, 4, 1),
             QStringList({"Переместить лампочку", "Удалить лампочку", "Назвать…", "Вывести справку по объекту", "-"}) +
                 tail);

    // Delete in the middle of the wire leaves a gap of two segments.
    Press(*w, 2, 1, Qt::RightButton);
    ui.PopupMenu1->hide();
    ui.objdel->trigger();
    QCOMPARE(CodesAt(*w, {{1, 1}, {2, 1}, {3, 1}}), (Codes{Empty, Empty, WireE}));

    // Help on the disjunctor's output opens its topic.
    Press(*w, 9, 8, Qt::RightButton);
    ui.PopupMenu1->hide();
    ui.Objhelp->trigger();
    HelpWindow* help = HelpViewer::Window();
    QVERIFY(help);
    const HelpTopic* topic = help->Document().TopicByKeyword(QStringLiteral("Дизъюнктор"));
    QVERIFY(topic);
    QCOMPARE(help->CurrentTopicId(), topic->id);
    HelpViewer::CloseWindow();

    // Running, a lamp offers its help only.
    Key(*w, Qt::Key_F9);
    QCOMPARE(PopupAt(*w, 4, 1), QStringList({"Вывести справку по объекту", "-"}) + tail);
    Key(*w, Qt::Key_F9);
}

void MainformEditingTest::movedGateIsRefusedThenPlacedAndUndoneInTwoSteps() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    ProgramState& s = w->State();
    Key(*w, Qt::Key_5);
    Click(*w, 5, 5);
    Key(*w, Qt::Key_3);
    Click(*w, 20, 20);
    Key(*w, Qt::Key_1);
    const int undo = w->Document().UndoCount();

    Press(*w, 6, 6, Qt::RightButton);  // a corner of the gate
    ui.PopupMenu1->hide();
    ui.objmove->trigger();
    QVERIFY(s.MovePending);
    QCOMPARE(s.CurrentTool, int{ToolConjunctor});
    QCOMPARE(Code(*w, 5, 5), Empty);
    QCOMPARE(w->Document().UndoCount(), undo + 1);

    Click(*w, 20, 21);  // its block would cover the lamp
    QVERIFY(ui.Image2->Picture() == MarkerPicture::Refusal);
    QVERIFY(s.MovePending);
    QCOMPARE(s.CurrentTool, int{ToolConjunctor});
    Click(*w, 30, 5);
    QCOMPARE(Code(*w, 30, 5), ConjunctorAnchor);
    QVERIFY(!s.MovePending);
    QCOMPARE(s.CurrentTool, int{ToolWire});
    QVERIFY(ui.ToolButtons[0]->isChecked());

    ui.Undo1->trigger();
    QCOMPARE(CodesAt(*w, {{30, 5}, {5, 5}}), (Codes{Empty, Empty}));
    ui.Undo1->trigger();
    QCOMPARE(CodesAt(*w, {{5, 5}, {20, 20}}), (Codes{ConjunctorAnchor, Lamp}));
}

void MainformEditingTest::undoAndRedoMarkTheDocumentChanged() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    QVERIFY(!ui.Undo1->isEnabled());
    Drag(*w, {Pixel(1, 1), Pixel(2, 1)});
    QVERIFY(ui.Undo1->isEnabled() && !ui.Rendo1->isEnabled());
    MarkSaved(*w);
    Key(*w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Code(*w, 1, 1), Empty);
    // The grid on screen is not the saved one any more.
    QCOMPARE(StatusWord(*w), QStringLiteral("Изменено"));
    QVERIFY(!ui.Undo1->isEnabled() && ui.Rendo1->isEnabled());
    MarkSaved(*w);
    Key(*w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Code(*w, 1, 1), WireE);
    QCOMPARE(StatusWord(*w), QStringLiteral("Изменено"));
    // Ctrl+Y redoes as well.
    Key(*w, Qt::Key_Z, Qt::ControlModifier);
    Key(*w, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Code(*w, 1, 1), WireE);
    // With nothing to redo the command changes nothing.
    MarkSaved(*w);
    ui.Rendo1Click();
    QCOMPARE(StatusWord(*w), QStringLiteral("Сохранено"));
}

void MainformEditingTest::runModeLocksEditingAndKeepsTheTool() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    ProgramState& s = w->State();
    Key(*w, Qt::Key_4);
    Drag(*w, {Pixel(9, 9)});
    Key(*w, Qt::Key_F9);
    QCOMPARE(s.CurrentTool, ToolInverter + kRunToolOffset);
    QVERIFY(!ui.ToolBar1->isEnabled() && !ui.Tools1->menuAction()->isEnabled() &&
            !ui.Edit1->menuAction()->isEnabled());
    QVERIFY(!ui.Undo1->isEnabled());
    // Tool keys, undo and presses of every kind do nothing to the circuit.
    Key(*w, Qt::Key_2);
    ui.DelClick();
    Key(*w, Qt::Key_Z, Qt::ControlModifier);
    Click(*w, 12, 12);
    Drag(*w, {Pixel(13, 13), Pixel(14, 13)});
    QCOMPARE(s.CurrentTool, ToolInverter + kRunToolOffset);
    QCOMPARE(CodesAt(*w, {{9, 9}, {12, 12}, {13, 13}}), (Codes{Inverter, Empty, Empty}));

    ui.run3->trigger();  // the pop-up's twin leaves run mode
    QVERIFY(!s.RunMode && !ui.Run2->isChecked());
    QCOMPARE(s.CurrentTool, int{ToolInverter});
    QVERIFY(ui.ToolButtons[3]->isChecked() && ui.ToolBar1->isEnabled() && ui.Undo1->isEnabled());

    // A playing clip refuses a run command that is not its own; both are logged.
    static const ClipEvent script[] = {{kClipRun, kClipRun, kClipRun}, {kClipLeftPress, 0, 0}};
    w->Clips().Play(script, 2);
    w->Clips().Pause();
    ui.Run2Click();
    QVERIFY(!s.RunMode && !ui.Run2->isChecked());
    QCOMPARE(w->Clips().LogText(), QStringLiteral("(-9,-9,-9),"));
    w->Clips().Play(script, 1);
    w->Clips().Pause();
    ui.Run2Click();
    QVERIFY(s.RunMode);
    QCOMPARE(w->Clips().LogText(), QStringLiteral("(-9,-9,-9),"));
    w->StopClip();
    ui.Run2Click();
    QVERIFY(!s.RunMode);
}

void MainformEditingTest::clipRecorderLogsMouseActions() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    w->Clips().StartRecording();
    QTest::mousePress(ui.Image3, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseMove(ui.Image3, QPoint(50, 40));  // between samples: not logged
    QTest::mouseRelease(ui.Image3, Qt::LeftButton, {}, QPoint(50, 40));
    QCOMPARE(w->Clips().LogText(), QStringLiteral("(1,30,40),\n(4,50,40),"));
    // The sample timer logs the pointer's screen position while it runs.
    QTRY_VERIFY(w->Clips().LogText().contains(QStringLiteral("\n(0,")));
    // Stopping clips leaves the recording going.
    w->StopClip();
    QVERIFY(w->Clips().Active() && w->Clips().Recording());
}

QTEST_MAIN(MainformEditingTest)
#include "mainform_editing_test.moc"
