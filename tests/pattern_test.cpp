#include "board/board.h"
#include "pattern/board_pattern.h"
#include "pattern/pattern_error.h"
#include "pattern/pattern_reader.h"
#include "pattern/pattern_writer.h"
#include "pattern/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using quarn::Cell;
using quarn::Pattern;
using quarn::PatternError;
using quarn::ReadPattern;
using Cells = std::set<Cell>;

Cells CellsOf(const Pattern& pattern)
{
    Cells cells;
    for (const quarn::LiveRun& run : pattern.live) {
        for (int i = 0; i < run.length; ++i) {
            cells.insert({run.row, run.column + i});
        }
    }
    return cells;
}

const Cells kGlider{{0, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}};

// Each table's rows are shown by their names.
template <typename Case> void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

struct ValidCase
{
    const char* name;
    std::string text;
    int width;
    int height;
    Cells live;
    std::string title = {};
};

void PrintTo(const ValidCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReadsValidText : public ::testing::TestWithParam<ValidCase>
{};

TEST_P(ReadsValidText, GivesTheBoxAndTheLiveCells)
{
    const ValidCase& c = GetParam();
    const Pattern pattern = ReadPattern(c.text);
    EXPECT_EQ(pattern.width, c.width);
    EXPECT_EQ(pattern.height, c.height);
    EXPECT_EQ(CellsOf(pattern), c.live);
    EXPECT_EQ(pattern.name, c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Rle, ReadsValidText,
    ::testing::Values(
        ValidCase{"Glider", "x = 3, y = 3\nbo$2bo$3o!", 3, 3, kGlider},
        ValidCase{"CommentsNameAndRule",
                  "#N Glider\n#O Someone\n#C A comment\n#c another\n#P 1 1\n#R 2 2\n#r 23/3\n"
                  "x = 3, y = 3, rule = B3/S23\nbo$2bo$3o!",
                  3, 3, kGlider, "Glider"},
        ValidCase{"BlankLinesAmongComments", "\n#C one\n\n  \nx = 3, y = 3\nbo$2bo$3o!", 3, 3,
                  kGlider},
        ValidCase{"RuleInLowerCase", "x = 3, y = 3, rule = b3/s23\nbo$2bo$3o!", 3, 3, kGlider},
        ValidCase{"RuleSurvivalFirst", "x = 3, y = 3, rule = 23/3\nbo$2bo$3o!", 3, 3, kGlider},
        ValidCase{"RuleLettersSwapped", "x = 3, y = 3, rule = S23/B3\nbo$2bo$3o!", 3, 3, kGlider},
        ValidCase{"RuleOfThisBoundedBoard", "x = 3, y = 3, rule = B3/S23:P30,30\nbo$2bo$3o!", 3, 3,
                  kGlider},
        ValidCase{"WhitespaceBetweenTokens", "  x=3 ,y =  3 ,  rule=  B3/S23  \nbo$2bo$3o!", 3, 3,
                  kGlider},
        ValidCase{"CrLf", "#C x\r\nx = 3, y = 3\r\nbo$\r\n2bo$\r\n3o!\r\n", 3, 3, kGlider},
        ValidCase{"CrOnly", "#C x\rx = 3, y = 3\rbo$\r2bo$3o!\r", 3, 3, kGlider},
        ValidCase{"ByteOrderMark", "\xEF\xBB\xBFx = 3, y = 3\nbo$2bo$3o!", 3, 3, kGlider},
        ValidCase{"LineBreaksAndBlanksBetweenItems", "x = 3, y = 3\n b o $\n\t2b o\n$ 3o ! ", 3, 3,
                  kGlider},
        ValidCase{"NoEndMark", "x = 3, y = 3\nbo$2bo$3o", 3, 3, kGlider},
        ValidCase{"EverythingAfterTheEndIgnored", "x = 3, y = 3\nbo$2bo$3o! q9 %\n#C late", 3, 3,
                  kGlider},
        ValidCase{"OtherMarks", "x = 3, y = 3\n.x$2.y$zAo!", 3, 3, kGlider},
        ValidCase{
            "RowsSkippedAndTrailingDeadLeftOut", "x = 5, y = 6\no3$4bo2$!", 5, 6, {{0, 0}, {3, 4}}},
        ValidCase{"LongLine", "x = 200, y = 1\n" + std::string(100, 'o') + std::string(100, 'b'),
                  200, 1,
                  [] {
                      Cells row;
                      for (int i = 0; i < 100; ++i) {
                          row.insert({0, i});
                      }
                      return row;
                  }()},
        ValidCase{"HeaderInCapitals", "X = 3, Y = 3\nbo$2bo$3o!", 3, 3, kGlider},
        ValidCase{"NoHeader", "#N Glider\nbo$2bo\n$3o!", 3, 3, kGlider, "Glider"},
        ValidCase{"Empty", "x = 0, y = 0\n!", 0, 0, {}}));

INSTANTIATE_TEST_SUITE_P(
    Plaintext, ReadsValidText,
    ::testing::Values(ValidCase{"Glider", "!Name: Glider\n!\n.O.\n..O\nOOO\n", 3, 3, kGlider,
                                "Glider"},
                      ValidCase{"NoComment", ".O\n..O\nOOO", 3, 3, kGlider},
                      ValidCase{"LowerCaseO", "!\n.o\n..o\nooo", 3, 3, kGlider},
                      ValidCase{"StarsAndShortRows", "!Name: x\n.*\n..*\n***", 3, 3, kGlider, "x"},
                      ValidCase{"EmptyLineIsADeadRow", "O\n\n\nO\n", 1, 4, {{0, 0}, {3, 0}}},
                      ValidCase{"CrLfAndTrailingBlanks", "!Name: g \r\n.O. \r\n..O\t\r\nOOO\r\n", 3,
                                3, kGlider, "g"},
                      ValidCase{"CommentsOnly", "!Name: nothing\n!\n", 0, 0, {}, "nothing"}));

struct BadCase
{
    const char* name;
    std::string text;
    int line;
    int column;
    std::string message; // a part of it
};

void PrintTo(const BadCase& c, std::ostream* out)
{
    *out << c.name;
}

class RefusesBadText : public ::testing::TestWithParam<BadCase>
{};

TEST_P(RefusesBadText, SaysWhereAndWhy)
{
    const BadCase& c = GetParam();
    try {
        ReadPattern(c.text);
        FAIL() << "read without an error";
    } catch (const PatternError& error) {
        EXPECT_EQ(error.Line(), c.line);
        EXPECT_EQ(error.Column(), c.column);
        EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, RefusesBadText,
    ::testing::Values(
        BadCase{"UnknownCharacterInRle", "x = 3, y = 3\nbo$2qo!", 2, 5, "Unexpected 'q'"},
        BadCase{"UnknownCharacterInPlaintext", "!Name: x\n.O.\n.X.\n", 3, 2, "Unexpected 'X'"},
        BadCase{"WideCharacterCountedAsOne", "x = 3, y = 3\n\xC3\xA9q", 2, 1,
                "Unexpected '\xC3\xA9'"},
        BadCase{"SpaceInsideAPlaintextRow", ".O O\n", 1, 3, "Unexpected space"},
        // Nowhere in particular: not on a line past the end.
        BadCase{"NoHeader", "#N Glider\n#C nothing else\n", 0, 0, "no header"},
        BadCase{"GarbledHeader", "x = 3 y = 3\nbo!", 1, 7, "comma"},
        BadCase{"HeaderWithoutWidth", "x = , y = 3\nbo!", 1, 5, "number"},
        BadCase{"HeaderWidthTooLarge", "x = 99999999999, y = 3\nbo!", 1, 5, "too large"},
        BadCase{"SomethingElseAfterTheHeight", "x = 3, y = 3, colour = red\nbo!", 1, 15, "rule = "},
        BadCase{"OtherRule", "x = 3, y = 3, rule = B36/S23\nbo!", 1, 22,
                "This pattern is for the rule B36/S23; the board runs B3/S23 only."},
        BadCase{"TorusRule", "x = 3, y = 3, rule = B3/S23:T30,30\nbo!", 1, 22, "B3/S23:T30,30"},
        BadCase{"MissingRule", "x = 3, y = 3, rule = \nbo!", 1, 22, "missing"},
        BadCase{"CountOfZero", "x = 3, y = 3\n0o!", 2, 1, "count of 0"},
        BadCase{"CountTooLarge", "x = 3, y = 3\n99999999999o!", 2, 1, "too large"},
        BadCase{"CountsAddingUpTooFar", "x = 3, y = 3\n2147483647b2147483647bo!", 2, 12,
                "past any size"},
        BadCase{"CountWithoutTag", "x = 3, y = 3\nbo2\n$o!", 2, 4, "followed at once"},
        BadCase{"CountBeforeEnd", "x = 3, y = 3\nbo3!", 2, 3, "before \"!\""},
        BadCase{"CellsPastTheWidth", "x = 3, y = 3\n4o!", 2, 1, "width of 3"},
        BadCase{"CellsBelowTheHeight", "x = 3, y = 1\no$o!", 2, 3, "height of 1"},
        BadCase{"Empty", "", 0, 0, "empty"}, BadCase{"OnlyBlanks", " \n\t\r\n", 0, 0, "empty"},
        BadCase{"OnlyAByteOrderMark", "\xEF\xBB\xBF", 0, 0, "empty"},
        BadCase{"NulByte", std::string("x = 3, y = 3\nb\0o!", 17), 2, 2, "NUL"},
        BadCase{"BinaryData", "\x89PNG\r\n\x1A\n", 1, 1, "byte 0x89"},
        BadCase{"MoreThanOneMebibyte", "x = 3, y = 3\n" + std::string(1U << 20U, ' '), 0, 0,
                "larger than 1 MiB"}));

struct PlacementCase
{
    const char* name;
    std::string text;
    Cells cells; // on the board, 0-based
    std::string refusal = {};
};

void PrintTo(const PlacementCase& c, std::ostream* out)
{
    *out << c.name;
}

class PlacesOnTheBoard : public ::testing::TestWithParam<PlacementCase>
{};

TEST_P(PlacesOnTheBoard, CentresOrRefuses)
{
    const PlacementCase& c = GetParam();
    const Pattern pattern = ReadPattern(c.text);
    try {
        const std::vector<Cell> placed = quarn::PlacePattern(pattern, 30, 30);
        EXPECT_TRUE(c.refusal.empty());
        EXPECT_EQ(Cells(placed.begin(), placed.end()), c.cells);
    } catch (const PatternError& error) {
        EXPECT_EQ(error.what(), c.refusal);
        EXPECT_EQ(error.Line(), 0);
    }
}

Cells Shifted(const Cells& cells, int rows, int columns)
{
    Cells shifted;
    for (const Cell& cell : cells) {
        shifted.insert({cell.row + rows, cell.column + columns});
    }
    return shifted;
}

INSTANTIATE_TEST_SUITE_P(
    All, PlacesOnTheBoard,
    ::testing::Values(PlacementCase{"BoxCentredRoundingUpAndLeft", "x = 3, y = 3\nbo$2bo$3o!",
                                    Shifted(kGlider, 13, 13)},
                      PlacementCase{"BoxKeptWhereTheCellsAreNot", "x = 30, y = 30\no!", {{0, 0}}},
                      PlacementCase{"EvenBox", "x = 2, y = 4\noo!", {{13, 14}, {13, 15}}},
                      PlacementCase{"OnlyTheCellsFit", "x = 100, y = 100\n50$50bo$51bo$49b3o!",
                                    Shifted(kGlider, 13, 13)},
                      PlacementCase{"CellsTooWide",
                                    "x = 36, y = 9\no34bo8$o!",
                                    {},
                                    "The pattern is 36 x 9 cells; the board holds 30 x 30."},
                      PlacementCase{"RunLongerThanTheBoard",
                                    "x = 40, y = 1\n40o!",
                                    {},
                                    "The pattern is 40 x 1 cells; the board holds 30 x 30."},
                      PlacementCase{"NothingLive", "x = 5, y = 5\n!", {}}));

// A board of the given size filled at random, as a pattern of its whole box.
Pattern RandomBoard(std::mt19937& random, int width, int height, double density)
{
    std::bernoulli_distribution live(density);
    Pattern pattern;
    pattern.width = width;
    pattern.height = height;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            if (live(random)) {
                pattern.AddLive(row, column, 1);
            }
        }
    }
    return pattern;
}

TEST(WritesPatterns, RandomBoardsComeBackTheSameInBothFormats)
{
    std::mt19937 random(20261208U);
    for (int trial = 0; trial < 300; ++trial) {
        const int width = trial < 200 ? 30 : 1 + trial % 17;
        const int height = trial < 200 ? 30 : 1 + trial % 13;
        Pattern board = RandomBoard(random, width, height, (trial % 11) / 10.0);
        board.name = "trial " + std::to_string(trial);
        for (const std::string& text :
             {quarn::WriteRle(board, {"a comment"}), quarn::WritePlaintext(board)}) {
            const Pattern back = ReadPattern(text);
            ASSERT_EQ(back.width, width) << text;
            ASSERT_EQ(back.height, height) << text;
            ASSERT_EQ(CellsOf(back), CellsOf(board)) << text;
            ASSERT_EQ(back.name, board.name);
        }
        std::size_t start = 0;
        const std::string rle = quarn::WriteRle(board);
        while (start < rle.size()) {
            const std::size_t end = rle.find('\n', start);
            ASSERT_LE(end - start, 70U) << rle;
            start = end + 1;
        }
    }
}

// The board as a pattern of its whole box comes back to the same cells, edges included.
TEST(WritesPatterns, BoardToPatternAndBack)
{
    quarn::Board board;
    const Cells live{{0, 0}, {0, 29}, {29, 0}, {29, 29}, {13, 14}, {14, 15}, {15, 13}};
    for (const Cell& cell : live) {
        board.ToggleCell(static_cast<std::int16_t>(quarn::Board::FromZeroBased(cell.row)),
                         static_cast<std::int16_t>(quarn::Board::FromZeroBased(cell.column)));
    }
    const Pattern pattern = quarn::PatternOfBoard(board);
    EXPECT_EQ(pattern.width, 30);
    EXPECT_EQ(pattern.height, 30);
    const std::vector<Cell> placed = quarn::PlacePattern(pattern, 30, 30);
    EXPECT_EQ(Cells(placed.begin(), placed.end()), live);
}

TEST(WritesPatterns, RleCompressesRunsAndRows)
{
    Pattern pattern;
    pattern.width = 30;
    pattern.height = 30;
    pattern.live = {{0, 1, 1}, {1, 2, 1}, {2, 0, 3}, {9, 29, 1}};
    EXPECT_EQ(quarn::WriteRle(pattern, {"A note."}),
              "#C A note.\nx = 30, y = 30, rule = B3/S23\nbo$2bo$3o7$29bo!\n");
}

TEST(WritesPatterns, PlaintextGivesEveryRowOfTheBox)
{
    Pattern pattern;
    pattern.width = 3;
    pattern.height = 4;
    pattern.live = {{0, 1, 1}, {2, 0, 3}};
    pattern.name = "Bits";
    EXPECT_EQ(quarn::WritePlaintext(pattern), "!Name: Bits\n.O.\n...\nOOO\n...\n");
}

} // namespace
