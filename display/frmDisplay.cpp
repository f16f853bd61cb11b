#include "frmDisplay.h"

#include "board/checked.h"
#include "board_accessible.h"
#include "forms/font.h"
#include "rounding.h"

#include <QString>

#include <cmath>
#include <limits>

namespace {

using forms::OleColor;
using forms::TwipsRect;
using quarn::Board;

constexpr int kClientWidthTwips = 7152;
constexpr int kClientHeightTwips = 5664;

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

std::int16_t CellSpan(float outerSize)
{
    return quarn::Narrow16(quarn::RoundHalfEven32(outerSize - kSizeAllowance) / Board::kFieldSize,
                           "cell size");
}

// The caption when the count has the most digits it can have.
QString WidestCaption()
{
    return QStringLiteral("Steps: %1").arg(std::numeric_limits<std::int16_t>::max());
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : forms::Form(QStringLiteral("Game of Quarn"), kClientWidthTwips, kClientHeightTwips,
                  kWindowColor, parent),
      picFrame(kBoardColor, this),
      cmdAllOn(this),
      cmdAllOff(this),
      cmdRandom(this),
      cmdOneStep(this),
      cmdGo(this),
      cmdStop(this),
      lblStepCount(this),
      timer(this),
      patternIo_(*this, board_,
                 [this](const auto& cells) {
                     history_.CloseRun();
                     LoadCells(cells);
                     history_.Record(QStringLiteral("Load Pattern"));
                 }),
      cursor_(picFrame, [this](int row, int column) { return CellBox(row, column); }),
      buttonKeys_(this),
      history_(*this, board_, [this](const quarn::BoardState& state) { ShowState(state); })
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&frmDisplay::AccessibleFactory);
        return true;
    }();
    static_cast<void>(factoryInstalled);

    LayOut();
    ConnectHandlers();
}

