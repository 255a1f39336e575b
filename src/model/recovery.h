// Recovery of unsaved circuits after the program was killed or crashed: which
// file in the recovery folder belongs to which running program, what a
// recovery file tells about its circuit, when the circuit is written there,
// and which files a start offers.
//
// Each running program keeps at most one recovery file, <pid>.vfl, an
// ordinary circuit file any reader opens, and beside it <pid>.note: the
// document's original file name, the identity of the writing process (so a
// later process with the same id is not mistaken for it) and how often the
// user has refused the circuit. The time of the circuit is the file's own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// What the note beside a recovery file says.
struct RecoveryNote {
    std::string originalName;  // the document's file (UTF-8); empty for a new circuit
    std::string bootId;        // the system start the writing process ran in
    std::uint64_t startTicks = 0;  // when that process started, in clock ticks since boot
    int refusals = 0;          // how often the circuit was offered and refused
    bool operator==(const RecoveryNote&) const = default;
};

// The note as text (UTF-8, one "key value" line each) and back; nullopt for
// a text without the process identity.
std::string FormatRecoveryNote(const RecoveryNote& note);
std::optional<RecoveryNote> ParseRecoveryNote(std::string_view text);

// The process identity of process pid (boot id and start ticks in the note
// fields), nullopt where the process does not run or the system does not
// tell.
std::optional<RecoveryNote> ProcessIdentity(long pid);
// True while the process that wrote the note still runs.
bool IsWriterRunning(long pid, const RecoveryNote& note);

// <folder>/<pid>.vfl and <folder>/<pid>.note.
std::filesystem::path RecoveryCircuitPath(const std::filesystem::path& folder, long pid);
std::filesystem::path RecoveryNotePath(const std::filesystem::path& folder, long pid);
// The process id a recovery file name carries ("<pid>.vfl" or "<pid>.note"),
// 0 for any other name.
long RecoveryProcess(std::string_view fileName);

// Writes the note under a temporary name and renames it into place, so a
// reader finds the old note or the new one. Returns 0 or the error number.
int WriteRecoveryNote(const std::filesystem::path& path, const RecoveryNote& note);
// Reads a note; nullopt when it is missing or damaged.
std::optional<RecoveryNote> ReadRecoveryNote(const std::filesystem::path& path);
// Removes the circuit and the note of pid; never throws.
void RemoveRecovery(const std::filesystem::path& folder, long pid);

// A recovery file whose program no longer runs.
struct StaleRecovery {
    long pid = 0;
    std::filesystem::path circuit;
    RecoveryNote note;
    std::filesystem::file_time_type written;
};

// The recovery files in folder whose writer no longer runs, newest first.
// A note without its circuit (the program died before its first write) is
// removed; a circuit without a readable note counts as a new circuit.
// stillRunning decides about each writer (IsWriterRunning by default).
std::vector<StaleRecovery> FindStaleRecoveries(
    const std::filesystem::path& folder,
    const std::function<bool(long pid, const RecoveryNote&)>& stillRunning = IsWriterRunning);

// The user refused an offered circuit: the first refusal keeps it (the note
// counts it) until the next successful save; a second one removes it.
// Returns true when the file was kept.
bool RefuseRecovery(const std::filesystem::path& folder, const StaleRecovery& stale);

// When the circuit of a document with unsaved changes is written: at once
// after a completed change that comes at least kGestureGapMs after the last
// write, else once the interval has passed since the last write. Times are
// milliseconds of a steady clock. An interval of 0 writes nothing.
class RecoverySchedule {
public:
    static constexpr int kDefaultInterval = 30;  // seconds
    static constexpr int kMaxInterval = 3600;
    static constexpr std::int64_t kGestureGapMs = 5000;

    explicit RecoverySchedule(int intervalSeconds = kDefaultInterval);
    void SetInterval(int seconds);  // held to 0..kMaxInterval
    int Interval() const { return interval_; }
    bool Enabled() const { return interval_ > 0; }

    // A change was completed at now: true when it is to be written now.
    bool Changed(std::int64_t now);
    // When the waiting change is to be written; nullopt when none waits.
    std::optional<std::int64_t> DueAt() const;
    void Written(std::int64_t now);
    // The document has nothing unsaved any more: nothing waits.
    void Clean() { waiting_ = false; }
    bool Waiting() const { return waiting_; }

private:
    int interval_;
    bool waiting_ = false;
    std::optional<std::int64_t> lastWrite_;
};

}  // namespace vorn
