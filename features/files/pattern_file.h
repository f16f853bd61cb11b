#pragma once

#include "features/files/pattern_file_reader.h"
#include "pattern/pattern.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <vector>

namespace quarn {

// A pattern file read and placed as a load places it on the board: at once for a regular file,
// as it comes for a pipe. Placed or Refused follows; Refused says, in the person's language,
// what went wrong and why or where, as a warning says it.
class PatternFile : public QObject
{
    Q_OBJECT

public:
    explicit PatternFile(QObject* parent = nullptr);

    // The file named as the system has it, which need not be valid UTF-8. A read still under
    // way is abandoned.
    void Open(const QByteArray& path);
    // The name of the file opened last, as a person knows it.
    QString Name() const;

signals:
    // Its live cells on the field, counted from 0.
    void Placed(const std::vector<Cell>& cells);
    void Refused(const QString& what, const QString& why);

private:
    PatternFileReader reader_;
    QString given_; // the path as the person gave it, which a file that cannot be opened names
    QString name_;
};

// The text's pattern placed as a load places it; or, in what and why, why it cannot be. The
// source says where the text came from, as a warning names it: "The text on the clipboard".
bool PlaceText(const QByteArray& text, const QString& source, std::vector<Cell>& cells,
               QString& what, QString& why);

} // namespace quarn
