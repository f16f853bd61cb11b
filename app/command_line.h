#pragma once

#include <QByteArray>

#include <optional>

namespace quarn {

// What the command line asks for: a file to open or to describe, or, where it has been answered
// already (--help, --version or a mistake), the status to exit with.
struct Request
{
    QByteArray file; // as the system gives it: a name need not be valid UTF-8
    bool describe = false;
    bool platformChosen = false;
    std::optional<int> exitStatus;
};

// Reads the command line, and answers --help, --help-all, --version and a mistake on the spot,
// in the person's language. Qt's own options are let through for QApplication to read. Needs a
// QCoreApplication and the translations.
Request ParseCommandLine(int argc, char* argv[]);

} // namespace quarn
