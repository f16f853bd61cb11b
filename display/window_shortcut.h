#pragma once

#include <QAction>
#include <QKeySequence>
#include <QWidget>

// A shortcut that works anywhere in the window, calling the receiver's slot.
template <typename Receiver>
void AddWindowShortcut(QWidget& window, QKeySequence::StandardKey key, Receiver* receiver,
                       void (Receiver::*slot)())
{
    auto* action = new QAction(&window);
    action->setShortcuts(key);
    QObject::connect(action, &QAction::triggered, receiver, slot);
    window.addAction(action);
}
