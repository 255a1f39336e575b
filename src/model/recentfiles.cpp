#include "recentfiles.h"

#include <algorithm>

namespace vorn {

void NoteRecentFile(std::vector<std::string>& list, std::string_view name) {
    if (name.empty()) return;
    std::erase(list, name);
    list.insert(list.begin(), std::string(name));
    TidyRecentFiles(list);
}

void TidyRecentFiles(std::vector<std::string>& list) {
    std::vector<std::string> kept;
    for (std::string& name : list) {
        if (kept.size() == kRecentFileCount) break;
        if (!name.empty() && std::find(kept.begin(), kept.end(), name) == kept.end()) kept.push_back(std::move(name));
    }
    list = std::move(kept);
}

std::string RecentFileCaption(std::size_t index, std::string_view name) {
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (char c : name) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

}  // namespace vorn
