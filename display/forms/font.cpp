#include "display/forms/font.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QWidget>

namespace quarn::forms {

QFont DialogFont(double points)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    static_cast<void>(substituted);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

namespace {

constexpr double kStep = 0.5;
constexpr double kSmallest = 6.0;

} // namespace

QFont FitToWidth(QFont font, const QString& text, int width)
{
    while (QFontMetricsF(font).horizontalAdvance(text) > width &&
           font.pointSizeF() - kStep >= kSmallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    return font;
}

void FitCaption(QWidget& control)
{
    QFont font = control.font();
    while (control.sizeHint().width() > control.width() && font.pointSizeF() - kStep >= kSmallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        control.setFont(font);
    }
}

} // namespace quarn::forms
