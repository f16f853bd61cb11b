#pragma once

#include <QColor>
#include <QObject>
#include <QRectF>

#include <functional>

class QKeyEvent;
class QPalette;

namespace forms {
class PictureBox;
}

// The keyboard's place on the board: a cursor cell that the arrow keys, Home, End, Page Up and
// Page Down move and that Space or Enter toggles. While the board has the focus, a ring in the
// gap round the cursor's box marks it, once the keyboard is in use: after Tab or Shift+Tab has
// brought the focus, or a key has been pressed on the board, but not at start or after a click.
class BoardCursor : public QObject
{
    Q_OBJECT

public:
    // Where the box of a cell (1-based) lies in the area, in twips, as the window draws it.
    using BoxLocator = std::function<QRectF(int row, int column)>;

    BoardCursor(forms::PictureBox& area, BoxLocator box);

    int Row() const;
    int Column() const;

    // A click on a cell: the cursor follows it if the board has the focus, and the ring goes
    // until the keyboard is used again.
    void Clicked(int row, int column);

    // At least 3:1 against both the silver gap and a black box, as WCAG 2.2 asks of a focus
    // indicator: the palette's highlight where it manages that, a fixed blue where not.
    static QColor RingColour(const QPalette& palette);

signals:
    void ToggleRequested(int row, int column);
    // The cursor moved while the board has the focus.
    void Moved(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(const QKeyEvent& key);
    void MoveTo(int row, int column);
    void ShowRing(bool shown);
    void UpdateRing();

    forms::PictureBox& area_;
    BoxLocator box_;
    int row_ = 1;
    int column_ = 1;
    bool ringShown_ = false;
};
