// The open circuit as one object: its grids, the undo history, its file and
// whether it has been changed since it was opened or saved. Commands change
// it only through its operations; every change is announced, and the views
// (status bar, title, Edit menu, picture) listen instead of being told.
#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "cellgrid.h"
#include "circuitfile.h"
#include "elementnames.h"
#include "task.h"
#include "taskcheck.h"

namespace vorn {

class UndoHistory;
class WorkQueue;

enum class DocumentState {
    Closed,    // no document: the work area is hidden
    New,       // an empty circuit without a file
    Opened,    // read from its file and not changed since
    Modified,  // changed since it was made, opened or saved
    Saved,     // written to its file and not changed since
};

// The word the first status panel shows for a state (empty when closed).
QString DocumentStateText(DocumentState state);
// The main window's title for a document: the program's title, and the file
// name or "Новая схема" in brackets while a document is open.
QString DocumentTitle(DocumentState state, const QString& fileName);

class CircuitDocument : public QObject {
    Q_OBJECT

public:
    explicit CircuitDocument(QObject* parent = nullptr);
    ~CircuitDocument() override;

    // The circuit. A gesture edits it in place and then calls CommitGesture.
    CellGrid& Cells() { return *cells_; }
    const CellGrid& Cells() const { return *cells_; }
    // The signals of the running circuit; all zero when it does not run.
    const SignalGrid& Signals() const { return *signals_; }
    DocumentState State() const { return state_; }
    bool IsOpen() const { return state_ != DocumentState::Closed; }
    // The document's file; empty for a new circuit.
    QString FileName() const { return fileName_; }
    // The names of sources and lamps, from the file and the learner; each
    // stands on a node that holds a source or lamp.
    const NameTable& Names() const { return names_; }
    // For a gesture that moves elements: edit in place (MoveName), then
    // CommitGesture(before, namesBefore).
    NameTable& EditNames() { return names_; }
    // The task lines of the file, kept as read and written back on saving;
    // empty for a circuit without a task.
    const TaskLines& TaskLinesOfFile() const { return task_.lines; }
    // The task read from them, against the circuit as it was opened.
    const Task& CurrentTask() const { return task_; }
    // The circuit checked against the task.
    TaskVerdict CheckTask();
    int UndoCount() const;
    int RedoCount() const;

    // A gesture or command changed Cells(); before is the grid as it was.
    // One undo step, and the document counts as modified. The names of
    // erased elements go (an undo brings them back). A gesture that erased,
    // moved or renamed an element of a locked task is taken back whole and
    // announced by editRefused.
    void CommitGesture(const CellGrid& before);
    // The same for a gesture that changed the names as well.
    void CommitGesture(const CellGrid& before, const NameTable& namesBefore);
    // Names the source or lamp at `node` (an empty text takes its name away);
    // one undo step when the names changed.
    RenameResult Rename(NodePos node, std::string_view text);
    // Steps back or forward through the history; false when there was no step.
    bool Undo();
    bool Redo();
    // Evaluates the circuit into Signals(), or clears them.
    void Evaluate();
    void ClearSignals();

    // An empty new circuit without a file and without history.
    void Reset();
    // Reads a circuit file. Only a valid file replaces the circuit (then
    // Opened, with an empty history); the signals are cleared either way.
    ReadVerdict Load(const QString& fileName);
    // Writes the circuit to fileName, which becomes the document's file
    // (then Saved). Throws what the writing throws, and then changes nothing.
    void Save(const QString& fileName);
    // No document: an empty grid, no history, nothing to save.
    void Close();

    // Writes the circuit as Save does, but the document keeps its file and
    // state (the recovery copy). Throws what the writing throws.
    void WriteCopy(const QString& fileName) const;
    // Reads a recovery copy: only a valid file replaces the circuit, which
    // then belongs to originalName (empty: a new circuit) and is Modified,
    // with an empty history.
    ReadVerdict Recover(const QString& copyName, const QString& originalName);
    // Undo steps kept (UndoHistory::kDepth..kMaxDepth); the oldest go at once.
    void SetHistoryDepth(int depth);
    int HistoryDepth() const;

signals:
    // Cells() or Signals() changed as a whole: the picture is out of date.
    void gridChanged();
    void stateChanged(DocumentState state);
    void historyChanged(bool canUndo, bool canRedo);
    void fileNameChanged(const QString& fileName);
    // A gesture was taken back: the message says why.
    void editRefused(const QString& message);

private:
    // Reads a circuit file into the document when it is valid (grid, names,
    // task); the signals are cleared either way.
    ReadVerdict ReadFile(const QString& fileName);
    void SetState(DocumentState state);
    void SetFileName(const QString& fileName);
    void ClearHistory();
    void AnnounceHistory();

    // The grids are large (259 x 259 values each): taken once, on the heap.
    std::unique_ptr<CellGrid> cells_;
    std::unique_ptr<SignalGrid> signals_;
    std::unique_ptr<WorkQueue> queue_;  // working storage of the propagation
    std::unique_ptr<UndoHistory> history_;
    DocumentState state_ = DocumentState::New;
    QString fileName_;
    NameTable names_;
    Task task_;
};

}  // namespace vorn
