#include "twips.h"

#include <QWidget>

#include <cmath>

namespace forms {

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect ToPixels(const TwipsRect& rect)
{
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
            TwipsToPixels(rect.height)};
}

void PlaceInTwips(QWidget& widget, const TwipsRect& rect)
{
    const QRect pixels = ToPixels(rect);
    widget.move(pixels.topLeft());
    // Fixed, as nothing in a form moves or grows: a new text in a label then costs a repaint
    // and not a relayout request to its parent as well.
    widget.setFixedSize(pixels.size());
}

} // namespace forms
