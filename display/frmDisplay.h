#pragma once

#include "board/board.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/interval_timer.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <QAccessible>

#include <cstdint>
#include <memory>

// The program's one window: the board on the left, the commands and the generation count in a
// column on the right. It owns the board for as long as it exists; everything shown is drawn
// from the board.
class frmDisplay : public forms::Form
{
    Q_OBJECT

public:
    explicit frmDisplay(QWidget* parent = nullptr);
    // For a chosen random source, as tests want.
    explicit frmDisplay(std::unique_ptr<quarn::RandomSource> random, QWidget* parent = nullptr);

    const quarn::Board& board() const;

protected:
    // Lets tests put the board into states a person could only reach slowly, such as a count
    // near its limit. The picture is not redrawn by this.
    quarn::Board& MutableBoard();

    // The window's procedures, open to subclasses so that benchmarks can time each one alone.
    void NextGeneration();
    void SetAll(std::int16_t value);
    void DrawAll();
    void DrawCell(std::int16_t row, std::int16_t column);
    void GetCellSize(std::int16_t& cw, std::int16_t& ch) const;
    void HitTest(float X, float Y, std::int16_t& row, std::int16_t& column) const;

private:
    static QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

    void LayOut();
    void ConnectHandlers();
    QRect CellSlot(int row, int column) const;

    void Form_Load();
    void cmdAllOn_Click();
    void cmdAllOff_Click();
    void cmdRandom_Click();
    void cmdOneStep_Click();
    void cmdGo_Click();
    void cmdStop_Click();
    void picFrame_MouseDown(int Button, int Shift, float X, float Y);
    void timer_Timer();

    quarn::Board board_;

    forms::PictureBox picFrame;
    forms::CommandButton cmdAllOn;
    forms::CommandButton cmdAllOff;
    forms::CommandButton cmdRandom;
    forms::CommandButton cmdOneStep;
    forms::CommandButton cmdGo;
    forms::CommandButton cmdStop;
    forms::Label lblStepCount;
    forms::IntervalTimer timer;
};
