#include "display/frmDisplay.h"

#include "board/checked.h"
#include "display/forms/font.h"
#include "display/rounding.h"
#include "features/access/board_accessible.h"
#include "features/access/status_accessible.h"
#include "features/files/examples.h"

#include <QString>

#include <cmath>
#include <limits>

namespace quarn {

namespace {

using forms::OleColor;
using forms::TwipsRect;

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
    return Narrow16(RoundHalfEven32(outerSize - kSizeAllowance) / Board::kFieldSize, "cell size");
}

// The caption when the count has the most digits it can have.
QString WidestCaption()
{
    return frmDisplay::tr("Steps: %1").arg(std::numeric_limits<std::int16_t>::max());
}

} // namespace

frmDisplay::frmDisplay(QWidget* parent)
    : forms::Form(tr("Game of Quarn"), kClientWidthTwips, kClientHeightTwips, kWindowColor, parent),
      menuBar_(this),
      picFrame(kBoardColor, this),
      cmdAllOn(this),
      cmdAllOff(this),
      cmdRandom(this),
      cmdOneStep(this),
      cmdGo(this),
      cmdStop(this),
      lblStepCount(this),
      timer(this),
      menus_(menuBar_, *this, Examples::Names()),
      transfer_(*this, board_),
      cursor_(picFrame),
      access_(picFrame, board_),
      buttonKeys_(this),
      stroke_(board_, this),
      history_(board_, this),
      announcer_(lblStepCount, board_),
      objects_(picFrame, board_),
      objectsWindow_(objects_, this)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&frmDisplay::AccessibleFactory);
        return true;
    }();
    static_cast<void>(factoryInstalled);

    LayOut();
    ConnectHandlers();
}

