#include "features/sound/tones.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarn::tones {

namespace {

// A step's tone while the graph is short; shorter, down to the least, as it grows.
constexpr double kLongestTone = 0.15;
constexpr double kShortestTone = 0.06;
constexpr double kRamp = 0.006;   // in and out
constexpr double kLoudness = 0.3; // of the full scale, for the past's tone
// The steps ahead are softer: quieter, and without the past's overtone.
constexpr double kAheadLoudness = 0.45;
constexpr double kOvertone = 0.3; // the second harmonic, in the past's tone

long Frames(double seconds)
{
    return std::lround(seconds * kRate);
}

} // namespace

double Frequency(int live, int lowest, int highest)
{
    if (highest <= lowest) {
        return std::sqrt(kLowest * kHighest);
    }
    const double share =
        std::clamp(static_cast<double>(live - lowest) / (highest - lowest), 0.0, 1.0);
    return kLowest * std::pow(kHighest / kLowest, share);
}

std::vector<Tone> GraphTones(const Population& population)
{
    const int size = population.Size();
    if (size == 0) {
        return {};
    }
    const int lowest = population.At(population.LowestIndex()).live;
    const int highest = population.At(population.HighestIndex()).live;
    const double seconds = std::clamp(kMostSeconds / size, kShortestTone, kLongestTone);
    const auto most = static_cast<int>(std::floor(kMostSeconds / seconds));
    const int group = (size + most - 1) / most;
    std::vector<Tone> tones;
    for (int first = 0; first < size;) {
        // A group is all past or all ahead, so that each is heard in its own timbre.
        int last = std::min(size, first + group) - 1;
        while (last > first && population.Ahead(last) != population.Ahead(first)) {
            --last;
        }
        double sum = 0;
        for (int i = first; i <= last; ++i) {
            sum += population.At(i).live;
        }
        const double mean = sum / (last - first + 1);
        tones.push_back({Frequency(static_cast<int>(std::lround(mean)), lowest, highest), 0,
                         population.Ahead(first), seconds, first, last});
        first = last + 1;
    }
    // From the left to the right, the first tone to the last.
    for (std::size_t t = 0; t < tones.size() && tones.size() > 1; ++t) {
        tones[t].pan = 2.0 * static_cast<double>(t) / static_cast<double>(tones.size() - 1) - 1;
    }
    return tones;
}

std::vector<Tone> Earcon(double pan, int point)
{
    return {{kEarconLow, pan, false, kEarconNoteSeconds, point, point},
            {kEarconHigh, pan, false, kEarconNoteSeconds, point, point}};
}

std::vector<Tone> WithEarcons(const std::vector<Tone>& tones, const Population& population,
                              const std::vector<int>& steps)
{
    std::vector<Tone> heard;
    heard.reserve(tones.size() + 2 * steps.size());
    for (const Tone& tone : tones) {
        heard.push_back(tone);
        const int first = population.At(tone.first).step;
        const int last = population.At(tone.last).step;
        const bool moment = std::any_of(steps.begin(), steps.end(), [first, last](int step) {
            return step >= first && step <= last;
        });
        if (moment) {
            for (const Tone& note : Earcon(tone.pan, tone.last)) {
                heard.push_back(note);
            }
        }
    }
    return heard;
}

Tone RunningTone(int live, int lowest, int highest)
{
    return {Frequency(live, lowest, highest), 0, false, kRunningSeconds, 0, 0};
}

std::vector<long> Starts(const std::vector<Tone>& tones)
{
    std::vector<long> starts;
    long at = 0;
    for (const Tone& tone : tones) {
        starts.push_back(at);
        at += Frames(tone.seconds);
    }
    starts.push_back(at);
    return starts;
}

std::vector<std::int16_t> Render(const std::vector<Tone>& tones)
{
    const std::vector<long> starts = Starts(tones);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(starts.back()) * 2, 0);
    const long ramp = Frames(kRamp);
    for (std::size_t t = 0; t < tones.size(); ++t) {
        const Tone& tone = tones[t];
        const long frames = starts[t + 1] - starts[t];
        const double loudness = kLoudness * (tone.ahead ? kAheadLoudness : 1.0);
        const double overtone = tone.ahead ? 0.0 : kOvertone;
        // Equal power from left to right.
        const double angle = (tone.pan + 1) * std::numbers::pi / 4;
        const double left = std::cos(angle);
        const double right = std::sin(angle);
        const double step = 2 * std::numbers::pi * tone.frequency / kRate;
        for (long i = 0; i < frames; ++i) {
            const long edge = std::min(i, frames - 1 - i);
            const double envelope =
                edge >= ramp ? 1.0
                             : 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) /
                                                    static_cast<double>(ramp));
            const double phase = step * static_cast<double>(i);
            const double wave = (std::sin(phase) + overtone * std::sin(2 * phase)) / (1 + overtone);
            const double value = 32767.0 * loudness * envelope * wave;
            const auto at = static_cast<std::size_t>(starts[t] + i) * 2;
            samples[at] = static_cast<std::int16_t>(std::lround(value * left));
            samples[at + 1] = static_cast<std::int16_t>(std::lround(value * right));
        }
    }
    return samples;
}

} // namespace quarn::tones
