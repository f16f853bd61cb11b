#include "board/board.h"
#include "support/board_helpers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarn {
namespace {

using testing::CellSet;
using testing::LiveCells;
using testing::SetLive;
using testing::WholeField;

// --- Known patterns -------------------------------------------------------------------------

struct PatternCase
{
    std::string name;
    CellSet start;
    int steps;
    CellSet expected;
};

void PrintTo(const PatternCase& c, std::ostream* os)
{
    *os << c.name;
}

class PatternTest : public ::testing::TestWithParam<PatternCase>
{};

TEST_P(PatternTest, EvolvesAsExpected)
{
    const PatternCase& c = GetParam();
    Board board;
    SetLive(board, c.start);
    for (int i = 0; i < c.steps; ++i) {
        board.Step();
    }
    EXPECT_EQ(LiveCells(board), c.expected);
    EXPECT_EQ(board.StepCount(), c.steps);
}

const CellSet kGlider{{1, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}};
const CellSet kCornerBlock{{29, 29}, {29, 30}, {30, 29}, {30, 30}};
const CellSet kVerticalBlinker{{9, 10}, {10, 10}, {11, 10}};
const CellSet kHorizontalBlinker{{10, 9}, {10, 10}, {10, 11}};

INSTANTIATE_TEST_SUITE_P(
    Board, PatternTest,
    ::testing::Values(
        PatternCase{"EmptyStaysEmpty", {}, 3, {}},
        PatternCase{
            "FullFieldLeavesTheCorners", WholeField(), 1, {{1, 1}, {1, 30}, {30, 1}, {30, 30}}},
        PatternCase{"FullFieldDiesInTwo", WholeField(), 2, {}},
        PatternCase{"BlockIsStill",
                    {{10, 10}, {10, 11}, {11, 10}, {11, 11}},
                    5,
                    {{10, 10}, {10, 11}, {11, 10}, {11, 11}}},
        PatternCase{"CornerBlockIsStill", kCornerBlock, 5, kCornerBlock},
        PatternCase{"BlinkerTurns", kHorizontalBlinker, 1, kVerticalBlinker},
        PatternCase{"BlinkerHasPeriodTwo", kHorizontalBlinker, 2, kHorizontalBlinker},
        PatternCase{"NothingIsBornInTheRing", {{1, 1}, {1, 2}, {1, 3}}, 1, {{1, 2}, {2, 2}}},
        PatternCase{"EdgeLineDiesInTwo", {{1, 1}, {1, 2}, {1, 3}}, 2, {}},
        PatternCase{"GliderSettlesInTheCorner", kGlider, 111, kCornerBlock},
        PatternCase{"SettledGliderStays", kGlider, 150, kCornerBlock},
        PatternCase{"RingCellFeedsTheField", {{5, 31}, {4, 30}, {6, 30}}, 1, {{5, 30}, {5, 31}}}),
    [](const auto& testInfo) { return testInfo.param.name; });

// --- Every neighbourhood against the rule ---------------------------------------------------

class NeighbourhoodTest : public ::testing::TestWithParam<std::pair<int, int>>
{};

// Bit k of the mask is the cell at (row - 1 + k / 3, column - 1 + k % 3); bit 4 is the centre.
TEST_P(NeighbourhoodTest, AllFiveHundredTwelveFollowTheRule)
{
    const auto [row, column] = GetParam();
    for (unsigned mask = 0; mask < 512; ++mask) {
        Board board;
        CellSet start;
        for (int k = 0; k < 9; ++k) {
            if ((mask & (1U << k)) != 0) {
                start.insert({row - 1 + k / 3, column - 1 + k % 3});
            }
        }
        SetLive(board, start);
        const bool live = (mask & (1U << 4)) != 0;
        const int neighbours = std::popcount(mask & ~(1U << 4));

        std::int16_t n = -1;
        board.CountNeighbours(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column), n);
        ASSERT_EQ(n, neighbours) << "mask " << mask;

        board.Step();
        const bool expected = neighbours == 3 || (live && neighbours == 2);
        ASSERT_EQ(board.CellAt(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)),
                  expected ? 1 : 0)
            << "mask " << mask;
    }
}

// The middle, and two corners whose neighbourhoods reach into the ring.
INSTANTIATE_TEST_SUITE_P(Board, NeighbourhoodTest,
                         ::testing::Values(std::pair{15, 15}, std::pair{1, 1}, std::pair{30, 30}));

// --- Bad input is refused and leaves the board alone -----------------------------------------

struct BadIndexCase
{
    std::string operation;
    std::int16_t row;
    std::int16_t column;
};

void PrintTo(const BadIndexCase& c, std::ostream* os)
{
    *os << c.operation << "(" << c.row << ", " << c.column << ")";
}

