#include "frmDisplay.h"

#include "board/checked.h"
#include "board_accessible.h"
#include "forms/font.h"
#include "rounding.h"

#include <QString>

#include <cmath>
#include <utility>

namespace {

using forms::OleColor;
using forms::TwipsRect;

constexpr int kClientWidthTwips = 7152;
constexpr int kClientHeightTwips = 5664;

constexpr std::int16_t kGridSize = 30;
constexpr std::int16_t kBoxInset = 12;
// Taken off the picture area's size before dividing it among the cells.
constexpr float kSizeAllowance = 24.0F;
constexpr int kRunInterval = 100;

constexpr OleColor kWindowColor = 0xE0E0E0;
constexpr OleColor kBoardColor = 0xC0C0C0;
constexpr OleColor kLiveColor = 0x00FFFF; // yellow
constexpr OleColor kDeadColor = 0x000000;
constexpr OleColor kOutlineColor = 0x000000;

constexpr double kFontPoints = 12.0;

bool InField(std::int16_t index)
{
    return index >= 1 && index <= kGridSize;
}

std::int16_t CellSpan(float outerSize)
{
    return quarn::Narrow16(quarn::RoundHalfEven32(outerSize - kSizeAllowance) / kGridSize,
                           "cell size");
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent) : frmDisplay(nullptr, parent) {}

frmDisplay::frmDisplay(std::unique_ptr<quarn::RandomSource> random, QWidget* parent)
    : forms::Form(QStringLiteral("Game of Quarn"), kClientWidthTwips, kClientHeightTwips,
                  kWindowColor, parent),
      board_(random ? quarn::Board(std::move(random)) : quarn::Board()),
      picFrame(kBoardColor, this), cmdAllOn(QStringLiteral("All On"), this),
      cmdAllOff(QStringLiteral("All Off"), this), cmdRandom(QStringLiteral("Random"), this),
      cmdOneStep(QStringLiteral("1 Step"), this), cmdGo(QStringLiteral("Go"), this),
      cmdStop(QStringLiteral("Stop"), this), lblStepCount(this), timer(this)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&frmDisplay::AccessibleFactory);
        return true;
    }();
    static_cast<void>(factoryInstalled);

    LayOut();
    ConnectHandlers();
}

// Assistive technology sees the picture area as the table of cells it shows.
QAccessibleInterface* frmDisplay::AccessibleFactory(const QString& /*className*/, QObject* object)
{
    auto* area = qobject_cast<forms::PictureBox*>(object);
    auto* display = area != nullptr ? qobject_cast<frmDisplay*>(area->parentWidget()) : nullptr;
    if (display == nullptr || area != &display->picFrame) {
        return nullptr;
    }
    return new BoardAccessible(
        area,
        [display](int row, int column) {
            return display->board_.CellAt(static_cast<std::int16_t>(row),
                                          static_cast<std::int16_t>(column)) != 0;
        },
        [display](int row, int column) { return display->CellSlot(row, column); });
}

// The slot a cell occupies in the picture area, in logical pixels.
QRect frmDisplay::CellSlot(int row, int column) const
{
    std::int16_t cw = 0;
    std::int16_t ch = 0;
    GetCellSize(cw, ch);
    const auto pixels = [](double twips) {
        return static_cast<int>(std::lround(twips / forms::kTwipsPerPixel));
    };
    return {pixels((column - 1) * cw), pixels((row - 1) * ch), pixels(cw), pixels(ch)};
}

const quarn::Board& frmDisplay::board() const
{
    return board_;
}

quarn::Board& frmDisplay::MutableBoard()
{
    return board_;
}

void frmDisplay::LayOut()
{
    picFrame.setObjectName(QStringLiteral("picFrame"));
    picFrame.Move(TwipsRect{120, 120, 5000, 5000});

    const QFont font = forms::DialogFont(kFontPoints);
    const std::pair<forms::CommandButton*, TwipsRect> buttons[] = {
        {&cmdAllOn, {5520, 120, 1452, 492}},   {&cmdAllOff, {5520, 720, 1452, 492}},
        {&cmdRandom, {5520, 1320, 1452, 492}}, {&cmdOneStep, {5520, 1920, 1452, 492}},
        {&cmdGo, {5520, 2520, 1455, 495}},     {&cmdStop, {5520, 3120, 1452, 492}},
    };
    for (const auto& [button, rect] : buttons) {
        forms::PlaceInTwips(*button, rect);
        button->setFont(font);
    }
    cmdAllOn.setObjectName(QStringLiteral("cmdAllOn"));
    cmdAllOff.setObjectName(QStringLiteral("cmdAllOff"));
    cmdRandom.setObjectName(QStringLiteral("cmdRandom"));
    cmdOneStep.setObjectName(QStringLiteral("cmdOneStep"));
    cmdGo.setObjectName(QStringLiteral("cmdGo"));
    cmdStop.setObjectName(QStringLiteral("cmdStop"));

    lblStepCount.setObjectName(QStringLiteral("lblStepCount"));
    forms::PlaceInTwips(lblStepCount, TwipsRect{5520, 3720, 1452, 492});
    lblStepCount.setFont(font);
    lblStepCount.Caption(QStringLiteral("Steps: 0"));

    timer.setObjectName(QStringLiteral("timer"));

    // "Go" comes last, after "Stop".
    setTabOrder(&cmdAllOn, &cmdAllOff);
    setTabOrder(&cmdAllOff, &cmdRandom);
    setTabOrder(&cmdRandom, &cmdOneStep);
    setTabOrder(&cmdOneStep, &cmdStop);
    setTabOrder(&cmdStop, &cmdGo);
    cmdAllOn.setFocus();
}

