#include "cellgrid.h"

#include <initializer_list>

namespace vorn {

namespace {

CodeSet MakeSet(std::initializer_list<int> codes) {
    CodeSet set;
    for (int code : codes) set.set(static_cast<std::size_t>(code));
    return set;
}

struct NameRow {
    std::string_view name, accusative, helpTopic;
};

constexpr std::string_view kBlank = " ";

// Indexed by code modulo 50; rows without an object are empty texts.
constexpr std::array<NameRow, 21> kNames = {{
    {kBlank, kBlank, kBlank},                          // 0
    {"Провод", "провод", "Провода"},                   // 1
    {"Провод", "провод", "Провода"},                   // 2
    {"Провода", "провода", "Провод"},                  // 3
    {"Провода", "провода", "Провод"},                  // 4
    {},                                                // 5
    {"Источник", "источник", "Источник"},              // 6
    {"Источник", "источник", "Источник"},              // 7
    {"Лампочка", "лампочку", "Лампочка"},              // 8
    {}, {}, {},                                        // 9..11
    {"Инвертор", "инвертор", "Инвертор"},              // 12
    {}, {}, {},                                        // 13..15
    {"Конъюнктор", "конъюнктор", "Конъюнктор"},        // 16
    {kBlank, kBlank, kBlank},                          // 17
    {kBlank, kBlank, kBlank},                          // 18
    {kBlank, kBlank, kBlank},                          // 19
    {"Дизъюнктор", "дизъюнктор", "Дизъюнктор"},        // 20
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

std::string_view ObjectName(std::int32_t code) {
    const NameRow* row = FindNames(code);
    return row ? row->name : std::string_view{};
}

std::string_view ObjectNameAcc(std::int32_t code) {
    const NameRow* row = FindNames(code);
    return row ? row->accusative : std::string_view{};
}

std::string_view ObjectHelpTopic(std::int32_t code) {
    const NameRow* row = FindNames(code);
    return row ? row->helpTopic : std::string_view{};
}

}  // namespace vorn
