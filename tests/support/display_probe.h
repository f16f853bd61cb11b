#pragma once

#include "display/frmDisplay.h"
#include "geometry/board_look.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPoint>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <cstdint>

using quarn::frmDisplay;

namespace quarn::testing {

// Reads the window the way a person does: by the pixels of the board, the label's text and the
// buttons, found by their names. Cell positions follow the 165-twip grid, 11 pixels a cell.

inline constexpr QRgb kOpaque = 0xFF000000;
inline constexpr QRgb kLive = kOpaque | BoardLook::kLive;
inline constexpr QRgb kDead = kOpaque | BoardLook::kDead;
inline constexpr QRgb kSilver = kOpaque | BoardLook::kGap;
inline constexpr QRgb kTrail = kOpaque | BoardLook::kTrail;

inline QWidget* PictureArea(QWidget& window)
{
    return window.findChild<QWidget*>(QStringLiteral("picFrame"));
}

inline QPushButton* Button(QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

inline QString LabelText(QWidget& window)
{
    return window.findChild<QLabel*>(QStringLiteral("lblStepCount"))->text();
}

// The run timer's interval: 0 while stopped, 100 while running.
inline int Interval(QWidget& window)
{
    return window.findChild<quarn::forms::IntervalTimer*>(QStringLiteral("timer"))->Interval();
}

// The menu entry that the key is the shortcut of.
inline QAction* MenuEntry(QWidget& window, QKeySequence::StandardKey key)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcuts().contains(QKeySequence(key)) &&
            qobject_cast<QMenu*>(action->parent()) != nullptr) {
            return action;
        }
    }
    return nullptr;
}

inline void Press(QWidget& window, const char* name)
{
    QTest::mouseClick(Button(window, name), Qt::LeftButton);
}

// A press and release delivered through the target's own mouse handling, at any position,
// fractional pixels included.
inline void Click(QWidget* target, QPointF local, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// A click on the picture area at a place in twips.
inline void ClickTwips(QWidget& window, double x, double y, Qt::MouseButton button = Qt::LeftButton)
{
    Click(PictureArea(window), {x / 15.0, y / 15.0}, button);
}

// The text on the clipboard, pasted with Ctrl+V as a person pastes it.
inline void Paste(QWidget& window, const char* rle)
{
    QApplication::setActiveWindow(&window);
    QApplication::clipboard()->setText(QString::fromLatin1(rle));
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
}

// The centre pixel of a field cell, in the picture area's logical pixels.
inline QPoint CellCentre(int row, int column)
{
    return {11 * (column - 1) + 5, 11 * (row - 1) + 5};
}

// The picture area as painted on screen, at the device pixel ratio.
inline QImage Grab(QWidget& window)
{
    return PictureArea(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb PixelAt(const QImage& image, QPointF logical)
{
    const double ratio = image.devicePixelRatio();
    return image.pixel(static_cast<int>(logical.x() * ratio),
                       static_cast<int>(logical.y() * ratio));
}

// Every field cell's pixel in a picture of the board against the board; the first difference,
// or an empty string.
inline QString PictureMismatch(const QImage& image, const Board& board)
{
    for (std::int16_t r = 1; r <= Board::kFieldSize; ++r) {
        for (std::int16_t c = 1; c <= Board::kFieldSize; ++c) {
            const QRgb want = board.CellAt(r, c) != 0 ? kLive : kDead;
            const QRgb got = PixelAt(image, CellCentre(r, c));
            if (got != want) {
                return QStringLiteral("cell (%1, %2) shows %3, the board says %4")
                    .arg(r)
                    .arg(c)
                    .arg(got, 8, 16)
                    .arg(want, 8, 16);
            }
        }
    }
    return {};
}

// The cell whose cursor marker shows, as (row, column), or a null point if none shows. The
// marker lies in the gap round a box, so it shows in the device pixel just left of the middle of
// the box, which is otherwise silver. (Boxes start 12 twips into their 165-twip slots.)
inline QPoint MarkedCell(const QImage& image)
{
    const double ratio = image.devicePixelRatio();
    QPoint found;
    for (int r = 1; r <= Board::kFieldSize; ++r) {
        for (int c = 1; c <= Board::kFieldSize; ++c) {
            const int x = static_cast<int>(std::lround((165 * (c - 1) + 12) * ratio / 15)) - 1;
            const int y = static_cast<int>((11 * (r - 1) + 5) * ratio);
            if (image.pixel(x, y) != kSilver) {
                if (!found.isNull()) {
                    return {-1, -1}; // more than one
                }
                found = QPoint(r, c);
            }
        }
    }
    return found;
}

inline QString PictureMismatch(QWidget& window, const Board& board)
{
    return PictureMismatch(Grab(window), board);
}

} // namespace quarn::testing
