#include "board/board.h"
#include "support/reference_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace quarn {
namespace {

using testing::ReferenceModel;

::testing::AssertionResult SameCells(const Board& board, const ReferenceModel& model)
{
    for (std::int16_t r = 0; r <= 31; ++r) {
        for (std::int16_t c = 0; c <= 31; ++c) {
            if ((board.CellAt(r, c) != 0) != model.At(r, c)) {
                return ::testing::AssertionFailure() << "cell (" << r << ", " << c << ") differs";
            }
        }
    }
    if (board.StepCount() != model.Count()) {
        return ::testing::AssertionFailure()
               << "count " << board.StepCount() << " against " << model.Count();
    }
    return ::testing::AssertionSuccess();
}

struct RunCase
{
    unsigned seed;
    double fieldDensity;
    double ringDensity;
};

void PrintTo(const RunCase& c, std::ostream* os)
{
    *os << "seed " << c.seed << ", field " << c.fieldDensity << ", ring " << c.ringDensity;
}

class DifferentialTest : public ::testing::TestWithParam<RunCase>
{};

// Random boards, ring included, run side by side with the model; a few random toggles between
// generations keep the runs from settling into still lifes too early.
TEST_P(DifferentialTest, MatchesTheModelGenerationByGeneration)
{
    const RunCase& run = GetParam();
    std::mt19937 rng(run.seed);
    std::bernoulli_distribution field(run.fieldDensity);
    std::bernoulli_distribution ring(run.ringDensity);
    std::uniform_int_distribution<int> anyIndex(0, 31);

    Board board;
    ReferenceModel model;
    for (std::int16_t r = 0; r <= 31; ++r) {
        for (std::int16_t c = 0; c <= 31; ++c) {
            const bool inRing = r == 0 || r == 31 || c == 0 || c == 31;
            if (inRing ? ring(rng) : field(rng)) {
                board.ToggleCell(r, c);
                model.Toggle(r, c);
            }
        }
    }
    ASSERT_TRUE(SameCells(board, model));

    for (int generation = 1; generation <= 400; ++generation) {
        board.Step();
        model.Step();
        if (generation % 25 == 0) {
            for (int k = 0; k < 10; ++k) {
                const auto r = static_cast<std::int16_t>(anyIndex(rng));
                const auto c = static_cast<std::int16_t>(anyIndex(rng));
                board.ToggleCell(r, c);
                model.Toggle(r, c);
            }
        }
        ASSERT_TRUE(SameCells(board, model)) << "after generation " << generation;
    }
}

INSTANTIATE_TEST_SUITE_P(Board, DifferentialTest,
                         ::testing::Values(RunCase{1, 0.5, 0.5}, RunCase{2, 0.3, 0.1},
                                           RunCase{3, 0.15, 0.9}, RunCase{4, 0.8, 0.0},
                                           RunCase{5, 0.37, 0.25}, RunCase{6, 0.5, 1.0}));

} // namespace
} // namespace quarn
