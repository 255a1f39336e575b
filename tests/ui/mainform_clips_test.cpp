// The clip player driven tick by tick with the window counted active: each
// built-in clip must build and run its circuit through the same handlers a
// user reaches, and stopping, resuming, waiting and the lock-out must
// behave. Also the recorder and its file.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>

#include "clips.h"
#include "mainform.h"
#include "propagation.h"
#include "signals.h"
#include "scripted_dialogs.h"
#include "shown_window.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::ScriptedDialogs;
using vorn::test::ShownWindow;

std::unique_ptr<Tmain> PlayerWindow() {
    auto w = ShownWindow();
    w->Clips().IsWindowActive = [] { return true; };
    return w;
}

// Ticks until the clip is no longer active, at most its event count.
int PlayToEnd(Tmain& w) {
    int ticks = 0;
    const int length = static_cast<int>(w.Clips().Length());
    while (w.Clips().Active() && ticks <= length) {
        w.Clips().Tick();
        ++ticks;
    }
    return ticks;
}

void Tick(Tmain& w, int n) {
    for (int i = 0; i < n; ++i) w.Clips().Tick();
}

std::vector<NodePos> NodesWith(const CellGrid& cells, std::int32_t code) {
    std::vector<NodePos> nodes;
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (cells.at(x, y) == code) nodes.push_back({x, y});
    return nodes;
}

// A node whose signal must follow a truth function of the sources, given
// in the order NodesWith finds them (by column, then row).
struct Expectation {
    NodePos node;
    std::function<bool(const std::vector<bool>&)> value;
};

