#include "features/editing/board_cursor.h"

#include "board/board.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quarn {

namespace {

constexpr int kPageRows = 10;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kBlack = 0xFF000000;
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

} // namespace

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
    const bool control = key.modifiers().testFlag(Qt::ControlModifier);
    int row = row_;
    int column = column_;
    switch (key.key()) {
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_Home:
        row = control ? 1 : row;
        column = 1;
        break;
    case Qt::Key_End:
        row = control ? Board::kFieldSize : row;
        column = Board::kFieldSize;
        break;
    case Qt::Key_PageUp:
        row -= kPageRows;
        break;
    case Qt::Key_PageDown:
        row += kPageRows;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ShowMarker(true);
        emit ToggleRequested(row_, column_);
        return true;
    case Qt::Key_S:
    case Qt::Key_D:
    case Qt::Key_R:
        if (key.modifiers() != Qt::NoModifier) {
            return false;
        }
        if (key.key() == Qt::Key_S) {
            emit StatusRequested();
        } else if (key.key() == Qt::Key_R) {
            emit RunRequested();
        } else {
            emit DescribeRequested(row_, column_);
        }
        return true;
    case Qt::Key_N:
        if ((key.modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) {
            return false;
        }
        ShowMarker(true);
        emit ObjectRequested(row_, column_, key.modifiers().testFlag(Qt::ShiftModifier));
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
