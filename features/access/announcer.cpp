#include "features/access/announcer.h"

#include <QAccessible>
#include <QWidget>

namespace quarn {

Announcer::Announcer(QWidget& status, const Board& board)
    : QObject(&status),
      status_(status),
      board_(board)
{}

QString Announcer::Message() const
{
    return message_;
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

// Qt makes the status bar's accessible the first time something asks for it; asking here makes
// sure that one exists to hear what is said.
void Announcer::Say(const QString& message)
{
    message_ = message;
    if (QAccessible::isActive() && QAccessible::queryAccessibleInterface(&status_) != nullptr) {
        emit Said(message);
    }
}

} // namespace quarn
