// Names of sources and lamps in the main window: named through the pop-up and
// by double-click with scripted answers, drawn beside their elements on
// screen and on paper, and kept through moves, deletes, undo and redo.
#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QtTest>

#include "mainform.h"
#include "namelabels.h"
#include "printcircuit.h"
#include "scripted_dialogs.h"
#include "shown_window.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

QPoint Pixel(const Tmain& w, int x, int y) { return Inside(w).View().PixelOf({x, y}); }
void Click(Tmain& w, int x, int y) { QTest::mouseClick(Inside(w).Image3, Qt::LeftButton, {}, Pixel(w, x, y)); }
// As Qt delivers it: a click, then a double-click event in place of the
// second press, then its release.
void DoubleClick(Tmain& w, int x, int y) {
    Click(w, x, y);
    QTest::mouseDClick(Inside(w).Image3, Qt::LeftButton, {}, Pixel(w, x, y));
    QTest::mouseRelease(Inside(w).Image3, Qt::LeftButton, {}, Pixel(w, x, y));
}
void Popup(Tmain& w, int x, int y, QAction* command) {
    QTest::mousePress(Inside(w).Image3, Qt::RightButton, {}, Pixel(w, x, y));
    Inside(w).PopupMenu1->hide();
    command->trigger();
}
void Tool(Tmain& w, int tool) { QTest::keyClick(&w, Qt::Key(Qt::Key_0 + tool)); }
void Place(Tmain& w, int tool, std::initializer_list<QPoint> nodes) {
    Tool(w, tool);
    for (const QPoint& node : nodes) Click(w, node.x(), node.y());
}
std::int32_t Code(const Tmain& w, int x, int y) { return w.Document().Cells().at(x, y); }
QString NameAt(const Tmain& w, int x, int y) {
    const auto found = w.Document().Names().find({x, y});
    return found == w.Document().Names().end() ? QString() : QString::fromStdString(found->second);
}
// The box of the pixels in which two pictures differ.
QRect Changed(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}
// Black pixels of an image from row `top` on, grid dots of zoom 1 left out.
int Ink(const QImage& image, int top = 0) {
    int ink = 0;
    for (int y = top; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) == qRgb(0, 0, 0) && (x % 12 || y % 12);
    return ink;
}

}  // namespace

class MainformNamesTest : public QObject {
    Q_OBJECT

    vorn::test::ScriptedDialogs dialogs_;

private slots:
    void init() {
        dialogs_ = {};
        Dialogs::Install(&dialogs_);
    }
    void cleanup() { Dialogs::Install(nullptr); }

