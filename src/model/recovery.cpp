#include "recovery.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <sstream>

namespace vorn {

namespace {

constexpr std::string_view kCircuitSuffix = ".vfl";
constexpr std::string_view kNoteSuffix = ".note";

// A name may hold any byte; a line end or backslash in it is escaped so the
// note stays one value per line.
std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string BootId() {
    std::string id = ReadWhole("/proc/sys/kernel/random/boot_id");
    while (!id.empty() && (id.back() == '\n' || id.back() == ' ')) id.pop_back();
    return id;
}

}  // namespace

std::string FormatRecoveryNote(const RecoveryNote& note) {
    return "original " + Escape(note.originalName) + "\nboot " + note.bootId + "\nstart " +
           std::to_string(note.startTicks) + "\nrefusals " + std::to_string(note.refusals) + "\n";
}

std::optional<RecoveryNote> ParseRecoveryNote(std::string_view text) {
    RecoveryNote note;
    bool started = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, blank), value = line.substr(blank + 1);
        if (key == "original") {
            note.originalName = Unescape(value);
        } else if (key == "boot") {
            note.bootId = std::string(value);
        } else if (key == "start") {
            const auto ticks = ParseNumber<std::uint64_t>(value);
            if (!ticks) return std::nullopt;
            note.startTicks = *ticks;
            started = true;
        } else if (key == "refusals") {
            note.refusals = ParseNumber<int>(value).value_or(0);
        }
    }
    if (note.bootId.empty() || !started) return std::nullopt;
    return note;
}

std::optional<RecoveryNote> ProcessIdentity(long pid) {
    // Field 22 of the process's stat line is its start time; the fields are
    // counted after the command name, which may hold blanks and brackets.
    const std::string stat = ReadWhole("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    for (int number = 3; number <= 22 && fields >> field; ++number) {
        if (number < 22) continue;
        RecoveryNote identity;
        identity.bootId = BootId();
        const auto ticks = ParseNumber<std::uint64_t>(field);
        if (identity.bootId.empty() || !ticks) return std::nullopt;
        identity.startTicks = *ticks;
        return identity;
    }
    return std::nullopt;
}

bool IsWriterRunning(long pid, const RecoveryNote& note) {
    const std::optional<RecoveryNote> now = ProcessIdentity(pid);
    return now && now->bootId == note.bootId && now->startTicks == note.startTicks;
}

std::filesystem::path RecoveryCircuitPath(const std::filesystem::path& folder, long pid) {
    return folder / (std::to_string(pid) + std::string(kCircuitSuffix));
}

std::filesystem::path RecoveryNotePath(const std::filesystem::path& folder, long pid) {
    return folder / (std::to_string(pid) + std::string(kNoteSuffix));
}

long RecoveryProcess(std::string_view fileName) {
    for (const std::string_view suffix : {kCircuitSuffix, kNoteSuffix}) {
        if (!fileName.ends_with(suffix)) continue;
        const std::string_view digits = fileName.substr(0, fileName.size() - suffix.size());
        if (digits.empty() || digits.size() > 9 || digits.front() == '0') return 0;
        return ParseNumber<long>(digits).value_or(0);
    }
    return 0;
}

int WriteRecoveryNote(const std::filesystem::path& path, const RecoveryNote& note) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return errno ? errno : EIO;
        file << FormatRecoveryNote(note);
        file.flush();
        if (!file) {
            const int error = errno ? errno : EIO;
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return error;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) std::filesystem::remove(temporary, ec);
    return ec.value();
}

std::optional<RecoveryNote> ReadRecoveryNote(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    return ParseRecoveryNote(ReadWhole(path));
}

void RemoveRecovery(const std::filesystem::path& folder, long pid) {
    std::error_code ec;
    std::filesystem::remove(RecoveryCircuitPath(folder, pid), ec);
    std::filesystem::remove(RecoveryNotePath(folder, pid), ec);
}

std::vector<StaleRecovery> FindStaleRecoveries(const std::filesystem::path& folder,
                                               const std::function<bool(long, const RecoveryNote&)>& stillRunning) {
    std::vector<StaleRecovery> found;
    std::error_code ec;
    const long self = static_cast<long>(::getpid());
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const long pid = RecoveryProcess(name);
        if (pid <= 0 || pid == self) continue;
        const std::optional<RecoveryNote> note = ReadRecoveryNote(RecoveryNotePath(folder, pid));
        // A program writes its note before its first circuit, so a circuit
        // without a readable note has no running writer.
        const RecoveryNote told = note.value_or(RecoveryNote{});
        if (note && stillRunning(pid, told)) continue;
        const std::filesystem::path circuit = RecoveryCircuitPath(folder, pid);
        std::error_code timeError;
        const auto written = std::filesystem::last_write_time(circuit, timeError);
        if (timeError) {
            // Only a note: the program ended before its first write.
            if (name.ends_with(kNoteSuffix)) RemoveRecovery(folder, pid);
            continue;
        }
        if (!name.ends_with(kCircuitSuffix)) continue;  // each pair once, by its circuit
        found.push_back({pid, circuit, told, written});
    }
    std::sort(found.begin(), found.end(), [](const StaleRecovery& a, const StaleRecovery& b) {
        return a.written != b.written ? a.written > b.written : a.pid < b.pid;
    });
    return found;
}

bool RefuseRecovery(const std::filesystem::path& folder, const StaleRecovery& stale) {
    if (stale.note.refusals >= 1) {
        RemoveRecovery(folder, stale.pid);
        return false;
    }
    RecoveryNote note = stale.note;
    note.refusals = 1;
    // A note that cannot be written leaves the count where it was: the
    // circuit is offered once more rather than lost.
    (void)WriteRecoveryNote(RecoveryNotePath(folder, stale.pid), note);
    return true;
}

RecoverySchedule::RecoverySchedule(int intervalSeconds) { SetInterval(intervalSeconds); }

void RecoverySchedule::SetInterval(int seconds) { interval_ = std::clamp(seconds, 0, kMaxInterval); }

bool RecoverySchedule::Changed(std::int64_t now) {
    waiting_ = true;
    return Enabled() && (!lastWrite_ || now - *lastWrite_ >= kGestureGapMs);
}

std::optional<std::int64_t> RecoverySchedule::DueAt() const {
    if (!waiting_ || !Enabled()) return std::nullopt;
    return lastWrite_ ? *lastWrite_ + std::int64_t{interval_} * 1000 : 0;
}

void RecoverySchedule::Written(std::int64_t now) {
    lastWrite_ = now;
    waiting_ = false;
}

}  // namespace vorn
