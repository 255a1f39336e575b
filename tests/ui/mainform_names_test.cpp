// Names of sources and lamps in the main window: named through the pop-up and
// by double-click with scripted answers, drawn beside their elements on
// screen and on paper, and kept through moves, deletes, undo and redo.
#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QtTest>

#include "editing.h"
#include "mainform.h"
#include "namelabels.h"
#include "printcircuit.h"
#include "scripted_dialogs.h"
#include "shown_window.h"

using namespace vorn;

namespace {

using vorn::test::ScriptedDialogs;

QPoint Pixel(const Tmain& w, int x, int y) { return w.View().PixelOf({x, y}); }
void Click(Tmain& w, int x, int y) { QTest::mouseClick(w.Image3, Qt::LeftButton, {}, Pixel(w, x, y)); }
// A double-click as Qt delivers it: a click, then a double-click event in
// place of the second press, then its release.
void DoubleClick(Tmain& w, int x, int y) {
    Click(w, x, y);
    QTest::mouseDClick(w.Image3, Qt::LeftButton, {}, Pixel(w, x, y));
    QTest::mouseRelease(w.Image3, Qt::LeftButton, {}, Pixel(w, x, y));
}
void Popup(Tmain& w, int x, int y, QAction* Tmain::*command) {
    QTest::mousePress(w.Image3, Qt::RightButton, {}, Pixel(w, x, y));
    w.PopupMenu1->hide();
    (w.*command)->trigger();
}
void Tool(Tmain& w, Qt::Key key) { QTest::keyClick(&w, key); }
std::int32_t Code(const Tmain& w, int x, int y) { return w.Document().Cells().at(x, y); }
QString NameAt(const Tmain& w, int x, int y) {
    const auto found = w.Document().Names().find({x, y});
    return found == w.Document().Names().end() ? QString() : QString::fromStdString(found->second);
}
// The box of the pixels in which two pictures differ; empty when none do.
QRect Changed(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class MainformNamesTest : public QObject {
    Q_OBJECT

    ScriptedDialogs dialogs_;

private slots:
    void init() {
        dialogs_ = ScriptedDialogs();
        Dialogs::Install(&dialogs_);
    }
    void cleanup() { Dialogs::Install(nullptr); }

    // A source at (3, 3) and a lamp at (8, 3), placed and run through with
    // the wire tool; then one way of naming the element at `node`.
    void namingAsksWithTheShownNameAndRefusesBrokenNames_data() {
        QTest::addColumn<int>("tool");  // chosen before the naming clicks
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QPoint>("node");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("named");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<int>("code");  // at the node afterwards
        const QStringList valid = {"Вход_1"};
        const QStringList broken = {"не", "0", "A B", "Taken", "F"};
        QTest::newRow("pop-up, source") << 0 << false << QPoint(3, 3) << valid << "A" << "Вход_1" << 0 << 6;
        QTest::newRow("pop-up, broken and taken names, then one that fits")
            << 0 << false << QPoint(8, 3) << broken << "F1" << "F" << 4 << 8;
        QTest::newRow("pop-up, refused only: cancelled") << 0 << false << QPoint(8, 3) << QStringList{"0"} << "F1" << ""
                                                          << 1 << 8;
        QTest::newRow("double-click with the wire tool") << 1 << true << QPoint(3, 3) << valid << "A" << "Вход_1" << 0
                                                         << 6;
        QTest::newRow("double-click with the lamp tool: the source switched back")
            << 3 << true << QPoint(3, 3) << valid << "A" << "Вход_1" << 0 << 6;
        QTest::newRow("double-click with the source tool: one new source, not switched")
            << 2 << true << QPoint(5, 6) << valid << "B" << "Вход_1" << 0 << 6;
        QTest::newRow("double-click on a lamp with the lamp tool") << 3 << true << QPoint(8, 3) << valid << "F1"
                                                                   << "Вход_1" << 0 << 8;
    }
    void namingAsksWithTheShownNameAndRefusesBrokenNames() {
        QFETCH(int, tool);
        QFETCH(bool, doubleClick);
        QFETCH(QPoint, node);
        QFETCH(QStringList, typed);
        QFETCH(QString, shown);
        QFETCH(QString, named);
        QFETCH(int, refusals);
        QFETCH(int, code);
        auto w = vorn::test::ShownWindow();
        Tool(*w, Qt::Key_2);
        Click(*w, 3, 3);
        Tool(*w, Qt::Key_3);
        Click(*w, 8, 3);
        Click(*w, 8, 8);
        QCOMPARE(w->Document().Rename({8, 8}, "Taken"), RenameResult::Renamed);
        if (tool > 0) Tool(*w, Qt::Key(Qt::Key_0 + tool));
        const auto before = std::make_unique<CellGrid>(w->Document().Cells());
        const int undo = w->Document().UndoCount();

        dialogs_.elementNames = typed;
        if (doubleClick)
            DoubleClick(*w, node.x(), node.y());
        else
            Popup(*w, node.x(), node.y(), &Tmain::objname);

        QCOMPARE(dialogs_.elementNameRequests.size(), 1);
        const auto& request = dialogs_.elementNameRequests.front();
        QCOMPARE(request.shown, shown);
        QCOMPARE(request.prompt, code == Lamp ? "Введите имя лампочки" : "Введите имя источника");
        QCOMPARE(request.refusals.size(), refusals);
        for (const QString& refusal : request.refusals)
            QVERIFY2(refusal.contains("от 1 до 12 букв, цифр или знаков «_»") || refusal.contains("уже носит"),
                     qPrintable(refusal));
        QCOMPARE(NameAt(*w, node.x(), node.y()), named);
        QCOMPARE(Code(*w, node.x(), node.y()), code);
        // The pair left no wire and no second element: at most the one
        // placed by its first click differs from before.
        int changedNodes = 0;
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y) changedNodes += before->at(x, y) != Code(*w, x, y);
        QCOMPARE(changedNodes, before->at(node.x(), node.y()) == Empty ? 1 : 0);
        if (!named.isEmpty()) {
            QVERIFY(w->Document().UndoCount() > undo);
            w->Undo1->trigger();
            QCOMPARE(NameAt(*w, node.x(), node.y()), QString());
        }
    }

    void anEmptyNameTakesTheNameAwayAndRunModeNamesNothing() {
        auto w = vorn::test::ShownWindow();
        Tool(*w, Qt::Key_2);
        Click(*w, 3, 3);
        w->Document().Rename({3, 3}, "X");
        Tool(*w, Qt::Key_1);
        dialogs_.elementNames = {""};
        DoubleClick(*w, 3, 3);
        QCOMPARE(NameAt(*w, 3, 3), QString());

        QTest::keyClick(w.get(), Qt::Key_F9);
        QTest::mousePress(w->Image3, Qt::RightButton, {}, Pixel(*w, 3, 3));
        QVERIFY(!w->objname->isVisible());
        w->PopupMenu1->hide();
        DoubleClick(*w, 3, 3);  // two switches, no dialog
        QCOMPARE(Code(*w, 3, 3), int{SourceOff});
        QCOMPARE(dialogs_.elementNameRequests.size(), 1);
    }

    // The name stands above the element, clear of its body and leads; the
    // default names are never drawn.
    void namesAreDrawnBesideTheirElementsAtEveryZoom_data() {
        QTest::addColumn<int>("zoom");
        for (int zoom = 1; zoom <= 3; ++zoom) QTest::addRow("zoom %d", zoom) << zoom;
    }
    void namesAreDrawnBesideTheirElementsAtEveryZoom() {
        QFETCH(int, zoom);
        auto w = vorn::test::ShownWindow();
        Tool(*w, Qt::Key_2);
        Click(*w, 6, 4);
        Tool(*w, Qt::Key_3);
        Click(*w, 12, 4);
        QTest::keyClick(w.get(), Qt::Key(Qt::Key_0 + zoom), Qt::AltModifier);
        QCOMPARE(w->State().ZoomFactor, zoom);
        const QImage plain = w->Image3->Picture().copy();

        const QPoint source = Pixel(*w, 6, 4), lamp = Pixel(*w, 12, 4);
        QCOMPARE(w->Document().Rename({6, 4}, "Вход"), RenameResult::Renamed);
        const QImage sourceNamed = w->Image3->Picture().copy();
        QCOMPARE(w->Document().Rename({12, 4}, "F_выход"), RenameResult::Renamed);
        const QImage bothNamed = w->Image3->Picture().copy();

        const QRect sourceInk = Changed(plain, sourceNamed), lampInk = Changed(sourceNamed, bothNamed);
        QVERIFY(sourceInk.width() >= 3 * zoom && sourceInk.height() >= 5);
        QVERIFY(lampInk.width() >= 5 * zoom && lampInk.height() >= 5);
        // Left of the source's upper lead, above its box; right of the
        // lamp's centre, above its circle; within a node of the row.
        QVERIFY(sourceInk.right() < source.x() && sourceInk.bottom() < source.y() - 5 * zoom);
        QVERIFY(lampInk.left() > lamp.x() && lampInk.bottom() < lamp.y() - 4 * zoom);
        for (const QRect& ink : {sourceInk, lampInk}) QVERIFY(ink.top() > source.y() - 24 * zoom);

        w->Document().Rename({6, 4}, "");
        w->Document().Rename({12, 4}, "");
        QCOMPARE(w->Image3->Picture(), plain);
    }

    void printShowsTheWholeName() {
        auto w = vorn::test::ShownWindow();
        Tool(*w, Qt::Key_2);
        Click(*w, 0, 5);  // the printed area starts two columns left of it
        const QString name = QStringLiteral("Длинное_имя");
        QCOMPARE(w->Document().Rename({0, 5}, name.toStdString()), RenameResult::Renamed);
        const CellGrid& cells = w->Document().Cells();

        dialogs_.printerSetup = [](QPrinter&) { return true; };
        w->PrintClick();  // the sender-name dialog is cancelled: nothing printed
        QCOMPARE(dialogs_.nameRequests.size(), 1);
        QImage plain(400, 400, QImage::Format_RGB32);
        plain.fill(Qt::white);
        PrintCircuit(plain, cells, w->State().ZoomFactor);
        QVERIFY(dialogs_.nameRequests.front().preview != plain);

        // On the page at 50 %, below the header: the ink besides the grid
        // dots, and its leftmost column.
        const auto ink = [&](const NameTable& names) {
            QImage page(600, 300, QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            PrintPage(painter, cells, 1, QStringLiteral(". Vorn"), names);
            painter.end();
            QPoint found(0, page.width());  // count, leftmost column
            for (int y = 24; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (qGray(page.pixel(x, y)) < 128 && (x % 12 || y % 12)) {
                        found.rx() += 1;
                        found.ry() = std::min(found.y(), x);
                    }
            return found;
        };
        QImage alone(200, 40, QImage::Format_RGB32);
        alone.fill(Qt::white);
        QPainter painter(&alone);
        painter.setFont(NameFont(1));
        painter.drawText(10, 30, name);
        painter.end();
        int nameInk = 0;
        for (int y = 0; y < alone.height(); ++y)
            for (int x = 0; x < alone.width(); ++x) nameInk += qGray(alone.pixel(x, y)) < 128;

        const QPoint unnamed = ink({}), named = ink(w->Document().Names());
        // The whole name, less at most the few grid dots it may cover; the
        // area grew to the left instead of cutting it.
        QVERIFY2(named.x() - unnamed.x() >= nameInk - 8, qPrintable(QStringLiteral("%1 %2 %3").arg(named.x()).arg(unnamed.x()).arg(nameInk)));
        QVERIFY(named.y() > 0);
    }

    void namesFollowMovesDeletesUndoAndRedo() {
        auto w = vorn::test::ShownWindow();
        Tool(*w, Qt::Key_3);
        Click(*w, 4, 4);
        Click(*w, 9, 9);
        w->Document().Rename({4, 4}, "Лампа");
        Tool(*w, Qt::Key_1);
        const int undo = w->Document().UndoCount();

        Popup(*w, 4, 4, &Tmain::objmove);
        QCOMPARE(NameAt(*w, 4, 4), QString());
        Click(*w, 6, 2);  // placed with the lamp tool the move chose
        QCOMPARE(Code(*w, 6, 2), int{Lamp});
        QCOMPARE(NameAt(*w, 6, 2), "Лампа");
        QCOMPARE(w->Document().UndoCount(), undo + 2);
        Popup(*w, 9, 9, &Tmain::objmove);  // an unnamed lamp moves without a name
        Click(*w, 9, 12);
        QCOMPARE(w->Document().Names().size(), std::size_t{1});

        Popup(*w, 6, 2, &Tmain::objdel);
        QVERIFY(w->Document().Names().empty());
        // Each undo step brings back the names of its state, and redo again.
        const QList<QList<QPoint>> namedNodes = {{{6, 2}}, {{6, 2}}, {{6, 2}}, {}, {{4, 4}}};
        for (const QList<QPoint>& nodes : namedNodes) {
            w->Undo1->trigger();
            QCOMPARE(w->Document().Names().size(), std::size_t(nodes.size()));
            for (const QPoint& node : nodes) QCOMPARE(NameAt(*w, node.x(), node.y()), "Лампа");
        }
        for (int step = 0; step < 4; ++step) w->Rendo1->trigger();
        QCOMPARE(NameAt(*w, 6, 2), "Лампа");
    }
};

QTEST_MAIN(MainformNamesTest)
#include "mainform_names_test.moc"