class BadIndexTest : public ::testing::TestWithParam<BadIndexCase>
{};

TEST_P(BadIndexTest, ThrowsOutOfRangeNamingTheCallAndChangesNothing)
{
    const BadIndexCase& c = GetParam();
    Board board;
    SetLive(board, {{1, 1}, {15, 16}, {0, 5}, {31, 31}});
    const CellSet before = LiveCells(board);

    try {
        if (c.operation == "CellAt") {
            static_cast<void>(board.CellAt(c.row, c.column));
        } else if (c.operation == "ToggleCell") {
            board.ToggleCell(c.row, c.column);
        } else {
            std::int16_t n = 0;
            board.CountNeighbours(c.row, c.column, n);
        }
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        // The call and the cell where they stand, not found anywhere in the range given after.
        const std::string cell =
            c.operation + ": (" + std::to_string(c.row) + ", " + std::to_string(c.column) + ") ";
        EXPECT_TRUE(std::string(e.what()).starts_with(cell)) << e.what();
    }
    EXPECT_EQ(LiveCells(board), before);
}

constexpr std::int16_t kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr std::int16_t kMax16 = std::numeric_limits<std::int16_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Board, BadIndexTest,
    ::testing::Values(BadIndexCase{"CellAt", -1, 5}, BadIndexCase{"CellAt", 5, 32},
                      BadIndexCase{"CellAt", kMin16, kMax16}, BadIndexCase{"ToggleCell", 32, 0},
                      BadIndexCase{"ToggleCell", 3, -1}, BadIndexCase{"ToggleCell", kMax16, 1},
                      BadIndexCase{"CountNeighbours", 0, 5}, BadIndexCase{"CountNeighbours", 5, 31},
                      BadIndexCase{"CountNeighbours", 31, 31},
                      BadIndexCase{"CountNeighbours", kMin16, 1}));

class BadFillTest : public ::testing::TestWithParam<std::int16_t>
{};

TEST_P(BadFillTest, ThrowsInvalidArgumentAndChangesNothing)
{
    Board board;
    SetLive(board, {{2, 2}, {30, 1}, {0, 0}});
    const CellSet before = LiveCells(board);
    EXPECT_THROW(board.FillAll(GetParam()), std::invalid_argument);
    EXPECT_EQ(LiveCells(board), before);
}

INSTANTIATE_TEST_SUITE_P(Board, BadFillTest,
                         ::testing::Values(std::int16_t{-1}, std::int16_t{2}, kMin16, kMax16));

// --- Single-cell edits and fills -------------------------------------------------------------

TEST(Board, ToggleTwiceRestoresAnyCellAndLeavesTheCount)
{
    Board board;
    board.Step();
    for (std::int16_t r = 0; r <= 31; ++r) {
        for (std::int16_t c = 0; c <= 31; ++c) {
            board.ToggleCell(r, c);
            ASSERT_EQ(board.CellAt(r, c), 1);
            board.ToggleCell(r, c);
            ASSERT_EQ(board.CellAt(r, c), 0);
        }
    }
    EXPECT_EQ(board.StepCount(), 1);
}

class FillAllTest : public ::testing::TestWithParam<std::int16_t>
{};