// Assistive technology sees the window as a window, and the picture area as the table of cells
// it shows.
QAccessibleInterface* frmDisplay::AccessibleFactory(const QString& /*className*/, QObject* object)
{
    if (auto* window = qobject_cast<frmDisplay*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    auto* area = qobject_cast<forms::PictureBox*>(object);
    auto* display = area != nullptr ? qobject_cast<frmDisplay*>(area->parentWidget()) : nullptr;
    if (display == nullptr || area != &display->picFrame) {
        return nullptr;
    }
    BoardAccessible::Access access{
        [display](int row, int column) {
            return display->board_.CellAt(static_cast<std::int16_t>(row),
                                          static_cast<std::int16_t>(column)) != 0;
        },
        [display](int row, int column) { return display->CellSlot(row, column); },
        [display](int row, int column) {
            display->FlipCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
        },
        [display] { return std::pair(display->cursor_.Row(), display->cursor_.Column()); }};
    return new BoardAccessible(area, std::move(access));
}

// The box a cell is drawn as, in twips, as DrawCell draws it.
QRectF frmDisplay::CellBox(int row, int column) const
{
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
    GetCellBox(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column), x1, y1, x2, y2);
    return {QPointF(x1, y1), QPointF(x2, y2)};
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

bool frmDisplay::OpenPattern(const QString& path)
{
    return patternIo_.OpenFile(path);
}

void frmDisplay::LayOut()
{
    struct Control
    {
        QWidget* widget;
        const char* name;
        TwipsRect rect;
        const char* caption;
    };
    const Control controls[] = {
        {&picFrame, "picFrame", {120, 120, 5000, 5000}, nullptr},
        {&cmdAllOn, "cmdAllOn", {5520, 120, 1452, 492}, "All On"},
        {&cmdAllOff, "cmdAllOff", {5520, 720, 1452, 492}, "All Off"},
        {&cmdRandom, "cmdRandom", {5520, 1320, 1452, 492}, "Random"},
        {&cmdOneStep, "cmdOneStep", {5520, 1920, 1452, 492}, "1 Step"},
        {&cmdGo, "cmdGo", {5520, 2520, 1455, 495}, "Go"},
        {&cmdStop, "cmdStop", {5520, 3120, 1452, 492}, "Stop"},
        {&lblStepCount, "lblStepCount", {5520, 3720, 1452, 492}, "Steps: 0"},
    };
    const QFont font = forms::DialogFont(kFontPoints);
    for (const Control& control : controls) {
        control.widget->setObjectName(QString::fromLatin1(control.name));
        forms::PlaceInTwips(*control.widget, control.rect);
        if (control.caption != nullptr) {
            control.widget->setProperty("text", QString::fromLatin1(control.caption));
            control.widget->setFont(font);
        }
    }
    timer.setObjectName(QStringLiteral("timer"));

    // Whatever face stands in for the dialog font, the largest count must show in full.
    lblStepCount.setFont(
        forms::FitToWidth(font, WidestCaption(), lblStepCount.contentsRect().width()));

    // The board first, so that it has the focus at start; among the buttons "Go" comes last,
    // after "Stop".
    picFrame.setFocusPolicy(Qt::TabFocus);
    setTabOrder(&picFrame, &cmdAllOn);
    setTabOrder(&cmdAllOn, &cmdAllOff);
    setTabOrder(&cmdAllOff, &cmdRandom);
    setTabOrder(&cmdRandom, &cmdOneStep);
    setTabOrder(&cmdOneStep, &cmdStop);
    setTabOrder(&cmdStop, &cmdGo);
    picFrame.setFocus();
}

void frmDisplay::ConnectHandlers()
{
    // Each command leaves its entry in the history; a fill ends any run first, and "1 Step"
    // during a run belongs to it.
    const auto alone = [this](void (frmDisplay::*handler)(), const char* action) {
        return [this, handler, action] {
            history_.CloseRun();
            (this->*handler)();
            history_.Record(QString::fromLatin1(action));
        };
    };
    connect(this, &forms::Form::Load, this, &frmDisplay::Form_Load);
    connect(&cmdAllOn, &QPushButton::clicked, this, alone(&frmDisplay::cmdAllOn_Click, "All On"));
    connect(&cmdAllOff, &QPushButton::clicked, this,
            alone(&frmDisplay::cmdAllOff_Click, "All Off"));
    connect(&cmdRandom, &QPushButton::clicked, this, alone(&frmDisplay::cmdRandom_Click, "Random"));
    connect(&cmdOneStep, &QPushButton::clicked, this, [this] {
        cmdOneStep_Click();
        history_.Record(QStringLiteral("1 Step"));
    });
    connect(&cmdGo, &QPushButton::clicked, this, [this] {
        history_.RunStarted();
        cmdGo_Click();
    });
    connect(&cmdStop, &QPushButton::clicked, this, [this] {
        cmdStop_Click();
        history_.CloseRun();
    });
    connect(&picFrame, &forms::PictureBox::MouseDown, this, &frmDisplay::picFrame_MouseDown);
    connect(&picFrame, &forms::PictureBox::MouseMove, this, &frmDisplay::picFrame_MouseMove);
    connect(&picFrame, &forms::PictureBox::MouseUp, this, &frmDisplay::picFrame_MouseUp);
    connect(&timer, &forms::IntervalTimer::Timer, this, &frmDisplay::timer_Timer);

    // The keyboard's ways in: the cursor on the board, Enter on the buttons.
    connect(&cursor_, &BoardCursor::ToggleRequested, this, [this](int row, int column) {
        FlipCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    });
    connect(&cursor_, &BoardCursor::Moved, this,
            [this](int row, int column) { BoardAccessible::NotifyCursor(&picFrame, row, column); });
    for (QPushButton* button : {&cmdAllOn, &cmdAllOff, &cmdRandom, &cmdOneStep, &cmdGo, &cmdStop}) {
        buttonKeys_.Watch(*button);
    }
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

// What undo and redo show: a board and count as they were, stopped.
void frmDisplay::ShowState(const quarn::BoardState& state)
{
    timer.Interval(0);
    board_.Restore(state);
    DrawAll();
}

// A pattern replaces the board as a fill does: the run stops and the count starts again.
void frmDisplay::LoadCells(const std::vector<quarn::Cell>& cells)
{
    board_.FillAll(0);
    for (const quarn::Cell& cell : cells) {
        board_.ToggleCell(quarn::Narrow16(cell.row + 1, "row"),
                          quarn::Narrow16(cell.column + 1, "column"));
    }
    timer.Interval(0);
    board_.ResetCount();
    DrawAll();
}

void frmDisplay::DrawAll()
{
    for (std::int16_t row = 1; row <= Board::kFieldSize; ++row) {
        for (std::int16_t column = 1; column <= Board::kFieldSize; ++column) {
            DrawCell(row, column);
        }
    }
    lblStepCount.setText(QStringLiteral("Steps: ") + QString::number(board_.StepCount()));
    BoardAccessible::NotifyChanged(&picFrame);
}

void frmDisplay::DrawCell(std::int16_t row, std::int16_t column)
{
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
    GetCellBox(row, column, x1, y1, x2, y2);
    picFrame.FillColor(board_.CellAt(row, column) != 0 ? kLiveColor : kDeadColor);
    picFrame.Line(x1, y1, x2, y2, kOutlineColor);
}

// The corners of a cell's box: its slot, inset on every side.
inline void frmDisplay::GetCellBox(std::int16_t row, std::int16_t column, std::int16_t& x1,
                                   std::int16_t& y1, std::int16_t& x2, std::int16_t& y2) const
{
    using quarn::CheckedAdd;
    using quarn::CheckedMul;
    using quarn::CheckedSub;

    std::int16_t cw = 0;
    std::int16_t ch = 0;
    GetCellSize(cw, ch);
    const std::int16_t left = CheckedMul(CheckedSub(column, 1), cw);
    const std::int16_t top = CheckedMul(CheckedSub(row, 1), ch);
    x1 = CheckedAdd(left, kBoxInset);
    y1 = CheckedAdd(top, kBoxInset);
    x2 = CheckedSub(CheckedAdd(left, cw), kBoxInset);
    y2 = CheckedSub(CheckedAdd(top, ch), kBoxInset);
}

inline void frmDisplay::GetCellSize(std::int16_t& cw, std::int16_t& ch) const
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
    if (!Board::InField(row, column)) {
        return;
    }
    history_.StrokeStarted();
    FlipCell(row, column);
    cursor_.Clicked(row, column);
    stroke_.Begin(row, column, board_.CellAt(row, column) != 0, Button);
}

// A drag from a cell sets every cell the pointer passes over as the first one went.
void frmDisplay::picFrame_MouseMove(int Button, int Shift, float X, float Y)
{
    static_cast<void>(Shift);
    if (!stroke_.Active() || (Button & stroke_.Button()) == 0) {
        return;
    }
    std::int16_t row = 0;
    std::int16_t column = 0;
    HitTest(X, Y, row, column);
    // Left of or above the area lies off the field, where rounding towards zero would put
    // the first column or row.
    row = Y < 0 ? std::int16_t{0} : row;
    column = X < 0 ? std::int16_t{0} : column;
    for (const auto& [r, c] : stroke_.MoveTo(row, column)) {
        const auto cellRow = static_cast<std::int16_t>(r);
        const auto cellColumn = static_cast<std::int16_t>(c);
        if ((board_.CellAt(cellRow, cellColumn) != 0) != stroke_.Live()) {
            FlipCell(cellRow, cellColumn);
        }
    }
}

void frmDisplay::picFrame_MouseUp(int Button, int Shift, float X, float Y)
{
    static_cast<void>(Shift);
    static_cast<void>(X);
    static_cast<void>(Y);
    if (stroke_.Active() && Button == stroke_.Button()) {
        stroke_.End();
        history_.StrokeEnded();
    }
}

// The one way a single cell changes, whether by a click, a key or assistive technology.
void frmDisplay::FlipCell(std::int16_t row, std::int16_t column)
{
    board_.ToggleCell(row, column);
    DrawCell(row, column);
    BoardAccessible::NotifyToggled(&picFrame, row, column);
    history_.Record(QStringLiteral("Toggle"));
}

void frmDisplay::timer_Timer()
{
    NextGeneration();
}
