#include "census/fate.h"
#include "census/population.h"
#include "census/run_record.h"
#include "features/sound/tones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

using quarn::Field;
using quarn::tones::Tone;

// A record of so many live cells at each step, from step 0: the past of a graph, with its fate
// reached, so that nothing lies ahead.
struct Series
{
    quarn::RunRecord record;
    quarn::Population population;

    explicit Series(const std::vector<int>& counts)
    {
        const auto field = [](int live) {
            Field cells;
            for (int i = 0; i < live; ++i) {
                cells.Set(i / 30 + 1, i % 30 + 1);
            }
            return cells;
        };
        record.Reset(field(counts.front()), 0);
        for (std::size_t step = 1; step < counts.size(); ++step) {
            record.Stepped(field(counts[step]));
        }
        quarn::Fate settled;
        settled.end = quarn::Fate::End::Settles;
        population.Follow(record, settled);
    }
};

struct ToneCase
{
    const char* name;
    std::vector<int> counts;
    std::size_t tones; // how many
    double first;      // the first tone's pitch, and the last's
    double last;
    double seconds; // in all, at most
};

void PrintTo(const ToneCase& c, std::ostream* out)
{
    *out << c.name;
}

class GraphTones : public ::testing::TestWithParam<ToneCase>
{};

// G3 for the lowest value shown, C6 for the highest; a flat graph at one pitch; pan from left
// to right; a long graph thinned to about ten seconds.
TEST_P(GraphTones, FollowTheGraph)
{
    const ToneCase& c = GetParam();
    const Series series(c.counts);
    const std::vector<Tone> tones = quarn::tones::GraphTones(series.population);
    ASSERT_EQ(tones.size(), c.tones);
    EXPECT_NEAR(tones.front().frequency, c.first, 0.05);
    EXPECT_NEAR(tones.back().frequency, c.last, 0.05);
    double seconds = 0;
    for (const Tone& tone : tones) {
        seconds += tone.seconds;
        EXPECT_FALSE(tone.ahead);
    }
    EXPECT_LE(seconds, c.seconds + 1e-9);
    if (tones.size() > 1) {
        EXPECT_DOUBLE_EQ(tones.front().pan, -1.0);
        EXPECT_DOUBLE_EQ(tones.back().pan, 1.0);
    }
}

std::vector<int> Ramp(int steps)
{
    std::vector<int> counts;
    counts.reserve(static_cast<std::size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        counts.push_back(10 + i * 800 / (steps - 1));
    }
    return counts;
}

INSTANTIATE_TEST_SUITE_P(
    Sound, GraphTones,
    ::testing::Values(
        ToneCase{"LowestToHighest", {5, 40, 20, 80}, 4, 196.0, 1046.5, 4 * 0.15},
        ToneCase{"HighestToLowest", {80, 5}, 2, 1046.5, 196.0, 2 * 0.15},
        // The middle of the scale, by pitch: the geometric mean of G3 and C6.
        ToneCase{"AFlatGraphAtOnePitch", {3, 3, 3, 3, 3}, 5, 452.88, 452.88, 5 * 0.15},
        // 2,000 steps from 10 to 810: 0.06 s a tone, 166 of them in ten seconds, so 13 steps to
        // a tone, at the group's mean: the first 13 steps' is 12, the last 11 steps' 807.
        ToneCase{"ALongGraphThinnedToTenSeconds", Ramp(2000), 154, 196.82, 1039.95, 10.0}));

// The glider's steps ahead sound softer: quieter, and a pure tone without the past's overtone.
TEST(Sound, StepsAheadAreSofter)
{
    Field glider;
    for (const auto& [row, column] : {std::pair{14, 15}, {15, 16}, {16, 14}, {16, 15}, {16, 16}}) {
        glider.Set(row, column);
    }
    quarn::RunRecord record;
    record.Reset(glider, 0);
    quarn::Population population;
    population.Follow(record, quarn::FateOf(glider, 0));
    const std::vector<Tone> tones = quarn::tones::GraphTones(population);
    ASSERT_GT(tones.size(), 2U);
    EXPECT_FALSE(tones.front().ahead);
    EXPECT_TRUE(tones.back().ahead);
    const auto loudest = [](const std::vector<std::int16_t>& samples) {
        int most = 0;
        for (const std::int16_t sample : samples) {
            most = std::max(most, std::abs(static_cast<int>(sample)));
        }
        return most;
    };
    Tone past = tones.front();
    Tone ahead = tones.back();
    ahead.frequency = past.frequency;
    ahead.pan = past.pan = 0;
    EXPECT_LT(loudest(quarn::tones::Render({ahead})), loudest(quarn::tones::Render({past})) * 0.6);
}

// The glider's moments heard where they are: two notes, E6 and A6, after the tones of steps 57
// (the edge) and 59 (the block and the fate), each standing for the point before it.
TEST(Sound, MomentsHaveTheirEarcons)
{
    Series series(std::vector<int>(60, 5));
    const std::vector<Tone> plain = quarn::tones::GraphTones(series.population);
    const std::vector<Tone> heard = quarn::tones::WithEarcons(plain, series.population, {57, 59});
    ASSERT_EQ(heard.size(), plain.size() + 4);
    EXPECT_DOUBLE_EQ(heard[58].frequency, 1318.5);
    EXPECT_DOUBLE_EQ(heard[59].frequency, 1760.0);
    EXPECT_EQ(heard[59].first, 57);
    EXPECT_DOUBLE_EQ(heard[60].frequency, plain[58].frequency);
    EXPECT_DOUBLE_EQ(heard[62].frequency, 1318.5);
    EXPECT_EQ(heard.back().last, 59);
}

// The samples themselves: each tone at its pitch, counted from its zero crossings in the left
// channel, loud in the middle and silent at its ends, so that nothing clicks; and panned.
TEST(Sound, RenderedTonesHaveTheirPitch)
{
    const std::vector<Tone> tones{{220.0, -1.0, false, 0.15, 0, 0},
                                  {880.0, 0.0, true, 0.15, 1, 1},
                                  {452.88, 1.0, false, 0.06, 2, 2}};
    const std::vector<std::int16_t> samples = quarn::tones::Render(tones);
    const std::vector<long> starts = quarn::tones::Starts(tones);
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(starts.back()) * 2);
    for (std::size_t t = 0; t < tones.size(); ++t) {
        const auto channel = tones[t].pan > 0 ? 1U : 0U;
        int crossings = 0;
        for (long i = starts[t] + 1; i < starts[t + 1]; ++i) {
            const auto a = samples[static_cast<std::size_t>(i - 1) * 2 + channel];
            const auto b = samples[static_cast<std::size_t>(i) * 2 + channel];
            crossings += (a < 0) != (b < 0) ? 1 : 0;
        }
        const double heard = crossings / 2.0 / tones[t].seconds;
        EXPECT_NEAR(heard, tones[t].frequency, tones[t].frequency * 0.03) << "tone " << t;
        EXPECT_LE(std::abs(samples[static_cast<std::size_t>(starts[t]) * 2 + channel]), 40);
        EXPECT_LE(std::abs(samples[static_cast<std::size_t>(starts[t + 1] - 1) * 2 + channel]), 40);
    }
    // Hard left: nothing on the right.
    for (long i = 0; i < starts[1]; ++i) {
        ASSERT_LE(std::abs(samples[static_cast<std::size_t>(i) * 2 + 1]), 1);
    }
}

} // namespace
