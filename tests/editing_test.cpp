#include "features/editing/board_cursor.h"
#include "features/editing/board_stroke.h"

#include <QPalette>

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace {

using quarn::BoardCursor;
using quarn::BoardStroke;
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
    const quarn::Board board;
    BoardStroke stroke(board);
    stroke.Press(c.start.first, c.start.second, 1);
    Cells cells;
    for (const auto& [row, column] : c.samples) {
        for (const auto& cell : stroke.MoveTo(row, column)) {
            cells.push_back(cell);
        }
    }
    EXPECT_EQ(cells, c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, StrokeLine,
    ::testing::Values(
        StrokeCase{"Diagonal", {1, 1}, {{4, 4}}, {{2, 2}, {3, 3}, {4, 4}}},
        StrokeCase{"SteepLineStaysConnected", {1, 1}, {{5, 2}}, {{2, 1}, {3, 2}, {4, 2}, {5, 2}}},
        StrokeCase{"BackOverItsOwnCells", {3, 3}, {{3, 5}, {3, 2}}, {{3, 4}, {3, 5}, {3, 2}}},
        StrokeCase{"OffTheFieldAndBack",
                   {5, 29},
                   {{5, 33}, {7, 33}, {7, 29}},
                   {{5, 30}, {7, 30}, {7, 29}}},
        StrokeCase{"FromOutsideTheArea", {1, 2}, {{-2, -1}, {2, 1}}, {{1, 1}, {2, 1}}}));

struct MarkerCase
{
    const char* name;
    QRgb highlight;
    QRgb marker;
};

void PrintTo(const MarkerCase& c, std::ostream* out)
{
    *out << c.name;
}

class MarkerColor : public ::testing::TestWithParam<MarkerCase>
{};

TEST_P(MarkerColor, StandsOutAgainstSilverAndBlack)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor::fromRgb(GetParam().highlight));
    EXPECT_EQ(BoardCursor::MarkerColor(palette).rgb(), GetParam().marker);
}

constexpr QRgb kFixedBlue = 0xFF0058E0;

INSTANTIATE_TEST_SUITE_P(
    Editing, MarkerColor,
    ::testing::Values(MarkerCase{"DarkRedIsKept", 0xFFC00000, 0xFFC00000},
                      MarkerCase{"LightBlueFadesIntoSilver", 0xFF308CC6, kFixedBlue},
                      MarkerCase{"NavyFadesIntoBlack", 0xFF000080, kFixedBlue},
                      MarkerCase{"WhiteFadesIntoSilver", 0xFFFFFFFF, kFixedBlue}));

} // namespace
