#include "ole_color.h"

#include <QGuiApplication>
#include <QPalette>

namespace forms {

namespace {

QColor SystemColor(unsigned index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::WindowText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::WindowText);
    }
}

} // namespace

QColor ToQColor(OleColor color)
{
    if ((color & kSystemColorFlag) != 0) {
        return SystemColor(color & 0xFFU);
    }
    return {static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
            static_cast<int>((color >> 16U) & 0xFFU)};
}

} // namespace forms
