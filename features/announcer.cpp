#include "features/announcer.h"

#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget& status, const quarn::Board& board)
    : QObject(&status),
      status_(status),
      board_(board)
{}

QString Announcer::Message() const
{
    return message_;
}

bool Announcer::Speaking() const
{
    return speaking_;
}

QString Announcer::LiveCount() const
{
    return tr("%n live", nullptr, board_.LiveCount());
}

void Announcer::Toggled(int row, int column)
{
    const bool live =
        board_.CellAt(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)) != 0;
    Say(live ? tr("live") : tr("dead"));
}

void Announcer::Filled(const QString& what)
{
    Say(tr("%1, %2").arg(what, LiveCount()));
}

void Announcer::Started()
{
    Say(tr("Running"));
}

void Announcer::Stopped()
{
    Say(tr("Stopped at step %1").arg(board_.StepCount()));
}

void Announcer::Restored(const QString& entry)
{
    Say(tr("%1: step %2, %3").arg(entry).arg(board_.StepCount()).arg(LiveCount()));
}

void Announcer::Status()
{
    Say(tr("Step %1, %2").arg(board_.StepCount()).arg(LiveCount()));
}

// The notification is shown with the message, and hidden again once it has been announced, so
// that each message is a new notification.
void Announcer::Say(const QString& message)
{
    message_ = message;
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(&status_);
    QAccessibleInterface* notification = status != nullptr ? status->child(0) : nullptr;
    if (notification == nullptr) {
        return;
    }
    QAccessibleEvent name(notification, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    speaking_ = true;
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    speaking_ = false;
    QAccessibleEvent hidden(notification, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}
