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
constexpr int kFeedEveryMs = 10;

class QtToneOutput final : public QObject, public quarn::ToneOutput
{
public:
    QtToneOutput()
    {
        feeding_.setInterval(kFeedEveryMs);
        QObject::connect(&feeding_, &QTimer::timeout, this, [this] { Feed(); });
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
        sink_ = std::make_unique<QAudioSink>(device, format);
        // A tenth of a second ahead: enough not to stutter, little enough for the marker to keep
        // up with what is heard.
        sink_->setBufferSize(quarn::ToneOutput::kRate / 10 * kFrameBytes);
        return true;
    }

    void Queue(const std::vector<std::int16_t>& samples) override
    {
        if (!sink_) {
            return;
        }
        if (io_ == nullptr) {
            io_ = sink_->start();
        }
        pending_.append(reinterpret_cast<const char*>(samples.data()),
                        static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)));
        queued_ += static_cast<long>(samples.size() / 2);
        Feed();
        feeding_.start();
    }

    void Clear() override
    {
        feeding_.stop();
        pending_.clear();
        queued_ = 0;
        if (sink_) {
            sink_->stop();
        }
        io_ = nullptr;
    }

    long Played() const override
    {
        if (!sink_ || io_ == nullptr) {
            return 0;
        }
        const long played =
            static_cast<long>(sink_->processedUSecs() * quarn::ToneOutput::kRate / 1000000);
        return std::min(played, queued_);
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
            pending_.remove(0, static_cast<qsizetype>(wrote));
        }
        if (pending_.isEmpty()) {
            feeding_.stop();
        }
    }

    std::unique_ptr<QAudioSink> sink_;
    QIODevice* io_ = nullptr;
    QByteArray pending_;
    QTimer feeding_;
    long queued_ = 0;
};

} // namespace

extern "C" Q_DECL_EXPORT quarn::ToneOutput* QuarnMakeToneOutput()
{
    return new QtToneOutput;
}
