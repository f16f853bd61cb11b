#include "features/editing/board_cursor.h"

#include "board/board.h"
#include "geometry/board_look.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

constexpr int kPageRows = 10;
constexpr QRgb kSilver = 0xFF000000 | BoardLook::kGap;
constexpr QRgb kBlack = 0xFF000000 | BoardLook::kDead;
constexpr QRgb kFixedMarker =
    0xFF0058E0; // relative luminance 0.124: 3.5:1 on black, 3.3:1 on silver

double Luminance(QRgb color)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(color)) + 0.7152 * linear(qGreen(color)) +
           0.0722 * linear(qBlue(color));
}

double Contrast(QRgb a, QRgb b)
{
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// What a key asks of the cursor.
enum Act
{
    kUp,
    kDown,
    kLeft,
    kRight,
    kRowStart,
    kRowEnd,
    kFirstCell,
    kLastCell,
    kPageUp,
    kPageDown,
    kToggle,
    kStatus,
    kRun,
    kDescribe,
    kExplain,
    kNextObject,
    kPreviousObject,
    kNextMoment,
    kPreviousMoment,
};

} // namespace

// In the words of the Keys and Mouse page.
const KeyTable& BoardCursor::Keys()
{
    constexpr auto kNo = Qt::NoModifier;
    static const KeyTable table(
        QT_TRANSLATE_NOOP("quarn::Menus", "The board"),
        {
            {QT_TRANSLATE_NOOP("quarn::Menus", "Arrow keys"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Move the cursor cell"),
             {{Qt::Key_Up, kNo, kUp},
              {Qt::Key_Down, kNo, kDown},
              {Qt::Key_Left, kNo, kLeft},
              {Qt::Key_Right, kNo, kRight}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Home, End"),
             QT_TRANSLATE_NOOP("quarn::Menus", "First or last column"),
             {{Qt::Key_Home, kNo, kRowStart}, {Qt::Key_End, kNo, kRowEnd}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Ctrl+Home, Ctrl+End"),
             QT_TRANSLATE_NOOP("quarn::Menus", "First or last cell"),
             {{Qt::Key_Home, Qt::ControlModifier, kFirstCell},
              {Qt::Key_End, Qt::ControlModifier, kLastCell}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Page Up, Page Down"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Ten rows up or down"),
             {{Qt::Key_PageUp, kNo, kPageUp}, {Qt::Key_PageDown, kNo, kPageDown}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "Space, Enter"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Switch the cursor cell on or off"),
             {{Qt::Key_Space, kNo, kToggle},
              {Qt::Key_Return, kNo, kToggle},
              {Qt::Key_Enter, kNo, kToggle}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "S"),
             QT_TRANSLATE_NOOP("quarn::Menus",
                               "Say the step and the live cells, with a screen reader"),
             {{Qt::Key_S, kNo, kStatus}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "R"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Run the board, or stop it, as Go and Stop do"),
             {{Qt::Key_R, kNo, kRun}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "D"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Say what is on the board and what becomes of "
                                               "it, and show it in a tip"),
             {{Qt::Key_D, kNo, kDescribe}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "W"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Say why the cursor cell lives or dies at the "
                                               "next step, and show it in a tip"),
             {{Qt::Key_W, kNo, kExplain}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "N, Shift+N"),
             QT_TRANSLATE_NOOP("quarn::Menus", "To the next or the previous object: say what "
                                               "it is, and show it in a tip"),
             {{Qt::Key_N, kNo, kNextObject}, {Qt::Key_N, Qt::ShiftModifier, kPreviousObject}}},
            {QT_TRANSLATE_NOOP("quarn::Menus", "M, Shift+M"),
             QT_TRANSLATE_NOOP("quarn::Menus", "Run the board to the next moment of its run and "
                                               "say it; back to the moment before"),
             {{Qt::Key_M, kNo, kNextMoment}, {Qt::Key_M, Qt::ShiftModifier, kPreviousMoment}}},
            // Qt's own: the focus chain.
            {QT_TRANSLATE_NOOP("quarn::Menus", "Tab, Shift+Tab"),
             QT_TRANSLATE_NOOP("quarn::Menus", "On to the buttons, and back"),
             {}},
        });
    return table;
}

BoardCursor::BoardCursor(QWidget& area)
    : QObject(&area),
      area_(area)
{
    area_.installEventFilter(this);
}

int BoardCursor::Row() const
{
    return row_;
}

int BoardCursor::Column() const
{
    return column_;
}

void BoardCursor::Clicked(int row, int column)
{
    ShowMarker(false);
    if (area_.hasFocus()) {
        MoveTo(row, column);
    }
}

void BoardCursor::Place(int row, int column)
{
    MoveTo(row, column, true);
}

QColor BoardCursor::MarkerColor(const QPalette& palette)
{
    const QRgb highlight = palette.color(QPalette::Active, QPalette::Highlight).rgb();
    const bool standsOut =
        Contrast(highlight, kSilver) >= 3.0 && Contrast(highlight, kBlack) >= 3.0;
    return QColor::fromRgb(standsOut ? highlight : kFixedMarker);
}

bool BoardCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &area_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            markerShown_ = true;
        }
        UpdateMarker();
        // After Qt has announced the board itself as focused, so that the cell is the last
        // word and a screen reader speaks it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (area_.hasFocus()) {
                    emit Moved(row_, column_);
                }
            },
            Qt::QueuedConnection);
        return false;
    }
    case QEvent::FocusOut:
        UpdateMarker();
        return false;
    case QEvent::KeyPress:
        return KeyPressed(*static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

bool BoardCursor::KeyPressed(const QKeyEvent& key)
{
    int row = row_;
    int column = column_;
    switch (Keys().ActOf(key)) {
    case kUp:
        --row;
        break;
    case kDown:
        ++row;
        break;
    case kLeft:
        --column;
        break;
    case kRight:
        ++column;
        break;
    case kRowStart:
        column = 1;
        break;
    case kRowEnd:
        column = Board::kFieldSize;
        break;
    case kFirstCell:
        row = 1;
        column = 1;
        break;
    case kLastCell:
        row = Board::kFieldSize;
        column = Board::kFieldSize;
        break;
    case kPageUp:
        row -= kPageRows;
        break;
    case kPageDown:
        row += kPageRows;
        break;
    case kToggle:
        ShowMarker(true);
        emit ToggleRequested(row_, column_);
        return true;
    case kStatus:
        emit StatusRequested();
        return true;
    case kRun:
        emit RunRequested();
        return true;
    case kDescribe:
        emit DescribeRequested(row_, column_);
        return true;
    case kExplain:
        emit ExplainRequested(row_, column_);
        return true;
    case kNextObject:
    case kPreviousObject:
        ShowMarker(true);
        emit ObjectRequested(row_, column_, Keys().ActOf(key) == kPreviousObject);
        return true;
    case kNextMoment:
    case kPreviousMoment:
        emit MomentRequested(Keys().ActOf(key) == kPreviousMoment);
        return true;
    default:
        return false;
    }
    ShowMarker(true);
    MoveTo(std::clamp(row, 1, static_cast<int>(Board::kFieldSize)),
           std::clamp(column, 1, static_cast<int>(Board::kFieldSize)));
    return true;
}

void BoardCursor::MoveTo(int row, int column, bool quietly)
{
    if (row == row_ && column == column_) {
        return;
    }
    row_ = row;
    column_ = column;
    UpdateMarker();
    if (quietly) {
        emit Placed(row_, column_);
    } else if (area_.hasFocus()) {
        emit Moved(row_, column_);
    }
}

void BoardCursor::ShowMarker(bool shown)
{
    if (shown != markerShown_) {
        markerShown_ = shown;
        UpdateMarker();
    }
}

void BoardCursor::UpdateMarker()
{
    if (markerShown_ && area_.hasFocus()) {
        emit MarkerShown(row_, column_, MarkerColor(area_.palette()));
    } else {
        emit MarkerHidden();
    }
}

} // namespace quarn