// Assistive technology sees the window as a window, the picture area as the cells it shows, and
// the count's label as the status bar that announcements come from.
QAccessibleInterface* frmDisplay::AccessibleFactory(const QString& /*className*/, QObject* object)
{
    if (auto* window = qobject_cast<frmDisplay*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    auto* area = qobject_cast<forms::PictureBox*>(object);
    auto* display = area != nullptr ? qobject_cast<frmDisplay*>(area->parentWidget()) : nullptr;
    if (auto* label = qobject_cast<QLabel*>(object)) {
        auto* owner = qobject_cast<frmDisplay*>(label->parentWidget());
        if (owner != nullptr && label == &owner->lblStepCount) {
            return new StatusAccessible(label, owner->announcer_);
        }
    }
    if (display == nullptr || area != &display->picFrame) {
        return nullptr;
    }
    return new BoardAccessible(area, display->access_);
}

const Board& frmDisplay::board() const
{
    return board_;
}

// Once the window is on the screen, so that a warning about the file opens over it.
void frmDisplay::OpenPattern(const QByteArray& path)
{
    if (IsShown()) {
        emit PatternFileGiven(path);
        return;
    }
    connect(
        this, &forms::Form::Shown, this, [this, path] { emit PatternFileGiven(path); },
        Qt::SingleShotConnection);
}

void frmDisplay::LayOut()
{
    struct Control
    {
        QWidget* widget;
        const char* name;
        TwipsRect rect;
        QString caption;
    };
    const Control controls[] = {
        {&picFrame, "picFrame", {120, 120, 5000, 5000}, {}},
        {&cmdAllOn, "cmdAllOn", {5520, 120, 1452, 492}, tr("All On")},
        {&cmdAllOff, "cmdAllOff", {5520, 720, 1452, 492}, tr("All Off")},
        {&cmdRandom, "cmdRandom", {5520, 1320, 1452, 492}, tr("Random")},
        {&cmdOneStep, "cmdOneStep", {5520, 1920, 1452, 492}, tr("1 Step")},
        {&cmdGo, "cmdGo", {5520, 2520, 1455, 495}, tr("Go")},
        {&cmdStop, "cmdStop", {5520, 3120, 1452, 492}, tr("Stop")},
        {&lblStepCount, "lblStepCount", {5520, 3720, 1452, 492}, tr("Steps: %1").arg(0)},
    };
    SetMenuBar(menuBar_);
    const QFont font = forms::DialogFont(kFontPoints);
    for (const Control& control : controls) {
        control.widget->setObjectName(QString::fromLatin1(control.name));
        PlaceInTwips(*control.widget, control.rect);
        if (!control.caption.isEmpty()) {
            control.widget->setProperty("text", control.caption);
            control.widget->setFont(font);
            // In a language with longer words the caption keeps to the control, in a smaller
            // face if it must.
            forms::FitCaption(*control.widget);
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

// Every connection the window makes: its controls to their handlers, and its features to the
// procedures that carry out what they ask. The one place where the window speaks to them.
void frmDisplay::ConnectHandlers()
{
    connect(this, &forms::Form::Load, this, &frmDisplay::Form_Load);
    connect(&timer, &forms::IntervalTimer::Timer, this, &frmDisplay::timer_Timer);

    // A press on the board: a stroke begins on the cell before the click toggles it, so that
    // the click is the stroke's first cell; then the cursor follows the click.
    connect(&picFrame, &forms::PictureBox::MouseDown, this,
            [this](int button, int shift, float x, float y) {
                std::int16_t row = 0;
                std::int16_t column = 0;
                HitTest(x, y, row, column);
                // The strip past the last row and column maps to the ring round the field,
                // which the window never changes.
                if (!Board::InField(row, column)) {
                    return;
                }
                stroke_.Press(row, column, button);
                picFrame_MouseDown(button, shift, x, y);
                cursor_.Clicked(row, column);
            });
    connect(&picFrame, &forms::PictureBox::MouseMove, this,
            [this](int buttons, int /*shift*/, float x, float y) {
                std::int16_t row = 0;
                std::int16_t column = 0;
                HitTest(x, y, row, column);
                // Left of or above the area lies off the field, where rounding towards zero
                // would put the first column or row.
                stroke_.Drag(y < 0 ? 0 : row, x < 0 ? 0 : column, buttons);
            });
    connect(
        &picFrame, &forms::PictureBox::MouseUp, &stroke_,
        [this](int button, int /*shift*/, float /*x*/, float /*y*/) { stroke_.Release(button); });

    // Each command leaves its entry in the history; one that stands alone, a fill or a pattern
    // load, ends any stroke and any run first, and "1 Step" during a run belongs to it. What a
    // command leaves on the board is said aloud to assistive technology, once.
    const auto alone = [this](auto action, const char* entry, const QString& spoken) {
        return [this, action, entry, spoken] {
            stroke_.End();
            history_.CloseRun();
            action();
            history_.Record(QString::fromLatin1(entry));
            announcer_.Filled(spoken);
        };
    };
    connect(&cmdAllOn, &QPushButton::clicked, this,
            alone([this] { cmdAllOn_Click(); }, QT_TRANSLATE_NOOP("quarn::History", "All On"),
                  tr("All on")));
    connect(&cmdAllOff, &QPushButton::clicked, this,
            alone([this] { cmdAllOff_Click(); }, QT_TRANSLATE_NOOP("quarn::History", "All Off"),
                  tr("All off")));
    connect(&cmdRandom, &QPushButton::clicked, this,
            alone([this] { cmdRandom_Click(); }, QT_TRANSLATE_NOOP("quarn::History", "Random"),
                  tr("Random")));
    connect(&cmdOneStep, &QPushButton::clicked, this, [this] {
        cmdOneStep_Click();
        history_.Record(QStringLiteral(QT_TRANSLATE_NOOP("quarn::History", "1 Step")));
        announcer_.Status();
    });
    connect(&cmdGo, &QPushButton::clicked, this, [this] {
        history_.RunStarted();
        cmdGo_Click();
        announcer_.Started();
    });
    connect(&cmdStop, &QPushButton::clicked, this, [this] {
        cmdStop_Click();
        history_.CloseRun();
        announcer_.Stopped();
    });
    connect(&transfer_, &PatternTransfer::PatternRead, this,
            [this, alone](const std::vector<Cell>& cells) {
                alone([this, &cells] { LoadCells(cells); },
                      QT_TRANSLATE_NOOP("quarn::History", "Load Pattern"), tr("Pattern loaded"))();
            });
    connect(this, &frmDisplay::PatternFileGiven, &transfer_, &PatternTransfer::OpenFile);

    // What the window did, told to the features that follow the board.
    connect(this, &frmDisplay::BoardDrawn, &access_, &BoardAccess::BoardChanged);
    connect(this, &frmDisplay::CellToggled, &access_, &BoardAccess::CellToggled);
    connect(this, &frmDisplay::CellToggled, &history_, [this] {
        history_.Record(QStringLiteral(QT_TRANSLATE_NOOP("quarn::History", "Toggle")));
    });

    // The other roads from the features into the window, each ending in a procedure the window
    // has, and the features told of one another.
    const auto toggle = [this](int row, int column) {
        ToggleCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
        announcer_.Toggled(row, column);
    };
    connect(&cursor_, &BoardCursor::ToggleRequested, this, toggle);
    connect(&access_, &BoardAccess::ToggleRequested, this, toggle);
    connect(&stroke_, &BoardStroke::ToggleRequested, this, [this](int row, int column) {
        ToggleCell(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column));
    });
    connect(&cursor_, &BoardCursor::StatusRequested, &announcer_, &Announcer::Status);
    connect(&cursor_, &BoardCursor::MarkerShown, this,
            [this](int row, int column, const QColor& color) {
                MarkCells(kCursorMarker, row, column, row, column, color);
            });
    connect(&cursor_, &BoardCursor::MarkerHidden, &picFrame,
            [this] { picFrame.Unmark(kCursorMarker); });
    connect(&cursor_, &BoardCursor::Moved, &access_, &BoardAccess::CursorMoved);

    connect(&stroke_, &BoardStroke::Started, &history_, &History::StrokeStarted);
    connect(&stroke_, &BoardStroke::Ended, &history_, &History::StrokeEnded);
    connect(&history_, &History::StopRequested, this, &frmDisplay::cmdStop_Click);
    connect(&history_, &History::RestoreRequested, this, &frmDisplay::ShowState);
    connect(&history_, &History::Undone, this,
            [this](const QString& action) { announcer_.Restored(tr("Undo %1").arg(action)); });
    connect(&history_, &History::Redone, this,
            [this](const QString& action) { announcer_.Restored(tr("Redo %1").arg(action)); });
    connect(&history_, &History::UndoChanged, &menus_, &Menus::ShowUndo);
    connect(&history_, &History::RedoChanged, &menus_, &Menus::ShowRedo);

    connect(&menus_, &Menus::OpenRequested, &transfer_, &PatternTransfer::Open);
    connect(&menus_, &Menus::ExampleRequested, &transfer_, &PatternTransfer::OpenExample);
    connect(&menus_, &Menus::SaveRequested, &transfer_, &PatternTransfer::Save);
    connect(&menus_, &Menus::CopyRequested, &transfer_, &PatternTransfer::Copy);
    connect(&menus_, &Menus::PasteRequested, &transfer_, &PatternTransfer::Paste);
    connect(&menus_, &Menus::UndoRequested, &history_, &History::Undo);
    connect(&menus_, &Menus::RedoRequested, &history_, &History::Redo);
    connect(&menus_, &Menus::QuitRequested, this, &QWidget::close);

    // The board's objects: said, visited and listed; the list follows the board, and the object
    // chosen in it is outlined in the cursor's colour.
    connect(&cursor_, &BoardCursor::DescribeRequested, &objects_, &BoardObjects::Describe);
    connect(&cursor_, &BoardCursor::ObjectRequested, &objects_, &BoardObjects::Visit);
    connect(&objects_, &BoardObjects::Said, &announcer_, &Announcer::Say);
    connect(&objects_, &BoardObjects::CursorRequested, &cursor_, &BoardCursor::Place);
    connect(&menus_, &Menus::ObjectsRequested, &objectsWindow_, &ObjectsWindow::Open);
    const auto follow = [this] { objectsWindow_.Follow(timer.Interval() != 0); };
    connect(this, &frmDisplay::BoardDrawn, &objectsWindow_, follow);
    connect(this, &frmDisplay::CellToggled, &objectsWindow_, follow);
    connect(&objectsWindow_, &ObjectsWindow::Chosen, &cursor_, &BoardCursor::Place);
    connect(&objectsWindow_, &ObjectsWindow::Outlined, this,
            [this](int top, int left, int bottom, int right) {
                MarkCells(kObjectMarker, top, left, bottom, right,
                          BoardCursor::MarkerColor(picFrame.palette()));
            });
    connect(&objectsWindow_, &ObjectsWindow::OutlineGone, &picFrame,
            [this] { picFrame.Unmark(kObjectMarker); });

    // The keyboard's way in on the buttons: Enter.
    for (QPushButton* button : {&cmdAllOn, &cmdAllOff, &cmdRandom, &cmdOneStep, &cmdGo, &cmdStop}) {
        buttonKeys_.Watch(*button);
    }

    // Where assistive technology and the objects' tooltips find each cell.
    std::int16_t cw = 0;
    std::int16_t ch = 0;
    GetCellSize(cw, ch);
    access_.SetCellPitch(cw / forms::kTwipsPerPixel, ch / forms::kTwipsPerPixel);
    objects_.SetCellPitch(cw / forms::kTwipsPerPixel, ch / forms::kTwipsPerPixel);
}

// A marker round the cells' boxes, in the gap between them and their neighbours.
void frmDisplay::MarkCells(Marker marker, int top, int left, int bottom, int right,
                           const QColor& color)
{
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
    std::int16_t unused = 0;
    GetCellBoxTwips(static_cast<std::int16_t>(top), static_cast<std::int16_t>(left), x1, y1, unused,
                    unused);
    GetCellBoxTwips(static_cast<std::int16_t>(bottom), static_cast<std::int16_t>(right), unused,
                    unused, x2, y2);
    picFrame.Mark(marker, x1, y1, x2, y2, color);
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
void frmDisplay::ShowState(const BoardState& state)
{
    timer.Interval(0);
    board_.Restore(state);
    DrawAll();
}

// A pattern replaces the board as a fill does: the run stops and the count starts again.
void frmDisplay::LoadCells(const std::vector<Cell>& cells)
{
    board_.FillAll(0);
    for (const Cell& cell : cells) {
        board_.ToggleCell(Narrow16(Board::FromZeroBased(cell.row), "row"),
                          Narrow16(Board::FromZeroBased(cell.column), "column"));
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
    lblStepCount.setText(tr("Steps: %1").arg(board_.StepCount()));
    emit BoardDrawn();
}

void frmDisplay::DrawCell(std::int16_t row, std::int16_t column)
{
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
    GetCellBoxTwips(row, column, x1, y1, x2, y2);
    picFrame.FillColor(board_.CellAt(row, column) != 0 ? kLiveColor : kDeadColor);
    picFrame.Line(x1, y1, x2, y2, kOutlineColor);
}

// The corners of a cell's box: its slot, inset on every side.
inline void frmDisplay::GetCellBoxTwips(std::int16_t row, std::int16_t column, std::int16_t& x1,
                                        std::int16_t& y1, std::int16_t& x2, std::int16_t& y2) const
{
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
    row = Narrow16(RoundHalfEven32(Y) / ch + 1, "row");
    column = Narrow16(RoundHalfEven32(X) / cw + 1, "column");
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
    if (!Board::InField(row, column)) {
        return;
    }
    ToggleCell(row, column);
}

// The one way a single cell changes, whether by a click, a key or assistive technology.
void frmDisplay::ToggleCell(std::int16_t row, std::int16_t column)
{
    board_.ToggleCell(row, column);
    DrawCell(row, column);
    emit CellToggled(row, column);
}

void frmDisplay::timer_Timer()
{
    NextGeneration();
}

} // namespace quarn
