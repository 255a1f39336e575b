// "Таблица истинности": a view of the document that shows every combination
// of the sources against every lamp, the lamps' formulas and the warnings
// for learners, and follows every change of the circuit by itself.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include <QThreadPool>
#include <QWidget>

#include "cellgrid.h"
#include "circuitwarnings.h"
#include "elementnames.h"
#include "lampformulas.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace vorn {

class CircuitDocument;
class TruthTableModel;

// The most sources the window makes a table for: 2^16 rows, as vorn-cli.
inline constexpr std::size_t kTableWindowMaxSources = 16;

// The source positions of a row: source i of n takes bit n - 1 - i.
inline std::int32_t SourceCodeInRow(std::uint32_t row, std::size_t source, std::size_t sources) {
    return (row >> (sources - 1 - source)) & 1u ? SourceOn : SourceOff;
}

class TruthTableWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own above `parent`, listening to the document.
    TruthTableWindow(const CircuitDocument& document, QWidget* parent = nullptr);
    ~TruthTableWindow() override;

    // The row of the current switch positions; -1 while there is no table.
    int HighlightedRow() const { return highlighted_; }
    // The nodes the warnings mark on the grid.
    const std::vector<NodePos>& MarkedNodes() const { return marks_; }
    // Rows, warnings and formulas are those of the current circuit.
    bool Ready() const { return tableReady_ && formulasReady_; }
    // Between its show and hide events.
    bool Shown() const { return shown_; }

    QLabel* Message = nullptr;         // "…" while counting, or why there is no table
    QTableView* Table = nullptr;
    QPlainTextEdit* Formulas = nullptr;
    QPushButton* CopyFormulas = nullptr;
    QListWidget* Warnings = nullptr;

signals:
    // A click on a table row: the learner wants the sources set to it.
    void rowChosen(int row);
    // MarkedNodes() or Shown() changed: the grid's marks are out of date.
    void marksChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Counted;  // what a worker found for one state of the circuit

    // The document changed: a new count when the circuit or its names did,
    // else only the highlight follows the switch positions.
    void Refresh();
    void StartCount();
    void TakeTable(std::uint64_t generation, std::shared_ptr<Counted> counted);
    void TakeFormulas(std::uint64_t generation, std::vector<LampFormulas> formulas);
    void ShowFormulas();
    void UpdateHighlight();

    const CircuitDocument& document_;
    TruthTableModel* model_ = nullptr;
    // The circuit the shown table belongs to, with every source off, and its names.
    std::unique_ptr<CellGrid> counted_;
    NameTable countedNames_;
    ShownNames shownNames_;
    std::vector<LampFormulas> formulas_;
    std::vector<NodePos> marks_;
    int highlighted_ = -1;
    bool tableReady_ = false;
    bool formulasReady_ = false;
    bool shown_ = false;
    // One worker, so that counts run one after another; a count whose
    // circuit has changed meanwhile gives up early.
    QThreadPool pool_;
    std::atomic<std::uint64_t> generation_{0};
};

}  // namespace vorn
