#include "features/files/whole_file.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace quarn {

// Unbuffered, and every step checked: a buffered write that fails only when commit() flushes it
// has gone unreported on Qt 6.4, putting an empty file in place of the old one.
QString WriteWholeFile(const QString& path, const QByteArray& bytes)
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
        why = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!complete || !file.commit()) {
        why = file.errorString();
    }
    if (!why.isEmpty()) {
        file.cancelWriting();
    }
    return why;
}

} // namespace quarn
