#include "features/files/pattern_file_reader.h"

#include "pattern/pattern_reader.h"

#include <QFile>
#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quarn {

namespace {

// One byte past what the pattern reader takes: enough to tell that a file is too large.
constexpr auto kLimit = static_cast<qsizetype>(kMaxPatternText);

QString TooLarge()
{
    return PatternFileReader::tr(
        "The file is larger than 1 MiB, far more than any pattern for this board needs.");
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
}

bool IsFolder(const QByteArray& path)
{
    struct stat info = {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Why a name that stat() refused leads to no file, as precisely as the system can say it.
QString Unreachable(const QByteArray& path, int error)
{
    if (error != ENOENT) {
        return SystemReason(error); // a loop of links, a file where a folder should be, ...
    }
    const QString name = QFile::decodeName(path);
    if (name.contains(QChar::ReplacementCharacter)) {
        return PatternFileReader::tr("Its name is not valid UTF-8, and was lost on the way here.");
    }
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : path.left(slash > 0 ? slash : 1);
    if (!IsFolder(folder)) {
        return PatternFileReader::tr("There is no folder “%1”.").arg(QFile::decodeName(folder));
    }
    return PatternFileReader::tr("There is no such file.");
}

// Why a pipe was given up on: nothing came, or it stopped sending part of the way.
QString Silent(qsizetype arrived)
{
    const int seconds = PatternFileReader::kPipeSilenceMs / 1000;
    if (arrived == 0) {
        return PatternFileReader::tr("It is a pipe, and nothing came through it for %n seconds.",
                                     nullptr, seconds);
    }
    return PatternFileReader::tr("It is a pipe that stopped sending after %n bytes: nothing more "
                                 "came for %1 seconds.",
                                 nullptr, static_cast<int>(std::min<qsizetype>(arrived, INT_MAX)))
        .arg(seconds);
}

// What a file of this type is, if it is not one to read a pattern from.
QString Refusal(mode_t mode)
{
    if (S_ISREG(mode) || S_ISFIFO(mode)) {
        return {};
    }
    if (S_ISDIR(mode)) {
        return PatternFileReader::tr("It is a folder, not a file.");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return PatternFileReader::tr("It is a device, not a file.");
    }
    if (S_ISSOCK(mode)) {
        return PatternFileReader::tr("It is a socket, not a file.");
    }
    return PatternFileReader::tr("It is not a file.");
}

} // namespace

PatternFileReader::PatternFileReader(QObject* parent)
    : QObject(parent)
{
    silence_.setSingleShot(true);
    silence_.setInterval(kPipeSilenceMs);
    connect(&silence_, &QTimer::timeout, this, [this] { Fail(Silent(text_.size())); });
}

PatternFileReader::~PatternFileReader()
{
    Close();
}

void PatternFileReader::Start(const QByteArray& path)
{
    Close();
    text_.clear();
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0) {
        Fail(Unreachable(path, errno));
        return;
    }
    if (const QString refusal = Refusal(info.st_mode); !refusal.isEmpty()) {
        Fail(refusal);
        return;
    }
    if (S_ISREG(info.st_mode) && info.st_size > kLimit) {
        Fail(TooLarge());
        return;
    }
    // Without waiting: opening a pipe would otherwise block until something opens it to write.
    fd_ = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        Fail(SystemReason(errno));
        return;
    }
    // What was opened, which need not be what was looked at a moment ago.
    if (::fstat(fd_, &info) != 0) {
        Fail(SystemReason(errno));
        return;
    }
    if (const QString refusal = Refusal(info.st_mode); !refusal.isEmpty()) {
        Fail(refusal);
        return;
    }
    if (S_ISFIFO(info.st_mode)) {
        // Nothing is read until the pipe says it has something: a pipe that no writer has
        // opened yet reads as empty, not as waiting.
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &PatternFileReader::ReadPipe);
        silence_.start();
        return;
    }
    Drain();
}

void PatternFileReader::ReadPipe()
{
    silence_.start();
    Drain();
}

// Reads all there is for now, and finishes at the end of the file.
void PatternFileReader::Drain()
{
    std::array<char, 16384> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        if (got > 0) {
            text_.append(buffer.data(), got);
            if (text_.size() > kLimit) {
                Fail(TooLarge());
                return;
            }
        } else if (got == 0) {
            Finish();
            return;
        } else if (errno != EINTR) {
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                Fail(SystemReason(errno));
            }
            return;
        }
    }
}

// The text is handed over as a copy of its own: what receives it may start another read.
void PatternFileReader::Finish()
{
    Close();
    const QByteArray text = std::exchange(text_, {});
    emit Read(text);
}

void PatternFileReader::Fail(const QString& why)
{
    Close();
    text_.clear();
    emit Failed(why);
}

void PatternFileReader::Close()
{
    notifier_.reset();
    silence_.stop();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace quarn
