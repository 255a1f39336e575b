#include "elementnames.h"

#include <algorithm>
#include <set>

#include "utf8text.h"
#include "wirecodes.h"

namespace vorn {

bool IsNameCharacter(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_') return true;
    // The letters of the Cyrillic block; U+0482..U+0489 are a sign and combining marks.
    return c >= 0x0400 && c <= 0x04FF && !(c >= 0x0482 && c <= 0x0489);
}

namespace {

std::string DefaultSourceName(int index) {
    std::string name(1, static_cast<char>('A' + index % 26));
    if (index >= 26) name += std::to_string(index / 26);
    return name;
}

}  // namespace

bool IsNegationWord(std::u32string_view word) {
    return word.size() == 2 && (word[0] == U'н' || word[0] == U'Н') && (word[1] == U'е' || word[1] == U'Е');
}

bool IsValidName(std::string_view text) {
    const std::optional<std::u32string> points = DecodeUtf8(text);
    if (!points || points->empty() || points->size() > kMaxNameLength) return false;
    for (char32_t c : *points)
        if (!IsNameCharacter(c)) return false;
    return text != "0" && text != "1" && !IsNegationWord(*points);
}

bool IsNameableCode(std::int32_t code) { return IsSourceCode(code) || code == Lamp; }

RenameResult RenameElement(NameTable& names, const CellGrid& cells, NodePos node, std::string_view text) {
    if (!InField(node.x, node.y) || !IsNameableCode(cells.at(node.x, node.y))) return RenameResult::NotNameable;
    if (text.empty()) {
        names.erase(node);
        return RenameResult::Cleared;
    }
    if (!IsValidName(text)) return RenameResult::Invalid;
    for (const auto& [other, name] : names)
        if (name == text && !(other == node) && InField(other.x, other.y) && IsNameableCode(cells.at(other.x, other.y)))
            return RenameResult::Taken;
    names[node] = std::string(text);
    return RenameResult::Renamed;
}

void MoveName(NameTable& names, NodePos from, NodePos to) {
    if (from == to) return;
    const auto found = names.find(from);
    if (found == names.end()) {
        names.erase(to);
        return;
    }
    std::string name = std::move(found->second);
    names.erase(found);
    names[to] = std::move(name);
}

void DropName(NameTable& names, NodePos node) { names.erase(node); }

void DropNamesWithoutElement(NameTable& names, const CellGrid& cells) {
    std::erase_if(names, [&](const auto& entry) {
        const NodePos& p = entry.first;
        return !InField(p.x, p.y) || !IsNameableCode(cells.at(p.x, p.y));
    });
}

ShownNames NameElements(const NameTable& names, const CellGrid& cells) {
    ShownNames shown;
    std::set<std::string, std::less<>> used;
    for (int x = 0; x < kFieldSize; ++x) {
        for (int y = 0; y < kFieldSize; ++y) {
            const std::int32_t code = cells.at(x, y);
            if (!IsNameableCode(code)) continue;
            const auto found = names.find({x, y});
            ShownName entry{{x, y}, found != names.end() ? found->second : std::string(), found != names.end()};
            if (entry.given) used.insert(entry.name);
            (code == Lamp ? shown.lamps : shown.sources).push_back(std::move(entry));
        }
    }
    // The k-th element's default is the k-th of its sequence, so naming one
    // element leaves the defaults of the others as they were; a name in use
    // moves it (and those after it) further along.
    auto assign = [&](std::vector<ShownName>& elements, auto nameAt) {
        int next = 0;
        for (std::size_t k = 0; k < elements.size(); ++k) {
            ShownName& e = elements[k];
            if (e.given) continue;
            next = std::max(next, static_cast<int>(k));
            while (used.contains(nameAt(next))) ++next;
            e.name = nameAt(next++);
            used.insert(e.name);
        }
    };
    assign(shown.sources, DefaultSourceName);
    assign(shown.lamps, [](int k) { return "F" + std::to_string(k + 1); });
    return shown;
}

}  // namespace vorn
