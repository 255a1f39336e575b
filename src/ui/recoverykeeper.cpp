#include "recoverykeeper.h"

#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "savefailure.h"

namespace vorn {

namespace {

std::filesystem::path PathOf(const QString& name) { return std::filesystem::path(QFile::encodeName(name).toStdString()); }

long ThisProcess() { return static_cast<long>(::getpid()); }

constexpr int kBusyRetryMs = 1000;

}  // namespace

RecoveryKeeper::RecoveryKeeper(CircuitDocument& document, QObject* parent)
    : QObject(parent), document_(document), timer_(new QTimer(this)) {
    clock_.start();
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteDue);
    connect(&document_, &CircuitDocument::stateChanged, this, &RecoveryKeeper::StateChanged);
}

RecoveryKeeper::~RecoveryKeeper() { RemoveOwnCopy(); }

void RecoveryKeeper::SetFolder(const QString& folder) {
    RemoveOwnCopy();
    folder_ = folder;
    if (document_.State() == DocumentState::Modified) StateChanged(DocumentState::Modified);
}

void RecoveryKeeper::SetInterval(int seconds) {
    const int before = schedule_.Interval();
    schedule_.SetInterval(seconds);
    if (!schedule_.Enabled()) {
        timer_->stop();
        RemoveOwnCopy();
    } else if (before == 0 && document_.State() == DocumentState::Modified) {
        StateChanged(DocumentState::Modified);  // switched on with changes unsaved
    } else {
        ArmTimer();
    }
}

bool RecoveryKeeper::Active() const { return !folder_.isEmpty() && schedule_.Enabled() && !failed_; }

QString RecoveryKeeper::CopyPath() const {
    return folder_.isEmpty() ? QString() : QFile::decodeName(RecoveryCircuitPath(PathOf(folder_), ThisProcess()).c_str());
}

std::vector<StaleRecovery> RecoveryKeeper::StaleCopies() const {
    if (folder_.isEmpty()) return {};
    return FindStaleRecoveries(PathOf(folder_));
}

void RecoveryKeeper::Forget(const StaleRecovery& copy) {
    WriteDue();
    if (Active())
        RemoveRecovery(PathOf(folder_), copy.pid);
    else
        refused_.push_back(copy.pid);
}

void RecoveryKeeper::Refused(const StaleRecovery& copy) {
    if (RefuseRecovery(PathOf(folder_), copy)) refused_.push_back(copy.pid);
}

void RecoveryKeeper::StateChanged(DocumentState state) {
    if (state != DocumentState::Modified) {
        // Nothing unsaved any more (saved, new, opened or closed).
        schedule_.Clean();
        timer_->stop();
        RemoveOwnCopy();
        if (state == DocumentState::Saved) {
            for (long pid : refused_) RemoveRecovery(PathOf(folder_), pid);
            refused_.clear();
        }
        return;
    }
    if (schedule_.Changed(Now()))
        WriteDue();
    else
        ArmTimer();
}

void RecoveryKeeper::ArmTimer() {
    const std::optional<qint64> due = Active() ? schedule_.DueAt() : std::nullopt;
    if (!due) {
        timer_->stop();
        return;
    }
    timer_->start(static_cast<int>(std::max<qint64>(0, *due - Now())));
}

void RecoveryKeeper::WriteDue() {
    if (!Active() || document_.State() != DocumentState::Modified) return;
    if (Busy && Busy()) {
        timer_->start(kBusyRetryMs);
        return;
    }
    const std::filesystem::path folder = PathOf(folder_);
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        Fail(made.value());
        return;
    }
    // The note first: a copy never stands without the note that says whose it is.
    if (!noteWritten_ || noteName_ != document_.FileName()) {
        RecoveryNote note = ProcessIdentity(ThisProcess()).value_or(RecoveryNote{{}, "unknown", 0, 0});
        note.originalName = document_.FileName().toStdString();
        if (const int error = WriteRecoveryNote(RecoveryNotePath(folder, ThisProcess()), note)) {
            Fail(error);
            return;
        }
        noteWritten_ = true;
        noteName_ = document_.FileName();
    }
    try {
        document_.WriteCopy(CopyPath());
    } catch (const CircuitFileError& failure) {
        Fail(failure.code().value());
        return;
    }
    schedule_.Written(Now());
}

void RecoveryKeeper::RemoveOwnCopy() {
    if (folder_.isEmpty()) return;
    RemoveRecovery(PathOf(folder_), ThisProcess());
    noteWritten_ = false;
}

void RecoveryKeeper::Fail(int errorNumber) {
    failed_ = true;
    timer_->stop();
    RemoveOwnCopy();
    const auto known = SaveFailureReason(errorNumber);
    const QString reason = known ? QString::fromUtf8(known->data(), static_cast<qsizetype>(known->size()))
                                 : tr("Ошибка записи.");
    emit failed(tr("Копия несохранённой схемы не записана в папку «%1». %2 Восстановление после сбоя "
                   "выключено до следующего запуска программы; работать со схемой можно дальше.")
                    .arg(QDir::toNativeSeparators(folder_), reason));
}

}  // namespace vorn
