#include "census/census.h"
#include "census/fate.h"
#include "census/foresight.h"
#include "census/known_objects.h"
#include "census/moments.h"
#include "census/run_model.h"
#include "census/run_record.h"
#include "pattern/pattern_reader.h"
#include "pattern/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using quarn::Census;
using quarn::Field;
using quarn::FieldCell;
using quarn::KnownObject;

// The cells of rows of '.' and 'O' split by '/', turned by one of the eight symmetries of a
// square, with their box's top-left cell at (top, left).
Field FieldOf(const std::string& rows, int top, int left, int symmetry = 0)
{
    std::vector<FieldCell> cells;
    int height = 0;
    int width = 0;
    std::istringstream lines(rows);
    for (std::string line; std::getline(lines, line, '/'); ++height) {
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            if (line[static_cast<std::size_t>(column)] == 'O') {
                cells.push_back({height, column});
            }
        }
        width = std::max(width, static_cast<int>(line.size()));
    }
    Field field;
    for (FieldCell cell : cells) {
        if ((symmetry & 4) != 0) {
            std::swap(cell.row, cell.column);
        }
        const int rowsAcross = (symmetry & 4) != 0 ? width : height;
        const int columnsAcross = (symmetry & 4) != 0 ? height : width;
        field.Set(top + ((symmetry & 1) != 0 ? rowsAcross - 1 - cell.row : cell.row),
                  left + ((symmetry & 2) != 0 ? columnsAcross - 1 - cell.column : cell.column));
    }
    return field;
}

Field Ahead(Field field, int generations)
{
    for (int i = 0; i < generations; ++i) {
        field = field.Next();
    }
    return field;
}

// --- The field runs as the board runs --------------------------------------------------------

class FieldRuns : public ::testing::TestWithParam<unsigned>
{};

// Random field densities, the ring left dead as the window keeps it: the bit rows' generation is
// the board's, generation by generation.
TEST_P(FieldRuns, AsTheBoardSteps)
{
    std::mt19937 rng(GetParam());
    std::bernoulli_distribution live(0.2 + 0.1 * (GetParam() % 5));
    quarn::Board board;
    for (std::int16_t row = 1; row <= 30; ++row) {
        for (std::int16_t column = 1; column <= 30; ++column) {
            if (live(rng)) {
                board.ToggleCell(row, column);
            }
        }
    }
    Field field = Field::Of(board);
    for (int generation = 1; generation <= 200; ++generation) {
        board.Step();
        field = field.Next();
        ASSERT_EQ(field, Field::Of(board)) << "generation " << generation;
    }
}

INSTANTIATE_TEST_SUITE_P(Census, FieldRuns, ::testing::Range(1U, 9U));

