#pragma once

#include "census/population.h"
#include "census/run_model.h"
#include "features/sound/tones.h"

#include <QLibrary>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace quarn {

class ToneOutput;

// The population heard. A graph played as tones from its first step to its last, the point it
// has reached told as it goes; and, while Sound While Running is on and the board runs, a short
// tone for each generation. The sound layer is loaded the first time a sound is asked for; where
// no output can be opened, that is said once, by Said, and nothing else changes.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    // The run's tones follow the run the program shares.
    explicit SoundPlayer(const RunModel& run, QObject* parent = nullptr);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;
    SoundPlayer(SoundPlayer&&) = delete;
    SoundPlayer& operator=(SoundPlayer&&) = delete;

    // The graph, with a moment's earcon at each of the steps given.
    void PlayGraph(const Population& population, const std::vector<int>& moments = {});
    // Stops the graph where it is: Stopped says the point it stopped at.
    void Stop();
    bool Playing() const;

    void PlayWhileRunning(bool on);
    // The board has changed; while it runs, a generation's tone.
    void Follow(bool running);
    // A moment of the run reached while it runs: its earcon after the generation's tone.
    void MomentReached();

signals:
    void Said(const QString& words);
    // The graph's sound has reached the point, or stopped there, or come to its end.
    void Reached(int point);
    void Stopped(int point);

private:
    // The output, loaded and opened the first time; none where there is no sound output.
    ToneOutput* Output();
    void FollowPlaying();
    void RenderAhead();
    const std::vector<std::int16_t>& RunningSamples(double frequency);

    const RunModel& run_;
    QLibrary module_;
    std::unique_ptr<ToneOutput> output_;
    bool tried_ = false; // whether the output was asked for yet
    bool told_ = false;  // that there is none
    std::vector<tones::Tone> tones_;
    std::vector<long> starts_;
    std::size_t rendered_ = 0; // tones handed to the output
    int reached_ = -1;         // the tone heard now
    QTimer following_;
    bool whileRunning_ = false;
    int lastLive_ = -1;
    std::map<int, std::vector<std::int16_t>> running_; // a generation's tone, by its semitone
    std::vector<std::int16_t> earcon_;                 // made the first time
};

} // namespace quarn
