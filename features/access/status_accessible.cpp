#include "features/access/status_accessible.h"

#include "features/access/announcer.h"

#include <QWidget>

namespace quarn {

StatusAccessible::StatusAccessible(QWidget* status, const Announcer& announcer)
    : QAccessibleWidget(status, QAccessible::StatusBar),
      announcer_(announcer),
      notification_(
          QAccessible::registerAccessibleInterface(new AnnouncementAccessible(this, announcer))),
      heard_(QObject::connect(&announcer, &Announcer::Said, status, [this] { Announce(); }))
{}

StatusAccessible::~StatusAccessible()
{
    QObject::disconnect(heard_);
    QAccessible::deleteAccessibleInterface(notification_);
}

bool StatusAccessible::Speaking() const
{
    return speaking_;
}

// The notification is shown with the message, and hidden again once it has been announced, so
// that each message is a new notification.
void StatusAccessible::Announce()
{
    QAccessibleInterface* notification = child(0);
    QAccessibleEvent name(notification, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    speaking_ = true;
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    speaking_ = false;
    QAccessibleEvent hidden(notification, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
}

QAccessible::Role StatusAccessible::role() const
{
    return QAccessible::StatusBar;
}

// The count the widget shows, and the live cells, which it does not.
QString StatusAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        return widget()->property("text").toString();
    }
    if (t == QAccessible::Description) {
        return announcer_.LiveCount();
    }
    return QAccessibleWidget::text(t);
}

int StatusAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface* StatusAccessible::child(int index) const
{
    return index == 0 ? QAccessible::accessibleInterface(notification_) : nullptr;
}

int StatusAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child == QAccessible::accessibleInterface(notification_) ? 0 : -1;
}

// --- The notification -----------------------------------------------------------------------

AnnouncementAccessible::AnnouncementAccessible(StatusAccessible* status, const Announcer& announcer)
    : status_(status),
      announcer_(announcer)
{}

bool AnnouncementAccessible::isValid() const
{
    return status_ != nullptr && status_->isValid();
}

QAccessibleInterface* AnnouncementAccessible::parent() const
{
    return status_;
}

QString AnnouncementAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? announcer_.Message() : QString();
}

void AnnouncementAccessible::setText(QAccessible::Text /*t*/, const QString& /*text*/)
{
    // What is announced is the program's to say.
}

// Over the status line, which it speaks for.
QRect AnnouncementAccessible::rect() const
{
    return status_->rect();
}

QAccessible::Role AnnouncementAccessible::role() const
{
    return QAccessible::Notification;
}

QAccessible::State AnnouncementAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !status_->Speaking();
    return state;
}

} // namespace quarn
