#pragma once

#include <QByteArray>

namespace quarn {

// Prints what is on the board that the file makes, placed as Open places it: a summary, a line
// for each object and what becomes of the board, in the person's language. A file that cannot
// be read is refused on standard error in the words Open uses. Runs the application's event
// loop until the file is read, as a pipe may take a while; gives the status to exit with.
int PrintDescription(const QByteArray& file);
// Prints the moments of the run of the board that the file makes, as PrintDescription opens it:
// one a line, each beginning with its step, the fate last.
int PrintMoments(const QByteArray& file);

} // namespace quarn
