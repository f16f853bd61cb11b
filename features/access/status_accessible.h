#pragma once

#include "features/access/leaf_accessible.h"

#include <QAccessibleWidget>
#include <QMetaObject>

class QWidget;

namespace quarn {

class Announcer;

// Presents the widget that shows the count to assistive technology as the window's status bar,
// which a screen reader's "read status bar" command finds, holding the announcements as a
// notification.
class StatusAccessible : public QAccessibleWidget
{
public:
    StatusAccessible(QWidget* status, const Announcer& announcer);
    ~StatusAccessible() override;
    StatusAccessible(const StatusAccessible&) = delete;
    StatusAccessible& operator=(const StatusAccessible&) = delete;
    StatusAccessible(StatusAccessible&&) = delete;
    StatusAccessible& operator=(StatusAccessible&&) = delete;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Whether the notification is being shown with something to say.
    bool Speaking() const;

private:
    void Announce();

    const Announcer& announcer_;
    QAccessible::Id notification_;
    bool speaking_ = false;
    QMetaObject::Connection heard_;
};

// The announcements: a notification in the status bar, shown while it has something to say.
class AnnouncementAccessible : public LeafAccessible
{
public:
    AnnouncementAccessible(StatusAccessible* status, const Announcer& announcer);

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    StatusAccessible* status_;
    const Announcer& announcer_;
};

} // namespace quarn
