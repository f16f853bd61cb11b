#pragma once

#include <QByteArray>
#include <QString>

namespace quarn {

// Writes the bytes to the file whole, or not at all: through a QSaveFile, so that a failed write
// leaves no half-written file and an existing one as it was. Gives why it failed, in the words of
// the system, or an empty string once the bytes are safely on the disk.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace quarn