    // A source "S" at (3, 3), a lamp at (8, 3) and one named "Taken"; the
    // tool chosen, then the naming gesture on a node.
    void namingAsksWithTheShownNameAndRefusesBrokenNames_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QPoint>("node");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("named");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<int>("code");  // at the node afterwards
        const QStringList broken = {"не", "0", "A B", "Taken", "F"};
        QTest::newRow("pop-up: broken and taken names, then one that fits")
            << 1 << false << QPoint(8, 3) << broken << "F1" << "F" << 4 << 8;
        QTest::newRow("pop-up: refused only, cancelled") << 1 << false << QPoint(8, 3) << QStringList{"1"} << "F1"
                                                         << "" << 1 << 8;
        QTest::newRow("pop-up: an empty text takes the name away") << 1 << false << QPoint(3, 3) << QStringList{""}
                                                                   << "S" << "" << 0 << 6;
        QTest::newRow("double-click, wire tool") << 1 << true << QPoint(3, 3) << QStringList{"Вход_1"} << "S"
                                                 << "Вход_1" << 0 << 6;
        QTest::newRow("double-click, lamp tool: the source switched back")
            << 3 << true << QPoint(3, 3) << QStringList{"Вход_1"} << "S" << "Вход_1" << 0 << 6;
        QTest::newRow("double-click, source tool: one new source, not switched")
            << 2 << true << QPoint(5, 6) << QStringList{"Вход_1"} << "B" << "Вход_1" << 0 << 6;
    }
    void namingAsksWithTheShownNameAndRefusesBrokenNames() {
        QFETCH(QPoint, node);
        QFETCH(int, code);
        auto w = vorn::test::ShownWindow();
        Place(*w, 2, {{3, 3}});
        Place(*w, 3, {{8, 3}, {8, 8}});
        w->Document().Rename({3, 3}, "S");
        w->Document().Rename({8, 8}, "Taken");
        QFETCH(int, tool);
        Tool(*w, tool);
        const auto before = std::make_unique<CellGrid>(w->Document().Cells());
        QFETCH(QStringList, typed);
        dialogs_.elementNames = typed;
        QFETCH(bool, doubleClick);
        doubleClick ? DoubleClick(*w, node.x(), node.y()) : Popup(*w, node.x(), node.y(), Inside(*w).objname);

        QCOMPARE(dialogs_.elementNameRequests.size(), 1);
        const auto& request = dialogs_.elementNameRequests.front();
        QTEST(request.shown, "shown");
        QCOMPARE(request.prompt, code == Lamp ? "Введите имя лампочки" : "Введите имя источника");
        QTEST(int(request.refusals.size()), "refusals");
        for (const QString& refusal : request.refusals)
            QVERIFY(refusal.contains("от 1 до 12 букв, цифр или знаков «_»") || refusal.contains("уже носит"));
        QTEST(NameAt(*w, node.x(), node.y()), "named");
        QCOMPARE(Code(*w, node.x(), node.y()), code);
        // No wire and no second element: at most the one node a first click placed on.
        int changed = 0;
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y) changed += before->at(x, y) != Code(*w, x, y);
        QCOMPARE(changed, before->at(node.x(), node.y()) == Empty ? 1 : 0);
    }

    void namesAreDrawnBesideTheirElementsAtEveryZoom_data() {
        QTest::addColumn<int>("zoom");
        for (int zoom = 1; zoom <= 3; ++zoom) QTest::addRow("zoom %d", zoom) << zoom;
    }
    void namesAreDrawnBesideTheirElementsAtEveryZoom() {
        QFETCH(int, zoom);
        auto w = vorn::test::ShownWindow();
        auto ui = Inside(w);
        Place(*w, 2, {{6, 4}});
        Place(*w, 3, {{12, 4}});
        QTest::keyClick(w.get(), Qt::Key(Qt::Key_0 + zoom), Qt::AltModifier);
        const QImage plain = ui.Image3->Picture().copy();
        w->Document().Rename({6, 4}, "Вход");
        const QImage sourceNamed = ui.Image3->Picture().copy();
        w->Document().Rename({12, 4}, "F_выход");

        const QRect source = Changed(plain, sourceNamed), lamp = Changed(sourceNamed, ui.Image3->Picture());
        const QPoint s = Pixel(*w, 6, 4), l = Pixel(*w, 12, 4);
        // Left of the source's upper lead and above its box; right of the
        // lamp's centre and above its circle; below the row above.
        QVERIFY(source.width() >= 3 * zoom && source.right() < s.x() && source.bottom() < s.y() - 5 * zoom);
        QVERIFY(lamp.width() >= 5 * zoom && lamp.left() > l.x() && lamp.bottom() < l.y() - 4 * zoom);
        QVERIFY(source.top() > s.y() - 24 * zoom && lamp.top() > s.y() - 24 * zoom);
        // Default names are not drawn.
        w->Document().Rename({6, 4}, "");
        w->Document().Rename({12, 4}, "");
        QCOMPARE(ui.Image3->Picture(), plain);
    }

    void printShowsTheWholeName() {
        auto w = vorn::test::ShownWindow();
        Place(*w, 2, {{0, 5}});  // the printed area starts two columns left of it
        const QString name = QStringLiteral("Длинное_имя");
        w->Document().Rename({0, 5}, name.toStdString());
        dialogs_.printerSetup = [](QPrinter&) { return true; };
        Inside(w).PrintClick();  // the sender-name dialog is cancelled: nothing printed
        QImage plain(400, 400, QImage::Format_RGB32);
        PrintCircuit(plain, w->Document().Cells(), w->State().ZoomFactor);
        QVERIFY(dialogs_.nameRequests.value(0).preview != plain);

        // At 50 %, below the header: the page holds all the name's ink (less
        // the few grid dots it may cover), the area grown to fit it.
        QImage pages[2], alone(200, 40, QImage::Format_RGB32);
        alone.fill(Qt::white);
        {
            QPainter text(&alone);
            text.setFont(NameFont(1));
            text.drawText(10, 30, name);
        }
        for (int named = 0; named < 2; ++named) {
            pages[named] = QImage(600, 300, QImage::Format_RGB32);
            pages[named].fill(Qt::white);
            QPainter page(&pages[named]);
            PrintPage(page, w->Document().Cells(), 1, ". Vorn", named ? w->Document().Names() : NameTable{});
        }
        QVERIFY(Ink(pages[1], 24) - Ink(pages[0], 24) >= Ink(alone) - 8);
    }

    void namesFollowMovesDeletesUndoAndRedo() {
        auto w = vorn::test::ShownWindow();
        auto ui = Inside(w);
        Place(*w, 3, {{4, 4}, {9, 9}});
        w->Document().Rename({4, 4}, "Лампа");
        Tool(*w, 1);
        Popup(*w, 4, 4, ui.objmove);
        Click(*w, 6, 2);  // placed with the lamp tool the move chose
        QCOMPARE(NameAt(*w, 6, 2), "Лампа");
        Popup(*w, 9, 9, ui.objmove);  // an unnamed lamp moves without a name
        Click(*w, 9, 12);
        Popup(*w, 6, 2, ui.objdel);
        QVERIFY(w->Document().Names().empty());
        // Each undo step brings back the names of its state, and redo again:
        // the delete, the unnamed move (two steps), the placing, the pick-up.
        for (const QPoint& named : {QPoint(6, 2), QPoint(6, 2), QPoint(6, 2), QPoint(), QPoint(4, 4)}) {
            ui.Undo1->trigger();
            QCOMPARE(w->Document().Names().size(), std::size_t(!named.isNull()));
            if (!named.isNull()) QCOMPARE(NameAt(*w, named.x(), named.y()), "Лампа");
        }
        for (int step = 0; step < 4; ++step) ui.Rendo1->trigger();
        QCOMPARE(NameAt(*w, 6, 2), "Лампа");

        // Running, a double-click switches a source twice and names nothing.
        Place(*w, 2, {{2, 2}});
        QTest::keyClick(w.get(), Qt::Key_F9);
        DoubleClick(*w, 2, 2);
        QCOMPARE(Code(*w, 2, 2), int{SourceOff});
        QVERIFY(dialogs_.elementNameRequests.isEmpty());
    }
};

QTEST_MAIN(MainformNamesTest)
#include "mainform_names_test.moc"
