#pragma once

#include <QRect>

namespace quarn::forms {

// The forms work in twips, 1440 to the inch. Qt's device-independent pixel is 1/96 inch, so a
// twip is 1/15 of one, and Qt takes care of the screen's own scale factor from there.
inline constexpr double kTwipsPerPixel = 15.0;

// A rectangle in twips, as the form layout gives it.
struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

int TwipsToPixels(double twips);
QRect ToPixels(const TwipsRect& rect);

} // namespace quarn::forms
