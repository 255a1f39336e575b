// The truth-table window beside the main window: its rows, names, formulas
// and warnings, the highlighted row, row clicks, and the marks on the grid.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QtTest>

#include "../model/grid_text.h"
#include "drawingsurface.h"
#include "shown_window.h"
#include "signals.h"
#include "truthtablewindow.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

// Sources X (2, 2) and Y (2, 4) into a conjunctor whose output lights F (7, 3).
std::unique_ptr<Tmain> NamedConjunction() {
    auto w = test::ShownWindow();
    const auto before = std::make_unique<CellGrid>(w->Document().Cells());
    w->Document().Cells() = *test::GridFromRows({"6 1 18 19", "0 0 16 17 1 8", "6 1 18 19"}, 2, 2);
    w->Document().CommitGesture(*before);
    w->Document().Rename({2, 2}, "X");
    w->Document().Rename({2, 4}, "Y");
    w->Document().Rename({7, 3}, "F");
    return w;
}

TruthTableWindow* OpenTable(Tmain& w) {
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
    TruthTableWindow* table = Inside(w).TableWindow();
    if (table && !QTest::qWaitFor([&] { return table->Ready(); }, 10000)) return nullptr;
    return table;
}

QStringList Headers(const TruthTableWindow& t) {
    QStringList h;
    for (int c = 0; c < t.Table->model()->columnCount(); ++c)
        h << t.Table->model()->headerData(c, Qt::Horizontal).toString();
    return h;
}

QStringList Rows(const TruthTableWindow& t) {
    QStringList rows;
    const QAbstractItemModel* m = t.Table->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        QString row;
        for (int c = 0; c < m->columnCount(); ++c) row += m->index(r, c).data().toString();
        rows << row;
    }
    return rows;
}

QStringList WarningTexts(const TruthTableWindow& t) {
    QStringList texts;
    for (int i = 0; i < t.Warnings->count(); ++i) texts << t.Warnings->item(i)->text();
    return texts;
}

void ClickSurface(Tmain& w, int x, int y) { QTest::mouseClick(Inside(w).Image3, Qt::LeftButton, {}, QPoint(24 * x, 24 * y)); }

void ClickRow(TruthTableWindow& t, int row) {
    const QRect cell = t.Table->visualRect(t.Table->model()->index(row, 0));
    QTest::mouseClick(t.Table->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace

class TruthTableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsRowsNamesAndFormulas() {
        auto w = NamedConjunction();
        TruthTableWindow* t = OpenTable(*w);
        QVERIFY(t);
        QVERIFY(t->isVisible());
        QCOMPARE(t->windowTitle(), QStringLiteral("Таблица истинности"));
        QCOMPARE(Headers(*t), (QStringList{"X", "Y", "F"}));
        QCOMPARE(Rows(*t), (QStringList{"000", "010", "100", "111"}));
        const QString formulas = t->Formulas->toPlainText();
        for (const char* line : {"Минимальная форма:\nF = X*Y\n", "СДНФ:\nF = X*Y\n",
                                 "СКНФ:\nF = (X+Y)*(X+(не Y))*((не X)+Y)\n"})
            QVERIFY2(formulas.contains(QString::fromUtf8(line)), line);
        QCOMPARE(WarningTexts(*t), QStringList{"Предупреждений нет."});
        QVERIFY(t->MarkedNodes().empty());
    }

    void highlightFollowsSourceClicksInRunMode() {
        auto w = NamedConjunction();
        TruthTableWindow* t = OpenTable(*w);
        QVERIFY(t);
        Inside(w).Run2->trigger();
        QCOMPARE(t->HighlightedRow(), 0);
        const int clicks[][3] = {{2, 2, 2}, {2, 4, 3}, {2, 2, 1}};  // node, then the row it leads to
        for (const auto& c : clicks) {
            ClickSurface(*w, c[0], c[1]);
            QCOMPARE(t->HighlightedRow(), c[2]);
            QVERIFY(t->Table->model()->index(c[2], 0).data(Qt::BackgroundRole).isValid());
            QVERIFY(!t->Table->model()->index(c[2] ^ 1, 0).data(Qt::BackgroundRole).isValid());
        }
    }

    void rowClickSetsSources_data() {
        QTest::addColumn<bool>("running");
        QTest::newRow("run mode") << true;
        QTest::newRow("edit mode") << false;
    }
    void rowClickSetsSources() {
        QFETCH(bool, running);
        auto w = NamedConjunction();
        TruthTableWindow* t = OpenTable(*w);
        QVERIFY(t);
        if (running) Inside(w).Run2->trigger();
        const int undoBefore = w->Document().UndoCount();
        ClickRow(*t, 3);
        QCOMPARE(w->Document().Cells().at(2, 2), std::int32_t{SourceOn});
        QCOMPARE(w->Document().Cells().at(2, 4), std::int32_t{SourceOn});
        QCOMPARE(w->Document().UndoCount(), undoBefore + 1);
        QCOMPARE(t->HighlightedRow(), 3);
        QCOMPARE(w->Document().Signals().at(7, 3), running ? Signal1 : NoSignal);
        ClickRow(*t, 3);  // the sources stand there already: no step
        QCOMPARE(w->Document().UndoCount(), undoBefore + 1);
    }

    void followsEditsWithWarningsAndMarks() {
        auto w = NamedConjunction();
        TruthTableWindow* t = OpenTable(*w);
        QVERIFY(t);
        test::EditDocument(*w, 10, 10, Lamp);
        QTRY_VERIFY(t->Ready());
        QCOMPARE(Headers(*t), (QStringList{"X", "Y", "F", "F2"}));
        QCOMPARE(Rows(*t), (QStringList{"000-", "010-", "100-", "111-"}));
        QCOMPARE(WarningTexts(*t),
                 QStringList{"Лампочка в узле (10, 10) не получает сигнала ни при каком положении источников."});
        QCOMPARE(t->MarkedNodes(), (std::vector<NodePos>{{10, 10}}));
        // The ring around node (10, 10) lies over the picture, which stays
        // as the renderer drew it, and goes with the window.
        const QImage picture = Inside(w).Image3->Picture();
        const QPoint ring(24 * 10 + 12, 24 * 10);
        auto shown = [&] { return Inside(w).Image3->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(ring); };
        QVERIFY(shown() != picture.pixel(ring));
        t->hide();
        Inside(w).reloadcanvas();
        QCOMPARE(Inside(w).Image3->Picture(), picture);
        QCOMPARE(shown(), picture.pixel(ring));
    }

    void moreThanSixteenSourcesAreRefused() {
        auto w = test::ShownWindow();
        const auto before = std::make_unique<CellGrid>(w->Document().Cells());
        for (int i = 0; i < 17; ++i) w->Document().Cells().at(2 * i, 0) = SourceOff;
        w->Document().CommitGesture(*before);
        TruthTableWindow* t = OpenTable(*w);
        QVERIFY(t);
        QVERIFY(t->Message->isVisible());
        QVERIFY(t->Message->text().contains(QStringLiteral("Источников в схеме: 17.")));
        QCOMPARE(t->Table->model()->rowCount(), 0);
        QCOMPARE(t->HighlightedRow(), -1);
    }
};

QTEST_MAIN(TruthTableWindowTest)
#include "truthtablewindow_test.moc"
