// The document's operations and what they announce: its state, the
// history's two commands and a repaint; a failed save or load changes
// nothing.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "circuitdocument.h"

using namespace vorn;

namespace {

// One edit: a lamp at (3, 3), committed as a gesture.
void Edit(CircuitDocument& d) {
    const auto before = std::make_unique<CellGrid>(d.Cells());
    d.Cells().at(3, 3) = Lamp;
    d.CommitGesture(*before);
}

}  // namespace

class CircuitDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void operationsAnnounceWhatTheyChange_data() {
        using Step = std::function<void(CircuitDocument&, const QTemporaryDir&)>;
        QTest::addColumn<Step>("step");
        QTest::addColumn<DocumentState>("state");
        QTest::addColumn<QString>("history");  // the last historyChanged: undo, redo
        const auto path = [](const QTemporaryDir& dir, const char* name) { return dir.filePath(name); };
        QTest::newRow("undo") << Step([](CircuitDocument& d, const QTemporaryDir&) {
            Edit(d);
            d.Undo();
        }) << DocumentState::Modified << "01";
        QTest::newRow("failed save") << Step([path](CircuitDocument& d, const QTemporaryDir& dir) {
            Edit(d);
            QVERIFY_THROWS_EXCEPTION(std::exception, d.Save(path(dir, "missing/c.vfl")));
        }) << DocumentState::Modified << "10";
        QTest::newRow("failed load") << Step([path](CircuitDocument& d, const QTemporaryDir& dir) {
            Edit(d);
            QFile bad(path(dir, "bad.vfl"));
            QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("no circuit\r\n") > 0);
            bad.close();
            QVERIFY(d.Load(path(dir, "bad.vfl")) != ReadVerdict::Valid);
            QCOMPARE(d.Cells().at(3, 3), Lamp);
        }) << DocumentState::Modified << "10";
        QTest::newRow("close") << Step([](CircuitDocument& d, const QTemporaryDir&) {
            Edit(d);
            d.Close();
        })
                               << DocumentState::Closed << "00";
    }
    void operationsAnnounceWhatTheyChange() {
        using Step = std::function<void(CircuitDocument&, const QTemporaryDir&)>;
        QFETCH(Step, step);
        QFETCH(DocumentState, state);
        QFETCH(QString, history);
        CircuitDocument d;
        QSignalSpy states(&d, &CircuitDocument::stateChanged);
        QSignalSpy histories(&d, &CircuitDocument::historyChanged);
        QSignalSpy grids(&d, &CircuitDocument::gridChanged);
        step(d, dir_);
        QCOMPARE(d.State(), state);
        QVERIFY(d.FileName().isEmpty());
        // The views were told: the last announcements match what the document holds.
        QCOMPARE(states.last().at(0).value<DocumentState>(), state);
        QCOMPARE(QString::number(histories.last().at(0).toBool()) + QString::number(histories.last().at(1).toBool()),
                 history);
        QVERIFY(!grids.isEmpty());
    }

    // A file's names go out with the circuit again, but only for nodes that
    // still hold a source or lamp; an undone erase brings its name back, a
    // source drawn anew where one was erased has none, and renaming is one
    // undo step.
    void namesGoBackIntoTheFileWithTheirElements() {
        const QString handedOut = dir_.filePath("named.vfl"), saved = dir_.filePath("saved.vfl");
        QFile file(handedOut);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; Vorn v1.1\r\n;\r\n;\r\n; name 2 3 \xd0\x92\xd1\x85\xd0\xbe\xd0\xb4\r\n; name 9 9 X\r\n 3 2 6\r\n");
        file.close();
        CircuitDocument d;
        QCOMPARE(d.Load(handedOut), ReadVerdict::Valid);
        const auto savedText = [&] {
            d.Save(saved);
            QFile back(saved);
            return back.open(QIODevice::ReadOnly) ? QString::fromUtf8(back.readAll()) : QString();
        };
        QVERIFY(savedText().contains(QStringLiteral("; name 2 3 Вход\r\n")));
        const auto before = std::make_unique<CellGrid>(d.Cells());
        d.Cells().at(2, 3) = Empty;
        d.CommitGesture(*before);
        QVERIFY(!savedText().contains(QStringLiteral("; name")));
        const auto erased = std::make_unique<CellGrid>(d.Cells());
        d.Cells().at(2, 3) = SourceOff;
        d.CommitGesture(*erased);
        QVERIFY(!savedText().contains(QStringLiteral("; name")));
        d.Undo();
        d.Undo();
        QVERIFY(savedText().contains(QStringLiteral("; name 2 3 Вход\r\n")));
        QCOMPARE(d.Rename({2, 3}, "B_2"), RenameResult::Renamed);
        QCOMPARE(d.Rename({2, 3}, "B_2"), RenameResult::Renamed);  // no change, no step
        QCOMPARE(d.UndoCount(), 1);
        QVERIFY(savedText().contains(QStringLiteral("; name 2 3 B_2\r\n")));
        d.Undo();
        QVERIFY(savedText().contains(QStringLiteral("; name 2 3 Вход\r\n")));
        d.Redo();
        QVERIFY(savedText().contains(QStringLiteral("; name 2 3 B_2\r\n")));
        d.Reset();
        QVERIFY(d.Names().empty());
    }
};

QTEST_MAIN(CircuitDocumentTest)
#include "circuitdocument_test.moc"
