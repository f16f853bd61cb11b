#include "features/board_cursor.h"
#include "features/board_stroke.h"
#include "features/pattern_transfer.h"
#include "pattern/placement.h"
#include "support/board_helpers.h"

#include <QPalette>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace {

using quarn::testing::CellSet;
using Cells = BoardStroke::CellList;

struct StrokeCase
{
    const char* name;
    std::pair<int, int> start;
    std::vector<std::pair<int, int>> samples;
    Cells cells; // all that the samples gave, in order
};

void PrintTo(const StrokeCase& c, std::ostream* out)
{
    *out << c.name;
}

class StrokeLine : public ::testing::TestWithParam<StrokeCase>
{};

TEST_P(StrokeLine, GivesEachFieldCellOnTheWayOnceWithoutGaps)
{
    const StrokeCase& c = GetParam();
    BoardStroke stroke;
    stroke.Begin(c.start.first, c.start.second, true, 1);
    Cells cells;
    for (const auto& [row, column] : c.samples) {
        for (const auto& cell : stroke.MoveTo(row, column)) {
            cells.push_back(cell);
        }
    }
    EXPECT_EQ(cells, c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    Features, StrokeLine,
    ::testing::Values(
        StrokeCase{"Diagonal", {1, 1}, {{4, 4}}, {{2, 2}, {3, 3}, {4, 4}}},
        StrokeCase{"SteepLineStaysConnected", {1, 1}, {{5, 2}}, {{2, 1}, {3, 2}, {4, 2}, {5, 2}}},
        StrokeCase{"BackOverItsOwnCells", {3, 3}, {{3, 5}, {3, 2}}, {{3, 4}, {3, 5}, {3, 2}}},
        StrokeCase{"OffTheFieldAndBack",
                   {5, 29},
                   {{5, 33}, {7, 33}, {7, 29}},
                   {{5, 30}, {7, 30}, {7, 29}}},
        StrokeCase{"FromOutsideTheArea", {1, 2}, {{-2, -1}, {2, 1}}, {{1, 1}, {2, 1}}}));

struct RingCase
{
    const char* name;
    QRgb highlight;
    QRgb ring;
};

void PrintTo(const RingCase& c, std::ostream* out)
{
    *out << c.name;
}

class RingColor : public ::testing::TestWithParam<RingCase>
{};

TEST_P(RingColor, StandsOutAgainstSilverAndBlack)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor::fromRgb(GetParam().highlight));
    EXPECT_EQ(BoardCursor::RingColor(palette).rgb(), GetParam().ring);
}

constexpr QRgb kFixedBlue = 0xFF0058E0;

INSTANTIATE_TEST_SUITE_P(
    Features, RingColor,
    ::testing::Values(RingCase{"DarkRedIsKept", 0xFFC00000, 0xFFC00000},
                      RingCase{"LightBlueFadesIntoSilver", 0xFF308CC6, kFixedBlue},
                      RingCase{"NavyFadesIntoBlack", 0xFF000080, kFixedBlue},
                      RingCase{"WhiteFadesIntoSilver", 0xFFFFFFFF, kFixedBlue}));

// The board as a pattern of its whole box comes back to the same cells, edges included.
TEST(Features, BoardToPatternAndBack)
{
    quarn::Board board;
    const CellSet live{{1, 1}, {1, 30}, {30, 1}, {30, 30}, {14, 15}, {15, 16}, {16, 14}};
    quarn::testing::SetLive(board, live);
    const quarn::Pattern pattern = PatternOfBoard(board);
    EXPECT_EQ(pattern.width, 30);
    EXPECT_EQ(pattern.height, 30);
    CellSet placed;
    for (const quarn::Cell& cell : quarn::PlacePattern(pattern, 30, 30)) {
        placed.insert(
            {quarn::Board::FromZeroBased(cell.row), quarn::Board::FromZeroBased(cell.column)});
    }
    EXPECT_EQ(placed, live);
}

} // namespace
