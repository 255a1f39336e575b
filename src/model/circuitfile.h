// The .vfl circuit file: a comment header, a comment line per named element
// and one text line per used node (docs/circuit-file-format.md).
#pragma once

#include <cstddef>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "cellgrid.h"
#include "elementnames.h"
#include "tasklines.h"

namespace vorn {

// The title of the program as it appears in the file header.
inline constexpr std::string_view ProgramTitle = "Vorn v1.1";

// An input or output failure on a circuit file. code() carries the system's
// error number (errno), what() names the file and the operation.
class CircuitFileError : public std::system_error {
public:
    CircuitFileError(int errorNumber, const std::string& what)
        : std::system_error(errorNumber, std::generic_category(), what) {}
};

// The longest line the reader takes, line end not counted; a longer line
// makes the file invalid, whatever it holds.
inline constexpr std::size_t kMaxLineLength = 4096;

// A save refused because the file it would replace is write-protected: the
// file stays as it is, and the circuit is to be saved under another name.
// code() is EACCES.
class ReadOnlyFileError : public CircuitFileError {
public:
    explicit ReadOnlyFileError(const std::string& what) : CircuitFileError(EACCES, what) {}
};

// Whether a file's permission bits forbid writing it to everyone: no write
// bit is set. Such a file is not replaced, even by a user whom the system
// would let write it.
bool IsWriteProtectedMode(unsigned mode);

// Removes the temporary files that a save of this program left beside
// `document` when it was killed: hidden files named after the saving
// process, whose process no longer runs. Returns how many were removed;
// never throws.
int RemoveStaleSaveFiles(const std::filesystem::path& document);

// Whether a file holds a circuit the program can take.
enum class ReadVerdict { Valid, Invalid };

// One data line without its first character.
struct CellLine {
    std::int32_t row = 0;
    std::int32_t column = 0;
    std::int32_t code = 0;
    bool valid = false;
};

// True for the codes a circuit file may hold.
bool IsStorableCode(std::int64_t code);

// Reads row, column and code from the text of a data line: three unsigned
// decimal numbers separated by blanks; whatever follows the third is ignored.
CellLine ParseCellLine(std::string_view text);

// The comment line that names an element: exactly "; name COLUMN ROW TEXT"
// (decimal column and row of the element's node, TEXT a valid name in UTF-8).
struct NameLine {
    NodePos node;
    std::string text;
};

// Reads a whole line (from its ';', without the line end) as a name line;
// nothing when it is any other comment or breaks the form.
std::optional<NameLine> ParseNameLine(std::string_view line);

// Writes the header, a name line for every named source or lamp (in the
// order of the data lines), and a line for every node 0..256 x 0..256 whose
// code is not 0, column by column. The file is first written beside the target under
// a temporary name and only then renamed over it, so a failed write leaves an
// existing file as it was. A replaced file keeps its permissions and, where
// the system allows it, its owner and group; a file with several hard links
// is rewritten in place once the temporary copy is complete, so every link
// shows the new circuit. Stale temporary files beside the target are removed
// first. Throws ReadOnlyFileError for a write-protected file, else
// CircuitFileError.
void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells, const NameTable& names);
void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells);  // without names
// The same with the task lines right after the header, each as it is; a
// line that does not start with "; task " or holds a line break is left out.
void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells, const NameTable& names,
                  const TaskLines& task);

// Reads a file into scratch, which is cleared first. Comment lines (first
// character ';') are skipped anywhere; lines may end in CR LF, LF or CR;
// reading stops at the first invalid data line, and within a data line at
// the first character that makes it invalid. Throws CircuitFileError when
// the file cannot be opened or read.
ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch);

// The same, and the names of the file's name lines into `names` (cleared
// first). A name line for a node without a source or lamp is ignored, and so
// is one whose name an element earlier in data-line order already carries;
// of two lines for one node the later wins.
ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch, NameTable& names);

// The same, and the file's task lines with their line numbers into `task`
// (cleared first; up to kMaxTaskLines + 1 of them). A refused file hands on
// no task lines either.
ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch, NameTable& names, TaskLines& task);

}  // namespace vorn
