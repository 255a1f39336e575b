// The list of recently opened or saved circuit files shown at the end of the
// File menu: newest first, each file once, at most eight.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

inline constexpr std::size_t kRecentFileCount = 8;

// Puts name first; an earlier entry of the same name goes, and beyond eight
// the oldest. Empty names are not kept.
void NoteRecentFile(std::vector<std::string>& list, std::string_view name);

// Takes the entries out of a stored list that cannot stand in it: empty
// ones, repeats (the first stays) and any beyond eight.
void TidyRecentFiles(std::vector<std::string>& list);

// The menu caption of entry index (0..7): "&1 name", the number its
// mnemonic; an "&" of the name is doubled so that it shows as itself.
std::string RecentFileCaption(std::size_t index, std::string_view name);

}  // namespace vorn
