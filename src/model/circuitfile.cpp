#include "circuitfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <set>
#include <string>

namespace vorn {

namespace {

constexpr std::string_view kHeader2 = "; Author: the Vorn developers";
constexpr std::string_view kHeader3 = ";";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNamePrefix = "; name ";
// A name line is at most "; name 255 255 " and 12 characters of 4 bytes;
// longer comments are not kept while reading.
constexpr std::size_t kMaxNameLineBytes = 64;

// An unsigned decimal number below kFieldSize at the start of text, followed
// by one blank; the text after the blank is left in `text`.
std::optional<int> TakeCoordinate(std::string_view& text) {
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        if (value >= kFieldSize) return std::nullopt;
        ++digits;
    }
    if (digits == 0 || digits >= text.size() || text[digits] != ' ') return std::nullopt;
    text.remove_prefix(digits + 1);
    return value;
}

// Parses a data line one character at a time, so that a reader never has to
// hold a whole line: a line of megabytes costs no memory.
class CellLineParser {
public:
    void Feed(char ch) {
        if (failed_ || fields_ == 3) return;  // the tail after the third number is ignored
        if (ch == ' ') {
            if (inNumber_) EndNumber();
            return;
        }
        if (ch < '0' || ch > '9') {
            failed_ = true;
            return;
        }
        inNumber_ = true;
        value_ = value_ * 10 + (ch - '0');
        if (value_ > INT32_MAX) failed_ = true;  // too large for the grid's integers
    }

    bool Failed() const { return failed_; }

    CellLine Finish() {
        Feed(' ');  // the last number always ends with a blank
        CellLine line;
        if (failed_ || fields_ < 3) return line;
        line.row = static_cast<std::int32_t>(numbers_[0]);
        line.column = static_cast<std::int32_t>(numbers_[1]);
        line.code = static_cast<std::int32_t>(numbers_[2]);
        line.valid = line.row < kFieldSize && line.column < kFieldSize && IsStorableCode(line.code);
        return line;
    }

private:
    void EndNumber() {
        numbers_[fields_++] = value_;
        value_ = 0;
        inNumber_ = false;
    }

    std::array<std::int64_t, 3> numbers_{};
    std::int64_t value_ = 0;
    int fields_ = 0;
    bool inNumber_ = false;
    bool failed_ = false;
};

[[noreturn]] void Fail(int errorNumber, const char* action, const std::filesystem::path& path) {
    throw CircuitFileError(errorNumber, std::string(action) + " " + path.string());
}

// Closes a descriptor when it goes out of scope unless it was closed already.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

std::string FormatCircuit(const CellGrid& cells, const NameTable& names, const TaskLines& task) {
    std::string text;
    text.reserve(4096);
    text.append("; Vorn file created by ").append(ProgramTitle).append(kLineEnd);
    text.append(kHeader2).append(kLineEnd);
    text.append(kHeader3).append(kLineEnd);
    for (const TaskLine& line : task) {
        if (!IsTaskLine(line.text) || line.text.find_first_of("\r\n") != std::string::npos) continue;
        text.append(line.text).append(kLineEnd);
    }
    for (const auto& [node, name] : names) {  // the table keeps data-line order
        if (!InField(node.x, node.y) || !IsNameableCode(cells.at(node.x, node.y)) || !IsValidName(name)) continue;
        text.append(kNamePrefix).append(std::to_string(node.x));
        text.append(" ").append(std::to_string(node.y));
        text.append(" ").append(name).append(kLineEnd);
    }
    for (int x = 0; x <= kFieldSize; ++x) {
        for (int y = 0; y <= kFieldSize; ++y) {
            const std::int32_t code = cells.at(x, y);
            if (code == Empty) continue;
            text.append(" ").append(std::to_string(y));
            text.append(" ").append(std::to_string(x));
            text.append(" ").append(std::to_string(code)).append(kLineEnd);
        }
    }
    return text;
}

// The file a save really replaces: a link is followed, so the link stays.
std::filesystem::path SaveTarget(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

constexpr std::string_view kTempPrefix = ".vorn-save-";
constexpr std::string_view kTempSuffix = ".tmp";

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : ".";
}

// Creates a new file beside the target under a name nobody else uses:
// .vorn-save-<pid>-<n>.tmp, the process id telling later whether the file
// is still being written.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = FolderOf(target) / (std::string(kTempPrefix) + std::to_string(::getpid()) + "-" +
                                       std::to_string(counter++) + std::string(kTempSuffix));
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process id in a temporary file's name, or 0 for any other name.
long SavingProcess(std::string_view name) {
    if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) return 0;
    name.remove_prefix(kTempPrefix.size());
    name.remove_suffix(kTempSuffix.size());
    const std::size_t dash = name.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == name.size() || dash > 9) return 0;
    long pid = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (i == dash) continue;
        if (name[i] < '0' || name[i] > '9') return 0;
        if (i < dash) pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

