// The selection tool driven as a user drives it: a dragged rectangle, the
// clipboard commands, a floating block put down with a click, moves by drag
// and by arrow key, the Delete key, and undo of each. What the grid becomes
// is the model's business (tested there); here the window must hand the
// model the right rectangle, place and names, as one undo step.
#include <functional>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

#include "blockselection.h"
#include "circuitblock.h"
#include "editing.h"
#include "mainform.h"
#include "shown_window.h"

using namespace vorn;

namespace {

QPoint Pixel(NodePos n) { return {24 * n.x, 24 * n.y}; }

void PointAt(Tmain& w, NodePos n, Qt::MouseButtons held = Qt::NoButton) {
    QCursor::setPos(w.Image3->mapToGlobal(Pixel(n)));
    QMouseEvent move(QEvent::MouseMove, Pixel(n), w.Image3->mapToGlobal(Pixel(n)), Qt::NoButton, held, {});
    QApplication::sendEvent(w.Image3, &move);
}
void DragNodes(Tmain& w, NodePos from, NodePos to) {
    PointAt(w, from);
    QTest::mousePress(w.Image3, Qt::LeftButton, {}, Pixel(from));
    PointAt(w, to, Qt::LeftButton);
    QTest::mouseRelease(w.Image3, Qt::LeftButton, {}, Pixel(to));
}
void Key(Tmain& w, Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&w, key, mods); }

// A named source wired to a conjunctor's upper input, its output wired to a
// named lamp and, through a junction, down to a second lamp.
constexpr NodeRect kScene{2, 2, 8, 4};
void DrawScene(Tmain& w) {
    CellGrid& cells = w.Document().Cells();
    const auto before = std::make_unique<CellGrid>(cells);
    const int codes[][3] = {{2, 2, SourceOff}, {3, 2, WireE}, {4, 2, WireE}, {5, 2, GateInput}, {5, 3, ConjunctorAnchor},
                            {5, 4, GateInput}, {6, 2, GateCorner}, {6, 3, GateOutput}, {6, 4, GateCorner},
                            {7, 3, WireES}, {8, 3, Lamp}, {7, 4, WireE}, {8, 4, Lamp}};
    for (const auto& [x, y, code] : codes) cells.at(x, y) = code;
    RefreshSolderPoints(cells, 7, 3);
    w.Document().CommitGesture(*before);
    w.Document().Rename({2, 2}, "Вход");
    w.Document().Rename({8, 3}, "Выход");
}

struct Snapshot {
    std::unique_ptr<CellGrid> cells;
    NameTable names;
    explicit Snapshot(const Tmain& w) : cells(std::make_unique<CellGrid>(w.Document().Cells())), names(w.Document().Names()) {}
    bool Shown(const Tmain& w) const { return w.Document().Cells() == *cells && w.Document().Names() == names; }
};

}  // namespace

class MainformSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void copyThenPasteFloatsUntilItFits();
    void cutDeleteAndMovesAreOneUndoStepEach();
    void deleteKeyErasesTheObjectUnderThePointer();
};

void MainformSelectionTest::copyThenPasteFloatsUntilItFits() {
    auto w = vorn::test::ShownWindow();
    DrawScene(*w);
    const Snapshot scene(*w);
    Key(*w, Qt::Key_8);
    QVERIFY(!w->Copy1->isEnabled());
    DragNodes(*w, {7, 5}, {1, 1});  // the lamps' column left out: the junction's east line is cut
    QCOMPARE(w->Selection().Selection(), (NodeRect{1, 1, 7, 5}));
    QVERIFY(w->Copy1->isEnabled() && w->Cut1->isEnabled());
    Key(*w, Qt::Key_C, Qt::ControlModifier);
    const CircuitBlock block = CopyBlock(*scene.cells, scene.names, {1, 1, 7, 5});
    QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), BlockText(block));
    QVERIFY(scene.Shown(*w));

    // Over the circuit the block is refused and keeps floating.
    PointAt(*w, {4, 2});
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(w->Selection().Floating() && !w->Selection().ShownBlockFits());
    DragNodes(*w, {4, 2}, {4, 2});
    QVERIFY(w->Selection().Floating() && scene.Shown(*w));
    const int undos = w->Document().UndoCount();
    PointAt(*w, {20, 10});
    QVERIFY(w->Selection().ShownBlockFits() && w->Selection().FloatAt() == (NodePos{20, 10}));
    DragNodes(*w, {20, 10}, {20, 10});
    // The pasted source goes unnamed: its name is in use.
    Snapshot expected(*w);
    *expected.cells = *scene.cells;
    expected.names = scene.names;
    QVERIFY(PasteBlock(*expected.cells, expected.names, block, {20, 10}));
    QVERIFY(expected.Shown(*w) && !w->Document().Names().contains({21, 11}));
    QVERIFY(!w->Selection().Floating());
    QCOMPARE(w->Selection().Selection(), (NodeRect{20, 10, 26, 14}));
    QCOMPARE(w->Document().UndoCount(), undos + 1);
    w->Undo1->trigger();
    QVERIFY(scene.Shown(*w));
    w->Rendo1->trigger();
    QVERIFY(expected.Shown(*w));

    // Esc drops a floating block; text that is no block floats nothing; a
    // circuit file's text from elsewhere pastes with its names.
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    Key(*w, Qt::Key_Escape);
    QVERIFY(!w->Selection().Floating() && expected.Shown(*w));
    QGuiApplication::clipboard()->setText(QStringLiteral("Hallo\n"));
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!w->Selection().Floating());
    QGuiApplication::clipboard()->setText(QStringLiteral("; any header\n; name 0 1 Q\n 1 0 6\n"));
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    DragNodes(*w, {40, 40}, {40, 40});
    QCOMPARE(w->Document().Cells().at(40, 41), std::int32_t{SourceOff});
    QCOMPARE(w->Document().Names().at({40, 41}), std::string("Q"));
}

