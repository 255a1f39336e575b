// The text of circuit files: what is written, and how each line is read.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "circuitfile.h"
#include "temp_folder.h"

namespace vorn::test {
namespace {

constexpr const char* kHeader =
    "; Vorn file created by Vorn v1.1\r\n"
    "; Author: the Vorn developers\r\n"
    ";\r\n";

TEST(WriteCircuit, WritesHeaderAndColumnMajorDataLinesWithCrLf) {
    TempFolder folder;
    auto cells = std::make_unique<CellGrid>();
    cells->at(2, 3) = SourceOff;
    cells->at(3, 3) = WireE;
    cells->at(5, 3) = Lamp;
    cells->at(2, 200) = JunctionES;
    WriteCircuit(folder / "a.vfl", *cells);
    EXPECT_EQ(ReadBytes(folder / "a.vfl"), std::string(kHeader) +
                                               " 3 2 6\r\n"
                                               " 200 2 53\r\n"
                                               " 3 3 1\r\n"
                                               " 3 5 8\r\n");
}

TEST(WriteCircuit, EmptyGridIsTheHeaderAloneAndReadsBackEmpty) {
    TempFolder folder;
    auto cells = std::make_unique<CellGrid>();
    WriteCircuit(folder / "e.vfl", *cells);
    EXPECT_EQ(ReadBytes(folder / "e.vfl"), kHeader);
    auto scratch = std::make_unique<NodeGrid>();
    scratch->at(1, 1) = 5;
    EXPECT_EQ(ReadCircuit(folder / "e.vfl", *scratch), ReadVerdict::Valid);
    EXPECT_EQ(*scratch, NodeGrid{});
}

TEST(ParseCellLine, AcceptsExtraBlanksLeadingZerosAndAnyTail) {
    for (const char* text : {"3 2 6", "  3   2  6   ", "3 2 6 anything", "003 02 6", "3 2 6 ;x"}) {
        const CellLine line = ParseCellLine(text);
        EXPECT_TRUE(line.valid) << text;
        EXPECT_EQ(line.row, 3) << text;
        EXPECT_EQ(line.column, 2) << text;
        EXPECT_EQ(line.code, 6) << text;
    }
}

TEST(ParseCellLine, RefusesBadNumbersCodesAndRanges) {
    for (const char* text : {"3 2 5", "3 2 50", "3 2 10", "3 2 21", "3 2 54", "256 0 1", "0 256 1", "-3 2 6",
                             "3 2", "3 2 x", "3\t2 6", "3 2 6x", "3 2 6;x", "", "   ", "4294967302 2 6", "3 2 4294967302",
                             "99999999999999999999999 2 6", "2147483648 0 1"}) {
        EXPECT_FALSE(ParseCellLine(text).valid) << '"' << text << '"';
    }
}

TEST(ParseCellLine, AcceptsExactlyTheStorableCodes) {
    int accepted = 0;
    for (int code = 0; code < 100; ++code) accepted += ParseCellLine("1 1 " + std::to_string(code)).valid;
    EXPECT_EQ(accepted, 18);
    EXPECT_TRUE(ParseCellLine("255 255 9").valid);
}

class ReadCircuitText : public ::testing::Test {
protected:
    ReadVerdict Read(const std::string& text) {
        WriteBytes(folder / "c.vfl", text);
        return ReadCircuit(folder / "c.vfl", *scratch);
    }
    TempFolder folder;
    std::unique_ptr<NodeGrid> scratch = std::make_unique<NodeGrid>();
};

struct Node {
    int x, y;
    std::int32_t code;
};

// Each file is read into a scratch grid left dirty by the one before, in the
// field and in the guard ring, and must come out holding exactly its nodes.
TEST_F(ReadCircuitText, ReadsTheLinesIntoTheClearedGrid) {
    const struct {
        const char* text;
        ReadVerdict verdict;
        std::vector<Node> nodes;
    } cases[] = {
        // The first character of a data line is dropped: "13 4 7" is row 3, column 4.
        {"x3 2 6\n13 4 7\n", ReadVerdict::Valid, {{2, 3, SourceOff}, {4, 3, SourceOn}}},
        // Comments, empty and one-character lines are skipped anywhere.
        {"; a\r\n\r\n 1 1 1\r\n;  3 2 x\r\nx\r\n\n 1 2 2\r\n; end", ReadVerdict::Valid, {{1, 1, WireE}, {2, 1, WireS}}},
        // Later lines overwrite earlier ones, and 0 empties a node.
        {" 3 2 6\n 3 2 7\n 4 4 8\n 4 4 0\n", ReadVerdict::Valid, {{2, 3, SourceOn}}},
        // LF, CR LF and CR line ends, and no line end after the last line.
        {" 1 1 1\r 2 2 2\n 3 3 3\r\n 4 4 4", ReadVerdict::Valid, {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}}},
        // Reading stops at the first invalid line.
        {" 1 1 1\n 3 2 5\n 2 2 2\n", ReadVerdict::Invalid, {{1, 1, 1}}},
        {"; nothing\n", ReadVerdict::Valid, {}},
    };
    for (const auto& c : cases) {
        scratch->at(7, 7) = Lamp;
        scratch->at(-1, 0) = 3;
        auto expected = std::make_unique<NodeGrid>();
        for (const Node& node : c.nodes) expected->at(node.x, node.y) = node.code;
        EXPECT_EQ(Read(c.text), c.verdict) << c.text;
        EXPECT_EQ(*scratch, *expected) << c.text;
    }
}

TEST_F(ReadCircuitText, GarbageGetsAVerdictNotACrash) {
    EXPECT_EQ(Read(""), ReadVerdict::Valid);
    EXPECT_EQ(Read("\r\r\r\r"), ReadVerdict::Valid);
    EXPECT_EQ(Read(std::string("\0\0\0\0", 4)), ReadVerdict::Invalid);
    EXPECT_EQ(Read(std::string(" 1 1\0 1\n", 8)), ReadVerdict::Invalid);
    std::string binary;
    std::mt19937 rng(1);
    for (int i = 0; i < 100000; ++i) binary.push_back(static_cast<char>(rng()));
    EXPECT_EQ(Read(";" + binary.substr(0, 10) + "\n" + binary), ReadVerdict::Invalid);
}

// Lines are bounded: blanks, zeros and a tail are taken up to the limit, and
// a longer line of any kind (a comment too) makes the file invalid.
TEST_F(ReadCircuitText, LinesAreTakenUpToTheLengthLimit) {
    const std::size_t room = kMaxLineLength - 7;  // the longest line takes " 3 2 6 " and this
    const struct {
        std::string text;
        ReadVerdict verdict;
    } cases[] = {
        {" 3" + std::string(room, ' ') + "2 6\n", ReadVerdict::Valid},
        {" " + std::string(room, '0') + "3 2 6\n", ReadVerdict::Valid},
        {" 3 2 6 " + std::string(room, 'z') + "\n", ReadVerdict::Valid},
        {" 3" + std::string(room + 3, ' ') + "2 6\n", ReadVerdict::Invalid},
        {" 3 2 6 " + std::string(3'000'000, 'z') + "\n", ReadVerdict::Invalid},
        {";" + std::string(kMaxLineLength, 'c') + "\n 3 2 6\n", ReadVerdict::Invalid},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.text), c.verdict) << c.text.size();
}

TEST(CircuitRoundTrip, RandomGridsReadBackNodeForNode) {
    TempFolder folder;
    std::mt19937 rng(42);
    static const int kCodes[] = {1, 2, 3, 4, 6, 7, 8, 9, 12, 16, 17, 18, 19, 20, 51, 52, 53};
    auto cells = std::make_unique<CellGrid>();
    auto scratch = std::make_unique<NodeGrid>();
    for (int round = 0; round < 40; ++round) {
        ClearCellGrid(*cells);
        const int density = 1 + round * 5;  // percent of the field in use
        for (int x = 0; x < kFieldSize; ++x)
            for (int y = 0; y < kFieldSize; ++y)
                if (static_cast<int>(rng() % 100) < density) cells->at(x, y) = kCodes[rng() % std::size(kCodes)];
        WriteCircuit(folder / "r.vfl", *cells);
        ASSERT_EQ(ReadCircuit(folder / "r.vfl", *scratch), ReadVerdict::Valid);
        ASSERT_EQ(*scratch, *cells) << "round " << round;
    }
}

}  // namespace
}  // namespace vorn::test
