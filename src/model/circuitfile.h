// The .vfl circuit file: a comment header and one text line per used node.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "cellgrid.h"

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

// Writes the header and a line for every node 0..256 x 0..256 whose code is
// not 0, column by column. The file is first written beside the target under
// a temporary name and only then renamed over it, so a failed write leaves an
// existing file as it was. Throws CircuitFileError.
void WriteCircuit(const std::filesystem::path& path, const CellGrid& cells);

// Reads a file into scratch, which is cleared first. Comment lines (first
// character ';') are skipped anywhere; lines may end in CR LF, LF or CR;
// reading stops at the first invalid data line. Throws CircuitFileError when
// the file cannot be opened or read.
ReadVerdict ReadCircuit(const std::filesystem::path& path, NodeGrid& scratch);

}  // namespace vorn