void MainformSelectionTest::cutDeleteAndMovesAreOneUndoStepEach() {
    using ModelEdit = std::function<bool(CellGrid&, NameTable&)>;
    const auto moveTo = [](NodeRect rect, NodePos to) -> ModelEdit {
        return [=](CellGrid& c, NameTable& n) { return MoveBlock(c, n, rect, to); };
    };
    const ModelEdit erase = [](CellGrid& c, NameTable& n) { return !CutBlock(c, n, kScene).IsBlank(); };
    const struct {
        const char* what;
        NodeRect selected;
        std::function<void(Tmain&)> action;
        ModelEdit model;  // what the grid must become; false: nothing changes
    } cases[] = {
        {"Ctrl+X", kScene, [](Tmain& w) { Key(w, Qt::Key_X, Qt::ControlModifier); }, erase},
        {"Delete", kScene, [](Tmain& w) { Key(w, Qt::Key_Delete); }, erase},
        {"arrow", kScene, [](Tmain& w) { Key(w, Qt::Key_Down); }, moveTo(kScene, {2, 3})},
        {"drag inside", kScene, [](Tmain& w) { DragNodes(w, {5, 3}, {15, 9}); }, moveTo(kScene, {12, 8})},
        {"drag onto the lamp", {2, 2, 2, 2}, [](Tmain& w) { DragNodes(w, {2, 2}, {8, 3}); },
         moveTo({2, 2, 2, 2}, {8, 3})},
        {"arrow out of the field", {0, 0, 3, 3}, [](Tmain& w) { Key(w, Qt::Key_Left); }, moveTo({0, 0, 3, 3}, {-1, 0})},
    };
    for (const auto& c : cases) {
        auto w = vorn::test::ShownWindow();
        DrawScene(*w);
        const Snapshot scene(*w);
        const int undos = w->Document().UndoCount();
        w->ToolButtons[7]->trigger();
        DragNodes(*w, {c.selected.left, c.selected.top}, {c.selected.right, c.selected.bottom});
        c.action(*w);
        Snapshot expected(*w);
        *expected.cells = *scene.cells;
        expected.names = scene.names;
        const bool changes = c.model(*expected.cells, expected.names);
        QVERIFY2(expected.Shown(*w), c.what);
        QVERIFY2(w->Document().UndoCount() == undos + (changes ? 1 : 0), c.what);
        w->Undo1->trigger();
        QVERIFY2(changes == scene.Shown(*w), c.what);
    }
}

void MainformSelectionTest::deleteKeyErasesTheObjectUnderThePointer() {
    auto w = vorn::test::ShownWindow();
    DrawScene(*w);
    const Snapshot scene(*w);
    const int undos = w->Document().UndoCount();
    for (NodePos empty : {NodePos{20, 20}, NodePos{-3, 2}}) {  // an empty node, a place beside the surface
        PointAt(*w, empty);
        Key(*w, Qt::Key_Delete);
    }
    QVERIFY(scene.Shown(*w) && w->Document().UndoCount() == undos);
    PointAt(*w, {6, 4});  // a corner of the gate: the whole gate goes, its wires stay
    Key(*w, Qt::Key_Delete);
    for (int y = 2; y <= 4; ++y) QVERIFY(StoredCode(w->Document().Cells(), 5, y) == Empty);
    QCOMPARE(w->Document().Cells().at(4, 2), std::int32_t{WireE});
    QCOMPARE(w->Document().UndoCount(), undos + 1);
    w->Undo1->trigger();
    QVERIFY(scene.Shown(*w));

    // A running circuit is not edited: the selection goes and Delete does nothing.
    Key(*w, Qt::Key_8);
    DragNodes(*w, {1, 1}, {9, 9});
    Key(*w, Qt::Key_F9);
    QVERIFY(!w->Selection().HasSelection() && !w->Copy1->isEnabled());
    PointAt(*w, {8, 3});
    Key(*w, Qt::Key_Delete);
    QVERIFY(scene.Shown(*w));
}

QTEST_MAIN(MainformSelectionTest)
#include "mainform_selection_test.moc"
