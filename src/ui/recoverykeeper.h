// Keeps a copy of the open document's unsaved circuit in the recovery folder,
// so that a killed or crashed program loses little work, and tells which
// copies of programs that no longer run a start may offer. The rules of
// naming, ownership and timing are the model's (recovery.h); this object
// listens to the document and writes.
#pragma once

#include <functional>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "circuitdocument.h"
#include "recovery.h"

class QTimer;

namespace vorn {

class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    explicit RecoveryKeeper(CircuitDocument& document, QObject* parent = nullptr);
    // A normal end of the program removes its copy.
    ~RecoveryKeeper() override;

    // The recovery folder; empty (the default) writes and offers nothing.
    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }
    // Seconds between writes; 0 switches recovery off and removes the copy.
    void SetInterval(int seconds);
    int Interval() const { return schedule_.Interval(); }
    // True while copies are written: a folder, an interval and no failure.
    bool Active() const;
    // This program's copy, whether or not it exists now.
    QString CopyPath() const;
    // Whether a gesture is under way; a write that falls due waits for it.
    std::function<bool()> Busy;

    // The copies of programs that no longer run, newest first.
    std::vector<StaleRecovery> StaleCopies() const;
    // A stale copy was taken into the document (or could not be read): it
    // goes once this program's own copy holds the circuit; while copies
    // cannot be written, at the next save.
    void Forget(const StaleRecovery& copy);
    // The user refused a stale copy: kept once more, until this program
    // next saves, or removed on the second refusal.
    void Refused(const StaleRecovery& copy);

signals:
    // A copy could not be written: recovery is off until the program starts
    // again. message is for the user.
    void failed(const QString& message);

private:
    void StateChanged(DocumentState state);
    void WriteDue();
    void ArmTimer();
    void RemoveOwnCopy();
    void Fail(int errorNumber);
    qint64 Now() const { return clock_.elapsed(); }

    CircuitDocument& document_;
    RecoverySchedule schedule_;
    QString folder_;
    QTimer* timer_;
    QElapsedTimer clock_;
    bool failed_ = false;
    bool noteWritten_ = false;  // the note beside the copy names noteName_
    QString noteName_;
    std::vector<long> refused_;  // stale copies refused once: they go at the next save
};

}  // namespace vorn