// Evaluates the circuit for every setting of its sources and compares the
// expected nodes; the grid is left as it was.
void CheckTruthTable(const CellGrid& played, int sourceCount, const std::vector<Expectation>& expected) {
    CellGrid cells = played;
    std::vector<NodePos> sources = NodesWith(cells, SourceOff);
    for (NodePos on : NodesWith(cells, SourceOn)) sources.push_back(on);
    std::sort(sources.begin(), sources.end(), [](NodePos a, NodePos b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    QCOMPARE(static_cast<int>(sources.size()), sourceCount);

    auto signalGrid = std::make_unique<SignalGrid>();
    auto queue = std::make_unique<WorkQueue>();
    for (int setting = 0; setting < (1 << sourceCount); ++setting) {
        std::vector<bool> inputs;
        for (int i = 0; i < sourceCount; ++i) {
            inputs.push_back((setting >> i) & 1);
            cells.at(sources[i].x, sources[i].y) = inputs.back() ? SourceOn : SourceOff;
        }
        EvaluateCircuit(cells, *signalGrid, *queue);
        for (const Expectation& e : expected) {
            const std::int32_t want = e.value(inputs) ? Signal1 : Signal0;
            if (signalGrid->at(e.node.x, e.node.y) != want)
                QFAIL(qPrintable(QStringLiteral("setting %1: node (%2, %3) has signal %4")
                                     .arg(setting)
                                     .arg(e.node.x)
                                     .arg(e.node.y)
                                     .arg(signalGrid->at(e.node.x, e.node.y))));
        }
    }
}

std::map<std::int32_t, int> ElementCounts(const CellGrid& cells) {
    std::map<std::int32_t, int> counts;
    for (std::int32_t code : {SourceOff, SourceOn, Lamp, Inverter, ConjunctorAnchor, DisjunctorAnchor, Crossing})
        counts[code == SourceOn ? SourceOff : code] += static_cast<int>(NodesWith(cells, code).size());
    return counts;
}

const QString kModified = QStringLiteral("Изменено");

}  // namespace

class MainformClipsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs_ = std::make_unique<ScriptedDialogs>();
        Dialogs::Install(dialogs_.get());
    }
    void cleanup() { Dialogs::Install(nullptr); }

    void eachClipBuildsItsCircuitInsideTheWindow_data() {
        QTest::addColumn<int>("clip");
        for (int clip = 1; clip <= kBuiltInClipCount; ++clip) QTest::addRow("clip %d", clip) << clip;
    }
    void eachClipBuildsItsCircuitInsideTheWindow() {
        QFETCH(int, clip);
        auto w = PlayerWindow();
        auto ui = Inside(w);
        QSignalSpy halted(w.get(), &Tmain::clipHalted);
        QVERIFY(w->StartClip(BuiltInClip(clip), 0));
        QCOMPARE(w->size(), QSize(600, 480));
        QCOMPARE(w->State().ZoomFactor, 2);
        QVERIFY(!ui.InnerPanel->isEnabled());

        const int length = static_cast<int>(BuiltInClip(clip).size());
        QCOMPARE(PlayToEnd(*w), length);
        QCOMPARE(halted.count(), 1);
        QCOMPARE(halted.at(0).at(0).toInt(), clip);
        QCOMPARE(halted.at(0).at(1).toInt(), length);
        QVERIFY(!w->Clips().Playing());
        QVERIFY(!w->isEnabled());
        QVERIFY(ui.InnerPanel->isEnabledTo(w.get()));
        QCOMPARE(w->Document().State(), DocumentState::Modified);
        QVERIFY(!w->State().GestureActive);

        const CellGrid& cells = w->Document().Cells();
        // Everything drawn lies on the part of the surface the window shows.
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y)
                if (cells.at(x, y) != Empty) {
                    QVERIFY2(x >= 1 && (x + 1) * 24 <= ui.Image3->width() && y >= 1 &&
                                 (y + 1) * 24 <= ui.Image3->height(),
                             qPrintable(QStringLiteral("node (%1, %2)").arg(x).arg(y)));
                }

        // What each clip builds: its elements, its sources (by column, then
        // row), the nodes that must follow them, and whether it ends running.
        using In = const std::vector<bool>&;
        const struct {
            std::map<std::int32_t, int> elements;
            int sources;
            std::vector<Expectation> expected;
            bool running;
        } built[] = {
            // Sources (2,3), (2,10), (2,13), (12,10), (12,13).
            {{{SourceOff, 5}, {Lamp, 5}, {Inverter, 2}, {ConjunctorAnchor, 1}, {DisjunctorAnchor, 1}, {Crossing, 0}},
             5,
             {{{7, 3}, [](In s) { return s[0]; }},
              {{11, 6}, [](In s) { return !s[0]; }},
              {{4, 2}, [](In s) { return !s[0]; }},
              {{10, 11}, [](In s) { return s[1] && s[2]; }},
              {{19, 11}, [](In s) { return s[3] || s[4]; }}},
             false},
            // A (3,4), B (3,14). Every gate is checked, since the formula
            // itself is 0 everywhere.
            {{{SourceOff, 2}, {Lamp, 1}, {Inverter, 2}, {ConjunctorAnchor, 2}, {DisjunctorAnchor, 2}, {Crossing, 0}},
             2,
             {{{9, 3}, [](In s) { return s[0] || !s[1]; }},
              {{11, 10}, [](In s) { return s[0] || s[1]; }},
              {{13, 9}, [](In s) { return !s[0] && (s[0] || s[1]); }},
              {{16, 8}, [](In s) { return (s[0] || !s[1]) && (!s[0] && (s[0] || s[1])); }}},
             false},
            // A (4,2), B (4,8); carry lamp (17,5), sum lamp (19,9).
            {{{SourceOff, 2}, {Lamp, 2}, {Inverter, 1}, {ConjunctorAnchor, 2}, {DisjunctorAnchor, 1}, {Crossing, 0}},
             2,
             {{{17, 5}, [](In s) { return s[0] && s[1]; }}, {{19, 9}, [](In s) { return s[0] != s[1]; }}},
             false},
            // A (3,3), B (3,12); the result on the wire that ends at (17,6).
            {{{SourceOff, 2}, {Lamp, 0}, {Inverter, 3}, {ConjunctorAnchor, 3}, {DisjunctorAnchor, 2}, {Crossing, 1}},
             2,
             {{{11, 5}, [](In s) { return (!s[0] && s[1]) || (!s[1] && s[0]); }},
              {{17, 6}, [](In s) { return ((!s[0] && s[1]) || (!s[1] && s[0])) || !(s[0] && s[1]); }}},
             true},
        };
        static_assert(static_cast<int>(std::size(built)) == kBuiltInClipCount);
        const auto& circuit = built[clip - 1];
        QCOMPARE(ElementCounts(cells), circuit.elements);
        CheckTruthTable(cells, circuit.sources, circuit.expected);
        QCOMPARE(w->State().RunMode, circuit.running);
    }

    // Esc after 1234 events keeps the place; playing on from there gives
    // the same circuit as playing straight through.
    void leavingAndResumingSkipsNoEvent() {
        auto straight = PlayerWindow();
        QVERIFY(straight->StartClip(BuiltInClip(1), 0));
        PlayToEnd(*straight);

        auto w = PlayerWindow();
        QSignalSpy halted(w.get(), &Tmain::clipHalted);
        QVERIFY(w->StartClip(BuiltInClip(1), 0));
        Tick(*w, 1234);
        Inside(w).LeaveClip();
        QCOMPARE(halted.count(), 1);
        QCOMPARE(halted.at(0).at(1).toInt(), 1234);
        QCOMPARE(ProgressPosition(1234), 123);
        QVERIFY(!w->Clips().Active());
        QVERIFY(!w->Clips().Playing());
        QVERIFY(!Inside(w).InnerPanel->isEnabled());  // until the wizard is closed
        QVERIFY(!w->isEnabled());  // the wizard comes back over the window

        const CellGrid before = w->Document().Cells();
        QVERIFY(w->StartClip(BuiltInClip(1), 1234));
        QVERIFY(w->Document().Cells() == before);  // no New: the circuit stays
        w->Clips().Tick();
        QCOMPARE(w->Clips().Index(), 1235);
        PlayToEnd(*w);
        QVERIFY(w->Document().Cells() == straight->Document().Cells());

        // A finished clip starts again from a new document, once the built
        // circuit may go.
        dialogs_->answers = {QMessageBox::No};
        QVERIFY(w->StartClip(BuiltInClip(1), 0));
        QCOMPARE(w->Document().State(), DocumentState::New);
        QCOMPARE(w->Clips().Index(), 0);
        QVERIFY(NodesWith(w->Document().Cells(), Empty).size() == static_cast<std::size_t>(kFieldSize * kFieldSize));
    }

    // A clip plays in the small window it was made for; halted, by its end
    // or by Esc, it gives the window back its size and maximised state.
    void haltedClipGivesBackTheWindowsSize_data() {
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("toTheEnd");
        QTest::newRow("left") << false << false;
        QTest::newRow("maximised, left") << true << false;
        QTest::newRow("played to the end") << false << true;
    }
    void haltedClipGivesBackTheWindowsSize() {
        QFETCH(bool, maximised);
        QFETCH(bool, toTheEnd);
        auto w = PlayerWindow();
        if (maximised) w->showMaximized();
        QTRY_COMPARE(w->isMaximized(), maximised);
        const QSize before = w->size();
        QVERIFY(w->StartClip(BuiltInClip(1), 0));
        QTRY_COMPARE(w->size(), QSize(600, 480));
        if (toTheEnd)
            PlayToEnd(*w);
        else
            Inside(w).LeaveClip();
        if (maximised)
            QTRY_VERIFY(w->isMaximized());
        else
            QTRY_COMPARE(w->size(), before);
    }

    void cancelledPromptPlaysNothing() {
        auto w = PlayerWindow();
        test::EditDocument(*w, 5, 5, Lamp);
        dialogs_->answers = {QMessageBox::Cancel};
        QVERIFY(!w->StartClip(BuiltInClip(1), 0));
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(!w->Clips().Active());
        QVERIFY(!w->Clips().Playing());
        QCOMPARE(w->Document().Cells().at(5, 5), Lamp);
        QVERIFY(Inside(w).InnerPanel->isEnabled());
    }

    // Playback waits while the window is not active and goes on after.
    void inactiveWindowHoldsThePlayback() {
        auto w = PlayerWindow();
        QVERIFY(w->StartClip(BuiltInClip(2), 0));
        Tick(*w, 40);
        bool active = false;
        w->Clips().IsWindowActive = [&active] { return active; };
        Tick(*w, 25);
        QCOMPARE(w->Clips().Index(), 40);
        active = true;
        w->Clips().Tick();
        QCOMPARE(w->Clips().Index(), 41);
    }

    // While a clip plays, the user's tool and Run commands are refused
    // unless the clip is at that very command.
    void userCommandsAreLockedOut() {
        auto w = PlayerWindow();
        auto ui = Inside(w);
        QVERIFY(w->StartClip(BuiltInClip(1), 0));
        const ClipScript clip = BuiltInClip(1);
        // Up to just before the first tool choice (source).
        int firstTool = 0;
        while (clip[firstTool].code != -2) ++firstTool;
        Tick(*w, firstTool);
        const int tool = w->State().CurrentTool;
        ui.LampClick();
        ui.ToolButtons[4]->trigger();  // the conjunctor's button
        QCOMPARE(w->State().CurrentTool, tool);
        ui.Run2Click();
        QVERIFY(!w->State().RunMode);
        w->Clips().Tick();  // the clip's own choice passes
        QCOMPARE(w->State().CurrentTool, static_cast<int>(ToolSource));
        QVERIFY(w->Clips().LogText().contains(QStringLiteral("(-3,-3,-3),")));
    }

    // A command that replaces the document, walks its history or hands the
    // window to another one stops a playing clip, once: its progress is lost
    // and the surface is the user's again.
    void commandsStopThePlayingClip_data() {
        QTest::addColumn<QString>("command");
        for (const char* command : {"undo", "redo", "new", "open", "close", "settings", "about"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void commandsStopThePlayingClip() {
        QFETCH(QString, command);
        auto w = PlayerWindow();
        auto ui = Inside(w);
        const std::map<QString, std::function<void()>> commands{
            {"undo", [&] { ui.Undo1Click(); }},
            {"redo", [&] { ui.Rendo1Click(); }},
            {"new", [&] { ui.New1->trigger(); }},
            {"open", [&] { ui.Open1->trigger(); }},  // the chooser is cancelled
            {"close", [&] { ui.Close1->trigger(); }},
            {"settings", [&] { ui.OpenSettings(); }},
            {"about", [&] { ui.AboutClick(); }},
        };
        QSignalSpy cleared(w.get(), &Tmain::clipProgressCleared);
        QVERIFY(w->StartClip(BuiltInClip(3), 0));
        cleared.clear();
        Tick(*w, 300);
        dialogs_->answers = {QMessageBox::No};  // the built circuit may go
        commands.at(command)();
        QVERIFY(!w->Clips().Active());
        QCOMPARE(w->Clips().Index(), 0);
        QVERIFY(!w->Clips().Playing());
        QCOMPARE(cleared.count(), 1);
        QVERIFY(ui.InnerPanel->isEnabled());
    }

    void wizardCommandLeavesTheClip() {
        auto w = PlayerWindow();
        QSignalSpy halted(w.get(), &Tmain::clipHalted);
        QSignalSpy requested(w.get(), &Tmain::wizardRequested);
        QVERIFY(w->StartClip(BuiltInClip(4), 0));
        Tick(*w, 77);
        Inside(w).Master1->trigger();
        QCOMPARE(halted.count(), 1);
        QCOMPARE(halted.at(0).at(0).toInt(), 4);
        QCOMPARE(halted.at(0).at(1).toInt(), 77);
        QCOMPARE(requested.count(), 1);
        QVERIFY(!w->isEnabled());
        QVERIFY(!w->Clips().Active());
        // With no clip the command only asks for the wizard.
        w->setEnabled(true);
        Inside(w).Master1Click();
        QCOMPARE(halted.count(), 1);
        QCOMPARE(requested.count(), 2);
    }

    // Ctrl+G records the user's own actions and saves them as clip lines.
    void recorderSavesTheLog() {
        QTemporaryDir folder;
        auto w = PlayerWindow();
        auto ui = Inside(w);
        ui.RecordClip->trigger();
        QVERIFY(w->Clips().Recording());
        ui.CuSoClick();
        QCOMPARE(w->State().CurrentTool, static_cast<int>(ToolSource));  // no lock-out while recording
        ui.Image3MouseDown(Qt::LeftButton, Qt::NoModifier, 48, 72);
        ui.Image3MouseUp(Qt::LeftButton, Qt::NoModifier, 49, 73);
        ui.Run2Click();
        ui.Run2Click();
        QCOMPARE(w->Document().Cells().at(2, 3), SourceOff);

        const QString name = folder.filePath(QStringLiteral("clip.txt"));
        dialogs_->fileNames = {name};
        ui.RecordClip->trigger();
        QVERIFY(!w->Clips().Recording());
        QVERIFY(!w->Clips().Active());
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral("(-2,-2,-2),\n(1,48,72),\n(4,49,73),\n(-9,-9,-9),\n(-9,-9,-9),\n"));
        QVERIFY(dialogs_->messages.isEmpty());

        // Commands that stop clips leave a recording going; playing a clip
        // ends it and offers it for saving first.
        ui.RecordClip->trigger();
        ui.Undo1Click();
        QVERIFY(w->Clips().Recording());
        ui.WireClick();
        dialogs_->fileNames = {folder.filePath(QStringLiteral("before-play.txt"))};
        dialogs_->answers = {QMessageBox::No};  // the drawn source may go
        QVERIFY(w->StartClip(BuiltInClip(2), 0));
        QVERIFY(!w->Clips().Recording());
        QFile before(folder.filePath(QStringLiteral("before-play.txt")));
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(before.readAll()), QStringLiteral("(-1,-1,-1),\n"));
        w->StopClip();

        // Closing the window offers a recording for saving too.
        ui.RecordClip->trigger();
        ui.DelClick();
        dialogs_->fileNames = {folder.filePath(QStringLiteral("at-close.txt"))};
        dialogs_->answers = {QMessageBox::No};
        QVERIFY(w->close());
        QFile atClose(folder.filePath(QStringLiteral("at-close.txt")));
        QVERIFY(atClose.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(atClose.readAll()), QStringLiteral("(-7,-7,-7),\n"));

        // A file that cannot be written gives a message, and the log stays.
        dialogs_->messages.clear();
        ui.RecordClip->trigger();
        ui.WireClick();
        dialogs_->fileNames = {folder.filePath(QStringLiteral("missing/clip.txt"))};
        ui.RecordClip->trigger();
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages.first().startsWith(QStringLiteral("Не удалось записать ролик")));
        QCOMPARE(w->Clips().LogText(), QStringLiteral("(-1,-1,-1),"));
    }

private:
    std::unique_ptr<ScriptedDialogs> dialogs_;
};

QTEST_MAIN(MainformClipsTest)
#include "mainform_clips_test.moc"
