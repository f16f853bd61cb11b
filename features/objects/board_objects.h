#pragma once

#include "board/board.h"
#include "census/census.h"
#include "census/description.h"
#include "census/fate.h"
#include "census/field.h"
#include "census/run_model.h"

#include <QObject>
#include <QString>

class QWidget;

namespace quarn {

// The census of the board for a person: what is on it and what becomes of it, said on request;
// its objects one by one from the keyboard's cursor; and a tooltip over each object's cells. What
// it says goes out by Said, and shows in a tip beside the cursor's cell for whoever can see it;
// the cursor's moves go out by CursorRequested.
class BoardObjects : public QObject
{
    Q_OBJECT

public:
    // Shows its tips over the widget that shows the board.
    // What becomes of the board is read from the run the program shares.
    BoardObjects(QWidget& area, const Board& board, const RunModel& run);

    // The census and the fate of the board as it is now, and the two in words. The census is
    // taken afresh only when the board has changed, the fate once for the way it is on.
    const Census& Now();
    const Fate& FateNow() const;
    Description DescriptionNow();
    const RunRecord& Record() const;
    // The widget that shows the board.
    QWidget& Area() const;

    // A line of the census in the person's language.
    static QString Words(const Message& message);

    // What is on the board and what becomes of it, said in one, with the cursor on this cell;
    // while the trail shows, how much of the board life has reached since the reset too; and
    // last, the words given, if any.
    void Describe(int row, int column, const QString& last = {});
    void ShowTrail(bool shown);
    // The object after (or before) the one at or after the cell, in reading order, round from
    // the last to the first: the cursor is sent to its first live cell, and its line said with
    // where the cursor went.
    void Visit(int row, int column, bool backwards);

signals:
    void Said(const QString& words);
    void CursorRequested(int row, int column);
    // The object Visit went to, by its first live cell.
    void Visited(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Words said shown too, in a tip beside the cell.
    void Tell(const QString& words, int row, int column);

    QWidget& area_;
    const Board& board_;
    const RunModel& run_;
    Field seen_;           // the field the census was taken of
    bool counted_ = false; // whether there is a census of it yet
    Census census_;
    bool trail_ = false;
};

} // namespace quarn
