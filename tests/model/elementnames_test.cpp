#include <gtest/gtest.h>

#include <memory>

#include "elementnames.h"

namespace vorn::test {
namespace {

TEST(ElementNames, Validation) {
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"A", true},           {"Вход_2", true},        {"ёЁїЇ", true},      {"abcdefghijkl", true},
        {"ЖЖЖЖЖЖЖЖЖЖЖЖ", true}, {"10", true},            {"", false},         {"abcdefghijklm", false},
        {"ЖЖЖЖЖЖЖЖЖЖЖЖЖ", false}, {"A B", false},       {"A-B", false},      {"Ä", false},
        {"\xD2\x83", false},   {"\xD0", false},         {"\xC0\x81", false}, {"\xED\xA0\x80", false},
        {"0", false},          {"1", false},            {"не", false},       {"НЕ", false},
        {"нет", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsValidName(c.text), c.valid) << c.text;
}

// Sources in column 1 rows 0, 2, 4 and column 3 row 0; lamps in column 5 rows 0 and 2.
std::unique_ptr<CellGrid> Board() {
    auto cells = std::make_unique<CellGrid>();
    for (NodePos p : {NodePos{1, 0}, NodePos{1, 2}, NodePos{1, 4}, NodePos{3, 0}}) cells->at(p.x, p.y) = SourceOff;
    cells->at(1, 4) = SourceOn;
    cells->at(5, 0) = Lamp;
    cells->at(5, 2) = Lamp;
    return cells;
}

std::vector<std::string> Shown(const NameTable& names, const CellGrid& cells) {
    std::vector<std::string> all;
    const ShownNames shown = NameElements(names, cells);
    for (const auto* group : {&shown.sources, &shown.lamps})
        for (const ShownName& s : *group) all.push_back(s.name + (s.given ? "!" : ""));
    return all;
}

TEST(ElementNames, DefaultsKeepTheirPlaceAndNeverRepeatAGivenName) {
    const auto cells = Board();
    struct Case {
        NameTable given;
        std::vector<std::string> shown;  // sources in seeding order, then lamps; "!" marks a given name
    };
    const Case cases[] = {
        {{}, {"A", "B", "C", "D", "F1", "F2"}},
        {{{{1, 0}, "X"}}, {"X!", "B", "C", "D", "F1", "F2"}},
        {{{{1, 4}, "A"}, {{5, 2}, "F1"}}, {"B", "C", "A!", "D", "F2", "F1!"}},
        {{{{5, 0}, "B"}}, {"A", "C", "D", "E", "B!", "F2"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Shown(c.given, *cells), c.shown);

    auto wide = std::make_unique<CellGrid>();
    for (int y = 0; y < 60; y += 2) wide->at(0, y) = SourceOff;
    const ShownNames shown = NameElements({}, *wide);
    EXPECT_EQ(shown.sources[25].name, "Z");
    EXPECT_EQ(shown.sources[26].name, "A1");
    EXPECT_EQ(shown.sources[29].name, "D1");
}

TEST(ElementNames, RenameMoveAndDropFollowTheElements) {
    auto cells = Board();
    NameTable names;
    EXPECT_EQ(RenameElement(names, *cells, {1, 0}, "Икс"), RenameResult::Renamed);
    EXPECT_EQ(RenameElement(names, *cells, {5, 0}, "Икс"), RenameResult::Taken);
    EXPECT_EQ(RenameElement(names, *cells, {1, 0}, "Икс"), RenameResult::Renamed);  // its own name again
    EXPECT_EQ(RenameElement(names, *cells, {5, 0}, "A B"), RenameResult::Invalid);
    EXPECT_EQ(RenameElement(names, *cells, {2, 0}, "Y"), RenameResult::NotNameable);
    EXPECT_EQ(RenameElement(names, *cells, {5, 0}, "Выход"), RenameResult::Renamed);
    EXPECT_EQ(RenameElement(names, *cells, {5, 0}, ""), RenameResult::Cleared);
    EXPECT_EQ(names, (NameTable{{{1, 0}, "Икс"}}));

    // The source moves to (7, 7): its name goes with it and replaces nothing else.
    cells->at(1, 0) = Empty;
    cells->at(7, 7) = SourceOff;
    MoveName(names, {1, 0}, {7, 7});
    EXPECT_EQ(names, (NameTable{{{7, 7}, "Икс"}}));
    // A name left on a node whose element is gone is ignored and freed.
    names[{1, 2}] = "Y";
    cells->at(1, 2) = Empty;
    EXPECT_EQ(RenameElement(names, *cells, {1, 4}, "Y"), RenameResult::Renamed);
    DropName(names, {1, 4});
    DropNamesWithoutElement(names, *cells);
    EXPECT_EQ(names, (NameTable{{{7, 7}, "Икс"}}));
}

}  // namespace
}  // namespace vorn::test
