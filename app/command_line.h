#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quarn {

// What the command line asks for: a file to open, to describe, to tell the moments of or to
// export, or, where it has
// been answered already (--help, --version or a mistake), the status to exit with.
struct Request
{
    QByteArray file; // as the system gives it: a name need not be valid UTF-8
    bool describe = false;
    bool moments = false;
    bool platformChosen = false;
    std::optional<int> exitStatus;
    // --export OUT, with how many generations (none: as far as the fate), how large, whether
    // with the trail, and whether with the graph beside the board or the graph alone.
    QString exportTo;
    std::optional<int> steps;
    int scale = 1;
    bool trail = false;
    bool graph = false;
    bool graphOnly = false;
};

// Reads the command line, and answers --help, --help-all, --version and a mistake on the spot,
// in the person's language. Qt's own options are let through for QApplication to read. Needs a
// QCoreApplication and the translations.
Request ParseCommandLine(int argc, char* argv[]);

} // namespace quarn
