#include "features/access/status_accessible.h"

#include "features/access/announcer.h"

#include <QWidget>

#include <utility>

namespace quarn {

StatusAccessible::StatusAccessible(QWidget* status, const Announcer& announcer)
    : QAccessibleWidget(status, QAccessible::StatusBar),
      announcer_(announcer),
      notifications_{QAccessible::registerAccessibleInterface(
          new AnnouncementAccessible(this, announcer.Message()))},
      heard_(QObject::connect(&announcer, &Announcer::Said, status,
                              [this](const QString& message) { Announce(message); }))
{}

StatusAccessible::~StatusAccessible()
{
    QObject::disconnect(heard_);
    for (const QAccessible::Id id : notifications_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

bool StatusAccessible::Speaking() const
{
    return speaking_;
}

// Each message is a new notification, shown with its words and hidden again once it has been
// announced.
void StatusAccessible::Announce(const QString& message)
{
    notifications_.push_front(
        QAccessible::registerAccessibleInterface(new AnnouncementAccessible(this, message)));
    if (notifications_.size() > kKept) {
        QAccessible::deleteAccessibleInterface(notifications_.back());
        notifications_.pop_back();
    }
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
    return index == 0 ? QAccessible::accessibleInterface(notifications_.front()) : nullptr;
}

int StatusAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child == StatusAccessible::child(0) ? 0 : -1;
}

// --- The notification -----------------------------------------------------------------------

AnnouncementAccessible::AnnouncementAccessible(StatusAccessible* status, QString words)
    : status_(status),
      words_(std::move(words))
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
    return t == QAccessible::Name ? words_ : QString();
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
    state.invisible = !status_->Speaking() || status_->child(0) != this;
    return state;
}

} // namespace quarn
