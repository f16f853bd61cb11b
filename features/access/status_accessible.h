#pragma once

#include "features/access/leaf_accessible.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QString>

#include <deque>

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
    void Announce(const QString& message);

    // A screen reader asks for an announcement's words some time after it was shown, by which
    // time the next may have come: each is a notification of its own that keeps its own words,
    // and the last few are kept for it to ask.
    static constexpr std::size_t kKept = 32;

    const Announcer& announcer_;
    std::deque<QAccessible::Id> notifications_; // the newest first
    bool speaking_ = false;
    QMetaObject::Connection heard_;
};

// An announcement: a notification in the status bar, shown while it is being said.
class AnnouncementAccessible : public LeafAccessible
{
public:
    AnnouncementAccessible(StatusAccessible* status, QString words);

    bool isValid() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    StatusAccessible* status_;
    QString words_;
};

} // namespace quarn
