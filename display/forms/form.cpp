#include "display/forms/form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

namespace quarn::forms {

namespace {

// Assistive technology sees a form as the window it is.
QAccessibleInterface* PresentForm(const QString& /*className*/, QObject* object)
{
    if (auto* form = qobject_cast<Form*>(object)) {
        return new QAccessibleWidget(form, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

Form::Form(const QString& caption, int clientWidthTwips, int clientHeightTwips, OleColor backColor,
           QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    // Nothing in the window moves or grows with it, so it keeps its size; it may be minimised,
    // and the title bar offers no maximising that would do nothing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    client_ = QSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
    setFixedSize(client_);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(ToRgb(backColor)));
    setPalette(background);
    setAutoFillBackground(true);
    static const bool presented = [] {
        QAccessible::installFactory(&PresentForm);
        return true;
    }();
    static_cast<void>(presented);
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

bool Form::IsShown() const
{
    return shown_;
}

void Form::setVisible(bool visible)
{
    if (visible && !loaded_) {
        loaded_ = true;
        emit Load();
    }
    QWidget::setVisible(visible);
    if (visible && !shown_ && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
}

// Where the desktop draws the title bar itself, it may still offer to maximise (Qt's own
// decorations on Wayland do): the window stays as it is.
void Form::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMaximized()) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
    QWidget::changeEvent(event);
}

// The window is first exposed once it is mapped where the desktop put it; what it heard of that
// placing has been taken in by the next turn of the event loop.
bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (!shown_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        shown_ = true;
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &Form::Shown);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quarn::forms
