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
    widget.setGeometry(ToPixels(rect));
}

} // namespace forms