// Returns 0 once every byte is written, else the error number.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Of the names read, keeps those on a source or lamp, each text once: the
// element first in data-line order keeps a name two lines gave.
void KeepNamesOfElements(NameTable& names, const CellGrid& cells) {
    DropNamesWithoutElement(names, cells);
    std::set<std::string, std::less<>> seen;
    std::erase_if(names, [&](const auto& entry) { return !seen.insert(entry.second).second; });
}

// Gives the temporary file the owner, group and permissions of the file it
// replaces. Only root may give a file away; anyone may keep a group they
// belong to. Returns 0 or the error number of the permissions.
int TakeOverAttributes(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Rewrites a file in place; 0 or the error number.
int RewriteInPlace(const std::filesystem::path& target, std::string_view text) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = WriteAll(fd, text);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

}  // namespace

bool IsStorableCode(std::int64_t code) {
    switch (code) {
        case 0: case 1: case 2: case 3: case 4: case 6: case 7: case 8: case 9:
        case 12: case 16: case 17: case 18: case 19: case 20: case 51: case 52: case 53:
            return true;
        default:
            return false;
    }
}

CellLine ParseCellLine(std::string_view text) {
    CellLineParser parser;
    for (char ch : text) parser.Feed(ch);
    return parser.Finish();
}

std::optional<NameLine> ParseNameLine(std::string_view line) {
    if (!line.starts_with(kNamePrefix)) return std::nullopt;
    line.remove_prefix(kNamePrefix.size());
    const std::optional<int> column = TakeCoordinate(line);
    const std::optional<int> row = column ? TakeCoordinate(line) : std::nullopt;
    if (!row || !IsValidName(line)) return std::nullopt;
    return NameLine{{*column, *row}, std::string(line)};
}

bool IsWriteProtectedMode(unsigned mode) { return (mode & 0222) == 0; }

int RemoveStaleSaveFiles(const std::filesystem::path& document) {
    std::error_code ec;
    // Without the process table nothing can be told stale.
    if (!std::filesystem::exists("/proc/self", ec)) return 0;
    int removed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FolderOf(document), ec)) {
        const long pid = SavingProcess(entry.path().filename().native());
        if (pid <= 0 || pid == ::getpid()) continue;
        if (std::filesystem::exists("/proc/" + std::to_string(pid), ec) || ec) continue;
        if (entry.is_regular_file(ec) && std::filesystem::remove(entry.path(), ec)) ++removed;
    }
    return removed;
}

void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells) { WriteCircuit(path, cells, {}, {}); }

void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells, const NameTable& names) {
    WriteCircuit(path, cells, names, {});
}

