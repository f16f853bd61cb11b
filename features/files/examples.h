#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quarn {

// The example patterns that come with the program: built into it, so that every build offers
// them, and installed beside it, so that the Open dialog can offer their folder. An example is
// known by the name it gives itself ("!Name: Glider"), or else by its file's.
class Examples
{
public:
    // Every example's name, in alphabetical order, and as a person reads it in their language.
    static QStringList Names();
    static QString Title(const QString& name);

    // An example as read: its file's name ("glider.cells"), and its text or why it could not
    // be read.
    struct Opened
    {
        QString fileName;
        QByteArray text;
        QString error; // empty if it was read
    };
    static Opened Open(const QString& name);

    // Where the examples are installed, if they are.
    static QString InstalledFolder();

private:
    // The built-in file of the example with this name, if there is one.
    static QString PathOf(const QString& name);
};

} // namespace quarn
