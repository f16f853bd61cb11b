#pragma once

#include <QFont>

class QWidget;

namespace quarn::forms {

// The classic dialog face at the given size. Where it is not installed a metric-compatible
// sans-serif (Liberation Sans, then any sans-serif) stands in.
QFont DialogFont(double points);

// The font, stepped down half a point at a time until the text fits the width in pixels. A
// stand-in face wider than the one a layout was made for would otherwise cut the text off.
QFont FitToWidth(QFont font, const QString& text, int width);

// The control's font stepped down the same way until what the control needs to show its caption
// in full (its size hint) fits its width.
void FitCaption(QWidget& control);

} // namespace quarn::forms
