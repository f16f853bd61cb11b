#pragma once

#include "board/board.h"

#include <QObject>
#include <QString>

class QWidget;

namespace quarn {

// Says what the board now holds, once, to assistive technology, for the things a sighted player
// sees at a glance: a cell switched, a fill, a load, a stop, the count on request. What it says
// goes out by Said to the widget that shows the count, which assistive technology sees as a
// status bar holding a notification; a screen reader reads such a notification when it appears,
// without taking the focus from where it is. A running board says nothing per generation.
class Announcer : public QObject
{
    Q_OBJECT

public:
    Announcer(QWidget& status, const Board& board);

    // The last thing said.
    QString Message() const;
    QString LiveCount() const;

    void Toggled(int row, int column);
    // After a fill or a load: what it was, and what the board now holds.
    void Filled(const QString& what);
    void Started();
    void Stopped();
    // After undo or redo: the entry, and the board it brought back.
    void Restored(const QString& entry);
    void Status();
    // Words of another feature's, as they are.
    void Say(const QString& message);

signals:
    // Only while assistive technology is listening.
    void Said(const QString& message);

private:
    QWidget& status_;
    const Board& board_;
    QString message_;
};

} // namespace quarn
