#include "display/forms/form.h"

#include <QMenuBar>

namespace quarn::forms {

Form::Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, OleColor backColor,
           QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    // Nothing in the window moves or grows with it, so it keeps its size; it may be minimised.
    client_ = QSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
    setFixedSize(client_);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(ToRgb(backColor)));
    setPalette(background);
    setAutoFillBackground(true);
}

void Form::SetMenuBar(QMenuBar& bar)
{
    // Rounded up to a whole number of device pixels at every scale in quarters (1.25, 1.5, ...),
    // so that the client area, and the board in it, stays on whole device pixels.
    constexpr int kQuarters = 4;
    const int height = (bar.sizeHint().height() + kQuarters - 1) / kQuarters * kQuarters;
    bar.setParent(this);
    bar.setGeometry(0, 0, client_.width(), height);
    clientTop_ = height;
    setFixedSize(client_.width(), client_.height() + height);
}

void Form::PlaceInTwips(QWidget& control, const TwipsRect& rect) const
{
    const QRect pixels = ToPixels(rect).translated(0, clientTop_);
    control.move(pixels.topLeft());
    // Fixed, as nothing in a form moves or grows: a new text in a label then costs a repaint
    // and not a relayout request to its parent as well.
    control.setFixedSize(pixels.size());
}

void Form::setVisible(bool visible)
{
    if (visible && !loaded_) {
        loaded_ = true;
        emit Load();
    }
    QWidget::setVisible(visible);
}

} // namespace quarn::forms
