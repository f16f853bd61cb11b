#pragma once

#include "frmDisplay.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <cstdint>

namespace quarn::testing {

// Reads the window the way a person does: by the pixels of the board, the label's text and the
// buttons, found by their names. Cell positions follow the 165-twip grid, 11 pixels a cell.
class TestDisplay : public frmDisplay
{
public:
    using frmDisplay::frmDisplay;
    using frmDisplay::MutableBoard;
};

inline constexpr QRgb kLive = 0xFFFFFF00;
inline constexpr QRgb kDead = 0xFF000000;
inline constexpr QRgb kSilver = 0xFFC0C0C0;

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

inline void Press(QWidget& window, const char* name)
{
    QTest::mouseClick(Button(window, name), Qt::LeftButton);
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

// Every field cell's pixel against the board; the first difference, or an empty string.
inline QString PictureMismatch(QWidget& window, const Board& board)
{
    const QImage image = Grab(window);
    for (std::int16_t r = 1; r <= 30; ++r) {
        for (std::int16_t c = 1; c <= 30; ++c) {
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

} // namespace quarn::testing
