#pragma once

#include <QByteArray>
#include <QString>

namespace quarn {

// Writes the bytes to the file whole, or not at all: through a QSaveFile, so that a failed write
// leaves no half-written file and an existing one as it was. A name that leads (through links,
// if any) to a pipe or a character device is written into, never replaced, and only while
// something reads it; anything else that is not a regular file is left alone. Gives why it
// failed, in the person's language or the words of the system, or an empty string once the
// bytes are safely on the disk or taken by the reader.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Whether the two names lead, through links, to the same file that exists.
bool SameFile(const QByteArray& one, const QByteArray& other);

} // namespace quarn
