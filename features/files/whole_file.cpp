#include "features/files/whole_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarn {

namespace {

QString SystemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A pipe or a device takes the bytes as they come: there is no old file to keep whole, and a
// file put in its place would cut off whatever reads it. Opened without waiting, so that a pipe
// nobody reads says so rather than hangs the program.
QString WriteInto(const QByteArray& name, const QByteArray& bytes)
{
    const int handle = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        return errno == ENXIO ? QCoreApplication::translate(
                                    "WholeFile", "It is a pipe, and nothing is reading from it.")
                              : SystemWords(errno);
    }
    // Once something reads, the bytes wait for it as a pipe's writer waits.
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    const char* next = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    QString why;
    while (left > 0 && why.isEmpty()) {
        const ssize_t wrote = ::write(handle, next, left);
        if (wrote < 0 && errno != EINTR) {
            why = SystemWords(errno);
        } else if (wrote > 0) {
            next += wrote;
            left -= static_cast<std::size_t>(wrote);
        }
    }
    if (::close(handle) != 0 && why.isEmpty()) {
        why = SystemWords(errno);
    }
    return why;
}

// Unbuffered, and every step checked: a buffered write that fails only when commit() flushes it
// has gone unreported on Qt 6.4, putting an empty file in place of the old one.
QString WriteSafely(const QString& path, const QByteArray& bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    QSaveFile file(path);
    qint64 written = 0;
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // On after a short write: the write after it fails and says why.
    while (opened && written < size) {
        const qint64 wrote = file.write(bytes.constData() + written, size - written);
        if (wrote <= 0) {
            break;
        }
        written += wrote;
    }
    const bool complete = written == size && file.flush();
    QString why;
    if (complete && ::fsync(file.handle()) != 0) {
        why = SystemWords(errno);
    } else if (!complete || !file.commit()) {
        why = file.errorString();
    }
    if (!why.isEmpty()) {
        file.cancelWriting();
    }
    return why;
}

} // namespace

QString WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return WriteSafely(path, bytes);
    }
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
        return WriteInto(name, bytes);
    }
    if (S_ISDIR(status.st_mode)) {
        return QCoreApplication::translate("WholeFile", "It is a folder.");
    }
    return QCoreApplication::translate("WholeFile",
                                       "It is not a regular file, and is left as it is.");
}

bool SameFile(const QByteArray& one, const QByteArray& other)
{
    struct stat first = {};
    struct stat second = {};
    return ::stat(one.constData(), &first) == 0 && ::stat(other.constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace quarn
