// The selection tool and the Delete key driven by mouse and keys: the window
// must hand the model (tested there) the right rectangle, place and names,
// as one undo step.
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
using vorn::test::Inside;

namespace {

QPoint Pixel(NodePos n) { return {24 * n.x, 24 * n.y}; }

void PointAt(Tmain& w, NodePos n, Qt::MouseButtons held = Qt::NoButton) {
    QCursor::setPos(Inside(w).Image3->mapToGlobal(Pixel(n)));
    QMouseEvent move(QEvent::MouseMove, Pixel(n), Inside(w).Image3->mapToGlobal(Pixel(n)), Qt::NoButton, held, {});
    QApplication::sendEvent(Inside(w).Image3, &move);
}
void DragNodes(Tmain& w, NodePos from, NodePos to) {
    PointAt(w, from);
    QTest::mousePress(Inside(w).Image3, Qt::LeftButton, {}, Pixel(from));
    PointAt(w, to, Qt::LeftButton);
    QTest::mouseRelease(Inside(w).Image3, Qt::LeftButton, {}, Pixel(to));
}
void Key(Tmain& w, Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&w, key, mods); }

// A named source wired to a conjunctor's upper input, its output wired to a
// named lamp and, through a junction, down to a second lamp.
constexpr NodeRect kScene{2, 2, 8, 4};
void DrawScene(Tmain& w) {
    CellGrid& cells = w.Document().Cells();
    const auto before = std::make_unique<CellGrid>(cells);
    const int codes[][7] = {{6, 1, 1, 18, 19, 0, 0}, {0, 0, 0, 16, 17, 3, 8}, {0, 0, 0, 18, 19, 1, 8}};
    for (int x = 2; x <= 8; ++x)
        for (int y = 2; y <= 4; ++y) cells.at(x, y) = codes[y - 2][x - 2];
    RefreshSolderPoints(cells, 7, 3);
    w.Document().CommitGesture(*before);
    w.Document().Rename({2, 2}, "Вход");
    w.Document().Rename({8, 3}, "Выход");
}

// The document's grid and names, compared whole.
struct Snapshot {
    std::shared_ptr<CellGrid> cells;
    NameTable names;
    explicit Snapshot(const Tmain& w) : cells(std::make_shared<CellGrid>(w.Document().Cells())), names(w.Document().Names()) {}
    // The snapshot after a model edit, and whether the edit did anything.
    std::pair<Snapshot, bool> After(const std::function<bool(CellGrid&, NameTable&)>& edit) const {
        Snapshot after = *this;
        after.cells = std::make_shared<CellGrid>(*cells);
        const bool changed = edit(*after.cells, after.names);
        return {after, changed};
    }
    bool Shown(const Tmain& w) const { return w.Document().Cells() == *cells && w.Document().Names() == names; }
};

}  // namespace

class MainformSelectionTest : public QObject {
    Q_OBJECT

private slots:
    void copyThenPasteFloatsUntilItFits();
    void cutDeleteAndMovesAreOneUndoStepEach();
};

void MainformSelectionTest::copyThenPasteFloatsUntilItFits() {
    auto w = vorn::test::ShownWindow();
    auto ui = Inside(w);
    DrawScene(*w);
    const Snapshot scene(*w);
    Key(*w, Qt::Key_8);
    DragNodes(*w, {7, 5}, {1, 1});  // the lamps' column left out: the junction's east line is cut
    QCOMPARE(ui.Selection().Selection(), (NodeRect{1, 1, 7, 5}));
    QVERIFY(ui.Copy1->isEnabled());
    Key(*w, Qt::Key_C, Qt::ControlModifier);
    const CircuitBlock block = CopyBlock(*scene.cells, scene.names, {1, 1, 7, 5});
    QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), BlockText(block));

    // Over the circuit the block is refused and floats on; in the free it is
    // put down, its source unnamed since the name is in use.
    PointAt(*w, {4, 2});
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    DragNodes(*w, {4, 2}, {4, 2});
    QVERIFY(ui.Selection().Floating() && !ui.Selection().ShownBlockFits() && scene.Shown(*w));
    const int undos = w->Document().UndoCount();
    DragNodes(*w, {20, 10}, {20, 10});
    const Snapshot pasted = scene.After([&](CellGrid& c, NameTable& n) { return PasteBlock(c, n, block, {20, 10}); }).first;
    QVERIFY(pasted.Shown(*w) && !pasted.names.contains({21, 11}) && !ui.Selection().Floating());
    QCOMPARE(ui.Selection().Selection(), (NodeRect{20, 10, 26, 14}));
    QCOMPARE(w->Document().UndoCount(), undos + 1);
    ui.Undo1->trigger();
    QVERIFY(scene.Shown(*w));
    ui.Rendo1->trigger();
    QVERIFY(pasted.Shown(*w));

    // Esc drops a floating block; text that is no block floats nothing; a
    // circuit file's text from elsewhere pastes with its names.
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    Key(*w, Qt::Key_Escape);
    QGuiApplication::clipboard()->setText(QStringLiteral("Hallo\n"));
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!ui.Selection().Floating() && pasted.Shown(*w));
    QGuiApplication::clipboard()->setText(QStringLiteral("; any header\n; name 0 1 Q\n 1 0 6\n"));
    Key(*w, Qt::Key_V, Qt::ControlModifier);
    DragNodes(*w, {40, 40}, {40, 40});
    QVERIFY(w->Document().Cells().at(40, 41) == SourceOff && w->Document().Names().at({40, 41}) == "Q");

    // A running circuit is not edited: the selection goes and Delete does nothing.
    const Snapshot before(*w);
    Key(*w, Qt::Key_F9);
    QVERIFY(!ui.Selection().HasSelection() && !ui.Copy1->isEnabled());
    PointAt(*w, {8, 3});
    Key(*w, Qt::Key_Delete);
    QVERIFY(before.Shown(*w));
}