TEST_P(FillAllTest, WritesTheFieldOnlyAndKeepsTheCount)
{
    Board board;
    const CellSet ring{{0, 0}, {0, 17}, {31, 31}, {12, 31}, {29, 0}};
    SetLive(board, ring);
    SetLive(board, {{4, 4}, {20, 7}});
    board.Step();

    board.FillAll(GetParam());

    CellSet expected = ring;
    if (GetParam() == 1) {
        expected.merge(WholeField());
    }
    EXPECT_EQ(LiveCells(board), expected);
    EXPECT_EQ(board.LiveCount(), 900 * GetParam()); // the field's, not the ring's
    EXPECT_EQ(board.StepCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Board, FillAllTest, ::testing::Values(std::int16_t{0}, std::int16_t{1}));

// --- The count ------------------------------------------------------------------------------

TEST(Board, CountStopsAtItsLimitWhileTheBoardGoesOn)
{
    Board board;
    SetLive(board, kHorizontalBlinker);
    for (int i = 0; i < kMax16 - 1; ++i) {
        board.Step();
    }
    ASSERT_EQ(board.StepCount(), kMax16 - 1);
    ASSERT_EQ(LiveCells(board), kHorizontalBlinker); // an even number of generations

    board.Step();
    EXPECT_EQ(board.StepCount(), kMax16);
    EXPECT_EQ(LiveCells(board), kVerticalBlinker);

    board.Step();
    EXPECT_EQ(board.StepCount(), kMax16);
    EXPECT_EQ(LiveCells(board), kHorizontalBlinker);

    board.ResetCount();
    EXPECT_EQ(board.StepCount(), 0);
    board.Step();
    EXPECT_EQ(board.StepCount(), 1);
}

// --- Random fill -----------------------------------------------------------------------------

// Plays back a fixed list of values, over and over, and counts the reseeds.
class ScriptedSource final : public RandomSource
{
public:
    explicit ScriptedSource(std::vector<double> values, int* reseeds)
        : values_(std::move(values)),
          reseeds_(reseeds)
    {}

    void ReseedFromClock() override
    {
        ++*reseeds_;
        next_ = 0;
    }

    double Next() override { return values_[next_++ % values_.size()]; }

private:
    std::vector<double> values_;
    int* reseeds_;
    std::size_t next_ = 0;
};

struct DrawCase
{
    double r;
    std::int16_t cell;
};

void PrintTo(const DrawCase& c, std::ostream* os)
{
    *os << "r=" << c.r << " -> " << c.cell;
}

class RandomDrawTest : public ::testing::TestWithParam<DrawCase>
{};

TEST_P(RandomDrawTest, EachCellIsTheIntegerPartOfTwiceTheDrawKeptToZeroOrOne)
{
    int reseeds = 0;
    Board board(std::make_unique<ScriptedSource>(std::vector{GetParam().r}, &reseeds));
    board.FillRandom();
    EXPECT_EQ(board.CellAt(1, 1), GetParam().cell);
    EXPECT_EQ(board.CellAt(30, 30), GetParam().cell);
    EXPECT_EQ(reseeds, 1);
}

INSTANTIATE_TEST_SUITE_P(Board, RandomDrawTest,
                         ::testing::Values(DrawCase{0.0, 0}, DrawCase{0.4999999999, 0},
                                           DrawCase{0.5, 1}, DrawCase{std::nextafter(1.0, 0.0), 1},
                                           DrawCase{1.0, 1}, DrawCase{7.5, 1}, DrawCase{-0.25, 0},
                                           DrawCase{std::nan(""), 0}));

TEST(Board, RandomFillDrawsOncePerFieldCellInRowMajorOrder)
{
    // 31 values against 30 columns: each row starts one value later than the one above, so any
    // other order or a draw per ring cell shows up as a different pattern.
    std::vector<double> values(31, 0.0);
    values[0] = 0.9;
    int reseeds = 0;
    Board board(std::make_unique<ScriptedSource>(values, &reseeds));
    SetLive(board, {{0, 3}, {31, 0}});
    board.FillRandom();

    CellSet expected{{0, 3}, {31, 0}};
    for (int draw = 0; draw < 900; ++draw) {
        if (draw % 31 == 0) {
            expected.insert({1 + draw / 30, 1 + draw % 30});
        }
    }
    EXPECT_EQ(LiveCells(board), expected);
}

TEST(Board, DefaultRandomFillIsFairAndFreshEachTime)
{
    Board board;
    SetLive(board, {{0, 0}, {31, 12}});
    int live = 0;
    constexpr int kFills = 200;
    std::vector<CellSet> patterns;
    for (int i = 0; i < kFills; ++i) {
        board.FillRandom();
        CellSet cells = LiveCells(board);
        ASSERT_TRUE(cells.contains({0, 0}) && cells.contains({31, 12}));
        live += static_cast<int>(cells.size()) - 2;
        if (i < 2) {
            patterns.push_back(std::move(cells));
        }
    }
    // 180000 fair coins: the standard deviation of the share is about 0.0012.
    const double share = live / (kFills * 900.0);
    EXPECT_NEAR(share, 0.5, 0.01);
    EXPECT_NE(patterns[0], patterns[1]) << "two fills in quick succession gave the same board";
}

// A board's state, ring and count included, comes back whole after anything else was done.
TEST(Board, RestoreGivesBackTheStateTaken)
{
    Board board;
    board.FillRandom();
    SetLive(board, {{0, 7}, {31, 31}, {12, 31}});
    for (int i = 0; i < 5; ++i) {
        board.Step();
    }
    const BoardState taken = board.State();
    const CellSet cells = LiveCells(board);
    EXPECT_EQ(taken.stepCount, 5);

    board.FillAll(1);
    board.ToggleCell(0, 7);
    board.ResetCount();
    board.Restore(taken);
    EXPECT_EQ(LiveCells(board), cells);
    EXPECT_EQ(board.StepCount(), 5);
    EXPECT_EQ(board.State(), taken);
    // Another board at the same count differs by its cells alone.
    Board other;
    for (int i = 0; i < 5; ++i) {
        other.Step();
    }
    EXPECT_NE(other.State(), taken);
}

} // namespace
} // namespace quarn
