#pragma once

#include "board/board.h"
#include "pattern/pattern.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

// Patterns in and out of the window, as text: Ctrl+C copies the board as RLE, Ctrl+V loads the
// clipboard's text, Ctrl+O and Ctrl+S open and save files, and a file or text dropped on the
// window loads it. What a load does to the board is the window's business, through the loader.
class PatternIo : public QObject
{
    Q_OBJECT

public:
    // Puts the given cells (0-based, in the field) on a cleared board.
    using Loader = std::function<void(const std::vector<quarn::Cell>&)>;

    PatternIo(QWidget& window, const quarn::Board& board, Loader load);

    // Reads the file and loads its pattern. On failure nothing changes, and a warning box and
    // standard error say why.
    bool OpenFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Copy();
    void Paste();
    void Open();
    void Save();
    bool Load(const QByteArray& text, const QString& source);
    bool Write(const QString& path);
    quarn::Pattern BoardPattern() const;
    // What went wrong, and why or where.
    void Warn(const QString& what, const QString& why);

    QWidget& window_;
    const quarn::Board& board_;
    Loader load_;
};
