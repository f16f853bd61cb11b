#pragma once

#include "board/board.h"
#include "display/forms/form.h"
#include "display/forms/interval_timer.h"
#include "display/forms/picture_box.h"
#include "features/access/announcer.h"
#include "features/access/board_access.h"
#include "features/editing/board_cursor.h"
#include "features/editing/board_stroke.h"
#include "features/editing/button_keys.h"
#include "features/editing/history.h"
#include "features/files/pattern_transfer.h"
#include "features/menus/menus.h"
#include "features/objects/board_objects.h"
#include "features/objects/objects_window.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <cstdint>
#include <vector>

namespace quarn {

// The program's one window: the board on the left, the commands and the generation count in a
// column on the right. It owns the board for as long as it exists; everything shown is drawn
// from the board.
class frmDisplay : public forms::Form
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget* parent = nullptr);

    const Board& board() const;

    // Loads the pattern in the file, as a fill would; see PatternTransfer::OpenFile.
    void OpenPattern(const QByteArray& path);

signals:
    // What the window tells its features, which ConnectHandlers connects them to: the whole
    // board has been drawn, one cell has toggled, a file is to be opened.
    void BoardDrawn();
    void CellToggled(int row, int column);
    void PatternFileGiven(const QByteArray& path);

private:
    // The markers over the board, each round one box at most.
    enum Marker
    {
        kCursorMarker,
        kObjectMarker,
    };

    static QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

    void LayOut();
    void ConnectHandlers();
    // A marker round the boxes of the cells from (top, left) to (bottom, right).
    void MarkCells(Marker marker, int top, int left, int bottom, int right, const QColor& color);

    void NextGeneration();
    void SetAll(std::int16_t value);
    void LoadCells(const std::vector<Cell>& cells);
    void ShowState(const BoardState& state);
    void DrawAll();
    void DrawCell(std::int16_t row, std::int16_t column);
    void GetCellBoxTwips(std::int16_t row, std::int16_t column, std::int16_t& x1, std::int16_t& y1,
                         std::int16_t& x2, std::int16_t& y2) const;
    void ToggleCell(std::int16_t row, std::int16_t column);
    void GetCellSize(std::int16_t& cw, std::int16_t& ch) const;
    void HitTest(float X, float Y, std::int16_t& row, std::int16_t& column) const;

    void Form_Load();
    void cmdAllOn_Click();
    void cmdAllOff_Click();
    void cmdRandom_Click();
    void cmdOneStep_Click();
    void cmdGo_Click();
    void cmdStop_Click();
    void picFrame_MouseDown(int Button, int Shift, float X, float Y);
    void timer_Timer();

    Board board_;

    QMenuBar menuBar_;
    forms::PictureBox picFrame;
    QPushButton cmdAllOn;
    QPushButton cmdAllOff;
    QPushButton cmdRandom;
    QPushButton cmdOneStep;
    QPushButton cmdGo;
    QPushButton cmdStop;
    QLabel lblStepCount;
    forms::IntervalTimer timer;

    // The program's own features, each told what it needs by the connections made in
    // ConnectHandlers, and each answering by its signals.
    Menus menus_;
    PatternTransfer transfer_;
    BoardCursor cursor_;
    BoardAccess access_;
    ButtonKeys buttonKeys_;
    BoardStroke stroke_;
    History history_;
    Announcer announcer_;
    BoardObjects objects_;
    ObjectsWindow objectsWindow_;
};

} // namespace quarn
