#include "cellgrid.h"

#include <initializer_list>

#include "translate.h"

namespace vorn {

namespace {

CodeSet MakeSet(std::initializer_list<int> codes) {
    CodeSet set;
    for (int code : codes) set.set(static_cast<std::size_t>(code));
    return set;
}

// The name and its accusative are shown through Tr; the help topic is the
// keyword of the help file's index and stays as it is.
struct NameRow {
    std::string_view name, accusative, helpTopic;
};

constexpr std::string_view kBlank = " ";

// Indexed by code modulo 50; rows without an object are empty texts.
constexpr std::array<NameRow, 21> kNames = {{
    {kBlank, kBlank, kBlank},                          // 0
    {VORN_TR_NOOP("Objects", "Провод"), VORN_TR_NOOP("Objects", "провод"), "Провода"},  // 1
    {VORN_TR_NOOP("Objects", "Провод"), VORN_TR_NOOP("Objects", "провод"), "Провода"},  // 2
    {VORN_TR_NOOP("Objects", "Провода"), VORN_TR_NOOP("Objects", "провода"), "Провод"},  // 3
    {VORN_TR_NOOP("Objects", "Провода"), VORN_TR_NOOP("Objects", "провода"), "Провод"},  // 4
    {},                                                // 5
    {VORN_TR_NOOP("Objects", "Источник"), VORN_TR_NOOP("Objects", "источник"), "Источник"},  // 6
    {VORN_TR_NOOP("Objects", "Источник"), VORN_TR_NOOP("Objects", "источник"), "Источник"},  // 7
    {VORN_TR_NOOP("Objects", "Лампочка"), VORN_TR_NOOP("Objects", "лампочку"), "Лампочка"},  // 8
    {}, {}, {},                                        // 9..11
    {VORN_TR_NOOP("Objects", "Инвертор"), VORN_TR_NOOP("Objects", "инвертор"), "Инвертор"},  // 12
    {}, {}, {},                                        // 13..15
    {VORN_TR_NOOP("Objects", "Конъюнктор"), VORN_TR_NOOP("Objects", "конъюнктор"), "Конъюнктор"},  // 16
    {kBlank, kBlank, kBlank},                          // 17
    {kBlank, kBlank, kBlank},                          // 18
    {kBlank, kBlank, kBlank},                          // 19
    {VORN_TR_NOOP("Objects", "Дизъюнктор"), VORN_TR_NOOP("Objects", "дизъюнктор"), "Дизъюнктор"},  // 20
}};

const NameRow* FindNames(std::int32_t code) {
    if (code < 0) return nullptr;
    const std::int32_t index = code % 50;
    return index < static_cast<std::int32_t>(kNames.size()) ? &kNames[index] : nullptr;
}

}  // namespace

void ClearCellGrid(CellGrid& grid) {
    for (int x = 0; x <= kFieldSize; ++x)
        for (int y = 0; y <= kFieldSize; ++y) grid.at(x, y) = Empty;
}

const CodeSet& EastSet() {
    static const CodeSet set = MakeSet({1, 3, 4, 6, 7, 8, 12, 17, 51, 53});
    return set;
}

const CodeSet& SouthSet() {
    static const CodeSet set = MakeSet({2, 3, 4, 6, 7, 52, 53});
    return set;
}

bool IsWireCode(std::int32_t code) { return (code >= 0 && code <= 4) || (code >= 51 && code <= 53); }
bool HasWestTerminal(std::int32_t code) {
    return IsSourceCode(code) || code == Lamp || code == Inverter || code == GateInput;
}

// The word in the interface language; blanks and gaps of the table as they are.
std::string Shown(std::string_view word) {
    return word.empty() || word == kBlank ? std::string(word) : Tr("Objects", word.data());
}

std::string ObjectName(std::int32_t code) {
    const NameRow* row = FindNames(code);
    return row ? Shown(row->name) : std::string();
}

std::string ObjectNameAcc(std::int32_t code) {
    const NameRow* row = FindNames(code);
    return row ? Shown(row->accusative) : std::string();
}

std::string_view ObjectHelpTopic(std::int32_t code) {
    const NameRow* row = FindNames(code);
    return row ? row->helpTopic : std::string_view{};
}

}  // namespace vorn