// A board that has not settled when the looking stops says so, counting the steps looked at.
TEST(Fate, StillChangingAtTheHorizon)
{
    quarn::Board board;
    for (const auto& [row, column] : {std::pair{1, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}) {
        board.ToggleCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    }
    const quarn::Fate fate = quarn::FateOf(board, 40);
    EXPECT_EQ(fate.end, quarn::Fate::End::StillChanging);
    EXPECT_EQ(fate.Line(0).English(), "The board is still changing after 40 steps.");
    EXPECT_EQ(quarn::FateOf(board).Line(0).English(),
              "The board settles at step 111 into a block.");
    // A cycle that starts by the horizon is found, however the search's strides fall.
    EXPECT_EQ(quarn::FateOf(board, 120).Line(0).English(),
              "The board settles at step 111 into a block.");
}

// A board that repeats says so in the present until it has gone once round its period, and in
// the past from then on.
TEST(Fate, RepeatsUntilOnceRoundThenHasRepeated)
{
    quarn::RunRecord record;
    record.Reset(FieldOf("OOO", 10, 10), 0);
    quarn::Foresight foresight;
    const quarn::Fate fate = foresight.Of(record);
    EXPECT_EQ(fate.Line(0).English(), "The board repeats every 2 steps from step 0, as a blinker.");
    EXPECT_EQ(fate.Line(1).English(), "The board repeats every 2 steps from step 0, as a blinker.");
    EXPECT_EQ(fate.Line(2).English(),
              "The board has repeated every 2 steps since step 0, as a blinker.");
}

// --- The fate, whenever it is asked ----------------------------------------------------------

// A glider in the middle, as the example is placed: it settles into a block in the corner at step
// 59. Asked before, during and after, the fate is that step; an edit foresees it afresh.
TEST(Fate, IsTheSameWheneverItIsAsked)
{
    Field field = FieldOf(".O./..O/OOO", 14, 14);
    quarn::RunRecord record;
    record.Reset(field, 0);
    quarn::Foresight foresight;
    const auto said = [&] { return foresight.Of(record).Line(record.Last().step).English(); };
    EXPECT_EQ(said(), "The board settles at step 59 into a block.");
    for (int step = 1; step <= 220; ++step) {
        field = field.Next();
        record.Stepped(field);
        if (step == 10 || step == 58) {
            EXPECT_EQ(said(), "The board settles at step 59 into a block.") << step;
        }
    }
    EXPECT_EQ(said(), "The board settled at step 59 into a block.");
    quarn::Foresight later; // as a window opened now sees it
    EXPECT_EQ(later.Of(record).Line(220).English(), "The board settled at step 59 into a block.");
    quarn::RunRecord copy = record;
    field.Set(5, 5);
    record.Edited(field);
    EXPECT_EQ(said(), "The board settles at step 221 into a block.");
    EXPECT_EQ(foresight.Of(copy).Line(220).English(), "The board settled at step 59 into a block.");
    EXPECT_EQ(copy.Size(), 221);
    EXPECT_EQ(copy.Last().live, 4);
    EXPECT_EQ(record.Last().live, 5);
    EXPECT_EQ(record.Last().born, 1);
}

// --- The moments of a run ------------------------------------------------------------------

// Objects placed on the board: rows of '.' and 'O' with their top-left cell.
struct Placed
{
    std::string rows;
    int top;
    int left;
};

struct MomentsCase
{
    const char* name;
    std::vector<Placed> placed;
    // Every line in order; or, where the run is long, lines that must be among them, in order.
    std::vector<std::string> lines;
    bool every = true;
};

void PrintTo(const MomentsCase& c, std::ostream* out)
{
    *out << c.name;
}

class MomentsOfARun : public ::testing::TestWithParam<MomentsCase>
{};

// The steps, places and counts below were worked out apart from the program, by a plain model
// of the board that runs each object alone and together on an open plane and on the board.
TEST_P(MomentsOfARun, AreFoundAndTold)
{
    Field start;
    for (const Placed& placed : GetParam().placed) {
        start = start | FieldOf(placed.rows, placed.top, placed.left);
    }
    const quarn::Moments moments = quarn::MomentsOf(start, 0, quarn::FateOf(start, 0));
    std::vector<std::string> lines;
    for (const quarn::Moment& moment : moments.list) {
        lines.push_back(moment.Line().English());
    }
    if (GetParam().every) {
        EXPECT_EQ(lines, GetParam().lines);
        return;
    }
    auto from = lines.begin();
    for (const std::string& wanted : GetParam().lines) {
        from = std::find(from, lines.end(), wanted);
        ASSERT_TRUE(from != lines.end()) << "not in order or not found: " << wanted;
    }
}

const std::string kGlider = ".O./..O/OOO";

INSTANTIATE_TEST_SUITE_P(
    Census, MomentsOfARun,
    ::testing::Values(
        // The edge acts first on the glider at step 56, so it meets the edge at 57.
        MomentsCase{"AGliderIntoTheCorner",
                    {{kGlider, 14, 14}},
                    {"Step 57: the glider at row 29, column 28 meets the edge.",
                     "Step 59: a block forms at row 29, column 29.",
                     "Step 59: the board settles into a block."}},
        MomentsCase{"TwoGlidersHeadOn",
                    {{kGlider, 5, 5}, {"OOO/O../.O.", 20, 20}},
                    {"Step 26: the glider from row 5, column 5 and the glider from row 20, "
                     "column 20 meet at row 12, column 13.",
                     "Step 30: a block forms at row 13, column 13.",
                     "Step 30: the board settles into a block."}},
        // The collision example: the most live cells come between the meeting and the blocks.
        MomentsCase{"TwoGlidersALittleOutOfLine",
                    {{".O........../..O........./OOO........./............/.........OOO/"
                      ".........O../..........O.",
                      12, 10}},
                    {"Step 12: the glider from row 12, column 10 and the glider from row 16, "
                     "column 19 meet at row 15, column 15.",
                     "Step 22: the most live cells, 46.",
                     "Step 27: the board settles into 4 blocks."},
                    false},
        MomentsCase{"AGliderThatMeetsABlock",
                    {{kGlider, 5, 5}, {"OO/OO", 10, 12}},
                    {"Step 12: the glider from row 5, column 5 and the block from row 10, "
                     "column 12 meet at row 10, column 11.",
                     "Step 31: the most live cells, 28.", "Step 39: the board dies out."}},
        // Two cells from the block at its nearest, and the block left as it was.
        MomentsCase{"AGliderThatPassesABlock",
                    {{kGlider, 5, 5}, {"OO/OO", 12, 18}},
                    {"Step 93: the glider at row 29, column 28 meets the edge.",
                     "Step 95: a block forms at row 29, column 29.",
                     "Step 95: the board settles into 2 blocks."}},
        MomentsCase{"ThreeCellsInAnL",
                    {{"O./OO", 15, 15}},
                    {"Step 1: a block forms at row 15, column 15.",
                     "Step 1: the board settles into a block."}},
        // Its 12 cells at step 1 are a phase of the ship, not the board at its fullest.
        MomentsCase{"ALightweightShipAtTheEdge",
                    {{".O..O/O..../O...O/OOOO.", 14, 13}},
                    {"Step 25: the lightweight ship at row 15, column 1 meets the edge.",
                     "Step 27: a glider forms at row 14, column 1, heading up and to the right.",
                     "Step 83: the glider at row 1, column 15 meets the edge.",
                     "Step 85: a block forms at row 1, column 16.",
                     "Step 85: the board settles into a block."}},
        MomentsCase{"TheRPentomino",
                    {{".OO/OO./.O.", 14, 14}},
                    {"Step 32: the changing group of 31 cells at row 10, column 1 meets the edge.",
                     "Step 99: the most live cells, 109.",
                     "Step 136: a glider forms at row 15, column 4, heading down and to the left.",
                     "Step 202: the board starts repeating every 2 steps, as 2 blocks and a "
                     "blinker."},
                    false},
        MomentsCase{"AnEmptyBoard", {}, {"Step 0: the board is empty."}}));

// Forty-nine Ls become forty-nine blocks at once: the forming of the first thirty-nine is told,
// and the fate says how many were left out.
TEST(MomentsOfARun, AreNeverMoreThanALearnerCanRead)
{
    Field start;
    for (int top = 2; top <= 26; top += 4) {
        for (int left = 2; left <= 26; left += 4) {
            start = start | FieldOf("O./OO", top, left);
        }
    }
    const quarn::Moments moments = quarn::MomentsOf(start, 0, quarn::FateOf(start, 0));
    ASSERT_EQ(moments.list.size(), 40U);
    EXPECT_EQ(moments.list.front().Line().English(), "Step 1: a block forms at row 2, column 2.");
    EXPECT_EQ(moments.list[38].Line().English(), "Step 1: a block forms at row 22, column 14.");
    EXPECT_EQ(moments.list.back().Line().English(),
              "Step 1: the board settles into 49 blocks. 10 less telling moments are left out.");
}

// The moments belong to the way: the same along it, counted as the label counts, and found
// afresh from an edit.
TEST(MomentsOfARun, FollowTheWayTheBoardIsOn)
{
    Field field = FieldOf(kGlider, 14, 14);
    quarn::RunModel model;
    model.Reset(field, 0);
    const auto first = [&model] { return model.WayMoments().list.front().Line().English(); };
    EXPECT_EQ(first(), "Step 57: the glider at row 29, column 28 meets the edge.");
    for (int step = 1; step <= 10; ++step) {
        field = field.Next();
        model.Stepped(field);
    }
    EXPECT_EQ(first(), "Step 57: the glider at row 29, column 28 meets the edge.");
    field.Set(1, 1);
    model.Edited(field);
    EXPECT_EQ(first(), "Step 57: the glider at row 29, column 28 meets the edge.");
    EXPECT_EQ(model.WayMoments().list.back().Line().English(),
              "Step 59: the board settles into a block.");
    field = FieldOf("OOO", 10, 10);
    model.Edited(field);
    EXPECT_EQ(first(), "Step 10: the board starts repeating every 2 steps, as a blinker.");
}

// Any step of the way is reached from where it began: back, ahead past the steps kept, and
// from a way that began with an edit, whose steps before it stay as they were.
TEST(RunModel, GoesToAnyStepOfTheWay)
{
    const Field glider = FieldOf(kGlider, 2, 2);
    quarn::RunModel model;
    model.Reset(glider, 0);
    Field field = glider;
    for (int step = 1; step <= 20; ++step) {
        field = field.Next();
        model.Stepped(field);
    }
    field.Set(30, 1); // a lone cell, which dies at once
    model.Edited(field);
    for (int step = 21; step <= 40; ++step) {
        field = field.Next();
        model.Stepped(field);
    }
    // The glider moves a cell down and to the right every 4 steps until the corner, where it is
    // a block from step 107 on; the lone cell lived at step 20 alone.
    for (const int step : {20, 24, 40, 100, 600, 1100}) {
        const quarn::RunRecord record = model.RecordAt(step);
        const Field expected = step == 20   ? FieldOf(kGlider, 7, 7) | FieldOf("O", 30, 1)
                               : step < 107 ? FieldOf(kGlider, 2 + step / 4, 2 + step / 4)
                                            : FieldOf("OO/OO", 29, 29);
        EXPECT_EQ(record.Now(), expected) << step;
        EXPECT_EQ(record.Last().step, step);
        EXPECT_EQ(record.Size(), step + 1);
        EXPECT_EQ(record.At(20).live, 6) << step;
        EXPECT_EQ(record.Way(), model.Record().Way());
        EXPECT_TRUE(record.Trail().Live(30, 1));
        EXPECT_EQ(record.Trail().Live(12, 12), step >= 40) << step;
    }
    EXPECT_EQ(model.Record().Last().step, 40);
}

// --- The record, shared between copies ---------------------------------------------------------

// A record assigned over another that shares its first steps takes every step of the one
// assigned, past the chunks they share and within them; the model restored to a record reads it.
TEST(RunRecord, AssignedOverACopyHoldsTheStepsOfTheOneAssigned)
{
    const auto field = [](int live) {
        Field cells;
        for (int i = 0; i < live; ++i) {
            cells.Set(i / 30 + 1, i % 30 + 1);
        }
        return cells;
    };
    quarn::RunRecord a;
    a.Reset(field(0), 0);
    for (int step = 1; step <= 600; ++step) { // into a third chunk of 256 steps
        a.Stepped(field(step % 50));
    }
    quarn::RunRecord b = a;
    for (int step = 601; step <= 700; ++step) {
        a.Stepped(field(7));
    }
    for (int step = 601; step <= 900; ++step) {
        b.Stepped(field(11));
    }
    b = a;
    ASSERT_EQ(b.Size(), 701);
    for (int index = 0; index < b.Size(); ++index) {
        ASSERT_EQ(b.At(index).live, index <= 600 ? index % 50 : 7) << index;
    }
    quarn::RunModel model;
    model.Restore(b);
    EXPECT_EQ(model.Series().PastSize(), 701);
    EXPECT_EQ(model.Series().At(650).live, 7);
    EXPECT_EQ(model.Series().At(650).step, 650);
}

// --- Every common object, named -------------------------------------------------------------

struct NamedCase
{
    const KnownObject* object;
    int symmetry;
    int phase;
    bool beside; // a block three cells from it
};

void PrintTo(const NamedCase& c, std::ostream* out)
{
    *out << c.object->name << ", symmetry " << c.symmetry << ", phase " << c.phase
         << (c.beside ? ", beside a block" : "");
}

std::vector<NamedCase> NamedCases()
{
    std::vector<NamedCase> cases;
    for (const KnownObject& object : quarn::KnownObjects()) {
        for (int symmetry = 0; symmetry < 8; ++symmetry) {
            for (int phase = 0; phase < object.period; ++phase) {
                cases.push_back({&object, symmetry, phase, false});
                cases.push_back({&object, symmetry, phase, true});
            }
        }
    }
    return cases;
}

// What each object does, as the field knows it: its period, and for a ship where it heads in
// the phase the names' table gives, as rows down and columns right.
struct Known
{
    int period;
    int down = 0;
    int right = 0;
};

const std::map<std::string, Known>& KnownAsTheFieldKnowsThem()
{
    static const std::map<std::string, Known> known{
        {"Block", {1}},
        {"Beehive", {1}},
        {"Loaf", {1}},
        {"Boat", {1}},
        {"Ship", {1}},
        {"Tub", {1}},
        {"Pond", {1}},
        {"Barge", {1}},
        {"Long boat", {1}},
        {"Snake", {1}},
        {"Aircraft carrier", {1}},
        {"Fishhook", {1}},
        {"Long barge", {1}},
        {"Blinker", {2}},
        {"Toad", {2}},
        {"Beacon", {2}},
        {"Clock", {2}},
        {"Pulsar", {3}},
        {"Pentadecathlon", {15}},
        {"Figure eight", {8}},
        {"Glider", {4, 1, 1}},
        {"Lightweight ship", {4, 0, -1}},
        {"Middleweight ship", {4, 0, -1}},
        {"Heavyweight ship", {4, 0, -1}},
    };
    return known;
}

// Where a ship heads once turned as FieldOf turns it, in words.
std::string HeadingTurned(Known known, int symmetry)
{
    if ((symmetry & 4) != 0) {
        std::swap(known.down, known.right);
    }
    const int down = (symmetry & 1) != 0 ? -known.down : known.down;
    const int right = (symmetry & 2) != 0 ? -known.right : known.right;
    const char* const vertical = down > 0 ? "down" : down < 0 ? "up" : "";
    const char* const across = right > 0 ? "right" : right < 0 ? "left" : "";
    if (*vertical != '\0' && *across != '\0') {
        return std::string(vertical) + " and to the " + across;
    }
    return std::string(vertical) + across;
}

class EveryCommonObject : public ::testing::TestWithParam<NamedCase>
{};

TEST_P(EveryCommonObject, IsNamedInEveryOrientationAndPhase)
{
    const NamedCase& c = GetParam();
    const Field placed = Ahead(FieldOf(c.object->rows, 9, 9, c.symmetry), c.phase);
    Field board = placed;
    Field block;
    if (c.beside) {
        const FieldCell corner = placed.TopLeft();
        block = FieldOf("OO/OO", corner.row, corner.column - 5);
        board = board | block;
    }
    const Census census = quarn::CensusOf(board);
    ASSERT_EQ(census.objects.size(), c.beside ? 2U : 1U);
    const auto it = std::find_if(census.objects.begin(), census.objects.end(),
                                 [&placed](const auto& object) { return object.cells == placed; });
    ASSERT_NE(it, census.objects.end()) << "its cells are not one object";
    EXPECT_EQ(it->known, c.object);
    const Known known = KnownAsTheFieldKnowsThem().at(c.object->name);
    EXPECT_EQ(it->period, known.period);
    // A ship heads where it goes; anything else goes nowhere.
    const FieldCell from = placed.TopLeft();
    const std::string heading = HeadingTurned(known, c.symmetry);
    EXPECT_EQ(it->Line().English(), std::string(c.object->name) + " at row " +
                                        std::to_string(from.row) + ", column " +
                                        std::to_string(from.column) +
                                        (heading.empty() ? "." : ", heading " + heading + "."));
    if (c.beside) {
        EXPECT_EQ(census.objects.front().Line().English(),
                  "Block at row " + std::to_string(from.row) + ", column " +
                      std::to_string(from.column - 5) + ".");
    }
}

INSTANTIATE_TEST_SUITE_P(Census, EveryCommonObject, ::testing::ValuesIn(NamedCases()));

// --- What stands apart and what acts together -----------------------------------------------

struct SplitCase
{
    const char* name;
    std::string rows; // with their top-left cell at (top, left)
    std::string said; // the summary, then each object's line
    int top = 10;
    int left = 10;
};

void PrintTo(const SplitCase& c, std::ostream* out)
{
    *out << c.name;
}

class Objects : public ::testing::TestWithParam<SplitCase>
{};

TEST_P(Objects, AreToldApartAndNamed)
{
    const Census census =
        quarn::CensusOf(FieldOf(GetParam().rows, GetParam().top, GetParam().left));
    std::string said = census.Summary().English();
    for (const quarn::BoardObject& object : census.objects) {
        said += " " + object.Line().English();
    }
    EXPECT_EQ(said, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Census, Objects,
    ::testing::Values(
        SplitCase{"TwoBlocksOneCellApart", "OO.OO/OO.OO",
                  "8 live cells in 2 objects: 2 blocks. Block at row 10, column 10. "
                  "Block at row 10, column 13."},
        SplitCase{"ABeaconInItsSixCellPhase", "OO../O.../...O/..OO",
                  "6 live cells in 1 object: a beacon. Beacon at row 10, column 10."},
        SplitCase{"AGliderLeavingABlock", "OO.../OO.../...../...O./....O/..OOO",
                  "9 live cells in 2 objects: a block and a glider. Block at row 10, column 10. "
                  "Glider at row 13, column 12, heading down and to the right."},
        SplitCase{"AGliderHittingABlock", "O...../.O..OO/OOO.OO",
                  "9 live cells in 1 object: a changing group of 9 cells. Changing group of 9 "
                  "cells at row 10, column 10."},
        SplitCase{"AStillLifeWithoutAName", "..O../.O.O./.O.O./OO.OO",
                  "9 live cells in 1 object: a still life of 9 cells. Still life of 9 cells at "
                  "row 10, column 10."},
        SplitCase{"AnOscillatorWithoutAName", "OO.../O..../.O.O./....O/...OO",
                  "8 live cells in 1 object: an oscillator of period 2, 8 cells. Oscillator of "
                  "period 2, 8 cells at row 10, column 10."},
        SplitCase{"ALoneCell", "O",
                  "1 live cell in 1 object: a lone cell. Lone cell at row 10, "
                  "column 10."},
        SplitCase{"Nothing", "", "The board is empty: no live cells."},
        // At the dead edge an object is what it does there.
        SplitCase{"ABlinkerAlongTheTopEdge", "OOO",
                  "3 live cells in 1 object: a changing group of 3 cells. Changing group of 3 "
                  "cells at row 1, column 10.",
                  1},
        SplitCase{"ABlinkerStandingOnTheTopEdge", "O/O/O",
                  "3 live cells in 1 object: a blinker. Blinker at row 1, column 10.", 1},
        SplitCase{"AToadAlongTheTopEdge", ".OOO/OOO.",
                  "6 live cells in 1 object: a changing group of 6 cells. Changing group of 6 "
                  "cells at row 1, column 10.",
                  1},
        SplitCase{"AFigureEightAgainstTheLeftEdge", "OOO.../OOO.../OOO.../...OOO/...OOO/...OOO",
                  "18 live cells in 1 object: a changing group of 18 cells. Changing group of 18 "
                  "cells at row 10, column 1.",
                  10, 1},
        SplitCase{"AGliderIntoTheBottomEdge", ".O./..O/OOO",
                  "5 live cells in 1 object: a changing group of 5 cells. Changing group of 5 "
                  "cells at row 28, column 10.",
                  28},
        SplitCase{"ABlinkerAlongTheBottomEdge", "OOO",
                  "3 live cells in 1 object: a changing group of 3 cells. Changing group of 3 "
                  "cells at row 30, column 10.",
                  30},
        SplitCase{"ABlinkerStandingOnTheRightEdge", "O/O/O",
                  "3 live cells in 1 object: a changing group of 3 cells. Changing group of 3 "
                  "cells at row 10, column 30.",
                  10, 30},
        SplitCase{"ABeehiveAgainstTheRightEdge", ".OO./O..O/.OO.",
                  "6 live cells in 1 object: a beehive. Beehive at row 10, column 27.", 10, 27},
        SplitCase{"ABlockInTheBottomRightCorner", "OO/OO",
                  "4 live cells in 1 object: a block. Block at row 29, column 29.", 29, 29},
        SplitCase{"APieceThatTheEdgeMovesIsNoShip", ".O/OO/.O",
                  "4 live cells in 1 object: a changing group of 4 cells. Changing group of 4 "
                  "cells at row 7, column 1.",
                  7, 1},
        // Still lifes apart, each an island of its own, are counted one by one; touching, they
        // are one island and one still life.
        SplitCase{"TwoPondsOneCellApart",
                  ".OO...../O..O..../O..O..../.OO...../.....OO./....O..O/....O..O/.....OO.",
                  "16 live cells in 2 objects: 2 ponds. Pond at row 10, column 10. Pond at row 14, "
                  "column 14."},
        SplitCase{"TwoPondsCornerToCorner",
                  ".OO..../O..O.../O..O.../.OO.OO./...O..O/...O..O/....OO.",
                  "16 live cells in 1 object: a still life of 16 cells. Still life of 16 cells at "
                  "row 10, column 10."},
        SplitCase{"TwoShipsOneCellApart", "OO...../O.O..../.OO..../.....OO/.....O.O/......OO",
                  "12 live cells in 2 objects: 2 ships. Ship at row 10, column 10. Ship at row "
                  "13, column 15."},
        SplitCase{"ABoatBesideAnAircraftCarrier",
                  "OO....../O..O..../..OO..../......OO/......O.O/.......O.",
                  "11 live cells in 2 objects: a boat and an aircraft carrier. Aircraft carrier "
                  "at row 10, column 10. Boat at row 13, column 16."},
        // A still life of one island is one still life, though a boat and tubs make it up.
        SplitCase{"ALongLongBoat", ".O.../O.O../.O.O./..O.O/...OO",
                  "9 live cells in 1 object: a still life of 9 cells. Still life of 9 cells at "
                  "row 10, column 10."},
        SplitCase{"ABoatLongerStill", ".O...../O.O..../.O.O.../..O.O../...O.O./....O.O/.....OO",
                  "13 live cells in 1 object: a still life of 13 cells. Still life of 13 cells at "
                  "row 24, column 24.",
                  24, 24},
        // Separate islands that never act on one another are two, however near they come.
        SplitCase{"ABoatAbovePentadecathlonThatNeverMeetIt",
                  ".OO................./.O.O................/..O................./"
                  "......O..O....O..O../....OOO..OOOOOO..OOO/......O..O....O..O..",
                  "25 live cells in 2 objects: a boat and a pentadecathlon. Boat at row 1, column "
                  "2. Pentadecathlon at row 4, column 5.",
                  1, 1},
        SplitCase{"AShipBesideAPentadecathlonThatNeverMeetIt",
                  ".O..OO....OO..O../O...OOO..OOO...O./.O..OO....OO..O../................./"
                  ".............O.../...........O...O./................O/...........O....O/"
                  "............OOOOO",
                  "31 live cells in 2 objects: a pentadecathlon and a middleweight ship. "
                  "Pentadecathlon at row 12, column 9. Middleweight ship at row 16, column 20, "
                  "heading right.",
                  12, 9},
        // Two oscillators whose widest phases come within two cells, never changing each other.
        SplitCase{"TwoPentadecathlonsThatNeverMeet",
                  "..OO......OO............./.O..O....O..O............/OOOOOO..OOOOOO.........../"
                  ".O..O....O..O............/..OO......OO............./........................./"
                  ".............OO......OO../............O..O....O..O./...........OOOOOO..OOOOOO/"
                  "............O..O....O..O./.............OO......OO..",
                  "56 live cells in 2 objects: 2 pentadecathlons. Pentadecathlon at row 7, column "
                  "3. Pentadecathlon at row 13, column 14.",
                  7, 3},
        // The same six generations on, where each one's halves lie apart and change alone.
        SplitCase{"TwoPentadecathlonsApartInTheirHalves",
                  ".O..OO....OO..O/O...OOO..OOO...O/.O..OO....OO..O/./././............O..OO....OO.."
                  "O/...........O...OOO..OOO...O/............O..OO....OO..O",
                  "40 live cells in 2 objects: 2 pentadecathlons. Pentadecathlon at row 8, column "
                  "2. Pentadecathlon at row 14, column 13.",
                  8, 2},
        // Listed the most common first, and as common in the order of the names' table.
        SplitCase{"AListInItsOrder",
                  ".O....OOO...OO.....OO./O.O.........O.O...O..O/.O...........O.....OO./"
                  "....................../....................../OO....OO....OO...OO.../"
                  "OO...O..O...OO...OO.../......OO............../....................../"
                  "....................../.OO....OO............./O..O...OO............./"
                  ".OO...................",
                  "46 live cells in 10 objects: 4 blocks, 3 beehives, a boat, a tub and a "
                  "blinker. Tub at row 10, column 5. Blinker at row 10, column 11. Boat at row 10, "
                  "column 17. Beehive at row 10, column 23. Block at row 15, column 5. Beehive at "
                  "row 15, column 10. Block at row 15, column 17. Block at row 15, column 22. "
                  "Beehive at row 20, column 5. Block at row 20, column 12.",
                  10, 5},
        // Unnamed objects of two kinds are two sorts in a list, and come after the named.
        SplitCase{"TwoUnnamedKinds",
                  "..O.......OO.../.O.O......O..../.O.O.......O.O./OO.OO.........O/.............OO",
                  "17 live cells in 2 objects: a still life of 9 cells and an oscillator of "
                  "period 2, 8 cells. Still life of 9 cells at row 10, column 10. Oscillator of "
                  "period 2, 8 cells at row 10, column 20."},
        // A crowd of changing cells, as a random fill leaves, is told as one.
        SplitCase{"MostlyOneChangingGroup",
                  "OOOOOOOOOO.../OOOOOOOOOO.../OOOOOOOOOO.../OOOOOOOOOO.../OOOOOOOOOO.../"
                  "OOOOOOOOOO.../OOOOOOOOOO.../OOOOOOOOOO.../OOOOOOOOOO.../OOOOOOOOOO.../"
                  "............./............./...........OO/...........OO",
                  "104 live cells, most of them one changing group of 100 cells; besides it, a "
                  "block. Changing group of 100 cells at row 10, column 10. Block at row 22, "
                  "column 21."}));

// --- The examples, held to their comments ---------------------------------------------------

// How many objects of each common kind a text names: "two blocks and a blinker". Plurals
// without a number count 0: "some".
std::map<const KnownObject*, int> NamedIn(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::vector<const KnownObject*> known;
    for (const KnownObject& object : quarn::KnownObjects()) {
        known.push_back(&object);
    }
    // "Lightweight ship" before "ship".
    std::sort(known.begin(), known.end(), [](const KnownObject* a, const KnownObject* b) {
        return std::string(a->name).size() > std::string(b->name).size();
    });
    static const std::map<std::string, int> kNumbers{{"a", 1},    {"an", 1},    {"one", 1},
                                                     {"two", 2},  {"three", 3}, {"four", 4},
                                                     {"five", 5}, {"six", 6}};
    std::map<const KnownObject*, int> named;
    for (const KnownObject* object : known) {
        std::string one = object->name;
        std::transform(one.begin(), one.end(), one.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const std::string many = std::string(object->many).substr(3); // after "%1 "
        std::string pattern = R"(\b(?:(a|an|one|two|three|four|five|six) )?()";
        pattern.append(many).append("|").append(one).append(R"()\b)");
        const std::regex mention(pattern);
        for (std::smatch found; std::regex_search(text, found, mention);) {
            const bool plural = found[2] == many;
            named[object] += found[1].matched ? kNumbers.at(found[1]) : plural ? 0 : 1;
            text.replace(static_cast<std::size_t>(found.position(0)),
                         static_cast<std::size_t>(found.length(0)),
                         static_cast<std::size_t>(found.length(0)), ' ');
        }
    }
    return named;
}

// What an example's comment says it does, in its own words.
struct Claims
{
    std::vector<int> settles; // "after N generations": from then on it repeats
    std::vector<int> periods; // "returns to this shape every N generations", "of period N"
    bool still = false;       // "nothing changes"
    bool empty = false;       // "the board is empty"
    bool mirrored = false;    // the same "mirrored left to right and top to bottom"
    std::map<const KnownObject*, int> start; // named by the example's name
    std::map<const KnownObject*, int> end;   // what it ends as
};

Claims ClaimsOf(const std::string& text)
{
    std::string said;
    Claims claims;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("!Name:")) {
            claims.start = NamedIn(line.substr(6));
        } else if (line.starts_with("!")) {
            said += line.substr(1) + " ";
        }
    }
    const auto numbers = [&said](const char* pattern) {
        std::vector<int> found;
        const std::regex wanted(pattern);
        for (auto match = std::sregex_iterator(said.begin(), said.end(), wanted);
             match != std::sregex_iterator(); ++match) {
            found.push_back(std::stoi((*match)[1]));
        }
        return found;
    };
    claims.settles = numbers(R"((?:after|for) (\d+) generations)");
    claims.periods = numbers(R"((?:returns to this shape every|of period) (\d+))");
    claims.still = said.find("nothing changes") != std::string::npos;
    claims.empty = said.find("the board is empty") != std::string::npos;
    claims.mirrored = said.find("mirrored left to right and top to bottom") != std::string::npos;
    // What it ends as: in the last sentence, after it ends, settles or the generations go by;
    // a board where nothing changes ends as it starts.
    std::smatch end;
    const std::regex ending(R"((?:ends|settles|after \d+ generations)([^.]*)\.\s*$)");
    claims.end = claims.still                           ? NamedIn(said)
                 : std::regex_search(said, end, ending) ? NamedIn(end[1])
                                                        : claims.end;
    return claims;
}

std::map<const KnownObject*, int> Counted(const Census& census)
{
    std::map<const KnownObject*, int> counted;
    for (const quarn::BoardObject& object : census.objects) {
        ++counted[object.known];
    }
    return counted;
}

std::vector<std::string> ExampleFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(QUARN_EXAMPLES_DIR)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class Examples : public ::testing::TestWithParam<std::string>
{};

// Each example on the 30 x 30 board with its dead edge, held to what its comment promises.
TEST_P(Examples, DoWhatTheirCommentsSay)
{
    std::ifstream file(std::filesystem::path(QUARN_EXAMPLES_DIR) / GetParam());
    std::stringstream text;
    text << file.rdbuf();
    const Claims claims = ClaimsOf(text.str());
    ASSERT_FALSE(claims.settles.empty() && claims.periods.empty() && !claims.still)
        << "it claims nothing to check";

    quarn::Board board;
    for (const quarn::Cell& cell : quarn::PlacePattern(quarn::ReadPattern(text.str()), 30, 30)) {
        board.ToggleCell(static_cast<std::int16_t>(quarn::Board::FromZeroBased(cell.row)),
                         static_cast<std::int16_t>(quarn::Board::FromZeroBased(cell.column)));
    }
    for (const auto& [object, count] : claims.start) {
        EXPECT_GE(Counted(quarn::CensusOf(board))[object], std::max(count, 1)) << object->name;
    }
    const quarn::Fate fate = quarn::FateOf(board);
    for (const int claimed : claims.settles.empty() ? std::vector<int>{0} : claims.settles) {
        EXPECT_EQ(fate.step, claimed);
    }
    for (const int claimed : claims.periods) {
        EXPECT_EQ(fate.period, claimed);
    }
    EXPECT_TRUE(!claims.still || fate.end == quarn::Fate::End::Settles);
    EXPECT_EQ(fate.end == quarn::Fate::End::DiesOut, claims.empty);
    std::map<const KnownObject*, int> counted = Counted(fate.census);
    int claimedObjects = 0;
    for (const auto& [object, count] : claims.end) {
        EXPECT_GE(counted[object], count == 0 ? 2 : count) << object->name;
        EXPECT_TRUE(count == 0 || counted[object] == count) << object->name;
        claimedObjects = count == 0 || claimedObjects < 0 ? -1 : claimedObjects + count;
    }
    if (claimedObjects > 0) {
        EXPECT_EQ(static_cast<int>(fate.census.objects.size()), claimedObjects);
    }
    Field end;
    for (const quarn::BoardObject& object : fate.census.objects) {
        end = end | object.cells;
    }
    for (int row = 1; claims.mirrored && row <= 30; ++row) {
        for (int column = 1; column <= 30; ++column) {
            ASSERT_EQ(end.Live(row, column), end.Live(31 - row, column));
            ASSERT_EQ(end.Live(row, column), end.Live(row, 31 - column));
        }
    }
    // Counted as the label counts: a board some way along has the same fate at the same step.
    if (fate.step >= 5) {
        for (int i = 0; i < 5; ++i) {
            board.Step();
        }
        EXPECT_EQ(quarn::FateOf(board).step, fate.step);
    }
}

INSTANTIATE_TEST_SUITE_P(All, Examples, ::testing::ValuesIn(ExampleFiles()),
                         [](const ::testing::TestParamInfo<std::string>& example) {
                             std::string name = example.param.substr(0, example.param.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
