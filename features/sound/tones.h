#pragma once

#include "census/population.h"
#include "features/sound/tone_output.h"

#include <cstdint>
#include <vector>

namespace quarn::tones {

// The population heard: a higher count a higher tone, from G3 for the lowest value shown to C6
// for the highest, evenly in pitch as a scale is; a flat graph at one pitch in the middle.
constexpr double kLowest = 196.0;   // G3
constexpr double kHighest = 1046.5; // C6
// A whole graph is heard in about this long at the most.
constexpr double kMostSeconds = 10.0;
// A generation's tone while the board runs, inside its 100 ms.
constexpr double kRunningSeconds = 0.06;
constexpr int kRate = ToneOutput::kRate;

double Frequency(int live, int lowest, int highest);

// One tone: its pitch, where it stands from left (-1) to right (1), whether it is a step ahead
// (a softer timbre), how long it sounds, and the points of the series it stands for.
struct Tone
{
    double frequency = 0;
    double pan = 0;
    bool ahead = false;
    double seconds = 0;
    int first = 0; // the first and the last point it stands for
    int last = 0;
};

// The graph from its first step to its last, a tone to each step while that fits in about
// kMostSeconds, and otherwise to each group of steps, at the group's mean: the past first, then
// the steps ahead. Pan runs from left to right along the steps.
std::vector<Tone> GraphTones(const Population& population);

// A moment of the run heard: two short high notes rising a fourth, E6 then A6, above anything
// the population sounds, so that it stands out of the tones round it.
constexpr double kEarconLow = 1318.5;  // E6
constexpr double kEarconHigh = 1760.0; // A6
constexpr double kEarconNoteSeconds = 0.04;
std::vector<Tone> Earcon(double pan, int point);

// The graph's tones with a moment's earcon after the tone of each point whose step is one of the
// steps given, in step order.
std::vector<Tone> WithEarcons(const std::vector<Tone>& tones, const Population& population,
                              const std::vector<int>& steps);

// A generation of a running board: its tone on the scale of the population's lowest and highest.
Tone RunningTone(int live, int lowest, int highest);

// The tones as 16-bit stereo samples at kRate, one after another, each starting and ending on a
// short ramp so that nothing clicks.
std::vector<std::int16_t> Render(const std::vector<Tone>& tones);

// Where the tones stand in the samples: the frame each starts at.
std::vector<long> Starts(const std::vector<Tone>& tones);

} // namespace quarn::tones
