#pragma once

#include <cstdint>
#include <vector>

namespace quarn {

// Where the program's sound goes: a sink for 16-bit stereo samples at tones::kRate. Made by the
// sound module, which the program loads only once a person first asks for a sound, so that the
// program starts, and runs, without the sound layer where nothing is heard.
class ToneOutput
{
public:
    static constexpr int kRate = 44100; // frames a second

    ToneOutput() = default;
    virtual ~ToneOutput() = default;
    ToneOutput(const ToneOutput&) = delete;
    ToneOutput& operator=(const ToneOutput&) = delete;
    ToneOutput(ToneOutput&&) = delete;
    ToneOutput& operator=(ToneOutput&&) = delete;

    // The system's sound output opened; false where there is none to open.
    virtual bool Open() = 0;
    // The samples played after those still to play.
    virtual void Queue(const std::vector<std::int16_t>& samples) = 0;
    // Silent at once, and what was still to play dropped.
    virtual void Clear() = 0;
    // The frames played, and queued, since the last Clear.
    virtual long Played() const = 0;
    virtual long Queued() const = 0;
};

} // namespace quarn

// The sound module's one entry: a new output, which the caller owns.
extern "C" quarn::ToneOutput* QuarnMakeToneOutput();
