#include "ole_color.h"

#include <QGuiApplication>
#include <QPalette>

namespace forms {

QColor ToQColor(OleColor color)
{
    // Nothing here draws in a system colour; the one the forms name, window text, stands in
    // for all of them.
    if ((color & kSystemColorFlag) != 0) {
        return QGuiApplication::palette().color(QPalette::WindowText);
    }
    return {static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
            static_cast<int>((color >> 16U) & 0xFFU)};
}

} // namespace forms
