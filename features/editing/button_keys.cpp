#include "features/editing/button_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace quarn {

ButtonKeys::ButtonKeys(QObject* parent)
    : QObject(parent)
{}

void ButtonKeys::Watch(QAbstractButton& button)
{
    button.installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr) {
        return false;
    }
    button->animateClick();
    return true;
}

} // namespace quarn