void frmDisplay::ConnectHandlers()
{
    connect(this, &forms::Form::Load, this, &frmDisplay::Form_Load);
    connect(&cmdAllOn, &forms::CommandButton::Click, this, &frmDisplay::cmdAllOn_Click);
    connect(&cmdAllOff, &forms::CommandButton::Click, this, &frmDisplay::cmdAllOff_Click);
    connect(&cmdRandom, &forms::CommandButton::Click, this, &frmDisplay::cmdRandom_Click);
    connect(&cmdOneStep, &forms::CommandButton::Click, this, &frmDisplay::cmdOneStep_Click);
    connect(&cmdGo, &forms::CommandButton::Click, this, &frmDisplay::cmdGo_Click);
    connect(&cmdStop, &forms::CommandButton::Click, this, &frmDisplay::cmdStop_Click);
    connect(&picFrame, &forms::PictureBox::MouseDown, this, &frmDisplay::picFrame_MouseDown);
    connect(&timer, &forms::IntervalTimer::Timer, this, &frmDisplay::timer_Timer);
}

// --- Procedures ------------------------------------------------------------------------------

void frmDisplay::NextGeneration()
{
    board_.Step();
    DrawAll();
}

void frmDisplay::SetAll(std::int16_t value)
{
    board_.FillAll(value);
    timer.Interval(0);
    board_.ResetCount();
    DrawAll();
}

void frmDisplay::DrawAll()
{
    for (std::int16_t row = 1; row <= kGridSize; ++row) {
        for (std::int16_t column = 1; column <= kGridSize; ++column) {
            DrawCell(row, column);
        }
    }
    lblStepCount.Caption(QStringLiteral("Steps: ") + QString::number(board_.StepCount()));
    BoardAccessible::NotifyChanged(&picFrame, 1, 1, kGridSize, kGridSize);
}

void frmDisplay::DrawCell(std::int16_t row, std::int16_t column)
{
    using quarn::CheckedAdd;
    using quarn::CheckedMul;
    using quarn::CheckedSub;

    std::int16_t cw = 0;
    std::int16_t ch = 0;
    GetCellSize(cw, ch);
    const std::int16_t left = CheckedMul(CheckedSub(column, 1), cw);
    const std::int16_t top = CheckedMul(CheckedSub(row, 1), ch);

    picFrame.FillColor(board_.CellAt(row, column) != 0 ? kLiveColor : kDeadColor);
    picFrame.Line(CheckedAdd(left, kBoxInset), CheckedAdd(top, kBoxInset),
                  CheckedSub(CheckedAdd(left, cw), kBoxInset),
                  CheckedSub(CheckedAdd(top, ch), kBoxInset), kOutlineColor);
}

void frmDisplay::GetCellSize(std::int16_t& cw, std::int16_t& ch) const
{
    cw = CellSpan(picFrame.Width());
    ch = CellSpan(picFrame.Height());
}

void frmDisplay::HitTest(float X, float Y, std::int16_t& row, std::int16_t& column) const
{
    std::int16_t cw = 0;
    std::int16_t ch = 0;
    GetCellSize(cw, ch);
    if (cw <= 0 || ch <= 0) {
        // An area too small to hold cells has no cell to hit.
        row = 0;
        column = 0;
        return;
    }
    row = quarn::Narrow16(quarn::RoundHalfEven32(Y) / ch + 1, "row");
    column = quarn::Narrow16(quarn::RoundHalfEven32(X) / cw + 1, "column");
}

// --- Event handlers --------------------------------------------------------------------------

void frmDisplay::Form_Load()
{
    board_.ResetCount();
    timer.Interval(0);
    DrawAll();
}

void frmDisplay::cmdAllOn_Click()
{
    SetAll(1);
}

void frmDisplay::cmdAllOff_Click()
{
    SetAll(0);
}

void frmDisplay::cmdRandom_Click()
{
    board_.FillRandom();
    timer.Interval(0);
    board_.ResetCount();
    DrawAll();
}

void frmDisplay::cmdOneStep_Click()
{
    NextGeneration();
}

void frmDisplay::cmdGo_Click()
{
    timer.Interval(kRunInterval);
}

void frmDisplay::cmdStop_Click()
{
    timer.Interval(0);
}

void frmDisplay::picFrame_MouseDown(int Button, int Shift, float X, float Y)
{
    static_cast<void>(Button); // any button toggles
    static_cast<void>(Shift);
    std::int16_t row = 0;
    std::int16_t column = 0;
    HitTest(X, Y, row, column);
    // The strip past the last row and column maps to the ring round the field, which the
    // window never changes.
    if (!InField(row) || !InField(column)) {
        return;
    }
    board_.ToggleCell(row, column);
    DrawCell(row, column);
    BoardAccessible::NotifyChanged(&picFrame, row, column, row, column);
}

void frmDisplay::timer_Timer()
{
    NextGeneration();
}
