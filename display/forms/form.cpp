#include "form.h"

#include "twips.h"

namespace forms {

Form::Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, OleColor backColor,
           QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    // Nothing in the window moves or grows with it, so it keeps its size; it may be minimised.
    setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(ToRgb(backColor)));
    setPalette(background);
    setAutoFillBackground(true);
}

void Form::setVisible(bool visible)
{
    if (visible && !loaded_) {
        loaded_ = true;
        emit Load();
    }
    QWidget::setVisible(visible);
}

} // namespace forms
