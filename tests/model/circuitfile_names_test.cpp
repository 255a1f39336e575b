#include <gtest/gtest.h>

#include <memory>

#include "circuitfile.h"
#include "temp_folder.h"

namespace vorn::test {
namespace {

constexpr const char* kHeader = "; Vorn file created by Vorn v1.1\r\n; Author: the Vorn developers\r\n;\r\n";

// A source at (2, 3) wired to a lamp at (5, 3), and a second source at (2, 9).
std::unique_ptr<CellGrid> SmallCircuit() {
    auto cells = std::make_unique<CellGrid>();
    cells->at(2, 3) = SourceOn;
    cells->at(3, 3) = WireE;
    cells->at(4, 3) = WireE;
    cells->at(5, 3) = Lamp;
    cells->at(2, 9) = SourceOff;
    return cells;
}

TEST(CircuitFileNames, RoundTripKeepsTheDataLinesByteForByte) {
    TempFolder folder;
    const auto cells = SmallCircuit();
    const NameTable names{{{5, 3}, "Лампа_1"}, {{2, 9}, "Б"}, {{2, 3}, "Ключ"}};
    WriteCircuit(folder / "plain.vfl", *cells);
    WriteCircuit(folder / "named.vfl", *cells, names);

    const std::string plain = ReadBytes(folder / "plain.vfl");
    ASSERT_TRUE(plain.starts_with(kHeader));
    const std::string nameLines = "; name 2 3 Ключ\r\n; name 2 9 Б\r\n; name 5 3 Лампа_1\r\n";
    EXPECT_EQ(ReadBytes(folder / "named.vfl"),
              std::string(kHeader) + nameLines + plain.substr(std::string(kHeader).size()));

    auto scratch = std::make_unique<NodeGrid>();
    NameTable read{{{0, 0}, "stale"}};
    ASSERT_EQ(ReadCircuit(folder / "named.vfl", *scratch, read), ReadVerdict::Valid);
    EXPECT_EQ(*scratch, *cells);
    EXPECT_EQ(read, names);
    // A reader that knows nothing of names sees the same grid.
    auto plainScratch = std::make_unique<NodeGrid>();
    ASSERT_EQ(ReadCircuit(folder / "named.vfl", *plainScratch), ReadVerdict::Valid);
    EXPECT_EQ(*plainScratch, *cells);
}

TEST(CircuitFileNames, NameLineForm) {
    struct Case {
        const char* line;
        bool valid;
        NodePos node;
        const char* text;
    };
    const Case cases[] = {
        {"; name 2 3 Ключ", true, {2, 3}, "Ключ"},
        {"; name 255 0 x_1", true, {255, 0}, "x_1"},
        {"; name 02 3 A", true, {2, 3}, "A"},
        {"; name 256 0 A", false, {}, ""},
        {"; name 2 3  A", false, {}, ""},
        {"; name 2 3 A ", false, {}, ""},
        {"; name 2  3 A", false, {}, ""},
        {";name 2 3 A", false, {}, ""},
        {"; Name 2 3 A", false, {}, ""},
        {"; name 2 3", false, {}, ""},
        {"; name -2 3 A", false, {}, ""},
        {"; name 2 3 не", false, {}, ""},
    };
    for (const Case& c : cases) {
        const std::optional<NameLine> line = ParseNameLine(c.line);
        ASSERT_EQ(line.has_value(), c.valid) << c.line;
        if (line) {
            EXPECT_EQ(line->node, c.node) << c.line;
            EXPECT_EQ(line->text, c.text) << c.line;
        }
    }
}

TEST(CircuitFileNames, ReaderKeepsOnlyUniqueNamesOfSourcesAndLamps) {
    TempFolder folder;
    WriteBytes(folder / "c.vfl", std::string(kHeader) +
                                     "; name 3 3 Wire\n"              // no source or lamp there
                                     "; name 2 9 Second\n"            // replaced by a later line
                                     "; name 2 9 Same\r"
                                     "; name 5 3 Same\n"              // taken by (2, 9), first in data-line order
                                     "; name 2 3 " + std::string(200, 'x') + "\n"  // a long comment, not a name
                                     " 3 2 7\r\n 3 3 1\r\n 3 4 1\r\n 3 5 8\r\n 9 2 6\r\n; name 2 3 Key\r\n");
    auto scratch = std::make_unique<NodeGrid>();
    NameTable names;
    ASSERT_EQ(ReadCircuit(folder / "c.vfl", *scratch, names), ReadVerdict::Valid);
    EXPECT_EQ(*scratch, *SmallCircuit());
    EXPECT_EQ(names, (NameTable{{{2, 3}, "Key"}, {{2, 9}, "Same"}}));

    WriteBytes(folder / "bad.vfl", std::string(kHeader) + "; name 2 3 A\r\n 3 2 5\r\n");
    EXPECT_EQ(ReadCircuit(folder / "bad.vfl", *scratch, names), ReadVerdict::Invalid);
    EXPECT_TRUE(names.empty());
}

}  // namespace
}  // namespace vorn::test