void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells, const NameTable& names,
                  const TaskLines& task) {
    const std::string text = FormatCircuit(cells, names, task);
    const std::filesystem::path target = SaveTarget(path);

    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) Fail(EISDIR, "Cannot write", path);
    // Refused as an editor refuses it: the rename would replace the file
    // even where the file itself may not be written.
    if (replacing && (IsWriteProtectedMode(existing.st_mode) || (::access(target.c_str(), W_OK) != 0 && errno == EACCES)))
        throw ReadOnlyFileError("Write-protected " + path.string());
    RemoveStaleSaveFiles(target);

    std::filesystem::path tempPath;
    const int fd = CreateTemporaryBeside(target, tempPath);
    if (fd < 0) Fail(errno, "Cannot create a file beside", path);

    int error = replacing ? TakeOverAttributes(fd, existing) : 0;
    if (error == 0) error = WriteAll(fd, text);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    // Hard links share the file itself: it is written in place once the
    // complete copy is on disk. Should that fail, the copy replaces the file,
    // which then holds the whole new circuit without its links.
    const bool inPlace = error == 0 && replacing && existing.st_nlink > 1 && RewriteInPlace(target, text) == 0;
    if (inPlace) ::unlink(tempPath.c_str());
    else if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(tempPath.c_str());
        Fail(error, "Cannot write", path);
    }

    // Make the rename itself durable; the data is already safe either way.
    FileDescriptor dir{::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
}

ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch) {
    NameTable ignored;
    return ReadCircuit(path, scratch, ignored);
}

ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch, NameTable& names) {
    TaskLines ignored;
    return ReadCircuit(path, scratch, names, ignored);
}

ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch, NameTable& names, TaskLines& task) {
    for (auto& column : scratch.columns) column.fill(0);
    names.clear();
    task.clear();

    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) Fail(errno, "Cannot open", path);

    enum class LinePart { First, Comment, Data };
    LinePart part = LinePart::First;
    bool hasText = false;
    CellLineParser parser;
    std::string comment;  // the current comment line: a name line, or a task line of any length
    comment.reserve(kMaxNameLineBytes + 1);
    int lineNumber = 1;
    bool afterCarriageReturn = false;  // CR LF ends one line, not two

    // Ends the current line; false once a data line was invalid.
    auto endLine = [&]() {
        const bool isData = part == LinePart::Data && hasText;
        if (part == LinePart::Comment && comment.size() <= kMaxNameLineBytes) {
            if (std::optional<NameLine> line = ParseNameLine(comment)) names[line->node] = std::move(line->text);
        }
        if (part == LinePart::Comment && IsTaskLine(comment) && task.size() <= kMaxTaskLines)
            task.push_back({lineNumber, comment});
        comment.clear();
        part = LinePart::First;
        hasText = false;
        if (!isData) return true;
        const CellLine line = parser.Finish();
        parser = CellLineParser{};
        if (!line.valid) return false;
        scratch.at(line.column, line.row) = line.code;
        return true;
    };

    // A refused file hands on no names either.
    auto refuse = [&]() {
        names.clear();
        task.clear();
        return ReadVerdict::Invalid;
    };

    std::size_t lineLength = 0;
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail(errno, "Cannot read", path);
        }
        if (got == 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            const char ch = buffer[static_cast<std::size_t>(i)];
            if (ch == '\n' || ch == '\r') {
                if (!endLine()) return refuse();
                if (ch == '\r' || !afterCarriageReturn) ++lineNumber;
                afterCarriageReturn = ch == '\r';
                lineLength = 0;
                continue;
            }
            afterCarriageReturn = false;
            // No line end is waited for once the line is known to be bad, so
            // an endless stream (a device, a pipe) gets its verdict at once.
            if (++lineLength > kMaxLineLength) return refuse();
            switch (part) {
                case LinePart::First:
                    // The first character is dropped unseen; the writer puts a blank there.
                    part = ch == ';' ? LinePart::Comment : LinePart::Data;
                    if (part == LinePart::Comment) comment.push_back(ch);
                    break;
                case LinePart::Comment:
                    // Past the length of a name line only a task line is kept.
                    if (comment.size() <= kMaxNameLineBytes || IsTaskLine(comment)) comment.push_back(ch);
                    break;
                case LinePart::Data:
                    hasText = true;
                    parser.Feed(ch);
                    if (parser.Failed()) return refuse();
                    break;
            }
        }
    }
    if (!endLine()) return refuse();
    KeepNamesOfElements(names, scratch);
    return ReadVerdict::Valid;
}

}  // namespace vorn
