#include "features/sound/sound_player.h"

#include "features/sound/tone_output.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

constexpr int kFollowEveryMs = 25;
// Tones are made and handed on this far ahead of what is heard.
constexpr long kAheadFrames = tones::kRate * 3 / 10;
// A run's tone that would wait longer than this behind the others is late, and left out: the
// sound keeps pace with the board, and stops soon after it.
constexpr long kMostBehindFrames = tones::kRate * 3 / 10;

// Where the sound module is: installed, beside the program's libraries; in a build, in its room.
QStringList ModulePaths()
{
    const QString here = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return {here + QStringLiteral(QUARN_SOUND_MODULE_INSTALLED),
            here + QStringLiteral("../features/sound/" QUARN_SOUND_MODULE_NAME)};
}

} // namespace

SoundPlayer::SoundPlayer(const RunModel& run, QObject* parent)
    : QObject(parent),
      run_(run)
{
    following_.setInterval(kFollowEveryMs);
    connect(&following_, &QTimer::timeout, this, &SoundPlayer::FollowPlaying);
}

// The output goes before the module it came from.
SoundPlayer::~SoundPlayer()
{
    output_.reset();
}

void SoundPlayer::PlayGraph(const Population& population, const std::vector<int>& moments)
{
    ToneOutput* output = Output();
    if (output == nullptr) {
        return;
    }
    output->Clear();
    tones_ = tones::WithEarcons(tones::GraphTones(population), population, moments);
    starts_ = tones::Starts(tones_);
    rendered_ = 0;
    reached_ = -1;
    if (tones_.empty()) {
        return;
    }
    RenderAhead();
    following_.start();
    FollowPlaying();
}

void SoundPlayer::Stop()
{
    if (!Playing()) {
        return;
    }
    output_->Clear();
    following_.stop();
    const int point = tones_[static_cast<std::size_t>(std::max(0, reached_))].first;
    tones_.clear();
    emit Stopped(point);
}

bool SoundPlayer::Playing() const
{
    return !tones_.empty();
}

void SoundPlayer::PlayWhileRunning(bool on)
{
    whileRunning_ = on;
    lastLive_ = -1;
}

// A tone for each generation on the population's scale; a board that has died out ends on its
// low tone, and is silent while it stays empty.
void SoundPlayer::Follow(bool running)
{
    if (!whileRunning_ || !running || Playing()) {
        // A run's tones still to play end with the run.
        if (lastLive_ != -1 && !Playing() && output_) {
            output_->Clear();
        }
        lastLive_ = -1;
        return;
    }
    ToneOutput* output = Output();
    if (output == nullptr) {
        return;
    }
    if (output->Queued() - output->Played() > kMostBehindFrames) {
        return;
    }
    const int live = run_.Record().Last().live;
    if (live == 0 && lastLive_ == 0) {
        return;
    }
    lastLive_ = live;
    const Population& series = run_.Series();
    const int lowest = series.At(series.LowestIndex()).live;
    const int highest = series.At(series.HighestIndex()).live;
    output->Queue(RunningSamples(tones::RunningTone(live, lowest, highest).frequency));
}

void SoundPlayer::MomentReached()
{
    if (!whileRunning_ || lastLive_ == -1 || Playing() || !output_) {
        return;
    }
    if (earcon_.empty()) {
        earcon_ = tones::Render(tones::Earcon(0, 0));
    }
    output_->Queue(earcon_);
}

// Each semitone's tone made once: a run's tones are on a scale, and a run plays one every tenth
// of a second.
const std::vector<std::int16_t>& SoundPlayer::RunningSamples(double frequency)
{
    const auto semitone = static_cast<int>(std::lround(12 * std::log2(frequency / tones::kLowest)));
    auto found = running_.find(semitone);
    if (found == running_.end()) {
        tones::Tone tone = tones::RunningTone(0, 0, 0);
        tone.frequency = tones::kLowest * std::exp2(semitone / 12.0);
        // The rest of the generation's tenth of a second silent, so that the sound goes on
        // without a break from one generation to the next while the board runs.
        const tones::Tone rest{0, 0, false, 0.1 - tone.seconds, 0, 0};
        found = running_.emplace(semitone, tones::Render({tone, rest})).first;
    }
    return found->second;
}

ToneOutput* SoundPlayer::Output()
{
    if (tried_) {
        return output_.get();
    }
    tried_ = true;
    for (const QString& path : ModulePaths()) {
        module_.setFileName(path);
        if (module_.load()) {
            break;
        }
    }
    using Make = ToneOutput* (*)();
    if (const auto make = reinterpret_cast<Make>(module_.resolve("QuarnMakeToneOutput"))) {
        output_.reset(make());
        if (!output_->Open()) {
            output_.reset();
        }
    }
    if (!output_ && !told_) {
        told_ = true;
        emit Said(tr("No sound output is available."));
    }
    return output_.get();
}

void SoundPlayer::FollowPlaying()
{
    if (!Playing()) {
        following_.stop();
        return;
    }
    RenderAhead();
    const long played = output_->Played();
    if (played >= starts_.back()) {
        following_.stop();
        const int point = tones_.back().last;
        tones_.clear();
        emit Stopped(point);
        return;
    }
    const auto heard = static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), played) -
                                        starts_.begin()) -
                       1;
    if (heard != reached_) {
        reached_ = heard;
        emit Reached(tones_[static_cast<std::size_t>(heard)].first);
    }
}

void SoundPlayer::RenderAhead()
{
    const long played = output_->Played();
    while (rendered_ < tones_.size() && starts_[rendered_] < played + kAheadFrames) {
        output_->Queue(tones::Render({tones_[rendered_]}));
        ++rendered_;
    }
}

} // namespace quarn
