#pragma once

#include <QDialog>

namespace quarn {

// A window of the program's own that stands beside the main window, which it belongs to: not
// modal, and the first time it opens, placed where it covers nothing of the main window nor of
// the other such windows open: to the right, else to the left, else below. Where none of those
// has room it is made smaller to fit beside the main window; where not even that fits, it goes
// over the board, never over the buttons and the count. Where the person moves it, it stays.
class SideWindow : public QDialog
{
    Q_OBJECT

public:
    // Over the board, the widget that shows it, if it must.
    SideWindow(QWidget& owner, const QWidget& board);

protected:
    // Shows the window, the first time as wide as wanted within reason, or brings it to the
    // front; whether it was hidden until now.
    bool Present(int wantedWidth);

private:
    void Place(int wantedWidth);
    QSize Least();
    // Where it would stand beside the main window, if anywhere.
    bool PlaceBeside(const QSize& client, const QSize& frame, const QRect& screen,
                     const QRect& owner);

    const QWidget& board_;
    bool placed_ = false;
};

} // namespace quarn
