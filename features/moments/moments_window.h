#pragma once

#include "features/moments/moments_model.h"
#include "features/windows/side_window.h"

#include <QLabel>
#include <QListView>

#include <vector>

namespace quarn {

// The window of moments: a line for each moment of the way the board is on, in step order, those
// the board has passed told apart from those ahead, and the latest passed the current row. It
// follows the board: a new way, a new list. Choosing a line, by Enter or a double click, asks for
// the board to be taken to its step.
class MomentsWindow : public SideWindow
{
    Q_OBJECT

public:
    MomentsWindow(QWidget& owner, const QWidget& board);

    void OpenOrRaise();
    // The moments of the way, or none while they are being found; and the step the board is at.
    void SetMoments(std::vector<MomentsModel::Row> rows, bool found);
    void SetNow(int step);

signals:
    void Chosen(int step);

private:
    // What it shows is brought up to date while it is open, and as it opens: a hidden list that
    // changed would still be told to assistive technology.
    void Show();

    std::vector<MomentsModel::Row> rows_;
    bool found_ = false;
    bool shownRows_ = false; // the rows above are the list's
    int now_ = 0;
    QLabel heading_;
    MomentsModel model_;
    QListView list_;
};

} // namespace quarn
