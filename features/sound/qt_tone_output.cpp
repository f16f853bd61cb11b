// The sound module: Qt Multimedia's audio sink, fed as it has room.

#include "features/sound/tone_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QIODevice>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

constexpr int kFrameBytes = 4; // two 16-bit channels
constexpr int kFeedEveryMs = 50;
// Half a second ahead: a generation's tone goes in at once, and the server asks for more seldom.
constexpr int kBufferFrames = quarn::ToneOutput::kRate / 2;
// Nothing queued for this long, and the stream is closed, so that nothing runs for it.
constexpr int kIdleMs = 1500;
constexpr int kMostPendingFrames = quarn::ToneOutput::kRate;

class QtToneOutput final : public QObject, public quarn::ToneOutput
{
public:
    QtToneOutput()
    {
        feeding_.setInterval(kFeedEveryMs);
        QObject::connect(&feeding_, &QTimer::timeout, this, [this] { Feed(); });
        idle_.setSingleShot(true);
        idle_.setInterval(kIdleMs);
        QObject::connect(&idle_, &QTimer::timeout, this, [this] {
            if (pending_.isEmpty() && Played() >= queued_) {
                Clear();
            }
        });
    }

    bool Open() override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(quarn::ToneOutput::kRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        if (device.isNull() || !device.isFormatSupported(format)) {
            return false;
        }
        device_ = device;
        format_ = format;
        return true;
    }

    void Queue(const std::vector<std::int16_t>& samples) override
    {
        if (device_.isNull()) {
            return;
        }
        if (io_ == nullptr) {
            // A sink of its own for each stream: one stopped and started again many times
            // has been heard to play in scraps.
            sink_ = std::make_unique<QAudioSink>(device_, format_);
            sink_->setBufferSize(qsizetype{kBufferFrames} * kFrameBytes);
            io_ = sink_->start();
            written_ = 0;
        }
        pending_.append(reinterpret_cast<const char*>(samples.data()),
                        static_cast<qsizetype>(samples.size()) * qsizetype{sizeof(std::int16_t)});
        queued_ += static_cast<long>(samples.size() / 2);
        // However the sink keeps up, no more than a second waits for it: the oldest goes.
        const qsizetype most = qsizetype{kMostPendingFrames} * kFrameBytes;
        if (pending_.size() > most) {
            const qsizetype dropped = pending_.size() - most;
            pending_.remove(0, dropped);
            queued_ -= static_cast<long>(dropped / kFrameBytes);
        }
        Feed();
        if (!pending_.isEmpty()) {
            feeding_.start();
        }
        idle_.start();
    }

    void Clear() override
    {
        feeding_.stop();
        idle_.stop();
        pending_.clear();
        queued_ = 0;
        written_ = 0;
        if (sink_) {
            sink_->stop();
        }
        io_ = nullptr;
        sink_.reset();
    }

    // What has gone to the sink less what it still holds.
    long Played() const override
    {
        if (!sink_ || io_ == nullptr) {
            return 0;
        }
        const qsizetype held = std::max<qsizetype>(0, sink_->bufferSize() - sink_->bytesFree());
        return std::max(0L, static_cast<long>((written_ - held) / kFrameBytes));
    }

    long Queued() const override { return queued_; }

private:
    void Feed()
    {
        while (io_ != nullptr && !pending_.isEmpty()) {
            const qsizetype room = sink_->bytesFree() / kFrameBytes * kFrameBytes;
            if (room <= 0) {
                return;
            }
            const qint64 wrote = io_->write(pending_.constData(), std::min(room, pending_.size()));
            if (wrote <= 0) {
                return;
            }
            written_ += static_cast<long>(wrote);
            pending_.remove(0, static_cast<qsizetype>(wrote));
        }
        if (pending_.isEmpty()) {
            feeding_.stop();
        }
    }

    QAudioDevice device_;
    QAudioFormat format_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* io_ = nullptr;
    QByteArray pending_;
    QTimer feeding_;
    QTimer idle_;
    long queued_ = 0;
    long written_ = 0; // bytes
};

} // namespace

extern "C" Q_DECL_EXPORT quarn::ToneOutput* QuarnMakeToneOutput()
{
    return new QtToneOutput;
}
