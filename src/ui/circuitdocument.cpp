#include "circuitdocument.h"

#include <QFile>

#include "history.h"
#include "programtitle.h"
#include "propagation.h"
#include "workqueue.h"

namespace vorn {

namespace {

std::filesystem::path FilePath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace

QString DocumentStateText(DocumentState state) {
    switch (state) {
    case DocumentState::Closed: return {};
    case DocumentState::New: return CircuitDocument::tr("Новый");
    case DocumentState::Opened: return CircuitDocument::tr("Открыт");
    case DocumentState::Modified: return CircuitDocument::tr("Изменено");
    case DocumentState::Saved: return CircuitDocument::tr("Сохранено");
    }
    return {};
}

QString DocumentTitle(DocumentState state, const QString& fileName) {
    if (state == DocumentState::Closed) return ProgramTitleText();
    const QString shown = fileName.isEmpty() ? CircuitDocument::tr("Новая схема") : fileName;
    return ProgramTitleText() + QStringLiteral(" - [") + shown + QStringLiteral("]");
}

CircuitDocument::CircuitDocument(QObject* parent)
    : QObject(parent),
      cells_(std::make_unique<CellGrid>()),
      signals_(std::make_unique<SignalGrid>()),
      queue_(std::make_unique<WorkQueue>()),
      history_(std::make_unique<UndoHistory>()) {
    ClearCellGrid(*cells_);
    ResetSignals(*signals_, *queue_);
}

CircuitDocument::~CircuitDocument() = default;

int CircuitDocument::UndoCount() const { return history_->UndoCount(); }
int CircuitDocument::RedoCount() const { return history_->RedoCount(); }

void CircuitDocument::CommitGesture(const CellGrid& before) { CommitGesture(before, names_); }

void CircuitDocument::CommitGesture(const CellGrid& before, const NameTable& namesBefore) {
    const std::string refusal = LockedElementsMessage(task_, *cells_, names_);
    if (!refusal.empty()) {
        *cells_ = before;
        names_ = namesBefore;
        emit gridChanged();
        emit editRefused(QString::fromStdString(refusal));
        return;
    }
    history_->PushUndo(before, namesBefore);
    DropNamesWithoutElement(names_, *cells_);
    SetState(DocumentState::Modified);
    AnnounceHistory();
    emit gridChanged();
}

RenameResult CircuitDocument::Rename(NodePos node, std::string_view text) {
    NameTable before = names_;
    const RenameResult result = RenameElement(names_, *cells_, node, text);
    if (names_ != before) CommitGesture(*cells_, before);
    return result;
}

bool CircuitDocument::Undo() {
    const bool stepped = history_->Undo(*cells_, names_);
    // The grid on screen is no longer the saved one: closing must ask.
    if (stepped) SetState(DocumentState::Modified);
    AnnounceHistory();
    emit gridChanged();
    return stepped;
}

bool CircuitDocument::Redo() {
    const bool stepped = history_->Redo(*cells_, names_);
    if (stepped) SetState(DocumentState::Modified);
    AnnounceHistory();
    emit gridChanged();
    return stepped;
}

TaskVerdict CircuitDocument::CheckTask() {
    TaskChecker checker;
    return checker.Check(task_, *cells_, names_);
}

void CircuitDocument::Evaluate() {
    EvaluateCircuit(*cells_, *signals_, *queue_);
    emit gridChanged();
}

void CircuitDocument::ClearSignals() {
    ResetSignals(*signals_, *queue_);
    emit gridChanged();
}

void CircuitDocument::Reset() {
    ClearCellGrid(*cells_);
    names_.clear();
    task_ = Task();
    ResetSignals(*signals_, *queue_);
    SetFileName(QString());
    SetState(DocumentState::New);
    ClearHistory();
    emit gridChanged();
}

ReadVerdict CircuitDocument::ReadFile(const QString& fileName) {
    ResetSignals(*signals_, *queue_);
    // The file is read beside the circuit on screen, which stays as it is
    // when the file turns out to be no circuit.
    auto scratch = std::make_unique<NodeGrid>();
    NameTable names;
    TaskLines taskLines;
    const ReadVerdict verdict = ReadCircuit(FilePath(fileName), *scratch, names, taskLines);
    if (verdict == ReadVerdict::Valid) {
        *cells_ = *scratch;
        names_ = std::move(names);
        task_ = ReadTask(taskLines, *cells_, names_);
    }
    return verdict;
}

ReadVerdict CircuitDocument::Load(const QString& fileName) {
    const ReadVerdict verdict = ReadFile(fileName);
    if (verdict == ReadVerdict::Valid) {
        // What a killed save of this program left beside the file goes.
        RemoveStaleSaveFiles(FilePath(fileName));
        SetFileName(fileName);
        SetState(DocumentState::Opened);
        ClearHistory();
    }
    emit gridChanged();
    return verdict;
}

void CircuitDocument::Save(const QString& fileName) {
    WriteCopy(fileName);
    SetFileName(fileName);
    SetState(DocumentState::Saved);
}

void CircuitDocument::Close() {
    ClearCellGrid(*cells_);
    names_.clear();
    task_ = Task();
    SetState(DocumentState::Closed);
    ClearHistory();
    emit gridChanged();
}

void CircuitDocument::WriteCopy(const QString& fileName) const {
    WriteCircuit(FilePath(fileName), *cells_, names_, task_.lines);
}

ReadVerdict CircuitDocument::Recover(const QString& copyName, const QString& originalName) {
    const ReadVerdict verdict = ReadFile(copyName);
    if (verdict == ReadVerdict::Valid) {
        SetFileName(originalName);
        ClearHistory();
        SetState(DocumentState::Modified);
    }
    emit gridChanged();
    return verdict;
}

void CircuitDocument::SetHistoryDepth(int depth) {
    history_->SetDepth(depth);
    AnnounceHistory();
}

int CircuitDocument::HistoryDepth() const { return history_->Depth(); }

void CircuitDocument::SetState(DocumentState state) {
    // Announced even when unchanged: the views show it again, which costs
    // nothing and keeps them right after they were built.
    state_ = state;
    emit stateChanged(state);
}

void CircuitDocument::SetFileName(const QString& fileName) {
    if (fileName_ == fileName) return;
    fileName_ = fileName;
    emit fileNameChanged(fileName);
}

void CircuitDocument::ClearHistory() {
    history_->ClearHistory();
    AnnounceHistory();
}

void CircuitDocument::AnnounceHistory() { emit historyChanged(UndoCount() >= 1, RedoCount() >= 1); }

}  // namespace vorn
