// Why a circuit could not be saved, in words for the user. A save that the
// file system refuses for an everyday reason (no such folder, no right to
// write, a read-only or full disk, a file-size limit, a write-protected
// file) is the user's to mend, not a fault of the program: it gets a plain
// explanation instead of an error report.
#pragma once

#include <optional>
#include <string>

namespace vorn {

// The reason for the error number (errno) of a failed save, as one
// sentence of the interface language in UTF-8 ending in a full stop; nullopt when the failure is not
// one of the everyday ones and belongs to the error report.
std::optional<std::string> SaveFailureReason(int errorNumber);

class CircuitFileError;

// The same for a failure of WriteCircuit, which also tells a write-protected
// file apart from a folder the user may not write in.
std::optional<std::string> SaveFailureReason(const CircuitFileError& failure);

}  // namespace vorn