void MainformSelectionTest::cutDeleteAndMovesAreOneUndoStepEach() {
    using ModelEdit = std::function<bool(CellGrid&, NameTable&)>;
    const auto moveTo = [](NodeRect rect, NodePos to) -> ModelEdit {
        return [=](CellGrid& c, NameTable& n) { return MoveBlock(c, n, rect, to); };
    };
    const ModelEdit erase = [](CellGrid& c, NameTable& n) { return !CutBlock(c, n, kScene).IsBlank(); };
    const ModelEdit nothing = [](CellGrid&, NameTable&) { return false; };
    const auto deleteAt = [](NodePos node) { return [=](Tmain& w) { PointAt(w, node), Key(w, Qt::Key_Delete); }; };
    const NodeRect source{2, 2, 2, 2}, corner{0, 0, 3, 3}, none{};
    const struct {
        NodeRect selected;
        std::function<void(Tmain&)> action;
        ModelEdit model;  // what the grid must become; false: nothing changes
    } cases[] = {
        {kScene, [](Tmain& w) { Key(w, Qt::Key_X, Qt::ControlModifier); }, erase},
        {kScene, [](Tmain& w) { Key(w, Qt::Key_Delete); }, erase},
        {kScene, [](Tmain& w) { Key(w, Qt::Key_Down); }, moveTo(kScene, {2, 3})},
        {kScene, [](Tmain& w) { Key(w, Qt::Key_Right); }, moveTo(kScene, {3, 2})},
        {kScene, [](Tmain& w) { DragNodes(w, {5, 3}, {15, 9}); }, moveTo(kScene, {12, 8})},
        {source, [](Tmain& w) { DragNodes(w, {2, 2}, {8, 3}); }, moveTo(source, {8, 3})},  // onto the lamp
        {corner, [](Tmain& w) { Key(w, Qt::Key_Left); }, moveTo(corner, {-1, 0})},         // out of the field
        // Nothing selected: Delete takes the object under the pointer, the whole gate from its corner.
        {none, deleteAt({6, 4}),
         [](CellGrid& c, NameTable&) { return EraseAtNode(c, 5, 3, EraseMode::Press) && (RefreshSolderPoints(c, 6, 4), true); }},
        {none, deleteAt({20, 20}), nothing},
        {none, deleteAt({-3, 2}), nothing},  // beside the surface
    };
    for (const auto& c : cases) {
        auto w = vorn::test::ShownWindow();
        DrawScene(*w);
        const Snapshot scene(*w);
        const int undos = w->Document().UndoCount();
        Inside(w).ToolButtons[7]->trigger();
        if (!c.selected.IsEmpty()) DragNodes(*w, {c.selected.left, c.selected.top}, {c.selected.right, c.selected.bottom});
        c.action(*w);
        const auto [expected, changes] = scene.After(c.model);
        const QByteArray row = "row " + QByteArray::number(&c - cases);
        QVERIFY2(expected.Shown(*w) && w->Document().UndoCount() == undos + (changes ? 1 : 0), row);
        Inside(w).Undo1->trigger();
        QVERIFY2(changes == scene.Shown(*w), row);
    }
}

QTEST_MAIN(MainformSelectionTest)
#include "mainform_selection_test.moc"
