#include "display/forms/twips.h"

#include <cmath>

namespace quarn::forms {

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect ToPixels(const TwipsRect& rect)
{
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
            TwipsToPixels(rect.height)};
}

} // namespace quarn::forms
