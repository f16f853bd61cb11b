#pragma once

#include "board/board.h"
#include "features/files/pattern_file.h"
#include "pattern/pattern.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace quarn {

// Patterns in and out of the window, as text: Copy puts the board on the clipboard as RLE,
// Paste loads the clipboard's text, Open and Save open and save files, OpenExample loads one
// of the examples that come with the program (by its name), and a file or text dropped on the
// window loads it. What a load does to the board is the window's business: it hears of a pattern
// read by PatternRead.
class PatternTransfer : public QObject
{
    Q_OBJECT

public:
    PatternTransfer(QWidget& window, const Board& board);

    // Reads the file, named as the system has it, and loads its pattern: at once for a regular
    // file, as it comes for a pipe. On failure nothing changes, and a warning box and standard
    // error say why.
    void OpenFile(const QByteArray& path);

    void Copy();
    void Paste();
    void Open();
    void Save();
    void OpenExample(const QString& name);

    // Where Save As would suggest saving now, and the name of the pattern opened or saved last
    // without its extension, if any: other files saved from the board start where Save As does.
    QString SuggestedFolder() const;
    QString SuggestedName() const;

signals:
    // A pattern was read and placed: its live cells on the field, counted from 0.
    void PatternRead(const std::vector<Cell>& cells);
    // What a copy or a save did, in words for a screen reader.
    void Said(const QString& words);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString AskOpenName();
    QString AskSaveName();
    bool Load(const QByteArray& text, const QString& source);
    bool Write(const QString& path, Pattern pattern);
    void Remember(const QString& path);
    // What went wrong, and why or where.
    void Warn(const QString& what, const QString& why);

    QWidget& window_;
    const Board& board_;
    PatternFile file_;
    QString lastFolder_;
    QString lastName_; // of the pattern file opened or saved last
};

} // namespace quarn
